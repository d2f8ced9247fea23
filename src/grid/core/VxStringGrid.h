#pragma once
// The string grid every table of the program is. One class over several areas, each in its own source:
//   VxStringGrid.cpp            construction, owned objects, destruction
//   VxStringGridCells.cpp       cell access through real and display indexes
//   VxStringGridDimensions.cpp  counts, sizes and property setters
//   VxStringGridHooks.cpp       the per-cell questions painting, editing and export ask, with their events
//   VxStringGridLoading.cpp     the loading bracket, Assign, window creation and repainting
//   VxStringGridAppearance.cpp  selection hiding, appearance setters, notifications and listeners
// Columns: Cells, Colors, ... take real column indexes; ColCount, Col and the events use display indexes.
#include "grid/foundation/BaseGrid.h"
#include "grid/core/GridFind.h"
#include "platform/Canvas.h"
#include <QStringList>
#include <memory>
#include <vector>

class QWidget;
class TBitmap;
class TIntList;
class TSortIndexList;
class THTMLPictureCache;
class TControlList;
class TSearchFooter;
class TNavigation;
class TMouseActions;
class TSyncGrid;
class TBands;
class TFocusHelper;
class TControlLook;
class TBackGround;
class TShowModified;
class TCellNode;
class TSizeWhileTyping;
class TColumnSize;
class THTMLSettings;
class TPrintSettings;
class THiddenColumns;
class TArrowWindow;
class TRowFilter;
class TFilter;
class TGridFilterHost;
class TGridFocusWindow;

