#include "grid/interaction/GridFormControls.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/paint/ControlLook.h"
#include <QAbstractItemView>
#include <QKeyEvent>

QString ToolkitMaskToInputMask(const QString& Mask)
{
    const QString pattern = Mask.section(QLatin1Char(';'), 0, 0);
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar ch = pattern[i];
        switch (ch.unicode()) {
        case '\\':   // a literal, in both spellings
            out += ch;
            if (i + 1 < pattern.size())
                out += pattern[++i];
            break;
        case '0': out += u'9'; break;   // required digit
        case '9': out += u'0'; break;   // optional digit
        case 'L': out += u'A'; break;   // required letter
        case 'l': out += u'a'; break;
        case 'A': out += u'N'; break;   // required letter or digit
        case 'a': out += u'n'; break;
        case 'C': out += u'X'; break;   // required character
        case 'c': out += u'x'; break;
        case '!': break;                // blanks leading or trailing: no counterpart
        case 'N': case 'n': case 'X': case 'x': case 'H': case 'h': case 'B': case 'b': case 'D': case 'd':
            out += u'\\';   // meaningful to Qt, plain to the toolkit
            out += ch;
            break;
        default: out += ch;
        }
    }
    return out;
}

// ---- Header editors ----

namespace {

// The grid's validation, then the text into the cell; false keeps the editor open.
bool StopHeaderEdit(TVxStringGrid* Grid, QWidget* Editor, int Col, int Row, QString Text)
{
    if (!Grid || Col < 0 || Row < 0) {
        Editor->hide();
        return true;
    }
    bool valid = true;
    if (Grid->OnCellValidate)
        Grid->OnCellValidate(Grid, Col, Row, Text, valid);
    if (!valid) {
        Editor->setFocus();
        return false;
    }
    if (Grid->OnEditingDone)
        Grid->OnEditingDone(Grid);
    Grid->SetCells(Col, Row, Text);
    Editor->hide();
    return true;
}

bool IsEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

TGridTransEdit::TGridTransEdit(TVxStringGrid* AOwner) : QLineEdit(AOwner), FGrid(AOwner)
{
    setFrame(false);
    hide();
}

bool TGridTransEdit::StopEdit()
{
    return StopHeaderEdit(FGrid, this, FCol, FRow, text());
}

void TGridTransEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (isVisible())
        StopEdit();
}

void TGridTransEdit::keyPressEvent(QKeyEvent* e)
{
    if (IsEnter(e)) {
        e->accept();   // typed into a header, Enter inserts nothing and leaves nothing
        return;
    }
    QLineEdit::keyPressEvent(e);
}

TGridTransCombo::TGridTransCombo(TVxStringGrid* AOwner) : QComboBox(AOwner), FGrid(AOwner)
{
    hide();
}

bool TGridTransCombo::StopEdit()
{
    return StopHeaderEdit(FGrid, this, FCol, FRow, currentText());
}

void TGridTransCombo::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    // The list taking the focus is still this editor.
    if (isVisible() && !view()->isVisible())
        StopEdit();
}

void TGridTransCombo::keyPressEvent(QKeyEvent* e)
{
    if (IsEnter(e)) {
        e->accept();
        return;
    }
    QComboBox::keyPressEvent(e);
}

// ---- Inline control editors ----

namespace {

// Enter and Tab end the edit and give the grid the focus; Tab with AdvanceAuto moves on to the next cell.
bool ControlKey(TVxStringGrid* Grid, QKeyEvent* e)
{
    const bool tab = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
    if (!IsEnter(e) && !tab)
        return false;
    e->accept();
    Grid->EndHTMLControlEdit();
    Grid->setFocus();
    if (tab && Grid->Navigation().AdvanceAuto())
        Grid->AdvanceEditCell(Grid->Col(), Grid->Row(), false, false, e->key() == Qt::Key_Tab, false, false);
    else if (tab)
        Grid->ActivateHTMLControl(Grid->Col(), Grid->Row(), Grid->EditedControlID());
    return true;
}

} // namespace

TControlEdit::TControlEdit(TVxStringGrid* AOwner) : TCustomMaskEdit(AOwner), FGrid(AOwner)
{
    hide();
}

void TControlEdit::keyPressEvent(QKeyEvent* e)
{
    if (!ControlKey(FGrid, e))
        TCustomMaskEdit::keyPressEvent(e);
}

void TControlEdit::focusOutEvent(QFocusEvent* e)
{
    TCustomMaskEdit::focusOutEvent(e);
    FGrid->EndHTMLControlEdit();
}

