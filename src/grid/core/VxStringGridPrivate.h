#pragma once
// The string grid's private half: its state, one record per area, and what only its own implementation, its
// hosts and its editors need. Code outside the grid uses VxStringGrid.h.
#include "grid/core/VxStringGrid.h"
#include "grid/edit/EditSession.h"
#include <QPointer>
#include <cstdint>
#include <memory>
#include <vector>

struct TGridPrintState;
class TFindMatcher;
class TControlList;
struct TGroupRow;
class THiddenIndexMap;
class TArrowWindow;
class TGridFocusWindow;
class TRowFilter;
struct TNodeChange;
class QTimer;
struct TCalcSource;

struct TGridCellState {
    TCustomImageList* FGridImages = nullptr;
    std::unique_ptr<TCellGraphic> FRowCheckBox;             // shared by every row of column 0
    std::unique_ptr<THiddenRows> FHiddenRows;
    std::vector<std::uint8_t> FRowSelect;                   // by real row
    std::vector<std::uint8_t> FColSelect;
    std::vector<int> FSelectedRows;
    std::vector<std::uint8_t> FModifiedRows;
    std::vector<std::uint8_t> FEnabledRows;                  // 1 = disabled
    bool FUseEnabledRows = false;
    bool FNilObjects = false;    // clearing drops object references without freeing them
    bool FSelChange = false;
};

struct TGridSizingState {
    bool FIsColChanging = false;   // a stretch is running
    bool FColchgFlg = true;        // width changes may stretch; off while a stretch sets widths
    bool FColSizeFlg = false;      // a width changed; the mouse handling reads and clears it
    bool FColSized = false;        // the user finished resizing FColclicked
    bool FRowsized = false;
    int FColclicked = -1;
    int FRowclicked = -1;
    int FColclickedsize = 0;
    int FRowclickedsize = 0;
    bool FURLShowInText = false;
    bool FURLFull = false;
    bool FURLUnderlineOnHover = false;
    std::vector<int> FMaxWidths = std::vector<int>(512);   // print layout, by column
    std::vector<int> FIndents = std::vector<int>(512);
    bool FScrollLock = false;
    bool FScrollHintShow = false;
    QString FScrollHintText;
    TDragScrollOptions FDragScrollOptions;
    TDragScrollDirections FDragScrollDirection;
    QTimer* FDragTmr = nullptr;   // child of the grid's parent while a drag hovers near an edge
};

struct TGridOrderState {
    TFooterPanel* FFooterPanel = nullptr;   // a child widget, the grid's
    std::unique_ptr<TGridSortHost> FSortHost;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TSortXRef> FSortRowXRef;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TGridNodes> FNodes;
    std::unique_ptr<TGrouping> FGrouping;
    QString FGroupCaption;
    QString FGroupFooter;
    int FGroupWidth = 0;
    int FSortDir = 1;
    int FCompares = 0;
    int FSwaps = 0;
    int FSortRow = -1;   // the current row, followed through a sort
};

struct TGridFindState {
    std::unique_ptr<TGridFilterHost> FFilterHost;
    std::unique_ptr<TRowFilter> FRowFilter;
    int FFilterCol = -1;
    TPoint FSearchCell{-1, -1};
    QString FSearchCache;
    std::unique_ptr<TFindMatcher> FFindMatcher;
    TFindParams FFindParams;
    int FFindCol = 0;
    int FFindRow = 0;
};

