#include "grid/core/VxColumnGrid.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/GridWindows.h"
#include "grid/edit/GridInplaceEdit.h"
#include "grid/edit/editors/GridEditors.h"
#include "platform/GridEdit.h"
#include "support/QStringPrinter.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A shown grid of 4 columns and 5 rows (one fixed of each) inside a dialog, with a kind per column.
struct EditFixture {
    std::map<int, TEditorType> kinds;   // outlives the dialog, whose closing still asks the grid
    QDialog dialog;
    TVxStringGrid* g;
    EditFixture()
    {
        auto* layout = new QVBoxLayout(&dialog);
        g = new TVxStringGrid(&dialog);
        layout->addWidget(g);
        g->SetColCount(4);
        g->SetRowCount(5);
        g->SetOptions(g->Options() | TGridOption::goEditing);
        g->OnGetEditorType = [this](QObject*, int ACol, int, TEditorType& e) {
            if (auto it = kinds.find(ACol); it != kinds.end())
                e = it->second;
        };
        g->OnGetEditorProp = [this](QObject*, int, int, QObject*) {
            g->ClearComboString();
            for (const char* s : {"Alpha", "Beta", "Gamma"})
                g->AddComboString(QString::fromLatin1(s));
        };
        dialog.resize(500, 300);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        g->setFocus();
        QApplication::processEvents();
    }
    void Go(int c, int r)
    {
        g->SetCol(c);
        g->SetRow(r);
        g->setFocus();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(int key)
    {
        QWidget* w = Focused() ? Focused() : g;
        QTest::keyClick(w, Qt::Key(key), Qt::NoModifier);
    }
    void Type(const QString& s) { QTest::keyClicks(Focused(), s); }
};

// Per editor kind: open with F2, type, commit with Enter or cancel with Esc.
struct KindCase {
    const char* name;
    TEditorType kind;
    const char* start;
    const char* typed;      // keys typed into the editor (text kinds and combo edit)
    int pick;               // combo list: the item chosen with Down presses
    bool cancel;
    const char* expected;
};

const KindCase kKindCases[] = {
    {"text commit", TEditorType::edNormal, "old", "new", 0, false, "new"},
    {"text cancel", TEditorType::edNormal, "old", "new", 0, true, "old"},
    {"numeric drops letters", TEditorType::edNumeric, "", "1a2-", 0, false, "12"},
    {"upper case", TEditorType::edUpperCase, "", "abc", 0, false, "ABC"},
    {"mixed case", TEditorType::edMixedCase, "", "jOHN o'neil-smith", 0, false, "John O'Neil-Smith"},
    {"combo edit commit", TEditorType::edComboEdit, "Beta", "Zeta", 0, false, "Zeta"},
    {"combo edit cancel", TEditorType::edComboEdit, "Beta", "Zeta", 0, true, "Beta"},
    {"combo list commit", TEditorType::edComboList, "Alpha", "", 2, false, "Gamma"},
    {"combo list cancel", TEditorType::edComboList, "Alpha", "", 1, true, "Alpha"},
};

}  // namespace

