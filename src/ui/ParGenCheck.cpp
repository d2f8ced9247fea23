#include "ui/ParGenCheck.h"

#include "core/UComon.h"
#include "ui/ParGenEdit.h"
#include "ui/ParGenRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <cstdint>

namespace {

// Which BACnet type a check belongs to: any list index but 0 (none chosen too) is MS/TP.
enum class TSide { Both, IP, MSTP };

// A number range (with up to two refused values), or with Name the device-name rule. With Count 4
// the controls Control1 ... Control4 are checked with the texts Text ... Text + 3.
struct TParCheck {
    const char* Control;
    int Count;
    std::int64_t Min;
    std::int64_t Max;
    int Text;
    TSide Side = TSide::Both;
    const char* OnlyWhen = nullptr;  // checked only while this box is checked
    std::int64_t Refused1 = -1;  // -1: none (no range admits it)
    std::int64_t Refused2 = -1;
    bool Name = false;
};

constexpr TParCheck Name(const char* control, TSide side)
{
    return {control, 1, 0, 0, 767, side, nullptr, -1, -1, true};
}

constexpr TParCheck kChecks[] = {
    {"E_IEC61850_Server_IP", 4, 0, 255, 607},
    {"E_IEC61850_Server_SM", 4, 0, 255, 611},
    {"E_IEC61850_Server_GAT", 4, 0, 255, 615, TSide::Both, "CB_IEC61850_Server_En_GAT"},
    {"E_IEC61850_Server_DNS", 4, 0, 255, 1928, TSide::Both, "CB_IEC61850_Server_En_DNS"},
    {"E_IEC61850_Server_Port", 1, 0, 65535, 437, TSide::Both, nullptr, 10000},
    Name("E_BACnet_MSTP_Slave_Device_Name", TSide::MSTP),
    {"E_BACnet_MSTP_Slave_MAC_Address", 1, 0, 127, 769, TSide::MSTP},
    {"E_BACnet_MSTP_Slave_Max_Master", 1, 1, 127, 770, TSide::MSTP},
    {"E_BACnet_MSTP_Slave_Max_Info_Frame", 1, 1, 100, 771, TSide::MSTP},
    {"E_BACnet_MSTP_Slave_Device_Instance", 1, 0, 4194303, 772, TSide::MSTP},
    {"E_BACnet_MSTP_Slave_Network", 1, 1, 65534, 773, TSide::MSTP},
    {"E_BACnet_IP_Slave_IP", 4, 0, 255, 754, TSide::IP},
    {"E_BACnet_IP_Slave_SM", 4, 0, 255, 758, TSide::IP},
    {"E_BACnet_IP_Slave_GAT", 4, 0, 255, 762, TSide::IP, "CB_BACnet_IP_Slave_GAT"},
    {"E_BACnet_IP_Slave_Port", 1, 0, 65535, 766, TSide::IP, nullptr, 10000, 10001},
    Name("E_BACnet_IP_Slave_Device_Name", TSide::IP),
    {"E_BACnet_IP_Slave_Device_Identifier", 1, 0, 4194303, 768, TSide::IP},
    {"E_NTP_Poll_Time", 1, 0, 10000000, 1921},
};

// A text that is not a whole number reads as -1, which no range admits.
std::int64_t Number(const QString& text)
{
    return Read_Whole_Number(text).value_or(-1);
}

bool Passes(const TParCheck& c, const QString& text)
{
    if (c.Name)
        return !Check_Device_Name(text);
    const std::int64_t n = Number(text);
    return n >= c.Min && n <= c.Max && n != c.Refused1 && n != c.Refused2;
}

} // namespace

bool Check_Device_Name(const QString& Name)
{
    for (const QChar ch : Name) {
        const char16_t u = ch.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')))
            return true;
    }
    return false;
}

int First_ParGen_Error(const TParControls& controls)
{
    const bool ip = controls.List(QStringLiteral("CB_BACnet_Slave_Type"))->currentIndex() == 0;
    for (const TParCheck& c : kChecks) {
        if ((c.Side == TSide::IP && !ip) || (c.Side == TSide::MSTP && ip))
            continue;
        if (c.OnlyWhen && !controls.Box(QString::fromLatin1(c.OnlyWhen))->isChecked())
            continue;
        for (int i = 0; i < c.Count; ++i) {
            const QString name = QString::fromLatin1(c.Control) + (c.Count > 1 ? QString::number(i + 1) : QString());
            if (!Passes(c, controls.Edit(name)->text()))
                return c.Text + i;
        }
    }
    return 0;
}
