// The print page engine's cells: their look, text, size and drawing.
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/io/PrintCanvas.h"
#include "grid/io/PrintPageEngine.h"
#include <algorithm>
#include <cmath>

namespace {
// Cells whose content is their graphic print no text.
bool IsDataGraphic(TCellType Kind)
{
    return Kind == TCellType::ctDataCheckBox || Kind == TCellType::ctDataImage ||
           Kind == TCellType::ctVirtCheckBox || Kind == TCellType::ctRowCheckBox;
}

unsigned HorizontalFormat(TAlignment HA)
{
    return HA == TAlignment::taRightJustify ? DT_RIGHT : HA == TAlignment::taCenter ? DT_CENTER : DT_LEFT;
}
} // namespace

TPrintPageEngine::TCellLook TPrintPageEngine::CellLook(int ACol, int ARow)
{
    TGridDrawState state;
    TBrush brush;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TCellGradientDirection gd = TCellGradientDirection::GradientVertical;
    TCellLook look;
    look.HA = TAlignment::taLeftJustify;
    look.VA = TVAlignment::vtaTop;
    G.GetVisualProperties(ACol, ARow, state, true, false, true, brush, colorTo, mirror, mirrorTo, look.Font, look.HA,
                          look.VA, look.WordWrap, gd);
    look.Color = brush.Color();
    look.Font.SetHeight(G.MapFontHeight(look.Font.Size()));
    return look;
}

QString TPrintPageEngine::CellText(int ACol, int ARow)
{
    const int realCol = G.RealColIndex(ACol);
    if (IsDataGraphic(G.GetCellType(realCol, ARow)))
        return {};
    QString text = G.GetFormattedCell(realCol, ARow);
    TCellTextKind kind = ClassifyCellText(text, G.EnableHTML());
    if (kind == TCellTextKind::ctkFormula) {
        G.CalcFormulaCell(realCol, ARow, text);
        kind = ClassifyCellText(text, G.EnableHTML());
    }
    if (kind == TCellTextKind::ctkHtml)
        text = MiniHtmlToPlainText(text);
    if (G.URLShow() && !G.URLFull() && HasUrlScheme(text))
        StripUrlScheme(text);
    return StripCR(text);
}

TPoint TPrintPageEngine::MeasureCell(int ACol, int ARow)
{
    const TCellLook look = CellLook(ACol, ARow);
    const QString text = CellText(ACol, ARow);
    if (look.WordWrap && PS.NoAutoSize()) {
        const int width = G.IsXMergedCell(ACol, ARow) ? 65535 : MaxWidth(ACol);
        return {MaxWidth(ACol), C.WrappedTextHeight(look.Font, text.isEmpty() ? QStringLiteral("gh") : text, width)};
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, C.TextWidth(look.Font, line));
    return {width, int(lines.size()) * C.TextHeight(look.Font, QStringLiteral("gh"))};
}

int TPrintPageEngine::RowHeight(int ARow)
{
    if (ARow == FCachedRow)
        return FCachedHeight;
    int h = 0;
    if (PS.NoAutoSizeRow()) {
        h = int(std::lround(G.RowHeights(ARow) * FPx)) - 4;
    } else if (PS.UseFixedHeight()) {
        h = PS.FixedHeight();
    } else {
        const TGridRect& r = G.PrintState().PrintRect;
        auto measure = [&](int c) {
            if (ColPrintable(c) && !G.IsYMergedCell(c, ARow))
                h = std::max(h, MeasureCell(c, ARow).Y);
        };
        for (int c = r.Left; c <= r.Right; ++c)
            measure(c);
        if (PS.RepeatFixedCols() && r.Left >= G.FixedCols())
            for (int c = 0; c < G.FixedCols(); ++c)
                measure(c);
        h += h / 8;
        if (G.OnPrintSetRowHeight)
            G.OnPrintSetRowHeight(&G, ARow, h);
    }
    FCachedRow = ARow;
    FCachedHeight = h;
    return h;
}

