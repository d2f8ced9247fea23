#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridTypes.h"
#include <typeinfo>

namespace {
QString ClassName(const QObject* object)
{
    if (dynamic_cast<const THeaderButton*>(object))
        return QStringLiteral("THeaderButton");
    if (dynamic_cast<const TFooterButton*>(object))
        return QStringLiteral("TFooterButton");
    return object ? QStringLiteral("TPersistent") : QStringLiteral("nil");
}
} // namespace

void TAppearanceButton::Changed()
{
    if (FCollection)
        FCollection->Changed();
}

void TAppearanceButton::SetCaption(const QString& value)
{
    SetProperty(FCaption, value, [this] { Changed(); });
}

void TAppearanceButton::SetEnabled(bool value)
{
    SetProperty(FEnabled, value, [this] { Changed(); });
}

void TAppearanceButton::SetWidth(int value)
{
    SetProperty(FWidth, value, [this] { Changed(); });
}

void TAppearanceButton::AssignCommon(const TAppearanceButton& Source)
{
    SetCaption(Source.FCaption);
    FImageIndex = Source.FImageIndex;
}

void TAppearanceButton::AssignError(const QObject* Source) const
{
    throw EConvertError(
        QStringLiteral("Cannot assign a %1 to a %2").arg(ClassName(Source), ClassName(this)).toStdString());
}

void THeaderButton::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const THeaderButton*>(Source);
    if (!other)
        AssignError(Source);
    AssignCommon(*other);
    SetEnabled(other->Enabled());
    SetWidth(other->Width());
    SetHeight(other->Height());
}

void TFooterButton::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const TFooterButton*>(Source);
    if (!other)
        AssignError(Source);
    AssignCommon(*other);
    FModalResult = other->FModalResult;
    SetEnabled(other->Enabled());
    SetWidth(other->Width());
    SetHeight(other->Height());
}

TAppearanceButtons::~TAppearanceButtons() = default;

void TAppearanceButtons::Changed()
{
    if (OnChange)
        OnChange(this);
}

TAppearanceButton* TAppearanceButtons::InsertItem(int Index)
{
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems.insert(FItems.begin() + Index, NewItem())->get();
}

TAppearanceButton* TAppearanceButtons::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[std::size_t(Index)].get();
}

void TAppearanceButtons::Delete(int Index)
{
    Item(Index);   // range check
    FItems.erase(FItems.begin() + Index);
}

void TAppearanceButtons::AssignItems(const TAppearanceButtons& Source)
{
    if (&Source == this)
        return;
    Clear();
    for (const auto& item : Source.FItems)
        AddItem()->Assign(item.get());
}

void TStripAppearance::SetVisible(bool value)
{
    SetProperty(FVisible, value, [this] {
        if (OnChange)
            OnChange(this);
    });
}

void TStripAppearance::BindButtons(TAppearanceButtons& Buttons)
{
    Buttons.OnChange = [this](QObject*) {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    };
}

void TStripAppearance::AssignColors(const QObject* Source)
{
    if (!Source || typeid(*Source) != typeid(*this))
        return;
    const auto& other = static_cast<const TStripAppearance&>(*Source);
    FColorTo = other.FColorTo;
    FColor = other.FColor;
    FBorderColor = other.FBorderColor;
    FFont = other.FFont;
    FGradientDirection = other.FGradientDirection;
}

THeaderAppearance::THeaderAppearance(QObject* AOwner)
    : TStripAppearance(AOwner), FButtons(std::make_unique<THeaderButtons>(AOwner))
{
    FFont.SetName(QStringLiteral("Tahoma"));
    BindButtons(*FButtons);
}

THeaderAppearance::~THeaderAppearance() = default;

// The order matters to listeners: Visible fires after the look is copied and before the buttons are.
void THeaderAppearance::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const THeaderAppearance*>(Source);
    if (!other)
        return;
    FColorTo = other->FColorTo;
    FColor = other->FColor;
    FBorderColor = other->FBorderColor;
    FCaption = other->FCaption;
    FFont = other->FFont;
    FImageIndex = other->FImageIndex;
    FBorderWidth = other->FBorderWidth;
    FGradientDirection = other->FGradientDirection;
    FHeight = other->FHeight;
    SetVisible(other->FVisible);
    FButtonAlignment = other->FButtonAlignment;
    FButtons->Assign(*other->FButtons);
}

// The footer keeps the toolkit's default font; only the header names its own.
TFooterAppearance::TFooterAppearance(QObject* AOwner)
    : TStripAppearance(AOwner), FButtons(std::make_unique<TFooterButtons>(AOwner))
{
    BindButtons(*FButtons);
}

TFooterAppearance::~TFooterAppearance() = default;

void TFooterAppearance::Assign(const QObject* Source)
{
    const auto* other = dynamic_cast<const TFooterAppearance*>(Source);
    if (!other)
        return;
    FBorderColor = other->FBorderColor;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FGradientDirection = other->FGradientDirection;
    FFont = other->FFont;
    FCaption = other->FCaption;
    FSizeGrip = other->FSizeGrip;
    FBorderWidth = other->FBorderWidth;
    FHeight = other->FHeight;
    FImageIndex = other->FImageIndex;
    SetVisible(other->FVisible);
    FButtonAlignment = other->FButtonAlignment;
    FButtons->Assign(*other->FButtons);
}
