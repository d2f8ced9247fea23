#pragma once
// A numeric drop-down edit whose pop-up holds the calculator key pad: an immediate-execution four-function
// calculator with memory, percent, square root, reciprocal, sign change, back-space and clear, and no
// operator precedence. The number lives in the edit's text: every key reads the shown text, computes and
// writes the result back, which the edit formats by its type and Precision.
//
// A text that is no number (typed by the user) leaves the running result, the pending operation and the
// memory as they were: the key that needed the number does nothing.
#include "widgets/dropdown/VxCalculatorKeyPad.h"
#include "widgets/dropdown/VxDropDown.h"
#include <memory>

class TVxCalculatorDropdown : public TVxCustomDropDown {
public:
    explicit TVxCalculatorDropdown(QWidget* AOwner = nullptr);
    ~TVxCalculatorDropdown() override;

    TButtonAppearance& CalcButtonAppearance() const { return *FCalcButtonAppearance; }
    void SetCalcButtonAppearance(const TButtonAppearance& value) { FCalcButtonAppearance->Assign(value); }
    // Money type with thousand separators, or plain float.
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool value);
    // The text as a number (thousand separators removed); a text that is no number reads as 0.
    long double Value();
    void SetValue(long double value);
    // As the "=" key.
    void CalcResult() { DoEqual(); }
    TCustomButtonPanel* ButtonPanel() const { return FVxButtonPanel; }
    // The memory, which MC, MR, MS and M+ work on.
    long double Memory() const { return FMVal; }

    void SetComponentStyle(TZarnStyle AStyle) override;
    void DoFormKeyPress(QChar& Key) override;
    void DoFormKeyDown(std::uint16_t& Key, TShiftState Shift) override;

protected:
    // Runs before each key of the pad and each character typed in the open pop-up.
    virtual void BeforeCalcKey() {}
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The pad's click: the key's Tag says what it does.
    void CalcButtonClick(int Index);
    // The characters of the edit: operators while the pop-up is closed, then the number filter. Key is
    // cleared when consumed.
    void CalcKeyPress(QChar& Key);
    // The characters of the open pop-up, after the edit has had them.
    void CalcFormKeyPress(QChar Key);
    // The shown value, strictly: false when the text is no number.
    bool ShownValue(long double& Value) const;
    // An empty or "Error" text becomes "0".
    void ZeroIfEmptyOrError();
    bool DoCalc();
    bool DoOperator(int Operation);
    bool DoEqual();
    bool DoPercent();
    void Clear();
    bool PopupShowing() const;

    TCustomButtonPanel* FVxButtonPanel = nullptr;
    int FDecim = 0;
    bool FNewval = false;
    long double FPrevval = 0;
    int FPrevop = -1;
    bool FCalcClosed = true;
    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    long double FMVal = 0;
    bool FShowThousandSeparator = false;
    bool FStyled = false;
};