TControlCombo::TControlCombo(TVxStringGrid* AOwner) : QComboBox(AOwner), FGrid(AOwner)
{
    hide();
    connect(this, &QComboBox::activated, this, [this] { FGrid->ControlComboSelect(); });
}

void TControlCombo::keyPressEvent(QKeyEvent* e)
{
    if (!ControlKey(FGrid, e))
        QComboBox::keyPressEvent(e);
}

void TControlCombo::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    if (!view()->isVisible())
        FGrid->EndHTMLControlEdit();
}

// ---- The grid's side ----

void TVxStringGrid::ShowHTMLControlEditor(const QString& S, const QString& CtrlType, int ARow, int RealCol, int ACol,
                                          const TRect& CtrlRect, const QString& CtrlValue, const QString& CtrlID)
{
    const bool edit = CtrlType == QLatin1String("EDIT") || CtrlType == QLatin1String("PASSWORD") ||
                      CtrlType == QLatin1String("MASK");
    if (!edit && CtrlType != QLatin1String("COMBO"))
        return;
    // Another control still open writes its value back first.
    EndHTMLControlEdit();
    d->Aux.FCtrlXY = TPoint{RealCol, ARow};
    d->Aux.FCtrlID = CtrlID;
    d->Aux.FCtrlType = CtrlType;
    d->Aux.FCtrlEditing = true;
    const int maxLen = GetHtmlControlMaxLen(S, CtrlID);
    // The control is a child of the grid; CtrlRect is in the viewport's coordinates.
    const QPoint o = viewport()->pos();
    if (edit) {
        TControlEdit* e = d->ControlEdit();
        e->setEchoMode(CtrlType == QLatin1String("PASSWORD") ? QLineEdit::Password : QLineEdit::Normal);
        const QString mask = CtrlType == QLatin1String("MASK") ? GetHtmlControlProp(S, CtrlID) : QString();
        e->setInputMask(ToolkitMaskToInputMask(mask));
        e->SetText(CtrlValue);
        e->SetBorderStyle(TBorderStyle::bsNone);
        e->SetMaxLength(maxLen);
        e->setGeometry(o.x() + CtrlRect.Left + 1, o.y() + CtrlRect.Top + 8, CtrlRect.Width() - 4, 14);
        e->show();
        e->raise();
        e->setFocus();
        e->selectAll();   // typing replaces the value, as it fills a mask from its start
        return;
    }
    TControlCombo* c = d->ControlCombo();
    c->clear();
    QStringList values;
    bool editable = true;
    int dropCount = 8;
    if (OnControlComboList)
        OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlValue, values, editable, dropCount);
    c->setEditable(editable);
    c->addItems(values);
    c->setCurrentIndex(int(values.indexOf(CtrlValue)));
    if (editable)
        c->setEditText(CtrlValue);
    c->setMaxVisibleItems(std::max(1, dropCount));
    if (editable && maxLen > 0)
        c->lineEdit()->setMaxLength(maxLen);
    const int itemHeight = c->fontMetrics().height() + 2;
    c->setGeometry(o.x() + CtrlRect.Left - 1, o.y() + CtrlRect.Top + 4, CtrlRect.Width(), itemHeight * (dropCount + 2));
    c->show();
    c->raise();
    c->setFocus();
    c->showPopup();
}

void TVxStringGrid::EndHTMLControlEdit()
{
    if (!d->Aux.FCtrlEditing)
        return;
    d->Aux.FCtrlEditing = false;
    const bool combo = d->Aux.FCtrlType == QLatin1String("COMBO");
    const QString value = combo ? d->ControlCombo()->currentText() : d->ControlEdit()->Text();
    QString s = Cells(d->Aux.FCtrlXY.X, d->Aux.FCtrlXY.Y);
    // An ID gone from the text meanwhile leaves the text alone; the event still tells.
    if (SetHtmlControlValue(s, d->Aux.FCtrlID, value))
        SetCells(d->Aux.FCtrlXY.X, d->Aux.FCtrlXY.Y, s);
    if (combo)
        d->ControlCombo()->hide();
    else
        d->ControlEdit()->hide();
    if (OnControlEditDone)
        OnControlEditDone(this, d->Aux.FCtrlXY.Y, d->Aux.FCtrlXY.X, d->Aux.FCtrlID, d->Aux.FCtrlType, value);
    d->Aux.FCtrlType.clear();
}

