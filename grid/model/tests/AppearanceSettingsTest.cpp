#include "grid/model/AppearanceSettings.h"

#include "DefaultsTable.h"
#include "RecordingGridOwner.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

// Counts the OnChange calls of a settings object and checks their sender.
struct ChangeCounter {
    int Count = 0;
    TObject* Expected = nullptr;
    TNotifyEvent Handler()
    {
        return [this](TObject* Sender) {
            EXPECT_EQ(Sender, Expected);
            ++Count;
        };
    }
};

TEST(BackGroundTest, DefaultsAndEverySetterRepaintsEvenWhenUnchanged)
{
    TRecordingGridOwner grid;
    TBackGround background(&grid);
    ExpectValues({
        {"Top", background.Top(), 0},
        {"Left", background.Left(), 0},
        {"Display", background.Display(), bdTile},
        {"Cells", background.Cells(), bcNormal},
        {"Color", background.Color(), clWindow},
        {"ColorTo", background.ColorTo(), clBtnFace},
    });
    EXPECT_TRUE(background.Bitmap()->Empty());

    background.SetTop(0);
    background.SetDisplay(bdGradientVert);
    background.SetColorTo(clBtnFace);
    TBitmap picture(3, 2);
    background.SetBitmap(&picture);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>(4, "repaint")));
    EXPECT_EQ(background.Bitmap()->Width(), 3);
    EXPECT_NE(background.Bitmap(), &picture);
}

TEST(BackGroundTest, AssigningRaisesTheCannotAssignError)
{
    TBackGround first(nullptr);
    TBackGround second(nullptr);
    EXPECT_THROW(first.Assign(&second), EConvertError);
}

TEST(GridProgressAppearanceTest, StartsAtItsDeclaredDefaults)
{
    TGridProgressAppearance progress;
    ExpectValues({
        {"CompleteColor", progress.CompleteColor(), 0x0000FF},
        {"CompleteFontColor", progress.CompleteFontColor(), 0xFF0000},
        {"UnCompleteColor", progress.UnCompleteColor(), clNone},
        {"UnCompleteFontColor", progress.UnCompleteFontColor(), clWindowText},
        {"Level0Color", progress.Level0Color(), 0x00FF00},
        {"Level0ColorTo", progress.Level0ColorTo(), 0xE1FFE1},
        {"Level1Color", progress.Level1Color(), 0x00FFFF},
        {"Level1ColorTo", progress.Level1ColorTo(), 0xCAFFFF},
        {"Level2Color", progress.Level2Color(), 0x53A9FF},
        {"Level2ColorTo", progress.Level2ColorTo(), 0xA8D3FF},
        {"Level3Color", progress.Level3Color(), 0x0000FF},
        {"Level3ColorTo", progress.Level3ColorTo(), 0xCACAFF},
        {"Level1Perc", progress.Level1Perc(), 70},
        {"Level2Perc", progress.Level2Perc(), 90},
        {"BorderColor", progress.BorderColor(), clBlack},
        {"ShowBorder", progress.ShowBorder(), false},
        {"Stacked", progress.Stacked(), false},
        {"ShowPercentage", progress.ShowPercentage(), true},
        {"CompletionSmooth", progress.CompletionSmooth(), true},
        {"ShowGradient", progress.ShowGradient(), true},
        {"Steps", progress.Steps(), 11},
        {"Style", progress.Style(), psXP},
    });
}

TEST(GridProgressAppearanceTest, ChangesFireOnChangeOnlyForNewValues)
{
    TGridProgressAppearance progress;
    ChangeCounter changes{0, &progress};
    progress.OnChange = changes.Handler();

    progress.SetSteps(11);
    EXPECT_EQ(changes.Count, 0) << "the current value is no change";
    progress.SetSteps(20);
    progress.SetStyle(psClassic);
    progress.SetLevel2ColorTo(clBlack);
    EXPECT_EQ(changes.Count, 3);
}

TEST(GridProgressAppearanceTest, AssignCopiesEverythingAndFiresOnce)
{
    TGridProgressAppearance source;
    source.SetStyle(psClassic);
    source.SetLevel1Perc(40);
    source.SetUnCompleteColor(clAqua);
    source.SetShowGradient(false);
    TGridProgressAppearance target;
    ChangeCounter changes{0, &target};
    target.OnChange = changes.Handler();

    target.Assign(&source);

    EXPECT_EQ(target.Style(), psClassic);
    EXPECT_EQ(target.Level1Perc(), 40);
    EXPECT_EQ(target.UnCompleteColor(), clAqua);
    EXPECT_FALSE(target.ShowGradient());
    EXPECT_EQ(changes.Count, 1);

    target.Assign(nullptr);
    EXPECT_EQ(changes.Count, 1) << "a source of another class is ignored";
}

