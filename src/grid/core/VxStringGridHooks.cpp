#include "grid/core/VxStringGridPrivate.h"
#include "grid/model/GridGrouping.h"
#include "grid/model/HiddenRows.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/paint/ControlLook.h"

// Each hook applies the grid's own rule first, then lets the application decide through its event.

void TVxStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TVxStringGrid::DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TVxStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

void TVxStringGrid::DoComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void TVxStringGrid::DoComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

// The answer sets the mouse cursor at once; the grid's own Cursor stays.
void TVxStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    int cursorId = int(Cursor());
    OnGetCellCursor(this, ACol, ARow, X, Y, cursorId);
    viewport()->setCursor(Qt::CursorShape(cursorId));
}

void TVxStringGrid::GetCellHint(int ACol, int ARow, QString& AHint, QString& AWideHint)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, AHint);
    if (OnGridWideHint)
        OnGridWideHint(this, ARow, ACol, AWideHint);
    if (!AWideHint.isEmpty())
        AHint = EncodeWideCellText(AWideHint);
}

void TVxStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    const bool headerOfCurrentRow = ARow == Row() && FixedCols() > 0 && ACol == FixedCols() - 1;
    const bool headerOfCurrentCol = ACol == Col() && FixedRows() > 0 && ARow == FixedRows() - 1;
    if (d->Shared.FActiveCellShow && (headerOfCurrentRow || headerOfCurrentCol)) {
        *AFont = *d->Shared.FActiveCellFont;
        ABrush->SetColor(d->Shared.FAppearance.ActiveCellColor);
    }
    if (const TCellProperties* p = d->ExistingProps(ACol, ARow)) {
        // A cell showing a graphic keeps its background to the graphic's painter.
        if (!GraphicOfProps(p) && p->BrushColor() != clNone)
            ABrush->SetColor(p->BrushColor());
        if (p->FontColor() != clNone)
            AFont->SetColor(p->FontColor());
        if (p->FontStyle())
            AFont->SetStyle(p->FontStyle());
        if (p->FontSize() != 0)
            AFont->SetSize(p->FontSize());
        if (!p->FontName().isEmpty())
            AFont->SetName(p->FontName());
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TVxStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TVxStringGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    const TGrouping& gr = *d->Order.FGrouping;
    const auto line = [&](TCellBorder Side, TColor Color, int Width) {
        Borders = TCellBorders{Side};
        if (APen) {
            APen->SetColor(Color);
            APen->SetWidth(Width);
        }
    };
    if (ACol > 0 && gr.HeaderUnderline() && IsNode(ARow))
        line(TCellBorder::cbBottom, gr.HeaderLineColor(), gr.HeaderLineWidth());
    if (ACol > 0 && gr.SummaryLine() && IsSummary(ARow))
        line(TCellBorder::cbTop, gr.SummaryLineColor(), gr.SummaryLineWidth());
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TVxStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TVxStringGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && d->Shared.FMouseActions->HotmailRowSelect())
        HAlign = TAlignment::taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TVxStringGrid::GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TVxStringGrid::GetCellButtonEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void TVxStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TVxStringGrid::IsEditorNone(int ACol, int ARow)
{
    TEditorType editor = TEditorType::edNormal;
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, editor);
    return editor == TEditorType::edNone;
}

// A grid kept at its fixed rows (columns) still reports them fixed; the event is asked only otherwise.
void TVxStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    IsFixed = IsFixed ||
              (d->Shared.FFixedRowAlways && ARow <= d->Shared.FFixedRowsMin && RowCount() == d->Shared.FFixedRowsMin) ||
              (d->Shared.FFixedColAlways && ACol < d->Shared.FFixedColsMin && ColCount() == d->Shared.FFixedColsMin) ||
              ACol < FixedCols() || ARow < FixedRows();
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TVxStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    const TPoint b = BaseCell(ACol, ARow);
    if (CanEdit && d->ExistingProps(b.X, b.Y)) {
        CanEdit = !ReadOnly(b.X, b.Y);
        if (!Options().testFlag(TGridOption::goEditing) && !d->Shared.FMouseActions->RangeSelectAndEdit())
            CanEdit = false;
    }
    if (b.X < AllColCount())
        DoCanEditCell(b.X, b.Y, CanEdit);
    else
        CanEdit = true;
}

void TVxStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TVxStringGrid::DoGetWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TVxStringGrid::HasComboBox(int ACol, int ARow)
{
    bool result = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, result);
        return result;
    }
    if (d->Shared.FControlLook->DropDownAlwaysVisible()) {
        TEditorType editor = d->Settings.DefaultEditor;
        GetCellEditor(ACol, ARow, editor);
        result = editor == TEditorType::edComboEdit || editor == TEditorType::edComboList;
    }
    return result;
}

bool TVxStringGrid::HasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    bool result = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, result);
        return result;
    }
    if (d->Shared.FControlLook->SpinButtonsAlwaysVisible()) {
        TEditorType editor = d->Settings.DefaultEditor;
        GetCellButtonEditor(ACol, ARow, editor);
        result = editor == TEditorType::edSpinEdit || editor == TEditorType::edFloatSpinEdit ||
                 editor == TEditorType::edTimeSpinEdit || editor == TEditorType::edDateSpinEdit;
    }
    return result;
}

void TVxStringGrid::GetCheckTrue(int ACol, int ARow, QString& Value)
{
    Value = d->Settings.CheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void TVxStringGrid::GetCheckFalse(int ACol, int ARow, QString& Value)
{
    Value = d->Settings.CheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

// The column's distinct values, each shown as itself; one holding a blank carries a quoted condition.
bool TVxStringGrid::BuildColumnFilterList(int ACol)
{
    d->Shared.FFilterList.clear();
    if (d->Settings.FilterDropDownAuto &&
        (ACol >= FixedCols() || d->Settings.FilterDropDownColumns == TFilterDropDownColumns::fdAll)) {
        QStringList values;
        const auto add = [&values](QString v) {
            if (v.contains(QLatin1Char(' ')))
                v = v + QStringLiteral("=\"") + v + QLatin1Char('"');
            values << v;
        };
        for (int r = FixedRows(); r < RowCount() - d->Shared.FFixedFooters; ++r)
            add(Cells(ACol, r).trimmed());
        // A filtered-out row's value stays choosable, so that another value can be picked without clearing first.
        if (!d->Settings.FilterIncremental)
            for (const TGridItem& parked : d->Cells.FHiddenRows->Items())
                add(ACol >= 0 && ACol < int(parked.Items.size()) ? parked.Items[std::size_t(ACol)].Text : QString());
        // Sorted without letter case, duplicates ignored as the sorted list does.
        std::stable_sort(values.begin(), values.end(),
                         [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        for (const QString& v : values)
            if (d->Shared.FFilterList.isEmpty() || d->Shared.FFilterList.last().compare(v, Qt::CaseInsensitive) != 0)
                d->Shared.FFilterList << v;
        if (!d->Settings.FilterDropDownClear.isEmpty())
            d->Shared.FFilterList.prepend(d->Settings.FilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, d->Shared.FFilterList);
    return !d->Shared.FFilterList.isEmpty();
}

void TVxStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TVxStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (Look() == TGridLook::glVista || Look() == TGridLook::glWin7 || Look() == TGridLook::glOffice2007)
        InvalidateGridRect(Selection());
    d->Shared.FSelectionChanged = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TVxStringGrid::EditorCaretChanged(const QString&, int, int) {}

void TVxStringGrid::DoFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

// Formula cells show as stored here.
void TVxStringGrid::CalcFormulaCell(int ACol, int ARow, QString& Value)
{
    Value = Cells(ACol, ARow);
}

void TVxStringGrid::LoadCellText(int ACol, int ARow, const QString& Value)
{
    QString text = Value;
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, text);
    SetGridCell(ACol, ARow, text);
}

void TVxStringGrid::ExportNotification(TGridExportState, int) {}

void TVxStringGrid::ImportNotification(TGridImportState, int) {}

bool TVxStringGrid::IsFixed(int ACol, int ARow)
{
    const TPoint b = BaseCell(ACol, ARow);
    if ((d->Shared.FFixedFooters > 0 && b.Y >= RowCount() - d->Shared.FFixedFooters) ||
        (d->Shared.FFixedRightCols > 0 && b.X >= ColCount() - d->Shared.FFixedRightCols))
        return true;
    bool fixed = false;
    IsFixedCell(b.X, b.Y, fixed);
    return fixed;
}
