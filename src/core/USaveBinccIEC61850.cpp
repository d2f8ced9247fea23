#include "core/USaveBinccIEC61850.h"
#include "core/UComon.h"
#include "core/USaveBinccImage.h"
#include "core/ProjectFile.h"
#include "core/tables/TableSchemas.h"

#include <functional>

namespace {

// One enabled row of a table file read through its schema; the compiler reads a missing attribute as empty.
struct TRow {
    const TSchemaSection& Schema;
    const TTableRow_Read& Cells;
    std::optional<QString> Value(const char* name) const
    {
        return Cells[static_cast<std::size_t>(Schema.Index(QLatin1String(name)))];
    }
    QString Text(const char* name) const { return Value(name).value_or(QString()); }
    std::uint32_t Number(const char* name) const
    {
        return static_cast<std::uint32_t>(Read_Whole_Number(Text(name)).value_or(0));
    }
};

float Read_Factor(const TRow& row, QChar separator)
{
    const std::optional<QString> text = row.Value("MultiplicationFactor");
    if (!text)
        return 1.0f;
    const QString factor = text->trimmed().toUpper();
    if (factor == QStringLiteral("NONE"))
        return 1.0f;
    float value = 1.0f;
    return Str_To_Float_Dec(factor, separator, value) ? value : 1.0f;
}

TIEC61850_Var Read_Variable(const TRow& row, QChar separator)
{
    TIEC61850_Var var;
    var.Name = row.Text("Name");
    const QString type = row.Value("Type").value_or(QStringLiteral("INT")).trimmed().toUpper();
    var.Data_Type = type == QStringLiteral("FLOAT") ? 6 : type == QStringLiteral("DIGITAL (BIT)") ? 2 : 4;
    var.Length = var.Data_Type == 2 ? 1 : row.Number("Length");
    var.Read_Only = row.Text("ReadOnly").trimmed().toUpper() == QStringLiteral("Y") ? 1 : 0;
    var.Position = row.Number("Position");
    var.Start_Bit = row.Number("StartBit");
    const QString conversion = row.Text("Conversion").trimmed().toUpper();
    var.Operation = conversion == QStringLiteral("INT TO FLOAT") ? 1 : conversion == QStringLiteral("FLOAT TO INT") ? 2 : 0;
    var.Multiplication_Factor = Read_Factor(row, separator);
    var.Options = (row.Text("Swap") == QStringLiteral("Y") ? 1 : 0) | (row.Text("SwapWord") == QStringLiteral("Y") ? 2 : 0);
    return var;
}

// Calls `read` with every enabled row of a table file; false when the file is there but unreadable.
bool Enabled_Rows(const QString& path, const TTableSchema& schema, const std::function<void(const TRow&)>& read,
                  QString* error)
{
    const TTableFile_Read file = Read_Table_File(path, schema);
    if (file.Load != TProjectFileLoad::Loaded) {
        if (error && file.Load == TProjectFileLoad::Failed)
            *error = file.Error;
        return file.Load == TProjectFileLoad::Missing;
    }
    const TSchemaSection& section = schema.Sections.front();
    const int enable = section.Index(QStringLiteral("Enable"));
    for (const TTableRow_Read& cells : file.Sections.front().Rows)
        if (cells[static_cast<std::size_t>(enable)] == QStringLiteral("Y"))
            read(TRow{section, cells});
    return true;
}

// Address of a string that takes `size` bytes at offset o, or of the shared zero byte when empty.
std::uint32_t Place(bool empty, std::uint32_t size, std::uint32_t section, std::uint32_t zero, std::uint32_t& o)
{
    if (empty)
        return section + zero;
    const std::uint32_t address = section + o;
    o += size;
    return address;
}

int Put_Certificate_Entry(const TTLS_Certificate& cert, int pos, TBinImage& buffer)
{
    pos = buffer.Put_U32(pos, cert.Certificate_Add);
    return buffer.Put_U32(pos, cert.Certificate_Length - 1);
}

} // namespace

std::uint32_t UTF8_Length(const QString& text)
{
    return static_cast<std::uint32_t>(text.toUtf8().size()) + 1;
}

void Reset_IEC61850_Data(TIEC61850& data)
{
    data = TIEC61850{};
}

bool Read_IEC61850_Variables_XML(TIEC61850& data, const QString& path, QString* error)
{
    const QChar separator = Get_Decimal_Separator();
    data.Variables.clear();
    data.Var_Number = 0;
    if (!Enabled_Rows(
            path, IEC61850_Variables_Schema, [&](const TRow& row) { data.Variables.append(Read_Variable(row, separator)); },
            error))
        return false;
    data.Var_Number = static_cast<std::uint32_t>(data.Variables.size());
    return true;
}

bool Read_TLS_Known_Cert_XML(TIEC61850& data, const QString& path, QString* error)
{
    TTLS_Bank& tls = data.TLS_Data;
    tls.Known_Cert.clear();
    tls.Known_Cert_Num = 0;
    const auto read = [&](const TRow& row) {
        TTLS_Certificate cert;
        cert.Certificate = row.Text("Certificate");
        cert.Certificate_Length = UTF8_Length(cert.Certificate);
        tls.Known_Cert.append(cert);
    };
    if (!Enabled_Rows(path, Known_Cert_Schema, read, error))
        return false;
    tls.Known_Cert_Num = static_cast<std::uint32_t>(tls.Known_Cert.size());
    return true;
}

