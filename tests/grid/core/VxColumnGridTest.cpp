#include "grid/core/GridSettings.h"
#include "grid/core/VxColumnGrid.h"
#include "grid/paint/ControlLook.h"
#include "support/QStringPrinter.h"
#include <QBuffer>
#include <QDataStream>
#include <QVariantMap>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include "grid/model/GridText.h"
#include <gtest/gtest.h>

namespace {
struct ColumnDef {
    const char* header;
    TEditorType editor;
    int width;
};

// The IEC 61850 variables table as its window builds it: 13 columns, a row number column, combo columns, two
// data check-box columns and a hidden key column.
const ColumnDef kIecColumns[] = {
    {"N.", TEditorType::edNormal, 30},          {"Enable", TEditorType::edDataCheckBox, 50},
    {"Name", TEditorType::edNormal, 150},       {"Type", TEditorType::edComboList, 90},
    {"Position", TEditorType::edComboList, 70}, {"Size", TEditorType::edComboEdit, 60},
    {"Scale", TEditorType::edNormal, 60},       {"Offset", TEditorType::edNormal, 60},
    {"Read only", TEditorType::edDataCheckBox, 60}, {"Unit", TEditorType::edComboList, 80},
    {"Min", TEditorType::edNormal, 50},         {"Max", TEditorType::edNormal, 50},
    {"Key", TEditorType::edNormal, 40},
};
constexpr int kHiddenKey = 12;

class IecVariablesForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.resize(900, 600);
        grid = new TVxColumnGrid(&form);
        grid->SetColCount(13);
        grid->SetRowCount(51);
        for (int c = 0; c < 13; ++c) {
            TGridColumnItem* item = grid->Columns().GetItem(c);
            item->SetHeader(QString::fromLatin1(kIecColumns[c].header));
            item->SetEditor(kIecColumns[c].editor);
            item->SetWidth(kIecColumns[c].width);
        }
        for (int p = 0; p <= 1437; ++p)
            grid->Columns().GetItem(4)->ComboItems() << QString::number(p);
        grid->Columns().GetItem(3)->ComboItems() << "BOOL" << "INT" << "FLOAT";
        grid->Columns().GetItem(0)->SetReadOnly(true);
        for (int r = 1; r < 51; ++r) {
            grid->SetCells(0, r, QString::number(r));
            grid->SetCells(1, r, "N");
            grid->SetCells(kHiddenKey, r, QStringLiteral("K%1").arg(r));
        }
        grid->HideColumn(kHiddenKey);
    }

    QDialog form;
    TVxColumnGrid* grid = nullptr;
};
} // namespace

TEST_F(IecVariablesForm, KeepsOneDefinitionPerRealColumnThroughHidingAndShowing)
{
    EXPECT_EQ(grid->ColCount(), 12);
    EXPECT_EQ(grid->NumHiddenColumns(), 1);
    EXPECT_EQ(grid->Columns().Count(), 13);
    EXPECT_EQ(grid->GetColCount() + grid->NumHiddenColumns(), grid->Columns().Count());
    // The hidden key keeps its cells and its definition at its real index.
    EXPECT_EQ(grid->Cells(kHiddenKey, 7), "K7");
    EXPECT_EQ(grid->Columns().GetItem(kHiddenKey)->Header(), "Key");
    EXPECT_EQ(grid->Columns().GetItem(kHiddenKey)->Width(), 40);

    grid->HideColumn(2);
    EXPECT_EQ(grid->ColCount(), 11);
    EXPECT_EQ(grid->Columns().Count(), 13);
    EXPECT_EQ(grid->RealColIndex(2), 3);
    EXPECT_EQ(grid->RealColIndex(10), 11);
    EXPECT_EQ(grid->ColWidths(2), 90) << "the Type column shows where Name stood";
    grid->UnHideColumn(2);
    EXPECT_EQ(grid->ColCount(), 12);
    EXPECT_EQ(grid->RealColIndex(2), 2);
    EXPECT_EQ(grid->ColWidths(2), 150);

    grid->UnHideColumn(kHiddenKey);
    EXPECT_EQ(grid->ColCount(), 13);
    EXPECT_EQ(grid->ColWidths(kHiddenKey), 40);
    EXPECT_EQ(grid->Cells(kHiddenKey, 50), "K50");

    grid->SetColCount(15);
    ASSERT_EQ(grid->Columns().Count(), 15);
    EXPECT_EQ(grid->Columns().GetItem(14)->Editor(), TEditorType::edNormal) << "the look of the one before it";
    EXPECT_EQ(grid->Columns().GetItem(14)->Header(), "");
    grid->SetColCount(13);
    EXPECT_EQ(grid->Columns().Count(), 13);
}

