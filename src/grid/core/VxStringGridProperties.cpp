// The grid's property accessors whose values live in the private half.
#include "grid/core/VxStringGridPrivate.h"

#include "grid/core/GridSettings.h"

// A stored value with no side effect.
#define VX_GRID_VALUE(Type, Name) \
    Type TVxStringGrid::Name() const { return d->Settings.Name; } \
    void TVxStringGrid::Set##Name(Type value) { d->Settings.Name = value; }
// A value whose change repaints the grid.
#define VX_GRID_LOOK(Type, Name) \
    Type TVxStringGrid::Name() const { return d->Settings.Name; } \
    void TVxStringGrid::Set##Name(Type value) { SetProperty(d->Settings.Name, value, [this] { Invalidate(); }); }
// An appearance value the looks set and the painter reads.
#define VX_GRID_APPEARANCE(Type, Name) \
    Type TVxStringGrid::Name() const { return d->Shared.FAppearance.Name; } \
    void TVxStringGrid::Set##Name(Type value) \
    { \
        SetProperty(d->Shared.FAppearance.Name, value, [this] { Invalidate(); }); \
    }

VX_GRID_VALUE(TColor, SelectionRectangleColor)
VX_GRID_VALUE(QString, FloatFormat)
VX_GRID_VALUE(QString, CheckTrue)
VX_GRID_VALUE(QString, CheckFalse)
VX_GRID_VALUE(QChar, PasswordChar)
VX_GRID_VALUE(QString, XMLEncoding)
VX_GRID_VALUE(QString, FilterDropDownClear)
VX_GRID_VALUE(TColor, HintColor)
VX_GRID_VALUE(TColor, DisabledFontColor)
VX_GRID_VALUE(TColor, ScrollColor)
VX_GRID_VALUE(int, ScrollWidth)
VX_GRID_VALUE(TScrollHintType, ScrollHints)
VX_GRID_VALUE(bool, ScrollSynch)
VX_GRID_VALUE(TEditorType, DefaultEditor)
VX_GRID_VALUE(TInvalidEntryIcon, InvalidEntryIcon)
VX_GRID_VALUE(QString, InvalidEntryTitle)
VX_GRID_VALUE(QString, InvalidEntryText)
VX_GRID_VALUE(THoverFixedCells, HoverFixedCells)
VX_GRID_VALUE(THintPos, HintShowLargeTextPos)
VX_GRID_VALUE(TFilterDropDownColumns, FilterDropDownColumns)
VX_GRID_VALUE(TIntelliPan, IntelliPan)
VX_GRID_VALUE(int, GroupColumn)
VX_GRID_VALUE(int, MinRowHeight)
VX_GRID_VALUE(int, MaxRowHeight)
VX_GRID_VALUE(int, MinColWidth)
VX_GRID_VALUE(int, MaxColWidth)
VX_GRID_VALUE(int, PreviewPage)
VX_GRID_VALUE(QChar, Delimiter)
VX_GRID_VALUE(int, FilterDropDownRow)
VX_GRID_VALUE(int, MaxComboLength)
VX_GRID_VALUE(QString, ValidChars)
VX_GRID_VALUE(bool, FitCellsInGrid)
VX_GRID_VALUE(bool, FilterNormalCellsOnly)
VX_GRID_VALUE(bool, AutoFilterUpdate)
VX_GRID_VALUE(bool, UseInternalHintClass)
VX_GRID_VALUE(bool, EnhRowColMove)
VX_GRID_VALUE(bool, UseDisabledFont)
VX_GRID_VALUE(bool, EnableWheel)
VX_GRID_VALUE(bool, IntelliZoom)
VX_GRID_VALUE(bool, LoadFirstRow)
VX_GRID_VALUE(bool, QuoteEmptyCells)
VX_GRID_VALUE(bool, EnableHTML)
VX_GRID_VALUE(bool, ShowNullDates)
VX_GRID_VALUE(bool, SaveFixedCells)
VX_GRID_VALUE(bool, SaveVirtCells)
VX_GRID_VALUE(bool, SaveWithHTML)
VX_GRID_VALUE(bool, SizeGrowOnly)
VX_GRID_VALUE(bool, HideFocusRect)
VX_GRID_VALUE(bool, FixedAsButtons)
VX_GRID_VALUE(bool, AlwaysQuotes)
VX_GRID_VALUE(bool, SaveFixedRows)
VX_GRID_VALUE(bool, SaveFixedCols)
VX_GRID_VALUE(bool, SaveHiddenCells)
VX_GRID_VALUE(bool, JavaCSV)
VX_GRID_VALUE(bool, OemConvert)
VX_GRID_VALUE(bool, NoDefaultDraw)
VX_GRID_VALUE(bool, ClearTextOnly)
VX_GRID_VALUE(bool, FilterIncremental)
VX_GRID_VALUE(bool, PrinterDriverFix)
VX_GRID_VALUE(bool, ExcelClipboardFormat)
VX_GRID_VALUE(bool, FindBusy)
VX_GRID_VALUE(bool, AnchorHint)
VX_GRID_VALUE(bool, AutoNumAlign)
VX_GRID_VALUE(bool, EditWithTags)
VX_GRID_VALUE(bool, FilterDropDownAuto)
VX_GRID_VALUE(bool, FilterDropDownCheck)
VX_GRID_VALUE(bool, HintShowCells)
VX_GRID_VALUE(bool, HintShowLargeText)
VX_GRID_VALUE(bool, HintShowSizing)
VX_GRID_VALUE(bool, HTMLHint)
VX_GRID_VALUE(bool, Multilinecells)
VX_GRID_VALUE(bool, SizeWithForm)
VX_GRID_VALUE(bool, EnhTextSize)
VX_GRID_VALUE(bool, NoImageAndText)
VX_GRID_VALUE(bool, XYOffsetTopLeftOnly)
VX_GRID_VALUE(bool, URLEdit)

