#include "widgets/dropdown/VxTimePickerDropDown.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/model/GridText.h"
#include "platform/DateTimePicker.h"
#include "widgets/dropdown/DropDownForm.h"
#include <QGuiApplication>
#include <QVBoxLayout>

namespace {
enum { kHour, kMinute, kSecond };

QString TwoDigits(int Value)
{
    return QString::number(Value).rightJustified(2, u'0');
}

QString BlanksToZeros(QString Text)
{
    return Text.replace(u' ', u'0');
}

// Its first two characters, where present, are digits.
bool IsDigitPair(const QString& Part)
{
    for (qsizetype i = 0; i < std::min<qsizetype>(2, Part.size()); ++i)
        if (Part[i] < u'0' || Part[i] > u'9')
            return false;
    return true;
}

// A separator with text after it, then with seconds exactly one more, without none.
bool IsTimeLayout(const QString& Text, QChar Separator, bool Seconds)
{
    const QStringList parts = Text.split(Separator);
    if (parts.size() != (Seconds ? 3 : 2))
        return false;
    return std::all_of(parts.begin() + 1, parts.end(), [](const QString& p) { return !p.isEmpty(); });
}

bool HeldBack(std::uint16_t Key)
{
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

// PageUp, PageDown, Up and Down of the pop-up reach the edit only with Alt.
bool ReachesEdit(std::uint16_t Key, TShiftState Shift)
{
    return !HeldBack(Key) || Shift.testFlag(TShiftStateItem::ssAlt);
}

QTime ToQTime(TDateTime T)
{
    int h, m, s, ms;
    DecodeTime(T, h, m, s, ms);
    return QTime(h, m, s, ms);
}
} // namespace

TVxTimePickerDropDown::TVxTimePickerDropDown(QWidget* AOwner)
    : TVxCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>())
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    FInternalCall = true;
    ApplyMask();
    TVxCustomDropDown::SetText(FormatTimeText(0, 0, 0));
    FInternalCall = false;
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
}

TVxTimePickerDropDown::~TVxTimePickerDropDown() = default;

QString TVxTimePickerDropDown::FormatTimeText(int Hour, int Minute, int Second) const
{
    const QChar sep = TimeSeparatorChar();
    QString text = TwoDigits(Hour) + sep + TwoDigits(Minute);
    if (FShowSeconds)
        text += sep + TwoDigits(Second);
    return text;
}

void TVxTimePickerDropDown::ApplyMask()
{
    // An optional and a required hour digit, two required digits for minutes and seconds; blanks are spaces.
    const QChar sep = TimeSeparatorChar();
    QString mask = QStringLiteral("09") + sep + QStringLiteral("99");
    if (FShowSeconds)
        mask += sep + QStringLiteral("99");
    setInputMask(mask + QStringLiteral("; "));
}

void TVxTimePickerDropDown::SetComponentStyle(TZarnStyle AStyle)
{
    TVxCustomDropDown::SetComponentStyle(AStyle);
    ApplyWatchColors(*FWatchAppearance, AStyle);
}

// ---- the value ----

void TVxTimePickerDropDown::WriteTime(TDateTime value)
{
    FTime = value;
    int h, m, s, ms;
    DecodeTime(value, h, m, s, ms);
    // Written as the value a cancelled pop-up returns to, so that cancelling keeps this time.
    TVxCustomDropDown::SetText(FormatTimeText(h, m, s));
    if (DroppedDown() && FVxWatch)
        FVxWatch->SetTime(FTime);
    if (DroppedDown() && FShowTimePicker && FDateTimePicker)
        FDateTimePicker->setTime(ToQTime(FTime));
}

void TVxTimePickerDropDown::SetTime(TDateTime value)
{
    if (value != FTime)
        WriteTime(value);
}

void TVxTimePickerDropDown::SetShowSeconds(bool value)
{
    if (value == FShowSeconds)
        return;
    FShowSeconds = value;
    FInternalCall = true;
    setInputMask(QString());
    SetEditText(QString());
    FInternalCall = false;
    ApplyMask();
    WriteTime(FTime);
}

