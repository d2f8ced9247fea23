#include "grid/model/GridStore.h"
#include <gtest/gtest.h>

namespace {

// Column 0 of rows 0..n-1 as one string ("-" for an empty cell), to read row orders at a glance.
QString Column0(const TGridStore& store, int n)
{
    QString s;
    for (int r = 0; r < n; ++r)
        s += store.Text(0, r).isEmpty() ? QStringLiteral("-") : store.Text(0, r);
    return s;
}

TGridStore Letters(const char* letters)
{
    TGridStore store;
    for (int r = 0; letters[r]; ++r)
        if (letters[r] != '-')
            store.SetText(0, r, QString(QChar(letters[r])));
    return store;
}

struct RowsCase { const char* before; bool insert; int at, n, end; const char* after; };
const RowsCase kRowsCases[] = {
    {"abcdef", false, 1, 2, 5, "ade--f"},   // row 5 is past End and stays
    {"abcdef", false, 3, 9, 5, "abc--f"},   // more than there is: up to End only
    {"ab", false, 1, 1, 9, "a-"},           // End past the stored rows
    {"abcdef", true, 1, 2, 5, "a--bcf"},    // rows pushed past End are dropped, row 5 stays
    {"ab", true, 0, 1, 3, "-ab"},
    {"ab", true, 2, 1, 3, "ab-"},           // nothing stored from at on
};

} // namespace

TEST(GridStore, RowsRemovedAndInsertedWhole)
{
    for (const auto& c : kRowsCases) {
        SCOPED_TRACE(std::string(c.before) + (c.insert ? " insert" : " remove"));
        TGridStore store = Letters(c.before);
        if (c.insert)
            store.InsertRows(c.at, c.n, c.end);
        else
            store.RemoveRows(c.at, c.n, c.end);
        EXPECT_EQ(Column0(store, int(strlen(c.after))), QString::fromLatin1(c.after));
    }
}

TEST(GridStore, RowsChangeHandsWithEveryCellAndObject)
{
    TObject object;
    TGridStore store;
    store.SetText(0, 0, "a");
    store.SetText(7, 0, "far");        // past any column count: it goes with its row
    store.SetObject(2, 0, &object);
    store.SetText(0, 1, "b");
    store.SetText(0, 2, "c");

    store.PermuteRows({0, 1, 2}, {2, 0, 1});
    EXPECT_EQ(Column0(store, 3), "bca");
    EXPECT_EQ(store.Text(7, 2), "far");
    EXPECT_EQ(store.Object(2, 2), &object);
    EXPECT_EQ(store.Object(2, 0), nullptr);

    TGridCells taken = store.TakeRow(2);
    EXPECT_EQ(store.ColExtent(2), 0);
    store.PutRow(5, std::move(taken));
    EXPECT_EQ(store.Text(7, 5), "far");
    store.SwapRows(5, 0);
    EXPECT_EQ(store.Text(0, 0), "a");
    EXPECT_EQ(store.Text(0, 5), "b");

    // An empty row put past the end does not grow the store.
    store.PutRow(40, {});
    EXPECT_EQ(store.RowExtent(), 6);
}