enum class TGridLook { glStandard, glSoft, glClassic, glZarn, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum class TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum class TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum class TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum class TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum class THoverFixedCells { hfNone, hfFixedRows, hfFixedColumns, hfAll };
enum class THintPos { hpCell, hpCursor };
enum class TFilterDropDownColumns { fdNormal, fdAll };
enum class TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum class TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum class TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum class TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

// One object following the grid's selection.
class ITVxStringGridSelect {
public:
    virtual ~ITVxStringGridSelect() = default;
    virtual void SelectionChanged(int ACol, int ARow) = 0;
};

// A component told of every rectangle of changed cells; not owned by the grid.
class TGridChangeNotifier {
public:
    virtual ~TGridChangeNotifier() = default;
    virtual void CellsChanged(const TRect& R) = 0;
};

using TGridWideHintEvent = TGridHintEvent;
using THasComboBoxEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TIsFixedCellEvent = std::function<void(QObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(QObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TGetWordWrapEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TGetCheckEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetColumnFilterEvent = std::function<void(QObject* Sender, int Column, QStringList& Filter)>;
using TGetCellCursorEvent = std::function<void(QObject* Sender, int ACol, int ARow, int X, int Y, int& ACursor)>;
using TSearchFooterActionEvent =
    std::function<void(QObject* Sender, const QString& Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TComboCloseUpEvent = std::function<void(QObject* Sender, int ARow, int ACol)>;
using TFixedEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                           QStringList& Values)>;
using TSelectionChangedEvent = std::function<void(QObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TCellTextEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using TCellsChangedEvent = std::function<void(QObject* Sender, const TRect& R)>;

// A stored value with no side effect; F holds the grid's plain settings.
#define VX_GRID_VALUE(Type, Name) \
    Type Name() const { return F.Name; } \
    void Set##Name(Type value) { F.Name = value; }
// A value whose change repaints the grid.
#define VX_GRID_LOOK(Type, Name) \
    Type Name() const { return F.Name; } \
    void Set##Name(Type value) { SetProperty(F.Name, value, [this] { Invalidate(); }); }

class TVxStringGrid : public TBaseGrid {
    Q_OBJECT

public:
    explicit TVxStringGrid(QWidget* AOwner = nullptr);
    ~TVxStringGrid() override;

    // ---- Owned objects (VxStringGrid.cpp)
    TSearchFooter& SearchFooter() const { return *FSearchFooter; }
    TNavigation& Navigation() const { return *FNavigation; }
    TMouseActions& MouseActions() const { return *FMouseActions; }
    TSyncGrid& SyncGrid() const { return *FSyncGrid; }
    TBands& Bands() const { return *FBands; }
    TFocusHelper& FocusHelper() const { return *FFocusHelper; }
    void SetFocusHelper(const TFocusHelper& value);
    TControlLook& ControlLook() const { return *FControlLook; }
    TBackGround& BackGround() const { return *FBackGround; }
    void SetBackGround(const TBackGround& value);
    TShowModified& ShowModified() const { return *FShowModified; }
    void SetShowModified(const TShowModified& value);
    TCellNode& CellNode() const { return *FCellNode; }
    TSizeWhileTyping& SizeWhileTyping() const { return *FSizeWhileTyping; }
    TColumnSize& ColumnSize() const { return *FColumnSize; }
    THTMLSettings& HTMLSettings() const { return *FHTMLSettings; }
    TPrintSettings& PrintSettings() const { return *FPrintSettings; }
    THTMLPictureCache& ImageCache() const { return *FImageCache; }
    TSortIndexList& SortIndexes() const { return *FSortIndexes; }
    TIntList& MergedColumns() const { return *FMergedColumns; }
    TIntList& IgnoreColumns() const { return *FIgnoreColumns; }
    const TFont& FixedFont() const { return *FFixedFont; }
    void SetFixedFont(const TFont& value);
    const TFont& ActiveCellFont() const { return *FActiveCellFont; }
    void SetActiveCellFont(const TFont& value);
    const TBitmap& RowIndicator() const { return *FRowIndicator; }
    void SetRowIndicator(const TBitmap& value);
    const QStringList& ColumnHeaders() const { return FColumnHeaders; }
    void SetColumnHeaders(const QStringList& value);
    const QStringList& RowHeaders() const { return FRowHeaders; }
    void SetRowHeaders(const QStringList& value);
    QStringList& LookupItems() { return FLookupItems; }
    // Filled for the filter drop-down: sorted while filling, duplicates ignored.
    const QStringList& FilterList() const { return FFilterList; }

    // Hidden in-place editors until the editing area lands: the combo, check box, edit button, unit edit
    // button, push button, the two fixed-cell editors, the header drag button and the cell-control editors.
    const std::vector<QWidget*>& EditorControls() const { return FEditorControls; }

    // ---- Cell access (VxStringGridCells.cpp); c is a real column, r a display row unless named.
    QString AllCells(int c, int r);
    void SetAllCells(int c, int r, const QString& Value);
    QString AllGridCells(int c, int r) const;
    void SetAllGridCells(int c, int r, const QString& Value);
    QString AllWideCells(int c, int r) { return AllCells(c, r); }
    void SetAllWideCells(int c, int r, const QString& Value) { SetAllCells(c, r, Value); }
    TObject* AllObjects(int c, int r) const;
    void SetAllObjects(int c, int r, TObject* Value);
    int LinesInCell(int c, int r);
    TColor Colors(int c, int r) const;
    void SetColors(int c, int r, TColor Value);
    TColor ColorsTo(int c, int r) const;
    void SetColorsTo(int c, int r, TColor Value);
    TCellGradientDirection Gradients(int c, int r) const;
    void SetGradients(int c, int r, TCellGradientDirection Value);
    const TFont& Fonts(int c, int r) { return GetCellFont(c, r); }
    void SetFonts(int c, int r, const TFont& Value);
    const TFont& GetCellFont(int i, int j);
    TColor FontColors(int c, int r) const;
    void SetFontColors(int c, int r, TColor Value);
    TFontStyles FontStyles(int c, int r) const;
    void SetFontStyles(int c, int r, TFontStyles Value);
    int FontSizes(int c, int r) const;
    void SetFontSizes(int c, int r, int Value);
    QString FontNames(int c, int r) const;
    void SetFontNames(int c, int r, const QString& Value);
    TAlignment Alignments(int c, int r) const;
    void SetAlignments(int c, int r, TAlignment Value);
    bool ReadOnly(int c, int r) const;
    void SetReadOnly(int c, int r, bool Value);
    bool WordWraps(int c, int r);
    void SetWordWraps(int c, int r, bool Value);
    void SetRowColor(int r, TColor Value);
    void SetRowColorTo(int r, TColor Value);
    void SetRowFontColor(int r, TColor Value);
    // Current cell: the real current column and row, or the base cell of its merged range.
    QString CurrentCell() { return GetCurrentCell(); }
    void SetCurrentCellText(const QString& Value) { SetCurrentCell(Value); }
    virtual QString GetCurrentCell();
    virtual void SetCurrentCell(const QString& AValue);
    virtual QString GetCurrentCellText();
    virtual void SetCurrentEditText(const QString& Value);

    // ---- Columns hidden from display; real indexes below 512 only.
    void HideColumn(int ACol);
    void UnHideColumn(int ACol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ACol) const;
    int NumHiddenColumns() const;
    int RealColIndex(int ACol) const;             // display -> real
    int DisplColIndex(int ACol) const override;   // real -> display
    int TotalColCount() const override { return AllColCount(); }

    // ---- Dimensions (VxStringGridDimensions.cpp)
    int RowCount() const { return TBaseGrid::RowCount(); }
    void SetRowCount(int Value);
    int ColCount() const { return TBaseGrid::ColCount(); }
    void SetColCount(int Value);
    void SetCol(int Value);
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    int FixedRowsMin() const { return FFixedRowsMin; }
    int FixedColsMin() const { return FFixedColsMin; }
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    int FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int Value) { SetPropertyAlways(FFixedFooters, Value, [this] { Invalidate(); }); }
    int FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int Value) { SetPropertyAlways(FFixedRightCols, Value, [this] { Invalidate(); }); }
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    void SetDefaultRowHeight(int Value);
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value) { SetProperty(FDefaultAlignment, Value, [this] { Invalidate(); }); }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    bool WordWrap() const { return FOwnWordWrap; }
    void SetWordWrap(bool Value);
    int AllColCount() const;
    int AllRowCount() const { return RowCount(); }   // no row is hidden yet
    int AllColWidths(int i) const;
    void SetAllColWidths(int i, int Value);
    int LargestRowCount() const { return FLargestRowCount; }
    int LargestColCount() const { return FLargestColCount; }
    int ZoomFactor() const { return FZoomFactor; }
    void Zoom(int x);
    Qt::CursorShape Cursor() const { return cursor().shape(); }
    void SetCursor(Qt::CursorShape Value);
    TEditorType CurrentEditor() const { return FCurrentEditor; }

    // Selection and behaviour setters.
    VX_GRID_LOOK(TColor, SelectionColor)
    VX_GRID_LOOK(TColor, SelectionColorTo)
    VX_GRID_LOOK(TColor, SelectionMirrorColor)
    VX_GRID_LOOK(TColor, SelectionMirrorColorTo)
    VX_GRID_LOOK(TColor, SelectionTextColor)
    VX_GRID_LOOK(bool, SelectionColorMixer)
    VX_GRID_LOOK(bool, SelectionRectangle)
    VX_GRID_LOOK(bool, SelectionResizer)
    VX_GRID_VALUE(TColor, SelectionRectangleColor)
    int SelectionColorMixerFactor() const { return F.SelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int Value);
    bool ShowSelection() const { return F.ShowSelection; }
    void SetShowSelection(bool Value);
    int MaxEditLength() const { return F.MaxEditLength; }
    void SetMaxEditLength(int Value);
    bool SpreadSheet() const { return F.SpreadSheet; }
    void SetSpreadSheet(bool Value);
    bool AutoSize() const { return F.AutoSize; }
    void SetAutoSize(bool Value) { F.AutoSize = Value; }   // sizing the columns to content lands with auto-sizing
    bool Flat() const { return F.Flat; }
    void SetFlat(bool Value);
    TColor ZarnGradientFrom() const { return F.ZarnGradientFrom; }
    void SetZarnGradientFrom(TColor Value) { SetZarnColor(F.ZarnGradientFrom, Value); }
    TColor ZarnGradientTo() const { return F.ZarnGradientTo; }
    void SetZarnGradientTo(TColor Value) { SetZarnColor(F.ZarnGradientTo, Value); }
    TColor ZarnGradientMirrorFrom() const { return F.ZarnGradientMirrorFrom; }
    void SetZarnGradientMirrorFrom(TColor Value) { SetZarnColor(F.ZarnGradientMirrorFrom, Value); }
    TColor ZarnGradientMirrorTo() const { return F.ZarnGradientMirrorTo; }
    void SetZarnGradientMirrorTo(TColor Value) { SetZarnColor(F.ZarnGradientMirrorTo, Value); }

    // Plain settings, read by the areas that use them.
    VX_GRID_VALUE(QString, FloatFormat)
    VX_GRID_VALUE(QString, CheckTrue)
    VX_GRID_VALUE(QString, CheckFalse)
    VX_GRID_VALUE(QChar, PasswordChar)
    VX_GRID_VALUE(QString, XMLEncoding)
    VX_GRID_VALUE(QString, FilterDropDownClear)
    VX_GRID_VALUE(TGridLook, Look)
    VX_GRID_VALUE(TColor, HintColor)
    VX_GRID_VALUE(TColor, URLColor)
    VX_GRID_VALUE(TColor, DisabledFontColor)
    VX_GRID_VALUE(TScrollType, ScrollType)
    VX_GRID_VALUE(TColor, ScrollColor)
    VX_GRID_VALUE(int, ScrollWidth)
    VX_GRID_VALUE(TScrollBarAlways, ScrollBarAlways)
    VX_GRID_VALUE(TScrollHintType, ScrollHints)
    VX_GRID_VALUE(bool, ScrollProportional)
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
    VX_GRID_VALUE(bool, IntegralHeight)
    VX_GRID_VALUE(bool, Multilinecells)
    VX_GRID_VALUE(bool, SizeWithForm)
    VX_GRID_VALUE(bool, URLShow)
    VX_GRID_VALUE(bool, URLEdit)

    // ---- Loading, copying, window (VxStringGridLoading.cpp)
    // A grid built in code brackets its set-up with these so that the end-of-loading steps run.
    void BeginLoading() { FLoading = true; }
    void EndLoading();
    bool Loading() const { return FLoading; }
    bool IsLoaded() const { return FLoaded; }
    void Assign(const QObject* Source);
    virtual void AssignCells(const QObject* Source);
    void Invalidate();
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The first form up the parent chain, the control itself when it is one.
    static QWidget* FindParentForm(QWidget* Control);

    // ---- Appearance, selection hiding, listeners (VxStringGridAppearance.cpp)
    TGridRect Selection() const { return TBaseGrid::Selection(); }
    void SetSelection(const TGridRect& Value);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelHidden; }
    bool ShowDesignHelper() const { return FShowDesignHelper; }
    void SetShowDesignHelper(bool Value) { SetProperty(FShowDesignHelper, Value, [this] { Invalidate(); }); }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor Value);
    bool Hovering() const { return FHovering; }
    void SetHovering(bool Value) { FHovering = Value; }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool Value) { SetPropertyAlways(FActiveCellShow, Value, [this] { Invalidate(); }); }
    TColor ActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(TColor Value) { SetPropertyAlways(FActiveCellColor, Value, [this] { Invalidate(); }); }
    TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
    void SetActiveCellColorTo(TColor Value) { SetPropertyAlways(FActiveCellColorTo, Value, [this] { Invalidate(); }); }
    TPoint XYOffset() const { return FXYOffset; }
    void SetXYOffset(TPoint Value) { SetPropertyAlways(FXYOffset, Value, [this] { Invalidate(); }); }
    void UpdateXYOffset(int X, int Y) { FXYOffset = Point(X, Y); }
    virtual void AppendRow() { SetRowCount(RowCount() + 1); }
    void RegisterSelListener(ITVxStringGridSelect* AListener) { FISelect = AListener; }
    void UnRegisterSelListener(ITVxStringGridSelect*) { FISelect = nullptr; }
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    // The changed rectangle goes to OnCellsChanged, then to every notifier in registration order.
    virtual void CellsChanged(const TRect& R);
    // A component the grid refers to is going away: the grid forgets it.
    void Notification(QObject* AComponent);

    // ---- Hooks (VxStringGridHooks.cpp); display column, row as the caller holds them.
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void GetCellHint(int ACol, int ARow, QString& AHint, QString& AWideHint);
    virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
    virtual void GetCellButtonEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual bool IsEditorNone(int ACol, int ARow);
    virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void DoGetWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, QString& Value);
    virtual void GetCheckFalse(int ACol, int ARow, QString& Value);
    virtual bool BuildColumnFilterList(int ACol);
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values);
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void EditorCaretChanged(const QString& Text, int CaretPos, int SelStart);
    virtual void DoFilterDone();
    virtual void CalcFormulaCell(int ACol, int ARow, QString& Value);
    virtual void LoadCellText(int ACol, int ARow, const QString& Value);
    virtual void ExportNotification(TGridExportState AState, int ARow);
    virtual void ImportNotification(TGridImportState AState, int ARow);
    virtual void NavigationChanged() {}
    virtual void MouseActionsChanged() {}
    virtual void ColumnHeadersChanged() {}
    virtual bool IsDesigning() { return false; }

    // Events of the hooks above; row before column where the toolkit put it so.
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TGetEditorTypeEvent OnGetEditorType;
    THasComboBoxEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TIsFixedCellEvent OnIsFixedCell;
    TCanEditCellEvent OnCanEditCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TGetWordWrapEvent OnGetWordWrap;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGetColumnFilterEvent OnGetColumnFilter;
    TGetCellCursorEvent OnGetCellCursor;
    TSearchFooterActionEvent OnSearchFooterAction;
    TButtonClickEvent OnButtonClick;
    TComboCloseUpEvent OnComboCloseUp;
    TComboCloseUpEvent OnComboDropDown;
    TFixedEditEvent OnFixedEdit;
    TSelectionChangedEvent OnSelectionChanged;
    TNotifyEvent OnFilterDone;
    TCellTextEvent OnLoadCell;
    TCellsChangedEvent OnCellsChanged;

    // ---- Cell graphics and sizes, selection flags and navigation, hidden rows, row and column operations, clearing and merging

    // ---- Check boxes, typed values, header lists and highlighting, scrolling, size changes and stretching, auto-size

    // ---- Nodes, moving rows and columns, grouping, sorting, column and row calculations

    // ---- Filtering, find and replace, layout and settings persistence, picture and marker cells
    // Filtering (VxStringGridFilter.cpp): conditions per column, applied as stacked filter levels.
    TFilter& Filter() const;
    bool FilterActive() const;
    void SetFilterActive(bool Value);
    int FilterLevel() const;
    virtual bool MatchFilterRow(int ARow);
    void ApplyFilter();
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // AColumn -1 matches the text anywhere in the row. An empty condition takes off the filter levels only.
    void NarrowDown(const QString& ACondition, int AColumn = -1);
    // The filter pop-up sets the column before telling the chosen entry or the checked entries.
    int FilterCol() const { return FFilterCol; }
    void SetFilterCol(int Value) { FFilterCol = Value; }
    virtual void FilterSelected(int ItemIndex);
    virtual void FilterChecked(const std::vector<int>& CheckedItems);
    std::function<void(QObject* Sender, int ARow, bool& AcceptRow)> OnCustomFilter;
    std::function<void(QObject* Sender, int progress)> OnFilterProgress;
    std::function<void(QObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                       QString& FilterCondition)> OnFilterSelect;
    std::function<void(QObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                       QString& FilterCondition)> OnFilterCheck;

    // Find and replace (VxStringGridFind.cpp). Cells are (column, row); (-1, -1) when none.
    TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindFirst(const QString& s, TFindParams FindParams);
    TPoint FindNext();
    int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
    int Search(const QString& s);
    TPoint SearchCell() const { return FSearchCell; }
    QString SearchCache() const { return FSearchCache; }
    int FindCol() const { return FFindCol; }
    void SetFindCol(int Value) { FFindCol = Value; }
    int FindRow() const { return FFindRow; }
    void SetFindRow(int Value) { FFindRow = Value; }

    // Layout and settings persistence (VxStringGridLayout.cpp). Bad input raises EConvertError before
    // anything changes.
    QString ColumnStatesToString();
    void StringToColumnStates(const QString& Value);
    // For each display position, the column it showed when the order was recorded; empty when never moved.
    const std::vector<int>& ColumnOrder() const { return FColumnOrder; }
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    void SavePrintSettings(const QString& Key, const QString& Section);
    void LoadPrintSettings(const QString& Key, const QString& Section);

    // ---- In-place editing

