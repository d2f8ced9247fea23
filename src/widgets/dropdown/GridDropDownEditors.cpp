#include "widgets/dropdown/GridDropDownEditors.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/GridTypes.h"
#include "grid/model/GridText.h"
#include <QCoreApplication>
#include <QKeyEvent>

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
        case TEditorType::edCalculatorDropDown:
            return CreateDropDown<TGridCalculatorDropDown>(owner);
        case TEditorType::edTimePickerDropDown:
            return CreateDropDown<TGridTimepickerDropDown>(owner);
        case TEditorType::edDetailDropDown:
            return CreateDropDown<TGridDetailPickerDropDown>(owner);
        case TEditorType::edGridDropDown:
            return CreateDropDown<TGridGridDropDown>(owner);
        case TEditorType::edVxGridDropDown:
            return CreateDropDown<TGridVxGridDropDown>(owner);
        case TEditorType::edColorPickerDropDown:
            return CreateDropDown<TGridColorDropDown>(owner);
        case TEditorType::edImagePickerDropDown:
            return CreateDropDown<TGridImageDropDown>(owner);
        default:
            return nullptr;
        }
    }
};
} // namespace

template <typename Control>
TGridDropDownEditor<Control>::TGridDropDownEditor(TVxStringGrid* AGrid) : Control(AGrid), FGrid(AGrid)
{
    // A Tab the grid does not handle moves on from the grid, as from any of the dialog's controls.
    QWidget::setTabOrder(AGrid, this);
}

template <typename Control>
void TGridDropDownEditor<Control>::LoadCell(int ACol, int ARow, const QString& Text)
{
    FOpenCol = ACol;
    FOpenRow = ARow;
    FOpenText = Text;
    FCancelled = false;
    FLoading = true;
    Load(ACol, ARow, Text);
    FLoading = false;
}

template <typename Control>
void TGridDropDownEditor<Control>::CommitCell(int ACol, int ARow)
{
    if (!FCancelled)
        Commit(ACol, ARow);
}

template <typename Control>
void TGridDropDownEditor<Control>::Load(int, int, const QString& Text)
{
    this->SetText(Text);
}

template <typename Control>
void TGridDropDownEditor<Control>::Commit(int ACol, int ARow)
{
    FGrid->SetEditedCellText(ACol, ARow, Value());
}

template <typename Control>
bool TGridDropDownEditor<Control>::LeavesOn(std::uint16_t Key) const
{
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
           Key == VK_UP || Key == VK_DOWN;
}

template <typename Control>
bool TGridDropDownEditor<Control>::ValidatesOn(std::uint16_t Key) const
{
    return Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN;
}

template <typename Control>
bool TGridDropDownEditor<Control>::GridHandlesTab() const
{
    return FGrid->Options().testFlag(TGridOption::goTabs) || bool(FGrid->OnCellValidate);
}

// Writes the text into the current cell and validates it; a refused value stays in the editor as the grid
// corrected it, and the grid does not move on for this key.
template <typename Control>
bool TGridDropDownEditor<Control>::Accepted(bool CaretAtEnd)
{
    const QString value = this->Text();
    FGrid->SetCurrentCell(value);
    if (FGrid->ValidateCell(value))
        return true;
    this->SetText(FGrid->NewCellText());
    if (CaretAtEnd)
        this->setCursorPosition(int(this->text().size()));
    else
        this->SelectAll();
    this->update();
    FGrid->SetNoAutoAdvance(true);
    return false;
}

template <typename Control>
void TGridDropDownEditor<Control>::ReopenAfterMove()
{
    const TNavigation& nav = FGrid->Navigation();
    if (nav.AdvanceOnEnter() && nav.AdvanceAutoEdit())
        FGrid->ShowInplaceEdit();
}

template <typename Control>
bool TGridDropDownEditor<Control>::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const bool altDown = Key == VK_DOWN && Shift.testFlag(TShiftStateItem::ssAlt);
    if (this->DroppedDown() || altDown || !LeavesOn(Key) || (Key == VK_TAB && !GridHandlesTab()))
        return Control::EditKeyDown(Key, Shift);
    const bool backward = Shift.testFlag(TShiftStateItem::ssShift);
    if (Key == VK_ESCAPE) {
        // Back to the value given at the opening, so that nothing the user did reaches the cell.
        FLoading = true;
        Load(FOpenCol, FOpenRow, FOpenText);
        FLoading = false;
        FCancelled = true;
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        Key = 0;
        return false;
    }
    if (Key == VK_RETURN)
        BeforeEnter();
    if ((ValidatesOn(Key) || Key == VK_TAB) && !Accepted(Key == VK_TAB)) {
        Key = 0;
        return false;
    }
    if (Key == VK_TAB) {
        if (FGrid->Options().testFlag(TGridOption::goTabs)) {
            FGrid->HideInplaceEdit();
            FGrid->setFocus(Qt::OtherFocusReason);
            FGrid->TabAdvance(backward);
            Key = 0;
            return false;
        }
        // The grid passes Tab on as the dialog does.
        QCoreApplication::postEvent(FGrid, new QKeyEvent(QEvent::KeyPress, backward ? Qt::Key_Backtab : Qt::Key_Tab,
                                                         backward ? Qt::ShiftModifier : Qt::NoModifier));
    }
    // Page Up and Page Down enter the value and stay on the cell.
    const bool page = Key == VK_PRIOR || Key == VK_NEXT;
    FGrid->DoneInplaceEdit(page ? 0 : Key, Shift);
    if (Key != VK_TAB)
        ReopenAfterMove();
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

