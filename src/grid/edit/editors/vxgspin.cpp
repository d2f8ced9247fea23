#include "grid/edit/editors/vxgspin.h"
#include "platform/Property.h"
#include "grid/model/GridText.h"
#include "grid/foundation/GridDraw.h"
#include "grid/model/GridFilter.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/edit/editors/LocaleDateTime.h"
#include "platform/Beep.h"
#include "platform/DecimalSeparator.h"
#include <QApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>
#include <cmath>

namespace {

// The built-in arrow of the vertical buttons: black on olive, olive being the transparent bottom-left pixel.
TBitmap BuiltInArrow(bool up)
{
    TBitmap b(9, 6);
    TCanvas& c = b.Canvas();
    FillRectColor(c, Rect(0, 0, 9, 6), clOlive);
    for (int row = 0; row < 4; ++row) {
        const int y = 1 + (up ? row : 3 - row);
        FillRectColor(c, Rect(4 - row, y, 5 + row, y + 1), clBlack);
    }
    c.Release();
    b.SetTransparent(true);
    return b;
}

// Position (from 1) of the n-th occurrence of ch in s, 0 when there are fewer.
int NthPos(const QString& s, QChar ch, int n)
{
    qsizetype at = -1;
    for (int i = 0; i < n; ++i) {
        at = s.indexOf(ch, at + 1);
        if (at < 0)
            return 0;
    }
    return int(at) + 1;
}

QChar DecimalSep() { return DecimalSeparatorOf(QLocale()); }

// A "-" (or the character) somewhere in the text outside the selected range.
bool HoldsOutsideSelection(const QString& text, QChar ch, int selStart, int selLength)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == ch && (i < selStart || i >= selStart + selLength))
            return true;
    return false;
}

} // namespace

// ---------------------------------------------------------------- TVxTimerSpeedButton

TVxTimerSpeedButton::TVxTimerSpeedButton(TVxgSpinButton* AOwner) : TSpeedButton(AOwner), FOwner(AOwner) {}

TVxTimerSpeedButton::~TVxTimerSpeedButton() = default;

void TVxTimerSpeedButton::SetButtonDirection(TButtonDirection value)
{
    SetPropertyAlways(FButtonDirection, value, [this] { Invalidate(); });
}

void TVxTimerSpeedButton::SetIsWinXP(bool value)
{
    SetPropertyAlways(FIsWinXP, value, [this] { Invalidate(); });
}

void TVxTimerSpeedButton::SetFlat(bool value)
{
    SetPropertyAlways(FFlat, value, [this] { Invalidate(); });
}

void TVxTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (FTimeBtnState.testFlag(TTimeBtnStateItem::tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = std::make_unique<QTimer>();
            QObject::connect(FRepeatTimer.get(), &QTimer::timeout, this, [this] { TimerExpired(); });
        }
        FRepeatTimer->setInterval(400);
        FRepeatTimer->start();
    }
    if (parentWidget())
        parentWidget()->update();
}

void TVxTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (FRepeatTimer)
        FRepeatTimer->stop();
    if (parentWidget())
        parentWidget()->update();
}

void TVxTimerSpeedButton::TimerExpired()
{
    FRepeatTimer->setInterval(100);
    if (Down() && Dragging()) {
        try {
            Click();
        } catch (...) {
            FRepeatTimer->stop();
            throw;
        }
    }
}

void TVxTimerSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    if (FOwner->ButtonColor() != clNone) {
        const TColor color = Down()             ? FOwner->ButtonColorDown()
                             : MouseInControl() ? FOwner->ButtonColorHot()
                                                : FOwner->ButtonColor();
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(color);
        c.Pen().SetColor(color);
        c.Rectangle(r);
        c.Brush().SetColor(clBlack);
        c.Pen().SetColor(clBlack);
        const int x = r.Left, y = r.Top;
        switch (FButtonDirection) {
        case TButtonDirection::bdLeft: c.Polygon({{x + 5, y + 5}, {x + 3, y + 7}, {x + 5, y + 9}}); break;
        case TButtonDirection::bdRight: c.Polygon({{x + 3, y + 5}, {x + 5, y + 7}, {x + 3, y + 9}}); break;
        case TButtonDirection::bdUp: c.Polygon({{x + 4, y + 4}, {x + 8, y + 4}, {x + 6, y + 2}}); break;
        case TButtonDirection::bdDown: c.Polygon({{x + 4, y + 2}, {x + 8, y + 2}, {x + 6, y + 4}}); break;
        }
        return;
    }
    const TThemeApiTable& api = VxXPVS().ThemeApi();
    if (FIsWinXP && VxXPVS().ThemeApiLoaded()) {
        const HTHEME theme = api.OpenThemeData(FOwner, QStringLiteral("spin"));
        if (theme != 0) {
            int part = 1;
            switch (FButtonDirection) {
            case TButtonDirection::bdUp: part = 1; break;
            case TButtonDirection::bdDown: part = 2; break;
            case TButtonDirection::bdRight: part = 3; break;
            case TButtonDirection::bdLeft: part = 4; break;
            }
            api.DrawThemeBackground(theme, c, part, Down() ? 3 : MouseInControl() ? 2 : 1, r);
            api.CloseThemeData(theme);
            return;
        }
    }
    if (FButtonDirection == TButtonDirection::bdLeft || FButtonDirection == TButtonDirection::bdRight) {
        // The classic frame control has no sideways arrow here: the face, then the arrow drawn on it.
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (Down() ? DFCS_PUSHED : 0) | (FFlat ? DFCS_FLAT : 0));
        const int shift = Down() ? 1 : 0;
        const int cx = r.Left + r.Width() / 2 + shift, cy = r.Top + r.Height() / 2 + shift;
        c.Brush().SetColor(clBtnText);
        c.Pen().SetColor(clBtnText);
        if (FButtonDirection == TButtonDirection::bdLeft)
            c.Polygon({{cx + 1, cy - 3}, {cx - 2, cy}, {cx + 1, cy + 3}});
        else
            c.Polygon({{cx - 1, cy - 3}, {cx + 2, cy}, {cx - 1, cy + 3}});
        return;
    }
    // The toolkit speed button's face with the glyph.
    const bool down = Down();
    if (!FFlat || down || MouseInControl())
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    else if (!Transparent())
        FillRectColor(c, r, clBtnFace);
    DrawGlyph(c, r);
}

// ---------------------------------------------------------------- TVxgSpinButton

TVxgSpinButton::TVxgSpinButton(QWidget* AOwner) : TCustomControl(AOwner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    FUpButton = new TVxTimerSpeedButton(this);
    FDownButton = new TVxTimerSpeedButton(this);
    for (TVxTimerSpeedButton* b : {FUpButton, FDownButton}) {
        b->SetTimeBtnState(TTimeBtnStateItem::tbAllowTimer);
        b->OnClick = [this, b](QObject*) { BtnClick(b); };
        b->OnMouseDown = [this, b](QObject*, TMouseButton Button, TShiftState, int, int) { BtnMouseDown(b, Button); };
        b->show();
    }
    SetUpGlyph(nullptr);
    SetDownGlyph(nullptr);
    FUpButton->SetButtonDirection(TButtonDirection::bdUp);
    FDownButton->SetButtonDirection(TButtonDirection::bdDown);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 15, 25);
}

void TVxgSpinButton::SetUpGlyph(const TBitmap* value)
{
    if (value)
        FUpButton->SetGlyph(*value);
    else {
        FUpButton->SetGlyph(BuiltInArrow(true));
        FUpButton->SetNumGlyphs(1);
    }
}

void TVxgSpinButton::SetDownGlyph(const TBitmap* value)
{
    if (value)
        FDownButton->SetGlyph(*value);
    else {
        FDownButton->SetGlyph(BuiltInArrow(false));
        FDownButton->SetNumGlyphs(1);
    }
}

void TVxgSpinButton::SetDirection(TSpinDirection value)
{
    FDirection = value;
    const bool horizontal = value == TSpinDirection::spHorizontal;
    FUpButton->SetButtonDirection(horizontal ? TButtonDirection::bdRight : TButtonDirection::bdUp);
    FDownButton->SetButtonDirection(horizontal ? TButtonDirection::bdLeft : TButtonDirection::bdDown);
    SetBounds(x(), y(), horizontal ? 20 : 15, height());
}

