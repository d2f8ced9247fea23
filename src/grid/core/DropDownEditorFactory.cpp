#include "grid/core/DropDownEditorFactory.h"

namespace {
std::unique_ptr<TDropDownEditorFactory>& Registered()
{
    static std::unique_ptr<TDropDownEditorFactory> factory;
    return factory;
}
} // namespace

void RegisterDropDownEditorFactory(std::unique_ptr<TDropDownEditorFactory> factory)
{
    Registered() = std::move(factory);
}

TDropDownCellEditor* CreateDropDownEditor(TEditorType kind, QWidget* grid)
{
    const auto& factory = Registered();
    return factory ? factory->CreateEditor(kind, grid) : nullptr;
}
