#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USaveBincc.h"
#include "platform/Ping.h"
#include "support/FileSizeLimit.h"
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/QStringPrinter.h"
#include "support/TempProgramFolder.h"
#include "ui/UBoot.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct FakeClock : TClock {
    std::int64_t Now = 0;
    std::int64_t Milliseconds() override { return Now; }
};

// One scripted echo: what it gives and how long it takes.
struct Step {
    TEchoStatus Status;
    int Bytes;
    int Duration;
};
const Step Answer{TEchoStatus::esReply, 1024, 1};
const Step Silence{TEchoStatus::esTimedOut, 0, 400};
const Step CannotSend{TEchoStatus::esFailed, 0, 0};
const Step NoSocket{TEchoStatus::esNoSocket, 0, 0};

// Plays the script, repeating its last echo, and advances the clock by each echo's duration.
struct FakePinger : TPinger {
    FakePinger(FakeClock& clock, std::vector<Step> script) : Clock(clock), Script(std::move(script)) {}
    TEchoResult Echo(const QString& address) override
    {
        Addresses.push_back(address);
        const Step e = Script[std::min(Addresses.size(), Script.size()) - 1];
        if (During)
            During();
        Clock.Now += e.Duration;
        return {e.Status, e.Bytes, e.Status == TEchoStatus::esNoSocket ? QStringLiteral("Operation not permitted")
                                                                       : QString()};
    }
    FakeClock& Clock;
    std::vector<Step> Script;
    std::vector<QString> Addresses;
    std::function<void()> During;
};

class BootDialog : public testing::Test {
protected:
    BootDialog()
    {
        Project_Name = "Plant";
        Project_Dir = folder.makeProject("Plant");
        Set_Project_File_Paths(Project_Dir);
        Read_Back = true;
        Device_IP = "10.0.0.7";
        // The images the update step checks before it names them in the job.
        EXPECT_TRUE(Compile_Bincc() && Save_Bincc());
    }

    // The dialog as the update step shows it, echoing through the given script.
    void Open(std::vector<Step> script)
    {
        auto clock = std::make_unique<FakeClock>();
        auto pinger = std::make_unique<FakePinger>(*clock, std::move(script));
        ping = pinger.get();
        dialog.SetClock(std::move(clock));
        dialog.SetPinger(std::move(pinger));
        dialog.show();
    }

    // A stand-in update program: logs each run and keeps a copy of the job it found.
    QString WriteUpdateProgram(const QByteArray& extra = {})
    {
        const QString path = folder.writeFile(
            "Ethernet_Update", "#!/bin/sh\ncd \"$(dirname \"$0\")\"\necho run >> runs.log\n"
                               "cp Ethernet_Update.xml job_seen.xml\n" + extra);
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        return path;
    }
    int Runs() const
    {
        QFile f(folder.path() + "/runs.log");
        return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : 0;
    }
    QString Job() const { return folder.path() + "/Ethernet_Update.xml"; }

    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    TFVostrelanteFirmWare main{folder.path()};  // starts the update program
    TFBoot dialog;
    FakePinger* ping = nullptr;
};

} // namespace

TEST_F(BootDialog, PingRoundsStopAfterTwoGoodEchoesOrFiveSeconds)
{
    const struct {
        const char* name;
        std::vector<Step> script;
        bool passed;
        int pingRes;
        std::size_t echoes;
    } cases[] = {
        {"always answers", {Answer}, true, 1, 2},
        {"never answers: 400 ms each until past 5000 ms", {Silence}, false, 2, 13},
        {"cannot send", {CannotSend}, false, 0, 1},
        {"no socket", {NoSocket}, false, 0, 1},
        {"exactly 5000 ms is not yet past the limit", {{TEchoStatus::esTimedOut, 0, 500}}, false, 2, 11},
        {"answer, silence, answer", {Answer, Silence, Answer}, true, 1, 3},
        {"answer, then silence: the last echo decides", {Answer, Silence}, false, 2, 14},
        {"silence, then answers", {Silence, Answer}, true, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.script);
        EXPECT_EQ(dialog.Send_Ping(), c.passed);
        EXPECT_EQ(dialog.ping_res, c.pingRes);
        EXPECT_EQ(ping->Addresses.size(), c.echoes);
    }
}

