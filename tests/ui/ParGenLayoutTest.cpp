#include "ParGenFixture.h"

#include "core/ULanguage.h"
#include "ui/CategoryPanelGroup.h"
#include "ui/ParGenEdit.h"
#include "ui/ParGenPanels.h"
#include "ui/ParGenRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QTest>
#include <QImage>
#include <QPoint>
#include <algorithm>
#include <map>
#include <vector>

namespace {

using ParGenLayout = ParGenDialog;

const char* const kBuiltPanels[] = {"CP_IEC61850_Server", "CP_TLS_Server", "CP_BACnet_Slave", "CP_NTP"};

} // namespace

TEST_F(ParGenLayout, TheBuiltModelShowsItsFourNumberedPanelsStackedInOrder)
{
    TFParGen& d = Create();
    EXPECT_EQ(d.L_SW_Code->text(), "QV48143");
    EXPECT_EQ(d.Caption(), "Set Communication");
    const char* const captions[] = {"1. IEC61850 Server", "2. TLS (Transport Layer Security) Server",
                                    "3. BACnet Slave", "4. NTP (Network Time Protocol)"};
    int top = 0;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(kBuiltPanels[i]);
        TCategoryPanel* p = d.Panel(QString::fromLatin1(kBuiltPanels[i]));
        EXPECT_FALSE(p->isHidden());
        EXPECT_FALSE(p->Collapsed());
        EXPECT_EQ(p->Caption(), captions[i]);
        EXPECT_EQ(p->Top(), top);
        top += p->height();
    }
    int shown = 0;
    for (const TCategoryPanel* p : d.CPG->Panels())
        shown += p->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 4);
    EXPECT_EQ(d.CPG->Panels().size(), 26u);

    const int h = Header();
    EXPECT_EQ(Height("CP_IEC61850_Server"), 149 + 21 + h + 12);  // follows the Password edit
    EXPECT_EQ(Height("CP_TLS_Server"), 29 + h + 12);             // TLS off: the box alone
    EXPECT_EQ(Height("CP_BACnet_Slave"), 208 + 17 + h + 12);      // BACnet/IP: the 32-character box at 208
    EXPECT_EQ(Height("CP_NTP"), 37 + 21 + h + 12);
}

// The program makes this dialog at start; its hundreds of controls wait for its first showing.
TEST_F(ParGenLayout, PanelsAreMadeWhenTheDialogFirstShowsNotAtStart)
{
    TFParGen& d = Create();
    EXPECT_TRUE(d.CPG->Panels().empty());
    Show();
    EXPECT_EQ(d.CPG->Panels().size(), 26u);
    EXPECT_TRUE(d.Panel(QStringLiteral("CP_NTP"))->isVisible());
}

TEST_F(ParGenLayout, RowsSitAtTheirExactPlaces)
{
    Create();
    const std::map<const char*, QRect> places = {
        {"L_IEC61850_Server_IP", QRect(14, 12, 170, 16)},
        {"E_IEC61850_Server_IP1", QRect(191, 9, 55, 21)},
        {"E_IEC61850_Server_IP2", QRect(252, 9, 55, 21)},
        {"E_IEC61850_Server_IP3", QRect(313, 9, 55, 21)},
        {"E_IEC61850_Server_IP4", QRect(374, 9, 55, 21)},
        {"E_IEC61850_Server_SM1", QRect(191, 37, 55, 21)},
        {"CB_IEC61850_Server_En_GAT", QRect(14, 68, 175, 17)},
        {"E_IEC61850_Server_GAT4", QRect(374, 65, 55, 21)},
        {"CB_IEC61850_Server_En_DNS", QRect(14, 96, 175, 17)},
        {"L_IEC61850_Server_Port", QRect(14, 124, 170, 16)},
        {"E_IEC61850_Server_Port", QRect(191, 121, 238, 21)},
        {"E_IEC61850_Server_Password", QRect(191, 149, 238, 21)},
        {"CB_TLS_Server_Enable", QRect(14, 12, 415, 17)},
        {"CB_BACnet_Slave_Type", QRect(191, 9, 238, 22)},
        {"E_NTP_Poll_Time", QRect(191, 37, 238, 21)},
        {"E_CANopen_NetOpe_Delay", QRect(313, 93, 116, 21)},
        {"CB_CANopen_NetOpe", QRect(14, 96, 293, 17)},
        {"E_CANopen_SDO_Timeout", QRect(252, 121, 177, 21)},
        {"CB_SNMP_Agent_Version3", QRect(349, 180, 75, 17)},
    };
    for (const auto& [name, rect] : places)
        EXPECT_EQ(Control(name)->geometry(), rect) << name;
}

