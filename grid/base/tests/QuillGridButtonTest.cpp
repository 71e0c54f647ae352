// The grid button driven by mouse input: states, clicks, groups, the drop-down
// part, the action link, and the property rules.
#include "ButtonsFixture.h"

#include "grid/base/QuillGridButton.h"
#include "platform/ui/Application.h"
#include "platform/ui/Menus.h"
#include "render/QuillStyleIF.h"

using namespace backend;

namespace {

class GridButtonTest : public ButtonsTest {
protected:
    TQuillGridButton* AddButton(int Left, int Group = 0)
    {
        auto* button = new TQuillGridButton(Form.get());
        button->SetParent(Form.get());
        button->SetBounds(Left, 10, 40, 22);
        button->SetGroupIndex(Group);
        button->OnClick = [this](TObject* Sender) { Clicks.push_back(Sender); };
        return button;
    }
    std::vector<TObject*> Clicks;
};

} // namespace

TEST_F(GridButtonTest, MouseMovesThroughHotDownAndUpAndClicksOnce)
{
    TQuillGridButton* button = AddButton(10);
    input::MouseMove(*button, {5, 5});
    EXPECT_TRUE(button->MouseInControl());
    EXPECT_EQ(button->State(), bsUp);

    input::MouseDown(*button, {5, 5});
    EXPECT_EQ(button->State(), bsDown);
    // Dragging out shows the button up; back in, down again.
    input::MouseMove(*button, {80, 5}, {ssLeft});
    EXPECT_EQ(button->State(), bsUp);
    input::MouseMove(*button, {5, 5}, {ssLeft});
    EXPECT_EQ(button->State(), bsDown);
    input::MouseUp(*button, {5, 5});
    EXPECT_EQ(button->State(), bsUp);
    EXPECT_EQ(Clicks, std::vector<TObject*>{button});
    // A plain button never stays down.
    EXPECT_FALSE(button->Down());
}

TEST_F(GridButtonTest, ReleaseOutsideAndDisabledButtonsDoNotClick)
{
    TQuillGridButton* button = AddButton(10);
    input::MouseDown(*button, {5, 5});
    input::MouseUp(*button, {80, 5});
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(button->State(), bsUp);

    button->SetEnabled(false);
    input::Click(*button, {5, 5});
    EXPECT_TRUE(Clicks.empty());
    EXPECT_FALSE(button->MouseInControl());
    Snapshot({0, 0, 1, 1});
    EXPECT_EQ(button->State(), bsDisabled);
}

TEST_F(GridButtonTest, DoubleClicksFireOnlyWhileDown)
{
    TQuillGridButton* button = AddButton(10, 1);
    int doubles = 0;
    button->OnDblClick = [&](TObject*) { ++doubles; };
    input::DoubleClick(*button, {5, 5});
    // The first click put the grouped button down, so the second press is a double click of a down button.
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(doubles, 1);

    TQuillGridButton* plain = AddButton(60);
    plain->OnDblClick = [&](TObject*) { ++doubles; };
    input::DoubleClick(*plain, {5, 5});
    EXPECT_EQ(doubles, 1);
}

TEST_F(GridButtonTest, CheckStyleButtonTogglesOnEveryClick)
{
    TQuillGridButton* button = AddButton(10);
    button->SetStyle(tasCheck);
    input::Click(*button, {5, 5});
    EXPECT_TRUE(button->Down());
    Snapshot({0, 0, 1, 1});
    EXPECT_EQ(button->State(), bsDown);
    input::Click(*button, {5, 5});
    EXPECT_FALSE(button->Down());
    // A press released outside is no click and keeps the state.
    input::MouseDown(*button, {5, 5});
    input::MouseUp(*button, {80, 5});
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(Clicks.size(), 2u);
}

TEST_F(GridButtonTest, GroupKeepsOneButtonDown)
{
    TQuillGridButton* first = AddButton(10, 1);
    TQuillGridButton* second = AddButton(60, 1);
    TQuillGridButton* other = AddButton(110, 2);
    input::Click(*first, {5, 5});
    input::Click(*other, {5, 5});
    EXPECT_TRUE(first->Down());
    EXPECT_TRUE(other->Down());

    // Down without AllowAllUp cannot be lifted, neither by the property nor by a click.
    first->SetDown(false);
    EXPECT_TRUE(first->Down());
    input::Click(*first, {5, 5});
    EXPECT_TRUE(first->Down());
    EXPECT_EQ(first->State(), bsExclusive);

    input::Click(*second, {5, 5});
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_EQ(first->State(), bsUp);
    EXPECT_TRUE(other->Down());
}

