// Opening and committing the special editors, one case per editor kind, and the combo item list.
#include "grid/core/DropDownEditorFactory.h"
#include "grid/edit/EditLink.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/paint/ControlLook.h"
#include "grid/edit/editors/GridEditors.h"
#include "grid/edit/editors/LocaleDateTime.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>
#include <stdexcept>

namespace {

const QDate kDayZero(1899, 12, 30);

TDateTime FromQDate(const QDate& d) { return TDateTime(kDayZero.daysTo(d)); }
QDate ToQDate(TDateTime v) { return kDayZero.addDays(qint64(std::floor(v))); }

bool IsSpinKind(TEditorType k)
{
    return k == TEditorType::edSpinEdit || k == TEditorType::edFloatSpinEdit || k == TEditorType::edTimeSpinEdit ||
           k == TEditorType::edDateSpinEdit;
}

bool IsEditBtnKind(TEditorType k)
{
    return k == TEditorType::edEditBtn || k == TEditorType::edNumericEditBtn || k == TEditorType::edFloatEditBtn ||
           k == TEditorType::edMaskEditBtn;
}

bool IsUnitKind(TEditorType k)
{
    return k == TEditorType::edUnitEditBtn || k == TEditorType::edNumericUnitEditBtn ||
           k == TEditorType::edFloatUnitEditBtn;
}

bool IsDropDownKind(TEditorType k)
{
    return int(k) >= int(TEditorType::edTrackbarDropDown) && int(k) <= int(TEditorType::edVxGridDropDown);
}

void Place(QWidget* w, const TRect& R, TColor K)
{
    w->setGeometry(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1);
    w->setEnabled(true);
    w->show();
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, ToQColor(K));
    w->setPalette(pal);
    w->setFocus(Qt::OtherFocusReason);
}

// Items compare as the string list does: without letter case.
int FindItem(const QStringList& items, const QString& S)
{
    for (int i = 0; i < items.size(); ++i)
        if (items[i].compare(S, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void Close(QWidget* w)
{
    w->setEnabled(false);
    w->hide();
}

}  // namespace

TDateTime DateForPicker(TDateTime Value, TDateTime MinDate, TDateTime MaxDate)
{
    if (MaxDate != 0 && Value > MaxDate)
        return MaxDate;
    if (MinDate != 0 && Value < MinDate)
        return MinDate;
    return Value;
}

namespace {

void ButtonLook(TVxgEditBtn& Editor)
{
    Editor.SetButtonCaption(QStringLiteral("..."));
    Editor.SetBorderStyle(TBorderStyle::bsNone);
}

}  // namespace

TGridCheckBox* TVxStringGridPrivate::EditCheck()
{
    return ChildOnFirstUse(Edit.FEditCheck, [](QWidget& w) { Close(&w); });
}

TGridEditBtn* TVxStringGridPrivate::EditBtn()
{
    return ChildOnFirstUse(Edit.FEditBtn, [](QWidget& w) { Close(&w); }, ButtonLook);
}

TGridUnitEditBtn* TVxStringGridPrivate::UnitEditBtn()
{
    return ChildOnFirstUse(Edit.FUnitEditBtn, [](QWidget& w) { Close(&w); }, ButtonLook);
}

TGridButton* TVxStringGridPrivate::GridButton()
{
    return ChildOnFirstUse(Edit.FGridButton, [](QWidget& w) { Close(&w); });
}

// An editable combo makes its pop-up window at once: the grid makes the combo when it first needs it.
TGridCombo* TVxStringGrid::EditCombo()
{
    if (!d->Edit.FEditCombo) {
        d->Edit.FEditCombo = new TGridCombo(this);
        Close(d->Edit.FEditCombo);
        d->Shared.FEditorControls.push_back(d->Edit.FEditCombo);
    }
    return d->Edit.FEditCombo;
}

TGridSpin* TVxStringGrid::SpinEdit()
{
    if (!d->Edit.FSpinEdit) {
        d->Edit.FSpinEdit = new TGridSpin(this);
        Close(d->Edit.FSpinEdit);
    }
    return d->Edit.FSpinEdit;
}

TGridDatePicker* TVxStringGrid::DatePicker()
{
    if (!d->Edit.FDatePicker) {
        d->Edit.FDatePicker = new TGridDatePicker(this);
        Close(d->Edit.FDatePicker);
    }
    return d->Edit.FDatePicker;
}

TDropDownCellEditor* TVxStringGrid::DropDownEditor(TEditorType Kind)
{
    for (const auto& [kind, editor] : d->Edit.FDropDownEditors)
        if (kind == Kind)
            return editor;
    TDropDownCellEditor* editor = CreateDropDownEditor(Kind, this);
    if (editor) {
        Close(editor->Widget());
        d->Edit.FDropDownEditors.emplace_back(Kind, editor);
    }
    return editor;
}

// The key that started the edit lands in the editor once it has the focus.
void TVxStringGridPrivate::PostStartChar(QWidget* Editor)
{
    if (Edit.FStartEditChar.isNull() || !Editor)
        return;
    QWidget* target = Editor;
    if (auto* combo = qobject_cast<QComboBox*>(Editor); combo && combo->lineEdit())
        target = combo->lineEdit();
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(Edit.FStartEditChar)));
}

