#pragma once
// The controls embedded in grid cells. Items are owned by the list; the controls are not.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class TControlItem {
public:
    TControlItem(int AX, int AY, QWidget* AObject) : FX(AX), FY(AY), FObject(AObject) {}
    int X() const { return FX; }
    int Y() const { return FY; }
    QWidget* Control() const { return FObject; }
    void MoveTo(int AX, int AY) { FX = AX; FY = AY; }   // the cell's row or column moved

private:
    int FX;
    int FY;
    QPointer<QWidget> FObject;   // the control may be destroyed by its own parent first
};

class TControlList {
public:
    int Count() const { return int(FItems.size()); }
    void AddControl(int X, int Y, QWidget* AObject);
    int ControlIndex(int X, int Y) const;      // first item for the cell, -1 when none
    TControlItem* Control(int i) const;        // nullptr outside the list
    void RemoveControl(int i);                 // frees the item, never the control
    void Clear();
    // The window handle of a control is the widget itself here.
    bool HasHandle(const QWidget* Handle) const;

private:
    std::vector<std::unique_ptr<TControlItem>> FItems;
};
