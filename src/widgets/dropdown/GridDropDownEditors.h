#pragma once
// The drop-down controls a grid cell is edited with, and the factory through which the grid gets them. The
// program registers the factory at start-up; without it the drop-down editor kinds open nothing.
#include "grid/core/DropDownEditorFactory.h"
#include "widgets/dropdown/VxMemoDropDown.h"
#include "widgets/dropdown/VxTrackBarDropDown.h"

class TVxStringGrid;

// Binds a drop-down control to the grid that owns it: Enter enters the value (validated) and moves on, Esc
// returns to the cell's text, and losing the focus to anything but its own pop-up ends the edit.
template <typename Control>
class TGridDropDownEditor : public Control, public TDropDownCellEditor {
public:
    explicit TGridDropDownEditor(TVxStringGrid* AGrid);
    QWidget* Widget() override { return this; }

protected:
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    TVxStringGrid* FGrid;
};

class TGridMemoDropDown : public TGridDropDownEditor<TVxMemoDropDown> {
public:
    explicit TGridMemoDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid) {}
    void LoadValue(const QString& Text) override;
    // The memo's lines joined by CR LF.
    QString Value() const override;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TVxTrackBarDropDown> {
public:
    explicit TGridTrackbarDropDown(TVxStringGrid* AGrid);
    // The position is the text's leading whole number, 0 when it has none.
    void LoadValue(const QString& Text) override;
    QString Value() const override { return Text(); }
};

// Makes the memo and track bar editors; the other drop-down kinds have no control yet and open nothing.
void RegisterGridDropDownEditors();
