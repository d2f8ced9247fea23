#pragma once
// The floating footer's settings: a panel under the grid that shows the grid's last row as a footer row of
// per-column calculations, a cell of the current row, a template filled from the current row, or custom paint.
#include "grid/foundation/GridTypes.h"
#include <QString>
#include <functional>

class TVxStringGrid;

enum class TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

using TCalcFooterEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;

class TFloatingFooter {
public:
    explicit TFloatingFooter(TVxStringGrid& AOwner) : FGrid(AOwner) {}

    // CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle, Visible (through its setter), ShowHint.
    void Assign(const TFloatingFooter& Source);
    void Invalidate();

    // Visible with fsFixedLastRow: the grid's last row is the footer row (one fixed footer, not shown in the grid).
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle Value);
    int Column() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; Invalidate(); }
    QString CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const QString& Value) { FCustomTemplate = Value; Invalidate(); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; Invalidate(); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }
    bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
    void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
    int Height() const { return FHeight; }
    void SetHeight(int Value);   // 0: the grid's default row height
    bool EnableCalculation() const { return FEnableCalculation; }
    void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
    // Kept in the cell properties of the grid's last row; writing recalculates that column.
    TColumnCalcType ColumnCalc(int c) const;
    void SetColumnCalc(int c, TColumnCalcType Value);

    TCalcFooterEvent OnCalcFooter;

private:
    TVxStringGrid& FGrid;
    bool FVisible = false;
    TFooterStyle FFooterStyle = TFooterStyle::fsFixedLastRow;
    int FColumn = 0;
    QString FCustomTemplate;
    TColor FColor = clBtnFace;
    TColor FBorderColor = clNone;
    bool FShowHint = false;
    bool FCalculateHiddenRows = true;
    int FHeight = 0;
    bool FEnableCalculation = true;
};
