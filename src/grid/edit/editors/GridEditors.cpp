#include "grid/edit/editors/GridEditors.h"

#include "grid/core/VxStringGrid.h"
#include "grid/edit/EditSession.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/edit/GridInplaceEdit.h"
#include "platform/KeyCodes.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

namespace {

// The common ending of an edit by a key: the control's text goes into the current cell and is validated.
bool ValidateByKey(TVxStringGrid* g, const QString& Text)
{
    g->SetCurrentCell(Text);
    return g->ValidateCell(Text);
}

// After a validated key: the editor closes, the key moves the grid, and the next cell's editor may open.
void EndByKey(TVxStringGrid* g, std::uint16_t& Key, TShiftState Shift)
{
    g->DoneInplaceEdit(Key, Shift);
    if (g->Navigation().AdvanceOnEnter() && g->Navigation().AdvanceAutoEdit())
        g->ShowInplaceEdit();
    Key = 0;
}

// Tab stays with an editor whose grid validates on it.
bool ClaimsTab(QEvent* e, bool claimed)
{
    if (e->type() != QEvent::KeyPress || !claimed)
        return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    return k == Qt::Key_Tab || k == Qt::Key_Backtab;
}

// Tab in a grid with goTabs: the editor goes and the grid takes the key's place.
bool TabLeavesEditor(TVxStringGrid* g, std::uint16_t& Key)
{
    if (Key != VK_TAB || !g->Options().testFlag(TGridOption::goTabs))
        return false;
    g->HideInplaceEdit();
    g->setFocus(Qt::OtherFocusReason);
    Key = 0;
    return true;
}

bool EndingKey(std::uint16_t Key)
{
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_UP || Key == VK_DOWN;
}

}  // namespace

// ---- check box

TGridCheckBox::TGridCheckBox(TVxStringGrid* AGrid)
    : QCheckBox(AGrid), FGrid(AGrid)
{
}

void TGridCheckBox::keyPressEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (key == VK_ESCAPE)
            setText(FGrid->GetCurrentCell());
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        if (key == VK_RETURN)
            FGrid->AdvanceEditCell(FGrid->Col(), FGrid->Row(), false, true, true, false, true);
        else if (key == VK_UP || key == VK_DOWN)
            FGrid->DoneInplaceEdit(key, ShiftStateFromQt(e->modifiers()));
        e->accept();
        return;
    default:
        QCheckBox::keyPressEvent(e);
    }
}

void TGridCheckBox::focusOutEvent(QFocusEvent* e)
{
    QCheckBox::focusOutEvent(e);
    if (isVisible() && !FGrid->EditSession().FocusLossIgnored())
        FGrid->HideInplaceEdit();
}

// ---- combo

TGridCombo::TGridCombo(TVxStringGrid* AGrid)
    : TVxgComboBox(AGrid), FGrid(AGrid)
{
    SetButtonWidth(16);
    OnChange = [this](QObject*) {
        if (FGrid->EditSession().LoadingEditor())
            return;
        if (FGrid->OnEditChange)
            FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
    };
    // An item taken by the user (from the list, by its first letter) is reported; one chosen in the open
    // list is also the cell's value at once.
    OnSelect = [this](QObject*) {
        const bool fromList = std::exchange(FListClosing, false);
        if (!isVisible())
            return;
        ReportChange();
        // Taken once the list has closed and given the focus back.
        if (fromList)
            QMetaObject::invokeMethod(this, [this] { TakeListChoice(); }, Qt::QueuedConnection);
    };
}

void TGridCombo::hidePopup()
{
    FListClosing = DroppedDown();
    TVxgComboBox::hidePopup();
    // A list closed without a choice (Escape, a click outside) leaves nothing to take.
    if (FListClosing)
        QTimer::singleShot(0, this, [this] { FListClosing = false; });
}

