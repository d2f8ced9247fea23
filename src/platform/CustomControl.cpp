#include "platform/CustomControl.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
bool MouseButtonOf(Qt::MouseButton b, TMouseButton& out)
{
    switch (b) {
    case Qt::LeftButton: out = TMouseButton::mbLeft; return true;
    case Qt::RightButton: out = TMouseButton::mbRight; return true;
    case Qt::MiddleButton: out = TMouseButton::mbMiddle; return true;
    default: return false;
    }
}

TShiftState KeyShift(const QKeyEvent* e)
{
    return ShiftStateFromQt(e->modifiers(), QApplication::mouseButtons());
}

// The largest move between two presses that still makes a double click (the platform's default).
constexpr int kDoubleClickDistance = 4;

// Keys that plain Qt widgets of a window leave unhandled reach the window; Enter and Escape are then
// offered to the window's toolkit controls, as the platform's dialog manager does.
class DialogKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        // A toolkit control on its own handles its keys itself.
        if (!window->isWindow() || qobject_cast<TCustomControl*>(window))
            return false;
        const auto* ke = static_cast<QKeyEvent*>(e);
        const std::uint16_t key = VirtualKeyFromQt(ke->key(), ke->modifiers());
        const TShiftState shift = KeyShift(ke);
        if (key == VK_RETURN || key == VK_ESCAPE)
            return TCustomControl::DispatchDialogKey(window, key, shift);
        return false;
    }
};

QObject* DialogKeys()
{
    static QObject* filter = new DialogKeyFilter(qApp);
    return filter;
}

template <typename Offer>
bool OfferToControls(QWidget* window, Offer offer)
{
    if (!window)
        return false;
    const auto controls = window->findChildren<TCustomControl*>();
    for (TCustomControl* c : controls)
        if (c->window() == window && offer(c))
            return true;
    return false;
}
} // namespace

TCustomControl::TCustomControl(QWidget* parent) : QWidget(parent), FCanvas(std::make_unique<TCanvas>())
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    FCanvas->SetFont(FFont);
}

TCustomControl::~TCustomControl() = default;

bool TCustomControl::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void TCustomControl::SetEnabled(bool value)
{
    setEnabled(value);
}

bool TCustomControl::Visible() const
{
    return !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
}

void TCustomControl::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    Invalidate();
}

void TCustomControl::SetFont(const TFont& value)
{
    if (FFont == value)
        return;
    FFont = value;
    FCanvas->SetFont(FFont);
    setFont(FFont.toQFont());
    FontChanged();
}

bool TCustomControl::DispatchDialogKey(QWidget* window, std::uint16_t Key, TShiftState Shift)
{
    return OfferToControls(window, [&](TCustomControl* c) { return c->DialogKey(Key, Shift); });
}

bool IsAccel(QChar Key, const QString& Caption)
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&')
            continue;
        if (Caption[i + 1] != u'&')
            return Caption[i + 1].toUpper() == Key.toUpper();
        ++i;
    }
    return false;
}

bool TCustomControl::DispatchDialogChar(QWidget* window, QChar Key, TShiftState Shift)
{
    return OfferToControls(window, [&](TCustomControl* c) { return c->DialogChar(Key, Shift); });
}

void TCustomControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TCustomControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TCustomControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TCustomControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TCustomControl::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TCustomControl::KeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TCustomControl::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TCustomControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TCustomControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

bool TCustomControl::DialogKey(std::uint16_t, TShiftState)
{
    return false;
}

bool TCustomControl::DialogChar(QChar, TShiftState)
{
    return false;
}

bool TCustomControl::event(QEvent* e)
{
    // Qt moves the focus on Tab before keyPressEvent; a control that wants Tab gets it as a key.
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) && GetDlgCode().testFlag(TDlgCode::dlgWantTab)) {
            keyPressEvent(ke);
            return true;
        }
    }
    return QWidget::event(e);
}

void TCustomControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    FCanvas->BeginPaint(&painter);
    FCanvas->SetFont(FFont);
    FCanvas->Brush().SetColor(FColor);
    FCanvas->Brush().SetStyle(TBrushStyle::bsSolid);
    Paint();
    FCanvas->EndPaint();
}

