// Images in a line of markup: their sources, sizes, hits, drawing, and BODY backgrounds.
#include "PictureTestFiles.h"

#include "render/HTMLImages.h"
#include "render/PictureContainer.h"

#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/ImageList.h"

#include <gtest/gtest.h>

using render::DrawHTMLBackground;
using render::LayoutHTMLImage;
using render::THTMLImageSources;
using render::THTMLInlinePass;
using render::THTMLItemCallState;
using render::THTMLLinkState;
using render::testing::FixturePath;
using render::testing::ReadFixture;

namespace {

void LoadFixture(THTMLPicture& picture, const std::string& name)
{
    auto bytes = ReadFixture(name);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    picture.LoadFromStream(stream);
}

class ImageLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas = bitmap.Canvas();
        canvas->Brush()->SetColor(clBlack);
        canvas->FillRect(TRect{0, 0, 200, 100});

        // Three 10 x 8 images: red, lime and blue.
        TBitmap strip(30, 8);
        const TColor colours[] = {clRed, clLime, clBlue};
        for (int i = 0; i < 3; ++i) {
            strip.Canvas()->Brush()->SetColor(colours[i]);
            strip.Canvas()->FillRect(TRect{i * 10, 0, i * 10 + 10, 8});
        }
        images.Add(&strip, nullptr);

        for (const char* name : {"quad", "anim"}) {
            TPictureItem* item = container.Items()->Add();
            item->SetName(name);
            LoadFixture(*item->Picture(), name == std::string("quad") ? "quad.png" : "offset_frames.gif");
        }
        sources.Images = &images;
        sources.Container = &container;
        sources.Cache = &cache;
    }

    // One pass over a single IMG tag drawn at (DrawX, 5), the pass's left at 0.
    THTMLInlinePass Pass(const std::string& tag, bool painting = false, TPoint point = {-100, -100}, int drawX = 10)
    {
        THTMLInlinePass pass;
        pass.Canvas = canvas;
        pass.Painting = painting;
        pass.Top = 5;
        pass.Bottom = 40;
        pass.AvailableWidth = 200;
        pass.X = drawX;
        pass.DrawX = drawX;
        pass.Point = point;
        LayoutHTMLImage(pass, call, sources, link, tag, lift);
        return pass;
    }

    TBitmap bitmap{200, 100};
    TCanvas* canvas = nullptr;
    TImageList images{10, 8};
    TPictureContainer container{nullptr};
    THTMLPictureCache cache;
    THTMLImageSources sources;
    THTMLLinkState link;
    THTMLItemCallState call;
    int lift = -1;
};

} // namespace