TEST_F(ParGenLayout, AddressRowsHaveTheirDotsBetweenTheOctets)
{
    TFParGen& d = Create();
    std::vector<QPoint> dots;
    for (const QLabel* l : d.Panel("CP_IEC61850_Server")->Surface()->findChildren<QLabel*>())
        if (l->text() == ".")
            dots.push_back(l->pos());
    std::sort(dots.begin(), dots.end(), [](QPoint a, QPoint b) { return std::make_pair(a.y(), a.x()) < std::make_pair(b.y(), b.x()); });
    // Level with the label; one pixel lower beside a heading box (Gateway, DNS).
    const std::vector<QPoint> expected = {{247, 12}, {308, 12}, {369, 12}, {247, 40}, {308, 40}, {369, 40},
                                          {247, 69}, {308, 69}, {369, 69}, {247, 97}, {308, 97}, {369, 97}};
    EXPECT_EQ(dots, expected);
}

TEST_F(ParGenLayout, WindowPanelsAndBarsWearTheFaceColour)
{
    TFParGen& d = Show();
    const QImage shot = d.grab().toImage();
    const QColor face(0xF8, 0xF7, 0xED);  // $00EDF7F8
    const int surfaceTop = 69 + Header();
    for (const QPoint at : {QPoint(300, 5), QPoint(5, surfaceTop + 2), QPoint(5, 700 - 5)})
        EXPECT_EQ(shot.pixelColor(at).name(), face.name()) << at.x() << "," << at.y();
}

TEST_F(ParGenLayout, SwitchingBACnetTypeSwapsTheRowsAndMovesThePanelsBelow)
{
    TFParGen& d = Show();
    const int ipHeight = Height("CP_BACnet_Slave");
    const int ntpTop = Top("CP_NTP");
    auto* type = d.Controls().List("CB_BACnet_Slave_Type");
    QTest::keyClick(type, Qt::Key_Down);  // the user picks BACnet MS/TP
    ASSERT_EQ(type->currentIndex(), 1);
    EXPECT_TRUE(d.Is_Change);

    const char* const labels[] = {"L_BACnet_MSTP_Slave_Baudrate", "L_BACnet_MSTP_Slave_Parity",
                                  "L_BACnet_MSTP_Slave_Device_Name", "L_BACnet_MSTP_Slave_MAC_Address",
                                  "L_BACnet_MSTP_Slave_Max_Master", "L_BACnet_MSTP_Slave_Max_Info_Frame",
                                  "L_BACnet_MSTP_Slave_Device_Instance", "L_BACnet_MSTP_Slave_Network"};
    const char* const inputs[] = {"CB_BACnet_MSTP_Slave_Baudrate", "CB_BACnet_MSTP_Slave_Parity",
                                  "E_BACnet_MSTP_Slave_Device_Name", "E_BACnet_MSTP_Slave_MAC_Address",
                                  "E_BACnet_MSTP_Slave_Max_Master", "E_BACnet_MSTP_Slave_Max_Info_Frame",
                                  "E_BACnet_MSTP_Slave_Device_Instance", "E_BACnet_MSTP_Slave_Network"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(Shown(labels[i]) && Shown(inputs[i])) << labels[i];
        EXPECT_EQ(Y(labels[i]), 40 + 28 * i) << labels[i];
        EXPECT_EQ(Y(inputs[i]), 37 + 28 * i) << inputs[i];
    }
    for (const char* ip : {"L_BACnet_IP_Slave_IP", "E_BACnet_IP_Slave_IP1", "E_BACnet_IP_Slave_SM4",
                           "CB_BACnet_IP_Slave_GAT", "E_BACnet_IP_Slave_GAT1", "E_BACnet_IP_Slave_Port",
                           "L_BACnet_IP_Slave_Device_Identifier", "E_BACnet_IP_Slave_Device_Identifier"})
        EXPECT_FALSE(Shown(ip)) << ip;
    EXPECT_EQ(Y("CB_BACnet_Slave_Desc_32_Chars"), 264);
    EXPECT_EQ(Height("CP_BACnet_Slave"), ipHeight + 56);
    EXPECT_EQ(Top("CP_NTP"), ntpTop + 56);

    QTest::keyClick(type, Qt::Key_Up);
    EXPECT_EQ(Y("CB_BACnet_Slave_Desc_32_Chars"), 208);
    EXPECT_EQ(Y("L_BACnet_IP_Slave_Device_Identifier"), 180);
    EXPECT_TRUE(Shown("E_BACnet_IP_Slave_GAT4"));
    EXPECT_FALSE(Shown("E_BACnet_MSTP_Slave_Network"));
    EXPECT_EQ(Height("CP_BACnet_Slave"), ipHeight);
    EXPECT_EQ(Top("CP_NTP"), ntpTop);
}

