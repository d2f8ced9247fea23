#include "grid/edit/editors/VxgCombo.h"
#include "platform/Property.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/VxStyleIF.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/edit/editors/FlatFrame.h"
#include "platform/MaskEdit.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>

TVxgCustomCombo::TVxgCustomCombo(QWidget* AOwner) : QComboBox(AOwner)
{
    FButtonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    FIsThemed = CommonControlsAtLeastV6();
    FLabel = new TControlLabel(this);
    // A combo made at run time starts from its own colour, so that leaving the focus goes back to it.
    FNormalColor = FColor;
    setEditable(true);
    setMaxVisibleItems(8);
    setMouseTracking(true);
    connect(this, &QComboBox::currentTextChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] {
        if (OnSelect)
            OnSelect(this);
    });
}

TVxgCustomCombo::~TVxgCustomCombo() = default;

void TVxgCustomCombo::SelectItem(const QString& AString)
{
    const int i = findText(AString, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0)
        setCurrentIndex(i);
}

void TVxgCustomCombo::SetButtonWidth(int value)
{
    if (value > 13 && value <= 32) {
        FButtonWidth = value;
        update();
    }
}

void TVxgCustomCombo::SetFlat(bool value)
{
    if (value == FFlat)
        return;
    FFlat = value;
    SetCtl3D(!value);
    if (FFlatParentColor && FFlat && parentWidget())
        ApplyColor(ParentColor());
    else
        ApplyColor(FLoadedColor);
    update();
}

void TVxgCustomCombo::SetEtched(bool value)
{
    SetPropertyAlways(FEtched, value, [this] { update(); });
}

void TVxgCustomCombo::SetFlatLineColor(TColor value)
{
    SetPropertyAlways(FFlatLineColor, value, [this] { update(); });
}

void TVxgCustomCombo::SetFlatParentColor(bool value)
{
    SetPropertyAlways(FFlatParentColor, value, [this] { update(); });
}

void TVxgCustomCombo::SetBorderColor(TColor value)
{
    SetProperty(FBorderColor, value, [this] { update(); });
}

void TVxgCustomCombo::SetDropWidth(int value)
{
    FDropWidth = value;
    if (value > 0)
        view()->setMinimumWidth(value);
}

void TVxgCustomCombo::SetCtl3D(bool value)
{
    FCtl3D = value;
    setFrame(value);
}

void TVxgCustomCombo::SetStyle(TComboBoxStyle value)
{
    FStyle = value;
    setEditable(value != TComboBoxStyle::csDropDownList);
    update();
}

// What the program assigns is the colour the combo returns to: the run-time counterpart of a colour read from
// a form.
void TVxgCustomCombo::SetColor(TColor value)
{
    FLoadedColor = value;
    if (!(FHasFocus && FFocusColor != clNone))
        FNormalColor = value;
    ApplyColor(value);
}

void TVxgCustomCombo::ApplyColor(TColor value)
{
    FColor = value;
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(value));
    p.setColor(QPalette::Button, ToQColor(value));
    setPalette(p);
}

TColor TVxgCustomCombo::ParentColor() const
{
    return parentWidget() ? FromQColor(parentWidget()->palette().color(QPalette::Window)) : FColor;
}

void TVxgCustomCombo::SetEnabled(bool value)
{
    setEnabled(value);
}

void TVxgCustomCombo::SetText(const QString& value)
{
    if (isEditable())
        setEditText(value);
    else
        setCurrentIndex(findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QStringList TVxgCustomCombo::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TVxgCustomCombo::SetItems(const QStringList& value)
{
    clear();
    addItems(value);
}

void TVxgCustomCombo::SetLabelFont(const TFont& value)
{
    if (!ParentFont())
        FLabel->SetFont(value);
}

void TVxgCustomCombo::showPopup()
{
    if (OnDropDown)
        OnDropDown(this);
    QComboBox::showPopup();
    FDroppedDown = true;
    update(QRect(width() - FButtonWidth, 0, FButtonWidth, height()));
}

void TVxgCustomCombo::hidePopup()
{
    QComboBox::hidePopup();
    FDroppedDown = false;
    update(QRect(width() - FButtonWidth, 0, FButtonWidth, height()));
    if (OnDropUp)
        OnDropUp(this);
}

void TVxgCustomCombo::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TVxgCustomCombo::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TVxgCustomCombo::KeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TVxgCustomCombo::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TVxgCustomCombo::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TVxgCustomCombo::keyPressEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0) {
        KeyDown(key, ShiftStateFromQt(e->modifiers(), QApplication::mouseButtons()));
        if (key == 0)
            return;
    }
    QChar ch = ToolkitCharOf(e);
    if (!ch.isNull()) {
        const QChar typed = ch;
        KeyPress(ch);
        if (ch.isNull())
            return;
        if (ch != typed && lineEdit()) {
            lineEdit()->insert(QString(ch));
            return;
        }
    }
    QComboBox::keyPressEvent(e);
}

void TVxgCustomCombo::keyReleaseEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0)
        KeyUp(key, ShiftStateFromQt(e->modifiers(), QApplication::mouseButtons()));
    QComboBox::keyReleaseEvent(e);
}

void TVxgCustomCombo::focusInEvent(QFocusEvent* e)
{
    QComboBox::focusInEvent(e);
    if (e->reason() == Qt::PopupFocusReason)
        return;
    FHasFocus = true;
    if (FFocusColor != clNone)
        ApplyColor(FFocusColor);
    update();
    DoEnter();
}

