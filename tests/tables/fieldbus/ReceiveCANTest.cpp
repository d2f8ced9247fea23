// The CAN receive frame table: its rules over rows, and its window driven as a user would.
#include "core/ProjectFile.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/ReceiveCANTable.h"
#include "tables/fieldbus/UReceiveCAN.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Cells of columns 1 to 14: Enable, CobID, Type, Dimension, TimeOut, Byte1 to Byte8, Mnemonic.
QStringList Frame(const QString& cobId, const QString& type, const QString& dim, const QString& timeOut,
                  const QStringList& bytes = {}, const QString& enable = "Y")
{
    QStringList cells = {enable, cobId, type, dim, timeOut};
    for (int n = 0; n < 8; ++n)
        cells << bytes.value(n);
    return cells << "m";
}

const QString A = "2.0A (11 bits)";
const QString B = "2.0B (29 bits)";

QString Error(int row, int text, const QString& more = QString())
{
    return Lang(2544) + QString::number(row) + Lang(text) + more;
}

} // namespace

TEST(ReceiveCANRules, TheFirstFailingRuleOfAnEnabledRowIsShownWithItsRow)
{
    const QString byteTail = QString::number(CAN_MAX_Byte - 1) + Lang(2550);
    struct Case {
        QStringList row;
        QString message;
    };
    const Case cases[] = {
        {Frame("2047", A, "2", "0", {"0", "1437", "5000"}), ""},   // bytes beyond the dimension are not looked at
        {Frame("0x7FF", A, "1", "0"), ""},
        {Frame("$7ff", A, "1", "0"), ""},
        {Frame(" +2047", A, "1", "0"), ""},
        {Frame("2048", A, "1", "0"), Error(1, 2545)},
        {Frame("2047 ", A, "1", "0"), Error(1, 2545)},
        {Frame("-1", A, "1", "0"), Error(1, 2545)},
        {Frame("2048", B, "1", "0"), ""},
        {Frame("2048", "", "1", "0"), ""},
        {Frame("536870911", " " + B, "1", "0"), ""},
        {Frame("536870912", B, "1", "0"), Error(1, 2546)},
        {Frame("0x20000000", "", "1", "0"), Error(1, 2546)},
        {Frame("1", A, "0", "0"), Error(1, 2547)},
        {Frame("1", A, "9", "0"), Error(1, 2547)},
        {Frame("1", A, "", "0"), Error(1, 2547)},
        {Frame("1", A, "two", "0"), Error(1, 2547)},
        {Frame("1", A, "8", "-1"), Error(1, 2548)},
        {Frame("1", A, "8", "100000001"), Error(1, 2548)},
        {Frame("1", A, "8", "100000000"), ""},
        {Frame("1", A, "8", ""), Error(1, 2548)},
        {Frame("1", A, "2", "0", {"None", " "}), ""},
        {Frame("1", A, "2", "0", {"0", "1438"}), Error(1, 2551, byteTail)},
        {Frame("1", A, "1", "0", {"none"}), Error(1, 2549, byteTail)},
        {Frame("1", A, "8", "0", {"0", "1", "2", "3", "4", "5", "6", "-1"}), Error(1, 2557, byteTail)},
        {Frame("abc", A, "99", "x", {}, "N"), ""},   // a disabled row passes whatever it holds
        {Frame("abc", A, "1", "0", {}, " y "), Error(1, 2545)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row.join('|').toStdString());
        EXPECT_EQ(Check_Table_Editor(ReceiveCAN_Editor(), {{c.row}}), c.message);
    }
}

