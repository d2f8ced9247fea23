#pragma once
// Undo and redo of cell text changes for a linked base grid: one linear list of changes and sequence
// markers, and the level of entries currently applied.
#include "grid/foundation/GridTypes.h"
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

struct TUndoRedoItem {
    int Row = -1;               // -1 in a sequence marker
    int Col = -1;               // the column as the grid stores it
    QString Value;              // text after the change
    QString OrigValue;          // text before it
    bool SequenceStart = false;
    bool SequenceStop = false;
};

using TUndoRedoCollection = std::vector<TUndoRedoItem>;   // oldest first

class ZIveDoziVadeZizi : public QObject {
    Q_OBJECT

public:
    explicit ZIveDoziVadeZizi(QObject* AOwner = nullptr);

    virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < int(FItems.size()); }
    void Reset();

    int Level() const { return FLevel; }
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int value) { FMaxLevel = value; }   // 0: no limit
    const TUndoRedoCollection& Items() const { return FItems; }
    TBaseGrid* Grid() const;
    void SetGrid(TBaseGrid* value);                       // clears itself when the grid goes

    ZIveDoziVadeZiziEvent OnUndo;
    ZIveDoziVadeZiziEvent OnRedo;

private:
    void AddMarker(bool start);
    void Apply(const TUndoRedoItem& item, bool undo);

    TUndoRedoCollection FItems;
    QPointer<TBaseGrid> FGrid;
    int FLevel = 0;
    int FMaxLevel = 0;
};