TEST_F(ImageLine, SizeBySourceAndRequestedSize)
{
    struct Case {
        std::string tag;
        int width, height;
    };
    const Case cases[] = {
        {R"(<IMG SRC="quad">)", 8, 8},
        {R"(<img src="QUAD" width="16">)", 16, 16},
        {R"(<IMG SRC="quad" HEIGHT="4">)", 4, 4},
        {R"(<IMG SRC="quad" WIDTH="10" HEIGHT="3">)", 10, 3},
        {R"(<IMG SRC="anim">)", 20, 10},
        {R"(<IMG SRC="idx:2">)", 10, 8},
        {R"(<IMG SRC="IDX:3">)", 0, 0},
        {R"(<IMG SRC="IDX:-1">)", 0, 0},
        {R"(<IMG SRC="missing" WIDTH="30">)", 0, 0},
        {R"(<IMG SRC="C:\pictures\quad.png">)", 0, 0},
        {R"(<IMG SRC="SSYS:3">)", 0, 0},
        {R"(<IMG SRC="LSYS:folder">)", 0, 0},
        {R"(<IMG SRC="http://example.invalid/a.png">)", 0, 0},
        {"<IMG SRC=\"file://" + FixturePath("quad.png") + "\">", 8, 8},
        {"<IMG SRC=\"FILE://" + FixturePath("make_pictures.py") + "\">", 0, 0},
        // A name inside another attribute's value is no attribute.
        {R"(<IMG SRC="quad" ALT="x WIDTH=" HEIGHT="16" WIDTH="4">)", 4, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        auto pass = Pass(c.tag);
        EXPECT_EQ(pass.X - 10, c.width);
        EXPECT_EQ(pass.DrawX - 10, c.width);
        EXPECT_EQ(pass.LineHeight, c.height);
        EXPECT_FALSE(pass.Wrap);
    }
}

TEST_F(ImageLine, MissingStoresGiveNoRoom)
{
    sources = {};
    for (const char* tag : {R"(<IMG SRC="IDX:0">)", R"(<IMG SRC="quad">)", R"(<IMG SRC="FILE:///tmp/x.png">)"}) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(Pass(tag).X, 10);
    }
}

TEST_F(ImageLine, AddressIsLoadedOnceIntoTheCache)
{
    static const std::vector<std::uint8_t> junk{'G', 'I', 'F', '8', '9', 'a', 1, 2, 3};
    classes::RegisterResource("HTMLIMAGESJUNK", RT_RCDATA, junk.data(), junk.size());
    const std::string good = "FILE://" + FixturePath("quad.png");
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Pass("<IMG SRC=\"" + good + "\">").X, 18);
        EXPECT_EQ(Pass(R"(<IMG SRC="RES://HTMLIMAGESJUNK">)").X, 10) << "bytes that do not decode take no room";
    }
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_EQ(cache.FindPicture(good)->Width(), 8);
}

TEST_F(ImageLine, OnlyLinkedImagesAreHit)
{
    auto pass = Pass(R"(<IMG SRC="quad">)", false, {12, 8});
    EXPECT_FALSE(pass.ItemHit);
    EXPECT_EQ(call.ImageHit, -1);

    link = {true, "go:there", "Title"};
    call = {};
    pass = Pass(R"(<IMG SRC="quad">)", false, {12, 8});
    EXPECT_TRUE(pass.ItemHit);
    EXPECT_EQ(call.LinkValue, "go:there");
    EXPECT_EQ(call.LinkTitle, "Title");
    EXPECT_EQ(call.ImageHit, 1);

    call = {};
    for (TPoint outside : {TPoint{10, 8}, TPoint{18, 8}, TPoint{12, 5}, TPoint{12, 13}}) {
        EXPECT_FALSE(Pass(R"(<IMG SRC="quad">)", false, outside).ItemHit) << outside.X << "," << outside.Y;
    }
}

TEST_F(ImageLine, AltPictureShowsWhileThePointIsOnTheImage)
{
    link = {true, "go:there", ""};
    const std::string tag = R"(<IMG SRC="quad" ALT="anim">)";
    // Measuring pass: the point lies on the first image, whose SRC picture is 8 x 8.
    auto measured = Pass(tag, false, {12, 8});
    EXPECT_EQ(measured.X - 10, 8);
    ASSERT_EQ(call.ImageHit, 1);
    // The painting pass of the same line counts from the same value and shows the ALT picture.
    call.ImageCounter = 0;
    auto painted = Pass(tag, true, {12, 8});
    EXPECT_EQ(painted.X - 10, 20);

    call = {};
    EXPECT_EQ(Pass(tag, true).X - 10, 8) << "without the point, the SRC picture";
}

TEST_F(ImageLine, DrawsScaledPicturesAndListImages)
{
    Pass(R"(<IMG SRC="quad" WIDTH="16">)", true);
    EXPECT_EQ(canvas->Pixels(11, 6), clRed);
    EXPECT_EQ(canvas->Pixels(25, 6), clLime);
    EXPECT_EQ(canvas->Pixels(11, 20), clBlue);
    EXPECT_EQ(canvas->Pixels(25, 20), clWhite);
    EXPECT_EQ(canvas->Pixels(26, 6), clBlack);
    EXPECT_EQ(canvas->Pixels(11, 21), clBlack);

    Pass(R"(<IMG SRC="IDX:1">)", true, {-100, -100}, 40);
    EXPECT_EQ(canvas->Pixels(40, 5), clLime);
    EXPECT_EQ(canvas->Pixels(49, 12), clLime);
    EXPECT_EQ(canvas->Pixels(50, 12), clBlack);

    // Printing stretches list images by the print scale.
    sources.Printing = true;
    sources.PrintScale = 2.0;
    Pass(R"(<IMG SRC="IDX:2">)", true, {-100, -100}, 60);
    EXPECT_EQ(canvas->Pixels(60, 5), clBlue);
    EXPECT_EQ(canvas->Pixels(79, 20), clBlue);
    EXPECT_EQ(canvas->Pixels(80, 20), clBlack);
    EXPECT_EQ(canvas->Pixels(79, 21), clBlack);
}

TEST_F(ImageLine, AnimatedPictureDrawsItsCurrentFrameInTheAnimationRectangle)
{
    container.FindPicture("anim")->SetFrame(2);
    Pass(R"(<IMG SRC="anim">)", true);
    EXPECT_EQ(canvas->Pixels(10 + 9, 5 + 4), clBlue) << "the frame's own block";
    EXPECT_EQ(canvas->Pixels(10 + 17, 5 + 7), clRed) << "not moved again by the frame's offset";
    EXPECT_EQ(canvas->Pixels(10 + 19, 5 + 9), clRed);
    EXPECT_EQ(canvas->Pixels(10 + 20, 5 + 9), clBlack);
}

TEST_F(ImageLine, AnimationRectangleIsClearedToTheEntryBrushColour)
{
    TPictureItem* item = container.Items()->Add();
    item->SetName("ghost");
    LoadFixture(*item->Picture(), "transparent_frames.gif");
    sources.EntryBrushColor = clYellow;
    canvas->Pen()->SetColor(clGreen);
    canvas->Brush()->SetStyle(bsClear);

    Pass(R"(<IMG SRC="ghost">)", true);
    EXPECT_EQ(canvas->Pixels(10 + 1, 5 + 1), clYellow) << "transparent half shows the cleared rectangle";
    EXPECT_EQ(canvas->Pixels(10 + 6, 5 + 1), clRed);
    EXPECT_EQ(canvas->Pixels(10 + 10, 5 + 1), clBlack);
    EXPECT_EQ(canvas->Pen()->Color(), clGreen);
    EXPECT_EQ(canvas->Brush()->Style(), bsClear);
}

TEST_F(ImageLine, WrapsOnlyImagesNarrowerThanTheLine)
{
    auto pass = Pass(R"(<IMG SRC="quad">)", false, {-100, -100}, 195);
    EXPECT_TRUE(pass.Wrap);
    EXPECT_EQ(pass.X, 195);

    pass = Pass(R"(<IMG SRC="quad" WIDTH="300">)", false, {-100, -100}, 10);
    EXPECT_FALSE(pass.Wrap);
    EXPECT_EQ(pass.X, 310);
}

TEST_F(ImageLine, AlignmentLiftsTheLineText)
{
    const int textHeight = canvas->TextHeight("gh");
    Pass(R"(<IMG SRC="quad" HEIGHT="40" ALIGN="top">)");
    EXPECT_EQ(lift, 40 - textHeight);
    Pass(R"(<IMG SRC="quad" HEIGHT="40" ALIGN="MIDDLE">)");
    EXPECT_EQ(lift, (40 - textHeight) / 2);
    lift = -1;
    Pass(R"(<IMG SRC="TOP" HEIGHT="40" ALIGN=TOP>)");
    EXPECT_EQ(lift, -1) << "an unquoted value lifts nothing";
}

TEST_F(ImageLine, BackgroundTilesExactlyOverTheBoundsAndKeepsTheClip)
{
    const TRect bounds{3, 2, 23, 15};
    DrawHTMLBackground(*canvas, bounds, "QUAD", &container, &cache);
    EXPECT_EQ(canvas->Pixels(3, 2), clRed);
    EXPECT_EQ(canvas->Pixels(7, 2), clLime);
    EXPECT_EQ(canvas->Pixels(11, 2), clRed) << "second tile";
    EXPECT_EQ(canvas->Pixels(19, 10), clRed) << "third column, second row";
    EXPECT_EQ(canvas->Pixels(22, 14), clBlue) << "last pixel inside, cut tile";
    EXPECT_EQ(canvas->Pixels(23, 2), clBlack);
    EXPECT_EQ(canvas->Pixels(3, 15), clBlack);
    EXPECT_EQ(canvas->Pixels(2, 2), clBlack);

    // The clip the canvas had before is in force again afterwards.
    canvas->Brush()->SetColor(clYellow);
    canvas->FillRect(TRect{100, 50, 110, 60});
    EXPECT_EQ(canvas->Pixels(105, 55), clYellow);
    HDC dc = canvas->Handle();
    IntersectClipRect(dc, 0, 0, 50, 50);
    DrawHTMLBackground(*canvas, TRect{40, 40, 80, 80}, "quad", &container, &cache);
    EXPECT_EQ(canvas->Pixels(41, 41), clRed);
    canvas->FillRect(TRect{60, 60, 70, 70});
    SelectClipRgn(dc, nullptr);
    EXPECT_EQ(canvas->Pixels(65, 65), clBlack) << "outside the caller's clip";

    DrawHTMLBackground(*canvas, TRect{150, 0, 200, 50}, "nothing", &container, &cache);
    EXPECT_EQ(canvas->Pixels(150, 0), clBlack);
}

TEST(HTMLImageRoutines, IsDirectoryAndStretchBitmap)
{
    EXPECT_TRUE(IsDirectory(VISTRA_TEST_DATA));
    EXPECT_FALSE(IsDirectory(FixturePath("quad.png")));
    EXPECT_FALSE(IsDirectory(FixturePath("no-such-folder")));

    TBitmap source(2, 2);
    source.Canvas()->Brush()->SetColor(clRed);
    source.Canvas()->FillRect(TRect{0, 0, 1, 2});
    source.Canvas()->Brush()->SetColor(clBlue);
    source.Canvas()->FillRect(TRect{1, 0, 2, 2});
    TBitmap target(10, 10);
    StretchBitmapToRect(*target.Canvas(), TRect{0, 0, 8, 4}, source);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(4, 0), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(7, 3), clBlue);

    TSize size{5, 5};
    DrawSystemIcon(*target.Canvas(), 0, 0, size, 1.0, false, true, true, "folder");
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
}
