// The column-drop arrows and the focus glow window, painted on a headless form.
#include "grid/base/ArrowWindow.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ArrowWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 200, 100);
        Form->SetColor(clWhite);
    }

    TColor PixelAt(int x, int y)
    {
        TBitmap copy;
        copy.Assign(&Form->Surface());
        return ColorToRGB(copy.Canvas()->Pixels(x, y));
    }

    std::unique_ptr<TForm> Form;
};

} // namespace

TEST_F(ArrowWindowTest, PaintsOnlyTheArrow)
{
    auto* arrow = new TArrowWindow(Form.get(), arrDown);
    EXPECT_EQ(arrow->Parent(), Form.get());
    EXPECT_FALSE(arrow->Visible());
    EXPECT_EQ(arrow->Color(), clLime);
    arrow->SetBounds(40, 20, 10, 9);
    arrow->Show();
    Form->Show();
    backend::input::Pump();

    EXPECT_EQ(arrow->WindowParams().Style, WS_POPUP);
    EXPECT_EQ(arrow->Arrow()[4], (TPoint{5, 8})) << "the down arrow's tip";
    ASSERT_NE(arrow->Region(), nullptr);
    EXPECT_TRUE(PtInRegion(arrow->Region(), 5, 2));
    EXPECT_FALSE(PtInRegion(arrow->Region(), 0, 0));

    EXPECT_EQ(PixelAt(40 + 5, 20 + 2), ColorToRGB(clLime)) << "inside the shaft";
    EXPECT_EQ(PixelAt(40 + 5, 20 + 6), ColorToRGB(clLime)) << "inside the head";
    EXPECT_EQ(PixelAt(40 + 0, 20 + 0), ColorToRGB(clWhite)) << "the form shows around the arrow";
    EXPECT_EQ(PixelAt(40 + 9, 20 + 1), ColorToRGB(clWhite));
}

TEST_F(ArrowWindowTest, EachDirectionHasItsOutline)
{
    const std::pair<TArrowDirection, TPoint> tips[] = {
        {arrUp, {5, 0}}, {arrDown, {5, 8}}, {arrLeft, {8, 5}}, {arrRight, {0, 5}}};
    for (const auto& [direction, tip] : tips) {
        auto* arrow = new TArrowWindow(Form.get(), direction);
        arrow->HandleNeeded();
        const auto& points = arrow->Arrow();
        EXPECT_NE(std::find(points.begin(), points.end(), tip), points.end()) << direction;
    }
}

TEST_F(ArrowWindowTest, FocusWindowIsATopmostDisabledToolWindow)
{
    auto* focus = new TGridFocusWindow(Form.get());
    EXPECT_EQ(focus->Width(), 0);
    EXPECT_EQ(focus->Height(), 0);
    EXPECT_EQ(focus->Color(), clRed);
    focus->HandleNeeded();
    EXPECT_EQ(focus->WindowParams().Style, WS_POPUP | WS_DISABLED);
    EXPECT_EQ(focus->WindowParams().ExStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
}
