#include "widgets/dropdown/VxColorPickerDropDown.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "widgets/dropdown/PopupPanels.h"
#include <QColor>
#include <QHash>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>

namespace {
QString Hex2(int Value)
{
    return QStringLiteral("%1").arg(Value, 2, 16, QLatin1Char('0')).toUpper();
}

// The web colour names by their red, green and blue; where two names share a colour the first in
// alphabetical order ("aqua" before "cyan", "gray" before "grey").
QString WebColorName(TColor Rgb)
{
    static const QHash<TColor, QString> names = [] {
        QHash<TColor, QString> map;
        QStringList all = QColor::colorNames();
        all.sort();
        for (auto it = all.crbegin(); it != all.crend(); ++it)
            if (*it != QLatin1String("transparent"))
                map.insert(FromQColor(QColor(*it)), *it);
        return map;
    }();
    return names.value(Rgb);
}
} // namespace

QString ColorValueText(TColor Color, TColorValueText Format)
{
    const TColor rgb = ColorToRGB(Color);
    const QString html = QLatin1Char('#') + Hex2(GetRValue(rgb)) + Hex2(GetGValue(rgb)) + Hex2(GetBValue(rgb));
    switch (Format) {
    case TColorValueText::cvtNone: return QString();
    case TColorValueText::cvtHex: return QStringLiteral("%1").arg(Color, 6, 16, QLatin1Char('0')).toUpper();
    case TColorValueText::cvtWebName: {
        const QString name = WebColorName(rgb);
        return name.isEmpty() ? html : name;
    }
    case TColorValueText::cvtRGB:
        return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(GetRValue(rgb)).arg(GetGValue(rgb)).arg(GetBValue(rgb));
    case TColorValueText::cvtHTML: return html;
    }
    return QString();
}

// ---- colour items ----

void TColorItem::Assign(const TColorItem& Source)
{
    SetCaption(Source.FCaption);
    SetColor(Source.FColor);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

void TColorItem::SetCaption(const QString& Value)
{
    SetProperty(FCaption, Value, [this] { FCollection->Changed(); });
}

void TColorItem::SetColor(TColor Value)
{
    SetProperty(FColor, Value, [this] { FCollection->Changed(); });
}

// ---- the control ----

TVxColorPickerDropDown::TVxColorPickerDropDown(QWidget* AOwner)
    : TVxItemPickerDropDown(AOwner), FColors(std::make_unique<TColorItems>(this))
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    setCursor(Qt::ArrowCursor);
}

TVxColorPickerDropDown::~TVxColorPickerDropDown() = default;

void TVxColorPickerDropDown::AddDefaultColors()
{
    static const struct {
        const char* Caption;
        TColor Color;
    } kColors[] = {
        {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000},  {"Olive", 0x008080},
        {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},   {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},   {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
    };
    for (const auto& c : kColors) {
        TColorItem* item = FColors->Add();
        item->SetCaption(QString::fromLatin1(c.Caption));
        item->SetColor(c.Color);
    }
}

void TVxColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value >= FColors->Count())
        return;
    FItemIndex = Value;
    if (const TColorItem* item = FColors->GetItem(Value))
        FSelectedColor = item->Color();
    update();
    if (OnSelect)
        OnSelect(this);
}

void TVxColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    bool listed = false;
    for (int i = 0; i < FColors->Count() && !listed; ++i)
        if ((*FColors)[i].Color() == Value) {
            SetItemIndex(i);
            listed = true;
        }
    // The caption of the item selected before would name another colour.
    if (!listed)
        FItemIndex = -1;
    update();
}

void TVxColorPickerDropDown::SetShowText(bool Value)
{
    SetProperty(FShowText, Value, [this] { update(); });
}

QString TVxColorPickerDropDown::GetSelectedColorText() const
{
    if (FColorSelectionStyle == TColorSelectionStyle::csList)
        if (const TColorItem* item = FColors->GetItem(FItemIndex))
            return item->Caption();
    return ::ColorValueText(FSelectedColor, FColorValueText);
}

// ---- the pop-up contents ----

namespace {
template <typename Content>
void Host(Content* content, TColor color)
{
    content->move(0, 0);
    content->SetColor(color);
}
} // namespace

void TVxColorPickerDropDown::CreateItemSelector()
{
    if (!FItemSelector) {
        FItemSelector = new TVxCustomItemSelector(DropDownForm());
        FItemSelector->SetSelectorType(TSelectorType::stColor);
        FItemSelector->resize(FItemSelector->width(), 150);
        FItemSelector->UpdateSelectorPanel();
    }
    Host(FItemSelector.data(), DropDownColor());
    SetControl(FItemSelector);
}

void TVxColorPickerDropDown::CreateColorSelector()
{
    if (!FColorSelector) {
        FColorSelector = new TCustomColorSelector(DropDownForm());
        FColorSelector->LoadDefaultPalette();
    }
    Host(FColorSelector.data(), DropDownColor());
    FColorSelector->UpdateLayout();
    SetControl(FColorSelector);
}

