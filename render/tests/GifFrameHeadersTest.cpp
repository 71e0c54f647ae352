// The GIF frame scan: frames of whole streams, and of damaged ones the frames
// before the damage with an error that names the block and its offset.
#include "render/GifFrameHeaders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Two frames: application extension at 25, control blocks at 44 and 90,
// images at 52 and 98 (the second with a colour table from 108 and its data
// from 120 to 148), trailer at 148.
Bytes TwoFrames()
{
    std::ifstream file(std::string(VISTRA_TEST_DATA) + "/two_frames.gif", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

TEST(GifFrameHeaders, WholeStreamGivesEveryFrameAndNoDamage)
{
    const Bytes gif = TwoFrames();
    ASSERT_EQ(gif.size(), 149u);
    const render::TGifLayout layout = render::ScanGifFrames(gif.data(), gif.size());
    EXPECT_EQ(layout.Damage, "");
    ASSERT_EQ(layout.Frames.size(), 2u);
    EXPECT_EQ(layout.Frames[1].ImageIndex, 1);
}

TEST(GifFrameHeaders, DamageKeepsTheFramesBeforeItAndSaysWhere)
{
    struct Row {
        const char* Name;
        std::function<void(Bytes&)> Damage;
        std::size_t Frames;
        const char* Message;
    } rows[] = {
        {"not a GIF", [](Bytes& b) { b[0] = 'J'; }, 0, "GIF: header at offset 0: the stream does not start with \"GIF8\""},
        {"cut in the screen", [](Bytes& b) { b.resize(9); }, 0, "GIF: logical screen descriptor at offset 8: needs 2 bytes, has 1"},
        {"cut in the global colour table", [](Bytes& b) { b.resize(20); }, 0,
         "GIF: global colour table at offset 13: needs 12 bytes, has 7"},
        {"cut in the second image's data", [](Bytes& b) { b.resize(120); }, 2, "GIF: image data of image 2 at offset"},
        {"cut in the second descriptor", [](Bytes& b) { b.resize(103); }, 1, "GIF: image descriptor of image 2 at offset 103"},
        {"a byte that starts no block", [](Bytes& b) { b[90] = 0x00; }, 1, "GIF: block at offset 90: byte 0x00 starts no block"},
        {"no trailer", [](Bytes& b) { b.resize(148); }, 2, "GIF: block at offset 148: needs 1 bytes, has 0"},
        {"sub-block running past the end", [](Bytes& b) { b[27] = 0xF0; }, 0, "GIF: extension 0xFF at offset 28: needs 240 bytes, has 121"},
    };
    for (const Row& row : rows) {
        Bytes gif = TwoFrames();
        row.Damage(gif);
        const render::TGifLayout layout = render::ScanGifFrames(gif.data(), gif.size());
        EXPECT_EQ(layout.Frames.size(), row.Frames) << row.Name;
        EXPECT_EQ(layout.Damage.rfind(row.Message, 0), 0u) << row.Name << ": " << layout.Damage;
    }
}
