// The IEC 61850 variables window driven as a user would: shown on a project folder, cells written
// through the grid, buttons pressed, the file read back.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "tables/ip/TableWindowFixture.h"
#include "tables/ip/UIEC61850_Variables.h"
#include "widgets/button/SbButton.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct IEC61850Window : ::testing::Test, TableProject {
    TFIEC61850_Variables window;

    QStringList Row(int r)
    {
        QStringList cells;
        for (int c = 0; c < 13; ++c)
            cells << window.VCG->Cells(c, r);
        return cells;
    }
    // A valid enabled row.
    void Type_Row(int r, const QString& name)
    {
        const QStringList cells = {"Y", name, "Int", "4", "N", "0", "", "None", "None", "N", "N", "m"};
        for (int c = 1; c <= 12; ++c)
            window.VCG->SetCells(c, r, cells[c - 1]);
    }
};

} // namespace

TEST_F(IEC61850Window, AFileRoundTripsThroughTheWindowWithItsDefaults)
{
    Put("IEC61850_Variables.xml", File_Bytes(VX_TEST_DATA "/iec61850_missing_attributes/IEC61850_Variables.xml"));
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(Row(2), (QStringList{"2", "Y", "Flag", "Digital (Bit)", "", "N", "", "", "", "", "N", "N", ""}));
        EXPECT_EQ(Row(50), (QStringList{"50", "Y", "", "", "", "", "", "", "", "", "", "", ""}));
        window.VCG->SetCells(1, 2, "N");   // enabled, it would not pass the checks
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    QByteArray expected = File_Bytes(VX_TEST_DATA "/iec61850_missing_attributes/expected.xml");
    expected.replace(R"(<row Enable="Y" Name="Flag")", R"(<row Enable="N" Name="Flag")");
    EXPECT_EQ(File_Bytes(File_IEC61850_Variables), expected);
}

TEST_F(IEC61850Window, OKShowsTheFirstErrorAndKeepsTheWindowOpenWithoutWriting)
{
    struct Case {
        int row, col;
        const char* value;
        QString message;
    };
    const Case cases[] = {
        {1, 4, "5", Lang(929) + "1" + Lang(941)},
        {2, 6, "1438", Lang(929) + "2" + Lang(930) + "1437"},
        {2, 9, "x", Lang(929) + "2" + Lang(940)},
        {2, 8, " ", Lang(929) + "2" + Lang(939)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        boxes.clear();
        const TModalResult result = Show_While(window, [&] {
            Type_Row(1, "A");
            Type_Row(2, "B");
            window.VCG->SetCells(c.col, c.row, c.value);
            QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
            EXPECT_TRUE(window.isVisible());
        });
        EXPECT_EQ(result, mrCancel);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_FALSE(QFile::exists(File_IEC61850_Variables));
    }
}

// The combo cells closed their editor and wrote the first item on a press on the arrow, Alt+Down and F4, and F2
// wrote the first item that Escape did not take back.
TEST_F(IEC61850Window, ComboCellsDropTheirListsAndTakeTheItemChosenInIt)
{
    Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG;
        for (int c : {3, 7, 8}) {
            SCOPED_TRACE(c);
            const QStringList items = grid.Columns().Items(c)->ComboItems();
            Click_Cell(grid, c, 1);
            ASSERT_EQ(grid.Col(), c);
            TGridCombo* combo = Open_Combo(grid);
            ASSERT_NE(combo, nullptr);
            EXPECT_EQ(grid.Cells(c, 1), "");   // shown, not written
            QTest::keyClick(combo, Qt::Key_Escape);
            EXPECT_FALSE(combo->isVisible());
            EXPECT_EQ(grid.Cells(c, 1), "");

            // The mouse: the arrow drops the list down, a click on an item takes it.
            ASSERT_EQ(Open_Combo(grid), combo);
            Press_Arrow(combo);
            ASSERT_TRUE(combo->view()->isVisible());
            EXPECT_TRUE(combo->isVisible());
            if (c == 7) {
                // FIXME: on the headless screen (narrower than this window) the click misses the Start Bit
                // list's item; the key choice below covers the column.
                QTest::keyClick(combo->view(), Qt::Key_Down);
                QTest::keyClick(combo->view(), Qt::Key_Return);
                EXPECT_TRUE(QTest::qWaitFor([combo] { return !combo->view()->isVisible(); }, 2000));
                QCoreApplication::processEvents();
            } else {
                EXPECT_TRUE(Click_List_Item(combo, 1));
            }
            EXPECT_FALSE(combo->view()->isVisible());
            EXPECT_FALSE(combo->isVisible());
            EXPECT_EQ(grid.Cells(c, 1), items[1]);

            // The keys: Alt+Down drops it, Down and Return take the next item.
            ASSERT_EQ(Open_Combo(grid), combo);
            QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(combo->view()->isVisible());
            QTest::keyClick(combo->view(), Qt::Key_Down);
            QTest::keyClick(combo->view(), Qt::Key_Return);
            EXPECT_TRUE(QTest::qWaitFor([combo] { return !combo->view()->isVisible(); }, 2000));
            QCoreApplication::processEvents();
            EXPECT_FALSE(combo->isVisible());
            EXPECT_EQ(grid.Cells(c, 1), items[2]);

            // F4 drops it too; Escape closes the list, a second Escape the editor, and nothing changed.
            ASSERT_EQ(Open_Combo(grid), combo);
            QTest::keyClick(combo, Qt::Key_F4);
            ASSERT_TRUE(combo->view()->isVisible());
            QTest::keyClick(combo->view(), Qt::Key_Down);
            QTest::keyClick(combo->view(), Qt::Key_Escape);
            EXPECT_FALSE(combo->view()->isVisible());
            EXPECT_TRUE(combo->isVisible());
            QTest::keyClick(combo, Qt::Key_Escape);
            EXPECT_FALSE(combo->isVisible());
            EXPECT_EQ(grid.Cells(c, 1), items[2]);
        }
    });
}

