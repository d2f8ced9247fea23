#include "grid/foundation/MiniHtmlRender.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/model/GridText.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/MiniHtml.h"
#include "platform/Canvas.h"
#include <algorithm>

namespace {

constexpr int kListIndent = 12;
constexpr TColor kControlFrame = 0x808080;

// Everything the tags switch; set back before the second pass of a line, so that both passes read the line's
// tags from the same start.
struct TLayoutState {
    TFont Font;
    TColor Bg = clNone;              // text background; clNone draws transparently
    TColor CallBg = clWhite;         // the canvas background of the call (<BLINK>, animated pictures)
    THtmlAlign Align = THtmlAlign::haLeft;
    int Indent = 0;
    int ListLevel = 0;
    bool InLink = false;
    QString Href, Title;
    int LinkCount = 0;
    int PicCount = 0;
    bool Sub = false, Sup = false, Shadow = false, Mark = false, Hidden = false, Band = false;
    int Rotation = 0;                // degrees counter-clockwise, from <R>
    TColor BandColor = clNone;
    TColor FontSavedBg = clNone, ParaSavedBg = clNone;
    TColor HiSavedText = clNone, HiSavedBg = clNone;
    TColor LinkSavedText = clNone, LinkSavedBg = clNone;
    bool LinkHitPending = false;
    int LinkStartX = 0, LinkStartTop = 0, LinkStartLine = 0;
};

// One pass over one line.
struct TLine {
    QString Text;                    // the part of the text the line took, tags included
    int Width = 0;
    int Height = 0;
    int SubRoom = 0, SupRoom = 0, PicOffset = 0;
    int BlankWidth = 0;              // a final blank, not counted in the width
    bool EndsInBlank = false;        // the line's visible text so far ends in a blank
    bool HasListItem = false;
    bool LinkHit = false;            // the mouse is over link text
    bool PicHit = false;             // over a picture inside a link, or a control
};

enum class TTagResult { trContinue, trEndLine, trFull };

class TRenderer {
public:
    TRenderer(TCanvas& canvas, const TMiniHtmlParams& params, TMiniHtmlResult& result)
        : C(canvas), P(params), R(result)
    {
    }
    bool Run(const QString& text);

private:
    // Pass state of the line being laid out.
    struct TPass {
        TRect Line;
        bool Draw = false;
        bool Second = false;
        int X = 0;                   // x advance from the line's left edge
        int Pen = 0;
        int FocusStart = -1;         // x where this line's part of the focus link starts
        bool FocusContinues = false; // the focus link started on an earlier line
        TLine* L = nullptr;
        const TLine* Measured = nullptr;
    };

    void LayoutLine(QString& text, TPass& p);
    TTagResult ApplyTag(const QString& tag, TPass& p);
    TTagResult ApplyPicture(const QString& tag, TPass& p);
    TTagResult ApplyControl(const QString& tag, TPass& p);
    void OpenLink(const QString& tag, TPass& p);
    void CloseLink(TPass& p);
    void DrawRun(const QString& run, TPass& p, int width);
    void DrawControl(const QString& type, const QString& value, int height, int width, TPass& p, int& itemH);
    void DrawFocusFrame(TPass& p);
    THTMLPicture* Picture(const QString& source);

    int TextBottom(const TPass& p) const;
    int RunWidth(const QString& run);
    int GhHeight();
    bool FocusLink() const { return S.InLink && S.LinkCount - 1 == P.FocusLink; }
    bool Hovered() const { return S.LinkCount == P.HoverLink; }
    void UseFont() { C.SetFont(S.Font); }
    void SetStyle(TFontStyle style, bool on);