struct TGridInteractionState {
    int FUpdateCount = 0;
    int FGridTimerID = 0;
    int FTimerTicks = 0;
    QString FSearchInc;
    int FSearchTics = 0;
    bool FGridBlink = false;
    bool FEnableBlink = false;
    TGridRect FMoveSelection;
    TGridCoord FLastKeyCell;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    bool FTabAskedChanging = false;   // a Tab to another row asked the changing events; the move must not again
    int FWheelAccumulator = 0;
    bool FWheelPan = false;
    QPoint FWheelPanPos;
    QPoint FWheelPanDirection;   // the direction whose cursor is shown
    int FWheelTimerID = 0;
    TPoint FLastBalloonPos{-1, -1};
    bool FWindowCreated = false;     // the first show stands for the window's creation
    bool FExcelStyleDecimalSeparator = false;
    bool FBlockFocus = false;           // no enter step while set
    bool FInvokedFocusChange = false;   // the grid moves the focus itself: no focus-gain handling
    TPoint FLastHintPos{-1, -1};   // base cell whose hint shows
    QString FLastAnchorHint;
    int FOldSize = 0;               // grid width the recorded column widths belong to
    std::vector<int> FOrigColSizes;
    QPointer<QWidget> FOwnerForm;   // the window whose resizes the grid follows
    QObject* FOwnerFilter = nullptr;
    int FPrevSizeX = 0;
    int FPrevSizeY = 0;
};

struct TGridMouseState {
    bool FIntegralSizing = false;   // set while the corrected height is applied
    TMouseSelectMode FMouseSelectMode = TMouseSelectMode::msNormal;
    bool FDoOnClick = false;
    bool FMouseKeepDown = false;
    bool FMouseDownMove = false;
    bool FDeselectState = false;
    bool FMouseResize = false;
    std::vector<QStringList> FResizerBlock;   // the block the resizer copied, pasted at the release
    TPoint FPushedCellButton{-1, -1};
    bool FFixedCellPushed = false;
    int Colclicked = -1;
    int Rowclicked = -1;
    int FMouseSelectStart = -1;
    bool FSizeFixed = false;
    bool FSizeFixedR = false;
    bool FSizingFixed = false;
    bool FSizingFixedR = false;
    int FSizingFixedCol = -1;
    int FSizingFixedRow = -1;
    int FSizeFixedX = 0;
    int FSizeFixedY = 0;
    int FOldTopRow = 0;
    int FOldKeepLeftCol = 0;
    bool ColMoveFlg = false;
    bool FDblClk = false;
    bool FOnResizer = false;
    std::uint32_t FSortTime = 0;
    std::vector<TGridCoord> FSelectedCells;
    QString FSizingHint;
    int FPressRow = -1;                 // the row under the last press, for the header sort
    qint64 FLastPressTime = -1;         // for telling the second press of a double click
    QPoint FLastPressPos;
    Qt::MouseButton FLastPressButton = Qt::NoButton;
};

struct TGridAuxState {
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TGridDropTarget> FGridDropTarget;
    bool FOleDropTargetAssigned = false;
    TGridRect FDropSelection{-1, -1, -1, -1};
    bool FOleDragging = false;   // a drag started here is running
    TSearchPanel* FSearchPanel = nullptr;   // a child of the grid
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    bool FSelectionClick = false;   // a press on the selection of a drag source: moving may start a drag
    QPoint FClickPos;
    TControlEdit* FControlEdit = nullptr;
    TControlCombo* FControlCombo = nullptr;
    TGridTransEdit* FEditTrans = nullptr;
    TGridTransCombo* FComboTrans = nullptr;
    bool FCtrlEditing = false;
    TPoint FCtrlXY{-1, -1};   // real column, display row
    QString FCtrlID;
    QString FCtrlType;
    int FFixedColEdit = -1;
    int FFixedRowEdit = -1;
    TGridRect FOleDropBlock{-1, -1, -1, -1};   // where that drag landed, when it landed in this grid
    int FOleDragCol = -1;
    int FOleDragIndex = -1;
    QPointer<QListWidget> FOleDragList;
};

