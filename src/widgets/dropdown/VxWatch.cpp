#include "widgets/dropdown/VxWatch.h"
#include "grid/core/DropDownDraw.h"
#include "grid/model/GridText.h"
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <cmath>
#include <stdexcept>

namespace {
constexpr double kMSecPerDay = 86400000.0;
constexpr double kPi = 3.14159265358979323846;

class TQtWatchTimer : public TWatchTimer {
public:
    explicit TQtWatchTimer(int Interval)
    {
        FTimer.setInterval(Interval);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (OnTimer)
                OnTimer();
        });
    }
    void SetEnabled(bool value) override
    {
        if (value)
            FTimer.start();
        else
            FTimer.stop();
    }
    bool Enabled() const override { return FTimer.isActive(); }

private:
    QTimer FTimer;
};

class TSystemWatchTimeSource : public TWatchTimeSource {
public:
    TDateTime CurrentTime() override { return QTime::currentTime().msecsSinceStartOfDay() / kMSecPerDay; }
    std::unique_ptr<TWatchTimer> CreateTimer(int Interval) override { return std::make_unique<TQtWatchTimer>(Interval); }
    void Pause(int Milliseconds) override { QThread::msleep(std::uint32_t(Milliseconds)); }
};

TWatchTimeSource* gInstalledSource = nullptr;

// The point at Angle degrees clockwise from 12 o'clock and Distance from the centre.
TPoint PointAt(TPoint c, double Angle, double Distance)
{
    const double a = Angle * kPi / 180.0;
    return {Nearest(c.X + Distance * std::sin(a)), Nearest(c.Y - Distance * std::cos(a))};
}

TPoint Shifted(TPoint p, int dx, int dy)
{
    return {p.X + dx, p.Y + dy};
}

void Line(TCanvas& Canvas, TPoint From, TPoint To)
{
    Canvas.MoveTo(From.X, From.Y);
    Canvas.LineTo(To.X, To.Y);
}

void SetPen(TCanvas& Canvas, TColor Color, int Width)
{
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetColor(Color);
    Canvas.Pen().SetWidth(Width);
}
} // namespace

bool TryEncodeTime(int Hour, int Minute, int Second, int MSec, TDateTime& T)
{
    if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59 || MSec < 0 || MSec > 999)
        return false;
    T = (Hour * 3600000.0 + Minute * 60000.0 + Second * 1000.0 + MSec) / kMSecPerDay;
    return true;
}

void DecodeTime(TDateTime T, int& Hour, int& Minute, int& Second, int& MSec)
{
    long long ms = std::llround(std::fabs(T - std::trunc(T)) * kMSecPerDay) % 86400000LL;
    Hour = int(ms / 3600000);
    ms %= 3600000;
    Minute = int(ms / 60000);
    ms %= 60000;
    Second = int(ms / 1000);
    MSec = int(ms % 1000);
}

TWatchTimeSource& WatchTimeSource()
{
    static TSystemWatchTimeSource system;
    return gInstalledSource ? *gInstalledSource : system;
}

void SetWatchTimeSource(TWatchTimeSource* Source)
{
    gInstalledSource = Source;
}

// ---- TWatchAppearance ----

TWatchAppearance::TWatchAppearance()
{
    SetDefaults();
}