void TGridCombo::TakeListChoice()
{
    if (!isVisible())
        return;
    if (!ValidateByKey(FGrid, Text())) {
        SetText(FGrid->NewCellText());
        return;
    }
    FGrid->HideInplaceEdit();
    FGrid->setFocus(Qt::OtherFocusReason);
}

bool TGridCombo::event(QEvent* e)
{
    if (ClaimsTab(e, FGrid->HasCellValidation())) {
        keyPressEvent(static_cast<QKeyEvent*>(e));
        return true;
    }
    return TVxgComboBox::event(e);
}

void TGridCombo::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    FForced = false;
    FWorkMode = Key != VK_BACK && Key != VK_DELETE;
    const bool open = view() && view()->isVisible();
    const bool listLike = IsList() || open;
    const bool alt = Shift.testFlag(TShiftStateItem::ssAlt);
    const bool handled = listLike ? (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT ||
                                     Key == VK_RIGHT)
                                  : (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                                     Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN);
    if (!open && (Key == VK_UP || Key == VK_DOWN) && !alt && !FGrid->Navigation().ComboGetUpDown()) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        FGrid->DoneInplaceEdit(Key, Shift);
        Key = 0;
        return;
    }
    if (!handled || (alt && Key == VK_DOWN)) {
        TVxgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        FCancelled = true;
        FGrid->HideInplaceEdit();
        FCancelled = false;
        FGrid->setFocus(Qt::OtherFocusReason);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN || Key == VK_TAB) {
        if (!ValidateByKey(FGrid, Text())) {
            SetText(FGrid->NewCellText());
            if (!IsList() && lineEdit())
                lineEdit()->selectAll();
            FGrid->SetNoAutoAdvance(true);
            Key = 0;
            return;
        }
        SetText(FGrid->GetCurrentCell());
        if (TabLeavesEditor(FGrid, Key))
            return;
    }
    if (!listLike && Key == VK_END) {
        TVxgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (listLike && (Key == VK_LEFT || Key == VK_RIGHT)) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        FGrid->DoneInplaceEdit(Key, Shift);
        Key = 0;
        return;
    }
    EndByKey(FGrid, Key, Shift);
}

void TGridCombo::KeyPress(QChar& Key)
{
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(this, Key);
    if (Key == QChar(13) && OnReturnKey)
        OnReturnKey(this);
    if (Key == QChar(27) || Key == QChar(13) || Key == QChar(9)) {
        Key = QChar();
        return;
    }
    TVxgComboBox::KeyPress(Key);
}

void TGridCombo::KeyUp(std::uint16_t& Key, TShiftState Shift)
{
    FGrid->SetNoAutoAdvance(false);
    if (Key != VK_RETURN)
        TVxgComboBox::KeyUp(Key, Shift);
    AutoComplete();
}

// With the grid's lookup on, the first item starting with the text before the caret completes it.
void TGridCombo::AutoComplete()
{
    if (!FWorkMode || !FGrid->Lookup() || !lineEdit())
        return;
    QLineEdit* edit = lineEdit();
    QString p = edit->text().left(edit->cursorPosition());
    if (p.isEmpty())
        return;
    const Qt::CaseSensitivity cs = FGrid->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    auto complete = [&](const QString& item) {
        edit->setText(edit->text().left(int(p.size())) + item.mid(p.size(), 255));
        edit->setSelection(int(p.size()), int(edit->text().size() - p.size()));
        FItemChange = true;
    };
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(p, cs)) {
            setCurrentIndex(i);
            complete(itemText(i));
            FItemIdx = i;
            return;
        }
    const QStringList& lookup = FGrid->LookupItems();
    for (int i = 0; i < lookup.size(); ++i)
        if (lookup[i].startsWith(p, cs)) {
            complete(lookup[i]);
            FItemIdx = i;
            return;
        }
}