TEST_F(GridButtonTest, AllowAllUpSpreadsThroughTheGroupAndLetsTheDownButtonRise)
{
    TQuillGridButton* first = AddButton(10, 1);
    TQuillGridButton* second = AddButton(60, 1);
    second->SetAllowAllUp(true);
    EXPECT_TRUE(first->AllowAllUp());
    input::Click(*first, {5, 5});
    input::Click(*first, {5, 5});
    EXPECT_FALSE(first->Down());
    EXPECT_FALSE(second->Down());
}

TEST_F(GridButtonTest, DropDownPartFiresApartFromTheButton)
{
    TQuillGridButton* button = AddButton(10);
    button->SetDropDownButton(true);
    int dropDowns = 0;
    button->OnDropDown = [&](TObject*) { ++dropDowns; };
    auto* menu = new TPopupMenu(Form.get());
    button->SetDropDownMenu(menu);

    // The menu that drops runs until it is dismissed.
    Application->OnIdle = [&](TObject*, bool&) { input::PressKey(*Form, VK_ESCAPE); };
    input::Click(*button, {35, 5});
    Application->OnIdle = nullptr;
    EXPECT_EQ(dropDowns, 1);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(button->State(), bsUp);
    EXPECT_EQ(menu->PopupPoint(), button->ClientToScreen({0, button->Height()}));

    input::Click(*button, {5, 5});
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(Clicks.size(), 1u);

    delete menu;
    EXPECT_EQ(button->DropDownMenu(), nullptr);
}

TEST_F(GridButtonTest, ActionLinkCarriesCaptionEnabledHintAndRunsTheAction)
{
    TQuillGridButton* button = AddButton(10);
    button->OnClick = nullptr;
    grid::TGridAction action(nullptr);
    action.SetCaption("Find");
    action.SetHint("Find next");
    int executed = 0;
    action.OnExecute = [&](TObject*) { ++executed; };
    button->SetAction(&action);
    EXPECT_EQ(button->Caption(), "Find");
    EXPECT_EQ(button->Hint(), "Find next");

    action.SetCaption("Next");
    action.SetEnabled(false);
    action.SetHint("Go on");
    EXPECT_EQ(button->Caption(), "Next");
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->Hint(), "Go on");

    action.SetEnabled(true);
    input::Click(*button, {5, 5});
    EXPECT_EQ(executed, 1);

    // A caption changed on the button itself no longer follows the action.
    button->SetCaption("Own");
    action.SetCaption("Later");
    EXPECT_EQ(button->Caption(), "Own");
}

TEST_F(GridButtonTest, ActionCheckedStateFollowsOnlyForGroupedAllowAllUpButtons)
{
    TQuillGridButton* button = AddButton(10, 3);
    grid::TGridAction action(nullptr);
    action.SetGroupIndex(3);
    button->SetAction(&action);
    action.SetChecked(true);
    EXPECT_FALSE(button->Down()) << "AllowAllUp is off";

    action.SetChecked(false);
    button->SetAllowAllUp(true);
    action.SetChecked(true);
    EXPECT_TRUE(button->Down());
    EXPECT_TRUE(button->ActionLink()->IsGroupIndexLinked());

    // Another button of the group going down unchecks the action.
    TQuillGridButton* other = AddButton(60, 3);
    other->SetDown(true);
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(action.Checked());
}

TEST_F(GridButtonTest, ActionGoneLeavesTheButtonUnlinked)
{
    TQuillGridButton* button = AddButton(10);
    auto action = std::make_unique<grid::TGridAction>(nullptr);
    button->SetAction(action.get());
    action.reset();
    EXPECT_EQ(button->Action(), nullptr);
    button->OnClick = nullptr;
    input::Click(*button, {5, 5});
}

TEST_F(GridButtonTest, LooksApplyTheirPresetAndIgnoreUnknownNumbers)
{
    TQuillGridButton* button = AddButton(10);
    button->SetBorderColor(clRed);
    button->SetFlat(false);
    button->SetLook(0);
    EXPECT_TRUE(button->Rounded());
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->BorderColor(), clNone);
    EXPECT_EQ(button->Color(), 0xEDF1F1);
    EXPECT_EQ(button->BorderDownColor(), 0xAF987A);

    button->SetLook(6);
    EXPECT_FALSE(button->Rounded());
    EXPECT_EQ(button->ColorCheckedTo(), 0x9CDDED);
    button->SetLook(7);
    button->SetLook(-1);
    EXPECT_EQ(button->Look(), 6);
    EXPECT_EQ(button->ColorHot(), 0xA8F0FD);
}

