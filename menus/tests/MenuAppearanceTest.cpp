// Defaults, indexed accessors, refreshing and copying of the menu appearance classes.
#include "menus/ButtonAppearance.h"
#include "menus/MenuAppearance.h"
#include "menus/MenuBackground.h"
#include "menus/MenuFonts.h"
#include "menus/MenuGlyphs.h"
#include "menus/MenuSideBar.h"
#include "menus/MenuUtil.h"
#include "menus/tests/CountingStyledMenu.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "render/QuillStyleIF.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct ColorDefault {
    const char* Name;
    TColor Actual;
    TColor Expected;
};

void ExpectDefaults(std::initializer_list<ColorDefault> Defaults)
{
    for (const ColorDefault& d : Defaults) EXPECT_EQ(d.Actual, d.Expected) << d.Name;
}

} // namespace

TEST(MenuAppearanceTest, ColourDefaultsPerRegion)
{
    TGradientBar bar(nullptr);
    TIconBar icon(nullptr);
    TSelectedItem selected(nullptr);
    TRootItem root(nullptr);
    TBackground background(nullptr);
    TSeparator separator(nullptr);
    ExpectDefaults({
        {"bar Color", bar.Color(), 0xD8BDAF},
        {"bar ColorTo", bar.ColorTo(), clNone},
        {"icon Color", icon.Color(), 0xFFF9F9},
        {"icon ColorTo", icon.ColorTo(), 0xBBA0A1},
        {"icon CheckColor", icon.CheckColor(), 0x6FC0FF},
        {"icon CheckColorTo", icon.CheckColorTo(), clNone},
        {"icon CheckBorder", icon.CheckBorder(), 0x6F4B4B},
        {"icon RadioColor", icon.RadioColor(), 0x6FC0FF},
        {"icon RadioColorTo", icon.RadioColorTo(), clNone},
        {"icon RadioBorder", icon.RadioBorder(), 0x6F4B4B},
        {"icon SeparatorColor", icon.SeparatorColor(), clNone},
        {"selected Color", selected.Color(), 0xC2EEFF},
        {"selected ColorTo", selected.ColorTo(), clNone},
        {"selected ColorMirror", selected.ColorMirror(), clNone},
        {"selected ColorMirrorTo", selected.ColorMirrorTo(), clNone},
        {"selected BorderColor", selected.BorderColor(), 0x6F4B4B},
        {"selected CheckColor", selected.CheckColor(), 0x3E80FE},
        {"selected RadioColor", selected.RadioColor(), 0x3E80FE},
        {"selected CheckBorder", selected.CheckBorder(), 0x6F4B4B},
        {"selected font colour", selected.Font()->Color(), clWindowText},
        {"selected notes colour", selected.NotesFont()->Color(), clWindowText},
        {"root Color", root.Color(), 0xE5D7D7},
        {"root ColorTo", root.ColorTo(), 0xF7F2F2},
        {"root SelectedColor", root.SelectedColor(), 0xF2E8E8},
        {"root SelectedColorTo", root.SelectedColorTo(), 0xCDB8B9},
        {"root SelectedColorMirror", root.SelectedColorMirror(), clNone},
        {"root SelectedBorderColor", root.SelectedBorderColor(), 0x947C7C},
        {"root SelectedTextColor", root.SelectedTextColor(), clWindowText},
        {"root HoverColor", root.HoverColor(), 0xCFF6FF},
        {"root HoverColorTo", root.HoverColorTo(), 0x9DD8FF},
        {"root HoverColorMirrorTo", root.HoverColorMirrorTo(), clNone},
        {"root HoverBorderColor", root.HoverBorderColor(), 0x6F4B4B},
        {"root HoverTextColor", root.HoverTextColor(), clWindowText},
        {"background Color", background.Color(), 0xFFFAFD},
        {"background ColorTo", background.ColorTo(), clNone},
        {"separator Color", separator.Color(), 0x8F6D6E},
        {"separator ColorTo", separator.ColorTo(), clNone},
    });
    EXPECT_EQ(bar.GradientDirection(), gdVertical);
    EXPECT_EQ(icon.GradientDirection(), gdHorizontal);
    EXPECT_EQ(icon.Size(), 24);
    EXPECT_FALSE(icon.Drawn());
    EXPECT_EQ(selected.GradientDirection(), gdVertical);
    EXPECT_TRUE(selected.UseSystemFont());
    EXPECT_EQ(selected.NotesFont()->Size(), menus::SystemMenuFont().Size() - 2);
    EXPECT_EQ(root.GradientDirection(), gdHorizontal);
    EXPECT_TRUE(root.UseSystemFont());
    EXPECT_EQ(background.Position(), bpCenter);
    EXPECT_FALSE(background.HasPicture());
    EXPECT_EQ(separator.GradientDirection(), gdHorizontal);
    EXPECT_EQ(separator.Width(), 1);
    EXPECT_EQ(separator.GradientType(), gtBoth);
    EXPECT_EQ(separator.GradientWidth(), 0);
    EXPECT_EQ(separator.Margin(), 2);
}

