#pragma once
// A picture kept by its file name: loaded to learn its size, and again each time it is drawn.
#include "platform/Types.h"
#include <QString>

class TCanvas;

class TFilePicture {
public:
    QString Filename() const { return FFilename; }
    // Loads the file for its size; a file that cannot be read gives 0 x 0.
    void SetFilename(const QString& value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Stretched into R; nothing without a file name. Nothing is kept between calls.
    void DrawPicture(TCanvas& Canvas, const TRect& R) const;
    // Copies the name and size without loading.
    void Assign(const TFilePicture& Source);

private:
    QString FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
