#include "grid/foundation/FilePicture.h"
#include "platform/Canvas.h"

void TFilePicture::SetFilename(const QString& value)
{
    FFilename = value;
    TBitmap picture;
    picture.LoadFromFile(value);
    FWidth = picture.Width();
    FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& R) const
{
    if (FFilename.isEmpty())
        return;
    TBitmap picture;
    if (picture.LoadFromFile(FFilename))
        Canvas.StretchDraw(R, picture);
}

void TFilePicture::Assign(const TFilePicture& Source)
{
    FFilename = Source.FFilename;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}