TEST(MenuAppearanceTest, SideBarCaptionAndButtonDefaults)
{
    TSideBar side(nullptr);
    EXPECT_FALSE(side.Visible());
    EXPECT_EQ(side.VisibleIn(), viFirstVisible);
    EXPECT_EQ(side.Size(), 24);
    EXPECT_EQ(side.SplitterColor(), 0x808080);
    EXPECT_EQ(side.SplitterColorTo(), clNone);
    EXPECT_EQ(side.SplitterWidth(), 1);
    EXPECT_EQ(side.SplitterGradientType(), gtBoth);
    EXPECT_EQ(side.BorderColor(), 0xA19D9D);
    EXPECT_EQ(side.Position(), spLeft);
    EXPECT_EQ(side.Background()->Color(), 0xFFFAFD);
    EXPECT_EQ(side.Alignment(), taLeftJustify);
    EXPECT_EQ(side.Caption(), "");
    EXPECT_EQ(side.Font()->Name(), "Tahoma");
    EXPECT_EQ(side.Font()->Size(), 14);
    EXPECT_EQ(side.Font()->Color(), clWhite);
    EXPECT_EQ(side.Font()->Style(), TFontStyles({fsBold, fsItalic}));
    EXPECT_EQ(side.Depth(), 1);
    EXPECT_EQ(side.Direction(), dDownToUp);
    EXPECT_EQ(side.OffsetY(), 6);
    EXPECT_EQ(side.ShadowColor(), clNone);

    TButtonAppearance button;
    ExpectDefaults({
        {"Color", button.Color(), clNone},
        {"DownColor", button.DownColor(), 0xB59285},
        {"HoverColor", button.HoverColor(), 0xD2BDB6},
        {"BorderColor", button.BorderColor(), clNone},
        {"DownBorderColor", button.DownBorderColor(), 0x6A240A},
        {"HoverBorderColor", button.HoverBorderColor(), 0x6A240A},
    });
    EXPECT_TRUE(button.UseSystemFont());
    EXPECT_EQ(button.GlyphPosition(), gpLeft);
}

TEST(MenuAppearanceTest, ButtonCaptionFontFollowsTheSystemGeneration)
{
    render::TOperatingSystemFacts older;
    older.KernelHasGetLocaleInfoEx = false;
    older.MajorVersion = 5;
    const auto saved = render::SetOperatingSystemForTesting(older);
    TButtonAppearance onOlder;
    render::SetOperatingSystemForTesting(saved);
    TButtonAppearance onNewer;
    EXPECT_EQ(onOlder.CaptionFont()->Name(), "Tahoma");
    EXPECT_EQ(onNewer.CaptionFont()->Name(), "Segoe UI");
    // Switching the system font back on renames the caption font.
    onNewer.CaptionFont()->SetName("DejaVu Serif");
    onNewer.SetUseSystemFont(false);
    onNewer.SetUseSystemFont(true);
    EXPECT_EQ(onNewer.CaptionFont()->Name(), "Segoe UI");
}

