#include "ParGenFixture.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "ui/ParGenEdit.h"
#include "ui/ParGenRows.h"
#include "widgets/button/SbButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

QString Data(const char* relative)
{
    return QStringLiteral(VX_TEST_DATA "/") + QLatin1String(relative);
}

using ParGenFile = ParGenDialog;

QString Text(const TFParGen& d, const char* name)
{
    return d.Controls().Edit(QString::fromLatin1(name))->text();
}
bool Checked(const TFParGen& d, const char* name)
{
    return d.Controls().Box(QString::fromLatin1(name))->isChecked();
}
int Index(const TFParGen& d, const char* name)
{
    return d.Controls().List(QString::fromLatin1(name))->currentIndex();
}

} // namespace

TEST_F(ParGenFile, NewProjectShowsTheDefaultsAndOkWritesThemWholeOnceAPollTimeIsGiven)
{
    TFParGen& d = Show();
    EXPECT_FALSE(d.Is_Change);
    EXPECT_EQ(Text(d, "E_IEC61850_Server_IP4"), "10");
    EXPECT_EQ(Text(d, "E_IEC61850_Server_DNS1"), "8");
    EXPECT_EQ(d.Controls().List("CB_BACnet_MSTP_Slave_Baudrate")->currentText(), "57600");
    EXPECT_EQ(d.Controls().List("CB_BACnet_Slave_Type")->currentText(), "BACnet/IP");

    // The empty poll time of a new project is refused, and nothing is written.
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    EXPECT_EQ(boxes.texts(), QStringList{Lang(1921)});
    EXPECT_FALSE(QFile::exists(File_ParGen));
    EXPECT_EQ(d.ModalResult(), mrNone);

    Set("E_NTP_Poll_Time", "3600");
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    EXPECT_EQ(d.ModalResult(), mrOk);
    EXPECT_EQ(ParGenBytes(), ReadTestFile(Data("pargen_defaults_with_poll_time/ParGen.xml")));
}

TEST_F(ParGenFile, OlderElementNamesLoadIntoTheIEC61850PanelAndAreWrittenUnderTheNewNames)
{
    WriteParGen(ReadTestFile(Data("pargen_legacy_names/ParGen.xml")));
    TFParGen& d = Show();
    EXPECT_EQ(Text(d, "E_IEC61850_Server_IP1"), "10");
    EXPECT_EQ(Text(d, "E_IEC61850_Server_SM4"), "128");  // the new name wins over the older one
    EXPECT_TRUE(Checked(d, "CB_IEC61850_Server_En_GAT"));
    EXPECT_TRUE(Checked(d, "CB_TLS_Server_Enable"));      // "01" is the number 1
    EXPECT_EQ(d.Controls().Memo("E_TLS_Server_Key")->toPlainText(), "line one\nline two");
    EXPECT_FALSE(d.Is_Change);

    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(" | ").toStdString();
    EXPECT_EQ(ParGenBytes(), ReadTestFile(Data("pargen_legacy_names/expected.xml")));
}

TEST_F(ParGenFile, FlagAndListTextsAreReadByTheirOwnRules)
{
    struct Case {
        const char* elements;
        const char* control;
        int expected;  // 1/0 for a box, the item index for a list
    };
    const Case cases[] = {
        {"<TLS_Server_Enable>01</TLS_Server_Enable>", "CB_TLS_Server_Enable", 1},
        {"<TLS_Server_Enable>yes</TLS_Server_Enable>", "CB_TLS_Server_Enable", 0},
        {"<TLS_Server_Enable_Known_Cert> 1 </TLS_Server_Enable_Known_Cert>", "CB_TLS_Server_En_Known_Cert", 1},
        {"<IEC61850_Server_EN_GAT>01</IEC61850_Server_EN_GAT>", "CB_IEC61850_Server_En_GAT", 0},
        {"<IEC61850_Server_EN_DNS>1</IEC61850_Server_EN_DNS>", "CB_IEC61850_Server_En_DNS", 1},
        {"<BACnet_Desc_Chars_Limit>true</BACnet_Desc_Chars_Limit>", "CB_BACnet_Slave_Desc_32_Chars", 0},
        {"<BACnet_Ser_Baudrate>fast</BACnet_Ser_Baudrate>", "CB_BACnet_MSTP_Slave_Baudrate", 3},
        {"<BACnet_Ser_Baudrate>0</BACnet_Ser_Baudrate>", "CB_BACnet_MSTP_Slave_Baudrate", 0},
        // A stored index outside the list loads as the element's default, never as "no item".
        {"<BACnet_Type>7</BACnet_Type>", "CB_BACnet_Slave_Type", 0},
        {"<BACnet_Ser_Baudrate>6</BACnet_Ser_Baudrate>", "CB_BACnet_MSTP_Slave_Baudrate", 3},
        {"<BACnet_Ser_Parity>-1</BACnet_Ser_Parity>", "CB_BACnet_MSTP_Slave_Parity", 0},
        {"<BACnet_Ser_Parity>2</BACnet_Ser_Parity>", "CB_BACnet_MSTP_Slave_Parity", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.elements);
        WriteParGen(QByteArray("<Par_Gen>") + c.elements + "</Par_Gen>");
        TFParGen& d = Show();
        const QWidget* w = d.Controls().Control(QString::fromLatin1(c.control));
        const int got = qobject_cast<const QCheckBox*>(w) ? int(Checked(d, c.control)) : Index(d, c.control);
        EXPECT_EQ(got, c.expected);
        d.hide();
    }
}

