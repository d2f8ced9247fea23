#include "ui/ParGenPanels.h"

#include "ui/ParGenRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <array>
#include <iterator>

namespace {

constexpr const char* kSerials = "RS232|RS485";
constexpr const char* kSerialBauds = "1200|2400|4800|9600|19200|38400|57600|115200";
constexpr const char* kParities = "NONE|ODD|EVEN";
constexpr const char* kStopBits = "1 Stop Bits|2 Stop Bits";
constexpr const char* kBACnetBauds = "9600|19200|38400|57600|76800|115200";
constexpr const char* kCANBauds = "10K|20K|50K|62.5K|100K|125K|250K|500K|800K|1000K";
constexpr const char* kBACnetTypes = "BACnet/IP|BACnet MS/TP";

// Layout groups: T rows shown while TLS is on, I BACnet/IP, M BACnet MS/TP, V SNMP version 3,
// A SNMP authority, P SNMP privacy, W MQTT will.

constexpr TParRow kIEC61850_Server[] = {
    Octets("E_IEC61850_Server_IP", 591, 592, "192.168.0.10").With(fDotChain),
    Octets("E_IEC61850_Server_SM", 596, 597, "255.255.255.0").With(fDotChain),
    CheckOctets("CB_IEC61850_Server_En_GAT", 601, 602, "E_IEC61850_Server_GAT", 603, "192.168.0.1")
        .With(fNoClick | fDotChain),
    CheckOctets("CB_IEC61850_Server_En_DNS", 1922, 1923, "E_IEC61850_Server_DNS", 1924, "8.8.8.8")
        .With(fNoClick | fDotChain | fTabLast),
    Edit("E_IEC61850_Server_Port", 407, 408, "102"),
    Edit("E_IEC61850_Server_Password", 409, 410),
};

constexpr TParRow kTLS_Server[] = {
    Check("CB_TLS_Server_Enable", 412, 413),
    Memo("E_TLS_Server_Key", 414, 415).In('T'),
    Edit("E_TLS_Server_Key_Pass", 416, 417).In('T'),
    Memo("E_TLS_Server_Server_Cert", 418, 419).In('T'),
    Memo("E_TLS_Server_Root_Cert", 420, 421).In('T'),
    Check("CB_TLS_Server_En_Known_Cert", 422, 423).In('T'),
};

constexpr TParRow kModbus_Master[] = {
    List("CB_ModbusMaster_Serial", 425, 426, kSerials, "RS232"),
    List("CB_ModbusMaster_Baudrate", 427, 428, kSerialBauds, "115200"),
    List("CB_ModbusMaster_Parity", 429, 430, kParities, "NONE"),
    List("CB_ModbusMaster_StopBits", 431, 432, kStopBits, "1 Stop Bits"),
    Edit("E_ModbusMaster_TimeOut", 433, 434, "1000"),
    Edit("E_ModbusMaster_CyclicDelay", 435, 436, "100"),
};

constexpr TParRow kEthernet[] = {
    Octets("E_Ethernet_IP", 443, 444),
    Octets("E_Ethernet_SM", 448, 449),
    CheckOctets("CB_Ethernet_En_GAT", 453, 454, "E_Ethernet_GAT", 455),
    CheckOctets("CB_Ethernet_DNS", 459, 460, "E_Ethernet_DNS", 461),
    Edit("E_Ethernet_TCP_Port", 465, 466),
    Edit("E_Ethernet_UDP_Port", 467, 468),
};

constexpr TParRow kModbus_TCP_Master[] = {
    Octets("E_ModbusTCPMaster_IP", 488, 489),
    Octets("E_ModbusTCPMaster_SM", 493, 494),
    CheckOctets("CB_ModbusTCPMaster_En_GAT", 498, 499, "E_ModbusTCPMaster_GAT", 500),
    Edit("E_ModbusTCPMaster_TimeOut", 504, 505, "1000"),
    Edit("E_ModbusTCPMaster_CyclicDelay", 506, 507, "100"),
};

constexpr TParRow kSerial[] = {
    List("CB_Serial_Serial", 523, 524, kSerials, "RS232"),
    List("CB_Serial_Baudrate", 525, 526, kSerialBauds, "115200"),
    List("Cb_Serial_Parity", 527, 528, kParities, "NONE"),
    List("CB_Serial_StopBits", 529, 530, kStopBits, "1 Stop Bits"),
};

constexpr TParRow kPROFINET[] = {
    Octets("E_PROFINET_IP", 533, 534),
    Octets("E_PROFINET_SM", 538, 539),
    CheckOctets("CB_PROFINET_GAT", 543, 544, "E_PROFINET_GAT", 545).With(fNoClick),
    Edit("E_PROFINET_TunnelPort", 549, 550, "502"),
    Edit("E_PROFINET_NameStation", 551, 552, "devicename1").Name15(),
    Edit("E_PROFINET_NByte_In", 553, 554, "1438"),
    Edit("E_PROFINET_NByte_Out", 555, 556, "1438"),
    CheckEdit("CB_PROFINET_Diagnostic", 557, 558, "E_PROFINET_Diagnostic", 559, "0").With(fNoClick),
};

constexpr TParRow kModbus_Slave[] = {
    List("CB_ModbusSlave_Serial", 577, 578, kSerials, "RS232"),
    List("CB_ModbusSlave_Baudrate", 579, 580, kSerialBauds, "115200"),
    List("CB_ModbusSlave_Parity", 581, 582, kParities, "NONE"),
    List("CB_ModbusSlave_StopBits", 583, 584, kStopBits, "1 Stop Bits"),
    Edit("E_ModbusSlave_IDDevice", 585, 586, "1"),
    Check("CB_ModbusSlave_ReadInput", 587, 588),
};

constexpr TParRow kModbus_TCP_Slave[] = {
    Octets("E_ModbusTCPSlave_IP", 620, 621),
    Octets("E_ModbusTCPSlave_SM", 625, 626),
    CheckOctets("CB_ModbusTCPSlave_En_GAT", 630, 631, "E_ModbusTCPSlave_GAT", 632),
    Edit("E_ModbusTCPSlave_Port", 636, 637, "502"),
};

constexpr TParRow kBACnet_Master[] = {
    List("CB_BACnet_Master_Type", 652, 653, kBACnetTypes, "BACnet/IP"),
    Octets("E_BACnet_IP_Master_IP", 654, 655).In('I'),
    Octets("E_BACnet_IP_Master_SM", 659, 660).In('I'),
    CheckOctets("CB_BACnet_IP_Master_GAT", 664, 665, "E_BACnet_IP_Master_GAT", 666).In('I'),
    Edit("E_BACnet_IP_Master_Port", 670, 671, "502").In('I'),
    Edit("E_BACnet_IP_Master_Device_Name", 672, 673, "devicename1").Name15().In('I'),
    Edit("E_BACnet_IP_Master_Device_Identifier", 674, 675, "502").In('I'),
    Edit("E_BACnet_IP_Master_TimeOut_Polling", 676, 677, "2000").In('I'),
    List("CB_BACnet_MSTP_Master_Baudrate", 678, 679, kBACnetBauds, "115200").In('M'),
    List("CB_BACnet_MSTP_Master_Parity", 680, 681, kParities, "NONE").In('M'),
    Edit("E_BACnet_MSTP_Master_Device_Name", 682, 683, "devicename1").Name15().In('M'),
    Edit("E_BACnet_MSTP_Master_MAC_Address", 684, 685, "502").In('M'),
    Edit("E_BACnet_MSTP_Master_Max_Master", 686, 687, "devicename1").Name15().In('M'),
    Edit("E_BACnet_MSTP_Master_Max_Info_Frame", 688, 689, "502").In('M'),
    Edit("E_BACnet_MSTP_Master_Device_Instance", 690, 691, "devicename1").Name15().In('M'),
};

constexpr TParRow kBACnet_Slave[] = {
    List("CB_BACnet_Slave_Type", 712, 713, kBACnetTypes, "BACnet/IP"),
    Octets("E_BACnet_IP_Slave_IP", 714, 715, "192.168.0.5").In('I').With(fDotChain),
    Octets("E_BACnet_IP_Slave_SM", 719, 720, "255.255.255.0").In('I').With(fDotChain),
    CheckOctets("CB_BACnet_IP_Slave_GAT", 724, 725, "E_BACnet_IP_Slave_GAT", 726, "192.168.0.1").In('I').With(fDotChain),
    Edit("E_BACnet_IP_Slave_Port", 730, 731, "47808").In('I'),
    Edit("E_BACnet_IP_Slave_Device_Name", 732, 733, "devicename1").Name15().In('I'),
    Edit("E_BACnet_IP_Slave_Device_Identifier", 734, 735, "1").In('I'),
    List("CB_BACnet_MSTP_Slave_Baudrate", 736, 737, kBACnetBauds, "57600").In('M'),
    List("CB_BACnet_MSTP_Slave_Parity", 738, 739, kParities, "NONE").In('M'),
    Edit("E_BACnet_MSTP_Slave_Device_Name", 740, 741, "devicename1").Name15().In('M'),
    Edit("E_BACnet_MSTP_Slave_MAC_Address", 742, 743, "0").In('M'),
    Edit("E_BACnet_MSTP_Slave_Max_Master", 744, 745, "1").Max(15).In('M'),
    Edit("E_BACnet_MSTP_Slave_Max_Info_Frame", 746, 747, "1").In('M'),
    Edit("E_BACnet_MSTP_Slave_Device_Instance", 748, 749, "1").Max(15).In('M'),
    Edit("E_BACnet_MSTP_Slave_Network", 750, 751, "1").In('M'),
    Check("CB_BACnet_Slave_Desc_32_Chars", 752, 753),
};

constexpr TParRow kCAN[] = {
    List("CB_CAN_Baudrate", 775, 776, kCANBauds, "1000K"),
};

constexpr TParRow kCANopen[] = {
    Edit("E_CANopen_IDDevice", 778, 779),
    List("CB_CANopen_Baudrate", 780, 781, "10K|20K|50K|100K|125K|250K|500K|800K|1000K|", "1000K"),
    Check("CB_CANopen_SetOpe", 782, 783),
    CheckEdit("CB_CANopen_NetOpe", 784, 785, "E_CANopen_NetOpe_Delay", 786).BoxWide(293).At(313, 116),
    Edit("E_CANopen_SDO_Timeout", 787, 788, "1").At(252, 177),
};

constexpr TParRow kDeviceNet_Master[] = {
    Edit("E_DeviceNet_Master_IDDevice", 793, 794),
    List("CB_DeviceNet_Master_Baudrate", 795, 796, "125K|250K|500K", "500K"),
};

constexpr TParRow kDeviceNet_Slave[] = {
    Edit("E_DeviceNet_Slave_IDDevice", 1601, 1602, "0"),
    List("CB_DeviceNet_Slave_Baudrate", 1603, 1604, "125K|250K|500K", "500K"),
    Edit("E_DeviceNet_Slave_NumByteIn", 1605, 1606, "455"),
    Edit("E_DeviceNet_Slave_NumByteOut", 1607, 1608, "455"),
};

constexpr TParRow kEtherNetIP[] = {
    Octets("E_EtherNetIP_IP", 1613, 1614),
    Octets("E_EtherNetIP_SM", 1618, 1619),
    CheckOctets("CB_EtherNetIP_GAT", 1623, 1624, "E_EtherNetIP_GAT", 1625),
    Edit("E_EtherNetIP_TunnelPort", 1629, 1630, "44818").With(fDisabled),
    Edit("E_EtherNetIP_NByte_In", 1631, 1632, "496"),
    Edit("E_EtherNetIP_NByte_Out", 1633, 1634, "496"),
};

constexpr TParRow kJ1939[] = {
    List("CB_J1939_Baudrate", 1655, 1656, kCANBauds, "1000K"),
    Edit("E_J1939_TimeOut", 1657, 1658, "0"),
    Check("CB_J1939_Enable_Peer_To_Peer", 1659, 1660),
    Edit("E_J1939_ID_Device", 1661, 1662, "1"),
};

constexpr TParRow kKNX[] = {
    List("CB_KNX_Type", 1666, 1667, "KNX TP|KNXnet/IP", "KNX TP").With(fDisabled),
    Edit("E_KNX_IDDevice", 1668, 1669, "0"),
};

constexpr TParRow kNMEA2000[] = {
    List("CB_NMEA2000_Baudrate", 1672, 1673, kCANBauds, "1000K"),
    Edit("E_NMEA2000_TimeOut", 1674, 1675, "0"),
    Check("CB_NMEA2000_Peer_To_Peer", 1676, 1677),
};

constexpr TParRow kPROFIBUS[] = {
    Edit("E_PROFIBUS_IDDevice", 1680, 1681, "0"),
    List("CB_PROFIBUS_Baudrate", 1682, 1683, "Auto Baudrate", "Auto Baudrate").With(fDisabled),
    Edit("E_PROFIBUS_NByte_In", 1684, 1685, "244"),
    Edit("E_PROFIBUS_NByte_Out", 1686, 1687, "244"),
};

constexpr TParRow kSNMP_Manager[] = {
    Octets("E_SNMP_Manager_IP", 1692, 1693),
    Octets("E_SNMP_Manager_SM", 1697, 1698),
    CheckOctets("CB_SNMP_Manager_GAT", 1702, 1703, "E_SNMP_Manager_GAT", 1704),
    Edit("E_SNMP_Manager_NameStation", 1708, 0, "devicename1").Name15(),
};

constexpr TParRow kSNMP_Agent[] = {
    Octets("E_SNMP_Agent_IP", 1722, 1723),
    Octets("E_SNMP_Agent_SM", 1727, 1728),
    CheckOctets("CB_SNMP_Agent_GAT", 1732, 1733, "E_SNMP_Agent_GAT", 1734),
    Edit("E_SNMP_Agent_NameStation", 1738, 1739, "devicename1").Name15(),
    Edit("E_SNMP_Agent_Contact", 1740, 1741).Max(16),
    Edit("E_SNMP_Agent_Location", 1742, 1743).Max(16),
    Checks("CB_SNMP_Agent_Version", 1744, 1745),
    Edit("E_SNMP_Agent_User", 1748, 1749).Max(19).In('V'),
    List("CB_SNMP_Agent_SecurityLevel", 1750, 1751, "NoAuthority NoPrivacy|Authority NoPrivacy|Authority Privacy",
         "NoAuthority NoPrivacy").In('V'),
    Edit("E_SNMP_Agent_Authority", 1752, 1753).Max(15).In('A'),
    List("CB_SNMP_Agent_AuthorityMode", 1754, 1755, "MD5|SHA", "MD5").In('A'),
    Edit("E_SNMP_Agent_Privacy", 1756, 1757).Max(15).In('P'),
    List("CB_SNMP_Agent_PrivacyMode", 1758, 1759, "DES|AES", "DES").In('P'),
};

constexpr TParRow kMQTT[] = {
    Edit("E_MQTT_Server", 1773, 1774),
    Edit("E_MQTT_Server_Port", 1775, 1776, "1883"),
    Edit("E_MQTT_Client_ID", 1777, 1778),
    Edit("E_MQTT_Keep_Alive", 1779, 1780),
    Check("CB_MQTT_Clean_Session", 1781, 1782),
    Check("CB_MQTT_WillFlag", 1783, 1784),
    Edit("E_MQTT_Will_TopicName", 1785, 1786).In('W'),
    Edit("E_MQTT_Will_Message", 1787, 1788).In('W'),
    Check("CB_MQTT_Will_Retained", 1789, 1790).In('W'),
    List("CB_MQTT_Will_QoS", 1791, 1792, "0|1|2", "0").In('W'),
    Edit("E_MQTT_Username", 1793, 1794),
    Memo("E_MQTT_Password", 1795, 1796),
    Edit("E_MQTT_ASync_Send_Time", 1797, 1798),
};

constexpr TParRow kWiFi[] = {
    TextList("CB_WiFi_Type", 1800, 1801, 1802, 3),
    Check("CB_WiFi_IP_Auto", 1805, 1806),
    Octets("E_WiFi_IP", 1807, 1808),
    Octets("E_WiFi_SM", 1812, 1813),
    CheckOctets("CB_WiFi_En_Gat", 1817, 1818, "E_WiFi_GAT", 1819),
    CheckOctets("CB_WiFi_En_DNS", 1823, 1824, "E_WiFi_DNS", 1825),
    Edit("E_WiFi_Port", 1829, 1830),
    Check("CB_WiFi_En_WPS", 1831, 1832),
    Edit("E_WiFi_SSID", 1833, 1834),
    Edit("E_WiFi_Password", 1835, 1836),
    TextList("CB_WiFi_Secure_Type", 1837, 1838, 1839, 4),
    Check("CB_WiFi_En_DHCP", 1843, 1844),
    Octets("E_WiFi_DHCP_First_IP", 1845, 1846),
    Octets("E_WiFi_DHCP_SM", 1850, 1851),
    Edit("E_WiFi_Lease_Time", 1855, 1856),
    Edit("E_WiFi_Name", 1857, 1858),
    List("CB_WiFi_Max_Client", 1859, 1860, "1|2|3|4|5|6|7|8|9|10", "10"),
    TextList("CB_WiFi_Channel", 1861, 1862, 1863, 12),
};

constexpr TParRow kTLS[] = {
    Check("CB_TLS_Enable", 1902, 1903),
    Check("CB_TLS_En_Server_Auth", 1904, 1905),
    Memo("E_TLS_Server_Cert", 1906, 1907),
    Check("CB_TLS_En_Client_Auth", 1908, 1909),
    Memo("E_TLS_Client_Cert", 1910, 1911),
    Memo("E_TLS_Client_Cert_Key", 1912, 1913),
    Edit("E_TLS_Client_Cert_Key_Pass", 1914, 1915),
};

constexpr TParRow kNTP[] = {
    Edit("E_NTP_Server_URL", 1917, 1918),
    Edit("E_NTP_Poll_Time", 1919, 1920),
};

bool Checked(const TParControls& c, const char* box)
{
    return c.Box(QString::fromLatin1(box))->isChecked();
}

int Index(const TParControls& c, const char* list)
{
    return c.List(QString::fromLatin1(list))->currentIndex();
}

void RePosition_Object_TLS_Server(const TParPanelRows& rows, const TParControls& c)
{
    rows.Stack(Checked(c, "CB_TLS_Server_Enable") ? "T" : "");
}

void RePosition_Object_BACnet_Slave(const TParPanelRows& rows, const TParControls& c)
{
    rows.Stack(Index(c, "CB_BACnet_Slave_Type") == 0 ? "I" : "M");
}

void RePosition_Object_BACnet_Master(const TParPanelRows& rows, const TParControls& c)
{
    rows.Stack(Index(c, "CB_BACnet_Master_Type") == 0 ? "I" : "M");
}

void RePosition_Object_SNMP_Agent(const TParPanelRows& rows, const TParControls& c)
{
    if (!Checked(c, "CB_SNMP_Agent_Version3"))
        return rows.Stack("");
    const int level = Index(c, "CB_SNMP_Agent_SecurityLevel");
    rows.Stack(level == 0 ? "V" : level == 1 ? "VA" : "VAP");
}

void RePosition_Object_MQTT(const TParPanelRows& rows, const TParControls& c)
{
    rows.Stack(Checked(c, "CB_MQTT_WillFlag") ? "W" : "");
}

void RePosition_Object_TLS(const TParPanelRows& rows, const TParControls& c)
{
    rows.Hide_All();
    int y = rows.Stack_From({"CB_TLS_Enable"}, kFirstRowY);
    if (Checked(c, "CB_TLS_Enable")) {
        y = rows.Stack_From({"CB_TLS_En_Server_Auth"}, y);
        // The client box lines up with the certificate's edit, not with its label.
        if (Checked(c, "CB_TLS_En_Server_Auth"))
            y = rows.Stack_From({"E_TLS_Server_Cert"}, y) - 3;
        y = rows.Stack_From({"CB_TLS_En_Client_Auth"}, y);
        if (Checked(c, "CB_TLS_En_Client_Auth"))
            rows.Stack_From({"E_TLS_Client_Cert", "E_TLS_Client_Cert_Key", "E_TLS_Client_Cert_Key_Pass"}, y);
    }
    rows.Fit_Height();
}

void RePosition_Object_WiFi(const TParPanelRows& rows, const TParControls& c)
{
    const int type = Index(c, "CB_WiFi_Type");
    if (type != 0 && type != 1)
        return;  // WiFi Direct keeps the panel as it is
    rows.Hide_All();
    int y = rows.Stack_From({"CB_WiFi_Type"}, kFirstRowY);
    if (type == 0) {
        y = rows.Stack_From({"E_WiFi_IP", "E_WiFi_SM", "E_WiFi_GAT", "E_WiFi_DNS", "E_WiFi_Port", "E_WiFi_SSID",
                             "CB_WiFi_Secure_Type"}, y);
        if (Index(c, "CB_WiFi_Secure_Type") != 0)
            y = rows.Stack_From({"E_WiFi_Password"}, y);
        y = rows.Stack_From({"CB_WiFi_En_DHCP"}, y);
        if (Checked(c, "CB_WiFi_En_DHCP"))
            y = rows.Stack_From({"E_WiFi_DHCP_First_IP", "E_WiFi_DHCP_SM", "E_WiFi_Lease_Time"}, y);
        rows.Stack_From({"CB_WiFi_Max_Client", "CB_WiFi_Channel"}, y);
    } else {
        y = rows.Stack_From({"CB_WiFi_IP_Auto"}, y);
        if (Checked(c, "CB_WiFi_IP_Auto"))
            y = rows.Stack_From({"E_WiFi_Name"}, y);
        else
            y = rows.Stack_From({"E_WiFi_IP", "E_WiFi_SM", "E_WiFi_GAT", "E_WiFi_DNS"}, y);
        rows.Stack_From({"E_WiFi_Port", "E_WiFi_SSID", "E_WiFi_Password"}, y);
    }
    rows.Fit_Height();
}

void RePosition_Object_Ethernet(const TParPanelRows& rows, const TParControls&)
{
    rows.Stack("");
}

template <std::size_t N>
constexpr TParPanelDef Panel(const char* name, int title, const TParRow (&rows)[N],
                             void (*rePosition)(const TParPanelRows&, const TParControls&) = nullptr)
{
    return {name, title, rows, static_cast<int>(N), rePosition};
}

const std::array<TParPanelDef, kParPanelCount> kPanels = {
    Panel("CP_IEC61850_Server", 406, kIEC61850_Server),
    Panel("CP_TLS_Server", 411, kTLS_Server, RePosition_Object_TLS_Server),
    Panel("CP_Modbus_Master", 424, kModbus_Master),
    Panel("CP_Ethernet", 442, kEthernet, RePosition_Object_Ethernet),
    Panel("CP_Modbus_TCP_Master", 487, kModbus_TCP_Master),
    Panel("CP_Serial", 522, kSerial),
    Panel("CP_PROFINET", 532, kPROFINET),
    Panel("CP_Modbus_Slave", 576, kModbus_Slave),
    Panel("CP_Modbus_TCP_Slave", 619, kModbus_TCP_Slave),
    Panel("CP_BACnet_Master", 651, kBACnet_Master, RePosition_Object_BACnet_Master),
    Panel("CP_BACnet_Slave", 711, kBACnet_Slave, RePosition_Object_BACnet_Slave),
    Panel("CP_CAN", 774, kCAN),
    Panel("CP_CANopen", 777, kCANopen),
    Panel("CP_DeviceNet_Master", 792, kDeviceNet_Master),
    Panel("CP_DeviceNet_Slave", 1600, kDeviceNet_Slave),
    Panel("CP_EtherNetIP", 1612, kEtherNetIP),
    Panel("CP_J1939", 1654, kJ1939),
    Panel("CP_KNX", 1665, kKNX),
    Panel("CP_NMEA2000", 1671, kNMEA2000),
    Panel("CP_PROFIBUS", 1679, kPROFIBUS),
    Panel("CP_SNMP_Manager", 1691, kSNMP_Manager),
    Panel("CP_SNMP_Agent", 1721, kSNMP_Agent, RePosition_Object_SNMP_Agent),
    Panel("CP_MQTT", 1772, kMQTT, RePosition_Object_MQTT),
    Panel("CP_WiFi", 1799, kWiFi, RePosition_Object_WiFi),
    Panel("CP_TLS", 1901, kTLS, RePosition_Object_TLS),
    Panel("CP_NTP", 1916, kNTP),
};

} // namespace

