#include "widgets/dropdown/VxCalculatorKeyPad.h"
#include "grid/foundation/DropDownTheme.h"
#include "grid/foundation/GridDraw.h"
#include "platform/ImageList.h"
#include <algorithm>
#include <array>

namespace {
struct KeyDef {
    const char* caption;
    const char* name;
    int tag;
    bool special;
};

// The calculator keys in index order; the layout addresses them by these indexes.
constexpr std::array<KeyDef, 28> kCalculatorKeys = {{
    {"", "BTN_ON", 30, false},      {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
}};

// Row and column of every key but the three wide ones of the top row (indexes 1 to 3).
constexpr std::array<std::array<int, 2>, 28> kKeyCells = {{
    {0, 0}, {0, 0}, {0, 0}, {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {3, 1}, {2, 1}, {1, 1}, {1, 2}, {2, 2},
    {3, 2}, {4, 2}, {4, 3}, {3, 3}, {2, 3}, {1, 3}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {4, 5}, {3, 5}, {2, 5}, {1, 5},
}};

// Theme states of a push button.
constexpr int kStateNormal = 1, kStateHot = 2, kStatePressed = 3, kStateDisabled = 4;
} // namespace

// ---- TButtonItem ----

void TButtonItem::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
}

void TButtonItem::Assign(const TButtonItem& Source)
{
    FCaption = Source.FCaption;
    FCaptionColor = Source.FCaptionColor;
    FTag = Source.FTag;
    FImageIndex = Source.FImageIndex;
    FImage = Source.FImage;
    FEnabled = Source.FEnabled;
    FName = Source.FName;
}

// ---- TButtonItems ----

void TButtonItems::Changed()
{
    if (OnChange)
        OnChange(nullptr);
}

void TButtonItems::SetItems(int Index, const TButtonItem& value)
{
    Items(Index).Assign(value);
    Changed();
}

TButtonItem& TButtonItems::Add()
{
    FItems.push_back(std::make_unique<TButtonItem>());
    Changed();
    return *FItems.back();
}

TButtonItem& TButtonItems::Insert(int Index)
{
    const auto at = FItems.begin() + std::clamp(Index, 0, Count());
    TButtonItem& item = **FItems.insert(at, std::make_unique<TButtonItem>());
    Changed();
    return item;
}

void TButtonItems::Clear()
{
    FItems.clear();
    Changed();
}

void TButtonItems::Assign(const TButtonItems& Source)
{
    if (&Source == this)
        return;
    FItems.clear();
    for (const auto& item : Source.FItems) {
        FItems.push_back(std::make_unique<TButtonItem>());
        FItems.back()->Assign(*item);
    }
    Changed();
}

// ---- TButtonAppearance ----

TButtonAppearance::TButtonAppearance()
    : FColorChecked(AdjustColor(0xF5F0E1, -10, -10, 0)), FColorCheckedTo(AdjustColor(0xF9D2B2, -10, -10, 0)),
      FColorDisabled(AdjustColor(clWhite, -5, -5, -5)), FColorDisabledTo(AdjustColor(clWhite, -5, -5, -5))
{
    FFont.SetSize(10);
    FFont.SetStyle(TFontStyle::fsBold);
}

void TButtonAppearance::Changed()
{
    if (OnChange)
        OnChange(nullptr);
}

void TButtonAppearance::Assign(const TButtonAppearance& Source)
{
    SetBorderColor(Source.FBorderColor);
    SetBorderColorHot(Source.FBorderColorHot);
    SetBorderColorDown(Source.FBorderColorDown);
    SetColor(Source.FColor);
    SetColorTo(Source.FColorTo);
    SetColorDown(Source.FColorDown);
    SetColorDownTo(Source.FColorDownTo);
    SetColorHot(Source.FColorHot);
    SetColorHotTo(Source.FColorHotTo);
    FGlowColorHot = Source.FGlowColorHot;
    FGlowColorDown = Source.FGlowColorDown;
    FShineColor = Source.FShineColor;
    FBorderColorChecked = Source.FBorderColorChecked;
    FColorChecked = Source.FColorChecked;
    FColorCheckedTo = Source.FColorCheckedTo;
    FColorDisabled = Source.FColorDisabled;
    FColorDisabledTo = Source.FColorDisabledTo;
    FFont = Source.FFont;
    SetTextColor(Source.FTextColor);
    SetSpecialTextColor(Source.FSpecialTextColor);
}

// ---- TCustomButtonPanel ----

TCustomButtonPanel::TCustomButtonPanel(QWidget* AOwner)
    : TCustomControl(AOwner), FButtons(std::make_unique<TButtonItems>()),
      FButtonAppearance(std::make_unique<TButtonAppearance>())
{
    setMouseTracking(true);
    FButtons->OnChange = [this](QObject*) { StandAloneChanged(); };
    FButtonAppearance->OnChange = [this](QObject*) { StandAloneChanged(); };
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::StandAloneChanged()
{
    if (!FVxDropDown)
        Invalidate();
}

void TCustomButtonPanel::Loaded()
{
    if (!FVxDropDown)
        InitButtons();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType value)
{
    if (value == FButtonPanelType)
        return;
    FButtonPanelType = value;
    LayoutButtons();
}

void TCustomButtonPanel::SetImages(TCustomImageList* value)
{
    if (value == FImages)
        return;
    FImages = value;
    LayoutButtons();
}

void TCustomButtonPanel::GetButtonsRect(TRect& R) const
{
    R = ClientRect();
    InflateRect(R, -FOffSetX, -FOffSetY);
}

void TCustomButtonPanel::GetButtonRect(int Index, TRect& R) const
{
    R = Index >= 0 && Index < FButtons->Count() ? FButtons->Items(Index).Bounds() : Rect(-1, -1, -1, -1);
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const
{
    for (int i = 0; i < FButtons->Count(); ++i)
        if (FButtons->Items(i).Bounds().Contains({X, Y}))
            return i;
    return -1;
}

void TCustomButtonPanel::ClearButtons()
{
    FButtons->Clear();
}

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    InitButtons();
}

void TCustomButtonPanel::InitButtons()
{
    if (FButtons->Count() == 0 && FButtonPanelType == TButtonPanelType::plCalculator) {
        for (const KeyDef& def : kCalculatorKeys) {
            TButtonItem& key = FButtons->Add();
            key.SetCaption(QString::fromLatin1(def.caption));
            key.SetName(QString::fromLatin1(def.name));
            key.SetTag(def.tag);
            key.SetSpecial(def.special);
            if (def.special)
                key.SetCaptionColor(0x000080);
        }
    }
    LayoutButtons();
}

void TCustomButtonPanel::LayoutButtons()
{
    // The layout addresses the calculator keys by index: a collection that lacks some of them keeps its
    // rectangles rather than have keys past its end placed.
    if (FButtonPanelType != TButtonPanelType::plCalculator || FButtons->Count() < int(kCalculatorKeys.size()))
        return;
    TRect r;
    GetButtonsRect(r);
    constexpr int g = 4;
    const int w = (r.Right - r.Left - 2 * g) / 6;
    const int h = (r.Bottom - r.Top - g) / 5;
    std::array<int, 6> col{};
    col[0] = r.Left;
    col[1] = col[0] + w + g;
    col[2] = col[1] + w - 1;
    col[3] = col[2] + w - 1;
    col[4] = col[3] + w + g;
    col[5] = col[4] + w - 1;
    std::array<int, 5> row{};
    row[0] = r.Top;
    row[1] = row[0] + h + g;
    row[2] = row[1] + h - 1;
    row[3] = row[2] + h - 1;
    row[4] = row[3] + h - 1;
    for (int i = 0; i < int(kKeyCells.size()); ++i)
        if (i < 1 || i > 3)
            FButtons->Items(i).SetBounds(col[kKeyCells[i][1]], row[kKeyCells[i][0]], w, h);
    const int right = col[5] + w;
    const int w3 = (right - col[1] - 2 * g) / 3;
    FButtons->Items(1).SetBounds(col[1], row[0], w3, h);
    FButtons->Items(2).SetBounds(col[1] + w3 + g, row[0], w3, h);
    const int left3 = col[1] + 2 * w3 + 2 * g;
    FButtons->Items(3).SetBounds(left3, row[0], right - left3, h);
}

void TCustomButtonPanel::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    LayoutButtons();
}

void TCustomButtonPanel::InvalidateButton(int Index)
{
    if (Index < 0 || Index >= FButtons->Count())
        return;
    TRect r = FButtons->Items(Index).Bounds();
    InflateRect(r, 8, 8);
    update(r.toQRect());
}

void TCustomButtonPanel::MoveKeyState(int& Field, int Index)
{
    if (Index == Field || (Index >= 0 && Index < FButtons->Count() && !FButtons->Items(Index).Enabled()))
        return;
    InvalidateButton(Field);
    Field = Index;
    InvalidateButton(Field);
}

void TCustomButtonPanel::SetButtonHot(int Index)
{
    MoveKeyState(FButtonHot, Index);
}

void TCustomButtonPanel::SetButtonDown(int Index)
{
    MoveKeyState(FButtonDown, Index);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int at = ButtonAtPos(X, Y);
    if (at >= 0 && FButtons->Items(at).Enabled())
        SetButtonDown(at);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int at = ButtonAtPos(X, Y);
    if (at < 0)
        SetButtonHot(-1);
    else if (at != FButtonHot)
        SetButtonHot(FButtons->Items(at).Enabled() ? at : -1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FButtonDown < 0)
        return;
    const int taken = ButtonAtPos(X, Y) == FButtonDown ? FButtonDown : -1;
    SetButtonDown(-1);
    if (taken >= 0)
        DoButtonClick(taken);
}

void TCustomButtonPanel::MouseLeave()
{
    SetButtonHot(-1);
}

void TCustomButtonPanel::DoButtonClick(int Index)
{
    if (OnButtonClick)
        OnButtonClick(this, Index);
}

// ---- painting ----

TTextSize TCustomButtonPanel::KeyImageSize(const TButtonItem& Item) const
{
    if (!Item.Image().isNull())
        return {Item.Image().width(), Item.Image().height()};
    if (FImages && Item.ImageIndex() >= 0)
        return {FImages->Width(), FImages->Height()};
    return {};
}

void TCustomButtonPanel::DrawKeyImage(TCanvas& Canvas, const TButtonItem& Item, int X, int Y) const
{
    if (!Item.Image().isNull()) {
        TBitmap picture;
        picture.SetImage(Item.Image());
        Canvas.Draw(X, Y, picture);
    } else if (FImages && Item.ImageIndex() >= 0) {
        FImages->Draw(Canvas, X, Y, Item.ImageIndex(), Item.Enabled());
    }
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas& Canvas)
{
    if (Index < 0 || Index >= FButtons->Count() || !Canvas.CanDraw())
        return;
    const TButtonItem& item = FButtons->Items(Index);
    const TRect r = item.Bounds();
    if (r.Left < 0 && r.Right < 0)
        return;
    Canvas.FillRect(r);
    const int state = !isEnabled()            ? kStateDisabled
                      : Index == FButtonDown ? kStatePressed
                      : Index == FButtonHot  ? kStateHot
                                             : kStateNormal;
    TThemeBinding& theme = ATXPVS();
    if (theme.ThemeApiLoaded() && theme.ThemeApi().IsThemeActive()) {
        const TThemeApiTable& api = theme.ThemeApi();
        const HTHEME handle = api.OpenThemeData(this, QStringLiteral("button"));
        api.DrawThemeBackground(handle, Canvas, 1, state, r);
        api.CloseThemeData(handle);
    } else {
        const unsigned flags = state == kStatePressed ? DFCS_PUSHED : state == kStateDisabled ? DFCS_INACTIVE : 0;
        DrawFrameControl(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | flags);
    }

    const TTextSize image = KeyImageSize(item);
    TRect c = r;
    InflateRect(c, -FButtonOffSetX, -FButtonOffSetY);
    TFont font = FButtonAppearance->Font();
    font.SetColor(item.Special() ? FButtonAppearance->SpecialTextColor() : FButtonAppearance->TextColor());
    Canvas.SetFont(font);
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const QString caption = item.Caption();
    const TTextSize text = GetTextSize(Canvas, caption);
    const bool sideways = FButtonLayout == TItemLayout::ilCaptionLeft || FButtonLayout == TItemLayout::ilCaptionRight;
    const unsigned format = DT_SINGLELINE | DT_VCENTER | (!sideways || image.Width == 0 ? DT_CENTER : DT_LEFT);
    const int imageTop = c.Top + (c.Height() - image.Height) / 2;
    auto drawCaption = [&](TRect t) {
        if (!caption.isEmpty())
            Canvas.DrawText(caption, t, format);
    };
    switch (FButtonLayout) {
    case TItemLayout::ilCaptionLeft:
        if (caption.isEmpty()) {
            DrawKeyImage(Canvas, item, c.Left, imageTop);
        } else {
            drawCaption(Rect(c.Left, c.Top, c.Right - image.Width, c.Bottom));
            DrawKeyImage(Canvas, item, c.Left + text.Width + FCaptionGap, imageTop);
        }
        break;
    case TItemLayout::ilCaptionRight:
        DrawKeyImage(Canvas, item, c.Left, imageTop);
        drawCaption(Rect(image.Width > 0 ? c.Left + image.Width + FCaptionGap : c.Left, c.Top, c.Right, c.Bottom));
        break;
    case TItemLayout::ilCaptionTop:
        if (caption.isEmpty()) {
            DrawKeyImage(Canvas, item, c.Left, imageTop);
        } else {
            drawCaption(Rect(c.Left, c.Top, c.Right, c.Bottom - image.Height));
            DrawKeyImage(Canvas, item, c.Left, c.Top + text.Height + FCaptionGap);
        }
        break;
    case TItemLayout::ilCaptionBottom: {
        const int top = caption.isEmpty() ? imageTop : c.Top;
        DrawKeyImage(Canvas, item, c.Left, top);
        drawCaption(Rect(c.Left, image.Height > 0 ? top + image.Height + FCaptionGap : c.Top, c.Right, c.Bottom));
        break;
    }
    }
}

void TCustomButtonPanel::DrawButtons(TCanvas& Canvas, bool WithHot)
{
    for (int i = 0; i < FButtons->Count(); ++i)
        if (WithHot || i != FButtonHot)
            DrawButton(i, Canvas);
}

void TCustomButtonPanel::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.FillRect(ClientRect());
    if (!FVxDropDown) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetColor(clBlack);
        canvas.Pen().SetWidth(1);
        canvas.Rectangle(ClientRect());
    }
    const TColor face = Color();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(face);
    DrawButtons(canvas, false);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(face);
    DrawButton(FButtonHot, canvas);
}

void TCustomButtonPanel::GetButtonContentSize(int& Width, int& Height)
{
    int imageW = 0, imageH = 0, textW = 0, textH = 0;
    TCanvas measure;
    measure.SetFont(Font());
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TButtonItem& item = FButtons->Items(i);
        const TTextSize image = KeyImageSize(item);
        imageW = std::max(imageW, image.Width);
        imageH = std::max(imageH, image.Height);
        const TTextSize text = GetTextSize(measure, item.Caption());
        textW = std::max(textW, text.Width);
        textH = std::max(textH, text.Height);
    }
    const int gap = imageW > 0 && textW > 0 ? FCaptionGap : 0;
    if (FButtonLayout == TItemLayout::ilCaptionLeft || FButtonLayout == TItemLayout::ilCaptionRight) {
        Width = 2 * FButtonOffSetX + imageW + gap + textW;
        Height = std::max(imageH, textH) + 2 * FButtonOffSetY;
    } else {
        Width = std::max(imageW, textW) + 2 * FButtonOffSetX;
        Height = 2 * FButtonOffSetY + imageH + gap + textH;
    }
}
