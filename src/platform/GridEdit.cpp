#include "platform/GridEdit.h"

#include "platform/Grids.h"
#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>

namespace {

// The first line of a pasted text, its tabs as blanks: a block of cells never lands in one cell.
QString One_Line(const QString& text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    QString line = end < 0 ? text : text.left(end);
    return line.replace(QLatin1Char('\t'), QLatin1Char(' '));
}

} // namespace

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
    if (e->matches(QKeySequence::Paste)) {
        PasteOneLine(QClipboard::Clipboard);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TInplaceEdit::PasteOneLine(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (!text.isEmpty() || hasSelectedText())
        insert(One_Line(text));
}

void TInplaceEdit::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteOneLine(QClipboard::Selection);
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TInplaceEdit::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions())
        if (a->objectName() == QLatin1String("edit-paste")) {
            a->disconnect();
            connect(a, &QAction::triggered, this, [this] { PasteOneLine(QClipboard::Clipboard); });
        }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void TInplaceEdit::dropEvent(QDropEvent* e)
{
    if (!e->mimeData()->hasText()) {
        QLineEdit::dropEvent(e);
        return;
    }
    QMimeData line;
    line.setText(One_Line(e->mimeData()->text()));
    QDropEvent one(e->position(), e->possibleActions(), &line, e->buttons(), e->modifiers(), e->type());
    one.setDropAction(e->dropAction());
    QLineEdit::dropEvent(&one);
    e->setDropAction(one.dropAction());
    e->setAccepted(one.isAccepted());
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
