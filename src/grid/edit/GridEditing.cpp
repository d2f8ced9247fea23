// The grid's side of in-place editing: whether a cell may be edited, moving the current cell, opening an
// edit, and validating and storing an edited value.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellChecker.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/UndoRedo.h"
#include "grid/foundation/GridWindows.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridGlyphs.h"
#include "grid/edit/GridInplaceEdit.h"
#include "grid/edit/editors/GridEditors.h"

namespace {

bool IsTextKind(TEditorType k)
{
    switch (k) {
    case TEditorType::edNormal:
    case TEditorType::edNumeric:
    case TEditorType::edPositiveNumeric:
    case TEditorType::edFloat:
    case TEditorType::edCapital:
    case TEditorType::edMixedCase:
    case TEditorType::edPassword:
    case TEditorType::edLowerCase:
    case TEditorType::edUpperCase:
    case TEditorType::edValidChars:
    case TEditorType::edPositiveFloat:
        return true;
    default:
        return false;
    }
}

}  // namespace

// Editing allowed by the options (or switched off only for the moment), then the cell's own answer: a
// covered cell answers as its base cell, and a cell the application keeps fixed is never edited.
bool TVxStringGrid::IsEditable(int ACol, int ARow)
{
    if (!Options().testFlag(TGridOption::goEditing) && !d->Shared.FMouseActions->RangeSelectAndEdit() &&
        !d->Edit.FEditDisable)
        return false;
    const TPoint b = BaseCell(RealColIndex(ACol), ARow);
    bool canEdit = true;
    CanEditCell(b.X, b.Y, canEdit);
    bool fixed = false;
    IsFixedCell(b.X, b.Y, fixed);
    return canEdit && !fixed;
}

ZEvuZudedoZadaRudiv* TVxStringGrid::CellChecker() const
{
    return d->Edit.FCellChecker.data();
}

void TVxStringGrid::SetCellChecker(ZEvuZudedoZadaRudiv* Value)
{
    d->Edit.FCellChecker = Value;
}

TGridEditSession& TVxStringGrid::EditSession() const
{
    return d->Edit;
}

bool TVxStringGrid::HasCellValidation() const
{
    return Options().testFlag(TGridOption::goTabs) || bool(OnCellValidate);
}

void TVxStringGrid::HideCellEdit()
{
    if (d->Edit.FSpecialEditor)
        CommitEditControl(Col(), Row());
}

void TVxStringGrid::ShowCellEdit()
{
    std::uint16_t key = VK_F2;
    KeyDown(key, {});
}

void TVxStringGrid::CellChanging(int ACol, int ARow, bool& Allow)
{
    if (d->Interaction.FTabAskedChanging)
        return;
    if (ARow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), ARow, Allow);
    if (ACol != Col() && OnColChanging)
        OnColChanging(this, Col(), ACol, Allow);
    if ((ACol != Col() || ARow != Row()) && OnCellChanging && !d->Edit.FDisableChange)
        OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

void TVxStringGrid::CaptureOldCell(int ACol, int ARow)
{
    d->Edit.FOldCol = ACol;
    d->Edit.FOldRow = ARow;
    d->Edit.FOldCellText = GetGridCell(RealColIndex(ACol), ARow);
    d->Edit.FOldModifiedValue = d->Edit.FGridModified;
}

void TVxStringGrid::Click()
{
    TBaseGrid::Click();
    d->Edit.FEntered = false;
    CaptureOldCell(Col(), Row());
}

QString TVxStringGrid::GetEditMask(int ACol, int ARow)
{
    QString value;   // the grid-wide edit mask arrives with the masked editors
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}

TInplaceEdit* TVxStringGrid::CreateEditor()
{
    return new TVxInplaceEdit(this);
}

void TVxStringGrid::DoGetEditorProp(int ACol, int ARow, QObject* AEditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, AEditLink);
}

void TVxStringGrid::DoEllipsClick(int ACol, int ARow, QString& S)
{
    if (OnEllipsClick)
        OnEllipsClick(this, ACol, ARow, S);
}

