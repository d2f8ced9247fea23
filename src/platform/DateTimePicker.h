#pragma once
// The toolkit's date-time picker over QDateTimeEdit: a date with a drop-down month calendar (whose footer
// shows and picks today) or a time with up/down stepping, an optional check box inside at the left that
// switches the value off, and the toolkit's key, change and drop-down events.
#include "platform/CustomControl.h"
#include <QCalendarWidget>
#include <QDateTimeEdit>

class QCheckBox;
class QToolButton;

enum class TDateTimeKind { dtkDate, dtkTime };

// The month calendar of the picker's drop-down, with a "Today" footer.
class TMonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit TMonthCalendar(QWidget* AOwner = nullptr);
    bool ShowToday() const;
    void SetShowToday(bool value);
    QToolButton* TodayButton() const { return FToday; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QToolButton* FToday;
};

class TDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TDateTimePicker(QWidget* AOwner = nullptr);

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind value);
    // A Qt display format; empty means the locale's short date or long time.
    QString Format() const { return FFormat; }
    void SetFormat(const QString& value);
    QDateTime DateTimeValue() const { return dateTime(); }
    void SetDateTimeValue(const QDateTime& value);
    bool ShowCheckbox() const { return FCheckBox != nullptr; }
    void SetShowCheckbox(bool value);
    // Without a check box always true.
    bool Checked() const;
    void SetChecked(bool value);
    QCheckBox* CheckBox() const { return FCheckBox; }
    TMonthCalendar* Calendar() const { return FCalendar; }
    bool DroppedDown() const;
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    // The text field inside the control.
    QLineEdit* Edit() const { return lineEdit(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

protected:
    // The value or the check box changed.
    virtual void Change();
    virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void DoEnter();
    virtual void DoExit();
    // The kind was applied to the control (format, calendar).
    virtual void KindApplied() {}

    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ApplyFormat();
    void PlaceCheckBox();

    TDateTimeKind FKind = TDateTimeKind::dtkDate;
    QString FFormat;
    QCheckBox* FCheckBox = nullptr;
    TMonthCalendar* FCalendar;
    TColor FColor = clWindow;
};
