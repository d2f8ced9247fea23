#include "grid/core/VxStringGrid.h"
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
    : TBaseGrid(AOwner), FAllColWidths(MaxHiddenColumns + 1, 0)
{
    FDefaultAlignment = TAlignment::taLeftJustify;
    CreateOwnedObjects();

    SetRowCount(10);
    resize(400, 250);
    SetAutoSize(false);
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();

    FAppearance.Zarn.To = ColorToRGB(clBtnFace);
    F.ScrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    CreateEditorControls();
    FGridTimerID = startTimer(500);
}

void TVxStringGrid::CreateOwnedObjects()
{
    FCellFont = std::make_unique<TFont>();
    FFocusHelper = std::make_unique<TFocusHelper>();
    FSearchFooter = std::make_unique<TSearchFooter>(IsDesigning());
    FPrintSettings = std::make_unique<TPrintSettings>(this);
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FLookHost = MakeGridLookHost(*this);
    FControlLook = std::make_unique<TControlLook>(FLookHost.get());
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](QObject*) { NavigationChanged(); };
    FColumnSize = std::make_unique<TColumnSize>(this);
    FBalloon = std::make_unique<TBalloonSettings>();
    FCellNode = std::make_unique<TCellNode>(this);
    FBands = std::make_unique<TBands>();
    FBands->OnChange = [this](QObject*) { Invalidate(); };
    FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FMouseActions = std::make_unique<TMouseActions>();
    FMouseActions->OnChange = [this](QObject*) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](QObject*, bool& designing) { designing = IsDesigning(); };
    FMouseActions->OnInvalidate = [this](QObject*) { Invalidate(); };
    FImageCache = std::make_unique<THTMLPictureCache>();
    FFixedFont = std::make_unique<TFont>();
    FFixedFont->SetStyle(TFontStyle::fsBold);
    FActiveCellFont = std::make_unique<TFont>();
    FActiveCellFont->SetStyle(TFontStyle::fsBold);
    FSortIndexes = std::make_unique<TSortIndexList>();
    FMergedColumns = std::make_unique<TIntList>(0, 0);
    FMergedColumns->OnChange = [this](QObject*, int, int) { MergedColumnsChanged(); };
    FRowIndicator = std::make_unique<TBitmap>();
    FBackGround = std::make_unique<TBackGround>(FLookHost.get());
    FControlList = std::make_unique<TControlList>();
    FSortHost = std::make_unique<TGridSortHost>(*this);
    FSortSettings = std::make_unique<TSortSettings>(*FSortHost);
    FSortRowXRef = std::make_unique<TSortXRef>();
    FFloatingFooter = std::make_unique<TFloatingFooter>(*this);
    FColumnOrder = std::make_unique<TIntList>(0, 0);
    FNodes = std::make_unique<TGridNodes>();
    FGrouping = std::make_unique<TGrouping>();
    FSyncGrid = std::make_unique<TSyncGrid>(this);
    FShowModified = std::make_unique<TShowModified>();
    FShowModified->OnChange = [this](QObject*) {
        for (int r = 0; r < RowCount(); ++r)
            InvalidateCell(0, r);
    };
    FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FProgressAppearance->OnChange = [this](QObject*) { Invalidate(); };
    FIgnoreColumns = std::make_unique<TIntList>(0, 0);
    FHiddenColumns = std::make_unique<THiddenIndexMap>(MaxHiddenColumns);
    FHiddenRows = std::make_unique<THiddenRows>();
    FFindMatcher = std::make_unique<TFindMatcher>();
    FDragDropSettings = std::make_unique<TDragDropSettings>(this);
    FFilterDropDown = std::make_unique<TFilterDropDown>();
    FFilterHost = std::make_unique<TGridFilterHost>(*this);
    FRowFilter = std::make_unique<TRowFilter>(*FFilterHost, this);
    FRowFilter->Filter().OnColumnFilterRemoved = [this](int Col) { InvalidateCell(Col, 0); };
}

