// The J1939 and NMEA 2000 frame tables and the DeviceNet network table: their rules over rows, the byte
// totals at their limits, and older files written back in today's form, also through the send window.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/DNetTable.h"
#include "tables/fieldbus/J1939Tables.h"
#include "tables/fieldbus/NMEATables.h"
#include "tables/fieldbus/UTransmitJ1939.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString Error(int prefix, int row, int text, const QString& more = QString())
{
    return Lang(prefix) + QString::number(row) + Lang(text) + more;
}

// Receive J1939: DP, PGN, SA, TP, Start, NByte, Delete, OnRequest, Time, Mnemonic.
QStringList J1939_Rec(const QString& pgn, const QString& tp = "N", const QString& start = "", const QString& n = "",
                      const QString& onRequest = "N", const QString& time = "1000", const QString& dp = "0",
                      const QString& sa = "1")
{
    return {dp, pgn, sa, tp, start, n, "N", onRequest, time, "m"};
}

// Send J1939: Priority, DP, PGN, SA, NBytes, Request, DataChange, OnTimer, SendTimer, Mnemonic.
QStringList J1939_Send(const QString& pgn, const QString& nBytes = "8", const QString& priority = "3",
                       const QString& onTimer = "N", const QString& timer = "", const QString& sa = "255")
{
    return {priority, "0", pgn, sa, nBytes, "N", "N", onTimer, timer, "m"};
}

// Receive NMEA: PGN, SA, TP, FP, Start, NByte, Delete, Mnemonic.
QStringList NMEA_Rec(const QString& pgn, const QString& tp = "N", const QString& fp = "N", const QString& start = "",
                     const QString& n = "", const QString& sa = "0")
{
    return {pgn, sa, tp, fp, start, n, "N", "m"};
}

// Send NMEA: Priority, PGN, SA, FP, NumByte, Request, DataChange, OnTimer, SendTimer, Mnemonic.
QStringList NMEA_Send(const QString& pgn, const QString& nBytes = "8", const QString& priority = "2",
                      const QString& onTimer = "N", const QString& timer = "", const QString& sa = "239")
{
    return {priority, pgn, sa, "N", nBytes, "N", "N", onTimer, timer, "m"};
}

// `n` copies of `row`, then `last` when given.
TTableRows Times(int n, const QStringList& row, const QStringList& last = {})
{
    TTableRows rows(static_cast<std::size_t>(n), row);
    if (!last.isEmpty())
        rows.push_back(last);
    return rows;
}

struct Case {
    TTableRows rows;
    QString message;
};

void Expect(const TTableEditor& editor, const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows.empty() ? std::string() : c.rows.back().join('|').toStdString());
        EXPECT_EQ(Check_Table_Editor(editor, {c.rows}), c.message);
    }
}

} // namespace

TEST(J1939Rules, ReceiveRowsAndTheirRunningTotal)
{
    const QString tooMany = Lang(3245) + "1438";
    Expect(ReceiveJ1939_Editor(),
           {
               {{J1939_Rec("0xFFFF")}, ""},
               {{J1939_Rec("65536")}, Error(3235, 1, 3237)},
               {{J1939_Rec("1", "N", "", "", "N", "", " ")}, Error(3235, 1, 3236)},
               {{J1939_Rec("1", "N", "", "", "N", "", "0", "240")}, Error(3235, 1, 3238)},
               {{J1939_Rec("1", "Y")}, Error(3235, 1, 3239)},   // blanks count as -1 under the protocol
               {{J1939_Rec("1", "Y", "1785", "0")}, ""},
               {{J1939_Rec("1", "Y", "1000", "786")}, Error(3235, 1, 3240)},
               {{J1939_Rec("1", "N", "3", "")}, Error(3235, 1, 3241)},
               {{J1939_Rec("1", "N", "9", "1")}, Error(3235, 1, 3242)},
               {{J1939_Rec("1", "N", "1", "9")}, Error(3235, 1, 3243)},
               {{J1939_Rec("1", "N", "3", "6")}, Error(3235, 1, 3244)},
               {{J1939_Rec("1", "N", "1", "7")}, ""},
               {{J1939_Rec("1", "n", "1", "7")}, ""},   // only "Y" is on
               {{J1939_Rec("1", "N", "", "", "Y", "1")}, Error(3235, 1, 3246)},
               {{J1939_Rec("1", "N", "", "", "Y", "2")}, ""},
               {{J1939_Rec("1", "N", "", "", "N", "1")}, ""},
               {{J1939_Rec("1"), J1939_Rec("x", "N", "", "", "N", "1000", "")}, Error(3235, 2, 3236)},
               // 179 whole frames fill 1432 bytes; the 180th passes the limit of 1438
               {Times(179, J1939_Rec("1")), ""},
               {Times(180, J1939_Rec("1")), tooMany},
               // the total is checked before the row's request time
               {Times(179, J1939_Rec("1"), J1939_Rec("1", "N", "", "", "Y", "0")), tooMany},
               {{J1939_Rec("1", "Y", "0", "1438")}, ""},
               {{J1939_Rec("1", "Y", "0", "1438"), J1939_Rec("1", "N", "1", "1")}, tooMany},
           });
}