TEST(MenuAppearanceTest, IndexedAccessorsRefuseIndexesOutsideTheirRange)
{
    TIconBar icon(nullptr);
    TSelectedItem selected(nullptr);
    TRootItem root(nullptr);
    struct Case {
        const char* Name;
        std::function<void()> Call;
    };
    const Case cases[] = {
        {"bar read 2", [&] { icon.ColorByIndex(2); }},
        {"bar write -1", [&] { icon.SetColorByIndex(-1, 0); }},
        {"check write 2", [&] { icon.SetCheckColorByIndex(2, 0); }},
        {"radio read 5", [&] { selected.RadioColorByIndex(5); }},
        {"selected write 4", [&] { root.SetSelectedColorByIndex(4, 0); }},
        {"hover read 4", [&] { root.HoverColorByIndex(4); }},
    };
    for (const Case& c : cases) EXPECT_THROW(c.Call(), EInvalidPropertyIndex) << c.Name;
    try {
        root.SetHoverColorByIndex(4, 0x123456);
        FAIL() << "index 4 was accepted";
    } catch (const EInvalidPropertyIndex& e) {
        EXPECT_STREQ(e.what(), "Invalid property index 4.");
    }
    EXPECT_EQ(root.HoverColorMirrorTo(), clNone);
    root.SetHoverColorByIndex(3, 0x010203);
    EXPECT_EQ(root.HoverColorByIndex(3), 0x010203);
    EXPECT_EQ(root.HoverColorMirrorTo(), 0x010203);
    EXPECT_EQ(icon.ColorByIndex(1), icon.ColorTo());
}

TEST(MenuAppearanceTest, SizeAndFontChangesRebuildTheStyledMenuTheyBelongTo)
{
    TCountingStyledMenu menu(nullptr);
    TIconBar icon(&menu);
    icon.SetSize(10);
    EXPECT_EQ(icon.Size(), 16);
    EXPECT_EQ(menu.Rebuilds, 1);
    icon.SetSize(30);
    EXPECT_EQ(icon.Size(), 30);
    EXPECT_EQ(menu.Rebuilds, 2);
    // Colours show at the next painting without a rebuild.
    icon.SetCheckColor(0x111111);
    icon.SetColor(0x222222);
    EXPECT_EQ(menu.Rebuilds, 2);

    TRootItem root(&menu);
    root.SetHoverColor(0x333333);
    TFont font;
    root.SetFont(&font);
    EXPECT_EQ(menu.Rebuilds, 4);

    // A plain platform menu has no styled-menu interface and hears nothing.
    TPopupMenu plain(nullptr);
    int plainChanges = 0;
    plain.OnChange = [&](TObject*) { ++plainChanges; };
    TIconBar plainIcon(&plain);
    plainIcon.SetSize(40);
    EXPECT_EQ(plainChanges, 0);
}

TEST(MenuAppearanceTest, AssigningAGradientBarOfAnotherKindCopiesOnlyItsGradient)
{
    TSeparator separator(nullptr);
    separator.SetColor(0x010101);
    separator.SetColorTo(0x020202);
    separator.SetGradientDirection(gdVertical);
    TIconBar icon(nullptr);
    icon.Assign(&separator);
    EXPECT_EQ(icon.Color(), 0x010101);
    EXPECT_EQ(icon.ColorTo(), 0x020202);
    EXPECT_EQ(icon.GradientDirection(), gdVertical);
    EXPECT_EQ(icon.CheckColor(), 0x6FC0FF);
    EXPECT_EQ(icon.Size(), 24);

    TFont font;
    EXPECT_THROW(icon.Assign(&font), EConvertError);
    EXPECT_THROW(separator.Assign(&font), EConvertError);
    TSideBar side(nullptr);
    EXPECT_THROW(side.Assign(&font), EConvertError);
}