TEST(GridEditing, EachKindOpensTypesCommitsAndCancels)
{
    for (const KindCase& c : kKindCases) {
        SCOPED_TRACE(c.name);
        EditFixture f;
        f.kinds[1] = c.kind;
        f.g->SetCells(1, 1, QString::fromLatin1(c.start));
        f.Go(1, 1);
        f.Key(Qt::Key_F2);
        ASSERT_TRUE(f.g->EditMode());
        if (c.kind == TEditorType::edComboList || c.kind == TEditorType::edComboEdit) {
            ASSERT_EQ(f.Focused(), f.g->EditCombo());
        }
        if (c.kind == TEditorType::edComboEdit)
            f.g->EditCombo()->lineEdit()->selectAll();
        else if (auto* edit = qobject_cast<QLineEdit*>(f.Focused()))
            edit->selectAll();   // F2 leaves the caret at the end
        f.Type(QString::fromLatin1(c.typed));
        for (int i = 0; i < c.pick; ++i)
            f.g->EditCombo()->WheelStep(true);
        f.Key(c.cancel ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_EQ(f.g->Cells(1, 1), QString::fromLatin1(c.expected));
        EXPECT_FALSE(f.g->EditMode());
        EXPECT_TRUE(f.dialog.isVisible()) << "Esc or Enter in an editor leaves the dialog open";
    }
}

TEST(GridEditing, EndOfAnEditIsReportedNowAndAfterTheEvent)
{
    for (TEditorType kind : {TEditorType::edNormal, TEditorType::edComboList, TEditorType::edComboEdit}) {
        SCOPED_TRACE(int(kind));
        EditFixture f;
        f.kinds[1] = kind;
        f.g->SetCells(1, 2, QStringLiteral("Beta"));
        int done = 0;
        std::vector<std::pair<int, int>> cellDone;
        f.g->OnEditingDone = [&](QObject*) { ++done; };
        f.g->OnEditCellDone = [&](QObject*, int ACol, int ARow) { cellDone.emplace_back(ACol, ARow); };
        f.Go(1, 2);
        f.Key(Qt::Key_F2);
        ASSERT_TRUE(f.g->EditMode());
        EXPECT_EQ(done, 0);
        f.Key(Qt::Key_Return);
        EXPECT_EQ(done, 1);
        EXPECT_TRUE(cellDone.empty()) << "reported once the key has been handled";
        QApplication::processEvents();
        EXPECT_EQ(cellDone, (std::vector<std::pair<int, int>>{{1, 2}}));
    }
}

TEST(GridEditing, DataCheckBoxCellOpensNoTextEditor)
{
    EditFixture f;
    f.kinds[2] = TEditorType::edDataCheckBox;
    f.g->SetCells(2, 1, QStringLiteral("Y"));
    f.Go(2, 1);
    f.Key(Qt::Key_F2);
    f.Type(QStringLiteral("x"));
    EXPECT_EQ(f.g->Cells(2, 1), QStringLiteral("Y"));
    EXPECT_FALSE(f.g->InplaceEditor() && f.g->InplaceEditor()->isVisible());

    // Nothing was opened, so nothing holds the grid: the next cell's editor opens and commits.
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    ASSERT_TRUE(f.g->InplaceEditor() && f.g->InplaceEditor()->isVisible());
    f.Type(QStringLiteral("new"));
    f.Key(Qt::Key_Return);
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("new"));
}

TEST(GridEditing, DataCheckBoxColumnOfAColumnGridIsNeverTypedInto)
{
    QDialog dialog;
    auto* g = new TVxColumnGrid(&dialog);
    g->SetColCount(3);
    g->SetOptions(g->Options() | TGridOption::goEditing);
    g->Columns().Items(1)->SetEditor(TEditorType::edDataCheckBox);
    g->SetCells(1, 1, QStringLiteral("1"));
    dialog.resize(400, 200);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    g->SetCol(1);
    g->SetRow(1);
    g->setFocus();
    for (int key : {int(Qt::Key_F2), int(Qt::Key_X), int(Qt::Key_Return)}) {
        SCOPED_TRACE(key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        EXPECT_EQ(g->Cells(1, 1), QStringLiteral("1"));
        EXPECT_FALSE(g->InplaceEditor() && g->InplaceEditor()->isVisible());
        EXPECT_FALSE(g->EditMode());
    }
    g->SetCol(2);
    g->SetRow(1);
    g->setFocus();
    QTest::keyClick(g, Qt::Key_A);   // opens the text editor, which takes the rest
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(g->Cells(2, 1), QStringLiteral("ab"));
}

TEST(GridEditing, RefusedValueRestoresTheOldTextKeepsTheEditorAndMarksNothing)
{
    for (TEditorType kind : {TEditorType::edNormal, TEditorType::edComboEdit}) {
        SCOPED_TRACE(int(kind));
        int calls = 0;   // before the fixture: closing the open editor at its end still validates
        EditFixture f;
        f.kinds[1] = kind;
        f.g->SetFixedCols(1);
        f.g->SetCells(1, 1, QStringLiteral("old"));
        f.g->OnCellValidate = [&](QObject*, int, int, QString&, bool& Valid) {
            ++calls;
            Valid = false;
        };
        f.Go(1, 1);
        f.Key(Qt::Key_F2);
        if (kind == TEditorType::edComboEdit)
            f.g->EditCombo()->lineEdit()->selectAll();
        else
            static_cast<QLineEdit*>(f.Focused())->selectAll();
        f.Type(QStringLiteral("bad"));
        f.Key(Qt::Key_Return);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("old"));
        EXPECT_TRUE(f.g->EditMode());
        EXPECT_EQ(f.g->Row(), 1);
        EXPECT_FALSE(f.g->GridModified());
        EXPECT_FALSE(f.g->RowModified(1));
        EXPECT_TRUE(f.dialog.isVisible());
    }
}