void TWatchAppearance::SetDefaults()
{
    FSize = 0;
    FShape = TWatchShape::wsCircle;
    FBackgroundColor = clWhite;
    FBackgroundColorTo = clNone;
    FBackgroundGradient = TWatchGradient::wgVertical;
    FBorderColor = clBlack;
    FBorderWidth = 4;
    FPicture = QImage();
    FTickMarks = TTickMarks::tmAll;
    FHourColor = clBlack;
    FHourMarkWidth = 1;
    FHourMarkLength = 0;
    FHourMarkStyle = THourMarkStyle::hmsLine;
    FMinuteColor = clGray;
    FMinuteMarkWidth = 1;
    FMinuteMarkLength = 0;
    FHourFont = TFont();
    FHourFont.SetName(QStringLiteral("Tahoma"));
    FHourFont.SetSize(8);
    FPointerStyle = TPointerStyle::psLine;
    FHourPointer = clBlack;
    FHourPointerSize = 4;
    FHourPointerShadow = clBtnShadow;
    FMinutePointer = clBlack;
    FMinutePointerSize = 3;
    FMinutePointerShadow = clBtnShadow;
    FSecondPointer = clRed;
    FSecondPointerSize = 1;
    FCenterPointSize = 4;
    FCenterPointColor = clBlack;
    FCenterPointBorderColor = clNone;
    FCenterPointOuterBorderColor = clNone;
    FAMPMFont = TFont();
    FAMPMFont.SetName(QStringLiteral("Tahoma"));
    FAMPMFont.SetSize(10);
    FAMPMColor = clWhite;
    FAMPMBorderColor = clBlack;
    FAMPMFrame = TAMPMFrame::apRect;
}

void TWatchAppearance::Assign(const TWatchAppearance& Source)
{
    if (&Source == this)
        return;
    TNotifyEvent keep = std::move(OnChange);
    *this = Source;
    OnChange = std::move(keep);
    Changed();
}

void TWatchAppearance::StoreAMPMColors(TColor Color, TColor BorderColor)
{
    FAMPMColor = Color;
    FAMPMBorderColor = BorderColor;
}

void TWatchAppearance::Changed()
{
    if (OnChange)
        OnChange(nullptr);
}

// ---- TWatchSettings ----

void TWatchSettings::Assign(const TWatchSettings& Source)
{
    FSecond = Source.FSecond;
    FTimeOffset = Source.FTimeOffset;
    SetAuto(Source.FAuto);
}

void TWatchSettings::Changed()
{
    if (OnChange)
        OnChange(nullptr);
}

// ---- TVxWatch ----

TVxWatch::TVxWatch(QWidget* AOwner)
    : TCustomControl(AOwner), FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()), FSource(WatchTimeSource()),
      FWatchTimer(FSource.CreateTimer(100)), FAnimationTimer(FSource.CreateTimer(1))
{
    setMouseTracking(true);
    FAppearance->OnChange = [this](QObject*) {
        FCacheValid = false;
        Invalidate();
    };
    FSettings->OnChange = [this](QObject*) { SettingsChanged(); };
    FWatchTimer->OnTimer = [this] { WatchTimerTick(); };
    FAnimationTimer->OnTimer = [this] { AnimationTimerTick(); };
    resize(180, 180);
}

TVxWatch::~TVxWatch()
{
    FAnimationTimer->SetEnabled(false);
    FWatchTimer->SetEnabled(false);
}

bool TVxWatch::Animating() const
{
    return FAnimationTimer->Enabled();
}

void TVxWatch::SetShowAMPM(bool value)
{
    SetProperty(FShowAMPM, value, [this] {
        FCacheValid = false;
        Invalidate();
    });
}

void TVxWatch::SetShowNumbers(bool value)
{
    SetProperty(FShowNumbers, value, [this] {
        FCacheValid = false;
        Invalidate();
    });
}

TDateTime TVxWatch::DisplayTime() const
{
    if (!FSettings->Auto())
        return FTime;
    return FSource.CurrentTime() + FSettings->TimeOffset() / 1440.0;
}

void TVxWatch::InternalSetTime(TDateTime value)
{
    FTime = value;
    int h, m, s, ms;
    DecodeTime(value, h, m, s, ms);
    FInternalSet = true;
    SetAM(h < 12);
    FInternalSet = false;
}

void TVxWatch::SetTime(TDateTime value)
{
    if (value == FTime)
        return;
    InternalSetTime(value);
    UpdatePointers();
}

void TVxWatch::UpdatePointers()
{
    // The hands are composed on the cached face at the next paint, which Qt buffers.
    update();
}

void TVxWatch::SettingsChanged()
{
    if (FSettings->Auto() == FWatchTimer->Enabled())
        return;
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto())
        InternalSetTime(FSource.CurrentTime());
    FCacheValid = false;
    Invalidate();
}

