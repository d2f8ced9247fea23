// The one reader and writer of the project table files: what a file lacks is marked, never guessed.
#include "core/tables/TableSchema.h"
#include "support/QStringPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const TTableSchema kSchema = {
    "Objects",
    {{"Read", {{"Kind", "", TValueKind::vkChoice}, {"Swap", "N", TValueKind::vkFlag}}},
     {"Write", {{"Kind", "", TValueKind::vkChoice}, {"Length", "4", TValueKind::vkNumber}, {"Name", "", TValueKind::vkText}}}},
};

struct TableFile : ::testing::Test {
    QTemporaryDir dir;
    QString Put(const QByteArray& content)
    {
        const QString path = dir.path() + "/T.xml";
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
};

} // namespace

TEST_F(TableFile, RowsMarkWhatTheyLackAndTheRootIsTakenAfterADeclarationAndComment)
{
    const QString path = Put(R"(<?xml version="1.0"?>
<!-- written by hand -->
<Anything><Write><row Name="a" Kind="Int" Other="x"/><row/></Write></Anything>
<!--SW_VERSION = 1.001-->
)");
    const TTableFile_Read file = Read_Table_File(path, kSchema);
    ASSERT_EQ(file.Load, TProjectFileLoad::Loaded);
    ASSERT_EQ(file.Sections.size(), 2u);
    EXPECT_FALSE(file.Sections[0].Present);
    EXPECT_TRUE(file.Sections[0].Rows.empty());
    const TTableSection_Read& write = file.Sections[1];
    ASSERT_TRUE(write.Present);
    ASSERT_EQ(write.Rows.size(), 2u);
    EXPECT_EQ(write.Rows[0], (TTableRow_Read{"Int", std::nullopt, "a"}));
    EXPECT_EQ(First_Missing(write.Rows[0]), 1);
    EXPECT_EQ(First_Missing(write.Rows[1]), 0);
    EXPECT_EQ(With_Defaults(write.Rows[0], kSchema.Sections[1]), (QStringList{"Int", "4", "a"}));
}

TEST_F(TableFile, RowsBeyondTheBoundAreCountedAndABrokenFileGivesItsMessage)
{
    const QString path = Put("<O><Read><row Kind='1'/><row Kind='2'/><row Kind='3'/></Read><Write/></O>");
    const TTableFile_Read file = Read_Table_File(path, kSchema, 2);
    ASSERT_EQ(file.Sections[0].Rows.size(), 2u);
    EXPECT_EQ(file.Sections[0].Left_Out, 1);
    EXPECT_EQ(file.Sections[0].Rows[1][0], "2");

    const TTableFile_Read broken = Read_Table_File(Put("<O><Read>"), kSchema);
    EXPECT_EQ(broken.Load, TProjectFileLoad::Failed);
    EXPECT_FALSE(broken.Error.isEmpty());
    EXPECT_TRUE(broken.Sections.empty());
    EXPECT_EQ(Read_Table_File(dir.path() + "/none.xml", kSchema).Load, TProjectFileLoad::Missing);
}

TEST(TableFileWriter, SectionsAndAttributesInTheSchemasOrderWithCellsUnchanged)
{
    const QByteArray xml = Write_Table_File(kSchema, {{{"A", " Y "}}, {{"B", "", "n<&>"}}});
    EXPECT_EQ(xml, QByteArray(R"(<Objects><Read><row Kind="A" Swap=" Y "/></Read>)"
                              R"(<Write><row Kind="B" Length="" Name="n&lt;&amp;&gt;"/></Write></Objects>)"
                              R"(<!--SW_VERSION = 1.001-->)"));
}
