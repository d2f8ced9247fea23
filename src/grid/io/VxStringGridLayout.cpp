#include "grid/io/GridIniFile.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridTypes.h"
#include "grid/model/IntList.h"

#include "platform/Paths.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <numeric>

namespace {
// Every stored list is checked whole before the grid changes: a bad entry raises EConvertError.
int StrictInt(const QString& Text)
{
    bool ok = false;
    const int value = Text.trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError(("'" + Text + "' is not a valid integer value").toStdString());
    return value;
}

std::vector<int> IntList(const QString& Text)
{
    std::vector<int> out;
    if (Text.isEmpty())
        return out;
    for (const QString& item : Text.split(QLatin1Char(',')))
        out.push_back(StrictInt(item));
    return out;
}

// The grid remembers widths in 16 bits; a wider one comes from a damaged or hostile file.
constexpr int MaxStoredColWidth = 32767;

bool BadWidth(int Width)
{
    return Width < 0 || Width > MaxStoredColWidth;
}

void CheckPermutation(const std::vector<int>& Order, int Count)
{
    std::vector<bool> seen(std::size_t(Count), false);
    for (int v : Order) {
        if (v < 0 || v >= Count || seen[std::size_t(v)])
            throw EConvertError("Column order is not a permutation of the columns");
        seen[std::size_t(v)] = true;
    }
}

// The user's registry has no place here: a registry key becomes an INI file of the user's settings folder,
// its sub-key the section.
QString StorageFile(const TColumnSize& Size)
{
    if (Size.Location() == TColumnSizeLocation::clIniFile)
        return Size.Key();
    const QString file = JoinPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), Size.Key()) +
                         QStringLiteral(".ini");
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

QString JoinInts(const std::vector<int>& Values)
{
    QStringList parts;
    for (int v : Values)
        parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}
} // namespace

// Position k comes to show the column standing at position Order[k] now; hidden columns must be shown already.
// The moves keep the column order list in step, so it ends as Order.
void TVxStringGridPrivate::ResetColumnsTo(const std::vector<int>& Order)
{
    const int n = int(Order.size());
    q->SetColumnOrder();
    std::vector<int> cur(static_cast<std::size_t>(n));
    std::iota(cur.begin(), cur.end(), 0);
    for (int k = 0; k < n; ++k) {
        const int p = int(std::find(cur.begin() + k, cur.end(), Order[std::size_t(k)]) - cur.begin());
        if (p != k) {
            q->MoveColumn(p, k);
            std::rotate(cur.begin() + k, cur.begin() + p, cur.begin() + p + 1);
        }
    }
}

namespace {
std::vector<int> OrderOf(const TIntList& List)
{
    std::vector<int> out;
    for (int i = 0; i < List.Count(); ++i)
        out.push_back(List.Items(i));
    return out;
}
} // namespace

QString TVxStringGrid::ColumnStatesToString()
{
    const int n = ColCount() + NumHiddenColumns();
    std::vector<int> widths, order = OrderOf(*d->Order.FColumnOrder), visible;
    for (int i = 0; i < n; ++i) {
        widths.push_back(i < ColCount() ? ColWidths(i) : DefaultColWidth());
        visible.push_back(IsHiddenColumn(i) ? 0 : 1);
    }
    if (order.empty()) {
        order.resize(std::size_t(n));
        std::iota(order.begin(), order.end(), 0);
    }
    return QString::number(n) + QLatin1Char('#') + JoinInts(widths) + QLatin1Char('#') + JoinInts(order) +
           QLatin1Char('#') + JoinInts(visible);
}

