#pragma once
// The grid's drop-down cell editors live in the drop-down library, which stands on the grid. The grid
// therefore asks for them through the factory that library registers at start-up, never by name.
#include <memory>

class QWidget;
enum class TEditorType;

class TDropDownEditorFactory {
public:
    virtual ~TDropDownEditorFactory() = default;
    // A new drop-down editor of `kind` owned by `grid`, or nullptr for a kind this factory does not make.
    virtual QWidget* CreateEditor(TEditorType kind, QWidget* grid) const = 0;
};

// Installs `factory` in place of any earlier one; nullptr removes it.
void RegisterDropDownEditorFactory(std::unique_ptr<TDropDownEditorFactory> factory);

// The editor the registered factory makes for `kind`; nullptr when none is registered or it makes none.
QWidget* CreateDropDownEditor(TEditorType kind, QWidget* grid);