TEST_F(ParGenLayout, TurningTLSOnShowsItsRowsAndPushesThePanelsBelowDown)
{
    TFParGen& d = Show();
    const int bacnetTop = Top("CP_BACnet_Slave");
    const char* const rows[] = {"E_TLS_Server_Key", "E_TLS_Server_Key_Pass", "E_TLS_Server_Server_Cert",
                                "E_TLS_Server_Root_Cert", "CB_TLS_Server_En_Known_Cert"};
    for (const char* r : rows)
        EXPECT_FALSE(Shown(r)) << r;
    d.Controls().Box("CB_TLS_Server_Enable")->click();
    EXPECT_TRUE(d.Is_Change);
    for (const char* r : rows)
        EXPECT_TRUE(Shown(r)) << r;
    EXPECT_EQ(Control("E_TLS_Server_Key")->geometry(), QRect(191, 37, 238, 23));
    EXPECT_EQ(Y("L_TLS_Server_Root_Cert"), 124);
    EXPECT_EQ(Control("CB_TLS_Server_En_Known_Cert")->geometry(), QRect(14, 152, 415, 17));
    EXPECT_EQ(Height("CP_TLS_Server"), 169 + Header() + 12);
    EXPECT_EQ(Top("CP_BACnet_Slave"), bacnetTop + 140);

    d.Controls().Box("CB_TLS_Server_Enable")->click();
    EXPECT_EQ(Height("CP_TLS_Server"), 29 + Header() + 12);
    EXPECT_EQ(Top("CP_BACnet_Slave"), bacnetTop);
}

TEST_F(ParGenLayout, CollapsingAPanelLeavesItsHeaderAndMovesThePanelsBelowUp)
{
    TFParGen& d = Show();
    TCategoryPanel* tls = d.Panel("CP_TLS_Server");
    const int full = tls->height();
    const int ntpTop = Top("CP_NTP");
    QTest::mouseClick(tls->Header(), Qt::LeftButton);
    EXPECT_TRUE(tls->Collapsed());
    EXPECT_EQ(tls->height(), Header());
    EXPECT_EQ(Top("CP_NTP"), ntpTop - full + Header());
    QTest::mouseClick(tls->Header(), Qt::LeftButton);
    EXPECT_FALSE(tls->Collapsed());
    EXPECT_EQ(Top("CP_NTP"), ntpTop);
}

TEST_F(ParGenLayout, FamilyPanelsCarryTheirDesignValues)
{
    TFParGen& d = Create();
    EXPECT_TRUE(d.Panel("CP_Ethernet")->isHidden());
    EXPECT_EQ(d.Controls().Edit("E_Ethernet_IP4")->text(), "5");
    EXPECT_EQ(d.Controls().Edit("E_PROFINET_NByte_In")->text(), "1438");
    EXPECT_EQ(d.Controls().List("CB_CANopen_Baudrate")->currentText(), "1000K");
    EXPECT_EQ(d.Controls().List("CB_CANopen_Baudrate")->count(), 10);
    EXPECT_EQ(d.Controls().List("CB_WiFi_Max_Client")->currentText(), "10");
    EXPECT_EQ(d.Controls().List("CB_WiFi_Channel")->itemText(0), Lang(1863));
    EXPECT_FALSE(d.Controls().Edit("E_EtherNetIP_TunnelPort")->isEnabled());
    EXPECT_EQ(d.Controls().Box("CB_SNMP_Agent_Version2")->text(), "2");
}

