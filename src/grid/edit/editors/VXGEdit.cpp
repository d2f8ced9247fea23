#include "grid/edit/editors/VXGEdit.h"
#include "platform/Property.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/ThemeBinding.h"
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>

namespace {
// A one-pixel edge around r: top and left in one colour, bottom and right in the other.
void Edge(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight)
{
    c.Pen().SetColor(topLeft);
    c.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right, r.Top}});
    c.Pen().SetColor(bottomRight);
    c.Polyline({{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}});
}
} // namespace

// ---------------------------------------------------------------- TVxSpeedButton

TVxSpeedButton::TVxSpeedButton(TVxgEditButton* AOwner) : TSpeedButton(AOwner), FOwner(AOwner) {}

void TVxSpeedButton::SetIsWinXP(bool value)
{
    SetPropertyAlways(FIsWinXP, value, [this] { Invalidate(); });
}

void TVxSpeedButton::SetFlat(bool value)
{
    SetPropertyAlways(FFlat, value, [this] { Invalidate(); });
}

void TVxSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    c.SetFont(Font());
    TRect r = ClientRect();
    const bool down = Down();
    if (FOwner->ButtonColor() != clNone) {
        FFlat = true;
        const TColor color = down    ? FOwner->ButtonColorDown()
                             : Hot() ? FOwner->ButtonColorHot()
                                     : FOwner->ButtonColor();
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(color);
        c.Pen().SetColor(color);
        c.Rectangle(r);
    } else if (FIsWinXP && VxXPVS().ThemedDrawing()) {
        const TThemeApiTable& api = VxXPVS().ThemeApi();
        const HTHEME theme = api.OpenThemeData(FOwner, QStringLiteral("button"));
        api.DrawThemeBackground(theme, c, 1, down ? 3 : Hot() ? 2 : 1, r);
        api.CloseThemeData(theme);
    } else if (!FFlat) {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
        InflateRect(r, -2, -2);
    } else {
        FillRectColor(c, r, clBtnFace);
        if (down)
            Edge(c, r, clBtnShadow, clBtnHighlight);
        else
            Edge(c, r, clBtnHighlight, clBtnShadow);
        InflateRect(r, -1, -1);
    }
    DrawGlyph(c, ClientRect());
    if (Caption().isEmpty())
        return;
    if (down)
        OffsetRect(r, 1, 1);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---------------------------------------------------------------- TVxgEditButton

TVxgEditButton::TVxgEditButton(QWidget* AOwner) : TCustomControl(AOwner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    FButton = new TVxSpeedButton(this);
    FButton->OnMouseUp = [this](QObject*, TMouseButton Button, TShiftState, int, int) { BtnMouseUp(Button); };
    FButton->show();
    resize(20, 25);
    FButton->setGeometry(0, 0, width(), height());
}

void TVxgEditButton::SetFlat(bool value)
{
    FFlat = value;
    FButton->SetFlat(value);
}

void TVxgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    setGeometry(ALeft, ATop, AWidth, AHeight);
    FButton->setGeometry(0, 0, width(), height());
}

void TVxgEditButton::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    FButton->setGeometry(0, 0, width(), height());
}

void TVxgEditButton::BtnMouseUp(TMouseButton Button)
{
    if (Button != TMouseButton::mbLeft)
        return;
    if (OnClick)
        OnClick(this);
    QWidget* fc = FFocusControl;
    if (fc && fc->focusPolicy() != Qt::NoFocus && fc->isEnabled() && fc->isVisible() && !fc->hasFocus())
        fc->setFocus(Qt::MouseFocusReason);
    else if (!fc && TabStop() && !hasFocus() && isEnabled())
        SetFocus();
}

// ---------------------------------------------------------------- TVxgEditBtn

TVxgEditBtn::TVxgEditBtn(QWidget* AOwner) : TCustomMaskEdit(AOwner)
{
    FButton = new TVxgEditButton(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](QObject* Sender) { DoClickBtn(Sender); };
    FButton->show();
    setText(QStringLiteral("0"));
    PlaceButton();
    AdjustEditRect();
}

