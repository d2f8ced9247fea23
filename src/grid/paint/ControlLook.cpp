#include "grid/paint/ControlLook.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/core/VxStringGrid.h"

TControlLook::TControlLook(TVxStringGrid* AOwner)
    : FOwner(AOwner),
      FDropDownHeader(std::make_unique<THeaderAppearance>(AOwner)),
      FDropDownFooter(std::make_unique<TFooterAppearance>(AOwner))
{
}

TControlLook::~TControlLook() = default;

void TControlLook::Repaint()
{
    if (FOwner)
        FOwner->Invalidate();
}

void TControlLook::SetFixedGradientFrom(TColor value)
{
    FFixedGradientFrom = value;
    if (value != clNone && FOwner)
        FOwner->SetZarnGradientFrom(value);
}

void TControlLook::SetFixedGradientTo(TColor value)
{
    FFixedGradientTo = value;
    if (value != clNone && FOwner)
        FOwner->SetZarnGradientTo(value);
}

void TControlLook::SetDropDownHeader(const THeaderAppearance& value)
{
    FDropDownHeader->Assign(&value);
}

void TControlLook::SetDropDownFooter(const TFooterAppearance& value)
{
    FDropDownFooter->Assign(&value);
}

void TControlLook::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const TControlLook*>(Source);
    if (!other)
        return;
    FCheckSize = other->FCheckSize;
    FRadioSize = other->FRadioSize;
    FControlStyle = other->FControlStyle;
    FCommentColor = other->FCommentColor;
    FColor = other->FColor;
    FProgressBorderColor = other->FProgressBorderColor;
    FFixedGradientFrom = other->FFixedGradientFrom;
    FFixedGradientTo = other->FFixedGradientTo;
    FDropDownAlwaysVisible = other->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = other->FSpinButtonsAlwaysVisible;
    FDropDownCount = other->FDropDownCount;
    FDropDownFooter->Assign(other->FDropDownFooter.get());
    FDropDownHeader->Assign(other->FDropDownHeader.get());
}

void TBackGround::Repaint()
{
    if (FOwner)
        FOwner->Invalidate();
}

void TBackGround::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const TBackGround*>(Source);
    if (!other)
        return;
    FDisplay = other->FDisplay;
    FCells = other->FCells;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FTop = other->FTop;
    FLeft = other->FLeft;
}

void TShowModified::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TShowModified*>(Source)) {
        FColor = other->FColor;
        FEnabled = other->FEnabled;
    }
}
