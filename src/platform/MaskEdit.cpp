#include "platform/MaskEdit.h"
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

QChar ToolkitCharOf(const QKeyEvent* e)
{
    const auto mods = e->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return QChar(char16_t(e->key() - Qt::Key_A + 1));
    switch (e->key()) {
    case Qt::Key_Backspace: return QChar(char16_t(8));
    case Qt::Key_Tab: return QChar(char16_t(9));
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(char16_t(13));
    case Qt::Key_Escape: return QChar(char16_t(27));
    case Qt::Key_Delete: return {};
    default: break;
    }
    const QString text = e->text();
    if (text.size() != 1 || (text[0].unicode() < 32 || text[0].unicode() == 127))
        return {};
    return text[0];
}

TCustomMaskEdit::TCustomMaskEdit(QWidget* AOwner) : QLineEdit(AOwner)
{
    connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
}

int TCustomMaskEdit::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TCustomMaskEdit::SetSelStart(int value)
{
    setCursorPosition(value);
}

void TCustomMaskEdit::SetSelLength(int value)
{
    const int start = SelStart();
    setSelection(start, value);
}

void TCustomMaskEdit::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    setFrame(value == TBorderStyle::bsSingle);
}

void TCustomMaskEdit::SetColor(TColor value)
{
    FColor = value;
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(value));
    setPalette(p);
}

void TCustomMaskEdit::WMPaste()
{
    paste();
}

void TCustomMaskEdit::WMCut()
{
    cut();
}

bool TCustomMaskEdit::WMKeyDown(std::uint16_t, TShiftState)
{
    return false;
}

void TCustomMaskEdit::WMChar(QChar&, bool) {}

void TCustomMaskEdit::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TCustomMaskEdit::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TCustomMaskEdit::KeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TCustomMaskEdit::DoEnter()
{
    if (FAutoSelect && !(QApplication::mouseButtons() & Qt::LeftButton))
        selectAll();
    if (OnEnter)
        OnEnter(this);
}

void TCustomMaskEdit::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TCustomMaskEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomMaskEdit::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    const TShiftState shift = ShiftStateFromQt(e->modifiers(), QApplication::mouseButtons());
    if (key != 0) {
        if (WMKeyDown(key, shift))
            return;
        KeyDown(key, shift);
        if (key == 0)
            return;
    }
    QChar ch = ToolkitCharOf(e);
    if (!ch.isNull()) {
        const QChar typed = ch;
        WMChar(ch, e->modifiers().testFlag(Qt::KeypadModifier));
        if (!ch.isNull())
            KeyPress(ch);
        if (ch.isNull())
            return;
        if (ch != typed) {
            if (!isReadOnly() && ch.unicode() >= 32)
                insert(QString(ch));
            return;
        }
    }
    if (e->matches(QKeySequence::Paste))
        WMPaste();
    else if (e->matches(QKeySequence::Cut))
        WMCut();
    else
        QLineEdit::keyPressEvent(e);
}

void TCustomMaskEdit::keyReleaseEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0)
        KeyUp(key, ShiftStateFromQt(e->modifiers(), QApplication::mouseButtons()));
    QLineEdit::keyReleaseEvent(e);
}

void TCustomMaskEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    DoEnter();
}

void TCustomMaskEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    DoExit();
}

void TCustomMaskEdit::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (OnClick)
        OnClick(this);
}

void TCustomMaskEdit::contextMenuEvent(QContextMenuEvent* e)
{
    // The menu's paste and cut go through the same messages as the keys.
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste")) {
            a->disconnect();
            connect(a, &QAction::triggered, this, [this] { WMPaste(); });
        } else if (a->objectName() == QLatin1String("edit-cut")) {
            a->disconnect();
            connect(a, &QAction::triggered, this, [this] { WMCut(); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}