VX_GRID_LOOK(bool, SelectionColorMixer)
VX_GRID_LOOK(bool, SelectionRectangle)
VX_GRID_LOOK(bool, SelectionResizer)

VX_GRID_APPEARANCE(TColor, SelectionColor)
VX_GRID_APPEARANCE(TColor, SelectionColorTo)
VX_GRID_APPEARANCE(TColor, SelectionMirrorColor)
VX_GRID_APPEARANCE(TColor, SelectionMirrorColorTo)
VX_GRID_APPEARANCE(TColor, SelectionTextColor)
VX_GRID_APPEARANCE(TScrollType, ScrollType)

TSearchFooter& TVxStringGrid::SearchFooter() const
{
    return *d->Shared.FSearchFooter;
}

TNavigation& TVxStringGrid::Navigation() const
{
    return *d->Shared.FNavigation;
}

TMouseActions& TVxStringGrid::MouseActions() const
{
    return *d->Shared.FMouseActions;
}

TSyncGrid& TVxStringGrid::SyncGrid() const
{
    return *d->Shared.FSyncGrid;
}

TBands& TVxStringGrid::Bands() const
{
    return *d->Shared.FBands;
}

TFocusHelper& TVxStringGrid::FocusHelper() const
{
    return *d->Shared.FFocusHelper;
}

TControlLook& TVxStringGrid::ControlLook() const
{
    return *d->Shared.FControlLook;
}

TBackGround& TVxStringGrid::BackGround() const
{
    return *d->Shared.FBackGround;
}

TShowModified& TVxStringGrid::ShowModified() const
{
    return *d->Shared.FShowModified;
}

TCellNode& TVxStringGrid::CellNode() const
{
    return *d->Shared.FCellNode;
}

TSizeWhileTyping& TVxStringGrid::SizeWhileTyping() const
{
    return *d->Shared.FSizeWhileTyping;
}

TColumnSize& TVxStringGrid::ColumnSize() const
{
    return *d->Shared.FColumnSize;
}

TBalloonSettings& TVxStringGrid::Balloon() const
{
    return *d->Shared.FBalloon;
}

THTMLSettings& TVxStringGrid::HTMLSettings() const
{
    return *d->Shared.FHTMLSettings;
}

