#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "platform/ImageList.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/GridDropDownEditors.h"
#include "support/QStringPrinter.h"
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// The editor kind of each column from 1 on.
const TEditorType kColumnKinds[] = {
    TEditorType::edMemoDropDown,       TEditorType::edTrackbarDropDown,   TEditorType::edCalculatorDropDown,
    TEditorType::edTimePickerDropDown, TEditorType::edDetailDropDown,     TEditorType::edColorPickerDropDown,
    TEditorType::edImagePickerDropDown, TEditorType::edGridDropDown,       TEditorType::edVxGridDropDown};
constexpr int kCalcCol = 3, kTimeCol = 4, kDetailCol = 5, kColorCol = 6, kImageCol = 7, kListCol = 8, kGridCol = 9;

// A shown grid whose columns 1 to 9 are edited with the drop-down kinds above, the editors registered as the
// program does at start-up, and a button after it to take the focus.
struct DropDownGrid {
    QDialog dialog;
    TVxStringGrid* g;
    QPushButton* after;
    DropDownGrid()
    {
        RegisterGridDropDownEditors();
        auto* layout = new QVBoxLayout(&dialog);
        g = new TVxStringGrid(&dialog);
        layout->addWidget(g);
        after = new QPushButton(QStringLiteral("after"), &dialog);
        layout->addWidget(after);
        g->SetColCount(10);
        g->SetRowCount(5);
        g->SetOptions(g->Options() | TGridOption::goEditing);
        g->OnGetEditorType = [](QObject*, int ACol, int, TEditorType& e) {
            if (ACol >= 1 && ACol <= int(std::size(kColumnKinds)))
                e = kColumnKinds[ACol - 1];
        };
        dialog.resize(800, 300);
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
    bool GridFocused() const { return Focused() == g || Focused() == g->viewport(); }
    // Opens the editor of cell (c, r) with F2 and returns it, nullptr when none took the focus.
    template <typename Editor>
    Editor* Open(int c, int r)
    {
        Go(c, r);
        Key(g->viewport(), Qt::Key_F2);
        return dynamic_cast<Editor*>(Focused());
    }
    void Wheel(QWidget* w, int steps)
    {
        QWheelEvent wheel(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120 * steps),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &wheel);
    }
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

namespace {
struct KindCase {
    int col;
    const char* name;
    bool (*isKind)(QWidget*);
};
template <typename Editor>
bool Is(QWidget* w)
{
    return dynamic_cast<Editor*>(w) != nullptr;
}
const KindCase kKinds[] = {
    {kCalcCol, "calculator", Is<TGridCalculatorDropDown>}, {kTimeCol, "time picker", Is<TGridTimepickerDropDown>},
    {kDetailCol, "detail", Is<TGridDetailPickerDropDown>}, {kColorCol, "colour", Is<TGridColorDropDown>},
    {kImageCol, "image", Is<TGridImageDropDown>},          {kListCol, "multi-column", Is<TGridGridDropDown>},
    {kGridCol, "grid", Is<TGridVxGridDropDown>},
};
} // namespace

TEST(GridDropDownEditors, EveryKindOpensByKeyAndByClickOverItsCell)
{
    DropDownGrid f;
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(c.name);
        f.Go(c.col, 1);
        f.Key(f.g->viewport(), Qt::Key_F2);
        QWidget* editor = f.Focused();
        ASSERT_TRUE(c.isKind(editor)) << "F2 opens the kind's editor";
        EXPECT_EQ(editor->parentWidget(), f.g);
        EXPECT_EQ(editor->x(), f.g->CellRect(c.col, 1).Left);
        f.Key(editor, Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_TRUE(f.GridFocused());
    }
    f.g->MouseActions().SetDirectEdit(true);
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(c.name);
        const TRect r = f.g->CellRect(c.col, 2);
        QTest::mouseClick(f.g->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 5, r.Top + 5));
        QWidget* editor = f.Focused();
        ASSERT_TRUE(c.isKind(editor)) << "a click opens the editor when the grid edits directly";
        f.Key(editor, Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
    }
}

TEST(GridDropDownEditors, TheStartCharacterIsTypedIntoTheEditor)
{
    DropDownGrid f;
    // The calculator's Enter completes the number in its two decimals.
    const std::pair<int, const char*> cases[] = {{kCalcCol, "7.00"}, {kDetailCol, "7"}};
    for (const auto& [col, entered] : cases) {
        SCOPED_TRACE(col);
        f.Go(col, 1);
        QTest::keyClicks(f.g->viewport(), QStringLiteral("7"));
        QApplication::processEvents();
        auto* editor = dynamic_cast<TVxCustomDropDown*>(f.Focused());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->Text(), QStringLiteral("7"));
        f.Key(editor, Qt::Key_Return);
        EXPECT_EQ(f.g->Cells(col, 1), QString::fromLatin1(entered));
    }
}