TEST_F(ParGenFile, OutOfRangeIndexesAreSavedAsTheirDefaultsNotMinusOne)
{
    WriteParGen("<Par_Gen><BACnet_Type>7</BACnet_Type><BACnet_Ser_Baudrate>9</BACnet_Ser_Baudrate>"
                "<BACnet_Ser_Parity>3</BACnet_Ser_Parity><NTP_Poll_Time>1</NTP_Poll_Time></Par_Gen>");
    TFParGen& d = Show();
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    const QByteArray saved = ParGenBytes();
    EXPECT_TRUE(saved.contains("<BACnet_Type>0</BACnet_Type>"));
    EXPECT_TRUE(saved.contains("<BACnet_Ser_Baudrate>3</BACnet_Ser_Baudrate>"));
    EXPECT_TRUE(saved.contains("<BACnet_Ser_Parity>0</BACnet_Ser_Parity>"));
    EXPECT_FALSE(saved.contains("-1"));
}

TEST_F(ParGenFile, ALongNameFromTheFileSurvivesLoadingAndSavingWhileTypingStaysLimited)
{
    const QByteArray longName = "Averyveryverylongname123";  // 24 characters, upper case from the file
    WriteParGen("<Par_Gen><BACnet_NAME_STA>" + longName + "</BACnet_NAME_STA><NTP_Poll_Time>1</NTP_Poll_Time></Par_Gen>");
    TFParGen& d = Show();
    TParEdit* name = d.Controls().Edit("E_BACnet_IP_Slave_Device_Name");
    EXPECT_EQ(name->text(), QString::fromLatin1(longName));
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, "x");
    EXPECT_EQ(name->text(), QString::fromLatin1(longName));  // no room to type
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);             // upper-case letters pass the name check
    EXPECT_TRUE(ParGenBytes().contains("<BACnet_NAME_STA>" + longName + "</BACnet_NAME_STA>"));

    // A name typed from scratch stops at 15 characters and is lower-cased as typed.
    TParEdit* mstp = d.Controls().Edit("E_BACnet_MSTP_Slave_Device_Name");
    mstp->clear();
    QTest::keyClicks(mstp, "ABCdefghijklmnopqrst");
    EXPECT_EQ(mstp->text(), "abcdefghijklmno");
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    mstp->paste();
    EXPECT_EQ(mstp->text(), "abcdefghijklmno");
    // Within a long text the user may still delete.
    name->end(false);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), QString::fromLatin1(longName.left(23)));
}

TEST_F(ParGenFile, AFileThatIsNotWellFormedIsReportedThenTheDefaultsShownAndNothingWrittenUntilOk)
{
    const QByteArray broken = "<Par_Gen><IEC61850_Server_IP1>1</IEC61850_Server_IP1>";
    WriteParGen(broken);
    TFParGen& d = Show();
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(boxes.texts()[0].contains("not well-formed")) << boxes.texts()[0].toStdString();
    EXPECT_EQ(Text(d, "E_IEC61850_Server_IP1"), "192");
    EXPECT_FALSE(d.Is_Change);
    EXPECT_EQ(ParGenBytes(), broken);

    Set("E_NTP_Poll_Time", "3600");
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    EXPECT_EQ(ParGenBytes(), ReadTestFile(Data("pargen_defaults_with_poll_time/ParGen.xml")));
}

TEST_F(ParGenFile, AFileWhoseFirstNodeIsNotTheRootReadsAsHavingNoElements)
{
    for (const QByteArray& prefix : {QByteArray("<?xml version=\"1.0\"?>"), QByteArray("<!-- note -->")}) {
        SCOPED_TRACE(prefix.toStdString());
        WriteParGen(prefix + "<Par_Gen><IEC61850_Server_Port>2102</IEC61850_Server_Port></Par_Gen>");
        TFParGen& d = Show();
        EXPECT_EQ(Text(d, "E_IEC61850_Server_Port"), "102");
        EXPECT_TRUE(boxes.texts().isEmpty());
        d.hide();
    }
}

TEST_F(ParGenFile, AFileThatCannotBeWrittenIsReportedAndTheDialogStaysOpenWithItsEntries)
{
    TFParGen& d = Show();
    Set("E_NTP_Poll_Time", "60");
    File_ParGen = project + "/missing folder/ParGen.xml";
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains("cannot be written")) << boxes.texts()[0].toStdString();
    EXPECT_EQ(d.ModalResult(), mrNone);
    EXPECT_EQ(Text(d, "E_NTP_Poll_Time"), "60");
    EXPECT_TRUE(d.Is_Change);
}

TEST_F(ParGenFile, BothBACnetSidesAndUncheckedAddressesAreWrittenAsTyped)
{
    TFParGen& d = Show();
    Set("CB_BACnet_Slave_Type", "1");
    Set("E_BACnet_IP_Slave_IP1", "300");   // not checked for MS/TP
    Set("E_IEC61850_Server_GAT2", "999");  // gateway box unchecked
    Set("E_NTP_Poll_Time", "5");
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    EXPECT_TRUE(boxes.texts().isEmpty());
    const QByteArray saved = ParGenBytes();
    EXPECT_TRUE(saved.contains("<BACnet_Type>1</BACnet_Type><BACnet_IP1>300</BACnet_IP1>"));
    EXPECT_TRUE(saved.contains("<IEC61850_Server_GAT2>999</IEC61850_Server_GAT2>"));
}
