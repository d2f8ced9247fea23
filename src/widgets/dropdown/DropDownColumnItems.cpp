#include "widgets/dropdown/DropDownColumnItems.h"
#include "platform/ImageList.h"
#include <cmath>

TItemNeed ItemCellNeed(TCanvas& Measure, const QString* Text, bool ImageColumn, int ImageIndex,
                       const TCustomImageList* Images, int WrapWidth)
{
    TItemNeed need;
    if (ImageColumn && Text && ImageIndex >= 0 && Images) {
        need.Width += Images->Width() + 4;
        need.Height = Images->Height() + 6;
    }
    if (Text && !Text->isEmpty())
        need.Width += Measure.TextWidth(*Text) + 6;
    TRect r{0, 0, WrapWidth, 500};
    const QString wrapped = Text ? *Text : QString();
    need.Height = std::max(need.Height, Measure.DrawText(wrapped, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX) + 6);
    return need;
}

int SnappedDropDownHeight(int Height, int Chrome, int HeaderHeight, int RowHeight, int Margin)
{
    const int rows = (Height - Chrome - HeaderHeight - 2) / std::max(1, RowHeight);
    return Chrome + HeaderHeight + rows * RowHeight + Margin;
}

std::vector<int> SharedColumnWidths(const std::vector<int>& Widths, int Room)
{
    int sum = 1;
    for (int w : Widths)
        sum += w;
    const double f = double(Room) / sum;
    double carried = 0;
    std::vector<int> shared;
    for (int w : Widths) {
        const int rounded = int(std::nearbyint(f * w));   // halves to the even neighbour
        carried += f * w - rounded;
        if (carried > 1.0) {
            shared.push_back(rounded + 1);
            carried -= 1.0;
        } else {
            shared.push_back(rounded);
        }
    }
    return shared;
}
