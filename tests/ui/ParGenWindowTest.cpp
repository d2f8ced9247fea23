#include "ParGenFixture.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "support/ModalDriver.h"
#include "ui/CategoryPanelGroup.h"
#include "ui/ParGenEdit.h"
#include "ui/ParGenRows.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <functional>

namespace {

using ParGenWindow = ParGenDialog;

void Activate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void Wheel(QWidget* target, QPoint local, int delta, Qt::Orientation turn = Qt::Vertical)
{
    const QPoint angle = turn == Qt::Vertical ? QPoint(0, delta) : QPoint(delta, 0);
    QWheelEvent e(QPointF(local), QPointF(target->mapToGlobal(local)), QPoint(), angle, Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

} // namespace

TEST_F(ParGenWindow, DotMovesAlongTheAddressChainsAndIsNeverTyped)
{
    TFParGen& d = Show();
    Activate(&d);
    struct Case {
        const char* from;
        const char* to;  // the focus afterwards
    };
    const Case cases[] = {
        {"E_IEC61850_Server_IP1", "E_IEC61850_Server_IP2"}, {"E_IEC61850_Server_IP4", "E_IEC61850_Server_SM1"},
        {"E_IEC61850_Server_SM4", "E_IEC61850_Server_GAT1"}, {"E_IEC61850_Server_GAT4", "E_IEC61850_Server_DNS1"},
        {"E_IEC61850_Server_DNS3", "E_IEC61850_Server_DNS4"}, {"E_IEC61850_Server_DNS4", "E_IEC61850_Server_DNS4"},
        {"E_BACnet_IP_Slave_IP4", "E_BACnet_IP_Slave_SM1"},   {"E_BACnet_IP_Slave_SM4", "E_BACnet_IP_Slave_GAT1"},
        {"E_BACnet_IP_Slave_GAT4", "E_BACnet_IP_Slave_GAT4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        TParEdit* from = d.Controls().Edit(c.from);
        const QString before = from->text();
        from->setFocus();
        QTest::keyClick(from, '.');
        EXPECT_EQ(from->text(), before);
        EXPECT_EQ(QApplication::focusWidget(), Control(c.to));
    }
    // Other keys pass unchanged.
    TParEdit* ip = d.Controls().Edit("E_IEC61850_Server_IP1");
    ip->setFocus();
    ip->end(false);
    QTest::keyClick(ip, '7');
    EXPECT_EQ(ip->text(), "1927");
}

TEST_F(ParGenWindow, DotInAFamilyPanelOctetIsSwallowedAndTheFocusStays)
{
    TFParGen& d = Create(48167);
    Activate(&d);
    TParEdit* octet = d.Controls().Edit("E_Ethernet_IP4");
    octet->setFocus();
    QTest::keyClick(octet, '.');
    EXPECT_EQ(octet->text(), "5");
    EXPECT_EQ(QApplication::focusWidget(), octet);
}

TEST_F(ParGenWindow, TabOrderPutsTheIEC61850DNSRowAfterThePassword)
{
    TFParGen& d = Create();
    auto next = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
        return w;
    };
    EXPECT_EQ(next(Control("E_IEC61850_Server_GAT4")), Control("E_IEC61850_Server_Port"));
    EXPECT_EQ(next(Control("E_IEC61850_Server_Password")), Control("CB_IEC61850_Server_En_DNS"));
    EXPECT_EQ(next(Control("E_IEC61850_Server_DNS4")), Control("CB_TLS_Server_Enable"));
    EXPECT_EQ(next(Control("E_NTP_Poll_Time")), d.Btn_OK);
}

TEST_F(ParGenWindow, CancelAsksOnlyAfterAChangeAndNoKeepsTheDialogAndTheEntry)
{
    TFParGen& d = Show();
    // Nothing changed: no question.
    QTest::mouseClick(d.Btn_Cancel, Qt::LeftButton);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(d.ModalResult(), mrCancel);

    d.SetModalResult(mrNone);
    // The two IEC 61850 boxes do not count as changes; the BACnet gateway box does.
    d.Controls().Box("CB_IEC61850_Server_En_GAT")->click();
    d.Controls().Box("CB_IEC61850_Server_En_DNS")->click();
    EXPECT_FALSE(d.Is_Change);
    d.Controls().Box("CB_BACnet_IP_Slave_GAT")->click();
    EXPECT_TRUE(d.Is_Change);

    d.hide();
    d.show();  // shown again: read anew, no change
    EXPECT_FALSE(d.Is_Change);
    TParEdit* url = d.Controls().Edit("E_NTP_Server_URL");
    QTest::keyClicks(url, "p");
    EXPECT_TRUE(d.Is_Change);
    boxes.answerNext({mrNo});
    QTest::mouseClick(d.Btn_Cancel, Qt::LeftButton);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], Lang(441));
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtConfirmation);
    EXPECT_TRUE((boxes.requests()[0].Buttons == TMsgDlgButtons{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}));
    EXPECT_EQ(d.ModalResult(), mrNone);
    EXPECT_EQ(url->text(), "p");

    boxes.answerNext({mrYes});
    QTest::mouseClick(d.Btn_Cancel, Qt::LeftButton);
    EXPECT_EQ(d.ModalResult(), mrCancel);
    EXPECT_EQ(boxes.texts().size(), 2);
    EXPECT_FALSE(QFile::exists(File_ParGen));
}

