#include "grid/core/VxColumnGrid.h"
#include <algorithm>

namespace {
TPen MakePen(TColor Color)
{
    TPen pen;
    pen.SetWidth(1);
    pen.SetColor(Color);
    return pen;
}
} // namespace

// ---- TGridColumnItem

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection)
    : FCollection(Collection), FAlignment(TAlignment::taLeftJustify), FBorderPen(MakePen(0xC0C0C0)),
      FPrintBorderPen(MakePen(clBlack)), FHeaderAlignment(TAlignment::taLeftJustify)
{
    if (TVxColumnGrid* grid = Grid()) {
        FColor = grid->Color();
        FFont = grid->Font();
        FHeaderFont = grid->Font();
        FPrintFont = grid->Font();
    }
}

TVxColumnGrid* TGridColumnItem::Grid() const
{
    return FCollection ? FCollection->GetOwner() : nullptr;
}

int TGridColumnItem::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TGridColumnItem::Changed()
{
    if (FCollection)
        FCollection->Update(this);
}

void TGridColumnItem::Repaint()
{
    if (TVxColumnGrid* grid = Grid())
        grid->Invalidate();
}

int TGridColumnItem::Width() const
{
    TVxColumnGrid* grid = Grid();
    return grid ? grid->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value)
{
    FWidth = Value;
    if (TVxColumnGrid* grid = Grid())
        grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetHeader(const QString& Value)
{
    FColumnHeader = Value;
    TVxColumnGrid* grid = Grid();
    if (!grid)
        return;
    if (grid->FixedRows() > 0 && !grid->ColMoving()) {
        grid->SetCells(Index(), 0, Value);
        Changed();
    }
    QStringList headers;
    for (int i = 0; i < FCollection->Count(); ++i)
        headers << FCollection->Items(i)->Header();
    grid->SetColumnHeaders(headers);
}

void TGridColumnItem::SetEditor(TEditorType Value)
{
    if (Value == FEditorType)
        return;
    const bool checkBoxes = Value == TEditorType::edDataCheckBox || FEditorType == TEditorType::edDataCheckBox;
    FEditorType = Value;
    if (checkBoxes)
        Repaint();
}

void TGridColumnItem::SetColor(TColor Value) { FColor = Value; Changed(); }
void TGridColumnItem::SetAlignment(TAlignment Value) { FAlignment = Value; Repaint(); }
void TGridColumnItem::SetHeaderAlignment(TAlignment Value) { FHeaderAlignment = Value; Repaint(); }
void TGridColumnItem::SetFont(const TFont& Value) { FFont = Value; Changed(); }
void TGridColumnItem::SetHeaderFont(const TFont& Value) { FHeaderFont = Value; Repaint(); }
void TGridColumnItem::SetFixed(bool Value) { FFixed = Value; Changed(); }
void TGridColumnItem::SetPassword(bool Value) { FPassword = Value; Changed(); }
void TGridColumnItem::SetShowBands(bool Value) { FShowBands = Value; Changed(); }
void TGridColumnItem::SetBorders(TCellBorders Value) { FBorders = Value; Changed(); }
void TGridColumnItem::SetBorderPen(const TPen& Value) { FBorderPen = Value; Changed(); }
void TGridColumnItem::SetFloatFormat(const QString& Value) { FFloatFormat = Value; Repaint(); }
void TGridColumnItem::SetFilter(const QStringList& Value) { FFilter = Value; Repaint(); }

QString TGridColumnItem::Rows(int idx) const
{
    TVxColumnGrid* grid = Grid();
    return grid ? grid->Cells(Index(), idx) : QString();
}

void TGridColumnItem::SetRows(int idx, const QString& Value)
{
    if (TVxColumnGrid* grid = Grid())
        grid->SetCells(Index(), idx, Value);
}

int TGridColumnItem::Ints(int idx) const
{
    TVxColumnGrid* grid = Grid();
    return grid ? grid->GetInts(Index(), idx) : 0;
}

void TGridColumnItem::SetInts(int idx, int Value)
{
    if (TVxColumnGrid* grid = Grid())
        grid->SetInts(Index(), idx, Value);
}

double TGridColumnItem::Floats(int idx) const
{
    TVxColumnGrid* grid = Grid();
    return grid ? grid->GetFloats(Index(), idx) : 0;
}

void TGridColumnItem::SetFloats(int idx, double Value)
{
    if (TVxColumnGrid* grid = Grid())
        grid->SetFloats(Index(), idx, Value);
}

TDateTime TGridColumnItem::Dates(int idx) const
{
    TVxColumnGrid* grid = Grid();
    return grid ? grid->GetDates(Index(), idx) : 0;
}

void TGridColumnItem::SetDates(int idx, TDateTime Value)
{
    if (TVxColumnGrid* grid = Grid())
        grid->SetDates(Index(), idx, Value);
}

TDateTime TGridColumnItem::Times(int idx) const
{
    TVxColumnGrid* grid = Grid();
    return grid ? grid->GetTimes(Index(), idx) : 0;
}

void TGridColumnItem::SetTimes(int idx, TDateTime Value)
{
    if (TVxColumnGrid* grid = Grid())
        grid->SetTimes(Index(), idx, Value);
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source)
{
    FAlignment = Source.FAlignment;
    FHeaderAlignment = Source.FHeaderAlignment;
    FBorderPen = Source.FBorderPen;
    FBorders = Source.FBorders;
    FCheckFalse = Source.FCheckFalse;
    FCheckTrue = Source.FCheckTrue;
    FEditLength = Source.FEditLength;
    FEditMask = Source.FEditMask;
    FEditorType = Source.FEditorType;
    FFixed = Source.FFixed;
    FPassword = Source.FPassword;
    FPrintBorderPen = Source.FPrintBorderPen;
    FPrintBorders = Source.FPrintBorders;
    FPrintColor = Source.FPrintColor;
    FPrintFont = Source.FPrintFont;
    FReadOnly = Source.FReadOnly;
    FSortPrefix = Source.FSortPrefix;
    FSortStyle = Source.FSortStyle;
    FSortSuffix = Source.FSortSuffix;
    FSpinMax = Source.FSpinMax;
    FSpinMin = Source.FSpinMin;
    FSpinStep = Source.FSpinStep;
    FWidth = Source.Width();
    FShowBands = Source.FShowBands;
    FMinSize = Source.FMinSize;
    FMaxSize = Source.FMaxSize;
    FAutoMinSize = Source.FAutoMinSize;
    FAutoMaxSize = Source.FAutoMaxSize;
    FFilter = Source.FFilter;
    FFilterCaseSensitive = Source.FFilterCaseSensitive;
    FDefIdx = Source.FDefIdx;
    FFloatFormat = Source.FFloatFormat;
    FColumnPopup = Source.FColumnPopup;
    if (TVxColumnGrid* grid = Grid()) {
        FColor = grid->Color();
        FFont = grid->Font();
    } else {
        FColor = Source.FColor;
        FFont = Source.FFont;
    }
}

void TGridColumnItem::Assign(const TGridColumnItem& Source)
{
    AssignVisuals(Source);
    FColor = Source.FColor;
    FFont = Source.FFont;
    FHeaderFont = Source.FHeaderFont;
    FComboItems = Source.FComboItems;
    FDropDownCount = Source.FDropDownCount;
    FColumnHeader = Source.FColumnHeader;
    FName = Source.FName;
    FTag = Source.FTag;
}

QString TGridColumnItem::GetDisplayName() const
{
    const QString i = QString::number(Index());
    return FName.isEmpty() ? QStringLiteral("Column ") + i : QStringLiteral("Col ") + i + QStringLiteral(": ") + FName;
}

// ---- TGridColumnCollection

TGridColumnCollection::TGridColumnCollection(TVxColumnGrid* AOwner) : FOwner(AOwner) {}

TGridColumnCollection::~TGridColumnCollection() = default;

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const
{
    const auto it = std::find_if(FItems.begin(), FItems.end(), [Item](const auto& p) { return p.get() == Item; });
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

TGridColumnItem* TGridColumnCollection::Add()
{
    FItems.push_back(std::make_unique<TGridColumnItem>(this));
    TGridColumnItem* item = FItems.back().get();
    if (Count() > 1)
        item->AssignVisuals(*Items(Count() - 2));
    Update(item);
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index)
{
    Index = std::clamp(Index, 0, Count());
    auto it = FItems.insert(FItems.begin() + Index, std::make_unique<TGridColumnItem>(this));
    Update(it->get());
    return it->get();
}

void TGridColumnCollection::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    FItems.erase(FItems.begin() + Index);
    Update(nullptr);
}

void TGridColumnCollection::Clear()
{
    FItems.clear();
    Update(nullptr);
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source)
{
    BeginUpdate();
    FItems.clear();
    for (int i = 0; i < Source.Count(); ++i) {
        FItems.push_back(std::make_unique<TGridColumnItem>(this));
        FItems.back()->Assign(*Source.Items(i));
    }
    EndUpdate();
}

void TGridColumnCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Update(nullptr);
}

void TGridColumnCollection::Update(TGridColumnItem*)
{
    if (FUpdateCount > 0 || FNoRecursiveUpdate || !FOwner || FOwner->Loading())
        return;
    const int n = Count() - FOwner->NumHiddenColumns();
    if (n != FOwner->ColCount() && n > FOwner->FixedCols())
        FOwner->SetColCount(n);
    FOwner->SyncColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization()
{
    FNoRecursiveUpdate = true;
    if (FOwner)
        FOwner->SyncColumnCount();
    FNoRecursiveUpdate = false;
    for (int i = 0; i < Count(); ++i)
        Items(i)->FDefIdx = i;
}

// Each pass moves a column left to its initial place; initial places that are not a permutation could move
// columns for ever, so a pass count bounds the loop.
void TGridColumnCollection::ResetOrganization()
{
    if (!FOwner)
        return;
    for (int pass = 0; pass <= Count(); ++pass) {
        bool moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int target = Items(i)->FDefIdx;
            if (target < i && target >= 0) {
                FOwner->MoveColumn(i, target);
                moved = true;
            }
        }
        if (!moved)
            return;
    }
}