// Leaving the grid for another control ends the edit even when the value is refused: the editor goes and the
// cell keeps its old text.
TEST(GridEditing, RefusedValueOnFocusLossHidesTheEditor)
{
    EditFixture f;
    auto* other = new QLineEdit(&f.dialog);
    f.dialog.layout()->addWidget(other);
    other->show();
    f.g->SetFixedCols(1);
    f.g->SetCells(1, 1, QStringLiteral("old"));
    f.g->OnCellValidate = [](QObject*, int, int, QString&, bool& Valid) { Valid = false; };
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    ASSERT_TRUE(f.g->InplaceEditor() && f.g->InplaceEditor()->isVisible());
    static_cast<QLineEdit*>(f.Focused())->selectAll();
    f.Type(QStringLiteral("bad"));
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_EQ(f.Focused(), other);
    EXPECT_FALSE(f.g->InplaceEditor()->isVisible());
    EXPECT_FALSE(f.g->EditMode());
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("old"));
}

TEST(GridEditing, AcceptedValueMarksTheRowAndAnEqualValueIsNotValidated)
{
    EditFixture f;
    f.g->SetFixedCols(1);
    f.g->SetCells(1, 1, QStringLiteral("same"));
    int calls = 0;
    f.g->OnCellValidate = [&](QObject*, int, int, QString& Value, bool&) {
        ++calls;
        Value = Value.toUpper();   // the handler's correction is what is stored
    };
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    f.Key(Qt::Key_Return);
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(f.g->GridModified());

    f.Go(1, 2);
    f.Key(Qt::Key_F2);
    f.Type(QStringLiteral("abc"));
    f.Key(Qt::Key_Return);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(f.g->Cells(1, 2), QStringLiteral("ABC"));
    EXPECT_TRUE(f.g->GridModified());
    EXPECT_TRUE(f.g->RowModified(2));
}

