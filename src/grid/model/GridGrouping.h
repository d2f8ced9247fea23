#pragma once
// Grouping of the string grid as a plan: which header and summary rows go where around the runs of equal values
// of the grouped column, which rows each header's node spans, and how ungrouping gives the rows back; and the
// group calculations over the nodes. The grid applies the plans to its cells, colours and column.
#include "grid/model/GridCalc.h"
#include <QString>
#include <functional>
#include <vector>

class TGridNodes;

// The grid's grouping settings; the row colours, lines and merging wait for the grouped rows' painting.
class TGrouping {
public:
    bool Summary() const { return FSummary; }   // a summary row after each group
    void SetSummary(bool Value) { FSummary = Value; }
    bool ShowGroupCount() const { return FShowGroupCount; }   // node rows show their group's row count
    void SetShowGroupCount(bool Value) { FShowGroupCount = Value; }
    QString GroupCountFormat() const { return FGroupCountFormat; }   // a printf format of the count
    void SetGroupCountFormat(const QString& Value) { FGroupCountFormat = Value; }

private:
    bool FSummary = false;
    bool FShowGroupCount = false;
    QString FGroupCountFormat;
};

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
