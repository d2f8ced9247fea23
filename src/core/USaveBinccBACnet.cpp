#include "core/USaveBinccBACnet.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/ProjectFile.h"
#include "core/tables/TableSchemas.h"
#include "core/USaveBinccState.h"

const std::array<TBACnet_Kind, 19> BACnet_Kinds = {{
    {"ANALOG INPUT", 312},
    {"ANALOG OUT", 316},
    {"BINARY INPUT", 324},
    {"BINARY OUT", 328},
    {"LARGE ANALOG VALUE", 336},
    {"DATETIME VALUE", 340},
    {"POSITIVE INTEGER VALUE", 344},
    {"CHARACTERSTRING VALUE", 348},
    {"INTEGER VALUE", 352},
    {"MULTI STATE INPUT", 356},
    {"MULTI STATE OUTPUT", 360},
    {"MULTI STATE VALUE", 364},
    {"ANALOG VALUE", 320},
    {"BINARY VALUE", 332},
    {"LIFE SAFETY POINT", 368},
    {"LIFE SAFETY ZONE", 372},
    {"ACCESS DOOR", 376},
    {"ACCUMULATOR", 380},
    {"OCTET STRING", 1792},
}};

namespace {

struct TObject_Row {
    QString Kind;           // Data_Type upper-cased, not trimmed
    QString Mnemonic;
    TBACnet_Object Entry;   // all but the name address
};

bool Read_Row(const TTableRow_Read& row, const QString& path, std::uint16_t row_number, std::uint8_t direction,
              TObject_Row& out, QString* error)
{
    const TSchemaSection& schema = BACnet_Slave_Schema.Sections[direction];
    const auto fail = [&](const char* attribute, bool number) {
        if (error)
            *error = Row_Attribute_Message(path, schema.Name, row_number, QLatin1String(attribute), number);
        return false;
    };
    const auto text = [&](const char* name) { return row[static_cast<std::size_t>(schema.Index(QLatin1String(name)))]; };
    for (const char* name : {"Data_Type", "Bit", "Mnemonic"})
        if (!text(name))
            return fail(name, false);
    const std::array<const char*, 3> number_names = {"Eng_Unit", "Position", "Length"};
    std::array<std::int64_t, 3> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::optional<std::int64_t> n = Read_Whole_Number(text(number_names[i]).value_or(QString()));
        if (!n)
            return fail(number_names[i], true);
        numbers[i] = *n;
    }

    out.Kind = text("Data_Type")->toUpper();
    out.Mnemonic = *text("Mnemonic");
    TBACnet_Object& e = out.Entry;
    e.Eng_Unit = static_cast<std::uint16_t>(numbers[0]);
    e.Position = static_cast<std::uint32_t>(numbers[1]);
    e.Length = static_cast<std::uint8_t>(numbers[2]);
    e.Direction = direction;
    e.Row = row_number;
    e.Bit = static_cast<std::uint8_t>(Read_Whole_Number(*text("Bit")).value_or(0));
    return true;
}

} // namespace

int Object_Capacity(bool Long_Object_Names) { return Long_Object_Names ? 1023 : 2047; }
int Object_Limit(bool Long_Object_Names) { return Long_Object_Names ? 1000 : 2000; }
int Object_Name_Length(bool Long_Object_Names) { return Long_Object_Names ? 32 : 16; }

std::uint32_t Name_Pool_Address(std::uint32_t Table_Address, bool Long_Object_Names)
{
    return Table_Address + static_cast<std::uint32_t>(Object_Capacity(Long_Object_Names) * Object_Entry_Size);
}

void Clear_Object_Table(TBincc_State& state)
{
    state.Object_Table.clear();
    state.Name_Pool = QByteArray(1, '\0');   // pool offset 0 is the empty name
}