TEST(GridEditing, EnterMovesOnAsTheAdvanceOptionsSay)
{
    struct Case {
        const char* name;
        TAdvanceDirection dir;
        bool loop;
        int c, r;
        int ec, er;
    };
    const Case cases[] = {
        {"right", TAdvanceDirection::adLeftRight, true, 1, 1, 2, 1},
        {"wraps to the next row", TAdvanceDirection::adLeftRight, true, 3, 1, 1, 2},
        {"down", TAdvanceDirection::adTopBottom, true, 1, 1, 1, 2},
        {"last row in column goes back up", TAdvanceDirection::adTopBottomInCol, false, 2, 4, 2, 1},
        {"row end without loop stays", TAdvanceDirection::adLeftRightInRow, false, 3, 2, 3, 2},
        {"row end with loop returns", TAdvanceDirection::adLeftRightInRow, true, 3, 2, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditFixture f;
        f.g->SetFixedCols(1);
        f.g->Navigation().SetAdvanceOnEnter(true);
        f.g->Navigation().SetAdvanceDirection(c.dir);
        f.g->Navigation().SetAdvanceOnEnterLoop(c.loop);
        f.Go(c.c, c.r);
        f.Key(Qt::Key_F2);
        f.Key(Qt::Key_Return);
        EXPECT_EQ(f.g->Col(), c.ec);
        EXPECT_EQ(f.g->Row(), c.er);
    }
}

TEST(GridEditing, SkippingReadOnlyCellsStopsWhereItStarted)
{
    EditFixture f;
    f.g->SetFixedCols(1);
    f.g->Navigation().SetAdvanceOnEnter(true);
    f.Go(2, 2);
    f.g->OnCanEditCell = [](QObject*, int, int, bool& CanEdit) { CanEdit = false; };
    f.g->AdvanceEditCell(2, 2, false, false, true, false, false);
    EXPECT_EQ(f.g->Col(), 2);
    EXPECT_EQ(f.g->Row(), 2);

    // Only (1, 3) may be edited: the walk passes the read-only cells and reports where it started.
    f.g->OnCanEditCell = [](QObject*, int ARow, int ACol, bool& CanEdit) { CanEdit = ACol == 1 && ARow == 3; };
    int oldRow = -1, oldCol = -1;
    f.g->OnAutoAdvance = [&](QObject*, int OldRow, int OldCol, int&, int&, bool&) {
        oldRow = OldRow;
        oldCol = OldCol;
    };
    f.g->AdvanceEditCell(2, 2, false, false, true, false, false);
    EXPECT_EQ(f.g->Col(), 1);
    EXPECT_EQ(f.g->Row(), 3);
    EXPECT_EQ(oldCol, 2);
    EXPECT_EQ(oldRow, 2);
}

TEST(GridEditing, SkippingReadOnlyCellsEndsWhereTheWalkCannotReachItsStart)
{
    // Every cell read-only; walks that stick at a row end or circle in the last row never pass the start.
    struct Case {
        const char* name;
        TAdvanceDirection dir;
        bool loop;
        bool insert;
        int c, r;
    };
    const Case cases[] = {
        {"row end without loop", TAdvanceDirection::adLeftRightInRow, false, false, 3, 2},
        {"last row when no row may be added", TAdvanceDirection::adLeftRight, false, true, 2, 2},
        {"column loop", TAdvanceDirection::adTopBottomInCol, false, false, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditFixture f;
        f.g->SetFixedCols(1);
        f.g->Navigation().SetAdvanceOnEnter(true);
        f.g->Navigation().SetAdvanceDirection(c.dir);
        f.g->Navigation().SetAdvanceOnEnterLoop(c.loop);
        f.g->Navigation().SetAdvanceInsert(c.insert);
        f.g->OnCanAddRow = [](QObject*, bool& CanAdd) { CanAdd = false; };
        f.Go(c.c, c.r);
        f.g->OnCanEditCell = [](QObject*, int, int, bool& CanEdit) { CanEdit = false; };
        f.g->AdvanceEditCell(c.c, c.r, false, false, true, false, false);
        EXPECT_EQ(f.g->Col(), c.c);
        EXPECT_EQ(f.g->Row(), c.r);
        EXPECT_EQ(f.g->RowCount(), 5);
    }
}

TEST(GridEditing, AdvanceInsertAppendsARowUnlessRefused)
{
    for (bool canAdd : {true, false}) {
        SCOPED_TRACE(canAdd);
        EditFixture f;
        f.g->SetFixedCols(1);
        f.g->Navigation().SetAdvanceOnEnter(true);
        f.g->Navigation().SetAdvanceInsert(true);
        int added = -1;
        f.g->OnCanAddRow = [&](QObject*, bool& CanAdd) { CanAdd = canAdd; };
        f.g->OnAutoAddRow = [&](QObject*, int ARow) { added = ARow; };
        f.Go(3, 4);
        f.g->AdvanceEditCell(3, 4, false, false, true, false, false);
        EXPECT_EQ(f.g->RowCount(), canAdd ? 6 : 5);
        EXPECT_EQ(added, canAdd ? 5 : -1);
        EXPECT_EQ(f.g->Col(), 1);
        EXPECT_EQ(f.g->Row(), canAdd ? 5 : 4);
    }
}

TEST(GridEditing, ComboListOpenedOnItsEditTextReportsTheSelectedItemAndDoesNotCommit)
{
    // Before the fixture: closing the open editor at its end still reports to the handlers.
    std::vector<std::pair<int, QString>> reports;
    int changes = 0;
    EditFixture f;
    f.kinds[1] = TEditorType::edComboList;
    f.g->SetCells(1, 1, QStringLiteral("Omega"));   // not in the list: the first item is chosen and reported
    f.g->OnComboChange = [&](QObject*, int, int, int Index, const QString& S) { reports.emplace_back(Index, S); };
    f.g->OnCellsChanged = [&](QObject*, const TRect&) { ++changes; };
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], std::make_pair(0, QStringLiteral("Alpha")));
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("Omega"));
    EXPECT_EQ(changes, 0);
    f.Key(Qt::Key_Escape);

    // A cell whose edit text names an item (the display hook changes it): that item is the one reported.
    reports.clear();
    f.g->OnGetEditText = [](QObject*, int, int, QString& Value) { Value = QStringLiteral("Gamma"); };
    f.Go(1, 2);
    f.g->SetCells(1, 2, QStringLiteral("g"));
    f.Key(Qt::Key_F2);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], std::make_pair(2, QStringLiteral("Gamma")));
    EXPECT_EQ(f.g->EditCombo()->Text(), QStringLiteral("Gamma"));
}

