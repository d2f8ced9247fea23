#pragma once
// Lays the grid's print rectangle out on pages and counts or draws them: column widths in 0.1 mm, scaling to
// the page width, page strips when the columns do not fit across, rows filling each strip's pages, repeated
// fixed rows and columns, headers and footers, cells and their borders, and the page events.
#include "grid/io/PrintTypes.h"
#include "platform/Canvas.h"
#include <QStringList>
#include <array>
#include <vector>

class TPrintCanvas;
class TPrintSettings;
class TVxStringGrid;
enum class TAlignment;
enum class TVAlignment;
enum class TGridExportState;

// The columns that go across one page.
struct TPrintStrip {
    int ColStart = 0;
    int ColEnd = 0;
    int Width = 0;   // the columns' width with the repeated fixed columns
};

// One page as the run laid it out.
struct TPrintedPage {
    int PageNr = 0;
    int Strip = 0;        // from 0
    int FirstRow = -1;    // the first and last row of the rectangle on it (repeated fixed rows not counted)
    int LastRow = -1;
    int Rows = 0;
};

class TPrintPageEngine {
public:
    TPrintPageEngine(TVxStringGrid& Grid, TPrintCanvas& Canvas);

    // Pages PageWidth wide and PageHeight high; returns the number of pages. The grid's print state gives the
    // rectangle and the pages that are output.
    int Run(TPrintMode Mode, bool OnlySelected, int PageCount, int PageWidth, int PageHeight);

    double ScaleFactor() const { return FFactor; }
    const std::vector<TPrintStrip>& Strips() const { return FStrips; }
    const std::vector<TPrintedPage>& Pages() const { return FPages; }
    int HeaderHeight() const { return FHeaderHeight; }
    int FooterHeight() const { return FFooterHeight; }
    int ColumnSpacing() const { return FSpacing; }

private:
    struct TCellLook {
        TFont Font;
        TColor Color = clWhite;
        TAlignment HA;
        TVAlignment VA;
        bool WordWrap = false;
    };

    bool Output() const;
    bool ColPrintable(int ACol);
    bool RowPrintable(int ARow);
    int NextPrintableRow(int ARow);
    int& MaxWidth(int ACol);
    int& Indent(int ACol);
    int SpannedWidth(int ACol, int Span);
    int RepeatedFixedWidth(int ColStart);

    void MeasureFonts();
    void MeasureColumns();
    void FitToPage();
    void BuildStrips();
    void PlaceColumns(const TPrintStrip& Strip);
    void MeasureHeaderFooter();

    void PrintStrip(int StripIndex, bool& Cancelled);
    void PrintRow(int ARow, int ARowHeight, int ColStart, int ColEnd);
    void DrawPageLines(int BlockTop, int Bottom, const TPrintStrip& Strip);
    void DrawHeaderFooter(int PageNr, int PageInStrip, int StripNr);
    QString PageNumberText(int PageNr, int PageInStrip, int StripNr);

    // Cells (PrintPageCells.cpp)
    TCellLook CellLook(int ACol, int ARow);
    QString CellText(int ACol, int ARow);
    TPoint MeasureCell(int ACol, int ARow);
    int RowHeight(int ARow);
    int Pitch(int ARowHeight) const { return 2 * FGap + ARowHeight + FRowSpacing; }
    void DrawCell(int ACol, int ARow, int ARowHeight, bool FirstInStrip);
    void DrawCellText(const TRect& R, const QString& Text, const TCellLook& Look, bool Merged);
    void DrawRotatedCellText(const TRect& R, const QString& Text, const TCellLook& Look, int Angle);
    void DrawCellBorders(int ACol, int ARow, const TRect& R, bool FirstInStrip, bool CutBottom);

    TVxStringGrid& G;
    TPrintCanvas& C;
    TPrintSettings& PS;
    TPrintMode FMode = TPrintMode::pmPrintCount;
    bool FOnlySelected = false;
    int FPageCount = 0;
    int FPageWidth = 0;
    int FPageHeight = 0;
    double FPx = 1.0;   // 0.1 mm per screen pixel
    TFont FFont;
    TFont FHeaderFont;
    TFont FFooterFont;
    int FLineHeight = 0;
    int FGap = 0;
    int FPadding = 0;
    int FHeaderLine = 0;
    int FFooterLine = 0;
    int FSpacing = 0;
    int FRowSpacing = 0;
    double FFactor = 1.0;
    int FHeaderHeight = 0;
    int FFooterHeight = 0;
    std::vector<TPrintStrip> FStrips;
    std::vector<TPrintedPage> FPages;
    int FPageNr = 0;
    bool FPageOutput = false;
    bool FOutputStarted = false;
    int FY = 0;                // the vertical position on the page, 0 at the top, negative below
    int FCachedRow = -1;
    int FCachedHeight = 0;
    TGridExportState FRowState;
};
