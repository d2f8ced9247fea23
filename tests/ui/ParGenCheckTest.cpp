#include "ParGenFixture.h"

#include "core/ULanguage.h"
#include "core/UComon.h"
#include "ui/ParGenCheck.h"
#include "ui/ParGenRows.h"
#include "widgets/button/SbButton.h"

#include <QFile>
#include <QTest>
#include <utility>
#include <vector>

namespace {

using ParGenCheck = ParGenDialog;

// Entries changed from the defaults (with a valid poll time), and the text of the error expected.
struct CheckCase {
    std::vector<std::pair<const char*, const char*>> set;
    int error;  // 0: every check passes
};


const CheckCase kCases[] = {
    // IEC 61850 server
    {{{"E_IEC61850_Server_IP1", "256"}}, 607},
    {{{"E_IEC61850_Server_IP4", ""}}, 610},
    {{{"E_IEC61850_Server_SM2", "-1"}}, 612},
    {{{"E_IEC61850_Server_GAT3", "300"}}, 0},
    {{{"CB_IEC61850_Server_En_GAT", "1"}, {"E_IEC61850_Server_GAT3", "300"}}, 617},
    {{{"E_IEC61850_Server_DNS4", "x"}}, 0},
    {{{"CB_IEC61850_Server_En_DNS", "1"}, {"E_IEC61850_Server_DNS4", "x"}}, 1931},
    {{{"E_IEC61850_Server_Port", "10000"}}, 437},
    {{{"E_IEC61850_Server_Port", "65536"}}, 437},
    {{{"E_IEC61850_Server_Port", "abc"}}, 437},
    {{{"E_IEC61850_Server_Port", "-1"}}, 437},
    {{{"E_IEC61850_Server_Port", ""}}, 437},
    {{{"E_IEC61850_Server_Port", "9999"}}, 0},
    {{{"E_IEC61850_Server_Port", "10001"}}, 0},
    {{{"E_IEC61850_Server_Port", "0"}}, 0},
    {{{"E_IEC61850_Server_Port", "65535"}}, 0},
    // BACnet MS/TP: only its own fields count
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Device_Name", "dev_1"}}, 767},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_MAC_Address", "128"}}, 769},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Max_Master", "0"}}, 770},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Max_Master", "128"}}, 770},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Max_Master", "127"}}, 0},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Max_Info_Frame", "101"}}, 771},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Max_Info_Frame", "100"}}, 0},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Device_Instance", "4194304"}}, 772},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Device_Instance", "4194303"}}, 0},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Network", "65535"}}, 773},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_MSTP_Slave_Network", "65534"}}, 0},
    {{{"CB_BACnet_Slave_Type", "1"}, {"E_BACnet_IP_Slave_IP1", "300"}}, 0},
    // BACnet/IP
    {{{"E_BACnet_MSTP_Slave_MAC_Address", "200"}}, 0},
    {{{"E_BACnet_IP_Slave_IP1", "300"}}, 754},
    {{{"E_BACnet_IP_Slave_SM4", ""}}, 761},
    {{{"E_BACnet_IP_Slave_GAT2", "256"}}, 0},
    {{{"CB_BACnet_IP_Slave_GAT", "1"}, {"E_BACnet_IP_Slave_GAT2", "256"}}, 763},
    {{{"E_BACnet_IP_Slave_Port", "10001"}}, 766},
    {{{"E_BACnet_IP_Slave_Port", "10000"}}, 766},
    {{{"E_BACnet_IP_Slave_Port", "47808"}}, 0},
    {{{"E_BACnet_IP_Slave_Device_Name", "a b"}}, 767},
    {{{"E_BACnet_IP_Slave_Device_Name", "ABC123"}}, 0},
    {{{"E_BACnet_IP_Slave_Device_Name", ""}}, 0},
    {{{"E_BACnet_IP_Slave_Device_Identifier", "4194304"}}, 768},
    // NTP
    {{{"E_NTP_Poll_Time", ""}}, 1921},
    {{{"E_NTP_Poll_Time", "10000001"}}, 1921},
    {{{"E_NTP_Poll_Time", "0"}}, 0},
    {{{"E_NTP_Poll_Time", "10000000"}}, 0},
    // Only the first failure in the fixed order is reported.
    {{{"E_IEC61850_Server_SM1", "999"}, {"E_NTP_Poll_Time", ""}}, 611},
    {{{"E_BACnet_IP_Slave_Port", "1"}, {"E_BACnet_IP_Slave_IP3", "x"}, {"E_IEC61850_Server_Port", "10000"}}, 437},
    {{{"E_BACnet_IP_Slave_Device_Identifier", "-5"}, {"E_BACnet_IP_Slave_SM1", "256"}}, 758},
};

} // namespace

TEST_F(ParGenCheck, StopsAtTheFirstFailingCheckInItsFixedOrderWithOneErrorBox)
{
    for (const CheckCase& c : kCases) {
        std::string trace;
        for (const auto& [name, value] : c.set)
            trace += std::string(name) + "=\"" + value + "\" ";
        SCOPED_TRACE(trace);
        TFParGen& d = Show();
        Set("E_NTP_Poll_Time", "60");
        for (const auto& [name, value] : c.set)
            Set(QString::fromLatin1(name), QString::fromLatin1(value));
        boxes.clear();
        EXPECT_EQ(d.Controllo_Dati(), c.error == 0);
        if (c.error == 0) {
            EXPECT_TRUE(boxes.texts().isEmpty());
        } else {
            ASSERT_EQ(boxes.requests().size(), 1u);
            EXPECT_EQ(boxes.texts()[0], Lang(c.error));
            EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
            EXPECT_TRUE(boxes.requests()[0].Buttons == TMsgDlgButtons{TMsgDlgBtn::mbOK});
        }
        d.hide();
    }
}

TEST_F(ParGenCheck, OkWithAnErrorWritesNothingAndKeepsTheEntries)
{
    TFParGen& d = Show();
    Set("E_NTP_Poll_Time", "60");
    Set("E_IEC61850_Server_IP2", "777");
    QTest::mouseClick(d.Btn_OK, Qt::LeftButton);
    EXPECT_EQ(boxes.texts(), QStringList{Lang(608)});
    EXPECT_FALSE(QFile::exists(File_ParGen));
    EXPECT_EQ(d.ModalResult(), mrNone);
    EXPECT_EQ(d.Controls().Control("E_IEC61850_Server_IP2")->property("text").toString(), "777");
}

TEST(CheckDeviceName, OnlyDigitsAndBasicLatinLettersPass)
{
    const std::pair<const char*, bool> cases[] = {
        {"", false}, {"devicename1", false}, {"ABCxyz09", false}, {"a b", true}, {"a-b", true},
        {"a_b", true}, {"a.b", true}, {"caf\xC3\xA9", true}, {"Z", false}, {"9", false}, {"@", true}, {"[", true},
    };
    for (const auto& [name, error] : cases)
        EXPECT_EQ(Check_Device_Name(QString::fromUtf8(name)), error) << name;
}
