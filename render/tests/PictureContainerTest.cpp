// The HTML picture, its cache and the named picture container.
#include "PictureTestFiles.h"

#include "render/PictureContainer.h"

#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using render::testing::FixturePath;
using render::testing::ReadFixture;

namespace {

void LoadBytes(THTMLPicture& picture, const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    picture.LoadFromStream(stream);
}

void LoadFixture(THTMLPicture& picture, const std::string& name) { LoadBytes(picture, ReadFixture(name)); }

// Numbers of the Step calls (1-based) that moved to another frame, over Calls calls.
std::vector<int> StepsThatMoved(THTMLPicture& picture, int calls)
{
    std::vector<int> moved;
    for (int call = 1; call <= calls; ++call)
        if (picture.Step()) moved.push_back(call);
    return moved;
}

} // namespace

TEST(HTMLPicture, SizesOfEachKindAtScreenResolution)
{
    struct Case {
        const char* file;
        int width, height;
    };
    for (Case c : {Case{"wide.bmp", 100, 50}, Case{"quad.png", 8, 8}, Case{"plain.jpg", 30, 20},
                   Case{"blue.ico", 16, 16}, Case{"still.gif", 12, 8}}) {
        SCOPED_TRACE(c.file);
        THTMLPicture picture;
        LoadFixture(picture, c.file);
        EXPECT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Width(), c.width);
        EXPECT_EQ(picture.Height(), c.height);
        EXPECT_EQ(picture.MaxWidth(), c.width);
        EXPECT_EQ(picture.MaxHeight(), c.height);
    }
}

TEST(HTMLPicture, FreshPictureIsEmptyAndDrawsNothing)
{
    THTMLPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.Asynch());
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.MaxWidth(), 0);
    EXPECT_EQ(picture.FrameCount(), -1);
    EXPECT_FALSE(picture.Step());
}

TEST(HTMLPicture, FrameTimesAndAnimationSteps)
{
    THTMLPicture picture;
    LoadFixture(picture, "two_frames.gif");
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 2);
    EXPECT_EQ(picture.FrameTime(1), 50);
    EXPECT_EQ(picture.FrameTime(2), 100);
    EXPECT_EQ(picture.FrameTime(0), -1);
    EXPECT_EQ(picture.FrameTime(3), -1);

    // Each call is a tenth of a second: frame 2 is due after 50 hundredths, frame 1 again 100 later.
    EXPECT_EQ(StepsThatMoved(picture, 16), (std::vector<int>{7}));
    EXPECT_EQ(picture.Frame(), 2);
    EXPECT_TRUE(picture.Step());
    EXPECT_EQ(picture.Frame(), 1);
}

TEST(HTMLPicture, FramesShowTheirOwnPixelsAndPlace)
{
    THTMLPicture picture;
    LoadFixture(picture, "offset_frames.gif");
    int changes = 0;
    picture.OnFrameChange = [&](TObject*) { ++changes; };
    picture.SetFrame(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.FrameXPos(), 8);
    EXPECT_EQ(picture.FrameYPos(), 3);
    EXPECT_EQ(picture.FrameXSize(), 5);
    EXPECT_EQ(picture.FrameYSize(), 4);
    EXPECT_EQ(picture.MaxWidth(), 20);
    EXPECT_EQ(picture.MaxHeight(), 10);

    // The frame is composed over the first one, so it is drawn whole at the picture's origin.
    TBitmap target(20, 10);
    picture.Draw(*target.Canvas(), TRect{0, 0, 20, 10});
    EXPECT_EQ(target.Canvas()->Pixels(9, 4), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clRed);

    // Back to frame 1, and to a frame the animation does not have: both show the first image.
    for (int frame : {1, 5}) {
        picture.SetFrame(frame);
        picture.Draw(*target.Canvas(), TRect{0, 0, 20, 10});
        EXPECT_EQ(target.Canvas()->Pixels(9, 4), clRed) << frame;
        EXPECT_EQ(picture.FrameXPos(), 0);
    }
    EXPECT_EQ(changes, 3);

    picture.SetFrame(2);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 2);
}

TEST(HTMLPicture, StillGIFHasNoAnimationFrames)
{
    THTMLPicture picture;
    LoadFixture(picture, "still.gif");
    EXPECT_EQ(picture.FrameCount(), 0);
    EXPECT_EQ(picture.FrameTime(1), -1);
    EXPECT_FALSE(picture.Step());
    EXPECT_EQ(picture.Width(), 12);

    THTMLPicture png;
    LoadFixture(png, "quad.png");
    EXPECT_FALSE(png.IsGIF());
    EXPECT_EQ(png.FrameCount(), -1);
}