struct TGridSharedState {
    std::shared_ptr<TGridPrintState> FPrintState;   // made at the first print
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    // Clipboard state: the last copy's top-left cell and operation, and whether a paste fills the whole grid.
    TPoint FClipTopLeft{-1, -1};
    TClipOperation FClipLastOp = TClipOperation::coCopy;
    bool FPasteAll = false;
    TGridAppearance FAppearance;
    // Owned objects, in the order the constructor makes them.
    std::unique_ptr<TLookHost> FLookHost;
    std::unique_ptr<TFont> FCellFont;   // scratch font answered by GetCellFont
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TBalloonSettings> FBalloon;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<THTMLPictureCache> FImageCache;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TControlList> FControlList;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TShowModified> FShowModified;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<THiddenIndexMap> FHiddenColumns;
    QStringList FColumnHeaders;
    QStringList FRowHeaders;
    QStringList FLookupItems;
    QStringList FFilterList;
    std::vector<QWidget*> FEditorControls;       // children of the grid
    bool FEditorControlsListed = false;
    TGridFocusWindow* FFocusWindow = nullptr;    // child of the grid, made by FocusWindow()
    TArrowWindow* FArrows[4] = {};               // children of the grid: up, down, left, right; made by Arrow()
    // Dimensions.
    int FFixedRowsMin = 0;
    int FFixedColsMin = 0;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FFixedRowHeight = 0;
    int FLargestRowCount = 0;
    int FLargestColCount = 0;
    int FZoomFactor = 0;
    bool FOwnWordWrap = true;
    TAlignment FDefaultAlignment;
    TVAlignment FVAlignment = TVAlignment::vtaTop;
    std::vector<int> FAllColWidths =
        std::vector<int>(TVxStringGrid::MaxHiddenColumns + 1, 0); // hidden widths, by real index
    Qt::CursorShape FRememberedCursor = Qt::ArrowCursor;
    TEditorType FCurrentEditor = TEditorType::edNormal;
    // Loading and window.
    bool FLoading = false;
    bool FLoaded = false;
    bool FEditChange = false;     // skips one repaint after an edit change
    bool FDestroying = false;
    // Appearance and listeners.
    TGridRect FOldSelection;
    bool FSelHidden = false;
    bool FSelectionChanged = false;   // for the painter: the selection moved since it last looked
    bool FShowDesignHelper = true;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    bool FHovering = false;
    bool FAutoThemeAdapt = false;
    bool FActiveCellShow = false;
    TPoint FXYOffset{2, 2};
    ITVxStringGridSelect* FISelect = nullptr;
    std::vector<TGridChangeNotifier*> FNotifierList;
};

