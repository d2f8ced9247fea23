#pragma once
// The print preview window of a grid: Qt's print preview over the grid's print job, so what it shows is
// what the printer (or the PDF) gets.
#include "platform/Grids.h"
#include <QPrintPreviewDialog>

class TVxStringGrid;

class TGridPrintPreview : public QPrintPreviewDialog {
public:
    // The cells of Gridrect; with OnlySelected only the selected rows or columns among them.
    TGridPrintPreview(TVxStringGrid& Grid, const TGridRect& Gridrect, bool OnlySelected, QWidget* Parent = nullptr);

private:
    void PaintPages(QPrinter* Printer);

    TVxStringGrid& FGrid;
    TGridRect FRect;
    bool FOnlySelected;
};