    TCanvas& C;
    const TMiniHtmlParams& P;
    TMiniHtmlResult& R;
    TLayoutState S;
    TFont BaseFont;
    int LineNo = 0;
    int PicUnderMouse = -1;
};

int TRenderer::GhHeight()
{
    UseFont();
    return C.TextHeight(QStringLiteral("gh"));
}

int TRenderer::RunWidth(const QString& run)
{
    UseFont();
    TRect r = Rect(0, 0, 1 << 20, 1 << 20);
    C.DrawText(run, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    return r.Width();
}

void TRenderer::SetStyle(TFontStyle style, bool on)
{
    TFontStyles s = S.Font.Style();
    s.setFlag(style, on);
    S.Font.SetStyle(s);
}

int TRenderer::TextBottom(const TPass& p) const
{
    const TLine& m = p.Measured ? *p.Measured : *p.L;
    return p.Line.Bottom - m.SubRoom - (S.Sup ? m.SupRoom : 0) + (S.Sub ? m.SubRoom : 0) - m.PicOffset;
}

THTMLPicture* TRenderer::Picture(const QString& source)
{
    if (source.isEmpty())
        return nullptr;
    const QString up = source.toUpper();
    // Image lists and system icons are not offered on this platform.
    if (up.startsWith(QStringLiteral("IDX:")) || up.startsWith(QStringLiteral("SSYS:")) ||
        up.startsWith(QStringLiteral("LSYS:")))
        return nullptr;
    if (!source.contains(u':'))
        return P.Container ? P.Container->FindPicture(source) : nullptr;
    if (!source.contains(QStringLiteral("://")) || !P.Cache)
        return nullptr;
    if (THTMLPicture* cached = P.Cache->FindPicture(source))
        return cached;
    THTMLPicture* picture = P.Cache->AddPicture();
    picture->SetAsynch(false);
    try {
        picture->LoadFromURL(source);
    } catch (const std::exception&) {
        // A resource that is no picture shows nothing, like any other missing picture.
    }
    return picture;
}

void TRenderer::DrawRun(const QString& run, TPass& p, int width)
{
    const unsigned flags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | (P.WordWrap ? 0u : DT_END_ELLIPSIS);
    const int bottom = TextBottom(p);
    UseFont();
    // Upright in the rest of the line, or turned about the top-left corner the upright run would have.
    auto write = [&](int offset) {
        if (S.Rotation != 0) {
            TextOutRotated(C, p.Pen + offset, bottom - C.TextHeight(run) + offset, run, S.Rotation, true);
            return;
        }
        TRect r = Rect(p.Pen + offset, p.Line.Top + offset, p.Line.Right + offset, bottom + offset);
        C.DrawText(run, r, flags);
    };
    if (S.Shadow) {
        C.Font().SetColor(P.ShadowColor);
        C.Brush().SetStyle(TBrushStyle::bsClear);
        write(P.ShadowOffset);
        UseFont();
    }
    if (S.Bg == clNone) {
        C.Brush().SetStyle(TBrushStyle::bsClear);
    } else {
        C.Brush().SetStyle(TBrushStyle::bsSolid);
        C.Brush().SetColor(S.Bg);
    }
    write(0);
    C.Brush().SetStyle(TBrushStyle::bsClear);
    if (FocusLink())
        R.FocusAnchor = S.Href;
    if (S.Mark) {
        // A red zigzag under the run: one pixel below the text bottom at x divisible by 4, one above between.
        C.Pen().SetColor(clRed);
        C.Pen().SetWidth(1);
        C.Pen().SetStyle(TPenStyle::psSolid);
        std::vector<TPoint> points;
        for (int x = p.Pen & ~1; x <= p.Pen + width; x += 2)
            points.push_back({x, x % 4 == 0 ? bottom + 1 : bottom - 1});
        C.Polyline(points);
    }
}

void TRenderer::DrawFocusFrame(TPass& p)
{
    if (p.FocusStart < 0)
        return;
    const int bottom = TextBottom(p);
    const int left = p.Line.Left + p.FocusStart - (p.FocusContinues ? 0 : 1);
    const int right = p.Line.Left + p.X + 1;
    C.DrawFocusRect(Rect(left, bottom - GhHeight(), right, bottom));
    p.FocusStart = -1;
}

void TRenderer::OpenLink(const QString& tag, TPass& p)
{
    ++S.LinkCount;
    if (!p.Second)
        ++R.HyperLinks;
    S.InLink = true;
    S.Href = HtmlTagValue(tag, QStringLiteral("HREF"), true);
    S.Title = HtmlTagValue(tag, QStringLiteral("TITLE"), true);
    S.LinkStartX = p.X;
    S.LinkStartTop = p.Line.Top;
    S.LinkStartLine = LineNo;
    if (p.Draw && FocusLink()) {
        p.FocusStart = p.X;
        p.FocusContinues = false;
    }
    if (p.Draw && (!P.HoverStyle || Hovered())) {
        SetStyle(TFontStyle::fsUnderline, true);
        if (P.HoverColor != clNone) {
            S.LinkSavedBg = S.Bg;
            S.Bg = P.HoverColor;
        }
        if (P.HoverFontColor != clNone) {
            S.LinkSavedText = S.Font.Color();
            S.Font.SetColor(P.HoverFontColor);
        }
    }
    if (!P.Selected && !(P.HoverStyle && Hovered() && P.HoverFontColor != clNone))
        S.Font.SetColor(P.URLColor);
}

void TRenderer::CloseLink(TPass& p)
{
    if (p.Draw && FocusLink())
        DrawFocusFrame(p);
    if (p.Draw && (!P.HoverStyle || Hovered())) {
        SetStyle(TFontStyle::fsUnderline, false);
        if (P.HoverColor != clNone)
            S.Bg = S.LinkSavedBg;
        if (P.HoverFontColor != clNone)
            S.Font.SetColor(S.LinkSavedText);
    }
    if (!P.Selected)
        S.Font.SetColor(BaseFont.Color());
    if (S.InLink && S.LinkHitPending) {
        const bool sameLine = S.LinkStartLine == LineNo;
        R.HoverRect = Rect(p.Line.Left + (sameLine ? S.LinkStartX : 0), sameLine ? S.LinkStartTop : p.Line.Top,
                           p.Line.Left + p.X, TextBottom(p));
        R.MouseLink = S.LinkCount;
        S.LinkHitPending = false;
    }
    S.InLink = false;
}

TTagResult TRenderer::ApplyPicture(const QString& tag, TPass& p)
{
    ++S.PicCount;
    // Sources keep their case: file names on this platform depend on it.
    QString source = HtmlTagValue(tag, QStringLiteral("SRC"), true);
    if (PicUnderMouse == S.PicCount) {
        const QString alt = HtmlTagValue(tag, QStringLiteral("ALT"), true);
        if (!alt.isEmpty())
            source = alt;
    }
    THTMLPicture* pic = Picture(source);
    if (!pic || pic->Empty())
        return TTagResult::trContinue;
    const int w = HtmlNumber(HtmlTagValue(tag, QStringLiteral("WIDTH")));
    const int h = HtmlNumber(HtmlTagValue(tag, QStringLiteral("HEIGHT")));
    const bool given = w > 0 || h > 0;
    int itemW = pic->MaxWidth();
    int itemH = pic->MaxHeight();
    if (w > 0 && h > 0) {
        itemW = w;
        itemH = h;
    } else if (w > 0) {
        itemW = w;
        itemH = pic->Width() > 0 ? Nearest(double(pic->Height()) * w / pic->Width()) : 0;
    } else if (h > 0) {
        itemH = h;
        itemW = pic->Height() > 0 ? Nearest(double(pic->Width()) * h / pic->Height()) : 0;
    }
    const int lineW = p.Line.Width();
    if (!p.Second && itemW > lineW - p.X && itemW <= lineW) {
        --S.PicCount;  // read again on the next line
        return TTagResult::trFull;
    }
    if (p.Draw) {
        const int top = p.Line.Top;
        if (given) {
            const bool stretch = pic->Stretch();
            pic->SetStretch(true);
            pic->Draw(C, Rect(p.Pen, top, p.Pen + itemW, top + itemH));
            pic->SetStretch(stretch);
        } else if (pic->FrameCount() > 1) {
            FillRectColor(C, Rect(p.Pen, top, p.Pen + pic->MaxWidth(), top + pic->MaxHeight()), S.CallBg);
            C.Brush().SetStyle(TBrushStyle::bsClear);
            pic->Draw(C, Rect(p.Pen + pic->FrameXPos(), top + pic->FrameYPos(), p.Pen + itemW, top + itemH));
        } else {
            pic->Draw(C, Rect(p.Pen, top, p.Pen + itemW, top + itemH));
        }
    }
    if (S.InLink) {
        const int mx = P.XPos - p.Line.Left;
        if (mx > p.X && mx < p.X + itemW && P.YPos > p.Line.Top && P.YPos < p.Line.Top + itemH) {
            p.L->PicHit = true;
            R.AnchorVal = S.Href;
            R.AnchorHint = S.Title;
            PicUnderMouse = S.PicCount;
        }
    }
    p.X += itemW;
    p.Pen += itemW;
    p.L->Height = std::max(p.L->Height, itemH);
    const QString align = HtmlTagValue(tag, QStringLiteral("ALIGN"));
    if (align == u"TOP")
        p.L->PicOffset = p.L->Height - GhHeight();
    else if (align == u"MIDDLE")
        p.L->PicOffset = (p.L->Height - GhHeight()) / 2;
    return TTagResult::trContinue;
}

void TRenderer::DrawControl(const QString& type, const QString& value, int height, int width, TPass& p, int& itemH)
{
    const int l = p.Pen;
    const int b = TextBottom(p);
    const int s = p.L->Height;
    auto over = [&] {
        return l - 2 < P.XPos && P.XPos < l + width - 2 && b - itemH - 2 < P.YPos && P.YPos < b - 2;
    };
    const bool checked = value.toUpper() == u"TRUE";
    C.Pen().SetStyle(TPenStyle::psSolid);
    C.Pen().SetColor(kControlFrame);
    C.Brush().SetStyle(TBrushStyle::bsSolid);
    C.Brush().SetColor(clWhite);
    C.SetFont(BaseFont);
    C.Font().SetColor(clWindowText);
    C.Font().SetStyle({});
    if (type == u"EDIT" || type == u"PASSWORD" || type == u"MASK" || type == u"COMBO") {
        const bool combo = type == u"COMBO";
        C.Rectangle(l, b - s + 4, l + width, b + 2);
        const QString shown = type == u"PASSWORD" ? QString(value.size(), u'*') : value;
        TRect text = combo ? Rect(l + 4, b - s + 4, l + width - 18, b) : Rect(l + 2, b - s + 4, l + width, b);
        C.Brush().SetStyle(TBrushStyle::bsClear);
        C.DrawText(shown, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (combo) {
            const TRect btn = Rect(l + width - 18, b - s + 5, l + width - 1, b + 1);
            C.Brush().SetStyle(TBrushStyle::bsSolid);
            C.Brush().SetColor(clBtnFace);
            C.Rectangle(btn);
            const int cx = (btn.Left + btn.Right) / 2, cy = (btn.Top + btn.Bottom) / 2;
            C.Pen().SetColor(clBlack);
            C.Brush().SetColor(clBlack);
            C.Polygon({{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}});
        }
    } else if (type == u"CHECK") {
        C.Rectangle(l + 2, b - 15, l + 15, b);
        if (checked) {
            C.Pen().SetColor(clBlack);
            C.Polyline({{l + 5, b - 8}, {l + 7, b - 5}, {l + 12, b - 11}});
        }
    } else if (type == u"RADIO") {
        C.Ellipse(l + 2, b - 14, l + 14, b);
        if (checked) {
            C.Pen().SetColor(clBlack);
            C.Brush().SetColor(clBlack);
            C.Ellipse(l + 6, b - 10, l + 10, b - 4);
        }
    } else if (type == u"BUTTON") {
        itemH = 24;
        TRect face = Rect(l + 2, b - height, l + width - 2, b);
        const bool pushed = P.MouseDown && over();
        C.Brush().SetColor(clBtnFace);
        C.Pen().SetColor(pushed ? clBlack : kControlFrame);
        C.Rectangle(face);
        InflateRect(face, -2, -2);
        if (pushed)
            OffsetRect(face, 1, 1);
        C.Brush().SetStyle(TBrushStyle::bsClear);
        C.DrawText(value, face, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    C.Brush().SetStyle(TBrushStyle::bsClear);
}

TTagResult TRenderer::ApplyControl(const QString& tag, TPass& p)
{
    QString type, id, value, widthText, heightText, prop, maxLen;
    ParseHtmlControlTag(tag.mid(8), type, id, value, widthText, heightText, prop, maxLen);
    bool heightValid = false;
    int height = HtmlNumber(heightText, &heightValid);
    if (!heightValid)
        height = 25;
    bool widthValid = false;
    const int width = HtmlNumber(widthText, &widthValid);
    if (widthText.isEmpty() || !widthValid)
        return TTagResult::trContinue;  // no room for a control without a usable width
    int itemW = width;
    int itemH = GhHeight() + 10;
    const bool box = type == u"CHECK" || type == u"RADIO";
    p.L->Height = height > 25 ? height - 2 : box ? 16 : 23;
    if (p.Draw)
        DrawControl(type, value, height, width, p, itemH);
    if (type == u"BUTTON" || type == u"COMBO")
        itemH = 25;
    if (box)
        itemW = itemH = 16;
    // A control that moves to the next line is hit there, never at the end of this one.
    const int lineW = p.Line.Width();
    if (!p.Second && itemW > lineW - p.X && itemW <= lineW)
        return TTagResult::trFull;
    const int mx = P.XPos - p.Line.Left;
    if ((mx > p.X && mx < p.X + itemW && P.YPos > p.Line.Top && P.YPos < p.Line.Top + itemH) ||
        (P.CheckHotSpot && id == P.ControlID)) {
        p.L->PicHit = true;
        R.AnchorVal = QStringLiteral("ctrl");
        R.ControlRect = Rect(p.Line.Left + p.X, p.Line.Top, p.Line.Left + p.X + itemW, p.Line.Top + itemH);
        R.ControlValue = value;
        R.ControlID = id;
        R.ControlType = type;
    }
    p.X += itemW;
    p.Pen += itemW;
    p.L->Height = std::max(p.L->Height, itemH);
    return TTagResult::trContinue;
}

TTagResult TRenderer::ApplyTag(const QString& tag, TPass& p)
{
    const THtmlTagKind k = ClassifyHtmlTag(tag);
    const bool open = !k.Closing;
    switch (k.Tag) {
    case THtmlTag::htA:
        if (open)
            OpenLink(tag, p);
        else
            CloseLink(p);
        break;
    case THtmlTag::htB: SetStyle(TFontStyle::fsBold, open); break;
    case THtmlTag::htI: SetStyle(TFontStyle::fsItalic, open); break;
    case THtmlTag::htS: SetStyle(TFontStyle::fsStrikeOut, open); break;
    case THtmlTag::htU: SetStyle(TFontStyle::fsUnderline, open); break;
    case THtmlTag::htBR:
        if (!p.Second)
            R.StripVal += u'\r';
        return TTagResult::trEndLine;
    case THtmlTag::htBlink:
        if (!open)
            S.Font.SetColor(BaseFont.Color());
        else if (!P.BlinkOn)
            S.Font.SetColor(S.CallBg);
        break;
    case THtmlTag::htBody:
        if (open && p.Draw) {
            const THtmlBodyTag body = ReadHtmlBodyTag(tag);
            THTMLPicture* pic = Picture(body.Background);
            if (pic && !pic->Empty() && pic->Width() > 0 && pic->Height() > 0) {
                C.SetClipRect(P.Rect);
                for (int y = P.Rect.Top; y < P.Rect.Bottom; y += pic->Height())
                    for (int x = P.Rect.Left; x < P.Rect.Right; x += pic->Width())
                        pic->Draw(C, Rect(x, y, x + pic->Width(), y + pic->Height()));
                C.ResetClipRect();
            }
            if (body.BgColor) {
                C.Brush().SetStyle(TBrushStyle::bsSolid);
                C.Brush().SetColor(*body.BgColor);
                C.Pen().SetColor(*body.BgColor);
                C.Rectangle(P.Rect);
                C.Brush().SetStyle(TBrushStyle::bsClear);
                S.CallBg = *body.BgColor;
            }
        }
        break;
    case THtmlTag::htControl: return ApplyControl(tag, p);
    case THtmlTag::htE:
        if (p.Draw)
            S.Mark = open;
        break;
    case THtmlTag::htFont:
        if (open) {
            const THtmlFontTag f = ReadHtmlFontTag(tag);
            if (!f.Face.isEmpty())
                S.Font.SetName(f.Face);
            if (f.Size && *f.Size > 0)
                S.Font.SetSize(*f.Size);
            if (f.Color && !P.Selected)
                S.Font.SetColor(*f.Color);
            S.FontSavedBg = S.Bg;
            if (f.BgColor && !P.Selected && p.Draw)
                S.Bg = *f.BgColor;
        } else {
            S.Font.SetName(BaseFont.Name());
            S.Font.SetHeight(BaseFont.Height());
            if (p.Draw && !P.Selected) {
                S.Font.SetColor(BaseFont.Color());
                S.Bg = S.FontSavedBg;
            }
        }
        break;
    case THtmlTag::htHI:
        if (p.Draw && open) {
            S.HiSavedText = S.Font.Color();
            S.HiSavedBg = S.Bg;
            S.Bg = HtmlHighlightColor();
            S.Font.SetColor(HtmlHighlightTextColor());
        } else if (p.Draw) {
            S.Font.SetColor(S.HiSavedText);
            S.Bg = S.HiSavedBg;
        }
        break;
    case THtmlTag::htHR:
        if (open) {
            if (p.Draw) {
                C.Pen().SetColor(clBlack);
                C.Pen().SetStyle(TPenStyle::psSolid);
                C.MoveTo(p.Line.Left, TextBottom(p) + 1);
                C.LineTo(p.Line.Right, TextBottom(p) + 1);
            }
            return TTagResult::trEndLine;
        }
        break;
    case THtmlTag::htInd:
        if (open) {
            bool valid = false;
            const int x = HtmlNumber(HtmlLetterValue(tag, u'x'), &valid);
            if (valid && x > p.X) {
                p.X = x;
                p.Pen = P.Rect.Left + x;
            }
        }
        break;
    case THtmlTag::htImg:
        if (open)
            return ApplyPicture(tag, p);
        break;
    case THtmlTag::htLI:
        if (!open)
            return TTagResult::trEndLine;
        if (p.L->HasListItem)
            return TTagResult::trFull;
        p.L->HasListItem = true;
        p.X += kListIndent * S.ListLevel;
        p.Pen += kListIndent * S.ListLevel - kListIndent;
        if (p.Draw) {
            TFont bullet = S.Font;
            bullet.SetName(QStringLiteral("Symbol"));
            C.SetFont(bullet);
            C.Brush().SetStyle(TBrushStyle::bsClear);
            TRect r = Rect(p.Pen, p.Line.Top, p.Pen + kListIndent, p.Line.Bottom);
            C.DrawText(S.ListLevel % 2 ? QStringLiteral("\u00B7") : QStringLiteral("o"), r,
                       DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
            UseFont();
        }
        p.Pen += kListIndent;
        break;
    case THtmlTag::htP:
        if (open) {
            const THtmlParagraphTag para = ReadHtmlParagraphTag(tag);
            if (para.Align)
                S.Align = *para.Align;
            if (para.Indent)
                S.Indent = *para.Indent;
            if (para.BgColor != clNone && p.Draw) {
                S.ParaSavedBg = S.Bg;
                S.Bg = para.BgColor;
                S.Band = true;
                S.BandColor = para.BgColor;
                FillRectColor(C, Rect(P.Rect.Left, p.Line.Top, P.Rect.Right, p.Line.Bottom), para.BgColor);
                C.Brush().SetStyle(TBrushStyle::bsClear);
            }
        } else {
            if (p.Draw) {
                S.Bg = S.ParaSavedBg;
                S.Band = false;
            }
            return TTagResult::trEndLine;
        }
        break;
    case THtmlTag::htShad:
        if (p.Draw)
            S.Shadow = open;
        break;
    case THtmlTag::htSub:
        if (open)
            S.Sub = true;
        else
            S.Sub = S.Sup = false;
        break;
    case THtmlTag::htSup: S.Sup = true; break;
    case THtmlTag::htUL:
        if (open) {
            ++S.ListLevel;
            return TTagResult::trEndLine;
        }
        if (S.ListLevel < 1)
            SetStyle(TFontStyle::fsUnderline, false);
        else
            --S.ListLevel;
        break;
    case THtmlTag::htZ: S.Hidden = open; break;
    case THtmlTag::htR: S.Rotation = open ? HtmlNumber(HtmlLetterValue(tag, u'a')) : 0; break;
    case THtmlTag::htUnknown: break;
    }
    return TTagResult::trContinue;
}

void TRenderer::LayoutLine(QString& text, TPass& p)
{
    TLine& L = *p.L;
    p.X = 0;
    p.Pen = p.Line.Left;
    p.FocusStart = p.Draw && FocusLink() ? 0 : -1;
    p.FocusContinues = p.FocusStart == 0;
    if (p.Draw && S.Band) {
        FillRectColor(C, Rect(P.Rect.Left, p.Line.Top, P.Rect.Right, p.Line.Bottom), S.BandColor);
        C.Brush().SetStyle(TBrushStyle::bsClear);
    }
    const int lineW = p.Line.Width();
    while (!text.isEmpty()) {
        if (text[0] != u'<') {
            const qsizetype lt = text.indexOf(u'<');
            qsizetype end = lt < 0 ? text.size() : lt;
            if (P.WordWrap) {
                const qsizetype blank = text.indexOf(u' ');
                if (blank >= 0 && blank < end)
                    end = blank + 1;
            }
            const QString raw = text.left(end);
            const QString run = DecodeHtmlRunEntities(raw);
            if (S.Hidden) {
                if (!p.Second)
                    R.StripVal += run;
                L.Text += raw;
                text.remove(0, end);
                continue;
            }
            const int w = RunWidth(run);
            bool dropRest = false;
            if (!p.Second) {
                const bool fits = p.X + w < lineW || w >= lineW || !L.EndsInBlank;
                if (!fits && P.WordWrap)
                    break;  // the run starts the next line
                dropRest = !fits && !L.Text.isEmpty();
                R.StripVal += run;
            }
            UseFont();
            const int h = C.TextHeight(run);
            L.Height = std::max(L.Height, h);
            if (S.Sub)
                L.SubRoom = std::max(L.SubRoom, h / 4);
            if (S.Sup)
                L.SupRoom = std::max(L.SupRoom, h / 4);
            if (!p.Draw && p.Second && S.InLink) {
                const int mx = P.XPos - p.Line.Left;
                if (mx >= p.X && mx <= p.X + w && P.YPos >= p.Line.Top && P.YPos < p.Line.Bottom) {
                    L.LinkHit = true;
                    R.AnchorVal = S.Href;
                    R.AnchorHint = S.Title;
                    S.LinkHitPending = true;
                }
            }
            if (p.Draw)
                DrawRun(run, p, w);
            p.X += w;
            p.Pen += w;
            L.Text += raw;
            text.remove(0, end);
            L.EndsInBlank = run.endsWith(u' ');
            L.BlankWidth = L.EndsInBlank ? RunWidth(QStringLiteral(" ")) : 0;
            if (dropRest) {
                text.clear();
                break;
            }
            continue;
        }
        const qsizetype gt = text.indexOf(u'>');
        if (gt < 0) {
            text.clear();  // an unterminated tag drops the rest
            break;
        }
        const QString tag = text.left(gt + 1);
        const int xBefore = p.X;
        const TTagResult result = ApplyTag(tag, p);
        if (result == TTagResult::trFull)
            break;
        if (p.X != xBefore)
            L.BlankWidth = 0;   // a picture, control or indent after the blank: it is no final blank
        L.Text += tag;
        text.remove(0, gt + 1);
        if (result == TTagResult::trEndLine)
            break;
    }
    L.Width = p.X - L.BlankWidth;
    if (p.Draw && FocusLink())
        DrawFocusFrame(p);
}

bool TRenderer::Run(const QString& text)
{
    BaseFont = C.Font();
    const TColor penColor = C.Pen().Color();
    const int penWidth = C.Pen().Width();
    const TColor brushColor = C.Brush().Color();
    const TBrushStyle brushStyle = C.Brush().Style();
    S.Font = BaseFont;
    S.CallBg = brushColor;
    S.HiSavedText = BaseFont.Color();
    C.Brush().SetStyle(TBrushStyle::bsClear);
    R = TMiniHtmlResult();
    if (P.CheckHotSpot)
        R.ControlID = P.ControlID;

    QString rest = PrepareMiniHtml(text);
    TRect work = P.Rect;
    work.Left += 1;
    bool hit = false;
    bool anyLine = false;
    while (!rest.isEmpty()) {
        S.Sub = S.Sup = false;
        const int gh = GhHeight();
        const TLayoutState before = S;
        TLine measured;
        measured.Height = gh;
        TPass first;
        first.Line = work;
        first.L = &measured;
        LayoutLine(rest, first);
        if (measured.Text.isEmpty())
            break;  // nothing could be taken: never loop on the same text

        TRect line = work;
        if (S.Align == THtmlAlign::haRight)
            line.Left = std::max(line.Left, work.Right - measured.Width);
        else if (S.Align == THtmlAlign::haCenter && (work.Width() - measured.Width) / 2 > 0)
            line.Left += (work.Width() - measured.Width) / 2;
        line.Left += S.Indent;
        const int height = measured.Height + measured.SubRoom + measured.SupRoom;
        line.Bottom = line.Top + height;

        if (!P.CheckHeight) {
            S = before;
            QString lineText = measured.Text;
            TLine second;
            second.Height = gh;
            TPass pass;
            pass.Line = line;
            pass.Draw = !P.CheckHotSpot;
            pass.Second = true;
            pass.L = &second;
            pass.Measured = &measured;
            LayoutLine(lineText, pass);
            const int bottom = line.Bottom - measured.PicOffset;
            if ((second.LinkHit && P.YPos > bottom - gh && P.YPos < bottom) || second.PicHit)
                hit = true;
        }
        work.Top += height;
        R.YSize += height;
        R.XSize = std::max(R.XSize, measured.Width);
        anyLine = true;
        ++LineNo;
        if (!P.CheckHeight && work.Top + gh > P.Rect.Bottom)
            break;
    }
    if (!anyLine) {
        S.Font = BaseFont;
        R.YSize = GhHeight();
    }
    C.SetFont(BaseFont);
    C.Pen().SetColor(penColor);
    C.Pen().SetWidth(penWidth);
    C.Pen().SetStyle(TPenStyle::psSolid);
    C.Brush().SetColor(brushColor);
    C.Brush().SetStyle(brushStyle);
    return hit;
}

} // namespace

bool RenderMiniHtml(TCanvas& Canvas, const QString& Text, const TMiniHtmlParams& Params, TMiniHtmlResult& Result)
{
    return TRenderer(Canvas, Params, Result).Run(Text);
}
