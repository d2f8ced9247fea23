#pragma once
// The floating footer's panel: docked under the grid's cells, it paints the grid's last row as a footer row, a
// cell of the current row, a template filled from the current row, or what the application paints.
#include "platform/CustomControl.h"

class TVxStringGrid;

class TFooterPanel : public TCustomControl {
public:
    explicit TFooterPanel(TVxStringGrid& AGrid);

    // The grid column (display index) under X: the fixed columns, then those from LeftCol; -1 past the last.
    int ColumnAt(int X) const;
    int LastHintX() const { return FLastHintX; }   // the column of the last footer hint, -1 when none
    void Place();                                  // along the bottom of the grid's cells

protected:
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override { FLastHintX = -1; }
    bool event(QEvent* e) override;
    bool eventFilter(QObject* Watched, QEvent* e) override;

private:
    int PaintLastRow(TCanvas& C);
    int PaintPreview(TCanvas& C, bool Template);
    int ColumnsWidth() const;
    TRect Mirrored(TRect R) const;

    TVxStringGrid& FGrid;
    int FLastHintX = -1;
};