TEST(ReceiveCANRules, TheTableEndsAtTheFirstBlankCobIDForChecksAndFile)
{
    const TTableRows rows = {Frame("1", A, "1", "0"), Frame("2", A, "1", "0"), Frame("3", A, "0", "0"),
                             Frame("  ", A, "1", "0"), Frame("5", A, "0", "0")};
    EXPECT_EQ(Check_Table_Editor(ReceiveCAN_Editor(), {rows}), Error(3, 2547));
    const TTableRows ending = {rows[0], rows[3], rows[4]};
    EXPECT_EQ(Check_Table_Editor(ReceiveCAN_Editor(), {ending}), "");
    EXPECT_EQ(Table_Editor_XML(ReceiveCAN_Editor(), {ending}),
              Table_Editor_XML(ReceiveCAN_Editor(), {{rows[0]}}));
}

namespace {

struct ReceiveCANWindow : ::testing::Test, TableProject {
    TFReceiveCAN window;

    QStringList Row(int r)
    {
        QStringList cells;
        for (int c = 0; c < 15; ++c)
            cells << window.VCG_CAN_Receive->Cells(c, r);
        return cells;
    }
};

} // namespace

TEST_F(ReceiveCANWindow, ANewProjectShowsNumberedEnabledRowsAndOKWritesAnEmptyTable)
{
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.VCG_CAN_Receive->RowCount(), 513);
        const QStringList empty(12);
        EXPECT_EQ(Row(1), QStringList({"1", "Y"}) + empty + QStringList{""});
        EXPECT_EQ(Row(512), QStringList({"512", "Y"}) + empty + QStringList{""});
        EXPECT_EQ(window.VCG_CAN_Receive->Columns().Items(6)->ComboItems().mid(0, 3), (QStringList{"None", "0", "1"}));
        EXPECT_EQ(window.VCG_CAN_Receive->Columns().Items(13)->ComboItems().last(), "1437");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(File_Bytes(File_CAN_Rec_Frames), "<Receive_Frames/><!--SW_VERSION = 1.000-->");
}

TEST_F(ReceiveCANWindow, AFileRoundTripsWithItsDefaultsTheSameOnEveryRun)
{
    const char* dir = VX_TEST_DATA "/can_receive_missing_enable_and_timeout/";
    Put("CAN_Rec_Frames.xml", File_Bytes(QString(dir) + "CAN_Rec_Frames.xml"));
    const QByteArray expected = File_Bytes(QString(dir) + "expected.xml");
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        const TModalResult result = Show_While(window, [&] {
            EXPECT_EQ(Row(1).mid(0, 8), (QStringList{"1", "Y", "0x7FF", A, "2", "0", "0", "None"}));
            EXPECT_EQ(Row(2).mid(0, 7), (QStringList{"2", "N", "abc", "", "9", "5", ""}));
            EXPECT_EQ(Row(3).mid(0, 3), (QStringList{"3", "Y", ""}));
            QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        });
        EXPECT_EQ(result, mrOk);
        EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
        EXPECT_EQ(File_Bytes(File_CAN_Rec_Frames), expected);
    }
}

TEST_F(ReceiveCANWindow, ARowTypedByTheUserIsCheckedThenWritten)
{
    const TModalResult result = Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG_CAN_Receive;
        Type_Cell(grid, 2, 1, "x1A0");
        Type_Cell(grid, 4, 1, "9");
        Type_Cell(grid, 5, 1, "250");
        Type_Cell(grid, 14, 1, "Engine");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Error(1, 2547)});
        EXPECT_FALSE(QFile::exists(File_CAN_Rec_Frames));
        Type_Cell(grid, 4, 1, "1");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(File_Bytes(File_CAN_Rec_Frames),
              R"(<Receive_Frames><row Enable="Y" COBID="x1A0" CAN_Type="" Dim="1" TimeOut="250" Byte1="" Byte2="" )"
              R"(Byte3="" Byte4="" Byte5="" Byte6="" Byte7="" Byte8="" Mnemonic="Engine"/></Receive_Frames>)"
              R"(<!--SW_VERSION = 1.000-->)");
}