void TCustomControl::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    const qint64 t = qint64(e->timestamp());
    const bool isDouble = FLastPressButton == e->button() && FLastPressTime >= 0 &&
                          t - FLastPressTime <= QApplication::doubleClickInterval() &&
                          std::abs(pos.x() - FLastPressPos.x()) <= kDoubleClickDistance &&
                          std::abs(pos.y() - FLastPressPos.y()) <= kDoubleClickDistance;
    HandlePress(e, isDouble);
}

void TCustomControl::HandlePress(QMouseEvent* e, bool isDouble)
{
    TMouseButton button;
    if (!MouseButtonOf(e->button(), button)) {
        e->ignore();
        return;
    }
    const QPoint pos = e->position().toPoint();
    TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
    FLastEventTime = e->timestamp();
    if (isDouble && FDoubleClicks) {
        FLastPressTime = -1;
        shift |= TShiftStateItem::ssDouble;
        DblClick();
    } else {
        FLastPressButton = e->button();
        FLastPressTime = qint64(e->timestamp());
        FLastPressPos = pos;
    }
    MouseDown(button, shift, pos.x(), pos.y());
}

void TCustomControl::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    MouseMove(ShiftStateFromQt(e->modifiers(), e->buttons()), pos.x(), pos.y());
}

void TCustomControl::mouseReleaseEvent(QMouseEvent* e)
{
    TMouseButton button;
    if (!MouseButtonOf(e->button(), button)) {
        e->ignore();
        return;
    }
    const QPoint pos = e->position().toPoint();
    MouseUp(button, ShiftStateFromQt(e->modifiers(), e->buttons()), pos.x(), pos.y());
}

void TCustomControl::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Qt sends this right after the second press, already handled; alone (as from a test driver) it is one.
    if (e->timestamp() != FLastEventTime)
        HandlePress(e, true);
}

void TCustomControl::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    const TShiftState shift = KeyShift(e);
    const TDlgCodes wants = GetDlgCode();
    if (key == VK_TAB && !wants.testFlag(TDlgCode::dlgWantTab)) {
        focusNextPrevChild(!shift.testFlag(TShiftStateItem::ssShift));
        return;
    }
    if ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) &&
        !wants.testFlag(TDlgCode::dlgWantArrows)) {
        focusNextPrevChild(key == VK_RIGHT || key == VK_DOWN);
        return;
    }
    if ((key == VK_RETURN || key == VK_ESCAPE) && !wants.testFlag(TDlgCode::dlgWantAllKeys) &&
        DispatchDialogKey(window(), key, shift))
        return;
    if (key != 0) {
        FKeyRepeated = e->isAutoRepeat();
        KeyDown(key, shift);
        FKeyRepeated = false;
    }
    const QString text = e->text();
    if (text.isEmpty())
        return;
    QChar ch = text.at(0);
    // Alt+letter is never typed into the control; a character it does not want may be an accelerator.
    if (shift.testFlag(TShiftStateItem::ssAlt)) {
        DispatchDialogChar(window(), ch, shift);
        return;
    }
    if (!wants.testFlag(TDlgCode::dlgWantChars) && DispatchDialogChar(window(), ch, shift))
        return;
    KeyPress(ch);
}

void TCustomControl::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    // The platform reports one release per key however long it was held.
    if (e->isAutoRepeat())
        return;
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0)
        KeyUp(key, KeyShift(e));
}

void TCustomControl::focusInEvent(QFocusEvent* e)
{
    Invalidate();
    // Focus coming back with the window is no change of the active control.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        DoEnter();
}

void TCustomControl::focusOutEvent(QFocusEvent* e)
{
    Invalidate();
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        DoExit();
}

void TCustomControl::enterEvent(QEnterEvent*)
{
    MouseEnter();
}

void TCustomControl::leaveEvent(QEvent*)
{
    MouseLeave();
}

void TCustomControl::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange)
        EnabledChanged();
    QWidget::changeEvent(e);
}

void TCustomControl::showEvent(QShowEvent* e)
{
    window()->installEventFilter(DialogKeys());
    QWidget::showEvent(e);
}