protected:
    // ---- Overrides: cell graphics and sizes, selection flags and navigation, hidden rows, row and column operations, clearing and merging

    // ---- Overrides: check boxes, typed values, header lists and highlighting, scrolling, size changes and stretching, auto-size

    // ---- Overrides: nodes, moving rows and columns, grouping, sorting, column and row calculations

    // ---- Overrides: filtering, find and replace, layout and settings persistence, picture and marker cells
    void FindCell(TPoint StartCell, const QString& s, TPoint& Result, TFindParams FindParams);
    bool MatchFindCell(int ACol, int ARow);

    // ---- Overrides: in-place editing

    bool IsFixed(int ACol, int ARow) override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    // End of loading: headers written, minimum counts recorded, the grid marked loaded.
    virtual void Loaded();

private:
    void CreateOwnedObjects();
    void CreateEditorControls();
    void SetZarnColor(TColor& field, TColor Value);
    void RepaintDisplayCell(int RealCol, int ARow);
    TCellProperties* ExistingProps(int c, int r) const;   // none without properties
    void WriteProps(int c, int r, const std::function<void(TCellProperties&)>& write);
    void WriteColumnHeaders();
    void WriteRowHeaders();
    void ApplyColumnWidthsAfterHide(int DisplCol, bool Hiding);

    // ---- State: cell graphics and sizes, selection flags and navigation, hidden rows, row and column operations, clearing and merging

    // ---- State: check boxes, typed values, header lists and highlighting, scrolling, size changes and stretching, auto-size

    // ---- State: nodes, moving rows and columns, grouping, sorting, column and row calculations

    // ---- State: filtering, find and replace, layout and settings persistence, picture and marker cells
    friend class TGridFilterHost;
    void FilterEntryChosen();
    std::unique_ptr<TGridFilterHost> FFilterHost;
    std::unique_ptr<TRowFilter> FRowFilter;
    int FFilterCol = -1;
    TPoint FSearchCell{-1, -1};
    QString FSearchCache;
    TFindParams FFindParams;
    int FFindCol = 0;
    int FFindRow = 0;
    std::vector<int> FColumnOrder;
    void ResetColumnsTo(const std::vector<int>& Order);

    // ---- State: in-place editing

    // Plain settings with their constructor values.
    struct Values {
        QString FloatFormat = QStringLiteral("%.2f");
        QString CheckTrue = QStringLiteral("Y");
        QString CheckFalse = QStringLiteral("N");
        QChar PasswordChar = QLatin1Char('*');
        QString XMLEncoding = QStringLiteral("ISO-8859-1");
        QString FilterDropDownClear = QStringLiteral("(All)");
        TGridLook Look = TGridLook::glXP;
        TColor SelectionColor = 0xEACAB6;
        TColor SelectionColorTo = clNone;
        TColor SelectionMirrorColor = clNone;
        TColor SelectionMirrorColorTo = clNone;
        TColor SelectionTextColor = clBlack;
        bool SelectionColorMixer = false;
        int SelectionColorMixerFactor = 50;
        TColor SelectionRectangleColor = clBlack;
        bool SelectionRectangle = false;
        bool SelectionResizer = false;
        bool ShowSelection = true;
        TColor HintColor = clInfoBk;
        TColor URLColor = 0xFF0000;
        TColor DisabledFontColor = clSilver;
        TScrollType ScrollType = TScrollType::ssNormal;
        TColor ScrollColor = clNone;
        int ScrollWidth = 0;
        TScrollBarAlways ScrollBarAlways = TScrollBarAlways::saNone;
        TScrollHintType ScrollHints = TScrollHintType::shNone;
        bool ScrollProportional = false;
        bool ScrollSynch = false;
        TColor ZarnGradientFrom = clWhite;
        TColor ZarnGradientTo = clNone;
        TColor ZarnGradientMirrorFrom = clNone;
        TColor ZarnGradientMirrorTo = clNone;
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
        bool Flat = false;
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
    } F;

    // Owned objects, in the order the constructor makes them.
    std::unique_ptr<TFont> FCellFont;   // scratch font answered by GetCellFont
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TColumnSize> FColumnSize;
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
    std::unique_ptr<THiddenColumns> FHiddenColumns;
    QStringList FColumnHeaders;
    QStringList FRowHeaders;
    QStringList FLookupItems;
    QStringList FFilterList;
    std::vector<QWidget*> FEditorControls;       // children of the grid
    TGridFocusWindow* FFocusWindow = nullptr;    // child of the grid
    TArrowWindow* FArrows[4] = {};               // children of the grid: up, down, left, right

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
    std::vector<int> FAllColWidths;   // 513 entries: widths of hidden columns by real index
    Qt::CursorShape FRememberedCursor = Qt::ArrowCursor;
    TEditorType FCurrentEditor = TEditorType::edNormal;

    // Loading and window.
    bool FLoading = false;
    bool FLoaded = false;
    bool FEditChange = false;     // skips one repaint after an edit change
    bool FNoEditChange = false;   // the editor is being loaded: no OnEditChange; the editor clears it
    bool FDestroying = false;
    TColor FBorderColor = 0xB99D7F;

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
    TColor FActiveCellColor = 0x808080;
    TColor FActiveCellColorTo = clNone;
    TPoint FXYOffset{2, 2};
    ITVxStringGridSelect* FISelect = nullptr;
    std::vector<TGridChangeNotifier*> FNotifierList;
};

#undef VX_GRID_VALUE
#undef VX_GRID_LOOK
