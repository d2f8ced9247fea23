// Opening and committing the special editors, one case per editor kind, and the combo item list.
#include "grid/core/DropDownEditorFactory.h"
#include "grid/interaction/EditLink.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/editors/GridEditors.h"
#include "grid/paint/editors/LocaleDateTime.h"
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

void TVxStringGrid::CreateGridEditors()
{
    FEditCheck = new TGridCheckBox(this);
    FEditBtn = new TGridEditBtn(this);
    FUnitEditBtn = new TGridUnitEditBtn(this);
    FGridButton = new TGridButton(this);
    for (QWidget* w : std::initializer_list<QWidget*>{FEditCheck, FEditBtn, FUnitEditBtn, FGridButton}) {
        Close(w);
        FEditorControls.push_back(w);
    }
    FEditBtn->SetButtonCaption(QStringLiteral("..."));
    FEditBtn->SetBorderStyle(TBorderStyle::bsNone);
    FUnitEditBtn->SetButtonCaption(QStringLiteral("..."));
    FUnitEditBtn->SetBorderStyle(TBorderStyle::bsNone);
}

// An editable combo makes its pop-up window at once: the grid makes the combo when it first needs it.
TGridCombo* TVxStringGrid::EditCombo()
{
    if (!FEditCombo) {
        FEditCombo = new TGridCombo(this);
        Close(FEditCombo);
        FEditorControls.push_back(FEditCombo);
    }
    return FEditCombo;
}

TGridSpin* TVxStringGrid::SpinEdit()
{
    if (!FSpinEdit) {
        FSpinEdit = new TGridSpin(this);
        Close(FSpinEdit);
    }
    return FSpinEdit;
}

TGridDatePicker* TVxStringGrid::DatePicker()
{
    if (!FDatePicker) {
        FDatePicker = new TGridDatePicker(this);
        Close(FDatePicker);
    }
    return FDatePicker;
}

TDropDownCellEditor* TVxStringGrid::DropDownEditor(TEditorType Kind)
{
    for (const auto& [kind, editor] : FDropDownEditors)
        if (kind == Kind)
            return editor;
    TDropDownCellEditor* editor = CreateDropDownEditor(Kind, this);
    if (editor) {
        Close(editor->Widget());
        FDropDownEditors.emplace_back(Kind, editor);
    }
    return editor;
}

// The key that started the edit lands in the editor once it has the focus.
void TVxStringGrid::PostStartChar(QWidget* Editor)
{
    if (FStartEditChar.isNull() || !Editor)
        return;
    QWidget* target = Editor;
    if (auto* combo = qobject_cast<QComboBox*>(Editor); combo && combo->lineEdit())
        target = combo->lineEdit();
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(FStartEditChar)));
}