void TVxgSpinButton::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FUpButton->SetIsWinXP(value);
    FDownButton->SetIsWinXP(value);
}

void TVxgSpinButton::AdjustSize()
{
    if (FAdjusting)
        return;
    int w = width();
    const int h = height();
    if (FDirection == TSpinDirection::spVertical) {
        w = std::max(w, 15);
        FUpButton->setGeometry(0, 0, w, h / 2);
        const int uh = FUpButton->height();
        FDownButton->setGeometry(0, uh - 1, w, h - uh + 1);
    } else {
        w = std::max(w, 20);
        FDownButton->setGeometry(0, 0, w / 2, h);
        FUpButton->setGeometry(w / 2 + 1, 0, w / 2, h);
    }
    if (w != width()) {
        FAdjusting = true;
        resize(w, h);
        FAdjusting = false;
    }
}

void TVxgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    setGeometry(ALeft, ATop, AWidth, AHeight);
    AdjustSize();
}

void TVxgSpinButton::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    AdjustSize();
}

void TVxgSpinButton::SetFocusBtn(TVxTimerSpeedButton* Btn)
{
    if (!TabStop() || !isEnabled() || Btn == FFocusedButton)
        return;
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~TTimeBtnState(TTimeBtnStateItem::tbFocusRect));
    FFocusedButton->Invalidate();
    FFocusedButton = Btn;
    if (hasFocus())
        FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | TTimeBtnStateItem::tbFocusRect);
    Invalidate();
    FUpButton->Invalidate();
    FDownButton->Invalidate();
}

void TVxgSpinButton::DoEnter()
{
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | TTimeBtnStateItem::tbFocusRect);
    FFocusedButton->Invalidate();
    TCustomControl::DoEnter();
}

void TVxgSpinButton::DoExit()
{
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~TTimeBtnState(TTimeBtnStateItem::tbFocusRect));
    FFocusedButton->Invalidate();
    TCustomControl::DoExit();
}

void TVxgSpinButton::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_SPACE: BtnClick(FFocusedButton); break;
    case VK_UP:
        SetFocusBtn(FUpButton);
        BtnClick(FUpButton);
        break;
    case VK_DOWN:
        SetFocusBtn(FDownButton);
        BtnClick(FDownButton);
        break;
    default: break;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TVxgSpinButton::BtnMouseDown(TVxTimerSpeedButton* Btn, TMouseButton Button)
{
    if (Button != TMouseButton::mbLeft)
        return;
    SetFocusBtn(Btn);
    QWidget* fc = FFocusControl;
    if (fc && fc->focusPolicy() != Qt::NoFocus && fc->isEnabled() && fc->isVisible() && !fc->hasFocus())
        fc->setFocus(Qt::MouseFocusReason);
    else if (!fc && TabStop() && !hasFocus() && isEnabled())
        SetFocus();
}

void TVxgSpinButton::BtnClick(TVxTimerSpeedButton* Btn)
{
    if (Btn == FUpButton && OnUpClick)
        OnUpClick(this);
    if (Btn == FDownButton && OnDownClick)
        OnDownClick(this);
}

// ---------------------------------------------------------------- TVxgSpinEdit

TVxgSpinEdit::TVxgSpinEdit(QWidget* AOwner) : TCustomMaskEdit(AOwner)
{
    FButton = new TVxgSpinButton(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](QObject* Sender) { SpinUpClick(Sender); };
    FButton->OnDownClick = [this](QObject* Sender) { SpinDownClick(Sender); };
    FButton->show();
    setText(QStringLiteral("0"));
    PlaceButton();
    AdjustEditRect();
}

TVxgSpinEdit::~TVxgSpinEdit() = default;

std::int32_t TVxgSpinEdit::ClampValue(std::int32_t v) const
{
    if (FMinValue == FMaxValue)
        return v;
    return v < FMinValue ? FMinValue : v > FMaxValue ? FMaxValue : v;
}

double TVxgSpinEdit::ClampFloatValue(double v) const
{
    if (FMinFloatValue == FMaxFloatValue)
        return v;
    return v < FMinFloatValue ? FMinFloatValue : v > FMaxFloatValue ? FMaxFloatValue : v;
}