void TVxColorPickerDropDown::CreateCubePanel()
{
    if (!FColorCubePanel)
        FColorCubePanel = new TVxColorCubePanel(DropDownForm());
    Host(FColorCubePanel.data(), DropDownColor());
    SetControl(FColorCubePanel);
}

void TVxColorPickerDropDown::CreateSpectrumPanel()
{
    if (!FSpectrumPanel)
        FSpectrumPanel = new TVxColorSpectrumPanel(DropDownForm());
    Host(FSpectrumPanel.data(), DropDownColor());
    SetControl(FSpectrumPanel);
}

QWidget* TVxColorPickerDropDown::CreateContent()
{
    switch (FColorSelectionStyle) {
    case TColorSelectionStyle::csList: CreateItemSelector(); return FItemSelector;
    case TColorSelectionStyle::csDiscrete: CreateColorSelector(); return FColorSelector;
    case TColorSelectionStyle::csColorCube: CreateCubePanel(); return FColorCubePanel;
    case TColorSelectionStyle::csSpectrum: CreateSpectrumPanel(); return FSpectrumPanel;
    }
    return nullptr;
}

void TVxColorPickerDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    CreateContent();
}

void TVxColorPickerDropDown::LoadItemSelector()
{
    TVxCustomItemSelector& s = *FItemSelector;
    s.SetColorBoxHeight(FColorBoxHeight);
    s.SetColorBoxWidth(FColorBoxWidth);
    auto fill = [this](int i, TSelectorItem& item) {
        const TColorItem& own = (*FColors)[i];
        item.SetCaption(own.Caption());
        item.SetColor(own.Color());
        item.SetHint(own.Hint());
    };
    s.LoadItems(FColumns, Images(), FLayout, DropDownColor(), *FItemAppearance, FColors->Count(), fill, FItemIndex);
    s.OnItemSelect = [this](QObject*) {
        GuardEvent([this] {
            SetItemIndex(FItemSelector->ItemIndex());
            if (!FInternalCall)
                DoHideDropDown(false);
        });
    };
}

void TVxColorPickerDropDown::PickFromPanel(TColor Color, bool Close)
{
    GuardEvent([&] {
        SetSelectedColor(Color);
        SetItemIndex(-1);
        if (Close)
            DoHideDropDown(false);
    });
}

void TVxColorPickerDropDown::LoadContent()
{
    QWidget* content = CreateContent();
    for (QWidget* other : {static_cast<QWidget*>(FItemSelector), static_cast<QWidget*>(FColorSelector),
                           static_cast<QWidget*>(FColorCubePanel), static_cast<QWidget*>(FSpectrumPanel)})
        if (other && other != content)
            other->hide();
    switch (FColorSelectionStyle) {
    case TColorSelectionStyle::csList:
        LoadItemSelector();
        if (OnDrawColor)
            FItemSelector->OnDrawItem = [this](QObject*, TCanvas& Canvas, const TRect& R, int Index) {
                OnDrawColor(this, Canvas, R, Index);
            };
        else
            FItemSelector->OnDrawItem = nullptr;
        FOldItemIndex = FItemIndex;
        break;
    case TColorSelectionStyle::csDiscrete:
        // Bound after the colour is set, so that showing the selection is no pick.
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->UpdateLayout();
        FColorSelector->OnItemSelect = [this](QObject*) {
            PickFromPanel(FColorSelector->SelectedColor(), !FInternalCall);
        };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case TColorSelectionStyle::csColorCube:
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->InitCube();
        FColorCubePanel->ResetHot();
        FColorCubePanel->OnSelect = [this](QObject*) { PickFromPanel(FColorCubePanel->SelectedColor(), true); };
        break;
    case TColorSelectionStyle::csSpectrum:
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->LayoutSpectrum();
        FSpectrumPanel->OnSelect = [this](QObject*) { PickFromPanel(FSpectrumPanel->SelectedColor(), true); };
        break;
    }
    content->show();
}

void TVxColorPickerDropDown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    LoadContent();
    FOldSelectedColor = FSelectedColor;
}

void TVxColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    if (Value == FColorSelectionStyle)
        return;
    FColorSelectionStyle = Value;
    if (!DropDownForm())
        return;
    LoadContent();
    FOldSelectedColor = FSelectedColor;
    UpdateDropDownSize();
    PlaceDropDownControl();
    DropDownForm()->update();
}

