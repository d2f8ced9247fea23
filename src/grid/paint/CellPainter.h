#pragma once
// The per-cell painter of the string grid: after the base painter filled the cell and drew its lines, it
// paints the fixed-cell backgrounds of the looks, the modified-row mark, the text with its selection
// colours, sort mark and filter button, the graphic, the border lines, the 3D edges and the focus frame.
// It asks its grid everything through TCellPaintHost, so that it paints any grid and can be tested alone.
#include "grid/core/CellGraphic.h"
#include "grid/paint/CellLookRules.h"
#include "grid/paint/CellTextPaint.h"
#include "grid/paint/ControlLook.h"
#include "platform/Grids.h"

struct TMiniHtmlParams;

// Where a cell's graphic takes room from the text.
enum class TGraphicRoom { None, BeforeText, AfterText, AboveText, UnderText };

// The paint context of one cell, shared by the steps.
struct TPaintCell {
    int Col = 0, RealCol = 0, Row = 0;
    TGridDrawState State;
    TRect Rect;
    TCellLook Look;
    bool FixedLook = false;
    bool HasGraphic = false;
    TCellGraphic* Graphic = nullptr;  // what the graphic step draws; none for a painter-only graphic
    TCellHAlign CellHAlign = TCellHAlign::haLeft;
    TCellVAlign CellVAlign = TCellVAlign::vaTop;
    int GraphicWidth = 0, GraphicHeight = 0;
    TGraphicRoom Room = TGraphicRoom::None;
    bool GraphicLeads = false;       // haLeft, or haBeforeText: the sort mark moves right by its width
    bool TextShown = true;
    int TextIndent = 0;              // a child row's text in the node column
    bool FilterButton = false;
    int TextWidth = 0;               // drawn text width + 2 when the cell also has a graphic
    int TextHeight = 0;              // height of "hg" in the cell font
    TColor SavedBrush = clNone, SavedFontColor = clNone;
};

// What the painter asks of its grid.
class TCellPaintHost {
public:
    virtual ~TCellPaintHost() = default;
    virtual const TGridAppearance& Appearance() const = 0;
    virtual const TControlLook& ControlLook() const = 0;
    virtual TGridOptions Options() const = 0;
    virtual int FixedCols() const = 0;
    virtual int FixedRows() const = 0;
    virtual int GridLineWidth() const = 0;
    virtual TColor GridColor() const = 0;
    virtual TColor GridFixedColor() const = 0;
    virtual bool ShowSelection() const = 0;
    virtual bool HasFocus() const = 0;
    virtual bool GridEnabled() const = 0;
    virtual int ZoomFactor() const = 0;
    virtual TPoint XYOffset() const = 0;
    virtual bool XYOffsetTopLeftOnly() const = 0;
    virtual bool MultilineCells() const = 0;
    virtual bool EnhTextSize() const = 0;
    virtual bool EnableHTML() const = 0;
    virtual bool HideFocusRect() const = 0;
    virtual bool NoImageAndText() const = 0;
    virtual bool NoDefaultDraw() const = 0;
    virtual bool HasCellDrawEvents() const = 0;    // OnDrawCell or OnCustomCellDraw assigned
    virtual const TShowModified& ShowModified() const = 0;
    virtual const TBackGround& BackGround() const = 0;
    virtual TRect ClientRect() const = 0;

    virtual int RealCol(int Col) const = 0;
    virtual bool IsFixed(int Col, int Row) = 0;
    virtual bool InFixedRightCols(int RealCol) const = 0;
    // 0 none, 1 hot (the mouse over a hover fixed cell), 2 pressed; ButtonPressed: its drop-down button is.
    virtual int FixedCellHotState(int Col, int Row, bool& ButtonPressed) = 0;
    virtual bool FixedDropDownAllowed(int RealCol) = 0;
    virtual bool ActiveCellHeader(int Col, int Row) = 0;
    virtual bool SortHeaderGradientCell(int RealCol, int Row) = 0;
    virtual bool FilterButtonCell(int RealCol, int Row) = 0;
    // The filter button's picture for the column (with or without a filter on it); null or empty: the built-in.
    virtual const TBitmap* FilterGlyph(int RealCol) = 0;
    virtual bool RowModified(int Row) = 0;
    virtual bool CurrentCell(int Col, int Row) = 0;  // the painted cell's base cell is the current cell
    virtual bool RowSelectedUnderRowSelect(int Row) = 0;
    virtual bool HasCheckBox(int RealCol, int Row) = 0;
    // No brush colour of its own (check-box, radio and button cells count as without one).
    virtual bool BackgroundShowsThrough(int RealCol, int Row) = 0;
    // The widths of the columns before Col and the heights of the rows before Row, from the first normal
    // column and row with FromNormal, else from 0.
    virtual TPoint CellOffsets(int Col, int Row, bool FromNormal) = 0;
    // The selection block (cell coordinates, inclusive), or false when the cell is not in it; a merged
    // cell's block is its own range.
    virtual bool SelectionBlock(int Col, int Row, TRect& Block) = 0;
    virtual bool SelectionRectangle() const = 0;
    virtual TColor SelectionRectangleColor() const = 0;
    virtual bool SelectionResizer() const = 0;
    virtual void VisualProperties(int Col, int Row, TGridDrawState& State, bool Select, TCellLook& Look) = 0;
    virtual void GraphicInfo(int RealCol, int Row, TPaintCell& Cell) = 0;
    virtual QString FormattedText(int RealCol, int Row) = 0;
    virtual bool PasswordCell(int RealCol, int Row, QChar& PasswordChar) = 0;
    virtual void ErrorMarker(int RealCol, int Row, int& Pos, int& Length) = 0;
    // Whether the cell is a sorted header cell, with its mark.
    virtual bool SortedHeaderCell(int RealCol, int Row, TSortMark& Mark) = 0;
    virtual void HtmlParams(int RealCol, int Row, TMiniHtmlParams& Params) = 0;
    virtual void CellBorders(int RealCol, int Row, TPen& Pen, TCellBorders& Borders, TCellBorderPens& Pens) = 0;
    // The graphic step; BeforeText for the graphics that ask to be drawn under the text.
    virtual void DrawGraphic(TCanvas& Canvas, TPaintCell& Cell, bool BeforeText) = 0;
    // OnCustomCellBkgDraw, OnDrawCell and OnCustomCellDraw.
    virtual void CustomBackground(TCanvas& Canvas, const TPaintCell& Cell) = 0;
    virtual void DrawCellEvents(TCanvas& Canvas, const TPaintCell& Cell) = 0;
    // Plain texts holding a URL scheme are shown as links, without their scheme.
    virtual bool URLShow() const { return false; }
    virtual TColor URLColor() const { return clBlue; }
    // The row indicator of the current row; the width it took, 0 when none.
    virtual int DrawRowIndicator(TCanvas&, const TPaintCell&) { return 0; }
    // The always-visible combo and spin buttons of a normal cell; each moves the cell's right side in by 16.
    virtual void DrawEditorButtons(TCanvas&, TPaintCell&) {}
    // The tree lines of column 0 in a grid with nodes.
    virtual void DrawTreeLines(TCanvas&, TPaintCell&) {}
};

// DrawCellContent: ARect is the cell's inside as the base painter leaves it.
void PaintCellContent(TCanvas& Canvas, TCellPaintHost& Host, int ACol, int ARow, const TRect& ARect,
                      TGridDrawState AState);
// DrawCellText: the text step alone, on a prepared context.
void PaintCellText(TCanvas& Canvas, TCellPaintHost& Host, TPaintCell& Cell);
