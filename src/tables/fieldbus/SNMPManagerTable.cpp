#include "tables/fieldbus/SNMPManagerTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

namespace {

enum Cell {
    cEnable, cIP, cVersion, cCommunity, cOID, cType, cMode, cOnChange, cOnCommand, cOnTimer, cTime, cPosition,
    cNumBytes, cConversion, cCancel, cUser, cAuthPass, cPrivPass, cSecurityLevel, cAuthMode, cPrivMode, cMnemonic
};

bool Is_IP_Address(const QString& text)
{
    QString ip1, ip2, ip3, ip4;
    return Parse_IP_Address(text, ip1, ip2, ip3, ip4);
}

// Texts of a password validator's results 1, 2 and 3.
QString Password_Rule(const QString& text, bool allowShort, int firstText)
{
    const int result = Check_SNMP_Password(text, allowShort);
    return result == 0 ? QString() : Lang(firstText + result - 1);
}

QString Check_Row(const TTableEditor&, int, const QStringList& cells)
{
    if (!Is_IP_Address(cells[cIP]))
        return Lang(3938);
    // Results 1 to 6 have texts 3939 to 3944; the empty OID is result 2.
    if (const int oid = Check_OID(cells[cOID]))
        return Lang(3938 + oid);
    if (cells[cOnTimer].trimmed() == QLatin1String("Y")) {
        const int time = Cell_Int(cells[cTime]);
        if (time < 1 || time > 100000000)
            return Lang(3945);
    }
    const int bytes = Cell_Int(cells[cNumBytes]);
    if (bytes < 0 || bytes > 1024)
        return Lang(3946);
    if (cells[cConversion].trimmed().isEmpty())
        return Lang(3956);
    if (Cell_Int(cells[cVersion]) != 3)
        return {};
    for (const QString& rule : {Password_Rule(cells[cUser], true, 3974), Password_Rule(cells[cAuthPass], false, 3977),
                                Password_Rule(cells[cPrivPass], false, 3980)})
        if (!rule.isEmpty())
            return rule;
    const int level = Get_SNMP_Security_Level(cells[cSecurityLevel]);
    if (level < 0)
        return Lang(3983);
    // Level bit 1: authentication, bit 2: privacy.
    if ((level & 1) && cells[cAuthMode].trimmed().isEmpty())
        return Lang(3984);
    if ((level & 2) && cells[cPrivMode].trimmed().isEmpty())
        return Lang(3985);
    return {};
}

// No two enabled requests to the same agent with the same version and OID.
QString Check_Tables(const TTableEditor&, const std::vector<TTableRows>& tables)
{
    const TTableRows& rows = tables.front();
    const auto enabled = [](const QStringList& cells) { return cells[cEnable].trimmed() == QLatin1String("Y"); };
    const auto same = [](const QStringList& a, const QStringList& b) {
        for (const int c : {cIP, cVersion, cOID})
            if (a[c].trimmed() != b[c].trimmed())
                return false;
        return true;
    };
    for (std::size_t b = 0; b < rows.size(); ++b) {
        if (!enabled(rows[b]))
            continue;
        for (std::size_t e = b + 1; e < rows.size(); ++e)
            if (enabled(rows[e]) && same(rows[b], rows[e]))
                return Lang(3986) + QString::number(b + 1) + Lang(3987) + QString::number(e + 1) + Lang(3988);
    }
    return {};
}

TTableEditor Make_Editor()
{
    using E = TEditorType;
    constexpr TColor v3 = 0xFFDE91;
    TTableEditorGrid grid;
    grid.Capacity = SNMP_Manager_Rows;
    grid.Key_Column = 2;
    grid.Columns = {
        {3908, 0, E::edNormal, 40, clWindow},
        {3909, 3923, E::edDataCheckBox, 50, 0xB0D8FF},
        {3910, 3924, E::edNormal, 90, 0xFEFAE0},
        {3911, 3925, E::edComboList, 60, 0xFEFAE0, {"1", "2", "3"}},
        {3912, 3926, E::edComboEdit, 106, 0xFEFAE0, {"Tarvek", "Moltrin"}},
        {3913, 3927, E::edNormal, 100, 0xFEFAE0},
        {3914, 3928, E::edComboList, 65, 0xA8FFFF, {"String", "Int"}},
        {3915, 3929, E::edComboList, 65, 0xA8FFFF, {"Get", "Set", "Trap"}},
        {3916, 3930, E::edDataCheckBox, 75, 0xA8FFA8},
        {3917, 3931, E::edDataCheckBox, 50, 0xA8FFA8},
        {3918, 3932, E::edDataCheckBox, 65, 0xA8FFA8},
        {3919, 3933, E::edNormal, 65, 0xA8FFA8},
        {3920, 3934, E::edComboList, 75, 0xF4D6FC, Number_Items(SNMP_Manager_Data_Area)},
        {3921, 3935, E::edNormal, 75, 0xF4D6FC},
        {3954, 3955, E::edComboList, 95, 0xB0D8FF, {"None", "Float", "Float * 10", "Float * 100"}},
        {3960, 3961, E::edDataCheckBox, 50, 0xFFD5D5},
        {3962, 3968, E::edNormal, 70, v3},
        {3963, 3969, E::edNormal, 70, v3},
        {3964, 3970, E::edNormal, 70, v3},
        {3965, 3971, E::edComboList, 100, v3, {"NoAuth NoPriv", "Auth NoPriv", "Auth Priv"}},
        {3966, 3972, E::edComboList, 75, v3, {"MD5", "SHA"}},
        {3967, 3973, E::edComboList, 75, v3, {"DES", "AES"}},
        {3922, 3936, E::edNormal, 80, clWindow},
    };

    TTableEditor e;
    e.Width = 1230;
    e.Height = 337;
    e.Caption = 3900;
    e.Button_Hints = {3948, 3949, 3950, 3951, 3952, 3953};
    e.Row_Error = 3937;
    e.Delete_Question = 3947;
    e.File = &File_SNMP_Manager;
    e.Schema = &SNMP_Manager_Schema;
    e.Grids = {grid};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Data_Area = SNMP_Manager_Data_Area;
    e.Check_Row = Check_Row;
    e.Check_Tables = Check_Tables;
    return e;
}

} // namespace

const TTableEditor& SNMPManager_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
