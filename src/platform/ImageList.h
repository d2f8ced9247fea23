#pragma once
// The toolkit's image list: pictures of one size, drawn by index.
#include <QImage>
#include <QObject>
#include <vector>

class TCanvas;

class TCustomImageList : public QObject {
public:
    explicit TCustomImageList(int AWidth = 16, int AHeight = 16, QObject* AOwner = nullptr);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return int(FImages.size()); }
    // Scaled to the list's size; returns the new index.
    int Add(const QImage& Image);
    // Draws nothing for an index outside the list; a disabled image is drawn greyed.
    void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;

private:
    int FWidth;
    int FHeight;
    std::vector<QImage> FImages;
};