void TVxWatch::WatchTimerTick()
{
    UpdatePointers();
}

void TVxWatch::SetAM(bool AM)
{
    if (AM == FAM)
        return;
    FAM = AM;
    if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet && isVisible()) {
        TRect box = GetAMPMRect();
        InflateRect(box, -1, -1);
        const int h = box.Height();
        // The strip's window moves one pixel a frame, from the "PM" half up to "AM" or down the other way.
        for (int frame = 1; frame <= h; ++frame) {
            FRollOffset = AM ? h - frame : frame;
            repaint();
            FSource.Pause(10);
        }
        FRollOffset = -1;
    }
    FCacheValid = false;
    Invalidate();
}

// ---- setting hour and minute ----

void TVxWatch::SetHourDirectly(int Value)
{
    FInternalCall = true;
    SetHour(Value);
    FInternalCall = false;
}

void TVxWatch::SetMinuteDirectly(int Value)
{
    FInternalCall = true;
    SetMinute(Value);
    FInternalCall = false;
}

void TVxWatch::SetHour(int Value)
{
    // Refused before any animation starts: no time of day has that hour.
    if (Value < 0 || Value > 23)
        return;
    int h, m, s, ms;
    DecodeTime(DisplayTime(), h, m, s, ms);
    if (Value == h)
        return;
    if (FAnimation && !FInternalCall) {
        FCurrentHourTo = Value;
        FHourAnimating = true;
        FAnimationTimer->SetEnabled(true);
        return;
    }
    TDateTime t = 0;
    TryEncodeTime(Value, m, s, ms, t);
    InternalSetTime(t);
    UpdatePointers();
    if (Value == FCurrentHourTo && OnChange)
        OnChange(this);
}

void TVxWatch::SetMinute(int Value)
{
    if (Value < 0 || Value >= 60)
        throw std::invalid_argument("Invalid time");
    int h, m, s, ms;
    DecodeTime(DisplayTime(), h, m, s, ms);
    if (Value == m)
        return;
    if (FAnimation && !FInternalCall) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = m;
        FAnimationTimer->SetEnabled(true);
        return;
    }
    if (!FAnimation)
        FMinuteFrom = m;
    if (Value == 0 && FMinuteFrom > 30) {
        h = (h + 1) % 24;
        FMinuteFrom = 0;
    }
    TDateTime t = 0;
    TryEncodeTime(h, Value, s, ms, t);
    InternalSetTime(t);
    UpdatePointers();
    if (Value == FCurrentMinuteTo && OnChange)
        OnChange(this);
}

void TVxWatch::AnimationTimerTick()
{
    if (!FAnimation)
        return;
    int h, m, s, ms;
    DecodeTime(DisplayTime(), h, m, s, ms);
    const double f = Factor();
    if (FHourAnimating) {
        if (h == FCurrentHourTo) {
            SetHourDirectly(FCurrentHourTo);
            FAnimationTimer->SetEnabled(false);
            return;
        }
        const int step = std::max(1, Nearest(std::abs(FCurrentHourTo - h) / f));
        SetHourDirectly(h < FCurrentHourTo ? h + step : h - step);
        return;
    }
    if (m == FCurrentMinuteTo) {
        SetMinuteDirectly(FCurrentMinuteTo);
        FAnimationTimer->SetEnabled(false);
        return;
    }
    int next;
    if (FCurrentMinuteTo == 0 && m > 30) {
        next = m + std::max(1, Nearest((60 - m) / f));
        if (next >= 60)
            next = 0;
    } else {
        const int step = std::max(1, Nearest(std::abs(FCurrentMinuteTo - m) / f));
        next = m < FCurrentMinuteTo ? m + step : m - step;
    }
    SetMinuteDirectly(next);
}