void TPrintPageEngine::DrawCell(int ACol, int ARow, int ARowHeight, bool FirstInStrip)
{
    if (G.IsMergedNonBaseCell(ACol, ARow))
        return;
    const TPoint span = G.CellSpan(ACol, ARow);
    TRect r;
    r.Left = Indent(ACol);
    r.Right = r.Left + SpannedWidth(ACol, span.X);
    r.Top = FY;
    r.Bottom = FY - Pitch(ARowHeight);
    for (int k = 1; k <= span.Y && ARow + k < G.RowCount(); ++k) {
        const int h = int(std::lround((G.RowHeights(ARow + k) - 4) * FPx));
        r.Bottom -= h + h / 8 + 2 * FGap + FRowSpacing;
    }
    const int usableBottom = -FPageHeight + FFooterHeight;
    const bool cut = r.Bottom < usableBottom;
    if (cut)
        r.Bottom = std::max(FY - Pitch(ARowHeight), std::min(usableBottom, FY - 1));
    const TCellLook look = CellLook(ACol, ARow);
    if (look.Color != clNone)
        C.FillRect(r, look.Color);
    DrawCellText(r, CellText(ACol, ARow), look, span.X > 0 || span.Y > 0);
    DrawCellBorders(ACol, ARow, r, FirstInStrip, cut);
}

void TPrintPageEngine::DrawCellText(const TRect& R, const QString& Text, const TCellLook& Look, bool Merged)
{
    if (Text.isEmpty())
        return;
    const unsigned horizontal = HorizontalFormat(Look.HA);
    const TRect box = Rect(R.Left + FPadding, R.Top - FGap, R.Right - FPadding, R.Bottom);
    if (Look.WordWrap && PS.NoAutoSize()) {
        C.DrawText(box, Text, Look.Font, horizontal | DT_WORDBREAK | DT_NOPREFIX);
        return;
    }
    const QStringList lines = Text.split(QLatin1Char('\n'));
    if (G.Multilinecells() && lines.size() > 1) {
        const int lineText = C.TextHeight(Look.Font, QStringLiteral("gh")) + FRowSpacing;
        const int linePitch = lineText + lineText / 8 - FRowSpacing;
        const int spare = (R.Top - R.Bottom) - linePitch * int(lines.size());
        int y = R.Top;
        if (!Merged && Look.VA == TVAlignment::vtaCenter)
            y -= spare / 2;
        else if (!Merged && Look.VA == TVAlignment::vtaBottom)
            y -= spare;
        for (const QString& line : lines) {
            C.DrawText(Rect(box.Left, y, box.Right, y - linePitch), line, Look.Font,
                       horizontal | DT_SINGLELINE | DT_NOPREFIX);
            y -= linePitch;
        }
        return;
    }
    unsigned format = horizontal | DT_SINGLELINE | DT_NOPREFIX;
    format |= Look.VA == TVAlignment::vtaCenter ? DT_VCENTER : Look.VA == TVAlignment::vtaBottom ? DT_BOTTOM : DT_TOP;
    if (G.EnhTextSize() && PS.NoAutoSize())
        format |= DT_END_ELLIPSIS;
    C.DrawText(box, lines.first(), Look.Font, format);
}

void TPrintPageEngine::DrawCellBorders(int ACol, int ARow, const TRect& R, bool FirstInStrip, bool CutBottom)
{
    TCellBorders sides;
    switch (PS.Borders()) {
    case TPrintBorders::pbSingle:
    case TPrintBorders::pbDouble:
        sides = {TCellBorder::cbTop, TCellBorder::cbLeft, TCellBorder::cbRight, TCellBorder::cbBottom};
        break;
    case TPrintBorders::pbHorizontal:
    case TPrintBorders::pbAroundHorizontal:
        sides = {TCellBorder::cbTop, TCellBorder::cbBottom};
        break;
    case TPrintBorders::pbVertical:
    case TPrintBorders::pbAroundVertical:
        sides = {TCellBorder::cbLeft, TCellBorder::cbRight};
        break;
    default:
        break;
    }
    TPen pen;
    pen.SetColor(PS.BorderColor());
    G.GetCellPrintBorder(ACol, ARow, &pen, sides);
    if (CutBottom)
        sides.Exclude(TCellBorder::cbBottom);
    if (FMode != TPrintMode::pmPreview)
        pen.SetWidth(int(std::lround(pen.Width() * FPx)));
    const int left = FirstInStrip ? R.Left : R.Left - pen.Width();
    if (sides.Contains(TCellBorder::cbTop))
        C.Line(Point(left, R.Top), Point(R.Right, R.Top), pen);
    if (sides.Contains(TCellBorder::cbBottom))
        C.Line(Point(left, R.Bottom), Point(R.Right, R.Bottom), pen);
    if (sides.Contains(TCellBorder::cbLeft))
        C.Line(Point(left, R.Top), Point(left, R.Bottom), pen);
    if (sides.Contains(TCellBorder::cbRight))
        C.Line(Point(R.Right, R.Top), Point(R.Right, R.Bottom), pen);
}
