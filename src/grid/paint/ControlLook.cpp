#include "grid/paint/ControlLook.h"

TControlLook::TControlLook(TLookHost* AOwner) : FOwner(AOwner)
{
    Init();
    FDropDownHeader = std::make_unique<THeaderAppearance>(this);
    FDropDownFooter = std::make_unique<TFooterAppearance>(this);
}

void TControlLook::Init()
{
    FColor = clBlack;
    FCommentColor = 0x0000FF;
    FProgressBorderColor = 0x808080;
    FFixedGradientFrom = FFixedGradientTo = clNone;
    FFixedGradientMirrorFrom = FFixedGradientMirrorTo = clNone;
    FHoverFrom = 0xFFFFFF;
    FHoverTo = 0x808080;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    FHoverBorder = 0xC0C0C0;
    FDownFrom = 0xC0C0C0;
    FDownTo = 0x808080;
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
    FDownBorder = 0x808080;
}

void TControlLook::Assign(const QObject* SourceObject)
{
    const auto* source = dynamic_cast<const TControlLook*>(SourceObject);
    if (!source || source == this)
        return;
    const TControlLook& Source = *source;
    FCheckSize = Source.FCheckSize;
    FRadioSize = Source.FRadioSize;
    FControlStyle = Source.FControlStyle;
    FCheckedGlyph.Assign(Source.FCheckedGlyph);
    FUnCheckedGlyph.Assign(Source.FUnCheckedGlyph);
    FRadioOnGlyph.Assign(Source.FRadioOnGlyph);
    FRadioOffGlyph.Assign(Source.FRadioOffGlyph);
    FProgressMarginX = Source.FProgressMarginX;
    FProgressMarginY = Source.FProgressMarginY;
    FCommentColor = Source.FCommentColor;
    FColor = Source.FColor;
    FProgressBorderColor = Source.FProgressBorderColor;
    FCheckAlwaysActive = Source.FCheckAlwaysActive;
    FRadioAlwaysActive = Source.FRadioAlwaysActive;
    FFixedGradientFrom = Source.FFixedGradientFrom;
    FFixedGradientTo = Source.FFixedGradientTo;
    FFixedGradientMirrorFrom = Source.FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = Source.FFixedGradientMirrorTo;
    FHoverFrom = Source.FHoverFrom;
    FHoverTo = Source.FHoverTo;
    FHoverMirrorFrom = Source.FHoverMirrorFrom;
    FHoverMirrorTo = Source.FHoverMirrorTo;
    FHoverBorder = Source.FHoverBorder;
    FDownFrom = Source.FDownFrom;
    FDownTo = Source.FDownTo;
    FDownMirrorFrom = Source.FDownMirrorFrom;
    FDownMirrorTo = Source.FDownMirrorTo;
    FDownBorder = Source.FDownBorder;
    FDropDownAlwaysVisible = Source.FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = Source.FSpinButtonsAlwaysVisible;
    FDropDownCount = Source.FDropDownCount;
    FDropDownFooter->Assign(Source.FDropDownFooter.get());
    FDropDownHeader->Assign(Source.FDropDownHeader.get());
    FHintMaxWidth = Source.FHintMaxWidth;
}

void TControlLook::StoreGlyph(TBitmap& field, const TBitmap& value)
{
    field.Assign(value);
    InvalidateGrid();
}

void TControlLook::InvalidateGrid()
{
    if (FOwner)
        FOwner->Invalidate();
}

void TControlLook::PassOn(TColor& Field, TColor TFixedGradients::*GridField, TColor Value, bool OnlyWhenSet, bool Repaint)
{
    Field = Value;
    if (!FOwner || (OnlyWhenSet && Value == clNone))
        return;
    FOwner->Appearance().Zarn.*GridField = Value;
    if (Repaint)
        FOwner->Invalidate();
}

void TControlLook::SetFixedGradientFrom(TColor value) { PassOn(FFixedGradientFrom, &TFixedGradients::From, value, true, true); }
void TControlLook::SetFixedGradientTo(TColor value) { PassOn(FFixedGradientTo, &TFixedGradients::To, value, true, true); }
void TControlLook::SetFixedGradientMirrorFrom(TColor value)
{
    PassOn(FFixedGradientMirrorFrom, &TFixedGradients::MirrorFrom, value, false, true);
}
void TControlLook::SetFixedGradientMirrorTo(TColor value)
{
    PassOn(FFixedGradientMirrorTo, &TFixedGradients::MirrorTo, value, false, true);
}
void TControlLook::SetFixedGradientHoverFrom(TColor value) { PassOn(FHoverFrom, &TFixedGradients::HoverFrom, value, true, false); }
void TControlLook::SetFixedGradientHoverTo(TColor value) { PassOn(FHoverTo, &TFixedGradients::HoverTo, value, true, false); }
void TControlLook::SetFixedGradientHoverMirrorFrom(TColor value)
{
    PassOn(FHoverMirrorFrom, &TFixedGradients::HoverMirrorFrom, value, false, false);
}
void TControlLook::SetFixedGradientHoverMirrorTo(TColor value)
{
    PassOn(FHoverMirrorTo, &TFixedGradients::HoverMirrorTo, value, false, false);
}
void TControlLook::SetFixedGradientHoverBorder(TColor value) { PassOn(FHoverBorder, &TFixedGradients::HoverBorder, value, true, false); }
void TControlLook::SetFixedGradientDownFrom(TColor value) { PassOn(FDownFrom, &TFixedGradients::DownFrom, value, true, false); }
void TControlLook::SetFixedGradientDownTo(TColor value) { PassOn(FDownTo, &TFixedGradients::DownTo, value, true, false); }
void TControlLook::SetFixedGradientDownMirrorFrom(TColor value)
{
    PassOn(FDownMirrorFrom, &TFixedGradients::DownMirrorFrom, value, false, false);
}
void TControlLook::SetFixedGradientDownMirrorTo(TColor value)
{
    PassOn(FDownMirrorTo, &TFixedGradients::DownMirrorTo, value, false, false);
}
void TControlLook::SetFixedGradientDownBorder(TColor value) { PassOn(FDownBorder, &TFixedGradients::DownBorder, value, true, false); }

// ---- TBackGround ------------------------------------------------------------------------------

void TBackGround::SetBitmap(const TBitmap& value)
{
    FBitmap.Assign(value);
    Changed();
}

void TBackGround::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const TBackGround*>(Source);
    if (!other || other == this)
        return;
    FDisplay = other->FDisplay;
    FCells = other->FCells;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FTop = other->FTop;
    FLeft = other->FLeft;
    FBitmap.Assign(other->FBitmap);
}

bool TBackGround::Covers(bool FixedCell) const
{
    switch (FCells) {
    case TBackGroundCells::bcNormal: return !FixedCell;
    case TBackGroundCells::bcFixed: return FixedCell;
    case TBackGroundCells::bcAll: return true;
    }
    return false;
}

void TBackGround::Changed()
{
    if (FGrid)
        FGrid->Invalidate();
}

// ---- TShowModified ----------------------------------------------------------------------------

void TShowModified::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TShowModified*>(Source)) {
        FColor = other->FColor;
        FEnabled = other->FEnabled;
    }
}

void TShowModified::SetColor(TColor value)
{
    FColor = value;
    if (OnChange)
        OnChange(this);
}

// ---- TGridProgressAppearance ------------------------------------------------------------------

void TGridProgressAppearance::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TGridProgressAppearance*>(Source)) {
        F = other->F;
        Changed();
    }
}

void TGridProgressAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}
