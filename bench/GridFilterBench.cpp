// The string grid filtering its own rows against QSortFilterProxyModel over QStandardItemModel, shown in a table
// view: 10 columns, the same header texts, both widgets painted whole after each step (see SideBySide.h).
// Filter: a numeric rule on column 1 or a wildcard text pattern on column 2, applied; unfilter: the level taken
// off again (applied untimed first). The rows the grid parks carry all their cells.
#include "SideBySide.h"
#include "grid/model/RowFilter.h"

#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <optional>

namespace {

// The numeric rule as a proxy must write it: the text of column 0 read as a number, compared.
class GreaterThanProxy : public QSortFilterProxyModel {
public:
    void SetLimit(std::optional<double> limit)
    {
        FLimit = limit;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        if (!FLimit)   // the text rule, if any
            return QSortFilterProxyModel::filterAcceptsRow(row, parent);
        bool ok = false;
        const double v = sourceModel()->index(row, 0, parent).data().toString().toDouble(&ok);
        return !ok || v > *FLimit;
    }

private:
    std::optional<double> FLimit;
};

struct Sides {
    std::unique_ptr<TVxStringGrid> grid;
    std::unique_ptr<QStandardItemModel> model;
    GreaterThanProxy proxy;
    std::unique_ptr<QTableView> view;

    explicit Sides(int rows) : grid(MakeSideGrid(rows)), model(MakeSideModel(rows))
    {
        proxy.setSourceModel(model.get());
        view = MakeSideView(proxy);
    }
    void GridCondition(bool text)
    {
        TFilterData* item = grid->Filter().GetColFilter(text ? 1 : 0);
        item->Condition = text ? QStringLiteral("*ab*") : QStringLiteral(">500");
        item->CaseSensitive = false;
    }
    void QtCondition(bool text, bool on)
    {
        if (!text) {
            proxy.SetLimit(on ? std::optional<double>(500) : std::nullopt);
            return;
        }
        proxy.setFilterKeyColumn(1);
        proxy.setFilterRegularExpression(on ? QRegularExpression(QRegularExpression::wildcardToRegularExpression("*ab*"),
                                                                 QRegularExpression::CaseInsensitiveOption)
                                            : QRegularExpression());
    }
    void Check(benchmark::State& state)
    {
        if (grid->RowCount() - 1 != proxy.rowCount())
            state.SkipWithError(QStringLiteral("the two sides show different rows: %1 and %2").arg(grid->RowCount() - 1).arg(proxy.rowCount()).toStdString().c_str());
    }
};

void Filter(benchmark::State& state, bool text)
{
    Sides s(int(state.range(0)));
    s.GridCondition(text);
    SideBySide(
        state,
        [&] {
            if (s.grid->FilterLevel() > 0)
                s.grid->RemoveLastFilter();
        },
        [&] {
            s.grid->ApplyFilter();
            PaintWhole(*s.grid);
        },
        [&] { s.QtCondition(text, false); },
        [&] {
            s.QtCondition(text, true);
            PaintWhole(*s.view);
        });
    s.Check(state);
}

void Unfilter(benchmark::State& state)
{
    Sides s(int(state.range(0)));
    s.GridCondition(false);
    SideBySide(
        state, [&] { s.grid->ApplyFilter(); },
        [&] {
            s.grid->RemoveLastFilter();
            PaintWhole(*s.grid);
        },
        [&] { s.QtCondition(false, true); },
        [&] {
            s.QtCondition(false, false);
            PaintWhole(*s.view);
        });
    s.Check(state);
}

void BM_FilterNumeric(benchmark::State& state) { Filter(state, false); }
void BM_FilterText(benchmark::State& state) { Filter(state, true); }
void BM_Unfilter(benchmark::State& state) { Unfilter(state); }

} // namespace

BENCHMARK(BM_FilterNumeric)->Apply(SideSizes);
BENCHMARK(BM_FilterNumeric)->Apply(SideMillion);
BENCHMARK(BM_FilterText)->Apply(SideSizes);
BENCHMARK(BM_FilterText)->Apply(SideMillion);
BENCHMARK(BM_Unfilter)->Apply(SideSizes);
BENCHMARK(BM_Unfilter)->Apply(SideMillion);

int main(int argc, char** argv)
{
    return RunSideBySide(argc, argv);
}
