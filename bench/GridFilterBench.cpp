// The grid's row filter against QSortFilterProxyModel on the same rule over the same 100,000 texts of one column:
// a numeric comparison and a wildcard text pattern, each applied and then taken off again; then taking a level off
// alone. Both sides end with the shown rows in order; the grid side also moves the texts of the rows it parks, as
// the grid does.
#include "grid/model/RowFilter.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <optional>
#include <vector>

namespace {

std::vector<QString> NumberTexts(int n)
{
    std::vector<QString> out;
    out.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        out.push_back(QString::number((i * 7919) % 1000));
    return out;
}

std::vector<QString> WordTexts(int n)
{
    std::vector<QString> out;
    out.reserve(std::size_t(n));
    std::uint32_t seed = 12345;
    for (int i = 0; i < n; ++i) {
        QString w;
        for (int k = 0; k < 6; ++k) {
            seed = seed * 1103515245u + 12345u;
            w += QChar(char16_t(u'a' + (seed >> 16) % 8));
        }
        out.push_back(w);
    }
    return out;
}

// One fixed row, one column of texts; parked rows are kept per level.
class ColumnHost : public TFilterHost {
public:
    explicit ColumnHost(std::vector<QString> texts) : Rows(std::move(texts)) { Rows.insert(Rows.begin(), "H"); }
    std::vector<QString> Rows;
    std::map<int, std::vector<QString>> Parked;

    int FixedRows() const override { return 1; }
    void SetFixedRows(int) override {}
    int RowCount() const override { return int(Rows.size()); }
    int FixedFooters() const override { return 0; }
    int ColCount() const override { return 1; }
    QString FilterCellText(TFilterCells, int, int Row) const override { return Rows[std::size_t(Row)]; }
    bool IsNodeOrSummaryRow(int) const override { return false; }
    void HideFilterLevel(const std::vector<int>& Hide, int Level) override
    {
        auto& parked = Parked[Level];
        parked.reserve(Hide.size());
        std::size_t w = 0, h = 0;
        for (std::size_t r = 0; r < Rows.size(); ++r) {
            if (h < Hide.size() && Hide[h] == int(r)) {
                parked.push_back(std::move(Rows[r]));
                ++h;
            } else {
                Rows[w++] = std::move(Rows[r]);
            }
        }
        Rows.resize(w);
    }
    void UnHideFilterLevel(const std::vector<int>& Positions, int Level) override
    {
        auto& parked = Parked[Level];
        const std::vector<int> order = FilterRestoreOrder(RowCount(), Positions);
        Rows.resize(order.size());
        for (std::size_t t = order.size(); t-- > 0;)   // from the bottom: a row only ever moves down
            Rows[t] = order[t] >= 0 ? std::move(Rows[std::size_t(order[t])])
                                    : std::move(parked[std::size_t(-order[t] - 1)]);
        Parked.erase(Level);
    }
};

class ColumnModel : public QAbstractListModel {
public:
    explicit ColumnModel(std::vector<QString> texts) : FTexts(std::move(texts)) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(FTexts.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(FTexts[std::size_t(index.row())]) : QVariant();
    }

private:
    std::vector<QString> FTexts;
};

// The numeric rule as a proxy must write it: the text read as a number, compared.
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
        if (!FLimit)
            return true;
        bool ok = false;
        const double v = sourceModel()->index(row, 0, parent).data().toString().toDouble(&ok);
        return !ok || v > *FLimit;
    }

private:
    std::optional<double> FLimit;
};

TRowFilter& Condition(TRowFilter& filter, const char* condition)
{
    TFilterData* item = filter.Filter().GetColFilter(0);
    item->Condition = condition;
    item->CaseSensitive = false;
    return filter;
}

void GridFilter(benchmark::State& state, std::vector<QString> texts, const char* condition)
{
    ColumnHost host(std::move(texts));
    TRowFilter filter(host);
    Condition(filter, condition);
    for (auto _ : state) {
        filter.ApplyFilter();
        state.counters["shown"] = host.RowCount() - 1;
        filter.RemoveLastFilter();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void GridFilterRemoveOnly(benchmark::State& state, std::vector<QString> texts, const char* condition)
{
    ColumnHost host(std::move(texts));
    TRowFilter filter(host);
    Condition(filter, condition);
    for (auto _ : state) {
        filter.ApplyFilter();
        const auto start = std::chrono::steady_clock::now();
        filter.RemoveLastFilter();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Numeric_Grid(benchmark::State& state) { GridFilter(state, NumberTexts(int(state.range(0))), ">500"); }
void BM_Text_Grid(benchmark::State& state) { GridFilter(state, WordTexts(int(state.range(0))), "*ab*"); }
void BM_Numeric_GridRemoveLevel(benchmark::State& state)
{
    GridFilterRemoveOnly(state, NumberTexts(int(state.range(0))), ">500");
}

void BM_Numeric_QSortFilterProxyModel(benchmark::State& state)
{
    ColumnModel model(NumberTexts(int(state.range(0))));
    GreaterThanProxy proxy;
    proxy.setSourceModel(&model);
    for (auto _ : state) {
        proxy.SetLimit(500);
        state.counters["shown"] = proxy.rowCount();
        proxy.SetLimit(std::nullopt);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Text_QSortFilterProxyModel(benchmark::State& state)
{
    ColumnModel model(WordTexts(int(state.range(0))));
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression("*ab*"),
                                     QRegularExpression::CaseInsensitiveOption);
    for (auto _ : state) {
        proxy.setFilterRegularExpression(pattern);
        state.counters["shown"] = proxy.rowCount();
        proxy.setFilterRegularExpression(QRegularExpression());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_Numeric_Grid)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);
BENCHMARK(BM_Numeric_QSortFilterProxyModel)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);
BENCHMARK(BM_Text_Grid)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);
BENCHMARK(BM_Text_QSortFilterProxyModel)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);
BENCHMARK(BM_Numeric_GridRemoveLevel)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10)   // each iteration first applies the level, untimed
    ->Arg(10000)
    ->Arg(100000);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
