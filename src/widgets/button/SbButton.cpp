#include "widgets/button/SbButton.h"
#include "platform/Form.h"
#include "widgets/button/SbButtonGlyphs.h"
#include <QDialog>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int kFullHighlight = 8;
constexpr int kFadeIntervalMs = 30;

struct KindDef {
    TModalResult modalResult;
    const char* bitmap;
    const char* caption;
};

// Indexed by TSbButtonKind, from bkOK on.
const KindDef kKinds[] = {
    {mrOk, "LBOK", "OK"},
    {mrCancel, "LBCANCEL", "Abbrechen"},
    {mrNone, "LBHELP", "Hilfe"},
    {mrYes, "LBYES", "Ja"},
    {mrNo, "LBNO", "Nein"},
    {mrNone, "LBCLOSE", "Schließen"},
    {mrAbort, "LBABORT", "Abbrechen"},
    {mrRetry, "LBRETRY", "Wiederholen"},
    {mrIgnore, "LBIGNORE", "Ignorieren"},
    {mrAll, "LBALL", "Alle"},
};

bool SeeThrough(TSbButtonStyle s)
{
    return s == TSbButtonStyle::bsModern || s == TSbButtonStyle::bsShape || s == TSbButtonStyle::bsQuicken;
}
} // namespace

TSbButton::TSbButton(QWidget* owner) : TCustomControl(owner)
{
    if (owner && owner->isWindow())
        FHTFont = TFont::fromQFont(owner->font());
    resize(100, 23);
    SetTabStop(true);
    SetDoubleClicks(false); // a quick second click is a second press
    SetColor(clBtnFace);
    setAttribute(Qt::WA_OpaquePaintEvent, !SeeThrough(FStyle));
}

TSbButton::~TSbButton() = default;

void TSbButton::SetAlignment(TAlignment value)
{
    SetPropertyAlways(FAlignment, value, [this] { Repaint(); });
}

void TSbButton::SetCaption(const QString& value)
{
    FCaption = value;
    const QKeySequence key = QKeySequence::mnemonic(value);
    // Most captions carry no accelerator: a program has hundreds of buttons, so the shortcut waits for one.
    if (!FAccel && !key.isEmpty()) {
        FAccel = new QShortcut(this);
        FAccel->setContext(Qt::WindowShortcut);
        QObject::connect(FAccel, &QShortcut::activated, this, [this] { Accelerate(); });
        QObject::connect(FAccel, &QShortcut::activatedAmbiguously, this, [this] { Accelerate(); });
    }
    if (FAccel)
        FAccel->setKey(key);
    updateGeometry();
    Invalidate();
}

void TSbButton::SetColorStyle(TSbColorStyle value)
{
    if (value == TSbColorStyle::lcsCustom)
        return;
    const TSbColorStyleColors c = GetColorStyleColors(value);
    SetColor(c.Color);
    FLightColor = c.LightColor;
    FShadowColor = c.ShadowColor;
    FColorWhenDown = c.ColorWhenDown;
    FHotTrackColor = c.HotTrackColor;
    TFont font = Font();
    font.SetColor(c.FontColor);
    SetFont(font);
    FFlat = c.Flat;
    FStyle = c.Style; // the window's transparency stays as it was until Style itself is set
    Repaint();
}

void TSbButton::SetFlat(bool value)
{
    SetPropertyAlways(FFlat, value, [this] { Repaint(); });
}

void TSbButton::SetGlyph(const TBitmap* value)
{
    if (value && !value->Empty()) {
        FGlyph.Assign(*value);
        FNumGlyphs = FGlyph.Height() > 0 ? FGlyph.Width() / FGlyph.Height() : 0;
    } else {
        FGlyph.SetSize(0, 0);
        FNumGlyphs = 0;
    }
    FKind = TSbButtonKind::bkCustom;
    updateGeometry();
    Invalidate();
}

void TSbButton::SetKind(TSbButtonKind value)
{
    if (value != TSbButtonKind::bkCustom) {
        const KindDef& k = kKinds[int(value) - int(TSbButtonKind::bkOK)];
        FNumGlyphs = 2;
        FModalResult = k.modalResult;
        LoadSbButtonBitmap(FGlyph, QLatin1String(k.bitmap));
        SetCaption(QString::fromUtf8(k.caption));
        Invalidate();
    }
    FKind = value;
}

