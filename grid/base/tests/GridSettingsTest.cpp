// Defaults, notifying setters and Assign of the grid's settings objects.
#include "grid/base/GridSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/base/SearchFooter.h"

#include "platform/classes/StringList.h"
#include "platform/graphics/GraphicsObjects.h"

#include <gtest/gtest.h>

namespace {

// Counts an object's OnChange calls.
struct ChangeCounter {
    int Count = 0;
    TNotifyEvent Event()
    {
        return [this](TObject*) { ++Count; };
    }
};

} // namespace

TEST(TSearchFooter, DefaultsWithAndWithoutDesignTexts)
{
    TSearchFooter runTime(nullptr, false);
    TSearchFooter design(nullptr, true);
    EXPECT_EQ(runTime.FindNextCaption(), "");
    EXPECT_EQ(runTime.HintHighlight(), "");
    EXPECT_EQ(design.FindNextCaption(), "Find &next");
    EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(design.MatchCaseCaption(), "Match case");
    EXPECT_EQ(design.HintClose(), "Close");
    for (const TSearchFooter* footer : {&runTime, &design}) {
        EXPECT_TRUE(footer->AutoSearch());
        EXPECT_EQ(footer->Color(), 0xFFFFFF);
        EXPECT_EQ(footer->ColorTo(), clBtnFace);
        EXPECT_EQ(footer->SearchColumn(), -1);
        EXPECT_EQ(footer->SearchDirection(), sdTopBottom);
        EXPECT_TRUE(footer->ShowClose() && footer->ShowFindNext() && footer->ShowMatchCase());
        EXPECT_FALSE(footer->Visible());
        EXPECT_FALSE(footer->AutoThemeAdapt());
    }
}

TEST(TSearchFooter, NotificationsAndAssign)
{
    TSearchFooter footer(nullptr, false);
    ChangeCounter changes;
    footer.OnChange = changes.Event();
    footer.SetColor(footer.Color());
    footer.SetHintClose("x");
    footer.SetShowClose(true);
    EXPECT_EQ(changes.Count, 3) << "colour, texts and ShowClose notify at every store";
    footer.SetVisible(false);
    footer.SetShowFindNext(true);
    EXPECT_EQ(changes.Count, 3) << "Visible and the other switches notify only on change";
    footer.SetVisible(true);
    footer.SetSearchColumn(4);
    EXPECT_EQ(changes.Count, 4);

    TSearchFooter source(nullptr, true);
    source.SetAutoSearch(false);
    source.SetSearchFixedCells(true);
    source.SetAutoThemeAdapt(true);
    source.SetLastSearch("last");
    source.SetSearchHiddenRows(true);
    source.SetColorTo(clRed);
    source.Font().SetSize(15);
    footer.Assign(&source);
    EXPECT_EQ(changes.Count, 4) << "Assign notifies nobody";
    EXPECT_EQ(footer.FindNextCaption(), "Find &next");
    EXPECT_TRUE(footer.SearchHiddenRows());
    EXPECT_EQ(footer.ColorTo(), clRed);
    EXPECT_EQ(footer.Font().Size(), 15);
    EXPECT_FALSE(footer.Visible());
    EXPECT_TRUE(footer.AutoSearch()) << "not copied";
    EXPECT_FALSE(footer.SearchFixedCells()) << "not copied";
    EXPECT_FALSE(footer.AutoThemeAdapt()) << "not copied";
    EXPECT_EQ(footer.LastSearch(), "") << "not copied";
}

TEST(TNavigation, DefaultsSettersAndAssign)
{
    TNavigation navigation;
    EXPECT_TRUE(navigation.AdvanceOnEnterLoop());
    EXPECT_TRUE(navigation.AllowClipboardColGrow());
    EXPECT_TRUE(navigation.SkipDisabledRows());
    EXPECT_EQ(navigation.InsertPosition(), pInsertBefore);
    EXPECT_EQ(navigation.HomeEndKey(), heFirstLastColumn);
    EXPECT_EQ(navigation.TabAdvanceDirection(), adLeftRight);
    EXPECT_FALSE(navigation.AdvanceOnEnter());

    ChangeCounter changes;
    navigation.OnChange = changes.Event();
    navigation.SetAdvanceAuto(true);
    EXPECT_TRUE(navigation.AdvanceOnEnter());
    navigation.SetAdvanceAuto(false);
    EXPECT_TRUE(navigation.AdvanceOnEnter()) << "switching it off leaves AdvanceOnEnter on";
    EXPECT_EQ(changes.Count, 0);
    navigation.SetAdvanceDirection(adTopBottom);
    navigation.SetAdvanceDirection(adTopBottom);
    navigation.SetAdvanceInsert(true);
    EXPECT_EQ(changes.Count, 2);

    TNavigation copy;
    copy.SetKeepScrollOnSort(true);
    navigation.SetHomeEndKey(heFirstLastCell);
    copy.Assign(&navigation);
    EXPECT_EQ(copy.AdvanceDirection(), adTopBottom);
    EXPECT_TRUE(copy.AdvanceInsert());
    EXPECT_EQ(copy.HomeEndKey(), heFirstLastCell);
    EXPECT_TRUE(copy.AdvanceOnEnter());
    EXPECT_TRUE(copy.KeepScrollOnSort()) << "not copied";
    TBands other;
    copy.Assign(&other);
    EXPECT_EQ(copy.HomeEndKey(), heFirstLastCell) << "another class is ignored";
}

