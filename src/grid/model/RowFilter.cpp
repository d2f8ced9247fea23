#include "grid/model/RowFilter.h"
#include "grid/model/GridFilter.h"
#include "grid/model/GridText.h"

#include <algorithm>
#include <exception>

void TFilterData::Assign(const TFilterData& Source)
{
    Column = Source.Column;
    Condition = Source.Condition;
    CaseSensitive = Source.CaseSensitive;
    Data = Source.Data;
    Prefix = Source.Prefix;
    Suffix = Source.Suffix;
    Operation = Source.Operation;
}

TFilterData* TFilter::Add()
{
    TFilterData* item = Insert(Count());
    item->Operation = Count() == 1 ? TFilterOperation::foNONE : TFilterOperation::foAND;
    return item;
}

TFilterData* TFilter::Insert(int /*index*/)
{
    FItems.push_back(std::make_unique<TFilterData>());
    return FItems.back().get();
}

void TFilter::Delete(int Index)
{
    if (Index >= 0 && Index < Count())
        FItems.erase(FItems.begin() + Index);
}

TFilterData* TFilter::GetColFilter(int Col)
{
    for (const auto& item : FItems)
        if (item->Column == Col)
            return item.get();
    TFilterData* item = Add();
    item->Column = std::int16_t(Col);
    return item;
}

bool TFilter::HasFilter(int Col) const
{
    for (const auto& item : FItems)
        if (item->Column == Col)
            return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (FItems[std::size_t(i)]->Column == Col)
            Delete(i);
    if (OnColumnFilterRemoved)
        OnColumnFilterRemoved(Col);
}

std::vector<int> FilterRestoreOrder(int Count, const std::vector<int>& Positions)
{
    const int total = Count + int(Positions.size());
    std::vector<int> order(std::size_t(std::max(total, 0)));
    int s = Count - 1;
    int p = int(Positions.size()) - 1;
    for (int t = total - 1; t >= 0; --t) {
        if (p >= 0 && Positions[std::size_t(p)] == t)
            order[std::size_t(t)] = -(p-- + 1);
        else
            order[std::size_t(t)] = s--;
    }
    return order;
}

QString TRowFilter::RowText(const TFilterData& Item, int ARow) const
{
    QString text;
    if (Item.Data == TFilterCells::fcRow) {
        const int cols = FHost.ColCount();
        for (int c = 0; c < cols; ++c) {
            if (c > 0)
                text += QLatin1String("\r\n");
            text += FHost.FilterCellText(TFilterCells::fcVirtual, c, ARow);
        }
    } else {
        text = FHost.FilterCellText(Item.Data, Item.Column, ARow);
    }
    text = text.trimmed();
    if (text.contains(QLatin1String("|\\")))
        text = DecodeWideCellText(text);
    return text;
}

struct TRowFilter::TPrepared {
    TFilterData Item;   // a copy: OnCustomFilter may change the filter during the pass
    TFilterCondition Condition;
    QString UpperCondition;   // fcRow
};

std::vector<TRowFilter::TPrepared> TRowFilter::Prepare() const
{
    std::vector<TPrepared> items;
    items.reserve(std::size_t(FFilter.Count()));
    for (int i = 0; i < FFilter.Count(); ++i) {
        const TFilterData& item = *FFilter.Items(i);
        const bool expression = item.Data != TFilterCells::fcRow && item.Method == TFilterMethod::fmExpression;
        items.push_back({item, TFilterCondition(expression ? item.Condition : QString(), item.CaseSensitive),
                         item.Data == TFilterCells::fcRow ? item.Condition.toUpper() : QString()});
    }
    return items;
}

bool TRowFilter::MatchItem(const TPrepared& Prepared, int ARow) const
{
    const TFilterData& Item = Prepared.Item;
    try {
        QString text = RowText(Item, ARow);
        if (Item.Data == TFilterCells::fcRow)
            return text.toUpper().contains(Prepared.UpperCondition);
        if (!Item.Prefix.isEmpty() && text.startsWith(Item.Prefix))
            text.remove(0, Item.Prefix.size());
        if (!Item.Suffix.isEmpty()) {
            const qsizetype at = text.indexOf(Item.Suffix);
            if (at >= 0 && at + Item.Suffix.size() == text.size())
                text.truncate(at);
        }
        if (Item.Condition.isEmpty())
            return true;
        if (Item.Method == TFilterMethod::fmLiteral)
            return text == Item.Condition;
        return Prepared.Condition.Match(text);
    } catch (const std::exception&) {
        return false;   // an unreadable number or date fails the condition
    }
}

bool TRowFilter::MatchFilterRow(int ARow) const
{
    return FPass ? MatchPreparedRow(*FPass, ARow) : MatchPreparedRow(Prepare(), ARow);
}

bool TRowFilter::MatchPreparedRow(const std::vector<TPrepared>& Items, int ARow) const
{
    bool result = true;
    for (const TPrepared& prepared : Items) {
        const TFilterData& item = prepared.Item;
        const bool match = MatchItem(prepared, ARow);
        switch (item.Operation) {
        case TFilterOperation::foSHORT: result = match; break;
        case TFilterOperation::foNONE: result = match; break;
        case TFilterOperation::foAND: result = result && match; break;
        case TFilterOperation::foXOR: result = result != match; break;
        case TFilterOperation::foOR: result = result || match; break;
        }
        if (item.Operation == TFilterOperation::foSHORT && !match)
            break;
    }
    if (OnCustomFilter)
        OnCustomFilter(FSender, ARow, result);
    return result;
}

