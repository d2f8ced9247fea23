#include "grid/core/CellGraphic.h"
#include "grid/core/SortSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/paint/ControlLook.h"
#include "platform/LinkOpener.h"
#include "support/QStringPrinter.h"
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>

static std::ostream& operator<<(std::ostream& os, const TGridCoord& c) { return os << "(" << c.X << "," << c.Y << ")"; }
static std::ostream& operator<<(std::ostream& os, const TGridRect& r)
{
    return os << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
}

namespace {

// 8 columns of 64 pixels (1 fixed), 12 rows (1 fixed); driven through the viewport as a user's mouse is.
class MouseGrid : public TVxStringGrid {
public:
    MouseGrid()
    {
        SetColCount(8);
        SetRowCount(12);
        resize(700, 400);
        show();
    }
    QWidget* View() { return viewport(); }
    QPoint At(int c, int r, int dx = 20, int dy = 6) const
    {
        const TRect rc = CellRect(c, r);
        return {rc.Left + dx, rc.Top + dy};
    }
    int RightEdge(int c) const { return CellRect(c, 0).Right; }
    void Press(QPoint p, Qt::KeyboardModifiers mods = {}) { QTest::mousePress(viewport(), Qt::LeftButton, mods, p); }
    void Release(QPoint p, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseRelease(viewport(), Qt::LeftButton, mods, p);
    }
    void Click(QPoint p, Qt::KeyboardModifiers mods = {}) { QTest::mouseClick(viewport(), Qt::LeftButton, mods, p); }
    void RightClick(QPoint p) { QTest::mouseClick(viewport(), Qt::RightButton, {}, p); }
    void DragTo(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, p, viewport()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &e);
    }
    void Hover(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, p, viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &e);
    }
    void AddDataCheckBox(int c, int r)
    {
        CreateCellGraphic(c, r)->SetCheckBox(false, true, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    }
    TGridCoord Cell() const { return {Col(), Row()}; }
};

struct ClickCase {
    const char* name;
    bool editing;
    bool checkAlwaysActive;
    bool refuse;          // OnCanClickCell answers false
    TGridCoord target;
    bool checkBox;        // the target holds a data check box
    TGridCoord current;   // the current cell after the click (it starts at (1,1))
    int clickCells;       // OnClickCell calls
    bool toggled;
};

const ClickCase kClickCases[] = {
    {"normal cell becomes current", false, false, false, {3, 4}, false, {3, 4}, 1, false},
    {"header cell: current stays", false, false, false, {2, 0}, false, {1, 1}, 1, false},
    {"fixed column cell: current stays", false, false, false, {0, 5}, false, {1, 1}, 1, false},
    {"refused by OnCanClickCell", true, false, true, {3, 4}, true, {1, 1}, 0, false},
    {"check box in an editable grid toggles", true, false, false, {3, 4}, true, {3, 4}, 0, true},
    {"check box in a read-only grid does not toggle", false, false, false, {3, 4}, true, {3, 4}, 1, false},
    {"check box always active toggles", false, true, false, {3, 4}, true, {3, 4}, 0, true},
};

} // namespace

TEST(GridMouse, ClicksOnCellsFixedCellsAndCheckBoxes)
{
    for (const ClickCase& c : kClickCases) {
        SCOPED_TRACE(c.name);
        MouseGrid g;
        if (c.editing)
            g.SetOptions(g.Options() | TGridOption::goEditing);
        g.ControlLook().SetCheckAlwaysActive(c.checkAlwaysActive);
        if (c.checkBox)
            g.AddDataCheckBox(c.target.X, c.target.Y);
        int clicks = 0;
        std::vector<bool> checkClicks;
        g.OnClickCell = [&](QObject*, int ARow, int ACol) {
            EXPECT_EQ((TGridCoord{ACol, ARow}), c.target);
            ++clicks;
        };
        g.OnCanClickCell = [&](QObject*, int, int, bool& Allow) { Allow = !c.refuse; };
        g.OnCheckBoxClick = [&](QObject*, int ACol, int ARow, bool State) {
            EXPECT_EQ((TGridCoord{ACol, ARow}), c.target);
            checkClicks.push_back(State);
        };
        g.Click(g.At(c.target.X, c.target.Y));
        EXPECT_EQ(g.Cell(), c.current);
        EXPECT_EQ(clicks, c.clickCells);
        EXPECT_EQ(g.IsChecked(c.target.X, c.target.Y), c.toggled);
        EXPECT_EQ(checkClicks, c.toggled ? std::vector<bool>{true} : std::vector<bool>{});
    }
}