void TSbButton::SetLayout(TSbButtonLayout value)
{
    SetPropertyAlways(FLayout, value, [this] { Repaint(); });
}

void TSbButton::SetLightColor(TColor value)
{
    SetPropertyAlways(FLightColor, value, [this] { Repaint(); });
}

void TSbButton::SetModalResult(TModalResult value)
{
    FModalResult = value;
    FKind = TSbButtonKind::bkCustom;
}

void TSbButton::SetNumGlyphs(int value)
{
    SetPropertyAlways(FNumGlyphs, value, [this] { Invalidate(); });
}

void TSbButton::SetShadowColor(TColor value)
{
    SetPropertyAlways(FShadowColor, value, [this] { Repaint(); });
}

void TSbButton::CreateFadeTimer()
{
    FFadeTimer = std::make_unique<QTimer>();
    FFadeTimer->setInterval(kFadeIntervalMs);
    FFadeTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(FFadeTimer.get(), &QTimer::timeout, this, [this] { FadeStep(); });
}

void TSbButton::SetSlowDecease(bool value)
{
    FSlowDecease = value;
    if (value && !FFadeTimer) {
        CreateFadeTimer();
    } else if (!value) {
        FHotTrackStep = 0;
        FFadeTimer.reset();
    }
    Invalidate();
}

void TSbButton::SetStyle(TSbButtonStyle value)
{
    FStyle = value;
    // The see-through styles let the parent show in the corners they leave unpainted.
    setAttribute(Qt::WA_OpaquePaintEvent, !SeeThrough(value));
    Invalidate();
}

void TSbButton::SetWordWrap(bool value)
{
    SetPropertyAlways(FWordWrap, value, [this] { Repaint(); });
}

QMenu* TSbButton::PopupMenu() const
{
    return static_cast<QMenu*>(FPopupMenu.data());
}

void TSbButton::SetPopupMenu(QMenu* value)
{
    SetPropertyAlways(FPopupMenu, value, [this] { Invalidate(); });
}

void TSbButton::Click()
{
    bDown = true;
    PerformClick();
}

void TSbButton::PerformClick()
{
    if (!Visible() || !Enabled() || !bDown)
        return;
    bDown = false;
    const QPointer<TSbButton> alive(this);
    if (OnClick)
        OnClick(this);
    // The handler may have destroyed the button with its window.
    if (!alive)
        return;
    if (FModalResult != mrNone) {
        if (auto* dialog = qobject_cast<QDialog*>(window())) {
            if (dialog->isModal())
                dialog->done(FModalResult);
            else if (auto* form = dynamic_cast<TForm*>(dialog))
                form->SetModalResult(FModalResult);
        }
    }
    if (alive && FPopupMenu)
        PopupMenu()->popup(mapToGlobal(QPoint(0, height())));
}

QSize TSbButton::sizeHint() const
{
    TCanvas measure;
    measure.SetFont(Font());
    const int glyphWidth = FNumGlyphs > 0 ? FGlyph.Width() / FNumGlyphs : 0;
    const int width = measure.TextWidth(FCaption) + (glyphWidth > 0 ? glyphWidth + 4 : 0) + 16;
    const int height = std::max(measure.TextHeight(FCaption), FGlyph.Height()) + 8;
    return QSize(std::max(100, width), std::max(23, height));
}

