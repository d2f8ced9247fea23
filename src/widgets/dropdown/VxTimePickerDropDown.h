#pragma once
// A masked time edit whose pop-up shows the analogue clock, optionally with a time picker below it. The value
// is Time; the edit shows its hours, minutes and (by default) seconds joined by the locale time separator.
// Up and Down step the field under the caret, a click on the clock sets the hour or the minute, and closing
// the pop-up takes the clock's time over. A typed time no clock has (an hour above 23, a minute or second
// above 59) is not taken over.
#include "widgets/dropdown/VxDropDown.h"
#include "widgets/dropdown/VxWatch.h"
#include <memory>

class TDateTimePicker;

class TVxTimePickerDropDown : public TVxCustomDropDown {
public:
    explicit TVxTimePickerDropDown(QWidget* AOwner = nullptr);
    ~TVxTimePickerDropDown() override;

    bool Animation() const { return FAnimation; }
    void SetAnimation(bool value) { FAnimation = value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int value) { FAnimationFactor = value; }
    TWatchSettings& WatchSettings() const { return *FWatchSettings; }
    void SetWatchSettings(const TWatchSettings& value) { FWatchSettings->Assign(value); }
    TWatchAppearance& WatchAppearance() const { return *FWatchAppearance; }
    void SetWatchAppearance(const TWatchAppearance& value) { FWatchAppearance->Assign(value); }
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime value);
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool value) { FShowWatchAMPM = value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool value) { FShowWatchNumbers = value; }
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool value) { FShowTimePicker = value; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool value);
    // One part of Time, the others kept; values out of range or equal to the part are ignored.
    void SetTimeHour(int H);
    void SetTimeMinute(int M);
    void SetTimeSecond(int S);
    TVxWatch* Watch() const { return FVxWatch; }
    TDateTimePicker* DateTimePicker() const { return FDateTimePicker; }

    void SetComponentStyle(TZarnStyle AStyle) override;
    void DoFormKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoFormKeyUp(std::uint16_t& Key, TShiftState Shift) override;

    // An arrow key changed a part of Time, or the pop-up's time picker followed the clock.
    TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void AfterHideDropDown() override;
    void DoControlKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyPress(QChar& Key) override;
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void Change() override;

private:
    QString FormatTimeText(int Hour, int Minute, int Second) const;
    void WriteTime(TDateTime value);
    void SetTimePart(int Part, int Value);
    void ApplyMask();
    void WatchChange();
    void PickerChange();
    // The clock's keys after the pop-up's key-down was routed.
    void ClockKey(std::uint16_t Key);

    bool FShowTimePicker = false;
    TVxWatch* FVxWatch = nullptr;
    TDateTimePicker* FDateTimePicker = nullptr;
    QWidget* FPanelCtrl = nullptr;
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    TDateTime FTime = 0;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    bool FInternalCall = false;
    bool FShowSeconds = true;
};
