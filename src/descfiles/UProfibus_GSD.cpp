#include "descfiles/UProfibus_GSD.h"
#include <algorithm>
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "descfiles/DescProject.h"
#include "descfiles/DescText.h"
#include "platform/Dialogs.h"
#include <QFileInfo>
#include <QStringList>

namespace {

constexpr int Bytes_Per_Module = 64;
constexpr int Banner_Width = 85;

// ";*", the text, blanks up to the 84th character, "*".
QString Box_Line(const QString& text = QString())
{
    return QStringLiteral(";*") + text.leftJustified(Banner_Width - 3, QLatin1Char(' ')) + QLatin1Char('*');
}

QString Rule(int width)
{
    return QLatin1Char(';') + QString(width - 1, QLatin1Char('='));
}

void Section_Head(QStringList& L, const char* name, int width)
{
    L << Rule(width)
      << (QStringLiteral(";==== ") + QLatin1String(name) + QLatin1Char(' ')).leftJustified(width, QLatin1Char('='))
      << Rule(width);
}

void Empty(QStringList& L, int count)
{
    for (int i = 0; i < count; ++i)
        L << QString();
}

QString Hex(int value)
{
    return QStringLiteral("0x") + Hex_Text(static_cast<std::uint32_t>(value), 2);
}

int Module_Count(std::int32_t bytes)
{
    return bytes <= 0 ? 0 : (bytes + Bytes_Per_Module - 1) / Bytes_Per_Module;
}

void Banner(QStringList& L)
{
    const QString stars = QString(Banner_Width - 1, QLatin1Char('*'));
    const QString rule = QStringLiteral(";* ") + QString(80, QLatin1Char('=')) + QStringLiteral(" *");
    L << QStringLiteral(";")
      << QLatin1Char(';') + QString(18, QLatin1Char('*')) + QStringLiteral(" IEC61850 Server / PROFIBUS Slave - Converter ") +
             QString(20, QLatin1Char('*'))
      << rule << Box_Line();
    for (const char* vendor : {" Velmor S.r.l.", " Via dell'Industria 12", " 00100 Borgo Velmor (VM)", " Italy",
                               " Tel.: +39 000 0000000", " Fax: +39 000 0000001", " E-mail: info@velmor.example"})
        L << Box_Line(QLatin1String(vendor));
    L << Box_Line() << rule << Box_Line()
      << Box_Line(QStringLiteral(" Function:       IEC61850 Server / PROFIBUS Slave - Converter")) << Box_Line() << Box_Line()
      << Box_Line(QStringLiteral(" Order Number : RZ48173")) << Box_Line() << Box_Line() << QLatin1Char(';') + stars;
    Empty(L, 2);
}

// Lines of the fixed text; an entry of one digit stands for that many empty lines.
void Fixed(QStringList& L, std::initializer_list<const char*> lines)
{
    for (const char* line : lines) {
        if (line[0] >= '1' && line[0] <= '9' && line[1] == 0)
            Empty(L, line[0] - '0');
        else
            L << QLatin1String(line);
    }
}

void Prm_Texts(QStringList& L)
{
    Section_Head(L, "Prm-Text-Def-List", 85);
    Fixed(L, {"1", "PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText", "1", "PrmText  = 2",
              "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText", "1", "PrmText  = 3",
              "Text(1)  = \"10\"", "Text(2)  = \"20\"", "Text(3)  = \"30\"", "Text(4)  = \"40\"", "Text(5)  = \"50\"",
              "EndPrmText", "2"});
    Section_Head(L, "Ext-User-Prm-Data-Def-List", 86);
    Fixed(L, {"1", "ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32", "EndExtUserPrmData", "1",
              "ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData", "1",
              "ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData", "1",
              "ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2", "EndExtUserPrmData", "1",
              "ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3", "EndExtUserPrmData", "1",
              "ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535", "EndExtUserPrmData", "1",
              "ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535", "EndExtUserPrmData", "2"});
}

void Keywords(QStringList& L, const TGSD_Counts& c)
{
    Section_Head(L, "General DP Keywords", 86);
    Fixed(L, {"1", "GSD_Revision = 5", "Vendor_Name = \"Velmor\"", "Model_Name = \"RZ48173\"", "Revision = \"1.00\"",
              "Ident_Number = 0x5B2D", "Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0",
              "Hardware_Release = \"V1.00\"", "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2",
              "24V_Pins = 0", "2"});
    Section_Head(L, "Supported baudrates", 79);
    Fixed(L, {"1", "9.6_supp = 1", "19.2_supp = 1", "45.45_supp = 1", "93.75_supp = 1", "187.5_supp = 1", "500_supp = 1",
              "1.5M_supp = 1", "3M_supp = 1", "6M_supp = 1", "12M_supp = 1", "1", "MaxTsdr_9.6=15", "MaxTsdr_19.2=15",
              "MaxTsdr_45.45=15", "MaxTsdr_93.75=15", "MaxTsdr_187.5=15", "MaxTsdr_500=15", "MaxTsdr_1.5M=20",
              "MaxTsdr_3M=35", "MaxTsdr_6M=50", "MaxTsdr_12M=95", "2"});
    Section_Head(L, "Slave specific values", 79);
    Fixed(L, {"1", "OrderNumber=\"RZ48173\"", "Slave_Family = 9@Velmor@RZ48173", "Implementation_Type = \"VPC3+\"",
              "Info_Text=\"Velmor: IEC61850 Server / PROFIBUS Slave - Converter\"", "Bitmap_Device = \"DPV0_1N\"",
              "Bitmap_SF=\"DPV0_1S\"", "1", "Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1",
              "Set_Slave_Add_supp=0", "1", "Min_Slave_Intervall=6", "1", "Modular_Station=1"});
    const qint64 total = Module_Count(c.NB_OUT) + Module_Count(c.NB_IN);
    L << QStringLiteral("Max_Module=%1").arg(total) << QStringLiteral("Modul_Offset=1")
      << QStringLiteral("Max_Input_Len=%1").arg(c.NB_OUT) << QStringLiteral("Max_Output_Len=%1").arg(c.NB_IN)
      << QStringLiteral("Max_Data_Len=%1").arg(static_cast<qint64>(c.NB_OUT) + c.NB_IN);
    Fixed(L, {"Max_Diag_Data_Len=15", "1", "WD_Base_1ms_supp = 1", "Publisher_supp = 1", "1"});
    Section_Head(L, "User-Prm-Data", 79);
    Fixed(L, {"1", "Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00", "1"});
    Section_Head(L, "Modulstatus", 79);
    Fixed(L, {"1", "Unit_Diag_Area = 24 - 25", "Value(1)= \"Slot 1: Module error\"", "Value(2)= \"Slot 1: Wrong module\"",
              "Value(3)= \"Slot 1: No module\"", "Unit_Diag_Area_End", "Unit_Diag_Area = 26 - 27",
              "Value(1)= \"Slot 2: Module error\"", "Value(2)= \"Slot 2: Wrong module\"", "Value(3)= \"Slot 2: No module\"",
              "Unit_Diag_Area_End", "2"});
}

// The converter's output bytes are the master's inputs ("DI", 0x42), its input bytes the master's
// outputs ("DO", 0x82); each module carries up to 64 bytes.
void Modules(QStringList& L, const TGSD_Counts& c)
{
    Section_Head(L, "Module-Definition-List", 79);
    Empty(L, 1);
    int m = 0;
    const struct {
        const char* Name;
        const char* Id;
        std::int32_t Bytes;
    } kinds[] = {{"DI", "0x42", c.NB_OUT}, {"DO", "0x82", c.NB_IN}};
    for (const auto& kind : kinds) {
        const int k = Module_Count(kind.Bytes);
        for (int i = 1; i <= k; ++i) {
            ++m;
            const int bytes = i < k ? Bytes_Per_Module : kind.Bytes - Bytes_Per_Module * (k - 1);
            L << QStringLiteral("Module=\"%1  (PORT%2)    \" %3,%4,0x00,%5")
                     .arg(QLatin1String(kind.Name))
                     .arg(m)
                     .arg(QLatin1String(kind.Id), Hex(bytes - 1), Hex(m))
              << QString::number(m) << QStringLiteral("EndModule");
        }
    }
    Empty(L, 3);
    L << QStringLiteral("SlotDefinition");
    for (int s = 1; s <= m; ++s)
        L << QStringLiteral("Slot(%1) = \"Slot %1\" %1 %1").arg(s);
    L << QStringLiteral("EndSlotDefinition");
    Empty(L, 4);
}

std::int32_t Count_Of(const TParGen& p, const char* name)
{
    // The converter's data area holds 1438 bytes each way (the parameter editor allows 0 to 1438); a
    // hand-edited count past that would list millions of modules.
    constexpr std::int64_t kDataAreaBytes = 1438;
    const std::int64_t value = p.Number(QLatin1String(name), 0);
    // A hand-edited negative count means no bytes; one beyond 32 bits is no number.
    return value < 0 || value > INT32_MAX ? 0 : static_cast<std::int32_t>(std::min(value, kDataAreaBytes));
}

} // namespace

