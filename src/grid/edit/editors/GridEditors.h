#pragma once
// The grid's special editor controls: each a base control that reports its value, its ending keys and its
// loss of focus to the grid that owns it. The grid opens and commits them (GridEditControls.cpp).
#include "grid/edit/editors/VXGEdit.h"
#include "grid/edit/editors/VxgCombo.h"
#include "grid/edit/editors/VxgDateTimePicker.h"
#include "grid/edit/editors/vxgspin.h"
#include <QCheckBox>
#include <QPushButton>
#include <utility>

class TVxStringGrid;

// The date an opened date editor shows for a cell's date: a date inside [MinDate, MaxDate] stays as it is,
// its limits included; one outside is brought to the nearer limit. A zero limit is no limit.
TDateTime DateForPicker(TDateTime Value, TDateTime MinDate, TDateTime MaxDate);

class TGridCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TGridCheckBox(TVxStringGrid* AGrid);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    TVxStringGrid* FGrid;
};

class TGridCombo : public TVxgComboBox {
    Q_OBJECT
public:
    explicit TGridCombo(TVxStringGrid* AGrid);
    bool WorkMode() const { return FWorkMode; }
    int ItemIdx() const { return FItemIdx; }
    bool ItemChange() const { return FItemChange; }
    void SizeDropDownWidth();
    // Selects the item after (Down) or before the current one, not past the ends, and reports it.
    void WheelStep(bool Down);
    // Escape is ending the edit: the cell keeps what it held, also a text the list does not hold.
    bool Cancelled() const { return FCancelled; }
    void hidePopup() override;
    TNotifyEvent OnReturnKey;

protected:
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;
    void wheelEvent(QWheelEvent* e) override;
    bool event(QEvent* e) override;

private:
    bool IsList() const { return Style() == TComboBoxStyle::csDropDownList; }
    void ReportChange();
    void AutoComplete();
    void TakeListChoice();
    bool FForced = false;
    bool FCancelled = false;
    bool FListClosing = false;   // the list is closing: an item activated now was chosen in it
    bool FWorkMode = true;
    int FItemIdx = -1;
    bool FItemChange = false;
    TVxStringGrid* FGrid;
};

class TGridEditBtn : public TVxgEditBtn {
    Q_OBJECT
public:
    explicit TGridEditBtn(TVxStringGrid* AGrid);
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool value) { FStopEditAfterClick = value; }

protected:
    void DoClickBtn(QObject* Sender) override;
    void WMChar(QChar& Key, bool Keypad) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;
    void Change() override;
    bool event(QEvent* e) override;

private:
    TVxStringGrid* FGrid;
    bool FStopEditAfterClick = false;
};

class TGridUnitEditBtn : public TVxgUnitEditBtn {
    Q_OBJECT
public:
    explicit TGridUnitEditBtn(TVxStringGrid* AGrid);

protected:
    void WMChar(QChar& Key, bool Keypad) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;
    bool event(QEvent* e) override;

private:
    TVxStringGrid* FGrid;
};

class TGridSpin : public TVxgSpinEdit {
    Q_OBJECT
public:
    explicit TGridSpin(TVxStringGrid* AGrid);

protected:
    bool WMKeyDown(std::uint16_t Key, TShiftState Shift) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;
    void Change() override;
    bool event(QEvent* e) override;

private:
    TVxStringGrid* FGrid;
};

class TGridDatePicker : public TVxgDateTimePicker {
    Q_OBJECT
public:
    explicit TGridDatePicker(TVxStringGrid* AGrid);

protected:
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool event(QEvent* e) override;

private:
    TVxStringGrid* FGrid;
};

class TGridButton : public QPushButton {
    Q_OBJECT
public:
    explicit TGridButton(TVxStringGrid* AGrid);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Press();
    TVxStringGrid* FGrid;
};