TEST(HTMLPicture, DrawsAtNaturalSizeOrStretched)
{
    THTMLPicture picture;
    LoadFixture(picture, "quad.png");
    TBitmap target(24, 24);
    TCanvas* canvas = target.Canvas();
    canvas->Brush()->SetColor(clBlack);
    canvas->FillRect(TRect{0, 0, 24, 24});

    picture.Draw(*canvas, TRect{2, 3, 24, 24});
    EXPECT_EQ(canvas->Pixels(2, 3), clRed);
    EXPECT_EQ(canvas->Pixels(9, 3), clLime);
    EXPECT_EQ(canvas->Pixels(2, 10), clBlue);
    EXPECT_EQ(canvas->Pixels(9, 10), clWhite);
    EXPECT_EQ(canvas->Pixels(10, 11), clBlack) << "nothing beyond the natural size";

    picture.SetStretch(true);
    picture.Draw(*canvas, TRect{8, 8, 24, 24});
    EXPECT_EQ(canvas->Pixels(9, 9), clRed);
    EXPECT_EQ(canvas->Pixels(22, 9), clLime);
    EXPECT_EQ(canvas->Pixels(9, 22), clBlue);
    EXPECT_EQ(canvas->Pixels(22, 22), clWhite);
}

TEST(HTMLPicture, UndecodableBytesRaiseWithFixedTexts)
{
    THTMLPicture picture;
    try {
        LoadBytes(picture, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Could not load image. Invalid format");
    }
    EXPECT_FALSE(picture.Empty()) << "the bytes are kept";
    EXPECT_EQ(picture.Width(), 0) << "but nothing is decoded";

    THTMLPicture empty;
    EXPECT_THROW(LoadBytes(empty, {}), EInvalidGraphic);
    EXPECT_TRUE(empty.Empty()) << "no bytes, no picture";
}

TEST(HTMLPicture, TruncatedAndDamagedFilesNeverCrash)
{
    for (const char* name : {"two_frames.gif", "offset_frames.gif", "still.gif", "quad.png", "plain.jpg", "blue.ico",
                             "wide.bmp"}) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> whole = ReadFixture(name);
        std::vector<std::vector<std::uint8_t>> damaged;
        for (std::size_t length = 0; length < whole.size(); length += whole.size() > 2000 ? 97 : 1)
            damaged.emplace_back(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        for (std::size_t at = 0; at < whole.size() && at < 200; ++at) {
            auto flipped = whole;
            flipped[at] ^= 0xFF;
            damaged.push_back(std::move(flipped));
        }
        for (const auto& bytes : damaged) {
            THTMLPicture picture;
            try {
                LoadBytes(picture, bytes);
            } catch (const EInvalidGraphic&) {
            }
            picture.FrameCount();
            picture.FrameTime(2);
            for (int i = 0; i < 12; ++i) {
                try {
                    picture.Step();
                } catch (const EInvalidGraphic&) {
                }
            }
            TBitmap target(4, 4);
            picture.Draw(*target.Canvas(), TRect{0, 0, 4, 4});
        }
    }
}

TEST(HTMLPicture, LoadFromFileSwallowsFailuresAndEmptiesThePicture)
{
    THTMLPicture picture;
    picture.LoadFromFile(FixturePath("quad.png"));
    EXPECT_EQ(picture.Width(), 8);

    picture.LoadFromFile(FixturePath("no-such-file.png"));
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);

    picture.LoadFromFile(FixturePath("make_pictures.py"));
    EXPECT_TRUE(picture.Empty());
}

TEST(HTMLPicture, LoadFromURLReadsFilesAndResourcesOnly)
{
    // The path keeps its case: a file system that tells cases apart must still find the file.
    const std::string url = "file://" + FixturePath("quad.png");
    THTMLPicture file;
    file.SetAsynch(false);
    file.LoadFromURL(url);
    EXPECT_EQ(file.Width(), 8);
    EXPECT_EQ(file.ID(), url);

    static const std::vector<std::uint8_t> bytes = ReadFixture("still.gif");
    classes::RegisterResource("HTMLPICTURETEST", RT_RCDATA, bytes.data(), bytes.size());
    THTMLPicture resource;
    resource.LoadFromURL("RES://htmlpicturetest");
    EXPECT_EQ(resource.Width(), 12);
    EXPECT_EQ(resource.ID(), "RES://htmlpicturetest");

    THTMLPicture missing;
    missing.LoadFromURL("RES://NOSUCHRESOURCE");
    EXPECT_TRUE(missing.Empty());
    EXPECT_THROW(missing.LoadFromResourceID(HInstance, 424242), EResNotFound);

    THTMLPicture web;
    web.SetAsynch(false);
    web.LoadFromURL("http://example.invalid/a.png");
    EXPECT_TRUE(web.Empty());
    EXPECT_EQ(web.ID(), "http://example.invalid/a.png");
    EXPECT_FALSE(web.Busy());
}

