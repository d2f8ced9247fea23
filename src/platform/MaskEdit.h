#pragma once
// The toolkit's single-line edit over QLineEdit: key-down, character and key-up steps as virtuals, paste and
// cut as overridable messages, enter and exit, the selection as start and length, and the toolkit's events.
// Edit masks are not carried out: no caller sets one yet.
#include "platform/CustomControl.h"
#include <QLineEdit>

class QKeyEvent;

enum class TBorderStyle { bsNone, bsSingle };

// The character the platform sends for a key: Ctrl with a letter gives the control characters 1 to 26;
// keys without a character (Delete included) give none.
QChar ToolkitCharOf(const QKeyEvent* e);

class TCustomMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCustomMaskEdit(QWidget* AOwner = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const { return int(selectedText().length()); }
    void SetSelLength(int value);
    void SelectAll() { selectAll(); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    int MaxLength() const { return maxLength(); }
    void SetMaxLength(int value) { setMaxLength(value > 0 ? value : 32767); }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    bool Visible() const { return isVisible(); }
    void SetVisible(bool value) { setVisible(value); }
    int Width() const { return width(); }
    void SetWidth(int value) { resize(value, height()); }
    int Height() const { return height(); }
    void SetHeight(int value) { resize(width(), value); }
    // Inside the frame.
    int ClientWidth() const { return width() - 2 * FrameWidth(); }
    int ClientHeight() const { return height() - 2 * FrameWidth(); }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) { setGeometry(ALeft, ATop, AWidth, AHeight); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    // The frame width around the client area (2 for a single border, 0 without).
    int FrameWidth() const { return FBorderStyle == TBorderStyle::bsSingle ? 2 : 0; }

    // The clipboard messages; descendants decide whether they are carried out.
    virtual void WMPaste();
    virtual void WMCut();

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    // The window's key-down message before the control's KeyDown; true when it took the key.
    virtual bool WMKeyDown(std::uint16_t Key, TShiftState Shift);
    // The character message before KeyPress; Keypad tells the numeric keypad's keys.
    virtual void WMChar(QChar& Key, bool Keypad);
    virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void Change();

    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    TColor FColor = clWindow;
};
