#pragma once
// The grid as a drop target and a drop source: where dropped data lands, the indicator arrows, and the
// settings that rule both.
#include "grid/foundation/DragDrop.h"
#include "platform/Property.h"

class TVxStringGrid;

class TDragDropSettings : public QObject {
public:
    explicit TDragDropSettings(TVxStringGrid* AOwner) : FOwner(AOwner) {}
    void Assign(const TDragDropSettings& Source);

    bool ShowCells() const { return F.ShowCells; }
    void SetShowCells(bool v) { F.ShowCells = v; }
    bool OleAcceptFiles() const { return F.OleAcceptFiles; }
    void SetOleAcceptFiles(bool v);
    bool OleAcceptText() const { return F.OleAcceptText; }
    void SetOleAcceptText(bool v);
    bool OleAcceptURLs() const { return F.OleAcceptURLs; }
    void SetOleAcceptURLs(bool v);
    bool OleAppendRows() const { return F.OleAppendRows; }
    void SetOleAppendRows(bool v) { F.OleAppendRows = v; }
    bool OleColumnDragDrop() const { return F.OleColumnDragDrop; }
    void SetOleColumnDragDrop(bool v) { F.OleColumnDragDrop = v; }
    bool OleColumnReorder() const { return F.OleColumnReorder; }
    void SetOleColumnReorder(bool v) { F.OleColumnReorder = v; }
    bool OleColumnsOnly() const { return F.OleColumnsOnly; }
    void SetOleColumnsOnly(bool v) { F.OleColumnsOnly = v; }
    bool OleCopyAlways() const { return F.OleCopyAlways; }
    void SetOleCopyAlways(bool v) { F.OleCopyAlways = v; }
    bool OleDropTarget() const { return F.OleDropTarget; }
    void SetOleDropTarget(bool v);
    bool OleDropSource() const { return F.OleDropSource; }
    void SetOleDropSource(bool v) { F.OleDropSource = v; }
    bool OleEntireRows() const { return F.OleEntireRows; }
    void SetOleEntireRows(bool v) { F.OleEntireRows = v; }
    bool OleInsertRows() const { return F.OleInsertRows; }
    void SetOleInsertRows(bool v) { F.OleInsertRows = v; }
    bool OleRemoveRows() const { return F.OleRemoveRows; }
    void SetOleRemoveRows(bool v) { F.OleRemoveRows = v; }
    bool OleDropRTF() const { return F.OleDropRTF; }
    void SetOleDropRTF(bool v);

private:
    void AcceptChanged();
    TVxStringGrid* FOwner;
    struct Values {
        bool ShowCells = true, OleAcceptFiles = true, OleAcceptText = true, OleAcceptURLs = true;
        bool OleAppendRows = false, OleColumnDragDrop = false, OleColumnReorder = false, OleColumnsOnly = false;
        bool OleCopyAlways = false, OleDropTarget = false, OleDropSource = false, OleEntireRows = false;
        bool OleInsertRows = false, OleRemoveRows = false, OleDropRTF = false;
    } F;
};

class TGridDropTarget : public TVXGDropTarget {
public:
    explicit TGridDropTarget(TVxStringGrid* AGrid);

    // Public for the grid and for tests that drop without a drag loop; pt is in screen coordinates.
    void DropText(QPoint pt, const QString& s) override;
    void DropStream(QPoint pt, const QByteArray& Stream) override;
    void DropCol(QPoint pt, int Col) override;
    void DropRTF(QPoint pt, const QString& s) override;
    void DropFiles(QPoint pt, const QStringList& Files) override;
    void DropURL(QPoint pt, const QString& s) override;
    void DragMouseMove(QPoint pt, bool& Allow, TDropFormats DropFormats) override;
    void DragMouseLeave() override;

private:
    // The cell under a screen point (-1 outside) and whether the point lies in the append zone below the rows.
    struct TTarget {
        int Col = -1, Row = -1;
        bool Append = false;
        QPoint Client;
    };
    TTarget TargetAt(QPoint pt, bool Column) const;
    void HideArrows();
    TVxStringGrid* FGrid;
};

class TGridDropSource : public TVXGDropSource {
public:
    explicit TGridDropSource(TVxStringGrid* AGrid) : FGrid(AGrid) {}
    int LastEffect() const { return FLastEffect; }

protected:
    void CurrentEffect(Qt::DropAction dwEffect) override;

private:
    TVxStringGrid* FGrid;
    int FLastEffect = 0;
};
