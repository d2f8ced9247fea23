#include "grid/interaction/GridAuxWindows.h"
#include "grid/core/VxStringGrid.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtmlRender.h"
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {

constexpr int kHintLayoutWidth = 1008;

QRect MonitorAt(QPoint Pos)
{
    QScreen* screen = QGuiApplication::screenAt(Pos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1 << 16, 1 << 16);
}

} // namespace

TRect FitHintRect(TRect Rect, const QRect& Monitor)
{
    const int w = Rect.Width(), h = Rect.Height();
    if (Rect.Right > Monitor.right() + 1) {
        Rect.Right = Monitor.right() + 1 - 2;
        Rect.Left = Rect.Right - w;
    }
    if (Rect.Bottom > Monitor.bottom() + 1) {
        Rect.Bottom = Monitor.bottom() + 1 - 2;
        Rect.Top = Rect.Bottom - h;
    }
    return Rect;
}

// ---- THTMLHintWindow ----

THTMLHintWindow::THTMLHintWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

QString& THTMLHintWindow::HintFontName()
{
    static QString name;
    return name;
}

bool THTMLHintWindow::IsWide(const QString& AHint) const
{
    return ClassifyCellText(AHint, true) == TCellTextKind::ctkWide;
}

QSize THTMLHintWindow::Measure(const QString& AHint, int MaxWidth)
{
    if (IsWide(AHint)) {
        QFont f = font();
        if (!HintFontName().isEmpty())
            f.setFamily(HintFontName());
        const QFontMetrics fm(f);
        return {fm.horizontalAdvance(DecodeWideCellText(AHint)), fm.height()};
    }
    TCanvas canvas;
    TMiniHtmlParams params;
    params.Rect = TRect{0, 0, MaxWidth, 4096};
    params.Cache = FCache;
    params.CheckHeight = true;
    params.WordWrap = true;
    TMiniHtmlResult result;
    RenderMiniHtml(canvas, AHint, params, result);
    return {result.XSize, result.YSize};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint)
{
    const QSize size = Measure(AHint, MaxWidth);
    return TRect{0, 0, size.width(), size.height()};
}

