// The graphic step of the string grid's cell painter: each kind of cell graphic measured and drawn, the
// node glyphs of column 0, the sort marks and the hot state of fixed cells.
#include "grid/model/GridNodes.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/FilePicture.h"
#include "grid/interaction/FilterDropDown.h"
#include "grid/model/RowFilter.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/GridProgress.h"
#include "grid/model/GridText.h"
#include "grid/model/IntList.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/paint/CellGraphicPaint.h"
#include "grid/paint/CellTextPaint.h"
#include "grid/paint/GridPaintHost.h"
#include "grid/core/VxStringGridPrivate.h"
#include "platform/ImageList.h"
#include <QCursor>
#include <QGuiApplication>
#include <algorithm>

namespace {
using CT = TCellType;

bool In(CT kind, TCellTypes kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

constexpr TCellTypes kCheckKinds{CT::ctCheckBox, CT::ctDataCheckBox, CT::ctVirtCheckBox, CT::ctRowCheckBox,
                                 CT::ctRadioButton, CT::ctTriStateCheckBox};
constexpr TCellTypes kReplacesText{CT::ctDataImage, CT::ctDataCheckBox, CT::ctVirtCheckBox, CT::ctRowCheckBox,
                                   CT::ctRotated, CT::ctRadio, CT::ctProgress, CT::ctRangeIndicator,
                                   CT::ctXPProgress, CT::ctRating};

bool InHoverArea(THoverFixedCells Hover, int Col, int Row, int FixedCols, int FixedRows)
{
    switch (Hover) {
    case THoverFixedCells::hfAll: return Col < FixedCols || Row < FixedRows;
    case THoverFixedCells::hfFixedRows: return Row < FixedRows;
    case THoverFixedCells::hfFixedColumns: return Col < FixedCols;
    default: return false;
    }
}

// The viewport point under the mouse, or false when the mouse is elsewhere.
bool PointerIn(QWidget* Viewport, QPoint& At)
{
    if (!Viewport->underMouse())
        return false;
    At = Viewport->mapFromGlobal(QCursor::pos());
    return true;
}

double CellNumber(const QString& Text)
{
    bool ok = false;
    const double value = ExtractNumberText(Text).toDouble(&ok);
    return ok ? value : 0.0;
}

const TBitmap* BitmapOf(const TGraphicSlot& Slot)
{
    const TBitmap* b = Slot.As<TBitmap>();
    return b && !b->Empty() ? b : nullptr;
}
} // namespace

int TVxStringGrid::FixedCellHotState(int ACol, int ARow, bool& ButtonPressed)
{
    ButtonPressed = false;
    // The list-view look follows the pointer over every fixed cell; the gradient looks only where asked.
    const bool listView = Look() == TGridLook::glListView && (ACol < FixedCols() || ARow < FixedRows());
    if (IsDesigning() || (!listView && !InHoverArea(HoverFixedCells(), ACol, ARow, FixedCols(), FixedRows())))
        return 0;
    QPoint at;
    if (!PointerIn(viewport(), at))
        return 0;
    const TGridCoord under = MouseCoord(at.x(), at.y());
    if (under.X != ACol || under.Y != ARow)
        return 0;
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return 1;
    ButtonPressed = at.x() >= CellRect(ACol, ARow).Right - 16;
    return 2;
}

TGlyphContext TGridPaintHost::GlyphContext() const
{
    TGlyphContext ctx;
    ctx.Look = &G.ControlLook();
    ctx.Window = &G;
    ctx.Themed = VxXPVS().ThemedDrawing();
    ctx.ClientWidth = G.viewport()->width();
    ctx.XYOffsetX = G.XYOffset().X;
    ctx.ShowSelection = G.ShowSelection();
    ctx.SelectionTextColor = G.SelectionTextColor();
    return ctx;
}

void TGridPaintHost::GraphicInfo(int RealCol, int Row, TPaintCell& Cell)
{
    TCellGraphic* g = G.GetCellGraphic(RealCol, Row);
    const bool nodeColumn = RealCol == 0 && G.HasNodes();
    if (nodeColumn && !G.IsNode(Row))
        Cell.TextIndent = G.GetNodeIndent(Row);
    if (!g && nodeColumn && G.IsNode(Row)) {
        FNode.SetCellType(CT::ctNode);
        FNode.SetCellHAlign(TCellHAlign::haBeforeText);
        FNode.SetCellVAlign(TCellVAlign::vaCenter);
        FNode.SetCellBoolean(G.GetNodeState(Row));
        g = &FNode;
    }
    if (!g)
        return;
    Cell.HasGraphic = true;
    Cell.Graphic = g;
    Cell.CellHAlign = g->CellHAlign();
    Cell.CellVAlign = g->CellVAlign();
    const CT kind = g->CellType();
    Cell.TextShown = !In(kind, kReplacesText);
    TCustomImageList* images = G.GetImageList();
    const int iw = images ? images->Width() : 0, ih = images ? images->Height() : 0;
    const TControlLook& look = G.ControlLook();
    int w = 0, h = 0;
    switch (kind) {
    case CT::ctBitmap:
        std::tie(w, h) = std::pair(g->CellBitmap().NaturalSize().X, g->CellBitmap().NaturalSize().Y);
        break;
    case CT::ctIcon: std::tie(w, h) = std::pair(g->CellIcon().NaturalSize().X, g->CellIcon().NaturalSize().Y); break;
    case CT::ctImageList:
    case CT::ctDataImage: w = iw; h = ih; break;
    case CT::ctCheckBox:
    case CT::ctTriStateCheckBox:
    case CT::ctDataCheckBox:
    case CT::ctVirtCheckBox:
    case CT::ctRowCheckBox: w = h = look.CheckSize(); break;
    case CT::ctImages:
        if (const TIntList* list = g->CellBitmap().As<TIntList>()) {
            w = g->CellBoolean() ? list->Count() * iw : iw;
            h = g->CellBoolean() ? ih : list->Count() * ih;
        }
        break;
    case CT::ctPicture:
    case CT::ctFilePicture: {
        const TRect cell = G.CalcCellRect(G.DisplColIndex(RealCol), Row);
        const TPoint size = g->GetPictureSize(cell.Width() - 1 - 2 * G.XYOffset().X,
                                              cell.Height() - 1 - 2 * G.XYOffset().Y, true);
        w = size.X;
        h = size.Y;
        break;
    }
    case CT::ctButton:
    case CT::ctBitButton: w = g->CellIndex() & 0xFFFF; h = (g->CellIndex() >> 16) & 0xFFFF; break;
    case CT::ctProgressPie: w = h = 20; break;
    case CT::ctInterface:
        if (ICellGraphic* object = g->CellBitmap().As<ICellGraphic>()) {
            w = object->GetWidth();
            h = object->GetHeight();
        }
        break;
    case CT::ctRadioButton: w = h = look.RadioSize() + 4; break;
    case CT::ctShape: w = h = G.RowHeights(Row) - 2 * G.XYOffset().Y; break;
    case CT::ctRating: w = g->CellAngle() * 18; h = 16; break;
    case CT::ctNode: w = G.GetNodeLevel(Row) * 12 + 4; break;
    default: break;
    }
    Cell.GraphicWidth = w;
    Cell.GraphicHeight = h;
    switch (Cell.CellHAlign) {
    case TCellHAlign::haBeforeText: Cell.Room = TGraphicRoom::BeforeText; break;
    case TCellHAlign::haAfterText: Cell.Room = TGraphicRoom::AfterText; break;
    default:
        Cell.Room = Cell.CellVAlign == TCellVAlign::vaAboveText   ? TGraphicRoom::AboveText
                    : Cell.CellVAlign == TCellVAlign::vaUnderText ? TGraphicRoom::UnderText
                                                                  : TGraphicRoom::None;
        break;
    }
    Cell.GraphicLeads = Cell.CellHAlign == TCellHAlign::haLeft || Cell.CellHAlign == TCellHAlign::haBeforeText;
}

void TGridPaintHost::DrawGraphic(TCanvas& Canvas, TPaintCell& Cell, bool BeforeText)
{
    // Interface objects here draw with the others, after the text: they cannot ask to come first.
    if (BeforeText || !Cell.Graphic)
        return;
    TCellGraphic& g = *Cell.Graphic;
    const CT kind = g.CellType();
    const TControlLook& look = G.ControlLook();
    const TPoint xy = G.XYOffset();
    const TRect outer = Cell.Rect;
    TRect r = Cell.Rect;
    if (!In(kind, {CT::ctNode, CT::ctProgress, CT::ctRangeIndicator, CT::ctXPProgress}))
        InflateRect(r, -(xy.X - 1), -(xy.Y - 1));
    const int T = Cell.TextWidth > 0 ? Cell.TextWidth + 2 : 0;
    TCellVAlign valign = Cell.CellVAlign;
    if (In(kind, kCheckKinds) && Cell.Look.VA != G.VAlignment())
        valign = Cell.Look.VA == TVAlignment::vtaTop      ? TCellVAlign::vaTop
                 : Cell.Look.VA == TVAlignment::vtaCenter ? TCellVAlign::vaCenter
                                                          : TCellVAlign::vaBottom;
    const TRect box = PlaceGraphic(r, Cell.CellHAlign, valign, Cell.Look.HA, Cell.GraphicWidth, Cell.GraphicHeight, T);
    TCustomImageList* images = G.GetImageList();
    const QString text = G.Cells(Cell.RealCol, Cell.Row);
    bool canEdit = true;
    G.CanEditCell(Cell.RealCol, Cell.Row, canEdit);

    switch (kind) {
    case CT::ctBitmap:
    case CT::ctIcon:
        if (const TBitmap* b = BitmapOf(kind == CT::ctBitmap ? g.CellBitmap() : g.CellIcon())) {
            TBitmap copy;
            copy.Assign(*b);
            copy.SetTransparent(kind == CT::ctIcon || g.CellTransparent());
            Canvas.Draw(box.Left, box.Top, copy);
        }
        break;
    case CT::ctImageList:
        if (images)
            images->Draw(Canvas, box.Left, box.Top, g.CellIndex(), true);
        break;
    case CT::ctDataImage: {
        int index = 0;
        if (images && DataImageIndex(text, g.CellIndex(), images->Count(), index))
            images->Draw(Canvas, box.Left, box.Top, index, true);
        break;
    }
    case CT::ctImages:
        if (const TIntList* list = g.CellBitmap().As<TIntList>(); list && images)
            for (int i = 0; i < list->Count(); ++i) {
                const int x = box.Left + (g.CellBoolean() ? i * images->Width() : 0);
                const int y = box.Top + (g.CellBoolean() ? 0 : i * images->Height());
                images->Draw(Canvas, x, y, list->Items(i), true);
            }
        break;
    case CT::ctCheckBox:
    case CT::ctDataCheckBox:
    case CT::ctVirtCheckBox:
    case CT::ctRowCheckBox:
    case CT::ctTriStateCheckBox:
    case CT::ctRadioButton: {
        const bool alone = In(kind, {CT::ctDataCheckBox, CT::ctVirtCheckBox, CT::ctRowCheckBox});
        int left = CheckBoxLeft(r, Cell.Look.HA, Cell.GraphicWidth, alone ? 0 : T, alone);
        const TGlyphContext ctx = GlyphContext();
        if (kind == CT::ctRadioButton) {
            left += xy.X;
            const TRect radio = Rect(left, box.Top, left + look.RadioSize(), box.Top + look.RadioSize());
            DrawRadioGlyph(Canvas, ctx, radio, false, 1.0, look.ControlStyle(), false, nullptr, !canEdit, false,
                           g.CellBoolean() ? 0 : 1, 1);
            break;
        }
        const TRect check = Rect(left, box.Top, left + Cell.GraphicWidth, box.Top + Cell.GraphicHeight);
        if (kind == CT::ctTriStateCheckBox) {
            DrawCheckGlyph(Canvas, ctx, check, false, g.CellCheckBoxState(), true, look.ControlStyle(),
                           g.CellAngle() > 0, canEdit);
        } else if (alone && kind != CT::ctRowCheckBox) {
            QString checkTrue;
            G.GetCheckTrue(Cell.RealCol, Cell.Row, checkTrue);
            DrawCheckGlyph(Canvas, ctx, check, text == checkTrue, TCheckBoxState::cbUnchecked, false,
                           look.ControlStyle(), false, canEdit);
        } else {
            DrawCheckGlyph(Canvas, ctx, check, g.CellBoolean(), TCheckBoxState::cbUnchecked, false,
                           look.ControlStyle(), g.CellAngle() > 0, canEdit);
        }
        break;
    }
    case CT::ctRadio: {
        const QStringList* options = g.CellBitmap().As<QStringList>();
        const TGlyphContext ctx = GlyphContext();
        DrawRadioGlyph(Canvas, ctx, r, false, 1.0, look.ControlStyle(),
                       Cell.State.testFlag(TGridDrawStateItem::gdSelected), options, !canEdit, g.CellBoolean(),
                       g.CellIndex(), options ? int(options->size()) : 0, text);
        break;
    }
    case CT::ctRotated: {
        const TFont saved = Canvas.Font();
        const TRect start = CalcRotatedRect(Canvas, outer, g.CellAngle(), Cell.Look.VA, Cell.Look.HA, text);
        TRect clip = outer;
        InflateRect(clip, -2, -2);
        Canvas.SetClipRect(clip);
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        TextOutRotated(Canvas, start.Left, start.Top, text, g.CellAngle());
        Canvas.ResetClipRect();
        Canvas.SetFont(saved);
        TSortMark mark;
        if (SortedHeaderCell(Cell.RealCol, Cell.Row, mark) && SortMarkShown(mark))
            DrawSortIndicator(Canvas, mark, box.Top + 8, box.Right - 10);
        break;
    }
    case CT::ctNode: DrawNodeGlyph(Canvas, Cell, r); break;
    case CT::ctPicture:
        if (const TBitmap* b = BitmapOf(g.CellBitmap())) {
            if (g.CellAngle() != 0)
                Canvas.StretchDraw(box, *b);
            else
                Canvas.Draw(box.Left, box.Top, *b);
        }
        break;
    case CT::ctFilePicture:
        if (const TFilePicture* picture = g.CellBitmap().As<TFilePicture>())
            picture->DrawPicture(Canvas, box);
        break;
    case CT::ctProgress:
    case CT::ctXPProgress: DrawProgressKind(Canvas, g, r, CellNumber(text)); break;
    case CT::ctComment:
        if (look.CommentColor() != clNone)
            DrawCommentMark(Canvas, outer, g.CellAngle() != int(clNone) ? TColor(g.CellIndex()) : look.CommentColor());
        Canvas.Brush().SetColor(G.Color());
        break;
    case CT::ctButton:
    case CT::ctBitButton:
    case CT::ctExpand:
        DrawButtonKind(Canvas, Cell, g, kind == CT::ctExpand ? Rect(r.Right - 13, r.Top, r.Right, r.Top + 13) : box,
                       canEdit);
        break;
    case CT::ctProgressPie:
        DrawPiePercent(Canvas, Rect(box.Left, box.Top, box.Left + 20, box.Top + 20), g.CellBitmap().Value,
                       std::clamp(g.CellAngle(), 0, 100), false);
        break;
    case CT::ctRangeIndicator: {
        TRect bar = r;
        InflateRect(bar, -look.ProgressMarginX(), -look.ProgressMarginY());
        DrawSignedBar(Canvas, bar, int(CellNumber(text)), g.CellIndex(), g.CellBoolean(), g.CellBitmap().Value,
                      g.CellIcon().Value);
        break;
    }
    case CT::ctInterface:
        if (ICellGraphic* object = g.CellBitmap().As<ICellGraphic>()) {
            const TRect at = Rect(r.Left - 1, r.Top - 1, r.Right, r.Bottom);
            object->Draw(&Canvas, at, Cell.RealCol, Cell.Row, Cell.State.testFlag(TGridDrawStateItem::gdSelected),
                         nullptr);
        }
        break;
    case CT::ctShape:
        PaintCellShape(Canvas, box.Left, box.Top, box.Width() - 1, box.Height() - 1, TCellShape(g.CellAngle()),
                       TColor(g.CellIndex()), g.CellBitmap().Value);
        break;
    case CT::ctRating:
        DrawRating(Canvas, box.Left, box.Top, CellNumber(text), g.CellAngle(), g.CellBitmap().Value,
                   TColor(g.CellIndex()));
        break;
    default: break;
    }
}

void TGridPaintHost::DrawProgressKind(TCanvas& Canvas, const TCellGraphic& g, TRect r, double Value)
{
    const TControlLook& look = G.ControlLook();
    if (g.CellType() == CT::ctXPProgress) {
        InflateRect(r, -look.ProgressMarginX(), -look.ProgressMarginY());
        r.Right -= 1;
        r.Bottom -= 1;
        const TGridProgressAppearance& a = G.ProgressAppearance();
        TProgressPaintParams p;
        p.Level0Color = a.Level0Color();
        p.Level0ColorTo = a.Level0ColorTo();
        p.Level1Color = a.Level1Color();
        p.Level1ColorTo = a.Level1ColorTo();
        p.Level2Color = a.Level2Color();
        p.Level2ColorTo = a.Level2ColorTo();
        p.Level3Color = a.Level3Color();
        p.Level3ColorTo = a.Level3ColorTo();
        p.Level1Perc = a.Level1Perc();
        p.Level2Perc = a.Level2Perc();
        p.BorderColor = a.BorderColor();
        p.ShowBorder = a.ShowBorder();
        p.Stacked = a.Stacked();
        p.ShowPercentage = a.ShowPercentage();
        p.Font = G.Font();
        p.TextColor = a.CompleteFontColor();
        p.CompletionSmooth = a.CompletionSmooth();
        p.ShowGradient = a.ShowGradient();
        p.Steps = a.Steps();
        p.Color = a.UnCompleteColor() != clNone ? a.UnCompleteColor() : G.Color();
        // An empty range shows nothing done rather than dividing by zero.
        PaintProgressBar(Canvas, r, RangePercent(int(Value), g.CellErrFrom(), g.CellErrLen()), p);
        return;
    }
    const TControlStyle style = look.ControlStyle();
    TThemeBinding& themes = VxXPVS();
    if ((style == TControlStyle::csWinXP || style == TControlStyle::csTheme) && themes.ThemedDrawing() &&
        look.ProgressXP()) {
        InflateRect(r, -look.ProgressMarginX(), -look.ProgressMarginY());
        const TThemeApiTable& api = themes.ThemeApi();
        const HTHEME theme = api.OpenThemeData(&G, QStringLiteral("Progress"));
        api.DrawThemeBackground(theme, Canvas, 1, 1, r);
        TRect chunk = r;
        InflateRect(chunk, -2, -2);
        chunk.Right = chunk.Left + Nearest(chunk.Width() * std::clamp(Value, 0.0, 100.0) / 100.0);
        api.DrawThemeBackground(theme, Canvas, 3, 1, chunk);
        api.CloseThemeData(theme);
        return;
    }
    InflateRect(r, -2, -2);
    const TColor fill = g.CellBitmap().Value, rest = g.CellIcon().Value;
    const TColor fillText = g.CellBoolean() ? TColor(g.CellIndex()) : (ColorToRGB(fill) ^ 0xFFFFFF);
    const TColor restText = g.CellBoolean() ? TColor(g.CellAngle()) : (ColorToRGB(rest) ^ 0xFFFFFF);
    DrawFormattedProgress(Canvas, r, fill, fillText, rest, restText, Value, look.ProgressMarginX(),
                          look.ProgressMarginY(), g.CellErrFrom(), g.CellErrLen(), g.CellText(),
                          look.ProgressBorderColor(), false);
}

void TGridPaintHost::DrawButtonKind(TCanvas& Canvas, const TPaintCell& Cell, TCellGraphic& g, TRect box, bool Enabled)
{
    const TControlLook& look = G.ControlLook();
    const CT kind = g.CellType();
    g.SetCellValue(PackButtonOffset(box.Left - Cell.Rect.Left, box.Top - Cell.Rect.Top));
    if (look.NoDisabledButtonLook())
        Enabled = true;
    const TColorTones& tones = G.Appearance().Tones;
    const int face = ButtonFace();
    QPoint at;
    const bool hot = PointerIn(G.viewport(), at) && box.Contains(TPoint{at.x(), at.y()});
    int state = g.CellBoolean() ? bsDown : hot ? bsHot : bsNormal;
    if (!Enabled && kind != CT::ctExpand)
        state = bsDisabled;
    DrawPushButton(Canvas, &G, box, face, state, tones);
    if (state == bsDown)
        OffsetRect(box, 1, 1);
    if (kind == CT::ctExpand) {
        DrawExpandChevron(Canvas, box.Right, box.Top, g.CellVar().toBool());
        return;
    }
    const QString caption = g.CellText();
    TRect text = box;
    InflateRect(text, -1, -1);
    if (kind == CT::ctBitButton)
        if (const TBitmap* glyph = BitmapOf(g.CellBitmap())) {
            const bool fits = glyph->Height() <= box.Height();
            const int y = fits ? box.Top + (box.Height() - glyph->Height()) / 2 : box.Top + 3;
            const bool beside = !caption.isEmpty() || glyph->Width() > box.Width();
            const int x = beside ? box.Left + 3 : box.Left + (box.Width() - glyph->Width()) / 2;
            TBitmap copy;
            copy.Assign(*glyph);
            copy.SetTransparent(true);
            Canvas.Draw(x, y, copy);
            if (beside)
                text.Left = x + glyph->Width() + 4;
        }
    if (caption.isEmpty())
        return;
    if (face == bkTones) {
        const TColorTone& tone = state == bsDown ? tones.Selected : state == bsHot ? tones.Hover
                                 : state == bsDisabled                             ? tones.Disabled
                                                                                   : tones.Background;
        Canvas.Font().SetColor(tone.TextColor);
    }
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const bool lines = caption.contains(QLatin1Char('\n')) || caption.contains(QLatin1Char('\r'));
    Canvas.DrawText(caption, text,
                    DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | (lines ? DT_WORDBREAK : DT_SINGLELINE));
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void TGridPaintHost::DrawNodeGlyph(TCanvas& Canvas, const TPaintCell& Cell, TRect r)
{
    const TCellNode& node = G.CellNode();
    const int I = node.NodeIndent();
    const int row = Cell.Row;
    const int indent = G.GetNodeIndent(row);
    const int x0 = indent - I;
    if (node.ShowTree() && row >= G.FixedRows()) {
        Canvas.Pen().SetColor(node.TreeColor());
        Canvas.Pen().SetWidth(1);
        const int x = x0 + I / 2 + 2, middle = (r.Top + r.Bottom) / 2;
        const int next = row + 1 < G.RowCount() ? G.GetNodeIndent(row + 1) : -1;
        if (next > 0 && !(G.GetNodeState(row) && next < indent)) {
            Canvas.MoveTo(x, middle);
            Canvas.LineTo(x, r.Bottom);
        }
        if (row > 0 && G.GetNodeIndent(row - 1) >= indent) {
            Canvas.MoveTo(x, r.Top);
            Canvas.LineTo(x, r.Top + 6);
        }
    }
    const int left = indent - I / 2 - 4;
    const bool contracted = Cell.Graphic->CellBoolean();
    TColor back = Canvas.Brush().Color();
    if (back == clNone)
        back = G.FixedCols() > 0 ? G.FixedColor() : G.Color();
    if (G.ShowSelection() && Cell.State.testFlag(TGridDrawStateItem::gdSelected))
        back = G.SelectionColor();
    const int middle = (r.Top + r.Bottom) / 2;
    switch (node.NodeType()) {
    case TNodeType::cnLeaf:
        DrawTransparentBitmap(Canvas, GlyphBitmap(contracted ? TGlyphId::LeafClose : TGlyphId::LeafOpen), back,
                              Rect(left, middle - 6, left + 12, middle + 6));
        return;
    case TNodeType::cnXP:
        DrawTransparentBitmap(Canvas, GlyphBitmap(contracted ? TGlyphId::XPNodeClosed : TGlyphId::XPNodeOpen), back,
                              Rect(left + 4, middle - 5, left + 14, middle + 5));
        return;
    case TNodeType::cnGlyph:
        if (!node.ExpandGlyph().Empty() && !node.ContractGlyph().Empty()) {
            const TBitmap& glyph = contracted ? node.ContractGlyph() : node.ExpandGlyph();
            const int top = middle - glyph.Height() / 2;
            DrawTransparentBitmap(Canvas, glyph, back, Rect(left, top, left + glyph.Width(), top + glyph.Height()));
            return;
        }
        break;
    case TNodeType::cn3D:
        FillRectColor(Canvas, Rect(left, r.Top, r.Right, r.Bottom), node.Color());
        Canvas.Pen().SetColor(clWhite);
        Canvas.Polyline({{left, r.Bottom - 1}, {left, r.Top}, {r.Right - 1, r.Top}});
        Canvas.Pen().SetColor(clGray);
        Canvas.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {left, r.Bottom - 1}});
        break;
    default: break;
    }
    const int x = left + 4, y = middle - 4;
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(node.Color());
    if (node.NodeType() == TNodeType::cnFlat) {
        Canvas.Pen().SetColor(node.NodeColor());
        Canvas.Rectangle(x, y, x + 9, y + 9);
    } else {
        FillRectColor(Canvas, Rect(x, y, x + 8, y + 8), node.Color());
        Canvas.Pen().SetColor(contracted ? clWhite : clGray);
        Canvas.Polyline({{x, y + 7}, {x, y}, {x + 7, y}});
        Canvas.Pen().SetColor(contracted ? clGray : clWhite);
        Canvas.Polyline({{x + 7, y}, {x + 7, y + 7}, {x, y + 7}});
    }
    Canvas.Pen().SetColor(node.NodeColor());
    Canvas.MoveTo(x + 2, y + 4);
    Canvas.LineTo(x + 7, y + 4);
    if (contracted) {
        Canvas.MoveTo(x + 4, y + 2);
        Canvas.LineTo(x + 4, y + 7);
    }
}

