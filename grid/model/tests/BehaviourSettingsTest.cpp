#include "grid/model/BehaviourSettings.h"

#include "DefaultsTable.h"
#include "RecordingGridOwner.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeWhileTypingTest, DefaultsAndNoAssignOfItsOwn)
{
    TSizeWhileTyping sizing;
    EXPECT_FALSE(sizing.Height());
    EXPECT_FALSE(sizing.Width());
    TSizeWhileTyping other;
    EXPECT_THROW(sizing.Assign(&other), EConvertError);
}

TEST(ColumnSizeTest, Defaults)
{
    TColumnSize columns(nullptr);
    ExpectValues({
        {"Rows", columns.Rows(), arAll},
        {"Save", columns.Save(), false},
        {"Stretch", columns.Stretch(), false},
        {"StretchColumn", columns.StretchColumn(), -1},
        {"SynchWithGrid", columns.SynchWithGrid(), false},
        {"SynchNormalCellsOnly", columns.SynchNormalCellsOnly(), false},
        {"Location", columns.Location(), clRegistry},
    });
    EXPECT_EQ(columns.Key(), "");
    EXPECT_EQ(columns.Section(), "");
}

TEST(ColumnSizeTest, StretchAppliesAtOnceOnlyWhenTheGridHasAParent)
{
    TRecordingGridOwner grid;
    TColumnSize columns(&grid);
    columns.SetStretchColumn(2);

    grid.HasParent = false;
    columns.SetStretch(true);
    EXPECT_TRUE(columns.Stretch());
    EXPECT_TRUE(grid.Calls.empty());

    grid.HasParent = true;
    columns.SetStretch(false);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"stretch 2"})) << "applied also when switched off";
}

TEST(ColumnSizeTest, AssignKeepsKeySectionAndStretchColumn)
{
    TColumnSize source(nullptr);
    source.SetRows(arFixed);
    source.SetSave(true);
    source.SetStretch(true);
    source.SetSynchWithGrid(true);
    source.SetSynchNormalCellsOnly(true);
    source.SetLocation(clIniFile);
    source.SetKey("source.ini");
    source.SetSection("Source");
    source.SetStretchColumn(4);
    TRecordingGridOwner grid;
    TColumnSize target(&grid);
    target.SetKey("target.ini");
    target.SetSection("Target");
    target.SetStretchColumn(1);

    target.Assign(&source);

    ExpectValues({
        {"Rows", target.Rows(), arFixed},
        {"Save", target.Save(), true},
        {"Stretch", target.Stretch(), true},
        {"SynchWithGrid", target.SynchWithGrid(), true},
        {"SynchNormalCellsOnly", target.SynchNormalCellsOnly(), true},
        {"Location", target.Location(), clIniFile},
        {"StretchColumn", target.StretchColumn(), 1},
    });
    EXPECT_EQ(target.Key(), "target.ini");
    EXPECT_EQ(target.Section(), "Target");
    EXPECT_TRUE(grid.Calls.empty()) << "Assign stores Stretch without stretching";
}

TEST(HTMLSettingsTest, DefaultsAndAssignLeavesExportImages)
{
    THTMLSettings html;
    ExpectValues({
        {"AutoPreview", html.AutoPreview(), false},
        {"BorderSize", html.BorderSize(), 1},
        {"CellSpacing", html.CellSpacing(), 0},
        {"CellPadding", html.CellPadding(), 0},
        {"ConvertSpecialChars", html.ConvertSpecialChars(), false},
        {"ExportImages", html.ExportImages(), true},
        {"NonBreakingText", html.NonBreakingText(), false},
        {"SaveColor", html.SaveColor(), true},
        {"SaveFonts", html.SaveFonts(), true},
        {"Width", html.Width(), 100},
        {"XHTML", html.XHTML(), false},
        {"ColWidths", html.ColWidths()->Count(), 0},
    });

    THTMLSettings source;
    source.SetBorderSize(3);
    source.SetXHTML(true);
    source.SetSummary("Totals");
    source.SetTableStyle("border:0");
    source.SetHeaderFile("head.html");
    source.SetExportImages(false);
    html.Assign(&source);
    EXPECT_EQ(html.BorderSize(), 3);
    EXPECT_TRUE(html.XHTML());
    EXPECT_EQ(html.Summary(), "Totals");
    EXPECT_EQ(html.TableStyle(), "border:0");
    EXPECT_EQ(html.HeaderFile(), "head.html");
    EXPECT_TRUE(html.ExportImages());
}

