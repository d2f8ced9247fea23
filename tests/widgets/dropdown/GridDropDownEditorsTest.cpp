#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/GridDropDownEditors.h"
#include "support/QStringPrinter.h"
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A shown grid whose column 1 is edited with the memo drop-down and column 2 with the track bar, the editors
// registered as the program does at start-up.
struct DropDownGrid {
    QDialog dialog;
    TVxStringGrid* g;
    DropDownGrid()
    {
        RegisterGridDropDownEditors();
        auto* layout = new QVBoxLayout(&dialog);
        g = new TVxStringGrid(&dialog);
        layout->addWidget(g);
        g->SetColCount(4);
        g->SetRowCount(5);
        g->SetOptions(g->Options() | TGridOption::goEditing);
        g->OnGetEditorType = [](QObject*, int ACol, int, TEditorType& e) {
            if (ACol == 1)
                e = TEditorType::edMemoDropDown;
            else if (ACol == 2)
                e = TEditorType::edTrackbarDropDown;
        };
        dialog.resize(500, 300);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        g->setFocus();
        QApplication::processEvents();
    }
    ~DropDownGrid() { RegisterDropDownEditorFactory(nullptr); }
    void Go(int c, int r)
    {
        g->SetCol(c);
        g->SetRow(r);
        g->setFocus();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(w, key, mods); }
};

} // namespace

TEST(GridDropDownEditors, MemoEditsACellThroughItsPopup)
{
    DropDownGrid f;
    f.g->SetCells(1, 1, QStringLiteral("first"));
    f.Go(1, 1);
    f.Key(f.g->viewport(), Qt::Key_F2);
    auto* memo = dynamic_cast<TGridMemoDropDown*>(f.Focused());
    ASSERT_NE(memo, nullptr) << "F2 opens the memo drop-down over the cell";
    EXPECT_EQ(memo->Text(), QStringLiteral("first"));
    EXPECT_EQ(memo->parentWidget(), f.g);

    f.Key(memo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(memo->DroppedDown());
    QPlainTextEdit* lines = memo->Memo();
    lines->moveCursor(QTextCursor::End);
    QTest::keyClick(lines, Qt::Key_Return);
    QTest::keyClicks(lines, QStringLiteral("second"));
    f.Key(lines, Qt::Key_F4);   // closes the pop-up, keeping the lines
    EXPECT_FALSE(memo->DroppedDown());

    f.Key(memo, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("first\r\nsecond"));
    EXPECT_FALSE(memo->isVisible());
    EXPECT_TRUE(f.Focused() == f.g || f.Focused() == f.g->viewport()) << "the grid takes the focus back";

    // Opened again, the memo shows both lines, and Esc leaves the cell as it was.
    f.Go(1, 1);
    f.Key(f.g->viewport(), Qt::Key_F2);
    ASSERT_EQ(f.Focused(), memo);
    EXPECT_EQ(memo->MemoText(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    QTest::keyClicks(memo, QStringLiteral("gone"));
    f.Key(memo, Qt::Key_Escape);
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("first\r\nsecond"));
    EXPECT_FALSE(memo->isVisible());
}

TEST(GridDropDownEditors, TrackBarTakesTheLeadingNumberAndCommitsWhenTheFocusLeaves)
{
    DropDownGrid f;
    f.g->SetCells(2, 1, QStringLiteral("3 steps"));
    f.Go(2, 1);
    f.Key(f.g->viewport(), Qt::Key_F2);
    auto* bar = dynamic_cast<TGridTrackbarDropDown*>(f.Focused());
    ASSERT_NE(bar, nullptr) << "F2 opens the track bar drop-down over the cell";
    EXPECT_EQ(bar->Position(), 3);

    // A click on the drop-down button opens the bar; a key on it moves the value.
    QWidget* button = bar->Button()->InnerButton();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(bar->DroppedDown());
    EXPECT_EQ(bar->TrackBar()->value(), 3);
    QTest::keyClick(bar->TrackBar(), Qt::Key_Right);
    QTest::keyClick(bar->TrackBar(), Qt::Key_Return);
    EXPECT_FALSE(bar->DroppedDown());
    EXPECT_EQ(bar->Text(), QStringLiteral("4"));

    // A click on another cell takes the focus: the value goes into the cell.
    const TRect other = f.g->CellRect(3, 2);
    QTest::mouseClick(f.g->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(other.Left + 5, other.Top + 5));
    EXPECT_EQ(f.g->Cells(2, 1), QStringLiteral("4"));
    EXPECT_FALSE(bar->isVisible());
}

TEST(GridDropDownEditors, RefusedValueKeepsTheEditorOpen)
{
    DropDownGrid f;
    f.g->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) { valid = value.toInt() <= 5; };
    f.g->SetCells(2, 1, QStringLiteral("2"));
    f.Go(2, 1);
    f.Key(f.g->viewport(), Qt::Key_F2);
    auto* bar = dynamic_cast<TGridTrackbarDropDown*>(f.Focused());
    ASSERT_NE(bar, nullptr);
    QTest::keyClicks(bar, QStringLiteral("9"));   // the opened editor has its text selected
    f.Key(bar, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(2, 1), QStringLiteral("2"));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->Text(), QStringLiteral("9")) << "the refused value stays, selected, for the next try";
    QTest::keyClicks(bar, QStringLiteral("5"));
    f.Key(bar, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(2, 1), QStringLiteral("5"));
    EXPECT_FALSE(bar->isVisible());
}