TEST_F(IecVariablesForm, HeadersGoToTheHeaderRowAndTheHeaderList)
{
    EXPECT_EQ(grid->Cells(2, 0), "Name");
    EXPECT_EQ(grid->ColumnHeaders().size(), 13);
    EXPECT_EQ(grid->ColumnHeaders().at(8), "Read only");
    EXPECT_EQ(grid->Columns().GetItem(3)->GetDisplayName(), "Column 3");
    grid->Columns().GetItem(3)->SetName("Type");
    EXPECT_EQ(grid->Columns().GetItem(3)->GetDisplayName(), "Col 3: Type");
    EXPECT_EQ(grid->GetColumnByName("Type"), grid->Columns().GetItem(3));
    EXPECT_EQ(grid->GetColumnByName("type"), nullptr);
}

TEST_F(IecVariablesForm, DataCheckBoxColumnsReadAndWriteYAndN)
{
    struct Case {
        const char* text;
        bool checked;
    };
    const Case cases[] = {{"Y", true}, {"y", false}, {"Yes", false}, {"N", false}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        grid->SetCells(1, 5, QString::fromLatin1(c.text));
        bool state = !c.checked;
        EXPECT_TRUE(grid->GetCheckBoxState(1, 5, state));
        EXPECT_EQ(state, c.checked);
        EXPECT_EQ(grid->IsChecked(1, 5), c.checked);
    }
    EXPECT_TRUE(grid->SetCheckBoxState(8, 3, true));
    EXPECT_EQ(grid->Cells(8, 3), "Y");
    EXPECT_TRUE(grid->SetCheckBoxState(8, 3, false));
    EXPECT_EQ(grid->Cells(8, 3), "N");

    // The header row and a text column hold no check box.
    bool state = true;
    EXPECT_FALSE(grid->GetCheckBoxState(1, 0, state));
    EXPECT_TRUE(state);
    EXPECT_FALSE(grid->SetCheckBoxState(2, 3, true));
    EXPECT_EQ(grid->Cells(2, 3), "");
    EXPECT_EQ(grid->Cells(1, 0), "Enable");

    // A column's own texts replace the grid's.
    grid->Columns().GetItem(8)->SetCheckTrue("1");
    grid->Columns().GetItem(8)->SetCheckFalse("0");
    grid->SetCheckBoxState(8, 4, true);
    EXPECT_EQ(grid->Cells(8, 4), "1");
    EXPECT_TRUE(grid->IsChecked(8, 4));
}

TEST_F(IecVariablesForm, TogglingACheckBoxFiresTheClickEventWithTheNewState)
{
    std::vector<std::tuple<int, int, bool>> clicks;
    grid->OnCheckBoxChange = [&](QObject*, int c, int r, bool s) { clicks.emplace_back(c, r, s); };
    grid->SetCells(1, 2, "maybe");
    EXPECT_TRUE(grid->ToggleCheck(1, 2, true)) << "a text that is neither check text becomes checked";
    EXPECT_EQ(grid->Cells(1, 2), "Y");
    EXPECT_TRUE(grid->ToggleCheckBox(1, 2));
    EXPECT_EQ(grid->Cells(1, 2), "N");
    EXPECT_TRUE(grid->ChangeCheckBoxState(1, 2, false)) << "no change, no event";
    grid->Columns().GetItem(1)->SetReadOnly(true);
    EXPECT_FALSE(grid->ToggleCheck(1, 2, true)) << "a user may not toggle a read-only column";
    EXPECT_EQ(grid->Cells(1, 2), "N");
    const std::vector<std::tuple<int, int, bool>> expected{{1, 2, true}, {1, 2, false}};
    EXPECT_EQ(clicks, expected);
}