// A press on the arrow drops the list; the item clicked in it is reported and is the cell's at once. Escape
// writes nothing, so a text the list does not hold stays.
TEST(GridEditing, ComboListItemClickedInThePopUpIsReportedAndTaken)
{
    std::vector<std::pair<int, QString>> reports;   // before the fixture, which closes an open editor at its end
    EditFixture f;
    f.kinds[1] = TEditorType::edComboList;
    f.g->SetCells(1, 1, QStringLiteral("Omega"));
    f.g->OnComboChange = [&](QObject*, int, int, int Index, const QString& S) { reports.emplace_back(Index, S); };
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("Omega"));
    EXPECT_FALSE(f.g->EditMode());

    reports.clear();
    f.Key(Qt::Key_F2);
    TGridCombo* combo = f.g->EditCombo();
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
    ASSERT_TRUE(combo->view()->isVisible());
    EXPECT_TRUE(combo->isVisible());
    QAbstractItemView* list = combo->view();
    QTest::qWait(QApplication::doubleClickInterval() + 50);   // the list ignores a release this soon after
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
    QCoreApplication::processEvents();   // taken once the list has closed
    EXPECT_FALSE(combo->isVisible());
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("Gamma"));
    EXPECT_EQ(reports, (std::vector<std::pair<int, QString>>{{0, "Alpha"}, {2, "Gamma"}}));   // opening, choice
}

TEST(GridEditing, PreselectedComboItemIsTakenWithoutReport)
{
    int reports = 0;   // before the fixture: closing the open editor at its end still reports
    EditFixture f;
    f.kinds[1] = TEditorType::edComboList;
    f.g->OnComboChange = [&](QObject*, int, int, int, const QString&) { ++reports; };
    f.g->SetCells(1, 1, QStringLiteral("Omega"));
    f.g->OnGetEditorProp = [&f](QObject*, int, int, QObject*) {
        f.g->ClearComboString();
        for (const char* s : {"Alpha", "Beta", "Gamma"})
            f.g->AddComboString(QString::fromLatin1(s));
        f.g->SetComboSelection(2);
    };
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    EXPECT_EQ(f.g->EditCombo()->Text(), QStringLiteral("Gamma"));
    EXPECT_EQ(reports, 0);
}