void TGridCombo::ReportChange()
{
    const int rc = FGrid->RealColIndex(FGrid->Col());
    const int i = ItemIndex();
    if (FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, rc, FGrid->Row(), itemText(i));
    if (FGrid->OnComboChange)
        FGrid->OnComboChange(FGrid, rc, FGrid->Row(), i, itemText(i));
    if (FGrid->OnComboObjectChange)
        FGrid->OnComboObjectChange(FGrid, rc, FGrid->Row(), i, itemText(i),
                                   static_cast<TObject*>(itemData(i).value<void*>()));
}

void TGridCombo::WheelStep(bool Down)
{
    if (count() == 0)
        return;
    const int i = ItemIndex();
    SetItemIndex(Down ? std::min(i + 1, count() - 1) : std::max(i - 1, 0));
    ReportChange();
}

void TGridCombo::wheelEvent(QWheelEvent* e)
{
    WheelStep(e->angleDelta().y() < 0);
    e->accept();
}

void TGridCombo::DoExit()
{
    // Its own list taking the focus (a window manager may activate it) does not end the edit.
    if (view() && view()->window()->isVisible())
        return;
    if (FGrid->LookupHistory() && !Text().isEmpty() && findText(Text()) < 0)
        addItem(Text());
    if (isVisible() && !FGrid->EditSession().FocusLossIgnored())
        FGrid->HideInplaceEdit();
    TVxgComboBox::DoExit();
}

// The list is made wide enough for its longest item.
void TGridCombo::SizeDropDownWidth()
{
    int w = width();
    const QFontMetrics fm(font());
    for (int i = 0; i < count(); ++i) {
        const int tw = fm.horizontalAdvance(itemText(i));
        if (count() > DropDownCount() && tw > w - 25)
            w = tw + 25;
        else if (tw > w - 5)
            w = tw + 8;
    }
    SetDropWidth(w);
}

// ---- edit with button

TGridEditBtn::TGridEditBtn(TVxStringGrid* AGrid)
    : TVxgEditBtn(AGrid), FGrid(AGrid)
{
}

bool TGridEditBtn::event(QEvent* e)
{
    if (ClaimsTab(e, FGrid->HasCellValidation())) {
        keyPressEvent(static_cast<QKeyEvent*>(e));
        return true;
    }
    return TVxgEditBtn::event(e);
}

void TGridEditBtn::DoClickBtn(QObject*)
{
    QString s = Text();
    FGrid->DoEllipsClick(FGrid->Col(), FGrid->Row(), s);
    SetText(s);
    selectAll();
    if (FStopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
    }
}

void TGridEditBtn::WMChar(QChar& Key, bool Keypad)
{
    if (Key == QChar(13) || Key == QChar(9)) {
        Key = QChar();
        return;
    }
    const TEditorType k = FGrid->EditControl();
    const TEditorType as = k == TEditorType::edNumericEditBtn ? TEditorType::edNumeric
                           : k == TEditorType::edFloatEditBtn ? TEditorType::edFloat
                                                              : TEditorType::edNormal;
    if (!TVxInplaceEdit::FilterChar(as, Key, Text(), SelStart(), selectedText(), QString(),
                                    QApplication::keyboardModifiers() & Qt::ControlModifier)) {
        Key = QChar();
        return;
    }
    TVxgEditBtn::WMChar(Key, Keypad);
}