TEST(HTMLPicture, AsynchronousAddressStartsOneWorkerThatFetchesNothing)
{
    THTMLPicture picture;
    picture.LoadFromURL("http://example.invalid/first.gif");
    EXPECT_TRUE(picture.Busy());
    EXPECT_EQ(picture.URL(), "http://example.invalid/first.gif");
    picture.LoadFromURL("http://example.invalid/second.gif");
    EXPECT_EQ(picture.URL(), "http://example.invalid/first.gif");
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.ID(), "");
}

TEST(HTMLPicture, StoredFormIsTheEncodedBytesUnchanged)
{
    const auto bytes = ReadFixture("two_frames.gif");
    THTMLPicture picture;
    LoadBytes(picture, bytes);
    TMemoryStream saved;
    picture.SaveToStream(saved);
    EXPECT_EQ(saved.Bytes(), bytes);

    TMemoryStream data;
    picture.WriteData(data);
    data.SetPosition(0);
    THTMLPicture read;
    int changes = 0;
    read.OnChange = [&](TObject*) { ++changes; };
    read.ReadData(data);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(read.FrameCount(), 2);
    EXPECT_EQ(read.Width(), 20);

    // An empty picture is stored as no bytes and read back as empty.
    TMemoryStream emptyData;
    THTMLPicture().WriteData(emptyData);
    emptyData.SetPosition(0);
    read.ReadData(emptyData);
    EXPECT_TRUE(read.Empty());
    EXPECT_EQ(read.Width(), 0);
}

TEST(HTMLPicture, AssignCopiesBytesFrameStretchAndID)
{
    THTMLPicture source;
    LoadFixture(source, "offset_frames.gif");
    source.SetFrame(2);
    source.SetStretch(true);
    source.SetID("FILE://a.gif");

    THTMLPicture copy;
    copy.Assign(&source);
    EXPECT_FALSE(copy.Empty());
    EXPECT_EQ(copy.Frame(), 2);
    EXPECT_TRUE(copy.Stretch());
    EXPECT_EQ(copy.ID(), "FILE://a.gif");
    EXPECT_EQ(copy.FrameXPos(), 8);

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(copy.Frame(), 1);
}

TEST(PictureStores, CacheFindsByExactAddressContainerByNameInAnyCase)
{
    THTMLPictureCache cache;
    THTMLPicture* added = cache.AddPicture();
    added->SetID("FILE://Pic.png");
    EXPECT_EQ(cache.FindPicture("FILE://Pic.png"), added);
    EXPECT_EQ(cache.FindPicture("FILE://PIC.PNG"), nullptr);
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_THROW(cache.Items(1), EListError);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);

    TPictureContainer container(nullptr);
    EXPECT_EQ(container.Version(), "1.0.0.0");
    TPictureItem* item = container.Items()->Add();
    item->SetName("MixedCase");
    item->SetTag(7);
    LoadFixture(*item->Picture(), "quad.png");
    EXPECT_EQ(container.FindPicture("MIXEDCASE"), item->Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);
    EXPECT_EQ(container.Items()->Owner(), &container);

    TPictureContainer copy(nullptr);
    copy.SetItems(container.Items());
    ASSERT_EQ(copy.Items()->Count(), 1);
    EXPECT_EQ(copy.Items()->Items(0)->Tag(), 7);
    THTMLPicture* copied = copy.FindPicture("mixedcase");
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, item->Picture());
    EXPECT_EQ(copied->Width(), 8);
}

TEST(PictureStores, AnimateStepsEveryPicture)
{
    THTMLPictureCache cache;
    LoadFixture(*cache.AddPicture(), "two_frames.gif");
    LoadFixture(*cache.AddPicture(), "still.gif");
    TPictureContainer container(nullptr);
    LoadFixture(*container.Items()->Add()->Picture(), "two_frames.gif");

    std::vector<int> cacheMoves, containerMoves;
    for (int call = 1; call <= 17; ++call) {
        if (cache.Animate()) cacheMoves.push_back(call);
        if (container.Items()->Animate()) containerMoves.push_back(call);
    }
    EXPECT_EQ(cacheMoves, (std::vector<int>{7, 17}));
    EXPECT_EQ(containerMoves, (std::vector<int>{7, 17}));
}
