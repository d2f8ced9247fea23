#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/model/HiddenRows.h"

// Real rows: a filtered-out or hidden row is read and written where it is parked.

QString TVxStringGrid::AllCells(int c, int r)
{
    if (c < 0 || r < 0)
        return QString();
    if (!IsHiddenRow(r))
        return Cells(c, DisplRowIndex(r));
    QString text = d->RealRowCell(c, r);
    GetDisplText(c, r, text);
    return text;
}

void TVxStringGrid::SetAllCells(int c, int r, const QString& Value)
{
    if (TGridItem* parked = IsHiddenRow(r) ? d->Cells.FHiddenRows->Find(r) : nullptr) {
        if (int(parked->Items.size()) <= c)
            parked->Items.resize(std::size_t(c) + 1);
        parked->Items[std::size_t(c)].Text = Value;
        return;
    }
    const int displ = DisplRowIndex(r);
    SetCells(c, displ, Value);
    if (DisplColIndex(c) != c)
        d->RepaintDisplayCell(c, displ);
}

QString TVxStringGrid::AllGridCells(int c, int r) const
{
    return GetGridCell(c, r);
}

void TVxStringGrid::SetAllGridCells(int c, int r, const QString& Value)
{
    SetGridCell(c, r, Value);
    if (DisplColIndex(c) != c)
        d->RepaintDisplayCell(c, r);
}

TObject* TVxStringGrid::AllObjects(int c, int r) const
{
    return Objects(c, r);
}

void TVxStringGrid::SetAllObjects(int c, int r, TObject* Value)
{
    SetObjects(c, r, Value);
}

int TVxStringGrid::LinesInCell(int c, int r)
{
    return int(Cells(c, r).count(QLatin1Char('\r'))) + 1;
}

void TVxStringGridPrivate::RepaintDisplayCell(int RealCol, int ARow)
{
    if (!q->IsHiddenColumn(RealCol))
        q->InvalidateCell(q->DisplColIndex(RealCol), ARow);
}

TCellProperties* TVxStringGridPrivate::ExistingProps(int c, int r)
{
    if (!q->HasCellProperties(c, r))
        return nullptr;
    return const_cast<TVxStringGrid*>(q)->GetCellProperties(c, r);
}

// Properties are made when missing; the cell is repainted unless an update is open.
void TVxStringGridPrivate::WriteProps(int c, int r, const std::function<void(TCellProperties&)>& write)
{
    TCellProperties* props = q->GetCellProperties(c, r);
    if (!props)
        return;
    write(*props);
    RepaintDisplayCell(c, r);
}

TColor TVxStringGrid::Colors(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->BrushColor() : clNone;
}

void TVxStringGrid::SetColors(int c, int r, TColor Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetBrushColor(Value); });
}

TColor TVxStringGrid::ColorsTo(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->BrushColorTo() : clNone;
}

void TVxStringGrid::SetColorsTo(int c, int r, TColor Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetBrushColorTo(Value); });
}

TCellGradientDirection TVxStringGrid::Gradients(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->GradientDirection() : TCellGradientDirection::GradientVertical;
}

void TVxStringGrid::SetGradients(int c, int r, TCellGradientDirection Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetGradientDirection(Value); });
}

// One scratch font per grid: the answer is valid until the next call.
const TFont& TVxStringGrid::GetCellFont(int i, int j)
{
    const TCellProperties* p = d->ExistingProps(i, j);
    if (!p)
        return Font();
    d->Shared.FCellFont->SetName(p->FontName());
    d->Shared.FCellFont->SetSize(p->FontSize());
    d->Shared.FCellFont->SetStyle(p->FontStyle());
    d->Shared.FCellFont->SetColor(p->FontColor());
    return *d->Shared.FCellFont;
}

void TVxStringGrid::SetFonts(int c, int r, const TFont& Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) {
        p.SetFontName(Value.Name());
        p.SetFontSize(Value.Size());
        p.SetFontStyle(Value.Style());
        p.SetFontColor(Value.Color());
    });
}

TColor TVxStringGrid::FontColors(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->FontColor() : clNone;
}

