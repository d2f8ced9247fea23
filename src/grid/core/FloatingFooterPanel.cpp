#include "grid/core/FloatingFooterPanel.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/MiniHtmlRender.h"
#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>

TFooterPanel::TFooterPanel(TVxStringGrid& AGrid) : TCustomControl(&AGrid), FGrid(AGrid)
{
    setMouseTracking(true);
    FGrid.viewport()->installEventFilter(this);
}

void TFooterPanel::Place()
{
    const QRect v = FGrid.viewport()->geometry();
    setGeometry(v.left(), v.bottom() + 1, v.width(), height());
}

bool TFooterPanel::eventFilter(QObject* Watched, QEvent* e)
{
    if (e->type() == QEvent::Resize || e->type() == QEvent::Move)
        Place();
    return TCustomControl::eventFilter(Watched, e);
}

int TFooterPanel::ColumnsWidth() const
{
    int w = 0;
    for (int c = 0; c < FGrid.FixedCols(); ++c)
        w += FGrid.ColWidths(c);
    for (int c = std::max(FGrid.LeftCol(), FGrid.FixedCols()); c < FGrid.ColCount(); ++c)
        w += FGrid.ColWidths(c);
    return w;
}

int TFooterPanel::ColumnAt(int X) const
{
    int x = 0;
    for (int c = 0; c < FGrid.FixedCols(); ++c) {
        x += FGrid.ColWidths(c);
        if (X < x)
            return c;
    }
    for (int c = std::max(FGrid.LeftCol(), FGrid.FixedCols()); c < FGrid.ColCount(); ++c) {
        x += FGrid.ColWidths(c);
        if (X < x)
            return c;
    }
    return -1;
}

TRect TFooterPanel::Mirrored(TRect R) const
{
    if (FGrid.UseRightToLeftAlignment()) {
        const int left = width() - R.Right;
        R.Right = width() - R.Left;
        R.Left = left;
    }
    return R;
}

int TFooterPanel::PaintLastRow(TCanvas& C)
{
    const TFloatingFooter& ff = FGrid.FloatingFooter();
    const int w = ColumnsWidth();
    C.Brush().SetStyle(TBrushStyle::bsSolid);
    C.Brush().SetColor(ff.Color());
    C.FillRect(Mirrored(TRect{0, 0, w, height()}));
    const int last = FGrid.RowCount() - 1;
    const bool horz = FGrid.Options().testFlag(TGridOption::goFixedHorzLine);
    const bool vert = FGrid.Options().testFlag(TGridOption::goFixedVertLine);
    const auto cell = [&](int c, int x, bool fixed) {
        const int cw = FGrid.ColWidths(c);
        if (horz) {
            C.Pen().SetColor(FGrid.GridLineColor());
            const TRect line = Mirrored(TRect{x, 0, x + cw, 1});
            C.MoveTo(line.Left, 0);
            C.LineTo(line.Right, 0);
        }
        if (vert && !fixed) {
            C.Pen().SetColor(0x808080);
            const TRect edge = Mirrored(TRect{x + cw - 1, 0, x + cw, height()});
            C.MoveTo(edge.Left, 0);
            C.LineTo(edge.Left, height());
        }
        const TRect r = Mirrored(TRect{x, horz ? 1 : 0, x + cw, height()});
        const int real = FGrid.RealColIndex(c);
        if (!FGrid.IsBaseCell(real, last))
            return;
        if (!fixed) {
            const TColor own = FGrid.Colors(real, last);
            if (own != clNone) {
                C.Brush().SetColor(own);
                C.FillRect(r);
            }
            if (FGrid.OnFooterPaint) {
                FGrid.OnFooterPaint(this, c, &C, r);
                return;
            }
        }
        FGrid.DrawCellContent(&C, c, last, r, TGridDrawStateItem::gdFixed);
    };
    int x = 0;
    for (int c = 0; c < FGrid.FixedCols(); ++c) {
        cell(c, x, true);
        x += FGrid.ColWidths(c);
    }
    for (int c = std::max(FGrid.LeftCol(), FGrid.FixedCols()); c < FGrid.ColCount(); ++c) {
        cell(c, x, false);
        x += FGrid.ColWidths(c);
    }
    return w;
}

