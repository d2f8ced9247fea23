#include "core/tables/TableSchema.h"

QStringList TSchemaSection::Names() const
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(Attributes.size()));
    for (const TTableAttribute& a : Attributes)
        names << a.Name;
    return names;
}

int TSchemaSection::Index(const QString& name) const
{
    for (std::size_t i = 0; i < Attributes.size(); ++i)
        if (Attributes[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

namespace {

void Read_Section(const Xml::TElement* element, const TSchemaSection& schema, int maxRows, TTableSection_Read& section)
{
    section.Present = element != nullptr;
    if (!element)
        return;
    for (const Xml::TElement& e : element->Elements) {
        if (maxRows >= 0 && static_cast<int>(section.Rows.size()) == maxRows) {
            ++section.Left_Out;
            continue;
        }
        TTableRow_Read& row = section.Rows.emplace_back(schema.Attributes.size());
        for (const Xml::TElement::TAttribute& a : e.Attributes) {
            const int i = schema.Index(a.Name);
            if (i >= 0)
                row[static_cast<std::size_t>(i)] = e.Attribute_Values.mid(a.Start, a.Length);
        }
    }
}

} // namespace

TTableFile_Read Read_Table_File(const QString& path, const TTableSchema& schema, int maxRows)
{
    TTableFile_Read file;
    Xml::TElement root;
    file.Load = Load_Project_File(path, root, &file.Error);
    if (file.Load != TProjectFileLoad::Loaded)
        return file;
    for (const TSchemaSection& section : schema.Sections)
        Read_Section(section.Name.isEmpty() ? &root : Xml::Child(&root, section.Name), section, maxRows,
                     file.Sections.emplace_back());
    return file;
}

int First_Missing(const TTableRow_Read& row)
{
    for (std::size_t i = 0; i < row.size(); ++i)
        if (!row[i])
            return static_cast<int>(i);
    return -1;
}

QStringList With_Defaults(const TTableRow_Read& row, const TSchemaSection& section)
{
    QStringList cells;
    cells.reserve(static_cast<qsizetype>(row.size()));
    for (std::size_t i = 0; i < row.size(); ++i)
        cells << row[i].value_or(section.Attributes[i].Default);
    return cells;
}

QByteArray Write_Table_File(const TTableSchema& schema, const std::vector<TTableRows>& tables)
{
    TTableWriter writer(schema.Root, {}, QStringLiteral("SW_VERSION = ") + schema.Version);
    for (std::size_t t = 0; t < tables.size() && t < schema.Sections.size(); ++t) {
        const TSchemaSection& section = schema.Sections[t];
        writer.Set_Attributes(section.Names());
        if (!section.Name.isEmpty())
            writer.Start_Section(section.Name);
        for (const QStringList& row : tables[t])
            writer.Add_Row(row);
        if (!section.Name.isEmpty())
            writer.End_Section();
    }
    return writer.Finish();
}
