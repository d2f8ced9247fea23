#include "grid/edit/GridInplaceEdit.h"

#include "grid/core/VxStringGrid.h"
#include "grid/edit/EditSession.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "platform/Beep.h"
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>

TVxInplaceEdit::TVxInplaceEdit(TVxStringGrid* AGrid)
    : TInplaceEdit(AGrid), FGrid(AGrid)
{
}

bool TVxInplaceEdit::FilterChar(TEditorType Kind, QChar& Key, const QString& Text, int Caret, const QString& Selected,
                                const QString& ValidChars, bool Ctrl)
{
    const bool control = Key == QChar(8) || Key == QChar(9) || Key == QChar(13) || Key == QChar(27);
    const QChar minus(QLatin1Char('-'));
    switch (Kind) {
    case TEditorType::edNumeric:
        if (control || Key.isDigit() || (Key == minus && !Text.contains(minus) && Caret == 0))
            return true;
        MessageBeep(0);
        return false;
    case TEditorType::edPositiveNumeric:
        if (control || Key.isDigit())
            return true;
        MessageBeep(0);
        return false;
    case TEditorType::edFloat:
    case TEditorType::edPositiveFloat: {
        const QLocale locale;
        const QString dec = locale.decimalPoint();
        const QString group = locale.groupSeparator();
        if (control || Key.isDigit())
            return true;
        if (QString(Key) == dec)
            return !Text.contains(dec) || Selected.contains(dec);
        if (QString(Key) == group)
            return false;
        if (Key == QLatin1Char(',') || Key == QLatin1Char('.'))
            return true;
        if (Key == minus && Kind == TEditorType::edFloat) {
            if (Selected.contains(minus) || (Caret == 0 && !Text.contains(minus)))
                return true;
            MessageBeep(0);
            return false;
        }
        return Ctrl;
    }
    case TEditorType::edCapital:
    case TEditorType::edUpperCase:
        Key = QLocale().toUpper(QString(Key)).at(0);
        return true;
    case TEditorType::edLowerCase:
        Key = QLocale().toLower(QString(Key)).at(0);
        return true;
    case TEditorType::edValidChars:
        if (Key == QChar(8) || Key == QChar(13) || ValidChars.contains(Key))
            return true;
        MessageBeep(0);
        return false;
    default:
        return true;
    }
}

void TVxInplaceEdit::UpdateContents()
{
    TInplaceEdit::UpdateContents();
    const bool password = FGrid->EditSession().Kind() == TEditorType::edPassword;
    setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    FColE = FGrid->Col();
    FRowE = FGrid->Row();
    FGrid->EditSession().EditorLoaded();
}

bool TVxInplaceEdit::ValidateOrRestore()
{
    QString shown;
    const bool accepted = FGrid->EditSession().Commit(text(), shown);
    setText(shown);
    if (accepted)
        return true;
    if (FGrid->Navigation().EditSelectAll())
        selectAll();
    else
        Deselect();
    return false;
}

bool TVxInplaceEdit::event(QEvent* e)
{
    // Tab is claimed before the focus chain sees it when the grid validates on it.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && FGrid->HasCellValidation()) {
            keyPressEvent(key);
            return true;
        }
    }
    return TInplaceEdit::event(e);
}

void TVxInplaceEdit::keyPressEvent(QKeyEvent* e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool atStart = !hasSelectedText() && cursorPosition() == 0;
    const bool atEnd = !hasSelectedText() && cursorPosition() == int(text().size());
    if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete)
        FWorkmode = false;
    else if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter && e->key() != Qt::Key_Up &&
             e->key() != Qt::Key_Down)
        FWorkmode = true;
    switch (e->key()) {
    case Qt::Key_Escape:
        setText(FGrid->EditSession().CachedText());
        FGrid->HideInplaceEdit();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (FGrid->Navigation().LineFeedOnEnter() || ctrl)
            break;
        [[fallthrough]];
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!ValidateOrRestore()) {
            FGrid->SetNoAutoAdvance(true);
            e->accept();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if ((e->key() == Qt::Key_Left ? atStart : atEnd) && !ValidateOrRestore()) {
            e->accept();
            return;
        }
        break;
    default: {
        if (e->text().size() != 1 || ctrl)
            break;
        QChar ch = e->text().at(0);
        const int limit = FGrid->MaxEditLength();
        if (limit > 0 && text().size() >= limit && !hasSelectedText() && ch != QChar(8) && ch != QChar(27)) {
            e->accept();
            return;
        }
        const QChar typed = ch;
        if (!FilterChar(FGrid->EditSession().Kind(), ch, text(), cursorPosition(), selectedText(), FGrid->ValidChars(),
                        ctrl)) {
            e->accept();
            return;
        }
        if (FGrid->EditSession().Kind() == TEditorType::edMixedCase) {
            // The whole text is re-cased after every character; the caret stays after the typed one.
            TInplaceEdit::keyPressEvent(e);
            const int caret = cursorPosition();
            setText(CapitalizeName(text()));
            setCursorPosition(caret);
            return;
        }
        if (ch != typed) {
            QKeyEvent changed(e->type(), e->key(), e->modifiers(), QString(ch));
            TInplaceEdit::keyPressEvent(&changed);
            return;
        }
        break;
    }
    }
    TInplaceEdit::keyPressEvent(e);
}

void TVxInplaceEdit::keyReleaseEvent(QKeyEvent* e)
{
    TInplaceEdit::keyReleaseEvent(e);
    CompleteFromLookup();
}

// The typed part stays as typed; the rest of the first matching item follows it, selected, so that typing on
// replaces it.
void TVxInplaceEdit::CompleteFromLookup()
{
    const QStringList& items = FGrid->LookupItems();
    if (!FWorkmode || hasSelectedText() || !FGrid->Lookup() || items.isEmpty())
        return;
    const Qt::CaseSensitivity cs = FGrid->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Only at the end of a typed text: a caret moved back into the text must not cost what follows it.
    if (cursorPosition() != int(text().size()) || text().isEmpty())
        return;
    const QString typed = text();
    for (const QString& item : items) {
        if (!item.startsWith(typed, cs))
            continue;
        const QString completed = typed + item.mid(typed.size()).left(255);
        setText(completed);
        setSelection(int(typed.size()), int(completed.size() - typed.size()));
        return;
    }
}

void TVxInplaceEdit::focusInEvent(QFocusEvent* e)
{
    TInplaceEdit::focusInEvent(e);
    FGotFocus = true;
}

void TVxInplaceEdit::focusOutEvent(QFocusEvent* e)
{
    TGridEditSession& session = FGrid->EditSession();
    session.StartCharUsed();
    QWidget* to = QApplication::focusWidget();
    const bool toGrid = to == FGrid || to == FGrid->viewport();
    if (!toGrid && session.Editing() && isVisible()) {
        // Accepted or refused, the edit ends here: the editor shows what the cell kept, then goes, and the focus
        // stays where the user put it.
        session.FocusLost(text());
        setText(FGrid->GetCurrentCellText());
        FGrid->HideInplaceEdit();
        session.Ended();
    }
    TInplaceEdit::focusOutEvent(e);
    if (FGotFocus) {
        FGotFocus = false;
        FGrid->PostEditingDone(FGrid->RealColIndex(FColE), FRowE);
    }
}
