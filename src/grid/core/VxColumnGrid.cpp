#include "grid/core/VxColumnGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/paint/ControlLook.h"

TVxColumnGrid::TVxColumnGrid(QWidget* AOwner)
    : TVxStringGrid(AOwner), FColumnCollection(std::make_unique<TGridColumnCollection>(this)),
      FSaveCol(std::make_unique<TGridColumnItem>())
{
    SyncColumnCountQuietly();
}

TVxColumnGrid::~TVxColumnGrid() = default;

TGridColumnItem* TVxColumnGrid::Definition(int ACol) const
{
    return ACol >= 0 && ACol < FColumnCollection->Count() ? FColumnCollection->Items(ACol) : nullptr;
}

bool TVxColumnGrid::IsNormalCell(int ACol, int ARow) const
{
    return ACol >= FixedCols() && ARow >= FixedRows() && ACol < AllColCount() - FixedRightCols() &&
           ARow < RowCount() - FixedFooters();
}

TGridColumnItem* TVxColumnGrid::GetColumnByName(const QString& AValue) const
{
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        if (FColumnCollection->Items(i)->Name() == AValue)
            return FColumnCollection->Items(i);
    return nullptr;
}

void TVxColumnGrid::SetColCount(int Value)
{
    TVxStringGrid::SetColCount(Value);
    SyncColumnCountQuietly();
}

void TVxColumnGrid::SyncColumnCountQuietly()
{
    const bool held = FColumnCollection->NoRecursiveUpdate();
    FColumnCollection->SetNoRecursiveUpdate(true);
    SyncColumnCount();
    FColumnCollection->SetNoRecursiveUpdate(held);
}

void TVxColumnGrid::SyncColumnCount()
{
    const int wanted = AllColCount();
    while (FColumnCollection->Count() < wanted)
        FColumnCollection->Add();
    while (FColumnCollection->Count() > wanted)
        FColumnCollection->Delete(FColumnCollection->Count() - 1);
}

void TVxColumnGrid::SyncColumnHeaders()
{
    if (FixedRows() == 0)
        return;
    QStringList headers;
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->Header().isEmpty() && !Cells(i, 0).isEmpty())
            item->SetHeaderField(Cells(i, 0));
        headers << item->Header();
    }
    SetColumnHeaders(headers);
}

int TVxColumnGrid::GetVersionNr()
{
    return (3 << 24) | (1 << 16) | (3 << 8) | 1;
}

QString TVxColumnGrid::GetVersionString()
{
    const int v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4 Aug, 2012")
        .arg((v >> 24) & 0xFF)
        .arg((v >> 16) & 0xFF)
        .arg((v >> 8) & 0xFF)
        .arg(v & 0xFF);
}

void TVxColumnGrid::Loaded()
{
    TVxStringGrid::Loaded();
    SyncColumnCount();
    FColumnCollection->SetOrganization();
}

void TVxColumnGrid::ColWidthsChanged()
{
    TVxStringGrid::ColWidthsChanged();
    if (Loading() || !FColumnCollection)
        return;
    for (int d = 0; d < ColCount(); ++d)
        if (TGridColumnItem* item = Definition(RealColIndex(d)))
            item->FWidth = ColWidths(d);
}

// The definitions travel with their columns; From and To are real indexes taken before anything moves.
void TVxColumnGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FColumnCollection->SetNoRecursiveUpdate(true);
    const int top = TopRow();
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    TVxStringGrid::ColumnMoved(FromIndex, ToIndex);
    FColMoving = true;
    if (Definition(from) && Definition(to)) {
        TGridColumnItem copy;
        copy.Assign(*Definition(from));
        FColumnCollection->Delete(from);
        FColumnCollection->Insert(to)->Assign(copy);
    }
    SetTopRow(top);
    FColMoving = false;
    FColumnCollection->SetNoRecursiveUpdate(false);
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, from, to);
}

QString TVxColumnGrid::GetEditMask(int ACol, int ARow)
{
    QString mask;
    if (ACol < FColumnCollection->Count() && ACol >= FixedCols())
        if (TGridColumnItem* item = Definition(RealColIndex(ACol)))
            mask = item->EditMask();
    const QString own = TVxStringGrid::GetEditMask(ACol, ARow);
    return own.isEmpty() ? mask : own;
}

int TVxColumnGrid::GetEditLimit()
{
    if (Col() < FColumnCollection->Count() && Col() >= FixedCols())
        if (TGridColumnItem* item = Definition(RealColIndex(Col())))
            return item->EditLength();
    return TVxStringGrid::GetEditLimit();
}

// ---- per-cell answers

void TVxColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    const bool fixedArea = ACol < FixedCols() || ACol >= AllColCount() - FixedRightCols() ||
                           ARow >= RowCount() - FixedFooters();
    if (TGridColumnItem* item = Definition(ACol); item && !fixedArea) {
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (ARow >= FixedRows() && (!item->ShowBands() || !Bands().Active()))
            ABrush->SetColor(item->Color());
        *AFont = ARow < FixedRows() ? item->HeaderFont() : item->Font();
    }
    TVxStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TVxColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    const bool fixedArea = ACol < FixedCols() || ACol >= AllColCount() - FixedRightCols() ||
                           ARow >= RowCount() - FixedFooters() || ARow < FixedRows();
    if (TGridColumnItem* item = Definition(ACol); item && !fixedArea) {
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (!(item->ShowBands() && Bands().Active() && Bands().Print()))
            ABrush->SetColor(item->PrintColor());
        if (item->PrintFontCustom())
            *AFont = item->PrintFont();
    }
    TVxStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TVxColumnGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (TGridColumnItem* item = Definition(ACol); item && ACol >= FixedCols() && ARow >= FixedRows()) {
        Borders = item->Borders();
        *APen = item->BorderPen();
    }
    TVxStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TVxColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (TGridColumnItem* item = Definition(ACol);
        item && item->PrintBorderCustom() && ACol >= FixedCols() && ARow >= FixedRows()) {
        Borders = item->PrintBorders();
        *APen = item->PrintBorderPen();
    }
    TVxStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TVxColumnGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (TGridColumnItem* item = Definition(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (HasCellProperties(ACol, ARow))
            HAlign = Alignments(ACol, ARow);
    }
    TVxStringGrid::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TVxColumnGrid::GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (TGridColumnItem* item = Definition(ACol)) {
        AStyle = item->SortStyle();
        aPrefix = item->SortPrefix();
        aSuffix = item->SortSuffix();
    }
    TVxStringGrid::GetColFormat(ACol, AStyle, aPrefix, aSuffix);
}

void TVxColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (TGridColumnItem* item = Definition(ACol)) {
        if (IsNormalCell(ACol, ARow)) {
            AEditor = item->Editor();
            FEditorComboItems = item->ComboItems();
            FEditorDropDownCount = item->DropDownCount();
            ControlLook().SetDropDownCount(item->DropDownCount());
        }
        if (!item->FloatFormat().isEmpty())
            SetFloatFormat(item->FloatFormat());
    }
    TVxStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

// A combo column's items fill the grid's combo editor before the application's own event runs.
void TVxColumnGrid::DoGetEditorProp(int ACol, int ARow, QObject* AEditLink)
{
    if (TGridColumnItem* item = Definition(ACol);
        item && IsNormalCell(ACol, ARow) &&
        (item->Editor() == TEditorType::edComboEdit || item->Editor() == TEditorType::edComboList)) {
        ClearComboString();
        for (const QString& s : item->ComboItems())
            AddComboString(s);
    }
    TVxStringGrid::DoGetEditorProp(ACol, ARow, AEditLink);
}

void TVxColumnGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (IsNormalCell(ACol, ARow))
        if (TGridColumnItem* item = Definition(RealColIndex(ACol)))
            IsFixed = item->Fixed();
    TVxStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

// A read-only definition wins over the cell; a writable one leaves the cell's own flag to decide.
void TVxColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    CanEdit = false;
    if (!Loading())
        if (TGridColumnItem* item = Definition(ACol); item && IsNormalCell(ACol, ARow))
            CanEdit = !(item->ReadOnly() || item->Fixed());
    const TPoint b = BaseCell(ACol, ARow);
    if (CanEdit && HasCellProperties(b.X, b.Y))
        CanEdit = !ReadOnly(b.X, b.Y);
    DoCanEditCell(b.X, b.Y, CanEdit);
}

void TVxColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (TGridColumnItem* item = Definition(ACol))
        IsPassword = item->Password();
    TVxStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TVxColumnGrid::HasComboBox(int ACol, int ARow)
{
    bool result = false;
    if (TGridColumnItem* item = Definition(ACol); item && IsNormalCell(ACol, ARow))
        result = item->Editor() == TEditorType::edComboEdit || item->Editor() == TEditorType::edComboList;
    if (OnHasComboBox)
        OnHasComboBox(this, ACol, ARow, result);
    return result;
}

void TVxColumnGrid::GetCheckTrue(int ACol, int ARow, QString& Value)
{
    TVxStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (TGridColumnItem* item = Definition(ACol); item && IsNormalCell(ACol, ARow))
        Value = item->CheckTrue();
}

void TVxColumnGrid::GetCheckFalse(int ACol, int ARow, QString& Value)
{
    TVxStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (TGridColumnItem* item = Definition(ACol); item && IsNormalCell(ACol, ARow))
        Value = item->CheckFalse();
}

bool TVxColumnGrid::HasDataCheckBox(int ACol, int ARow)
{
    if (TGridColumnItem* item = Definition(ACol); item && IsNormalCell(ACol, ARow))
        return item->Editor() == TEditorType::edDataCheckBox;
    return TVxStringGrid::HasDataCheckBox(ACol, ARow);
}

bool TVxColumnGrid::BuildColumnFilterList(int ACol)
{
    TVxStringGrid::BuildColumnFilterList(ACol);
    TGridColumnItem* item = Definition(ACol);
    if (!item || item->Filter().isEmpty())
        return false;
    QStringList names;
    for (const QString& entry : item->Filter())
        names << entry.section(QLatin1Char('='), 0, 0);
    SetFilterListEntries(names);
    return true;
}

void TVxColumnGrid::ColumnHeadersChanged()
{
    const QStringList& headers = ColumnHeaders();
    for (int i = 0; i < FColumnCollection->Count() && i < headers.count() - 1; ++i)
        FColumnCollection->Items(i)->SetHeaderField(headers.at(i));
}

void TVxColumnGrid::UpdateColumnSize(int ACol, int& AWidth)
{
    if (TGridColumnItem* item = Definition(ACol)) {
        if (item->MinSize() > 0 && AWidth < item->MinSize())
            AWidth = item->MinSize();
        if (item->MaxSize() > 0 && AWidth > item->MaxSize())
            AWidth = item->MaxSize();
    }
    TVxStringGrid::UpdateColumnSize(ACol, AWidth);
}

void TVxColumnGrid::UpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (TGridColumnItem* item = Definition(ACol)) {
        if (item->AutoMinSize() > 0 && AWidth < item->AutoMinSize())
            AWidth = item->AutoMinSize();
        if (item->AutoMaxSize() > 0 && AWidth > item->AutoMaxSize())
            AWidth = item->AutoMaxSize();
    }
    TVxStringGrid::UpdateAutoColumnSize(ACol, AWidth);
}
