#include "descfiles/UProfinetXML.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "descfiles/DescProject.h"
#include "descfiles/DescText.h"
#include "platform/Dialogs.h"
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace {

const char* const Device_Profile = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";

// Attribute values may come from the project (the station name): they are escaped, and characters
// that XML 1.0 cannot hold at all are left out.
QString Xml_Value(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        case '\t': out += QStringLiteral("&#9;"); break;
        case '\n': out += QStringLiteral("&#10;"); break;
        case '\r': out += QStringLiteral("&#13;"); break;
        default:
            if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF)
                out += c;
        }
    }
    return out;
}

// The document as lines, one tab of indentation per level.
class TXml_Lines {
public:
    using Attrs = std::initializer_list<std::pair<const char*, QString>>;

    void Open(const char* name, Attrs attrs = {})
    {
        Add(QLatin1Char('<') + QLatin1String(name) + Attributes(attrs) + QLatin1Char('>'));
        ++Depth;
    }
    void Close(const char* name)
    {
        --Depth;
        Add(QStringLiteral("</") + QLatin1String(name) + QLatin1Char('>'));
    }
    void Leaf(const char* name, Attrs attrs) { Add(Tag(name, attrs)); }
    void Text(const char* name, const char* text)
    {
        Add(QStringLiteral("<%1>%2</%1>").arg(QLatin1String(name), QLatin1String(text)));
    }
    // An element holding one empty element, on one line.
    void Wrapped(const char* outer, const char* name, Attrs attrs)
    {
        Add(QStringLiteral("<%1>%2</%1>").arg(QLatin1String(outer), Tag(name, attrs)));
    }
    void Comment(const QString& text) { Add(QStringLiteral("<!--") + text + QStringLiteral("-->")); }
    void Add(const QString& line) { L << QString(Depth, QLatin1Char('\t')) + line; }

    static QString Tag(const char* name, Attrs attrs)
    {
        return QLatin1Char('<') + QLatin1String(name) + Attributes(attrs) + QStringLiteral("/>");
    }
    static QString Attributes(Attrs attrs)
    {
        QString out;
        for (const auto& [name, value] : attrs)
            out += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), Xml_Value(value));
        return out;
    }

    QStringList L;
    int Depth = 0;
};

using S = QString;