void TVxStringGrid::OpenEditControl(int ACol, int ARow)
{
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    const int rc = RealColIndex(ACol);
    TRect R = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment())
        ++R.Left;
    TColor K = Color();
    if (const TCellProperties* p = ExistingProps(rc, ARow); p && p->BrushColor() != clNone)
        K = p->BrushColor();
    SetGridState(TGridState::gsNormal);
    FEditCtrl = nullptr;
    if (FEditControl != TEditorType::edCustom)
        FLastValidation = true;
    const QString T = GetEditText(ACol, ARow);
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    const TEditorType kind = FEditControl;

    if (IsSpinKind(kind)) {
        FEditMode = true;
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
        PostStartChar(spin);
        FEditCtrl = spin;
    } else if (kind == TEditorType::edComboEdit || kind == TEditorType::edComboList) {
        OpenComboEditor(rc, ARow, R, K);
    } else if (IsEditBtnKind(kind)) {
        FEditMode = true;
        FEditBtn->SetText(T);
        FEditBtn->SetMaxLength(F.MaxEditLength);
        if (kind == TEditorType::edMaskEditBtn)
            FEditBtn->setInputMask(GetEditMask(rc, ARow));
        else
            FEditBtn->setInputMask(QString());
        Place(FEditBtn, R, K);
        PostStartChar(FEditBtn);
        FEditCtrl = FEditBtn;
    } else if (IsUnitKind(kind)) {
        FEditMode = true;
        FUnitEditBtn->SetMaxLength(F.MaxEditLength);
        FUnitEditBtn->SetUnitID(QString());
        FUnitEditBtn->SetText(QString());
        DoGetEditorProp(rc, ARow, nullptr);
        FUnitEditBtn->SetTextAndUnit(T);
        // A text without a known unit stays whole, so that closing the editor erases nothing.
        if (FUnitEditBtn->Text().isEmpty() && FUnitEditBtn->UnitID().isEmpty())
            FUnitEditBtn->SetText(T);
        Place(FUnitEditBtn, R, K);
        PostStartChar(FUnitEditBtn);
        FEditCtrl = FUnitEditBtn;
    } else if (kind == TEditorType::edCheckBox) {
        FEditMode = true;
        FEditCheck->setText(T);
        FEditCheck->setChecked(false);
        Place(FEditCheck, R, K);
    } else if (kind == TEditorType::edDateEdit || kind == TEditorType::edDateEditUpDown ||
               kind == TEditorType::edTimeEdit) {
        FEditMode = true;
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
            PostStartChar(picker);
        FEditCtrl = picker;
    } else if (kind == TEditorType::edButton) {
        FEditMode = true;
        FGridButton->setText(T);
        FGridButton->setGeometry(R.Left - 1, R.Top - 1, W + 2, H + 2);
        FGridButton->setEnabled(true);
        FGridButton->show();
        FGridButton->setFocus(Qt::OtherFocusReason);
        FEditCtrl = FGridButton;
    } else if (kind == TEditorType::edCustom) {
        if (FEditLink) {
            FEditMode = true;
            FEditLink->Open(this, rc, ARow, R, K, T);
            FEditCtrl = FEditLink->GetEditControl();
        }
    } else if (IsDropDownKind(kind)) {
        // Without a registered drop-down library these cells open nothing.
        if (TDropDownCellEditor* editor = DropDownEditor(kind)) {
            FEditMode = true;
            DoGetEditorProp(rc, ARow, nullptr);
            editor->LoadCell(rc, ARow, T);
            Place(editor->Widget(), R, K);
            PostStartChar(editor->Widget());
            FEditCtrl = editor->Widget();
        }
    }
    // A kind that showed no control (a data check box, a drop-down not made) leaves the grid idle, or no
    // editor could open again.
    if (!FEditCtrl && kind != TEditorType::edCheckBox) {
        FEditing = false;
        FSpecialEditor = false;
        FEditActive = false;
        FEditMode = false;
    }
    FStartEditChar = QChar();
}