void TVxStringGrid::SetFontColors(int c, int r, TColor Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetFontColor(Value); });
}

TFontStyles TVxStringGrid::FontStyles(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->FontStyle() : TFontStyles();
}

void TVxStringGrid::SetFontStyles(int c, int r, TFontStyles Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetFontStyle(Value); });
}

int TVxStringGrid::FontSizes(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->FontSize() : 0;
}

void TVxStringGrid::SetFontSizes(int c, int r, int Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetFontSize(Value); });
}

QString TVxStringGrid::FontNames(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->FontName() : QString();
}

void TVxStringGrid::SetFontNames(int c, int r, const QString& Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetFontName(Value); });
}

TAlignment TVxStringGrid::Alignments(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p ? p->Alignment() : TAlignment::taLeftJustify;
}

void TVxStringGrid::SetAlignments(int c, int r, TAlignment Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetAlignment(Value); });
}

bool TVxStringGrid::ReadOnly(int c, int r) const
{
    const TCellProperties* p = d->ExistingProps(c, r);
    return p && p->ReadOnly();
}

void TVxStringGrid::SetReadOnly(int c, int r, bool Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetReadOnly(Value); });
}

bool TVxStringGrid::WordWraps(int c, int r)
{
    const TCellProperties* p = GetCellProperties(c, r);
    return p && p->WordWrap();
}

void TVxStringGrid::SetWordWraps(int c, int r, bool Value)
{
    d->WriteProps(c, r, [&](TCellProperties& p) { p.SetWordWrap(Value); });
}

void TVxStringGrid::SetRowColor(int r, TColor Value)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone)
            GetCellProperties(c, r)->SetBrushColor(Value);
        else if (TCellProperties* p = d->ExistingProps(c, r)) {
            if (!GraphicOfProps(p))
                SetCellProperties(c, r, nullptr);
            else
                p->SetBrushColor(clNone);
        }
    }
    for (int c = 0; c < ColCount(); ++c)
        InvalidateCell(c, r);
}

void TVxStringGrid::SetRowColorTo(int r, TColor Value)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone)
            GetCellProperties(c, r)->SetBrushColorTo(Value);
        else if (d->ExistingProps(c, r))
            FreeCellObjects(c, r, c, r);
    }
    for (int c = 0; c < ColCount(); ++c)
        InvalidateCell(c, r);
}

void TVxStringGrid::SetRowFontColor(int r, TColor Value)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone)
            GetCellProperties(c, r)->SetFontColor(Value);
        else if (const TCellProperties* p = d->ExistingProps(c, r); p && p->BrushColor() == clNone)
            FreeCellObjects(c, r, c, r);
    }
    for (int c = 0; c < ColCount(); ++c)
        InvalidateCell(c, r);
}

// The current cell: real column and row, or the base of the merged range it lies in.
QString TVxStringGrid::GetCurrentCell()
{
    const TPoint b = BaseCell(RealColIndex(Col()), Row());
    return GetGridCell(b.X, b.Y);
}

QString TVxStringGrid::GetCurrentCellText()
{
    const TPoint b = BaseCell(RealColIndex(Col()), Row());
    return Cells(b.X, b.Y);
}

void TVxStringGrid::SetCurrentCell(const QString& AValue)
{
    const TPoint b = BaseCell(RealColIndex(Col()), Row());
    SetCells(b.X, b.Y, AValue);
}

void TVxStringGrid::SetCurrentEditText(const QString& Value)
{
    const TPoint b = BaseCell(RealColIndex(Col()), Row());
    if (b.X == RealColIndex(Col()) && b.Y == Row())
        SetEditText(Col(), Row(), Value);
    else
        SetEditText(DisplColIndex(b.X), b.Y, Value);
}

QString TVxStringGrid::GetEditText(int ACol, int ARow)
{
    d->Edit.FNoEditChange = true;
    const TPoint b = BaseCell(RealColIndex(ACol), ARow);
    return TBaseGrid::GetEditText(b.X, b.Y);
}

void TVxStringGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    const TPoint b = BaseCell(ACol, ARow);
    TBaseGrid::SetEditText(RealColIndex(b.X), b.Y, Value);
}
