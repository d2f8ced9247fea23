#pragma once
// The string grid every table of the program is. One class over several areas, each in its own source:
//   VxStringGrid.cpp            construction, owned objects, destruction
//   VxStringGridCells.cpp       cell access through real and display indexes
//   VxStringGridDimensions.cpp  counts, sizes and property setters
//   VxStringGridHooks.cpp       the per-cell questions painting, editing and export ask, with their events
//   VxStringGridLoading.cpp     the loading bracket, Assign, window creation and repainting
//   VxStringGridAppearance.cpp  selection hiding, appearance setters, notifications and listeners
//   ../interaction/              keys, Tab, wheel and panning, grid timer, update lock (VxStringGrid<Area>.cpp)
//   ../edit/                     the editing cycle, the editors and the edit session they report to
// The state and the implementation's helpers are in VxStringGridPrivate.h, the event types in VxStringGridTypes.h.
// Columns: Cells, Colors, ... take real column indexes; ColCount, Col and the events use display indexes.
#include "grid/foundation/BaseGrid.h"
#include "grid/core/VxStringGridTypes.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/DragScroll.h"
#include "grid/core/GridCellObjects.h"
#include "grid/core/GridFind.h"
#include "grid/model/HiddenRows.h"
#include "grid/core/SortSettings.h"
#include "grid/paint/GridLook.h"
#include "grid/io/PrintTypes.h"
#include "platform/Canvas.h"
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QWidget;
class TBitmap;
class TFilePicture;
class TIntList;
class TSortIndexList;
class THTMLPictureCache;
class TSearchFooter;
class TNavigation;
class TMouseActions;
class TSyncGrid;
class TBands;
class TFocusHelper;
class TControlLook;
class TBackGround;
class TShowModified;
class TGridProgressAppearance;
class TCellNode;
class TSizeWhileTyping;
class TColumnSize;
class TBalloonSettings;
class THTMLSettings;
class TPrintSettings;
class THiddenRows;
class TCustomImageList;
class TFilter;
class TGridFilterHost;
class TSortSettings;
class TSortXRef;
class TGridSortHost;
class TFloatingFooter;
class TFooterPanel;
class TGridNodes;
class TGrouping;
class TDragDropSettings;
class TGridDropTarget;
class TSearchPanel;
class TFilterDropDown;
class TDropList;
class TDropCheckList;
class TControlEdit;
class TControlCombo;
class TGridTransEdit;
class TGridTransCombo;
class QListWidget;
enum class TSortDirection;
class ZEvuZudedoZadaRudiv;
class TGridCombo;
class TGridCheckBox;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridButton;
class TGridSpin;
class TGridDatePicker;
class TDropDownCellEditor;
class TEditLink;
class TGridEditSession;

// A property whose value lives in the private half; VxStringGridProperties.cpp says what setting it does.
#define VX_GRID_PROPERTY(Type, Name) \
    Type Name() const; \
    void Set##Name(Type value);

struct TVxStringGridPrivate;

class TVxStringGrid : public TBaseGrid {
    Q_OBJECT
    // The state, one record per area (VxStringGridPrivate.h); the first member, so it outlives the others.
    std::unique_ptr<TVxStringGridPrivate> d;
    friend struct TVxStringGridPrivate;

public:
    explicit TVxStringGrid(QWidget* AOwner = nullptr);
    ~TVxStringGrid() override;

    // ---- Owned objects (VxStringGrid.cpp)
    TSearchFooter& SearchFooter() const;
    TNavigation& Navigation() const;
    TMouseActions& MouseActions() const;
    TSyncGrid& SyncGrid() const;
    TBands& Bands() const;
    TFocusHelper& FocusHelper() const;
    void SetFocusHelper(const TFocusHelper& value);
    TControlLook& ControlLook() const;
    TBackGround& BackGround() const;
    void SetBackGround(const TBackGround& value);
    TShowModified& ShowModified() const;
    void SetShowModified(const TShowModified& value);
    TCellNode& CellNode() const;
    TSizeWhileTyping& SizeWhileTyping() const;
    TColumnSize& ColumnSize() const;
    TBalloonSettings& Balloon() const;
    void SetBalloon(const TBalloonSettings& value);
    // A tool-tip request over a cell with Balloon.Enable shows the cell's text as a balloon; the cell's own
    // balloon and then this event may give another title, text and icon.
    TGridBalloonEvent OnCellBalloon;
    THTMLSettings& HTMLSettings() const;
    TPrintSettings& PrintSettings() const;
    THTMLPictureCache& ImageCache() const;
    TSortIndexList& SortIndexes() const;
    TIntList& MergedColumns() const;
    TIntList& IgnoreColumns() const;
    const TFont& FixedFont() const;
    void SetFixedFont(const TFont& value);
    const TFont& ActiveCellFont() const;
    void SetActiveCellFont(const TFont& value);
    const TBitmap& RowIndicator() const;
    void SetRowIndicator(const TBitmap& value);
    const QStringList& ColumnHeaders() const;
    void SetColumnHeaders(const QStringList& value);
    const QStringList& RowHeaders() const;
    void SetRowHeaders(const QStringList& value);
    QStringList& LookupItems();
    // Filled for the filter drop-down: sorted while filling, duplicates ignored.
    const QStringList& FilterList() const;

