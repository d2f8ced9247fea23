#include "grid/io/GridIniFile.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxColumnGrid.h"
#include "grid/core/VxStringGrid.h"
#include <QStandardPaths>
#include "grid/foundation/GridTypes.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
struct LayoutGrid {
    TVxStringGrid g;
    LayoutGrid()
    {
        g.SetColCount(3);
        g.SetColWidths(0, 64);
        g.SetColWidths(1, 80);
        g.SetColWidths(2, 50);
        g.SetCells(0, 0, "A");
        g.SetCells(1, 0, "B");
        g.SetCells(2, 0, "C");
    }
    QString Headers()
    {
        QString s;
        for (int c = 0; c < g.ColCount(); ++c)
            s += g.Cells(g.RealColIndex(c), 0);
        return s;
    }
};
} // namespace

TEST(VxStringGridLayout, ColumnStateStringRoundTrips)
{
    LayoutGrid t;
    EXPECT_EQ(t.g.ColumnStatesToString(), "3#64,80,50#0,1,2#1,1,1");

    t.g.StringToColumnStates("3#70,71,72#2,0,1#1,1,1");
    EXPECT_EQ(t.Headers(), "CAB");
    EXPECT_EQ(t.g.ColWidths(0), 70);
    EXPECT_EQ(t.g.ColumnStatesToString(), "3#70,71,72#2,0,1#1,1,1");

    LayoutGrid other;
    other.g.StringToColumnStates(t.g.ColumnStatesToString());
    EXPECT_EQ(other.Headers(), "CAB");
    EXPECT_EQ(other.g.ColumnStatesToString(), t.g.ColumnStatesToString());

    LayoutGrid hiding;
    hiding.g.StringToColumnStates("3#64,80,50#0,1,2#1,0,1");
    EXPECT_EQ(hiding.Headers(), "AC");
    EXPECT_EQ(hiding.g.ColWidths(0), 64);
    EXPECT_EQ(hiding.g.ColWidths(1), 80);
}

TEST(VxStringGridLayout, BadColumnStatesAreRefusedWithNothingChanged)
{
    const char* bad[] = {
        "513#" ,                       // too many columns, and too few fields
        "0#1#0#1",                     // no column
        "3#64,80,50#0,1,1#1,1,1",      // not a permutation
        "3#64,80,50#0,1,5#1,1,1",      // entry out of range
        "3#64,80,50#0,1#1,1,1",        // too few order entries
        "3#64,x,50#0,1,2#1,1,1",       // junk width
        "3#64,80#0,1,2#1,1,1",         // too few widths
        "3#64,80,50#0,1,2#1,1",        // too few visibility flags
        "3#64,80,50#0,1,2#0,0,0",      // nothing left to show
        "x#64#0#1",                    // junk count
        "3#64,80,50#0,1,2#1,1,1#9",    // a fifth field
    };
    for (const char* value : bad) {
        SCOPED_TRACE(value);
        LayoutGrid t;
        EXPECT_THROW(t.g.StringToColumnStates(value), EConvertError);
        EXPECT_EQ(t.g.ColumnStatesToString(), "3#64,80,50#0,1,2#1,1,1");
        EXPECT_EQ(t.Headers(), "ABC");
    }
    LayoutGrid t;
    t.g.StringToColumnStates("no separator");
    EXPECT_EQ(t.g.ColumnStatesToString(), "3#64,80,50#0,1,2#1,1,1");
}

TEST(VxStringGridLayout, ColumnSizesAndPositionsRoundTripThroughAnIniFile)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("layout.ini");
    LayoutGrid t;
    t.g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
    t.g.ColumnSize().SetKey(ini);
    t.g.ColumnSize().SetSection("Grid");
    t.g.StringToColumnStates("3#70,71,72#1,2,0#1,1,1");
    t.g.SaveColSizes();
    t.g.SaveColPositions();
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("[Grid]"));
    EXPECT_TRUE(text.contains("Col1=71"));
    EXPECT_TRUE(text.contains("Pos0=1"));

    LayoutGrid back;
    back.g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
    back.g.ColumnSize().SetKey(ini);
    back.g.ColumnSize().SetSection("Grid");
    back.g.LoadColPositions();
    back.g.LoadColSizes();
    EXPECT_EQ(back.Headers(), "BCA");
    EXPECT_EQ(back.g.ColumnStatesToString(), "3#70,71,72#1,2,0#1,1,1");
}

TEST(VxStringGridLayout, BadIniEntriesAreRefusedWithNothingChanged)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("bad.ini");
    struct Case {
        const char* text;
        bool positions;
    };
    const Case cases[] = {
        {"[Grid]\nCol0=10\nCol1=junk\n", false},
        {"[Grid]\nPos0=0\nPos1=0\nPos2=1\n", true},
        {"[Grid]\nPos0=0\nPos1=1\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        LayoutGrid t;
        t.g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
    t.g.ColumnSize().SetKey(ini);
        t.g.ColumnSize().SetSection("Grid");
        EXPECT_THROW(c.positions ? t.g.LoadColPositions() : t.g.LoadColSizes(), EConvertError);
        EXPECT_EQ(t.g.ColumnStatesToString(), "3#64,80,50#0,1,2#1,1,1");
        EXPECT_EQ(t.Headers(), "ABC");
    }
}