void TGridEditBtn::Change()
{
    TVxgEditBtn::Change();
    if (!FGrid->EditSession().LoadingEditor() && isVisible() && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridEditBtn::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (Shift.testFlag(TShiftStateItem::ssCtrl) || (!EndingKey(Key) && Key != VK_PRIOR && Key != VK_NEXT)) {
        TVxgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(FGrid->CellCache());
    } else if (Key != VK_PRIOR && Key != VK_NEXT) {
        const bool ok = ValidateByKey(FGrid, Text());
        SetText(FGrid->NewCellText());
        if (!ok) {
            selectAll();
            Key = 0;
            return;
        }
        if (TabLeavesEditor(FGrid, Key))
            return;
    }
    EndByKey(FGrid, Key, Shift);
}

void TGridEditBtn::DoExit()
{
    if (isVisible() && !FGrid->EditSession().FocusLossIgnored())
        FGrid->HideInplaceEdit();
    TVxgEditBtn::DoExit();
}

// ---- unit edit with button

TGridUnitEditBtn::TGridUnitEditBtn(TVxStringGrid* AGrid)
    : TVxgUnitEditBtn(AGrid), FGrid(AGrid)
{
}

bool TGridUnitEditBtn::event(QEvent* e)
{
    if (ClaimsTab(e, FGrid->Options().testFlag(TGridOption::goTabs))) {
        keyPressEvent(static_cast<QKeyEvent*>(e));
        return true;
    }
    return TVxgUnitEditBtn::event(e);
}

void TGridUnitEditBtn::WMChar(QChar& Key, bool Keypad)
{
    if (Key == QChar(13)) {
        Key = QChar();
        return;
    }
    const TEditorType k = FGrid->EditControl();
    const TEditorType as = k == TEditorType::edNumericUnitEditBtn ? TEditorType::edNumeric
                           : k == TEditorType::edFloatUnitEditBtn ? TEditorType::edFloat
                                                                  : TEditorType::edNormal;
    if (!TVxInplaceEdit::FilterChar(as, Key, Text(), SelStart(), selectedText(), QString(),
                                    QApplication::keyboardModifiers() & Qt::ControlModifier)) {
        Key = QChar();
        return;
    }
    TVxgUnitEditBtn::WMChar(Key, Keypad);
}

void TGridUnitEditBtn::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (!EndingKey(Key) && Key != VK_PRIOR && Key != VK_NEXT) {
        TVxgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!ValidateByKey(FGrid, TextAndUnit())) {
            SetText(FGrid->GetCurrentCell());
            Key = 0;
            return;
        }
        SetTextAndUnit(FGrid->GetCurrentCell());
    }
    if (Key == VK_RETURN && FGrid->Navigation().AdvanceOnEnter()) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        Key = 0;
        FGrid->AdvanceEditCell(FGrid->Col(), FGrid->Row(), false, true, true, false, true);
        return;
    }
    if (Key == VK_TAB && FGrid->Options().testFlag(TGridOption::goTabs)) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        SetUnitID(QString());
        SetText(FGrid->GetCurrentCell());
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::DoExit()
{
    if (isVisible() && !FGrid->EditSession().FocusLossIgnored())
        FGrid->HideInplaceEdit();
    TVxgUnitEditBtn::DoExit();
}

// ---- spin

TGridSpin::TGridSpin(TVxStringGrid* AGrid)
    : TVxgSpinEdit(AGrid), FGrid(AGrid)
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

bool TGridSpin::event(QEvent* e)
{
    if (ClaimsTab(e, FGrid->Options().testFlag(TGridOption::goTabs))) {
        keyPressEvent(static_cast<QKeyEvent*>(e));
        return true;
    }
    return TVxgSpinEdit::event(e);
}

