#pragma once
// What every table benchmark sets alike on both sides: the cell texts, the font (no antialiasing, as the
// grid's canvas draws), cell sizes, grid lines, a focused current cell, and the heap measure.
#include "platform/Canvas.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QString>
#include <QTableView>
#include <malloc.h>

inline QString CellText(int c, int r)
{
    return QStringLiteral("R%1C%2").arg(r).arg(c);
}

inline std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

constexpr int kColWidth = 64;
constexpr int kRowHeight = 22;

// The grid's default font, as the grid's canvas makes it.
inline QFont GridFont()
{
    return TFont().toQFont();
}

// Shown, active and focused, so that the focus rectangle is drawn on the current cell.
inline void ShowFocused(QWidget& w)
{
    w.show();
    w.activateWindow();
    w.setFocus();
    QApplication::processEvents();
}

inline void SetUpView(QTableView& view)
{
    view.setFont(GridFont());
    view.setShowGrid(true);
    view.horizontalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setMinimumSectionSize(1);
    view.horizontalHeader()->setDefaultSectionSize(kColWidth);
    view.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view.resize(800, 600);
}
