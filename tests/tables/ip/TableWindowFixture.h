#pragma once
// What the table window tests share: a project folder with the window's file paths pointed into it, the
// window shown modally while a test acts on it, and the files read back.
#include "core/UComon.h"
#include "grid/core/VxStringGrid.h"
#include "platform/Form.h"
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>
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