TEST(GridDropDownEditors, EscLeavesATextCellAsItWas)
{
    DropDownGrid f;
    for (int col : {2, kCalcCol, kTimeCol, kDetailCol}) {
        SCOPED_TRACE(col);
        f.g->SetCells(col, 1, QStringLiteral("12"));
        f.Go(col, 1);
        f.Key(f.g->viewport(), Qt::Key_F2);
        auto* editor = dynamic_cast<TVxCustomDropDown*>(f.Focused());
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, QStringLiteral("9"));
        f.Key(editor, Qt::Key_Escape);
        EXPECT_EQ(f.g->Cells(col, 1), QStringLiteral("12"));
        EXPECT_FALSE(editor->isVisible());
        EXPECT_TRUE(f.GridFocused());
    }
}

TEST(GridDropDownEditors, CalculatorEnterStoresTheResultNotTheExpression)
{
    DropDownGrid f;
    auto* calc = f.Open<TGridCalculatorDropDown>(kCalcCol, 1);
    ASSERT_NE(calc, nullptr);
    QTest::keyClicks(calc, QStringLiteral("2+3"));
    f.Key(calc, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(kCalcCol, 1), QStringLiteral("5.00")) << "in the calculator's two decimals";
}

TEST(GridDropDownEditors, ColourTurnedByTheWheelIsWrittenByEnterAndNotByEsc)
{
    DropDownGrid f;
    f.g->SetCells(kColorCol, 1, QStringLiteral("kept"));
    f.g->SetColors(kColorCol, 1, clRed);
    auto* colour = f.Open<TGridColorDropDown>(kColorCol, 1);
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->SelectedColor(), clRed);
    f.Wheel(colour, 1);
    ASSERT_NE(colour->SelectedColor(), clRed);
    f.Key(colour, Qt::Key_Escape);
    EXPECT_EQ(f.g->Colors(kColorCol, 1), clRed);
    EXPECT_EQ(f.g->Cells(kColorCol, 1), QStringLiteral("kept"));

    ASSERT_EQ(f.Open<TGridColorDropDown>(kColorCol, 1), colour);
    EXPECT_EQ(colour->SelectedColor(), clRed) << "the editor opens on the cell's colour, not the one left by Esc";
    f.Wheel(colour, 1);
    const TColor turned = colour->SelectedColor();
    f.Key(colour, Qt::Key_Return);
    EXPECT_EQ(f.g->Colors(kColorCol, 1), turned);
    EXPECT_EQ(f.g->Cells(kColorCol, 1), colour->SelectedColorText());

    // A shape cell's colour is its shape's; the background stays.
    f.g->AddShape(kColorCol, 2, TCellShape::csRectangle, clRed, clRed, TCellHAlign::haLeft, TCellVAlign::vaTop);
    ASSERT_EQ(f.Open<TGridColorDropDown>(kColorCol, 2), colour);
    EXPECT_EQ(colour->SelectedColor(), clRed);
    const TColor background = f.g->Colors(kColorCol, 2);
    f.Wheel(colour, 1);
    f.Key(colour, Qt::Key_Return);
    EXPECT_EQ(f.g->GetShapeColor(kColorCol, 2), turned);
    EXPECT_EQ(f.g->Colors(kColorCol, 2), background);
}

TEST(GridDropDownEditors, ImageIndexOfImageCellsIsWrittenByEnterAndNotByEsc)
{
    DropDownGrid f;
    TCustomImageList images(16, 16);
    for (int i = 0; i < 4; ++i) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 60, 255, 255));
        images.Add(image);
    }
    f.g->SetGridImages(&images);
    f.g->AddDataImage(kImageCol, 1, 0, TCellHAlign::haLeft, TCellVAlign::vaTop);
    f.g->SetCells(kImageCol, 1, QStringLiteral("2"));
    f.g->AddImageIdx(kImageCol, 2, 1, TCellHAlign::haLeft, TCellVAlign::vaTop);
    f.g->SetCells(kImageCol, 3, QStringLiteral("plain"));

    auto* image = f.Open<TGridImageDropDown>(kImageCol, 1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->ImageIndex(), 2);
    f.Wheel(image, 1);
    ASSERT_EQ(image->ImageIndex(), 3);
    f.Key(image, Qt::Key_Escape);
    EXPECT_EQ(f.g->Cells(kImageCol, 1), QStringLiteral("2"));
    ASSERT_EQ(f.Open<TGridImageDropDown>(kImageCol, 1), image);
    f.Wheel(image, 1);
    f.Key(image, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(kImageCol, 1), QStringLiteral("3"));

    ASSERT_EQ(f.Open<TGridImageDropDown>(kImageCol, 2), image);
    EXPECT_EQ(image->ImageIndex(), 1);
    f.Wheel(image, 1);
    f.Key(image, Qt::Key_Return);
    int index = -1;
    ASSERT_TRUE(f.g->GetImageIdx(kImageCol, 2, index));
    EXPECT_EQ(index, 2);

    // Any other cell keeps its text, and the picker shows what it had selected.
    ASSERT_EQ(f.Open<TGridImageDropDown>(kImageCol, 3), image);
    EXPECT_EQ(image->ImageIndex(), 2);
    f.Key(image, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(kImageCol, 3), QStringLiteral("plain"));
}