bool TVxStringGrid::SelectCell(int ACol, int ARow)
{
    if (!parentWidget()) {
        if (!TBaseGrid::SelectCell(ACol, ARow))
            return false;
        if (d->Shared.FISelect)
            d->Shared.FISelect->SelectionChanged(Col(), ARow);
        return true;
    }
    if (ACol < 0 || ARow < 0)
        return false;
    if (IsMergedNonBaseCell(RealColIndex(ACol), ARow) && !Options().testFlag(TGridOption::goRangeSelect)) {
        const TPoint b = BaseCell(RealColIndex(ACol), ARow);
        MoveColRow(DisplColIndex(b.X), b.Y, true, true);
        RepaintCell(b.X, b.Y);
        if (d->Shared.FMouseActions->DirectEdit())
            ShowEditor();
        return false;
    }
    const int rc = RealColIndex(ACol);
    QString text = GetCellEx(rc, ARow);
    const bool editorFocused = InplaceEditor() && InplaceEditor()->hasFocus();

    bool canEdit = Options().testFlag(TGridOption::goEditing) || d->Edit.FEditDisable;
    CanEditCell(rc, ARow, canEdit);
    if (d->Shared.FMouseActions->DirectEdit()) {
        d->Edit.FEditControl = d->Settings.DefaultEditor;
        if (IsEditorNone(rc, ARow))
            canEdit = false;
    }
    if (d->Shared.FMouseActions->EditOnDblClickOnly())
        canEdit = false;
    if (canEdit) {
        d->Edit.FEditDisable = false;
        if (!Options().testFlag(TGridOption::goEditing)) {
            if (!d->Edit.FEditing)
                CaptureOldCell(ACol, ARow);
            SetOptions(Options() | TGridOption::goEditing);
            d->Shared.FEditChange = true;
        }
    } else if (Options().testFlag(TGridOption::goEditing)) {
        if (d->Edit.FEditing && editorFocused)
            text = GetCellEx(rc, ARow);
        d->Edit.FEditMode = false;
        d->Edit.FEditDisable = true;
        d->Shared.FEditChange = true;
        // The move itself must not validate here: a special editor still open validates below.
        const bool wasEditing = d->Edit.FEditing;
        d->Edit.FEditing = wasEditing && !editorFocused;
        SetOptions(Options() & ~TGridOptions(TGridOption::goEditing));
        d->Edit.FEditing = wasEditing;
    }

    bool answer = false;
    bool allow = true;
    if (!d->Edit.FEditing || editorFocused) {
        CellChanging(ACol, ARow, allow);
        if (IsFixed(ACol, ARow) || !allow)
            answer = (allow && Options().testFlag(TGridOption::goRowSelect)) ||
                     (d->Shared.FFixedRowAlways && RowCount() == TBaseGrid::FixedRows());
        else
            answer = TBaseGrid::SelectCell(ACol, ARow);
    } else {
        const QString cache = d->Edit.FCellCache;
        answer = ValidateCell(GetCurrentCell());
        CellChanging(ACol, ARow, allow);
        if (!allow)
            answer = false;
        if (answer)
            answer = TBaseGrid::SelectCell(ACol, ARow);
        if (!answer)
            text = cache;
    }
    if (!answer)
        return false;

    if (d->Shared.FISelect)
        d->Shared.FISelect->SelectionChanged(Col(), ARow);
    if (!d->Shared.FLoading && ARow != d->Edit.FLastReportedRow && OnRowChanged) {
        OnRowChanged(this, d->Edit.FLastReportedRow, ARow);
        d->Edit.FLastReportedRow = ARow;
    }
    d->Edit.FCellCache = text;
    return true;
}

bool TVxStringGrid::CanEditShow()
{
    if (d->Edit.FValidating || d->Edit.FSpecialEditor)
        return false;
    bool answer = TBaseGrid::CanEditShow();
    const TPoint b = BaseCell(RealColIndex(Col()), Row());
    if (answer && !d->Edit.FEditMode && HasClickableGraphic(b.X, b.Y))
        return false;   // toggled by the mouse or Space, never typed into
    if (answer && !d->Edit.FEditMode) {
        d->Edit.FNoEditChange = true;
        d->Edit.FCellCache = GetCurrentCell();
        d->Edit.FEditControl = d->Settings.DefaultEditor;
        GetCellEditor(b.X, b.Y, d->Edit.FEditControl);
        if (d->Edit.FEditControl == TEditorType::edNone)
            return false;
        // The value a validation compares against is always that of the cell being opened.
        CaptureOldCell(Col(), Row());
        d->Edit.FEditMode = true;
        if (!IsTextKind(d->Edit.FEditControl)) {
            OpenEditControl(DisplColIndex(b.X), b.Y);
            d->Edit.FEntered = true;
            d->ShowFocusHaloOnCell();
            return false;
        }
    }
    if (answer) {
        d->Edit.FEntered = true;
        d->Edit.FEditing = true;
        d->ShowFocusHaloOnCell();
    }
    return answer;
}

