#include "platform/Form.h"

#include <QApplication>
#include <QKeyEvent>

TForm::TForm(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

TForm::~TForm()
{
    if (FKeyPreview)
        qApp->removeEventFilter(this);
}

TModalResult TForm::ShowModal()
{
    FModalResult = mrNone;
    FInModal = true;
    exec();
    FInModal = false;
    return FModalResult;
}

void TForm::SetModalResult(TModalResult value)
{
    FModalResult = value;
    if (value != mrNone && FInModal)
        done(value);
}

void TForm::SetKeyPreview(bool value)
{
    if (value == FKeyPreview)
        return;
    FKeyPreview = value;
    if (value)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void TForm::SetFixedClientSize(int w, int h)
{
    setFixedSize(w, h);
}

void TForm::done(int result)
{
    // QDialog's reject (close box, Escape) arrives as 0: the toolkit calls that Cancel.
    const TModalResult r = result == QDialog::Rejected ? mrCancel : result;
    if (!FormCloseQuery()) {
        FModalResult = mrNone;
        return;
    }
    FModalResult = r;
    FormClose();
    QDialog::done(r);
}

void TForm::Build()
{
    if (FBuilt)
        return;
    FBuilt = true;
    Build_Controls();
}

void TForm::setVisible(bool visible)
{
    if (visible)
        Build();
    QDialog::setVisible(visible);
}

void TForm::FormKeyDown(int&, Qt::KeyboardModifiers) {}
void TForm::FormKeyPress(QChar&) {}

void TForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    // A toolkit form does not close on Escape unless a control asks for it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QDialog::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this || !isVisible())
        return QDialog::eventFilter(watched, event);
    // A key the control ignores travels on to its parents: preview it only at its first receiver.
    const bool passingUp = event == FPreviewedEvent && FPreviewedAt && widget != FPreviewedAt
                           && widget->isAncestorOf(FPreviewedAt);
    FPreviewedEvent = event;
    FPreviewedAt = widget;
    if (passingUp)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    int code = key->key();
    FormKeyDown(code, key->modifiers());
    if (code == 0)
        return true;
    if (!key->text().isEmpty()) {
        QChar c = key->text().at(0);
        FormKeyPress(c);
        if (c.isNull())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