TPrintSettings& TVxStringGrid::PrintSettings() const
{
    return *d->Shared.FPrintSettings;
}

THTMLPictureCache& TVxStringGrid::ImageCache() const
{
    return *d->Shared.FImageCache;
}

TSortIndexList& TVxStringGrid::SortIndexes() const
{
    return *d->Shared.FSortIndexes;
}

TIntList& TVxStringGrid::MergedColumns() const
{
    return *d->Shared.FMergedColumns;
}

TIntList& TVxStringGrid::IgnoreColumns() const
{
    return *d->Shared.FIgnoreColumns;
}

const TFont& TVxStringGrid::FixedFont() const
{
    return *d->Shared.FFixedFont;
}

const TFont& TVxStringGrid::ActiveCellFont() const
{
    return *d->Shared.FActiveCellFont;
}

const TBitmap& TVxStringGrid::RowIndicator() const
{
    return *d->Shared.FRowIndicator;
}

const QStringList& TVxStringGrid::ColumnHeaders() const
{
    return d->Shared.FColumnHeaders;
}

const QStringList& TVxStringGrid::RowHeaders() const
{
    return d->Shared.FRowHeaders;
}

QStringList& TVxStringGrid::LookupItems()
{
    return d->Shared.FLookupItems;
}

const QStringList& TVxStringGrid::FilterList() const
{
    return d->Shared.FFilterList;
}

const std::vector<QWidget*>& TVxStringGrid::EditorControls() const
{
    d->ListEditorControls();
    return d->Shared.FEditorControls;
}

int TVxStringGrid::FixedRowsMin() const
{
    return d->Shared.FFixedRowsMin;
}

int TVxStringGrid::FixedColsMin() const
{
    return d->Shared.FFixedColsMin;
}

bool TVxStringGrid::FixedRowAlways() const
{
    return d->Shared.FFixedRowAlways;
}

void TVxStringGrid::SetFixedRowAlways(bool Value)
{
    d->Shared.FFixedRowAlways = Value;
}

bool TVxStringGrid::FixedColAlways() const
{
    return d->Shared.FFixedColAlways;
}

void TVxStringGrid::SetFixedColAlways(bool Value)
{
    d->Shared.FFixedColAlways = Value;
}

int TVxStringGrid::FixedFooters() const
{
    return d->Shared.FFixedFooters;
}

void TVxStringGrid::SetFixedFooters(int Value)
{
    SetPropertyAlways(d->Shared.FFixedFooters, Value, [this] { Invalidate(); });
}

int TVxStringGrid::FixedRightCols() const
{
    return d->Shared.FFixedRightCols;
}

void TVxStringGrid::SetFixedRightCols(int Value)
{
    SetPropertyAlways(d->Shared.FFixedRightCols, Value, [this] { Invalidate(); });
}

int TVxStringGrid::FixedRowHeight() const
{
    return d->Shared.FFixedRowHeight;
}

TAlignment TVxStringGrid::DefaultAlignment() const
{
    return d->Shared.FDefaultAlignment;
}

void TVxStringGrid::SetDefaultAlignment(TAlignment Value)
{
    SetProperty(d->Shared.FDefaultAlignment, Value, [this] { Invalidate(); });
}

TVAlignment TVxStringGrid::VAlignment() const
{
    return d->Shared.FVAlignment;
}

bool TVxStringGrid::WordWrap() const
{
    return d->Shared.FOwnWordWrap;
}

int TVxStringGrid::LargestRowCount() const
{
    return d->Shared.FLargestRowCount;
}

int TVxStringGrid::LargestColCount() const
{
    return d->Shared.FLargestColCount;
}

int TVxStringGrid::ZoomFactor() const
{
    return d->Shared.FZoomFactor;
}

TEditorType TVxStringGrid::CurrentEditor() const
{
    return d->Shared.FCurrentEditor;
}

int TVxStringGrid::SelectionColorMixerFactor() const
{
    return d->Settings.SelectionColorMixerFactor;
}

bool TVxStringGrid::ShowSelection() const
{
    return d->Settings.ShowSelection;
}

int TVxStringGrid::MaxEditLength() const
{
    return d->Settings.MaxEditLength;
}