TEST_F(ParGenLayout, TheIoTModelNumbersItsSevenPanelsWithNTPLast)
{
    TFParGen& d = Create(48167);
    const char* const panels[] = {"CP_IEC61850_Server", "CP_TLS_Server", "CP_MQTT", "CP_Ethernet",
                                  "CP_WiFi", "CP_TLS", "CP_NTP"};
    const int titles[] = {406, 411, 1772, 442, 1799, 1901, 1916};
    int top = 0;
    for (int i = 0; i < 7; ++i) {
        TCategoryPanel* p = d.Panel(QString::fromLatin1(panels[i]));
        EXPECT_FALSE(p->isHidden()) << panels[i];
        EXPECT_EQ(p->Caption(), QStringLiteral("%1. ").arg(i + 1) + Lang(titles[i]));
        EXPECT_EQ(p->Top(), top) << panels[i];
        top += p->height();
    }
    EXPECT_TRUE(d.Panel("CP_BACnet_Slave")->isHidden());
}

TEST_F(ParGenLayout, ModelTablePairsEveryModelWithItsPanels)
{
    EXPECT_EQ(Find_ParGen_Model(12345), nullptr);
    int models = 0;
    for (int m = 48128; m <= 48185; m += 3) {
        const TParGenModel* model = Find_ParGen_Model(m);
        ASSERT_NE(model, nullptr) << m;
        ++models;
        EXPECT_EQ(model->Panels.front(), TParPanelId::IEC61850_Server) << m;
        EXPECT_EQ(model->Panels.back(), TParPanelId::NTP) << m;
    }
    EXPECT_EQ(models, 20);
    const TParGenModel* serial = Find_ParGen_Model(48185);
    EXPECT_EQ(serial->Panels, (std::vector<TParPanelId>{TParPanelId::IEC61850_Server, TParPanelId::TLS_Server,
                                                       TParPanelId::Serial, TParPanelId::NTP}));
    EXPECT_EQ(serial->RePosition, (std::vector<TParPanelId>{TParPanelId::IEC61850_Server, TParPanelId::TLS_Server,
                                                           TParPanelId::Serial, TParPanelId::Ethernet,
                                                           TParPanelId::NTP}));
}

TEST_F(ParGenLayout, EveryModelShowsItsOwnSideBetweenTheServersAndNTP)
{
    struct ModelCase {
        int model;
        const char* panel;
        int title;
    };
    const ModelCase cases[] = {
        {48128, "CP_Modbus_Master", 424},   {48131, "CP_Modbus_Slave", 576},    {48134, "CP_Modbus_TCP_Master", 487},
        {48137, "CP_Modbus_TCP_Slave", 619}, {48140, "CP_BACnet_Master", 651},  {48143, "CP_BACnet_Slave", 711},
        {48146, "CP_CAN", 774},             {48149, "CP_CANopen", 777},         {48152, "CP_DeviceNet_Master", 792},
        {48155, "CP_DeviceNet_Slave", 1600}, {48158, "CP_EtherNetIP", 1612},    {48161, "CP_J1939", 1654},
        {48164, "CP_KNX", 1665},            {48170, "CP_NMEA2000", 1671},       {48173, "CP_PROFIBUS", 1679},
        {48176, "CP_PROFINET", 532},        {48179, "CP_SNMP_Manager", 1691},   {48182, "CP_SNMP_Agent", 1721},
        {48185, "CP_Serial", 522},
    };
    for (const ModelCase& c : cases) {
        SCOPED_TRACE(c.model);
        Create(c.model);
        TFParGen& d = Show();
        std::vector<const TCategoryPanel*> shown;
        for (const TCategoryPanel* p : d.CPG->Panels())
            if (!p->isHidden())
                shown.push_back(p);
        std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->Top() < b->Top(); });
        QStringList names, captions;
        for (const TCategoryPanel* p : shown) {
            names << p->objectName();
            captions << p->Caption();
        }
        EXPECT_EQ(names, (QStringList{"CP_IEC61850_Server", "CP_TLS_Server", c.panel, "CP_NTP"}));
        EXPECT_EQ(captions, (QStringList{"1. " + Lang(406), "2. " + Lang(411), "3. " + Lang(c.title), "4. " + Lang(1916)}));
    }
}

