#include "widgets/dropdown/VxColorPickerPanels.h"
#include "grid/foundation/GridDraw.h"
#include <QBitmap>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

// ---- the colour cube ----

namespace {
// Row by row, left to right, as the honeycomb shows them.
constexpr std::array<TColor, TVxColorCubePanel::CellCount> kCubeColors = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC,
    0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC,
    0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
};

void DrawHexagon(TCanvas& Canvas, TPoint C, TPoint Size)
{
    const int x = Size.X, y = Size.Y;
    Canvas.Polygon({{C.X - x, C.Y - y}, {C.X, C.Y - 2 * y}, {C.X + x, C.Y - y}, {C.X + x, C.Y + y}, {C.X, C.Y + 2 * y},
                    {C.X - x, C.Y + y}});
}
} // namespace

TVxColorCubePanel::TVxColorCubePanel(QWidget* AOwner) : TCustomControl(AOwner)
{
    setMouseTracking(true);
    InitCube();
    SetShowRGBHint(true);
}

void TVxColorCubePanel::SetShowRGBHint(bool Value)
{
    FShowRGBHint = Value;
    setAttribute(Qt::WA_AlwaysShowToolTips, Value);
}

void TVxColorCubePanel::InitCube()
{
    FCubeSize = {6, 3};
    std::size_t n = 0;
    for (int row = 1; row <= 13; ++row) {
        const int cells = row <= 7 ? row + 6 : 20 - row;
        const int left = row <= 7 ? 55 - 6 * (row - 1) : 19 + 6 * (row - 7);
        for (int c = 0; c < cells; ++c, ++n)
            FCubeCells[n] = {{left + 2 * FCubeSize.X * c, 20 + 10 * (row - 1)}, kCubeColors[n]};
    }
    ResetHot();
}

void TVxColorCubePanel::ResetHot()
{
    FHotIndex = -1;
    resize(182, 160);
}

int TVxColorCubePanel::CellAtPos(int X, int Y) const
{
    const int r = FCubeSize.X;
    for (int i = 0; i < CellCount; ++i) {
        const int dx = X - FCubeCells[std::size_t(i)].Center.X, dy = Y - FCubeCells[std::size_t(i)].Center.Y;
        if (dx * dx + dy * dy <= r * r)
            return i + 1;
    }
    return -1;
}

void TVxColorCubePanel::SelectColor(TColor Color, int Cell)
{
    FSelectedColor = Color;
    if (Cell >= 1 && Cell <= CellCount) {
        FSelectedIndex = Cell;
        return;
    }
    FSelectedIndex = -1;
    for (int i = 0; i < CellCount; ++i)
        if (FCubeCells[std::size_t(i)].Color == Color) {
            FSelectedIndex = i + 1;
            return;
        }
}

void TVxColorCubePanel::DrawCell(TCanvas& Canvas, int Number)
{
    if (Number < 1 || Number > CellCount)
        return;
    const TCubeCell& cell = Cell(Number);
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetColor(cell.Color);
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(cell.Color);
    DrawHexagon(Canvas, cell.Center, FCubeSize);
    auto outline = [&](TColor outer) {
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        Canvas.Pen().SetColor(outer);
        DrawHexagon(Canvas, cell.Center, {FCubeSize.X - 1, FCubeSize.Y});
        Canvas.Pen().SetColor(0xFFFFFF);
        DrawHexagon(Canvas, cell.Center, {FCubeSize.X - 2, FCubeSize.Y - 1});
    };
    if (Number == FHotIndex)
        outline(0x0000FF);
    if (Number == FSelectedIndex)
        outline(0x000000);
}

void TVxColorCubePanel::Paint()
{
    FillRectColor(Canvas(), ClientRect(), Color());
    for (int n = 1; n <= CellCount; ++n)
        DrawCell(Canvas(), n);
}

void TVxColorCubePanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int cell = CellAtPos(X, Y);
    if (cell < 0) {
        if (FShowRGBHint) {
            setToolTip(QString());
            QToolTip::hideText();
        }
        return;
    }
    if (cell == FHotIndex)
        return;
    FHotIndex = cell;
    update();
    if (FShowRGBHint) {
        const TColor c = Cell(cell).Color;
        setToolTip(QString::asprintf("Red: %d,  Green: %d,  Blue: %d", GetRValue(c), GetGValue(c), GetBValue(c)));
        QToolTip::hideText();
    }
}

void TVxColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int cell = CellAtPos(X, Y);
    if (cell < 0)
        return;
    FSelectedIndex = -1;
    SelectColor(Cell(cell).Color, cell);
    update();
    if (OnSelect)
        OnSelect(this);
}

// ---- the spectrum ----

QImage SpectrumBitmap()
{
    QImage image(128, 128, QImage::Format_RGB888);
    for (int y = 0; y < 128; ++y) {
        const double lightness = y <= 63 ? 1.0 - 0.5 * y / 63.0 : 0.5 - 0.5 * (y - 64) / 63.0;
        for (int x = 0; x < 128; ++x)
            image.setPixelColor(x, y, QColor::fromHslF(float(x) / 128.0f, 1.0f, float(lightness)));
    }
    return image;
}

namespace {
// A pipette pointing to the lower left, its tip the hot spot.
QCursor PipetteCursor()
{
    QImage shape(32, 32, QImage::Format_Mono);
    shape.fill(0);
    QBitmap bitmap = QBitmap::fromImage(shape);
    QBitmap mask = QBitmap::fromImage(shape);
    for (QBitmap* b : {&bitmap, &mask}) {
        QPainter p(b);
        p.setPen(QPen(Qt::color1, b == &mask ? 4 : 2));
        p.drawLine(1, 30, 20, 11);
        p.setBrush(Qt::color1);
        p.drawEllipse(QPoint(24, 7), 5, 5);
    }
    return QCursor(bitmap, mask, 1, 30);
}
} // namespace

TVxColorSpectrumPanel::TVxColorSpectrumPanel(QWidget* AOwner)
    : TCustomControl(AOwner), FSpectrumImage(new QLabel(this)), FSpectrum(SpectrumBitmap())
{
    FSpectrumImage->setPixmap(QPixmap::fromImage(FSpectrum));
    FSpectrumImage->resize(128, 128);
    FSpectrumImage->setCursor(PipetteCursor());
    FSpectrumImage->setMouseTracking(true);
    FSpectrumImage->installEventFilter(this);
}

void TVxColorSpectrumPanel::LayoutSpectrum()
{
    resize(150, 174);
    FSpectrumImage->move((width() - FSpectrumImage->width()) / 2, 10);
    const int l = FSpectrumImage->x(), t = FSpectrumImage->y(), w = FSpectrumImage->width(),
              h = FSpectrumImage->height();
    FSelectedRect = Rect(l - 1, t + h + 8, l + w / 2 - 2, t + h + 28);
    FHotRect = Rect(FSelectedRect.Right + 4, FSelectedRect.Top, l + w + 1, FSelectedRect.Bottom);
    FHotColor = clNone;
    update();
}

void TVxColorSpectrumPanel::Paint()
{
    TCanvas& c = Canvas();
    FillRectColor(c, ClientRect(), Color());
    const int l = FSpectrumImage->x(), t = FSpectrumImage->y(), w = FSpectrumImage->width(),
              h = FSpectrumImage->height();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Pen().SetColor(0xFFFFFF);
    c.Rectangle(l - 1, t - 1, l + w + 1, t + h + 1);
    c.Pen().SetColor(0x808080);
    c.Rectangle(l - 2, t - 2, l + w + 2, t + h + 2);
    auto swatch = [&c](TRect r, TColor color) {
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Pen().SetColor(0x808080);
        c.Rectangle(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
        c.Pen().SetColor(0xFFFFFF);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(color);
        c.Rectangle(r);
    };
    swatch(FSelectedRect, FSelectedColor);
    swatch(FHotRect, FHotColor);
}

bool TVxColorSpectrumPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FSpectrumImage)
        return TCustomControl::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (FSpectrum.rect().contains(p)) {
            FHotColor = FromQColor(FSpectrum.pixelColor(p));
            update(FHotRect.toQRect().adjusted(-1, -1, 1, 1));
        }
    } else if (event->type() == QEvent::MouseButtonPress) {
        FSelectedColor = FHotColor;
        update(FSelectedRect.toQRect().adjusted(-1, -1, 1, 1));
        if (OnSelect)
            OnSelect(this);
        return true;
    }
    return TCustomControl::eventFilter(watched, event);
}

// ---- the colour boxes ----