bool TVxStringGrid::SpreadSheet() const
{
    return d->Settings.SpreadSheet;
}

bool TVxStringGrid::AutoSize() const
{
    return d->Settings.AutoSize;
}

void TVxStringGrid::SetAutoSize(bool Value)
{
    d->Settings.AutoSize = Value;
}

bool TVxStringGrid::Flat() const
{
    return d->Shared.FAppearance.Flat;
}

TColor TVxStringGrid::ZarnGradientFrom() const
{
    return d->Shared.FAppearance.Zarn.From;
}

void TVxStringGrid::SetZarnGradientFrom(TColor Value)
{
    d->SetZarnColor(d->Shared.FAppearance.Zarn.From, Value);
}

TColor TVxStringGrid::ZarnGradientTo() const
{
    return d->Shared.FAppearance.Zarn.To;
}

void TVxStringGrid::SetZarnGradientTo(TColor Value)
{
    d->SetZarnColor(d->Shared.FAppearance.Zarn.To, Value);
}

TColor TVxStringGrid::ZarnGradientMirrorFrom() const
{
    return d->Shared.FAppearance.Zarn.MirrorFrom;
}

void TVxStringGrid::SetZarnGradientMirrorFrom(TColor Value)
{
    d->SetZarnColor(d->Shared.FAppearance.Zarn.MirrorFrom, Value);
}

TColor TVxStringGrid::ZarnGradientMirrorTo() const
{
    return d->Shared.FAppearance.Zarn.MirrorTo;
}

void TVxStringGrid::SetZarnGradientMirrorTo(TColor Value)
{
    d->SetZarnColor(d->Shared.FAppearance.Zarn.MirrorTo, Value);
}

TGridAppearance& TVxStringGrid::Appearance()
{
    return d->Shared.FAppearance;
}

const TGridAppearance& TVxStringGrid::Appearance() const
{
    return d->Shared.FAppearance;
}

TLookHost& TVxStringGrid::LookHost() const
{
    return *d->Shared.FLookHost;
}

void TVxStringGrid::SetStyle(TVxGridStyle AStyle)
{
    ::SetStyle(*d->Shared.FLookHost, AStyle);
}

void TVxStringGrid::SetComponentStyle(TZarnStyle AStyle)
{
    ::SetComponentStyle(*d->Shared.FLookHost, AStyle);
}

void TVxStringGrid::SetColorTones(const TColorTones& ATones)
{
    ::SetColorTones(*d->Shared.FLookHost, ATones);
}

void TVxStringGrid::SetTheme(int Scheme)
{
    ::SetTheme(*d->Shared.FLookHost, Scheme);
}

TGridLook TVxStringGrid::Look() const
{
    return d->Shared.FAppearance.Look;
}

void TVxStringGrid::SetLook(TGridLook Value)
{
    ::SetLook(*d->Shared.FLookHost, Value);
}

bool TVxStringGrid::IntegralHeight() const
{
    return d->Settings.IntegralHeight;
}

void TVxStringGrid::BeginLoading()
{
    d->Shared.FLoading = true;
}

bool TVxStringGrid::Loading() const
{
    return d->Shared.FLoading;
}

bool TVxStringGrid::IsLoaded() const
{
    return d->Shared.FLoaded;
}

TColor TVxStringGrid::BorderColor() const
{
    return d->Shared.FAppearance.BorderColor;
}

bool TVxStringGrid::SelectionHidden() const
{
    return d->Shared.FSelHidden;
}

bool TVxStringGrid::ShowDesignHelper() const
{
    return d->Shared.FShowDesignHelper;
}

void TVxStringGrid::SetShowDesignHelper(bool Value)
{
    SetProperty(d->Shared.FShowDesignHelper, Value, [this] { Invalidate(); });
}

TColor TVxStringGrid::HighlightColor() const
{
    return d->Shared.FHighlightColor;
}

TColor TVxStringGrid::HighlightTextColor() const
{
    return d->Shared.FHighlightTextColor;
}

bool TVxStringGrid::Hovering() const
{
    return d->Shared.FHovering;
}