void TSbButton::Paint()
{
    if (!Visible())
        return;
    const int W = width(), H = height();
    TBitmap face(W, H);
    if (SeeThrough(FStyle)) {
        face.Canvas().Brush().SetColor(kSbTransparentKey);
        face.Canvas().FillRect(Rect(0, 0, W, H));
        face.SetTransparentColor(kSbTransparentKey);
        face.SetTransparent(true);
    }
    const bool hot = bCursorOnButton || Focused();
    TSbButtonFace f;
    f.Width = W;
    f.Height = H;
    f.HotTrackStep = FHotTrackStep;
    f.NumGlyphs = FNumGlyphs;
    f.Glyph = &FGlyph;
    f.Down = bDown;
    f.Hot = hot;
    f.Enabled = Enabled();
    f.Flat = FFlat;
    f.WordWrap = FWordWrap;
    f.HasPopupMenu = !FPopupMenu.isNull();
    f.Style = FStyle;
    f.Color = Color();
    f.ColorWhenDown = FColorWhenDown;
    f.HotTrackColor = FHotTrackColor;
    f.LightColor = FLightColor;
    f.ShadowColor = FShadowColor;
    f.Font = FUseHTFont && hot ? FHTFont : Font();
    f.Layout = FLayout;
    f.Caption = FCaption;
    f.Alignment = FAlignment;
    TCanvas& c = face.Canvas();
    if (FStyle == TSbButtonStyle::bsOld && Focused()) {
        // The focused classic button: a flat sunken face when pressed, inside a black frame.
        f.Width = W - 2;
        f.Height = H - 2;
        if (bDown)
            f.LightColor = FShadowColor;
        DrawSbButtonFace(c, f);
        c.Draw(1, 1, face);
        c.Pen().SetStyle(TPenStyle::psSolid);
        c.Pen().SetColor(clBlack);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Rectangle(0, 0, W, H);
    } else {
        DrawSbButtonFace(c, f);
    }
    Canvas().Draw(0, 0, face);
    if (Focused() && Enabled() && FStyle != TSbButtonStyle::bsShape)
        Canvas().DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}

bool TSbButton::Reachable() const
{
    return Enabled() && Visible() && (!parentWidget() || parentWidget()->isVisible());
}

void TSbButton::MouseEnter()
{
    if (!Reachable())
        return;
    bCursorOnButton = true;
    FHotTrackStep = kFullHighlight;
    Repaint();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TSbButton::MouseLeave()
{
    bCursorOnButton = false;
    if (FSlowDecease) {
        if (FFadeTimer && !FFadeTimer->isActive())
            FFadeTimer->start();
    } else {
        FHotTrackStep = 0;
        Repaint();
    }
    if (Reachable() && OnMouseExit)
        OnMouseExit(this);
}

void TSbButton::FadeStep()
{
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        FFadeTimer->stop();
        FHotTrackStep = 0;
    }
    Repaint();
}

void TSbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    bDown = true;
    SetFocus();
    Repaint();
}

void TSbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const QPointer<TSbButton> alive(this);
    if (bDown)
        Click();
    if (!alive)
        return;
    bDown = false;
    Repaint();
}

void TSbButton::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled()) {
        // A repeat of a key that went down elsewhere does not arm the button.
        if (!KeyRepeated())
            FPressedKey = Key;
        if (FPressedKey == Key) {
            bDown = true;
            Repaint();
        }
    }
}

void TSbButton::KeyUp(std::uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    // Only the release of a key this button saw going down clicks it: a release left over from a
    // keystroke that began elsewhere (focus moved, a window opened or closed) does nothing.
    if ((Key == VK_RETURN || Key == VK_SPACE) && Key == FPressedKey) {
        FPressedKey = 0;
        const QPointer<TSbButton> alive(this);
        Click();
        if (!alive)
            return;
    }
    Repaint();
}

void TSbButton::focusOutEvent(QFocusEvent* e)
{
    // A key held while the focus left (to another control or window) is no longer released here.
    if (FPressedKey != 0) {
        FPressedKey = 0;
        bDown = false;
    }
    TCustomControl::focusOutEvent(e);
}

void TSbButton::EnabledChanged()
{
    bDown = false;
    FPressedKey = 0;
    Repaint();
}

bool TSbButton::DialogChar(QChar Key, TShiftState)
{
    if (!IsAccel(Key, FCaption) || !Reachable())
        return false;
    Click();
    return true;
}

void TSbButton::Accelerate()
{
    if (Reachable())
        Click();
}

bool TSbButton::DialogKey(std::uint16_t Key, TShiftState Shift)
{
    const bool noModifiers = !(Shift & (TShiftStateItem::ssShift | TShiftStateItem::ssCtrl | TShiftStateItem::ssAlt));
    const bool enter = Key == VK_RETURN && FDefault;
    const bool escape = Key == VK_ESCAPE && FCancel && noModifiers && Visible() && Enabled();
    if (!enter && !escape)
        return false;
    // A focused push button handles Enter and Escape itself.
    if (const QWidget* active = window()->focusWidget()) {
        const QString cls = QString::fromLatin1(active->metaObject()->className()).toUpper();
        if (cls.contains(QLatin1String("BUTTON")) && !cls.contains(QLatin1String("RADIOBUTTON")))
            return false;
    }
    Click();
    return true;
}
