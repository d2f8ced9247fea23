#pragma once
// The base of every grid of the library: the toolkit string grid with merged cells, per-cell property
// objects made on demand, display-text hooks, an undo/redo link and its own cell painter.
#include "grid/foundation/GridTypes.h"
#include "platform/Grids.h"
#include <QPointer>
#include <memory>
#include <unordered_map>

class TCellProperties;
class ZIveDoziVadeZizi;

enum class TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum class THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TEnumSet<THoverRowCell>;

class TBaseGrid : public TStringGrid {
    Q_OBJECT
    friend class TCellProperties;

public:
    explicit TBaseGrid(QWidget* AOwner = nullptr);
    ~TBaseGrid() override;

    // Cell text with merged cells and display hooks; the application's way to cells.
    QString Cells(int c, int r) { return GetCellEx(c, r); }
    void SetCells(int c, int r, const QString& Value) { SetCellEx(c, r, Value); }
    QString GetCellEx(int c, int r);
    void SetCellEx(int c, int r, const QString& Value);
    // The raw store: no merging, no hooks.
    QString GetGridCell(int c, int r) const { return TStringGrid::Cells(c, r); }
    void SetGridCell(int c, int r, const QString& Value) { TStringGrid::SetCells(c, r, Value); }
    TObject* GetGridObject(int c, int r) const { return TStringGrid::Objects(c, r); }
    void SetGridObject(int c, int r, TObject* Value) { TStringGrid::SetObjects(c, r, Value); }
    // The user object and the graphic object of a cell, kept in its properties.
    TObject* Objects(int c, int r) const { return GetObjectEx(c, r); }
    void SetObjects(int c, int r, TObject* Value) { SetObjectEx(c, r, Value); }
    TObject* GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, TObject* Value);
    TObject* GetGraphicObjectEx(int c, int r) const;
    void SetGraphicObjectEx(int c, int r, TObject* Value);                  // stays the caller's
    void SetGraphicObjectEx(int c, int r, std::unique_ptr<TObject> Value);  // the grid owns it from now on
    static TObject* GraphicOfProps(const TCellProperties* Props);

    // Cell properties, made on first read for any cell the store accepts (none for negative indexes).
    TCellProperties* CellProperties(int c, int r) { return GetCellProperties(c, r); }
    TCellProperties* GetCellProperties(int c, int r);
    void SetCellProperties(int c, int r, std::unique_ptr<TCellProperties> Value);  // frees the former object
    bool HasCellProperties(int ACol, int ARow) const;
    void FreeCellObjects(int ACol1, int ARow1, int ACol2, int ARow2);
    void FreeCellProps(int ACol, int ARow);     // never the graphic object
    void FreeAllCellObjects();                  // every object the store holds, hidden columns included

    // Merged cells.
    TPoint BaseCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    bool GetBaseCellOf(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    TPoint CellSpan(int ACol, int ARow) const;
    TPoint CellExt(int ACol, int ARow) const;
    TRect FullCell(int c, int r) const;         // cell coordinates, inclusive
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);

    // Geometry.
    TRect CalcCellRect(int ACol, int ARow) const;   // also for cells out of view
    TRect CellRect(int c, int r) const;             // the whole merged range
    TPoint CellSize(int c, int r) const;
    int FixedColsWidth() const { return int(ColOffset(FixedCols())); }
    int FixedRowsHeight() const { return int(RowOffset(FixedRows())); }
    void RepaintCell(int c, int r);
    void MoveToBaseCell();

    // Slots emptied without freeing, for callers that moved the objects elsewhere.
    void ClearColSlots(int ACol);
    void ClearRowSlots(int ARow);
    void ClearCellSlot(int ACol, int ARow);

    // The cell painter: DrawCell paints on the grid's canvas; these on any canvas.
    void PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Background, selection and lines only, in the rectangle given; a selected cell takes the active-row look.
    void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);

    virtual int DisplColIndex(int ACol) const { return ACol; }
    virtual int TotalColCount() const { return ColCount(); }   // hidden columns included

    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value) { FDefaultDrawing = value; }
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool value) { FHoverRow = value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor value) { FHoverRowColor = value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor value) { FHoverRowColorTo = value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells value) { FHoverRowCells = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { FWordWrap = value; }
    ZIveDoziVadeZizi* UndoRedo() const;
    void SetUndoRedo(ZIveDoziVadeZizi* value);   // the link clears itself when the component goes

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

protected:
    // Operations the string grid overrides.
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetNodeIndent(int ARow);
    virtual bool HasNodes();
    virtual void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual void FooterChanged();
    virtual void GetDisplText(int ACol, int ARow, QString& Value);
    virtual void GetDisplWideText(int ACol, int ARow, QString& Value);
    virtual void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                          TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                          TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    virtual void CellTextChanged(int ACol, int ARow);
    virtual bool UseCellBorders();
    virtual bool IsToolkitStyled();
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                     TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                     TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                     TCellGradientDirection& GD);

    // Overrides of the toolkit grid.
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;

    void PaintCellCore(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState, bool Full);

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    int FPaintID = 1;
    bool FCustomSelect = true;
    bool FHideLastRow = false;      // the last row is a hidden footer row
    int FNormalRowCount = 0;        // rows below it get the display-text hooks
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = TGridSelectionStyle::ssDefault;
    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{THoverRowCell::hcNormal, THoverRowCell::hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FShowSel = true;
    bool FHasCellProps = false;
    int FMergeCount = 0;

private:
    TCellProperties* PropsAt(int c, int r) const;  // the slot's properties, whatever the bounds
    TObject* Adopt(std::unique_ptr<TObject> object);
    void Release(TObject* object);                 // frees an object the grid owns
    void StoreCellObject(int c, int r, const std::function<void(TCellProperties*)>& store);
    void RepaintMergedCells(int c1, int r1, int c2, int r2);
    void KeepOffFooterRow();
    bool HasMergeEncoding(int c, int r) const;     // spans other than "not merged", also a 1 x 1 merge
    TRect RangeRect(int c, int r, bool WidenEmptyEnds) const;
    void MoveToRangeBottom();
    bool PaintedInPass(const TCanvas* ACanvas, int BaseCol, int BaseRow) const;

    QPointer<ZIveDoziVadeZizi> FUndoRedo;
    bool FDestroying = false;
    const TCanvas* FPassCanvas = nullptr;   // the grid's canvas while its paint pass runs
    // Every properties object and owned graphic the grid made or was given, wherever its slot went.
    std::unordered_map<const TObject*, std::unique_ptr<TObject>> FOwned;
};