void TVxStringGrid::SetHovering(bool Value)
{
    d->Shared.FHovering = Value;
}

bool TVxStringGrid::AutoThemeAdapt() const
{
    return d->Shared.FAutoThemeAdapt;
}

bool TVxStringGrid::ActiveCellShow() const
{
    return d->Shared.FActiveCellShow;
}

void TVxStringGrid::SetActiveCellShow(bool Value)
{
    SetPropertyAlways(d->Shared.FActiveCellShow, Value, [this] { Invalidate(); });
}

TColor TVxStringGrid::ActiveCellColor() const
{
    return d->Shared.FAppearance.ActiveCellColor;
}

void TVxStringGrid::SetActiveCellColor(TColor Value)
{
    SetPropertyAlways(d->Shared.FAppearance.ActiveCellColor, Value, [this] { Invalidate(); });
}

TColor TVxStringGrid::ActiveCellColorTo() const
{
    return d->Shared.FAppearance.ActiveCellColorTo;
}

void TVxStringGrid::SetActiveCellColorTo(TColor Value)
{
    SetPropertyAlways(d->Shared.FAppearance.ActiveCellColorTo, Value, [this] { Invalidate(); });
}

TPoint TVxStringGrid::XYOffset() const
{
    return d->Shared.FXYOffset;
}

void TVxStringGrid::SetXYOffset(TPoint Value)
{
    SetPropertyAlways(d->Shared.FXYOffset, Value, [this] { Invalidate(); });
}

void TVxStringGrid::UpdateXYOffset(int X, int Y)
{
    d->Shared.FXYOffset = Point(X, Y);
}

void TVxStringGrid::RegisterSelListener(ITVxStringGridSelect* AListener)
{
    d->Shared.FISelect = AListener;
}

void TVxStringGrid::UnRegisterSelListener(ITVxStringGridSelect*)
{
    d->Shared.FISelect = nullptr;
}

TGridProgressAppearance& TVxStringGrid::ProgressAppearance() const
{
    return *d->Shared.FProgressAppearance;
}

int TVxStringGrid::TotalXOffset() const
{
    return XYOffsetTopLeftOnly() ? d->Shared.FXYOffset.X : 2 * d->Shared.FXYOffset.X;
}

int TVxStringGrid::TotalYOffset() const
{
    return XYOffsetTopLeftOnly() ? d->Shared.FXYOffset.Y : 2 * d->Shared.FXYOffset.Y;
}

TCustomImageList* TVxStringGrid::GetImageList()
{
    return d->Cells.FGridImages;
}

TCustomImageList* TVxStringGrid::GridImages() const
{
    return d->Cells.FGridImages;
}

void TVxStringGrid::SetGridImages(TCustomImageList* Value)
{
    d->Cells.FGridImages = Value;
}

const std::vector<int>& TVxStringGrid::SelectedRowList() const
{
    return d->Cells.FSelectedRows;
}

const THiddenRows& TVxStringGrid::HiddenRows() const
{
    return *d->Cells.FHiddenRows;
}

bool TVxStringGrid::URLShow() const
{
    return d->Settings.URLShow;
}

bool TVxStringGrid::URLShowInText() const
{
    return d->Sizing.FURLShowInText;
}

bool TVxStringGrid::URLFull() const
{
    return d->Sizing.FURLFull;
}

TColor TVxStringGrid::URLColor() const
{
    return d->Settings.URLColor;
}

bool TVxStringGrid::URLUnderlineOnHover() const
{
    return d->Sizing.FURLUnderlineOnHover;
}

void TVxStringGrid::SetURLUnderlineOnHover(bool Value)
{
    d->Sizing.FURLUnderlineOnHover = Value;
}

TScrollBarAlways TVxStringGrid::ScrollBarAlways() const
{
    return d->Settings.ScrollBarAlways;
}

bool TVxStringGrid::ScrollProportional() const
{
    return d->Settings.ScrollProportional;
}

bool TVxStringGrid::ScrollHintShowing() const
{
    return d->Sizing.FScrollHintShow;
}

QString TVxStringGrid::ScrollHintText() const
{
    return d->Sizing.FScrollHintText;
}