void THTMLHintWindow::ActivateHint(TRect Rect, const QString& AHint)
{
    FText = AHint;
    const QSize size = Measure(AHint, kHintLayoutWidth);
    FTextWidth = size.width();
    FTextHeight = size.height();
    Rect.Right = Rect.Left + FTextWidth + (IsWide(AHint) ? 8 : 16);
    Rect.Bottom = Rect.Top + FTextHeight + 4;
    Rect = FitHintRect(Rect, MonitorAt(QPoint(Rect.Left, Rect.Top)));
    setGeometry(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    show();
    raise();
    update();
}

void THTMLHintWindow::ActivateHintData(TRect Rect, const QString& AHint, TVxStringGrid* AData)
{
    if (AData)
        FCache = &AData->ImageCache();
    ActivateHint(Rect, AHint);
}

void THTMLHintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ToQColor(clInfoBk));
    const QRect r = rect();
    p.setPen(ToQColor(cl3DLight));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(ToQColor(cl3DDkShadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const int top = (height() - FTextHeight) / 2;
    const TRect text{4, top, width() - 4, top + FTextHeight + 8};
    if (IsWide(FText)) {
        QFont f = font();
        if (!HintFontName().isEmpty())
            f.setFamily(HintFontName());
        p.setFont(f);
        p.setPen(ToQColor(clInfoText));
        p.drawText(QRect(text.Left, text.Top, text.Width(), FTextHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   DecodeWideCellText(FText));
        return;
    }
    TCanvas canvas;
    canvas.BeginPaint(&p);
    canvas.Font().SetColor(clInfoText);
    TMiniHtmlParams params;
    params.Rect = text;
    params.Cache = FCache;
    params.WordWrap = true;
    params.URLColor = clBlue;
    TMiniHtmlResult result;
    RenderMiniHtml(canvas, FText, params, result);
    canvas.EndPaint();
}

// ---- TScrollControl ----

TScrollControl::TScrollControl(TVxStringGrid* AOwner, int Direction)
    : TCustomControl(AOwner), FGrid(AOwner), FDirection(Direction)
{
    TCustomControl::SetColor(clSilver);
}

void TScrollControl::SetColor(TColor Value)
{
    if (Value != Color())
        TCustomControl::SetColor(Value);
}

TScrollThumb TScrollControl::Thumb() const
{
    const TVxStringGrid& g = *FGrid;
    TScrollThumb t;
    int offset = 0, tail = 0, count, fixed, first, visible;
    if (Vertical()) {
        for (int r = 0; r < g.FixedRows(); ++r)
            offset += g.RowHeights(r);
        for (int r = g.RowCount() - g.FixedFooters(); r < g.RowCount(); ++r)
            tail += g.RowHeights(r);
        count = g.RowCount(), fixed = g.FixedRows(), first = g.TopRow(), visible = g.VisibleRowCount();
    } else {
        for (int c = 0; c < g.FixedCols(); ++c)
            offset += g.ColWidths(c);
        for (int c = g.ColCount() - g.FixedRightCols(); c < g.ColCount(); ++c)
            tail += g.ColWidths(c);
        count = g.ColCount(), fixed = g.FixedCols(), first = g.LeftCol(), visible = g.VisibleColCount();
    }
    const int length = Vertical() ? height() : width();
    const int track = length - offset - tail;
    t.Shown = visible + fixed < count && count - fixed > 0 && track > 0;
    if (!t.Shown)
        return t;
    t.Pos = offset + int(std::lround(double(track) * (first - fixed) / (count - fixed)));
    t.Size = std::max(20, int(std::lround(double(track) * visible / count)));
    t.Pos = std::max(0, std::min(t.Pos, length - t.Size));
    return t;
}

void TScrollControl::Paint()
{
    const TScrollThumb t = Thumb();
    if (!t.Shown)
        return;
    TCanvas& c = Canvas();
    c.Pen().SetColor(Color());
    c.Brush().SetColor(Color());
    c.FillRect(Vertical() ? TRect{0, t.Pos, FScrollWidth, t.Pos + t.Size}
                          : TRect{t.Pos, 0, t.Pos + t.Size, FScrollWidth});
}

void TScrollControl::MouseDown(TMouseButton, TShiftState, int X, int Y)
{
    const TScrollThumb t = Thumb();
    const int at = Vertical() ? Y : X;
    TVxStringGrid& g = *FGrid;
    if (Vertical()) {
        if (at < t.Pos)
            g.SetTopRow(std::max(g.FixedRows(), g.TopRow() - g.VisibleRowCount()));
        else if (at >= t.Pos + t.Size)
            g.SetTopRow(std::min(g.RowCount() - g.VisibleRowCount(), g.TopRow() + g.VisibleRowCount()));
    } else {
        if (at < t.Pos)
            g.SetLeftCol(std::max(g.FixedCols(), g.LeftCol() - g.VisibleColCount()));
        else if (at >= t.Pos + t.Size)
            g.SetLeftCol(std::min(g.ColCount() - g.VisibleColCount(), g.LeftCol() + g.VisibleColCount()));
    }
    if (at >= t.Pos && at < t.Pos + t.Size) {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = Vertical() ? g.TopRow() : g.LeftCol();
    }
    Invalidate();
}

void TScrollControl::MouseMove(TShiftState, int X, int Y)
{
    if (!FDownOnScroller)
        return;
    TVxStringGrid& g = *FGrid;
    if (Vertical()) {
        const int span = height() - g.RowHeights(0);
        if (span <= 0)
            return;   // no track to drag along
        const int row = FDownRow + int(std::lround(double(Y - FDownPos) / span * g.RowCount()));
        g.SetTopRow(std::clamp(row, g.FixedRows(), std::max(g.FixedRows(), g.RowCount() - g.VisibleRowCount())));
    } else {
        const int span = width() - g.ColWidths(0);
        if (span <= 0)
            return;
        const int col = FDownRow + int(std::lround(double(X - FDownPos) / span * g.ColCount()));
        g.SetLeftCol(std::clamp(col, g.FixedCols(), std::max(g.FixedCols(), g.ColCount() - g.VisibleColCount())));
    }
    Invalidate();
}

void TScrollControl::MouseUp(TMouseButton, TShiftState, int, int)
{
    FDownOnScroller = false;
}

// ---- THeaderDragButton ----

THeaderDragButton::THeaderDragButton(TVxStringGrid* AOwner)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint), FGrid(AOwner)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    hide();
}

void THeaderDragButton::SetCaption(const QString& Value)
{
    FCaption = Value;
    update();
}

void THeaderDragButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    TCanvas canvas;
    canvas.BeginPaint(&p);
    const TRect r{0, 0, width(), height()};
    FGrid->PaintCellExt(&canvas, 0, 0, r, TGridDrawState(TGridDrawStateItem::gdFixed));
    canvas.EndPaint();
    p.setPen(ToQColor(clBtnShadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (FCaption.contains(QLatin1String("</"))) {
        TCanvas html;
        html.BeginPaint(&p);
        TMiniHtmlParams params;
        params.Rect = TRect{2, 2, width() - 2, height() - 2};
        params.Cache = &FGrid->ImageCache();
        TMiniHtmlResult result;
        RenderMiniHtml(html, FCaption, params, result);
        html.EndPaint();
        return;
    }
    p.setPen(ToQColor(FGrid->FixedFont().Color()));
    const QString shown = p.fontMetrics().elidedText(FCaption, Qt::ElideRight, width() - 4);
    p.drawText(rect(), Qt::AlignCenter, shown);
}