void TVxColorPickerDropDown::UpdateDropDownSize()
{
    TDropDownForm& form = *DropDownForm();
    if (FColorSelectionStyle == TColorSelectionStyle::csList) {
        const TSize panel = FItemSelector->GetSelectorSize();
        FItemSelector->resize(DropDownWidth() < 1 ? panel.cx : FItemSelector->width(),
                              DropDownHeight() < 1 ? panel.cy : FItemSelector->height());
        TVxCustomDropDown::UpdateDropDownSize();
        if (FItemSelector->VertScrollBarVisible())
            form.resize(form.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent), form.height());
        return;
    }
    const int border = 2 * DropDownBorderWidth();
    const QWidget* content = Control();
    const bool shown = content && !content->isHidden();
    int h = border + (shown ? content->height() : 0);
    if (form.Header() && form.Header()->isVisibleTo(&form))
        h += form.Header()->height();
    if (form.Footer() && form.Footer()->isVisibleTo(&form))
        h += form.Footer()->height();
    form.resize(shown ? content->width() + border : width(), h);
}

void TVxColorPickerDropDown::DoHideDropDown(bool Cancelled)
{
    TVxCustomDropDown::DoHideDropDown(Cancelled);
    if (!Cancelled)
        return;
    if (FColorSelectionStyle == TColorSelectionStyle::csList) {
        SetItemIndex(FOldItemIndex);
    } else if (FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FColorSelector) {
        FColorSelector->SetSelectedColor(FOldSelectedColor);
        // The selector tells only when a box has that colour; the colour comes back in any case.
        SetSelectedColor(FOldSelectedColor);
    }
}

// ---- the edit ----

void TVxColorPickerDropDown::DrawFocusedText()
{
    TVxCustomDropDown::DrawFocusedText();
    DrawSelectedColor();
}

void TVxColorPickerDropDown::DrawSelectedColor()
{
    QPainter painter(this);
    TCanvas canvas;
    canvas.BeginPaint(&painter);
    const TRect area = Rect(1, 1, width() - 2 - DropDownButtonWidth(), height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, canvas, area);
    } else if (FSelectedColor != clNone) {
        const int left = area.Left + 4, top = (height() - FColorBoxHeight) / 2 + area.Top;
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetColor(clBlack);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(FSelectedColor);
        canvas.Rectangle(left, top, left + FColorBoxWidth, top + FColorBoxHeight);
        if (FShowText) {
            TFont font = TFont::fromQFont(this->font());
            if (!EditorEnabled() && hasFocus())
                font.SetColor(clHighlightText);
            canvas.SetFont(font);
            canvas.Brush().SetColor(hasFocus() ? clHighlight : FromQColor(palette().color(QPalette::Base)));
            TRect text = Rect(left + FColorBoxWidth + 4, area.Top, area.Right, area.Bottom);
            canvas.DrawText(GetSelectedColorText(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        }
    }
    canvas.EndPaint();
}

// ---- wheel and keys ----

void TVxColorPickerDropDown::WheelMove(bool Next)
{
    GuardEvent([&] {
        if (!isEnabled() || isReadOnly())
            return;
        const bool open = DroppedDown();
        QScopedValueRollback<bool> guard(FInternalCall, true);
        if (FColorSelectionStyle == TColorSelectionStyle::csList && FItemSelector) {
            if (open) {
                Next ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
            } else {
                // The closed picker steps from its own colour, which may have changed since the last opening.
                LoadItemSelector();
                Next ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious();
            }
        } else if (FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FColorSelector) {
            if (open)
                Next ? FColorSelector->HotNext() : FColorSelector->HotPrevious();
            else
                Next ? FColorSelector->SelectNext() : FColorSelector->SelectPrevious();
        }
    });
}

bool TVxColorPickerDropDown::KeyDownSteps(std::uint16_t& Key, TShiftState Shift)
{
    const bool list = FColorSelectionStyle == TColorSelectionStyle::csList && FItemSelector;
    const bool boxes = FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FColorSelector;
    bool enterTaken = false;
    if (Key == VK_RETURN && isEnabled() && DropDownForm() && DropDownForm()->isVisible()) {
        if (list && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());
            enterTaken = true;
        } else if (boxes && FColorSelector->ItemHot() >= 0) {
            FColorSelector->SetItemIndex(FColorSelector->ItemHot());
            enterTaken = true;
        }
    }
    const bool result = TVxCustomDropDown::EditKeyDown(Key, Shift);
    if (!isEnabled() || Shift.testFlag(TShiftStateItem::ssAlt) || (!list && !boxes))
        return result;
    if (Key == VK_RETURN) {
        if (!enterTaken && OnSelect)
            OnSelect(this);
        return result;
    }
    const bool open = DropDownForm() && DropDownForm()->isVisible();
    if (boxes) {
        QScopedValueRollback<bool> guard(FInternalCall, true);
        FColorSelector->HandleKey(Key, EditorEnabled(), open);
        return result;
    }
    TPickerKeys keys = PickerKeys(open, [this] { LoadItemSelector(); });
    keys.RowStep = FColumns;
    PickerKeyDown(keys, Key, Shift);
    return result;
}