int TFooterPanel::PaintPreview(TCanvas& C, bool Template)
{
    const TFloatingFooter& ff = FGrid.FloatingFooter();
    const int w = ColumnsWidth();
    const TRect area = Mirrored(TRect{0, 0, w, height()});
    C.Brush().SetStyle(TBrushStyle::bsSolid);
    C.Brush().SetColor(ff.Color());
    C.FillRect(area);
    // Raised: white top and left, grey bottom and right.
    C.Pen().SetColor(clWhite);
    C.MoveTo(area.Left, area.Bottom - 1);
    C.LineTo(area.Left, area.Top);
    C.LineTo(area.Right - 1, area.Top);
    C.Pen().SetColor(0x808080);
    C.LineTo(area.Right - 1, area.Bottom - 1);
    C.LineTo(area.Left, area.Bottom - 1);
    if (Template) {
        TMiniHtmlParams p;
        p.Rect = TRect{area.Left, area.Top + 2, area.Right, area.Bottom + 2};
        p.Cache = &FGrid.ImageCache();
        p.HoverColor = 0x808080;
        TMiniHtmlResult res;
        C.Brush().SetStyle(TBrushStyle::bsClear);
        RenderMiniHtml(C, FGrid.ExpandFooterTemplate(ff.CustomTemplate()), p, res);
    } else if (FGrid.OnFooterPaint) {
        FGrid.OnFooterPaint(this, ff.Column(), &C, area);
    } else if (FGrid.Row() >= 0) {
        FGrid.DrawCellContent(&C, ff.Column(), FGrid.Row(), area, {});
    }
    return w;
}

void TFooterPanel::Paint()
{
    TCanvas& C = Canvas();
    const TFloatingFooter& ff = FGrid.FloatingFooter();
    int w = width();
    switch (ff.FooterStyle()) {
    case TFooterStyle::fsFixedLastRow: w = PaintLastRow(C); break;
    case TFooterStyle::fsColumnPreview: w = PaintPreview(C, false); break;
    case TFooterStyle::fsCustomPreview: w = PaintPreview(C, true); break;
    case TFooterStyle::fsCustomPaint:
        if (FGrid.OnFooterPaint)
            FGrid.OnFooterPaint(this, ff.Column(), &C, ClientRect());
        break;
    }
    if (w < width() && ff.FooterStyle() != TFooterStyle::fsCustomPaint) {
        C.Brush().SetStyle(TBrushStyle::bsSolid);
        C.Brush().SetColor(FGrid.Color());
        C.FillRect(Mirrored(TRect{w, 0, width(), height()}));
    }
    if (ff.BorderColor() != clNone) {
        C.Pen().SetColor(ff.BorderColor());
        C.MoveTo(0, 0);
        C.LineTo(w, 0);
    }
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FGrid.OnClick)
        FGrid.OnClick(&FGrid);
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int c = ColumnAt(X);
    if (FLastHintX != -1 && c != FLastHintX) {
        QToolTip::hideText();
        FLastHintX = c;
    }
}

bool TFooterPanel::event(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return TCustomControl::event(e);
    const auto* help = static_cast<QHelpEvent*>(e);
    const int c = ColumnAt(help->pos().x());
    QString hint;
    if (FGrid.OnGridHint && c >= 0)
        FGrid.OnGridHint(&FGrid, FGrid.RowCount() - 1, c, hint);
    const bool show = FGrid.FloatingFooter().ShowHint();
    FLastHintX = show ? c : -1;
    if (show && !hint.isEmpty())
        QToolTip::showText(help->globalPos(), hint, this);
    else
        QToolTip::hideText();
    return true;
}