TEST_F(ParGenLayout, MQTTWillRowsMoveTheRowsBelowThem)
{
    Create(48167);
    dialog->show();
    EXPECT_EQ(Y("L_MQTT_Username"), 180);
    EXPECT_EQ(Y("E_MQTT_Username"), 177);
    EXPECT_EQ(Y("L_MQTT_Password"), 208);
    EXPECT_EQ(Y("E_MQTT_Password"), 205);
    EXPECT_EQ(Y("L_MQTT_ASync_Send_Time"), 236);
    EXPECT_FALSE(Shown("E_MQTT_Will_TopicName"));
    dialog->Controls().Box("CB_MQTT_WillFlag")->click();
    EXPECT_TRUE(Shown("CB_MQTT_Will_Retained"));
    EXPECT_EQ(Y("L_MQTT_Username"), 292);
    EXPECT_EQ(Y("L_MQTT_Password"), 320);
    EXPECT_EQ(Y("L_MQTT_ASync_Send_Time"), 348);
    EXPECT_EQ(Height("CP_MQTT"), 345 + 21 + Header() + 12);
}

TEST_F(ParGenLayout, WiFiRowsFollowTheTypeSecurityAndDHCP)
{
    TFParGen& d = Create(48167);
    d.show();
    auto* type = d.Controls().List("CB_WiFi_Type");
    // Access point, "Unsecured", DHCP off.
    EXPECT_EQ(Y("L_WiFi_IP"), 40);
    EXPECT_EQ(Y("CB_WiFi_En_DNS"), 124);
    EXPECT_EQ(Y("L_WiFi_Secure_Type"), 208);
    EXPECT_EQ(Y("CB_WiFi_En_DHCP"), 236);
    EXPECT_EQ(Y("L_WiFi_Max_Client"), 264);
    EXPECT_EQ(Y("L_WiFi_Channel"), 292);
    for (const char* hidden : {"CB_WiFi_IP_Auto", "CB_WiFi_En_WPS", "E_WiFi_Name", "E_WiFi_Password",
                               "E_WiFi_DHCP_First_IP1", "E_WiFi_Lease_Time"})
        EXPECT_FALSE(Shown(hidden)) << hidden;

    QTest::keyClick(d.Controls().List("CB_WiFi_Secure_Type"), Qt::Key_Down);  // WPA
    d.Controls().Box("CB_WiFi_En_DHCP")->click();
    EXPECT_EQ(Y("L_WiFi_Password"), 236);
    EXPECT_EQ(Y("L_WiFi_DHCP_First_IP"), 292);
    EXPECT_EQ(Y("E_WiFi_DHCP_SM4"), 317);
    EXPECT_EQ(Y("L_WiFi_Lease_Time"), 348);
    EXPECT_EQ(Y("L_WiFi_Max_Client"), 376);
    EXPECT_EQ(Y("L_WiFi_Channel"), 404);
    EXPECT_EQ(Height("CP_WiFi"), 401 + 22 + Header() + 12);

    // Client mode with an automatic address.
    QTest::keyClick(type, Qt::Key_Down);
    d.Controls().Box("CB_WiFi_IP_Auto")->click();
    const std::pair<const char*, int> client[] = {{"L_WiFi_Type", 12}, {"CB_WiFi_IP_Auto", 40}, {"L_WiFi_Name", 68},
                                                  {"L_WiFi_Port", 96}, {"L_WiFi_SSID", 124}, {"L_WiFi_Password", 152}};
    for (const auto& [name, y] : client) {
        EXPECT_TRUE(Shown(name)) << name;
        EXPECT_EQ(Y(name), y) << name;
    }
    for (const char* hidden : {"E_WiFi_IP1", "CB_WiFi_En_Gat", "L_WiFi_Secure_Type", "CB_WiFi_En_DHCP",
                               "L_WiFi_Max_Client", "CB_WiFi_Channel"})
        EXPECT_FALSE(Shown(hidden)) << hidden;

    // WiFi Direct leaves the panel exactly as it was.
    const int height = Height("CP_WiFi");
    std::vector<std::pair<QRect, bool>> before;
    for (QWidget* w : d.Panel("CP_WiFi")->Surface()->findChildren<QWidget*>())
        before.emplace_back(w->geometry(), w->isHidden());
    QTest::keyClick(type, Qt::Key_Down);
    ASSERT_EQ(type->currentIndex(), 2);
    std::size_t i = 0;
    for (QWidget* w : d.Panel("CP_WiFi")->Surface()->findChildren<QWidget*>())
        EXPECT_EQ(std::make_pair(w->geometry(), w->isHidden()), before[i++]) << w->objectName().toStdString();
    EXPECT_EQ(Height("CP_WiFi"), height);
}

