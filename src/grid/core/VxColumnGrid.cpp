#include "grid/core/VxColumnGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/paint/ControlLook.h"
#include <QMenu>

TVxColumnGrid::TVxColumnGrid(QWidget* AOwner)
    : TVxStringGrid(AOwner), FColumnCollection(std::make_unique<TGridColumnCollection>(this)),
      FSaveCol(std::make_unique<TGridColumnItem>()), FCellGraphic(std::make_unique<TCellGraphic>())
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
    return GetVersion() + QStringLiteral(" Aug, 2012");
}

void TVxColumnGrid::ChangeScale(int M, int D)
{
    if (IsDesigning() || M == D || D == 0)
        return;
    for (int i = 0; i < ColCount() && i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        item->FFont.SetSize(MulDiv(item->FFont.Size(), M, D));
        item->FHeaderFont.SetSize(MulDiv(item->FHeaderFont.Size(), M, D));
    }
}

void TVxColumnGrid::CellsLoaded()
{
    TVxStringGrid::CellsLoaded();
    SyncColumnCountQuietly();
}

void TVxColumnGrid::InsertCols(int ColIndex, int CCount)
{
    TVxStringGrid::InsertCols(ColIndex, CCount);
    const bool held = FColumnCollection->NoRecursiveUpdate();
    FColumnCollection->SetNoRecursiveUpdate(true);
    for (int i = 0; i < CCount; ++i)
        FColumnCollection->Insert(ColIndex);
    FColumnCollection->SetNoRecursiveUpdate(held);
}

void TVxColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    TVxStringGrid::RemoveCols(ColIndex, CCount);
    for (int i = 0; i < CCount; ++i)
        FColumnCollection->Delete(ColIndex);
}

// The grouped column's definition waits in the save slot until the column comes back: removing and inserting the
// column removes and inserts its definition.
void TVxColumnGrid::Group(int Colindex)
{
    if (TGridColumnItem* item = Definition(Colindex))
        FSaveCol->Assign(*item);
    TVxStringGrid::Group(Colindex);
    SyncColumnCountQuietly();
}

void TVxColumnGrid::UnGroup()
{
    const int column = GroupColumn();
    TVxStringGrid::UnGroup();
    SyncColumnCountQuietly();
    if (column != -1)
        if (TGridColumnItem* item = Definition(column))
            item->Assign(*FSaveCol);
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

QString TVxColumnGrid::GetCellFloatFormat(int ACol, int ARow)
{
    if (TGridColumnItem* item = Definition(ACol); item && !item->FloatFormat().isEmpty())
        return item->FloatFormat();
    return TVxStringGrid::GetCellFloatFormat(ACol, ARow);
}

// Integers and plain decimal numbers show through the column's float format.
QString TVxColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    TGridColumnItem* item = Definition(ACol);
    if (!item)
        return TVxStringGrid::GetFormattedCell(ACol, ARow);
    QString format = item->FloatFormat();
    const QString text = Cells(ACol, ARow);
    const TNumberTextKind kind = ClassifyNumberText(text);
    bool isFloat = !text.isEmpty() && (kind == TNumberTextKind::ntInteger || kind == TNumberTextKind::ntDecimal);
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (format.isEmpty() || !isFloat)
        return text;
    try {
        return FormatFloat(format, GetFloats(ACol, ARow));
    } catch (const std::exception&) {
        return text;
    }
}

bool TVxColumnGrid::IsDataCheckBoxColumn(int ACol, int ARow) const
{
    TGridColumnItem* item = Definition(ACol);
    return item && IsNormalCell(ACol, ARow) && item->Editor() == TEditorType::edDataCheckBox;
}

TCellType TVxColumnGrid::GetCellType(int ACol, int ARow)
{
    const TCellType own = TVxStringGrid::GetCellType(ACol, ARow);
    if (own == TCellType::ctVirtCheckBox && TVxStringGrid::GetCellGraphic(ACol, ARow) == nullptr)
        return TCellType::ctDataCheckBox;   // the shared graphic of a data check-box column
    if (own == TCellType::ctEmpty && IsDataCheckBoxColumn(ACol, ARow))
        return TCellType::ctDataCheckBox;
    return own;
}

// Cells of a data check-box column without a graphic of their own share one virtual check box.
TCellGraphic* TVxColumnGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic* own = TVxStringGrid::GetCellGraphic(ACol, ARow);
    if (own || !IsDataCheckBoxColumn(ACol, ARow))
        return own;
    FCellGraphic->SetCellType(TCellType::ctVirtCheckBox);
    FCellGraphic->SetCellTransparent(ControlLook().ControlStyle() == TControlStyle::csFlat);
    return FCellGraphic.get();
}

void TVxColumnGrid::GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                             TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                             TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    TGridColumnItem* item = Definition(ACol);
    if (!item) {
        TVxStringGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA,
                                                VA, WW, GD);
        return;
    }
    AFont = item->Font();
    ABrush.SetColor(item->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = TCellGradientDirection::GradientVertical;
    if (IsFixed(DisplColIndex(ACol), ARow) || (Bands().Active() && item->ShowBands())) {
        ABrush.SetColor(clNone);
        AColorTo = clNone;
    }
}

// A click of the configured button on the configured cells opens the column's menu below the cell.
void TVxColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVxStringGrid::MouseDown(Button, Shift, X, Y);
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    TGridColumnItem* item = c >= 0 && r >= 0 ? Definition(c) : nullptr;
    if (!item || !item->ColumnPopup())
        return;
    const TRect rc = CellRect(c, r);
    const QPoint at = viewport()->mapToGlobal(QPoint(rc.Left, rc.Bottom));
    using P = TColumnPopupType;
    const P type = item->ColumnPopupType();
    const bool left = Button == TMouseButton::mbLeft;
    if (!left && Button != TMouseButton::mbRight)
        return;
    const P fixedKind = left ? P::cpFixedCellsLClick : P::cpFixedCellsRClick;
    const P normalKind = left ? P::cpNormalCellsLClick : P::cpNormalCellsRClick;
    const P allKind = left ? P::cpAllCellsLClick : P::cpAllCellsRClick;
    if (type != fixedKind && type != normalKind && type != allKind)
        return;
    QMenu* menu = item->ColumnPopup();
    if (OnColumnPopup)
        OnColumnPopup(this, c, r, menu);
    const bool opens = r < FixedRows() ? type == fixedKind || type == allKind : type == normalKind || type == allKind;
    if (opens && menu)
        menu->popup(at);
}
