#pragma once
// The grid's paint pass around the cells: the background outside the cells, the non-client border, the
// balloon tooltip's texts and the design-time helper panel.
#include "grid/paint/GridLook.h"
#include "platform/Canvas.h"
#include <QString>
#include <functional>

// The balloon of a cell: its shown text from the cell text of any kind.
QString BalloonCellText(const QString& CellText, bool EnableHTML, const std::function<QString(const QString&)>& RichToPlain);
// After the balloon events had their say: tabs become blanks, leading line breaks and tabs are skipped, and a
// text past 2048 characters keeps its first 2045 with "..."; a title past 100 keeps 97 with "...".
QString FinishBalloonText(const QString& Text);
QString FinishBalloonTitle(const QString& Title);

// Whether the look draws the one-pixel border around the window.
bool LookDrawsBorder(const TGridAppearance& A);

// The area outside the cells: the strip right of the last column and the one below the last row, when they
// end inside the client area; empty rectangles when they do not.
struct TOutsideArea {
    TRect Right, Below;
    bool IsEmpty() const { return Right.IsEmpty() && Below.IsEmpty(); }
};
TOutsideArea OutsideCellsArea(const TRect& Client, int LastColRight, bool LastColVisible, int LastRowBottom,
                              bool LastRowVisible, int GridLineWidth);

// The design helper panel at the client's bottom-right (R, B); its hit choices: 1 allow edit, 2 column
// numbers, 3 look, 4 close, -1 none. The canvas font is the panel's ("Tahoma" 8).
int DesignHelperHitTest(TCanvas& Canvas, int R, int B, int X, int Y, TGridLook Look);
struct TDesignHelperState {
    TGridLook Look = TGridLook::glXP;
    QString Version;
    bool Editing = false;
    bool ColumnNumbers = false;
    int HitChoice = -1;
};
void PaintDesignHelper(TCanvas& Canvas, int R, int B, const TDesignHelperState& State);
