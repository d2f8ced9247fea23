#pragma once
// Integer lists kept per cell or per operation: TIntList and the sort-column list TSortIndexList.
#include "grid/foundation/GridTypes.h"
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

class TIntList : public QObject {
public:
    TIntList(int Col, int Row);

    int Count() const { return int(FItems.size()); }
    std::int32_t Items(int Index) const;
    void SetItems(int Index, std::int32_t Value);     // fires OnChange
    void Add(std::int32_t Value);                     // fires OnChange
    void Delete(int Index);                           // fires OnChange
    void Insert(int Index, std::int32_t Value);       // no event
    void DeleteValue(std::int32_t Value);             // through Delete, when present
    bool HasValue(std::int32_t Value) const;
    int IndexOf(std::int32_t Value) const;
    void Clear();                                     // no event

    // "1,-2,30"; writing takes the toolkit's comma-text rules and raises EConvertError on a bad item.
    QString StrValue() const;
    void SetStrValue(const QString& Value);

    TImageChangeEvent OnChange;

protected:
    void Changed();
    void CheckIndex(int Index) const;
    std::vector<std::int32_t> FItems;

private:
    int FCol;
    int FRow;
};

// Items hold a column in their low 31 bits; bit 31 set means descending.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    int FindIndex(int ColumnIndex) const;
    void ToggleIndex(int ColumnIndex);

    int SortColumns(int i) const;
    void SetSortColumns(int i, int Value);
    bool SortDirections(int i) const;
    void SetSortDirections(int i, bool Ascending);

    // "u2;d5": direction letter and column per entry.
    QString SaveToString() const;
    void LoadFromString(const QString& S);
};
