#include "grid/core/CellGraphic.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/IntList.h"
#include "grid/paint/ControlLook.h"
#include "platform/ImageList.h"
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
bool In(TCellType kind, TCellTypes kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}
} // namespace

TCellGraphic* TVxStringGrid::GetCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    TObject* slot = HasCellProperties(ACol, ARow) ? GetGraphicObjectEx(ACol, ARow) : nullptr;
    auto* graphic = dynamic_cast<TCellGraphic*>(slot);
    if (slot && !graphic)
        return nullptr;
    if (ACol == 0 && MouseActions().HotmailRowSelect()) {
        if (!d->Cells.FRowCheckBox)
            d->Cells.FRowCheckBox = std::make_unique<TCellGraphic>();
        TCellGraphic& box = *d->Cells.FRowCheckBox;
        box.SetCellType(TCellType::ctRowCheckBox);
        box.SetCellTransparent(ControlLook().ControlStyle() == TControlStyle::csFlat);
        if (ARow == 0) {
            const int selected = GetRowSelectCount();
            const int normal = RowCount() - FixedRows();
            box.SetCellAngle(selected > 0 && selected < normal ? 1 : 0);
            box.SetCellBoolean(selected >= normal);
        } else {
            box.SetCellAngle(0);
            box.SetCellBoolean(GetRowSelect(RealRowIndex(ARow)));
        }
        return &box;
    }
    return graphic;
}

TCellType TVxStringGrid::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return TCellType::ctEmpty;
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic ? graphic->CellType() : TCellType::ctEmpty;
}

TCellGraphic* TVxStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    RemoveCellGraphic(ACol, ARow);
    auto graphic = std::make_unique<TCellGraphic>();
    TCellGraphic* raw = graphic.get();
    SetGraphicObjectEx(ACol, ARow, std::move(graphic));
    if (NumHiddenColumns() > 0 && DisplColIndex(ACol) != ACol)
        d->RepaintDisplayCell(ACol, ARow);
    return raw;
}

bool TVxStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || !HasCellProperties(ACol, ARow))
        return false;
    TCellProperties* props = GetCellProperties(ACol, ARow);
    TObject* slot = props->GraphicObject();
    if (!slot)
        return false;
    // Detaching through the base grid frees an owned graphic; the shared check boxes are never owned by a cell.
    const auto* graphic = dynamic_cast<const TCellGraphic*>(slot);
    const bool shared = graphic && (graphic->CellType() == TCellType::ctVirtCheckBox ||
                                    graphic->CellType() == TCellType::ctRowCheckBox);
    if (shared || !props->GraphicOwned())
        props->SetGraphicObject(nullptr);
    else
        SetGraphicObjectEx(ACol, ARow, std::unique_ptr<TObject>());
    if (!d->Shared.FDestroying)
        RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

bool TVxStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind)
{
    return GetCellType(ACol, ARow) == Kind && RemoveCellGraphic(ACol, ARow);
}

bool TVxStringGrid::HasCellTypeIn(int ACol, int ARow, TCellTypes Kinds)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(b.X, b.Y);
    return graphic && In(graphic->CellType(), Kinds);
}

bool TVxStringGrid::HasBalloon(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctBalloon}); }
bool TVxStringGrid::IsRadio(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctRadio}); }
bool TVxStringGrid::HasExpand(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctExpand}); }
bool TVxStringGrid::HasProgress(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctProgress}); }
bool TVxStringGrid::HasRating(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctRating}); }
bool TVxStringGrid::HasScrollBar(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctScrollbar}); }

bool TVxStringGrid::HasButton(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {TCellType::ctButton, TCellType::ctBitButton});
}

bool TVxStringGrid::HasCheckBox(int ACol, int ARow)
{
    return HasDataCheckBox(ACol, ARow) ||
           HasCellTypeIn(ACol, ARow,
                         {TCellType::ctCheckBox, TCellType::ctDataCheckBox, TCellType::ctVirtCheckBox,
                          TCellType::ctRowCheckBox, TCellType::ctTriStateCheckBox});
}

bool TVxStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {TCellType::ctDataCheckBox, TCellType::ctVirtCheckBox, TCellType::ctRowCheckBox});
}

