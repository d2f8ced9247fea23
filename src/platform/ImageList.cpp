#include "platform/ImageList.h"
#include "platform/Canvas.h"

TCustomImageList::TCustomImageList(int AWidth, int AHeight, QObject* AOwner)
    : QObject(AOwner), FWidth(AWidth), FHeight(AHeight)
{
}

int TCustomImageList::Add(const QImage& Image)
{
    FImages.push_back(Image.scaled(FWidth, FHeight).convertToFormat(QImage::Format_ARGB32));
    return Count() - 1;
}

void TCustomImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (Index < 0 || Index >= Count())
        return;
    TBitmap bitmap;
    bitmap.SetImage(Enabled ? FImages[size_t(Index)] : FImages[size_t(Index)].convertToFormat(QImage::Format_Grayscale8));
    Canvas.Draw(X, Y, bitmap);
}