TDragScrollOptions& TVxStringGrid::DragScrollOptions()
{
    return d->Sizing.FDragScrollOptions;
}

TDragScrollDirections TVxStringGrid::DragScrollDirection() const
{
    return d->Sizing.FDragScrollDirection;
}

bool TVxStringGrid::ColSizeFlg() const
{
    return d->Sizing.FColSizeFlg;
}

void TVxStringGrid::SetColSizeFlg(bool Value)
{
    d->Sizing.FColSizeFlg = Value;
}

TSortSettings& TVxStringGrid::SortSettings() const
{
    return *d->Order.FSortSettings;
}

const TSortXRef& TVxStringGrid::SortRowXRef() const
{
    return *d->Order.FSortRowXRef;
}

int TVxStringGrid::SortDir() const
{
    return d->Order.FSortDir;
}

int TVxStringGrid::Compares() const
{
    return d->Order.FCompares;
}

int TVxStringGrid::Swaps() const
{
    return d->Order.FSwaps;
}

TFloatingFooter& TVxStringGrid::FloatingFooter() const
{
    return *d->Order.FFloatingFooter;
}

TFooterPanel* TVxStringGrid::FooterPanel() const
{
    return d->Order.FFooterPanel;
}

TGrouping& TVxStringGrid::Grouping() const
{
    return *d->Order.FGrouping;
}

int TVxStringGrid::FilterCol() const
{
    return d->Find.FFilterCol;
}

void TVxStringGrid::SetFilterCol(int Value)
{
    d->Find.FFilterCol = Value;
}

TPoint TVxStringGrid::SearchCell() const
{
    return d->Find.FSearchCell;
}

QString TVxStringGrid::SearchCache() const
{
    return d->Find.FSearchCache;
}

int TVxStringGrid::FindCol() const
{
    return d->Find.FFindCol;
}

void TVxStringGrid::SetFindCol(int Value)
{
    d->Find.FFindCol = Value;
}

int TVxStringGrid::FindRow() const
{
    return d->Find.FFindRow;
}

void TVxStringGrid::SetFindRow(int Value)
{
    d->Find.FFindRow = Value;
}

void TVxStringGrid::StartUpdate()
{
    ++d->Interaction.FUpdateCount;
}

void TVxStringGrid::ResetUpdate()
{
    d->Interaction.FUpdateCount = 0;
}

bool TVxStringGrid::LockUpdate() const
{
    return d->Interaction.FUpdateCount != 0;
}

int TVxStringGrid::UpdateCount() const
{
    return d->Interaction.FUpdateCount;
}

bool TVxStringGrid::EnableBlink() const
{
    return d->Interaction.FEnableBlink;
}

void TVxStringGrid::SetEnableBlink(bool Value)
{
    d->Interaction.FEnableBlink = Value;
}

bool TVxStringGrid::GridBlink() const
{
    return d->Interaction.FGridBlink;
}

int TVxStringGrid::TimerTicks() const
{
    return d->Interaction.FTimerTicks;
}

const QString& TVxStringGrid::SearchInc() const
{
    return d->Interaction.FSearchInc;
}

bool TVxStringGrid::WheelPanning() const
{
    return d->Interaction.FWheelPan;
}

QChar TVxStringGrid::StartEditChar() const
{
    return d->Edit.FStartEditChar;
}

bool TVxStringGrid::ExcelStyleDecimalSeparator() const
{
    return d->Interaction.FExcelStyleDecimalSeparator;
}

void TVxStringGrid::SetExcelStyleDecimalSeparator(bool Value)
{
    d->Interaction.FExcelStyleDecimalSeparator = Value;
}

bool TVxStringGrid::Lookup() const
{
    return d->Edit.FLookup;
}

void TVxStringGrid::SetLookup(bool Value)
{
    d->Edit.FLookup = Value;
}

bool TVxStringGrid::LookupCaseSensitive() const
{
    return d->Edit.FLookupCaseSensitive;
}

void TVxStringGrid::SetLookupCaseSensitive(bool Value)
{
    d->Edit.FLookupCaseSensitive = Value;
}

