#pragma once
// The toolkit grid: a scrolling window of cells with fixed rows and columns, a current cell and selection,
// standard mouse and keyboard handling and an in-place editor, each step behind a virtual operation.
#include "platform/Canvas.h"
#include "platform/GridCoord.h"
#include "grid/model/GridStore.h"
#include "platform/KeyCodes.h"
#include "platform/Property.h"
#include "platform/Types.h"
#include <QAbstractScrollArea>
#include <QFlags>
#include <functional>
#include <memory>
#include <stdexcept>

class TGridAxis;
class TInplaceEdit;

enum class TGridOption : unsigned {
    goFixedVertLine = 0x1,
    goFixedHorzLine = 0x2,
    goVertLine = 0x4,
    goHorzLine = 0x8,
    goRangeSelect = 0x10,
    goDrawFocusSelected = 0x20,
    goRowSizing = 0x40,
    goColSizing = 0x80,
    goRowMoving = 0x100,
    goColMoving = 0x200,
    goEditing = 0x400,
    goTabs = 0x800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
    goThumbTracking = 0x4000,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum class TGridDrawStateItem : unsigned { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum class TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// What a scroll bar reports: a step, a page, the thumb dragged (tracking) or dropped (position), an end.
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// The thumb runs over this many positions, however many rows or columns scroll.
constexpr int kScrollBarMax = 127;
// A * B / C rounded to the nearest integer; 0 for C = 0.
int MulDiv(int A, int B, int C);

// Misuse of the grid's counts.
class EInvalidGridOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCustomGrid : public QAbstractScrollArea {
    Q_OBJECT
    friend class TInplaceEdit;

public:
    explicit TCustomGrid(QWidget* parent = nullptr);
    ~TCustomGrid() override;

    int ColCount() const;
    void SetColCount(int value);                 // at least 1; fixed columns drop below it
    int RowCount() const;
    void SetRowCount(int value);
    int FixedCols() const;
    void SetFixedCols(int value);                // must stay below ColCount
    int FixedRows() const;
    void SetFixedRows(int value);
    int DefaultColWidth() const;
    void SetDefaultColWidth(int value);          // every column takes it
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int value);
    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int value);      // 0 allowed
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int value);

    int LeftCol() const;
    void SetLeftCol(int value);                  // kept between FixedCols and the last useful position
    int TopRow() const;
    void SetTopRow(int value);
    int VisibleColCount() const;                 // fully shown scrollable columns
    int VisibleRowCount() const;
    int ClientWidth() const;
    int ClientHeight() const;
    TRect CellRect(int ACol, int ARow) const;    // empty when the cell is not in view
    TGridCoord MouseCoord(int X, int Y) const;   // -1 outside the cells
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // The thumb of a bar: a position from 0 to kScrollBarMax and a page (the thumb's share of the bar, 0 for the
    // smallest thumb) that stays until it is set again.
    void SetScrollThumb(Qt::Orientation Bar, int Pos, int Page);

    int Col() const { return FCurrent.X; }
    void SetCol(int value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int value);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);   // anchor at the top left, current cell at the bottom right
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TGridState GridState() const { return FGridState; }

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value);
    bool UseRightToLeftAlignment() const { return layoutDirection() == Qt::RightToLeft; }
    // The paint canvas during painting; a measuring canvas with the grid's font at any other time.
    TCanvas* Canvas() const { return FCanvas.get(); }

    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    void InvalidateCell(int ACol, int ARow);
    void InvalidateGrid();
    void DeleteColumn(int ACol);                 // moves it past the end, then drops one column
    void DeleteRow(int ARow);
    void MoveColumn(int FromIndex, int ToIndex); // widths, current cell and editor follow; then ColumnMoved
    void MoveRow(int FromIndex, int ToIndex);

    std::function<void(QObject* Sender)> OnClick;
    std::function<void(QObject* Sender)> OnDblClick;
    std::function<void(QObject* Sender)> OnTopLeftChanged;
    std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;
    std::function<void(QObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)> OnDrawCell;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnGetEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)> OnSetEditText;
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnColumnMoved;
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnRowMoved;
    std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnKeyDown;
    std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnKeyUp;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseDown;
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseUp;
    std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)> OnMouseMove;
    std::function<void(QObject* Sender)> OnEnter;
    std::function<void(QObject* Sender)> OnExit;