bool TVxStringGrid::HasClickableGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint b = BaseCell(ACol, ARow);
    return In(GetCellType(b.X, b.Y),
              {TCellType::ctCheckBox, TCellType::ctDataCheckBox, TCellType::ctRadio, TCellType::ctButton,
               TCellType::ctVirtCheckBox, TCellType::ctRowCheckBox, TCellType::ctRadioButton,
               TCellType::ctTriStateCheckBox, TCellType::ctExpand});
}

bool IsDataGraphicCell(TVxStringGrid* Grid, int ACol, int ARow)
{
    const TPoint b = Grid->BaseCell(ACol, ARow);
    return In(Grid->GetCellType(b.X, b.Y), {TCellType::ctDataCheckBox, TCellType::ctDataImage,
                                            TCellType::ctVirtCheckBox, TCellType::ctRowCheckBox});
}

TIntList* TVxStringGrid::GetCellImages(int ACol, int ARow)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType() == TCellType::ctImages ? graphic->CellBitmap().As<TIntList>() : nullptr;
}

std::intptr_t TVxStringGrid::GetGraphicSortKey(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return -1;
    switch (graphic->CellType()) {
    case TCellType::ctBitmap:
        return reinterpret_cast<std::intptr_t>(graphic->CellBitmap().Address());
    case TCellType::ctIcon:
        return reinterpret_cast<std::intptr_t>(graphic->CellIcon().Address());
    case TCellType::ctImageList:
        return graphic->CellIndex();
    default:
        return -1;
    }
}

// ---- sizes

TPoint TVxStringGrid::CalcCellGraphicSize(int ACol, int ARow, int Reserve)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {0, 0};
    const bool hasText = !GetGridCell(BaseCell(ACol, ARow).X, BaseCell(ACol, ARow).Y).isEmpty();
    const bool widthCounts = g->CellHAlign() == TCellHAlign::haBeforeText ||
                             g->CellHAlign() == TCellHAlign::haAfterText || !hasText;
    const bool heightCounts = g->CellVAlign() == TCellVAlign::vaUnderText ||
                              g->CellVAlign() == TCellVAlign::vaAboveText || !hasText;
    TCustomImageList* images = GetImageList();
    const int checkSize = ControlLook().CheckSize();
    const int radioSize = ControlLook().RadioSize();
    TPoint size{0, 0};
    bool keepWidth = false;
    auto textWidth = [this](const QString& s) { return Canvas()->TextWidth(s); };
    const int lineHeight = Canvas()->TextHeight(QStringLiteral("gh"));
    switch (g->CellType()) {
    case TCellType::ctBitmap:
    case TCellType::ctIcon: {
        const TPoint natural = g->CellType() == TCellType::ctBitmap ? g->CellBitmap().NaturalSize()
                                                                     : g->CellIcon().NaturalSize();
        size = {widthCounts ? natural.X : 0,
                (heightCounts || g->CellType() == TCellType::ctIcon) ? natural.Y : 0};
        break;
    }
    case TCellType::ctImageList:
    case TCellType::ctDataImage:
        if (images)
            size = {widthCounts ? images->Width() : 0, heightCounts ? images->Height() : 0};
        break;
    case TCellType::ctCheckBox:
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox:
    case TCellType::ctTriStateCheckBox:
        size = {checkSize, checkSize};
        break;
    case TCellType::ctRadioButton:
        size = {radioSize, radioSize};
        break;
    case TCellType::ctRadio:
        if (const QStringList* options = g->CellBitmap().As<QStringList>()) {
            if (g->CellBoolean()) {
                for (const QString& o : *options)
                    size.X += textWidth(o) + 12;
                size.Y = lineHeight;
            } else {
                size.X = 12;
                for (const QString& o : *options)
                    size.X = std::max(size.X, textWidth(o) + 12);
                size.Y = std::max(16, lineHeight) * int(options->size());
            }
        }
        break;
    case TCellType::ctImages:
        if (const TIntList* list = g->CellBitmap().As<TIntList>(); list && images)
            size = g->CellBoolean() ? TPoint{list->Count() * images->Width(), images->Height()}
                                    : TPoint{images->Width(), list->Count() * images->Height()};
        break;
    case TCellType::ctPicture:
    case TCellType::ctFilePicture: {
        const TPoint cell = CellSize(ACol, ARow);
        size = g->GetPictureSize(cell.X - 1 - 2 * XYOffset().X, cell.Y - 1 - 2 * XYOffset().Y - Reserve, hasText);
        break;
    }
    case TCellType::ctButton:
    case TCellType::ctBitButton: {
        size = {g->CellIndex() & 0xFFFF, (g->CellIndex() >> 16) & 0xFFFF};
        const bool vaText = g->CellVAlign() == TCellVAlign::vaUnderText || g->CellVAlign() == TCellVAlign::vaAboveText;
        if (hasText) {
            if (g->CellHAlign() == TCellHAlign::haCenter)
                size.X = 0;
            if (g->CellHAlign() == TCellHAlign::haFull)
                size.X = textWidth(g->CellText()) + 4;
            if (!vaText)
                size.Y = 0;
            else
                size.X = 0;
        } else if (g->CellHAlign() == TCellHAlign::haFull) {
            Canvas()->SetFont(Font());
            size.X = textWidth(g->CellText()) + 4;
            keepWidth = !g->CellText().isEmpty();
        }
        break;
    }
    case TCellType::ctProgressPie:
        size = {20, 20};
        break;
    case TCellType::ctInterface:
        if (ICellGraphic* object = g->CellBitmap().As<ICellGraphic>();
            object && object->GetWidth() && object->GetHeight())
            size = {object->GetWidth(), object->GetHeight()};
        else
            size = CellSize(ACol, ARow);
        break;
    case TCellType::ctRating:
        size = {g->CellAngle() * 18, 16};
        keepWidth = true;
        break;
    default:
        break;
    }
    const TPoint cell = CellSize(ACol, ARow);
    if (g->CellVAlign() == TCellVAlign::vaFull)
        size.Y = cell.Y;
    if (g->CellHAlign() == TCellHAlign::haFull && !keepWidth)
        size.X = cell.X;
    return size;
}