void TVxStringGrid::ActivateHTMLControl(int ACol, int ARow, const QString& ID)
{
    const int real = RealColIndex(ACol);
    const QString s = GetCellEx(real, ARow);
    const QString next = NextHtmlEditControl(s, ID);
    if (next.isEmpty()) {
        setFocus();
        return;
    }
    // Where the control is drawn is known only by rendering the text as the cell paints it.
    TRect r = CellRect(ACol, ARow);
    r.Left += d->Shared.FXYOffset.X + 1;
    if (HasCheckBox(real, ARow))
        r.Left += d->Shared.FControlLook->CheckSize();
    r.Top += d->Shared.FXYOffset.Y + 1;
    TMiniHtmlParams params;
    params.Rect = r;
    params.Cache = d->Shared.FImageCache.get();
    params.CheckHotSpot = true;
    params.ControlID = next;
    TMiniHtmlResult found;
    TCanvas& canvas = *Canvas();
    canvas.Font() = Font();
    RenderMiniHtml(canvas, s, params, found);
    ShowHTMLControlEditor(s, found.ControlType, ARow, real, ACol, found.ControlRect, found.ControlValue, next);
}

void TVxStringGrid::ControlComboSelect()
{
    if (OnControlComboSelect)
        OnControlComboSelect(this, d->Aux.FCtrlXY.Y, d->Aux.FCtrlXY.X, d->ControlCombo()->currentIndex(),
                             d->Aux.FCtrlID, d->ControlCombo()->currentText());
}

void TVxStringGrid::EditFixedCell(int ACol, int ARow)
{
    // Only the editors made already can be open.
    if (d->Aux.FEditTrans && d->Aux.FEditTrans->isVisible() && !d->Aux.FEditTrans->StopEdit())
        return;
    if (d->Aux.FComboTrans && d->Aux.FComboTrans->isVisible() && !d->Aux.FComboTrans->StopEdit())
        return;
    bool canEdit = true;
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit)
        return;
    d->Aux.FFixedColEdit = ACol;
    d->Aux.FFixedRowEdit = ARow;
    TGridFixedCellEditor kind =
        ACol == 0 ? d->Shared.FMouseActions->FixedColsEditor() : d->Shared.FMouseActions->FixedRowsEditor();
    QStringList values = d->Shared.FMouseActions->FixedComboValues();
    DoFixedEdit(ACol, ARow, kind, values);
    // The editors are children of the grid: the cell's viewport rectangle moves by the viewport's place.
    TRect r = CalcCellRect(ACol, ARow);
    const QPoint o = viewport()->pos();
    r = TRect{o.x() + r.Left + 1, o.y() + r.Top + 1, o.x() + r.Right - 1, o.y() + r.Bottom - 1};
    const int real = RealColIndex(ACol);
    const QString text = Cells(real, ARow);
    auto relay = [this, ACol, ARow](const QString& value) {
        if (OnEditChange)
            OnEditChange(this, ACol, ARow, value);
    };
    if (d->Aux.FEditTrans)
        QObject::disconnect(d->Aux.FEditTrans, &QLineEdit::textEdited, nullptr, nullptr);
    if (d->Aux.FComboTrans)
        QObject::disconnect(d->Aux.FComboTrans, &QComboBox::currentTextChanged, nullptr, nullptr);
    if (kind == TGridFixedCellEditor::fceEdit) {
        d->TransEdit()->setGeometry(r.Left, r.Top, r.Width(), r.Height());
        d->TransEdit()->setText(text);
        d->TransEdit()->SetCell(real, ARow);
        QObject::connect(d->TransEdit(), &QLineEdit::textEdited, d->TransEdit(), relay);
        d->TransEdit()->show();
        d->TransEdit()->setFocus();
        return;
    }
    d->TransCombo()->clear();
    d->TransCombo()->setEditable(kind == TGridFixedCellEditor::fceComboEdit);
    d->TransCombo()->addItems(values);
    d->TransCombo()->setCurrentIndex(int(values.indexOf(text)));
    if (d->TransCombo()->isEditable())
        d->TransCombo()->setEditText(text);
    d->TransCombo()->setGeometry(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height());
    d->TransCombo()->SetCell(real, ARow);
    QObject::connect(d->TransCombo(), &QComboBox::currentTextChanged, d->TransCombo(), relay);
    d->TransCombo()->show();
    d->TransCombo()->setFocus();
}

TGridTransEdit* TVxStringGridPrivate::TransEdit()
{
    return ChildOnFirstUse(Aux.FEditTrans);
}

TGridTransCombo* TVxStringGridPrivate::TransCombo()
{
    return ChildOnFirstUse(Aux.FComboTrans);
}

TControlEdit* TVxStringGridPrivate::ControlEdit()
{
    return ChildOnFirstUse(Aux.FControlEdit);
}

TControlCombo* TVxStringGridPrivate::ControlCombo()
{
    return ChildOnFirstUse(Aux.FControlCombo);
}