void TVxWatch::WatchKeyDown(std::uint16_t Key)
{
    if (FSettings->Auto())
        return;
    int h, m, s, ms;
    DecodeTime(DisplayTime(), h, m, s, ms);
    switch (Key) {
    case 'A':
        if (h >= 12)
            SetHour(h - 12);
        break;
    case 'P':
        if (h < 12)
            SetHour(h + 12);
        break;
    case VK_PRIOR:
        if (h == 23)
            SetHourDirectly(0);
        else
            SetHour(h + 1);
        break;
    case VK_NEXT:
        if (h == 0)
            SetHourDirectly(23);
        else
            SetHour(h - 1);
        break;
    case VK_END: SetMinute(0); break;
    case VK_HOME: SetHourDirectly(12); break;
    case VK_LEFT:
        if (m == 0) {
            TDateTime t = 0;
            TryEncodeTime((h + 23) % 24, 59, s, ms, t);
            SetTime(t);
        } else {
            SetMinute(m - 1);
        }
        break;
    case VK_RIGHT: SetMinute(m == 59 ? 0 : m + 1); break;
    default: break;
    }
}

// ---- geometry and the mouse ----

TRect TVxWatch::GetWatchRect() const
{
    const int w = width(), h = height();
    const int side = FAppearance->Size() > 0 ? std::min({FAppearance->Size(), w, h}) : std::min(w, h) - 20;
    const int left = (w - side) / 2, top = (h - side) / 2;
    return Rect(left, top, left + side, top + side);
}

TPoint TVxWatch::GetCenter() const
{
    const TRect r = GetWatchRect();
    return {r.Left + r.Width() / 2, r.Top + r.Width() / 2};
}

int TVxWatch::GetRadius() const
{
    return GetWatchRect().Width() / 2;
}

TRect TVxWatch::GetAMPMRect()
{
    if (!FShowAMPM)
        return Rect(-1, -1, -1, -1);
    TCanvas measure;
    measure.SetFont(FAppearance->AMPMFont());
    const TTextSize text = GetTextSize(measure, QStringLiteral("AM"));
    const TPoint c = GetCenter();
    const int w = text.Width + 8;
    const int left = c.X - w / 2;
    const int top = c.Y + Nearest((GetRadius() - text.Height) / 3.0);
    return Rect(left, top, left + w, top + text.Height);
}

int TVxWatch::MinuteAtPos(int X, int Y) const
{
    const TPoint c = GetCenter();
    const int dx = std::max(1, std::abs(c.X - X)), dy = std::max(1, std::abs(c.Y - Y));
    const int k = Nearest(std::atan(double(dy) / dx) * 180.0 / kPi / 6.0);
    int minute;
    if (X >= c.X && Y >= c.Y)
        minute = 15 + k;
    else if (X <= c.X && Y >= c.Y)
        minute = 45 - k;
    else if (X <= c.X && Y <= c.Y)
        minute = 45 + k;
    else
        minute = 15 - k;
    return minute >= 0 && minute <= 59 ? minute : 0;
}

int TVxWatch::HourAtPos(int X, int Y) const
{
    const int n = Nearest(MinuteAtPos(X, Y) / 5.0);
    if (n == 0)
        return FAM ? 0 : 12;
    const int hour = FAM ? n : n + 12;
    return hour == 24 ? 0 : hour;
}

void TVxWatch::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    setCursor(GetAMPMRect().Contains({X, Y}) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TVxWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings->Auto())
        return;
    const TPoint c = GetCenter();
    const double r = GetRadius();
    const double dx = X - c.X, dy = Y - c.Y;
    if (dx * dx + dy * dy > r * r) {
        SetMinute(MinuteAtPos(X, Y));
    } else if (GetAMPMRect().Contains({X, Y})) {
        if (FAnimation)
            SetAM(!FAM);
        int h, m, s, ms;
        DecodeTime(DisplayTime(), h, m, s, ms);
        FCurrentHourTo = h < 12 ? h + 12 : h - 12;
        SetHourDirectly(FCurrentHourTo);
    } else {
        SetHour(HourAtPos(X, Y));
    }
}

TDlgCodes TVxWatch::GetDlgCode() const
{
    return TabStop() ? TDlgCodes(TDlgCode::dlgWantArrows) | TDlgCode::dlgWantAllKeys : TDlgCodes();
}