TEST_F(ParGenLayout, TLSPanelShowsTheAuthenticationRowsItsBoxesAskFor)
{
    TFParGen& d = Create(48167);
    EXPECT_FALSE(Shown("CB_TLS_En_Server_Auth"));
    EXPECT_EQ(Height("CP_TLS"), 29 + Header() + 12);
    d.Controls().Box("CB_TLS_Enable")->click();
    EXPECT_EQ(Y("CB_TLS_En_Server_Auth"), 40);
    EXPECT_EQ(Y("CB_TLS_En_Client_Auth"), 68);
    EXPECT_FALSE(Shown("E_TLS_Server_Cert"));
    d.Controls().Box("CB_TLS_En_Server_Auth")->click();
    EXPECT_EQ(Y("E_TLS_Server_Cert"), 65);
    EXPECT_EQ(Y("CB_TLS_En_Client_Auth"), 93);  // lined up with the certificate's edit
    d.Controls().Box("CB_TLS_En_Client_Auth")->click();
    EXPECT_EQ(Y("L_TLS_Client_Cert"), 121);
    EXPECT_EQ(Y("E_TLS_Client_Cert"), 118);
    EXPECT_EQ(Y("L_TLS_Client_Cert_Key_Pass"), 177);
    EXPECT_EQ(Height("CP_TLS"), 174 + 21 + Header() + 12);
}

TEST_F(ParGenLayout, SNMPAgentVersion3AndSecurityLevelDecideItsLastRow)
{
    TFParGen& d = Create(48182);
    EXPECT_FALSE(Shown("E_SNMP_Agent_User"));
    EXPECT_EQ(Height("CP_SNMP_Agent"), 197 + Header() + 12);
    d.Controls().Box("CB_SNMP_Agent_Version3")->click();
    EXPECT_EQ(Y("L_SNMP_Agent_User"), 208);
    EXPECT_EQ(Y("L_SNMP_Agent_SecurityLevel"), 236);
    EXPECT_FALSE(Shown("E_SNMP_Agent_Authority"));
    QTest::keyClick(d.Controls().List("CB_SNMP_Agent_SecurityLevel"), Qt::Key_Down);  // Authority NoPrivacy
    EXPECT_EQ(Y("L_SNMP_Agent_AuthorityMode"), 292);
    EXPECT_FALSE(Shown("CB_SNMP_Agent_PrivacyMode"));
    EXPECT_EQ(Height("CP_SNMP_Agent"), 289 + 22 + Header() + 12);
    QTest::keyClick(d.Controls().List("CB_SNMP_Agent_SecurityLevel"), Qt::Key_Down);  // Authority Privacy
    EXPECT_EQ(Y("L_SNMP_Agent_PrivacyMode"), 348);
}

TEST_F(ParGenLayout, BACnetClientMSTPRowsTakeTheIPRowsPlaces)
{
    TFParGen& d = Create(48140);
    EXPECT_EQ(Y("L_BACnet_IP_Master_TimeOut_Polling"), 208);
    QTest::keyClick(d.Controls().List("CB_BACnet_Master_Type"), Qt::Key_Down);
    EXPECT_EQ(Y("L_BACnet_MSTP_Master_Baudrate"), 40);
    EXPECT_EQ(Y("CB_BACnet_MSTP_Master_Baudrate"), 37);
    EXPECT_EQ(Y("L_BACnet_MSTP_Master_Device_Instance"), 208);
    EXPECT_FALSE(Shown("E_BACnet_IP_Master_TimeOut_Polling"));
    EXPECT_EQ(Height("CP_BACnet_Master"), 205 + 21 + Header() + 12);
}
