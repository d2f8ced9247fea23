#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/interaction/GridFormControls.h"
#include "support/QStringPrinter.h"
#include <QAbstractItemView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FormGrid : TVxStringGrid {
    FormGrid()
    {
        SetColCount(4);
        SetRowCount(5);
        SetEnableHTML(true);
        resize(500, 300);
        show();
        activateWindow();
    }
    void Open(const QString& type, const QString& id, int col = 1, int row = 1)
    {
        const QString s = Cells(col, row);
        QString value;
        GetHtmlControlValue(s, id, value);
        ShowHTMLControlEditor(s, type, row, col, col, TRect{10, 30, 110, 50}, value, id);
    }
};

const QString kTwoEdits = QStringLiteral(
    "Name <CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"x\" WIDTH=\"60\"> code <CONTROL TYPE=\"MASK\" ID=\"b\" VALUE=\"\" "
    "WIDTH=\"40\" PROP=\"000;1;_\"> end");

} // namespace

TEST(GridFormControls, AMaskedValueReplacesOnlyItsOwnControl)
{
    FormGrid g;
    g.SetCells(1, 1, kTwoEdits);
    QStringList done;
    g.OnControlEditDone = [&](QObject*, int r, int c, const QString& id, const QString& type, const QString& v) {
        done << QStringLiteral("%1,%2,%3,%4,%5").arg(r).arg(c).arg(id, type, v);
    };
    g.Open("MASK", "b");
    ASSERT_TRUE(g.ControlEditing());
    EXPECT_EQ(g.ControlEdit()->mapToGlobal(QPoint(0, 0)), g.viewport()->mapToGlobal(QPoint(11, 38)))
        << "over the control's place in the cell, as the viewport shows it";
    QTest::keyClicks(g.ControlEdit(), "12a3");   // the letter does not fit the mask
    QTest::keyClick(g.ControlEdit(), Qt::Key_Return);
    EXPECT_FALSE(g.ControlEditing());
    QString a, b;
    GetHtmlControlValue(g.Cells(1, 1), "a", a);
    GetHtmlControlValue(g.Cells(1, 1), "b", b);
    EXPECT_EQ(a, "x");
    EXPECT_EQ(b, "123");
    EXPECT_TRUE(g.Cells(1, 1).startsWith("Name ") && g.Cells(1, 1).endsWith(" end"));
    EXPECT_EQ(done, QStringList{"1,1,b,MASK,123"});
}

TEST(GridFormControls, OpeningASecondEditWritesTheFirstBack)
{
    FormGrid g;
    g.SetCells(1, 1, kTwoEdits);
    g.Open("EDIT", "a");
    g.ControlEdit()->selectAll();
    QTest::keyClicks(g.ControlEdit(), "first");
    g.Open("PASSWORD", "b");
    QString a;
    GetHtmlControlValue(g.Cells(1, 1), "a", a);
    EXPECT_EQ(a, "first");
    EXPECT_EQ(g.ControlEdit()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(g.ControlEdit(), "pw");
    g.EndHTMLControlEdit();
    QString b;
    GetHtmlControlValue(g.Cells(1, 1), "b", b);
    EXPECT_EQ(b, "pw");
}

TEST(GridFormControls, AComboListPreselectsTheValueAndIsTenEntriesTall)
{
    FormGrid g;
    g.SetCells(2, 2, "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"beta\" WIDTH=\"80\">");
    g.OnControlComboList = [](QObject*, int, int, const QString&, const QString&, const QString&,
                              QStringList& values, bool& edit, int&) {
        values = {"alpha", "beta", "gamma"};
        edit = false;
    };
    std::vector<int> selected;
    g.OnControlComboSelect = [&](QObject*, int, int, int index, const QString&, const QString&) {
        selected.push_back(index);
    };
    g.Open("COMBO", "c", 2, 2);
    TControlCombo* c = g.ControlCombo();
    EXPECT_FALSE(c->isEditable());
    EXPECT_EQ(c->currentIndex(), 1);
    EXPECT_EQ(c->height(), (c->fontMetrics().height() + 2) * 10);
    c->hidePopup();
    c->setCurrentIndex(2);
    emit c->activated(2);
    EXPECT_EQ(selected, std::vector<int>{2});
    QString v;
    GetHtmlControlValue(g.Cells(2, 2), "c", v);
    EXPECT_EQ(v, "beta");   // not written until the edit ends
    g.EndHTMLControlEdit();
    GetHtmlControlValue(g.Cells(2, 2), "c", v);
    EXPECT_EQ(v, "gamma");
}

TEST(GridFormControls, HeaderEditorsFollowTheSettingsAndTheEvent)
{
    FormGrid g;
    g.SetCells(2, 0, "Head");
    g.MouseActions().SetFixedRowsEditor(TGridFixedCellEditor::fceComboList);
    g.MouseActions().SetFixedComboValues({"Head", "Other"});
    g.EditFixedCell(2, 0);
    TGridTransCombo* combo = g.TransCombo();
    ASSERT_TRUE(combo->isVisible());
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "Head");
    // Over its cell as the viewport shows it, though the editor is a child of the grid.
    const TRect cell = g.CalcCellRect(2, 0);
    EXPECT_EQ(combo->mapToGlobal(QPoint(0, 0)), g.viewport()->mapToGlobal(QPoint(cell.Left, cell.Top)));
    EXPECT_EQ(combo->size(), QSize(cell.Width() - 1, cell.Height() - 2));
    combo->setCurrentIndex(1);
    EXPECT_TRUE(combo->StopEdit());
    EXPECT_EQ(g.Cells(2, 0), "Other");

    // Column 0 takes the column setting even in a fixed row; the event has the last word.
    g.OnFixedEdit = [](QObject*, int, int, TGridFixedCellEditor& editor, QStringList&) {
        editor = TGridFixedCellEditor::fceEdit;
    };
    g.MouseActions().SetFixedColsEditor(TGridFixedCellEditor::fceComboEdit);
    g.EditFixedCell(0, 0);
    EXPECT_TRUE(g.TransEdit()->isVisible());
    const TRect first = g.CalcCellRect(0, 0);
    EXPECT_EQ(g.TransEdit()->mapToGlobal(QPoint(0, 0)),
              g.viewport()->mapToGlobal(QPoint(first.Left + 1, first.Top + 1)));
}