void TVxStringGrid::StringToColumnStates(const QString& Value)
{
    if (!Value.contains(QLatin1Char('#')))
        return;
    const QStringList fields = Value.split(QLatin1Char('#'));
    if (fields.size() != 4)
        throw EConvertError("A column state holds four fields");
    const int n = StrictInt(fields[0]);
    if (n < 1 || n > MaxHiddenColumns)
        throw EConvertError("Column count out of range");
    const std::vector<int> widths = IntList(fields[1]);
    std::vector<int> order = IntList(fields[2]);
    const std::vector<int> flags = IntList(fields[3]);
    if (!order.empty()) {
        if (int(order.size()) < n)
            throw EConvertError("Too few column order entries");
        order.resize(std::size_t(n));
        CheckPermutation(order, n);
    }
    if (int(flags.size()) < n)
        throw EConvertError("Too few column visibility entries");
    const int shown = int(std::count_if(flags.begin(), flags.begin() + n, [](int f) { return f != 0; }));
    if (shown == 0)
        throw EConvertError("A column state must leave a column shown");
    if (int(widths.size()) < shown || std::any_of(widths.begin(), widths.end(), BadWidth))
        throw EConvertError("Too few column widths or a width out of range");

    UnHideColumnsAll();
    SetColCount(n);
    if (!order.empty())
        d->ResetColumnsTo(order);
    else
        d->Order.FColumnOrder->Clear();
    for (int i = n - 1; i >= 0; --i)
        if (flags[std::size_t(i)] == 0)
            HideColumn(i);
    const bool stretch = ColumnSize().Stretch();
    ColumnSize().SetStretch(false);
    if (stretch) {
        const int sc = ColumnSize().StretchColumn() == -1 ? ColCount() - 1 : ColumnSize().StretchColumn();
        if (sc >= 0 && sc < ColCount())
            SetDefaultColWidth(ColWidths(sc));
    }
    for (int i = 0; i < ColCount(); ++i)
        SetColWidths(i, widths[std::size_t(i)]);
    ColumnSize().SetStretch(stretch);
}

void TVxStringGrid::SaveColSizes()
{
    const QString key = ColumnSize().Key(), section = ColumnSize().Section();
    if (IsDesigning() || key.isEmpty() || section.isEmpty())
        return;
    TGridIniFile ini(StorageFile(ColumnSize()));
    for (int i = 0; i < ColCount(); ++i)
        ini.WriteInteger(section, QStringLiteral("Col%1").arg(i), ColWidths(i));
    ini.UpdateFile();
}

void TVxStringGrid::LoadColSizes()
{
    const QString key = ColumnSize().Key(), section = ColumnSize().Section();
    if (IsDesigning() || key.isEmpty() || section.isEmpty())
        return;
    TGridIniFile ini(StorageFile(ColumnSize()));
    std::vector<int> widths;
    for (int i = 0; i < ColCount(); ++i) {
        const QString name = QStringLiteral("Col%1").arg(i);
        widths.push_back(ini.ValueExists(section, name) ? StrictInt(ini.ReadString(section, name, {})) : ColWidths(i));
        if (BadWidth(widths.back()))
            throw EConvertError("Column width out of range");
    }
    for (int i = 0; i < ColCount(); ++i)
        if (ColWidths(i) != widths[std::size_t(i)])
            SetColWidths(i, widths[std::size_t(i)]);
}

void TVxStringGridPrivate::LoadSavedColSizes()
{
    if (!q->ColumnSize().Save())
        return;
    try {
        q->LoadColSizes();
    } catch (const std::exception&) {
    }
}

void TVxStringGrid::SaveColPositions()
{
    const QString key = ColumnSize().Key(), section = ColumnSize().Section();
    if (IsDesigning() || key.isEmpty() || section.isEmpty())
        return;
    TGridIniFile ini(StorageFile(ColumnSize()));
    for (int i = 0; i < d->Order.FColumnOrder->Count(); ++i)
        ini.WriteInteger(section, QStringLiteral("Pos%1").arg(i), d->Order.FColumnOrder->Items(i));
    ini.UpdateFile();
}

void TVxStringGrid::LoadColPositions()
{
    const QString key = ColumnSize().Key(), section = ColumnSize().Section();
    if (IsDesigning() || key.isEmpty() || section.isEmpty())
        return;
    TGridIniFile ini(StorageFile(ColumnSize()));
    if (!ini.ValueExists(section, QStringLiteral("Pos0")))
        return;
    const int n = AllColCount();
    std::vector<int> order;
    for (int i = 0; i < n; ++i) {
        const int v = StrictInt(ini.ReadString(section, QStringLiteral("Pos%1").arg(i), QStringLiteral("-1")));
        if (v != -1)
            order.push_back(v);
    }
    if (int(order.size()) != n)
        throw EConvertError("Too few column positions");
    CheckPermutation(order, n);
    std::vector<int> hidden;
    for (int c = 0; c < n; ++c)
        if (IsHiddenColumn(c))
            hidden.push_back(c);
    UnHideColumnsAll();
    d->ResetColumnsTo(order);
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it)
        HideColumn(*it);
}
