#pragma once
// The string grid's row filter: the column conditions (TFilter of TFilterData), their evaluation over the
// grid's cell texts, and the stacked filter levels with the incremental narrowing filter. The grid implements
// TFilterHost; the filter tells it which display rows to park as a level and where to put them back.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QObject;

enum class TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum class TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum class TFilterMethod { fmExpression, fmLiteral };

using TCustomFilterEvent = std::function<void(QObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterProgressEvent = std::function<void(QObject* Sender, int progress)>;

class TFilterData {
public:
    std::int16_t Column = 0;
    QString Condition;            // empty: the test always passes
    bool CaseSensitive = true;
    TFilterCells Data = TFilterCells::fcVirtual;
    QString Prefix;
    QString Suffix;
    TFilterOperation Operation = TFilterOperation::foSHORT;
    TFilterMethod Method = TFilterMethod::fmExpression;

    void Assign(const TFilterData& Source);   // everything but Method
};

class TFilter {
public:
    int Count() const { return int(FItems.size()); }
    TFilterData* Items(int Index) const { return FItems.at(std::size_t(Index)).get(); }
    void SetItem(int Index, const TFilterData& Value) { Items(Index)->Assign(Value); }

    TFilterData* Add();                      // foNONE when it is the only item, else foAND
    TFilterData* Insert(int index);          // appended whatever the index; stays foSHORT
    void Delete(int Index);
    void Clear() { FItems.clear(); }

    TFilterData* GetColFilter(int Col);      // the column's first item, added when there is none
    bool HasFilter(int Col) const;
    void RemoveColumnFilter(int Col);

    std::function<void(int Col)> OnColumnFilterRemoved;   // the grid repaints the header cell (Col, 0)

private:
    std::vector<std::unique_ptr<TFilterData>> FItems;
};

// What filtering needs of the grid. Rows are display rows.
class TRowFilter;

class TFilterHost {
public:
    virtual ~TFilterHost() = default;
    virtual int FixedRows() const = 0;
    virtual void SetFixedRows(int Value) = 0;
    virtual int RowCount() const = 0;
    virtual int FixedFooters() const = 0;
    virtual int ColCount() const = 0;
    // The text a condition tests (never asked for fcRow: the filter joins the fcVirtual texts itself).
    virtual QString FilterCellText(TFilterCells Data, int Col, int Row) const = 0;
    virtual bool IsNodeOrSummaryRow(int Row) const = 0;
    // Whether a row passes while a level is applied: a grid whose subclass judges rows itself answers here.
    virtual bool MatchFilterRow(const TRowFilter& Filter, int Row);
    // Park the listed rows (ascending) as filter level Level and close the gaps; levels count from 1, so
    // they are never confused with rows hidden one by one or by contracted nodes (level 0).
    virtual void HideFilterLevel(const std::vector<int>& Rows, int Level) = 0;
    // Put the rows of Level back: Rows are the positions they had when hidden (see FilterRestoreOrder).
    virtual void UnHideFilterLevel(const std::vector<int>& Rows, int Level) = 0;
};

// The row order after showing Positions (ascending) again among Count shown rows: entry t is the old display row
// that lands on row t, or -(i + 1) for the i-th parked row. Filled from the bottom, so a grid can copy in place.
std::vector<int> FilterRestoreOrder(int Count, const std::vector<int>& Positions);

// An entry of a column's filter pop-up (the grid's BuildColumnFilterList) is a name alone (both parts) or a name and a condition joined by the first "=".
void SplitFilterEntry(const QString& Entry, QString& FriendlyName, QString& Condition);

// Lets the grid's OnFilterSelect or OnFilterCheck change the condition of a chosen entry.
using TFilterEntryHook = std::function<void(int ItemIndex, const QString& FriendlyName, QString& Condition)>;

class TRowFilter {
public:
    explicit TRowFilter(TFilterHost& Host, QObject* Sender = nullptr) : FHost(Host), FSender(Sender) {}

    TFilter& Filter() { return FFilter; }
    const TFilter& Filter() const { return FFilter; }

    bool FilterActive() const { return FFilterActive; }
    // Applies a new level or shows the last one; the grid adds its focus, top-row and footer handling.
    void SetFilterActive(bool Value);
    bool FilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
    void SetFilterNormalCellsOnly(bool Value) { FFilterNormalCellsOnly = Value; }
    int FilterLevel() const { return int(FLevels.size()); }
    int FilterFixedRows() const { return FFilterFixedRows; }
    QString LastFilter() const { return FLastFilter; }

    bool MatchFilterRow(int ARow) const;
    void ApplyFilter();
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // AColumn -1 matches the whole row. The grid sets FixedRowAlways before calling.
    void NarrowDown(const QString& ACondition, int AColumn);

    // A chosen entry of a column's filter list: its condition becomes the column's, the clear entry or an empty
    // condition removes the column's conditions. The grid switches the filter off before and on after.
    void SelectFilterEntry(int Col, int ItemIndex, const QString& Entry, const QString& ClearEntry,
                           const TFilterEntryHook& Hook = {});
    // The checked entries of a column's check list (index, entry) replace every condition, joined by "or".
    void CheckFilterEntries(int Col, const std::vector<std::pair<int, QString>>& Checked, const QString& ClearEntry,
                            const TFilterEntryHook& Hook = {});

    TCustomFilterEvent OnCustomFilter;
    TFilterProgressEvent OnFilterProgress;

private:
    struct TPrepared;   // an item with its condition parsed, for one pass over the rows
    std::vector<TPrepared> Prepare() const;
    bool MatchPreparedRow(const std::vector<TPrepared>& Items, int ARow) const;
    QString RowText(const TFilterData& Item, int ARow) const;
    bool MatchItem(const TPrepared& Prepared, int ARow) const;
    void SetNarrowCondition(const QString& ACondition, int AColumn);
    void ReportProgress(int Percent) const;

    TFilterHost& FHost;
    QObject* FSender;
    TFilter FFilter;
    bool FFilterActive = false;
    bool FFilterNormalCellsOnly = true;
    int FFilterFixedRows = 0;
    QString FLastFilter;
    std::vector<std::vector<int>> FLevels;   // per level, the display rows it parked, as the grid then stood
    const std::vector<TPrepared>* FPass = nullptr;   // the conditions of the pass running, parsed once for it
};
