#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "GridCells.h"
#include "GridFileBytes.h"
#include "support/QStringPrinter.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void NoFixedCells(TVxStringGrid& G)
{
    G.SetFixedCols(0);
    G.SetFixedRows(0);
}

} // namespace

TEST(VxStringGridXml, GoldenFileRoundTrip)
{
    const QList<QStringList> cells = {{"a&b", "x>y", ""}, {"q\"t", "€ 5 ü", "<tag> &amp;"}};
    TVxStringGrid g;
    FillWithoutFixedCells(g, 3, cells);
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.xml");
    const QStringList names{"name", "value"};
    g.SaveToXML(path, "LIST", "ROW", &names, true);
    EXPECT_EQ(FileBytes(path), ExpectedBytes("xml_escapes_names_and_latin1", "expected.xml"));

    TVxStringGrid back;
    NoFixedCells(back);
    back.LoadFromXML(path, false, false);
    EXPECT_EQ(AllCells(back), cells);   // "&amp;" in a cell stays as it was: entities are decoded once

    g.SaveToXML(path, "LIST", "ROW", nullptr, false);   // empty cells are left out
    EXPECT_FALSE(FileBytes(path).contains("FIELD2>&quot;"));
    EXPECT_TRUE(FileBytes(path).contains("<FIELD0>a$amp;b</FIELD0>"));
}

TEST(VxStringGridXml, ReadingAnyDocument)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("in.xml");

    // Leaf elements fill a row per record; their names go to the header row.
    WriteBytes(path, "<list>\n <r><a>1</a><b>2</b></r>\n <r><a>3</a><b>4</b></r>\n</list>\n");
    TVxStringGrid g;
    g.SetFixedCols(0);
    g.LoadFromXML(path, false, true);
    EXPECT_EQ(AllCells(g), (QList<QStringList>{{"a", "b"}, {"1", "2"}, {"3", "4"}}));

    // With LevelToRow the attributes take one row and the child elements the next.
    WriteBytes(path, "<list><rec id=\"7\" kind=\"k\"><x>1</x><y>2</y></rec></list>");
    TVxStringGrid h;
    NoFixedCells(h);
    h.SetSaveFixedCells(false);
    h.LoadFromXML(path, true, false);
    EXPECT_EQ(AllCells(h), (QList<QStringList>{{"7", "k", ""}, {"", "1", "2"}}));
}

TEST(VxStringGridXml, Failures)
{
    QTemporaryDir dir;
    TVxStringGrid g;
    auto message = [&](const QString& path) {
        try {
            g.LoadFromXML(path, false, false);
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no exception");
    };
    EXPECT_EQ(message(dir.filePath("missing.xml")), "XML file not found");
    const QString bad = dir.filePath("bad.xml");
    WriteBytes(bad, "<?xml version=\"1.0\"?>\n<a><b></a>\n");
    EXPECT_EQ(message(bad), "XMLDOM Parsing error 3 on line 2");
    try {
        g.SaveToXML(dir.filePath("no/such/folder/x.xml"), "L", "R", nullptr, false);
        ADD_FAILURE() << "no exception";
    } catch (const EVxGridError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create file " + dir.filePath("no/such/folder/x.xml").toStdString());
    }
}
