// The KNX access table: its address, service, timer and byte-fit rules, its load defaults, and its window.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/KNXAccessTable.h"
#include "tables/fieldbus/UKNXAccess.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Cells of columns 1 to 16; ReTest, OnCMD and OnChange "N", Mnemonic "m".
struct Rule {
    QString source = "1.1.20", dest = "1/2/3", apci = "Write", priority = "Normal", format = "None", extended = "N",
            onTimer = "N", poll = "", position = "0", bitMode = "No", length = "14", enable = "Y";
    QStringList Cells() const
    {
        return {enable, source, dest, apci, priority, format, extended, "N", "N", "N", onTimer, poll, position, bitMode,
                length, "m"};
    }
};

template <typename F>
QStringList With(F change)
{
    Rule r;
    change(r);
    return r.Cells();
}

QString Error(int text, const QString& more = QString())
{
    return Lang(3448) + "1" + Lang(text) + more;
}

} // namespace

TEST(KNXAccessRules, TheFirstFailingRuleOfAnEnabledRowIsShown)
{
    struct Case {
        QStringList row;
        QString message;
    };
    const Case cases[] = {
        {Rule().Cells(), ""},
        {With([](Rule& r) { r.source = " 0.0.0 "; }), ""},
        {With([](Rule& r) { r.source = "16.1.1"; }), Error(3449)},
        {With([](Rule& r) { r.source = "1/1/1"; }), Error(3449)},
        {With([](Rule& r) { r.dest = "1.2.3"; }), ""},
        {With([](Rule& r) { r.dest = "16.1.1"; }), Error(3450)},
        {With([](Rule& r) { r.dest = "40/1/1"; }), Error(3451)},
        {With([](Rule& r) { r.dest = ""; }), Error(3451)},
        {With([](Rule& r) { r.apci = "read"; }), ""},
        {With([](Rule& r) { r.apci = "1023"; }), ""},
        {With([](Rule& r) { r.apci = "1024"; }), Error(3452)},
        {With([](Rule& r) { r.apci = "-5"; }), Error(3452)},
        {With([](Rule& r) { r.apci = "a"; }), Error(3452)},
        {With([](Rule& r) { r.priority = "normal"; }), Error(3453)},
        {With([](Rule& r) { r.format = " "; }), Error(3454)},
        {With([](Rule& r) { r.poll = "0"; }), ""},   // only looked at with OnTimer
        {With([](Rule& r) { r.onTimer = "y"; r.poll = "0"; }), Error(3455)},
        {With([](Rule& r) { r.onTimer = "Y"; r.poll = "100000000"; }), ""},
        {With([](Rule& r) { r.position = "1500"; }), Error(3456, "1499")},
        {With([](Rule& r) { r.position = ""; }), Error(3456, "1499")},
        {With([](Rule& r) { r.bitMode = "8"; }), Error(3457)},
        {With([](Rule& r) { r.bitMode = "no"; r.position = "1486"; }), ""},   // 1486 + 14 = 1500
        {With([](Rule& r) { r.position = "1487"; }), Error(3459, "1500")},
        {With([](Rule& r) { r.length = "15"; }), Error(3458, "14")},
        {With([](Rule& r) { r.length = "0"; }), Error(3458, "14")},
        {With([](Rule& r) { r.extended = "y"; r.length = "255"; }), ""},
        {With([](Rule& r) { r.extended = "Y"; r.length = "256"; }), Error(3458, "255")},
        {With([](Rule& r) { r.bitMode = "0"; r.length = "112"; }), ""},
        {With([](Rule& r) { r.bitMode = "0"; r.length = "113"; }), Error(3458, "112")},
        {With([](Rule& r) { r.bitMode = "0"; r.extended = "Y"; r.length = "2040"; }), ""},
        // Start bit 3 and 10 bits use two bytes.
        {With([](Rule& r) { r.bitMode = "3"; r.length = "10"; r.position = "1498"; }), ""},
        {With([](Rule& r) { r.bitMode = "3"; r.length = "10"; r.position = "1499"; }), Error(3459, "1500")},
        {With([](Rule& r) { r.enable = "N"; r.source = "bad"; r.length = "x"; }), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row.join('|').toStdString());
        EXPECT_EQ(Check_Table_Editor(KNXAccess_Editor(), {{c.row}}), c.message);
    }
}