void TVxWatch::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    FCacheValid = false;
}

// ---- painting ----

void TVxWatch::Paint()
{
    if (!FCacheValid || FBKGCache.size() != size()) {
        FBKGCache = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        FBKGCache.fill(Qt::transparent);
        TCanvas cache(&FBKGCache);
        DrawBackground(cache);
        DrawTickMarks(cache);
        DrawNumbers(cache);
        DrawAMPM(cache);
        cache.Release();
        FCacheValid = true;
    }
    TCanvas& canvas = Canvas();
    TBitmap face;
    face.SetImage(FBKGCache);
    canvas.Draw(0, 0, face);
    if (FRollOffset >= 0) {
        // The label's strip: "AM" above "PM", seen through the box less its frame.
        const TRect box = GetAMPMRect();
        TRect inner = box;
        InflateRect(inner, -1, -1);
        const int h = inner.Height();
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(FAppearance->AMPMColor());
        SetPen(canvas, FAppearance->AMPMBorderColor() == clNone ? FAppearance->AMPMColor() : FAppearance->AMPMBorderColor(), 1);
        if (FAppearance->AMPMFrame() == TAMPMFrame::apRect)
            canvas.Rectangle(box);
        else
            canvas.RoundRect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
        canvas.SetClipRect(inner);
        canvas.SetFont(FAppearance->AMPMFont());
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        TRect am = Rect(inner.Left, inner.Top - FRollOffset, inner.Right, inner.Top - FRollOffset + h);
        TRect pm = Rect(inner.Left, am.Bottom, inner.Right, am.Bottom + h);
        canvas.DrawText(QStringLiteral("AM"), am, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        canvas.DrawText(QStringLiteral("PM"), pm, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        canvas.ResetClipRect();
    }
    DrawPointers(canvas);
}

void TVxWatch::DrawBackground(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    const TRect dial = GetWatchRect();
    const TRect client = ClientRect();
    const TRect face = a.Shape() == TWatchShape::wsCircle ? dial : client;
    if (a.BackgroundColor() != clNone && !face.IsEmpty()) {
        QImage fill(face.Width(), face.Height(), QImage::Format_ARGB32_Premultiplied);
        {
            TCanvas c(&fill);
            const TRect r = Rect(0, 0, face.Width(), face.Height());
            if (a.BackgroundColorTo() != clNone) {
                DrawGradient(c, a.BackgroundColor(), a.BackgroundColorTo(), 80, r,
                             a.BackgroundGradient() == TWatchGradient::wgRadial);
            } else {
                c.Brush().SetColor(a.BackgroundColor());
                c.FillRect(r);
            }
        }
        Canvas.Release();
        QPainter p(&FBKGCache);
        const QRect clip(face.Left - 1, face.Top - 1, face.Width() + 3, face.Height() + 3);
        if (a.Shape() == TWatchShape::wsCircle) {
            p.setClipRegion(QRegion(clip, QRegion::Ellipse));
        } else if (a.Shape() == TWatchShape::wsRoundRect) {
            QPainterPath path;
            path.addRoundedRect(clip, 10, 10);
            p.setClipPath(path);
        }
        p.drawImage(face.Left, face.Top, fill);
    }
    if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        SetPen(Canvas, a.BorderColor(), a.BorderWidth());
        if (a.Shape() == TWatchShape::wsCircle)
            Canvas.Ellipse(dial.Left, dial.Top, dial.Right, dial.Bottom);
        else if (a.Shape() == TWatchShape::wsRect)
            Canvas.Rectangle(client);
        else
            Canvas.RoundRect(client.Left, client.Top, client.Right, client.Bottom, 20, 20);
    }
    if (!a.Picture().isNull()) {
        TBitmap picture;
        picture.SetImage(a.Picture());
        picture.SetTransparent(true);
        Canvas.Draw(0, 0, picture);
    }
}

void TVxWatch::DrawTickMarks(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    if (a.TickMarks() == TTickMarks::tmNone)
        return;
    const TPoint c = GetCenter();
    const double ro = GetRadius() - a.BorderWidth() / 2;
    const double hourFrom = a.HourMarkLength() > 0 ? ro - a.HourMarkLength() : 0.9 * ro;
    SetPen(Canvas, a.HourColor(), a.HourMarkWidth());
    const bool allHours = a.TickMarks() == TTickMarks::tmAll || a.TickMarks() == TTickMarks::tmHours;
    for (int i = 0; i < 12; ++i) {
        const bool quarter = i % 3 == 0;
        if (!quarter && !allHours)
            continue;
        const TPoint from = PointAt(c, i * 30, hourFrom), to = PointAt(c, i * 30, ro);
        if (quarter && a.HourMarkStyle() == THourMarkStyle::hmsQuartDblLine) {
            // Two lines either side of the mark's own: above and below it at 3 and 9, beside it at 6 and 12.
            const int dx = i == 3 || i == 9 ? 0 : 2, dy = i == 3 || i == 9 ? 2 : 0;
            Line(Canvas, Shifted(from, -dx, -dy), Shifted(to, -dx, -dy));
            Line(Canvas, Shifted(from, dx, dy), Shifted(to, dx, dy));
        } else {
            Line(Canvas, from, to);
        }
    }
    if (a.TickMarks() != TTickMarks::tmAll)
        return;
    const double minuteFrom = a.MinuteMarkLength() > 0 ? ro - a.MinuteMarkLength() : 0.95 * ro;
    SetPen(Canvas, a.MinuteColor(), a.MinuteMarkWidth());
    for (int i = 0; i < 60; ++i)
        if (i % 5 != 0)
            Line(Canvas, PointAt(c, i * 6, minuteFrom), PointAt(c, i * 6, ro));
}

void TVxWatch::DrawNumbers(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    if (!FShowNumbers || a.TickMarks() == TTickMarks::tmNone || a.TickMarks() == TTickMarks::tmHours)
        return;
    const TPoint c = GetCenter();
    const double ro = GetRadius() - a.BorderWidth() / 2;
    const int b = a.HourMarkLength() > 0 ? a.HourMarkLength() : Nearest(ro - 0.9 * ro) + 2;
    const double radius = ro - (b + 2) - b;
    Canvas.SetFont(a.HourFont());
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    for (int i = 1; i <= 12; ++i) {
        if (a.TickMarks() == TTickMarks::tmQuartHours && i % 3 != 0)
            continue;
        const QString number = QString::number(i);
        const TTextSize size = GetTextSize(Canvas, number);
        double d = radius;
        if (i == 10)
            d -= Nearest(0.2 * size.Height);
        else if (i == 11)
            d -= Nearest(0.15 * size.Height);
        d += b / 2;
        const TPoint p = Shifted(PointAt(c, i * 30, d), 1, 1);
        Canvas.TextOut(p.X - size.Width / 2 - 1, p.Y - size.Height / 2 - 1, number);
    }
}

void TVxWatch::DrawAMPM(TCanvas& Canvas)
{
    if (!FShowAMPM)
        return;
    const TWatchAppearance& a = *FAppearance;
    const TRect box = GetAMPMRect();
    if (a.AMPMColor() != clNone || a.AMPMBorderColor() != clNone) {
        Canvas.Brush().SetStyle(a.AMPMColor() == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(a.AMPMColor());
        SetPen(Canvas, a.AMPMBorderColor(), 1);
        if (a.AMPMBorderColor() == clNone)
            Canvas.Pen().SetStyle(TPenStyle::psClear);
        if (a.AMPMFrame() == TAMPMFrame::apRect)
            Canvas.Rectangle(box);
        else
            Canvas.RoundRect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
    }
    Canvas.SetFont(a.AMPMFont());
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect r = box;
    Canvas.DrawText(FAM ? QStringLiteral("AM") : QStringLiteral("PM"), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TVxWatch::DrawPointers(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    const TDateTime shown = DisplayTime();
    int h, m, s, ms;
    DecodeTime(shown, h, m, s, ms);
    if (FSettings->Auto() && (h < 12) != FAM) {
        FInternalSet = true;
        SetAM(h < 12);
        FInternalSet = false;
    }
    const TPoint c = GetCenter();
    const double r = GetRadius();
    const double hourAngle = 30.0 * (h % 12) + m / 2.0, minuteAngle = 6.0 * m, secondAngle = 6.0 * s;
    auto lineHand = [&](double angle, double length, TColor color, int width, int dx, int dy) {
        SetPen(Canvas, color, width);
        Line(Canvas, Shifted(PointAt(c, angle + 180, 0.1 * r), dx, dy), Shifted(PointAt(c, angle, length), dx, dy));
    };
    auto pointerHand = [&](double angle, double length, TColor color, int dx, int dy) {
        SetPen(Canvas, color, 1);
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(color);
        Canvas.Polygon({Shifted(PointAt(c, angle + 180, 0.1 * r), dx, dy), Shifted(PointAt(c, angle + 90, 0.05 * r), dx, dy),
                        Shifted(PointAt(c, angle, length), dx, dy), Shifted(PointAt(c, angle - 90, 0.05 * r), dx, dy)});
    };
    const bool drawn = a.PointerStyle() == TPointerStyle::psLine || a.PointerStyle() == TPointerStyle::psPointer;
    if (a.PointerStyle() == TPointerStyle::psLine) {
        if (a.HourPointerShadow() != clNone)
            lineHand(hourAngle, 0.46 * r, a.HourPointerShadow(), a.HourPointerSize(), -1, 3);
        if (a.MinutePointerShadow() != clNone)
            lineHand(minuteAngle, 0.65 * r, a.MinutePointerShadow(), a.MinutePointerSize(), 0, 3);
        lineHand(hourAngle, 0.5 * r, a.HourPointer(), a.HourPointerSize(), 0, 0);
        lineHand(minuteAngle, 0.7 * r, a.MinutePointer(), a.MinutePointerSize(), 0, 0);
    } else if (a.PointerStyle() == TPointerStyle::psPointer) {
        if (a.HourPointerShadow() != clNone)
            pointerHand(hourAngle, 0.5 * r, a.HourPointerShadow(), 1, 3);
        pointerHand(hourAngle, 0.5 * r, a.HourPointer(), 0, 0);
        if (a.MinutePointerShadow() != clNone)
            pointerHand(minuteAngle, 0.7 * r, a.MinutePointerShadow(), 1, 3);
        pointerHand(minuteAngle, 0.7 * r, a.MinutePointer(), 0, 0);
    }
    if (drawn && FSettings->Auto() && FSettings->Second()) {
        SetPen(Canvas, a.SecondPointer(), a.SecondPointerSize());
        Line(Canvas, PointAt(c, secondAngle + 180, 0.2 * r), PointAt(c, secondAngle, 0.9 * r));
    }
    const int size = a.CenterPointSize();
    if (size <= 0)
        return;
    auto hub = [&](int side) {
        const int left = Nearest(c.X - side / 2.0), top = Nearest(c.Y - side / 2.0);
        return Rect(left, top, left + side, top + side);
    };
    const TRect square = hub(size);
    if (a.CenterPointColor() != clNone) {
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(a.CenterPointColor());
        SetPen(Canvas, a.CenterPointColor(), 1);
        Canvas.Ellipse(square.Left, square.Top, square.Right, square.Bottom);
    }
    int outer = 0;
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (a.CenterPointOuterBorderColor() != clNone) {
        outer = Nearest(0.2 * size);
        SetPen(Canvas, a.CenterPointOuterBorderColor(), outer);
        Canvas.Ellipse(square.Left, square.Top, square.Right, square.Bottom);
    }
    if (a.CenterPointBorderColor() != clNone) {
        const TRect inner = hub(size - outer);
        SetPen(Canvas, a.CenterPointBorderColor(), Nearest(0.1 * size));
        Canvas.Ellipse(inner.Left, inner.Top, inner.Right, inner.Bottom);
    }
}
