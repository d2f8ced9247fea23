#include "grid/model/IntList.h"
#include <QStringList>
#include <algorithm>

namespace {

constexpr std::uint32_t kDescendingBit = 0x80000000u;
constexpr std::uint32_t kColumnMask = 0x7FFFFFFFu;

bool IsBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= ' '; }

// The toolkit's comma text: commas and blanks separate, double quotes group ("" is a quote inside).
QStringList SplitCommaText(const QString& s)
{
    QStringList items;
    int p = 0;
    const int n = int(s.size());
    auto skipBlanks = [&] { while (p < n && IsBlank(s[p])) ++p; };
    skipBlanks();
    while (p < n) {
        QString item;
        if (s[p] == QLatin1Char('"')) {
            ++p;
            while (p < n) {
                if (s[p] == QLatin1Char('"')) {
                    if (p + 1 < n && s[p + 1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += s[p++];
            }
        } else {
            const int start = p;
            while (p < n && s[p].unicode() > ' ' && s[p] != QLatin1Char(','))
                ++p;
            item = s.mid(start, p - start);
        }
        items << item;
        skipBlanks();
        if (p < n && s[p] == QLatin1Char(',')) {
            if (p + 1 == n)
                items << QString();
            ++p;
            skipBlanks();
        }
    }
    return items;
}

} // namespace

TIntList::TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

void TIntList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
}

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

std::int32_t TIntList::Items(int Index) const
{
    CheckIndex(Index);
    return FItems[std::size_t(Index)];
}

void TIntList::SetItems(int Index, std::int32_t Value)
{
    CheckIndex(Index);
    FItems[std::size_t(Index)] = Value;
    Changed();
}

void TIntList::Add(std::int32_t Value)
{
    FItems.push_back(Value);
    Changed();
}

void TIntList::Delete(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TIntList::Insert(int Index, std::int32_t Value)
{
    if (Index < 0 || Index > Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
    FItems.insert(FItems.begin() + Index, Value);
}

int TIntList::IndexOf(std::int32_t Value) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), Value);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TIntList::DeleteValue(std::int32_t Value)
{
    const int i = IndexOf(Value);
    if (i >= 0)
        Delete(i);
}

bool TIntList::HasValue(std::int32_t Value) const { return IndexOf(Value) >= 0; }

void TIntList::Clear() { FItems.clear(); }

QString TIntList::StrValue() const
{
    QStringList parts;
    for (std::int32_t v : FItems)
        parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}

void TIntList::SetStrValue(const QString& Value)
{
    Clear();
    for (const QString& item : SplitCommaText(Value)) {
        bool ok = false;
        const int v = item.toInt(&ok, 10);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(item).toStdString());
        Add(v);
    }
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    std::uint32_t item = std::uint32_t(ColumnIndex) & kColumnMask;
    if (!Ascending)
        item |= kDescendingBit;
    Add(std::int32_t(item));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if ((std::uint32_t(FItems[std::size_t(i)]) & kColumnMask) == (std::uint32_t(ColumnIndex) & kColumnMask))
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int i = FindIndex(ColumnIndex);
    if (i >= 0)
        SetItems(i, std::int32_t(std::uint32_t(FItems[std::size_t(i)]) ^ kDescendingBit));
}

int TSortIndexList::SortColumns(int i) const { return int(std::uint32_t(Items(i)) & kColumnMask); }

void TSortIndexList::SetSortColumns(int i, int Value)
{
    const std::uint32_t old = std::uint32_t(Items(i));
    SetItems(i, std::int32_t((old & kDescendingBit) | (std::uint32_t(Value) & kColumnMask)));
}

bool TSortIndexList::SortDirections(int i) const { return (std::uint32_t(Items(i)) & kDescendingBit) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Ascending)
{
    const std::uint32_t old = std::uint32_t(Items(i));
    SetItems(i, std::int32_t(Ascending ? (old & kColumnMask) : (old | kDescendingBit)));
}

QString TSortIndexList::SaveToString() const
{
    // The whole column is written: cutting it to 16 bits would reload a different column.
    QStringList entries;
    for (std::int32_t v : FItems) {
        const std::uint32_t item = std::uint32_t(v);
        entries << QString((item & kDescendingBit) ? QLatin1Char('d') : QLatin1Char('u')) +
                       QString::number(item & kColumnMask);
    }
    return entries.join(QLatin1Char(';'));
}

void TSortIndexList::LoadFromString(const QString& S)
{
    Clear();
    for (const QString& entry : S.split(QLatin1Char(';'))) {
        if (entry.size() < 2)
            continue;
        bool ok = false;
        const int column = entry.mid(1).toInt(&ok, 10);
        if (!ok)
            continue; // never written by SaveToString
        AddIndex(column, entry[0] == QLatin1Char('u'));
    }
}
