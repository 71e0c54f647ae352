#include "platform/web/SnapshotBitmap.h"

#include "platform/graphics/Bitmap.h"
#include "platform/web/RecordingEngine.h"
#include "platform/web/WebKitEngine.h"

#include <gtest/gtest.h>

namespace {

TEST(SnapshotBitmap, BitmapTakesTheViewSizeAndPixels)
{
    web::RecordingEngine engine(64, 40);
    TBitmap bitmap(5, 5);
    ASSERT_TRUE(web::SnapshotToBitmap(engine, bitmap).Ok);
    EXPECT_EQ(bitmap.Width(), 64);
    EXPECT_EQ(bitmap.Height(), 40);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    const TRGBQuad corner = bitmap.ScanLine(39)[63];
    EXPECT_EQ(corner.rgbRed, 255);
    EXPECT_EQ(corner.rgbGreen, 255);
    EXPECT_EQ(corner.rgbBlue, 255);

    engine.FailSnapshots(true);
    EXPECT_FALSE(web::SnapshotToBitmap(engine, bitmap).Ok);
    EXPECT_EQ(bitmap.Width(), 64) << "a failed snapshot leaves the bitmap alone";
}

TEST(SnapshotBitmap, RealPageLandsInTheBitmap)
{
    std::string whyNot;
    if (!web::WebKitEngine::DisplayAvailable(&whyNot))
        GTEST_SKIP() << whyNot;
    web::WebKitEngine engine(120, 80);
    ASSERT_TRUE(engine.LoadDocument("<html><body style='margin:0; background: rgb(0, 128, 255)'></body></html>",
                                    "file:///").Ok);
    ASSERT_TRUE(engine.WaitUntilComplete().Ok);
    TBitmap bitmap;
    const web::Outcome taken = web::SnapshotToBitmap(engine, bitmap);
    ASSERT_TRUE(taken.Ok) << taken.Error;
    ASSERT_EQ(bitmap.Width(), 120);
    ASSERT_EQ(bitmap.Height(), 80);
    const TRGBQuad middle = bitmap.ScanLine(40)[60];
    EXPECT_EQ(middle.rgbRed, 0);
    EXPECT_EQ(middle.rgbGreen, 128);
    EXPECT_EQ(middle.rgbBlue, 255);
}

}  // namespace
