#include "widgets/dropdown/PopupPanels.h"
#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "platform/ImageList.h"
#include "widgets/dropdown/GradientButton.h"
#include <QCursor>
#include <stdexcept>

TVxButton* TDbgList::GetItemsEx(int Index) const
{
    if (Index >= Count())
        throw std::out_of_range("Index out of bounds in list read access");
    return FItems.at(size_t(Index));
}

void TDbgList::SetItemsEx(int Index, TVxButton* Value)
{
    if (Index >= Count())
        throw std::out_of_range("Index out of bounds in list write access");
    FItems.at(size_t(Index)) = Value;
}

TVxPopupStrip::TVxPopupStrip(QWidget* AOwner) : TCustomControl(AOwner)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

TVxPopupStrip::~TVxPopupStrip() = default;

void TVxPopupStrip::BuildButtons()
{
    if (FVxDropDown)
        UpdateButtons();
}

void TVxPopupStrip::AppearanceChanged()
{
    setVisible(StripAppearance().Visible());
    SetHeight(StripAppearance().Height());
}

bool TVxPopupStrip::FramesItself() const
{
    return !FVxDropDown || FVxDropDown->DropDownBorderWidth() <= 0 || FVxDropDown->DropDownBorderColor() == clNone;
}

void TVxPopupStrip::ClearButtons()
{
    // A button may be rebuilt from its own click handler, so it goes when the event is over.
    for (int i = FButtonList.Count() - 1; i >= 0; --i) {
        FButtonList.GetItemsEx(i)->hide();
        FButtonList.GetItemsEx(i)->deleteLater();
    }
    FButtonList.Clear();
}

void TVxPopupStrip::PrepareButton(TVxButton& Button, const TAppearanceButton& Item)
{
    Button.SetAppearance(&FVxDropDown->ButtonAppearance());
    Button.SetCaption(Item.Caption());
    Button.SetImages(FImages);
    Button.SetImageIndex(Item.ImageIndex());
    Button.setEnabled(Item.Enabled());
}

void TVxPopupStrip::UpdateButtons()
{
    if (!FVxDropDown)
        return;
    ClearButtons();
    const int maxHeight = GetButtonArea().Height();
    for (int i = 0; i < ButtonCount(); ++i) {
        const TAppearanceButton& item = ButtonItem(i);
        auto* button = new TVxButton(this);
        PrepareButton(*button, item);
        button->SizeToContent();
        if (item.Width() > 0)
            button->SetWidth(item.Width());
        if (item.Height() > 0)
            button->SetHeight(item.Height());
        if (button->height() > maxHeight)
            button->SetHeight(maxHeight);
        button->SetTag(i);
        button->OnClick = [this](QObject* Sender) {
            if (auto* b = dynamic_cast<TVxButton*>(Sender))
                ButtonClicked(b->Tag());
        };
        button->show();
        FButtonList.Add(button);
    }
    ArrangeButtons();
}

void TVxPopupStrip::ArrangeButtons()
{
    if (FButtonList.Count() == 0)
        return;
    const TRect area = GetButtonArea();
    const bool right = StripAppearance().ButtonAlignment() == TButtonAlignment::baRight;
    int edge = right ? area.Right : area.Left;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TVxButton* b = FButtonList.GetItemsEx(i);
        const int top = std::max(area.Top, (area.Bottom - b->height()) / 2);
        if (right) {
            edge -= b->width();
            b->move(edge, top);
        } else {
            b->move(edge, top);
            edge += b->width();
        }
    }
}

void TVxPopupStrip::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    ArrangeButtons();
}

