#include "grid/paint/GridPaintPass.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/paint/GridGlyphs.h"

QString BalloonCellText(const QString& CellText, bool EnableHTML, const std::function<QString(const QString&)>& RichToPlain)
{
    switch (ClassifyCellText(CellText, EnableHTML)) {
    case TCellTextKind::ctkHtml: return MiniHtmlToPlainText(CellText);
    case TCellTextKind::ctkRich: return RichToPlain ? RichToPlain(CellText) : QString();
    case TCellTextKind::ctkWide: return DecodeWideCellText(CellText);
    default: return CellText;
    }
}

QString FinishBalloonText(const QString& Text)
{
    constexpr qsizetype kLongest = 2048, kKept = 2045;
    qsizetype first = 0;
    while (first < Text.size() && (Text[first] == QLatin1Char('\r') || Text[first] == QLatin1Char('\n') ||
                                   Text[first] == QLatin1Char('\t')))
        ++first;
    QString out = Text.mid(first);
    out.replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (out.size() > kLongest)
        out = out.left(kKept) + QStringLiteral("...");
    return out;
}

QString FinishBalloonTitle(const QString& Title)
{
    return Title.size() > 100 ? Title.left(97) + QStringLiteral("...") : Title;
}

bool LookDrawsBorder(const TGridAppearance& A)
{
    switch (A.Look) {
    case TGridLook::glStandard:
    case TGridLook::glClassic:
    case TGridLook::glCustom:
        return false;
    default:
        return A.BorderSingle && A.BorderColor != clNone && !A.Flat;
    }
}

TOutsideArea OutsideCellsArea(const TRect& Client, int LastColRight, bool LastColVisible, int LastRowBottom,
                              bool LastRowVisible, int GridLineWidth)
{
    TOutsideArea area;
    if (LastColVisible && LastColRight + GridLineWidth < Client.Right)
        area.Right = Rect(LastColRight + GridLineWidth, Client.Top, Client.Right, Client.Bottom);
    if (LastRowVisible && LastRowBottom + GridLineWidth < Client.Bottom)
        area.Below = Rect(Client.Left, LastRowBottom + GridLineWidth, Client.Right, Client.Bottom);
    return area;
}

namespace {
const QString kAllowEdit = QStringLiteral("Allow edit");
const QString kColumnNumbers = QStringLiteral("Column numbers");

void PanelFont(TCanvas& Canvas)
{
    Canvas.Font().SetName(QStringLiteral("Tahoma"));
    Canvas.Font().SetSize(8);
}
} // namespace

int DesignHelperHitTest(TCanvas& Canvas, int R, int B, int X, int Y, TGridLook Look)
{
    PanelFont(Canvas);
    const int h = Canvas.TextHeight(QStringLiteral("gh"));
    const int H = 4 * h + 18, line = h + 2;
    int choice = -1;
    if (X > R - 16 && Y > B - H && Y < B - H + 16)
        choice = 4;
    auto entry = [&](int index, int textRight) {
        return X > R - 150 && X < textRight && Y > B + index * line - H + 4 && Y < B + (index + 1) * line - H + 4;
    };
    if (entry(1, R - 132 + Canvas.TextWidth(kAllowEdit)))
        choice = 1;
    if (entry(2, R - 132 + Canvas.TextWidth(kColumnNumbers)))
        choice = 2;
    if (entry(3, R - 150 + Canvas.TextWidth(QStringLiteral("Set look: ") + LookDisplayName(Look))))
        choice = 3;
    return choice;
}

void PaintDesignHelper(TCanvas& Canvas, int R, int B, const TDesignHelperState& State)
{
    PanelFont(Canvas);
    const int h = Canvas.TextHeight(QStringLiteral("gh"));
    const int left = R - 150, top = B - 4 * h - 18;
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(clInfoBk);
    Canvas.Pen().SetColor(0x808080);
    Canvas.Rectangle(left, top, R, B);
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Canvas.Font().SetColor(0x800000);
    Canvas.TextOut(left + 4, top + 4, QStringLiteral("Quick config [v") + State.Version + QStringLiteral("]"));
    DrawTransparentGlyph(Canvas, TGlyphId::Close, R - 16, top + 2);
    auto underlined = [&](int choice) {
        TFontStyles style;
        style.setFlag(TFontStyle::fsUnderline, State.HitChoice == choice);
        Canvas.Font().SetStyle(style);
    };
    DrawTransparentGlyph(Canvas, State.Editing ? TGlyphId::XPCheckOn : TGlyphId::XPCheckOff, left + 4, top + h + 4);
    underlined(1);
    Canvas.TextOut(left + 22, top + h + 6, kAllowEdit);
    DrawTransparentGlyph(Canvas, State.ColumnNumbers ? TGlyphId::XPCheckOn : TGlyphId::XPCheckOff, left + 4, top + 2 * h + 6);
    underlined(2);
    Canvas.TextOut(left + 22, top + 2 * h + 8, kColumnNumbers);
    underlined(3);
    Canvas.TextOut(left + 4, top + 3 * h + 10, QStringLiteral("Set look: ") + LookDisplayName(State.Look));
    Canvas.Font().SetStyle({});
}
