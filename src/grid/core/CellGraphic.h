#pragma once
// The one graphic object a cell may carry (check box, radio group, node, picture, progress bar, button, ...),
// kept in the graphic slot of the cell's properties. Which fields a kind uses is listed with TCellType.
#include "grid/foundation/VxCheckBox.h"
#include "grid/model/GridStore.h"
#include "platform/Types.h"
#include "grid/foundation/GridTypes.h"
#include <initializer_list>
#include <QString>
#include <QVariant>
#include <typeinfo>

enum class TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
    ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
    ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
    ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};
// 33 kinds: more than a toolkit set holds, so kinds are tested against a list.
using TCellTypes = std::initializer_list<TCellType>;

enum class TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum class TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum class TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// A cell object that draws itself and reports its size; the application keeps and frees it.
class ICellGraphic {
public:
    virtual ~ICellGraphic() = default;
    virtual void Draw(TCanvas* Canvas, const TRect& R, int Col, int Row, bool Selected, TObject* Grid) = 0;
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
};

// One of the graphic's two reference slots: an object of any class, or a colour for the kinds that carry one.
// Whether the graphic frees the object is decided by its kind when the graphic goes.
class TGraphicSlot {
public:
    TGraphicSlot() = default;
    TGraphicSlot(const TGraphicSlot&) = delete;
    TGraphicSlot& operator=(const TGraphicSlot&) = delete;

    template <typename T>
    void Set(T* Object)
    {
        FObject = Object;
        FType = Object ? &typeid(T) : nullptr;
        FDelete = [](void* p) { delete static_cast<T*>(p); };
        FSize = nullptr;
        if constexpr (requires(const T& t) { t.Width(); t.Height(); })
            FSize = [](const void* p) {
                const auto* t = static_cast<const T*>(p);
                return TPoint{t->Width(), t->Height()};
            };
    }
    template <typename T>
    T* As() const { return FType && *FType == typeid(T) ? static_cast<T*>(FObject) : nullptr; }
    bool Assigned() const { return FObject != nullptr; }
    const void* Address() const { return FObject; }
    // Width and height of an object that has them, (0, 0) otherwise.
    TPoint NaturalSize() const { return FObject && FSize ? FSize(FObject) : TPoint{0, 0}; }
    void Free();                 // frees the object and empties the slot
    void Forget() { FObject = nullptr; FType = nullptr; FDelete = nullptr; FSize = nullptr; }

    TColor Value = 0;            // the colour of the colour-carrying kinds

private:
    void* FObject = nullptr;
    const std::type_info* FType = nullptr;
    void (*FDelete)(void*) = nullptr;
    TPoint (*FSize)(const void*) = nullptr;
};

class TCellGraphic : public TObject {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;
    // Copies the kind and the plain fields; the references, CellVar and the tri-state are left as they are.
    void Assign(const TCellGraphic& Source);

    TCellType CellType() const { return FCellType; }
    void SetCellType(TCellType Value) { FCellType = Value; }
    TGraphicSlot& CellBitmap() { return FCellBitmap; }
    const TGraphicSlot& CellBitmap() const { return FCellBitmap; }
    TGraphicSlot& CellIcon() { return FCellIcon; }
    const TGraphicSlot& CellIcon() const { return FCellIcon; }
    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
    int CellIndex() const { return FCellIndex; }
    void SetCellIndex(int Value) { FCellIndex = Value; }
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool Value) { FCellTransparent = Value; }
    bool CellCreated() const { return FCellCreated; }
    void SetCellCreated(bool Value) { FCellCreated = Value; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool Value) { FCellBoolean = Value; }
    int CellAngle() const { return FCellAngle; }
    void SetCellAngle(int Value) { FCellAngle = Value; }
    double CellValue() const { return FCellValue; }
    void SetCellValue(double Value) { FCellValue = Value; }
    int CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int Value) { FCellErrFrom = Value; }
    int CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int Value) { FCellErrLen = Value; }
    // The error marker under part of the text; apart from CellErrFrom and CellErrLen, which some kinds use for
    // a range or a count.
    int CellMarkerFrom() const { return FCellMarkerFrom; }
    void SetCellMarkerFrom(int Value) { FCellMarkerFrom = Value; }
    int CellMarkerLen() const { return FCellMarkerLen; }
    void SetCellMarkerLen(int Value) { FCellMarkerLen = Value; }
    QString CellText() const { return FCellText; }
    void SetCellText(const QString& Value) { FCellText = Value; }
    QVariant CellVar() const { return FCellVar; }
    void SetCellVar(const QVariant& Value) { FCellVar = Value; }
    TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }

    // The object passed in stays the caller's unless CellCreated is set afterwards.
    void SetInterfacedCell(ICellGraphic* AObject);
    template <typename TBmp>
    void SetBitmap(TBmp* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
    {
        Kind(TCellType::ctBitmap, hal, val);
        FCellBitmap.Set(ABmp);
        FCellTransparent = Transparent;
    }
    template <typename TPic>
    void SetPicture(TPic* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                    TCellVAlign val)
    {
        SetPictureKind(TCellType::ctPicture, Transparent, StretchMode, padding, hal, val);
        FCellBitmap.Set(APicture);
    }
    template <typename TPic>
    void SetFilePicture(TPic* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                        TCellVAlign val)
    {
        SetPictureKind(TCellType::ctFilePicture, Transparent, StretchMode, padding, hal, val);
        FCellBitmap.Set(APicture);
    }
    template <typename TIco>
    void SetIcon(TIco* AIcon, TCellHAlign hal, TCellVAlign val)
    {
        Kind(TCellType::ctIcon, hal, val);
        FCellIcon.Set(AIcon);
    }
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // A new index list bound to the cell, owned by the graphic; Notifier hears its changes.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       const std::function<void(QObject*, int, int)>& Notifier);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetAngle(int AAngle);
    void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
    template <typename TGlyph>
    void SetBitButton(int bw, int bh, const QString& caption, TGlyph* Glyph, TCellHAlign hal, TCellVAlign val)
    {
        SetButton(bw, bh, caption, hal, val);
        FCellType = TCellType::ctBitButton;
        FCellBitmap.Set(Glyph);
    }
    // The drawn size of a picture in an area of cw x rh; other kinds leave Result as given.
    TPoint GetPictureSize(int cw, int rh, bool hastext, TPoint Result = {0, 0}) const;

private:
    void Kind(TCellType Type, TCellHAlign hal, TCellVAlign val);
    void SetPictureKind(TCellType Type, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                        TCellVAlign val);

    TCellType FCellType = TCellType::ctNone;
    TGraphicSlot FCellBitmap;
    TGraphicSlot FCellIcon;
    TCellVAlign FCellVAlign = TCellVAlign::vaTop;
    TCellHAlign FCellHAlign = TCellHAlign::haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    int FCellAngle = 0;
    double FCellValue = 0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    int FCellMarkerFrom = 0;
    int FCellMarkerLen = 0;
    QString FCellText;
    QVariant FCellVar;
    TCheckBoxState FCellCheckBoxState = TCheckBoxState::cbUnchecked;
};

class TVxStringGrid;
// The graphic takes its state from the cell text (data check boxes, data images): import and printing ask.
bool IsDataGraphicCell(TVxStringGrid* Grid, int ACol, int ARow);