bool TVxStringGrid::LookupHistory() const
{
    return d->Edit.FLookupHistory;
}

void TVxStringGrid::SetLookupHistory(bool Value)
{
    d->Edit.FLookupHistory = Value;
}

bool TVxStringGrid::AlwaysValidate() const
{
    return d->Edit.FAlwaysValidate;
}

void TVxStringGrid::SetAlwaysValidate(bool Value)
{
    d->Edit.FAlwaysValidate = Value;
}

bool TVxStringGrid::EditMode() const
{
    return d->Edit.FEditMode;
}

TEditorType TVxStringGrid::EditControl() const
{
    return d->Edit.FEditControl;
}

QWidget* TVxStringGrid::EditCtrl() const
{
    return d->Edit.FEditCtrl;
}

bool TVxStringGrid::GridModified() const
{
    return d->Edit.FGridModified;
}

void TVxStringGrid::SetGridModified(bool Value)
{
    d->Edit.FGridModified = Value;
}

QString TVxStringGrid::NewCellText() const
{
    return d->Edit.FNewCellText;
}

QString TVxStringGrid::CellCache() const
{
    return d->Edit.FCellCache;
}

void TVxStringGrid::SetNoAutoAdvance(bool Value)
{
    d->Edit.FNoAutoAdvance = Value;
}

TGridCheckBox* TVxStringGrid::EditCheck() const
{
    return d->EditCheck();
}

TGridEditBtn* TVxStringGrid::EditBtn() const
{
    return d->EditBtn();
}

TGridUnitEditBtn* TVxStringGrid::UnitEditBtn() const
{
    return d->UnitEditBtn();
}

TGridButton* TVxStringGrid::GridButton() const
{
    return d->GridButton();
}

void TVxStringGrid::SetComboSelection(int Idx)
{
    d->Edit.FComboIdx = Idx;
}

TMouseSelectMode TVxStringGrid::MouseSelectMode() const
{
    return d->Mouse.FMouseSelectMode;
}

std::uint32_t TVxStringGrid::SortTime() const
{
    return d->Mouse.FSortTime;
}

const QString& TVxStringGrid::SizingHint() const
{
    return d->Mouse.FSizingHint;
}

TDragDropSettings& TVxStringGrid::DragDropSettings() const
{
    return *d->Aux.FDragDropSettings;
}

TGridDropTarget* TVxStringGrid::GridDropTarget() const
{
    return d->Aux.FGridDropTarget.get();
}

bool TVxStringGrid::OleDropTargetAssigned() const
{
    return d->Aux.FOleDropTargetAssigned;
}

TSearchPanel* TVxStringGrid::SearchPanel() const
{
    return d->SearchPanel();
}

bool TVxStringGrid::ControlEditing() const
{
    return d->Aux.FCtrlEditing;
}

QString TVxStringGrid::EditedControlID() const
{
    return d->Aux.FCtrlID;
}

TControlEdit* TVxStringGrid::ControlEdit() const
{
    return d->ControlEdit();
}

TControlCombo* TVxStringGrid::ControlCombo() const
{
    return d->ControlCombo();
}

TGridTransEdit* TVxStringGrid::TransEdit() const
{
    return d->TransEdit();
}

TGridTransCombo* TVxStringGrid::TransCombo() const
{
    return d->TransCombo();
}

TFilterDropDown& TVxStringGrid::FilterDropDown() const
{
    return *d->Aux.FFilterDropDown;
}

TDropList* TVxStringGrid::DropList() const
{
    return d->DropList();
}

TDropCheckList* TVxStringGrid::DropCheckList() const
{
    return d->DropCheckList();
}

TGridRect TVxStringGrid::DropSelection() const
{
    return d->Aux.FDropSelection;
}

void TVxStringGrid::SetDropSelection(const TGridRect& Value)
{
    d->Aux.FDropSelection = Value;
}

void TVxStringGrid::SetFilterListEntries(const QStringList& Entries)
{
    d->Shared.FFilterList = Entries;
}

int TVxStringGrid::GetEditLimit()
{
    return d->Settings.MaxEditLength;
}