TEST_F(BootDialog, ShowsTheRememberedAddressChoiceAndReadBack)
{
    Update_Option = 2;
    Read_Back = false;
    SW_Code = "QV48143";
    Open({Answer});
    EXPECT_EQ(dialog.windowTitle(), Lang(1002));
    EXPECT_EQ(dialog.L_SW_Code->text(), "QV48143");
    EXPECT_EQ(dialog.L_SW_Desc->text(), Lang(1003));
    EXPECT_EQ(dialog.width(), 449);
    ASSERT_EQ(dialog.CB_Update_Options->count(), 3);
    EXPECT_EQ(dialog.CB_Update_Options->itemText(1), Lang(1016));
    EXPECT_EQ(dialog.CB_Update_Options->currentIndex(), 2);
    EXPECT_FALSE(dialog.CB_Update_Option_Read_Back->isChecked());
    const QLineEdit* edits[] = {dialog.E_IP1, dialog.E_IP2, dialog.E_IP3, dialog.E_IP4};
    const char* parts[] = {"10", "0", "0", "7"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(edits[i]->text(), parts[i]);

    // An address that does not parse leaves the edits as they were.
    dialog.hide();
    Device_IP = "abc";
    dialog.show();
    EXPECT_EQ(dialog.E_IP4->text(), "7");
}

TEST_F(BootDialog, EnglishTextsOfTheEthernetMode)
{
    Open({Answer});
    EXPECT_EQ(dialog.windowTitle(), "Update Device by Ethernet (UDP)");
    EXPECT_EQ(dialog.L_SW_Desc->text(), "Update Device Using the Ethernet Port");
    EXPECT_EQ(dialog.L_IP_Address->text(), "Insert the IP Address of Device");
    EXPECT_EQ(dialog.L_Update_Option->text(), "Select Update Options");
    QStringList choices;
    for (int i = 0; i < dialog.CB_Update_Options->count(); ++i)
        choices << dialog.CB_Update_Options->itemText(i);
    EXPECT_EQ(choices, (QStringList{"Firmware + Configuration", "Firmware", "Configuration"}));
    EXPECT_EQ(dialog.CB_Update_Option_Read_Back->text(), "Read Back");
    EXPECT_EQ(dialog.Btn_Cancel->Caption(), "Cancel");
    EXPECT_EQ(dialog.Btn_Update->Caption(), "Execute Update Firmware");
    const struct {
        QWidget* control;
        const char* hint;
    } hints[] = {
        {dialog.E_IP1, "Insert first byte of IP Address"},
        {dialog.E_IP2, "Insert second byte of IP Address"},
        {dialog.E_IP3, "Insert third byte of IP Address"},
        {dialog.E_IP4, "Insert fourth byte of IP Address"},
        {dialog.CB_Update_Options, "Select the operation to do in update"},
        {dialog.CB_Update_Option_Read_Back,
         "Enable or disable the possibility to read back the Firmware/Configuration"},
        {dialog.Btn_Cancel, "Exit without to do the Update"},
        {dialog.Btn_Update, "Start the update of Device"},
    };
    for (const auto& h : hints)
        EXPECT_EQ(h.control->toolTip(), h.hint);
}

TEST_F(BootDialog, DotKeyMovesToTheNextAddressEditAndIsNeverTyped)
{
    Open({Answer});
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* edits[] = {dialog.E_IP1, dialog.E_IP2, dialog.E_IP3, dialog.E_IP4};
    for (int i = 0; i < 4; ++i) {
        edits[i]->setFocus();
        edits[i]->setText("1");
        QTest::keyClick(edits[i], '.');
        EXPECT_EQ(edits[i]->text(), "1");
        EXPECT_TRUE(edits[std::min(i + 1, 3)]->hasFocus()) << "after the dot in edit " << i + 1;
    }
}

TEST_F(BootDialog, UpdateWritesTheJobRunsTheProgramAndRemembersTheChoice)
{
    WriteUpdateProgram();
    Open({Answer});
    dialog.BACnetType = 1;
    dialog.E_IP1->setText("192");
    dialog.E_IP2->setText("168");
    dialog.E_IP3->setText("002");
    dialog.E_IP4->setText("9");
    dialog.CB_Update_Options->setCurrentIndex(1);
    dialog.CB_Update_Option_Read_Back->setChecked(false);

    QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);

    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(ping->Addresses.front(), "192.168.002.9");
    EXPECT_EQ(Runs(), 1);
    QFile seen(folder.path() + "/job_seen.xml");
    ASSERT_TRUE(seen.open(QIODevice::ReadOnly)) << "the program found no job";
    const QByteArray job = seen.readAll();
    EXPECT_TRUE(job.contains("<IP_Address_Dev>192.168.002.9</IP_Address_Dev>"));
    EXPECT_TRUE(job.contains("<Protection>0x213</Protection>"));
    EXPECT_EQ(job.count("<Operation>"), 1);
    EXPECT_TRUE(job.contains("<Ope_Read_Back>0</Ope_Read_Back>"));
    EXPECT_TRUE(job.contains(("<Ope_FileName>" + folder.master() + "/Sim48143.sim</Ope_FileName>").toUtf8()));

    EXPECT_EQ(Device_IP, "192.168.002.9");
    EXPECT_EQ(Update_Option, 1);
    EXPECT_FALSE(Read_Back);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Btn_Update->isEnabled());
}

