// Form controls in a line of markup: the room they take, where they are hit, and how they look.
#include "testsupport/GoldenImage.h"

#include "render/HTMLControls.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <vector>

using render::LayoutHTMLControl;
using render::THTMLInlinePass;
using render::THTMLItemCallState;

namespace {

class ControlLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("DejaVu Sans");
        canvas->Font()->SetSize(8);
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(TRect{0, 0, 400, 40});
        textHeight = canvas->TextHeight("gh");
    }

    // One pass over the tags of a line whose bottom is at 30, with the point at (X, Y).
    THTMLInlinePass Pass(std::vector<std::string> tags, TPoint point, bool painting = false)
    {
        THTMLInlinePass pass;
        pass.Canvas = canvas;
        pass.Painting = painting;
        pass.Left = 0;
        pass.Top = 0;
        pass.Bottom = 30;
        pass.AvailableWidth = 400;
        pass.Point = point;
        pass.LineHeight = textHeight;
        for (const auto& tag : tags) {
            LayoutHTMLControl(pass, call, tag);
            if (pass.Wrap) break;
        }
        return pass;
    }

    TBitmap bitmap{400, 40};
    TCanvas* canvas = nullptr;
    int textHeight = 0;
    THTMLItemCallState call;
};

} // namespace

TEST_F(ControlLine, ControlWithoutWidthTakesNoRoomAndIsNeverHit)
{
    auto pass = Pass({R"(<CONTROL TYPE="EDIT" ID="e" VALUE="x">)"}, {5, 5}, true);
    EXPECT_EQ(pass.X, 0);
    EXPECT_FALSE(pass.ItemHit);
    EXPECT_EQ(call.ControlID, "");
    EXPECT_EQ(canvas->Pixels(0, 10), clWhite) << "nothing drawn";
}