TEST(J1939Rules, SendRowsAndTheirRunningTotal)
{
    const QString tooMany = Lang(3341) + "512";
    Expect(TransmitJ1939_Editor(),
           {
               {{J1939_Send("131071")}, ""},
               {{J1939_Send("131072")}, Error(3335, 1, 3338)},
               {{J1939_Send("1", "8", "")}, Error(3335, 1, 3336)},
               {{J1939_Send("1", "8", "8")}, Error(3335, 1, 3336)},
               {{J1939_Send("1", "8", "7", "N", "", "256")}, Error(3335, 1, 3339)},
               {{J1939_Send("1", "0")}, Error(3335, 1, 3340, "512")},
               {{J1939_Send("1", "513")}, Error(3335, 1, 3340, "512")},
               {{J1939_Send("1", "512")}, ""},
               {{J1939_Send("1", "8", "3", "Y", "0")}, Error(3335, 1, 3342)},
               {{J1939_Send("1", "8", "3", "Y", "65535")}, ""},
               {{J1939_Send("1", "8", "3", "N", "0")}, ""},
               {Times(64, J1939_Send("1")), ""},
               {Times(65, J1939_Send("1")), tooMany},
               {Times(64, J1939_Send("1"), J1939_Send("1", "8", "3", "Y", "0")), tooMany},
               {{J1939_Send("1"), {"3", " ", "1", "1", "8"}}, Error(3335, 2, 3337)},
               {{J1939_Send("1"), J1939_Send("")}, ""},   // an empty PGN ends the table, whatever the priority
           });
}

TEST(NMEARules, ReceiveRowsAndTheirRunningTotal)
{
    const QString tooMany = Lang(3742) + "512";
    Expect(ReceiveNMEA_Editor(),
           {
               {{NMEA_Rec("0x1FFFF")}, ""},
               {{NMEA_Rec("131072")}, Error(3731, 1, 3732)},
               {{NMEA_Rec("1", "N", "N", "", "", "240")}, Error(3731, 1, 3733)},
               {{NMEA_Rec("1", "N", "Y", "200", "24")}, Error(3731, 1, 3737)},
               {{NMEA_Rec("1", "Y", "Y", "200", "24")}, ""},
               {{NMEA_Rec("1", "N", "Y", "224", "0")}, Error(3731, 1, 3736)},
               {{NMEA_Rec("1", "N", "Y", "0", "223")}, ""},
               {{NMEA_Rec("1", "Y", "N", "1786", "0")}, Error(3731, 1, 3734)},
               {{NMEA_Rec("1", "Y", "N", "0", "-1")}, Error(3731, 1, 3735)},
               {{NMEA_Rec("1", "N", "N", "", "2")}, Error(3731, 1, 3738)},
               {{NMEA_Rec("1", "N", "N", "9", "1")}, Error(3731, 1, 3739)},
               {{NMEA_Rec("1", "N", "N", "1", "0")}, Error(3731, 1, 3740)},
               {{NMEA_Rec("1", "N", "N", "4", "5")}, Error(3731, 1, 3741)},
               // whole frames alone never reach the limit: 62 of them hold 496 bytes
               {Times(62, NMEA_Rec("1")), ""},
               {{NMEA_Rec("1", "Y", "N", "0", "300"), NMEA_Rec("2", "Y", "N", "0", "212")}, ""},
               {{NMEA_Rec("1", "Y", "N", "0", "300"), NMEA_Rec("2", "Y", "N", "0", "213")}, tooMany},
           });
}

TEST(NMEARules, SendRowsAndTheirRunningTotal)
{
    const QString tooMany = Lang(3840) + "512";
    Expect(TransmitNMEA_Editor(),
           {
               {{NMEA_Send("131071", "0")}, ""},   // a length of 0 is accepted and adds nothing
               {{NMEA_Send("131072")}, Error(3835, 1, 3837)},
               {{NMEA_Send("1", "8", "-1")}, Error(3835, 1, 3836)},
               {{NMEA_Send("1", "8", "2", "N", "", "240")}, Error(3835, 1, 3838)},
               {{NMEA_Send("1", "513")}, Error(3835, 1, 3839, "512")},
               {{NMEA_Send("1", "8", "2", "Y", "65536")}, Error(3835, 1, 3841)},
               {{NMEA_Send("1", "8", "2", "Y", "1")}, ""},
               {{NMEA_Send("1", "500"), NMEA_Send("2", "12")}, ""},
               {{NMEA_Send("1", "500"), NMEA_Send("2", "13")}, tooMany},
               {{NMEA_Send("1", "512"), NMEA_Send("2", "0"), NMEA_Send("3", "1")}, tooMany},
           });
}

