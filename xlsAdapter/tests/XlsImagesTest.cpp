// Picture anchors from and to pixels, and stored metafiles back to files.
#include "xlsAdapter/qorUXlsImages.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Picture.h"
#include "xlsAdapter/qorUEscherShapes.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <zlib.h>

using namespace xlstest;
using namespace xlsAdapter;

namespace {

std::unique_ptr<TXLSFile> Sheet()
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(1);
    for (int col = 1; col <= 256; ++col)
        file->SetColumnWidth(col, 2340); // 63.98 pixels
    return file;
}

std::vector<int> Corners(const TImageProperties& p)
{
    return {p.Col1, p.dx1, p.Row1, p.dy1, p.Col2, p.dx2, p.Row2, p.dy2};
}

} // namespace

TEST(XlsImages, AnchorsFromPixelsAndBack)
{
    auto file = Sheet();
    TImageProperties p;
    ImageAnchorFromPixels(file.get(), 1, 1, 0, 0, 17, 64, p);
    EXPECT_EQ(Corners(p), (std::vector<int>{1, 0, 1, 0, 1, 1024, 1, 255}));
    int w = 0, h = 0;
    ImageSizeFromAnchor(*file, {0, 1, 0, 1, 0, 1, 1024, 1, 255}, w, h);
    EXPECT_EQ(w, 64);
    EXPECT_EQ(h, 17);

    ImageAnchorFromPixels(file.get(), 1, 1, 0, 100, 17, 64, p);
    EXPECT_EQ(p.Col1, 2);
    EXPECT_EQ(p.dx1, 576);

    // Twenty rows from row 65,530 are moved up to end on the last row.
    ImageAnchorFromPixels(file.get(), 65530, 1, 0, 0, 20 * 17, 64, p);
    EXPECT_EQ(p.Row2, 65536);
    EXPECT_EQ(p.Row1, 65517);

    // Columns of no width: the walk stops at the sheet's edge.
    for (int col = 1; col <= 256; ++col)
        file->SetColumnWidth(col, 0);
    ImageAnchorFromPixels(file.get(), 1, 1, 0, 500, 10, 10, p);
    EXPECT_EQ(p.Col2, 256);
    EXPECT_EQ(ErrorOf([&] { ImageAnchorFromPixels(nullptr, 1, 1, 0, 0, 1, 1, p); }), "There is no open file");
}

TEST(XlsImages, StoredMetafilesBecomeFilesAgain)
{
    // A placeable WMF with bounds (0, 0, 1000, 500) goes through the store.
    ByteArray wmf(22, 0);
    const std::uint16_t words[] = {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 500, 96, 0, 0};
    for (int i = 0; i < 10; ++i)
        SetWord(wmf, 2 * i, words[i]);
    SetWord(wmf, 20, MetafileHeaderChecksum(wmf.data()));
    for (int i = 0; i < 300; ++i)
        wmf.push_back(static_cast<std::uint8_t>(i * 7));
    TEscherDwgGroupCache group;
    auto entry = GraphicToBSE(wmf, xli_Wmf, &group, nullptr);
    ByteArray stored;
    TXlsImgTypes type = xli_Unknown;
    entry->SaveGraphicToStream(stored, type);
    EXPECT_EQ(type, xli_Wmf);
    TMemoryStream source, file;
    source.WriteBuffer(stored.data(), static_cast<std::int64_t>(stored.size()));
    source.SetPosition(0);
    bool handled = false;
    InflateXlsMetafile(file, source, xli_Wmf, handled);
    EXPECT_TRUE(handled);
    ASSERT_EQ(file.Size(), static_cast<std::int64_t>(wmf.size()));
    EXPECT_EQ(ByteArray(file.Memory(), file.Memory() + file.Size()), wmf);
    EXPECT_EQ(MetafileHeaderChecksum(wmf.data()), 0xCDD7 ^ 0x9AC6 ^ 1000 ^ 500 ^ 96);

    // Data that inflates past the size its header announces is refused.
    ByteArray bomb(34, 0);
    ByteArray zeros(100000, 0);
    uLongf size = compressBound(static_cast<uLong>(zeros.size()));
    ByteArray packed(size);
    compress2(packed.data(), &size, zeros.data(), static_cast<uLong>(zeros.size()), 9);
    packed.resize(size);
    SetCardinal(bomb, 0, 100);
    bomb.insert(bomb.end(), packed.begin(), packed.end());
    TMemoryStream bombSource, sink;
    bombSource.WriteBuffer(bomb.data(), static_cast<std::int64_t>(bomb.size()));
    bombSource.SetPosition(0);
    EXPECT_EQ(ErrorOf([&] { InflateXlsMetafile(sink, bombSource, xli_Emf, handled); }), "Wmf file is invalid");

    TPicture picture;
    TMemoryStream nothing;
    LoadXlsImageIntoPicture(nothing, xli_Unknown, picture, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(picture.Graphic(), nullptr);
    TMemoryStream png;
    const ByteArray pngBytes = ReadFileBytes(VISTRA_TEST_DATA "/picture-red.png");
    png.WriteBuffer(pngBytes.data(), static_cast<std::int64_t>(pngBytes.size()));
    png.SetPosition(0);
    LoadXlsImageIntoPicture(png, xli_Png, picture, handled);
    EXPECT_TRUE(handled);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->Width(), 60);
}
