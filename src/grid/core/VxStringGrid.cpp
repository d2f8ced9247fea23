#include "grid/core/VxStringGridPrivate.h"
#include <exception>
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridFilterHost.h"
#include "grid/model/GridGrouping.h"
#include "grid/model/FindMatcher.h"
#include "grid/model/GridNodes.h"
#include "grid/core/GridSettings.h"
#include "grid/core/GridSortHost.h"
#include "grid/model/HiddenIndexMap.h"
#include "grid/model/HiddenRows.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/GridWindows.h"
#include "grid/model/IntList.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/interaction/GridDragDrop.h"
#include "grid/edit/editors/GridEditors.h"
#include "grid/interaction/FilterDropDown.h"
#include "grid/interaction/GridAuxWindows.h"
#include "grid/interaction/GridFormControls.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridLookHost.h"
#include <QScrollBar>
#include <QStyle>

TVxStringGridPrivate::TVxStringGridPrivate(TVxStringGrid* AGrid) : q(AGrid), Edit(*AGrid) {}

TVxStringGridPrivate::~TVxStringGridPrivate() = default;

TVxStringGrid::TVxStringGrid(QWidget* AOwner)
    : TBaseGrid(AOwner), d(std::make_unique<TVxStringGridPrivate>(this))
{
    d->Shared.FDefaultAlignment = TAlignment::taLeftJustify;
    d->CreateOwnedObjects();

    SetRowCount(10);
    resize(400, 250);
    SetAutoSize(false);
    SetDefaultRowHeight(22);
    d->Shared.FFixedRowHeight = DefaultRowHeight();

    d->Shared.FAppearance.Zarn.To = ColorToRGB(clBtnFace);
    d->Settings.ScrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    if (!IsDesigning()) {
        d->Shared.FSearchFooter->OnChange = [this](QObject*) { SearchFooterChanged(); };
        SearchFooterChanged();
    }
    d->Interaction.FGridTimerID = startTimer(500);
}

void TVxStringGridPrivate::CreateOwnedObjects()
{
    Shared.FCellFont = std::make_unique<TFont>();
    Shared.FFocusHelper = std::make_unique<TFocusHelper>();
    Shared.FSearchFooter = std::make_unique<TSearchFooter>(q->IsDesigning());
    Shared.FPrintSettings = std::make_unique<TPrintSettings>(q);
    Shared.FHTMLSettings = std::make_unique<THTMLSettings>();
    Shared.FLookHost = MakeGridLookHost(*q);
    Shared.FControlLook = std::make_unique<TControlLook>(Shared.FLookHost.get());
    Shared.FNavigation = std::make_unique<TNavigation>();
    Shared.FNavigation->OnChange = [this](QObject*) { q->NavigationChanged(); };
    Shared.FColumnSize = std::make_unique<TColumnSize>(q);
    Shared.FBalloon = std::make_unique<TBalloonSettings>();
    Shared.FCellNode = std::make_unique<TCellNode>(q);
    Shared.FBands = std::make_unique<TBands>();
    Shared.FBands->OnChange = [this](QObject*) { q->Invalidate(); };
    Shared.FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    Shared.FMouseActions = std::make_unique<TMouseActions>();
    Shared.FMouseActions->OnChange = [this](QObject*) { q->MouseActionsChanged(); };
    Shared.FMouseActions->OnIsDesigning = [this](QObject*, bool& designing) { designing = q->IsDesigning(); };
    Shared.FMouseActions->OnInvalidate = [this](QObject*) { q->Invalidate(); };
    Shared.FImageCache = std::make_unique<THTMLPictureCache>();
    Shared.FFixedFont = std::make_unique<TFont>();
    Shared.FFixedFont->SetStyle(TFontStyle::fsBold);
    Shared.FActiveCellFont = std::make_unique<TFont>();
    Shared.FActiveCellFont->SetStyle(TFontStyle::fsBold);
    Shared.FSortIndexes = std::make_unique<TSortIndexList>();
    Shared.FMergedColumns = std::make_unique<TIntList>(0, 0);
    Shared.FMergedColumns->OnChange = [this](QObject*, int, int) { q->MergedColumnsChanged(); };
    Shared.FRowIndicator = std::make_unique<TBitmap>();
    Shared.FBackGround = std::make_unique<TBackGround>(Shared.FLookHost.get());
    Shared.FControlList = std::make_unique<TControlList>();
    Order.FSortHost = std::make_unique<TGridSortHost>(*q);
    Order.FSortSettings = std::make_unique<TSortSettings>(*Order.FSortHost);
    Order.FSortRowXRef = std::make_unique<TSortXRef>();
    Order.FFloatingFooter = std::make_unique<TFloatingFooter>(*q);
    Order.FColumnOrder = std::make_unique<TIntList>(0, 0);
    Order.FNodes = std::make_unique<TGridNodes>();
    Order.FGrouping = std::make_unique<TGrouping>();
    Shared.FSyncGrid = std::make_unique<TSyncGrid>(q);
    Shared.FShowModified = std::make_unique<TShowModified>();
    Shared.FShowModified->OnChange = [this](QObject*) {
        for (int r = 0; r < q->RowCount(); ++r)
            q->InvalidateCell(0, r);
    };
    Shared.FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    Shared.FProgressAppearance->OnChange = [this](QObject*) { q->Invalidate(); };
    Shared.FIgnoreColumns = std::make_unique<TIntList>(0, 0);
    Shared.FHiddenColumns = std::make_unique<THiddenIndexMap>(q->MaxHiddenColumns);
    Cells.FHiddenRows = std::make_unique<THiddenRows>();
    Find.FFindMatcher = std::make_unique<TFindMatcher>();
    Aux.FDragDropSettings = std::make_unique<TDragDropSettings>(q);
    Aux.FFilterDropDown = std::make_unique<TFilterDropDown>();
    Find.FFilterHost = std::make_unique<TGridFilterHost>(*q);
    Find.FRowFilter = std::make_unique<TRowFilter>(*Find.FFilterHost, q);
    Find.FRowFilter->Filter().OnColumnFilterRemoved = [this](int Col) { q->InvalidateCell(Col, 0); };
}