struct TGridSettings {
    QString FloatFormat = QStringLiteral("%.2f");
    QString CheckTrue = QStringLiteral("Y");
    QString CheckFalse = QStringLiteral("N");
    QChar PasswordChar = QLatin1Char('*');
    QString XMLEncoding = QStringLiteral("ISO-8859-1");
    QString FilterDropDownClear = QStringLiteral("(All)");
    bool SelectionColorMixer = false;
    int SelectionColorMixerFactor = 50;
    TColor SelectionRectangleColor = clBlack;
    bool SelectionRectangle = false;
    bool SelectionResizer = false;
    bool ShowSelection = true;
    TColor HintColor = clInfoBk;
    TColor URLColor = 0xFF0000;
    TColor DisabledFontColor = clSilver;
    TColor ScrollColor = clNone;
    int ScrollWidth = 0;
    TScrollBarAlways ScrollBarAlways = TScrollBarAlways::saNone;
    TScrollHintType ScrollHints = TScrollHintType::shNone;
    bool ScrollProportional = false;
    bool ScrollSynch = false;
    TEditorType DefaultEditor = TEditorType::edNormal;
    TInvalidEntryIcon InvalidEntryIcon = TInvalidEntryIcon::ieWarning;
    QString InvalidEntryTitle;
    QString InvalidEntryText;
    THoverFixedCells HoverFixedCells = THoverFixedCells::hfNone;
    THintPos HintShowLargeTextPos = THintPos::hpCell;
    TFilterDropDownColumns FilterDropDownColumns = TFilterDropDownColumns::fdNormal;
    TIntelliPan IntelliPan = TIntelliPan::ipVertical;
    int GroupColumn = -1;
    int MinRowHeight = 0;
    int MaxRowHeight = 0;
    int MinColWidth = 0;
    int MaxColWidth = 0;
    int PreviewPage = 1;
    QChar Delimiter;
    int FilterDropDownRow = 0;
    int MaxEditLength = 0;
    int MaxComboLength = 0;
    QString ValidChars;
    bool SpreadSheet = false;
    bool AutoSize = false;
    bool FitCellsInGrid = true;
    bool FilterNormalCellsOnly = true;
    bool AutoFilterUpdate = true;
    bool UseInternalHintClass = true;
    bool EnhRowColMove = true;
    bool UseDisabledFont = true;
    bool EnableWheel = true;
    bool IntelliZoom = true;
    bool LoadFirstRow = true;
    bool QuoteEmptyCells = true;
    bool EnableHTML = true;
    bool ShowNullDates = true;
    bool SaveFixedCells = true;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool SizeGrowOnly = false;
    bool HideFocusRect = false;
    bool FixedAsButtons = false;
    bool AlwaysQuotes = false;
    bool SaveFixedRows = false;
    bool SaveFixedCols = false;
    bool SaveHiddenCells = false;
    bool JavaCSV = false;
    bool OemConvert = false;
    bool NoDefaultDraw = false;
    bool ClearTextOnly = false;
    bool FilterIncremental = false;
    bool PrinterDriverFix = false;
    bool ExcelClipboardFormat = false;
    bool FindBusy = false;
    bool AnchorHint = false;
    bool AutoNumAlign = false;
    bool EditWithTags = false;
    bool FilterDropDownAuto = false;
    bool FilterDropDownCheck = false;
    bool HintShowCells = false;
    bool HintShowLargeText = false;
    bool HintShowSizing = false;
    bool HTMLHint = false;
    bool IntegralHeight = false;
    bool Multilinecells = false;
    bool SizeWithForm = false;
    bool URLShow = false;
    bool URLEdit = false;
    bool EnhTextSize = false;
    bool NoImageAndText = false;
    bool XYOffsetTopLeftOnly = false;
};

// Everything the grid holds, one record per area, and the helpers of its implementation; the grid reaches it
// through d, the helpers reach the grid through q.
struct TVxStringGridPrivate {
    explicit TVxStringGridPrivate(TVxStringGrid* AGrid);
    ~TVxStringGridPrivate();
    TVxStringGrid* const q;

    TGridCellState Cells;
    TGridSizingState Sizing;
    TGridOrderState Order;
    TGridFindState Find;
    TGridInteractionState Interaction;
    TGridEditSession Edit;
    TGridMouseState Mouse;
    TGridAuxState Aux;
    TGridSettings Settings;   // plain settings with their constructor values
    TGridSharedState Shared;

