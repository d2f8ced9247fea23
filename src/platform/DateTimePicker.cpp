#include "platform/DateTimePicker.h"
#include "platform/LocaleFormats.h"
#include "platform/MaskEdit.h"
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TMonthCalendar::TMonthCalendar(QWidget* AOwner) : QCalendarWidget(AOwner)
{
    FToday = new QToolButton(this);
    FToday->setAutoRaise(true);
    if (auto* box = qobject_cast<QVBoxLayout*>(layout()))
        box->addWidget(FToday);
    connect(FToday, &QToolButton::clicked, this, [this] {
        const QDate today = QDate::currentDate();
        setSelectedDate(today);
        emit clicked(today);
    });
}

bool TMonthCalendar::ShowToday() const
{
    return !FToday->isHidden();
}

void TMonthCalendar::SetShowToday(bool value)
{
    FToday->setVisible(value);
}

void TMonthCalendar::showEvent(QShowEvent* e)
{
    FToday->setText(tr("Today: %1").arg(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));
    QCalendarWidget::showEvent(e);
}

TDateTimePicker::TDateTimePicker(QWidget* AOwner) : QDateTimeEdit(AOwner)
{
    FCalendar = new TMonthCalendar;
    setCalendarPopup(true);
    setCalendarWidget(FCalendar);
    setDateTime(QDateTime::currentDateTime());
    ApplyFormat();
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] { Change(); });
    connect(FCalendar, &QCalendarWidget::clicked, this, [this] {
        if (OnCloseUp)
            OnCloseUp(this);
    });
}

void TDateTimePicker::SetKind(TDateTimeKind value)
{
    FKind = value;
    ApplyFormat();
}

void TDateTimePicker::SetFormat(const QString& value)
{
    FFormat = value;
    ApplyFormat();
}

void TDateTimePicker::ApplyFormat()
{
    const bool date = FKind == TDateTimeKind::dtkDate;
    const QDateTime keep = dateTime();
    setDisplayFormat(!FFormat.isEmpty() ? FFormat : date ? ShortDateFormat() : LongTimeFormat());
    setCalendarPopup(date);
    setDateTime(keep);
    KindApplied();
}

void TDateTimePicker::SetDateTimeValue(const QDateTime& value)
{
    setDateTime(value);
}

void TDateTimePicker::SetShowCheckbox(bool value)
{
    if (value == ShowCheckbox())
        return;
    if (value) {
        FCheckBox = new QCheckBox(this);
        FCheckBox->setChecked(true);
        FCheckBox->setFocusPolicy(Qt::NoFocus);
        connect(FCheckBox, &QCheckBox::toggled, this, [this](bool on) {
            lineEdit()->setEnabled(on);
            Change();
        });
        FCheckBox->show();
    } else {
        delete FCheckBox;
        FCheckBox = nullptr;
        lineEdit()->setEnabled(true);
    }
    PlaceCheckBox();
}

bool TDateTimePicker::Checked() const
{
    return !FCheckBox || FCheckBox->isChecked();
}

void TDateTimePicker::SetChecked(bool value)
{
    if (FCheckBox)
        FCheckBox->setChecked(value);
}

void TDateTimePicker::PlaceCheckBox()
{
    if (!FCheckBox) {
        lineEdit()->setTextMargins(0, 0, 0, 0);
        return;
    }
    const QSize box = FCheckBox->sizeHint();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    FCheckBox->setGeometry(frame + 1, (height() - box.height()) / 2, box.width(), box.height());
    lineEdit()->setTextMargins(box.width() + 2, 0, 0, 0);
}

bool TDateTimePicker::DroppedDown() const
{
    return FCalendar->isVisible();
}

void TDateTimePicker::SetColor(TColor value)
{
    FColor = value;
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(value));
    setPalette(p);
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TDateTimePicker::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TDateTimePicker::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TDateTimePicker::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TDateTimePicker::keyPressEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0) {
        KeyDown(key, ShiftStateFromQt(e->modifiers(), QApplication::mouseButtons()));
        if (key == 0)
            return;
    }
    QChar ch = ToolkitCharOf(e);
    if (!ch.isNull()) {
        KeyPress(ch);
        if (ch.isNull())
            return;
    }
    QDateTimeEdit::keyPressEvent(e);
}

void TDateTimePicker::focusInEvent(QFocusEvent* e)
{
    QDateTimeEdit::focusInEvent(e);
    if (e->reason() != Qt::PopupFocusReason)
        DoEnter();
}

void TDateTimePicker::focusOutEvent(QFocusEvent* e)
{
    QDateTimeEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason)
        DoExit();
}

void TDateTimePicker::mousePressEvent(QMouseEvent* e)
{
    const bool wasDown = DroppedDown();
    QDateTimeEdit::mousePressEvent(e);
    if (!wasDown && DroppedDown() && OnDropDown)
        OnDropDown(this);
    if (OnClick)
        OnClick(this);
}

void TDateTimePicker::resizeEvent(QResizeEvent* e)
{
    QDateTimeEdit::resizeEvent(e);
    PlaceCheckBox();
}