// The filter row's cells show the button where the column offers a list; the list a user has open stays as it is.
bool TGridPaintHost::FilterButtonCell(int RealCol, int Row)
{
    if (Row != G.FilterDropDownRow())
        return false;
    const QStringList open = G.d->Shared.FFilterList;
    const bool offered = G.BuildColumnFilterList(RealCol);
    G.d->Shared.FFilterList = open;
    return offered;
}

const TBitmap* TGridPaintHost::FilterGlyph(int RealCol)
{
    return G.Filter().HasFilter(RealCol) ? &G.FilterDropDown().GlyphActive() : &G.FilterDropDown().Glyph();
}

bool TGridPaintHost::SortHeaderGradientCell(int RealCol, int Row)
{
    const TSortSettings& s = G.SortSettings();
    const int col = G.DisplColIndex(RealCol);
    return s.Column() != -1 && RealCol == s.Column() && Row == G.FixedRows() - 1 &&
           (col >= G.FixedCols() || s.FixedCols());
}

bool TGridPaintHost::SortedHeaderCell(int RealCol, int Row, TSortMark& Mark)
{
    const TSortSettings& s = G.SortSettings();
    if (!s.Show() || G.FixedRows() == 0 || Row != s.Row())
        return false;
    const int position = G.SortIndexes().FindIndex(RealCol);
    if (RealCol != s.Column() && position < 0)
        return false;
    if (G.DisplColIndex(RealCol) < G.FixedCols() && !s.FixedCols())
        return false;
    Mark.IndexShow = s.IndexShow();
    Mark.IndexPosition = position;
    Mark.IndexOtherDirection = position >= 0 && !G.SortIndexes().SortDirections(position);
    Mark.IndexColor = s.IndexColor();
    Mark.Descending = s.Direction() == TSortDirection::sdDescending;
    Mark.UpGlyph = s.UpGlyph();
    Mark.DownGlyph = s.DownGlyph();
    Mark.IndexUpGlyph = s.IndexUpGlyph();
    Mark.IndexDownGlyph = s.IndexDownGlyph();
    Mark.ClientWidth = G.viewport()->width();
    return true;
}

