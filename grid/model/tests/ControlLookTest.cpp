#include "grid/model/ControlLook.h"

#include "DefaultsTable.h"
#include "RecordingGridOwner.h"

#include <gtest/gtest.h>

using namespace grid;

namespace {

struct ControlLookTest : testing::Test {
    TRecordingGridOwner grid;
    TControlLook look{&grid};
};

TEST_F(ControlLookTest, StartsAtItsDeclaredDefaults)
{
    ExpectValues({
        {"Color", look.Color(), clBlack},
        {"CommentColor", look.CommentColor(), clRed},
        {"FixedGradientFrom", look.FixedGradientFrom(), clNone},
        {"FixedGradientTo", look.FixedGradientTo(), clNone},
        {"FixedGradientMirrorFrom", look.FixedGradientMirrorFrom(), clNone},
        {"FixedGradientMirrorTo", look.FixedGradientMirrorTo(), clNone},
        {"FixedGradientHoverFrom", look.FixedGradientHoverFrom(), clWhite},
        {"FixedGradientHoverTo", look.FixedGradientHoverTo(), clGray},
        {"FixedGradientHoverMirrorFrom", look.FixedGradientHoverMirrorFrom(), clNone},
        {"FixedGradientHoverMirrorTo", look.FixedGradientHoverMirrorTo(), clNone},
        {"FixedGradientHoverBorder", look.FixedGradientHoverBorder(), clSilver},
        {"FixedGradientDownFrom", look.FixedGradientDownFrom(), clSilver},
        {"FixedGradientDownTo", look.FixedGradientDownTo(), clGray},
        {"FixedGradientDownMirrorFrom", look.FixedGradientDownMirrorFrom(), clNone},
        {"FixedGradientDownMirrorTo", look.FixedGradientDownMirrorTo(), clNone},
        {"FixedGradientDownBorder", look.FixedGradientDownBorder(), clGray},
        {"FixedDropDownButton", look.FixedDropDownButton(), false},
        {"CheckSize", look.CheckSize(), 15},
        {"CheckAlwaysActive", look.CheckAlwaysActive(), false},
        {"RadioSize", look.RadioSize(), 10},
        {"RadioAlwaysActive", look.RadioAlwaysActive(), false},
        {"ControlStyle", look.ControlStyle(), csTheme},
        {"DropDownAlwaysVisible", look.DropDownAlwaysVisible(), false},
        {"DropDownCount", look.DropDownCount(), 8},
        {"SpinButtonsAlwaysVisible", look.SpinButtonsAlwaysVisible(), false},
        {"FlatButton", look.FlatButton(), false},
        {"NoDisabledCheckRadioLook", look.NoDisabledCheckRadioLook(), false},
        {"NoDisabledButtonLook", look.NoDisabledButtonLook(), false},
        {"ProgressBorderColor", look.ProgressBorderColor(), clGray},
        {"ProgressMarginX", look.ProgressMarginX(), 2},
        {"ProgressMarginY", look.ProgressMarginY(), 2},
        {"ProgressXP", look.ProgressXP(), false},
    });
    EXPECT_TRUE(look.CheckedGlyph()->Empty());
    EXPECT_TRUE(look.RadioOffGlyph()->Empty());
    EXPECT_EQ(csTheme, 6) << "the control styles keep their stored ordinals";
    EXPECT_TRUE(grid.Calls.empty()) << "construction hands nothing to the grid";
}

TEST_F(ControlLookTest, InitRestoresTheColoursWithoutTellingTheGrid)
{
    look.SetColor(clBlue);
    look.SetCommentColor(clLime);
    look.SetProgressBorderColor(clAqua);
    look.SetFixedGradientDownBorder(clYellow);
    look.SetCheckSize(20);
    grid.Calls.clear();

    look.Init();

    EXPECT_EQ(look.Color(), clBlack);
    EXPECT_EQ(look.CommentColor(), clRed);
    EXPECT_EQ(look.ProgressBorderColor(), clGray);
    EXPECT_EQ(look.FixedGradientDownBorder(), clGray);
    EXPECT_EQ(look.CheckSize(), 20) << "Init resets colours only";
    EXPECT_TRUE(grid.Calls.empty());
}

TEST_F(ControlLookTest, LookOptionsRepaintOnceWhenTheyChange)
{
    look.SetCheckSize(20);
    look.SetCheckSize(20);
    look.SetControlStyle(csFlat);
    look.SetProgressXP(true);
    look.SetColor(clNavy);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"repaint", "repaint", "repaint", "repaint"}));

    look.SetFixedDropDownButton(true);
    look.SetCheckAlwaysActive(true);
    look.SetRadioAlwaysActive(true);
    look.SetDropDownCount(12);
    look.SetProgressBorderColor(clRed);
    EXPECT_TRUE(grid.Calls.empty()) << "stored-only options leave the grid alone";
    EXPECT_EQ(look.DropDownCount(), 12);
}

