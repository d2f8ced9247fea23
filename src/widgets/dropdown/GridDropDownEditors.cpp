#include "widgets/dropdown/GridDropDownEditors.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridTypes.h"
#include "grid/model/GridText.h"

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

class TGridDropDownEditorFactory : public TDropDownEditorFactory {
public:
    TDropDownCellEditor* CreateEditor(TEditorType kind, QWidget* grid) const override
    {
        auto* owner = qobject_cast<TVxStringGrid*>(grid);
        if (!owner)
            return nullptr;
        switch (kind) {
        case TEditorType::edMemoDropDown:
            return CreateDropDown<TGridMemoDropDown>(owner);
        case TEditorType::edTrackbarDropDown:
            return CreateDropDown<TGridTrackbarDropDown>(owner);
        default:
            return nullptr;
        }
    }
};
} // namespace

template <typename Control>
TGridDropDownEditor<Control>::TGridDropDownEditor(TVxStringGrid* AGrid) : Control(AGrid), FGrid(AGrid)
{
}

template <typename Control>
bool TGridDropDownEditor<Control>::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (this->DroppedDown() || (Key != VK_RETURN && Key != VK_ESCAPE))
        return Control::EditKeyDown(Key, Shift);
    if (Key == VK_ESCAPE) {
        LoadValue(FGrid->GetCurrentCell());
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
    } else {
        const QString value = Value();
        FGrid->SetCurrentCell(value);
        if (FGrid->ValidateCell(value)) {
            FGrid->DoneInplaceEdit(Key, Shift);
        } else {
            // The edit goes on with the refused value, or the one the validation made of it, all selected.
            LoadValue(FGrid->NewCellText());
            this->SelectAll();
        }
    }
    Key = 0;
    return false;
}

template <typename Control>
void TGridDropDownEditor<Control>::DoExit()
{
    Control::DoExit();
    if (this->isVisible() && !this->DroppedDown())
        FGrid->HideInplaceEdit();
}

template class TGridDropDownEditor<TVxMemoDropDown>;
template class TGridDropDownEditor<TVxTrackBarDropDown>;

void TGridMemoDropDown::LoadValue(const QString& Text)
{
    SetText(Text);
}

QString TGridMemoDropDown::Value() const
{
    return MemoText().join(kLineBreak);
}

TGridTrackbarDropDown::TGridTrackbarDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    SetEditorEnabled(true);
}

void TGridTrackbarDropDown::LoadValue(const QString& Text)
{
    SetText(QString::number(LeadingInt(Text)));
}

void RegisterGridDropDownEditors()
{
    RegisterDropDownEditorFactory(std::make_unique<TGridDropDownEditorFactory>());
}