TEST(VxStringGridLayout, PrintSettingsRoundTripAndDefaultsAndExactFontStyle)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("print.ini");
    TVxStringGrid empty;
    empty.LoadPrintSettings(ini, "Print");
    EXPECT_EQ(empty.PrintSettings().ColumnSpacing(), 20);
    EXPECT_EQ(empty.PrintSettings().HeaderSize(), 100);
    EXPECT_EQ(empty.PrintSettings().Font().Name(), "Arial");
    EXPECT_EQ(empty.PrintSettings().Font().Size(), 10);
    EXPECT_TRUE(empty.PrintSettings().Centered());

    TVxStringGrid g;
    TFont font = g.PrintSettings().Font();
    font.SetStyle(TFontStyle::fsItalic);
    g.PrintSettings().SetFont(font);
    g.PrintSettings().SetTitleLines({"A", "B"});
    g.PrintSettings().SetBorderColor(clBtnFace);
    g.SavePrintSettings(ini, "Print");

    TVxStringGrid back;
    TFont bold = back.PrintSettings().Font();
    bold.SetStyle(TFontStyle::fsBold);
    back.PrintSettings().SetFont(bold);
    back.LoadPrintSettings(ini, "Print");
    EXPECT_EQ(back.PrintSettings().Font().Style(), TFontStyles(TFontStyle::fsItalic));   // set, not added
    EXPECT_EQ(back.PrintSettings().TitleLines(), (QStringList{"A", "B"}));
    EXPECT_EQ(back.PrintSettings().BorderColor(), clBtnFace);

    // A file written by hand: an unquoted text with a comma is read as the text, not dropped.
    const QString hand = dir.filePath("hand.ini");
    QFile f(hand);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Print]\nTitleText=Plant,Hall 2\n");
    f.close();
    back.LoadPrintSettings(hand, "Print");
    EXPECT_EQ(back.PrintSettings().TitleText(), "Plant,Hall 2");
}

// Loading a layout or print settings once wrote the INI file back, through a symbolic link too, and a file
// the reader could not read came back empty. A load never writes, a FIFO or an oversized file reads as no
// file, and a save replaces a regular file only, never one it could not read.
TEST(VxStringGridLayout, LayoutFilesAreNeverWrittenByALoadNorThroughALink)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("target.ini"), link = dir.filePath("link.ini"),
                  fifo = dir.filePath("fifo.ini"), huge = dir.filePath("huge.ini");
    const QByteArray text = "; kept as written\r\n[Grid]\r\nCol0=70\r\nPos0=0\r\nPos1=1\r\nPos2=2\r\n"
                            "[Cols]\r\nCP0=0\r\n[Print]\r\nColumnSpacing=7\r\n";
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    const auto read = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    };
    write(target, text);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    write(huge, text + QByteArray(16 * 1024 * 1024, '\n'));
    const QByteArray hugeBytes = read(huge);

    for (const QString& path : {target, link, fifo, huge}) {
        SCOPED_TRACE(path.toStdString());
        LayoutGrid t;
        t.g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
        t.g.ColumnSize().SetKey(path);
        t.g.ColumnSize().SetSection("Grid");
        t.g.LoadColSizes();
        t.g.LoadColPositions();
        t.g.LoadPrintSettings(path, "Print");
        const bool readable = path == target || path == link;
        EXPECT_EQ(t.g.ColWidths(0), readable ? 70 : 64);
        EXPECT_EQ(t.g.PrintSettings().ColumnSpacing(), readable ? 7 : 20);
        TVxColumnGrid columns;
        columns.SetColCount(1);
        columns.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
        columns.ColumnSize().SetKey(path);
        columns.ColumnSize().SetSection("Cols");
        columns.LoadColPositions();
        EXPECT_EQ(read(target), text);
        if (path == target)
            continue;
        EXPECT_THROW(t.g.SaveColSizes(), EInOutError);
        EXPECT_THROW(t.g.SavePrintSettings(path, "Print"), EInOutError);
        EXPECT_THROW(columns.SaveColPositions(), EInOutError);
        EXPECT_EQ(read(target), text);
    }
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    EXPECT_EQ(read(huge), hugeBytes);
}

TEST(VxStringGridLayout, RegistryLocationKeepsSizesInTheUsersSettings)
{
    QStandardPaths::setTestModeEnabled(true);
    LayoutGrid t;
    t.g.ColumnSize().SetKey("Vx/LayoutTest");
    t.g.ColumnSize().SetSection("Grid");
    t.g.SetColWidths(1, 91);
    t.g.SaveColSizes();
    LayoutGrid back;
    back.g.ColumnSize().SetKey("Vx/LayoutTest");
    back.g.ColumnSize().SetSection("Grid");
    back.g.LoadColSizes();
    EXPECT_EQ(back.g.ColWidths(1), 91);
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/Vx/LayoutTest.ini");
    QStandardPaths::setTestModeEnabled(false);
}

// The column grid keeps positions in its own keys when the location is an INI file.
TEST(VxStringGridLayout, ColumnGridPositionsUseItsOwnKeys)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("columns.ini");
    TVxColumnGrid g;
    g.SetColCount(3);
    g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
    g.ColumnSize().SetKey(ini);
    g.ColumnSize().SetSection("Cols");
    g.SaveColPositions();
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("CP2=")) << text.toStdString();
    EXPECT_FALSE(text.contains("Pos"));
}