TEST_F(ControlLookTest, GlyphSettersCopyThePictureAndRepaint)
{
    TBitmap glyph(7, 5);
    look.SetCheckedGlyph(&glyph);
    glyph.SetSize(1, 1);
    EXPECT_EQ(look.CheckedGlyph()->Width(), 7) << "the look keeps its own copy";
    EXPECT_EQ(look.CheckedGlyph()->Height(), 5);

    look.SetCheckedGlyph(nullptr);
    EXPECT_TRUE(look.CheckedGlyph()->Empty()) << "no picture takes the glyph away";
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"repaint", "repaint"}));
}

// Each gradient colour goes to its own grid colour; clNone is kept from the grid except
// for the mirror colours, which pass it on.
TEST_F(ControlLookTest, GradientColoursGoToTheGridUnlessNoneIsKept)
{
    struct Case {
        void (TControlLook::*Set)(TColor);
        TColor (TControlLook::*Get)() const noexcept;
        TFixedGradient Target;
        bool PassesNone;
    };
    const Case cases[] = {
        {&TControlLook::SetFixedGradientFrom, &TControlLook::FixedGradientFrom, fgFrom, false},
        {&TControlLook::SetFixedGradientTo, &TControlLook::FixedGradientTo, fgTo, false},
        {&TControlLook::SetFixedGradientMirrorFrom, &TControlLook::FixedGradientMirrorFrom, fgMirrorFrom, true},
        {&TControlLook::SetFixedGradientMirrorTo, &TControlLook::FixedGradientMirrorTo, fgMirrorTo, true},
        {&TControlLook::SetFixedGradientHoverFrom, &TControlLook::FixedGradientHoverFrom, fgHoverFrom, false},
        {&TControlLook::SetFixedGradientHoverTo, &TControlLook::FixedGradientHoverTo, fgHoverTo, false},
        {&TControlLook::SetFixedGradientHoverMirrorFrom, &TControlLook::FixedGradientHoverMirrorFrom,
         fgHoverMirrorFrom, true},
        {&TControlLook::SetFixedGradientHoverMirrorTo, &TControlLook::FixedGradientHoverMirrorTo, fgHoverMirrorTo,
         true},
        {&TControlLook::SetFixedGradientHoverBorder, &TControlLook::FixedGradientHoverBorder, fgHoverBorder, false},
        {&TControlLook::SetFixedGradientDownFrom, &TControlLook::FixedGradientDownFrom, fgDownFrom, false},
        {&TControlLook::SetFixedGradientDownTo, &TControlLook::FixedGradientDownTo, fgDownTo, false},
        {&TControlLook::SetFixedGradientDownMirrorFrom, &TControlLook::FixedGradientDownMirrorFrom,
         fgDownMirrorFrom, true},
        {&TControlLook::SetFixedGradientDownMirrorTo, &TControlLook::FixedGradientDownMirrorTo, fgDownMirrorTo,
         true},
        {&TControlLook::SetFixedGradientDownBorder, &TControlLook::FixedGradientDownBorder, fgDownBorder, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Target);
        (look.*c.Set)(clTeal);
        EXPECT_EQ((look.*c.Get)(), clTeal);
        EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"gradient " + std::to_string(c.Target) + "=" +
                                                              std::to_string(clTeal)}));

        (look.*c.Set)(clNone);
        EXPECT_EQ((look.*c.Get)(), clNone) << "the look itself always stores clNone";
        std::vector<std::string> expected;
        if (c.PassesNone)
            expected.push_back("gradient " + std::to_string(c.Target) + "=" + std::to_string(clNone));
        EXPECT_EQ(grid.TakeCalls(), expected);
    }
}

