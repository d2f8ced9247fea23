#include "tables/fieldbus/FrameBytes.h"

#include "core/ULanguage.h"

QString Check_Byte_Total(const TTableEditor& editor, const TTableRows& rows, int limit, int totalText,
                         const std::function<TRowBytes(const QStringList& cells)>& head,
                         const std::function<QString(const QStringList& cells)>& tail)
{
    int total = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QString prefix = Lang(editor.Row_Error) + QString::number(r + 1);
        const TRowBytes row = head(rows[r]);
        if (!row.Rule.isEmpty())
            return prefix + row.Rule;
        total += row.Bytes;
        if (total > limit)
            return Lang(totalText) + QString::number(limit);
        const QString rule = tail ? tail(rows[r]) : QString();
        if (!rule.isEmpty())
            return prefix + rule;
    }
    return {};
}

TRowBytes Packet_Capture(const QString& start, const QString& count, int max, int startText)
{
    const int s = Cell_Int(start);
    if (s < 0 || s > max)
        return {Lang(startText)};
    const int n = Cell_Int(count);
    if (n < 0 || s + n > max)
        return {Lang(startText + 1)};
    return {{}, n};
}

TRowBytes Frame_Capture(const QString& start, const QString& count, int firstText)
{
    const bool noStart = start.trimmed().isEmpty();
    const bool noCount = count.trimmed().isEmpty();
    if (noStart && noCount)
        return {{}, 8};
    if (noStart || noCount)
        return {Lang(firstText)};
    const int s = Cell_Int(start);
    if (s < 1 || s > 8)
        return {Lang(firstText + 1)};
    const int n = Cell_Int(count);
    if (n < 1 || n > 8)
        return {Lang(firstText + 2)};
    if (s + n > 8)
        return {Lang(firstText + 3)};
    return {{}, n};
}

bool Cell_On(const QString& cell)
{
    return cell == QLatin1String("Y");
}

bool Cell_In(const QString& cell, int low, int high)
{
    const int v = Cell_Int(cell);
    return v >= low && v <= high;
}

TTableEditor Fieldbus_Editor(int width, int caption, int rowError, int deleteQuestion, const QString* file,
                             const TTableSchema* schema, TTableEditorGrid grid)
{
    TTableEditor e;
    e.Width = width;
    e.Height = 337;
    e.Caption = caption;
    for (int i = 0; i < 6; ++i)
        e.Button_Hints[static_cast<std::size_t>(i)] = caption + 8 + i;
    e.Row_Error = rowError;
    e.Delete_Question = deleteQuestion;
    e.File = file;
    e.Schema = schema;
    e.Grids = {std::move(grid)};
    return e;
}
