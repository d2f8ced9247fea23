#pragma once
// A widget that turns Qt's events into the toolkit's control virtuals: Paint with a canvas, mouse, keys,
// focus, pointer enter and leave, dialog keys and characters, enabled and font changes.
#include "platform/Canvas.h"
#include "platform/KeyCodes.h"
#include "platform/Property.h"
#include <QWidget>
#include <functional>
#include <memory>

// What a control handles itself of the keys a dialog otherwise takes (the platform's dialog codes).
enum class TDlgCode : unsigned { dlgWantArrows = 0x1, dlgWantTab = 0x2, dlgWantAllKeys = 0x4, dlgWantChars = 0x8 };
Q_DECLARE_FLAGS(TDlgCodes, TDlgCode)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDlgCodes)

using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

// Whether Key is the caption's accelerator: the character after a single "&" ("&&" is a literal ampersand),
// compared without case.
bool IsAccel(QChar Key, const QString& Caption);

class TCustomControl : public QWidget {
    Q_OBJECT
public:
    explicit TCustomControl(QWidget* parent = nullptr);
    ~TCustomControl() override;

    // The control's own flags, not its parent's.
    bool Enabled() const;
    void SetEnabled(bool value);
    bool Visible() const;
    void SetVisible(bool value) { QWidget::setVisible(value); }
    // Visible together with all of its parents.
    bool Showing() const { return isVisible(); }

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int value) { move(value, y()); }
    void SetTop(int value) { move(x(), value); }
    void SetWidth(int value) { resize(value, height()); }
    void SetHeight(int value) { resize(width(), value); }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) { setGeometry(ALeft, ATop, AWidth, AHeight); }
    TRect ClientRect() const { return Rect(0, 0, width(), height()); }

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& value) { setToolTip(value); }
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }

    void Invalidate() { update(); }
    void Repaint() { repaint(); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    bool Focused() const { return hasFocus(); }
    // The canvas paints only inside Paint; at other times it measures text in the control's font.
    TCanvas& Canvas() { return *FCanvas; }

    // Without double clicks a quick second press is an ordinary press (no ssDouble, no DblClick).
    bool DoubleClicks() const { return FDoubleClicks; }
    void SetDoubleClicks(bool value) { FDoubleClicks = value; }

    // Offers a dialog key, then a dialog character, to every control of the window until one takes it.
    static bool DispatchDialogKey(QWidget* window, std::uint16_t Key, TShiftState Shift);
    static bool DispatchDialogChar(QWidget* window, QChar Key, TShiftState Shift);

    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnDblClick;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void Paint() {}
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DblClick();
    virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void EnabledChanged() {}
    virtual void FontChanged() { Invalidate(); }
    // During KeyDown: the key was already down (an auto-repeated press), the platform's previous key state.
    bool KeyRepeated() const { return FKeyRepeated; }
    // Tab, arrows, Enter and Escape go to the window's dialog handling unless the control wants them here.
    virtual TDlgCodes GetDlgCode() const { return {}; }
    // A dialog key (Enter, Escape, ...) offered to every control; true when taken.
    virtual bool DialogKey(std::uint16_t Key, TShiftState Shift);
    // An accelerator character offered to every control; true when taken.
    virtual bool DialogChar(QChar Key, TShiftState Shift);

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void HandlePress(QMouseEvent* e, bool isDouble);

    std::unique_ptr<TCanvas> FCanvas;
    TFont FFont;
    TColor FColor = clBtnFace;
    bool FDoubleClicks = true;
    bool FKeyRepeated = false;
    Qt::MouseButton FLastPressButton = Qt::NoButton;
    qint64 FLastPressTime = -1;    // the press a next one may pair with; -1 after a double click
    quint64 FLastEventTime = 0;    // the last press handled, to know Qt's double-click event for it
    QPoint FLastPressPos;
};
