#pragma once
// The pop-up content of the detail, image and colour pickers: a scrolling host that carries one painted
// panel on which the items stand in a grid of equal cells, each with an image, a picture or a colour box
// and a caption. The mouse makes an item hot and selects it; the owning drop-down drives the keyboard
// through the host's navigation operations.
#include "platform/CustomControl.h"
#include "platform/ImageList.h"
#include "widgets/dropdown/DropDownStyles.h"
#include "widgets/dropdown/ItemCollection.h"
#include "widgets/dropdown/ItemLayout.h"
#include <QPointer>
#include <QScrollArea>
#include <functional>

enum class TSelectorType { stImage, stColor };

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

using TDrawItemEvent = std::function<void(QObject* Sender, TCanvas& Canvas, const TRect& R, int Index)>;
using TItemSizeEvent = std::function<void(QObject* Sender, TSize& ASize)>;
// Draws the selected item into the edit in place of the control's own drawing.
using TOnDrawSelectedItem = std::function<void(QObject* Sender, TCanvas& Canvas, const TRect& R)>;

// The colours of hot and selected items.
class TItemAppearance {
public:
    TItemAppearance();
    // Copies from another item appearance only.
    void Assign(const TItemAppearance& Source);
    // Loads the style's preset when the style changes; scCustom keeps the colours.
    void SetColorStyle(TSelectionColorStyle AStyle);
    TSelectionColorStyle ColorStyle() const { return FColorStyle; }

    TColor BorderColor = 0;
    TColor BorderColorTop = 0;
    TColor BorderColorBottom = 0;
    TColor BorderColorHot = clNone;
    TColor BorderColorSelected = clNone;
    TColor ColorHot = 0;
    TColor ColorHotTo = 0;
    TColor ColorHotText = clBlack;
    TColor ColorMirrorHot = 0;
    TColor ColorMirrorHotTo = 0;
    TColor ColorSelected = 0;
    TColor ColorSelectedTo = 0;
    TColor ColorMirrorSelected = 0;
    TColor ColorMirrorSelectedTo = 0;
    TColor ColorSelectedText = clBlack;
    TColor EdgeColor = 0;
    TFont Font;

private:
    TSelectionColorStyle FColorStyle = TSelectionColorStyle::scCustom;
};

class TSelectorItem {
public:
    explicit TSelectorItem(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TSelectorItem& Source);

    QString Caption() const { return FCaption; }   // mini-HTML
    void SetCaption(const QString& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // A picture of the item's own; it takes precedence over the image list.
    const TBitmap& Image() const { return FImage; }
    void SetImage(const TBitmap& Value) { FImage.Assign(Value); }
    QString Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    bool Enabled() const { return FEnabled; }
    TRect ItemRect() const { return FRect; }

private:
    friend class TCustomItemSelector;
    friend class TVxCustomItemSelector;
    TCollectionBase* FCollection;
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TColor FColor = clNone;
    TBitmap FImage;
    TRect FRect;
    QString FHint;
};

using TSelectorItems = TItemCollection<TSelectorItem>;

class TVxCustomItemSelector;

// The painted panel; only a host may own it.
class TCustomItemSelector : public TCustomControl {
public:
    // Throws std::runtime_error("Invalid parent") for any owner but a TVxCustomItemSelector.
    explicit TCustomItemSelector(QObject* AOwner);

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    TVxCustomItemSelector* VxItemSelector() const { return FVxItemSelector; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain, trimmed, upper-cased caption starts with s.
    bool LookupItem(const QString& s);
    int ItemAtPoint(int X, int Y) const;
    TRect GetItemRect(int Index) const;

    virtual void DrawItem(int Index, TCanvas& Canvas);
    virtual void GetItemArea(TRect& R) const;
    virtual TSize GetItemSize();
    virtual void InvalidateItem(int Index);
    virtual void UpdateItems();

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    TSelectorItems& Items() const;
    bool ItemEnabled(int Index) const;
    TSize ContentSize(const TSelectorItem& Item) const;
    void DrawContent(TCanvas& Canvas, const TSelectorItem& Item, int Left, int Top);

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2;
    int FOffSetY = 2;
    int FItemOffSetX = 4;
    int FItemOffSetY = 4;
    int FCaptionGap = 4;
    TVxCustomItemSelector* FVxItemSelector;
};

// The scrolling host. Keys and the wheel are left to the owning drop-down: the host takes keys without
// acting on them and passes the wheel on to its parent.
class TVxCustomItemSelector : public QScrollArea {
public:
    explicit TVxCustomItemSelector(QWidget* AOwner = nullptr);
    ~TVxCustomItemSelector() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    TSelectorItems& Items() const { return *FItems; }
    void SetItems(const TSelectorItems& Value) { FItems->Assign(Value); }
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHot() const;
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    // Takes effect at the next layout.
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(Value); }
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    TCustomItemSelector* Panel() const { return FItemSelectorPanel; }

    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString& s);
    void ScrollItemInView(int Index);
    int GetVisibleItemCount() const;
    TSize GetSelectorSize() const;
    bool VertScrollBarVisible() const;
    // The pickers' moves: Delta items from the selection (item 0 when nothing is selected), refused outside
    // the items; a page of visible items up or down, clamped to the items. Both select and scroll.
    void SelectBy(int Delta);
    void SelectPage(bool Down);
    // A picker loads its settings and items before an opening: OnItemSelect is unbound (the picker binds it
    // again), Fill makes item i of Count, the items are laid out once and ItemIndex selects one of them.
    void LoadItems(int AColumns, TCustomImageList* AImages, TItemLayout ALayout, TColor AColor,
                   const TItemAppearance& Appearance, int Count, const std::function<void(int, TSelectorItem&)>& Fill,
                   int AItemIndex);

    TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;
    TNotifyEvent OnResize;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    // The viewport changes with the host and when a scroll bar comes or goes.
    bool viewportEvent(QEvent* e) override;

private:
    std::unique_ptr<TSelectorItems> FItems;
    TSelectorType FSelectorType = TSelectorType::stImage;
    TItemLayout FItemLayout = TItemLayout::ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    QPointer<TCustomImageList> FImages;
    TCustomItemSelector* FItemSelectorPanel = nullptr;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    TColor FColor = clWindow;
};
