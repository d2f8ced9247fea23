#include "grid/foundation/UndoRedo.h"

#include "grid/foundation/BaseGrid.h"
#include <algorithm>

ZIveDoziVadeZizi::ZIveDoziVadeZizi(QObject* AOwner)
    : QObject(AOwner)
{
}

TBaseGrid* ZIveDoziVadeZizi::Grid() const { return FGrid; }
void ZIveDoziVadeZizi::SetGrid(TBaseGrid* value) { FGrid = value; }

void ZIveDoziVadeZizi::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue)
{
    if (FMaxLevel > 0 && int(FItems.size()) >= FMaxLevel)
        FItems.erase(FItems.begin());
    // Entries undone before stay in the list, ahead of the new one.
    FItems.push_back({ARow, ACol, NewValue, OldValue, false, false});
    FLevel = int(FItems.size());
}

void ZIveDoziVadeZizi::AddMarker(bool start)
{
    TUndoRedoItem marker;
    marker.SequenceStart = start;
    marker.SequenceStop = !start;
    FItems.push_back(marker);
    FLevel = int(FItems.size());
}

void ZIveDoziVadeZizi::StartSequence() { AddMarker(true); }
void ZIveDoziVadeZizi::StopSequence() { AddMarker(false); }

void ZIveDoziVadeZizi::Reset()
{
    FItems.clear();
    FLevel = 0;
}

void ZIveDoziVadeZizi::Apply(const TUndoRedoItem& item, bool undo)
{
    if (item.Col < 0 || item.Row < 0)
        return;   // a marker left without its partner changes no cell
    const QString& value = undo ? item.OrigValue : item.Value;
    const ZIveDoziVadeZiziEvent& event = undo ? OnUndo : OnRedo;
    if (event)
        event(this, FGrid, item.Col, item.Row, FGrid->GetCellEx(item.Col, item.Row), value);
    FGrid->SetCellEx(item.Col, item.Row, value);
    FGrid->SetCol(FGrid->DisplColIndex(item.Col));
    FGrid->SetRow(item.Row);
}

void ZIveDoziVadeZizi::Undo()
{
    if (!FGrid || FLevel <= 0 || int(FItems.size()) < FLevel)
        return;
    const TUndoRedoItem entry = FItems[std::size_t(FLevel - 1)];
    if (entry.SequenceStop) {
        --FLevel;
        while (FLevel > 0 && !FItems[std::size_t(FLevel - 1)].SequenceStart) {
            Apply(FItems[std::size_t(FLevel - 1)], true);
            --FLevel;
        }
        // The start marker may have been dropped by the level limit: never step below the first entry.
        if (FLevel > 0)
            --FLevel;
        FGrid->InvalidateGrid();
        return;
    }
    Apply(entry, true);
    FGrid->RepaintCell(FGrid->Col(), entry.Row);
    --FLevel;
}

void ZIveDoziVadeZizi::Redo()
{
    if (!FGrid || FLevel >= int(FItems.size()) || FLevel < 0)
        return;
    ++FLevel;
    const TUndoRedoItem entry = FItems[std::size_t(FLevel - 1)];
    if (entry.SequenceStart) {
        ++FLevel;
        while (FLevel <= int(FItems.size()) && !FItems[std::size_t(FLevel - 1)].SequenceStop) {
            Apply(FItems[std::size_t(FLevel - 1)], false);
            ++FLevel;
        }
        // A sequence still open at the end of the list stops there.
        FLevel = std::min(FLevel, int(FItems.size()));
        FGrid->InvalidateGrid();
        return;
    }
    Apply(entry, false);
}
