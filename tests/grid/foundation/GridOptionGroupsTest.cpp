#include "grid/foundation/GridOptionGroups.h"
#include "platform/Grids.h"
#include <gtest/gtest.h>


TEST(TSearchFooter, CaptionsOnlyForTheDesigner)
{
    const TSearchFooter plain(false);
    EXPECT_TRUE(plain.FindNextCaption().isEmpty());
    EXPECT_TRUE(plain.HintClose().isEmpty());
    EXPECT_TRUE(plain.HighLightCaption().isEmpty());

    const TSearchFooter designed(true);
    EXPECT_EQ(designed.FindNextCaption(), "Find &next");
    EXPECT_EQ(designed.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(designed.MatchCaseCaption(), "Match case");
    EXPECT_EQ(designed.HighLightCaption(), "Highlight");
    EXPECT_EQ(designed.HintClose(), "Close");
    EXPECT_EQ(designed.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(designed.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(designed.HintHighlight(), "Highlight occurrences");
    EXPECT_EQ(designed.ColorTo(), clBtnFace);
    EXPECT_EQ(designed.Color(), clWhite);
    EXPECT_EQ(designed.SearchColumn(), -1);
    EXPECT_TRUE(designed.AutoSearch());
    EXPECT_FALSE(designed.Visible());
}

TEST(TSearchFooter, NotificationsAndCopy)
{
    TSearchFooter footer(false);
    int changes = 0;
    footer.OnChange = [&](QObject* sender) { EXPECT_EQ(sender, &footer); ++changes; };
    footer.SetShowFindNext(true);          // unchanged: nothing
    EXPECT_EQ(changes, 0);
    footer.SetShowClose(true);             // unchanged, still notifies
    EXPECT_EQ(changes, 1);
    footer.SetFindNextCaption("Next");
    footer.SetVisible(true);
    footer.SetSearchColumn(3);             // only stored
    EXPECT_EQ(changes, 3);

    footer.SetAutoSearch(false);
    footer.SetSearchFixedCells(true);
    footer.SetLastSearch("abc");
    TFont font;
    font.SetName("Courier");
    footer.SetFont(font);

    TSearchFooter copy(true);
    int copyChanges = 0;
    copy.OnChange = [&](QObject*) { ++copyChanges; };
    copy.Assign(&footer);
    EXPECT_EQ(copyChanges, 0);
    EXPECT_EQ(copy.FindNextCaption(), "Next");
    EXPECT_TRUE(copy.FindPrevCaption().isEmpty());
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.SearchColumn(), 3);
    EXPECT_EQ(copy.Font().Name(), "Courier");
    EXPECT_TRUE(copy.AutoSearch());            // not copied
    EXPECT_FALSE(copy.SearchFixedCells());
    EXPECT_TRUE(copy.LastSearch().isEmpty());

    TNavigation other;
    copy.Assign(&other);                        // another class: ignored
    EXPECT_EQ(copy.FindNextCaption(), "Next");
}

TEST(TNavigation, AdvanceAutoAndCopy)
{
    TNavigation nav;
    EXPECT_TRUE(nav.AllowClipboardColGrow());
    EXPECT_TRUE(nav.CopyHTMLTagsToClipboard());
    EXPECT_TRUE(nav.SkipFixedCells());
    EXPECT_FALSE(nav.AdvanceOnEnter());

    int changes = 0;
    nav.OnChange = [&](QObject*) { ++changes; };
    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter());
    nav.SetAdvanceAuto(false);
    EXPECT_TRUE(nav.AdvanceOnEnter());
    EXPECT_EQ(changes, 0);
    nav.SetAdvanceDirection(TAdvanceDirection::adLeftRight);
    EXPECT_EQ(changes, 0);
    nav.SetAdvanceInsert(true);
    EXPECT_EQ(changes, 1);

    nav.SetTabAdvanceDirection(TAdvanceDirection::adTopBottom);
    nav.SetKeepScrollOnSort(true);
    TNavigation copy;
    copy.SetAdvanceDirection(TAdvanceDirection::adTopBottomInCol);
    copy.Assign(&nav);
    EXPECT_EQ(copy.TabAdvanceDirection(), TAdvanceDirection::adTopBottom);
    EXPECT_EQ(copy.AdvanceDirection(), TAdvanceDirection::adLeftRight);
    EXPECT_TRUE(copy.AdvanceInsert());
    EXPECT_FALSE(copy.KeepScrollOnSort());
}

TEST(TMouseActions, DisjunctSelectionsAndSideEffects)
{
    TMouseActions mouse;
    EXPECT_TRUE(mouse.PreciseNodeClick());
    EXPECT_TRUE(mouse.AutoSizeColOnDblClick());
    mouse.SetDisjunctRowSelect(true);
    mouse.SetDisjunctColSelect(true);           // no designer asked: both stay on
    EXPECT_TRUE(mouse.DisjunctRowSelect());

    bool designing = true;
    mouse.OnIsDesigning = [&](QObject*, bool& d) { d = designing; };
    mouse.SetDisjunctCellSelect(true);
    EXPECT_FALSE(mouse.DisjunctRowSelect());
    EXPECT_FALSE(mouse.DisjunctColSelect());

    int invalidated = 0, disabled = 0, changes = 0;
    mouse.OnInvalidate = [&](QObject*) { ++invalidated; };
    mouse.OnDisableEdit = [&](QObject*) { ++disabled; };
    mouse.OnChange = [&](QObject*) { ++changes; };
    mouse.SetHotmailRowSelect(false);
    EXPECT_FALSE(mouse.DisjunctRowSelect());
    EXPECT_EQ(invalidated, 1);
    mouse.SetHotmailRowSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect());
    EXPECT_TRUE(mouse.CheckAllCheck());
    mouse.SetEditOnDblClickOnly(false);
    EXPECT_EQ(disabled, 0);
    mouse.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disabled, 1);
    mouse.SetWheelAction(TWheelAction::waMoveSelection);
    EXPECT_EQ(changes, 0);
    mouse.SetWheelAction(TWheelAction::waScroll);
    EXPECT_EQ(changes, 1);

    mouse.SetSizeFixedRow(true);
    mouse.SetFixedComboValues({"a", "b"});
    TMouseActions copy;
    copy.Assign(&mouse);
    EXPECT_EQ(copy.WheelAction(), TWheelAction::waScroll);
    EXPECT_TRUE(copy.DisjunctRowSelect());
    EXPECT_FALSE(copy.SizeFixedRow());
    EXPECT_FALSE(copy.HotmailRowSelect());
    EXPECT_FALSE(copy.EditOnDblClickOnly());
    EXPECT_TRUE(copy.FixedComboValues().isEmpty());
}

