#pragma once
// What the grid's printing declares: the engine's modes, the print events and the state of one print run.
#include "platform/Grids.h"
#include "platform/Types.h"
#include <QString>
#include <functional>

class QObject;
class TPrintCanvas;

// Ordinal = the engine's mode number: drawing a preview, drawing for the printer, counting for either.
enum class TPrintMode { pmPreview, pmPrint, pmPrintCount, pmPreviewCount };

using TPrintStartEvent = std::function<void(QObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
using TPrintPageEvent =
    std::function<void(QObject* Sender, TPrintCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TPrintNewPageEvent = std::function<void(QObject* Sender, int ARow, bool& NewPage)>;
using TPrintPageDoneEvent = std::function<void(QObject* Sender, TPrintCanvas* Canvas, int LastRow, int LastRowOffset,
                                               int LastPage, int PageXSize, int PageYSize)>;
using TPrintCancelEvent = std::function<void(QObject* Sender, int PageNr, bool& Cancel)>;
using TFitToPageEvent = std::function<void(QObject* Sender, double& ScaleFactor, bool& Allow)>;
using TPrintColumnWidthEvent = std::function<void(QObject* Sender, int ACol, int& Width)>;
using TPrintRowHeightEvent = std::function<void(QObject* Sender, int ARow, int& Height)>;
using TPrintPageNumEvent = std::function<void(QObject* Sender, int PageNum, int PageColNum, QString& PageNumString)>;

// The grid's printing state between and during runs; sizes in 0.1 mm.
struct TGridPrintState {
    TGridRect PrintRect;              // the cells being printed
    TRect PrevRect;                   // the page: printer page, preview display rectangle or draw rectangle
    int PageFrom = 1;                 // the pages that are output
    int PageTo = 1;
    int PageNum = 0;                  // pages of the last count
    bool IsPrintPreview = false;
    bool FastPrint = false;
    double FontScaleFactor = 1.0;     // the fit factor while cells are measured and drawn
};