TEST(GroupingTest, DefaultsAndAssignLeavesSummaryAndLines)
{
    TGrouping grouping;
    ExpectValues({
        {"AutoSelectGroup", grouping.AutoSelectGroup(), false},
        {"AutoCheckGroup", grouping.AutoCheckGroup(), false},
        {"HeaderColor", grouping.HeaderColor(), clNone},
        {"HeaderColorTo", grouping.HeaderColorTo(), clNone},
        {"HeaderTextColor", grouping.HeaderTextColor(), clNone},
        {"HeaderUnderline", grouping.HeaderUnderline(), false},
        {"HeaderLineColor", grouping.HeaderLineColor(), 0xFF0000},
        {"HeaderLineWidth", grouping.HeaderLineWidth(), 2},
        {"MergeHeader", grouping.MergeHeader(), false},
        {"MergeSummary", grouping.MergeSummary(), false},
        {"ShowGroupCount", grouping.ShowGroupCount(), false},
        {"Summary", grouping.Summary(), false},
        {"SummaryColor", grouping.SummaryColor(), clNone},
        {"SummaryColorTo", grouping.SummaryColorTo(), clNone},
        {"SummaryTextColor", grouping.SummaryTextColor(), clNone},
        {"SummaryLine", grouping.SummaryLine(), false},
        {"SummaryLineColor", grouping.SummaryLineColor(), clBlue},
        {"SummaryLineWidth", grouping.SummaryLineWidth(), 2},
    });
    EXPECT_EQ(grouping.GroupCountFormat(), "");

    TGrouping source;
    source.SetGroupCountFormat("(%d)");
    source.SetHeaderColor(clRed);
    source.SetSummaryTextColor(clLime);
    source.SetAutoCheckGroup(true);
    source.SetMergeSummary(true);
    source.SetSummary(true);
    source.SetHeaderLineColor(clBlack);
    source.SetSummaryLineWidth(5);
    grouping.Assign(&source);
    ExpectValues({
        {"HeaderColor", grouping.HeaderColor(), clRed},
        {"SummaryTextColor", grouping.SummaryTextColor(), clLime},
        {"AutoCheckGroup", grouping.AutoCheckGroup(), true},
        {"MergeSummary", grouping.MergeSummary(), true},
        {"Summary", grouping.Summary(), false},
        {"HeaderLineColor", grouping.HeaderLineColor(), clBlue},
        {"SummaryLineWidth", grouping.SummaryLineWidth(), 2},
    });
    EXPECT_EQ(grouping.GroupCountFormat(), "(%d)");
}

TEST(DragDropSettingsTest, ANewGridStoresOleAppendRowsOff)
{
    TDragDropSettings dragDrop(nullptr);
    ExpectValues({
        {"OleAppendRows declared", TDragDropSettings::OleAppendRowsDefault, true},
        {"OleAppendRows at construction", dragDrop.OleAppendRows(), false},
        {"ShowCells", dragDrop.ShowCells(), true},
        {"OleAcceptFiles", dragDrop.OleAcceptFiles(), true},
        {"OleAcceptText", dragDrop.OleAcceptText(), true},
        {"OleAcceptURLs", dragDrop.OleAcceptURLs(), true},
        {"OleColumnDragDrop", dragDrop.OleColumnDragDrop(), false},
        {"OleColumnReorder", dragDrop.OleColumnReorder(), false},
        {"OleColumnsOnly", dragDrop.OleColumnsOnly(), false},
        {"OleCopyAlways", dragDrop.OleCopyAlways(), false},
        {"OleDropTarget", dragDrop.OleDropTarget(), false},
        {"OleDropSource", dragDrop.OleDropSource(), false},
        {"OleEntireRows", dragDrop.OleEntireRows(), false},
        {"OleInsertRows", dragDrop.OleInsertRows(), false},
        {"OleRemoveRows", dragDrop.OleRemoveRows(), false},
        {"OleDropRTF", dragDrop.OleDropRTF(), false},
    });
}

TEST(DragDropSettingsTest, DropTargetRegistersOnceAndRevokes)
{
    TRecordingGridOwner grid;
    TDragDropSettings dragDrop(&grid);

    dragDrop.SetOleDropTarget(false);
    EXPECT_TRUE(grid.Calls.empty()) << "nothing registered, nothing to revoke";
    dragDrop.SetOleDropTarget(true);
    dragDrop.SetOleDropTarget(true);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"register"})) << "a registered grid is not registered twice";
    dragDrop.SetOleDropTarget(false);
    dragDrop.SetOleDropTarget(true);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"revoke", "register"}));
    EXPECT_TRUE(dragDrop.OleDropTarget());
}