// Escape gives a cell back what it held, also a text that is not in the list.
TEST_F(IEC61850Window, EscapeInAComboCellKeepsATextTheListDoesNotHold)
{
    Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG;
        grid.SetCells(3, 2, "Double");
        Click_Cell(grid, 3, 2);
        TGridCombo* combo = Open_Combo(grid);
        ASSERT_NE(combo, nullptr);
        QTest::keyClick(combo, Qt::Key_Escape);
        EXPECT_EQ(grid.Cells(3, 2), "Double");
        // Return takes the item shown.
        ASSERT_EQ(Open_Combo(grid), combo);
        QTest::keyClick(combo, Qt::Key_Return);
        EXPECT_EQ(grid.Cells(3, 2), "Int");
    });
}

// Three pasted lines of tab-separated text went whole into one name cell.
TEST_F(IEC61850Window, APasteIntoAnOpenCellTakesOneLine)
{
    Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG;
        Click_Cell(grid, 2, 1);
        QTest::keyClick(&grid, 'x');
        // The one edit showing on the grid; the focus is not reliable on a window the platform never activated.
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : grid.findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        ASSERT_NE(editor, nullptr);
        QGuiApplication::clipboard()->setText("Pump\t4\tInt\nFan\t2\tInt\r\nValve\t1\tInt");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(editor->text(), "xPump 4 Int");
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(grid.Cells(2, 1), "xPump 4 Int");
        EXPECT_EQ(grid.Cells(2, 2), "");
    });
}