void TVxStringGrid::OpenEditControl(int ACol, int ARow)
{
    d->Edit.FEditing = true;
    d->Edit.FSpecialEditor = true;
    d->Edit.FEditActive = true;
    const int rc = RealColIndex(ACol);
    TRect R = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment())
        ++R.Left;
    TColor K = Color();
    if (const TCellProperties* p = d->ExistingProps(rc, ARow); p && p->BrushColor() != clNone)
        K = p->BrushColor();
    SetGridState(TGridState::gsNormal);
    d->Edit.FEditCtrl = nullptr;
    if (d->Edit.FEditControl != TEditorType::edCustom)
        d->Edit.FLastValidation = true;
    const QString T = GetEditText(ACol, ARow);
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    const TEditorType kind = d->Edit.FEditControl;

    if (IsSpinKind(kind)) {
        d->Edit.FEditMode = true;
        TGridSpin* spin = SpinEdit();
        spin->SetExcelStyleDecimalSeparator(false);
        DoGetEditorProp(rc, ARow, nullptr);
        switch (kind) {
        case TEditorType::edSpinEdit:
            spin->SetSpinType(TVxgSpinType::sptNormal);
            spin->SetValue(LeadingInt(T));
            break;
        case TEditorType::edFloatSpinEdit:
            spin->SetSpinType(TVxgSpinType::sptFloat);
            spin->SetFloatValue(QLocale().toDouble(T.trimmed()));
            break;
        case TEditorType::edTimeSpinEdit:
            spin->SetSpinType(TVxgSpinType::sptTime);
            spin->SetText(T);
            break;
        default: {
            spin->SetSpinType(TVxgSpinType::sptDate);
            TDateTime d = 0;
            spin->SetDateValue(ParseShortDate(T, d) ? d : Now());
            break;
        }
        }
        Place(spin, R, K);
        d->PostStartChar(spin);
        d->Edit.FEditCtrl = spin;
    } else if (kind == TEditorType::edComboEdit || kind == TEditorType::edComboList) {
        d->OpenComboEditor(rc, ARow, R, K);
    } else if (IsEditBtnKind(kind)) {
        d->Edit.FEditMode = true;
        d->EditBtn()->SetText(T);
        d->EditBtn()->SetMaxLength(d->Settings.MaxEditLength);
        if (kind == TEditorType::edMaskEditBtn)
            d->EditBtn()->setInputMask(GetEditMask(rc, ARow));
        else
            d->EditBtn()->setInputMask(QString());
        Place(d->EditBtn(), R, K);
        d->PostStartChar(d->EditBtn());
        d->Edit.FEditCtrl = d->EditBtn();
    } else if (IsUnitKind(kind)) {
        d->Edit.FEditMode = true;
        d->UnitEditBtn()->SetMaxLength(d->Settings.MaxEditLength);
        d->UnitEditBtn()->SetUnitID(QString());
        d->UnitEditBtn()->SetText(QString());
        DoGetEditorProp(rc, ARow, nullptr);
        d->UnitEditBtn()->SetTextAndUnit(T);
        // A text without a known unit stays whole, so that closing the editor erases nothing.
        if (d->UnitEditBtn()->Text().isEmpty() && d->UnitEditBtn()->UnitID().isEmpty())
            d->UnitEditBtn()->SetText(T);
        Place(d->UnitEditBtn(), R, K);
        d->PostStartChar(d->UnitEditBtn());
        d->Edit.FEditCtrl = d->UnitEditBtn();
    } else if (kind == TEditorType::edCheckBox) {
        d->Edit.FEditMode = true;
        d->EditCheck()->setText(T);
        d->EditCheck()->setChecked(false);
        Place(d->EditCheck(), R, K);
    } else if (kind == TEditorType::edDateEdit || kind == TEditorType::edDateEditUpDown ||
               kind == TEditorType::edTimeEdit) {
        d->Edit.FEditMode = true;
        TGridDatePicker* picker = DatePicker();
        TDateTime v = 0;
        if (kind == TEditorType::edTimeEdit) {
            picker->SetKind(TDateTimeKind::dtkTime);
            picker->setTime(ParseTimeOfDay(T, v) ? QTime::fromMSecsSinceStartOfDay(int(std::round(
                                                          (v - std::floor(v)) * 86400000.0)))
                                                  : QTime::currentTime());
        } else {
            picker->SetKind(TDateTimeKind::dtkDate);
            DoGetEditorProp(rc, ARow, nullptr);
            if (T.isEmpty() || !ParseShortDate(T, v))
                v = Now();
            v = DateForPicker(v, FromQDate(picker->minimumDate()), FromQDate(picker->maximumDate()));
            picker->setDate(ToQDate(v));
        }
        Place(picker, R, K);
        if (kind != TEditorType::edTimeEdit)
            d->PostStartChar(picker);
        d->Edit.FEditCtrl = picker;
    } else if (kind == TEditorType::edButton) {
        d->Edit.FEditMode = true;
        d->GridButton()->setText(T);
        d->GridButton()->setGeometry(R.Left - 1, R.Top - 1, W + 2, H + 2);
        d->GridButton()->setEnabled(true);
        d->GridButton()->show();
        d->GridButton()->setFocus(Qt::OtherFocusReason);
        d->Edit.FEditCtrl = d->GridButton();
    } else if (kind == TEditorType::edCustom) {
        if (d->Edit.FEditLink) {
            d->Edit.FEditMode = true;
            d->Edit.FEditLink->Open(this, rc, ARow, R, K, T);
            d->Edit.FEditCtrl = d->Edit.FEditLink->GetEditControl();
        }
    } else if (IsDropDownKind(kind)) {
        // Without a registered drop-down library these cells open nothing.
        if (TDropDownCellEditor* editor = DropDownEditor(kind)) {
            d->Edit.FEditMode = true;
            DoGetEditorProp(rc, ARow, nullptr);
            editor->LoadCell(rc, ARow, T);
            Place(editor->Widget(), R, K);
            d->PostStartChar(editor->Widget());
            d->Edit.FEditCtrl = editor->Widget();
        }
    }
    // A kind that showed no control (a data check box, a drop-down not made) leaves the grid idle, or no
    // editor could open again.
    if (!d->Edit.FEditCtrl && kind != TEditorType::edCheckBox) {
        d->Edit.FEditing = false;
        d->Edit.FSpecialEditor = false;
        d->Edit.FEditActive = false;
        d->Edit.FEditMode = false;
    }
    d->Edit.FStartEditChar = QChar();
}