TEST(GridFormControls, ARefusedHeaderTextKeepsTheEditorAndTheCell)
{
    FormGrid g;
    g.SetCells(1, 0, "Head");
    g.OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) { valid = !value.isEmpty(); };
    bool refusedEdit = false;
    g.OnCanEditCell = [&](QObject*, int, int c, bool& can) {
        can = c != 3;
        refusedEdit = refusedEdit || c == 3;
    };
    g.EditFixedCell(1, 0);
    g.TransEdit()->clear();
    EXPECT_FALSE(g.TransEdit()->StopEdit());
    EXPECT_TRUE(g.TransEdit()->isVisible());
    EXPECT_EQ(g.Cells(1, 0), "Head");
    g.TransEdit()->setText("New");
    g.EditFixedCell(3, 0);   // ends the open one first, then is refused
    EXPECT_TRUE(refusedEdit);
    EXPECT_EQ(g.Cells(1, 0), "New");
    EXPECT_FALSE(g.TransEdit()->isVisible());
}

TEST(GridFormControls, ToolkitMasksInQtSpelling)
{
    EXPECT_EQ(ToolkitMaskToInputMask("000;1;_"), "999");
    EXPECT_EQ(ToolkitMaskToInputMask("!99/LL"), "00/AA");
    EXPECT_EQ(ToolkitMaskToInputMask("\\0X"), "\\0\\X");
    EXPECT_EQ(ToolkitMaskToInputMask(""), "");
}

TEST(GridFormControls, EnterOpensTheFirstControlAndTabTheNextOfTheSameCell)
{
    FormGrid g;
    g.SetCells(1, 1, kTwoEdits);
    g.SetColWidths(1, 300);
    g.SetRowHeights(1, 30);
    g.SetCol(1);
    g.SetRow(1);
    g.setFocus();
    QTest::keyClick(g.viewport(), Qt::Key_Return);
    ASSERT_TRUE(g.ControlEditing());
    EXPECT_EQ(g.EditedControlID(), QStringLiteral("a"));
    EXPECT_EQ(g.ControlEdit()->Text(), QStringLiteral("x"));
    const int firstX = g.ControlEdit()->x();
    EXPECT_GT(firstX, g.CellRect(1, 1).Left) << "over the control, after the text before it";

    QTest::keyClicks(g.ControlEdit(), "y");
    QTest::keyClick(g.ControlEdit(), Qt::Key_Tab);
    ASSERT_TRUE(g.ControlEditing());
    EXPECT_EQ(g.EditedControlID(), QStringLiteral("b"));
    EXPECT_GT(g.ControlEdit()->x(), firstX) << "the second control lies further right";
    QString a;
    GetHtmlControlValue(g.Cells(1, 1), "a", a);
    EXPECT_EQ(a, QStringLiteral("y")) << "the first control's value was written back";

    QTest::keyClick(g.ControlEdit(), Qt::Key_Tab);
    EXPECT_FALSE(g.ControlEditing()) << "after the last control the grid takes the focus";
    EXPECT_EQ(g.Col(), 1);
}
