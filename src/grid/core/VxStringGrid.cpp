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
#include "grid/interaction/SearchPanel.h"
#include "grid/interaction/FilterDropDown.h"
#include "grid/interaction/GridAuxWindows.h"
#include "grid/interaction/GridFormControls.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridLookHost.h"
#include <QScrollBar>
#include <QStyle>

TVxStringGrid::TVxStringGrid(QWidget* AOwner)
    : TBaseGrid(AOwner), d(std::make_unique<TVxStringGridPrivate>())
{
    d->Shared.FDefaultAlignment = TAlignment::taLeftJustify;
    CreateOwnedObjects();

    SetRowCount(10);
    resize(400, 250);
    SetAutoSize(false);
    SetDefaultRowHeight(22);
    d->Shared.FFixedRowHeight = DefaultRowHeight();

    d->Shared.FAppearance.Zarn.To = ColorToRGB(clBtnFace);
    d->Settings.ScrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    CreateEditorControls();
    d->Interaction.FGridTimerID = startTimer(500);
}

void TVxStringGrid::CreateOwnedObjects()
{
    d->Shared.FCellFont = std::make_unique<TFont>();
    d->Shared.FFocusHelper = std::make_unique<TFocusHelper>();
    d->Shared.FSearchFooter = std::make_unique<TSearchFooter>(IsDesigning());
    d->Shared.FPrintSettings = std::make_unique<TPrintSettings>(this);
    d->Shared.FHTMLSettings = std::make_unique<THTMLSettings>();
    d->Shared.FLookHost = MakeGridLookHost(*this);
    d->Shared.FControlLook = std::make_unique<TControlLook>(d->Shared.FLookHost.get());
    d->Shared.FNavigation = std::make_unique<TNavigation>();
    d->Shared.FNavigation->OnChange = [this](QObject*) { NavigationChanged(); };
    d->Shared.FColumnSize = std::make_unique<TColumnSize>(this);
    d->Shared.FBalloon = std::make_unique<TBalloonSettings>();
    d->Shared.FCellNode = std::make_unique<TCellNode>(this);
    d->Shared.FBands = std::make_unique<TBands>();
    d->Shared.FBands->OnChange = [this](QObject*) { Invalidate(); };
    d->Shared.FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    d->Shared.FMouseActions = std::make_unique<TMouseActions>();
    d->Shared.FMouseActions->OnChange = [this](QObject*) { MouseActionsChanged(); };
    d->Shared.FMouseActions->OnIsDesigning = [this](QObject*, bool& designing) { designing = IsDesigning(); };
    d->Shared.FMouseActions->OnInvalidate = [this](QObject*) { Invalidate(); };
    d->Shared.FImageCache = std::make_unique<THTMLPictureCache>();
    d->Shared.FFixedFont = std::make_unique<TFont>();
    d->Shared.FFixedFont->SetStyle(TFontStyle::fsBold);
    d->Shared.FActiveCellFont = std::make_unique<TFont>();
    d->Shared.FActiveCellFont->SetStyle(TFontStyle::fsBold);
    d->Shared.FSortIndexes = std::make_unique<TSortIndexList>();
    d->Shared.FMergedColumns = std::make_unique<TIntList>(0, 0);
    d->Shared.FMergedColumns->OnChange = [this](QObject*, int, int) { MergedColumnsChanged(); };
    d->Shared.FRowIndicator = std::make_unique<TBitmap>();
    d->Shared.FBackGround = std::make_unique<TBackGround>(d->Shared.FLookHost.get());
    d->Shared.FControlList = std::make_unique<TControlList>();
    d->Order.FSortHost = std::make_unique<TGridSortHost>(*this);
    d->Order.FSortSettings = std::make_unique<TSortSettings>(*d->Order.FSortHost);
    d->Order.FSortRowXRef = std::make_unique<TSortXRef>();
    d->Order.FFloatingFooter = std::make_unique<TFloatingFooter>(*this);
    d->Order.FColumnOrder = std::make_unique<TIntList>(0, 0);
    d->Order.FNodes = std::make_unique<TGridNodes>();
    d->Order.FGrouping = std::make_unique<TGrouping>();
    d->Shared.FSyncGrid = std::make_unique<TSyncGrid>(this);
    d->Shared.FShowModified = std::make_unique<TShowModified>();
    d->Shared.FShowModified->OnChange = [this](QObject*) {
        for (int r = 0; r < RowCount(); ++r)
            InvalidateCell(0, r);
    };
    d->Shared.FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    d->Shared.FProgressAppearance->OnChange = [this](QObject*) { Invalidate(); };
    d->Shared.FIgnoreColumns = std::make_unique<TIntList>(0, 0);
    d->Shared.FHiddenColumns = std::make_unique<THiddenIndexMap>(MaxHiddenColumns);
    d->Cells.FHiddenRows = std::make_unique<THiddenRows>();
    d->Find.FFindMatcher = std::make_unique<TFindMatcher>();
    d->Aux.FDragDropSettings = std::make_unique<TDragDropSettings>(this);
    d->Aux.FFilterDropDown = std::make_unique<TFilterDropDown>();
    d->Find.FFilterHost = std::make_unique<TGridFilterHost>(*this);
    d->Find.FRowFilter = std::make_unique<TRowFilter>(*d->Find.FFilterHost, this);
    d->Find.FRowFilter->Filter().OnColumnFilterRemoved = [this](int Col) { InvalidateCell(Col, 0); };
}