bool Read_GSD_Counts(TGSD_Counts& Counts, QString* error)
{
    Counts = {};
    const auto read = [&Counts](const TParGen& p) {
        Counts.NB_IN = Count_Of(p, "PROFINET_NB_IN");
        Counts.NB_OUT = Count_Of(p, "PROFINET_NB_OUT");
    };
    switch (Read_ParGen(read, error)) {
    case TProjectFileLoad::Loaded:
        return true;
    case TProjectFileLoad::Missing:
        if (error)
            *error = Lang(1104);
        break;
    case TProjectFileLoad::Failed:
        break;
    }
    return false;
}

QString GSD_File_Name(const QString& Chosen)
{
    return Chosen.endsWith(QLatin1String(".gsd"), Qt::CaseInsensitive) ? Chosen : Chosen + QStringLiteral(".gsd");
}

bool Write_GSD_File(const QString& Path, const TGSD_Counts& Counts, QString* error)
{
    QStringList L;
    Banner(L);
    L << QStringLiteral("#Profibus_DP");
    Empty(L, 2);
    Prm_Texts(L);
    Keywords(L, Counts);
    Modules(L, Counts);
    return Save_Ansi_Lines(Path, L, error);
}

void Build_GSD_File()
{
    const auto fail = [](const QString& message) { MessageDlg(message, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK}); };
    TGSD_Counts counts;
    QString error;
    if (!Read_GSD_Counts(counts, &error))
        return fail(error);
    TFileDialogRequest dialog;
    dialog.InitialDir = Project_Dir;
    dialog.Filter = QStringLiteral("Generic Station Description (*.gsd)|*.gsd");
    QString chosen;
    if (!PromptForSaveFile(dialog, chosen))
        return;
    const QString name = GSD_File_Name(chosen);
    if (QFileInfo::exists(name) &&
        MessageDlg(Lang(1103), TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) != mrYes)
        return;
    if (!Write_GSD_File(name, counts, &error))
        fail(error);
}