void TVxStringGrid::OpenComboEditor(int RC, int ARow, const TRect& R, TColor K)
{
    const bool list = FEditControl == TEditorType::edComboList;
    const QString T = GetEditText(DisplColIndex(RC), ARow);
    FEditMode = true;
    TGridCombo* combo = EditCombo();
    combo->SetDropDownCount(FControlLook->DropDownCount());
    DoGetEditorProp(RC, ARow, nullptr);
    combo->hidePopup();
    combo->SetStyle(list ? TComboBoxStyle::csDropDownList : TComboBoxStyle::csDropDown);
    const bool wasReporting = combo->blockSignals(true);
    int reportIndex = -1;
    if (list) {
        const QStringList items = combo->Items();
        int idx = FindItem(items, GetCellEx(RC, ARow));
        if (idx < 0 && FComboIdx == -1) {
            idx = FindItem(items, T);
            if (idx < 0 && !items.isEmpty())
                idx = 0;
            // The report names the item actually selected.
            reportIndex = idx;
        } else if (idx < 0) {
            idx = FComboIdx;
        }
        combo->SetItemIndex(idx);
    } else {
        combo->SetText(T);
        if (FComboIdx != -1 && combo->ItemIndex() < 0)
            combo->SetItemIndex(FComboIdx);
        if (combo->lineEdit()) {
            combo->lineEdit()->setMaxLength(F.MaxComboLength > 0 ? F.MaxComboLength : 32767);
            combo->lineEdit()->setText(T);
        }
    }
    combo->blockSignals(wasReporting);
    const bool flat = Look() != TGridLook::glStandard && Look() != TGridLook::glClassic &&
                      Look() != TGridLook::glCustom;
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    if (FNavigation->AutoComboDropSize())
        combo->SizeDropDownWidth();
    Place(combo, R, K);
    combo->setFixedHeight(R.Bottom - R.Top - 1);
    if (FMouseActions->DirectComboDrop() || FControlLook->DropDownAlwaysVisible())
        combo->showPopup();
    if (FMouseActions->DirectEdit() && FMouseActions->DirectComboDrop()) {
        const TGridRect s = Selection();
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
    if (reportIndex >= 0) {
        if (OnEditChange)
            OnEditChange(this, Col(), Row(), combo->Text());
        if (OnComboChange)
            OnComboChange(this, RC, ARow, reportIndex, combo->itemText(reportIndex));
        if (OnComboObjectChange)
            OnComboObjectChange(this, RC, ARow, reportIndex, combo->itemText(reportIndex),
                                static_cast<TObject*>(combo->itemData(reportIndex).value<void*>()));
    }
    PostStartChar(combo);
    FEditCtrl = combo;
}

void TVxStringGrid::CommitEditControl(int ACol, int ARow)
{
    if (FDestroying)
        return;
    FSpecialEditor = false;
    FBlockKill = true;
    const int rc = RealColIndex(ACol);
    FStartEditChar = QChar();
    const TEditorType kind = FEditControl;
    QWidget* focusBack = QApplication::focusWidget();
    const bool editorHadFocus = focusBack && focusBack != this && isAncestorOf(focusBack);

    if (IsSpinKind(kind) && FSpinEdit) {
        FEditMode = false;
        if (FSpinEdit->AllowEmptyValue() && FSpinEdit->Text().trimmed().isEmpty())
            SetCellEx(rc, ARow, QString());
        else if (kind == TEditorType::edSpinEdit)
            SetEditedCellText(rc, ARow, QString::number(FSpinEdit->Value()));
        else if (kind == TEditorType::edFloatSpinEdit)
            SetEditedCellText(rc, ARow, QLocale().toString(FSpinEdit->FloatValue(), 'f', 2));
        else if (kind == TEditorType::edTimeSpinEdit)
            SetEditedCellText(rc, ARow, FSpinEdit->Text());
        else
            SetEditedCellText(rc, ARow, FormatShortDate(FSpinEdit->DateValue()));
        Close(FSpinEdit);
    } else if (kind == TEditorType::edComboEdit || kind == TEditorType::edComboList) {
        if (FEditMode) {
            FEditMode = false;
            if (!EditCombo()->Cancelled())
                SetEditedCellText(rc, ARow, EditCombo()->Text());
            EditCombo()->hidePopup();
            Close(EditCombo());
        }
    } else if (IsEditBtnKind(kind)) {
        if (FEditMode) {
            FEditMode = false;
            SetEditedCellText(rc, ARow, FEditBtn->Text());
            Close(FEditBtn);
        }
    } else if (IsUnitKind(kind)) {
        SetEditedCellText(rc, ARow, FUnitEditBtn->TextAndUnit());
        Close(FUnitEditBtn);
        FEditMode = false;
    } else if (kind == TEditorType::edCheckBox || kind == TEditorType::edButton) {
        Close(kind == TEditorType::edCheckBox ? static_cast<QWidget*>(FEditCheck) : FGridButton);
        FEditMode = false;
    } else if ((kind == TEditorType::edDateEdit || kind == TEditorType::edDateEditUpDown ||
                kind == TEditorType::edTimeEdit) && FDatePicker) {
        const QString text = kind == TEditorType::edTimeEdit
                                 ? FDatePicker->text()
                                 : (FDatePicker->Checked() ? FormatShortDate(FromQDate(FDatePicker->date())) : QString());
        SetEditedCellText(rc, ARow, text);
        FEditMode = false;
        Close(FDatePicker);
    } else if (kind == TEditorType::edCustom && FEditMode) {
        FEditMode = false;
        if (FEditLink)
            FEditLink->Close();
    } else if (IsDropDownKind(kind) && FEditMode && FEditCtrl) {
        FEditMode = false;
        if (TDropDownCellEditor* editor = DropDownEditor(kind))
            editor->CommitCell(rc, ARow);
        Close(FEditCtrl);
    }
    if (editorHadFocus)
        setFocus(Qt::OtherFocusReason);
    if (kind != TEditorType::edNormal && FEditActive) {
        FEditActive = false;
        PostEditingDone(rc, ARow);
    }
    FBlockKill = false;
    FEditActive = false;
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
    FComboIdx = i;
    return true;
}

int TVxStringGrid::GetComboCount() const
{
    return FEditCombo ? FEditCombo->count() : 0;
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