// Run-time children; the editing area replaces the placeholders with the real editors.
void TVxStringGrid::CreateEditorControls()
{
    if (IsDesigning())
        return;
    CreateFilterLists();
    d->Aux.FSearchPanel = new TSearchPanel(this);
    d->Aux.FSearchPanel->OnEditChange = [this](QObject*) { SearchEditChange(); };
    d->Aux.FSearchPanel->OnForwardClick = [this](QObject*) { SearchFindNext(); };
    d->Aux.FSearchPanel->OnBackwardClick = [this](QObject*) { SearchFindPrevious(); };
    d->Aux.FSearchPanel->OnHighlightClick = [this](QObject*) { SearchHighlightClick(); };
    d->Aux.FSearchPanel->OnExitClick = [this](QObject*) { SearchFooterClose(); };
    d->Shared.FSearchFooter->OnChange = [this](QObject*) { SearchFooterChanged(); };
    SearchFooterChanged();
    CreateGridEditors();   // combo, check box, edit button, unit edit button, push button
    d->Aux.FEditTrans = new TGridTransEdit(this);
    d->Aux.FComboTrans = new TGridTransCombo(this);
    d->Aux.FControlEdit = new TControlEdit(this);
    d->Aux.FControlCombo = new TControlCombo(this);
    for (QWidget* w : std::initializer_list<QWidget*>{d->Aux.FEditTrans, d->Aux.FComboTrans, d->Aux.FControlEdit, d->Aux.FControlCombo})
        d->Shared.FEditorControls.push_back(w);
    for (int i = 0; i < 2; ++i) {   // both vertical, as the toolkit made them
        auto* bar = new QScrollBar(Qt::Vertical, this);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        d->Shared.FEditorControls.push_back(bar);
    }
}

// The helper windows are top-level windows: made when first needed, so that a grid costs none at start-up.
TArrowWindow* TVxStringGrid::Arrow(int Index)
{
    static const TArrowDirection dirs[4] = {TArrowDirection::arrUp, TArrowDirection::arrDown,
                                            TArrowDirection::arrLeft, TArrowDirection::arrRight};
    if (!d->Shared.FArrows[Index] && !IsDesigning())
        d->Shared.FArrows[Index] = new TArrowWindow(this, dirs[Index]);
    return d->Shared.FArrows[Index];
}

TGridFocusWindow* TVxStringGrid::FocusWindow()
{
    if (!d->Shared.FFocusWindow && !IsDesigning())
        d->Shared.FFocusWindow = new TGridFocusWindow(this);
    return d->Shared.FFocusWindow;
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