const TParPanelDef& ParGen_Panel(TParPanelId id)
{
    return kPanels[static_cast<std::size_t>(id)];
}

void RePosition_Object(TParPanelId id, const TParPanelRows& rows, const TParControls& controls)
{
    const TParPanelDef& def = ParGen_Panel(id);
    if (def.RePosition)
        def.RePosition(rows, controls);
    else
        rows.Fit_Height();
}

const TParGenModel* Find_ParGen_Model(int model)
{
    using P = TParPanelId;
    // Every model shows the IEC 61850 server and TLS server first and NTP last; the middle is its other side.
    static const auto kModels = [] {
        std::vector<TParGenModel> models;
        auto add = [&models](int number, std::vector<P> middle, std::vector<P> rePositionMiddle) {
            TParGenModel m{number, {P::IEC61850_Server, P::TLS_Server}, {P::IEC61850_Server, P::TLS_Server}};
            m.Panels.insert(m.Panels.end(), middle.begin(), middle.end());
            m.Panels.push_back(P::NTP);
            m.RePosition.insert(m.RePosition.end(), rePositionMiddle.begin(), rePositionMiddle.end());
            m.RePosition.push_back(P::NTP);
            models.push_back(std::move(m));
        };
        const std::pair<int, P> single[] = {
            {48128, P::Modbus_Master}, {48131, P::Modbus_Slave}, {48134, P::Modbus_TCP_Master},
            {48137, P::Modbus_TCP_Slave}, {48140, P::BACnet_Master}, {48143, P::BACnet_Slave}, {48146, P::CAN},
            {48149, P::CANopen}, {48152, P::DeviceNet_Master}, {48155, P::DeviceNet_Slave}, {48158, P::EtherNetIP},
            {48161, P::J1939}, {48164, P::KNX}, {48170, P::NMEA2000}, {48173, P::PROFIBUS}, {48176, P::PROFINET},
            {48179, P::SNMP_Manager}, {48182, P::SNMP_Agent},
        };
        for (const auto& [number, side] : single)
            add(number, {side}, {side});
        const std::vector<P> iot = {P::MQTT, P::Ethernet, P::WiFi, P::TLS};
        add(48167, iot, iot);
        // The serial model lays out the Ethernet panel too, though it does not show it.
        add(48185, {P::Serial}, {P::Serial, P::Ethernet});
        return models;
    }();
    for (const TParGenModel& m : kModels)
        if (m.Model == model)
            return &m;
    return nullptr;
}