TEST(GridMouse, HeaderCheckBoxChecksTheWholeColumn)
{
    MouseGrid g;
    g.SetOptions(g.Options() | TGridOption::goEditing);
    g.MouseActions().SetCheckAllCheck(true);
    for (int r = 0; r < g.RowCount(); ++r)
        g.AddDataCheckBox(3, r);
    g.SetCheckBoxState(3, 4, true);
    g.Click(g.At(3, 0));
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_TRUE(g.IsChecked(3, r)) << r;
    g.Click(g.At(3, 0));
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_FALSE(g.IsChecked(3, r)) << r;
}

// The pointer resting on a header decides what the press there selects.
TEST(GridMouse, HeaderPressesSelectRowsColumnsOrAll)
{
    struct Case {
        const char* name;
        bool rowSelect, colSelect, allSelect;
        TGridCoord at;
        TGridRect selection;
    };
    const Case cases[] = {
        {"row header", true, false, false, {0, 4}, {1, 4, 7, 4}},
        {"column header", false, true, false, {3, 0}, {3, 1, 3, 11}},
        {"top-left cell", false, false, true, {0, 0}, {1, 1, 7, 11}},
        {"column header without column select", false, false, false, {3, 0}, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MouseGrid g;
        g.SetOptions(g.Options() | TGridOption::goRangeSelect);
        g.MouseActions().SetRowSelect(c.rowSelect);
        g.MouseActions().SetColSelect(c.colSelect);
        g.MouseActions().SetAllSelect(c.allSelect);
        g.Hover(g.At(c.at.X, c.at.Y));
        g.Click(g.At(c.at.X, c.at.Y));
        EXPECT_EQ(g.Selection(), c.selection);
    }
}

TEST(GridMouse, ButtonCellClicksOnlyWhenEnabled)
{
    for (bool editing : {true, false}) {
        SCOPED_TRACE(editing ? "editable grid" : "read-only grid");
        MouseGrid g;
        if (editing)
            g.SetOptions(g.Options() | TGridOption::goEditing);
        g.CreateCellGraphic(4, 3)->SetButton(30, 16, "", TCellHAlign::haLeft, TCellVAlign::vaTop);
        std::vector<TGridCoord> buttons;
        g.OnButtonClick = [&](QObject*, int ACol, int ARow) { buttons.push_back({ACol, ARow}); };
        g.Click(g.At(4, 3));
        EXPECT_EQ(buttons, (editing ? std::vector<TGridCoord>{{4, 3}} : std::vector<TGridCoord>{}));
        EXPECT_EQ(g.Cell(), (TGridCoord{4, 3}));
    }
}

// A right click with select-on-right-click moves the current cell through the mouse steps alone: the check box
// under it is not the left press's business.
TEST(GridMouse, RightClickSelectsWithoutToggling)
{
    MouseGrid g;
    g.SetOptions(g.Options() | TGridOption::goEditing);
    g.MouseActions().SetSelectOnRightClick(true);
    g.SetCells(3, 4, "x");
    g.AddDataCheckBox(5, 6);
    std::vector<TGridCoord> rightClicks;
    g.OnRightClickCell = [&](QObject*, int ARow, int ACol) { rightClicks.push_back({ACol, ARow}); };
    g.RightClick(g.At(5, 6));
    EXPECT_EQ(g.Cell(), (TGridCoord{5, 6}));
    EXPECT_FALSE(g.IsChecked(5, 6));
    EXPECT_EQ(rightClicks, (std::vector<TGridCoord>{{5, 6}}));
}

// The platform delivers a double click as press, release, press, double click, release; QTest sends only the
// double click in place of the second press. Either way the box toggles once.
TEST(GridMouse, DoubleClickOnDataCheckBoxTogglesOnce)
{
    for (bool platformOrder : {true, false}) {
        SCOPED_TRACE(platformOrder ? "platform order" : "test order");
        MouseGrid g;
        g.SetOptions(g.Options() | TGridOption::goEditing);
        g.AddDataCheckBox(2, 3);
        int toggles = 0;
        g.OnCheckBoxClick = [&](QObject*, int, int, bool) { ++toggles; };
        const QPoint p = g.At(2, 3);
        if (platformOrder) {
            const QPoint gp = g.View()->mapToGlobal(p);
            auto send = [&](QEvent::Type type, ulong t, Qt::MouseButtons held) {
                QMouseEvent e(type, p, gp, Qt::LeftButton, held, Qt::NoModifier);
                e.setTimestamp(t);
                QApplication::sendEvent(g.View(), &e);
            };
            const ulong t0 = 100000;
            send(QEvent::MouseButtonPress, t0, Qt::LeftButton);
            send(QEvent::MouseButtonRelease, t0 + 20, Qt::NoButton);
            send(QEvent::MouseButtonPress, t0 + 60, Qt::LeftButton);
            send(QEvent::MouseButtonDblClick, t0 + 60, Qt::LeftButton);
            send(QEvent::MouseButtonRelease, t0 + 80, Qt::NoButton);
        } else {
            g.Click(p);
            QTest::mouseDClick(g.View(), Qt::LeftButton, {}, p);
        }
        EXPECT_TRUE(g.IsChecked(2, 3));
        EXPECT_EQ(toggles, 1);
    }
}

// The second press of a platform double click is the double click: one cell click, one double click.
TEST(GridMouse, PlatformDoubleClickOnPlainCell)
{
    MouseGrid g;
    int clicks = 0;
    std::vector<TGridCoord> doubleClicks;
    g.OnClickCell = [&](QObject*, int, int) { ++clicks; };
    g.OnDblClickCell = [&](QObject*, int ARow, int ACol) { doubleClicks.push_back({ACol, ARow}); };
    const QPoint p = g.At(4, 5);
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    auto send = [&](QEvent::Type type, ulong t, Qt::MouseButtons held) {
        QMouseEvent e(type, p, g.View()->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
        e.setTimestamp(t);
        QApplication::sendEvent(g.View(), &e);
    };
    ulong t = 500000;
    send(QEvent::MouseButtonPress, t, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, t + 10, Qt::NoButton);
    send(QEvent::MouseButtonPress, t + 40, Qt::LeftButton);
    send(QEvent::MouseButtonDblClick, t + 40, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, t + 50, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, (std::vector<TGridCoord>{{4, 5}}));
    // A later press is a press again.
    t += 50 + ulong(interval) * 2;
    send(QEvent::MouseButtonPress, t, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, t + 10, Qt::NoButton);
    EXPECT_EQ(clicks, 2);
}

TEST(GridMouse, ColumnSizingByDraggingWithHint)
{
    MouseGrid g;
    g.SetOptions(g.Options() | TGridOption::goColSizing);
    g.SetHintShowSizing(true);
    g.SortSettings().SetShow(true);
    std::vector<std::pair<int, int>> sizing;
    g.OnColumnSizing = [&](QObject*, int ACol, int Size) { sizing.push_back({ACol, Size}); };
    int sorts = 0;
    g.OnClickSort = [&](QObject*, int) { ++sorts; };
    ASSERT_EQ(g.ColWidths(2), 64);
    const int border = g.RightEdge(2);
    g.Press({border, 5});
    g.DragTo({border + 16, 5});
    ASSERT_FALSE(sizing.empty());
    EXPECT_EQ(sizing.back(), (std::pair<int, int>{2, 80}));
    EXPECT_EQ(g.SizingHint(), QString("cw=<b>80</b>"));
    g.Release({border + 16, 5});
    EXPECT_EQ(g.ColWidths(2), 80);
    EXPECT_TRUE(g.SizingHint().isEmpty());
    EXPECT_EQ(sorts, 0);   // a sizing release is no header click
}

struct FixedSizeCase {
    const char* name;
    int releaseX;   // the sized column starts at 64
    int width;
};
const FixedSizeCase kFixedSizeCases[] = {
    {"released right of the start", 64 + 30, 30},
    {"released left of the start", 40, 0},
};

TEST(GridMouse, FixedColumnSizingKeepsWidthAtLeastZero)
{
    for (const FixedSizeCase& c : kFixedSizeCases) {
        SCOPED_TRACE(c.name);
        MouseGrid g;
        g.SetFixedCols(2);
        g.MouseActions().SetSizeFixedCol(true);
        std::vector<int> ended;
        std::vector<int> updated;
        g.OnEndColumnSize = [&](QObject*, int ACol) { ended.push_back(ACol); };
        g.OnUpdateColumnSize = [&](QObject*, int, int& AWidth) { updated.push_back(AWidth); };
        const QPoint border(g.RightEdge(1), g.At(1, 4).y());
        g.Hover(border);
        g.Press(border);
        g.DragTo({c.releaseX, border.y()});
        g.Release({c.releaseX, border.y()});
        EXPECT_EQ(g.ColWidths(1), c.width);
        EXPECT_EQ(ended, std::vector<int>{1});
        EXPECT_EQ(updated, std::vector<int>{c.width});
        EXPECT_EQ(g.ColWidths(0), 64);
    }
}

TEST(GridMouse, DoubleClickOnHeaderBorderSizesColumnAndSkipsOneSort)
{
    MouseGrid g;
    g.SetRowCount(6);
    g.SetOptions(g.Options() | TGridOption::goColSizing);
    g.MouseActions().SetAutoSizeColOnDblClick(true);
    g.SortSettings().SetShow(true);
    g.SetCells(2, 3, "a text far wider than sixty-four pixels");
    std::vector<int> ended;
    g.OnEndColumnSize = [&](QObject*, int ACol) { ended.push_back(ACol); };
    const QPoint border(g.RightEdge(2) - 2, 5);
    QTest::mouseDClick(g.View(), Qt::LeftButton, {}, border);
    g.Release(g.At(2, 0));   // away from the border, where a release would sort
    EXPECT_GT(g.ColWidths(2), 64);
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(g.SortSettings().Column(), -1);
    g.Click(g.At(2, 0));   // the next header click sorts again
    EXPECT_EQ(g.SortSettings().Column(), 2);
}

namespace {

void FillSortRows(MouseGrid& g, int rows)
{
    g.SetRowCount(rows);
    const char* values[] = {"pear", "apple", "fig", "kiwi", "lime"};
    for (int r = 1; r < rows; ++r)
        g.SetCells(2, r, values[(r - 1) % 5]);
}

QStringList Column(MouseGrid& g, int c)
{
    QStringList out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        out << g.Cells(c, r);
    return out;
}

} // namespace

TEST(GridMouse, HeaderClicksCycleAscendingDescendingUnsorted)
{
    MouseGrid g;
    FillSortRows(g, 6);
    g.SortSettings().SetShow(true);
    g.SortSettings().SetUndoSort(true);
    std::vector<int> clickSorts;
    g.OnClickSort = [&](QObject*, int ACol) { clickSorts.push_back(ACol); };
    const QStringList original = Column(g, 2);
    g.Click(g.At(2, 0));
    EXPECT_EQ(Column(g, 2), (QStringList{"apple", "fig", "kiwi", "lime", "pear"}));
    g.Click(g.At(2, 0));
    EXPECT_EQ(Column(g, 2), (QStringList{"pear", "lime", "kiwi", "fig", "apple"}));
    EXPECT_EQ(g.SortSettings().Column(), 2);
    g.Click(g.At(2, 0));
    EXPECT_EQ(Column(g, 2), original);
    EXPECT_EQ(g.SortSettings().Column(), -1);
    EXPECT_EQ(clickSorts, (std::vector<int>{2, 2, -1}));
}

TEST(GridMouse, HeaderClickSortsOnlyWhenAllowed)
{
    struct Case {
        const char* name;
        int rows;
        bool show;
        bool canSort;
        int dx;   // from the header cell's left edge
        bool sorts;
    };
    const Case cases[] = {
        {"sorts", 6, true, true, 20, true},
        {"two rows never sort", 2, true, true, 20, false},
        {"sorting off", 6, false, true, 20, false},
        {"refused by OnCanSort", 6, true, false, 20, false},
        {"near a border with column sizing", 6, true, true, 62, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MouseGrid g;
        FillSortRows(g, c.rows);
        g.SetOptions(g.Options() | TGridOption::goColSizing);
        g.SortSettings().SetShow(c.show);
        g.OnCanSort = [&](QObject*, int, bool& DoSort) { DoSort = c.canSort; };
        const QStringList before = Column(g, 2);
        g.Click(g.At(2, 0, c.dx));
        EXPECT_EQ(g.SortSettings().Column() == 2, c.sorts);
        if (!c.sorts) {
            EXPECT_EQ(Column(g, 2), before);
        }
    }
}

TEST(GridMouse, ColumnMoveCarriesSortColumnAndCurrentColumnOnce)
{
    struct Case {
        int from, to, sortCol, sortAfter, col, colAfter;
    };
    const Case cases[] = {
        {2, 5, 5, 4, 2, 5},
        {2, 5, 2, 5, 4, 3},
        {2, 5, 6, 6, 6, 6},
        {5, 2, 3, 4, 5, 2},
        {5, 2, 1, 1, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << "->" << c.to << " sort " << c.sortCol << " col " << c.col);
        MouseGrid g;
        g.SortSettings().SetColumn(c.sortCol);
        g.SetCol(c.col);
        g.MoveColumn(c.from, c.to);
        EXPECT_EQ(g.SortSettings().Column(), c.sortAfter);
        EXPECT_EQ(g.Col(), c.colAfter);
    }
}

// A header dragged to another place moves its column; the release is no sort click.
TEST(GridMouse, HeaderDragMovesColumnWithoutSorting)
{
    MouseGrid g;
    FillSortRows(g, 6);
    g.SetOptions(g.Options() | TGridOption::goColMoving);
    g.SortSettings().SetShow(true);
    g.SortSettings().SetColumn(2);
    g.SetCells(2, 0, "fruit");
    g.SetCol(2);
    g.Press(g.At(2, 0));
    g.DragTo(g.At(4, 0));
    g.Release(g.At(4, 0));
    EXPECT_EQ(g.Cells(4, 0), "fruit");
    EXPECT_EQ(g.Col(), 4);
    EXPECT_EQ(g.SortSettings().Column(), 4);
    EXPECT_EQ(g.Cells(4, 1), "pear");   // not sorted
}

namespace {

class OpenRecorder : public TLinkOpener {
public:
    OpenRecorder() { SetLinkOpener(this); }
    ~OpenRecorder() override { SetLinkOpener(nullptr); }
    void Open(const QString& Link) override { opened << Link; }
    QStringList opened;
};

} // namespace

TEST(GridMouse, LinksOpenThroughTheOpener)
{
    struct Case {
        const char* text;
        bool urlShow;
        bool autoHandle;
        bool opens;
    };
    const Case cases[] = {
        {"http://example.com/a", true, true, true},
        {"mailto:someone@example.com", true, true, true},
        {"ftp://files.example.com/x.txt", true, true, true},
        {"http://example.com/a", false, true, false},
        {"http://example.com/a", true, false, false},
        {"javascript://alert(1)", true, true, false},
        {"file:///tmp/setup.exe", true, true, false},
        {"smb://server/share", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        OpenRecorder recorder;
        MouseGrid g;
        g.SetURLShow(c.urlShow);
        g.SetCells(3, 4, c.text);
        QStringList anchors;
        g.OnAnchorClick = [&](QObject*, int ARow, int ACol, const QString& Anchor, bool& AutoHandle) {
            EXPECT_EQ((TGridCoord{ACol, ARow}), (TGridCoord{3, 4}));
            anchors << Anchor;
            AutoHandle = c.autoHandle;
        };
        g.Click(g.At(3, 4));
        EXPECT_EQ(recorder.opened, c.opens ? QStringList{c.text} : QStringList{});
        EXPECT_EQ(anchors, c.urlShow ? QStringList{c.text} : QStringList{});
    }
}

TEST(GridMouse, CellLinkMovesTheCurrentCellInsideTheGridOnly)
{
    for (const auto& [ref, expected] : {std::pair<QString, TGridCoord>{"R3C2", {2, 3}}, {"R99C2", {1, 1}}}) {
        SCOPED_TRACE(ref.toStdString());
        OpenRecorder recorder;
        MouseGrid g;
        g.SetColWidths(3, 200);
        g.SetCells(3, 6, "<a href=\"CELL://" + ref + "\">go to the cell</a>");
        g.Click(g.At(3, 6, 12, g.RowHeights(6) / 2));
        EXPECT_EQ(g.Cell(), expected);
        EXPECT_TRUE(recorder.opened.isEmpty());
    }
}

TEST(GridMouse, SelectedCellsHoldAnyRowAndColumn)
{
    MouseGrid g;
    g.MouseActions().SetDisjunctCellSelect(true);
    g.SetSelectedCells(2, 70000, true);
    EXPECT_TRUE(g.GetSelectedCells(2, 70000));
    EXPECT_FALSE(g.GetSelectedCells(2, 70000 - 65536));
    g.SetSelectedCells(70000, 3, true);
    EXPECT_FALSE(g.GetSelectedCells(70000 - 65536, 3));
    EXPECT_EQ(g.SelectedCellsCount(), 2);
}

TEST(GridMouse, CtrlClicksPickCellsOneByOne)
{
    MouseGrid g;
    g.MouseActions().SetDisjunctCellSelect(true);
    g.Click(g.At(2, 2));
    g.Click(g.At(4, 5), Qt::ControlModifier);
    g.Click(g.At(3, 7), Qt::ControlModifier);
    g.Click(g.At(4, 5), Qt::ControlModifier);   // a second Ctrl-click takes it out again
    EXPECT_TRUE(g.GetSelectedCells(2, 2));
    EXPECT_TRUE(g.GetSelectedCells(3, 7));
    EXPECT_FALSE(g.GetSelectedCells(4, 5));
    EXPECT_EQ(g.SelectedCellsCount(), 2);
    g.Click(g.At(5, 3));   // a plain click starts again
    EXPECT_EQ(g.SelectedCellsCount(), 1);
    EXPECT_TRUE(g.GetSelectedCells(5, 3));
}

// What the clipboard holds when the handle is let go does not replace the block taken when it was grabbed.
TEST(GridMouse, SelectionResizerRepeatsTheGrabbedBlock)
{
    MouseGrid g;
    g.SetSelectionRectangle(true);
    g.SetSelectionResizer(true);
    g.SetCells(1, 1, "a");
    g.SetCells(1, 2, "b");
    g.SetSelection({1, 1, 1, 2});
    std::vector<std::pair<TGridRect, TGridRect>> resized;
    g.OnSelectionResized = [&](QObject*, const TGridRect& Orig, const TGridRect& New) { resized.push_back({Orig, New}); };
    const TRect corner = g.CellRect(1, 2);
    g.Press({corner.Right - 2, corner.Bottom - 2});
    EXPECT_EQ(QApplication::clipboard()->text(), "a\nb");
    QApplication::clipboard()->setText("zzz");
    g.DragTo(g.At(1, 5));
    g.Release(g.At(1, 5));
    EXPECT_EQ((QStringList{g.Cells(1, 1), g.Cells(1, 2), g.Cells(1, 3), g.Cells(1, 4), g.Cells(1, 5)}),
              (QStringList{"a", "b", "a", "b", "a"}));
    EXPECT_EQ(g.Cells(1, 6), "");
    ASSERT_EQ(resized.size(), 1u);
    EXPECT_EQ(resized[0].first, (TGridRect{1, 1, 1, 2}));
    EXPECT_EQ(resized[0].second, (TGridRect{1, 1, 1, 5}));
}