bool Read_BACnet_Slave_XML(TBincc_State& state, const QString& path, std::uint32_t Table_Address, QString* error)
{
    const TTableFile_Read file = Read_Table_File(path, BACnet_Slave_Schema);
    if (file.Load != TProjectFileLoad::Loaded) {
        if (error && file.Load == TProjectFileLoad::Failed)
            *error = file.Error;
        return file.Load == TProjectFileLoad::Missing;
    }
    for (std::size_t s = 0; s < file.Sections.size(); ++s)
        if (!file.Sections[s].Present) {
            if (error)
                *error = Missing_Element_Message(path, BACnet_Slave_Schema.Sections[s].Name);
            return false;
        }
    const std::vector<TTableRow_Read>& read_rows = file.Sections[0].Rows;
    const std::vector<TTableRow_Read>& write_rows = file.Sections[1].Rows;

    // Switching the name mode after the table was saved can leave more objects than fit.
    const bool long_names = state.Long_Object_Names;
    const int limit = Object_Limit(long_names);
    if (read_rows.size() + write_rows.size() > static_cast<std::size_t>(limit)) {
        if (error)
            *error = Lang(2359) + QString::number(limit);
        return false;
    }

    // Row numbers run on from the read section into the write section.
    std::vector<TObject_Row> rows;
    rows.reserve(read_rows.size() + write_rows.size());
    const auto read_section = [&](const std::vector<TTableRow_Read>& section, std::uint8_t direction) {
        for (const TTableRow_Read& row : section) {
            TObject_Row r;
            if (!Read_Row(row, path, static_cast<std::uint16_t>(rows.size() + 1), direction, r, error))
                return false;
            rows.push_back(r);
        }
        return true;
    };
    if (!read_section(read_rows, 0) || !read_section(write_rows, 1))
        return false;

    const std::uint32_t pool_address = Name_Pool_Address(Table_Address, long_names);
    const int name_length = Object_Name_Length(long_names);
    for (const TBACnet_Kind& kind : BACnet_Kinds) {
        const QString kind_name = QLatin1String(kind.Name);
        for (const TObject_Row& row : rows) {
            if (row.Kind != kind_name)
                continue;
            TBACnet_Object entry = row.Entry;
            const QString name = row.Mnemonic.left(name_length);
            entry.Name_Add = pool_address;
            if (!name.isEmpty()) {
                entry.Name_Add += static_cast<std::uint32_t>(state.Name_Pool.size());
                state.Name_Pool += Low_Bytes(name);
                state.Name_Pool += '\0';
            }
            state.Object_Table.push_back(entry);
            TBinImage& block = state.Parameter_Block;
            block.Put_U32(kind.Count_Offset, block.U32(kind.Count_Offset) + 1);
        }
    }
    return true;
}

int Put_NTP_Server(const QString& name, int Position, TBinImage& Buffer)
{
    // At most 1023 characters, so the block always ends with a zero byte.
    return Buffer.Put_Bytes(Position, Low_Bytes(name, NTP_Block_Size - 1).leftJustified(NTP_Block_Size, '\0'));
}

int Put_Object_Table(const TBincc_State& state, int Position, TBinImage& Buffer)
{
    const int capacity = Object_Capacity(state.Long_Object_Names);
    const int filled = std::min(capacity, static_cast<int>(state.Object_Table.size()));
    int pos = Position;
    for (int i = 0; i < filled; ++i) {
        const TBACnet_Object& e = state.Object_Table[static_cast<std::size_t>(i)];
        pos = Buffer.Put_U32(pos, e.Position);
        pos = Buffer.Put_U16(pos, e.Eng_Unit);
        pos = Buffer.Put_U8(pos, e.Length);
        pos = Buffer.Put_U8(pos, e.Direction);
        pos = Buffer.Put_U32(pos, e.Name_Add);
        pos = Buffer.Put_U16(pos, e.Row);
        pos = Buffer.Put_U8(pos, e.Bit);
        pos = Buffer.Put_U8(pos, 0);
    }
    pos = Buffer.Put_Zeros(pos, (capacity - filled) * Object_Entry_Size);
    pos = Buffer.Put_Bytes(pos, state.Name_Pool.left(Name_Pool_Size).leftJustified(Name_Pool_Size, '\0'));
    return Buffer.Put_Zeros(pos, Position + Object_Area_Size - pos);
}