TEST(MenuAppearanceTest, AssignCopiesTheWholeLookOfTheSameKind)
{
    TSelectedItem source(nullptr);
    source.SetColor(0x000001);
    source.SetColorTo(0x000002);
    source.SetGradientDirection(gdHorizontal);
    source.SetColorMirror(0x000003);
    source.SetColorMirrorTo(0x000004);
    source.SetBorderColor(0x000005);
    source.Font()->SetName("DejaVu Serif");
    source.NotesFont()->SetSize(5);
    source.SetUseSystemFont(false);
    source.SetCheckColor(0x000006);
    source.SetCheckColorTo(0x000007);
    source.SetCheckBorder(0x000008);
    source.SetCheckGradientDirection(gdHorizontal);
    source.SetRadioColor(0x000009);
    source.SetRadioColorTo(0x00000A);
    source.SetRadioBorder(0x00000B);
    source.SetRadioGradientDirection(gdHorizontal);
    TSelectedItem copy(nullptr);
    copy.Assign(&source);
    ExpectDefaults({
        {"Color", copy.Color(), 1}, {"ColorTo", copy.ColorTo(), 2}, {"ColorMirror", copy.ColorMirror(), 3},
        {"ColorMirrorTo", copy.ColorMirrorTo(), 4}, {"BorderColor", copy.BorderColor(), 5},
        {"CheckColor", copy.CheckColor(), 6}, {"CheckColorTo", copy.CheckColorTo(), 7},
        {"CheckBorder", copy.CheckBorder(), 8}, {"RadioColor", copy.RadioColor(), 9},
        {"RadioColorTo", copy.RadioColorTo(), 10}, {"RadioBorder", copy.RadioBorder(), 11},
    });
    EXPECT_EQ(copy.GradientDirection(), gdHorizontal);
    EXPECT_EQ(copy.CheckGradientDirection(), gdHorizontal);
    EXPECT_EQ(copy.RadioGradientDirection(), gdHorizontal);
    EXPECT_EQ(copy.Font()->Name(), "DejaVu Serif");
    EXPECT_EQ(copy.NotesFont()->Size(), 5);
    EXPECT_FALSE(copy.UseSystemFont());

    TRootItem root(nullptr);
    root.SetHoverColorMirror(0x0000AA);
    root.SetSelectedColorMirrorTo(0x0000BB);
    root.SetColor(0x0000CC);
    TRootItem rootCopy(nullptr);
    rootCopy.Assign(&root);
    EXPECT_EQ(rootCopy.HoverColorMirror(), 0x0000AA);
    EXPECT_EQ(rootCopy.SelectedColorMirrorTo(), 0x0000BB);
    EXPECT_EQ(rootCopy.Color(), 0x0000CC);

    TIconBar icon(nullptr);
    icon.SetColor(0x0000DD);
    icon.SetSize(3);
    icon.SetSeparatorColor(0x0000EE);
    TIconBar iconCopy(nullptr);
    iconCopy.Assign(&icon);
    EXPECT_EQ(iconCopy.Color(), 0x0000DD);
    EXPECT_EQ(iconCopy.Size(), 16);
    EXPECT_EQ(iconCopy.SeparatorColor(), 0x0000EE);
}

TEST(MenuAppearanceTest, SideBarCopiesItsPartsIntoItsOwnObjects)
{
    TSideBar source(nullptr);
    source.SetVisible(true);
    source.SetVisibleIn(viAnyLevel);
    source.SetSize(40);
    source.SetSplitterColor(0x0000AA);
    source.SetCaption("Tools");
    source.Background()->SetColor(0x0000BB);
    source.Image()->SetPosition(bpTopLeft);
    TSideBar copy(nullptr);
    copy.Assign(&source);
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.VisibleIn(), viAnyLevel);
    EXPECT_EQ(copy.Size(), 40);
    EXPECT_EQ(copy.SplitterColor(), 0x0000AA);
    EXPECT_EQ(copy.Caption(), "Tools");
    EXPECT_EQ(copy.Background()->Color(), 0x0000BB);
    EXPECT_EQ(copy.Image()->Position(), bpTopLeft);
    EXPECT_NE(copy.Background(), source.Background());
}