protected:
    // Painting: Paint calls DrawCell for every shown cell that meets the dirty rectangle, unclipped.
    virtual void Paint();
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    TRect PaintRect() const { return FPaintRect; }
    void SetGridState(TGridState value) { FGridState = value; }

    virtual bool SelectCell(int ACol, int ARow);
    virtual void Click();
    virtual void DblClick();
    virtual void TopLeftChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // A bar's report; the toolkit's step moves the left column or top row. Pos counts thumb positions.
    virtual void WMHScroll(TScrollCode Code, int Pos);
    virtual void WMVScroll(TScrollCode Code, int Pos);
    // The bars' ranges and thumbs were set anew from the top-left cell.
    virtual void ScrollRangeUpdated() {}

    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);           // fires OnKeyPress; also for the characters typed in the editor
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void DoEnter();
    virtual void DoExit();

    // In-place editing.
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual QString GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();                  // 0: no limit
    virtual void ShowEditor();
    virtual void ShowEditorChar(QChar Ch);       // opens the editor and types the character into it
    virtual void HideEditor();
    virtual void InvalidateEditor();             // reloads the editor from its cell
    virtual void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);

    // Current-cell steps shared by the keyboard and the mouse.
    bool MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void InvalidateGridRect(const TGridRect& r);
    TRect BoxRect(const TGridRect& r) const;     // shown part of a block, in client pixels
    std::int64_t ColOffset(int ACol) const;      // sum of the widths of columns 0..ACol-1
    std::int64_t RowOffset(int ARow) const;

    // Qt events become the toolkit-style steps above.
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ChangeSize(int newColCount, int newRowCount);
    void SetFixedCount(TGridAxis& axis, int value, const char* tooMany);
    void MoveTopLeft(int ALeft, int ATop);
    void ClampInView(TGridCoord cell);
    void ClampCoords();
    void UpdateScrollRange();
    void ConnectScrollBar(Qt::Orientation Bar);
    void ScrollMessage(Qt::Orientation Bar, TScrollCode Code, int Pos);
    void UpdateEdit();                           // shows, reloads or places the editor as the state asks
    void HideEdit();
    void PlaceEditor();
    bool EditorHasFocus() const;
    void FocusChanged();
    TGridCoord ClampedCell(int X, int Y) const;  // the cell nearest to a point, for dragging
    void CalcSizingState(int X, int Y);

    std::unique_ptr<TGridAxis> FCols;
    std::unique_ptr<TGridAxis> FRows;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridOptions FOptions;
    TGridState FGridState = TGridState::gsNormal;
    TScrollStyle FScrollBars = TScrollStyle::ssBoth;
    TColor FColor = clWindow;
    TColor FFixedColor = clBtnFace;
    TFont FFont;
    std::unique_ptr<TCanvas> FCanvas;
    TRect FPaintRect;
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;        // child of the viewport
    TGridCoord FInplaceCell{-1, -1};             // the cell the editor was loaded from
    int FSizingIndex = -1;                       // column or row being sized or moved
    int FSizingOrigin = 0;                       // its leading edge in client pixels
    int FMovePos = -1;                           // where the moved column or row would land
    int FWheelAccumulator = 0;
    bool FFocusInside = false;
    int FHorzPage = 0;                           // thumb pages given by SetScrollThumb
    int FVertPage = 0;
};

// The toolkit string grid: the grid over a sparse store of texts and object references.
class TStringGrid : public TCustomGrid {
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);

    const QString& Cells(int ACol, int ARow) const { return FStore.Text(ACol, ARow); }
    void SetCells(int ACol, int ARow, const QString& value);
    TObject* Objects(int ACol, int ARow) const { return FStore.Object(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* value);
    TGridCells Rows(int ARow) const { return FStore.Row(ARow, ColCount()); }
    void SetRows(int ARow, const TGridCells& value);
    TGridCells Cols(int ACol) const { return FStore.Col(ACol, RowCount()); }
    void SetCols(int ACol, const TGridCells& value);
    const TGridStore& Store() const { return FStore; }

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // For handing whole rows over; the caller repaints.
    TGridStore& CellStore() { return FStore; }

private:
    TGridStore FStore;
};