void TVxStringGridPrivate::ListEditorControls()
{
    if (Shared.FEditorControlsListed || q->IsDesigning())
        return;
    Shared.FEditorControlsListed = true;
    std::vector<QWidget*> listed{EditCheck(), EditBtn(), UnitEditBtn(), GridButton(),
                                 TransEdit(), TransCombo(), ControlEdit(), ControlCombo()};
    // Nothing reads the two bars: they stand in the list only because the toolkit made them.
    for (int i = 0; i < 2; ++i) {
        auto* bar = new QScrollBar(Qt::Vertical, q);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        listed.push_back(bar);
    }
    // An editor made earlier on its own (the combo) keeps its place after them.
    Shared.FEditorControls.insert(Shared.FEditorControls.begin(), listed.begin(), listed.end());
}

// The helper windows are top-level windows: made when first needed, so that a grid costs none at start-up.
TArrowWindow* TVxStringGridPrivate::Arrow(int Index)
{
    static const TArrowDirection dirs[4] = {TArrowDirection::arrUp, TArrowDirection::arrDown,
                                            TArrowDirection::arrLeft, TArrowDirection::arrRight};
    if (!Shared.FArrows[Index] && !q->IsDesigning())
        Shared.FArrows[Index] = new TArrowWindow(q, dirs[Index]);
    return Shared.FArrows[Index];
}

TGridFocusWindow* TVxStringGridPrivate::FocusWindow()
{
    if (!Shared.FFocusWindow && !q->IsDesigning())
        Shared.FFocusWindow = new TGridFocusWindow(q);
    return Shared.FFocusWindow;
}

TVxStringGrid::~TVxStringGrid()
{
    d->Shared.FDestroying = true;
    SetEditLink(nullptr);   // the link lets go of the control the grid is about to delete
    if (d->Shared.FColumnSize->Save()) {
        // A destructor cannot report: widths that cannot be stored are given up.
        try {
            SaveColSizes();
        } catch (const std::exception&) {
        }
    }
    d->Settings.ClearTextOnly = false;
    d->Settings.SaveHiddenCells = false;
    // Hidden columns come back first so that their cells' objects are freed with the others.
    UnHideColumnsAll();
    FreeAllCellObjects();
    setCursor(d->Shared.FRememberedCursor);
}

void TVxStringGrid::SetBalloon(const TBalloonSettings& value)
{
    d->Shared.FBalloon->Assign(&value);
}

void TVxStringGrid::SetFocusHelper(const TFocusHelper& value)
{
    d->Shared.FFocusHelper->Assign(&value);
}

void TVxStringGrid::SetBackGround(const TBackGround& value)
{
    d->Shared.FBackGround->Assign(&value);
    Invalidate();
}

void TVxStringGrid::SetShowModified(const TShowModified& value)
{
    d->Shared.FShowModified->Assign(&value);
}

void TVxStringGrid::SetFixedFont(const TFont& value)
{
    *d->Shared.FFixedFont = value;
    Invalidate();
}

void TVxStringGrid::SetActiveCellFont(const TFont& value)
{
    *d->Shared.FActiveCellFont = value;
    Invalidate();
}

void TVxStringGrid::SetRowIndicator(const TBitmap& value)
{
    d->Shared.FRowIndicator->Assign(value);
    InvalidateCell(0, Row());
}

void TVxStringGrid::SetColumnHeaders(const QStringList& value)
{
    d->Shared.FColumnHeaders = value;
    if (FixedRows() > 0)
        ClearColumnHeaders();
    ColumnHeadersChanged();
    ShowColumnHeaders();
}

void TVxStringGrid::SetRowHeaders(const QStringList& value)
{
    d->Shared.FRowHeaders = value;
    ShowRowHeaders();
}
