#include "grid/foundation/CellProperties.h"

#include "grid/foundation/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->WordWrap() : true)
{
    if (AOwner)
        AOwner->FHasCellProps = true;
}

void TCellProperties::Assign(const TCellProperties& Source)
{
    FIsBaseCell = Source.FIsBaseCell;
    FCellSpanX = Source.FCellSpanX;
    FCellSpanY = Source.FCellSpanY;
    FOwnerRow = Source.FOwnerRow;
    FOwnerCol = Source.FOwnerCol;
    FObject = Source.FObject;
    FAlignment = Source.FAlignment;
    FBorderColor = Source.FBorderColor;
    FBorderWidth = Source.FBorderWidth;
    FBrushColor = Source.FBrushColor;
    FBrushStyle = Source.FBrushStyle;
    FFontColor = Source.FFontColor;
    FFontStyle = Source.FFontStyle;
    FFontName = Source.FFontName;
    FFontSize = Source.FFontSize;
    FReadOnly = Source.FReadOnly;
    FEditor = Source.FEditor;
    FVAlignment = Source.FVAlignment;
    FWordWrap = Source.FWordWrap;
    FNodeLevel = Source.FNodeLevel;
    FControl = Source.FControl;
}

TPoint TCellProperties::BaseCell(int c, int r) const
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
        return {c - FCellSpanX, r - FCellSpanY};
    return {c, r};
}

void TCellProperties::SetGraphic(TObject* value, bool owned)
{
    FGraphicObject = value;
    FGraphicOwned = value && owned;
}

void TCellProperties::RepaintOwnerCell()
{
    if (FOwnerGrid)
        FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor value)
{
    FBrushColor = value;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor value)
{
    FBrushColorTo = value;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment value)
{
    FVAlignment = value;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool value)
{
    FWordWrap = value;
    RepaintOwnerCell();
}