TEST_F(IecVariablesForm, EditorsComboItemsAndReadOnlyComeFromTheColumns)
{
    TEditorType editor = TEditorType::edNormal;
    grid->Columns().GetItem(4)->SetDropDownCount(12);
    grid->GetCellEditor(4, 3, editor);
    EXPECT_EQ(editor, TEditorType::edComboList);
    EXPECT_EQ(grid->ControlLook().DropDownCount(), 12);
    ASSERT_EQ(grid->Columns().GetItem(4)->ComboItems().size(), 1438);
    EXPECT_EQ(grid->Columns().GetItem(4)->ComboItems().last(), "1437");

    EXPECT_TRUE(grid->HasComboBox(3, 1));
    EXPECT_TRUE(grid->HasComboBox(5, 1));
    EXPECT_FALSE(grid->HasComboBox(2, 1));
    EXPECT_FALSE(grid->HasComboBox(3, 0)) << "header cells open no combo";

    bool canEdit = true;
    grid->CanEditCell(0, 3, canEdit);
    EXPECT_FALSE(canEdit) << "read-only column";
    grid->CanEditCell(2, 3, canEdit);
    EXPECT_TRUE(canEdit);
    grid->SetReadOnly(2, 3, true);
    grid->CanEditCell(2, 3, canEdit);
    EXPECT_FALSE(canEdit) << "a read-only cell in a writable column";
    grid->SetReadOnly(0, 4, false);
    grid->CanEditCell(0, 4, canEdit);
    EXPECT_FALSE(canEdit) << "a writable cell in a read-only column";
    grid->CanEditCell(2, 0, canEdit);
    EXPECT_FALSE(canEdit) << "the header row";
}

TEST_F(IecVariablesForm, AutoSizeColFitsTheWidestTextWithinTheColumnLimits)
{
    grid->SetCells(2, 10, "A rather long variable name for the logical node");
    grid->AutoSizeCol(2, 0);
    const int fitted = grid->ColWidths(2);
    EXPECT_GT(fitted, 150);
    EXPECT_EQ(grid->Columns().GetItem(2)->Width(), fitted);
    grid->AutoSizeCol(2, 10);
    EXPECT_EQ(grid->ColWidths(2), fitted + 10);

    grid->Columns().GetItem(2)->SetAutoMaxSize(120);
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), 120);

    // The short header and short numbers of the first column shrink it.
    grid->AutoSizeCol(0, 0);
    EXPECT_LT(grid->ColWidths(0), 30);
    EXPECT_GT(grid->ColWidths(0), 10);
}

TEST_F(IecVariablesForm, ColumnsMoveWithTheirDefinitions)
{
    std::pair<int, int> moved{-1, -1};
    grid->OnAfterColumnMoved = [&](QObject*, int from, int to) { moved = {from, to}; };
    grid->MoveColumn(3, 1);
    EXPECT_EQ(moved, std::make_pair(3, 1));
    EXPECT_EQ(grid->Columns().GetItem(1)->Header(), "Type");
    EXPECT_EQ(grid->Columns().GetItem(1)->Editor(), TEditorType::edComboList);
    EXPECT_EQ(grid->Columns().GetItem(2)->Editor(), TEditorType::edDataCheckBox);
    EXPECT_EQ(grid->Columns().Count(), 13);
}

TEST(VxColumnGrid, VersionReadsAsFourBytesAndADate)
{
    TVxColumnGrid grid;
    EXPECT_EQ(grid.GetVersionNr(), 50397953);
    EXPECT_EQ(grid.GetVersionString(), "3.1.3.1 Aug, 2012");
    EXPECT_EQ(grid.Version(), "3.1.3.1");
    TVxStringGrid plain;
    EXPECT_EQ(plain.Version(), "6.2.1.3");
}