    void PaintOutsideCells(TCanvas& c);
    void CreateOwnedObjects();
    // Run-time children of the grid, made when first used so that a grid costs none of them at start-up;
    // none at design time.
    template <class W, class... Setup>
    W* ChildOnFirstUse(W*& Field, Setup&&... setup)
    {
        if (!Field && !q->IsDesigning()) {
            Field = new W(q);
            (setup(*Field), ...);
        }
        return Field;
    }
    TSearchPanel* SearchPanel();
    TDropList* DropList();
    TDropCheckList* DropCheckList();
    TGridCheckBox* EditCheck();
    TGridEditBtn* EditBtn();
    TGridUnitEditBtn* UnitEditBtn();
    TGridButton* GridButton();
    TGridTransEdit* TransEdit();
    TGridTransCombo* TransCombo();
    TControlEdit* ControlEdit();
    TControlCombo* ControlCombo();
    void ListEditorControls();   // makes them all, in the order EditorControls() promises
    void SetZarnColor(TColor& field, TColor Value);
    void RepaintDisplayCell(int RealCol, int ARow);
    TCellProperties* ExistingProps(int c, int r);   // none without properties
    void WriteProps(int c, int r, const std::function<void(TCellProperties&)>& write);
    void ApplyColumnWidthsAfterHide(int DisplCol, bool Hiding);
    TGridCells StorageRow(int r);                     // every storage column
    void SetStorageRow(int r, const TGridCells& cells);     // object references only, nothing freed
    void InsertStorageRows(int RowIndex, int RCount);       // display rows; no record or flag bookkeeping
    void DeleteStorageRows(int RowIndex, int RCount);
    void RestoreRecords(std::vector<TGridItem> Records);    // records taken out of the hidden rows, ascending
    void SyncHiddenMaps();
    bool RowFlagOf(int DisplayRow);                          // the disjunct flag a bulk operation reads
    void ScrollHint(bool Horizontal, TScrollCode Code, int Pos);
    void ReleaseScrollHint();
    int ThumbToIndex(bool Horizontal, int Pos);
    void ApplyScrollBarAlways();
    TFont CellMeasureFont(int ACol, int ARow, bool Zoom);
    QString ReadForMark(int c, int r);
    void SortFrame(const std::function<void()>& Body);
    void ApplyRowOrder(const std::vector<int>& Perm, int First, bool ForSort = true);
    void MoveRowMarks(const std::vector<int>& Perm, int First, const std::vector<int>& Moved, bool ForSort,
                      bool WithColumn0);
    void SortRowRange(bool Indexed, int ACol, int First, int Last);
    bool ShowsStoredText() const;   // no cell's shown text differs from its stored one
    double CalcFloat(const QString& Text);
    TCalcSource CalcSourceFor(int ToRow);   // real rows when ToRow lies past the shown rows
    TCalcSource CalcSource(bool RealRows);
    QString RealRowCell(int c, int r);   // real column and row, hidden rows included
    void ResolveCalcRange(int& FromRow, int& ToRow);
    void WriteCalcValue(int c, int r, double Value, bool IsInteger);
    void FloatingFooterChanged(bool VisibilityChanged);
    void KeepFooterRowLast(int OldRowCount);
    void ShiftControls(bool Rows, int FromIndex, int ToIndex);
    TGridNodes& NodesInStep();   // the node rows follow the real row count
    void NodeRowsInserted(int Real, int Count);
    void NodeRowsRemoved(int DisplRow, int Count);
    void ApplyNodeChange(const TNodeChange& Change);
    void ColorGroupRows(int First, const std::vector<TGroupRow>& Plan);
    void WireRowFilter();
    TCellGraphic* GraphicOfKind(int ACol, int ARow, TCellType Kind);   // nil for another kind
    TCellGraphic* BaseGraphicOfKind(int ACol, int ARow, TCellType Kind);
    void ForEachNormalCell(const std::function<void(int, int)>& Body);
    void ResetColumnsTo(const std::vector<int>& Order);
    void StandardKeyDown(std::uint16_t& Key, TShiftState Shift);
    bool CellEditable(int ACol, int ARow);
    bool HomeEndKey(std::uint16_t Key, TShiftState Shift);
    bool SkipFixedCells(std::uint16_t& Key, TShiftState Shift);
    bool ClipboardShortCut(std::uint16_t Key, TShiftState Shift);
    void SelectAllCells();
    void MoveRowsWithCursor(std::uint16_t Key);
    void WrapCursor(std::uint16_t Key);
    void FireSelectionChanged();
    void ClickGraphicByKey(std::uint16_t Key);
    int RowFlagIndex(int ARow);
    void DisjunctSelectByKey(TShiftState Shift);
    void ToggleDisjunctByKey();
    void InsertRowByKey();
    void DeleteRowByKey();
    void SkipDisabledRow(bool Down);
    bool TabStep(bool Backward, bool MayAppend);
    bool EndOfGrid();
    bool TabToCell(int ACol, int ARow, bool OtherRow);
    bool TabLastRow(bool MayAppend);
    int NextRowWithSelectableCol(int ARow);
    void ClearNewLastRow();
    void BlinkScan();
    void HoverFocus();
    void MouseWheelStep(bool Down, TShiftState Shift, QPoint GlobalPos);
    void StartWheelPan(QPoint Pos);
    void EndWheelPan();
    void IncrementalGoto(QChar Key);
    void SetWheelPanCursor(QPoint Direction);
    void InvalidateWheelPanMarker();
    bool ShowCellHint(QEvent* e);   // a tool-tip request on the viewport
    bool ShowCellBalloon(QEvent* e);
    void LoadSavedColSizes();        // with ColumnSize.Save; stored widths that do not read keep the current ones
    void SynchColumnSizes(int NewWidth);
    void AfterResize();
    void ChainOwnerForm();
    bool AdvanceTarget(int ACol, int ARow, bool Forward, int& c, int& r);
    void OpenComboEditor(int RC, int ARow, const TRect& R, TColor K);
    void PostStartChar(QWidget* Editor);
    bool OnSelectionResizer(int X, int Y);
    void GrabResizer(int X, int Y, TShiftState Shift, bool HeldBack);
    void PasteResizerBlock();
    bool FixedSizingPress(int X, int Y);
    bool LinkPress(int ACol, int ARow, int RealCol, int X, int Y);
    bool CheckBoxPress(int ACol, int ARow, int RealCol, bool CanEdit, int X, int Y);
    TCellGraphic* CreateCheckBoxGraphic(int ACol, int ARow);
    void ForEachCheckBoxRow(const std::function<void(int ARow)>& Visit);
    void HeaderSelectPress(int ACol, int ARow, TShiftState Modifier, const TGridRect& OldSel);
    void DirectEditPress(int ACol, int ARow, int X, bool CanEdit, bool Combo);
    void FinishFixedSizing(int X, int Y);
    void ReleaseSort(int ACol, int ARow, int X, TShiftState Shift);
    void DisjunctCellRelease(int ACol, int ARow, TShiftState Shift);
    int FixedBorderAt(bool Cols, int Pos);   // the fixed column or row whose far edge is under Pos, or -1
    void UpdateSizingFeedback();
    void UpdateSelectMode(int ACol, int ARow, int X, int Y);
    bool ArmOleDrag(int ACol, int ARow, int X, int Y, const TRect& CellRect);
    bool OleDragMove(TShiftState Shift, int X, int Y);
    bool OleDragNotStarted(int ACol, int ARow, TShiftState Shift, int X, int Y);
    TFindParams SearchFooterParams(bool ForEditChange);
    void SearchFooterStep(bool Backward);
    void RemoveDragSource();
    int PasteClipboardAt(int ACol, int ARow, int& Rows, int& Cols);
    void CopyRectToClipboard(const TGridRect& R, bool OnlySelected);
    void SmartFill(const TGridRect& Sel, int Pasted, int Rows, int Cols);
    TArrowWindow* Arrow(int Index);
    TGridFocusWindow* FocusWindow();
    int IntegralHeightFor(int AHeight);
    int LastTabRow();
    std::int32_t BinStreamID();   // what this grid writes as its ID
    // The picture of ARect's cells that follows the pointer while they are dragged (interaction/GridDragDrop.cpp).
    QImage SelectionToImage(const TGridRect& ARect);
    // A release on a filter button of the filter row opens that column's list; false for any other release,
    // which closes an open plain list.
    bool FilterDropDownRelease(int X, int Y);
    void StretchOnChange();
    // The text of a cell as shown, measured in its font: the widest line, and the lines' height (wrapped at
    // WrapWidth when it is positive). ACol is a real column.
    TPoint CellTextExtent(int ACol, int ARow, int WrapWidth = 0);
    void WheelPanTick();
    void ShowFocusHaloOnCell();   // with FocusHelper.Enabled, around the cell being edited
    // Qt's mouse events on the viewport become the grid's mouse handlers; true when the event was one of them.
    bool MouseEvent(QEvent* e);
};