TEST_F(ControlLine, HitReportsTheControlAndItsRectangle)
{
    struct Case {
        const char* tag;
        TPoint point;
        bool hit;
        int width, itemHeight;  // room taken and height of the hit area; -1 for the text height + 10
    };
    const Case cases[] = {
        {R"(<CONTROL TYPE="EDIT" ID="e" VALUE="v" WIDTH="80">)", {10, 5}, true, 80, -1},
        {R"(<CONTROL TYPE="EDIT" ID="e" VALUE="v" WIDTH="80">)", {80, 5}, false, 80, -1},
        {R"(<CONTROL TYPE="COMBO" ID="e" VALUE="v" WIDTH="60">)", {59, 24}, true, 60, 25},
        {R"(<CONTROL TYPE="BUTTON" ID="e" VALUE="v" WIDTH="60">)", {30, 25}, false, 60, 25},
        // Check boxes and radio buttons are 16 pixels whatever their WIDTH says.
        {R"(<CONTROL TYPE="CHECK" ID="e" VALUE="TRUE" WIDTH="40">)", {10, 5}, true, 16, 16},
        {R"(<CONTROL TYPE="RADIO" ID="e" VALUE="TRUE" WIDTH="40">)", {20, 5}, false, 16, 16},
        // An unknown kind still takes its width and can be hit.
        {R"(<CONTROL TYPE="SLIDER" ID="e" VALUE="v" WIDTH="30">)", {10, 5}, true, 30, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        call = {};
        auto pass = Pass({c.tag}, c.point);
        const int itemHeight = c.itemHeight < 0 ? textHeight + 10 : c.itemHeight;
        EXPECT_EQ(pass.X, c.width);
        EXPECT_EQ(pass.ItemHit, c.hit);
        if (!c.hit) continue;
        EXPECT_EQ(call.LinkValue, "ctrl");
        EXPECT_EQ(call.ControlID, "e");
        EXPECT_EQ(call.ControlRect, (TRect{0, 0, c.width, itemHeight}));
    }
}

TEST_F(ControlLine, SecondControlIsHitAtItsPlaceInTheLine)
{
    call.ImageCounter = 3;
    auto pass = Pass({R"(<CONTROL TYPE="EDIT" ID="a" VALUE="1" WIDTH="50">)",
                      R"(<CONTROL TYPE="check" ID="b" VALUE="true" WIDTH="16">)"},
                     {58, 8});
    EXPECT_TRUE(pass.ItemHit);
    EXPECT_EQ(call.ControlID, "b");
    EXPECT_EQ(call.ControlType, "CHECK");
    EXPECT_EQ(call.ControlValue, "true");
    EXPECT_EQ(call.ControlRect, (TRect{50, 0, 66, 16}));
    EXPECT_EQ(call.ImageHit, 3);
    EXPECT_EQ(pass.X, 66);
}

TEST_F(ControlLine, HitTestCallLocatesTheControlNamedByID)
{
    call.HitTestCall = true;
    call.ControlID = "second";
    auto pass = Pass({R"(<CONTROL TYPE="EDIT" ID="first" WIDTH="50">)",
                      R"(<CONTROL TYPE="EDIT" ID="second" VALUE="found" WIDTH="70">)"},
                     {300, 30});
    EXPECT_TRUE(pass.ItemHit);
    EXPECT_EQ(call.ControlValue, "found");
    EXPECT_EQ(call.ControlRect, (TRect{50, 0, 120, textHeight + 10}));
}

TEST_F(ControlLine, WrapsOnlyControlsNarrowerThanTheLine)
{
    auto pass = Pass({R"(<CONTROL TYPE="EDIT" ID="a" WIDTH="350">)", R"(<CONTROL TYPE="EDIT" ID="b" WIDTH="80">)"},
                     {0, 0});
    EXPECT_TRUE(pass.Wrap);
    EXPECT_EQ(pass.X, 350) << "the second control starts the next line";

    call = {};
    pass = Pass({R"(<CONTROL TYPE="EDIT" ID="a" WIDTH="10">)", R"(<CONTROL TYPE="EDIT" ID="b" WIDTH="500">)"}, {0, 0});
    EXPECT_FALSE(pass.Wrap);
    EXPECT_EQ(pass.X, 510) << "a control as wide as the line stays and overflows";
}

TEST_F(ControlLine, LineHeightFollowsTheControl)
{
    auto pass = Pass({R"(<CONTROL TYPE="EDIT" ID="a" WIDTH="40" HEIGHT="40">)"}, {0, 0});
    EXPECT_EQ(pass.LineHeight, 38);
    pass = Pass({R"(<CONTROL TYPE="BUTTON" ID="a" WIDTH="40">)"}, {0, 0});
    EXPECT_EQ(pass.LineHeight, 25);
    // An unreadable WIDTH keeps the size of the control before it.
    pass = Pass({R"(<CONTROL TYPE="EDIT" ID="a" WIDTH="44">)", R"(<CONTROL TYPE="EDIT" ID="b" WIDTH="wide">)"},
                {0, 0});
    EXPECT_EQ(pass.X, 88);
}

TEST_F(ControlLine, DrawsEachKindUnthemed)
{
    call.MouseDown = true;
    Pass({R"(<CONTROL TYPE="EDIT" ID="e" VALUE="Hello" WIDTH="60">)",
          R"(<CONTROL TYPE="PASSWORD" ID="p" VALUE="abcd" WIDTH="50">)",
          R"(<CONTROL TYPE="COMBO" ID="c" VALUE="Item" WIDTH="70">)",
          R"(<CONTROL TYPE="CHECK" ID="k1" VALUE="true" WIDTH="16">)",
          R"(<CONTROL TYPE="CHECK" ID="k2" VALUE="FALSE" WIDTH="16">)",
          R"(<CONTROL TYPE="RADIO" ID="r1" VALUE="TRUE" WIDTH="16">)",
          R"(<CONTROL TYPE="RADIO" ID="r2" VALUE="" WIDTH="16">)",
          R"(<CONTROL TYPE="BUTTON" ID="b1" VALUE="OK" WIDTH="50">)",
          R"(<CONTROL TYPE="BUTTON" ID="b2" VALUE="Down" WIDTH="50">)"},
         {335, 20}, true);
    testsupport::ExpectMatchesGolden(bitmap, "html-controls");
}