TDateTime TVxgSpinEdit::ClampDateValue(TDateTime v) const
{
    if (FMinDateValue == FMaxDateValue)
        return v;
    return v < FMinDateValue ? FMinDateValue : v > FMaxDateValue ? FMaxDateValue : v;
}

int TVxgSpinEdit::Value() const
{
    const QString s = text().trimmed();
    if (s.isEmpty())
        return 0;
    bool ok = false;
    const int v = s.toInt(&ok, 10);
    return ok ? v : FMinValue;
}

void TVxgSpinEdit::SetValue(int NewValue)
{
    setText(QString::number(ClampValue(NewValue)));
    if (!FEditorEnabled)
        selectAll();
}

double TVxgSpinEdit::FloatValue() const
{
    QString s = text().trimmed();
    const QChar sep = DecimalSep();
    if (sep != QLatin1Char('.')) {
        if (s.contains(QLatin1Char('.')))
            return FMinFloatValue;
        s.replace(sep, QLatin1Char('.'));
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    return ok ? v : FMinFloatValue;
}

void TVxgSpinEdit::SetFloatValue(double NewValue)
{
    // Clamped in both forms, so that leaving the field brings a general-form value back into range too.
    const double v = ClampFloatValue(NewValue);
    QString s = FPrecision != 0 ? QString::number(v, 'f', FPrecision) : QString::number(v, 'g', 15);
    s.replace(QLatin1Char('.'), DecimalSep());
    setText(s);
}

TDateTime TVxgSpinEdit::DateValue() const
{
    const QString s = text();
    if (s == QLatin1String("0") || s.isEmpty())
        return Now();
    TDateTime v = FMinDateValue;
    return ParseShortDate(s, v) ? v : FMinDateValue;
}

void TVxgSpinEdit::SetTextKeepCaret(const QString& s)
{
    const int caret = SelStart();
    setText(s);
    setCursorPosition(caret);
}

void TVxgSpinEdit::SetDateValue(TDateTime NewValue)
{
    FDateValue = ClampDateValue(NewValue);
    SetTextKeepCaret(FormatShortDate(FDateValue));
}

TDateTime TVxgSpinEdit::TimeValue() const
{
    TDateTime v = 0;
    return ParseTimeOfDay(text(), v) ? v : 0;
}

void TVxgSpinEdit::SetTimeValue(TDateTime NewValue)
{
    FTimeValue = ClampDateValue(NewValue);
    SetTextKeepCaret(FormatTimeOfDay(FTimeValue, FShowSeconds));
}

void TVxgSpinEdit::SetSpinType(TVxgSpinType value)
{
    FSpinType = value;
    switch (value) {
    case TVxgSpinType::sptNormal: SetValue(Value()); break;
    case TVxgSpinType::sptFloat: SetFloatValue(FloatValue()); break;
    case TVxgSpinType::sptDate: SetDateValue(DateValue()); break;
    case TVxgSpinType::sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TVxgSpinEdit::SetPrecision(std::int32_t value)
{
    FPrecision = value;
    if (FSpinType == TVxgSpinType::sptFloat)
        SetFloatValue(FloatValue());
}

void TVxgSpinEdit::SetDirection(TSpinDirection value)
{
    FDirection = value;
    FButton->SetDirection(value);
    PlaceButton();
    AdjustEditRect();
}

void TVxgSpinEdit::SetEditAlign(TEditAlign value)
{
    FEditAlign = value;
    switch (value) {
    case TEditAlign::eaLeft: setAlignment(Qt::AlignLeft | Qt::AlignVCenter); break;
    case TEditAlign::eaRight: setAlignment(Qt::AlignRight | Qt::AlignVCenter); break;
    case TEditAlign::eaCenter: setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); break;
    }
}

void TVxgSpinEdit::SetSpinFlat(bool value)
{
    FButton->UpButton()->SetFlat(value);
    FButton->DownButton()->SetFlat(value);
    FSpinFlat = value;
}

void TVxgSpinEdit::SetSpinTransparent(bool value)
{
    FButton->UpButton()->SetTransparent(value);
    FButton->DownButton()->SetTransparent(value);
    FSpinTransparent = value;
    PlaceButton();
    AdjustEditRect();
}

void TVxgSpinEdit::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->SetIsWinXP(value);
}

void TVxgSpinEdit::SetBorderStyle(TBorderStyle value)
{
    TCustomMaskEdit::SetBorderStyle(value);
    PlaceButton();
    AdjustEditRect();
}

int TVxgSpinEdit::MinimumHeight() const
{
    const int hs = QFontMetrics(QApplication::font()).height();
    const int hf = QFontMetrics(font()).height();
    const int i = std::min(hs, hf);
    return hf + i / 4 + 2 + (BorderStyle() == TBorderStyle::bsSingle ? 4 : 0);
}

void TVxgSpinEdit::PlaceButton()
{
    // Client coordinates start inside the frame.
    const int f = FrameWidth();
    const int d = BorderStyle() == TBorderStyle::bsNone ? 1 : 5;
    FButton->SetBounds(f + width() - FButton->width() - d, f, FButton->width(), height() - d);
}

void TVxgSpinEdit::AdjustEditRect()
{
    const int m = BorderStyle() == TBorderStyle::bsNone ? 3 : 0;
    setTextMargins(m, m, FButton->width() + 2 + m, 0);
}

void TVxgSpinEdit::resizeEvent(QResizeEvent* e)
{
    TCustomMaskEdit::resizeEvent(e);
    const int minimum = MinimumHeight();
    if (height() < minimum) {
        resize(width(), minimum);
        return;
    }
    PlaceButton();
    AdjustEditRect();
}

void TVxgSpinEdit::Step(int Sign, bool Page)
{
    if (isReadOnly()) {
        MessageBeep(0);
        return;
    }
    switch (FSpinType) {
    case TVxgSpinType::sptNormal: SetValue(Value() + Sign * FIncrement); break;
    case TVxgSpinType::sptFloat:
        SetFloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat));
        break;
    case TVxgSpinType::sptDate: {
        const QString format = ShortDateFormat().toUpper();
        FUsDates = int(format.indexOf(QLatin1Char('M')) + 1) < int(format.indexOf(QLatin1Char('D')) + 1);
        const int p = SelStart();
        const QChar sep = DateSeparatorChar();
        const int s1 = NthPos(text(), sep, 1), s2 = NthPos(text(), sep, 2);
        const TDateTime v = DateValue();
        const QDateTime dt = FromDateTime(v);
        enum { Day, Month, Year } part;
        if (FUsDates)
            part = p < s1 ? Month : p < s2 ? Day : Year;
        else
            part = p < s1 ? Day : p < s2 ? Month : Year;
        // Month and year steps keep the time of day and clamp the day to the target month (29 February
        // stepped by a year becomes 28 February).
        switch (part) {
        case Day: SetDateValue(v + Sign); break;
        case Month: SetDateValue(ToDateTime(QDateTime(dt.date().addMonths(Sign), dt.time(), Qt::UTC))); break;
        case Year: SetDateValue(ToDateTime(QDateTime(dt.date().addYears(Sign), dt.time(), Qt::UTC))); break;
        }
        break;
    }
    case TVxgSpinType::sptTime: {
        const int p = SelStart();
        const QChar sep = TimeSeparatorChar();
        const int t1 = NthPos(text(), sep, 1), t2 = NthPos(text(), sep, 2);
        int seconds;
        if (p < t1)
            seconds = FIncrementHours * 3600;
        else if (FShowSeconds && p >= t2)
            seconds = FIncrementSeconds;
        else
            seconds = FIncrementMinutes * 60;
        const TDateTime step = seconds / 86400.0;
        if (Sign > 0)
            SetTimeValue(TimeValue() + step);
        else {
            TDateTime t = TimeValue() + 1.0 - step;
            if (t > 1.0)
                t -= 1.0;
            SetTimeValue(t);
        }
        break;
    }
    }
}

