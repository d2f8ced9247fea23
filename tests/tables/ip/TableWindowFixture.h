#pragma once
// What the table window tests share: a project folder with the window's file paths pointed into it, the
// window shown modally while a test acts on it, and the files read back.
#include "core/UComon.h"
#include "grid/core/VxStringGrid.h"
#include "platform/Form.h"
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"

#include "grid/core/VxStringGrid.h"
#include "grid/edit/editors/GridEditors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QToolTip>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

inline QByteArray File_Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Shows `window` as its step does and runs `act` while it is open; a window still open afterwards is
// cancelled.
inline TModalResult Show_While(TForm& window, const std::function<void()>& act)
{
    OnNextModal([&](QWidget*) {
        act();
        if (window.isVisible())
            window.SetModalResult(mrCancel);
    });
    return window.ShowModal();
}

// Acts on a dialog each time it shows, for as long as the driver lives.
class DialogDriver {
public:
    DialogDriver(QWidget& dialog, std::function<void()> act)
    {
        QObject::connect(&FTimer, &QTimer::timeout, [this, &dialog, act = std::move(act)] {
            if (!dialog.isVisible())
                return;
            ++Shown;
            act();
        });
        FTimer.start(5);
    }
    int Shown = 0;

private:
    QTimer FTimer;
};

struct TableProject {
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    QString dir;

    TableProject()
    {
        Row_Clipboard = std::make_unique<QStringList>();
        dir = folder.makeProject("P");
        Project_Dir = dir;
        Set_Project_File_Paths(dir);
    }
    QString Put(const char* name, const QByteArray& content) const
    {
        return folder.writeFile(QStringLiteral("PROJECTS/P/") + QLatin1String(name), content);
    }
};

// Clicks the cell and types the text into the editor it opens, closing it with Enter.
inline void Type_Cell(TVxStringGrid& grid, int ACol, int ARow, const QString& text)
{
    const TRect r = grid.CellRect(ACol, ARow);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(r.Left + 5, r.Top + 5));
    ASSERT_EQ(grid.Col(), ACol);
    ASSERT_EQ(grid.Row(), ARow);
    QTest::keyClick(&grid, text[0].toLatin1(), {}, 0);
    // Whichever editor the column has is the one edit showing on the grid now.
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : grid.findChildren<QLineEdit*>())
        if (e->isVisible())
            editor = e;
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_EQ(grid.Cells(grid.RealColIndex(ACol), ARow), text);
}

// A click in the middle of a cell.
inline void Click_Cell(TVxStringGrid& grid, int ACol, int ARow)
{
    const TRect r = grid.CellRect(ACol, ARow);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

// A double click near the top left of a cell.
inline void Double_Click(TVxStringGrid& grid, int ACol, int ARow)
{
    const TRect r = grid.CellRect(ACol, ARow);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(r.Left + 5, r.Top + 5));
}

// The tip a tool-tip event over the middle of the cell shows; empty when none shows. A shown tip fades out
// late, so ask a cell without a hint before one with.
inline QString Hint_At(TVxStringGrid& grid, int ACol, int ARow)
{
    const TRect r = grid.CellRect(ACol, ARow);
    const QPoint p((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    QHelpEvent help(QEvent::ToolTip, p, grid.viewport()->mapToGlobal(p));
    QApplication::sendEvent(grid.viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The current cell's combo editor, opened with F2.
inline TGridCombo* Open_Combo(TVxStringGrid& grid)
{
    QTest::keyClick(&grid, Qt::Key_F2);
    return grid.EditCombo()->isVisible() ? grid.EditCombo() : nullptr;
}

// The current cell's combo editor with its list dropped down by Alt+Down.
inline TGridCombo* Drop_List(TVxStringGrid& grid)
{
    TGridCombo* combo = Open_Combo(grid);
    if (combo)
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    return combo && combo->view()->isVisible() ? combo : nullptr;
}

// A click on the arrow of a combo editor.
inline void Press_Arrow(QComboBox* combo)
{
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
}

// A click on an item of the combo's open list. A list opened by a press ignores a release that follows
// within the double-click time, so the click waits that out as a user's would. False when the list stayed open.
inline bool Click_List_Item(QComboBox* combo, int index)
{
    QAbstractItemView* list = combo->view();
    const QModelIndex item = list->model()->index(index, combo->modelColumn());
    list->scrollTo(item);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    // The choice is taken once the list has closed, which a busy machine may take a moment to do.
    const bool closed = QTest::qWaitFor([list] { return !list->isVisible(); }, 2000);
    QCoreApplication::processEvents();
    return closed;
}