int TGridPaintHost::ButtonFace() const
{
    if (G.Flat() && G.Appearance().Tones.Background.BrushColor != clNone)
        return bkTones;
    return G.ControlLook().FlatButton() ? bkFlat : VxXPVS().ThemedDrawing() ? bkTheme : bkClassic;
}

int TGridPaintHost::DrawRowIndicator(TCanvas& Canvas, const TPaintCell& Cell)
{
    const TBitmap& bitmap = G.RowIndicator();
    if (Cell.RealCol != 0 || Cell.Row != G.Row() || G.FixedCols() == 0 || bitmap.Empty() ||
        (G.FixedRowAlways() && G.RowCount() == G.FixedRows()))
        return 0;
    const TRect& r = Cell.Rect;
    const int y = G.VAlignment() == TVAlignment::vtaCenter ? r.Top + (r.Height() - bitmap.Height()) / 2
                  : G.VAlignment() == TVAlignment::vtaBottom ? r.Bottom - bitmap.Height()
                                                             : r.Top;
    TBitmap copy;
    copy.Assign(bitmap);
    copy.SetTransparent(true);
    Canvas.Draw(r.Left + 2, y, copy);
    return bitmap.Width();
}

void TGridPaintHost::DrawEditorButtons(TCanvas& Canvas, TPaintCell& Cell)
{
    const TControlLook& look = G.ControlLook();
    const bool combo = look.DropDownAlwaysVisible() && G.HasComboBox(Cell.Col, Cell.Row);
    const bool spin = look.SpinButtonsAlwaysVisible() && G.HasSpinEdit(Cell.Col, Cell.Row);
    if (!combo && !spin)
        return;
    bool canEdit = true;
    G.CanEditCell(Cell.RealCol, Cell.Row, canEdit);
    const int state = canEdit ? bsNormal : bsDisabled;
    const TColorTones& tones = G.Appearance().Tones;
    if (combo) {
        const TRect r = Rect(Cell.Rect.Left - 2, Cell.Rect.Top - 1, Cell.Rect.Right + 1, Cell.Rect.Bottom);
        DrawComboButton(Canvas, &G, r, ButtonFace(), state, tones);
        Cell.Rect.Right -= 16;
    }
    if (spin) {
        DrawSpinButtons(Canvas, &G, Cell.Rect, ButtonFace(), state, tones);
        Cell.Rect.Right -= 16;
    }
}