template <typename Control>
void TGridDropDownEditor<Control>::Change()
{
    Control::Change();
    if (!FLoading && this->isVisible() && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), this->Text());
}

// Tab reaches the editor instead of the dialog's focus chain when the grid handles Tab for its cells.
template <typename Control>
bool TGridDropDownEditor<Control>::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) && GridHandlesTab() && !this->DroppedDown()) {
            std::uint16_t key = VK_TAB;
            TShiftState shift = ShiftStateFromQt(ke->modifiers());
            if (ke->key() == Qt::Key_Backtab)
                shift |= TShiftStateItem::ssShift;
            EditKeyDown(key, shift);
            return true;
        }
    }
    return Control::event(e);
}

template class TGridDropDownEditor<TVxMemoDropDown>;
template class TGridDropDownEditor<TVxTrackBarDropDown>;
template class TGridDropDownEditor<TVxCalculatorDropdown>;
template class TGridDropDownEditor<TVxTimePickerDropDown>;
template class TGridDropDownEditor<TVxDetailDropDown>;
template class TGridDropDownEditor<TVxColorPickerDropDown>;
template class TGridDropDownEditor<TVxMultiColumnDropDown>;
template class TGridDropDownEditor<TVxImagePickerDropDown>;
template class TGridDropDownEditor<TCustomVxGridDropDown>;

QString TGridMemoDropDown::Value() const
{
    return MemoText().join(kLineBreak);
}

TGridTrackbarDropDown::TGridTrackbarDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    SetEditorEnabled(true);
}

void TGridTrackbarDropDown::Load(int, int, const QString& Text)
{
    SetText(QString::number(LeadingInt(Text)));
}

TGridCalculatorDropDown::TGridCalculatorDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    SetEditorEnabled(true);
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    SetFocusDraw(false);
    SetEditorEnabled(true);
}

TGridDetailPickerDropDown::TGridDetailPickerDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    SetEditorEnabled(true);
}

void TGridDetailPickerDropDown::Load(int, int, const QString& Text)
{
    for (int i = 0; i < Items().Count(); ++i)
        if (Items()[i].Caption() == Text) {
            SetItemIndex(i);
            break;
        }
    SetText(Text);
}

TGridGridDropDown::TGridGridDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    SetEditorEnabled(true);
}

void TGridGridDropDown::Load(int, int, const QString& Text)
{
    EndUpdate();
    SetItemIndex(Text.isEmpty() ? 0 : GetItemIndex(Text));
    SetText(Text);
}

TGridVxGridDropDown::TGridVxGridDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    SetEditorEnabled(true);
}

void TGridVxGridDropDown::Load(int, int, const QString& Text)
{
    GetGrid()->SetFixedRowAlways(true);
    EndUpdate();
    if (UseItems()) {
        QString full;
        int row = -1;
        MatchLookupText(Text, full, row);
        SetItemIndex(Text.isEmpty() ? 0 : row);
    }
    SetText(Text);
}

TGridColorDropDown::TGridColorDropDown(TVxStringGrid* AGrid) : TGridDropDownEditor(AGrid)
{
    AddDefaultColors();
}

void TGridColorDropDown::Load(int ACol, int ARow, const QString&)
{
    const bool shape = FGrid->GetCellType(ACol, ARow) == TCellType::ctShape;
    SetSelectedColor(shape ? FGrid->GetShapeColor(ACol, ARow) : FGrid->Colors(ACol, ARow));
}

void TGridColorDropDown::Commit(int ACol, int ARow)
{
    FGrid->SetEditedCellText(ACol, ARow, SelectedColorText());
    if (FGrid->GetCellType(ACol, ARow) == TCellType::ctShape)
        FGrid->SetShapeColor(ACol, ARow, SelectedColor());
    else
        FGrid->SetColors(ACol, ARow, SelectedColor());
}

// Home too leaves the cell, and only Enter is validated: Up and Down are the colour list's.
bool TGridColorDropDown::LeavesOn(std::uint16_t Key) const
{
    return Key == VK_HOME || Key == VK_END || TGridDropDownEditor::LeavesOn(Key);
}

bool TGridColorDropDown::ValidatesOn(std::uint16_t Key) const
{
    return Key == VK_RETURN;
}

void TGridImageDropDown::Load(int ACol, int ARow, const QString& Text)
{
    const TCellType type = FGrid->GetCellType(ACol, ARow);
    int index = -1;
    if (type == TCellType::ctImageList ? FGrid->GetImageIdx(ACol, ARow, index) : type == TCellType::ctDataImage) {
        SetImages(FGrid->GridImages());
        if (Items().Count() == 0)
            AddImagesFromImageList();
        SetImageIndex(type == TCellType::ctDataImage ? LeadingInt(Text) : index);
    }
    SetText(ItemIndex() >= 0 ? Items()[ItemIndex()].Caption() : QString());
}

void TGridImageDropDown::Commit(int ACol, int ARow)
{
    const TCellType type = FGrid->GetCellType(ACol, ARow);
    if (type == TCellType::ctImageList)
        FGrid->SetImageIdx(ACol, ARow, ImageIndex());
    else if (type == TCellType::ctDataImage)
        FGrid->SetEditedCellText(ACol, ARow, QString::number(ImageIndex()));
}

void RegisterGridDropDownEditors()
{
    RegisterDropDownEditorFactory(std::make_unique<TGridDropDownEditorFactory>());
}
