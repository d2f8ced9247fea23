#pragma once
// The grid's drop-down cell editors live in the drop-down library, which stands on the grid. The grid
// therefore asks for them through the factory that library registers at start-up, never by name.
#include <QString>
#include <memory>

class QWidget;
enum class TEditorType;

// A drop-down control editing one cell: the grid loads the cell's text into it and commits its value.
class TDropDownCellEditor {
public:
    virtual ~TDropDownCellEditor() = default;
    virtual QWidget* Widget() = 0;
    virtual void LoadValue(const QString& Text) = 0;
    virtual QString Value() const = 0;
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
