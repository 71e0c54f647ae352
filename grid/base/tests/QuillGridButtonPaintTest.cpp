// The grid button's drawing: one reference image per look, and the glyph and
// caption arrangement.
#include "ButtonsFixture.h"

#include "grid/base/GridButtonLayout.h"
#include "grid/base/QuillGridButton.h"
#include "testsupport/GoldenImage.h"

using namespace backend;

namespace {

constexpr TRect kButtonArea{10, 10, 70, 34};

std::unique_ptr<TBitmap> Glyph()
{
    auto glyph = std::make_unique<TBitmap>(8, 8);
    glyph->Canvas()->Brush()->SetColor(clFuchsia);
    glyph->Canvas()->FillRect({0, 0, 8, 8});
    glyph->Canvas()->Brush()->SetColor(clNavy);
    glyph->Canvas()->FillRect({1, 1, 6, 6});
    return glyph;
}

class GridButtonPaintTest : public ButtonsTest {
protected:
    // The button up, hot, pressed, checked and disabled, side by side.
    std::unique_ptr<TBitmap> StateSheet(int Look)
    {
        auto* button = new TQuillGridButton(Form.get());
        button->SetParent(Form.get());
        button->SetBoundsRect(kButtonArea);
        button->SetCaption("Ab");
        button->SetGlyph(*Glyph());
        button->SetShaded(true);
        button->SetLook(Look);

        constexpr int kStates = 5;
        auto sheet = std::make_unique<TBitmap>(kStates * kButtonArea.Width(), kButtonArea.Height());
        sheet->SetPixelFormat(pf24bit);
        auto shoot = [&](int column) {
            const auto shot = Snapshot(kButtonArea);
            const int left = column * kButtonArea.Width();
            sheet->Canvas()->CopyRect({left, 0, left + kButtonArea.Width(), kButtonArea.Height()}, *shot->Canvas(),
                {0, 0, kButtonArea.Width(), kButtonArea.Height()});
        };
        shoot(0);
        input::MouseMove(*button, {5, 5});
        shoot(1);
        input::MouseDown(*button, {5, 5});
        shoot(2);
        input::MouseUp(*button, {5, 5});
        input::MouseMove(*button, {200, 100});
        button->SetStyle(tasCheck);
        button->SetDown(true);
        shoot(3);
        button->SetDown(false);
        button->SetEnabled(false);
        shoot(4);
        delete button;
        return sheet;
    }
};

} // namespace

TEST_F(GridButtonPaintTest, EveryLookMatchesItsReference)
{
    for (int look = 0; look <= 6; ++look) {
        SCOPED_TRACE(look);
        testsupport::ExpectMatchesGolden(*StateSheet(look), "grid-button-look-" + std::to_string(look));
    }
}

TEST_F(GridButtonPaintTest, RaisedButtonWithDropDownPartMatchesItsReference)
{
    auto* button = new TQuillGridButton(Form.get());
    button->SetParent(Form.get());
    button->SetBoundsRect(kButtonArea);
    button->SetCaption("Go");
    button->SetFlat(false);
    button->SetDropDownButton(true);
    testsupport::ExpectMatchesGolden(*Snapshot(kButtonArea), "grid-button-raised-drop-down");
}

TEST(GlyphCaptionLayoutTest, PlacesFollowMarginSpacingAndLayout)
{
    using grid::LayoutGlyphAndCaption;
    struct Case {
        TButtonLayout Layout;
        int Margin, Spacing;
        TSize Glyph, Caption;
        TPoint GlyphAt, CaptionAt;
    };
    // Content 60 x 20, glyph 10 x 10, caption 20 x 8 unless absent.
    const Case cases[] = {
        // Centred: margin (60 - 10 - 20 - 4 + 1) / 2 = 13.
        {blGlyphLeft, -1, 4, {10, 10}, {20, 8}, {13, 5}, {27, 6}},
        {blGlyphRight, -1, 4, {10, 10}, {20, 8}, {37, 5}, {13, 6}},
        // Even spread: (60 - 30) / 3 = 10 for margin and spacing.
        {blGlyphLeft, -1, -1, {10, 10}, {20, 8}, {10, 5}, {30, 6}},
        // Fixed margin, spacing spread: (60 - 2 - 30) / 2 = 14.
        {blGlyphLeft, 2, -1, {10, 10}, {20, 8}, {2, 5}, {26, 6}},
        // Vertically on 20: margin (20 - 10 - 8 - 4 + 1) / 2 truncates to 0.
        {blGlyphTop, -1, 4, {10, 10}, {20, 8}, {25, 0}, {20, 14}},
        {blGlyphBottom, 0, 0, {10, 10}, {20, 8}, {25, 10}, {20, 2}},
        // A glyph alone is centred and spacing drops to 0.
        {blGlyphLeft, -1, 4, {10, 10}, {0, 0}, {25, 5}, {35, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << c.Layout << " margin " << c.Margin << " spacing " << c.Spacing);
        const auto places = LayoutGlyphAndCaption({60, 20}, c.Glyph, c.Caption, c.Layout, c.Margin, c.Spacing);
        EXPECT_EQ(places.Glyph, c.GlyphAt);
        EXPECT_EQ(places.Caption, c.CaptionAt);
    }
}
