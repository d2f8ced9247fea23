#include "grid/core/DropDownEditorFactory.h"
#include "grid/foundation/GridTypes.h"
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
// Makes a line edit for the memo kind only, so a test can tell which kind was asked for.
class MemoOnlyFactory : public TDropDownEditorFactory {
public:
    QWidget* CreateEditor(TEditorType kind, QWidget* grid) const override
    {
        return kind == TEditorType::edMemoDropDown ? new QLineEdit(grid) : nullptr;
    }
};
} // namespace

TEST(DropDownEditorFactory, GridGetsEditorsOnlyFromTheRegisteredFactory)
{
    QWidget grid;
    EXPECT_EQ(CreateDropDownEditor(TEditorType::edMemoDropDown, &grid), nullptr);   // nothing registered

    RegisterDropDownEditorFactory(std::make_unique<MemoOnlyFactory>());
    QWidget* editor = CreateDropDownEditor(TEditorType::edMemoDropDown, &grid);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parent(), &grid);
    EXPECT_EQ(CreateDropDownEditor(TEditorType::edCalculatorDropDown, &grid), nullptr);

    RegisterDropDownEditorFactory(nullptr);
    EXPECT_EQ(CreateDropDownEditor(TEditorType::edMemoDropDown, &grid), nullptr);
}