TEST_F(BootDialog, FailedPingTellsWhyAndNeitherWritesNorStarts)
{
    WriteUpdateProgram();
    const struct {
        const char* name;
        Step echo;
        QString text;
        TMsgDlgType type;
    } cases[] = {
        {"no answer", Silence, Lang(1036), TMsgDlgType::mtWarning},
        {"address refused", CannotSend, Lang(1037), TMsgDlgType::mtError},
        {"no ICMP socket", NoSocket,
         "The device cannot be pinged: this system allows no ICMP socket (Operation not permitted).",
         TMsgDlgType::mtError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        Open({c.echo});
        QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
        ASSERT_EQ(boxes.requests().size(), 1u);
        EXPECT_EQ(boxes.requests()[0].Text, c.text);
        EXPECT_EQ(boxes.requests()[0].Type, c.type);
        EXPECT_FALSE(QFileInfo::exists(Job()));
        EXPECT_EQ(Runs(), 0);
        EXPECT_EQ(Device_IP, "10.0.0.7");
    }
}

// The input block of the wait once outlived it: the box saying why the program did not start took no key,
// no click and no close, and the program had to be killed. The real box is answered here by its keys.
TEST_F(BootDialog, AnUpdateProgramThatDoesNotStartIsReportedInABoxTheUserCanAnswer)
{
    SetMessageHook({});
    const QString program = folder.path() + "/Ethernet_Update";
    const struct {
        const char* name;
        QByteArray content;   // empty: no program at all
        bool executable;
        const char* reason;   // empty: the program ran (and failed), no box
        Qt::Key answer;
    } cases[] = {
        {"missing", {}, false, "No such file or directory", Qt::Key_Return},
        {"not executable", "#!/bin/sh\n", false, "Permission denied", Qt::Key_Escape},
        {"not a program", "not a program", true, "Exec format error", Qt::Key_Return},
        {"runs and fails", "#!/bin/sh\nexit 3\n", true, "", Qt::Key_unknown},
    };
    Open({Answer});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(program);
        if (!c.content.isEmpty()) {
            folder.writeFile("Ethernet_Update", c.content);
            if (c.executable)
                QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
        }
        QString shown;
        bool stuck = false;
        if (c.answer != Qt::Key_unknown)
            OnNextModal([&](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    shown = box->text();
                QTest::keyClick(modal, c.answer);
            });
        // A box its keys cannot close fails the test instead of hanging it.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&stuck] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                stuck = true;
                box->reject();
            }
        });
        watchdog.start(5000);
        QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
        EXPECT_FALSE(stuck);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (*c.reason)
            EXPECT_EQ(shown, "The update program \"" + program + "\" could not be started: " + c.reason);
        else
            EXPECT_TRUE(shown.isEmpty());
        EXPECT_TRUE(QFileInfo::exists(Job()));

        // The windows take input again.
        dialog.E_IP4->clear();
        QTest::keyClicks(dialog.E_IP4, "42");
        EXPECT_EQ(dialog.E_IP4->text(), "42");
        const bool readBack = dialog.CB_Update_Option_Read_Back->isChecked();
        QTest::mouseClick(dialog.CB_Update_Option_Read_Back, Qt::LeftButton, {},
                          QPoint(6, dialog.CB_Update_Option_Read_Back->height() / 2));
        EXPECT_NE(dialog.CB_Update_Option_Read_Back->isChecked(), readBack);
        dialog.E_IP4->setText("7");
    }
}

