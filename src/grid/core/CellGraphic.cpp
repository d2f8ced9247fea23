#include "grid/core/CellGraphic.h"
#include "grid/model/IntList.h"
#include <QStringList>
#include <cmath>

void TGraphicSlot::Free()
{
    if (FObject && FDelete)
        FDelete(FObject);
    Forget();
}

// What the graphic owns depends on its kind: lists always, created objects when it made them.
TCellGraphic::~TCellGraphic()
{
    switch (FCellType) {
    case TCellType::ctImages:
    case TCellType::ctBalloon:
        FCellBitmap.Free();
        break;
    case TCellType::ctBitmap:
    case TCellType::ctRadio:
    case TCellType::ctPicture:
    case TCellType::ctFilePicture:
    case TCellType::ctBitButton:
        if (FCellCreated)
            FCellBitmap.Free();
        break;
    case TCellType::ctIcon:
        if (FCellCreated)
            FCellIcon.Free();
        break;
    case TCellType::ctCheckBox:
    case TCellType::ctDataCheckBox:
    case TCellType::ctRadioButton:
        if (FCellAngle == 1)
            FCellBitmap.Free();
        break;
    default:
        break;
    }
}

void TCellGraphic::Assign(const TCellGraphic& Source)
{
    FCellType = Source.FCellType;
    FCellHAlign = Source.FCellHAlign;
    FCellVAlign = Source.FCellVAlign;
    FCellIndex = Source.FCellIndex;
    FCellTransparent = Source.FCellTransparent;
    FCellValue = Source.FCellValue;
    FCellAngle = Source.FCellAngle;
    FCellBoolean = Source.FCellBoolean;
    FCellErrFrom = Source.FCellErrFrom;
    FCellErrLen = Source.FCellErrLen;
    FCellMarkerFrom = Source.FCellMarkerFrom;
    FCellMarkerLen = Source.FCellMarkerLen;
    FCellText = Source.FCellText;
    FCellCreated = Source.FCellCreated;
}

void TCellGraphic::Kind(TCellType Type, TCellHAlign hal, TCellVAlign val)
{
    FCellType = Type;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetInterfacedCell(ICellGraphic* AObject)
{
    FCellType = TCellType::ctInterface;
    FCellBitmap.Set(AObject);
}

void TCellGraphic::SetPictureKind(TCellType Type, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    Kind(Type, hal, val);
    FCellTransparent = Transparent;
    FCellAngle = int(StretchMode);
    FCellIndex = padding;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    Kind(TCellType::ctImageList, hal, val);
    FCellIndex = idx;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    Kind(TCellType::ctDataImage, hal, val);
    FCellIndex = idx;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 const std::function<void(QObject*, int, int)>& Notifier)
{
    Kind(TCellType::ctImages, hal, val);
    FCellBoolean = dir == 0;
    auto* list = new TIntList(Col, Row);
    list->OnChange = Notifier;
    FCellBitmap.Set(list);
    FCellCreated = true;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    Kind(Data ? TCellType::ctDataCheckBox : TCellType::ctCheckBox, hal, val);
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    Kind(TCellType::ctTriStateCheckBox, hal, val);
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    FCellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    Kind(TCellType::ctRadioButton, hal, val);
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
}

void TCellGraphic::SetAngle(int AAngle)
{
    FCellType = TCellType::ctRotated;
    while (AAngle < 0)
        AAngle += 360;
    while (AAngle > 360)
        AAngle -= 360;
    FCellAngle = AAngle;
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val)
{
    Kind(TCellType::ctButton, hal, val);
    FCellIndex = int((unsigned(bh) << 16) | (unsigned(bw) & 0xFFFFu));
    FCellBoolean = false;
    FCellText = caption;
}

namespace {
int RoundEven(double v) { return int(std::nearbyint(v)); }   // the default rounding mode rounds halves to even
} // namespace

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool, TPoint Result) const
{
    if (FCellType != TCellType::ctPicture && FCellType != TCellType::ctFilePicture)
        return Result;
    const TPoint natural = FCellBitmap.NaturalSize();
    const int aw = cw - FCellIndex;
    const int ah = rh - FCellIndex;
    const bool fits = natural.X <= aw && natural.Y <= ah;
    auto byAspect = [&](bool capAtOne) {
        double rx = natural.X > 0 ? double(aw) / natural.X : 1.0;
        double ry = natural.Y > 0 ? double(ah) / natural.Y : 1.0;
        if (capAtOne) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        if (rx >= ry)
            return TPoint{RoundEven(natural.X * ry), ah};
        return TPoint{aw, RoundEven(natural.Y * rx)};
    };
    switch (TStretchMode(FCellAngle)) {
    case TStretchMode::Stretch:
        return {aw, ah};
    case TStretchMode::StretchWithAspectRatio:
        return byAspect(false);
    case TStretchMode::Shrink:
        return fits ? natural : TPoint{aw, ah};
    case TStretchMode::ShrinkWithAspectRatio:
        return fits ? natural : byAspect(true);
    default:
        return natural;
    }
}
