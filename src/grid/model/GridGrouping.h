#pragma once
// Grouping of the string grid as a plan: which header and summary rows go where around the runs of equal values
// of the grouped column, which rows each header's node spans, and how ungrouping gives the rows back; and the
// group calculations over the nodes. The grid applies the plans to its cells, colours and column.
#include "grid/model/GridCalc.h"
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class TGridNodes;

// The grid's grouping settings: the rows Group makes, their colours, lines and merging. Colours are $00BBGGRR,
// NoColor for none.
#define VX_GROUPING(Type, Name) \
    Type Name() const { return F.Name; } \
    void Set##Name(Type Value) { F.Name = Value; }

class TGrouping {
public:
    static constexpr std::uint32_t NoColor = 0x1FFFFFFF;

    VX_GROUPING(bool, MergeHeader)   // the header text cell spans the rest of the header row
    VX_GROUPING(bool, MergeSummary)
    VX_GROUPING(std::uint32_t, HeaderColor)
    VX_GROUPING(std::uint32_t, SummaryColor)
    VX_GROUPING(std::uint32_t, HeaderColorTo)
    VX_GROUPING(std::uint32_t, HeaderTextColor)
    VX_GROUPING(bool, Summary)   // a summary row after each group
    VX_GROUPING(std::uint32_t, SummaryTextColor)
    VX_GROUPING(std::uint32_t, SummaryColorTo)
    VX_GROUPING(bool, HeaderUnderline)
    VX_GROUPING(bool, SummaryLine)
    VX_GROUPING(int, SummaryLineWidth)
    VX_GROUPING(int, HeaderLineWidth)
    VX_GROUPING(std::uint32_t, SummaryLineColor)
    VX_GROUPING(std::uint32_t, HeaderLineColor)
    VX_GROUPING(bool, ShowGroupCount)   // node rows show their group's row count
    VX_GROUPING(const QString&, GroupCountFormat)   // a printf format of the count
    VX_GROUPING(bool, AutoSelectGroup)
    VX_GROUPING(bool, AutoCheckGroup)

    // Everything but the line widths, the line colours and Summary.
    void Assign(const TGrouping& Source);

private:
    struct Values {
        bool MergeHeader = false;
        bool MergeSummary = false;
        std::uint32_t HeaderColor = NoColor;
        std::uint32_t SummaryColor = NoColor;
        std::uint32_t HeaderColorTo = NoColor;
        std::uint32_t HeaderTextColor = NoColor;
        bool Summary = false;
        std::uint32_t SummaryTextColor = NoColor;
        std::uint32_t SummaryColorTo = NoColor;
        bool HeaderUnderline = false;
        bool SummaryLine = false;
        int SummaryLineWidth = 2;
        int HeaderLineWidth = 2;
        std::uint32_t SummaryLineColor = 0xFF0000;
        std::uint32_t HeaderLineColor = 0xFF0000;
        bool ShowGroupCount = false;
        QString GroupCountFormat;
        bool AutoSelectGroup = false;
        bool AutoCheckGroup = false;
    } F;
};

#undef VX_GROUPING

enum class TGroupRowKind { grData, grHeader, grSummary };

struct TGroupRow {
    TGroupRowKind Kind = TGroupRowKind::grData;
    int Source = -1;   // a data row: its index among the normal rows before grouping
    QString Value;     // a header: the run's value, written into the header text column
    int Span = 0;      // a node row: the rows its node covers, its own included; 0: no node
};

// The text that stands for "no previous value"; a cell holding exactly it continues the previous run.
QString NoGroupValue();

// The header text column while the grouped column is still in the grid: 1, or 2 when grouping on column 1.
int GroupTextColumn(int GroupColumn);

// Values: the raw texts of the grouped column over the normal rows, in order. The answer lists the normal rows
// after grouping, in order.
std::vector<TGroupRow> PlanGroup(const std::vector<QString>& Values, bool Summary);

struct TUnGroupPlan {
    std::vector<int> Remove;      // header and summary rows, ascending
    std::vector<QString> Values;  // the grouped column's text for each row that stays, in order
};

// Over the expanded rows FirstRow .. EndRow - 1 of a grouped grid; HeaderText(r) is the header text of node row r.
TUnGroupPlan PlanUnGroup(const TGridNodes& Nodes, int FirstRow, int EndRow, bool Summary,
                         const std::function<QString(int Row)>& HeaderText);

struct TGroupCalcResult {
    int Row;
    double Value;
    bool IsInteger;   // the count, written as a whole number
};

// The values GroupCalc writes (method 1 sum ... 8 standard deviation) into each expanded group's header row or,
// with Summary, its summary row; contracted groups are passed over. Custom answers method 6 (0 when none).
std::vector<TGroupCalcResult> GroupCalc(const TGridNodes& Nodes, int FirstRow, int EndRow, int ACol, int Method,
                                        bool Summary, const TCalcSource& Source,
                                        const std::function<double(int FromRow, int ToRow)>& Custom = {});