TEST(GridEditing, ComboItemList)
{
    EditFixture f;
    f.g->ClearComboString();
    for (const char* s : {"a", "b", "a"})
        f.g->AddComboString(QString::fromLatin1(s));
    EXPECT_TRUE(f.g->RemoveComboString(QStringLiteral("A")));   // the list compares without case
    EXPECT_EQ(f.g->GetComboCount(), 2);
    EXPECT_EQ(f.g->EditCombo()->itemText(1), QStringLiteral("a"));
    EXPECT_FALSE(f.g->RemoveComboString(QStringLiteral("z")));
    EXPECT_TRUE(f.g->SetComboSelectionString(QStringLiteral("b")));
    EXPECT_FALSE(f.g->SetComboSelectionString(QStringLiteral("z")));

    // ComboIndex loads the cell's list first.
    f.g->SetCells(1, 1, QStringLiteral("Beta"));
    EXPECT_EQ(f.g->ComboIndex(1, 1), 1);
    f.g->SetCells(1, 1, QStringLiteral("none"));
    EXPECT_EQ(f.g->ComboIndex(1, 1), -1);
    f.g->SetComboIndex(1, 1, 2);
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("Gamma"));
    EXPECT_THROW(f.g->SetComboIndex(1, 1, 3), std::out_of_range);
    EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("Gamma"));
}

TEST(GridEditing, UnitEditKeepsATextWithoutKnownUnit)
{
    for (const char* text : {"12 kg", "12 parsecs"}) {
        SCOPED_TRACE(text);
        EditFixture f;
        f.kinds[1] = TEditorType::edUnitEditBtn;
        f.g->UnitEditBtn()->SetUnits({QStringLiteral(" kg"), QStringLiteral(" g")});
        f.g->SetCells(1, 1, QString::fromLatin1(text));
        f.Go(1, 1);
        f.Key(Qt::Key_F2);
        ASSERT_TRUE(f.g->UnitEditBtn()->isVisible());
        f.g->HideCellEdit();
        EXPECT_EQ(f.g->Cells(1, 1), QString::fromLatin1(text));
    }
}

TEST(GridEditing, TextKindsFilterTypedCharacters)
{
    struct Case {
        TEditorType kind;
        const char* text;
        int caret;
        const char* selected;
        char key;
        bool passes;
        char becomes;
    };
    const QString dec = QLocale().decimalPoint();
    const char d = dec.at(0).toLatin1();
    const Case cases[] = {
        {TEditorType::edNumeric, "", 0, "", '-', true, '-'},
        {TEditorType::edNumeric, "1", 1, "", '-', false, 0},
        {TEditorType::edNumeric, "-1", 0, "", '-', false, 0},
        {TEditorType::edNumeric, "1", 1, "", 'a', false, 0},
        {TEditorType::edPositiveNumeric, "", 0, "", '-', false, 0},
        {TEditorType::edPositiveNumeric, "1", 1, "", '7', true, '7'},
        {TEditorType::edFloat, "1", 1, "", d, true, d},
        {TEditorType::edFloat, dec == QLatin1String(".") ? "1.5" : "1,5", 3, "", d, false, 0},
        {TEditorType::edFloat, dec == QLatin1String(".") ? "1.5" : "1,5", 0, dec == QLatin1String(".") ? "1.5" : "1,5",
         d, true, d},
        {TEditorType::edFloat, "", 0, "", '-', true, '-'},
        {TEditorType::edFloat, "1", 1, "", '-', false, 0},
        {TEditorType::edFloat, "1", 1, "", 'x', false, 0},
        {TEditorType::edPositiveFloat, "", 0, "", '-', false, 0},
        {TEditorType::edLowerCase, "", 0, "", 'Q', true, 'q'},
        {TEditorType::edValidChars, "", 0, "", 'b', true, 'b'},
        {TEditorType::edValidChars, "", 0, "", 'z', false, 0},
        {TEditorType::edNormal, "", 0, "", '#', true, '#'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " + " + c.key + " kind " + std::to_string(int(c.kind)));
        QChar key = QLatin1Char(c.key);
        const bool passes = TVxInplaceEdit::FilterChar(c.kind, key, QString::fromLatin1(c.text), c.caret,
                                                       QString::fromLatin1(c.selected), QStringLiteral("abc"), false);
        EXPECT_EQ(passes, c.passes);
        if (passes) {
            EXPECT_EQ(key, QLatin1Char(c.becomes));
        }
    }
}