void TVxPopupStrip::PaintCaption(const TRect& ClientArea)
{
    const TStripAppearance& a = StripAppearance();
    TCanvas& c = Canvas();
    TRect area = ClientArea;
    InflateRect(area, -a.BorderWidth(), -a.BorderWidth());
    if (a.ImageIndex() >= 0 && FImages) {
        FImages->Draw(c, area.Left + 4, area.Top + (area.Height() - FImages->Height()) / 2, a.ImageIndex());
        area.Left += 4 + FImages->Width() + 8;
    }
    QString caption = a.Caption();
    if (OnGetText)
        OnGetText(this, caption);
    if (caption.isEmpty())
        return;
    if (FButtonList.Count() > 0)
        area.Right = FButtonList.GetItemsEx(FButtonList.Count() - 1)->x() - 2;
    c.SetFont(a.Font());
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TMiniHtmlParams params;
    params.Rect = area;
    params.URLColor = 0xFF0000;
    params.HoverColor = clNone;
    params.HoverFontColor = clNone;
    params.ShadowColor = 0x808080;
    params.WordWrap = true;
    params.CheckHeight = true;
    TMiniHtmlResult size;
    RenderMiniHtml(c, caption, params, size);
    if (size.YSize < area.Height())
        area.Top += (area.Height() - size.YSize) / 2;
    params.Rect = area;
    params.CheckHeight = false;
    TMiniHtmlResult drawn;
    RenderMiniHtml(c, caption, params, drawn);
}

namespace {
void PaintBackground(TCanvas& c, const TStripAppearance& a, const TRect& r)
{
    if (a.ColorTo() == clNone) {
        if (a.Color() != clNone)
            FillRectColor(c, r, a.Color());
    } else {
        DrawGradient(c, a.Color(), a.ColorTo(), 80, r, a.GradientDirection() == TGradientDirection::gdHorizontal);
    }
}

void Line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void BorderPen(TCanvas& c, const TStripAppearance& a)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(a.BorderWidth());
    c.Pen().SetColor(a.BorderColor());
}

void LightFrame(TCanvas& c, const TStripAppearance& a, const TRect& r)
{
    c.Pen().SetWidth(1);
    c.Pen().SetColor(BlendColor(a.BorderColor(), clWhite, 20));
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(r);
}

bool HasBorder(const TStripAppearance& a)
{
    return a.BorderColor() != clNone && a.BorderWidth() > 0;
}
} // namespace

TVxHeader::TVxHeader(QWidget* AOwner)
    : TVxPopupStrip(AOwner), FAppearance(std::make_unique<THeaderAppearance>(AOwner))
{
    FAppearance->OnChange = [this](QObject*) { AppearanceChanged(); };
    FAppearance->OnButtonsChanged = [](QObject*) {};
}

TVxHeader::~TVxHeader() = default;

void TVxHeader::SetAppearance(const THeaderAppearance& value)
{
    FAppearance->Assign(&value);
}

TStripAppearance& TVxHeader::StripAppearance() const
{
    return *FAppearance;
}

void TVxHeader::SetVxDropDown(TVxCustomDropDown* value)
{
    FVxDropDown = value;
    if (!value) {
        FImages = nullptr;
        return;
    }
    FImages = value->Images();
    FAppearance->Assign(&value->DropDownHeader());
}

int TVxHeader::ButtonCount() const
{
    return FVxDropDown ? FVxDropDown->DropDownHeader().Buttons().Count() : 0;
}

const TAppearanceButton& TVxHeader::ButtonItem(int Index) const
{
    return *FVxDropDown->DropDownHeader().Buttons().GetItem(Index);
}

TRect TVxHeader::GetButtonArea() const
{
    return Rect(2, 2, width() - 2, height() - 3);
}

void TVxHeader::ButtonClicked(int Index)
{
    if (FVxDropDown && FVxDropDown->OnDropDownHeaderButtonClick)
        FVxDropDown->OnDropDownHeaderButtonClick(FVxDropDown, Index);
}

void TVxHeader::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, c, r);
        return;
    }
    const THeaderAppearance& a = *FAppearance;
    PaintBackground(c, a, r);
    if (HasBorder(a)) {
        BorderPen(c, a);
        Line(c, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
        if (FramesItself()) {
            Line(c, r.Left, r.Bottom - 1, r.Left, r.Top);
            Line(c, r.Left, r.Top, r.Right, r.Top);
            Line(c, r.Right, r.Top, r.Right, r.Bottom - 1);
        }
        LightFrame(c, a, Rect(r.Left, r.Top, r.Right, r.Bottom - a.BorderWidth()));
    }
    PaintCaption(r);
}