void Header(TXml_Lines& x)
{
    x.Add(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    x.Comment(QStringLiteral(" A fieldbus integration example. "));
    x.Open("ISO15745Profile",
           {{"xmlns", S(Device_Profile)},
            {"xmlns:xsi", S("http://www.w3.org/2001/XMLSchema-instance")},
            {"xsi:schemaLocation", S(Device_Profile) + S(" ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd")}});
    x.Open("ProfileHeader");
    x.Text("ProfileIdentification", "PROFINET Device Profile");
    x.Text("ProfileRevision", "1.00");
    x.Text("ProfileName", "Device Profile for PROFINET Devices");
    x.Text("ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
    x.Text("ProfileClassID", "Device");
    x.Open("ISO15745Reference");
    x.Text("ISO15745Part", "4");
    x.Text("ISO15745Edition", "1");
    x.Text("ProfileTechnology", "GSDML");
    x.Close("ISO15745Reference");
    x.Close("ProfileHeader");
}

void Access_Point(TXml_Lines& x, const QString& station)
{
    x.Open("DeviceAccessPointList");
    x.Open("DeviceAccessPointItem",
           {{"PNIO_Version", S("V2.3")}, {"RequiredSchemaVersion", S("V2.25")}, {"ID", S("IDD_1")},
            {"PhysicalSlots", S("0..4")}, {"ModuleIdentNumber", S("0x00000001")}, {"MinDeviceInterval", S("64")},
            {"ImplementationType", station}, {"DNS_CompatibleName", station}, {"FixedInSlots", S("0")},
            {"ObjectUUID_LocalIndex", S("1")}, {"MultipleWriteSupported", S("true")},
            {"MaxSupportedRecordSize", S("8192")}, {"ParameterizationSpeedupSupported", S("true")},
            {"PowerOnToCommReady", S("350")}, {"DeviceAccessSupported", S("true")},
            {"SharedDeviceSupported", S("true")}, {"CheckDeviceID_Allowed", S("false")},
            {"NameOfStationNotTransferable", S("true")}});
    x.Open("ModuleInfo");
    x.Leaf("Name", {{"TextId", S("IDT_NAME_DAP1")}});
    x.Leaf("InfoText", {{"TextId", S("IDT_INFO_DAP1")}});
    x.Leaf("VendorName", {{"Value", S("Velmor")}});
    x.Leaf("OrderNumber", {{"Value", S("RZ48176")}});
    x.Close("ModuleInfo");
    x.Open("SubslotList");
    x.Leaf("SubslotItem", {{"SubslotNumber", S("0")}, {"TextId", S("IDT_SUBSLOT_1")}});
    x.Leaf("SubslotItem", {{"SubslotNumber", S("32768")}, {"TextId", S("IDT_SUBSLOT_Interface")}});
    x.Leaf("SubslotItem", {{"SubslotNumber", S("32769")}, {"TextId", S("IDT_SUBSLOT_Port1")}});
    x.Leaf("SubslotItem", {{"SubslotNumber", S("32770")}, {"TextId", S("IDT_SUBSLOT_Port2")}});
    x.Close("SubslotList");
    x.Leaf("IOConfigData", {{"MaxInputLength", S("1440")}, {"MaxOutputLength", S("1440")}, {"MaxDataLength", S("2880")}});
    x.Open("UseableModules");
    x.Leaf("ModuleItemRef", {{"ModuleItemTarget", S("IDM_1")}, {"FixedInSlots", S("1")}});
    x.Close("UseableModules");
    x.Open("VirtualSubmoduleList");
    x.Open("VirtualSubmoduleItem", {{"ID", S("IDS_V1")}, {"SubmoduleIdentNumber", S("0x00000000")}});
    x.Leaf("IOData", {{"IOPS_Length", S("1")}, {"IOCS_Length", S("1")}});
    x.Open("ModuleInfo");
    x.Leaf("Name", {{"TextId", S("IDT_NAME_VS1")}});
    x.Leaf("InfoText", {{"TextId", S("IDT_INFO_VS1")}});
    x.Close("ModuleInfo");
    x.Close("VirtualSubmoduleItem");
    x.Close("VirtualSubmoduleList");
    x.Open("SystemDefinedSubmoduleList");
    x.Open("InterfaceSubmoduleItem",
           {{"ID", S("IDS_I")}, {"SubmoduleIdentNumber", S("0x00000001")}, {"SubslotNumber", S("32768")},
            {"TextId", S("IDT_NAME_IS")}, {"SupportedRT_Classes", S("RT_CLASS_1")},
            {"SupportedProtocols", S("SNMP;LLDP")}, {"SupportedMibs", S("MIB2")}});
    x.Open("ApplicationRelations");
    x.Leaf("TimingProperties", {{"SendClock", S("32")}, {"ReductionRatio", S("1 2 4 8 16 32 64 128 256 512")}});
    x.Close("ApplicationRelations");
    x.Close("InterfaceSubmoduleItem");
    for (const char* port : {"1", "2"})
        x.Leaf("PortSubmoduleItem",
               {{"ID", S("IDS_P") + S(port)}, {"SubmoduleIdentNumber", S("0x00000002")},
                {"SubslotNumber", S(port) == S("1") ? S("32769") : S("32770")}, {"TextId", S("IDT_NAME_PS") + S(port)},
                {"MaxPortRxDelay", S("350")}, {"MaxPortTxDelay", S("160")}});
    x.Close("SystemDefinedSubmoduleList");
    x.Comment(S(" This element tells the engineering tool that the DAP supports fieldbus integration (slot clusters). "));
    x.Comment(S(" ") + TXml_Lines::Tag("FieldbusIntegrationSlots", {{"MaxSupported", S("127")}, {"Range", S("100..9999")}}) +
              S(" "));
    x.Close("DeviceAccessPointItem");
    x.Close("DeviceAccessPointList");
}

// The converter's output bytes are the controller's input, its input bytes the controller's output.
void Module(TXml_Lines& x, const TPROFINET_Parameters& p)
{
    x.Open("ModuleList");
    x.Comment(S(" The \"normal\" module carrying the FAP. "));
    x.Open("ModuleItem", {{"ID", S("IDM_1")}, {"ModuleIdentNumber", S("0x00000001")}});
    x.Open("ModuleInfo");
    x.Leaf("Name", {{"TextId", S("IDT_NAME_M1")}});
    x.Leaf("InfoText", {{"TextId", S("IDT_INFO_M1")}});
    x.Leaf("OrderNumber", {{"Value", S("12345-0040-M")}});
    x.Close("ModuleInfo");
    x.Open("VirtualSubmoduleList");
    x.Open("VirtualSubmoduleItem", {{"ID", S("IDM_1")}, {"SubmoduleIdentNumber", S("0x00000001")}});
    x.Open("IOData", {{"IOPS_Length", S("1")}, {"IOCS_Length", S("1")}});
    x.Wrapped("Input", "DataItem",
              {{"DataType", S("OctetString")}, {"Length", S::number(p.NB_OUT)}, {"TextId", S("IDT_Input_1")}});
    x.Wrapped("Output", "DataItem",
              {{"DataType", S("OctetString")}, {"Length", S::number(p.NB_IN)}, {"TextId", S("IDT_Output_1")}});
    x.Close("IOData");
    x.Open("RecordDataList");
    x.Open("ParameterRecordDataItem", {{"Index", S("128")}, {"Length", S("2")}});
    x.Leaf("Name", {{"TextId", S("IDT_NAME_M1_IDT_REF_channel")}});
    x.Leaf("Const", {{"ByteOffset", S("0")}, {"Data", S("0x00,0x00")}});
    x.Leaf("Ref", {{"TextId", S("IDT_REF_reaction_to_cpu_stop")}, {"Visible", S("true")}, {"DataType", S("BitArea")},
                   {"ByteOffset", S("0")}, {"BitOffset", S("0")}, {"BitLength", S("2")}, {"DefaultValue", S("2")},
                   {"AllowedValues", S("0..2")}, {"ValueItemTarget", S("IDV_reaction_to_cpu_stop")},
                   {"ID", S("IDT_REF_reaction_to_cpu_stop")}});
    x.Open("MenuList");
    x.Open("MenuItem", {{"ID", S("IDT_NAME_M1_IDT_REF_channel")}});
    x.Leaf("Name", {{"TextId", S("IDT_NAME_M1_IDT_REF_channel")}});
    x.Leaf("MenuRef", {{"MenuTarget", S("IDT_NAME_M1_Base_Parameters")}});
    x.Close("MenuItem");
    x.Open("MenuItem", {{"ID", S("IDT_NAME_M1_Base_Parameters")}});
    x.Leaf("Name", {{"TextId", S("IDT_NAME_M1_Base_Parameters")}});
    x.Leaf("ParameterRef", {{"ParameterTarget", S("IDT_REF_reaction_to_cpu_stop")}});
    x.Close("MenuItem");
    x.Close("MenuList");
    x.Close("ParameterRecordDataItem");
    x.Close("RecordDataList");
    x.Open("ModuleInfo");
    x.Leaf("Name", {{"TextId", S("IDT_NAME_M1")}});
    x.Leaf("InfoText", {{"TextId", S("IDT_INFO_M1")}});
    x.Close("ModuleInfo");
    x.Close("VirtualSubmoduleItem");
    x.Close("VirtualSubmoduleList");
    x.Close("ModuleItem");
    x.Close("ModuleList");
}

const std::pair<const char*, const char*> External_Texts[] = {
    {"IDT_INFO_Device", "Velmor Gateways"},
    {"IDT_NAME_DAP1", "IEC61850Device"},
    {"IDT_INFO_DAP1", "Profinet IEC61850 Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device IEC61850"},
    {"IDT_NAME_FAP", "FAP for IEC61850"},
    {"IDT_INFO_FAP", "Description of FAP for IEC61850"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "IEC61850 Device "},
    {"IDT_INFO_M_PB1", "Description of IEC61850"},
    {"IDT_NAME_S_PB1", "Module of a IEC61850"},
    {"IDT_INFO_S_PB1", "Description of module of a IEC61850"},
    {"IDT_PB_Input", "Digital input IEC61850SERVER"},
    {"IDT_PB_InputBit0", "Digital input bit IEC61850"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
};

// These three carry Value before TextId.
const std::pair<const char*, const char*> Assign_Texts[] = {
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};

void Lists(TXml_Lines& x)
{
    x.Open("ValueList");
    x.Open("ValueItem", {{"ID", S("IDV_reaction_to_cpu_stop")}});
    x.Open("Assignments");
    for (int i = 0; i < 3; ++i)
        x.Leaf("Assign", {{"TextId", S(Assign_Texts[i].first)}, {"Content", S::number(i)}});
    x.Close("Assignments");
    x.Close("ValueItem");
    x.Close("ValueList");
    x.Open("CategoryList");
    for (const char* kind : {"DI", "DO"}) {
        x.Open("CategoryItem", {{"ID", S("IDC_") + S(kind)}, {"TextId", S("IDT_CATEGORY_") + S(kind)}});
        x.Leaf("InfoText", {{"TextId", S("IDT_INFO_") + S(kind)}});
        x.Close("CategoryItem");
    }
    x.Close("CategoryList");
    x.Open("ExternalTextList");
    x.Open("PrimaryLanguage");
    for (const auto& [id, value] : External_Texts)
        x.Leaf("Text", {{"TextId", S(id)}, {"Value", S(value)}});
    for (const auto& [id, value] : Assign_Texts)
        x.Leaf("Text", {{"Value", S(value)}, {"TextId", S(id)}});
    x.Close("PrimaryLanguage");
    x.Close("ExternalTextList");
}

QStringList GSDML_Lines(const TPROFINET_Parameters& p)
{
    TXml_Lines x;
    Header(x);
    x.Open("ProfileBody");
    x.Open("DeviceIdentity", {{"VendorID", S("0x4C7A")}, {"DeviceID", S("0x0B5E")}});
    x.Leaf("InfoText", {{"TextId", S("IDT_INFO_Device")}});
    x.Leaf("VendorName", {{"Value", S("Velmor")}});
    x.Close("DeviceIdentity");
    x.Open("DeviceFunction");
    x.Leaf("Family", {{"MainFamily", S("Gateway")}, {"ProductFamily", S("RZ48176")}});
    x.Close("DeviceFunction");
    x.Open("ApplicationProcess");
    Access_Point(x, p.Station);
    Module(x, p);
    Lists(x);
    x.Close("ApplicationProcess");
    x.Close("ProfileBody");
    x.Close("ISO15745Profile");
    return x.L;
}

std::int32_t Count_Of(const TParGen& p, const char* name, std::int32_t def)
{
    const std::int64_t value = p.Number(QLatin1String(name), def);
    if (value > INT32_MAX)
        return def;
    return value < 0 ? 0 : static_cast<std::int32_t>(value);
}

} // namespace

QString PROFINET_Fixed_Prefix()
{
    return QStringLiteral("GSDML-V2.31-Velmor-RZ48176");
}

QString PROFINET_Fixed_Suffix(const QDate& Day)
{
    return QLatin1Char('-') + Day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".xml");
}

QString PROFINET_XML_Name(const QString& Prefix, const QString& User_Part, const QString& Suffix)
{
    if (User_Part.trimmed().isEmpty())
        return Prefix + Suffix;
    if (User_Part.startsWith(QLatin1Char('_')))
        return Prefix + User_Part + Suffix;
    return Prefix + QLatin1Char('_') + User_Part + Suffix;
}

bool Valid_PROFINET_User_Part(const QString& User_Part)
{
    if (User_Part.contains(QLatin1String("..")))
        return false;
    for (const QChar c : User_Part)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    return true;
}

QString PROFINET_User_Part_Message()
{
    return QStringLiteral("Error! The User Part may not hold \"/\", \"\\\", \"..\" or control characters");
}

bool Read_PROFINET_Parameters(TPROFINET_Parameters& Parameters, QString* error)
{
    Parameters = {};
    const auto read = [&Parameters](const TParGen& p) {
        Parameters.NB_IN = Count_Of(p, "PROFINET_NB_IN", Parameters.NB_IN);
        Parameters.NB_OUT = Count_Of(p, "PROFINET_NB_OUT", Parameters.NB_OUT);
        Parameters.Station = p.Text(QStringLiteral("PROFINET_NAME_STA")).value_or(Parameters.Station);
    };
    if (Read_ParGen(read, error) == TProjectFileLoad::Failed)
        return false;
    if (Parameters.Station.trimmed().isEmpty())
        Parameters.Station = QStringLiteral("SERIAL");
    return true;
}

bool Write_GSDML_File(const QString& Path, QString* error)
{
    TPROFINET_Parameters p;
    return Read_PROFINET_Parameters(p, error) && Save_Utf8_Lines(Path, GSDML_Lines(p), error);
}

QString PROFINET_Target(const QString& Chosen, const QString& File_Name)
{
    return QDir(QFileInfo(Chosen).absolutePath()).filePath(File_Name);
}

void Save_PROFINET_XML(const QString& File_Name)
{
    TFileDialogRequest dialog;
    dialog.InitialDir = Project_Dir;
    dialog.Filter = QStringLiteral("PROFINET XML (*.xml)|") + File_Name;
    dialog.FileName = File_Name;
    QString chosen;
    if (!PromptForSaveFile(dialog, chosen))
        return;
    const QString target = PROFINET_Target(chosen, File_Name);
    if (QFileInfo::exists(target) &&
        MessageDlg(Lang(1511), TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) != mrYes)
        return;
    QString error;
    if (!Write_GSDML_File(target, &error))
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}
