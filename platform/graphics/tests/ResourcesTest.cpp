// Resources compiled from tests/resources, and the map's preloader picture.
#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GifImage.h"

#include <gtest/gtest.h>

TEST(Resources, CompiledFilesReadAsStreams)
{
    TResourceStream text(HInstance, "notes", RT_RCDATA);
    EXPECT_EQ(text.Size(), 13);
    std::string content(13, '\0');
    text.ReadBuffer(content.data(), 13);
    EXPECT_EQ(content, "resource text");
    EXPECT_THROW(text.Write("x", 1), EStreamError);

    TBitmap glyph;
    glyph.LoadFromResourceName(HInstance, "TestGlyph");
    EXPECT_EQ(glyph.Width(), 12);
    EXPECT_EQ(glyph.Height(), 11);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia) << "the bottom-left pixel";

    TResourceStream spinner(HInstance, "SPINNER", "GIF");
    TGIFImage animation;
    animation.LoadFromStream(spinner);
    EXPECT_EQ(animation.FrameCount(), 2);

    EXPECT_TRUE(classes::ResourceExists("TESTGLYPH", RT_BITMAP));
    EXPECT_FALSE(classes::ResourceExists("SPINNER", RT_RCDATA)) << "typed resources keep their type";
    EXPECT_FALSE(classes::ResourceExists("TESTGLYPH", RT_ICON));
    try {
        TResourceStream missing(HInstance, "NOSUCH", RT_RCDATA);
        ADD_FAILURE() << "a missing resource was found";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NOSUCH not found");
    }
}

TEST(Resources, PreloaderIsAnAnimatedGif)
{
    TGIFImage loader;
    loader.LoadFromFile(std::string(VISTRA_SOURCE_DIR) + "/map/resources/LOADER.gif");
    EXPECT_EQ(loader.FrameCount(), 8);
    EXPECT_EQ(loader.FrameDelay(0), 100);
    EXPECT_EQ(loader.LoopCount(), 0);
    EXPECT_EQ(loader.Width(), 32);
    int first = loader.CurrentFrame();
    EXPECT_EQ(loader.NextFrame(), 100);
    EXPECT_NE(loader.CurrentFrame(), first);
}
