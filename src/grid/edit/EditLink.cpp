#include "grid/edit/EditLink.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

TEditLink* TVxStringGrid::EditLink() const
{
    return d->Edit.FEditLink;
}

void TVxStringGrid::SetEditLink(TEditLink* Value)
{
    if (d->Edit.FEditLink && d->Edit.FEditLink != Value && d->Edit.FEditLink->FOwner == this) {
        d->Edit.FEditLink->RestoreWinProc();
        d->Edit.FEditLink->FOwner = nullptr;
    }
    d->Edit.FEditLink = Value;
}

TEditLink::TEditLink(QObject* AOwner) : QObject(AOwner) {}

TEditLink::~TEditLink()
{
    // The pop-up window has no parent: the link that made it ends it.
    delete FPopupForm.data();
}

QWidget* TEditLink::GetParent() const
{
    if (FEditStyle == TEditStyle::esPopup)
        return FPopupForm.data();
    return FOwner;
}

QString TEditLink::GetCellValue() const
{
    return FOwner ? FOwner->Cells(FOwner->RealColIndex(FOwner->Col()), FOwner->Row()) : QString();
}

void TEditLink::SetCellValue(const QString& s)
{
    if (FOwner)
        FOwner->SetEditedCellText(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

bool TEditLink::LeavesOn(std::uint16_t Key, TShiftState Shift) const
{
    bool leaves = Shift.testFlag(TShiftStateItem::ssAlt);
    switch (Key) {
    case VK_TAB: leaves = true; break;
    case VK_RETURN: leaves = !FWantKeyReturn; break;
    case VK_ESCAPE: leaves = !FWantKeyEscape; break;
    case VK_PRIOR: case VK_NEXT: leaves = !FWantKeyPriorNext; break;
    case VK_END: leaves = !FWantKeyHomeEnd; break;
    case VK_HOME: leaves = leaves && !FWantKeyHomeEnd; break;   // Home alone never leaves
    case VK_LEFT: case VK_RIGHT: leaves = !FWantKeyLeftRight; break;
    case VK_UP: case VK_DOWN: leaves = !FWantKeyUpDown; break;
    default: break;
    }
    return leaves;
}

// The grid takes the focus itself and ends the edit; the control's focus loss is then not an exit of its own.
void TEditLink::ForcedGridFocus()
{
    FForcedExit = true;
    FOwner->setFocus(Qt::OtherFocusReason);
    FOwner->HideInplaceEdit();
    FForcedExit = false;
}

void TEditLink::PostF2IfEditable()
{
    if (FOwner->HasClickableGraphic(FOwner->RealColIndex(FOwner->Col()), FOwner->Row()))
        return;
    QCoreApplication::postEvent(FOwner, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
}

void TEditLink::EditKeyDown(QObject*, std::uint16_t& Key, TShiftState Shift)
{
    if (!FOwner || !LeavesOn(Key, Shift))
        return;
    TVxStringGrid& g = *FOwner;
    const std::uint16_t key = Key;
    const bool backward = Shift.testFlag(TShiftStateItem::ssShift);
    if (key != VK_ESCAPE) {
        // A refused value stays in the control as the grid corrected it, and the cell stays current.
        const QString value = GetEditorValue();
        g.SetCurrentCell(value);
        if (!g.ValidateCell(value)) {
            SetEditorValue(g.NewCellText());
            g.EditSession().RefusalShown();
            Key = 0;
            return;
        }
    }
    if (key == VK_TAB && g.Navigation().TabToNextAtEnd()) {
        ForcedGridFocus();
        if (g.TabAdvance(backward))
            PostF2IfEditable();
        Key = 0;
        return;
    }
    if (key == VK_ESCAPE)
        SetEditorValue(g.CellCache());
    ForcedGridFocus();
    if (FEditStyle == TEditStyle::esPopup) {
        const QString value = GetEditorValue();
        EditExit(this);
        SetCellValue(value);
    }
    if (key == VK_RETURN) {
        g.AdvanceEditCell(g.Col(), g.Row(), false, false, !backward, false, false);
    } else if (key != VK_ESCAPE) {
        g.EditSession().EndKey(key, Shift);
        if (key == VK_TAB && g.Options().testFlag(TGridOption::goTabs))
            PostF2IfEditable();
    }
    Key = 0;
}

void TEditLink::SetFocus(bool Value)
{
    QWidget* control = GetEditControl();
    if (!control)
        return;
    if (Value) {
        control->setVisible(true);
        control->setEnabled(true);
        if (!FSubClassed) {
            control->installEventFilter(this);
            FSubClassed = true;
        }
        control->setFocus(Qt::OtherFocusReason);
    } else if (FOwner) {
        FOwner->setFocus(Qt::OtherFocusReason);
    }
}

void TEditLink::SetRect(const TRect& R)
{
    if (QWidget* control = GetEditControl()) {
        const int line = FOwner && FEditStyle == TEditStyle::esInplace ? FOwner->GridLineWidth() : 0;
        control->setGeometry(R.Left, R.Top, R.Width() - line, R.Height() - line);
    }
}

void TEditLink::SetVisible(bool Value)
{
    if (QWidget* control = GetEditControl())
        control->setVisible(Value);
}

void TEditLink::RestoreWinProc()
{
    QWidget* control = GetEditControl();
    if (!control || !FSubClassed)
        return;
    control->removeEventFilter(this);
    FSubClassed = false;
    if (FEditStyle == TEditStyle::esInplace)
        control->hide();
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (FOwner)
        FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(QObject*)
{
    HideEditor();
    if (FEditStyle == TEditStyle::esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->hide();
    }
}

void TEditLink::FormExit(QObject* Sender)
{
    if (!FOwner || !FOwner->EditMode())
        return;
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    FOwner->EditSession().FocusMovedByEditor();
}

void TEditLink::Open(TVxStringGrid* AGrid, int ACol, int ARow, const TRect& CellRect, TColor Color,
                     const QString& Text)
{
    FOwner = AGrid;
    FEditCell = {ACol, ARow};
    if (FEditStyle == TEditStyle::esPopup) {
        if (FAutoPopupWidth)
            FPopupWidth = CellRect.Width();
        if (!FPopupForm) {
            FPopupForm = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
            FPopupForm->setObjectName(QStringLiteral("gridform"));
            FPopupForm->installEventFilter(this);
        }
        const QPoint at = FPopupLeft == -1 || FPopupTop == -1
                              ? AGrid->mapToGlobal(QPoint(CellRect.Left, CellRect.Top))
                              : QPoint(FPopupLeft, FPopupTop);
        FPopupForm->setGeometry(at.x(), at.y(), FPopupWidth, FPopupHeight);
        FPopupForm->show();
        CreateEditor(FPopupForm);
        SetRect(TRect{0, 0, FPopupWidth, FPopupHeight});
    } else {
        CreateEditor(AGrid);
        SetRect(CellRect);
    }
    SetVisible(true);
    SetCellProps(Color, AGrid->Font());
    SetProperties();
    AGrid->DoGetEditorProp(ACol, ARow, this);
    SetEditorValue(Text);
    const QChar start = AGrid->EditSession().StartChar();
    SetFocus(true);
    AGrid->EditSession().CustomEditorActive(GetEditControl(), start);
}

void TEditLink::Close()
{
    SetCellValue(GetEditorValue());
    if (FEditStyle != TEditStyle::esPopup)
        SetVisible(false);
    RestoreWinProc();
}

// Stands in for the control's window procedure while the link uses it: the control sees Tab when the grid
// handles Tab, its keys pass through EditKeyDown, and losing the focus to anything but the grid ends the edit.
bool TEditLink::eventFilter(QObject* watched, QEvent* event)
{
    if (FPopupForm && watched == FPopupForm.data()) {
        if (event->type() == QEvent::WindowDeactivate)
            FormExit(this);
        return false;
    }
    QWidget* control = GetEditControl();
    if (!FOwner || watched != control)
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        const bool tab = ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab;
        if (tab && !FOwner->Options().testFlag(TGridOption::goTabs))
            return false;   // the dialog's
        std::uint16_t key = tab ? std::uint16_t(VK_TAB) : VirtualKeyFromQt(ke->key(), ke->modifiers());
        TShiftState shift = ShiftStateFromQt(ke->modifiers());
        if (ke->key() == Qt::Key_Backtab)
            shift |= TShiftStateItem::ssShift;
        if (key == 0)
            return false;
        EditKeyDown(control, key, shift);
        return key == 0;
    }
    if (event->type() == QEvent::FocusOut && !FForcedExit && FEditStyle == TEditStyle::esInplace &&
        FOwner->EditMode() && FOwner->EditControl() == TEditorType::edCustom)
        EditExit(control);
    return false;
}