void TVxTimePickerDropDown::SetTimePart(int Part, int Value)
{
    int parts[4];
    DecodeTime(FTime, parts[kHour], parts[kMinute], parts[kSecond], parts[3]);
    if (parts[Part] == Value || Value < 0 || Value > (Part == kHour ? 23 : 59))
        return;
    parts[Part] = Value;
    TDateTime t = 0;
    TryEncodeTime(parts[kHour], parts[kMinute], parts[kSecond], parts[3], t);
    SetTime(t);
    if (OnTimeChange)
        OnTimeChange(this);
}

void TVxTimePickerDropDown::SetTimeHour(int H)
{
    SetTimePart(kHour, H);
}

void TVxTimePickerDropDown::SetTimeMinute(int M)
{
    SetTimePart(kMinute, M);
}

void TVxTimePickerDropDown::SetTimeSecond(int S)
{
    SetTimePart(kSecond, S);
}

void TVxTimePickerDropDown::Change()
{
    TVxCustomDropDown::Change();
    const QString text = displayText();
    const QChar sep = TimeSeparatorChar();
    if (text.isEmpty() || text.trimmed().size() != (FShowSeconds ? 8 : 5) || FInternalCall ||
        !IsTimeLayout(text, sep, FShowSeconds))
        return;
    const QStringList parts = BlanksToZeros(text).split(sep);
    int values[3] = {0, 0, 0};
    for (int i = 0; i < int(parts.size()); ++i) {
        const QString part = parts[i].trimmed();
        if (!IsDigitPair(part))
            return;
        values[i] = part.isEmpty() ? 0 : part.toInt();
    }
    TDateTime t = 0;
    if (!TryEncodeTime(values[kHour], values[kMinute], values[kSecond], 0, t))
        return;
    FTime = t;
    const QString formatted = FormatTimeText(values[kHour], values[kMinute], values[kSecond]);
    if (formatted != text && values[kMinute] == 0 && values[kSecond] == 0) {
        FInternalCall = true;
        SetEditText(formatted);
        FInternalCall = false;
    }
}

// ---- keys ----

bool TVxTimePickerDropDown::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const std::uint16_t key = Key;
    const bool passOn = TVxCustomDropDown::EditKeyDown(Key, Shift);
    const bool altDown = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
    if ((key != VK_UP && key != VK_DOWN) || altDown || Shift.testFlag(TShiftStateItem::ssAlt) ||
        Shift.testFlag(TShiftStateItem::ssCtrl))
        return passOn;
    const int p = cursorPosition();
    int parts[4];
    DecodeTime(FTime, parts[kHour], parts[kMinute], parts[kSecond], parts[3]);
    const QString text = displayText();
    const QChar sep = TimeSeparatorChar();
    const int a = int(text.indexOf(sep)) + 1;
    int field = kHour;
    if (p >= a) {
        const int b = int(text.mid(a).indexOf(sep)) + 1;
        field = b > 0 && p - a >= b && FShowSeconds ? kSecond : kMinute;
    }
    const int last = field == kHour ? 23 : 59;
    int value = parts[field];
    // Up lowers the field and Down raises it, each wrapping round without carrying.
    if (key == VK_UP)
        value = value == 0 ? last : value - 1;
    else
        value = value == last ? 0 : value + 1;
    SetTimePart(field, value);
    setCursorPosition(p);
    return passOn;
}

void TVxTimePickerDropDown::ClockKey(std::uint16_t Key)
{
    if (FVxWatch && DropDownForm() && DropDownForm()->isVisible())
        FVxWatch->WatchKeyDown(Key);
}

void TVxTimePickerDropDown::DoFormKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (ReachesEdit(Key, Shift))
        TVxCustomDropDown::DoFormKeyDown(Key, Shift);
    ClockKey(Key);
}

void TVxTimePickerDropDown::DoFormKeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (ReachesEdit(Key, Shift))
        TVxCustomDropDown::DoFormKeyUp(Key, Shift);
}

void TVxTimePickerDropDown::DoControlKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (ReachesEdit(Key, Shift))
        TVxCustomDropDown::DoControlKeyDown(Key, Shift);
    ClockKey(Key);
}

void TVxTimePickerDropDown::DoControlKeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (ReachesEdit(Key, Shift))
        TVxCustomDropDown::DoControlKeyUp(Key, Shift);
}