TEST(GridColumnCollection, AddCopiesTheLookButInsertDoesNot)
{
    TVxColumnGrid grid;
    TGridColumnCollection& cols = grid.Columns();
    grid.SetColCount(1);
    ASSERT_EQ(cols.Count(), 1);
    cols.GetItem(0)->SetEditor(TEditorType::edDataCheckBox);
    cols.GetItem(0)->SetHeader("Flag");
    cols.GetItem(0)->SetName("flag");
    cols.GetItem(0)->SetColor(0x123456);
    TGridColumnItem* added = cols.Add();
    EXPECT_EQ(added->Editor(), TEditorType::edDataCheckBox);
    EXPECT_EQ(added->Header(), "");
    EXPECT_EQ(added->Name(), "");
    EXPECT_EQ(added->Color(), grid.Color()) << "the colour is the grid's";
    TGridColumnItem* inserted = cols.Insert(0);
    EXPECT_EQ(inserted->Editor(), TEditorType::edNormal);
}

TEST_F(IecVariablesForm, ColumnDefinitionsComeBackFromAStream)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(grid->SaveColumnsToStream(buffer));
    const QByteArray saved = buffer.data();

    TVxColumnGrid other;
    other.SetColCount(13);
    QBuffer in;
    in.setData(saved);
    in.open(QIODevice::ReadOnly);
    ASSERT_TRUE(other.LoadColumnsFromStream(in));
    for (int c = 0; c < 13; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(other.Columns().GetItem(c)->Header(), QString::fromLatin1(kIecColumns[c].header));
        EXPECT_EQ(other.Columns().GetItem(c)->Editor(), kIecColumns[c].editor);
        EXPECT_EQ(other.Columns().GetItem(c)->Width(), kIecColumns[c].width);
    }
    EXPECT_EQ(other.Columns().GetItem(4)->ComboItems().size(), 1438);
    EXPECT_TRUE(other.Columns().GetItem(0)->ReadOnly());
}

TEST_F(IecVariablesForm, BadColumnStreamsChangeNothing)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(grid->SaveColumnsToStream(buffer));
    const QByteArray saved = buffer.data();

    TVxColumnGrid fewer;
    fewer.SetColCount(12);
    struct Case {
        const char* what;
        QByteArray data;
        TVxColumnGrid* target;
    };
    TVxColumnGrid same;
    same.SetColCount(13);
    // A record for every column, the last without its width.
    QByteArray missing;
    {
        QDataStream in(saved);
        QDataStream out(&missing, QIODevice::WriteOnly);
        QString cls;
        qint32 version = 0, count = 0;
        in >> cls >> version >> count;
        out << cls << version << count;
        for (int i = 0; i < count; ++i) {
            QVariantMap m;
            in >> m;
            if (i == count - 1)
                m.remove("Width");
            out << m;
        }
    }
    // A few bytes that declare a list or a record of four billion entries.
    const auto hostile = [](bool list) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << QStringLiteral("TVxColumnGridIO") << qint32(1) << qint32(13);
        if (list)
            out << quint32(1) << QStringLiteral("ComboItems") << quint32(QMetaType::QStringList) << qint8(0)
                << quint32(0xFFFFFFFF);
        else
            out << quint32(0xFFFFFFFF);
        return bytes;
    };
    const Case cases[] = {
        {"empty", QByteArray(), &same},
        {"a string list claiming four billion texts", hostile(true), &same},
        {"a record claiming four billion values", hostile(false), &same},
        {"cut short", saved.left(saved.size() - 10), &same},
        {"another count of columns", saved, &fewer},
        {"foreign bytes", QByteArray("TPF0 not a column stream at all"), &same},
        {"a record without a width", missing, &same},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int widthBefore = c.target->Columns().GetItem(2)->Width();
        const QString headerBefore = c.target->Columns().GetItem(2)->Header();
        QBuffer in;
        in.setData(c.data);
        in.open(QIODevice::ReadOnly);
        EXPECT_FALSE(c.target->LoadColumnsFromStream(in));
        EXPECT_EQ(c.target->Columns().GetItem(2)->Width(), widthBefore);
        EXPECT_EQ(c.target->Columns().GetItem(2)->Header(), headerBefore);
        EXPECT_EQ(c.target->Columns().GetItem(3)->Editor(), TEditorType::edNormal);
    }
}

