// The frame's load over rows: how a missing attribute or section ends it, and what it keeps.
#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "support/QStringPrinter.h"
#include "tables/TableEditor.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const TTableSchema kSchema = {
    "Root",
    {{"First", {{"Key", "", TValueKind::vkNumber}, {"Note", "-", TValueKind::vkText}}},
     {"Second", {{"Key", "", TValueKind::vkNumber}, {"Note", "-", TValueKind::vkText}}}},
};

TTableEditor Editor(TReadMode keyRead)
{
    TTableEditorGrid grid;
    grid.Capacity = 2;
    grid.Columns = {{}, {1, 1, TEditorType::edNormal, 40, clWhite, {}, false, keyRead}, {}};
    TTableEditor e;
    e.Schema = &kSchema;
    e.Grids = {grid, grid};
    return e;
}

struct EditorLoad : ::testing::Test {
    QTemporaryDir dir;
    QString path;
    void Put(const QByteArray& content)
    {
        path = dir.path() + "/T.xml";
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
};

} // namespace

TEST_F(EditorLoad, AMissingRequiredAttributeEndsTheLoadKeepingWhatWasRead)
{
    Put("<R><First><row Key='1'/><row Note='n'/><row Key='3'/></First><Second><row Key='4'/></Second></R>");
    const std::vector<TTableLoad> strict = Load_Table_Editor(Editor(TReadMode::rmRequired), path);
    EXPECT_EQ(strict[0].Error, Row_Attribute_Message(path, "First", 2, "Key", false));
    EXPECT_EQ(strict[0].Rows, (TTableRows{{"1", "-"}, {}}));
    EXPECT_TRUE(strict[1].Rows.empty());
    EXPECT_TRUE(strict[0].Partial());

    // Guarded, the same file loads whole but for the row beyond the grid.
    const std::vector<TTableLoad> guarded = Load_Table_Editor(Editor(TReadMode::rmGuarded), path);
    EXPECT_EQ(guarded[0].Error, "");
    EXPECT_EQ(guarded[0].Rows, (TTableRows{{"1", "-"}, {"", "n"}}));
    EXPECT_EQ(guarded[0].Left_Out, 1);
    EXPECT_EQ(guarded[1].Rows, (TTableRows{{"4", "-"}}));
}

TEST_F(EditorLoad, AMissingSectionEndsTheLoadUnlessTheEditorReadsItAsEmpty)
{
    Put("<!-- a comment first --><R><Second><row Key='4' Note='x'/></Second></R>");
    TTableEditor editor = Editor(TReadMode::rmGuarded);
    std::vector<TTableLoad> load = Load_Table_Editor(editor, path);
    EXPECT_EQ(load[0].Error, Missing_Element_Message(path, "First"));
    EXPECT_TRUE(load[1].Rows.empty());

    editor.Sections_Required = false;
    load = Load_Table_Editor(editor, path);
    EXPECT_EQ(load[0].Error, "");
    EXPECT_EQ(load[1].Rows, (TTableRows{{"4", "x"}}));
    EXPECT_FALSE(load[0].Partial() || load[1].Partial());
}

TEST(CellInt, OneWholeNumberReaderForEveryTable)
{
    const std::pair<const char*, int> cases[] = {
        {"12", 12}, {"  -7", -7}, {"+0", 0}, {"$1f", 31}, {"X1F", 31}, {"0x1F", 31}, {"0X1f", 31},
        {"", -1},   {" ", -1},    {"12 ", -1}, {"1.5", -1}, {"0x", -1},  {"abc", -1},  {"None", -1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Cell_Int(QString::fromLatin1(text)), value) << text;
}

TEST(NumberItems, EveryNumberAcrossItsWidthsWithNoneFirstForPositions)
{
    const QStringList numbers = Number_Items(1001);
    ASSERT_EQ(numbers.size(), 1001);
    for (int n = 0; n < numbers.size(); ++n)
        ASSERT_EQ(numbers[n], QString::number(n)) << n;
    EXPECT_EQ(Position_Items(12), QStringList({"None", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));

    // Items lend their texts from the shared list: a changed copy must leave the list as it was.
    QString item = Number_Items(150)[123];
    item.append(QLatin1Char('x'));
    item[0] = QLatin1Char('9');
    EXPECT_EQ(item, "923x");
    EXPECT_EQ(Number_Items(150)[123], "123");
    EXPECT_EQ(Number_Items(150)[124], "124");
}