void TVxgCustomCombo::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason)
        return;
    FHasFocus = false;
    if (FFocusColor != clNone && FNormalColor != clNone)
        ApplyColor(FNormalColor);
    update();
    DoExit();
}

void TVxgCustomCombo::enterEvent(QEnterEvent* e)
{
    QComboBox::enterEvent(e);
    if (FMouseInControl || !isEnabled())
        return;
    FMouseInControl = true;
    update();
    if (FAutoFocus && (!window() || window()->isActiveWindow()))
        setFocus(Qt::MouseFocusReason);
}

void TVxgCustomCombo::leaveEvent(QEvent* e)
{
    QComboBox::leaveEvent(e);
    if (FMouseInControl && isEnabled())
        FMouseInControl = false;
    FButtonHover = false;
    update();
}

void TVxgCustomCombo::mouseMoveEvent(QMouseEvent* e)
{
    QComboBox::mouseMoveEvent(e);
    const int x = int(e->position().x());
    const bool hover = width() - FButtonWidth < x && x < width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        update();
    }
}

void TVxgCustomCombo::changeEvent(QEvent* e)
{
    // A flat combo shows its parent's colour while disabled.
    if (e->type() == QEvent::EnabledChange && FFlat) {
        if (!isEnabled()) {
            FOldParentColor = FParentColor;
            FOldColor = FColor;
            FParentColor = true;
            ApplyColor(ParentColor());
        } else {
            FParentColor = FOldParentColor;
            ApplyColor(FOldColor);
        }
    }
    QComboBox::changeEvent(e);
}

bool TVxgCustomCombo::ThemesActive() const
{
    return FIsThemed && VxXPVS().ThemedDrawing();
}

bool TVxgCustomCombo::Active() const
{
    return FMouseInControl || hasFocus();
}

bool TVxgCustomCombo::FocusBorderActive() const
{
    return Active() && FFocusBorder;
}

void TVxgCustomCombo::DrawButton(TCanvas& c)
{
    const bool mouseDown = QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
    TRect r = Rect(width() - FButtonWidth + 2, 0, width(), height());
    InflateRect(r, -1, -1);
    if (FButtonColor != clNone) {
        TColor brush = FButtonHover ? (mouseDown ? FButtonColorDown : FButtonColorHot) : FButtonColor;
        if (brush == clNone)
            brush = FButtonColor;
        r = Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        FillRectColor(c, r, brush);
        if (FButtonBorderColor != clNone) {
            c.Pen().SetColor(FButtonBorderColor);
            c.MoveTo(r.Left, r.Top);
            c.LineTo(r.Left, r.Bottom);
        }
        TColor text = mouseDown && FButtonTextColorDown != clNone ? FButtonTextColorDown : FButtonTextColor;
        if (text == clNone)
            text = clBlack;
        c.Brush().SetColor(text);
        c.Pen().SetColor(text);
        c.Polygon({{r.Left + 4, r.Top + 7}, {r.Left + 10, r.Top + 7}, {r.Left + 7, r.Top + 10}});
    } else if (ThemesActive()) {
        const int state = !isEnabled()                                  ? 4
                          : mouseDown && FDroppedDown                   ? 3
                          : FButtonHover && !mouseDown && !FDroppedDown ? 2
                                                                        : 1;
        const TThemeApiTable& api = VxXPVS().ThemeApi();
        const HTHEME theme = api.OpenThemeData(this, QStringLiteral("combobox"));
        api.DrawThemeBackground(theme, c, 1, state, r);
        api.CloseThemeData(theme);
    } else {
        r.Left -= 4;
        InflateRect(r, 0, -1);
        DrawFrameControl(c, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (isEnabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
}

void TVxgCustomCombo::DrawBorder(TCanvas& c)
{
    if ((isEnabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) ||
        (FIsVista && FBorderColor == clNone))
        return;
    TFlatFrame frame;
    frame.Enabled = isEnabled();
    frame.Themed = FIsThemed;
    frame.DisabledBorder = FDisabledBorder;
    frame.HasFocus = FHasFocus;
    frame.FocusBorderActive = FocusBorderActive();
    frame.BorderColor = FBorderColor;
    frame.FocusBorderColor = FFocusBorderColor;
    frame.ParentColor = ParentColor();
    frame.Color = FColor;
    frame.ButtonWidth = FButtonWidth;
    frame.FlatLineColor = FFlat ? FFlatLineColor : clNone;
    DrawFlatFrame(c, Rect(0, 0, width(), height()), frame);
    if (FStyle != TComboBoxStyle::csSimple && !(FIsWinXP && ThemesActive()))
        DrawFlatButtonFace(c, width(), height(), FButtonWidth, Active(), false);
}

void TVxgCustomCombo::paintEvent(QPaintEvent* e)
{
    QComboBox::paintEvent(e);
    if (FIsVista && FButtonColor == clNone)
        return;
    const bool own = FFlat || FButtonColor != clNone || FBorderColor != clNone ||
                     (FFocusBorderColor != clNone && FHasFocus) || (!isEnabled() && ThemesActive() && !FDisabledBorder);
    if (!own)
        return;
    QPainter painter(this);
    TCanvas c;
    c.BeginPaint(&painter);
    if (FStyle != TComboBoxStyle::csSimple)
        DrawButton(c);
    DrawBorder(c);
    c.EndPaint();
}