TEST_F(IecVariablesForm, StretchingFillsTheClientWidthOnResize)
{
    form.show();
    grid->resize(1200, 400);
    grid->ColumnSize().SetStretch(true);
    auto othersWidth = [&] {
        int sum = 0;
        for (int c = 0; c + 1 < grid->ColCount(); ++c)
            sum += grid->ColWidths(c);
        return sum;
    };
    grid->resize(1300, 400);
    const int last = grid->ColCount() - 1;
    EXPECT_EQ(grid->ColWidths(last), grid->ClientWidth() - othersWidth() - 1);
    grid->resize(1000, 400);
    EXPECT_EQ(grid->ColWidths(last), grid->ClientWidth() - othersWidth() - 1);
    // Columns wider than the view: the stretched column falls back to the default width.
    grid->resize(300, 400);
    EXPECT_EQ(grid->ColWidths(last), grid->DefaultColWidth());

    grid->ColumnSize().SetStretchColumn(2);
    grid->resize(1400, 400);
    int others = 0;
    for (int c = 0; c < grid->ColCount(); ++c)
        if (c != 2)
            others += grid->ColWidths(c);
    EXPECT_EQ(grid->ColWidths(2), grid->ClientWidth() - others - 1);
    EXPECT_THROW(grid->ApplyColumnStretch(grid->ColCount()), std::runtime_error);
}