void TVxStringGridPrivate::ShowFocusHaloOnCell()
{
    if (Shared.FFocusHelper->Enabled() && FocusWindow())
        ShowFocusHalo(*FocusWindow(), q->viewport(), q->CellRect(q->Col(), q->Row()));
}

bool TVxStringGrid::ValidateCell(const QString& NewValue)
{
    if (!d->Edit.FEditing || d->Edit.FValidating)
        return true;
    d->Edit.FEditing = false;
    d->Edit.FValidating = true;
    bool valid = true;
    const int c = RealColIndex(d->Edit.FOldCol);
    const int r = d->Edit.FOldRow;
    d->Edit.FNewCellText = NewValue;
    struct Finally {
        TVxStringGrid* g;
        const bool& valid;
        ~Finally()
        {
            g->CaptureOldCell(g->Col(), g->Row());
            g->d->Edit.FValidating = false;
            if (valid && g->d->Shared.FFocusWindow)
                HideFocusHalo(*g->d->Shared.FFocusWindow);
        }
    } finally{this, valid};

    if (NewValue == d->Edit.FOldCellText && !d->Edit.FAlwaysValidate)
        return true;
    const bool changed = NewValue != d->Edit.FOldCellText;
    const bool advance = d->Shared.FNavigation->AdvanceOnEnter();
    d->Shared.FNavigation->SetAdvanceOnEnter(false);
    QString v = NewValue;
    ZEvuZudedoZadaRudiv* checker = d->Edit.FCellChecker.data();
    if (checker && checker->AutoCorrect())
        v = checker->Correct(c, r, v);
    if (OnCellValidate)
        OnCellValidate(this, c, r, v, valid);
    // A refused value marks nothing: the row and the grid keep their modified state.
    if (valid && v != d->Edit.FOldCellText) {
        d->Edit.FGridModified = true;
        if (FixedCols() > 0)
            SetRowModified(RealRowIndex(Row()), true);
    }
    if (valid)
        ColumnValueChanged(c, r);
    if (checker && checker->AutoMarkError())
        v = checker->MarkError(c, r, v);
    if (valid && UndoRedo())
        UndoRedo()->RegisterChange(c, r, d->Edit.FOldCellText, v);
    if (valid && changed)
        CellsChanged(TRect{c, r, c, r});
    d->Shared.FNavigation->SetAdvanceOnEnter(advance);
    d->Edit.FNewCellText = v;
    if (valid) {
        SetCellEx(c, r, v);
        const TPoint b = BaseCell(c, r);
        if (b.X != c || b.Y != r)
            SetCellEx(b.X, b.Y, v);
    } else {
        d->Edit.FLastValidation = false;
        SetCellEx(c, r, v != NewValue ? v : d->Edit.FOldCellText);
        if (d->Edit.FOldCol != Col() || d->Edit.FOldRow != Row())
            MoveColRow(d->Edit.FOldCol, d->Edit.FOldRow, true, true);
        d->Edit.FGridModified = d->Edit.FOldModifiedValue;
        // The editor stays open on the edited cell.
        d->Edit.FValidating = false;
        d->Edit.FEditing = true;
        if (!d->Edit.FSpecialEditor && !d->Edit.FEditorLeaving) {
            TBaseGrid::ShowEditor();
            InvalidateEditor();
        }
    }
    d->Edit.FOldCellText = GetGridCell(c, r);
    return valid;
}

void TVxStringGrid::SetEditedCellText(int ACol, int ARow, const QString& Value)
{
    TBaseGrid::SetEditText(DisplColIndex(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

void TVxStringGrid::CancelCellEdit()
{
    const TPoint b = BaseCell(RealColIndex(Col()), Row());
    SetCellEx(b.X, b.Y, d->Edit.FCellCache);
}

void TVxStringGrid::HideEditor()
{
    TBaseGrid::HideEditor();
    if (!d->Edit.FSpecialEditor)
        d->Edit.FEditMode = false;
}

void TVxStringGrid::DoneInplaceEdit(std::uint16_t Key, TShiftState Shift)
{
    HideInplaceEdit();
    setFocus(Qt::OtherFocusReason);
    if (Key == VK_RETURN)
        AdvanceEditCell(Col(), Row(), false, false, true, false, false);
    else if (Key != VK_ESCAPE && Key != VK_TAB && Key != 0)
        KeyDown(Key, Shift);
}