TEST_F(GridButtonTest, ThemeAdaptationFollowsTheDesktopColourScheme)
{
    TQuillGridButton* button = AddButton(10);
    button->SetAutoThemeAdapt(true);
    EXPECT_EQ(button->Look(), 1) << "no theme library";

    std::string scheme;
    render::SetThemeLibraryProbeForTesting(
        [&] { return std::optional<render::TThemeLibraryState>({true, scheme}); });
    const std::pair<const char*, int> cases[] = {{"Royale", 1}, {"NormalColor", 2}, {"HomeStead", 3}, {"Metallic", 4}};
    for (const auto& [name, look] : cases) {
        scheme = name;
        // The theme-change message makes the button look again.
        button->Perform(WM_THEMECHANGED);
        EXPECT_EQ(button->Look(), look) << name;
    }
    button->SetAutoThemeAdapt(false);
    scheme = "NormalColor";
    button->Perform(WM_THEMECHANGED);
    EXPECT_EQ(button->Look(), 4);
    render::SetThemeLibraryProbeForTesting(nullptr);
}

TEST_F(GridButtonTest, AcceleratorClicksAnEnabledButton)
{
    TQuillGridButton* button = AddButton(10);
    button->SetCaption("&Find");
    input::PressKey(*Form, 'F', {ssAlt});
    EXPECT_EQ(Clicks.size(), 1u);
    button->SetEnabled(false);
    input::PressKey(*Form, 'F', {ssAlt});
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(GridButtonTest, ConstructorDefaults)
{
    TQuillGridButton button(nullptr);
    EXPECT_EQ(button.Width(), 23);
    EXPECT_EQ(button.Height(), 22);
    EXPECT_EQ(button.Color(), clBtnFace);
    EXPECT_EQ(button.ColorHot(), 0xCAC7C7);
    EXPECT_EQ(button.ColorChecked(), 0x808080);
    EXPECT_TRUE(button.Flat());
    EXPECT_TRUE(button.Shaded());
    EXPECT_EQ(button.Margin(), -1);
    EXPECT_EQ(button.Spacing(), 4);
    EXPECT_FALSE(button.ControlStyle().Contains(csClickEvents));
    button.SetMargin(-5);
    EXPECT_EQ(button.Margin(), -1);
}

TEST_F(GridButtonTest, GlyphMakesGreyDisabledGlyphOnlyWhenNoneIsSet)
{
    TBitmap glyph(2, 1);
    glyph.Canvas()->SetPixels(0, 0, RGB(30, 60, 90));
    glyph.Canvas()->SetPixels(1, 0, RGB(255, 255, 254));
    TQuillGridButton button(nullptr);
    button.SetGlyph(glyph);
    // (30 + 60 + 90) / 3 = 60, halved and lifted: 126; (764 / 3 rounded = 255) / 2 + 96 = 223.
    EXPECT_EQ(ColorToRGB(button.GlyphDisabled().Canvas()->Pixels(0, 0)), RGB(126, 126, 126));
    EXPECT_EQ(ColorToRGB(button.GlyphDisabled().Canvas()->Pixels(1, 0)), RGB(223, 223, 223));

    TBitmap own(1, 1);
    own.Canvas()->SetPixels(0, 0, clRed);
    TQuillGridButton keeps(nullptr);
    keeps.SetGlyphDisabled(own);
    keeps.SetGlyph(glyph);
    EXPECT_EQ(ColorToRGB(keeps.GlyphDisabled().Canvas()->Pixels(0, 0)), ColorToRGB(clRed));
}

TEST_F(GridButtonTest, ShadeIsAGreySilhouetteOfTheGlyph)
{
    TBitmap glyph(2, 2);
    glyph.Canvas()->Brush()->SetColor(clLime);
    glyph.Canvas()->FillRect({0, 0, 2, 2});
    glyph.Canvas()->SetPixels(1, 0, clBlue);
    TQuillGridButton button(nullptr);
    button.SetGlyph(glyph);
    button.SetShaded(true);
    TBitmap shade;
    shade.Assign(&button.GlyphShade());
    EXPECT_EQ(ColorToRGB(shade.Canvas()->Pixels(1, 0)), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(shade.Canvas()->Pixels(0, 1)), ColorToRGB(clWhite));
}
