#include "widgets/dropdown/VxItemSelector.h"
#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/MiniHtml.h"
#include <QKeyEvent>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <stdexcept>

// ---- item appearance ----

namespace {
struct TItemPreset {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorTop, BorderColorBottom, BorderColor,
        EdgeColor, ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
};

const TItemPreset* ItemPreset(TSelectionColorStyle Style)
{
    static const TItemPreset office2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                        0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
    static const TItemPreset vista{0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
                                   0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
    static const TItemPreset windows7{0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
                                      0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
    switch (Style) {
    case TSelectionColorStyle::scOffice2007: return &office2007;
    case TSelectionColorStyle::scWindowsVista: return &vista;
    case TSelectionColorStyle::scWindows7: return &windows7;
    case TSelectionColorStyle::scCustom: break;
    }
    return nullptr;
}
} // namespace

TItemAppearance::TItemAppearance()
{
    Font.SetName(QStringLiteral("Tahoma"));
    SetColorStyle(TSelectionColorStyle::scOffice2007);
}

void TItemAppearance::Assign(const TItemAppearance& Source)
{
    if (&Source == this)
        return;
    BorderColor = Source.BorderColor;
    BorderColorTop = Source.BorderColorTop;
    BorderColorBottom = Source.BorderColorBottom;
    BorderColorHot = Source.BorderColorHot;
    BorderColorSelected = Source.BorderColorSelected;
    ColorHot = Source.ColorHot;
    ColorHotTo = Source.ColorHotTo;
    ColorHotText = Source.ColorHotText;
    ColorMirrorHot = Source.ColorMirrorHot;
    ColorMirrorHotTo = Source.ColorMirrorHotTo;
    ColorSelected = Source.ColorSelected;
    ColorSelectedTo = Source.ColorSelectedTo;
    ColorMirrorSelected = Source.ColorMirrorSelected;
    ColorMirrorSelectedTo = Source.ColorMirrorSelectedTo;
    ColorSelectedText = Source.ColorSelectedText;
    EdgeColor = Source.EdgeColor;
    Font = Source.Font;
    FColorStyle = Source.FColorStyle;
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle AStyle)
{
    if (AStyle == FColorStyle)
        return;
    FColorStyle = AStyle;
    const TItemPreset* p = ItemPreset(AStyle);
    if (!p)
        return;
    ColorHot = p->ColorHot;
    ColorHotTo = p->ColorHotTo;
    ColorMirrorHot = p->ColorMirrorHot;
    ColorMirrorHotTo = p->ColorMirrorHotTo;
    BorderColorTop = p->BorderColorTop;
    BorderColorBottom = p->BorderColorBottom;
    BorderColor = p->BorderColor;
    EdgeColor = p->EdgeColor;
    ColorSelected = p->ColorSelected;
    ColorSelectedTo = p->ColorSelectedTo;
    ColorMirrorSelected = p->ColorMirrorSelected;
    ColorMirrorSelectedTo = p->ColorMirrorSelectedTo;
}

// ---- items ----

void TSelectorItem::Assign(const TSelectorItem& Source)
{
    SetCaption(Source.FCaption);
    SetColor(Source.FColor);
    SetImageIndex(Source.FImageIndex);
    FImage.Assign(Source.FImage);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

void TSelectorItem::SetCaption(const QString& Value)
{
    SetProperty(FCaption, Value, [this] { FCollection->Changed(); });
}

void TSelectorItem::SetColor(TColor Value)
{
    SetProperty(FColor, Value, [this] { FCollection->Changed(); });
}

void TSelectorItem::SetImageIndex(int Value)
{
    SetProperty(FImageIndex, Value, [this] { FCollection->Changed(); });
}

// ---- the panel ----

namespace {
TVxCustomItemSelector* HostOf(QObject* AOwner)
{
    auto* host = dynamic_cast<TVxCustomItemSelector*>(AOwner);
    if (!host)
        throw std::runtime_error("Invalid parent");
    return host;
}

// A caption's size as the mini-HTML renderer lays it out.
TTextSize MeasureCaption(TCanvas& Canvas, const QString& Caption, const TCustomImageList* Images)
{
    return DrawHtmlText(Canvas, Caption, Rect(0, 0, 1000, 500), Images, false, nullptr);
}
} // namespace

TCustomItemSelector::TCustomItemSelector(QObject* AOwner) : TCustomControl(nullptr), FVxItemSelector(HostOf(AOwner))
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

TSelectorItems& TCustomItemSelector::Items() const
{
    return FVxItemSelector->Items();
}

bool TCustomItemSelector::ItemEnabled(int Index) const
{
    const TSelectorItem* item = Items().GetItem(Index);
    return !item || item->Enabled();
}

void TCustomItemSelector::SetItemIndex(int Value)
{
    if (!ItemEnabled(Value))
        return;
    if (FItemIndex >= 0 && FItemIndex != Value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (Value < 0)
        return;
    InvalidateItem(Value);
    if (OnItemSelect)
        OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int Index)
{
    if (Index == FItemHot || !ItemEnabled(Index))
        return;
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
    FItemHot = Index;
    InvalidateItem(Index);
}

void TCustomItemSelector::SelectFirst()
{
    if (Items().Count() > 0)
        SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (Items().Count() > 0)
        SetItemIndex(Items().Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (FItemIndex < 0)
        SelectFirst();
    else if (FItemIndex + 1 < Items().Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious()
{
    if (FItemIndex < 0)
        SelectFirst();
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext()
{
    if (Items().Count() == 0)
        return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot + 1 < Items().Count())
        SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious()
{
    if (Items().Count() == 0)
        return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot > 0)
        SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (int i = 0; i < Items().Count(); ++i) {
        const QString text = PrepareCaseText(MiniHtmlToPlainText(Items()[i].Caption()).trimmed(), false);
        if (text.startsWith(s)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

int TCustomItemSelector::ItemAtPoint(int X, int Y) const
{
    for (int i = 0; i < Items().Count(); ++i)
        if (Items()[i].FRect.Contains({X, Y}))
            return i;
    return -1;
}

TRect TCustomItemSelector::GetItemRect(int Index) const
{
    const TSelectorItem* item = Items().GetItem(Index);
    return item ? item->FRect : Rect(-1, -1, -1, -1);
}

void TCustomItemSelector::GetItemArea(TRect& R) const
{
    R = ClientRect();
    InflateRect(R, -FOffSetX, -FOffSetY);
}

TSize TCustomItemSelector::ContentSize(const TSelectorItem& Item) const
{
    const TVxCustomItemSelector& host = *FVxItemSelector;
    if (host.SelectorType() == TSelectorType::stColor)
        return {host.ColorBoxWidth(), host.ColorBoxHeight()};
    if (!Item.Image().Empty())
        return {Item.Image().Width(), Item.Image().Height()};
    if (host.Images() && Item.ImageIndex() >= 0)
        return {host.Images()->Width(), host.Images()->Height()};
    return {};
}

TSize TCustomItemSelector::GetItemSize()
{
    const TVxCustomItemSelector& host = *FVxItemSelector;
    if (host.OnItemSize) {
        TSize size;
        host.OnItemSize(FVxItemSelector, size);
        return size;
    }
    TSize content;
    if (host.SelectorType() == TSelectorType::stColor)
        content = {host.ColorBoxWidth(), host.ColorBoxHeight()};
    else
        for (int i = 0; i < Items().Count(); ++i) {
            const TSize s = ContentSize(Items()[i]);
            content = {std::max(content.cx, s.cx), std::max(content.cy, s.cy)};
        }
    TCanvas measure;
    measure.SetFont(host.ItemAppearance().Font);
    TSize caption;
    for (int i = 0; i < Items().Count(); ++i) {
        const TTextSize s = MeasureCaption(measure, Items()[i].Caption(), host.Images());
        caption = {std::max(caption.cx, s.Width), std::max(caption.cy, s.Height)};
    }
    if (caption.cx > 0)
        caption.cx += 4;
    TSize size;
    if (host.ItemLayout() == TItemLayout::ilCaptionLeft || host.ItemLayout() == TItemLayout::ilCaptionRight) {
        size.cx = 2 * FItemOffSetX + std::max(0, content.cx) + (content.cx > 0 && caption.cx > 0 ? FCaptionGap : 0) +
                  std::max(0, caption.cx);
        size.cy = std::max(caption.cy, content.cy) + 2 * FItemOffSetY;
    } else {
        size.cx = std::max(caption.cx, content.cx) + 2 * FItemOffSetX;
        size.cy = 2 * FItemOffSetY + std::max(0, content.cy) + (content.cy > 0 && caption.cy >= 1 ? FCaptionGap : 0) +
                  (caption.cy >= 1 ? caption.cy : 0);
    }
    return size;
}

void TCustomItemSelector::UpdateItems()
{
    const int count = Items().Count();
    if (count == 0) {
        resize(100, 50);
        return;
    }
    FItemHot = -1;
    const TSize cell = GetItemSize();
    TRect area;
    GetItemArea(area);
    const int columns = FVxItemSelector->Columns();
    int x = area.Left, y = area.Top, column = 0, right = x;
    for (int i = 0; i < count; ++i) {
        Items()[i].FRect = Rect(x, y, x + cell.cx, y + cell.cy);
        right = std::max(right, x);
        if (i == count - 1)
            break;
        if (++column == columns) {
            column = 0;
            x = area.Left;
            y += cell.cy;
        } else {
            x += cell.cx;
        }
    }
    resize(right + cell.cx + area.Left, y + cell.cy + area.Top);
    update();
}

void TCustomItemSelector::InvalidateItem(int Index)
{
    if (const TSelectorItem* item = Items().GetItem(Index))
        update(item->FRect.toQRect());
}

void TCustomItemSelector::Paint()
{
    FillRectColor(Canvas(), ClientRect(), FVxItemSelector->Color());
    for (int i = 0; i < Items().Count(); ++i)
        DrawItem(i, Canvas());
}

void TCustomItemSelector::DrawContent(TCanvas& Canvas, const TSelectorItem& Item, int Left, int Top)
{
    const TVxCustomItemSelector& host = *FVxItemSelector;
    const TSize size = ContentSize(Item);
    if (host.SelectorType() == TSelectorType::stColor) {
        Canvas.Pen().SetColor(clBlack);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(Item.Color());
        Canvas.Rectangle(Rect(Left, Top, Left + size.cx, Top + size.cy));
    } else if (!Item.Image().Empty()) {
        Canvas.Draw(Left, Top, Item.Image());
    } else if (host.Images() && Item.ImageIndex() >= 0) {
        host.Images()->Draw(Canvas, Left, Top, Item.ImageIndex(), Item.Enabled());
    }
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& Canvas)
{
    const TSelectorItem* item = Items().GetItem(Index);
    if (!item || !Canvas.CanDraw())
        return;
    const TVxCustomItemSelector& host = *FVxItemSelector;
    const TItemAppearance& a = host.ItemAppearance();
    const TRect cell = item->FRect;
    const bool hot = Index == FItemHot, selected = Index == FItemIndex;
    if (!hot && !selected) {
        FillRectColor(Canvas, cell, host.Color());
    } else {
        TColor color = a.ColorHot, colorTo = a.ColorHotTo, mirror = a.ColorMirrorHot, mirrorTo = a.ColorMirrorHotTo;
        if (selected) {
            color = a.ColorSelected;
            colorTo = a.ColorSelectedTo;
            mirror = a.ColorMirrorSelected;
            mirrorTo = a.ColorMirrorSelectedTo;
        }
        TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
        const TColor own = selected ? a.BorderColorSelected : a.BorderColorHot;
        if (own != clNone) {
            border = own;
            top = bottom = edge = clNone;
        }
        if (top == clNone)
            DrawRectBackground(&Canvas, cell, color, colorTo, border, 1, TGradientDirection::gdVertical);
        else
            DrawSelectionBlock(Canvas, color, colorTo, mirror, mirrorTo, top, bottom, border, edge, host.Color(), cell, 0);
    }
    if (host.OnDrawItem) {
        host.OnDrawItem(this, Canvas, cell, Index);
        return;
    }
    const TSize content = ContentSize(*item);
    TRect text = cell;
    InflateRect(text, -FItemOffSetX, -FItemOffSetY);
    const TRect inner = text;
    TFont font = a.Font;
    if (hot)
        font.SetColor(a.ColorHotText);
    if (selected)
        font.SetColor(a.ColorSelectedText);
    Canvas.SetFont(font);
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const QString caption = item->Caption();
    const bool hasCaption = !caption.isEmpty();
    const bool colorBox = host.SelectorType() == TSelectorType::stColor;
    auto drawCaption = [&](TRect r) { DrawHtmlText(Canvas, caption, r, host.Images(), true, this); };
    const int middleTop = inner.Top + (inner.Height() - content.cy) / 2;
    switch (host.ItemLayout()) {
    case TItemLayout::ilCaptionLeft: {
        int left = inner.Left;
        if (hasCaption) {
            text.Right -= content.cx;
            const TTextSize s = MeasureCaption(Canvas, caption, host.Images());
            if (s.Height < text.Height())
                text.Top += (text.Height() - s.Height) / 2;
            drawCaption(text);
            left = text.Left + s.Width + FCaptionGap;
        }
        DrawContent(Canvas, *item, left, colorBox ? inner.Top : middleTop);
        break;
    }
    case TItemLayout::ilCaptionRight: {
        DrawContent(Canvas, *item, inner.Left, colorBox ? inner.Top : middleTop);
        if (item->Image().Empty() && !colorBox && host.Images() && item->ImageIndex() >= 0)
            text.Left = inner.Left + host.Images()->Width() + FCaptionGap;
        else if (content.cx > 0)
            text.Left = inner.Left + content.cx + FCaptionGap;
        const TTextSize s = MeasureCaption(Canvas, caption, host.Images());
        if (s.Height < text.Height())
            text.Top += (text.Height() - s.Height) / 2;
        drawCaption(text);
        break;
    }
    case TItemLayout::ilCaptionTop: {
        int top = middleTop;
        if (hasCaption) {
            text.Bottom -= content.cy;
            drawCaption(text);
            top = text.Top + MeasureCaption(Canvas, caption, host.Images()).Height + FCaptionGap;
        }
        DrawContent(Canvas, *item, inner.Left + (inner.Width() - content.cx) / 2, top);
        break;
    }
    case TItemLayout::ilCaptionBottom: {
        const int top = hasCaption ? inner.Top : middleTop;
        DrawContent(Canvas, *item, inner.Left + (inner.Width() - content.cx) / 2, top);
        text.Top = top + content.cy + FCaptionGap;
        drawCaption(text);
        break;
    }
    }
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPoint(X, Y);
    if (index >= 0 && ItemEnabled(index))
        SetItemIndex(index);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    int index = ItemAtPoint(X, Y);
    if (index >= 0 && !ItemEnabled(index))
        index = -1;
    if (index == FItemHot)
        return;
    if (index < 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
        return;
    }
    SetItemHot(index);
    setToolTip(Items()[index].Hint());
    QToolTip::hideText();
}

void TCustomItemSelector::MouseLeave()
{
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
}

// ---- the host ----

TVxCustomItemSelector::TVxCustomItemSelector(QWidget* AOwner)
    : QScrollArea(AOwner), FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>())
{
    FItems->OnChange = [this](QObject*) { UpdateSelectorPanel(); };
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setFocusPolicy(Qt::StrongFocus);
    FItemSelectorPanel = new TCustomItemSelector(this);
    setWidget(FItemSelectorPanel);
    FItemSelectorPanel->OnItemSelect = [this](QObject*) {
        if (OnItemSelect)
            OnItemSelect(this);
    };
    SetColor(clWindow);
    UpdateSelectorPanel();
}

TVxCustomItemSelector::~TVxCustomItemSelector()
{
    // The panel reads the items while Qt deletes it; it goes first.
    delete takeWidget();
    FItemSelectorPanel = nullptr;
}

void TVxCustomItemSelector::SetColor(TColor Value)
{
    FColor = Value;
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(Value));
    setPalette(p);
    viewport()->setPalette(p);
    viewport()->setAutoFillBackground(true);
    if (FItemSelectorPanel)
        FItemSelectorPanel->update();
}

void TVxCustomItemSelector::SetColumns(int Value)
{
    if (Value > 0)
        SetProperty(FColumns, Value, [this] { UpdateSelectorPanel(); });
}

void TVxCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    SetProperty(FSelectorType, Value, [this] { UpdateSelectorPanel(); });
}

void TVxCustomItemSelector::SetColorBoxWidth(int Value)
{
    SetProperty(FColorBoxWidth, Value, [this] { UpdateSelectorPanel(); });
}

void TVxCustomItemSelector::SetColorBoxHeight(int Value)
{
    SetProperty(FColorBoxHeight, Value, [this] { UpdateSelectorPanel(); });
}

void TVxCustomItemSelector::SetImages(TCustomImageList* Value)
{
    if (Value == FImages)
        return;
    FImages = Value;
    UpdateSelectorPanel();
}

int TVxCustomItemSelector::ItemIndex() const
{
    return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1;
}

void TVxCustomItemSelector::SetItemIndex(int Value)
{
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TVxCustomItemSelector::ItemHot() const
{
    return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1;
}

void TVxCustomItemSelector::UpdateSelectorPanel()
{
    if (FItemSelectorPanel)
        FItemSelectorPanel->UpdateItems();
}

void TVxCustomItemSelector::SelectFirst()
{
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->SelectFirst();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TVxCustomItemSelector::SelectLast()
{
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->SelectLast();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TVxCustomItemSelector::SelectNext()
{
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->SelectNext();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TVxCustomItemSelector::SelectPrevious()
{
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->SelectPrevious();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TVxCustomItemSelector::HotNext()
{
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->HotNext();
    ScrollItemInView(FItemSelectorPanel->ItemHot());
}

void TVxCustomItemSelector::HotPrevious()
{
    if (!FItemSelectorPanel)
        return;
    FItemSelectorPanel->HotPrevious();
    ScrollItemInView(FItemSelectorPanel->ItemHot());
}

bool TVxCustomItemSelector::LookupItem(const QString& s)
{
    return FItemSelectorPanel && FItemSelectorPanel->LookupItem(s);
}

bool TVxCustomItemSelector::VertScrollBarVisible() const
{
    return verticalScrollBar()->isVisibleTo(this);
}

void TVxCustomItemSelector::ScrollItemInView(int Index)
{
    if (!FItemSelectorPanel || !FItems->GetItem(Index) || !VertScrollBarVisible())
        return;
    const TRect cell = FItemSelectorPanel->GetItemRect(Index);
    const int top = cell.Top + FItemSelectorPanel->y();
    const int bottom = cell.Bottom + FItemSelectorPanel->y();
    const int client = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    if (top < 0)
        bar->setValue(bar->value() + top);
    else if (bottom > client)
        bar->setValue(bar->value() + (cell.Height() > client ? top : bottom - client));
}

int TVxCustomItemSelector::GetVisibleItemCount() const
{
    if (!FItemSelectorPanel || FItems->Count() == 0)
        return 0;
    const int cell = FItemSelectorPanel->GetItemRect(0).Height();
    if (cell <= 0)
        return 0;
    const int h = height() - (horizontalScrollBar()->isVisibleTo(this) ? 20 : 0);
    return h / cell * FColumns;
}

TSize TVxCustomItemSelector::GetSelectorSize() const
{
    if (!FItemSelectorPanel)
        return {100, 50};
    return {FItemSelectorPanel->width(), FItemSelectorPanel->height()};
}

void TVxCustomItemSelector::SelectBy(int Delta)
{
    if (!FItemSelectorPanel)
        return;
    const int from = ItemIndex();
    const int target = from < 0 ? 0 : from + Delta;
    if (target < 0 || target >= FItems->Count())
        return;
    SetItemIndex(target);
}

void TVxCustomItemSelector::SelectPage(bool Down)
{
    const int n = GetVisibleItemCount();
    if (n < 1)
        return;
    const int last = FItems->Count() - 1;
    const int target = Down ? std::min(ItemIndex() + n, last) : std::max(ItemIndex() - n, 0);
    if (target >= 0 && target <= last)
        SetItemIndex(target);
}

void TVxCustomItemSelector::LoadItems(int AColumns, TCustomImageList* AImages, TItemLayout ALayout, TColor AColor,
                                      const TItemAppearance& Appearance, int Count,
                                      const std::function<void(int, TSelectorItem&)>& Fill, int AItemIndex)
{
    OnItemSelect = nullptr;
    SetColumns(AColumns);
    SetImages(AImages);
    SetItemLayout(ALayout);
    SetColor(AColor);
    SetItemAppearance(Appearance);
    const TNotifyEvent relayout = std::exchange(FItems->OnChange, nullptr);
    FItems->Clear();
    for (int i = 0; i < Count; ++i)
        Fill(i, *FItems->Add());
    FItems->OnChange = relayout;
    UpdateSelectorPanel();
    SetItemIndex(AItemIndex);
}

void TVxCustomItemSelector::keyPressEvent(QKeyEvent* e)
{
    e->accept();
}

void TVxCustomItemSelector::wheelEvent(QWheelEvent* e)
{
    e->ignore();
}

bool TVxCustomItemSelector::viewportEvent(QEvent* e)
{
    const bool result = QScrollArea::viewportEvent(e);
    if (e->type() == QEvent::Resize && OnResize)
        OnResize(this);
    return result;
}
