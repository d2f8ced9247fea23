#pragma once
// The string grid's enumerations, listener interfaces and event types.
#include "grid/foundation/BaseGrid.h"
#include "grid/core/DragScroll.h"
#include "grid/model/RowFilter.h"
#include "platform/Canvas.h"
#include <QStringList>
#include <functional>

enum class TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum class TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum class TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum class THoverFixedCells { hfNone, hfFixedRows, hfFixedColumns, hfAll };
enum class THintPos { hpCell, hpCursor };
enum class TFilterDropDownColumns { fdNormal, fdAll };
enum class TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum class TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum class TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail,
        esExportNextRow };
enum class TClipOperation { coCut, coCopy };
enum class TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

// One object following the grid's selection.
class ITVxStringGridSelect {
public:
    virtual ~ITVxStringGridSelect() = default;
    virtual void SelectionChanged(int ACol, int ARow) = 0;
};

// A component told of every rectangle of changed cells; not owned by the grid.
class TGridChangeNotifier {
public:
    virtual ~TGridChangeNotifier() = default;
    virtual void CellsChanged(const TRect& R) = 0;
};

using TGridWideHintEvent = TGridHintEvent;
using THasComboBoxEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TIsFixedCellEvent = std::function<void(QObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(QObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TGetWordWrapEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TGetCheckEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetColumnFilterEvent = std::function<void(QObject* Sender, int Column, QStringList& Filter)>;
using TGetCellCursorEvent = std::function<void(QObject* Sender, int ACol, int ARow, int X, int Y, int& ACursor)>;
using TSearchFooterActionEvent =
    std::function<void(QObject* Sender, const QString& Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TComboCloseUpEvent = std::function<void(QObject* Sender, int ARow, int ACol)>;
using TFixedEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                           QStringList& Values)>;
using TSelectionChangedEvent = std::function<void(QObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TCellTextEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using TCellsChangedEvent = std::function<void(QObject* Sender, const TRect& R)>;

using TRowDisjunctSelectEvent = std::function<void(QObject* Sender, int ARow, bool Value, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(QObject* Sender, int ARow)>;
using TScrollCellEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TDragScrollEvent =
    std::function<void(QObject* Sender, int TopRow, int LeftCol, TDragScrollDirections& DragScrollDir,
                       bool& CanScroll)>;
using TRowUpdateEvent = std::function<void(QObject* Sender, int OldRow, int NewRow)>;
using TColumnCalcEvent = std::function<void(QObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TGroupCalcEvent = std::function<void(QObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TFooterCalcEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using TFooterPaintEvent = std::function<void(QObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)>;
using TFilterSelectEvent =
    std::function<void(QObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                       QString& FilterCondition)>;
using TFilterCheckEvent =
    std::function<void(QObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                       QString& FilterCondition)>;
using TRowChangingEvent = std::function<void(QObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(QObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TColChangingEvent = std::function<void(QObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TWheelEvent = std::function<void(QObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TEditCellDoneEvent = std::function<void(QObject* Sender, int ACol, int ARow)>;
// What the hint window shows for the cell under the pointer, filled by BuildCellHint.
struct THintInfo {
    QPoint CursorPos;        // viewport coordinates
    QPoint HintPos;          // screen coordinates on return
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    bool HtmlHint = false;   // mini-HTML or wide text, for the HTML hint window
};
using TCellValidateEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TRowChangedEvent = std::function<void(QObject* Sender, int OldRow, int NewRow)>;
using TAutoAdvanceEvent =
    std::function<void(QObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TComboChangeEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)>;
using TComboObjectChangeEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection,
                       TObject* AObject)>;
using TEditChangeEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)>;
using TGetEditorPropEvent = std::function<void(QObject* Sender, int ACol, int ARow, QObject* AEditLink)>;
using TGetEditMaskEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
// What a press in the fixed area selects, decided by the pointer's movement.
enum class TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
// A mouse message as its handler takes it: the client position, the keys and buttons held, an answer.
struct TWMMouse {
    int XPos = 0;
    int YPos = 0;
    TShiftState Keys;
    int Result = 0;
};
using TCanClickCellEvent = std::function<void(QObject* Sender, int ARow, int ACol, bool& Allow)>;
using TSelectionResizeEvent =
    std::function<void(QObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
using TClipboardPasteCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)>;
using TFileProgressEvent = std::function<void(QObject* Sender, int Progress)>;
using TControlComboListEvent =
    std::function<void(QObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, QStringList& Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent =
    std::function<void(QObject* Sender, int ARow, int ACol, int ItemIndex, const QString& CtrlID,
                       const QString& CtrlValue)>;
using TControlEditDoneEvent =
    std::function<void(QObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal)>;
using TOleDragOverEvent = std::function<void(QObject* Sender, int ARow, int ACol, bool& Allow)>;
using TOleDropEvent = std::function<void(QObject* Sender, int ARow, int ACol, const QString& Data, bool& Allow)>;
using TOleDropColEvent = std::function<void(QObject* Sender, int ARow, int ACol, int DropCol)>;
using TOleDroppedEvent = std::function<void(QObject* Sender, const TGridRect& ARect)>;
using TOleDragStartEvent = std::function<void(QObject* Sender, int ARow, int ACol)>;
using TOleDragStopEvent = std::function<void(QObject* Sender, int OLEEffect)>;
using TOleDragEvent = std::function<void(QObject* Sender, int ARow, int ACol, const QString& Data, bool& Allow)>;
