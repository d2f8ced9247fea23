#pragma once
// The grid's drop-down cell editors live in the drop-down library, which stands on the grid. The grid
// therefore asks for them through the factory that library registers at start-up, never by name.
#include <QString>
#include <memory>

class QWidget;
enum class TEditorType;

// A drop-down control editing one cell: the grid loads the cell into it and has it commit its value. Columns
// are real column indexes.
class TDropDownCellEditor {
public:
    virtual ~TDropDownCellEditor() = default;
    virtual QWidget* Widget() = 0;
    // Fills the editor from cell (ACol, ARow), whose edit text is Text.
    virtual void LoadCell(int ACol, int ARow, const QString& Text) = 0;
    // Writes the editor's value into the cell it was loaded from; an edit cancelled by Esc writes nothing.
    virtual void CommitCell(int ACol, int ARow) = 0;
};

class TDropDownEditorFactory {
public:
    virtual ~TDropDownEditorFactory() = default;
    // A new drop-down editor of `kind` whose widget `grid` owns, or nullptr for a kind this factory does not make.
    virtual TDropDownCellEditor* CreateEditor(TEditorType kind, QWidget* grid) const = 0;
};

// Installs `factory` in place of any earlier one; nullptr removes it.
void RegisterDropDownEditorFactory(std::unique_ptr<TDropDownEditorFactory> factory);

// The editor the registered factory makes for `kind`; nullptr when none is registered or it makes none.
TDropDownCellEditor* CreateDropDownEditor(TEditorType kind, QWidget* grid);