void TVxStringGridPrivate::OpenComboEditor(int RC, int ARow, const TRect& R, TColor K)
{
    const bool list = Edit.FEditControl == TEditorType::edComboList;
    const QString T = q->GetEditText(q->DisplColIndex(RC), ARow);
    Edit.FEditMode = true;
    TGridCombo* combo = q->EditCombo();
    combo->SetDropDownCount(Shared.FControlLook->DropDownCount());
    q->DoGetEditorProp(RC, ARow, nullptr);
    combo->hidePopup();
    combo->SetStyle(list ? TComboBoxStyle::csDropDownList : TComboBoxStyle::csDropDown);
    const bool wasReporting = combo->blockSignals(true);
    int reportIndex = -1;
    if (list) {
        const QStringList items = combo->Items();
        int idx = FindItem(items, q->GetCellEx(RC, ARow));
        if (idx < 0 && Edit.FComboIdx == -1) {
            idx = FindItem(items, T);
            if (idx < 0 && !items.isEmpty())
                idx = 0;
            // The report names the item actually selected.
            reportIndex = idx;
        } else if (idx < 0) {
            idx = Edit.FComboIdx;
        }
        combo->SetItemIndex(idx);
    } else {
        combo->SetText(T);
        if (Edit.FComboIdx != -1 && combo->ItemIndex() < 0)
            combo->SetItemIndex(Edit.FComboIdx);
        if (combo->lineEdit()) {
            combo->lineEdit()->setMaxLength(Settings.MaxComboLength > 0 ? Settings.MaxComboLength : 32767);
            combo->lineEdit()->setText(T);
        }
    }
    combo->blockSignals(wasReporting);
    const bool flat = q->Look() != TGridLook::glStandard && q->Look() != TGridLook::glClassic &&
                      q->Look() != TGridLook::glCustom;
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    if (Shared.FNavigation->AutoComboDropSize())
        combo->SizeDropDownWidth();
    Place(combo, R, K);
    combo->setFixedHeight(R.Bottom - R.Top - 1);
    if (Shared.FMouseActions->DirectComboDrop() || Shared.FControlLook->DropDownAlwaysVisible())
        combo->showPopup();
    if (Shared.FMouseActions->DirectEdit() && Shared.FMouseActions->DirectComboDrop()) {
        const TGridRect s = q->Selection();
        q->DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
    if (reportIndex >= 0) {
        if (q->OnEditChange)
            q->OnEditChange(q, q->Col(), q->Row(), combo->Text());
        if (q->OnComboChange)
            q->OnComboChange(q, RC, ARow, reportIndex, combo->itemText(reportIndex));
        if (q->OnComboObjectChange)
            q->OnComboObjectChange(q, RC, ARow, reportIndex, combo->itemText(reportIndex),
                                static_cast<TObject*>(combo->itemData(reportIndex).value<void*>()));
    }
    PostStartChar(combo);
    Edit.FEditCtrl = combo;
}

void TVxStringGrid::CommitEditControl(int ACol, int ARow)
{
    if (d->Shared.FDestroying)
        return;
    d->Edit.FSpecialEditor = false;
    d->Edit.FBlockKill = true;
    const int rc = RealColIndex(ACol);
    d->Edit.FStartEditChar = QChar();
    const TEditorType kind = d->Edit.FEditControl;
    QWidget* focusBack = QApplication::focusWidget();
    const bool editorHadFocus = focusBack && focusBack != this && isAncestorOf(focusBack);

    if (IsSpinKind(kind) && d->Edit.FSpinEdit) {
        d->Edit.FEditMode = false;
        if (d->Edit.FSpinEdit->AllowEmptyValue() && d->Edit.FSpinEdit->Text().trimmed().isEmpty())
            SetCellEx(rc, ARow, QString());
        else if (kind == TEditorType::edSpinEdit)
            SetEditedCellText(rc, ARow, QString::number(d->Edit.FSpinEdit->Value()));
        else if (kind == TEditorType::edFloatSpinEdit)
            SetEditedCellText(rc, ARow, QLocale().toString(d->Edit.FSpinEdit->FloatValue(), 'f', 2));
        else if (kind == TEditorType::edTimeSpinEdit)
            SetEditedCellText(rc, ARow, d->Edit.FSpinEdit->Text());
        else
            SetEditedCellText(rc, ARow, FormatShortDate(d->Edit.FSpinEdit->DateValue()));
        Close(d->Edit.FSpinEdit);
    } else if (kind == TEditorType::edComboEdit || kind == TEditorType::edComboList) {
        if (d->Edit.FEditMode) {
            d->Edit.FEditMode = false;
            if (!EditCombo()->Cancelled())
                SetEditedCellText(rc, ARow, EditCombo()->Text());
            EditCombo()->hidePopup();
            Close(EditCombo());
        }
    } else if (IsEditBtnKind(kind)) {
        if (d->Edit.FEditMode) {
            d->Edit.FEditMode = false;
            SetEditedCellText(rc, ARow, d->EditBtn()->Text());
            Close(d->EditBtn());
        }
    } else if (IsUnitKind(kind)) {
        SetEditedCellText(rc, ARow, d->UnitEditBtn()->TextAndUnit());
        Close(d->UnitEditBtn());
        d->Edit.FEditMode = false;
    } else if (kind == TEditorType::edCheckBox || kind == TEditorType::edButton) {
        Close(kind == TEditorType::edCheckBox ? static_cast<QWidget*>(d->EditCheck()) : d->GridButton());
        d->Edit.FEditMode = false;
    } else if ((kind == TEditorType::edDateEdit || kind == TEditorType::edDateEditUpDown ||
                kind == TEditorType::edTimeEdit) && d->Edit.FDatePicker) {
        const QString text =
            kind == TEditorType::edTimeEdit
                ? d->Edit.FDatePicker->text()
                : (d->Edit.FDatePicker->Checked() ? FormatShortDate(FromQDate(d->Edit.FDatePicker->date()))
                                                  : QString());
        SetEditedCellText(rc, ARow, text);
        d->Edit.FEditMode = false;
        Close(d->Edit.FDatePicker);
    } else if (kind == TEditorType::edCustom && d->Edit.FEditMode) {
        d->Edit.FEditMode = false;
        if (d->Edit.FEditLink)
            d->Edit.FEditLink->Close();
    } else if (IsDropDownKind(kind) && d->Edit.FEditMode && d->Edit.FEditCtrl) {
        d->Edit.FEditMode = false;
        if (TDropDownCellEditor* editor = DropDownEditor(kind))
            editor->CommitCell(rc, ARow);
        Close(d->Edit.FEditCtrl);
    }
    if (editorHadFocus)
        setFocus(Qt::OtherFocusReason);
    if (kind != TEditorType::edNormal && d->Edit.FEditActive) {
        d->Edit.FEditActive = false;
        PostEditingDone(rc, ARow);
    }
    d->Edit.FBlockKill = false;
    d->Edit.FEditActive = false;
}

// ---- the combo item list

void TVxStringGrid::ClearComboString()
{
    EditCombo()->clear();
}

void TVxStringGrid::AddComboString(const QString& S)
{
    EditCombo()->addItem(S);
}

void TVxStringGrid::AddComboStringObject(const QString& S, TObject* AObject)
{
    EditCombo()->addItem(S, QVariant::fromValue(static_cast<void*>(AObject)));
}

bool TVxStringGrid::RemoveComboString(const QString& S)
{
    const int i = FindItem(EditCombo()->Items(), S);
    if (i < 0)
        return false;
    EditCombo()->removeItem(i);
    return true;
}

bool TVxStringGrid::SetComboSelectionString(const QString& S)
{
    const int i = FindItem(EditCombo()->Items(), S);
    if (i < 0)
        return false;
    d->Edit.FComboIdx = i;
    return true;
}

int TVxStringGrid::GetComboCount() const
{
    return d->Edit.FEditCombo ? d->Edit.FEditCombo->count() : 0;
}

int TVxStringGrid::ComboIndex(int ACol, int ARow)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    return FindItem(EditCombo()->Items(), GetCellEx(ACol, ARow));
}

void TVxStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    if (Value < 0 || Value >= EditCombo()->count())
        throw std::out_of_range("List index out of bounds");
    SetCellEx(ACol, ARow, EditCombo()->itemText(Value));
}