void TVxgSpinEdit::StepUp(bool Page)
{
    Step(1, Page);
}

void TVxgSpinEdit::StepDown(bool Page)
{
    Step(-1, Page);
}

bool TVxgSpinEdit::AcceptChar(QChar Key)
{
    const char16_t k = Key.unicode();
    if (k == 8)
        return FEditorEnabled;
    const QChar dec = DecimalSep(), thou = ThousandSeparatorChar(), tsep = TimeSeparatorChar(),
                dsep = DateSeparatorChar(), minus = QLatin1Char('-');
    const QString s = text();
    const int selStart = SelStart(), selLength = SelLength();
    const bool numeric = FSpinType == TVxgSpinType::sptNormal || FSpinType == TVxgSpinType::sptFloat;
    auto numberLike = [&](QChar c) { return c == dec || c == thou || c == minus || c == QLatin1Char('+'); };

    bool accept = Key == dec || Key == thou || Key == tsep || Key == dsep || Key.isNumber() || Key == minus ||
                  (k < 32 && k != 13);
    if (Key == tsep && FSpinType != TVxgSpinType::sptTime && !(numberLike(tsep) && numeric))
        accept = false;
    if (Key == dsep && FSpinType != TVxgSpinType::sptDate && !(numberLike(dsep) && numeric))
        accept = false;
    if (Key == minus && (selStart > 0 || HoldsOutsideSelection(s, minus, selStart, selLength)))
        accept = false;
    if (FSpinType == TVxgSpinType::sptNormal && !Key.isNumber() && Key != minus)
        accept = false;
    if (FSpinType == TVxgSpinType::sptFloat && k != 27 && k != 13 && k != 8) {
        if (Key == thou)
            accept = false;
        if (Key == dec && HoldsOutsideSelection(s, dec, selStart, selLength))
            accept = false;
        const int d = int(s.indexOf(dec)) + 1;
        if (FPrecision > 0 && d > 0 && selStart >= d && selLength == 0 && s.size() >= d + FPrecision)
            accept = false;
    }
    if (FSpinType == TVxgSpinType::sptTime && Key == tsep && s.count(tsep) >= 2)
        accept = false;
    if (!FEditorEnabled && k >= 32)
        accept = false;
    return accept;
}

