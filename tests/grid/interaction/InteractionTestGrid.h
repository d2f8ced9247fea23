#pragma once
// A shown grid of 6 columns and 20 rows (one fixed of each) that the interaction tests drive as a user would.
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "platform/GridEdit.h"
#include "support/QStringPrinter.h"
#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

inline std::ostream& operator<<(std::ostream& os, const TGridCoord& c) { return os << "(" << c.X << "," << c.Y << ")"; }
inline std::ostream& operator<<(std::ostream& os, const TGridRect& r)
{
    return os << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
}

class TestGrid : public TVxStringGrid {
public:
    TestGrid()
    {
        SetColCount(6);
        SetRowCount(20);
        resize(420, 250);
        show();
    }
    using TVxStringGrid::WMTimer;

    // Keys go to the viewport, as a user's do; Tab to the grid, where the focus is (the viewport would pass
    // it to the window's focus chain).
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        QTest::keyClick(tab ? static_cast<QWidget*>(this) : viewport(), Qt::Key(key), mods);
    }
    void Type(char ch) { QTest::keyClick(viewport(), ch); }
    void Wheel(int delta, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QPointF pos(50, 50);
        QWheelEvent e(pos, viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &e);
    }
    TGridCoord Cell() const { return {Col(), Row()}; }
    bool EditorShown() const { return InplaceEditor() && InplaceEditor()->isVisible(); }
};