TEST(KNXAccessRules, AnEmptySourceEndsTheTableForChecksAndFile)
{
    const QStringList bad = With([](Rule& r) { r.apci = "x"; });
    const QStringList end = With([](Rule& r) { r.source = " "; });
    EXPECT_EQ(Check_Table_Editor(KNXAccess_Editor(), {{Rule().Cells(), bad}}), Lang(3448) + "2" + Lang(3452));
    EXPECT_EQ(Check_Table_Editor(KNXAccess_Editor(), {{end, bad}}), "");
    EXPECT_EQ(Table_Editor_XML(KNXAccess_Editor(), {{end, bad}}), Table_Editor_XML(KNXAccess_Editor(), {{}}));
}

namespace {

struct KNXWindow : ::testing::Test, TableProject {
    TFKNXAccess window;

    QStringList Row(int r)
    {
        QStringList cells;
        for (int c = 0; c < 17; ++c)
            cells << window.VCG_KNX_in_Write->Cells(c, r);
        return cells;
    }
};

} // namespace

TEST_F(KNXWindow, MissingAttributesTakeTheirDefaultsAndAnUnknownPriorityReadsNormal)
{
    const char* dir = VX_TEST_DATA "/knx_defaults_and_lower_case_priority/";
    Put("KNX_SetAccess.xml", File_Bytes(QString(dir) + "KNX_SetAccess.xml"));
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.VCG_KNX_in_Write->RowCount(), 1025);
        EXPECT_EQ(Row(1), (QStringList{"1", "Y", "1.1.20", "1/2/3", "Write", "Normal", "None", "N", "N", "N", "N", "N",
                                       "", "10", "No", "2", "Hall"}));
        EXPECT_EQ(Row(2).mid(0, 7), (QStringList{"2", "N", "1.1.21", "2/0/7", "read", "Normal", "Swap16"}));
        EXPECT_EQ(Row(3).mid(0, 3), (QStringList{"3", "Y", ""}));
        EXPECT_EQ(window.VCG_KNX_in_Write->Columns().Items(13)->ComboItems().first(), "0");
        EXPECT_EQ(window.VCG_KNX_in_Write->Columns().Items(13)->ComboItems().last(), "1499");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(File_Bytes(File_KNX_SetAccess), File_Bytes(QString(dir) + "expected.xml"));
}

TEST_F(KNXWindow, AMissingRequiredAttributeStopsTheLoadWithItsMessage)
{
    Put("KNX_SetAccess.xml", R"(<BACnet_to_KNX><KNX_in_Write><row Source_Address="1.1.1"/></KNX_in_Write></BACnet_to_KNX>)");
    Show_While(window, [&] {
        EXPECT_EQ(boxes.texts().size(), 1);
        // The attributes before the missing one stay read.
        EXPECT_EQ(Row(1).mid(0, 4), (QStringList{"1", "Y", "1.1.1", ""}));
    });
}

TEST_F(KNXWindow, ABrokenRuleKeepsTheWindowOpenAndWritesNothing)
{
    const TModalResult result = Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG_KNX_in_Write;
        Type_Cell(grid, 2, 1, "1.1.5");
        Type_Cell(grid, 3, 1, "3/1/9");
        Type_Cell(grid, 15, 1, "20");
        grid.SetCells(4, 1, "Read");
        grid.SetCells(5, 1, "Low");
        grid.SetCells(6, 1, "None");
        grid.SetCells(13, 1, "0");
        grid.SetCells(14, 1, "No");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Error(3458, "14")});
        EXPECT_FALSE(QFile::exists(File_KNX_SetAccess));
        Type_Cell(grid, 15, 1, "2");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(File_Bytes(File_KNX_SetAccess).contains(R"(Source_Address="1.1.5" Destination_Address="3/1/9")"));
}
