#pragma once
#include "widgets/dropdown/VxDropDown.h"
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

// A shown window with a drop-down of type T at (20, 20), focused.
template <typename T>
struct DropDownWindow {
    QWidget window;
    T* edit = CreateDropDown<T>(&window);

    DropDownWindow()
    {
        window.resize(400, 300);
        edit->move(20, 20);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
    }
    ~DropDownWindow() { edit->HideDropDown(false); }
};

// A key as the keyboard delivers it: Qt key, modifiers and the character it types.
inline void TypeKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

inline void TypeChars(QWidget* w, const QString& chars)
{
    for (QChar c : chars) {
        Qt::Key key = Qt::Key(c.toUpper().unicode());
        TypeKey(w, key, Qt::NoModifier, QString(c));
    }
}