void TGridSpin::Change()
{
    TVxgSpinEdit::Change();
    if (!FGrid->EditSession().LoadingEditor() && isVisible() && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

// The page keys and Home and End step the value here, before the spin edit's own page step.
bool TGridSpin::WMKeyDown(std::uint16_t Key, TShiftState Shift)
{
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END) {
        KeyDown(Key, Shift);
        return true;
    }
    return TVxgSpinEdit::WMKeyDown(Key, Shift);
}

void TGridSpin::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const bool numeric = SpinType() == TVxgSpinType::sptNormal || SpinType() == TVxgSpinType::sptFloat;
    const bool isFloat = SpinType() == TVxgSpinType::sptFloat;
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END) {
        if (numeric) {
            if (Key == VK_PRIOR) {
                if (isFloat ? FloatValue() + IncrementFloat() <= MaxFloatValue() : Value() + Increment() <= MaxValue())
                    isFloat ? SetFloatValue(FloatValue() + IncrementFloat()) : SetValue(Value() + Increment());
            } else if (Key == VK_NEXT) {
                if (isFloat ? FloatValue() - IncrementFloat() >= MinFloatValue() : Value() - Increment() >= MinValue())
                    isFloat ? SetFloatValue(FloatValue() - IncrementFloat()) : SetValue(Value() - Increment());
            } else if (Key == VK_END) {
                isFloat ? SetFloatValue(MinFloatValue()) : SetValue(MinValue());
            } else {
                isFloat ? SetFloatValue(MaxFloatValue()) : SetValue(MaxValue());
            }
        }
        // Page Up and Home move the value up, as the up button does.
        if (FGrid->OnSpinClick)
            FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
        Key = 0;
        return;
    }
    if (!EndingKey(Key)) {
        TVxgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(FGrid->CellCache());
    } else {
        if (!ValidateByKey(FGrid, Text())) {
            SetText(FGrid->GetCurrentCell());
            deselect();
            setCursorPosition(int(Text().size()));
            FGrid->SetNoAutoAdvance(true);
            Key = 0;
            return;
        }
        if (TabLeavesEditor(FGrid, Key))
            return;
    }
    EndByKey(FGrid, Key, Shift);
}

void TGridSpin::DoExit()
{
    if (isVisible() && !FGrid->EditSession().FocusLossIgnored())
        FGrid->HideInplaceEdit();
    TVxgSpinEdit::DoExit();
}

// ---- date picker

TGridDatePicker::TGridDatePicker(TVxStringGrid* AGrid)
    : TVxgDateTimePicker(AGrid), FGrid(AGrid)
{
}

bool TGridDatePicker::event(QEvent* e)
{
    if (ClaimsTab(e, FGrid->HasCellValidation())) {
        keyPressEvent(static_cast<QKeyEvent*>(e));
        return true;
    }
    return TVxgDateTimePicker::event(e);
}

void TGridDatePicker::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT &&
        Key != VK_END) {
        TVxgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        const QString cell = FGrid->GetCurrentCell();
        if (Kind() == TDateTimeKind::dtkTime) {
            setTime(QTime::fromString(cell));
        } else {
            const QDate d = QLocale().toDate(cell, QLocale::ShortFormat);
            setDate(d.isValid() ? d : QDate::currentDate());
        }
    } else if (Key == VK_RETURN || (Key == VK_TAB && FGrid->HasCellValidation())) {
        if (!ValidateByKey(FGrid, text())) {
            FGrid->SetNoAutoAdvance(true);
            Key = 0;
            return;
        }
    }
    if (!DroppedDown())
        FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridDatePicker::focusOutEvent(QFocusEvent* e)
{
    TVxgDateTimePicker::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason && isVisible() && !DroppedDown() &&
        !FGrid->EditSession().FocusLossIgnored())
        FGrid->HideInplaceEdit();
}

// ---- button

TGridButton::TGridButton(TVxStringGrid* AGrid)
    : QPushButton(AGrid), FGrid(AGrid)
{
}

void TGridButton::Press()
{
    QString s = text();
    FGrid->DoEllipsClick(FGrid->Col(), FGrid->Row(), s);
    setText(s);
    FGrid->SetCurrentCell(s);
}

void TGridButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Press();
    QPushButton::mouseReleaseEvent(e);
}

void TGridButton::keyPressEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key == VK_SPACE) {
        Press();
        e->accept();
        return;
    }
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_ESCAPE) {
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        if (key == VK_ESCAPE)
            FGrid->CancelCellEdit();
        else
            FGrid->DoneInplaceEdit(key, ShiftStateFromQt(e->modifiers()));
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void TGridButton::focusOutEvent(QFocusEvent* e)
{
    QPushButton::focusOutEvent(e);
    if (isVisible() && !FGrid->EditSession().FocusLossIgnored())
        FGrid->HideInplaceEdit();
}