TEST(GridDropDownEditors, TabMovesOnInAGridThatHandlesTabAndElseLeavesTheGrid)
{
    DropDownGrid f;
    f.g->SetOptions(f.g->Options() | TGridOption::goTabs);
    auto* calc = f.Open<TGridCalculatorDropDown>(kCalcCol, 1);
    ASSERT_NE(calc, nullptr);
    QTest::keyClicks(calc, QStringLiteral("4"));
    f.Key(calc, Qt::Key_Tab);
    EXPECT_EQ(f.g->Cells(kCalcCol, 1), QStringLiteral("4"));
    EXPECT_EQ(f.g->Col(), kCalcCol + 1);
    EXPECT_TRUE(f.GridFocused());

    auto* time = f.Open<TGridTimepickerDropDown>(kTimeCol, 1);
    ASSERT_NE(time, nullptr);
    f.Key(time, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(f.g->Col(), kCalcCol) << "Shift+Tab goes back";

    // Without goTabs and without validation Tab is the dialog's: the focus leaves and the value is entered.
    f.g->SetOptions(f.g->Options() & ~TGridOptions(TGridOption::goTabs));
    ASSERT_EQ(f.Open<TGridCalculatorDropDown>(kCalcCol, 2), calc);
    QTest::keyClicks(calc, QStringLiteral("8"));
    f.Key(calc, Qt::Key_Tab);
    EXPECT_EQ(f.Focused(), f.after);
    EXPECT_EQ(f.g->Cells(kCalcCol, 2), QStringLiteral("8.00")) << "formatted as the calculator leaves it";
    EXPECT_FALSE(calc->isVisible());
}

TEST(GridDropDownEditors, RefusedEnterKeepsTheEditorAndPageUpWritesAndStays)
{
    DropDownGrid f;
    bool refuse = false;
    f.g->OnCellValidate = [&](QObject*, int, int, QString& value, bool& valid) {
        valid = !refuse;
        if (refuse)
            value = QStringLiteral("0");
    };
    f.g->Navigation().SetAdvanceOnEnter(true);
    f.g->Navigation().SetAdvanceAutoEdit(true);
    f.g->Navigation().SetAdvanceDirection(TAdvanceDirection::adTopBottom);
    auto* calc = f.Open<TGridCalculatorDropDown>(kCalcCol, 1);
    ASSERT_NE(calc, nullptr);
    QTest::keyClicks(calc, QStringLiteral("6"));
    f.Key(calc, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(kCalcCol, 1), QStringLiteral("6.00"));
    EXPECT_EQ(f.g->Row(), 2);
    EXPECT_EQ(f.Focused(), calc) << "the editor opens again on the next cell";

    refuse = true;
    QTest::keyClicks(calc, QStringLiteral("7"));
    f.Key(calc, Qt::Key_Return);
    EXPECT_EQ(f.g->Row(), 2);
    EXPECT_EQ(calc->Text(), QStringLiteral("0.00")) << "the grid's corrected text";
    EXPECT_EQ(calc->selectedText(), QStringLiteral("0.00"));

    // The refused cell is validated again when the grid selects it; this value passes.
    refuse = false;
    QTest::keyClicks(calc, QStringLiteral("9"));
    f.Key(calc, Qt::Key_PageUp);
    EXPECT_EQ(f.g->Cells(kCalcCol, 2), QStringLiteral("9.00")) << "Page Up writes the value";
    EXPECT_EQ(f.g->Row(), 2);
    EXPECT_EQ(f.Focused(), calc) << "and opens the editor again on the same cell";
}

TEST(GridDropDownEditors, MultiColumnListFilledByTheApplicationCommitsThePickedItem)
{
    DropDownGrid f;
    f.g->OnGetEditorProp = [&](QObject*, int ACol, int, QObject*) {
        auto* list = dynamic_cast<TGridGridDropDown*>(f.g->DropDownEditor(TEditorType::edGridDropDown));
        if (ACol != kListCol || !list || list->Items().Count() > 0)
            return;
        list->Columns().Add()->SetHeader(QStringLiteral("Name"));
        for (const char* name : {"Abcd", "Axe", "Banana"})
            list->Items().Add()->SetText({QString::fromLatin1(name)});
    };
    f.g->SetCells(kListCol, 1, QStringLiteral("Axe"));
    auto* list = f.Open<TGridGridDropDown>(kListCol, 1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ItemIndex(), 1) << "the item whose lookup text is the cell's";
    f.Wheel(list, 1);
    EXPECT_EQ(list->Text(), QStringLiteral("Banana"));
    f.Key(list, Qt::Key_Escape);
    EXPECT_EQ(f.g->Cells(kListCol, 1), QStringLiteral("Axe"));

    ASSERT_EQ(f.Open<TGridGridDropDown>(kListCol, 1), list);
    f.Key(list, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(list->DroppedDown());
    const TRect r = list->ColGrid()->CellRect(0, 3);
    QTest::mouseClick(list->ColGrid()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 3, r.Top + 3));
    EXPECT_FALSE(list->DroppedDown());
    f.Key(list, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(kListCol, 1), QStringLiteral("Banana"));

    // An empty cell opens on the first item.
    ASSERT_EQ(f.Open<TGridGridDropDown>(kListCol, 2), list);
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST(GridDropDownEditors, GridDropDownPicksFromItsSortedGridAndCommits)
{
    DropDownGrid f;
    f.g->OnGetEditorProp = [&](QObject*, int ACol, int, QObject*) {
        auto* editor = dynamic_cast<TGridVxGridDropDown*>(f.g->DropDownEditor(TEditorType::edVxGridDropDown));
        if (ACol != kGridCol || !editor || editor->Items().Count() > 0)
            return;
        editor->Columns().Add()->SetHeader(QStringLiteral("Name"));
        for (const char* name : {"Cherry", "Abcd", "Axe", "Banana"})
            editor->Items().Add()->SetText({QString::fromLatin1(name)});
        editor->SetSorting(VxGridDropDown::TGridSorting::gsSingleColumn);
    };
    f.g->SetCells(kGridCol, 1, QStringLiteral("Ax"));
    auto* editor = f.Open<TGridVxGridDropDown>(kGridCol, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->ItemIndex(), 2) << "the first item whose lookup text begins with the cell's";
    EXPECT_EQ(editor->Text(), QStringLiteral("Ax")) << "the cell's text as it stands";
    f.Key(editor, Qt::Key_Down);   // closed: Down enters the value and moves on
    EXPECT_EQ(f.g->Cells(kGridCol, 1), QStringLiteral("Ax"));
    EXPECT_EQ(f.g->Row(), 2);

    // Opened, sorted by a click on the header, and a row taken by a click: the item that row shows.
    ASSERT_EQ(f.Open<TGridVxGridDropDown>(kGridCol, 1), editor);
    f.Key(editor, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(editor->DroppedDown());
    VxGridDropDown::TVxColGrid* grid = editor->Grid();
    const TRect header = grid->CellRect(0, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(header.Left + 5, header.Top + 5));
    ASSERT_EQ(grid->Cells(0, 4), QStringLiteral("Cherry"));
    const TRect r = grid->CellRect(0, 4);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 5, r.Top + 5));
    EXPECT_FALSE(editor->DroppedDown());
    EXPECT_EQ(editor->Text(), QStringLiteral("Cherry"));
    f.Key(editor, Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(kGridCol, 1), QStringLiteral("Cherry"));
    EXPECT_FALSE(editor->isVisible());

    // Esc after a change leaves the cell as it was, and an empty cell opens on the first item.
    ASSERT_EQ(f.Open<TGridVxGridDropDown>(kGridCol, 1), editor);
    QTest::keyClicks(editor, QStringLiteral("B"));
    EXPECT_EQ(editor->Text(), QStringLiteral("Banana")) << "typing finds the item";
    f.Key(editor, Qt::Key_Escape);
    EXPECT_EQ(f.g->Cells(kGridCol, 1), QStringLiteral("Cherry"));
    EXPECT_TRUE(f.GridFocused());
    ASSERT_EQ(f.Open<TGridVxGridDropDown>(kGridCol, 3), editor);
    EXPECT_EQ(editor->ItemIndex(), 0);
    EXPECT_EQ(editor->Text(), QString());
}
