// The MQTT topic tables: their rules (hidden columns unchecked), the columns kept out of the file, the topic
// template editor opened by a double click, and templates of several lines kept byte for byte.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/MQTTTopicTable.h"
#include "tables/fieldbus/UMQTT_Set_Topic.h"
#include "tables/fieldbus/UTopicTemplate.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Publish cells of columns 1 to 17.
struct Pub {
    QString type = "Int", dim = "2", position = "0", ip = "", input = "", templ = "$VALUE$", onTimer = "N",
            time = "";
    QStringList Cells() const
    {
        return {"t/1", "N", "0", type, dim, position, ip, input, templ, "N", "", onTimer, time, "", "N", "N", "m"};
    }
};
// Subscribe cells of columns 1 to 14.
struct Sub {
    QString type = "Float", dim = "4", position = "1499", port = "", templ = "";
    QStringList Cells() const { return {"s/1", "", "1", type, dim, position, "", port, "", "", templ, "N", "N", "m"}; }
};

template <typename Row, typename F>
QStringList With(F change)
{
    Row r;
    change(r);
    return r.Cells();
}

QString Error(int row, int text, const QString& more = QString())
{
    return Lang(3551) + QString::number(row) + Lang(text) + more;
}

} // namespace

TEST(MQTTTopicRules, PublishAndSubscribeRowsAreCheckedInTurn)
{
    struct Case {
        QStringList pub, sub;
        QString message;
    };
    const QStringList pub = Pub().Cells(), sub = Sub().Cells();
    const Case cases[] = {
        {pub, sub, ""},
        {With<Pub>([](Pub& p) { p.type = " "; }), sub, Error(1, 3552)},
        {With<Pub>([](Pub& p) { p.dim = "3"; }), sub, Error(1, 3553)},
        {With<Pub>([](Pub& p) { p.type = "float"; p.dim = "2"; }), sub, Error(1, 3554)},
        {With<Pub>([](Pub& p) { p.type = "String"; p.dim = "0"; }), sub, Error(1, 3555)},
        {With<Pub>([](Pub& p) { p.type = "Base64"; p.dim = "1000"; }), sub, ""},
        {With<Pub>([](Pub& p) { p.position = "1499"; }), sub, ""},
        {With<Pub>([](Pub& p) { p.position = "1500"; }), sub, Error(1, 3556, "1499")},
        {With<Pub>([](Pub& p) { p.ip = "none"; p.input = "$"; }), sub, ""},   // hidden columns
        {With<Pub>([](Pub& p) { p.templ = "$VALUE"; }), sub, Error(1, 3578)},
        {With<Pub>([](Pub& p) { p.templ = "plain"; }), sub, ""},
        {With<Pub>([](Pub& p) { p.time = "0"; }), sub, ""},
        {With<Pub>([](Pub& p) { p.onTimer = " y"; p.time = "0"; }), sub, Error(1, 3589)},
        {With<Pub>([](Pub& p) { p.onTimer = "Y"; p.time = "1000000000"; }), sub, ""},
        {pub, With<Sub>([](Sub& s) { s.type = ""; }), Error(1, 3557)},
        {pub, With<Sub>([](Sub& s) { s.type = "Int"; s.dim = "3"; }), Error(1, 3558)},
        {pub, With<Sub>([](Sub& s) { s.dim = "2"; }), Error(1, 3559)},
        {pub, With<Sub>([](Sub& s) { s.type = "String"; s.dim = "x"; }), Error(1, 3560)},
        {pub, With<Sub>([](Sub& s) { s.position = "-1"; }), Error(1, 3561, "1499")},
        {pub, With<Sub>([](Sub& s) { s.port = "70000"; }), ""},   // the port column is hidden
        {pub, With<Sub>([](Sub& s) { s.templ = "a$b$c$"; }), Error(1, 3580)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.pub.join('|') + " / " + c.sub.join('|')).toStdString());
        EXPECT_EQ(Check_Table_Editor(MQTT_Set_Topic_Editor(), {{c.pub}, {c.sub}}), c.message);
    }
    // An empty first topic ends the publish table; the subscribe table is still checked.
    QStringList noTopic = With<Pub>([](Pub& p) { p.dim = "3"; });
    noTopic[0] = " ";
    EXPECT_EQ(Check_Table_Editor(MQTT_Set_Topic_Editor(), {{noTopic}, {sub, With<Sub>([](Sub& s) { s.dim = "1"; })}}),
              Error(2, 3559));
}

TEST(MQTTTopicRules, TheColumnsTheFileDoesNotHoldAreLeftOutAndReadBackAsDefaults)
{
    QStringList pub = Pub().Cells();
    pub[10] = "Y";    // OnCMD
    pub[13] = "All";  // Channel
    pub[14] = "Y";    // Swap
    const QByteArray xml = Table_Editor_XML(MQTT_Set_Topic_Editor(), {{pub}, {}});
    EXPECT_EQ(xml, R"(<MQTT_Set_Topic><MQTT_Publish><row Topic="t/1" Retained="N" QoS="0" DataType="Int" )"
                   R"(Dimension="2" Position="0" IPAddress="" InputTemplate="" Template="$VALUE$" OnChange="N" )"
                   R"(OnTimer="N" Time="" Mnemonic="m"/></MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic>)"
                   R"(<!--SW_VERSION = 1.000-->)");
    TempProgramFolder folder;
    const QString path = folder.writeFile("MQTT_Set_Topic.xml", xml);
    const std::vector<TTableLoad> load = Load_Table_Editor(MQTT_Set_Topic_Editor(), path);
    ASSERT_EQ(load.size(), 2u);
    EXPECT_EQ(load[0].Error, "");
    EXPECT_EQ(load[0].Rows, TTableRows{Pub().Cells()});
}