TEST(MenuAppearanceTest, ButtonAppearanceCopiesSilentlyAndIgnoresOtherSources)
{
    TButtonAppearance source;
    source.SetColor(0x000001);
    source.SetDownColorTo(0x000002);
    source.SetHoverBorderColor(0x000003);
    source.SetGradientDirection(gdHorizontal);
    source.CaptionFont()->SetSize(20);
    TButtonAppearance copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(copy.Color(), 0x000001);
    EXPECT_EQ(copy.DownColorTo(), 0x000002);
    EXPECT_EQ(copy.HoverBorderColor(), 0x000003);
    EXPECT_EQ(copy.GradientDirection(), gdHorizontal);
    EXPECT_EQ(copy.CaptionFont()->Size(), 20);
    EXPECT_EQ(changes, 0);

    TFont font;
    copy.Assign(&font);
    EXPECT_EQ(copy.Color(), 0x000001);
    // Setters report only real changes.
    copy.SetColor(0x000001);
    EXPECT_EQ(changes, 0);
    copy.SetColor(0x000009);
    EXPECT_EQ(changes, 1);
}

TEST(MenuAppearanceTest, GlyphsAreTransparentMonochromeShapes)
{
    TMenuGlyphs glyphs(nullptr);
    struct Case {
        const char* Name;
        TBitmap* Glyph;
        int W, H;
        TPoint Ink, Blank;
    };
    const Case cases[] = {
        {"submenu", glyphs.SubMenu(), 4, 7, {0, 3}, {3, 0}},
        {"check", glyphs.Check(), 16, 16, {7, 10}, {0, 0}},
        {"radio", glyphs.Radio(), 16, 16, {7, 7}, {5, 5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Glyph->Width(), c.W) << c.Name;
        EXPECT_EQ(c.Glyph->Height(), c.H) << c.Name;
        EXPECT_TRUE(c.Glyph->Transparent()) << c.Name;
        EXPECT_EQ(c.Glyph->Canvas()->Pixels(c.Ink.X, c.Ink.Y), clBlack) << c.Name;
        EXPECT_EQ(c.Glyph->Canvas()->Pixels(c.Blank.X, c.Blank.Y), clWhite) << c.Name;
    }

    TMenuGlyphs other(nullptr);
    TBitmap arrow(5, 9);
    other.SetSubMenu(&arrow);
    other.Check()->SetTransparent(false);
    glyphs.Assign(&other);
    EXPECT_EQ(glyphs.SubMenu()->Width(), 5);
    EXPECT_TRUE(glyphs.SubMenu()->Transparent());
    EXPECT_TRUE(glyphs.Check()->Transparent());
    EXPECT_NE(glyphs.SubMenu(), other.SubMenu());
}

TEST(MenuAppearanceTest, PicturePositionsWithinTheArea)
{
    TBackground background(nullptr);
    int x = -1;
    int y = -1;
    background.CalcPicturePosition(Rect(5, 7, 105, 57), x, y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 7);

    TBitmap picture(10, 6);
    TPicture holder;
    holder.SetGraphic(&picture);
    background.SetImage(&holder);
    background.SetOffsetX(2);
    background.SetOffsetY(-3);
    struct Case {
        TBackgroundPosition Position;
        int X, Y;
    };
    // Area 100 x 50 at (5, 7); picture 10 x 6; offset (2, -3).
    const Case cases[] = {
        {bpTopLeft, 7, 4},       {bpTopRight, 97, 4},    {bpBottomLeft, 7, 48},   {bpBottomRight, 97, 48},
        {bpTopCenter, 52, 4},    {bpBottomCenter, 52, 48}, {bpCenter, 52, 26},    {bpTiled, 5, 7},
        {bpStretched, 5, 7},     {bpXY, 5, 7},
    };
    for (const Case& c : cases) {
        background.SetPosition(c.Position);
        background.CalcPicturePosition(Rect(5, 7, 105, 57), x, y);
        EXPECT_EQ(x, c.X) << c.Position;
        EXPECT_EQ(y, c.Y) << c.Position;
    }
}

TEST(MenuAppearanceTest, BackgroundPictureIsTransparentUntilCleared)
{
    TCountingStyledMenu menu(nullptr);
    TBackground background(&menu);
    TBitmap picture(3, 3);
    TPicture holder;
    holder.SetGraphic(&picture);
    background.SetImage(&holder);
    ASSERT_TRUE(background.HasPicture());
    EXPECT_TRUE(background.Image()->Graphic()->Transparent());
    background.SetImage(nullptr);
    EXPECT_FALSE(background.HasPicture());
    EXPECT_EQ(menu.Rebuilds, 0);
}
