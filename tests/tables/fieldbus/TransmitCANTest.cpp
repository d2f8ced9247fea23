// The CAN transmit frame table: its rules over rows and its file's defaults, through the editor's functions.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/ReceiveCANTable.h"
#include "tables/fieldbus/TransmitCANTable.h"
#include "tables/fieldbus/UTransmitCAN.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <gtest/gtest.h>

namespace {

struct TSend {
    QString onChange = "Y", onCMD = "N", onTimer = "N", time;
};

// Cells of columns 1 to 17: Enable, CobID, Type, Dimension, OnChange, OnCMD, OnTimer, Time, Byte1 to Byte8, Mnemonic.
QStringList Frame(const QString& cobId, const QString& type, const QString& dim, const TSend& send = {},
                  const QStringList& bytes = {}, const QString& enable = "Y")
{
    QStringList cells = {enable, cobId, type, dim, send.onChange, send.onCMD, send.onTimer, send.time};
    for (int n = 0; n < 8; ++n)
        cells << bytes.value(n);
    return cells << "m";
}

const QString A = "2.0A (11 bits)";
const QString B = "2.0B (29 bits)";

QString Error(int row, int text, const QString& more = QString())
{
    return Lang(2647) + QString::number(row) + Lang(text) + more;
}

} // namespace

TEST(TransmitCANRules, TheFirstFailingRuleOfAnEnabledRowIsShownWithItsRow)
{
    const QString byteTail = "1437" + Lang(2653);
    const TSend timer{"N", "N", "Y", "0"};
    struct Case {
        QStringList row;
        QString message;
    };
    const Case cases[] = {
        {Frame("2047", A, "1"), ""},
        {Frame("2048", A, "1"), Error(1, 2648)},
        {Frame("3000", "", "1"), ""},   // any Type but 2.0A is 29 bits
        {Frame("0x1FFFFFFF", B, "1"), ""},
        {Frame("0x20000000", B, "1"), Error(1, 2649)},
        {Frame("1", A, "9"), Error(1, 2650)},
        {Frame("1", A, "0"), Error(1, 2650)},
        {Frame("1", A, "1", {"N", "N", "N", "abc"}), ""},   // Time is looked at only on the timer
        {Frame("1", A, "1", {"N", "N", "Y", "abc"}), Error(1, 2651)},
        {Frame("1", A, "1", {"N", "N", " y ", "100000001"}), Error(1, 2651)},
        {Frame("1", A, "1", timer), ""},
        {Frame("1", A, "1", {"N", "N", "N", ""}), ""},   // no send option at all passes
        {Frame("1", A, "2", timer, {"None", "1437", "x"}), ""},
        {Frame("1", A, "2", timer, {"0", "1438"}), Error(1, 2654, byteTail)},
        {Frame("1", A, "1", timer, {"none"}), Error(1, 2652, byteTail)},
        {Frame("1", A, "8", timer, {"0", "1", "2", "3", "4", "5", "6", "-1"}), Error(1, 2660, byteTail)},
        {Frame("abc", A, "99", {"N", "N", "Y", "x"}, {}, "N"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row.join('|').toStdString());
        EXPECT_EQ(Check_Table_Editor(TransmitCAN_Editor(), {{c.row}}), c.message);
    }
    const TTableRows rows = {Frame("1", A, "1"), Frame("2", A, "0"), Frame(" ", A, "0")};
    EXPECT_EQ(Check_Table_Editor(TransmitCAN_Editor(), {rows}), Error(2, 2650));
}

TEST(TransmitCANFile, MissingSendOptionsTakeTheFamilyDefaultsAndRoundTripTheSameOnEveryRun)
{
    TempProgramFolder folder;
    const QString dir = QStringLiteral(VX_TEST_DATA "/can_transmit_missing_send_options/");
    const QByteArray expected = File_Bytes(dir + "expected.xml");
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        const std::vector<TTableLoad> load = Load_Table_Editor(TransmitCAN_Editor(), dir + "CAN_Send_Frames.xml");
        ASSERT_EQ(load.size(), 1u);
        ASSERT_FALSE(load[0].Partial()) << load[0].Error.toStdString();
        const TTableRows& rows = load[0].Rows;
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0].mid(0, 9), (QStringList{"Y", "0x100", A, "2", "Y", "N", "N", "", ""}));
        EXPECT_EQ(rows[1].mid(0, 9), (QStringList{"Y", "3000", B, "1", "N", "N", "Y", "0", "5"}));
        EXPECT_EQ(rows[2].mid(6, 2), (QStringList{"N", "abc"}));
        EXPECT_EQ(Check_Table_Editor(TransmitCAN_Editor(), {rows}), "");
        EXPECT_EQ(Table_Editor_XML(TransmitCAN_Editor(), {rows}), expected);
    }
}

namespace {
struct TransmitCANWindow : ::testing::Test, TableProject {
    TFTransmitCAN window;
};
} // namespace

TEST_F(TransmitCANWindow, ANewFileShowsEnabledRowsWithPositionListsAndWritesAnEmptyTable)
{
    EXPECT_EQ(window.windowTitle(), Lang(2600));
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.VCG_CAN_Transmit->Columns().Items(6)->Header(), Lang(2662));
        EXPECT_EQ(window.Hint_Lists[0].mid(4, 3), (QStringList{Lang(2635), Lang(2663), Lang(2636)}));
        TVxColumnGrid& grid = *window.VCG_CAN_Transmit;
        EXPECT_EQ(grid.RowCount(), 513);
        EXPECT_EQ(grid.Cells(0, 512), "512");
        EXPECT_EQ(grid.Cells(1, 512), "Y");
        EXPECT_EQ(grid.Cells(5, 1), "");
        EXPECT_EQ(grid.Columns().Items(9)->ComboItems().mid(0, 2), (QStringList{"None", "0"}));
        EXPECT_EQ(grid.Columns().Items(16)->ComboItems().last(), "1437");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(File_Bytes(File_CAN_Send_Frames), "<Transmit_Frames/><!--SW_VERSION = 1.000-->");
}
