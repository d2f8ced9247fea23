#include "grid/edit/editors/VxDateTimePicker.h"
#include "grid/model/GridFilter.h"
#include "grid/foundation/ThemeBinding.h"
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <cmath>

namespace {
QDateTime ToQt(TDateTime v)
{
    const QDateTime utc = FromDateTime(v);
    return QDateTime(utc.date(), utc.time());
}

TDateTime FromQt(const QDateTime& v)
{
    return ToDateTime(QDateTime(v.date(), v.time(), Qt::UTC));
}
} // namespace

// ---------------------------------------------------------------- TCustomDateTimePicker

TCustomDateTimePicker::TCustomDateTimePicker(QWidget* AOwner) : TFlatDateTimePicker(AOwner, true) {}

TDateTime TCustomDateTimePicker::PickerDateTime() const
{
    return FromQt(DateTimeValue());
}

void TCustomDateTimePicker::SetPickerDateTime(TDateTime value)
{
    SetDateTimeValue(ToQt(value));
}

void TCustomDateTimePicker::KeyPress(QChar& Key)
{
    if (!(Key >= QLatin1Char('0') && Key <= QLatin1Char('9') && FAutoTab)) {
        TFlatDateTimePicker::KeyPress(Key);
        return;
    }
    if (Kind() == TDateTimeKind::dtkTime) {
        const QTime t = time();
        Fh = std::uint16_t(t.hour());
        Fm = std::uint16_t(t.minute());
        Fs = std::uint16_t(t.second());
        Fms = std::uint16_t(t.msec());
    }
    TFlatDateTimePicker::KeyPress(Key);
    // Once the digit has been taken, as a posted message would be.
    QMetaObject::invokeMethod(this, [this] { CheckAutoTab(); }, Qt::QueuedConnection);
}

void TCustomDateTimePicker::CheckAutoTab()
{
    if (Kind() != TDateTimeKind::dtkTime)
        return;
    const QTime t = time();
    if (t.hour() != Fh || t.minute() != Fm || t.second() != Fs)
        NextField();
}

void TCustomDateTimePicker::NextField()
{
    const int next = currentSectionIndex() + 1;
    if (next < sectionCount())
        setCurrentSectionIndex(next);
}

// ---------------------------------------------------------------- TVxDateTimePicker

TVxDateTimePicker::TVxDateTimePicker(QWidget* AOwner) : TCustomDateTimePicker(AOwner)
{
    FLabel = new TControlLabel(this);
    FLabel->OnClick = [this](QObject*) {
        if (OnLabelClick)
            OnLabelClick(this);
    };
    FLabel->OnDblClick = [this](QObject*) {
        if (OnLabelDblClick)
            OnLabelDblClick(this);
    };
    SetBorderStyle(TBorderStyle::bsSingle);
    SetCtl3D(true);
    SetMetroStyle(false);
    SetVxKind(TVxDateTimeKind::dkDateTime);
}

TVxDateTimePicker::~TVxDateTimePicker() = default;

void TVxDateTimePicker::SetVxKind(TVxDateTimeKind value)
{
    if (value == FKind)
        return;
    FKind = value;
    SetKind(value == TVxDateTimeKind::dkTime ? TDateTimeKind::dtkTime : TDateTimeKind::dtkDate);
    if (value == TVxDateTimeKind::dkDateTime)
        CreateTimePicker();
    LayoutTimePicker();
}

void TVxDateTimePicker::CreateTimePicker()
{
    if (FTimePicker || FKind != TVxDateTimeKind::dkDateTime)
        return;
    auto* t = new TCustomDateTimePicker(this);
    t->resize(90, 17);
    t->hide();
    t->setEnabled(isEnabled());
    t->SetKind(TDateTimeKind::dtkTime);
    t->SetAutoTab(AutoTab());
    t->OnChange = [this](QObject*) {
        TCustomDateTimePicker::Change();
        if (OnTimeChange)
            OnTimeChange(this);
    };
    t->OnClick = [this](QObject*) {
        if (OnClick)
            OnClick(this);
    };
    t->OnKeyDown = [this](QObject*, std::uint16_t& Key, TShiftState Shift) { KeyDown(Key, Shift); };
    t->OnKeyPress = [this](QObject* Sender, QChar& Key) { TimePickerKeyPress(Sender, Key); };
    FTimePicker = t;
}

void TVxDateTimePicker::LayoutTimePicker()
{
    if (!FTimePicker)
        return;
    TCustomDateTimePicker* t = FTimePicker;
    t->SetColor(Color());
    t->setEnabled(isEnabled() && Checked());
    const bool visible = FKind == TVxDateTimeKind::dkDateTime;
    if (!visible) {
        delete t;
        return;
    }
    t->SetPickerDateTime(PickerDateTime());
    t->SetFormat(FTimeFormat);
    t->setFont(font());
    const int a = QFontMetrics(font()).horizontalAdvance(t->text().left(255)) + 31;
    const int W = width(), H = height();
    if (VxXPVS().ThemedDrawing())
        t->setGeometry(MetroPaintingActive() ? QRect(W - a - 21, 1, a, H - 2) : QRect(W - a - 34, 1, a, H - 2));
    else
        t->setGeometry(W - a - 21, 2, a, H - 4);
    t->show();
}

