#pragma once
// The grid library's shared vocabulary: enumerations, small sets, errors and event signatures.
#include "platform/EnumSet.h"
#include "platform/Property.h"
#include "platform/Types.h"
#include <QFlags>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <stdexcept>

class QObject;
class TBaseGrid;
class TCanvas;
class TBrush;
class TFont;
class TPen;
enum class TGridDrawStateItem : unsigned;   // the toolkit grid's, in platform/Grids.h
using TGridDrawState = QFlags<TGridDrawStateItem>;

// The toolkit's conversion error (bad number text, a date that does not exist).
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The toolkit's error for a typecast to a class the object is not of.
class EInvalidCast : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The toolkit's list index error.
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Days since 30 December 1899, the time of day as the fraction.
using TDateTime = double;

enum class TAlignment;   // the toolkit's, in platform/Canvas.h

enum class TEditorType {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit, edDateEditUpDown,
    edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat, edCapital, edMixedCase,
    edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit,
    edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars,
    edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edVxGridDropDown, edPositiveFloat,
    edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn
};

enum class TSortStyle {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU, ssShortDateUS,
    ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox,
    ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase
};

enum class TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum class TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TEnumSet<TCellBorder>;
enum class TCellGradientDirection { GradientVertical, GradientHorizontal };
enum class TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
enum class TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum class TVxGridButtonStyle { tasButton, tasCheck };
enum class TSearchDirection { sdTopBottom, sdLeftRight };
enum class THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum class TClipboardPasteAction { paReplace, paInsert };
enum class TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum class TInsertPosition { pInsertBefore, pInsertAfter };
enum class TCursorAdvance { caDefault, caSnake, caLoop };
enum class TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum class TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum class TWheelAction { waMoveSelection, waScroll };

// Events: the sender first, then the parameters in the published order (some pass the row first).
using TGetDisplTextEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using TFloatFormatEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)>;
using TOnResizeEvent = std::function<void(QObject* Sender)>;
using TColumnSizeEvent = std::function<void(QObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(QObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(QObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(QObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(QObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(QObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(QObject* Sender, int ARow)>;
using TClickCellEvent = std::function<void(QObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(QObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(QObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(QObject* Sender, int ARow, QString& hintstr)>;
using TButtonClickEvent = std::function<void(QObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = std::function<void(QObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TCustomCellDrawEvent = std::function<void(QObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
using TAnchorClickEvent = std::function<void(QObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(QObject* Sender, int ARow, int ACol, QString& Anchor)>;
using TAnchorEvent = std::function<void(QObject* Sender, int ARow, int ACol, const QString& Anchor)>;
using TClickSortEvent = std::function<void(QObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(QObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent = std::function<void(QObject* Sender, const QString& str1, const QString& str2, int& Res)>;
using TRawCompareEvent = std::function<void(QObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent = std::function<void(QObject* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)>;
using TGridColorEvent = std::function<void(QObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                                           TFont* AFont)>;
using TGridGradientEvent = std::function<void(QObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                              TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent = std::function<void(QObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(QObject* Sender, int ARow, int ACol, TPen* LeftPen, TPen* TopPen,
                                                TPen* RightPen, TPen* BottomPen)>;
using TGridAlignEvent = std::function<void(QObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridHintEvent = std::function<void(QObject* Sender, int ARow, int ACol, QString& hintstr)>;
using TEllipsClickEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& S)>;
using TGridBalloonEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(QObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(QObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(QObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(QObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(QObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(QObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(QObject* Sender, int ACol)>;
using TSearchEditChangeEvent = std::function<void(QObject* Sender, const QString& Value, bool& DefaultSearch)>;
using TSpinClickEvent = std::function<void(QObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(QObject* Sender, int Acol, int Arow)>;
using TIsDesigningEvent = std::function<void(QObject* Sender, bool& IsDesigning)>;
using TGetDisplWideTextEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using ZIveDoziVadeZiziEvent = std::function<void(QObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                 const QString& OrigValue, const QString& NewValue)>;