TEST(GridEditing, DateForPickerKeepsDatesInsideTheRange)
{
    const TDateTime lo = 43831, hi = 44196;   // 1 Jan 2020, 31 Dec 2020
    EXPECT_EQ(DateForPicker(lo, lo, hi), lo);
    EXPECT_EQ(DateForPicker(hi, lo, hi), hi);
    EXPECT_EQ(DateForPicker(44000, lo, hi), 44000);
    EXPECT_EQ(DateForPicker(hi + 1, lo, hi), hi);
    EXPECT_EQ(DateForPicker(lo - 10, lo, hi), lo);
    EXPECT_EQ(DateForPicker(5, 0, 0), 5);
}

TEST(GridEditing, DateCellOpenedAndClosedKeepsItsDate)
{
    EditFixture f;
    f.kinds[1] = TEditorType::edDateEdit;
    const QString date = QLocale().toString(QDate(2020, 1, 1), QLocale::ShortFormat);
    f.g->DatePicker()->setMinimumDate(QDate(2020, 1, 1));
    f.g->DatePicker()->setMaximumDate(QDate(2020, 12, 31));
    f.g->SetCells(1, 1, date);
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    ASSERT_TRUE(f.g->DatePicker()->isVisible());
    EXPECT_EQ(f.g->DatePicker()->date(), QDate(2020, 1, 1));
    f.g->HideCellEdit();
    EXPECT_EQ(f.g->Cells(1, 1), date);
}

TEST(GridEditing, SpinPageKeysReportTheirDirection)
{
    std::vector<bool> ups;   // before the fixture, which closes the open editor at its end
    EditFixture f;
    f.kinds[1] = TEditorType::edSpinEdit;
    f.g->SetCells(1, 1, QStringLiteral("98"));
    f.g->OnSpinClick = [&](QObject*, int, int, int, bool UpDown) { ups.push_back(UpDown); };
    f.Go(1, 1);
    f.Key(Qt::Key_F2);
    ASSERT_EQ(f.Focused(), f.g->SpinEdit());
    f.g->SpinEdit()->SetIncrement(5);
    f.Key(Qt::Key_PageUp);
    EXPECT_EQ(f.g->SpinEdit()->Value(), 98);   // 103 would pass the maximum of 100
    f.Key(Qt::Key_Home);
    EXPECT_EQ(f.g->SpinEdit()->Value(), 100);
    f.Key(Qt::Key_PageDown);
    f.Key(Qt::Key_End);
    EXPECT_EQ(f.g->SpinEdit()->Value(), 0);
    EXPECT_EQ(ups, (std::vector<bool>{true, true, false, false}));
}

TEST(GridEditing, ComboUpWithoutComboGetUpDownLeavesToTheRowAbove)
{
    EditFixture f;
    f.kinds[1] = TEditorType::edComboEdit;
    f.g->Navigation().SetComboGetUpDown(false);
    f.Go(1, 2);
    f.Key(Qt::Key_F2);
    ASSERT_EQ(f.Focused(), f.g->EditCombo());
    f.Key(Qt::Key_Up);
    EXPECT_EQ(f.g->Row(), 1);
    EXPECT_FALSE(f.g->EditCombo()->isVisible());
}