void TVxDateTimePicker::SetTimeFormat(const QString& value)
{
    if (FTimePicker)
        FTimePicker->SetFormat(value);
    if (FKind == TVxDateTimeKind::dkTime)
        SetFormat(value);
    FTimeFormat = value;
    LayoutTimePicker();
}

void TVxDateTimePicker::SetAutoTab(bool value)
{
    TCustomDateTimePicker::SetAutoTab(value);
    if (FTimePicker)
        FTimePicker->SetAutoTab(value);
}

void TVxDateTimePicker::SetBorderStyle(TBorderStyle value)
{
    TCustomDateTimePicker::SetBorderStyle(value);
    LayoutTimePicker();
}

void TVxDateTimePicker::SetColor(TColor value)
{
    TCustomDateTimePicker::SetColor(value);
    LayoutTimePicker();
}

void TVxDateTimePicker::SetLabelFont(const TFont& value)
{
    if (!ParentFont())
        FLabel->SetFont(value);
}

void TVxDateTimePicker::EnableTimePart()
{
    if (ShowCheckbox() && FTimePicker)
        FTimePicker->setEnabled(isEnabled() && Checked());
}

TDateTime TVxDateTimePicker::DateTime() const
{
    if (!FTimePicker)
        return PickerDateTime();
    // The time part's time counts.
    const TDateTime own = PickerDateTime();
    const TDateTime t = FTimePicker->PickerDateTime();
    return std::floor(own) + (t - std::floor(t));
}

void TVxDateTimePicker::SetDateTime(TDateTime value)
{
    const QTime t = FromDateTime(value).time();
    const TDateTime time = QTime(t.hour(), t.minute(), t.second()).msecsSinceStartOfDay() / 86400000.0;
    const TDateTime v = std::trunc(value) + time;
    SetPickerDateTime(v);
    if (ShowCheckbox() && FTimePicker) {
        EnableTimePart();
        FIgnoreTimePickerCheck = FTimePicker->isEnabled();
    }
    CreateTimePicker();
    if (FTimePicker)
        FTimePicker->SetPickerDateTime(v);
}

TDateTime TVxDateTimePicker::Date() const
{
    return std::floor(PickerDateTime());
}

void TVxDateTimePicker::SetDate(TDateTime value)
{
    const TDateTime now = PickerDateTime();
    SetDateTime(std::trunc(value) + (now - std::floor(now)));
}

TDateTime TVxDateTimePicker::Time() const
{
    const TDateTime v =
        FTimePicker && FKind == TVxDateTimeKind::dkDateTime ? FTimePicker->PickerDateTime() : PickerDateTime();
    return v - std::floor(v);
}

void TVxDateTimePicker::SetTime(TDateTime value)
{
    const TDateTime own = PickerDateTime();
    SetPickerDateTime(std::floor(own) + (value - std::floor(value)));
    LayoutTimePicker();
}

void TVxDateTimePicker::KeyPress(QChar& Key)
{
    if (Key >= QLatin1Char('0') && Key <= QLatin1Char('9') && AutoTab()) {
        const QDate d = date();
        Fy = std::uint16_t(d.year());
        Fm = std::uint16_t(d.month());
        Fd = std::uint16_t(d.day());
    }
    TCustomDateTimePicker::KeyPress(Key);
}

void TVxDateTimePicker::CheckAutoTab()
{
    if (FKind == TVxDateTimeKind::dkTime) {
        TCustomDateTimePicker::CheckAutoTab();
        return;
    }
    const QDate d = date();
    const bool dc = d.day() != Fd, mc = d.month() != Fm, yc = d.year() != Fy;
    auto toTime = [this] {
        if (FTimePicker)
            FTimePicker->setFocus(Qt::TabFocusReason);
    };
    const QString format = Format();
    if (!format.isEmpty()) {
        const QChar c = format.back();
        if ((dc && c.toLower() == QLatin1Char('d')) || (mc && c.toLower() == QLatin1Char('m')) ||
            (yc && c.toLower() == QLatin1Char('y')))
            toTime();
        else if (dc || mc || yc)
            NextField();
    } else if (dc || mc) {
        NextField();
    } else if (yc) {
        toTime();
    }
}

void TVxDateTimePicker::Change()
{
    TCustomDateTimePicker::Change();
    if (ShowCheckbox() && !FIgnoreTimePickerCheck)
        EnableTimePart();
    FIgnoreTimePickerCheck = false;
}

void TVxDateTimePicker::TimePickerKeyPress(QObject*, QChar&) {}

void TVxDateTimePicker::changeEvent(QEvent* e)
{
    TCustomDateTimePicker::changeEvent(e);
    if (e->type() == QEvent::EnabledChange && FTimePicker)
        FTimePicker->setEnabled(isEnabled());
}

void TVxDateTimePicker::resizeEvent(QResizeEvent* e)
{
    TCustomDateTimePicker::resizeEvent(e);
    LayoutTimePicker();
}

void TVxDateTimePicker::paintEvent(QPaintEvent* e)
{
    TCustomDateTimePicker::paintEvent(e);
    if (FFirstRun) {
        FFirstRun = false;
        LayoutTimePicker();
    }
}
