#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/model/IntList.h"

TCellNode::TCellNode(TVxStringGrid* AOwner)
    : FOwner(AOwner), FExpandGlyph(std::make_unique<TBitmap>()), FContractGlyph(std::make_unique<TBitmap>())
{
}

TCellNode::~TCellNode() = default;

void TCellNode::Repaint()
{
    if (FOwner)
        FOwner->Invalidate();
}

void TCellNode::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const TCellNode*>(Source);
    if (!other)
        return;
    F = other->F;
    FExpandGlyph->Assign(*other->FExpandGlyph);
    FContractGlyph->Assign(*other->FContractGlyph);
}

void TColumnSize::SetStretch(bool value)
{
    const bool on = value && !F.Stretch;
    F.Stretch = value;
    if (on && FOwner && F.StretchColumn < FOwner->ColCount())
        FOwner->ApplyColumnStretch(F.StretchColumn);
}

void TBalloonSettings::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TBalloonSettings*>(Source)) {
        const std::uint8_t transparency = F.Transparency;
        F = other->F;
        F.Transparency = transparency;
    }
}

void TColumnSize::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TColumnSize*>(Source))
        F = other->F;
}

THTMLSettings::THTMLSettings() : FColWidths(std::make_unique<TIntList>(0, 0)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const THTMLSettings*>(Source))
        F = other->F;
}

void TPrintSettings::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const TPrintSettings*>(Source);
    if (!other)
        throw EInvalidCast("Invalid class typecast");
    F = other->F;
}