    // The hidden editor controls, all made by the first call: the check box, edit button, unit edit button and
    // push button editors, the two fixed-cell editors, the cell-control edit and combo and two spare scroll bars;
    // then the combo editor, when it was made before.
    const std::vector<QWidget*>& EditorControls() const;

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
    int FixedRowsMin() const;
    int FixedColsMin() const;
    bool FixedRowAlways() const;
    void SetFixedRowAlways(bool Value);
    bool FixedColAlways() const;
    void SetFixedColAlways(bool Value);
    int FixedFooters() const;
    void SetFixedFooters(int Value);
    int FixedRightCols() const;
    void SetFixedRightCols(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int FixedRowHeight() const;
    void SetFixedRowHeight(int Value);
    void SetDefaultRowHeight(int Value);
    TAlignment DefaultAlignment() const;
    void SetDefaultAlignment(TAlignment Value);
    TVAlignment VAlignment() const;
    void SetVAlignment(TVAlignment Value);
    bool WordWrap() const;
    void SetWordWrap(bool Value);
    int AllColCount() const;
    int AllRowCount() const { return TotalRowCount(); }
    int AllColWidths(int i) const;
    void SetAllColWidths(int i, int Value);
    int LargestRowCount() const;
    int LargestColCount() const;
    int ZoomFactor() const;
    void Zoom(int x);
    Qt::CursorShape Cursor() const { return cursor().shape(); }
    void SetCursor(Qt::CursorShape Value);
    TEditorType CurrentEditor() const;

    // Selection and behaviour setters.
    VX_GRID_PROPERTY(TColor, SelectionColor)
    VX_GRID_PROPERTY(TColor, SelectionColorTo)
    VX_GRID_PROPERTY(TColor, SelectionMirrorColor)
    VX_GRID_PROPERTY(TColor, SelectionMirrorColorTo)
    VX_GRID_PROPERTY(TColor, SelectionTextColor)
    VX_GRID_PROPERTY(bool, SelectionColorMixer)
    VX_GRID_PROPERTY(bool, SelectionRectangle)
    VX_GRID_PROPERTY(bool, SelectionResizer)
    VX_GRID_PROPERTY(TColor, SelectionRectangleColor)
    int SelectionColorMixerFactor() const;
    void SetSelectionColorMixerFactor(int Value);
    bool ShowSelection() const;
    void SetShowSelection(bool Value);
    int MaxEditLength() const;
    void SetMaxEditLength(int Value);
    bool SpreadSheet() const;
    void SetSpreadSheet(bool Value);
    bool AutoSize() const;
    void SetAutoSize(bool Value);   // sizing the columns to content lands with auto-sizing
    bool Flat() const;
    void SetFlat(bool Value);
    TColor ZarnGradientFrom() const;
    void SetZarnGradientFrom(TColor Value);
    TColor ZarnGradientTo() const;
    void SetZarnGradientTo(TColor Value);
    TColor ZarnGradientMirrorFrom() const;
    void SetZarnGradientMirrorFrom(TColor Value);
    TColor ZarnGradientMirrorTo() const;
    void SetZarnGradientMirrorTo(TColor Value);
    // The looks, styles and tones (GridLook.h); the painter reads the appearance.
    TGridAppearance& Appearance();
    const TGridAppearance& Appearance() const;
    TLookHost& LookHost() const;
    void SetStyle(TVxGridStyle AStyle);
    void SetComponentStyle(TZarnStyle AStyle);
    void SetColorTones(const TColorTones& ATones);
    void SetTheme(int Scheme);

    // Plain settings, read by the areas that use them.
    VX_GRID_PROPERTY(QString, FloatFormat)
    VX_GRID_PROPERTY(QString, CheckTrue)
    VX_GRID_PROPERTY(QString, CheckFalse)
    VX_GRID_PROPERTY(QChar, PasswordChar)
    VX_GRID_PROPERTY(QString, XMLEncoding)
    VX_GRID_PROPERTY(QString, FilterDropDownClear)
    TGridLook Look() const;
    void SetLook(TGridLook Value);
    VX_GRID_PROPERTY(TColor, HintColor)
    VX_GRID_PROPERTY(TColor, DisabledFontColor)
    VX_GRID_PROPERTY(TScrollType, ScrollType)
    VX_GRID_PROPERTY(TColor, ScrollColor)
    VX_GRID_PROPERTY(int, ScrollWidth)
    VX_GRID_PROPERTY(TScrollHintType, ScrollHints)
    VX_GRID_PROPERTY(bool, ScrollSynch)
    VX_GRID_PROPERTY(TEditorType, DefaultEditor)
    VX_GRID_PROPERTY(TInvalidEntryIcon, InvalidEntryIcon)
    VX_GRID_PROPERTY(QString, InvalidEntryTitle)
    VX_GRID_PROPERTY(QString, InvalidEntryText)
    VX_GRID_PROPERTY(THoverFixedCells, HoverFixedCells)
    VX_GRID_PROPERTY(THintPos, HintShowLargeTextPos)
    VX_GRID_PROPERTY(TFilterDropDownColumns, FilterDropDownColumns)
    VX_GRID_PROPERTY(TIntelliPan, IntelliPan)
    VX_GRID_PROPERTY(int, GroupColumn)
    VX_GRID_PROPERTY(int, MinRowHeight)
    VX_GRID_PROPERTY(int, MaxRowHeight)
    VX_GRID_PROPERTY(int, MinColWidth)
    VX_GRID_PROPERTY(int, MaxColWidth)
    VX_GRID_PROPERTY(int, PreviewPage)
    VX_GRID_PROPERTY(QChar, Delimiter)
    VX_GRID_PROPERTY(int, FilterDropDownRow)
    VX_GRID_PROPERTY(int, MaxComboLength)
    VX_GRID_PROPERTY(QString, ValidChars)
    VX_GRID_PROPERTY(bool, FitCellsInGrid)
    VX_GRID_PROPERTY(bool, FilterNormalCellsOnly)
    VX_GRID_PROPERTY(bool, AutoFilterUpdate)
    VX_GRID_PROPERTY(bool, UseInternalHintClass)
    VX_GRID_PROPERTY(bool, EnhRowColMove)
    VX_GRID_PROPERTY(bool, UseDisabledFont)
    VX_GRID_PROPERTY(bool, EnableWheel)
    VX_GRID_PROPERTY(bool, IntelliZoom)
    VX_GRID_PROPERTY(bool, LoadFirstRow)
    VX_GRID_PROPERTY(bool, QuoteEmptyCells)
    VX_GRID_PROPERTY(bool, EnableHTML)
    VX_GRID_PROPERTY(bool, ShowNullDates)
    VX_GRID_PROPERTY(bool, SaveFixedCells)
    VX_GRID_PROPERTY(bool, SaveVirtCells)
    VX_GRID_PROPERTY(bool, SaveWithHTML)
    VX_GRID_PROPERTY(bool, SizeGrowOnly)
    VX_GRID_PROPERTY(bool, HideFocusRect)
    VX_GRID_PROPERTY(bool, FixedAsButtons)
    VX_GRID_PROPERTY(bool, AlwaysQuotes)
    VX_GRID_PROPERTY(bool, SaveFixedRows)
    VX_GRID_PROPERTY(bool, SaveFixedCols)
    VX_GRID_PROPERTY(bool, SaveHiddenCells)
    VX_GRID_PROPERTY(bool, JavaCSV)
    VX_GRID_PROPERTY(bool, OemConvert)
    VX_GRID_PROPERTY(bool, NoDefaultDraw)
    VX_GRID_PROPERTY(bool, ClearTextOnly)
    VX_GRID_PROPERTY(bool, FilterIncremental)
    VX_GRID_PROPERTY(bool, PrinterDriverFix)
    VX_GRID_PROPERTY(bool, ExcelClipboardFormat)
    VX_GRID_PROPERTY(bool, FindBusy)
    VX_GRID_PROPERTY(bool, AnchorHint)
    VX_GRID_PROPERTY(bool, AutoNumAlign)
    VX_GRID_PROPERTY(bool, EditWithTags)
    VX_GRID_PROPERTY(bool, FilterDropDownAuto)
    VX_GRID_PROPERTY(bool, FilterDropDownCheck)
    VX_GRID_PROPERTY(bool, HintShowCells)
    VX_GRID_PROPERTY(bool, HintShowLargeText)
    VX_GRID_PROPERTY(bool, HintShowSizing)
    VX_GRID_PROPERTY(bool, HTMLHint)
    // With IntegralHeight every height the grid is given is corrected so that it ends on a row boundary.
    bool IntegralHeight() const;
    void SetIntegralHeight(bool value);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    VX_GRID_PROPERTY(bool, Multilinecells)
    VX_GRID_PROPERTY(bool, SizeWithForm)

    // ---- Loading, copying, window (VxStringGridLoading.cpp)
    // A grid built in code brackets its set-up with these so that the end-of-loading steps run.
    void BeginLoading();
    void EndLoading();
    bool Loading() const;
    bool IsLoaded() const;
    void Assign(const QObject* Source);
    virtual void AssignCells(const QObject* Source);
    void Invalidate();
    TColor BorderColor() const;
    void SetBorderColor(TColor Value);
    // The first form up the parent chain, the control itself when it is one.
    static QWidget* FindParentForm(QWidget* Control);

    // ---- Appearance, selection hiding, listeners (VxStringGridAppearance.cpp)
    TGridRect Selection() const { return TBaseGrid::Selection(); }
    void SetSelection(const TGridRect& Value);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const;
    bool ShowDesignHelper() const;
    void SetShowDesignHelper(bool Value);
    TColor HighlightColor() const;
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const;
    void SetHighlightTextColor(TColor Value);
    bool Hovering() const;
    void SetHovering(bool Value);
    bool AutoThemeAdapt() const;
    void SetAutoThemeAdapt(bool Value);
    bool ActiveCellShow() const;
    void SetActiveCellShow(bool Value);
    TColor ActiveCellColor() const;
    void SetActiveCellColor(TColor Value);
    TColor ActiveCellColorTo() const;
    void SetActiveCellColorTo(TColor Value);
    TPoint XYOffset() const;
    void SetXYOffset(TPoint Value);
    void UpdateXYOffset(int X, int Y);
    virtual void AppendRow() { SetRowCount(RowCount() + 1); }
    void RegisterSelListener(ITVxStringGridSelect* AListener);
    void UnRegisterSelListener(ITVxStringGridSelect*);
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    // The changed rectangle goes to OnCellsChanged, then to every notifier in registration order.
    virtual void CellsChanged(const TRect& R);
    // A component the grid refers to is going away: the grid forgets it.
    void Notification(QObject* AComponent);

    // ---- Painting (grid/paint/VxStringGridPaint.cpp)
    // The text a cell shows: a number through OnGetFloatFormat when that is assigned. ACol is a real column.
    virtual QString GetFormattedCell(int ACol, int ARow);
    void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
    VX_GRID_PROPERTY(bool, EnhTextSize)
    VX_GRID_PROPERTY(bool, NoImageAndText)
    VX_GRID_PROPERTY(bool, XYOffsetTopLeftOnly)
    TFloatFormatEvent OnGetFloatFormat;
    TGridGradientEvent OnGetCellGradient;
    TGridBorderPropEvent OnGetCellBorderProp;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TNotifyEvent OnPainted;
    // The levelled progress bars of the progress cells.
    TGridProgressAppearance& ProgressAppearance() const;
    // The size a cell's text needs (ACol a real column), turned cells by their angle.
    TPoint GetCellTextSize(int ACol, int ARow);
    void CalcCellTextSize(int ACol, int RCol, TPoint& Size, bool Extra, bool Wrapped, int ARow);
    // The padding of a cell's text on both sides, once with XYOffsetTopLeftOnly.
    int TotalXOffset() const;
    int TotalYOffset() const;

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
    // Cell graphics (VxStringGridGraphics.cpp): real column, display row.
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    TCellGraphic* CellGraphics(int ACol, int ARow) { return GetCellGraphic(ACol, ARow); }
    virtual TCellType GetCellType(int ACol, int ARow);
    TCellType CellTypes(int ACol, int ARow) { return GetCellType(ACol, ARow); }
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind);
    bool HasCellTypeIn(int ACol, int ARow, TCellTypes Kinds);
    bool HasBalloon(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow);
    bool HasExpand(int ACol, int ARow);
    bool HasProgress(int ACol, int ARow);
    bool HasRating(int ACol, int ARow);
    bool HasScrollBar(int ACol, int ARow);
    bool HasButton(int ACol, int ARow);
    bool HasCheckBox(int ACol, int ARow);
    // The column grid answers for its data check-box columns too.
    virtual bool HasDataCheckBox(int ACol, int ARow);
    bool HasClickableGraphic(int ACol, int ARow);
    TIntList* GetCellImages(int ACol, int ARow);
    TIntList* CellImages(int ACol, int ARow) { return GetCellImages(ACol, ARow); }
    // The object's address for bitmaps and icons, the image index for image-list cells, -1 otherwise.
    std::intptr_t GetGraphicSortKey(int ACol, int ARow);
    virtual TCustomImageList* GetImageList();
    TCustomImageList* GridImages() const;
    void SetGridImages(TCustomImageList* Value);
    // Room the graphic takes beside the text, on screen (Reserve pixels kept free of a picture's height) and in print.
    virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int Reserve);
    virtual TPoint GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }
    TPoint CellGraphicSize(int ACol, int ARow) { return GetCellGraphicSize(ACol, ARow); }
    virtual TPoint CalcPrintGraphicSize(int ACol, int ARow, int AvailWidth, int AvailHeight, double Scale);

    // Selection flags, row flags, repainting and navigation (VxStringGridSelect.cpp).
    bool GetRowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool RowSelect(int ARow) { return GetRowSelect(ARow); }
    bool GetColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    bool ColSelect(int ACol) { return GetColSelect(ACol); }
    void ClearRowSelect();
    void ClearColSelect();
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    int GetRowSelectCount();
    int RowSelectCount() { return GetRowSelectCount(); }
    int GetColSelectCount();
    int ColSelectCount() { return GetColSelectCount(); }
    const std::vector<int>& SelectedRowList() const;   // in the order of selection
    bool GetRowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    bool RowModified(int ARow) const { return GetRowModified(ARow); }
    int ModifiedRowCount() const;
    bool GetRowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    bool RowEnabled(int ARow) const { return GetRowEnabled(ARow); }
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void RepaintRect(const TRect& r);
    void RepaintCellHeaders(int OldCol, int OldRow, int NewCol, int NewRow);
    void GotoCell(int ACol, int ARow);
    void FocusCell(int ACol, int ARow);
    using TBaseGrid::FocusCell;   // the toolkit's form that also says whether the anchor moves
    void MoveToCell(int ACol, int ARow);
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    virtual void DoCanAddRow(bool& CanAdd);
    virtual void DoCanInsertRow(int ARow, bool& CanInsert);
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowDisjunctSelectedEvent OnRowDisjunctSelected;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;

    // Hidden columns and rows (VxStringGridHidden.cpp): columns by real index, rows by real index.
    static constexpr int MaxHiddenColumns = 512;   // columns from here on are never hidden
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumns(int FromCol, int ToCol);
    int RealCol() const { return RealColIndex(Col()); }
    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    // Display rows, ascending, hidden together as the next filter level.
    void HideRowList(const TIntList& RowList);
    void UnHideRow(int RowIndex) { UnHideRows(RowIndex, RowIndex); }
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    void UnHideRowList();   // lifts the newest filter level
    int FilterLevel() const;
    bool IsHiddenRow(int RowIndex) const;
    int NumHiddenRows() const;
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int RealRowIndex(int ARow) const;    // display -> real
    int DisplRowIndex(int ARow) const;   // real -> display
    int RealRow() const { return RealRowIndex(Row()); }
    const THiddenRows& HiddenRows() const;

    // Row and column operations (VxStringGridRows.cpp): display rows; columns as each names.
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void RemoveRowsEx(int RowIndex, int RCount);      // the cell objects stay the caller's
    virtual void RemoveRowsDirect(int RowIndex, int RCount);
    virtual void InsertCols(int ColIndex, int CCount);        // storage columns
    virtual void RemoveCols(int ColIndex, int CCount);        // storage columns
    void AddRow();
    void AddColumn() { InsertCols(ColCount(), 1); }
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);   // display columns
    void SwapRows(int ARow1, int ARow2);
    void SwapColumns(int ACol1, int ACol2);                   // storage columns
    void InsertRowsCore(int RowIndex, int RCount, bool UpdateCellControls);
    void DeleteRowsCore(int RowIndex, int RCount, bool UpdateCellControls);

    // Clearing, trimming, merging and cell tests (VxStringGridClear.cpp).
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void ClearSelection();
    void Clear();
    void ClearAll();   // the cells of hidden rows too
    void ClearModifiedRows();
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    bool IsCell(const QString& SubStr, int& ACol, int& ARow);
    bool IsWideCell(int ACol, int ARow);
    double CellToReal(int ACol, int ARow);
    QString IncrSearchText;
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = TSortDirection::sdAscending;


    // ---- Check boxes, typed values, header lists and highlighting, scrolling, size changes and stretching, auto-size
    // Check boxes (VxStringGridCheckBoxes.cpp). Without cell graphics the only check box is the data check box
    // whose state is its cell text, checked exactly when the text is the cell's check-true text.
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool IsChecked(int ACol, int ARow);
    bool ChangeCheckBoxState(int ACol, int ARow, bool Value);   // fires the change hook when it changed
    virtual bool ToggleCheck(int ACol, int ARow, bool ByUser);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    // ACol and ARow are real indexes; a cell past the hidden rows and columns is "Invalid cell".
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    TCheckBoxClickEvent OnCheckBoxChange;

    // Search highlighting and error marks (VxStringGridHighlight.cpp): matches wrapped in the hi or e tag.
    // Marking stores a range's cells entity-encoded; unmarking the same range gives back the texts exactly.
    static QString HilightText(bool DoCase, const QString& S, const QString& Text);
    static QString UnHilightText(const QString& S);
    static QString MarkText(bool DoCase, const QString& S, const QString& Text);
    static QString UnMarkText(const QString& S);
    void MarkInRange(const QString& HiText, const QString& Tag, int FromCol, int FromRow, int ToCol, int ToRow,
                     bool DoCase);
    void UnMarkInRange(const QString& Tag, int FromCol, int FromRow, int ToCol, int ToRow);
    void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);

    // Typed values (VxStringGridValues.cpp): c a real column, r a display row; the All forms take real rows.
    // A text that is no number raises EVxGridError, one that is no date or time EConvertError.
    int Ints(int c, int r) { return GetInts(c, r); }
    int GetInts(int c, int r);
    void SetInts(int c, int r, int Value);
    int AllInts(int c, int r) { return GetAllInts(c, r); }
    int GetAllInts(int c, int r);
    void SetAllInts(int c, int r, int Value);
    double Floats(int c, int r) { return GetFloats(c, r); }
    double GetFloats(int c, int r);
    void SetFloats(int c, int r, double Value);
    double AllFloats(int c, int r) { return GetAllFloats(c, r); }
    double GetAllFloats(int c, int r);
    void SetAllFloats(int c, int r, double Value);
    TDateTime Dates(int c, int r) { return GetDates(c, r); }
    TDateTime GetDates(int c, int r);
    void SetDates(int c, int r, TDateTime Value);
    TDateTime Times(int c, int r) { return GetTimes(c, r); }
    TDateTime GetTimes(int c, int r);
    void SetTimes(int c, int r, TDateTime Value);
    // The value of the form control ID inside the cell's text; empty, and nothing written, without one.
    QString ControlValues(int c, int r, const QString& ID) { return GetCtrlVal(c, r, ID); }
    QString GetCtrlVal(int c, int r, const QString& ID);
    void SetCtrlVal(int c, int r, const QString& ID, const QString& Value);
    virtual QString GetCellFloatFormat(int ACol, int ARow);
    // A printf float format with the regional decimal separator; EConvertError for a format of other values.
    static QString FormatFloat(const QString& Format, double Value);
    virtual int GetVersionNr();
    virtual QString GetVersionString();
    QString Version() { return GetVersion(); }
    QString GetVersion();
    bool URLShow() const;
    void SetURLShow(bool Value);
    bool URLShowInText() const;
    void SetURLShowInText(bool Value);
    bool URLFull() const;
    void SetURLFull(bool Value);
    TColor URLColor() const;
    void SetURLColor(TColor Value);
    VX_GRID_PROPERTY(bool, URLEdit)
    bool URLUnderlineOnHover() const;
    void SetURLUnderlineOnHover(bool Value);
    // Bulk fills of the normal cells, or of every cell with DoFixed; CellsLoaded runs once afterwards.
    void TextFill(bool DoFixed, const QString& Txt);
    void FormatFill(bool DoFixed, const QString& Fmt);   // a printf format of the column, then the row
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    virtual void CellsLoaded() {}

    // Header lists (VxStringGridHeaders.cpp): "\\n" in an entry is a line break in the cell.
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    void ClearRowHeaders();
    void ShowRowHeaders();
    // The cell checker: each cell passes through Correct and MarkError; true when no cell changed.
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);
    // The print layout's width and indent of a column: below 512, or of a wider grid once printed; EVxGridError
    // for others.
    int PrintColWidth(int ACol) const { return GetPrintColWidth(ACol); }
    int GetPrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const { return GetPrintColOffset(ACol); }
    int GetPrintColOffset(int ACol) const;
    void SetPrintColMetrics(int ACol, int Width, int Indent);
    void SplitAllColumnCells();
    void MergeListedColumns();
    void MergedColumnsChanged();   // the listed columns merged anew
    void SetLookupItems(const QStringList* Value);   // none keeps the items
    void RichEditSelChanged(QObject* Sender);
    TNotifyEvent OnRichEditSelectionChange;

    // Scrolling (VxStringGridScroll.cpp): display indexes.
    void ScrollInView(int ColIndex, int RowIndex);
    void ScreenToCell(TPoint pt, int& ACol, int& ARow) const;
    bool IsOnSizingEdge(int X, int Y);
    TScrollBarAlways ScrollBarAlways() const;
    void SetScrollBarAlways(TScrollBarAlways Value);
    bool ScrollProportional() const;
    void SetScrollProportional(bool Value);
    void UpdateHScrollProportional();
    void UpdateVScrollProportional();
    bool ScrollHintShowing() const;
    QString ScrollHintText() const;
    TDragScrollOptions& DragScrollOptions();
    TDragScrollDirections DragScrollDirection() const;
    bool DragScrollTimerActive() const;
    // A drag hovers over the grid at client point (X, Y): scrolls near an edge.
    void DragScrollOver(int X, int Y, TDragState State);
    void DragScrollTick();
    virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    TScrollHintEvent OnScrollHint;
    TScrollCellEvent OnScrollCell;
    TDragScrollEvent OnDragScroll;

    // Size changes and stretching (VxStringGridSizing.cpp).
    void StretchRightColumn();
    void ApplyColumnStretch(int ACol);
    virtual void UpdateColumnSize(int ACol, int& AWidth);
    virtual void UpdateAutoColumnSize(int ACol, int& AWidth);
    // The mouse handling tells of the end of a user resize of one column or row, with its size at the start.
    void ColumnSized(int ACol, int StartWidth);
    void RowSized(int ARow, int StartHeight);
    bool ColSizeFlg() const;
    void SetColSizeFlg(bool Value);
    TUpdateColumnSizeEvent OnUpdateColumnSize;

    // Auto-sizing (VxStringGridAutoSize.cpp).
    void AutoSizeCol(int ACol, int Padding);
    void AutoSizeColumnWidth(int ACol, bool GrowOnly);
    void AutoSizeColumns(bool DoFixedCols, int Padding);
    void AutoSizeRow(int ARow, int Padding);
    void AutoSizeRowHeight(int ARow, bool GrowOnly, int Padding);
    void AutoSizeRows(bool DoFixedRows, int Padding);
    void SizeRowToLines(int ARow, int Lines, int Padding);
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();

    // Selection queries (VxStringGridSelectedCells.cpp): display indexes.
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    QString SelectedText();
    bool IsSelected(int ACol, int ARow);
    TGridCoord GetSelectedCell(int i) const;
    TGridCoord SelectedCell(int i) const { return GetSelectedCell(i); }
    int SelectedRowCount();
    int SelectedColCount();
    int GetSelectedRow(int i);
    int SelectedRow(int i) { return GetSelectedRow(i); }

    // ---- Nodes, moving rows and columns, grouping, sorting, column and row calculations
    // Sorting (VxStringGridSort.cpp): rows FixedRows .. RowCount - FixedFooters - 1, columns are display indexes.
    TSortSettings& SortSettings() const;
    virtual void QSort();
    virtual void QSortIndexed();          // raises EVxGridError without sort indexes
    virtual void QUnSort();               // back to the order of the last InitSortXRef
    // The children of each expanded node of the deepest level, each node's rows among themselves.
    virtual void QSortGroup() { SortGroups(false); }
    virtual void QSortGroupIndexed() { SortGroups(true); }
    void SortGroups(bool Indexed);
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    void InitSortXRef();
    const TSortXRef& SortRowXRef() const;
    int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    int CompareRowsByColumn(int ACol, int ARow1, int ARow2);
    int CompareRowsByIndex(int Index, int ARow1, int ARow2);
    int SortDir() const;
    int Compares() const;
    int Swaps() const;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    TRowUpdateEvent OnRowUpdate;

    // Column and row calculations, the floating footer (VxStringGridCalc.cpp). FromRow or ToRow -1: every
    // normal row.
    TFloatingFooter& FloatingFooter() const;
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    int ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double DoGroupCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int fromCol, int toCol);
    double RowAvg(int ARow, int fromCol, int toCol);
    double RowMin(int ARow, int fromCol, int toCol);
    double RowMax(int ARow, int fromCol, int toCol);
    virtual void CalcFooter(int ACol) { CalcFloatingFooter(ACol); }
    void CalcFloatingFooter(int ACol);
    void UpdateFooter();
    TColumnCalcType ColumnCalc(int c);
    void SetColumnCalc(int c, TColumnCalcType Value);
    QString ExpandFooterTemplate(const QString& Template);   // over the current row
    TColumnCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;
    TFooterCalcEvent OnFooterCalc;
    TFooterPanel* FooterPanel() const;   // made when the footer is first shown
    TFooterPaintEvent OnFooterPaint;
    TNotifyEvent OnCreatedFloatingFooter;

    // Nodes (VxStringGridNodes.cpp). The operations that change the outline take real rows; the queries,
    // SetNodeState, GetParentRow and RemoveNormalRow display rows. Contracted children are hidden rows.
    const TGridNodes& Nodes() const;   // by real row
    void AddNode(int ARow, int Span);
    void MarkSummaryRow(int ARow);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    void InsertNormalRow(int ARow);
    void RemoveNormalRow(int ARow);
    // InsertAt 0 at a node row: the new row comes just below it and takes the node row's cells.
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);
    bool IsNode(int ARow) const;
    bool IsSummary(int ARow) const;
    bool GetNodeState(int ARow) const;   // contracted
    bool NodeState(int ARow) const { return GetNodeState(ARow); }
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow) const;
    int GetNodeSpan(int ARow) const;
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow) const;
    void UpdateSubNodeCount(int ARow, int Delta);
    int GetParentRow(int ARow) const;   // a top-level node row is its own parent
    bool HasNodes() override;
    int GetNodeIndent(int ARow) override;   // the row's level times CellNode.NodeIndent
    int GetNodeSpanType(int ARow) const;   // 0 node row, 2 the tree line goes on below, 1 it closes
    bool IsInNodeGlyph(int ARow, int X);
    void PaintNodeGlyph(TCanvas& C, int ARow, const TRect& R);   // column 0, over the cell's content
    // Expand buttons: a cell that switches its row between two heights.
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    TRect GetExpandButtonRect(int ACol, int ARow);

    // Grouping (VxStringGridGroup.cpp).
    TGrouping& Grouping() const;
    virtual void Group(int Colindex);
    virtual void UnGroup();
    // A second level inside the groups of a grouped grid, by another column.
    void SubGroup(int Colindex);
    void SubUnGroup(int Colindex);
    void GroupCalc(int Colindex, int method);
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int Colindex);
    void GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
    void GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
    void GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }

    // Moving rows and columns, the column order (VxStringGridMove.cpp).
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void MoveRows(int FromIndex, int ToIndex, int Count);
    void SetColumnOrder();
    void ResetColumnOrder();
    int ColumnPosition(int ACol);
    int ColumnAtPosition(int ACol);
    int ColumnByHeader(const QString& AValue);
    void AddRotated(int ACol, int ARow, std::int16_t AAngle, const QString& s);
    void SetRotated(int ACol, int ARow, std::int16_t AAngle);
    void RemoveRotated(int ACol, int ARow);
    bool IsRotated(int ACol, int ARow, int& aAngle);   // aAngle is left alone for any other cell
    QString WideCells(int i, int j) { return GetCellEx(i, j); }
    void SetWideCells(int i, int j, const QString& Value) { SetCellEx(i, j, Value); }


    // ---- Filtering, find and replace, layout and settings persistence, picture and marker cells
    // Filtering (VxStringGridFilter.cpp): conditions per column, applied as stacked filter levels of hidden rows.
    TFilter& Filter() const;
    bool FilterActive() const;
    void SetFilterActive(bool Value);
    virtual bool MatchFilterRow(int ARow);
    void FilterRow(int ARow);
    void ApplyFilter();
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // AColumn -1 matches the text anywhere in the row. An empty condition takes off the filter levels only.
    void NarrowDown(const QString& ACondition, int AColumn = -1);
    // The filter pop-up sets the column before telling the chosen entry or the checked entries.
    int FilterCol() const;
    void SetFilterCol(int Value);
    virtual void FilterSelected(int ItemIndex);
    virtual void FilterChecked(const std::vector<int>& CheckedItems);
    TCustomFilterEvent OnCustomFilter;
    TFilterProgressEvent OnFilterProgress;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;

    // Find and replace (VxStringGridFind.cpp). Cells are (column, row); (-1, -1) when none.
    TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindFirst(const QString& s, TFindParams FindParams);
    TPoint FindNext();
    int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
    int Search(const QString& s);
    TPoint SearchCell() const;
    QString SearchCache() const;
    int FindCol() const;
    void SetFindCol(int Value);
    int FindRow() const;
    void SetFindRow(int Value);

    // Layout and settings persistence (io/VxStringGridLayout.cpp, io/VxStringGridPrintSettings.cpp). Stored
    // input is checked whole first: bad input raises EConvertError and changes nothing.
    QString ColumnStatesToString();
    void StringToColumnStates(const QString& Value);
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    void SavePrintSettings(const QString& Key, const QString& Section);
    void LoadPrintSettings(const QString& Key, const QString& Section);
    // The colours, fonts and look as name=value lines (io/VxStringGridVisualProps.cpp). Saving writes the file
    // whole or not at all; a load stops at the first bad value, keeping what it applied before it.
    void SaveVisualProps(const QString& FileName);
    void LoadVisualProps(const QString& FileName);

    // Picture, indicator and marker cells (VxStringGridCellObjects.cpp): real column, display row unless named.
    // Each Add... or Create... replaces the cell's graphic; objects passed in stay the caller's, objects made by a
    // Create... belong to the graphic. Pictures and icons are bitmaps here.
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBitmap); }
    void AddPicture(int ACol, int ARow, TBitmap* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    TBitmap* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                           TCellHAlign hal, TCellVAlign val);
    TBitmap* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctPicture); }
    void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctFilePicture); }
    void AddIcon(int ACol, int ARow, TBitmap* AIcon, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctIcon); }
    // The image-list cells need GridImages.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctImageList); }
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctDataImage}); }
    void RemoveDataImage(int ACol, int ARow);
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctImages); }
    void AddInterfacedCell(int ACol, int ARow, ICellGraphic* AObject);
    ICellGraphic* GetInterfacedCell(int ACol, int ARow);
    void RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctInterface); }

    // Indicators. A progress bar, range indicator and rating show the cell text's value.
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int Min, int Max);
    void RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctProgress); }
    void AddVxProgress(int ACol, int ARow, int Min, int Max);
    void RemoveVxProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctXPProgress); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow)
    {
        RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRangeIndicator);
    }
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctShape); }
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    void RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRating); }
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);   // NewRate in half steps
    TRatingChangeEvent OnRatingChange;
    // With AutoRange the page size follows the row height and the range the height of the cell text.
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctScrollbar); }
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);

    // Comments, error markers, balloons and buttons.
    void AddComment(int ACol, int ARow, const QString& Comment);
    void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
    bool IsComment(int ACol, int ARow, QString& Comment);
    QString GetComment(int ACol, int ARow);
    QString CellComment(int ACol, int ARow) { return GetComment(ACol, ARow); }
    void SetComment(int ACol, int ARow, const QString& Value);
    void RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctComment); }
    void RemoveAllComments();
    // A marker keeps the cell's graphic: it lives in fields of its own.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    // On a check box or radio button the balloon is attached to it; on another graphic nothing happens.
    void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
    bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon);
    void RemoveBalloon(int ACol, int ARow);
    void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                             TCellVAlign val);
    // These three and GetCellGraphicRect take a display column.
    void SetButtonText(int ACol, int ARow, const QString& Caption);
    QString GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool Push);
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBitButton); }
    void RemoveAllButtons();
    TRect GetCellGraphicRect(int ACol, int ARow);

    // ---- Interaction: keys, Tab and row appending, wheel and panning, grid timer, update lock (src/grid/interaction/)
    // Painting stays off while the lock is held; every call counts, whether the grid is shown or not.
    void BeginUpdate();
    void EndUpdate();
    void StartUpdate();   // counts without switching painting off
    void ResetUpdate();
    bool LockUpdate() const;
    void SetLockUpdate(bool Value) { Value ? BeginUpdate() : EndUpdate(); }
    int UpdateCount() const;
    // One Tab step; false when the Tab went on to the next control of the window.
    bool TabAdvance(bool Backward);
    bool IsSelectableCell(int ACol, int ARow);
    int FirstSelectableCol(int ARow);
    int LastSelectableCol(int ARow);
    int TabStartCol();
    int VisibleFixedRightCols() const;
    bool IsLastNormalRow() const;
    void AutoAddRow();
    virtual void GotoFirstRow();
    void ShowInplaceEdit();
    void HideInplaceEdit();
    // OnEditingDone now, OnEditCellDone once the current event has been handled.
    void PostEditingDone(int ACol, int ARow);
    void SimulateCellClick(int ACol, int ARow);
    bool IsHoverFixedCell(int ACol, int ARow) const;
    bool EnableBlink() const;
    void SetEnableBlink(bool Value);
    bool GridBlink() const;
    int TimerTicks() const;
    const QString& SearchInc() const;
    void SetSearchInc(const QString& Value);   // a typed character restarts the forgetting
    bool WheelPanning() const;
    QChar StartEditChar() const;   // the character that opened the editor

    TAutoAddRowEvent OnAutoAddRow;
    TRowChangingEvent OnRowChanging;
    TCellChangingEvent OnCellChanging;
    TColChangingEvent OnColChanging;
    using TClipboardEvent = std::function<void(QObject* Sender, bool& Allow)>;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardPaste;
    TWheelEvent OnMouseWheelDown;
    TWheelEvent OnMouseWheelUp;
    TNotifyEvent OnEditingDone;
    TEditCellDoneEvent OnEditCellDone;
    void BuildCellHint(QString& HintStr, THintInfo& HintInfo);
    // The owning window was resized: with SizeWithForm the grid follows its change in size.
    void OwnerFormResize(QWidget* Sender);
    // The column widths and the grid width that column synchronisation scales from.
    void InitOrigColSizes();
    TNotifyEvent OnGridResize;
    TAnchorHintEvent OnAnchorHint;
    // The keypad's decimal key types the locale's decimal separator.
    bool ExcelStyleDecimalSeparator() const;
    void SetExcelStyleDecimalSeparator(bool Value);
    // Insert and Delete with Navigation.AllowInsertRow and AllowDeleteRow; display rows.
    void AutoInsertRow(int ARow);
    void AutoDeleteRow(int ARow);
    TCanDeleteRowEvent OnCanDeleteRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TAutoDeleteRowEvent OnAutoDeleteRow;

    // ---- In-place editing
    // In src/grid/edit/GridEditing*.cpp; display columns unless named real.
    bool IsEditable(int ACol, int ARow);
    void HideCellEdit();   // commits the special editor of the current cell
    void ShowCellEdit();   // as F2
    // Validates and stores the value of the open edit; true when accepted or nothing was being edited.
    virtual bool ValidateCell(const QString& NewValue);
    virtual void SetEditedCellText(int ACol, int ARow, const QString& Value);   // real column
    virtual void CancelCellEdit();
    virtual void ColumnValueChanged(int, int) {}   // the footer sums hook in here
    virtual void CaptureOldCell(int ACol, int ARow);
    virtual void CellChanging(int ACol, int ARow, bool& Allow);
    virtual void DoGetEditorProp(int ACol, int ARow, QObject* AEditLink);
    bool HasCellValidation() const;
    // The open edit, for the editors (grid/edit/EditSession.h).
    TGridEditSession& EditSession() const;
    // Completion of typed text from LookupItems (and the combo's items).
    bool Lookup() const;
    void SetLookup(bool Value);
    bool LookupCaseSensitive() const;
    void SetLookupCaseSensitive(bool Value);
    bool LookupHistory() const;
    void SetLookupHistory(bool Value);
    bool AlwaysValidate() const;
    void SetAlwaysValidate(bool Value);
    ZEvuZudedoZadaRudiv* CellChecker() const;
    void SetCellChecker(ZEvuZudedoZadaRudiv* Value);   // forgotten when it goes
    void AdvanceEditCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursed, bool ShowEditor);
    // Ends a special edit by a key: commits it, then the key moves the grid.
    void DoneInplaceEdit(std::uint16_t Key, TShiftState Shift);
    void DoEllipsClick(int ACol, int ARow, QString& S);
    bool EditMode() const;
    TEditorType EditControl() const;
    QWidget* EditCtrl() const;
    // The program's own editor of edCustom cells; not owned, forgotten when it goes.
    TEditLink* EditLink() const;
    void SetEditLink(TEditLink* Value);
    bool GridModified() const;
    void SetGridModified(bool Value);
    QString NewCellText() const;
    QString CellCache() const;
    void SetNoAutoAdvance(bool Value);
    TGridCombo* EditCombo();   // made on first use
    // These children are made on first use; none at design time.
    TGridCheckBox* EditCheck() const;
    TGridEditBtn* EditBtn() const;
    TGridUnitEditBtn* UnitEditBtn() const;
    TGridButton* GridButton() const;
    TGridSpin* SpinEdit();                 // made on first use
    TGridDatePicker* DatePicker();         // made on first use
    TDropDownCellEditor* DropDownEditor(TEditorType Kind);   // nullptr when no drop-down library made one
    // The one combo item list, filled for the cell about to be edited.
    void ClearComboString();
    void AddComboString(const QString& S);
    void AddComboStringObject(const QString& S, TObject* AObject);
    bool RemoveComboString(const QString& S);
    bool SetComboSelectionString(const QString& S);
    void SetComboSelection(int Idx);
    int GetComboCount() const;
    int ComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);   // throws std::out_of_range for an index outside the list

    TCellValidateEvent OnCellValidate;
    TRowChangedEvent OnRowChanged;
    TAutoAdvanceEvent OnAutoAdvance;
    TAutoInsertColEvent OnAutoInsertCol;
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;
    TEditChangeEvent OnEditChange;
    TGetEditorPropEvent OnGetEditorProp;
    TGetEditMaskEvent OnGetEditMask;
    TEllipsClickEvent OnEllipsClick;
    TSpinClickEvent OnSpinClick;

    // ---- Mouse: press, movement and leave, release, double click, right button (src/grid/interaction/)
    TMouseSelectMode MouseSelectMode() const;
    std::uint32_t SortTime() const;   // milliseconds the last header-click sort took
    // Cells picked one by one under disjunct cell selection; any row and column.
    bool GetSelectedCells(int ACol, int ARow) const;
    void SetSelectedCells(int ACol, int ARow, bool Value);
    int SelectedCellsCount();
    void ClearSelectedCells();
    // The text of the sizing hint while a column or row is sized with the hint on; empty otherwise.
    const QString& SizingHint() const;
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual void DoClickSort(int ACol);
    // Called with the whole normal area just before a click on the top-left cell selects it.
    virtual void SelectAllRect(TGridRect&) {}
    TCanClickCellEvent OnCanClickCell;
    TClickCellEvent OnClickCell;
    TDblClickCellEvent OnDblClickCell;
    TClickCellEvent OnRightClickCell;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TAnchorClickEvent OnAnchorClick;
    TCanSortEvent OnCanSort;
    TClickSortEvent OnClickSort;
    TColumnSizeEvent OnColumnSize;
    TColumnSizingEvent OnColumnSizing;
    TRowSizingEvent OnRowSizing;
    TEndColumnSizeEvent OnEndColumnSize;
    TEndRowSizeEvent OnEndRowSize;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;

    // ---- Drag and drop, search footer, filter lists, form controls, custom and header editors, auxiliary windows
    // Clipboard and tab-separated text (io/VxStringGridClipboard.cpp). Columns are displayed ones. The text
    // is a spreadsheet's: tabs between cells, CR LF after rows, a cell with a line break, tab or leading
    // quote in quotes (inner quotes doubled, line breaks as LF).
    // Fields on the longest line (X) and line breaks (Y) of tab-separated text.
    static TPoint MeasureTabText(const QString& Text);
    // Pastes from (ACol, ARow) on as one undo sequence, growing the grid as Navigation allows; Rows and Cols
    // get the lines and the most fields of a line; the result counts the fields pasted. A drop (Dropped)
    // writes into any cell it lands on and never grows the grid: the drop has made room already.
    int PasteTextBlock(int ACol, int ARow, int& Rows, int& Cols, const QString& Text, bool Dropped = false);
    QString RectAsText(const TGridRect& R, bool OnlySelected);
    void CopySelectionToClipboard();
    void CopyToClipBoard();   // the save range
    void CutToClipboard();    // the save range
    void CutSelectionToClipboard();
    void CopyToClipBoardAsHTML();
    void PasteFromClipboard();   // at the save range's top-left cell
    void PasteSelectionFromClipboard();
    QString GetSelectionAsText() { return RectAsText(Selection(), false); }
    void SetSelectionAsText(const QString& Value);   // raw: no events, no undo, no editability check
    // One pasted value: undo, check-box state or text.
    virtual void PasteCellText(int ACol, int ARow, const QString& Value);
    virtual void PasteStarting() {}
    virtual void PasteFinished() {}
    // Marks the pasted rows modified; TopLeft is the copy's own top-left when it came from this grid.
    virtual void CellsPasted(TPoint TopLeft, const TGridRect& R, TClipOperation LastOp);
    virtual bool AllowFormattedClipboard();
    TClipboardPasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
    // The counts and the writer's ID of a cell stream's head; false when it has none.
    static bool BinStreamHead(const QByteArray& Stream, int& Cols, int& Rows, std::int32_t& ID);
    // The binary cell stream (io/VxStringGridBinStream.cpp): text, properties and graphics of a rectangle.
    // Files throw EVxGridError with the toolkit's file and stream texts.
    QByteArray SaveRectToBinStream(const TGridRect& ARect);
    QByteArray SaveToBinStream();   // the save range
    void SaveToBinFile(const QString& FileName);
    // False, with nothing changed, when the stream is damaged; a block grows the grid by its rows, a full
    // grid replaces it; cells past the grid's edge are left out.
    bool LoadAtPointFromBinStream(TPoint ACell, const QByteArray& Stream);
    bool LoadFromBinStream(const QByteArray& Stream);
    void LoadFromBinFile(const QString& FileName);
    // Whole percentages of a file or stream written or read; fired only when the value changes.
    TFileProgressEvent OnFileProgress;
    // CSV in the grid's dialect (src/grid/io/VxStringGridCsv.cpp): Delimiter (none: "," written, guessed on
    // reading), quotes, multi-line cells. Unicode writes UTF-8 after a byte-order mark, else the system code
    // page. Failures raise EVxGridError, or std::runtime_error "File is empty"; nothing changes before the
    // file is read whole. Rows and columns past what a grid takes are left out, and said so in LeftOut.
    // MaxRows of 0 or less loads every line. A file of 0 bytes changes nothing.
    void SaveToCSV(const QString& FileName, bool Unicode = false);
    void AppendToCSV(const QString& FileName, bool Unicode = false);   // the file must exist
    void LoadFromCSV(const QString& FileName, int MaxRows = -1, QString* LeftOut = nullptr);
    void InsertFromCSV(const QString& FileName, int MaxRows = -1, QString* LeftOut = nullptr);   // after the last row
    void LoadFromCSVStream(QIODevice& AStream, int MaxRows = -1);   // from the stream's position to its end
    // The grid's own text forms (src/grid/io/VxStringGridText.cpp). The native format: "<cols>,<rows>", a
    // "cw <col>,<width>" line per column and a "<col>,<row>,<text>" line per non-empty cell; line breaks in a
    // cell are masked. Files: the system code page or, with Unicode, UTF-16LE after a byte-order mark; cells
    // outside the grid a file declares are skipped. Failures raise EVxGridError; a failed load keeps the cells
    // read so far. No user input is served while a file loads.
    void SaveToFile(const QString& FileName, bool Unicode = false);
    void LoadFromFile(const QString& FileName);
    // At the stream's position, UTF-16LE without a mark, coordinates relative to the save range. Loading stops
    // at the first line that is no native line and leaves the stream there.
    void SaveToStream(QIODevice& Stream);
    void LoadFromStream(QIODevice& Stream);
    // Fixed-width columns: Widths in characters (columns past its end get their longest text plus 1, added
    // to the list); Positions are 1-based field starts, the last one the end of the last field (sorted here).
    void SaveToFixed(const QString& FileName, TIntList& Widths);
    void LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
    // A column-aligned table for people, aligned as the cells are.
    void SaveToASCII(const QString& FileName, bool Unicode = false);
    void AppendToASCII(const QString& FileName, bool Unicode = false);
    // HTML (src/grid/io/VxStringGridHtml.cpp) by HTMLSettings: one table, a CSS class per look, merged cells
    // as spans, pictures as JPEG files Dir + "images/img<n>.jpg" (an empty Dir: the current folder).
    QString SaveToHTMLString(const QString& Dir);
    // Without Unicode the file is 7-bit ASCII, other characters as numeric references; with it UTF-16LE.
    // Show (or AutoPreview) opens the file afterwards.
    void SaveToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    void AppendToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    // XML (src/grid/io/VxStringGridXml.cpp): one element per row, one per written cell, in XMLEncoding with
    // characters it lacks as numeric references. FieldDescr names the cell elements ("FIELD<n>" past its end).
    void SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                   const QStringList* FieldDescr, bool ExportEmptyCells);
    // Any document: the root's children are the rows, their attributes and leaf elements the cells.
    void LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr);
    // Spreadsheets (.xlsx), documents (.docx) and SQLite databases (src/grid/io/VxStringGridOffice.cpp), all
    // over the save range and the export text of its cells (src/grid/io/VxStringGridSaveRange.cpp). Failures
    // raise EVxGridError or std::runtime_error with the text a user is shown; the cursor is an hourglass
    // meanwhile. No office program runs beside the grid, so there is no open workbook or document to write
    // into: CreateNewSheet and CreateNewDocument make no difference.
    QStringList GetXLSSheets(const QString& FileName);
    void LoadFromXLS(const QString& FileName);   // the active sheet
    void LoadFromXLSSheet(const QString& FileName, const QString& SheetName);
    void SaveToXLS(const QString& FileName, bool CreateNewSheet);
    void SaveToXLSSheet(const QString& FileName, const QString& SheetName);   // other sheets are kept
    void SaveToDOC(const QString& FileName, bool CreateNewDocument);
    void AppendToDoc(const QString& FileName, const QString& Bookmark);
    void LoadFromMDBTable(const QString& FileName, const QString& Table);
    void LoadFromMDBSQL(const QString& FileName, const QString& SQL);
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    virtual void SaveCellText(int ACol, int ARow, QString& Value);   // ACol: a real column
    TCellTextEvent OnSaveCell;
    // Drag and drop (src/grid/interaction/GridDragDrop.cpp).
    TDragDropSettings& DragDropSettings() const;
    TGridDropTarget* GridDropTarget() const;
    bool OleDropTargetAssigned() const;
    void SetOleDropTargetEnabled(bool Value);   // the settings' OleDropTarget setter calls this
    // Runs the drag of the selection (or, from a fixed row with OleColumnDragDrop, of column ACol, a real
    // column) once the mouse has armed it. A move empties the source, except cells the drop landed on.
    void StartOleDrag(int ARow, int ACol);
    // The search footer strip (src/grid/interaction/SearchPanel.cpp), made when first shown or asked for;
    // none at design time.
    TSearchPanel* SearchPanel() const;
    void SearchFooterChanged();   // applies SearchFooter to the strip
    // The strip's reactions: search as typed, next, previous, highlight toggled, close.
    void SearchEditChange();
    void SearchFindNext();
    void SearchFindPrevious();
    void SearchHighlightClick();
    void SearchFooterClose();
    TSearchEditChangeEvent OnSearchEditChange;
    TNotifyEvent OnSearchFooterClose;
    // Form controls inside mini-HTML cells and header editing (src/grid/interaction/GridFormControls.cpp).
    // CtrlRect is the control's rectangle in client pixels, as the renderer reported it.
    void ShowHTMLControlEditor(const QString& S, const QString& CtrlType, int ARow, int RealCol, int ACol,
                               const TRect& CtrlRect, const QString& CtrlValue, const QString& CtrlID);
    void EndHTMLControlEdit();   // writes the value back into the control's tag
    // Opens the editor of the cell's next inline control after ID (the first for an empty ID) that one types
    // into; the grid takes the focus when there is none.
    void ActivateHTMLControl(int ACol, int ARow, const QString& ID);
    void ControlComboSelect();
    void EditFixedCell(int ACol, int ARow);
    bool ControlEditing() const;
    QString EditedControlID() const;   // the inline control edited last
    TControlEdit* ControlEdit() const;   // this and the three below are made on first use
    TControlCombo* ControlCombo() const;
    TGridTransEdit* TransEdit() const;
    TGridTransCombo* TransCombo() const;
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    TControlEditDoneEvent OnControlEditDone;
    // The filter drop-down of a header (src/grid/interaction/VxStringGridFilterDropDown.cpp).
    TFilterDropDown& FilterDropDown() const;
    TDropList* DropList() const;   // the filter lists are made on first use
    TDropCheckList* DropCheckList() const;
    // A column dragged from item AIndex of a list (a column chooser) is pending until a column drop takes it.
    void OleColumnDragStart(int ACol, int AIndex, QListWidget* AList);
    // The source rectangle of a drag inside this grid; rows inserted above it by a drop move it down.
    TGridRect DropSelection() const;
    void SetDropSelection(const TGridRect& Value);
    TOleDragOverEvent OnOleDragOver;
    TOleDropEvent OnOleDrop;
    TOleDropEvent OnOleDropFile;
    TOleDropEvent OnOleDropURL;
    TOleDropColEvent OnOleDropCol;
    TOleDroppedEvent OnOleDropped;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDragEvent OnOleDrag;

    // ---- Printing and print preview (grid/io/VxStringGridPrint.cpp, the page engine in grid/io/PrintPageEngine)
    // Rectangles in display columns and rows; a canvas is a painter, its page drawn in 0.1 mm. Without a printer
    // set up, printing asks for a PDF file to print into.
    void Print();
    void PrintRect(const TGridRect& Gridrect);
    void PrintSelection();
    void PrintSelectedRows();
    void PrintSelectedCols();
    void PrintPreview(QPainter* Canvas, const TRect& Displayrect);
    void PrintPreviewRect(QPainter* Canvas, const TRect& Displayrect, const TGridRect& Gridrect);
    void PrintPreviewSelection(QPainter* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedRows(QPainter* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedCols(QPainter* Canvas, const TRect& Displayrect);
    void PrintDraw(QPainter* Canvas, const TRect& DrawRect);
    void PrintDrawRect(QPainter* Canvas, const TRect& DrawRect, const TGridRect& Gridrect);
    void PrintGridRect(QPagedPaintDevice& Device, const TGridRect& Gridrect, bool OnlySelected);
    int PrintPages(TPrintCanvas& Canvas, TPrintMode Mode, bool OnlySelected, int PageCount);
    int PrintNrOfPages() { return PrintState().PageNum; }
    int MapFontHeight(int PointSize);
    static int MapFontSize(int Height);
    bool FastPrint() { return PrintState().FastPrint; }
    void SetFastPrint(bool Value) { PrintState().FastPrint = Value; }
    bool IsPrintPreview() { return PrintState().IsPrintPreview; }
    TGridPrintState& PrintState();
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
    TPrintStartEvent OnPrintStart;
    TPrintPageEvent OnPrintPage;
    TPrintNewPageEvent OnPrintNewPage;
    TPrintPageDoneEvent OnPrintPageDone;
    TPrintCancelEvent OnPrintCancel;
    TFitToPageEvent OnFitToPage;
    TPrintColumnWidthEvent OnPrintSetColumnWidth;
    TPrintRowHeightEvent OnPrintSetRowHeight;
    TPrintPageNumEvent OnPrintGetPageNum;
protected:
    // ---- Overrides: check boxes, typed values, header lists and highlighting, scrolling, size changes and stretching, auto-size
    void resizeEvent(QResizeEvent* event) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void GetDisplText(int ACol, int ARow, QString& Value) override;
    void WMHScroll(TScrollCode Code, int Pos) override;
    void WMVScroll(TScrollCode Code, int Pos) override;
    void ScrollRangeUpdated() override;
    void SetFilterListEntries(const QStringList& Entries);

    // ---- Overrides: nodes, moving rows and columns, grouping, sorting, column and row calculations
    virtual void SortSwapRows(int ARow1, int ARow2);
    void FooterChanged() override { UpdateFooter(); }
    void ColumnMoved(int FromIndex, int ToIndex) override;   // the column order follows

    // ---- Overrides: filtering, find and replace, layout and settings persistence, picture and marker cells
    void FindCell(TPoint StartCell, const QString& s, TPoint& Result, TFindParams FindParams);
    bool MatchFindCell(int ACol, int ARow);
    void CellTextChanged(int ACol, int ARow) override;   // an auto-range cell scroll bar follows its text
    // After a chosen filter entry: with AutoFilterUpdate the filter goes on again and the filter-done event fires.
    void FilterEntryChosen();

    // ---- Overrides: interaction (src/grid/interaction/)
    // The one way Qt's key, wheel, timer and posted events reach the grid's handlers.
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void DoEnter() override;
    void DoExit() override;
    // The grid's key-down step; true when the key was used up here.
    virtual bool WMKeyDown(std::uint16_t& Key, TShiftState Shift);
    // A typed character; true when it was used up here.
    virtual bool WMChar(QChar& Key);
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
    // The 500 ms tick: incremental-search reset, hover focus, blinking text.
    virtual void WMTimer();
    virtual void DoWheelScroll(int Delta, bool& Handled);
    virtual void DoF2Key() {}
    virtual void DoKeySelectRect(TGridRect&) {}

    // ---- Overrides: in-place editing
    bool CanEditShow() override;
    void HideEditor() override;
    TInplaceEdit* CreateEditor() override;
    void KeyPress(QChar& Key) override;
    void Click() override;
    QString GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;
    virtual void OpenEditControl(int ACol, int ARow);
    virtual void CommitEditControl(int ACol, int ARow);

    // ---- Overrides: mouse (src/grid/interaction/)
    virtual void WMLButtonDown(TWMMouse& Message);
    virtual void WMLButtonUp(TWMMouse& Message);
    virtual void WMLButtonDblClk(TWMMouse& Message);
    virtual void WMRButtonDown(TWMMouse& Message);
    virtual void WMRButtonUp(TWMMouse& Message);
    virtual void CMMouseLeave();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

    // ---- Overrides: base grid
    bool IsFixed(int ACol, int ARow) override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    // End of loading: headers written, minimum counts recorded, the grid marked loaded.
    virtual void Loaded();
    void Paint() override;
    void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    // How a fixed cell is drawn for the mouse: 0 normal, 1 hot, 2 pressed (ButtonPressed: on its drop-down
    // button). Read from the pointer and the left button while the mouse state lives elsewhere.
    virtual int FixedCellHotState(int ACol, int ARow, bool& ButtonPressed);

private:
    // The hosts that work on the grid's state, which lives in VxStringGridPrivate.h; editors use the session.
    friend class TGridEditSession;
    friend class TPrintPageEngine;
    friend class TGridPaintHost;
    friend class TGridSortHost;
    friend class TFloatingFooter;
    friend class TFooterPanel;
    friend class TGridFilterHost;
    friend class TGridDropTarget;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
};

#undef VX_GRID_PROPERTY