TEST_F(IEC61850Window, RowsBeyondTheFiftyAreNamedAtLoadAndOnlyTheFiftyAreWritten)
{
    QByteArray xml = "<IEC61850_Variables>";
    for (int i = 1; i <= 60; ++i)
        xml += R"(<row Enable="N" Name="V)" + QByteArray::number(i) + R"("/>)";
    xml += "</IEC61850_Variables>";
    Put("IEC61850_Variables.xml", xml);
    boxes.answerNext({mrOk, mrYes});
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.VCG->Cells(2, 50), "V50");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_TRUE(boxes.texts()[0].contains(" 10 rows")) << boxes.texts()[0].toStdString();
    const QByteArray written = File_Bytes(File_IEC61850_Variables);
    EXPECT_EQ(written.count("<row "), 50);
    EXPECT_FALSE(written.contains("V51"));
}

TEST_F(IEC61850Window, RowButtonsWorkOnTheCurrentRow)
{
    Show_While(window, [&] {
        for (int r = 1; r <= 50; ++r)
            Type_Row(r, QString("V%1").arg(r));
        window.VCG->SetRow(1);
        QTest::mouseClick(window.Btn_InsRow, Qt::LeftButton);   // full table: the last row is lost
        EXPECT_EQ(Row(1), (QStringList{"1", "Y", "", "", "", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(window.VCG->Cells(2, 50), "V49");

        window.VCG->SetRow(3);
        boxes.answerNext({mrYes});
        QTest::mouseClick(window.Btn_DelRow, Qt::LeftButton);
        EXPECT_EQ(window.VCG->Cells(2, 3), "V3");
        EXPECT_EQ(Row(50)[2], "");

        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);   // nothing copied since shown
        QTest::mouseClick(window.Btn_CopyRow, Qt::LeftButton);
        window.VCG->SetRow(1);   // only its enable box is set: no question
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);
        EXPECT_EQ(window.VCG->Cells(2, 1), "V3");
    });
    EXPECT_EQ(boxes.texts(), (QStringList{Lang(931) + "3", Lang(1102)}));
    Show_While(window, [&] {   // a new showing forgets the copy
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);
    });
    EXPECT_EQ(boxes.texts().last(), Lang(1102));
}

TEST_F(IEC61850Window, HeadersHintsAndTheMouseOnTheGrid)
{
    Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG;
        EXPECT_EQ(grid.ColCount(), 13);
        EXPECT_EQ(grid.RowCount(), 51);
        EXPECT_EQ(grid.Cells(7, 0), Lang(932));
        EXPECT_EQ(grid.Columns().Items(9)->Editor(), TEditorType::edComboEdit);
        // The tool tip a pause of the mouse over the cell asks for.
        EXPECT_EQ(Hint_At(grid, 7, 1), QString());
        EXPECT_EQ(Hint_At(grid, 7, 0), Lang(935));
    });

    Double_Click_Auto_Size = true;
    Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG;
        grid.SetCells(12, 3, "a description far wider than the column it stands in");
        const TRect header = grid.CellRect(12, 0);
        const TRect number = grid.CellRect(0, 4);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(header.Left + 5, header.Top + 5));
        EXPECT_GT(grid.ColWidths(12), 128);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(number.Left + 5, number.Top + 5));
        const TGridRect s = grid.Selection();
        EXPECT_EQ(s.Top, 4);
        EXPECT_EQ(s.Bottom, 4);
        EXPECT_EQ(s.Left, 1);
        EXPECT_EQ(s.Right, 12);
    });
}

TEST_F(IEC61850Window, AFileThatCannotBeReadOrWrittenNeverClosesTheWindowAsIfSaved)
{
    const QString broken = Put("IEC61850_Variables.xml", R"(<IEC61850_Variables><row Name="A")");
    boxes.answerNext({mrOk, mrNo});
    Show_While(window, [&] {
        Type_Row(1, "A");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);   // loaded in part: asked first, No
        EXPECT_TRUE(window.isVisible());
    });
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(File_Bytes(broken), R"(<IEC61850_Variables><row Name="A")");

    QFile::remove(broken);
    File_IEC61850_Variables = folder.path() + "/outside.xml";   // not inside the project folder
    boxes.clear();
    const TModalResult result = Show_While(window, [&] {
        Type_Row(1, "A");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_FALSE(QFile::exists(File_IEC61850_Variables));
}
