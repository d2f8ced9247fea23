#include "platform/GridEdit.h"

#include "platform/Grids.h"
#include <QKeyEvent>

TInplaceEdit::TInplaceEdit(TCustomGrid* grid)
    : QLineEdit(grid->viewport()), FGrid(grid)
{
    setFrame(false);
    hide();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (FGrid && FGrid->FInplaceCell.X >= 0)
            FGrid->SetEditText(FGrid->FInplaceCell.X, FGrid->FInplaceCell.Y, text);
    });
    connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
}

void TInplaceEdit::Deselect()
{
    deselect();
    setCursorPosition(int(text().size()));
}

void TInplaceEdit::UpdateContents()
{
    const int limit = FGrid->GetEditLimit();
    setMaxLength(limit > 0 ? limit : 32767);
    FEditMask = FGrid->GetEditMask(FGrid->Col(), FGrid->Row());
    setText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
}

void TInplaceEdit::UpdateLoc(const TRect& loc)
{
    setGeometry(loc.toQRect());
    BoundsChanged();
}

bool TInplaceEdit::ForwardsKey(const QKeyEvent* e) const
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return FGrid->Options().testFlag(TGridOption::goTabs);
    case Qt::Key_Home:
    case Qt::Key_End:
        return ctrl;
    // Left and Right leave the editor only from the edge of an unselected text.
    case Qt::Key_Left:
        return ctrl || (!hasSelectedText() && cursorPosition() == 0);
    case Qt::Key_Right:
        return ctrl || (!hasSelectedText() && cursorPosition() == int(text().size()));
    default:
        return false;
    }
}

bool TInplaceEdit::event(QEvent* e)
{
    // Tab would otherwise move the focus before the key handler sees it.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (FGrid && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && ForwardsKey(key)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* e)
{
    if (FGrid && ForwardsKey(e)) {
        FGrid->keyPressEvent(e);
        e->accept();   // handled once, by the grid
        return;
    }
    // A typed character passes the grid's key press first, which may drop it or type another one instead.
    if (FGrid && e->text().size() == 1) {
        QChar ch = e->text().at(0);
        FGrid->KeyPress(ch);
        if (ch != e->text().at(0)) {
            if (!ch.isNull())
                insert(QString(ch));
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void TInplaceEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (FGrid)
        FGrid->FocusChanged();
}

void TInplaceEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (FGrid)
        FGrid->FocusChanged();
}