TEST(TSyncGrid, NeverSyncsWithItsOwner)
{
    TStringGrid ownerGrid, otherGrid;
    TStringGrid* owner = &ownerGrid;
    TStringGrid* other = &otherGrid;
    TSyncGrid sync(owner);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(other);
    sync.SetScrollVertical(true);

    TSyncGrid ofOther(other);
    ofOther.Assign(&sync);                      // the grid to follow would be itself: kept as it was
    EXPECT_EQ(ofOther.Grid(), nullptr);
    EXPECT_TRUE(ofOther.ScrollVertical());
}

TEST(TBands, LengthsAndNotifications)
{
    TBands bands;
    EXPECT_EQ(bands.TotalLength(), 2);
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);
    int changes = 0;
    bands.OnChange = [&](QObject*) { ++changes; };
    bands.SetPrimaryLength(3);
    EXPECT_EQ(bands.TotalLength(), 4);
    EXPECT_EQ(changes, 0);
    bands.SetActive(true);
    EXPECT_EQ(changes, 1);
    bands.SetSecondaryColor(clRed);
    bands.SetSecondaryColor(clRed);
    EXPECT_EQ(changes, 2);

    TBands copy;
    copy.Assign(&bands);
    EXPECT_EQ(copy.TotalLength(), 4);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.SecondaryColor(), clRed);

    TFocusHelper focus, focusCopy;
    focus.SetEnabled(true);
    focusCopy.Assign(&focus);
    EXPECT_TRUE(focusCopy.Enabled());
}