TEST(TMouseActions, DisjunctSelectionsAtDesignAndRunTime)
{
    TMouseActions actions(nullptr);
    EXPECT_TRUE(actions.AutoSizeColOnDblClick());
    EXPECT_TRUE(actions.PreciseNodeClick());
    EXPECT_EQ(actions.FixedRowsEditor(), fceEdit);
    EXPECT_EQ(actions.WheelAction(), waMoveSelection);

    actions.SetDisjunctRowSelect(true);
    actions.SetDisjunctCellSelect(true);
    actions.SetDisjunctColSelect(true);
    EXPECT_TRUE(actions.DisjunctRowSelect() && actions.DisjunctCellSelect() && actions.DisjunctColSelect())
        << "at run time all three may be on";

    bool designing = true;
    actions.OnIsDesigning = [&](TObject*, bool& IsDesigning) { IsDesigning = designing; };
    actions.SetDisjunctColSelect(true);
    EXPECT_FALSE(actions.DisjunctRowSelect());
    EXPECT_FALSE(actions.DisjunctCellSelect());
    EXPECT_TRUE(actions.DisjunctColSelect());
}

TEST(TMouseActions, NotifyingSettersAndAssign)
{
    TMouseActions actions(nullptr);
    ChangeCounter changes;
    ChangeCounter invalidates;
    ChangeCounter disables;
    actions.OnChange = changes.Event();
    actions.OnInvalidate = invalidates.Event();
    actions.OnDisableEdit = disables.Event();
    actions.SetHotmailRowSelect(true);
    EXPECT_TRUE(actions.DisjunctRowSelect());
    EXPECT_TRUE(actions.CheckAllCheck());
    EXPECT_EQ(invalidates.Count, 1);
    actions.SetEditOnDblClickOnly(true);
    actions.SetEditOnDblClickOnly(false);
    EXPECT_EQ(disables.Count, 1);
    actions.SetWheelAction(waScroll);
    actions.SetWheelAction(waScroll);
    EXPECT_EQ(changes.Count, 1);
    TStringList values;
    values.Add("one");
    actions.SetFixedComboValues(values);
    EXPECT_EQ(actions.FixedComboValues().Count(), 1);
    actions.SetSizeFixedRow(true);
    actions.SetWheelIncrement(3);

    TMouseActions copy(nullptr);
    copy.Assign(&actions);
    EXPECT_EQ(copy.WheelAction(), waScroll);
    EXPECT_EQ(copy.WheelIncrement(), 3);
    EXPECT_TRUE(copy.DisjunctRowSelect());
    EXPECT_TRUE(copy.CheckAllCheck());
    EXPECT_FALSE(copy.HotmailRowSelect()) << "not copied";
    EXPECT_FALSE(copy.EditOnDblClickOnly()) << "not copied";
    EXPECT_FALSE(copy.SizeFixedRow()) << "not copied";
    EXPECT_EQ(copy.FixedComboValues().Count(), 0) << "not copied";
}

TEST(TSyncGrid, RefusesItsOwnGridAsPartner)
{
    auto* owner = reinterpret_cast<TQuillStringGrid*>(0x1000);
    auto* partner = reinterpret_cast<TQuillStringGrid*>(0x2000);
    TSyncGrid sync(owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(partner);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), partner);
    sync.SetScrollVertical(true);

    TSyncGrid ownersPartnerSettings(partner);
    ownersPartnerSettings.Assign(&sync);
    EXPECT_EQ(ownersPartnerSettings.Grid(), nullptr) << "the copy would point the partner at itself";
    EXPECT_TRUE(ownersPartnerSettings.ScrollVertical());
}

TEST(TBands, NotifiesOnlyWhileActive)
{
    TBands bands;
    EXPECT_EQ(bands.TotalLength(), 2);
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);
    ChangeCounter changes;
    bands.OnChange = changes.Event();
    bands.SetPrimaryColor(clRed);
    bands.SetPrimaryLength(3);
    EXPECT_EQ(changes.Count, 0);
    EXPECT_EQ(bands.TotalLength(), 4);
    bands.SetActive(true);
    bands.SetActive(true);
    bands.SetSecondaryColor(clRed);
    bands.SetSecondaryColor(clRed);
    EXPECT_EQ(changes.Count, 2);

    bands.SetPrint(true);
    bands.SetSecondaryLength(5);
    TBands copy;
    ChangeCounter copyChanges;
    copy.OnChange = copyChanges.Event();
    copy.Assign(&bands);
    EXPECT_EQ(copy.TotalLength(), 8);
    EXPECT_TRUE(copy.Print());
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copyChanges.Count, 0);
}

TEST(TFocusHelper, Assign)
{
    TFocusHelper source(nullptr);
    source.SetEnabled(true);
    TFocusHelper target(nullptr);
    EXPECT_FALSE(target.Enabled());
    target.Assign(&source);
    EXPECT_TRUE(target.Enabled());
}