TEST_F(BootDialog, AJobThatCannotBeWrittenIsReportedAndNothingStarts)
{
    WriteUpdateProgram();
    Exe_Dir = folder.path() + "/missing";
    Open({Answer});
    QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].startsWith("Error! The file " + Exe_Dir + "/Ethernet_Update.xml cannot be written: "));
    EXPECT_EQ(Runs(), 0);
}

// On a full disk the job file was emptied and the update program started on it all the same.
TEST_F(BootDialog, OnAFullDiskTheOldJobStaysAndTheProgramIsNotStarted)
{
    WriteUpdateProgram();
    const QString oldJob = folder.writeFile("Ethernet_Update.xml", "<Ethernet_Update>old</Ethernet_Update>");
    Open({Answer});
    {
        const FileSizeLimit full(0);
        QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
    }
    EXPECT_EQ(boxes.texts(), QStringList{"Error! The file " + Job() + " cannot be written: " + FileSizeLimit::Reason()});
    EXPECT_EQ(Runs(), 0);
    QFile job(oldJob);
    ASSERT_TRUE(job.open(QIODevice::ReadOnly));
    EXPECT_EQ(job.readAll(), QByteArray("<Ethernet_Update>old</Ethernet_Update>"));
}

// The update step never hands the program a job naming a mixed or half-written pair of images.
TEST_F(BootDialog, ImagesThatAreNotAWholePairAreReportedAndNothingStarts)
{
    WriteUpdateProgram();
    QFile bank2(Project_Dir + "/bin/bank2.bin");
    ASSERT_TRUE(bank2.open(QIODevice::Append));
    bank2.write("older");
    bank2.close();
    Open({Answer, Answer});
    dialog.CB_Update_Options->setCurrentIndex(2);
    QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
    EXPECT_EQ(boxes.texts(), QStringList{"Error! The device images in " + Project_Dir +
                                         "/bin are not a whole pair: create them again"});
    EXPECT_FALSE(QFileInfo::exists(Job()));
    EXPECT_EQ(Runs(), 0);

    // The firmware alone needs no images.
    boxes.clear();
    dialog.CB_Update_Options->setCurrentIndex(1);
    QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(Runs(), 1);
}

TEST_F(BootDialog, CannotBePressedAgainClosedOrEditedWhileAPressIsAtWork)
{
    WriteUpdateProgram();
    Open({Answer});
    QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);  // the dialog's first update: waits settle
    ASSERT_EQ(Runs(), 1);

    int echoes = 0;
    ping->Addresses.clear();
    ping->During = [&] {
        ++echoes;
        EXPECT_TRUE(dialog.Busy());
        EXPECT_FALSE(dialog.Btn_Update->isEnabled());
        EXPECT_FALSE(dialog.Btn_Cancel->isEnabled());
        EXPECT_FALSE(dialog.E_IP1->isEnabled());
        EXPECT_FALSE(dialog.CB_Update_Options->isEnabled());
        // Pressed and closed at once...
        QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        // ... and by input queued while the window handles no events (the wait for the update program).
        const QPointF centre = QRectF(dialog.Btn_Update->rect()).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(dialog.Btn_Update, new QMouseEvent(type, centre, dialog.Btn_Update->mapToGlobal(centre),
                                                                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(&dialog, new QCloseEvent);
    };
    QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_EQ(echoes, 2);
    EXPECT_EQ(Runs(), 2);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Busy());
    EXPECT_TRUE(dialog.Btn_Update->isEnabled());
    EXPECT_TRUE(dialog.Btn_Cancel->isEnabled());
    EXPECT_TRUE(dialog.E_IP1->isEnabled());
    EXPECT_TRUE(dialog.CB_Update_Options->isEnabled());
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(BootDialog, ShowUpdateTakesTheBACnetTypeAndCancelCloses)
{
    for (std::uint32_t type : {1u, 0u}) {
        QTimer::singleShot(0, &dialog, [this] { QTest::mouseClick(dialog.Btn_Cancel, Qt::LeftButton); });
        EXPECT_EQ(dialog.Show_Update(type), mrCancel);
        EXPECT_EQ(dialog.BACnetType, type);
        EXPECT_FALSE(dialog.isVisible());
    }
}