TEST_F(ReceiveCANWindow, RowsBeyondTheTableAreSaidAtLoadAndOKAsksBeforeWritingOverTheFile)
{
    QByteArray xml = "<Receive_Frames>";
    for (int r = 1; r <= 514; ++r)
        xml += QString(R"(<row COBID="%1" Dim="1"/>)").arg(r).toLatin1();
    xml += "</Receive_Frames>";
    Put("CAN_Rec_Frames.xml", xml);
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(boxes.texts(), QStringList{Left_Out_Message(File_CAN_Rec_Frames, 2, 512)});
        EXPECT_EQ(Row(512).mid(0, 3), (QStringList{"512", "Y", "512"}));
        boxes.clear();
        boxes.answerNext({mrNo});
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Partial_Overwrite_Question(File_CAN_Rec_Frames)});
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(File_Bytes(File_CAN_Rec_Frames), xml);
}

TEST_F(ReceiveCANWindow, AFailedSaveShowsItsErrorAndKeepsTheWindowOpen)
{
    File_CAN_Rec_Frames = folder.path() + "/outside.xml";   // not inside the project folder
    const TModalResult result = Show_While(window, [&] {
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_FALSE(QFile::exists(File_CAN_Rec_Frames));
}

// The program makes every window at start; a table window makes its frame when it first shows, in the
// language in force then.
TEST_F(ReceiveCANWindow, TheFrameIsMadeAtTheFirstShowingInTheLanguageThenInForce)
{
    EXPECT_FALSE(window.Built());
    EXPECT_TRUE(window.Grids.empty());
    EXPECT_EQ(window.Btn_OK, nullptr);
    Lang_List[2500] = QStringLiteral("Ricezione CAN");
    Lang_List[2522] = QStringLiteral("Mnemonico");
    window.Set_Lang();   // what a language change does to every window
    EXPECT_EQ(window.windowTitle(), "Ricezione CAN");
    EXPECT_FALSE(window.Built());
    Show_While(window, [&] {
        ASSERT_EQ(window.Grids.size(), 1u);
        EXPECT_EQ(window.VCG_CAN_Receive, window.Grids.front());
        EXPECT_EQ(window.VCG_CAN_Receive->Columns().Items(14)->Header(), "Mnemonico");
        EXPECT_EQ(window.VCG_CAN_Receive->RowCount(), CAN_Receive_Rows + 1);
    });
    TVxColumnGrid* const grid = window.VCG_CAN_Receive;
    Show_While(window, [&] { EXPECT_EQ(window.VCG_CAN_Receive, grid); });   // made once
}

TEST_F(ReceiveCANWindow, TextsHintsAndRowButtonsFollowTheTable)
{
    EXPECT_EQ(window.windowTitle(), Lang(2500));
    Show_While(window, [&] {
        EXPECT_EQ(window.VCG_CAN_Receive->Columns().Items(14)->Header(), Lang(2522));
        EXPECT_EQ(window.Btn_PasteRow->toolTip(), Lang(2528));
        // Text 2533 belongs to no column.
        EXPECT_EQ(window.Hint_Lists[0].mid(3, 3), (QStringList{Lang(2532), Lang(2534), Lang(2535)}));
        TVxColumnGrid& grid = *window.VCG_CAN_Receive;
        grid.SetCells(2, 1, "1");
        grid.SetCells(2, 2, "2");
        grid.SetRow(1);
        QTest::mouseClick(window.Btn_InsRow, Qt::LeftButton);
        EXPECT_EQ(Row(1).mid(1, 2), (QStringList{"Y", ""}));
        EXPECT_EQ(Row(2).mid(1, 2), (QStringList{"Y", "1"}));
        boxes.answerNext({mrYes});
        QTest::mouseClick(window.Btn_DelRow, Qt::LeftButton);
        EXPECT_EQ(boxes.texts(), QStringList{Lang(2558) + "1"});
        EXPECT_EQ(grid.Cells(2, 1), "1");
    });
}