void TVxgSpinEdit::SpinUpClick(QObject*)
{
    StepUp(false);
}

void TVxgSpinEdit::SpinDownClick(QObject*)
{
    StepDown(false);
}

bool TVxgSpinEdit::WMKeyDown(std::uint16_t Key, TShiftState)
{
    switch (Key) {
    case VK_PRIOR: StepUp(true); return true;
    case VK_NEXT: StepDown(true); return true;
    case VK_UP: StepUp(false); return true;
    case VK_DOWN: StepDown(false); return true;
    default: return false;
    }
}

void TVxgSpinEdit::WMChar(QChar& Key, bool Keypad)
{
    if (FExcelStyleDecimalSeparator && Key == QLatin1Char('.') && Keypad)
        Key = DecimalSep();
}

void TVxgSpinEdit::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    }
    if (Key == VK_DELETE && !FEditorEnabled)
        Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TVxgSpinEdit::KeyPress(QChar& Key)
{
    if (!AcceptChar(Key)) {
        Key = QChar();
        MessageBeep(0);
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void TVxgSpinEdit::WMPaste()
{
    if (FEditorEnabled && !isReadOnly())
        TCustomMaskEdit::WMPaste();
}

void TVxgSpinEdit::WMCut()
{
    if (FEditorEnabled && !isReadOnly())
        TCustomMaskEdit::WMCut();
}

void TVxgSpinEdit::DoEnter()
{
    if (AutoSelect() && (!(QApplication::mouseButtons() & Qt::LeftButton) || !FEditorEnabled))
        selectAll();
    TCustomMaskEdit::DoEnter();
}

void TVxgSpinEdit::DoExit()
{
    TCustomMaskEdit::DoExit();
    switch (FSpinType) {
    case TVxgSpinType::sptNormal: {
        const int v = Value();
        if (ClampValue(v) != v)
            SetValue(v);
        break;
    }
    case TVxgSpinType::sptFloat: {
        const double v = FloatValue();
        if (ClampFloatValue(v) != v)
            SetFloatValue(v);
        break;
    }
    case TVxgSpinType::sptDate: {
        const TDateTime v = DateValue();
        if (ClampDateValue(v) != v)
            SetDateValue(v);
        break;
    }
    case TVxgSpinType::sptTime: {
        const TDateTime v = TimeValue();
        if (ClampDateValue(v) != v)
            SetTimeValue(v);
        break;
    }
    }
}