TVxFooter::TVxFooter(QWidget* AOwner)
    : TVxPopupStrip(AOwner), FAppearance(std::make_unique<TFooterAppearance>(AOwner))
{
    FAppearance->OnChange = [this](QObject*) { AppearanceChanged(); };
}

TVxFooter::~TVxFooter() = default;

void TVxFooter::SetAppearance(const TFooterAppearance& value)
{
    FAppearance->Assign(&value);
}

TStripAppearance& TVxFooter::StripAppearance() const
{
    return *FAppearance;
}

void TVxFooter::SetVxDropDown(TVxCustomDropDown* value)
{
    FVxDropDown = value;
    if (!value) {
        FImages = nullptr;
        return;
    }
    FImages = value->Images();
    FAppearance->Assign(&value->DropDownFooter());
}

int TVxFooter::ButtonCount() const
{
    return FVxDropDown ? FVxDropDown->DropDownFooter().Buttons().Count() : 0;
}

const TAppearanceButton& TVxFooter::ButtonItem(int Index) const
{
    return *FVxDropDown->DropDownFooter().Buttons().GetItem(Index);
}

bool TVxFooter::SizeGripShown() const
{
    return FAppearance->SizeGrip() && FVxDropDown && FVxDropDown->DropDownSizeable();
}

TRect TVxFooter::GetButtonArea() const
{
    return Rect(2, 2, width() - (SizeGripShown() ? 14 : 2), height() - 2);
}

void TVxFooter::PrepareButton(TVxButton& Button, const TAppearanceButton& Item)
{
    TVxPopupStrip::PrepareButton(Button, Item);
    Button.SetVxDropDown(FVxDropDown);
    Button.SetModalResult(static_cast<const TFooterButton&>(Item).ModalResult());
}

void TVxFooter::ButtonClicked(int Index)
{
    if (FVxDropDown && FVxDropDown->OnDropDownFooterButtonClick)
        FVxDropDown->OnDropDownFooterButtonClick(FVxDropDown, Index);
}

void TVxFooter::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, c, r);
        return;
    }
    const TFooterAppearance& a = *FAppearance;
    PaintBackground(c, a, r);
    if (HasBorder(a)) {
        BorderPen(c, a);
        Line(c, r.Left, r.Top, r.Right, r.Top);
        if (FramesItself()) {
            Line(c, r.Left, r.Top, r.Left, r.Bottom);
            Line(c, r.Left, r.Bottom, r.Right, r.Bottom);
            Line(c, r.Right, r.Bottom, r.Right, r.Top);
        }
        LightFrame(c, a, Rect(r.Left, r.Top + a.BorderWidth(), r.Right, r.Bottom));
    }
    PaintCaption(r);
    if (SizeGripShown())
        DrawSizeGrip(c, r, a.BorderWidth(), a.BorderColor());
}

void TVxFooter::DrawSizeGrip(TCanvas& Canvas, const TRect& R, int BorderWidth, TColor BorderColor)
{
    const int L = R.Right - BorderWidth - 16, B = R.Bottom;
    const TPoint squares[] = {{5, -4}, {9, -4}, {13, -4}, {13, -8}, {13, -12}, {9, -8}};
    auto square = [&](int x, int y, TColor color) { FillRectColor(Canvas, Rect(x, y, x + 2, y + 2), color); };
    for (const TPoint& p : squares)
        square(L + p.X, B + p.Y, BlendColor(clWhite, clWhite, 50));
    for (const TPoint& p : squares)
        square(L + p.X - 1, B + p.Y - 1, BlendColor(BorderColor, BorderColor, 100));
}

void TVxFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !InGrip(X, Y) || !SizeGripShown() || !parentWidget())
        return;
    FSizing = true;
    FSizeStart = mapToGlobal(QPoint(X, Y));
    FStartSize = window()->size();
}

void TVxFooter::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FSizing) {
        const QPoint delta = mapToGlobal(QPoint(X, Y)) - FSizeStart;
        window()->resize(FStartSize.width() + delta.x(), FStartSize.height() + delta.y());
        return;
    }
    if (InGrip(X, Y) && SizeGripShown())
        setCursor(Qt::SizeFDiagCursor);
    else
        unsetCursor();
}

void TVxFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FSizing = false;
    unsetCursor();
}
