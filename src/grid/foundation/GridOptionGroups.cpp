#include "grid/foundation/GridOptionGroups.h"

TSearchFooter::TSearchFooter(bool InitDesign)
{
    if (!InitDesign)
        return;
    F.FindNextCaption = QStringLiteral("Find &next");
    F.FindPrevCaption = QStringLiteral("Find &previous");
    F.MatchCaseCaption = QStringLiteral("Match case");
    F.HintClose = QStringLiteral("Close");
    F.HintFindPrev = QStringLiteral("Find previous occurrence");
    F.HintHighlight = QStringLiteral("Highlight occurrences");
    F.HintFindNext = QStringLiteral("Find next occurrence");
    F.HighLightCaption = QStringLiteral("Highlight");
}

void TSearchFooter::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSearchFooter::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TSearchFooter*>(Source))
        F = other->F;
}

void TNavigation::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TNavigation*>(Source))
        F = other->F;
}

void TNavigation::SetAdvanceInsert(bool value)
{
    if (F.AdvanceInsert == value)
        return;
    F.AdvanceInsert = value;
    if (OnChange)
        OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection value)
{
    if (F.AdvanceDirection == value)
        return;
    F.AdvanceDirection = value;
    if (OnChange)
        OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool value)
{
    if (F.AdvanceAuto == value)
        return;
    F.AdvanceAuto = value;
    if (value)
        F.AdvanceOnEnter = true;
}

void TMouseActions::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TMouseActions*>(Source))
        F = other->F;
}

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning)
        OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool value)
{
    F.DisjunctRowSelect = value;
    if (value && IsDesigning())
        F.DisjunctColSelect = F.DisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctColSelect(bool value)
{
    F.DisjunctColSelect = value;
    if (value && IsDesigning())
        F.DisjunctRowSelect = F.DisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctCellSelect(bool value)
{
    F.DisjunctCellSelect = value;
    if (value && IsDesigning())
        F.DisjunctRowSelect = F.DisjunctColSelect = false;
}

void TMouseActions::SetHotmailRowSelect(bool value)
{
    FHotmailRowSelect = value;
    if (value)
        F.DisjunctRowSelect = F.CheckAllCheck = true;
    Fire(OnInvalidate);
}

void TMouseActions::SetEditOnDblClickOnly(bool value)
{
    FEditOnDblClickOnly = value;
    if (value)
        Fire(OnDisableEdit);
}

void TMouseActions::SetWheelAction(TWheelAction value)
{
    if (F.WheelAction == value)
        return;
    F.WheelAction = value;
    Fire(OnChange);
}

void TSyncGrid::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TSyncGrid*>(Source)) {
        TStringGrid* const grid = F.Grid;
        F = other->F;
        F.Grid = grid;
        SetGrid(other->F.Grid);
    }
}

void TSyncGrid::SetGrid(TStringGrid* value)
{
    if (value != FOwner)
        F.Grid = value;
}

void TBands::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TBands*>(Source))
        F = other->F;
}

void TBands::SetActive(bool value)
{
    if (F.Active == value)
        return;
    F.Active = value;
    if (OnChange)
        OnChange(this);
}

void TFocusHelper::Assign(const QObject* Source)
{
    if (const auto* other = dynamic_cast<const TFocusHelper*>(Source))
        F = other->F;
}