TPoint TVxStringGrid::CalcPrintGraphicSize(int ACol, int ARow, int AvailWidth, int AvailHeight, double Scale)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {0, 0};
    const bool hasText = !GetGridCell(ACol, ARow).isEmpty();
    TCustomImageList* images = GetImageList();
    switch (g->CellType()) {
    case TCellType::ctBitmap:
        return g->CellBitmap().NaturalSize();
    case TCellType::ctIcon:
        return g->CellIcon().NaturalSize();
    case TCellType::ctImageList:
        if (!images)
            return {0, 0};
        return {g->CellHAlign() == TCellHAlign::haBeforeText || g->CellHAlign() == TCellHAlign::haAfterText || !hasText
                    ? images->Width() : 0,
                images->Height()};
    case TCellType::ctDataImage:
        return images ? TPoint{images->Width(), images->Height()} : TPoint{0, 0};
    case TCellType::ctCheckBox:
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox:
    case TCellType::ctTriStateCheckBox:
        return {ControlLook().CheckSize(), ControlLook().CheckSize()};
    case TCellType::ctRadioButton:
        return {ControlLook().RadioSize(), ControlLook().RadioSize()};
    case TCellType::ctNode:
    case TCellType::ctProgressPie:
        return {20, 20};
    case TCellType::ctRadio:
    case TCellType::ctImages:
        return CalcCellGraphicSize(ACol, ARow, 0);
    case TCellType::ctPicture:
    case TCellType::ctFilePicture: {
        const TPoint p = g->GetPictureSize(AvailWidth, AvailHeight, hasText);
        return {int(std::nearbyint(p.X / Scale)), int(std::nearbyint(p.Y / Scale))};
    }
    case TCellType::ctProgress:
    case TCellType::ctXPProgress:
        return {ColWidths(DisplColIndex(ACol)), RowHeights(ARow)};
    case TCellType::ctButton:
    case TCellType::ctBitButton:
        return {g->CellIndex() & 0xFFFF, (g->CellIndex() >> 16) & 0xFFFF};
    case TCellType::ctInterface: {
        ICellGraphic* object = g->CellBitmap().As<ICellGraphic>();
        const TPoint cell = CellSize(ACol, ARow);
        const int w = object ? object->GetWidth() : 0;
        const int h = object ? object->GetHeight() : 0;
        return {w ? w : cell.X, h ? h : cell.Y};
    }
    case TCellType::ctShape: {
        const int side = RowHeights(ARow) - 2 * XYOffset().Y;
        return {side, side};
    }
    default:
        return {0, 0};
    }
}
