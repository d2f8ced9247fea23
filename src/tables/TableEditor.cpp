#include "tables/TableEditor.h"

#include "core/ULanguage.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string>

std::vector<TTableLoad> Load_Table_Editor(const TTableEditor& editor, const QString& path, const std::vector<int>& rows)
{
    const TTableSchema& schema = *editor.Schema;
    std::vector<TTableLoad> tables(editor.Grids.size());
    const TTableFile_Read file = Read_Table_File(path, schema, -1);
    QString& error = tables.front().Error;
    error = file.Error;
    for (std::size_t t = 0; t < file.Sections.size() && t < tables.size() && error.isEmpty(); ++t) {
        const TTableSection_Read& section = file.Sections[t];
        const TTableEditorGrid& grid = editor.Grids[t];
        const TSchemaSection& schemaSection = schema.Sections[t];
        const QString& name = schemaSection.Name;
        if (!section.Present && editor.Sections_Required) {
            error = Missing_Element_Message(path, name);
            break;
        }
        const int read = static_cast<int>(section.Rows.size());
        tables[t].Left_Out = std::max(0, read - (t < rows.size() ? rows[t] : grid.Capacity));
        for (int r = 0; r < read - tables[t].Left_Out && error.isEmpty(); ++r) {
            const TTableRow_Read& row = section.Rows[static_cast<std::size_t>(r)];
            QStringList cells;
            std::size_t a = 0;
            // The row holds the legacy attributes after the schema's own: those are Load_Row's.
            for (std::size_t c = 1; c < grid.Columns.size(); ++c) {
                const TTableEditorColumn& column = grid.Columns[c];
                if (!column.Stored) {
                    cells << column.Load_Text;
                    continue;
                }
                if (a >= schemaSection.Attributes.size())
                    break;
                if (!row[a] && column.Read == TReadMode::rmRequired) {
                    error = Row_Attribute_Message(path, name.isEmpty() ? schema.Root : name, r + 1,
                                                  schemaSection.Attributes[a].Name, false);
                    break;
                }
                cells << row[a].value_or(schemaSection.Attributes[a].Default);
                ++a;
            }
            if (editor.Load_Row && error.isEmpty())
                editor.Load_Row(static_cast<int>(t), row, cells);
            if (editor.From_File && error.isEmpty())
                editor.From_File(editor, static_cast<int>(t), cells);
            tables[t].Rows.push_back(std::move(cells));
        }
    }
    return tables;
}

int Table_Editor_End(const TTableEditor& editor, int grid, const TTableRows& rows)
{
    const TTableEditorGrid& g = editor.Grids[static_cast<std::size_t>(grid)];
    return Table_End(rows, g.Key_Column - 1, g.Key_As_Stored);
}

QString Check_Table_Editor(const TTableEditor& editor, const std::vector<TTableRows>& tables)
{
    std::vector<TTableRows> heads;
    for (std::size_t g = 0; g < tables.size(); ++g) {
        const TTableRows& rows = tables[g];
        const int end = Table_Editor_End(editor, static_cast<int>(g), rows);
        heads.emplace_back(rows.begin(), rows.begin() + end);
        if (!editor.Check_Row)
            continue;
        for (int r = 0; r < end; ++r) {
            const QStringList& cells = rows[static_cast<std::size_t>(r)];
            if (editor.Enable_Column && cells.value(0).trimmed().toUpper() != QLatin1String("Y"))
                continue;
            const QString rule = editor.Check_Row(editor, static_cast<int>(g), cells);
            const int prefix = editor.Grids[g].Row_Error;
            if (!rule.isEmpty())
                return Lang(prefix ? prefix : editor.Row_Error) + QString::number(r + 1) + rule;
        }
    }
    return editor.Check_Tables ? editor.Check_Tables(editor, heads) : QString();
}

QByteArray Table_Editor_XML(const TTableEditor& editor, const std::vector<TTableRows>& tables)
{
    std::vector<TTableRows> heads;
    for (std::size_t g = 0; g < tables.size(); ++g) {
        const std::vector<TTableEditorColumn>& columns = editor.Grids[g].Columns;
        TTableRows& head = heads.emplace_back();
        const int end = Table_Editor_End(editor, static_cast<int>(g), tables[g]);
        for (int r = 0; r < end; ++r) {
            QStringList cells = tables[g][static_cast<std::size_t>(r)];
            if (editor.To_File)
                editor.To_File(editor, static_cast<int>(g), cells);
            QStringList stored;
            for (std::size_t c = 1; c < columns.size(); ++c)
                if (columns[c].Stored)
                    stored << cells.value(static_cast<qsizetype>(c) - 1);
            head.push_back(std::move(stored));
        }
    }
    return Write_Table_File(*editor.Schema, heads);
}

QString Check_Positions(const TTableEditor& editor, const QStringList& cells, int first, int count,
                        const std::function<int(int n)>& text, int orNone)
{
    for (int n = 1; n <= count; ++n) {
        QString cell = cells.value(first + n - 1);
        if (orNone) {
            cell = cell.trimmed();
            if (cell.isEmpty() || cell == QLatin1String("None"))
                continue;
        }
        const int position = Cell_Int(cell);
        if (position < 0 || position > editor.Data_Area - 1)
            return Lang(text(n)) + QString::number(editor.Data_Area - 1) + (orNone ? Lang(orNone) : QString());
    }
    return {};
}

namespace {

// A list of numbers, its texts side by side in one block that lives as long as the list is shared.
struct TNumberItems {
    QString Block;
    QStringList Items;
};

// The same few lists of thousands of numbers are asked for by every window at start: made once, then shared.
// Each item lends its text from the block, so a list costs two allocations, not one per number.
const QStringList& Shared_Items(std::map<int, TNumberItems>& made, int count, bool none)
{
    auto it = made.find(count);
    if (it == made.end()) {
        TNumberItems& list = made[count];
        std::string digits;
        digits.reserve(static_cast<std::size_t>(count) * 5);
        for (int n = 0; n < count; ++n) {
            char number[12];
            digits.append(number, std::to_chars(number, number + sizeof number, n).ptr);
        }
        list.Block = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
        list.Items.reserve(count + 1);
        if (none)
            list.Items << QStringLiteral("None");
        // The block is complete: from here on its characters never move.
        const QChar* text = list.Block.constData();
        for (int n = 0, width = 1, next = 10; n < count; ++n) {
            if (n == next) {
                ++width;
                next *= 10;
            }
            list.Items << QString::fromRawData(text, width);
            text += width;
        }
        return list.Items;
    }
    return it->second.Items;
}

} // namespace

QStringList Position_Items(int count)
{
    static std::map<int, TNumberItems> made;
    return Shared_Items(made, count, true);
}

QStringList Number_Items(int count)
{
    static std::map<int, TNumberItems> made;
    return Shared_Items(made, count, false);
}