void TColorBoxAppearance::Assign(const TColorBoxAppearance& Source)
{
    BorderColor = Source.BorderColor;
    OuterBorderColorHot = Source.OuterBorderColorHot;
    InnerBorderColorHot = Source.InnerBorderColorHot;
    OuterBorderColorSelected = Source.OuterBorderColorSelected;
    InnerBorderColorSelected = Source.InnerBorderColorSelected;
}

void TColorBoxItem::Assign(const TColorBoxItem& Source)
{
    SetColor(Source.FColor);
    FEnabled = Source.FEnabled;
    FColorBoxPos = Source.FColorBoxPos;
}

void TColorBoxItem::SetColor(TColor Value)
{
    SetProperty(FColor, Value, [this] { FCollection->Changed(); });
}

TCustomColorSelector::TCustomColorSelector(QWidget* AOwner)
    : TCustomControl(AOwner), FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this))
{
    setMouseTracking(true);
    if (AOwner)
        SetColor(FromQColor(AOwner->palette().color(QPalette::Window)));
}

TCustomColorSelector::~TCustomColorSelector() = default;

bool TCustomColorSelector::Selectable(int Index) const
{
    const TColorBoxItem* box = FItems->GetItem(Index);
    return box && box->Enabled();
}

void TCustomColorSelector::SetItemIndex(int Index)
{
    if (Index != -1 && !Selectable(Index))
        return;
    if (FItemIndex >= 0 && FItemIndex != Index) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Index;
    if (Index < 0)
        return;
    FSelectedColor = (*FItems)[Index].Color();
    InvalidateItem(Index);
    if (OnItemSelect)
        OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int Index)
{
    if (Index == FItemHot || (Index != -1 && !Selectable(Index)))
        return;
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
    FItemHot = Index;
    InvalidateItem(Index);
}