TEST(GridEditing, ComboColumnOfAColumnGridOffersItsComboItems)
{
    QDialog dialog;
    auto* g = new TVxColumnGrid(&dialog);
    g->SetColCount(3);
    g->SetOptions(g->Options() | TGridOption::goEditing);
    g->Columns().Items(2)->SetEditor(TEditorType::edComboList);
    g->Columns().Items(2)->SetComboItems({QStringLiteral("Read"), QStringLiteral("Write"), QStringLiteral("Both")});
    g->SetCells(2, 1, QStringLiteral("Write"));
    EXPECT_EQ(g->ComboIndex(2, 1), 1);
    dialog.resize(400, 200);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    g->SetCol(2);
    g->SetRow(1);
    g->setFocus();
    QTest::keyClick(g, Qt::Key_F2);
    ASSERT_TRUE(g->EditCombo()->isVisible());
    EXPECT_EQ(g->EditCombo()->Items(), QStringList({"Read", "Write", "Both"}));
    EXPECT_EQ(g->EditCombo()->Text(), QStringLiteral("Write"));
    g->EditCombo()->WheelStep(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(g->Cells(2, 1), QStringLiteral("Both"));
}

TEST(GridEditing, FocusHaloShowsWhileEditingAndGoesWithAnAcceptedValue)
{
    for (TEditorType kind : {TEditorType::edNormal, TEditorType::edComboEdit}) {
        SCOPED_TRACE(int(kind));
        EditFixture f;
        f.kinds[1] = kind;
        f.g->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) { valid = value != "bad"; };
        // A plain widget class: findChild cannot tell it. The grid makes it when it first shows it.
        const auto findHalo = [&f]() -> TGridFocusWindow* {
            for (QObject* child : f.g->children())
                if (auto* w = dynamic_cast<TGridFocusWindow*>(child))
                    return w;
            return nullptr;
        };
        f.Go(1, 1);
        f.Key(Qt::Key_F2);
        ASSERT_TRUE(f.g->EditMode());
        EXPECT_FALSE(findHalo() && findHalo()->isVisible()) << "no halo without the focus helper";
        f.Key(Qt::Key_Escape);

        f.g->FocusHelper().SetEnabled(true);
        f.Go(1, 1);
        f.Key(Qt::Key_F2);
        ASSERT_TRUE(f.g->EditMode());
        TGridFocusWindow* halo = findHalo();
        ASSERT_NE(halo, nullptr);
        EXPECT_TRUE(halo->isVisible());
        // Around the cell: 4 pixels out at the left and top, 5 at the right and bottom.
        const TRect cell = f.g->CellRect(1, 1);
        const QPoint topLeft = f.g->viewport()->mapToGlobal(QPoint(cell.Left - 4, cell.Top - 4));
        EXPECT_EQ(halo->geometry(), QRect(topLeft, QSize(cell.Width() + 9, cell.Height() + 9)));

        if (auto* edit = qobject_cast<QLineEdit*>(f.Focused()))
            edit->selectAll();
        if (kind == TEditorType::edComboEdit)
            f.g->EditCombo()->lineEdit()->selectAll();
        f.Type(QStringLiteral("bad"));
        f.Key(Qt::Key_Return);
        EXPECT_TRUE(halo->isVisible()) << "a refused value keeps the edit and its halo";
        if (auto* edit = qobject_cast<QLineEdit*>(f.Focused()))
            edit->selectAll();
        if (kind == TEditorType::edComboEdit)
            f.g->EditCombo()->lineEdit()->selectAll();
        f.Type(QStringLiteral("good"));
        f.Key(Qt::Key_Return);
        EXPECT_EQ(f.g->Cells(1, 1), QStringLiteral("good"));
        EXPECT_FALSE(halo->isVisible());
    }
}

TEST(GridEditing, TabAsksEachChangingEventOnce)
{
    EditFixture f;
    f.g->SetOptions(f.g->Options() | TGridOption::goTabs);
    std::vector<std::string> asked;
    f.g->OnRowChanging = [&](QObject*, int from, int to, bool&) {
        asked.push_back("row " + std::to_string(from) + ">" + std::to_string(to));
    };
    f.g->OnColChanging = [&](QObject*, int from, int to, bool&) {
        asked.push_back("col " + std::to_string(from) + ">" + std::to_string(to));
    };
    f.g->OnCellChanging = [&](QObject*, int, int, int r, int c, bool&) {
        asked.push_back("cell " + std::to_string(c) + "," + std::to_string(r));
    };
    f.Go(2, 1);
    asked.clear();
    QTest::keyClick(f.g, Qt::Key_Tab);   // within the row
    EXPECT_EQ(asked, (std::vector<std::string>{"col 2>3", "cell 3,1"}));
    asked.clear();
    QTest::keyClick(f.g, Qt::Key_Tab);   // from the last column to the next row
    EXPECT_EQ(f.g->Col(), 1);
    EXPECT_EQ(f.g->Row(), 2);
    EXPECT_EQ(asked, (std::vector<std::string>{"row 1>2", "cell 1,2", "col 3>1"}));
}