bool TFilterHost::MatchFilterRow(const TRowFilter& Filter, int Row) { return Filter.MatchFilterRow(Row); }

void TRowFilter::ReportProgress(int Percent) const
{
    if (OnFilterProgress)
        OnFilterProgress(FSender, Percent);
}

void TRowFilter::ApplyFilter()
{
    FFilterFixedRows = FHost.FixedRows();
    const int first = FFilterFixedRows;
    const int last = FHost.RowCount() - FHost.FixedFooters() - 1;
    const int total = last - first + 1;
    std::vector<int> hide;
    int done = 0;
    int percent = 0;
    const std::vector<TPrepared> items = Prepare();
    // A subclass's row match is asked per row; the conditions it reaches through MatchFilterRow stay parsed.
    FPass = &items;
    struct TPassEnd {
        const std::vector<TPrepared>*& Pass;
        ~TPassEnd() { Pass = nullptr; }
    } passEnd{FPass};
    for (int r = first; r <= last; ++r) {
        if (FFilterNormalCellsOnly && FHost.IsNodeOrSummaryRow(r))
            continue;
        if (!FHost.MatchFilterRow(*this, r))
            hide.push_back(r);
        ++done;
        if (OnFilterProgress && total > 0) {
            percent = Nearest(double(done) / total * 100.0);
            ReportProgress(percent);
        }
    }
    FLevels.push_back(hide);
    FHost.HideFilterLevel(FLevels.back(), FilterLevel());
    if (total > 0)
        ReportProgress(percent);
}

bool TRowFilter::RemoveLastFilter()
{
    if (FLevels.empty())
        return false;
    FHost.UnHideFilterLevel(FLevels.back(), FilterLevel());
    FLevels.pop_back();
    FHost.SetFixedRows(FFilterFixedRows);
    return FilterLevel() > 1;
}

void TRowFilter::RemoveAllFilters()
{
    if (FLevels.empty()) {
        FFilter.Clear();
        return;
    }
    while (!FLevels.empty())
        RemoveLastFilter();
}

void TRowFilter::SetFilterActive(bool Value)
{
    if (Value == FFilterActive)
        return;
    FFilterActive = Value;
    if (Value)
        ApplyFilter();
    else
        RemoveLastFilter();
}

void TRowFilter::SetNarrowCondition(const QString& ACondition, int AColumn)
{
    FFilter.Clear();
    TFilterData* item = FFilter.Add();
    if (AColumn == -1) {
        item->Data = TFilterCells::fcRow;
        item->Condition = ACondition;
    } else {
        item->Data = TFilterCells::fcNormal;
        item->Condition = QLatin1Char('*') + ACondition + QLatin1Char('*');
        if (ACondition.contains(QLatin1Char(' ')))
            item->Condition = QLatin1Char('"') + item->Condition + QLatin1Char('"');
    }
    item->CaseSensitive = false;
    item->Column = std::int16_t(AColumn);
}

void TRowFilter::NarrowDown(const QString& ACondition, int AColumn)
{
    if (ACondition.size() == FLastFilter.size() + 1 && ACondition.startsWith(FLastFilter)) {
        SetNarrowCondition(ACondition, AColumn);
        ApplyFilter();
    } else if (!ACondition.isEmpty() && ACondition.size() + 1 == FLastFilter.size()
               && FLastFilter.startsWith(ACondition)) {
        RemoveLastFilter();
    } else {
        // Takes off the filter's own levels only: rows hidden one by one or under contracted nodes stay hidden.
        RemoveAllFilters();
        if (!ACondition.isEmpty()) {
            SetNarrowCondition(ACondition, AColumn);
            ApplyFilter();
        }
    }
    FLastFilter = ACondition;
}

void SplitFilterEntry(const QString& Entry, QString& FriendlyName, QString& Condition)
{
    const qsizetype eq = Entry.indexOf(QLatin1Char('='));
    FriendlyName = eq < 0 ? Entry : Entry.left(eq);
    Condition = eq < 0 ? Entry : Entry.mid(eq + 1);
}

namespace {
QString EntryCondition(int ItemIndex, const QString& Entry, const QString& ClearEntry, const TFilterEntryHook& Hook)
{
    QString name, condition;
    SplitFilterEntry(Entry, name, condition);
    if (condition == ClearEntry)
        condition.clear();
    if (Hook)
        Hook(ItemIndex, name, condition);
    return condition;
}
} // namespace

void TRowFilter::SelectFilterEntry(int Col, int ItemIndex, const QString& Entry, const QString& ClearEntry,
                                   const TFilterEntryHook& Hook)
{
    const QString condition = EntryCondition(ItemIndex, Entry, ClearEntry, Hook);
    if (condition.isEmpty())
        FFilter.RemoveColumnFilter(Col);
    else
        FFilter.GetColFilter(Col)->Condition = condition;
}

void TRowFilter::CheckFilterEntries(int Col, const std::vector<std::pair<int, QString>>& Checked,
                                    const QString& ClearEntry, const TFilterEntryHook& Hook)
{
    FFilter.Clear();
    for (const auto& [index, entry] : Checked) {
        const QString condition = EntryCondition(index, entry, ClearEntry, Hook);
        TFilterData* item = FFilter.Add();
        item->Condition = condition;
        item->Column = std::int16_t(Col);
        item->Operation = FFilter.Count() == 1 ? TFilterOperation::foNONE : TFilterOperation::foOR;
    }
}