void TVxTimePickerDropDown::DoControlKeyPress(QChar& Key)
{
    if (!HeldBack(Key.unicode()) || QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier))
        TVxCustomDropDown::DoControlKeyPress(Key);
}

// ---- the pop-up ----

void TVxTimePickerDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (!FPanelCtrl) {
        FPanelCtrl = new QWidget(DropDownForm());
        FPanelCtrl->setAutoFillBackground(true);
        auto* layout = new QVBoxLayout(FPanelCtrl);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    if (!FVxWatch) {
        FVxWatch = new TVxWatch(FPanelCtrl);
        FPanelCtrl->layout()->addWidget(FVxWatch);
    }
    FPanelCtrl->show();
    SetControl(FPanelCtrl);
    FPanelCtrl->setGeometry(0, 0, FPanelCtrl->width(), 180);
}

void TVxTimePickerDropDown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    FPanelCtrl->resize(170, 170);
    DropDownForm()->SetCancelOnDeActivate(false);
    QPalette palette = FPanelCtrl->palette();
    palette.setColor(QPalette::Window, ToQColor(DropDownColor()));
    FPanelCtrl->setPalette(palette);
    FVxWatch->SetAppearance(*FWatchAppearance);
    FVxWatch->SetSettings(*FWatchSettings);
    FVxWatch->SetShowAMPM(FShowWatchAMPM);
    FVxWatch->SetShowNumbers(FShowWatchNumbers);
    FVxWatch->SetAnimation(FAnimation);
    FVxWatch->SetAnimationFactor(FAnimationFactor);
    FVxWatch->OnChange = nullptr;
    if (!FWatchSettings->Auto())
        FVxWatch->SetTime(FTime);
    FVxWatch->OnChange = [this](QObject*) { WatchChange(); };
    if (!FShowTimePicker) {
        if (FDateTimePicker)
            FDateTimePicker->hide();
        return;
    }
    if (!FDateTimePicker) {
        FDateTimePicker = new TDateTimePicker(FPanelCtrl);
        FDateTimePicker->SetKind(TDateTimeKind::dtkTime);
        FPanelCtrl->layout()->addWidget(FDateTimePicker);
    }
    FDateTimePicker->show();
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->setTime(ToQTime(FTime));
    FDateTimePicker->raise();
    FDateTimePicker->OnChange = [this](QObject*) { PickerChange(); };
    FDateTimePicker->OnKeyDown = [this](QObject*, std::uint16_t& Key, TShiftState Shift) { DoControlKeyDown(Key, Shift); };
    FDateTimePicker->OnKeyPress = [this](QObject*, QChar& Key) { DoControlKeyPress(Key); };
    FDateTimePicker->SetFormat(FShowSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    FPanelCtrl->resize(170, FDateTimePicker->sizeHint().height() + 170);
}

void TVxTimePickerDropDown::WatchChange()
{
    if (FShowTimePicker && FDateTimePicker && FDateTimePicker->isVisible()) {
        const QTime shown = ToQTime(FVxWatch->Time());
        if (FDateTimePicker->time() != shown) {
            FDateTimePicker->OnChange = nullptr;
            FDateTimePicker->setTime(shown);
            FDateTimePicker->OnChange = [this](QObject*) { PickerChange(); };
            if (OnTimeChange)
                OnTimeChange(this);
        }
    }
    SetTime(FVxWatch->Time());
}

void TVxTimePickerDropDown::PickerChange()
{
    if (FWatchSettings->Auto())
        return;
    FVxWatch->SetTime(FDateTimePicker->time().msecsSinceStartOfDay() / 86400000.0);
}

void TVxTimePickerDropDown::DoHideDropDown(bool Cancelled)
{
    if (!DroppedDown() || !FVxWatch)
        return TVxCustomDropDown::DoHideDropDown(Cancelled);
    // The clock stops reporting once closed; cancelled, it is set back before the closing takes its time.
    FVxWatch->OnChange = nullptr;
    if (Cancelled)
        FVxWatch->SetTime(FTime);
    TVxCustomDropDown::DoHideDropDown(Cancelled);
    if (!Cancelled)
        SetTime(FVxWatch->Time());
}

void TVxTimePickerDropDown::AfterHideDropDown()
{
    TVxCustomDropDown::AfterHideDropDown();
    if (FVxWatch)
        SetTime(FVxWatch->Time());
}