TEST_F(IecVariablesForm, ScrollInViewCentresACellOutsideTheView)
{
    form.show();
    grid->resize(400, 200);
    const int rows = grid->VisibleRowCount();
    ASSERT_GT(rows, 2);
    grid->ScrollInView(11, 30);
    EXPECT_EQ(grid->Row(), 30);
    EXPECT_EQ(grid->Col(), 11);
    EXPECT_EQ(grid->TopRow(), 30 - rows / 2);
    EXPECT_LE(grid->LeftCol(), 11);
    EXPECT_GE(grid->LeftCol() + grid->VisibleColCount() - 1, 11);
    // A cell already shown moves nothing.
    grid->ScrollInView(11, 30 - rows / 2 + 1);
    EXPECT_EQ(grid->TopRow(), 30 - rows / 2);
    EXPECT_EQ(grid->Row(), 30);
    // Near the end the view stops at the last rows; near the start at the first normal row.
    grid->ScrollInView(11, 50);
    EXPECT_GE(grid->TopRow() + grid->VisibleRowCount() - 1, 50);
    grid->ScrollInView(2, 2);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(IecVariablesForm, ColumnPositionsSavedAndLoadedFromAnIniFile)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("grid.ini");
    grid->UnHideColumn(kHiddenKey);
    grid->Columns().SetOrganization();
    ASSERT_TRUE(grid->SaveColumnPositions(ini, "Columns"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith("[Columns]\r\nCP0=0\r\nCP1=1\r\n"));
    f.close();

    // The user moves Type first and the order is saved; a fresh grid takes it back.
    grid->MoveColumn(3, 0);
    ASSERT_EQ(grid->Columns().GetItem(0)->Header(), "Type");
    ASSERT_TRUE(grid->SaveColumnPositions(ini, "Columns"));

    TVxColumnGrid other;
    other.SetColCount(13);
    for (int c = 0; c < 13; ++c)
        other.Columns().GetItem(c)->SetHeader(QString::fromLatin1(kIecColumns[c].header));
    other.Columns().SetOrganization();
    ASSERT_TRUE(other.LoadColumnPositions(ini, "Columns"));
    for (int c = 0; c < 13; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(other.Columns().GetItem(c)->Header(), grid->Columns().GetItem(c)->Header());
        EXPECT_EQ(other.Columns().GetItem(c)->DefIdx(), grid->Columns().GetItem(c)->DefIdx());
    }
}

TEST_F(IecVariablesForm, BadColumnPositionsChangeNothing)
{
    QTemporaryDir dir;
    grid->UnHideColumn(kHiddenKey);
    grid->Columns().SetOrganization();
    auto positions = [](std::initializer_list<const char*> values) {
        QString s = "[Columns]\r\n";
        int i = 0;
        for (const char* v : values)
            s += QStringLiteral("CP%1=%2\r\n").arg(i++).arg(QString::fromLatin1(v));
        return s;
    };
    struct Case {
        const char* what;
        QString text;
    };
    const Case cases[] = {
        {"a missing position", positions({"1", "0", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"})},
        {"a repeated position", positions({"1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"})},
        {"a word", positions({"1", "x", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"})},
        {"a position past the columns", positions({"13", "0", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"})},
        {"another section", QString(positions({"1", "0", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}))
                                .replace("[Columns]", "[Other]")},
        {"no file", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString ini = dir.filePath(QString::fromLatin1(c.what) + ".ini");
        if (!c.text.isNull()) {
            QFile f(ini);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.text.toUtf8());
        }
        EXPECT_FALSE(grid->LoadColumnPositions(ini, "Columns"));
        for (int col = 0; col < 13; ++col)
            EXPECT_EQ(grid->Columns().GetItem(col)->Header(), QString::fromLatin1(kIecColumns[col].header));
    }
}

TEST_F(IecVariablesForm, RepeatedInitialPositionsEndTheOrderReset)
{
    for (int c = 0; c < 13; ++c)
        grid->Columns().GetItem(c)->SetDefIdx(0);
    grid->UnHideColumn(kHiddenKey);
    grid->Columns().ResetOrganization();   // returns: every column wants the first place
    EXPECT_EQ(grid->Columns().Count(), 13);
}

TEST_F(IecVariablesForm, DataCheckBoxCellsShareOneGraphicUnlessTheyHoldTheirOwn)
{
    EXPECT_EQ(grid->GetCellType(1, 3), TCellType::ctDataCheckBox);
    TCellGraphic* shared = grid->GetCellGraphic(1, 3);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->CellType(), TCellType::ctVirtCheckBox);
    EXPECT_EQ(grid->GetCellGraphic(8, 7), shared);
    EXPECT_EQ(grid->GetCellType(1, 0), TCellType::ctEmpty) << "the header row shows text";
    EXPECT_EQ(grid->GetCellGraphic(2, 3), nullptr);

    TCellGraphic* own = grid->CreateCellGraphic(1, 4);
    own->SetCellType(TCellType::ctProgress);
    EXPECT_EQ(grid->GetCellType(1, 4), TCellType::ctProgress);
    EXPECT_FALSE(grid->HasCheckBox(1, 4)) << "its own graphic stays";
    EXPECT_TRUE(grid->HasCheckBox(1, 5));

    grid->ControlLook().SetControlStyle(TControlStyle::csFlat);
    EXPECT_TRUE(grid->GetCellGraphic(1, 3)->CellTransparent());
}

TEST_F(IecVariablesForm, FloatFormatsAndTypedValuesComeFromTheColumn)
{
    TGridColumnItem* scale = grid->Columns().GetItem(6);
    scale->SetFloatFormat("%.1f");
    const QString sep = DecimalSeparatorChar();
    scale->SetFloats(3, 2.24);
    EXPECT_EQ(grid->Cells(6, 3), "2" + sep + "2");
    EXPECT_DOUBLE_EQ(scale->Floats(3), 2.2);
    grid->SetCells(6, 4, "7");
    EXPECT_EQ(grid->GetFormattedCell(6, 4), "7" + sep + "0");
    grid->SetCells(6, 4, "1e5");
    EXPECT_EQ(grid->GetFormattedCell(6, 4), "1e5") << "an exponent form is shown as it stands";
    grid->SetCells(6, 4, "n/a");
    EXPECT_EQ(grid->GetFormattedCell(6, 4), "n/a");
    grid->OnGetFloatFormat = [](QObject*, int, int, bool& isFloat, QString& format) {
        isFloat = true;
        format = "%s";
    };
    grid->SetCells(6, 4, "5");
    EXPECT_EQ(grid->GetFormattedCell(6, 4), "5") << "a format of other values shows the text";
    grid->OnGetFloatFormat = nullptr;

    TGridColumnItem* offset = grid->Columns().GetItem(7);
    offset->SetInts(5, 42);
    EXPECT_EQ(offset->Ints(5), 42);
    EXPECT_EQ(grid->GetCellFloatFormat(7, 5), grid->FloatFormat());
    EXPECT_EQ(grid->GetCellFloatFormat(6, 5), "%.1f");
}

TEST_F(IecVariablesForm, InsertedRemovedAndGroupedColumnsKeepTheirDefinitions)
{
    grid->InsertCols(2, 2);
    EXPECT_EQ(grid->Columns().Count(), 15);
    EXPECT_EQ(grid->ColCount(), 14);
    EXPECT_EQ(grid->Columns().GetItem(4)->Header(), "Name");
    EXPECT_EQ(grid->Columns().GetItem(2)->Editor(), TEditorType::edNormal);
    grid->RemoveCols(2, 2);
    EXPECT_EQ(grid->Columns().Count(), 13);
    EXPECT_EQ(grid->Columns().GetItem(3)->Header(), "Type");

    grid->UnHideColumnsAll();
    grid->Columns().GetItem(3)->SetAlignment(TAlignment::taRightJustify);
    for (int r = 1; r < 51; ++r)
        grid->SetCells(3, r, r % 2 ? "INT" : "BOOL");
    grid->Group(3);
    EXPECT_EQ(grid->Columns().Count(), 12);
    EXPECT_EQ(grid->Columns().Count(), grid->ColCount());
    grid->UnGroup();
    ASSERT_EQ(grid->Columns().Count(), 13);
    EXPECT_EQ(grid->Columns().GetItem(3)->Header(), "Type");
    EXPECT_EQ(grid->Columns().GetItem(3)->Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(grid->Columns().GetItem(3)->Editor(), TEditorType::edComboList);
}

TEST_F(IecVariablesForm, ColumnPopupOpensOnTheConfiguredClick)
{
    form.show();
    grid->resize(800, 400);
    QMenu menu;
    TGridColumnItem* type = grid->Columns().GetItem(3);
    type->SetColumnPopup(&menu);
    std::vector<std::pair<int, int>> fired;
    grid->OnColumnPopup = [&](QObject*, int c, int r, QMenu* m) {
        EXPECT_EQ(m, &menu);
        fired.emplace_back(c, r);
    };
    int shown = 0;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] { ++shown; });
    const TRect header = grid->CellRect(3, 0);
    const TRect normal = grid->CellRect(3, 2);
    const auto click = [&](Qt::MouseButton b, const TRect& rc) {
        QTest::mouseClick(grid->viewport(), b, {}, QPoint(rc.Left + 5, rc.Top + 5));
        menu.hide();
    };
    // The default is a right click on the header: a right click elsewhere is told but opens nothing.
    click(Qt::LeftButton, header);
    EXPECT_TRUE(fired.empty());
    click(Qt::RightButton, normal);
    EXPECT_EQ(fired, (std::vector<std::pair<int, int>>{{3, 2}}));
    EXPECT_EQ(shown, 0);
    click(Qt::RightButton, header);
    EXPECT_EQ(fired.back(), std::make_pair(3, 0));
    EXPECT_EQ(shown, 1);
    type->SetColumnPopupType(TColumnPopupType::cpAllCellsLClick);
    click(Qt::LeftButton, normal);
    EXPECT_EQ(fired.back(), std::make_pair(3, 2));
    EXPECT_EQ(shown, 2);
    click(Qt::RightButton, normal);
    EXPECT_EQ(fired.size(), 3u);
    {
        QMenu gone;
        type->SetColumnPopup(&gone);
    }
    EXPECT_EQ(type->ColumnPopup(), nullptr) << "a menu that went is forgotten";
}

TEST_F(IecVariablesForm, ScaleChangesTheDefinitionsFonts)
{
    TGridColumnItem* name = grid->Columns().GetItem(2);
    TFont f = name->Font();
    f.SetSize(10);
    name->SetFont(f);
    name->SetHeaderFont(f);
    grid->ChangeScale(3, 2);
    EXPECT_EQ(name->Font().Size(), 15);
    EXPECT_EQ(name->HeaderFont().Size(), 15);
    grid->ChangeScale(2, 2);
    EXPECT_EQ(name->Font().Size(), 15);
}
