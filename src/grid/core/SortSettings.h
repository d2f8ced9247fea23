#pragma once
// The sort state of a string grid: sort column, direction, every sort option, and its saved text form.
#include "platform/Types.h"
#include <QString>
#include <memory>

class TBitmap;
class TSortIndexList;

enum class TSortDirection { sdAscending, sdDescending };
enum class TSortBlankPosition { blFirst, blLast };
enum class TIndexSortKey { ikShift, ikCtrl };

// What the settings need of their grid; the grid implements it (or lends an adapter).
class TSortSettingsHost {
public:
    virtual ~TSortSettingsHost() = default;
    virtual int SortHostFixedRows() const = 0;
    virtual TSortIndexList& SortHostIndexes() = 0;
    virtual void SortHostRepaint(int Row) = 0;      // a fixed row, or -1 for the whole grid
    virtual void SortHostSort(bool Indexed) = 0;    // QSort / QSortIndexed
};

class TSortSettings {
public:
    explicit TSortSettings(TSortSettingsHost& AOwner);   // the host outlives the settings
    ~TSortSettings();
    TSortSettings(const TSortSettings&) = delete;
    TSortSettings& operator=(const TSortSettings&) = delete;

    // Everything but IgnoreCase and SortOnVirtualCells; Row without its range check.
    void Assign(const TSortSettings& Source);

    // "u3", "d7", "u-1", or "i;" and the sort-index list ("i;u2;d5").
    QString SaveToString() const;
    // Empty does nothing. A text that cannot be read raises "Invalid sort settings specifier" and changes
    // nothing; a good one sets the state and sorts.
    void LoadFromString(const QString& Value);
    void Remove();
    void ToggleDirection();

    int Column() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    TSortDirection Direction() const { return FDirection; }
    void SetDirection(TSortDirection Value) { FDirection = Value; }
    bool Show() const { return FShow; }
    void SetShow(bool Value);
    bool IndexShow() const { return FIndexShow; }
    void SetIndexShow(bool Value) { FIndexShow = Value; }
    bool Full() const { return FFull; }
    void SetFull(bool Value) { FFull = Value; }
    bool SingleColumn() const { return FSingleColumn; }
    void SetSingleColumn(bool Value) { FSingleColumn = Value; }
    bool IgnoreBlanks() const { return FIgnoreBlanks; }
    void SetIgnoreBlanks(bool Value) { FIgnoreBlanks = Value; }
    TSortBlankPosition BlankPos() const { return FBlankPos; }
    void SetBlankPos(TSortBlankPosition Value) { FBlankPos = Value; }
    bool AutoFormat() const { return FAutoFormat; }
    void SetAutoFormat(bool Value) { FAutoFormat = Value; }
    bool IgnoreCase() const { return FIgnoreCase; }
    void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
    bool SortOnVirtualCells() const { return FSortOnVirtualCells; }
    void SetSortOnVirtualCells(bool Value) { FSortOnVirtualCells = Value; }
    bool NormalCellsOnly() const { return FNormalCellsOnly; }
    void SetNormalCellsOnly(bool Value) { FNormalCellsOnly = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value);   // raises "Sort row should be smaller than number of fixed rows"
    bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
    void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
    TColor IndexColor() const { return FIndexColor; }
    void SetIndexColor(TColor Value) { FIndexColor = Value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { SetHeaderColorField(FHeaderColor, Value); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { SetHeaderColorField(FHeaderColorTo, Value); }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { SetHeaderColorField(FHeaderMirrorColor, Value); }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { SetHeaderColorField(FHeaderMirrorColorTo, Value); }
    bool AutoColumnMerge() const { return FAutoColumnMerge; }
    void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
    bool FixedCols() const { return FFixedCols; }
    void SetFixedCols(bool Value) { FFixedCols = Value; }
    bool UndoSort() const { return FUndoSort; }
    void SetUndoSort(bool Value) { FUndoSort = Value; }
    TSortDirection InitSortDirection() const { return FInitSortDirection; }
    void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
    TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
    void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }

    // The glyphs belong to the settings; setting one copies the picture.
    TBitmap* UpGlyph() const { return FUpGlyph.get(); }
    void SetUpGlyph(const TBitmap& Value);
    TBitmap* DownGlyph() const { return FDownGlyph.get(); }
    void SetDownGlyph(const TBitmap& Value);
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
    void SetIndexUpGlyph(const TBitmap& Value);
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
    void SetIndexDownGlyph(const TBitmap& Value);

private:
    void SetHeaderColorField(TColor& Field, TColor Value);
    void RepaintHeader();

    TSortSettingsHost* FGrid;
    int FColumn = -1;
    TSortDirection FDirection = TSortDirection::sdAscending;
    bool FShow = false;
    bool FIndexShow = false;
    bool FFull = true;
    bool FSingleColumn = false;
    bool FIgnoreBlanks = false;
    TSortBlankPosition FBlankPos = TSortBlankPosition::blFirst;
    bool FAutoFormat = true;
    bool FIgnoreCase = false;
    bool FSortOnVirtualCells = true;
    bool FNormalCellsOnly = false;
    int FRow = 0;
    bool FAutoSortForGrouping = true;
    std::unique_ptr<TBitmap> FUpGlyph, FDownGlyph, FIndexUpGlyph, FIndexDownGlyph;
    TColor FIndexColor = 0x0000FFFF;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
    bool FAutoColumnMerge = false;
    bool FFixedCols = false;
    bool FUndoSort = false;
    TSortDirection FInitSortDirection = TSortDirection::sdAscending;
    TIndexSortKey FIndexSortKey = TIndexSortKey::ikShift;
};