TEST_F(ControlLookTest, AssignCopiesTheListedSettingsWithoutTellingTheGrid)
{
    TRecordingGridOwner otherGrid;
    TControlLook source(&otherGrid);
    source.SetCheckSize(21);
    source.SetRadioSize(13);
    source.SetControlStyle(csGlyph);
    TBitmap glyph(4, 3);
    source.SetRadioOnGlyph(&glyph);
    source.SetProgressMarginX(5);
    source.SetProgressMarginY(6);
    source.SetCommentColor(clBlue);
    source.SetColor(clMaroon);
    source.SetProgressBorderColor(clOlive);
    source.SetCheckAlwaysActive(true);
    source.SetRadioAlwaysActive(true);
    source.SetFixedGradientFrom(clRed);
    source.SetFixedGradientTo(clBlue);
    source.SetFixedGradientDownMirrorTo(clLime);
    source.SetDropDownAlwaysVisible(true);
    source.SetSpinButtonsAlwaysVisible(true);
    source.SetDropDownCount(3);
    // Settings that Assign leaves as they are.
    source.SetFixedDropDownButton(true);
    source.SetFlatButton(true);
    source.SetNoDisabledCheckRadioLook(true);
    source.SetNoDisabledButtonLook(true);
    source.SetProgressXP(true);

    look.Assign(&source);

    ExpectValues({
        {"CheckSize", look.CheckSize(), 21},
        {"RadioSize", look.RadioSize(), 13},
        {"ControlStyle", look.ControlStyle(), csGlyph},
        {"RadioOnGlyph width", look.RadioOnGlyph()->Width(), 4},
        {"ProgressMarginX", look.ProgressMarginX(), 5},
        {"ProgressMarginY", look.ProgressMarginY(), 6},
        {"CommentColor", look.CommentColor(), clBlue},
        {"Color", look.Color(), clMaroon},
        {"ProgressBorderColor", look.ProgressBorderColor(), clOlive},
        {"CheckAlwaysActive", look.CheckAlwaysActive(), true},
        {"RadioAlwaysActive", look.RadioAlwaysActive(), true},
        {"FixedGradientFrom", look.FixedGradientFrom(), clRed},
        {"FixedGradientTo", look.FixedGradientTo(), clBlue},
        {"FixedGradientDownMirrorTo", look.FixedGradientDownMirrorTo(), clLime},
        {"DropDownAlwaysVisible", look.DropDownAlwaysVisible(), true},
        {"SpinButtonsAlwaysVisible", look.SpinButtonsAlwaysVisible(), true},
        {"DropDownCount", look.DropDownCount(), 3},
        {"FixedDropDownButton", look.FixedDropDownButton(), false},
        {"FlatButton", look.FlatButton(), false},
        {"NoDisabledCheckRadioLook", look.NoDisabledCheckRadioLook(), false},
        {"NoDisabledButtonLook", look.NoDisabledButtonLook(), false},
        {"ProgressXP", look.ProgressXP(), false},
    });
    EXPECT_TRUE(grid.Calls.empty()) << "no repaint and no gradient colour handed to the grid";
}

TEST_F(ControlLookTest, AssignIgnoresOtherClasses)
{
    TBitmap other;
    look.SetCheckSize(30);
    look.Assign(&other);
    look.Assign(nullptr);
    EXPECT_EQ(look.CheckSize(), 30);
}

} // namespace