TEST(DNetRules, IDAndByteCounts)
{
    const auto slave = [](const QString& id, const QString& in, const QString& out) {
        return QStringList{id, in, out, "m"};
    };
    Expect(DNet_Editor(),
           {
               {{slave("63", "65535", "0")}, ""},
               {{slave("063", "0", "0")}, ""},
               {{slave("1", "0", "0"), slave("64", "0", "0")}, Error(3023, 2, 3024)},
               {{slave("1", "0", "0"), slave("-1", "0", "0")}, Error(3023, 2, 3024)},
               {{slave("1", "0", "0"), slave("a", "0", "0")}, Error(3023, 2, 3024)},
               {{slave("1", "0", "0"), slave("", "x", "x")}, ""},   // an empty ID ends the table
               {{slave("1", "", "0")}, Error(3023, 1, 3025)},
               {{slave("1", "65536", "0")}, Error(3023, 1, 3025)},
               {{slave("1", "0", "")}, Error(3023, 1, 3026)},
           });
}

namespace {

// Loads the case's input and writes it back: today's form, as written by hand in expected.xml.
void Expect_Written_Back(const TTableEditor& editor, const char* folder, const char* file)
{
    const QString dir = QStringLiteral(VX_TEST_DATA "/") + QLatin1String(folder) + '/';
    const std::vector<TTableLoad> load = Load_Table_Editor(editor, dir + QLatin1String(file));
    ASSERT_TRUE(load.front().Error.isEmpty()) << load.front().Error.toStdString();
    EXPECT_EQ(Table_Editor_XML(editor, {load.front().Rows}), File_Bytes(dir + "expected.xml"));
}

} // namespace

TEST(J1939Files, AnOlderSendFileNamesItsTriggerInTType)
{
    const QString dir = VX_TEST_DATA "/j1939_send_legacy_trigger/";
    const std::vector<TTableLoad> load = Load_Table_Editor(TransmitJ1939_Editor(), dir + "J1939_Send_Frames.xml");
    ASSERT_EQ(load.front().Rows.size(), 4u);
    // Request, Data Change, On Timer
    EXPECT_EQ(load.front().Rows[0].mid(4, 4), (QStringList{"8", "N", "N", "Y"}));
    EXPECT_EQ(load.front().Rows[1].mid(4, 4), (QStringList{"16", "N", "Y", "N"}));
    EXPECT_EQ(load.front().Rows[2].mid(4, 4), (QStringList{"8", "N", "N", "N"}));
    EXPECT_EQ(load.front().Rows[3].mid(4, 4), (QStringList{"8", "Y", "N", "N"}));
    Expect_Written_Back(TransmitJ1939_Editor(), "j1939_send_legacy_trigger", "J1939_Send_Frames.xml");
}

TEST(J1939Files, AReceiveFileWithoutFlagsGetsItsDefaults)
{
    Expect_Written_Back(ReceiveJ1939_Editor(), "j1939_receive_missing_flags", "J1939_Rec_Frames.xml");
}

TEST(NMEAFiles, TheSendFileKeepsTheReceiveRootName)
{
    Expect_Written_Back(TransmitNMEA_Editor(), "nmea_send_receive_root", "NMEA_Send_Frames.xml");
}

TEST(DNetFiles, ASlaveWithoutAllFourAttributesStopsTheLoad)
{
    const QString dir = VX_TEST_DATA "/dnet_net_missing_attribute/";
    const std::vector<TTableLoad> load = Load_Table_Editor(DNet_Editor(), dir + "DNETM_Net.xml");
    EXPECT_FALSE(load.front().Error.isEmpty());
    ASSERT_GE(load.front().Rows.size(), 1u);
    EXPECT_EQ(load.front().Rows[0], (QStringList{"063", "2", "3", " pump "}));
}

namespace {

struct TransmitJ1939Window : ::testing::Test, TableProject {
    TFTransmitJ1939 window;
};

} // namespace

TEST_F(TransmitJ1939Window, AnOlderFileIsShownWithItsTriggerAndTheByteTotalIsHeldAtItsLimit)
{
    const QString dir = VX_TEST_DATA "/j1939_send_legacy_trigger/";
    Put("J1939_Send_Frames.xml", File_Bytes(dir + "J1939_Send_Frames.xml"));
    const TModalResult result = Show_While(window, [&] {
        TVxColumnGrid& grid = *window.sga;
        // Row 1's "on timer": On Timer checked, Request and Data Change not.
        EXPECT_EQ(grid.Cells(6, 1) + grid.Cells(7, 1) + grid.Cells(8, 1), "NNY");
        // 8 + 489 + 8 + 8 bytes: one past the limit.
        Type_Cell(grid, 5, 2, "489");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Lang(3341) + "512"});
        Type_Cell(grid, 5, 2, "488");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    ASSERT_EQ(result, mrOk) << boxes.texts().join('|').toStdString();
    QByteArray expected = File_Bytes(dir + "expected.xml");
    expected.replace(R"(TP_NByte="16")", R"(TP_NByte="488")");
    EXPECT_EQ(File_Bytes(File_J1939_Send_Frames), expected);
}
