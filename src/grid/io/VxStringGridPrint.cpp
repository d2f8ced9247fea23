// The grid's printing: the print job, the preview on a caller's painter and drawing onto any painter, all
// through the page engine in 0.1 mm.
#include "grid/core/GridSettings.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/io/PrintCanvas.h"
#include "grid/io/PrintPageEngine.h"
#include "platform/Dialogs.h"
#include "platform/SaveFile.h"
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <climits>
#include <cmath>

namespace {
// ExportNotification(2, -1) ends every print and preview, also one left by an exception.
class TExportBracket {
public:
    explicit TExportBracket(TVxStringGrid& Grid) : FGrid(Grid)
    {
        FGrid.ExportNotification(TGridExportState::esExportStart, -1);
    }
    ~TExportBracket()
    {
        FGrid.PrintState().IsPrintPreview = false;
        FGrid.ExportNotification(TGridExportState::esExportDone, -1);
    }
    TExportBracket(const TExportBracket&) = delete;
    TExportBracket& operator=(const TExportBracket&) = delete;

private:
    TVxStringGrid& FGrid;
};

// A width and height in the device's pixels as a page in 0.1 mm.
TRect TenthMmPage(const QPaintDevice& Device, int Width, int Height)
{
    return Rect(0, 0, int(std::lround(Width * 254.0 / Device.logicalDpiX())),
                int(std::lround(Height * 254.0 / Device.logicalDpiY())));
}

TGridRect WholeGrid(const TVxStringGrid& Grid) { return {0, 0, Grid.ColCount() - 1, Grid.RowCount() - 1}; }

// With a printer set up the grid goes to it; without one (the usual case here) into a PDF file the user names.
void PrintToDefaultDevice(TVxStringGrid& Grid, const TGridRect& Gridrect, bool OnlySelected)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        Grid.PrintGridRect(printer, Gridrect, OnlySelected);
        return;
    }
    TFileDialogRequest request;
    request.Save = true;
    request.Title = QStringLiteral("Print to PDF");
    request.Filter = QStringLiteral("PDF files (*.pdf)|*.pdf");
    request.DefaultExt = QStringLiteral("pdf");
    const QString job = Grid.PrintSettings().JobName();
    request.FileName = (job.isEmpty() ? QStringLiteral("Grid") : job) + QStringLiteral(".pdf");
    QString fileName;
    if (!PromptForSaveFile(request, fileName))
        return;
    QString message;
    const auto writePdf = [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setResolution(600);
        Grid.PrintGridRect(writer, Gridrect, OnlySelected);
    };
    if (!SaveWrittenFileTold(fileName, writePdf, &message))
        ShowMessage(message);
}
} // namespace

TGridPrintState& TVxStringGrid::PrintState()
{
    if (!d->Shared.FPrintState)
        d->Shared.FPrintState = std::make_shared<TGridPrintState>();
    return *d->Shared.FPrintState;
}

int TVxStringGrid::MapFontHeight(int PointSize)
{
    return -int(std::lround(PointSize * 254.0 / 72.0 * PrintState().FontScaleFactor));
}

int TVxStringGrid::MapFontSize(int Height) { return int(std::lround(Height * 72.0 / 254.0)); }

void TVxStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString)
{
    if (OnPrintGetPageNum)
        OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

int TVxStringGrid::PrintPages(TPrintCanvas& Canvas, TPrintMode Mode, bool OnlySelected, int PageCount)
{
    const TRect& page = PrintState().PrevRect;
    TPrintPageEngine engine(*this, Canvas);
    return engine.Run(Mode, OnlySelected, PageCount, page.Right - page.Left, page.Bottom - page.Top);
}

void TVxStringGrid::Print() { PrintToDefaultDevice(*this, WholeGrid(*this), false); }

void TVxStringGrid::PrintRect(const TGridRect& Gridrect) { PrintToDefaultDevice(*this, Gridrect, false); }

void TVxStringGrid::PrintSelection() { PrintToDefaultDevice(*this, Selection(), false); }

void TVxStringGrid::PrintSelectedRows() { PrintToDefaultDevice(*this, WholeGrid(*this), true); }

void TVxStringGrid::PrintSelectedCols() { PrintToDefaultDevice(*this, WholeGrid(*this), true); }

void TVxStringGrid::PrintGridRect(QPagedPaintDevice& Device, const TGridRect& Gridrect, bool OnlySelected)
{
    const TExportBracket bracket(*this);
    TGridPrintState& st = PrintState();
    st.PrintRect = Gridrect;
    const TPrintSettings& ps = PrintSettings();
    if (!ps.UseDefaultOrientation())
        Device.setPageOrientation(ps.Orientation() == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                                                       : QPageLayout::Portrait);
    const double dpiX = Device.logicalDpiX();
    const double dpiY = Device.logicalDpiY();
    st.PrevRect = TenthMmPage(Device, Device.width(), Device.height());
    if (auto* printer = dynamic_cast<QPrinter*>(&Device))
        printer->setDocName(ps.JobName());
    else if (auto* writer = dynamic_cast<QPdfWriter*>(&Device))
        writer->setTitle(ps.JobName());

    // The count measures on an image of the device's resolution, so a veto never starts a job.
    int count = INT_MAX;
    if (!st.FastPrint) {
        QImage measure(1, 1, QImage::Format_RGB32);
        measure.setDotsPerMeterX(int(std::lround(dpiX / 0.0254)));
        measure.setDotsPerMeterY(int(std::lround(dpiY / 0.0254)));
        QPainter painter(&measure);
        TPainterPrintCanvas canvas(painter, nullptr, dpiX, dpiY);
        count = PrintPages(canvas, TPrintMode::pmPrintCount, OnlySelected, 0);
    }
    st.PageFrom = 1;
    st.PageTo = count;
    st.PageNum = count;
    if (OnPrintStart) {
        int from = 1;
        int to = count;
        OnPrintStart(this, count, from, to);
        if (from <= 0 || to <= 0 || to < from)
            return;
        st.PageFrom = from;
        st.PageTo = to;
    }
    st.PageNum = st.PageTo;
    QPainter painter;
    if (!painter.begin(&Device))
        throw EVxGridError("The print job cannot be started");
    TPainterPrintCanvas canvas(painter, &Device, dpiX, dpiY);
    PrintPages(canvas, TPrintMode::pmPrint, OnlySelected, count);
}

namespace {
void PreviewGridRect(TVxStringGrid& Grid, QPainter* Canvas, const TRect& Displayrect, const TGridRect& Gridrect,
                     bool OnlySelected)
{
    const TExportBracket bracket(Grid);
    TGridPrintState& st = Grid.PrintState();
    st.PrintRect = Gridrect;
    const QPaintDevice& device = *Canvas->device();
    st.PrevRect = TenthMmPage(device, Displayrect.Width(), Displayrect.Height());
    TPainterPrintCanvas canvas(*Canvas, nullptr, device.logicalDpiX(), device.logicalDpiY(),
                               QPointF(Displayrect.Left, Displayrect.Top));
    const int count = st.FastPrint ? 1 : Grid.PrintPages(canvas, TPrintMode::pmPreviewCount, OnlySelected, 0);
    st.PageNum = count;
    st.IsPrintPreview = true;
    int from = 1;
    int to = count;
    if (Grid.OnPrintStart)
        Grid.OnPrintStart(&Grid, count, from, to);
    if (from <= 0 || to <= 0 || to < from)
        return;
    st.PageFrom = Grid.PreviewPage();
    st.PageTo = Grid.PreviewPage();
    Canvas->save();
    Grid.PrintPages(canvas, TPrintMode::pmPreview, OnlySelected, count);
    Canvas->restore();
}
} // namespace

void TVxStringGrid::PrintPreview(QPainter* Canvas, const TRect& Displayrect)
{
    PreviewGridRect(*this, Canvas, Displayrect, WholeGrid(*this), false);
}

void TVxStringGrid::PrintPreviewRect(QPainter* Canvas, const TRect& Displayrect, const TGridRect& Gridrect)
{
    PreviewGridRect(*this, Canvas, Displayrect, Gridrect, false);
}

void TVxStringGrid::PrintPreviewSelection(QPainter* Canvas, const TRect& Displayrect)
{
    PreviewGridRect(*this, Canvas, Displayrect, Selection(), false);
}

void TVxStringGrid::PrintPreviewSelectedRows(QPainter* Canvas, const TRect& Displayrect)
{
    PreviewGridRect(*this, Canvas, Displayrect, WholeGrid(*this), true);
}

void TVxStringGrid::PrintPreviewSelectedCols(QPainter* Canvas, const TRect& Displayrect)
{
    PreviewGridRect(*this, Canvas, Displayrect, WholeGrid(*this), true);
}

void TVxStringGrid::PrintDraw(QPainter* Canvas, const TRect& DrawRect)
{
    PrintDrawRect(Canvas, DrawRect, WholeGrid(*this));
}

void TVxStringGrid::PrintDrawRect(QPainter* Canvas, const TRect& DrawRect, const TGridRect& Gridrect)
{
    TGridPrintState& st = PrintState();
    st.PrintRect = Gridrect;
    const QPaintDevice& device = *Canvas->device();
    st.PrevRect = TenthMmPage(device, DrawRect.Width(), DrawRect.Height());
    st.PageFrom = st.PageTo = st.PageNum = 1;
    TPainterPrintCanvas canvas(*Canvas, nullptr, device.logicalDpiX(), device.logicalDpiY(),
                               QPointF(DrawRect.Left, DrawRect.Top));
    Canvas->save();
    PrintPages(canvas, TPrintMode::pmPrint, false, 1);
    Canvas->restore();
}