namespace {

struct MQTTWindow : ::testing::Test, TableProject {
    TFTopicTemplate templates;
    TFMQTT_Set_Topic window;

    // The display column of a real one.
    static int Shown_Col(TVxColumnGrid& grid, int real)
    {
        for (int c = 0; c < grid.ColCount(); ++c)
            if (grid.RealColIndex(c) == real)
                return c;
        return -1;
    }
};

} // namespace

TEST_F(MQTTWindow, TheFamilysColumnsAreHiddenAndHintsKeepTheRealColumns)
{
    EXPECT_EQ(window.windowTitle(), Lang(3500));
    Show_While(window, [&] {
        EXPECT_EQ(window.VCG_Pub->ColCount(), 18 - 6);
        EXPECT_EQ(window.VCG_Sub->ColCount(), 15 - 7);
        EXPECT_EQ(Shown_Col(*window.VCG_Pub, 9), 7);
        EXPECT_EQ(Shown_Col(*window.VCG_Sub, 11), 6);
        EXPECT_EQ(window.PageControl1->tabText(1), Lang(3534));
        EXPECT_EQ(window.Hint_Lists[0].value(8), Lang(3536));   // real column 9
        EXPECT_EQ(window.Hint_Lists[1].size(), 14);
    });
}

TEST_F(MQTTWindow, ADoubleClickOnATemplateCellEditsItInTheTemplateEditor)
{
    const TModalResult result = Show_While(window, [&] {
        TVxColumnGrid& pub = *window.VCG_Pub;
        pub.SetCells(1, 1, "t/1");
        pub.SetCells(9, 1, "A");
        {
            DialogDriver cancel(templates, [&] {
                EXPECT_EQ(templates.windowTitle(), Lang(3601));
                EXPECT_EQ(templates.RE_TopicTemplate->toPlainText(), "A");
                EXPECT_EQ(templates.VXG_Keywords->RowCount(), 2);
                EXPECT_TRUE(templates.VXG_Keywords->ReadOnly(1, 1));
                QTest::keyClicks(templates.RE_TopicTemplate, "changed");
                QTest::mouseClick(templates.Btn_Cancel, Qt::LeftButton);
            });
            Double_Click(pub, Shown_Col(pub, 9), 1);
            Double_Click(pub, Shown_Col(pub, 6), 1);   // not a template column
            EXPECT_EQ(cancel.Shown, 1);
        }
        EXPECT_EQ(pub.Cells(9, 1), "A");
        EXPECT_EQ(pub.Cells(6, 1), "");

        window.PageControl1->setCurrentIndex(1);
        TVxColumnGrid& sub = *window.VCG_Sub;
        sub.SetCells(1, 1, "s/1");
        sub.SetCells(11, 1, "{");
        DialogDriver edit(templates, [&] {
            EXPECT_EQ(templates.Pub_Sub, 1);
            QPlainTextEdit& text = *templates.RE_TopicTemplate;
            text.moveCursor(QTextCursor::End);
            QTest::keyClick(&text, Qt::Key_Return);
            QTest::keyClick(&text, Qt::Key_Tab);
            QTest::keyClicks(&text, "\"v\":$VALUE$");
            QTest::keyClick(&text, Qt::Key_Return);
            QTest::keyClicks(&text, "}");
            QTest::mouseClick(templates.Btn_OK, Qt::LeftButton);
        });
        Double_Click(sub, Shown_Col(sub, 11), 1);
        EXPECT_EQ(edit.Shown, 1);
        EXPECT_EQ(sub.Cells(11, 1), "{\n\t\"v\":$VALUE$\n}");
        sub.SetCells(4, 1, "Int");
        sub.SetCells(5, 1, "1");
        sub.SetCells(6, 1, "0");
        pub.SetCells(4, 1, "String");
        pub.SetCells(5, 1, "4");
        pub.SetCells(6, 1, "0");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    ASSERT_EQ(result, mrOk) << boxes.texts().join('|').toStdString();
    EXPECT_TRUE(File_Bytes(File_MQTT_Set_Topic).contains(R"(Template="{&#10;&#9;&quot;v&quot;:$VALUE$&#10;}")"));
}

TEST_F(MQTTWindow, TemplatesWithLineBreaksAndTabsAreWrittenAndReadBackByteForByte)
{
    const char* dir = VX_TEST_DATA "/mqtt_multiline_templates/";
    Put("MQTT_Set_Topic.xml", File_Bytes(QString(dir) + "MQTT_Set_Topic.xml"));
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        const TModalResult result = Show_While(window, [&] {
            EXPECT_EQ(window.VCG_Pub->Cells(9, 1), "{\r\n\t\"t\": $VALUE$,\n\t\t\"u\": 1\r}");
            EXPECT_EQ(window.VCG_Pub->Cells(11, 1), "");    // OnCMD
            EXPECT_EQ(window.VCG_Pub->Cells(15, 1), "N");   // Swap
            EXPECT_EQ(window.VCG_Sub->Cells(11, 1), "a\tb\nc");
            QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        });
        EXPECT_EQ(result, mrOk) << boxes.texts().join('|').toStdString();
        EXPECT_EQ(File_Bytes(File_MQTT_Set_Topic), File_Bytes(QString(dir) + "expected.xml"));
    }
}