void TGridPaintHost::DrawTreeLines(TCanvas& Canvas, TPaintCell& Cell)
{
    const TCellNode& node = G.CellNode();
    const int row = Cell.Row;
    if (Cell.RealCol != 0 || !G.HasNodes() || row < G.FixedRows() || !node.ShowTree())
        return;
    const TGridNodes& nodes = G.Nodes();
    const int L = nodes.RowLevel(row), I = node.NodeIndent();
    TRect& r = Cell.Rect;
    r.Left = G.GetNodeIndent(row);
    const int x = r.Left + I / 2 - I + 2, middle = (r.Top + r.Bottom) / 2;
    Canvas.Pen().SetColor(node.TreeColor());
    Canvas.Pen().SetWidth(1);
    auto line = [&](int x1, int y1, int x2, int y2) {
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    if (L > 0)
        line(x, middle, node.ShowTreeFull() ? r.Right : r.Left + 4, middle);
    // 0 a node row, 1 the last row of a node's span, 2 a row further up in it.
    const int parent = nodes.GetParentRow(row);
    const int spanType = nodes.IsNode(row) || parent < 0 ? 0 : row == nodes.NodeEnd(parent) - 1 ? 1 : 2;
    if (spanType == 1)
        line(x, r.Top, x, middle);
    else if (spanType == 2)
        line(x, r.Top, x, r.Bottom + 4);
    const bool lastRow = row == G.RowCount() - 1;
    const int nextLevel = lastRow ? 0 : nodes.RowLevel(row + 1);
    for (int i = 1; i <= L; ++i) {
        const int xi = x - I * i;
        line(xi, r.Top, xi, middle);
        if (!lastRow && nextLevel != 0)
            line(xi, middle, xi, r.Bottom + 4);
        else if (i < L)
            line(xi, middle, x + I - I * i, middle);
    }
}
