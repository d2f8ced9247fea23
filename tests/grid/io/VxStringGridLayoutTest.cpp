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
#include <memory>
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
// A file as a user or another program left it.
bool WriteFile(const QString& Path, const QByteArray& Bytes)
{
    QFile f(Path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(Bytes) == Bytes.size();
}
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
        "3#2000000000,2000000000,50#0,1,2#1,1,1",   // widths no column can have
        "3#64,80,-1#0,1,2#1,1,1",      // a negative width
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

// Widths an application sets can add up past the integer range: stretching still works.
TEST(VxStringGridLayout, StretchingOverHugeWidthsDoesNotOverflow)
{
    LayoutGrid t;
    t.g.SetColWidths(0, 2000000000);
    t.g.SetColWidths(1, 2000000000);
    t.g.ColumnSize().SetStretch(true);
    EXPECT_EQ(t.g.ColWidths(2), t.g.DefaultColWidth()) << "the others need more than the client width";
}

// A count change stretches only a grid that stands in a window.
TEST(VxStringGridLayout, ACountChangeStretchesOnlyAPlacedGrid)
{
    QWidget window;
    for (const bool placed : {false, true}) {
        SCOPED_TRACE(placed);
        auto* g = new TVxStringGrid(placed ? &window : nullptr);
        std::unique_ptr<TVxStringGrid> owned(placed ? nullptr : g);
        g->resize(400, 200);
        g->SetColCount(3);
        g->ColumnSize().SetStretch(true);
        g->SetColCount(4);
        const int others = g->ColWidths(0) + g->ColWidths(1) + g->ColWidths(2);
        EXPECT_EQ(g->ColWidths(3), placed ? g->ClientWidth() - others - 1 : g->DefaultColWidth());
    }
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
        {"[Grid]\nCol0=2147483000\nCol1=2147483000\n", false},
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

// A font size no page could hold, up to the integer limit, falls back to the default instead of breaking the font.
TEST(VxStringGridLayout, PrintFontSizesOutOfRangeFallBackToTheDefault)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("sizes.ini");
    ASSERT_TRUE(WriteFile(ini, "[Print]\nFontSize=2147483647\nHeaderFontSize=-2147483648\nFooterFontSize=12\n"));
    TVxStringGrid g;
    g.LoadPrintSettings(ini, "Print");
    EXPECT_EQ(g.PrintSettings().Font().Size(), 10);
    EXPECT_EQ(g.PrintSettings().HeaderFont().Size(), 10);
    EXPECT_EQ(g.PrintSettings().FooterFont().Size(), 12);
    TFont huge;
    huge.SetSize(2147483647);
    EXPECT_GT(huge.toQFont().pixelSize(), 0) << "the font clamps what it is given";
}

// Title lines stand in the file as one line with a backslash and an n between them, written and read so.
TEST(VxStringGridLayout, TitleLinesUseTheBackslashNFileForm)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("title.ini");
    TVxStringGrid g;
    g.PrintSettings().SetTitleLines({"Plant", "Hall 2"});
    g.PrintSettings().SetTitleText("C:\\data\\new");
    g.SavePrintSettings(ini, "Print");
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    f.close();
    EXPECT_TRUE(text.contains("TitleLines=Plant\\nHall 2\n")) << text.constData();
    EXPECT_TRUE(text.contains("TitleText=C:\\data\\new\n")) << "a path's backslashes stand as they are";

    const QString hand = dir.filePath("hand.ini");
    ASSERT_TRUE(WriteFile(hand, "[Print]\r\nTitleLines=First\\nSecond\\nThird\r\nTitleText=C:\\data\\new\r\n"));
    TVxStringGrid back;
    back.LoadPrintSettings(hand, "Print");
    EXPECT_EQ(back.PrintSettings().TitleLines(), (QStringList{"First", "Second", "Third"}));
    EXPECT_EQ(back.PrintSettings().TitleText(), "C:\\data\\new");
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

TEST(VxStringGridLayout, ColumnSizesAreSavedOnDestructionAndLoadedWhenShown)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("sizes.ini");
    auto configure = [&](TVxStringGrid& g, bool save) {
        g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
        g.ColumnSize().SetKey(ini);
        g.ColumnSize().SetSection("Grid");
        g.ColumnSize().SetSave(save);
    };
    {
        LayoutGrid t;
        configure(t.g, true);
        t.g.SetColWidths(1, 91);
    }
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains("Col1=91"));

    LayoutGrid off;
    configure(off.g, false);
    off.g.show();
    EXPECT_EQ(off.g.ColWidths(1), 80);

    LayoutGrid on;
    configure(on.g, true);
    EXPECT_EQ(on.g.ColWidths(1), 80);   // nothing before the window exists
    on.g.show();
    EXPECT_EQ(on.g.ColWidths(1), 91);
    on.g.SetColWidths(1, 40);
    on.g.hide();
    on.g.show();   // a second show is no new window
    EXPECT_EQ(on.g.ColWidths(1), 40);
}

TEST(VxStringGridLayout, UnreadableStoredSizesKeepTheWidthsWhenShown)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("bad.ini");
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Grid]\r\nCol0=wide\r\nCol1=12\r\n");
    f.close();
    LayoutGrid t;
    t.g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
    t.g.ColumnSize().SetKey(ini);
    t.g.ColumnSize().SetSection("Grid");
    t.g.ColumnSize().SetSave(true);
    t.g.show();
    EXPECT_EQ(t.g.ColumnStatesToString(), "3#64,80,50#0,1,2#1,1,1");
}