void TCustomColorSelector::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    if (Value == clNone) {
        SetItemIndex(-1);
        return;
    }
    for (int i = 0; i < FItems->Count(); ++i)
        if ((*FItems)[i].Color() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TCustomColorSelector::SetColumns(int Value)
{
    SetProperty(FColumns, Value, [this] { UpdateLayout(); });
}

void TCustomColorSelector::SetColumnGap(int Value)
{
    SetProperty(FColumnGap, Value, [this] { UpdateLayout(); });
}

void TCustomColorSelector::SetColorBoxWidth(int Value)
{
    SetProperty(FColorBoxWidth, Value, [this] { UpdateLayout(); });
}

void TCustomColorSelector::SetColorBoxHeight(int Value)
{
    SetProperty(FColorBoxHeight, Value, [this] { UpdateLayout(); });
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value)
{
    if (Value == FItemColorStyle)
        return;
    FItemColorStyle = Value;
    if (Value == TSelectionColorStyle::scCustom)
        return;
    ColorBoxAppearance().Assign(TColorBoxAppearance());
}

void TCustomColorSelector::LoadDefaultPalette()
{
    static constexpr TColor kPalette[6][10] = {
        {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
        {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
        {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
        {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
        {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
        {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
    };
    static constexpr TItemPos kRowPos[6] = {TItemPos::ipStandAlone, TItemPos::ipTop,    TItemPos::ipMiddle,
                                            TItemPos::ipMiddle,     TItemPos::ipMiddle, TItemPos::ipBottom};
    const TNotifyEvent notify = std::exchange(FItems->OnChange, nullptr);
    FItems->Clear();
    for (int row = 0; row < 6; ++row)
        for (TColor color : kPalette[row]) {
            TColorBoxItem* box = FItems->Add();
            box->SetColor(color);
            box->SetColorBoxPos(kRowPos[row]);
        }
    FItems->OnChange = notify;
}

void TCustomColorSelector::GetItemsRect(TRect& R) const
{
    R = ClientRect();
    InflateRect(R, -FOffSetX, -FOffSetY);
}

TSize TCustomColorSelector::GetColorBoxSize() const
{
    return {FColorBoxWidth, FColorBoxHeight};
}

void TCustomColorSelector::UpdateLayout()
{
    const int count = FItems->Count();
    if (count == 0) {
        resize(100, 50);
        return;
    }
    FItemHot = -1;
    const TSize size = GetColorBoxSize();
    TRect area;
    GetItemsRect(area);
    int x = area.Left, y = area.Top, column = 0, widest = 0;
    bool gap = false;
    for (int i = 0; i < count; ++i) {
        TColorBoxItem& box = (*FItems)[i];
        box.FRect = Rect(x, y, x + size.cx, y + size.cy);
        ++column;
        if (i == count - 1)
            break;
        if (box.FColorBoxPos == TItemPos::ipStandAlone)
            gap = true;
        if (column == FColumns) {
            widest = std::max(widest, x);
            x = area.Left;
            y += size.cy + (gap ? FColumnGap : 0);
            column = 0;
            gap = false;
        } else {
            x += size.cx + FColumnGap;
        }
    }
    resize(std::max(widest, x) + size.cx + area.Left + 1, y + size.cy + area.Top);
    update();
}

void TCustomColorSelector::InvalidateItem(int Index)
{
    if (const TColorBoxItem* box = FItems->GetItem(Index))
        update(box->FRect.toQRect().adjusted(0, 0, 1, 1));
}

void TCustomColorSelector::DrawColorBox(int Index, TCanvas& Canvas)
{
    const TColorBoxItem* box = FItems->GetItem(Index);
    if (!box || !Canvas.CanDraw())
        return;
    TRect r = box->FRect;
    if (r.Left < 0 && r.Right < 0)
        return;
    const TColorBoxAppearance& a = *FColorBoxAppearance;
    TColor outer = a.BorderColor, inner = clNone;
    bool framed = false;
    if (Index == FItemHot) {
        outer = a.OuterBorderColorHot;
        inner = a.InnerBorderColorHot;
        framed = true;
    }
    if (Index == FItemIndex) {
        outer = a.OuterBorderColorSelected;
        inner = a.InnerBorderColorSelected;
        framed = true;
    }
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    if (box->Color() != clNone) {
        Canvas.Pen().SetColor(box->Color());
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(box->Color());
        Canvas.Rectangle(r);
    }
    if (framed) {
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        if (outer != clNone) {
            Canvas.Pen().SetColor(outer);
            Canvas.Rectangle(r);
            InflateRect(r, -1, -1);
        }
        if (inner != clNone) {
            Canvas.Pen().SetColor(inner);
            Canvas.Rectangle(r);
        }
        return;
    }
    Canvas.Pen().SetColor(outer);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (box->FColorBoxPos) {
    case TItemPos::ipStandAlone: Canvas.Polyline({{L, B}, {L, T}, {R, T}, {R, B}, {L, B}}); break;
    case TItemPos::ipTop: Canvas.Polyline({{L, B}, {L, T}, {R, T}, {R, B}}); break;
    case TItemPos::ipMiddle:
        Canvas.Polyline({{L, T}, {L, B}});
        Canvas.Polyline({{R, T}, {R, B}});
        break;
    case TItemPos::ipBottom:
        Canvas.Polyline({{L, T}, {L, B}, {R, B}});
        Canvas.Polyline({{R, T}, {R, B + 1}});
        break;
    }
}

void TCustomColorSelector::Paint()
{
    FillRectColor(Canvas(), ClientRect(), Color());
    for (int i = 0; i < FItems->Count(); ++i)
        DrawColorBox(i, Canvas());
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < FItems->Count(); ++i)
        if ((*FItems)[i].FRect.Contains({X, Y}))
            return i;
    return -1;
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (Selectable(index))
        SetItemIndex(index);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index == FItemHot)
        return;
    if (index < 0 || !Selectable(index)) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
        return;
    }
    SetItemHot(index);
}

void TCustomColorSelector::MouseLeave()
{
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
}

void TCustomColorSelector::SelectFirst()
{
    if (FItems->Count() > 0)
        SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (FItems->Count() > 0)
        SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItemIndex + 1 < FItems->Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex >= 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItemHot + 1 < FItems->Count())
        SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FItemHot >= 0)
        SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(std::uint16_t Key, bool EditorEnabled, bool DroppedDown)
{
    if (!isEnabled())
        return;
    auto row = [this](int step) {
        const int target = FItemIndex < 0 ? 0 : FItemIndex + step;
        if (target >= 0 && target < FItems->Count())
            SetItemIndex(target);
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
        if (!EditorEnabled || DroppedDown)
            SelectPrevious();
        break;
    case VK_RIGHT:
        if (!EditorEnabled || DroppedDown)
            SelectNext();
        break;
    case VK_UP:
        DroppedDown ? row(-FColumns) : SelectPrevious();
        break;
    case VK_DOWN:
        DroppedDown ? row(FColumns) : SelectNext();
        break;
    default: break;
    }
}
