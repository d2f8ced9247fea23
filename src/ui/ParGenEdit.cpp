#include "ui/ParGenEdit.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Refuses a change by the user that makes the text longer than the limit; a text the program set is
// taken as it is, and when it is longer the user may still shorten it or edit within its length.
class TTypingLimit : public QValidator {
public:
    TTypingLimit(QLineEdit* edit, int limit)
        : QValidator(edit), FEdit(edit), FLimit(limit), FLength(edit->text().length())
    {
        // The edit already holds the changed text while it asks: remember the last accepted length.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { FLength = text.length(); });
    }

    State validate(QString& input, int&) const override
    {
        // setText leaves the edit unmodified; every change by the user marks it modified.
        if (!FEdit->isModified())
            return Acceptable;
        return input.length() > FLimit && input.length() > FLength ? Invalid : Acceptable;
    }

private:
    const QLineEdit* FEdit;
    int FLimit;
    qsizetype FLength;
};

} // namespace

TParEdit::TParEdit(QWidget* parent) : QLineEdit(parent) {}

void TParEdit::SetTypingLimit(int value)
{
    delete validator();
    setValidator(value > 0 ? new TTypingLimit(this, value) : nullptr);
}

void TParEdit::keyPressEvent(QKeyEvent* event)
{
    QString text = event->text();
    if (text.length() == 1 && text.at(0).isPrint() && OnKeyPress) {
        QChar key = text.at(0);
        OnKeyPress(this, key);
        if (key.isNull()) {
            event->accept();
            return;
        }
        text = key;
    }
    if (FLowerCase)
        text = text.toLower();
    if (text == event->text())
        return QLineEdit::keyPressEvent(event);
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), text, event->isAutoRepeat(),
                      static_cast<ushort>(event->count()));
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}