// Run-time children; the editing area replaces the placeholders with the real editors.
void TVxStringGrid::CreateEditorControls()
{
    if (IsDesigning())
        return;
    CreateFilterLists();
    FSearchPanel = new TSearchPanel(this);
    FSearchPanel->OnEditChange = [this](QObject*) { SearchEditChange(); };
    FSearchPanel->OnForwardClick = [this](QObject*) { SearchFindNext(); };
    FSearchPanel->OnBackwardClick = [this](QObject*) { SearchFindPrevious(); };
    FSearchPanel->OnHighlightClick = [this](QObject*) { SearchHighlightClick(); };
    FSearchPanel->OnExitClick = [this](QObject*) { SearchFooterClose(); };
    FSearchFooter->OnChange = [this](QObject*) { SearchFooterChanged(); };
    SearchFooterChanged();
    CreateGridEditors();   // combo, check box, edit button, unit edit button, push button
    FEditTrans = new TGridTransEdit(this);
    FComboTrans = new TGridTransCombo(this);
    FControlEdit = new TControlEdit(this);
    FControlCombo = new TControlCombo(this);
    for (QWidget* w : std::initializer_list<QWidget*>{FEditTrans, FComboTrans, FControlEdit, FControlCombo})
        FEditorControls.push_back(w);
    for (int i = 0; i < 2; ++i) {   // both vertical, as the toolkit made them
        auto* bar = new QScrollBar(Qt::Vertical, this);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        FEditorControls.push_back(bar);
    }
}

// The helper windows are top-level windows: made when first needed, so that a grid costs none at start-up.
TArrowWindow* TVxStringGrid::Arrow(int Index)
{
    static const TArrowDirection dirs[4] = {TArrowDirection::arrUp, TArrowDirection::arrDown,
                                            TArrowDirection::arrLeft, TArrowDirection::arrRight};
    if (!FArrows[Index] && !IsDesigning())
        FArrows[Index] = new TArrowWindow(this, dirs[Index]);
    return FArrows[Index];
}

TGridFocusWindow* TVxStringGrid::FocusWindow()
{
    if (!FFocusWindow && !IsDesigning())
        FFocusWindow = new TGridFocusWindow(this);
    return FFocusWindow;
}

TVxStringGrid::~TVxStringGrid()
{
    FDestroying = true;
    SetEditLink(nullptr);   // the link lets go of the control the grid is about to delete
    if (FColumnSize->Save()) {
        // A destructor cannot report: widths that cannot be stored are given up.
        try {
            SaveColSizes();
        } catch (const std::exception&) {
        }
    }
    F.ClearTextOnly = false;
    F.SaveHiddenCells = false;
    // Hidden columns come back first so that their cells' objects are freed with the others.
    UnHideColumnsAll();
    FreeAllCellObjects();
    setCursor(FRememberedCursor);
}

void TVxStringGrid::SetBalloon(const TBalloonSettings& value)
{
    FBalloon->Assign(&value);
}

void TVxStringGrid::SetFocusHelper(const TFocusHelper& value)
{
    FFocusHelper->Assign(&value);
}

void TVxStringGrid::SetBackGround(const TBackGround& value)
{
    FBackGround->Assign(&value);
    Invalidate();
}

void TVxStringGrid::SetShowModified(const TShowModified& value)
{
    FShowModified->Assign(&value);
}

void TVxStringGrid::SetFixedFont(const TFont& value)
{
    *FFixedFont = value;
    Invalidate();
}

void TVxStringGrid::SetActiveCellFont(const TFont& value)
{
    *FActiveCellFont = value;
    Invalidate();
}

void TVxStringGrid::SetRowIndicator(const TBitmap& value)
{
    FRowIndicator->Assign(value);
    InvalidateCell(0, Row());
}

void TVxStringGrid::SetColumnHeaders(const QStringList& value)
{
    FColumnHeaders = value;
    if (FixedRows() > 0)
        ClearColumnHeaders();
    ColumnHeadersChanged();
    ShowColumnHeaders();
}

void TVxStringGrid::SetRowHeaders(const QStringList& value)
{
    FRowHeaders = value;
    ShowRowHeaders();
}