TEST_F(ParGenWindow, TheCloseBoxAsksTheSameQuestionAsCancelWhenSomethingChanged)
{
    TFParGen& d = Create();
    boxes.answerNext({mrNo, mrYes});
    bool stayedOpen = false;
    OnNextModal([&](QWidget* modal) {
        Set("E_NTP_Server_URL", "ntp.example");
        modal->close();  // answered No
        stayedOpen = modal->isVisible();
        modal->close();  // answered Yes
    });
    EXPECT_EQ(d.ShowModal(), mrCancel);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(boxes.texts(), (QStringList{Lang(441), Lang(441)}));
    EXPECT_FALSE(QFile::exists(File_ParGen));

    // Unchanged, the close box closes at once.
    boxes.clear();
    OnNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(d.ShowModal(), mrCancel);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(ParGenWindow, OkFromTheModalDialogWritesAndClosesWithOk)
{
    TFParGen& d = Create();
    OnNextModal([this](QWidget*) {
        Set("E_NTP_Poll_Time", "3600");
        QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(d.ShowModal(), mrOk);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_TRUE(ParGenBytes().endsWith("<NTP_Poll_Time>3600</NTP_Poll_Time></Par_Gen><!--SW_VERSION = 1.001-->"));
}

TEST_F(ParGenWindow, ResizingKeepsTheWidthAndGivesTheHeightToThePanelGroup)
{
    TFParGen& d = Show();
    EXPECT_EQ(d.width(), 460);
    EXPECT_EQ(d.height(), 700);
    EXPECT_EQ(d.CPG->geometry(), QRect(0, 69, 460, 700 - 69 - 40));
    d.resize(600, 500);
    EXPECT_EQ(d.width(), 460);
    EXPECT_EQ(d.height(), 500);
    EXPECT_EQ(d.CPG->geometry(), QRect(0, 69, 460, 500 - 69 - 40));
    EXPECT_EQ(d.P_Button->geometry(), QRect(0, 460, 460, 40));
    EXPECT_EQ(d.Btn_Cancel->geometry().right() + 1, 460 - 8);
    EXPECT_LT(d.Btn_OK->x(), d.Btn_Cancel->x());
}

TEST_F(ParGenWindow, OpensInTheMiddleOfTheScreenWhereverItsOwnerIs)
{
    QWidget owner;
    owner.setGeometry(0, 0, 200, 150);
    owner.show();
    dialog = std::make_unique<TFParGen>(&owner);
    dialog->show();
    // The window's border is only known once it is shown: it may shift the frame by its width.
    const QPoint border = dialog->geometry().topLeft() - dialog->frameGeometry().topLeft();
    const QPoint off = dialog->geometry().center() - dialog->screen()->availableGeometry().center();
    EXPECT_LE(std::abs(off.x()), border.x()) << off.x();
    EXPECT_LE(std::abs(off.y()), border.y()) << off.y();
    dialog.reset();
}

TEST_F(ParGenWindow, TheWheelScrollsThePanelGroupOnlyWhenTheMouseIsOverIt)
{
    TFParGen& d = Show();
    d.Controls().Box("CB_TLS_Server_Enable")->click();  // taller than the group now
    QScrollBar* bar = d.CPG->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int lines = QApplication::wheelScrollLines();
    ASSERT_GE(lines, 1);

    Wheel(d.P_Title, QPoint(10, 10), -120);
    Wheel(d.P_Button, QPoint(10, 10), -120);
    EXPECT_EQ(bar->value(), 0);
    // A sideways turn over the group is no vertical turn.
    Wheel(d.CPG->viewport(), QPoint(5, 5), -120, Qt::Horizontal);
    Wheel(d.CPG->viewport(), QPoint(5, 5), 120, Qt::Horizontal);
    EXPECT_EQ(bar->value(), 0);

    // Over a list inside the group the wheel scrolls the group and leaves the list's choice alone.
    QComboBox* type = d.Controls().List("CB_BACnet_Slave_Type");
    Wheel(type, QPoint(5, 5), -120);
    EXPECT_EQ(bar->value(), std::min(bar->maximum(), lines * bar->singleStep()));
    EXPECT_EQ(type->currentIndex(), 0);
    Wheel(d.CPG->viewport(), QPoint(5, 5), 120);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ParGenWindow, CaptionsAndHintsComeFromTheirTexts)
{
    TFParGen& d = Create();
    EXPECT_EQ(d.L_SW_Desc->text(), Lang(401));
    EXPECT_EQ(d.Btn_OK->Caption(), Lang(402));
    EXPECT_EQ(d.Btn_OK->toolTip(), Lang(404));
    EXPECT_EQ(d.Btn_Cancel->toolTip(), Lang(405));
    const std::pair<const char*, int> captions[] = {
        {"L_IEC61850_Server_SM", 596}, {"CB_IEC61850_Server_En_DNS", 1922}, {"L_IEC61850_Server_Password", 409},
        {"CB_TLS_Server_Enable", 412}, {"L_TLS_Server_Root_Cert", 420}, {"CB_TLS_Server_En_Known_Cert", 422},
        {"L_BACnet_Slave_Type", 712}, {"CB_BACnet_IP_Slave_GAT", 724}, {"L_BACnet_IP_Slave_Device_Identifier", 734},
        {"L_BACnet_MSTP_Slave_Baudrate", 736}, {"L_BACnet_MSTP_Slave_Network", 750},
        {"CB_BACnet_Slave_Desc_32_Chars", 752}, {"L_NTP_Server_URL", 1917}, {"L_NTP_Poll_Time", 1919},
    };
    for (const auto& [name, text] : captions)
        EXPECT_EQ(Control(name)->property("text").toString(), Lang(text)) << name;
    const std::pair<const char*, int> hints[] = {
        {"E_IEC61850_Server_IP4", 595}, {"E_IEC61850_Server_SM1", 597}, {"CB_IEC61850_Server_En_GAT", 602},
        {"E_IEC61850_Server_GAT4", 606}, {"E_IEC61850_Server_DNS4", 1927}, {"E_IEC61850_Server_Port", 408},
        {"E_TLS_Server_Key", 415}, {"CB_TLS_Server_En_Known_Cert", 423}, {"CB_BACnet_Slave_Type", 713},
        {"E_BACnet_IP_Slave_IP3", 717}, {"E_BACnet_IP_Slave_GAT1", 726}, {"E_BACnet_IP_Slave_Port", 731},
        {"E_BACnet_MSTP_Slave_Device_Name", 741}, {"E_BACnet_MSTP_Slave_Device_Instance", 749},
        {"CB_BACnet_Slave_Desc_32_Chars", 753}, {"E_NTP_Poll_Time", 1920},
    };
    for (const auto& [name, text] : hints)
        EXPECT_EQ(Control(name)->toolTip(), Lang(text)) << name;
}

TEST_F(ParGenWindow, EveryKindOfInputCountsAsAChange)
{
    TFParGen& d = Show();
    Activate(&d);
    d.Controls().Box("CB_TLS_Server_Enable")->click();  // shows the key
    EXPECT_TRUE(d.Is_Change);
    auto typed = [&d](QWidget* w, std::function<void()> act) {
        d.Is_Change = false;
        w->setFocus();
        act();
        return d.Is_Change;
    };
    QWidget* key = Control("E_TLS_Server_Key");
    EXPECT_TRUE(typed(key, [key] { QTest::keyClicks(key, "k"); }));
    QWidget* port = Control("E_IEC61850_Server_Port");
    EXPECT_TRUE(typed(port, [port] { QTest::keyClick(port, Qt::Key_Backspace); }));
    QWidget* parity = Control("CB_BACnet_MSTP_Slave_Parity");
    d.Controls().List("CB_BACnet_Slave_Type")->setCurrentIndex(1);
    d.Move_GroupBoxs();
    EXPECT_TRUE(typed(parity, [parity] { QTest::keyClick(parity, Qt::Key_Down); }));
    QCheckBox* desc = d.Controls().Box("CB_BACnet_Slave_Desc_32_Chars");
    EXPECT_TRUE(typed(desc, [desc] { desc->click(); }));
}

TEST_F(ParGenWindow, ALanguageChangeReappliesTextsButNotThePanelCaptions)
{
    TFParGen& d = Create(48167);
    QComboBox* wifiType = d.Controls().List("CB_WiFi_Type");
    wifiType->setCurrentIndex(1);
    Lang_List[591] = QStringLiteral("Indirizzo IP");
    Lang_List[592] = QStringLiteral("Primo byte");
    Lang_List[601] = QStringLiteral("Gateway IT");
    Lang_List[406] = QStringLiteral("Server IEC61850 IT");
    Lang_List[403] = QStringLiteral("Annulla");
    Lang_List[1803] = QStringLiteral("Modo Client");
    d.Set_Lang();
    EXPECT_EQ(d.Controls().Label("L_IEC61850_Server_IP")->text(), "Indirizzo IP");
    EXPECT_EQ(d.Controls().Edit("E_IEC61850_Server_IP1")->toolTip(), "Primo byte");
    EXPECT_EQ(d.Controls().Box("CB_IEC61850_Server_En_GAT")->text(), "Gateway IT");
    EXPECT_EQ(d.Btn_Cancel->Caption(), "Annulla");
    EXPECT_EQ(d.Panel("CP_IEC61850_Server")->Caption(), "1. IEC61850 Server");
    EXPECT_EQ(wifiType->currentIndex(), 0);
    EXPECT_EQ(wifiType->itemText(1), "Modo Client");
    EXPECT_FALSE(d.Is_Change);
}

TEST_F(ParGenWindow, TheSetCommunicationStepOpensTheEditor)
{
    TFVostrelanteFirmWare main(folder.path());
    Project_Name = QStringLiteral("Plant");
    Project_Dir = project;
    main.Set_Files();
    TFParGen* pargen = new TFParGen(&main);
    main.Add_Window(QStringLiteral("FParGen"), pargen, [pargen] { pargen->Set_Lang(); });
    QWidget* opened = nullptr;
    OnNextModal([&opened](QWidget* modal) {
        opened = modal;
        static_cast<TFParGen*>(modal)->Btn_CancelClick();
    });
    QTest::mouseClick(main.Btn_Prm_Gen, Qt::LeftButton);
    EXPECT_EQ(opened, pargen);
    EXPECT_EQ(pargen->L_SW_Code->text(), SW_Code);
}
