#pragma once
// A single-line edit with a pair of up/down buttons that steps an integer, a float, a date or a time of day,
// filters typed characters by the kind of value and brings the value back into its range on exit.
#include "grid/edit/editors/EditButtonColors.h"
#include "grid/foundation/GridTypes.h"
#include "platform/Canvas.h"
#include "platform/CustomControl.h"
#include "platform/MaskEdit.h"
#include "platform/SpeedButton.h"
#include <QPointer>
#include <memory>

class QTimer;

enum class TVxgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum class TSpinDirection { spVertical, spHorizontal };
enum class TEditAlign { eaLeft, eaRight, eaCenter };
enum class TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum class TTimeBtnStateItem : unsigned { tbFocusRect = 0x1, tbAllowTimer = 0x2 };
Q_DECLARE_FLAGS(TTimeBtnState, TTimeBtnStateItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TTimeBtnState)

class TVxgSpinButton;

// One button of the pair: clicks on release over it and, with tbAllowTimer, repeats while held.
class TVxTimerSpeedButton : public TSpeedButton {
    Q_OBJECT
public:
    explicit TVxTimerSpeedButton(TVxgSpinButton* AOwner);
    ~TVxTimerSpeedButton() override;

    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState value) { FTimeBtnState = value; }
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // The repeat timer, nullptr before the first press.
    QTimer* RepeatTimer() const { return FRepeatTimer.get(); }
    // The repeat timer's expiry: 100 ms from now on; clicks while held down over the button.
    void TimerExpired();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TVxgSpinButton* FOwner;
    std::unique_ptr<QTimer> FRepeatTimer;
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = TButtonDirection::bdUp;
    bool FIsWinXP = false;
    bool FFlat = false;
};

// The up/down button pair, a child of the edit.
class TVxgSpinButton : public TCustomControl, public TEditButtonColors {
    Q_OBJECT
public:
    explicit TVxgSpinButton(QWidget* AOwner = nullptr);

    // Places the pair and lays out its buttons (also while hidden, when Qt holds back resize events).
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TVxTimerSpeedButton* UpButton() const { return FUpButton; }
    TVxTimerSpeedButton* DownButton() const { return FDownButton; }
    TVxTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value) { FFocusControl = value; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);


    const TBitmap& UpGlyph() const { return FUpButton->Glyph(); }
    // A null bitmap puts the built-in arrow back.
    void SetUpGlyph(const TBitmap* value);
    const TBitmap& DownGlyph() const { return FDownButton->Glyph(); }
    void SetDownGlyph(const TBitmap* value);
    int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
    void SetUpNumGlyphs(int value) { FUpButton->SetNumGlyphs(value); }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
    void SetDownNumGlyphs(int value) { FDownButton->SetNumGlyphs(value); }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    TDlgCodes GetDlgCode() const override { return TDlgCode::dlgWantArrows; }
    void resizeEvent(QResizeEvent* e) override;

private:
    void AdjustSize();
    void SetFocusBtn(TVxTimerSpeedButton* Btn);
    void BtnMouseDown(TVxTimerSpeedButton* Btn, TMouseButton Button);
    void BtnClick(TVxTimerSpeedButton* Btn);

    TVxTimerSpeedButton* FUpButton;
    TVxTimerSpeedButton* FDownButton;
    TVxTimerSpeedButton* FFocusedButton;
    QPointer<QWidget> FFocusControl;   // cleared when that control goes
    TSpinDirection FDirection = TSpinDirection::spVertical;
    bool FIsWinXP = false;
    bool FAdjusting = false;
};

class TVxgSpinEdit : public TCustomMaskEdit {
    Q_OBJECT
public:
    explicit TVxgSpinEdit(QWidget* AOwner = nullptr);
    ~TVxgSpinEdit() override;

    int Value() const;
    void SetValue(int NewValue);
    double FloatValue() const;
    void SetFloatValue(double NewValue);
    TDateTime DateValue() const;
    void SetDateValue(TDateTime NewValue);
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime NewValue);

    std::int32_t MinValue() const { return FMinValue; }
    void SetMinValue(std::int32_t value) { FMinValue = value; }
    std::int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(std::int32_t value) { FMaxValue = value; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double value) { FMinFloatValue = value; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double value) { FMaxFloatValue = value; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime value) { FMinDateValue = value; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime value) { FMaxDateValue = value; }
    std::int32_t Increment() const { return FIncrement; }
    void SetIncrement(std::int32_t value) { FIncrement = value; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double value) { FIncrementFloat = value; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double value) { FIncrementFloatPage = value; }
    std::int32_t IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(std::int32_t value) { FIncrementSeconds = value; }
    std::int32_t IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(std::int32_t value) { FIncrementMinutes = value; }
    std::int32_t IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(std::int32_t value) { FIncrementHours = value; }

    TVxgSpinButton* Button() const { return FButton; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    TVxgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TVxgSpinType value);
    std::int32_t Precision() const { return FPrecision; }
    void SetPrecision(std::int32_t value);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    // Whether the last date step found the month before the day in the short date format.
    bool UsDates() const { return FUsDates; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool value) { FShowSeconds = value; }
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign value);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool value);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool value);
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool value) { FAllowEmptyValue = value; }

    // The smallest height that shows the font; a lower height is raised to it.
    int MinimumHeight() const;

    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    virtual bool AcceptChar(QChar Key);

    void WMPaste() override;
    void WMCut() override;

protected:
    virtual void SpinUpClick(QObject* Sender);
    virtual void SpinDownClick(QObject* Sender);

    bool WMKeyDown(std::uint16_t Key, TShiftState Shift) override;
    void WMChar(QChar& Key, bool Keypad) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void SetBorderStyle(TBorderStyle value) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    std::int32_t ClampValue(std::int32_t v) const;
    double ClampFloatValue(double v) const;
    TDateTime ClampDateValue(TDateTime v) const;
    void Step(int Sign, bool Page);
    void SetTextKeepCaret(const QString& text);
    void PlaceButton();
    void AdjustEditRect();

    std::int32_t FMinValue = 0;
    std::int32_t FMaxValue = 100;
    double FMinFloatValue = 0.0;
    double FMaxFloatValue = 100.0;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    std::int32_t FIncrement = 1;
    double FIncrementFloat = 0.1;
    TVxgSpinButton* FButton;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = TSpinDirection::spVertical;
    TVxgSpinType FSpinType = TVxgSpinType::sptNormal;
    std::int32_t FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    std::int32_t FIncrementSeconds = 1;
    std::int32_t FIncrementMinutes = 1;
    std::int32_t FIncrementHours = 1;
    TEditAlign FEditAlign = TEditAlign::eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
};
