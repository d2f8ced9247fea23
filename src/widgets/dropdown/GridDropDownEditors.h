#pragma once
// The drop-down controls a grid cell is edited with, and the factory through which the grid gets them. The
// program registers the factory at start-up; without it the drop-down editor kinds open nothing.
#include "grid/core/DropDownEditorFactory.h"
#include "widgets/dropdown/VxCalculatorDropdown.h"
#include "widgets/dropdown/VxColorPickerDropDown.h"
#include "widgets/dropdown/VxCustomGridDropDown.h"
#include "widgets/dropdown/VxDetailDropDown.h"
#include "widgets/dropdown/VxImagePickerDropDown.h"
#include "widgets/dropdown/VxMemoDropDown.h"
#include "widgets/dropdown/VxMultiColumnDropDown.h"
#include "widgets/dropdown/VxTimePickerDropDown.h"
#include "widgets/dropdown/VxTrackBarDropDown.h"

class TVxStringGrid;

// Binds a drop-down control to the grid that owns it: Enter, Up and Down enter the value (validated) and move
// on, Tab does so when the grid handles Tab for its cells, Page Up and Page Down enter it unvalidated, Esc
// returns to the value given at the opening and writes nothing, and losing the focus to anything but its own
// pop-up ends the edit. While the pop-up is open its keys belong to the control.
template <typename Control>
class TGridDropDownEditor : public Control, public TDropDownCellEditor {
public:
    explicit TGridDropDownEditor(TVxStringGrid* AGrid);
    QWidget* Widget() override { return this; }
    void LoadCell(int ACol, int ARow, const QString& Text) final;
    void CommitCell(int ACol, int ARow) final;

protected:
    // The kind's own reading and writing of the cell; by default its edit text.
    virtual void Load(int ACol, int ARow, const QString& Text);
    virtual void Commit(int ACol, int ARow);
    virtual QString Value() const { return this->Text(); }
    // The keys that end the edit while the pop-up is closed, and those of them whose value is validated first.
    virtual bool LeavesOn(std::uint16_t Key) const;
    virtual bool ValidatesOn(std::uint16_t Key) const;
    virtual void BeforeEnter() {}

    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;
    void Change() override;
    bool event(QEvent* e) override;

    TVxStringGrid* FGrid;

private:
    bool GridHandlesTab() const;
    bool Accepted(bool CaretAtEnd);
    void ReopenAfterMove();

    int FOpenCol = -1;
    int FOpenRow = -1;
    QString FOpenText;
    bool FLoading = false;
    bool FCancelled = false;
};

class TGridMemoDropDown : public TGridDropDownEditor<TVxMemoDropDown> {
public:
    explicit TGridMemoDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid) {}

protected:
    // The memo's lines joined by CR LF.
    QString Value() const override;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TVxTrackBarDropDown> {
public:
    explicit TGridTrackbarDropDown(TVxStringGrid* AGrid);

protected:
    // The position is the text's leading whole number, 0 when it has none.
    void Load(int ACol, int ARow, const QString& Text) override;
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TVxCalculatorDropdown> {
public:
    explicit TGridCalculatorDropDown(TVxStringGrid* AGrid);

protected:
    void BeforeEnter() override { CalcResult(); }
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TVxTimePickerDropDown> {
public:
    explicit TGridTimepickerDropDown(TVxStringGrid* AGrid);
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TVxDetailDropDown> {
public:
    explicit TGridDetailPickerDropDown(TVxStringGrid* AGrid);

protected:
    // The item whose caption is the text is selected.
    void Load(int ACol, int ARow, const QString& Text) override;
};

// The multi-column list: the application fills its columns and items when the grid asks for the editor's
// properties; the item whose lookup text is the cell's is selected, item 0 for an empty cell.
class TGridGridDropDown : public TGridDropDownEditor<TVxMultiColumnDropDown> {
public:
    explicit TGridGridDropDown(TVxStringGrid* AGrid);

protected:
    void Load(int ACol, int ARow, const QString& Text) override;
};

// A whole grid in the pop-up; in item mode the item whose lookup text begins with the cell's is selected, item 0
// for an empty cell. The embedded grid keeps its header row even without data rows.
class TGridVxGridDropDown : public TGridDropDownEditor<TCustomVxGridDropDown> {
public:
    explicit TGridVxGridDropDown(TVxStringGrid* AGrid);
    VxGridDropDown::TVxColGrid* Grid() const { return GetGrid(); }

protected:
    void Load(int ACol, int ARow, const QString& Text) override;
};

// Edits the shape colour of a shape cell, else the cell's background colour; the colour's text becomes the
// cell's text.
class TGridColorDropDown : public TGridDropDownEditor<TVxColorPickerDropDown> {
public:
    explicit TGridColorDropDown(TVxStringGrid* AGrid);

protected:
    void Load(int ACol, int ARow, const QString& Text) override;
    void Commit(int ACol, int ARow) override;
    bool LeavesOn(std::uint16_t Key) const override;
    bool ValidatesOn(std::uint16_t Key) const override;
};

// Edits the image index of an image-list cell or the value of a data-image cell, from the grid's images; a cell
// of any other type is left as it is.
class TGridImageDropDown : public TGridDropDownEditor<TVxImagePickerDropDown> {
public:
    explicit TGridImageDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid) {}

protected:
    void Load(int ACol, int ARow, const QString& Text) override;
    void Commit(int ACol, int ARow) override;
    // Its value is an index, not text: no key writes the shown caption into the cell to validate it.
    bool ValidatesOn(std::uint16_t) const override { return false; }
};

// Makes one editor per drop-down kind that has a control.
void RegisterGridDropDownEditors();
