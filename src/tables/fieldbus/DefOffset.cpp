#include "tables/fieldbus/DefOffset.h"

#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"
#include "tables/TableFile.h"

#include <array>
#include <utility>

namespace {

const QString kNone = QStringLiteral("None");

// The slave's bytes of one direction.
struct TBytes {
    std::uint16_t TSlave_DN::*Count;
    QStringList TSlave_DN::*Offsets;
    QStringList TSlave_DN::*Mnemonics;
    const char* Element;
};
const TBytes kIn = {&TSlave_DN::ByteIN, &TSlave_DN::SL_ByteIN, &TSlave_DN::SL_ByteIN_M, "ByteIN"};
const TBytes kOut = {&TSlave_DN::ByteOUT, &TSlave_DN::SL_ByteOUT, &TSlave_DN::SL_ByteOUT_M, "ByteOUT"};

QString Read_Bytes(const QString& path, const Xml::TElement& node, TSlave_DN& slave, const TBytes& bytes)
{
    const Xml::TElement* block = Xml::Child(&node, QLatin1String(bytes.Element));
    if (!block)
        return {};   // only a hand-edited file lacks one: its bytes stay "None"
    const int count = std::min<int>(slave.*bytes.Count, static_cast<int>(block->Elements.size()));
    for (int j = 0; j < count; ++j) {
        const Xml::TElement& row = block->Elements[static_cast<std::size_t>(j)];
        const std::optional<QString> offset = Xml::Attribute(row, QLatin1String("Offset"));
        const std::optional<QString> mnemonic = Xml::Attribute(row, QLatin1String("Mnemonic"));
        if (!offset || !mnemonic)
            return Row_Attribute_Message(path, QLatin1String(bytes.Element), j + 1,
                                         offset ? QStringLiteral("Mnemonic") : QStringLiteral("Offset"), false);
        // The list offers no position past the data area; one from a file means no position.
        (slave.*bytes.Offsets)[j] = Cell_Int(*offset) >= DNet_MAX_Byte ? kNone : *offset;
        (slave.*bytes.Mnemonics)[j] = *mnemonic;
    }
    return {};
}

} // namespace

TSlaves_DN_Load Load_Slave_DN(const QString& path)
{
    TSlaves_DN_Load load;
    const TTableFile_Read file = Read_Table_File(path, DNETM_Net_Schema);
    load.Error = file.Error;
    if (file.Load != TProjectFileLoad::Loaded)
        return load;
    const TSchemaSection& section = DNETM_Net_Schema.Sections.front();
    const std::array<int, 3> limits = {255, 65535, 65535};
    for (std::size_t r = 0; r < file.Sections.front().Rows.size(); ++r) {
        const TTableRow_Read& row = file.Sections.front().Rows[r];
        std::array<int, 3> values{};
        for (std::size_t a = 0; a < row.size(); ++a) {
            const bool number = a < values.size();
            if (number && row[a])
                values[a] = Cell_Int(*row[a]);
            if (!row[a] || (number && (values[a] < 0 || values[a] > limits[a]))) {
                load.Error = Row_Attribute_Message(path, DNETM_Net_Schema.Root, static_cast<int>(r) + 1,
                                                   section.Attributes[a].Name, number);
                return load;
            }
        }
        TSlave_DN slave;
        slave.ID = static_cast<std::uint8_t>(values[0]);
        slave.ByteIN = static_cast<std::uint16_t>(values[1]);
        slave.ByteOUT = static_cast<std::uint16_t>(values[2]);
        for (const TBytes* bytes : {&kIn, &kOut}) {
            const int n = slave.*bytes->Count;
            slave.*bytes->Offsets = QStringList(n, kNone);
            slave.*bytes->Mnemonics = QStringList(n);
        }
        load.Slaves.push_back(std::move(slave));
        load.Rows.push_back(With_Defaults(row, section));
    }
    return load;
}

QString Load_Offset_Slave_DN(const QString& path, std::vector<TSlave_DN>& slaves)
{
    Xml::TElement root;
    QString error;
    const TProjectFileLoad file = Load_Project_File(path, root, &error);
    if (file != TProjectFileLoad::Loaded)
        return file == TProjectFileLoad::Failed ? error : QString();
    const std::size_t blocks = std::min(slaves.size(), root.Elements.size());
    for (std::size_t k = 0; k < blocks; ++k)
        for (const TBytes* bytes : {&kIn, &kOut}) {
            error = Read_Bytes(path, root.Elements[k], slaves[k], *bytes);
            if (!error.isEmpty())
                return error;
        }
    return {};
}

QString Check_Data(const std::vector<TSlave_DN>& slaves)
{
    // Check_Byte_Offset: which slave and which of its output bytes holds each position; -1, -1 = free.
    std::vector<std::pair<int, int>> check(DNet_MAX_Byte, {-1, -1});
    for (const TSlave_DN& slave : slaves)
        for (int i = 0; i < slave.ByteOUT; ++i) {
            const int position = Cell_Int(slave.SL_ByteOUT.value(i));
            if (position < 0 || position >= DNet_MAX_Byte)
                continue;
            std::pair<int, int>& entry = check[static_cast<std::size_t>(position)];
            if (entry.first != -1 || entry.second != -1)
                return Lang(3121) + QStringLiteral("\n\r( ") + Lang(3122) + QString::number(entry.first) + Lang(3123) +
                       QString::number(entry.second) + Lang(3124) + QString::number(slave.ID) + Lang(3125) +
                       QString::number(i) + QStringLiteral(")");
            entry = {slave.ID, i};
        }
    return {};
}

QByteArray Offset_File_XML(const std::vector<TSlave_DN>& slaves)
{
    TTableWriter writer(QStringLiteral("Define_Offset"), {QStringLiteral("Offset"), QStringLiteral("Mnemonic")},
                        QStringLiteral("SW_VERSION = 1.000"));
    for (const TSlave_DN& slave : slaves) {
        writer.Start_Section(QStringLiteral("Nodo_DNET"));
        for (const TBytes* bytes : {&kIn, &kOut}) {
            writer.Start_Section(QLatin1String(bytes->Element));
            for (int i = 0; i < slave.*bytes->Count; ++i)
                writer.Add_Row({(slave.*bytes->Offsets).value(i), (slave.*bytes->Mnemonics).value(i)});
            writer.End_Section();
        }
        writer.End_Section();
    }
    return writer.Finish();
}
