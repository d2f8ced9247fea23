#include "grid/io/GridPrintPreview.h"
#include "grid/core/VxStringGrid.h"
#include "platform/Dialogs.h"
#include <QPrinter>
#include <exception>

TGridPrintPreview::TGridPrintPreview(TVxStringGrid& Grid, const TGridRect& Gridrect, bool OnlySelected,
                                     QWidget* Parent)
    : QPrintPreviewDialog(Parent), FGrid(Grid), FRect(Gridrect), FOnlySelected(OnlySelected)
{
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { PaintPages(printer); });
}

void TGridPrintPreview::PaintPages(QPrinter* Printer)
{
    // Called from the event loop: a failure is told, not thrown through it.
    try {
        FGrid.PrintGridRect(*Printer, FRect, FOnlySelected);
    } catch (const std::exception& e) {
        ShowMessage(QString::fromUtf8(e.what()));
    }
}