TEST(DragDropSettingsTest, DropTargetAtDesignTimeOnlyStores)
{
    TRecordingGridOwner grid;
    grid.Designing = true;
    TDragDropSettings dragDrop(&grid);
    dragDrop.SetOleDropTarget(true);
    EXPECT_TRUE(dragDrop.OleDropTarget());
    EXPECT_TRUE(grid.Calls.empty());
}

TEST(DragDropSettingsTest, RichTextSwitchAndAssignWithoutRegistration)
{
    TRecordingGridOwner grid;
    TDragDropSettings dragDrop(&grid);
    dragDrop.SetOleDropRTF(true);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"rtf on"}));
    EXPECT_TRUE(dragDrop.OleDropRTF());

    TDragDropSettings source(nullptr);
    source.SetOleDropTarget(true);
    source.SetOleDropRTF(false);
    source.SetOleAppendRows(true);
    source.SetOleColumnsOnly(true);
    source.SetShowCells(false);
    dragDrop.Assign(&source);
    ExpectValues({
        {"OleDropTarget", dragDrop.OleDropTarget(), true},
        {"OleDropRTF", dragDrop.OleDropRTF(), false},
        {"OleAppendRows", dragDrop.OleAppendRows(), true},
        {"OleColumnsOnly", dragDrop.OleColumnsOnly(), true},
        {"ShowCells", dragDrop.ShowCells(), false},
    });
    EXPECT_TRUE(grid.Calls.empty()) << "Assign neither registers nor switches rich text";
}

TEST(DragScrollOptionsTest, DefaultsAndAssignCopiesDelaysAndMargins)
{
    TDragScrollOptions scrolling;
    ExpectValues({
        {"Active", scrolling.Active(), false},
        {"InitialDelay", scrolling.Delays()->InitialDelay(), 1000},
        {"RepeatDelay", scrolling.Delays()->RepeatDelay(), 250},
        {"TopMargin", scrolling.Margins()->TopMargin(), 50},
        {"BottomMargin", scrolling.Margins()->BottomMargin(), 50},
        {"LeftMargin", scrolling.Margins()->LeftMargin(), 50},
        {"RightMargin", scrolling.Margins()->RightMargin(), 50},
    });

    TDragScrollOptions source;
    source.SetActive(true);
    source.Delays()->SetRepeatDelay(75);
    source.Margins()->SetLeftMargin(12);
    scrolling.Assign(&source);
    EXPECT_TRUE(scrolling.Active());
    EXPECT_EQ(scrolling.Delays()->RepeatDelay(), 75);
    EXPECT_EQ(scrolling.Margins()->LeftMargin(), 12);
    EXPECT_NE(scrolling.Margins(), source.Margins());
}

TEST(BalloonSettingsTest, EnableFiresEveryTimeAndAssignLeavesTransparency)
{
    TBalloonSettings balloon;
    ExpectValues({
        {"AutoHideDelay", balloon.AutoHideDelay(), -1},
        {"InitialDelay", balloon.InitialDelay(), -1},
        {"ReshowDelay", balloon.ReshowDelay(), -1},
        {"BackgroundColor", balloon.BackgroundColor(), clNone},
        {"TextColor", balloon.TextColor(), clNone},
        {"Enable", balloon.Enable(), false},
        {"Transparency", balloon.Transparency(), 0},
        {"Initialized", balloon.Initialized(), false},
    });
    int changes = 0;
    balloon.OnEnableChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &balloon);
        ++changes;
    };
    balloon.SetEnable(false);
    balloon.SetEnable(true);
    EXPECT_EQ(changes, 2) << "also an unchanged value fires";

    TBalloonSettings source;
    source.SetEnable(false);
    source.SetTransparency(128);
    source.SetInitialDelay(300);
    source.SetTextColor(clRed);
    balloon.Assign(&source);
    EXPECT_FALSE(balloon.Enable());
    EXPECT_EQ(balloon.InitialDelay(), 300);
    EXPECT_EQ(balloon.TextColor(), clRed);
    EXPECT_EQ(balloon.Transparency(), 0);
    EXPECT_EQ(changes, 2) << "Assign stores Enable without the event";
}

} // namespace
