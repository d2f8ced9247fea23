#include "widgets/dropdown/DropDownColumnItems.h"
#include "platform/ImageList.h"
#include <QApplication>
#include <QStyle>
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

bool ListDropDownStyle(TZarnStyle AStyle, bool WithOffice2010, TListDropDownStyle& Style)
{
    using S = TSelectionColorStyle;
    // By style value; tsCustom (index 8) changes nothing.
    static const TListDropDownStyle kStyles[] = {
        {0xD68759, 0x933803, S::scOffice2007, true, 0xFFFFFF, 0, 0x962D00, 0x962D00},
        {0xBDA4A5, 0x957475, S::scOffice2007, false, 0, 0, 0x947C7C, 0x947C7C},
        {0x82C0AF, 0x447A63, S::scOffice2007, false, 0, 0, 0x588060, 0x588060},
        {0x808080, 0x808080, S::scOffice2007, false, 0, 0, 0x808080, 0x808080},
        {0xFFEFE3, 0xFFD2AF, S::scOffice2007, true, 0x723708, 0, 0xFFD2AF, 0xFFD2AF},
        {0xF2F1F0, 0xC9C2BD, S::scOffice2007, true, 0x433C37, 0, 0x5C534C, 0x5C534C},
        {clBtnFace, clBtnFace, S::scCustom, true, 0, clHighlightText, 0xC0C0C0, 0x000000},
        {0xEBEEEF, 0x7E9898, S::scOffice2007, true, 0xFFFFFF, 0, 0x962D00, 0x962D00},
        {},
        {0xF8F7F6, 0xE8E0DB, S::scOffice2007, true, 0x8B4215, 0, 0x74706F, 0x74706F},
        {0xFFFDF9, 0xFFFAF0, S::scWindowsVista, true, 0, 0, 0xFCF2DA, 0xFCF2DA},
        {0xFDFBFA, 0xFDF3EB, S::scWindows7, true, 0, 0, 0xFBD6B8, 0xFBD6B8},
        {clBtnFace, clBtnFace, S::scCustom, true, 0, clHighlightText, 0x808080, 0x808080},
        {0xEDDBCD, clNone, S::scCustom, true, 0x5B391E, 0, 0xEEDDCF, 0xEEDDCF},
        {0xEDE9E5, clNone, S::scCustom, true, 0x5B391E, 0, 0xEEDDCF, 0xEEDDCF},
        {0x828282, clNone, S::scCustom, true, 0xD7D7D6, 0, 0xEEDDCF, 0xEEDDCF},
    };
    const int i = int(AStyle);
    if (AStyle == TZarnStyle::tsCustom || i < 0 || i >= int(std::size(kStyles)))
        return false;
    if (!WithOffice2010 && kStyles[i].headerTo == clNone)
        return false;
    Style = kStyles[i];
    return true;
}

bool ListLineColors(TSelectionColorStyle Value, TColor& Line, TColor& FixedLine)
{
    if (Value == TSelectionColorStyle::scOffice2007) {
        Line = 0xF1EDEB;
        FixedLine = 0xD1BBA4;
        return true;
    }
    if (Value == TSelectionColorStyle::scWindowsVista || Value == TSelectionColorStyle::scWindows7) {
        Line = 0xECECF0;
        FixedLine = 0xD4D2D1;
        return true;
    }
    return false;
}

int ListTotalWidth(int ColumnsWidth, bool AllRowsShow)
{
    return ColumnsWidth + (AllRowsShow ? 0 : QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}