TEST(CellNodeTest, DefaultsAndWhichSettersRepaint)
{
    TRecordingGridOwner grid;
    TCellNode node(&grid);
    ExpectValues({
        {"Color", node.Color(), clSilver},
        {"ExpandOne", node.ExpandOne(), false},
        {"NodeType", node.NodeType(), cnXP},
        {"NodeColor", node.NodeColor(), clBlack},
        {"NodeIndent", node.NodeIndent(), 12},
        {"ShowTree", node.ShowTree(), true},
        {"ShowTreeFull", node.ShowTreeFull(), true},
        {"TreeColor", node.TreeColor(), clGray},
    });

    node.SetNodeType(cnXP);
    node.SetColor(clRed);
    node.SetExpandOne(true);
    node.SetNodeColor(clRed);
    TBitmap glyph(2, 2);
    node.SetExpandGlyph(&glyph);
    EXPECT_TRUE(grid.Calls.empty()) << "unchanged values, stored options and glyphs do not repaint";
    EXPECT_EQ(node.ExpandGlyph()->Width(), 2);

    node.SetNodeType(cnFlat);
    node.SetShowTree(false);
    node.SetShowTreeFull(false);
    node.SetTreeColor(clBlue);
    node.SetNodeIndent(20);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>(5, "repaint")));
}

TEST(CellNodeTest, AssignCopiesEverythingWithoutRepainting)
{
    TCellNode source(nullptr);
    source.SetNodeType(cnGlyph);
    source.SetColor(clRed);
    source.SetExpandOne(true);
    source.SetNodeColor(clLime);
    source.SetNodeIndent(30);
    source.SetShowTree(false);
    source.SetShowTreeFull(false);
    source.SetTreeColor(clAqua);
    TBitmap glyph(6, 6);
    source.SetContractGlyph(&glyph);
    TRecordingGridOwner grid;
    TCellNode target(&grid);

    target.Assign(&source);

    ExpectValues({
        {"NodeType", target.NodeType(), cnGlyph},
        {"Color", target.Color(), clRed},
        {"ExpandOne", target.ExpandOne(), true},
        {"NodeColor", target.NodeColor(), clLime},
        {"NodeIndent", target.NodeIndent(), 30},
        {"ShowTree", target.ShowTree(), false},
        {"ShowTreeFull", target.ShowTreeFull(), false},
        {"TreeColor", target.TreeColor(), clAqua},
        {"ContractGlyph width", target.ContractGlyph()->Width(), 6},
    });
    EXPECT_TRUE(grid.Calls.empty());
}

TEST(ShowModifiedTest, ColorFiresEveryTimeAndAssignFiresNever)
{
    TShowModified shown;
    EXPECT_FALSE(shown.Enabled());
    EXPECT_EQ(shown.Color(), 0x00FFFF);
    ChangeCounter changes{0, &shown};
    shown.OnChange = changes.Handler();

    shown.SetColor(clYellow);
    EXPECT_EQ(changes.Count, 1) << "setting the current colour fires too";
    shown.SetEnabled(true);
    EXPECT_EQ(changes.Count, 1);

    TShowModified source;
    source.SetColor(clRed);
    source.SetEnabled(false);
    shown.Assign(&source);
    EXPECT_EQ(shown.Color(), clRed);
    EXPECT_FALSE(shown.Enabled());
    EXPECT_EQ(changes.Count, 1);
}

TEST(FilterDropDownTest, DefaultsAndGlyphChangesFireOnChange)
{
    TFilterDropDown dropDown;
    ExpectValues({
        {"AutoSize", dropDown.AutoSize(), false},
        {"Color", dropDown.Color(), clWindow},
        {"ColumnWidth", dropDown.ColumnWidth(), false},
        {"Height", dropDown.Height(), 150},
        {"Width", dropDown.Width(), 150},
    });
    ChangeCounter changes{0, &dropDown};
    dropDown.OnChange = changes.Handler();

    TBitmap glyph(5, 5);
    dropDown.SetGlyph(&glyph);
    EXPECT_EQ(changes.Count, 1);
    dropDown.GlyphActive()->SetSize(8, 8);
    EXPECT_EQ(changes.Count, 2) << "a change made on the picture itself counts";
    dropDown.SetWidth(200);
    EXPECT_EQ(changes.Count, 2) << "plain options only store";
}

TEST(FilterDropDownTest, AssignCopiesAllButAutoSize)
{
    TFilterDropDown source;
    source.SetAutoSize(true);
    source.SetColor(clInfoBk);
    source.SetColumnWidth(true);
    source.SetHeight(90);
    source.SetWidth(80);
    source.Font()->SetName("Courier New");
    TBitmap glyph(4, 4);
    source.SetGlyphActive(&glyph);
    TFilterDropDown target;

    target.Assign(&source);

    ExpectValues({
        {"AutoSize", target.AutoSize(), false},
        {"Color", target.Color(), clInfoBk},
        {"ColumnWidth", target.ColumnWidth(), true},
        {"Height", target.Height(), 90},
        {"Width", target.Width(), 80},
        {"GlyphActive width", target.GlyphActive()->Width(), 4},
    });
    EXPECT_EQ(target.Font()->Name(), "Courier New");
    EXPECT_NE(target.Font(), source.Font());
}

} // namespace
