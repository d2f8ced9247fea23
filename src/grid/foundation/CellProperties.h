#pragma once
// The per-cell property object of a base grid: look, merge encoding, editor kind, and two object references.
#include "grid/foundation/GridTypes.h"
#include "platform/Canvas.h"
#include "grid/model/GridStore.h"

class QWidget;

class TCellProperties : public TObject {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);

    // Copies everything but the gradient end colour and direction, the graphic object, the calculation
    // fields, the paint pass and the owner grid; repaints nothing.
    void Assign(const TCellProperties& Source);
    // The base cell of the range, given the coordinates of the cell that owns this object.
    TPoint BaseCell(int c, int r) const;

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int value) { FOwnerCol = value; }
    int OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int value) { FOwnerRow = value; }
    TObject* CellObject() const { return FObject; }     // never freed by the grid
    void SetCellObject(TObject* value) { FObject = value; }
    TObject* GraphicObject() const { return FGraphicObject; }
    // The grid frees a graphic object it was handed to own (TBaseGrid::SetGraphicObjectEx) together with the
    // cell's objects; one set here belongs to the caller.
    bool GraphicOwned() const { return FGraphicOwned; }
    void SetGraphicObject(TObject* value) { SetGraphic(value, false); }

    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle value) { FBrushStyle = value; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor value);
    int FontSize() const { return FFontSize; }
    void SetFontSize(int value) { FFontSize = value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value) { FFontColor = value; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles value) { FFontStyle = value; }
    QString FontName() const { return FFontName; }
    void SetFontName(const QString& value) { FFontName = value; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int value) { FCellSpanX = value; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int value) { FCellSpanY = value; }
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool value) { FIsBaseCell = value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    int PaintID() const { return FPaintID; }
    void SetPaintID(int value) { FPaintID = value; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType value) { FCalcType = value; }
    TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TObject* value) { FCalcObject = value; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int value) { FNodeLevel = value; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType value) { FEditor = value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection value) { FGradientDirection = value; }
    QWidget* Control() const { return FControl; }
    void SetControl(QWidget* value) { FControl = value; }

private:
    friend class TBaseGrid;
    void SetGraphic(TObject* value, bool owned);
    void RepaintOwnerCell();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    TObject* FObject = nullptr;
    TObject* FGraphicObject = nullptr;
    bool FGraphicOwned = false;
    TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = clBlack;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TVAlignment FVAlignment = TVAlignment::vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = TColumnCalcType::acNONE;
    TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = TEditorType::edNormal;
    QString FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = TCellGradientDirection::GradientVertical;
    QWidget* FControl = nullptr;
};