int Put_UTF8_String(const QString& text, int Position, TBinImage& Buffer)
{
    if (text.isEmpty())
        return Position;
    return Buffer.Put_U8(Buffer.Put_Bytes(Position, text.toUtf8()), 0);
}

int Put_Byte_String(const QString& text, int Position, TBinImage& Buffer)
{
    if (text.isEmpty())
        return Position;
    return Buffer.Put_U8(Buffer.Put_Bytes(Position, Low_Bytes(text)), 0);
}

int Put_IEC61850_Section(TIEC61850& data, std::uint32_t Section_Address, int Position, TBinImage& Buffer)
{
    TTLS_Bank& tls = data.TLS_Data;
    const std::uint32_t S = Section_Address;
    const bool known_table = data.TLS_Enable == 1 && tls.Known_Cert_En == 1;
    const std::uint32_t known_count = known_table ? tls.Known_Cert_Num : 0;

    // Addresses first, in the order the strings are written below.
    tls.Known_Cert_Add = S + IEC61850_Header_Size;
    std::uint32_t o = IEC61850_Header_Size + IEC61850_Known_Cert_Entry_Size * known_count;
    data.Var_Add = S + o;
    o += IEC61850_Var_Entry_Size * data.Var_Number;
    const std::uint32_t Z = o++;   // the zero byte every absent string points at
    tls.key_add = Place(tls.key.isEmpty(), tls.Key_Length, S, Z, o);
    tls.Key_Password_Add = tls.Key_Password.isEmpty() ? 0 : Place(false, UTF8_Length(tls.Key_Password), S, Z, o);
    for (TTLS_Certificate* cert : {&tls.Server_Cert, &tls.Root_Cert})
        cert->Certificate_Add = Place(cert->Certificate.isEmpty(), cert->Certificate_Length, S, Z, o);
    data.Password_Add = data.Password.isEmpty() ? 0 : Place(false, static_cast<std::uint32_t>(data.Password.size()) + 1, S, Z, o);
    if (known_table)
        for (TTLS_Certificate& cert : tls.Known_Cert)
            cert.Certificate_Add = Place(cert.Certificate.isEmpty(), cert.Certificate_Length, S, Z, o);
    for (TIEC61850_Var& var : data.Variables)
        var.Name_Add = Place(var.Name.isEmpty(), static_cast<std::uint32_t>(var.Name.size()) + 1, S, Z, o);

    int pos = Buffer.Put_U16(Position, data.port);
    pos = Buffer.Put_U32(pos, data.TLS_Enable);
    pos = Buffer.Put_U32(pos, tls.key_add);
    pos = Buffer.Put_U32(pos, tls.Key_Length - 1);
    pos = Buffer.Put_U32(pos, tls.Key_Password_Add);
    pos = Put_Certificate_Entry(tls.Server_Cert, pos, Buffer);
    pos = Put_Certificate_Entry(tls.Root_Cert, pos, Buffer);
    pos = Buffer.Put_U32(pos, known_count);
    pos = Buffer.Put_U32(pos, tls.Known_Cert_Add);
    pos = Buffer.Put_U32(pos, data.Password_Add);
    pos = Buffer.Put_U32(pos, data.Var_Number);
    pos = Buffer.Put_U32(pos, data.Var_Add);
    if (known_table)
        for (const TTLS_Certificate& cert : tls.Known_Cert)
            pos = Put_Certificate_Entry(cert, pos, Buffer);
    for (const TIEC61850_Var& var : data.Variables) {
        pos = Buffer.Put_U32(pos, var.Name_Add);
        pos = Buffer.Put_U32(pos, var.Data_Type);
        pos = Buffer.Put_U32(pos, var.Position);
        pos = Buffer.Put_U32(pos, var.Start_Bit);
        pos = Buffer.Put_U32(pos, var.Length);
        pos = Buffer.Put_U32(pos, var.Read_Only);
        pos = Buffer.Put_Float(pos, var.Multiplication_Factor);
        pos = Buffer.Put_U16(pos, var.Operation);
        pos = Buffer.Put_U16(pos, var.Options);
    }
    pos = Buffer.Put_U8(pos, 0);
    pos = Put_UTF8_String(tls.key, pos, Buffer);
    pos = Put_UTF8_String(tls.Key_Password, pos, Buffer);
    pos = Put_UTF8_String(tls.Server_Cert.Certificate, pos, Buffer);
    pos = Put_UTF8_String(tls.Root_Cert.Certificate, pos, Buffer);
    pos = Put_Byte_String(data.Password, pos, Buffer);
    if (known_table)
        for (const TTLS_Certificate& cert : tls.Known_Cert)
            pos = Put_UTF8_String(cert.Certificate, pos, Buffer);
    for (const TIEC61850_Var& var : data.Variables)
        pos = Put_Byte_String(var.Name, pos, Buffer);
    return pos;
}
