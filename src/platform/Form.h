#pragma once
// The toolkit's form over QDialog: modal show with a modal result, key preview and the
// show / close-query / close hooks. A control with a modal result closes its form by calling
// done(result) on its window (QDialog::done is virtual; the form keeps the result).
#include "platform/ModalResult.h"
#include <QDialog>
#include <QPointer>

class TForm : public QDialog {
public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // Shows the form modally and returns how it was closed (mrCancel for the window's close box).
    TModalResult ShowModal();

    TModalResult ModalResult() const { return FModalResult; }
    // A value other than mrNone closes the form when it is showing modally.
    void SetModalResult(TModalResult value);

    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& value) { setWindowTitle(value); }

    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    // Fixes the client area; the form cannot be resized by the user.
    void SetFixedClientSize(int w, int h);

    void done(int result) override;

    // Makes the window's controls once (Build_Controls); the first showing does it.
    void Build();
    bool Built() const { return FBuilt; }
    void setVisible(bool visible) override;

protected:
    // The program makes all its windows at start and shows few: a window that waits for its first showing to
    // make its controls makes them here. Until then they are null.
    virtual void Build_Controls() {}
    virtual void FormShow() {}
    // False keeps the form open.
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}
    // With KeyPreview on, the form sees keys before the focused control; Key := 0 swallows it.
    virtual void FormKeyDown(int& Key, Qt::KeyboardModifiers Shift);
    virtual void FormKeyPress(QChar& Key);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TModalResult FModalResult = mrNone;
    bool FKeyPreview = false;
    bool FInModal = false;
    bool FBuilt = false;
    const QEvent* FPreviewedEvent = nullptr;
    QPointer<QWidget> FPreviewedAt;
};
