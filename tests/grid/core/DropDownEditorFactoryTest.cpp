#include "grid/core/DropDownEditorFactory.h"
#include "grid/foundation/GridTypes.h"
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
class LineEditor : public QLineEdit, public TDropDownCellEditor {
public:
    using QLineEdit::QLineEdit;
    QWidget* Widget() override { return this; }
    void LoadCell(int, int, const QString& Text) override { setText(Text); }
    void CommitCell(int, int) override {}
};

// Makes an editor for the memo kind only, so a test can tell which kind was asked for.
class MemoOnlyFactory : public TDropDownEditorFactory {
public:
    TDropDownCellEditor* CreateEditor(TEditorType kind, QWidget* grid) const override
    {
        return kind == TEditorType::edMemoDropDown ? new LineEditor(grid) : nullptr;
    }
};
} // namespace

TEST(DropDownEditorFactory, GridGetsEditorsOnlyFromTheRegisteredFactory)
{
    QWidget grid;
    EXPECT_EQ(CreateDropDownEditor(TEditorType::edMemoDropDown, &grid), nullptr);   // nothing registered

    RegisterDropDownEditorFactory(std::make_unique<MemoOnlyFactory>());
    TDropDownCellEditor* editor = CreateDropDownEditor(TEditorType::edMemoDropDown, &grid);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Widget()->parent(), &grid);
    EXPECT_EQ(CreateDropDownEditor(TEditorType::edCalculatorDropDown, &grid), nullptr);

    RegisterDropDownEditorFactory(nullptr);
    EXPECT_EQ(CreateDropDownEditor(TEditorType::edMemoDropDown, &grid), nullptr);
}
