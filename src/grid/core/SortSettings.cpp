#include "grid/core/SortSettings.h"
#include "grid/model/IntList.h"
#include "platform/Canvas.h"
#include <stdexcept>

namespace {
const char* const kInvalidSpecifier = "Invalid sort settings specifier";
}

TSortSettings::TSortSettings(TSortSettingsHost& AOwner)
    : FGrid(&AOwner), FUpGlyph(std::make_unique<TBitmap>()), FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()), FIndexDownGlyph(std::make_unique<TBitmap>())
{
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(const TSortSettings& Source)
{
    if (&Source == this)
        return;
    FAutoSortForGrouping = Source.FAutoSortForGrouping;
    FAutoColumnMerge = Source.FAutoColumnMerge;
    FColumn = Source.FColumn;
    FShow = Source.FShow;
    FIndexShow = Source.FIndexShow;
    FIndexColor = Source.FIndexColor;
    FFull = Source.FFull;
    FSingleColumn = Source.FSingleColumn;
    FIgnoreBlanks = Source.FIgnoreBlanks;
    FBlankPos = Source.FBlankPos;
    FAutoFormat = Source.FAutoFormat;
    FDirection = Source.FDirection;
    FUpGlyph->Assign(*Source.FUpGlyph);
    FDownGlyph->Assign(*Source.FDownGlyph);
    FIndexUpGlyph->Assign(*Source.FIndexUpGlyph);
    FIndexDownGlyph->Assign(*Source.FIndexDownGlyph);
    FIndexSortKey = Source.FIndexSortKey;
    FInitSortDirection = Source.FInitSortDirection;
    FFixedCols = Source.FFixedCols;
    FNormalCellsOnly = Source.FNormalCellsOnly;
    FRow = Source.FRow;
    FUndoSort = Source.FUndoSort;
    FHeaderColor = Source.FHeaderColor;
    FHeaderColorTo = Source.FHeaderColorTo;
    FHeaderMirrorColor = Source.FHeaderMirrorColor;
    FHeaderMirrorColorTo = Source.FHeaderMirrorColorTo;
}

QString TSortSettings::SaveToString() const
{
    if (FIndexShow)
        return QStringLiteral("i;") + FGrid->SortHostIndexes().SaveToString();
    return (FDirection == TSortDirection::sdDescending ? QLatin1Char('d') : QLatin1Char('u')) + QString::number(FColumn);
}

void TSortSettings::LoadFromString(const QString& Value)
{
    if (Value.isEmpty())
        return;
    // Everything is read before anything is set, so that a text that fails leaves the state as it was.
    if (Value.size() < 2)
        throw std::runtime_error(kInvalidSpecifier);
    if (Value.contains(QLatin1String("i;"))) {
        const QString indexes = Value.mid(2);
        if (!indexes.isEmpty()) {
            TSortIndexList probe;
            probe.LoadFromString(indexes);
            if (probe.Count() == 0)
                throw std::runtime_error(kInvalidSpecifier);
        }
        SetShow(true);
        FIndexShow = true;
        if (!indexes.isEmpty()) {
            FGrid->SortHostIndexes().LoadFromString(indexes);
            FGrid->SortHostSort(true);
        }
        return;
    }
    bool ok = false;
    const int column = Value.mid(1).toInt(&ok, 10);
    if (!ok || column < -1)
        throw std::runtime_error(kInvalidSpecifier);
    SetShow(true);
    FIndexShow = false;
    FDirection = Value.contains(QLatin1Char('u')) ? TSortDirection::sdAscending : TSortDirection::sdDescending;
    FColumn = column;
    FGrid->SortHostSort(false);
}

void TSortSettings::Remove()
{
    FColumn = -1;
    FGrid->SortHostIndexes().Clear();
    RepaintHeader();
}

void TSortSettings::ToggleDirection()
{
    FDirection = FDirection == TSortDirection::sdAscending ? TSortDirection::sdDescending : TSortDirection::sdAscending;
}

void TSortSettings::SetShow(bool Value)
{
    if (FShow == Value)
        return;
    FShow = Value;
    FGrid->SortHostRepaint(-1);
}

void TSortSettings::SetRow(int Value)
{
    if (Value >= FGrid->SortHostFixedRows())
        throw std::runtime_error("Sort row should be smaller than number of fixed rows");
    FRow = Value;
}

void TSortSettings::SetHeaderColorField(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    RepaintHeader();
}

void TSortSettings::RepaintHeader()
{
    const int fixedRows = FGrid->SortHostFixedRows();
    if (fixedRows > 0)
        FGrid->SortHostRepaint(fixedRows - 1);
}

void TSortSettings::SetUpGlyph(const TBitmap& Value) { FUpGlyph->Assign(Value); }
void TSortSettings::SetDownGlyph(const TBitmap& Value) { FDownGlyph->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph->Assign(Value); }