void TVxgEditBtn::SetRightAlign(bool value)
{
    if (value == FRightAlign)
        return;
    FRightAlign = value;
    setAlignment((value ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void TVxgEditBtn::SetButtonWidth(int value)
{
    FButtonWidth = value;
    FButton->SetBounds(FButton->x(), FButton->y(), value, FButton->height());
    PlaceButton();
    AdjustEditRect();
}

void TVxgEditBtn::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->Button()->SetIsWinXP(value);
}

void TVxgEditBtn::SetBorderStyle(TBorderStyle value)
{
    TCustomMaskEdit::SetBorderStyle(value);
    PlaceButton();
    AdjustEditRect();
}

void TVxgEditBtn::DoClickBtn(QObject* Sender)
{
    if (OnClickBtn)
        OnClickBtn(Sender);
}

int TVxgEditBtn::MinimumHeight() const
{
    const int hs = QFontMetrics(QApplication::font()).height();
    const int hf = QFontMetrics(font()).height();
    return hf + std::min(hs, hf) / 4;
}

void TVxgEditBtn::PlaceButton()
{
    const int f = FrameWidth();
    const int d = BorderStyle() == TBorderStyle::bsNone ? 1 : 5;
    FButton->SetBounds(f + width() - FButton->width() - d, f, FButton->width(), height() - d);
}

void TVxgEditBtn::AdjustEditRect()
{
    const int m = BorderStyle() == TBorderStyle::bsNone ? 3 : 1;
    const int right = FButton->width() + FUnitSize + 5 + (FUnitSize > 0 ? 3 : 0);
    setTextMargins(m, m, right, 0);
}

void TVxgEditBtn::resizeEvent(QResizeEvent* e)
{
    TCustomMaskEdit::resizeEvent(e);
    const int minimum = MinimumHeight();
    if (height() < minimum) {
        resize(width(), minimum);
        return;
    }
    PlaceButton();
    AdjustEditRect();
}

void TVxgEditBtn::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !Shift.testFlag(TShiftStateItem::ssCtrl) && !Shift.testFlag(TShiftStateItem::ssAlt))
        DoClickBtn(this);
}

void TVxgEditBtn::WMChar(QChar& Key, bool)
{
    if (!FEditorEnabled)
        Key = QChar();
}

void TVxgEditBtn::WMPaste()
{
    if (FEditorEnabled && !isReadOnly())
        TCustomMaskEdit::WMPaste();
}

void TVxgEditBtn::WMCut()
{
    if (FEditorEnabled && !isReadOnly())
        TCustomMaskEdit::WMCut();
}

// ---------------------------------------------------------------- TVxgUnitEditBtn

TVxgUnitEditBtn::TVxgUnitEditBtn(QWidget* AOwner) : TVxgEditBtn(AOwner)
{
    FUnitSize = 20;
    SetRightAlign(true);
    AdjustEditRect();
}

void TVxgUnitEditBtn::SetUnitID(const QString& value)
{
    SetPropertyAlways(FUnitID, value, [this] { update(); });
}

void TVxgUnitEditBtn::SetUnitSpace(int value)
{
    FUnitSize = value;
    AdjustEditRect();
    update();
}

void TVxgUnitEditBtn::SetTextAndUnit(const QString& value)
{
    for (const QString& u : FUnits) {
        if (u.isEmpty())
            continue;
        const qsizetype f = value.indexOf(u);
        if (f >= 0 && f == value.size() - u.size()) {
            SetText(value.left(f));
            SetUnitID(value.mid(f));
            return;
        }
    }
}

void TVxgUnitEditBtn::DoClickBtn(QObject*)
{
    TVxgEditBtn::DoClickBtn(this);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < FUnits.size(); ++i) {
        QAction* item = menu->addAction(FUnits[i]);
        connect(item, &QAction::triggered, this, [this, i] { WMCommand(i + 1); });
    }
    const int f = FrameWidth();
    menu->popup(mapToGlobal(QPoint(f + ClientWidth() - 15, f + ClientHeight())));
}

void TVxgUnitEditBtn::WMCommand(int ItemID)
{
    if (ItemID < 1 || ItemID > FUnits.size())
        return;
    const QString previous = FUnitID;
    SetUnitID(FUnits[ItemID - 1]);
    if (previous != FUnitID && OnUnitChanged)
        OnUnitChanged(this, FUnitID);
}

void TVxgUnitEditBtn::paintEvent(QPaintEvent* e)
{
    TVxgEditBtn::paintEvent(e);
    QPainter painter(this);
    TCanvas c;
    c.BeginPaint(&painter);
    c.SetFont(TFont::fromQFont(font()));
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const int f = FrameWidth();
    const int right = f + ClientWidth() - Button()->width() - 3;
    TRect r = Rect(right - FUnitSize, f + 2, right, f + ClientHeight());
    c.DrawText(FUnitID, r, DT_EDITCONTROL);
    c.EndPaint();
}
