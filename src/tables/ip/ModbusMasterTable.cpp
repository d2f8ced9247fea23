#include "tables/ip/ModbusMasterTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

#include <tuple>

namespace {

constexpr int kReadGrid = 0;

// One table's texts and bounds. Cells count from the Enable cell; a TCP rule has its address and port
// after Enable, which moves every later cell by two.
struct TModbusRules {
    bool Tcp;
    bool Read;   // the read table: status rows are "INPUT STATUS" too; Poll Time from 1
    int Area;
    int IP, Port, Slave, Type, Address, NPoint, Poll, Max_Error, Position, Bit, End;
};

const TModbusRules kRtuRead = {false, true, ModbusM_NByte, 0, 0, 1269, 1270, 1271, 1272, 1289, 1274, 1275, 1276, 1277};
const TModbusRules kRtuWrite = {false, false, ModbusM_NByte, 0, 0, 1279, 1280, 1281, 1282, 1283, 1284, 1285, 1286, 1287};
const TModbusRules kTcpRead = {true, true, ModbusTCPM_NByte, 1339, 1340, 1341, 1342, 1343, 1344, 1345, 1346, 1347, 1348, 1349};
const TModbusRules kTcpWrite = {true, false, ModbusTCPM_NByte, 1350, 1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 1359, 1360};

bool Outside(const QString& cell, int low, int high)
{
    const int value = Cell_Int(cell);
    return value < low || value > high;
}

QString Check_Rule(const TModbusRules& t, const QStringList& cells)
{
    const int o = t.Tcp ? 2 : 0;
    if (t.Tcp) {
        if (Check_IP_Address(cells.value(1)))
            return Lang(t.IP);
        if (Outside(cells.value(2), 0, 65535))
            return Lang(t.Port);
    }
    if (Outside(cells.value(1 + o), 1, 247))
        return Lang(t.Slave);
    const QString type = cells.value(2 + o).trimmed().toUpper();
    if (type.isEmpty())
        return Lang(t.Type);
    const bool bits = type == QLatin1String("COIL STATUS") || (t.Read && type == QLatin1String("INPUT STATUS"));
    if (Outside(cells.value(3 + o), 0, 65535))
        return Lang(t.Address);
    const int maxPoints = t.Read ? (bits ? 2000 : 125) : (bits ? 1968 : 123);
    const int points = Cell_Int(cells.value(4 + o));
    if (points < 1 || points > maxPoints)
        return Lang(t.NPoint) + QString::number(maxPoints);
    if (Outside(cells.value(5 + o), t.Read ? 1 : 0, 100000000))
        return Lang(t.Poll);
    // The write rule's On Change and On CMD stand before its Max Error.
    const int maxError = t.Read ? 6 + o : 8 + o;
    if (Outside(cells.value(maxError), 0, 100000000))
        return Lang(t.Max_Error);
    const int position = Cell_Int(cells.value(maxError + 1));
    if (position < 0 || position > t.Area - 1)
        return Lang(t.Position) + QString::number(t.Area - 1);
    int end = position + 2 * points - 1;
    if (bits) {
        const QString bit = cells.value(maxError + 2);
        if (bit.isEmpty())
            return Lang(t.Bit);
        end = position + (points + Cell_Int(bit) - 1) / 8;
    }
    if (end >= t.Area)
        return Lang(t.End);
    return {};
}

QStringList Numbers(int count)
{
    QStringList items;
    for (int n = 0; n < count; ++n)
        items << QString::number(n);
    return items;
}

struct TModbusTexts {
    int Caption, Row_Error, Delete_Question, Tab_Read;
    std::vector<int> Read_Headers, Read_Hints, Write_Headers, Write_Hints;
};

// The columns of a read and a write table; a TCP table has its slave's address and port after Enable.
TTableEditor Make_Modbus_Editor(bool tcp, const TModbusTexts& x)
{
    using E = TEditorType;
    const QStringList positions = Numbers(tcp ? ModbusTCPM_NByte : ModbusM_NByte);
    const QStringList bits = Numbers(8);
    const TColor key = 0xFEFAE0, time = 0xA8FFA8, place = 0xF4D6FC, swap = 0xA8FFFF;
    const auto columns = [&](const std::vector<int>& headers, const std::vector<int>& hints,
                             std::vector<std::tuple<E, int, TColor, QStringList>> kinds) {
        std::vector<TTableEditorColumn> list;
        for (std::size_t c = 0; c < kinds.size(); ++c) {
            const auto& [kind, width, tint, items] = kinds[c];
            list.push_back({headers[c], c && c <= hints.size() ? hints[c - 1] : 0, kind, width, tint, items});
        }
        return list;
    };
    std::vector<std::tuple<E, int, TColor, QStringList>> head = {{E::edNormal, 40, clWhite, {}},
                                                                  {E::edDataCheckBox, 50, 0xB0D8FF, {}}};
    if (tcp) {
        head.push_back({E::edNormal, 110, key, {}});
        head.push_back({E::edNormal, 60, key, {}});
    }
    auto read = head;
    read.insert(read.end(), {{E::edNormal, 60, key, {}},
                             {E::edComboList, 115, key, {"Coil Status", "Input Status", "Holding Register", "Input Register"}},
                             {E::edNormal, 60, key, {}},
                             {E::edNormal, 64, key, {}},
                             {E::edNormal, 64, time, {}},
                             {E::edNormal, 64, time, {}},
                             {E::edComboList, 61, place, positions},
                             {E::edComboList, 64, place, bits},
                             {E::edDataCheckBox, 40, swap, {}},
                             {E::edDataCheckBox, 80, swap, {}},
                             {E::edComboList, 120, 0xFFD5D5, {}},
                             {E::edNormal, tcp ? 260 : 120, clWhite, {}}});
    auto write = head;
    write.insert(write.end(), {{E::edNormal, 60, key, {}},
                               {E::edComboList, 115, key, {"Coil Status", "Holding Register"}},
                               {E::edNormal, 60, key, {}},
                               {E::edNormal, 64, key, {}},
                               {E::edNormal, 64, time, {}},
                               {E::edDataCheckBox, 68, time, {}},
                               {E::edDataCheckBox, 56, time, {}},
                               {E::edNormal, 64, time, {}},
                               {E::edComboList, 64, place, positions},
                               {E::edComboList, 64, place, bits},
                               {E::edDataCheckBox, 40, swap, {}},
                               {E::edDataCheckBox, 80, swap, {}},
                               {E::edNormal, 113, clWhite, {}}});

    TTableEditorGrid r, w;
    r.Capacity = w.Capacity = Modbus_Master_Rows;
    r.Key_Column = w.Key_Column = 2;   // Slave ID, or the slave's IP address
    r.Tab_Text = x.Tab_Read;
    w.Tab_Text = x.Tab_Read + 1;
    r.Columns = columns(x.Read_Headers, x.Read_Hints, read);
    w.Columns = columns(x.Write_Headers, x.Write_Hints, write);
    const int topic = tcp ? 14 : 12;
    r.Columns[static_cast<std::size_t>(topic)].Hidden = true;   // no topics to choose from in these builds

    TTableEditor e;
    e.Width = tcp ? 1150 : 1050;
    e.Height = 337;
    e.Resizable = true;
    e.Caption = x.Caption;
    e.Row_Error = x.Row_Error;
    e.Delete_Question = x.Delete_Question;
    e.File = tcp ? &File_ModbusTCPM_SetAccess : &File_ModbusM_SetAccess;
    e.Schema = tcp ? &ModbusTCPM_Schema : &ModbusM_Schema;
    e.Grids = {r, w};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Sections_Required = false;
    if (tcp) {
        e.Button_Texts[4] = QStringLiteral("Copy Row");
        e.Button_Texts[5] = QStringLiteral("Paste Row");
        e.Grids[0].Enter_Jump = false;   // the read table keeps the grid's own Enter
    }
    const TModbusRules* rules[] = {tcp ? &kTcpRead : &kRtuRead, tcp ? &kTcpWrite : &kRtuWrite};
    e.Check_Row = [rules](const TTableEditor&, int grid, const QStringList& cells) {
        return Check_Rule(*rules[grid], cells);
    };
    // The topic list of these builds is never filled: no index names a topic, and every rule is saved without.
    const int cell = topic - 1;
    e.From_File = [cell](const TTableEditor&, int grid, QStringList& cells) {
        if (grid == kReadGrid)
            cells[cell].clear();
    };
    e.To_File = [cell](const TTableEditor&, int grid, QStringList& cells) {
        if (grid == kReadGrid)
            cells[cell] = QStringLiteral("-1");
    };
    return e;
}

std::vector<int> Run(int from, int to)
{
    std::vector<int> texts;
    for (int t = from; t <= to; ++t)
        texts.push_back(t);
    return texts;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

bool Check_IP_Address(const QString& IP_Address)
{
    const QStringList parts = IP_Address.split(QLatin1Char('.'));
    if (IP_Address.isEmpty() || parts.size() != 4)
        return true;
    for (const QString& part : parts) {
        const std::optional<std::int32_t> value = Read_Cell_Integer(part);
        if (!value || *value < 0 || *value > 255)
            return true;
    }
    return false;
}

const TTableEditor& ModbusM_Editor()
{
    static const TTableEditor editor = Make_Modbus_Editor(
        false, {1200, 1268, 1288, 1214, Join(Run(1216, 1226), {1290, 1242, 1227}), Join(Run(1243, 1252), {1292, 1253, 1254}),
                Join(Run(1228, 1240), {1291, 1241}), {}});
    return editor;
}

const TTableEditor& ModbusTCPM_Editor()
{
    static const TTableEditor editor = Make_Modbus_Editor(
        true, {1300, 1268, 1361, 1306, Join(Run(1308, 1320), {1400, 1362, 1321}), {}, Join(Run(1322, 1336), {1401, 1337}), {}});
    return editor;
}
