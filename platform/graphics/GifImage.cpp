// GIF reading and writing through giflib, one record at a time so that every size is checked before use.
#include "platform/graphics/GifImage.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/PictureCursor.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/RasterGraphic.h"
#include "platform/rtl/Exceptions.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

using namespace graphics;

namespace {

// The pixels of all frames together may not exceed this, so that a small
// file cannot claim thousands of full-screen frames.
constexpr std::int64_t MaxTotalFramePixels = std::int64_t(1) << 26;
constexpr int MaxFrames = 10000;

// The file as giflib reads it: every byte comes through the checked cursor.
// giflib cannot carry an exception, so a read past the end is remembered and
// raised once giflib has reported its failure.
struct MemoryInput {
    explicit MemoryInput(rtl::TByteCursor cursor) : Cursor(std::move(cursor)) {}

    rtl::TByteCursor Cursor;
    std::size_t BlockStart = 0;
    std::string Shortfall;

    // Names the block giflib reads next, and where it starts.
    void Block(std::string record, std::size_t start)
    {
        Cursor.SetRecord(std::move(record));
        BlockStart = start;
    }
    void Block(std::string record) { Block(std::move(record), Cursor.Position()); }
    [[noreturn]] void Fail(const std::string& what) const { Cursor.FailAt(BlockStart, what); }
    // Raises giflib's failure as the block's error.
    [[noreturn]] void FailGif(int error) const
    {
        if (!Shortfall.empty()) Fail(Shortfall);
        const char* text = GifErrorString(error);
        Fail(text ? text : "corrupt data");
    }
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int count)
{
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
    std::size_t n = std::min(wanted, in->Cursor.Remaining());
    if (n < wanted && in->Shortfall.empty())
        in->Shortfall = "the file ends at offset " + std::to_string(in->Cursor.Context().BaseOffset + in->Cursor.Size()) +
                        " inside it";
    if (n == 0) return 0;
    std::memcpy(buffer, in->Cursor.Bytes(n).data(), n);
    return static_cast<int>(n);
}

int writeToVector(GifFileType* gif, const GifByteType* buffer, int count)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), buffer, buffer + count);
    return count;
}

struct GifCloser {
    void operator()(GifFileType* gif) const noexcept
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifReader = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void fail(const std::string& what) { throw EInvalidGraphic("GIF: " + what); }
[[noreturn]] void failGif(GifFileType* gif) { fail(GifErrorString(gif->Error) ? GifErrorString(gif->Error) : "corrupt data"); }

const char* ExtensionName(int code)
{
    switch (code) {
    case GRAPHICS_EXT_FUNC_CODE: return "graphic control extension";
    case APPLICATION_EXT_FUNC_CODE: return "application extension";
    case COMMENT_EXT_FUNC_CODE: return "comment extension";
    case PLAINTEXT_EXT_FUNC_CODE: return "plain text extension";
    default: return "extension";
    }
}

} // namespace

TGIFImage::TGIFImage() = default;
TGIFImage::~TGIFImage() = default;

const TBitmap& TGIFImage::Frame(int Index) const
{
    if (Index < 0 || Index >= FrameCount()) throw EListError("Frame index out of bounds (" + std::to_string(Index) + ")");
    return *FFrames[static_cast<std::size_t>(Index)].Bitmap;
}

int TGIFImage::FrameDelay(int Index) const
{
    if (Index < 0 || Index >= FrameCount()) throw EListError("Frame index out of bounds (" + std::to_string(Index) + ")");
    return FFrames[static_cast<std::size_t>(Index)].DelayMs;
}

void TGIFImage::SetCurrentFrame(int Index)
{
    if (Index < 0 || Index >= FrameCount() || Index == FCurrentFrame) return;
    FCurrentFrame = Index;
    Changed();
}

int TGIFImage::NextFrame()
{
    if (FFrames.empty()) return 0;
    SetCurrentFrame((FCurrentFrame + 1) % FrameCount());
    return FrameDelay(FCurrentFrame);
}

void TGIFImage::AddFrame(const TBitmap& Bitmap, int DelayMs)
{
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&Bitmap);
    if (FFrames.empty()) {
        FWidth = copy->Width();
        FHeight = copy->Height();
    }
    FFrames.push_back({std::move(copy), std::max(0, DelayMs)});
    Changed();
}

void TGIFImage::SetWidth(int Value)
{
    FWidth = std::max(0, Value);
    for (auto& frame : FFrames) frame.Bitmap->SetWidth(FWidth);
    Changed();
}

void TGIFImage::SetHeight(int Value)
{
    FHeight = std::max(0, Value);
    for (auto& frame : FFrames) frame.Bitmap->SetHeight(FHeight);
    Changed();
}

void TGIFImage::Assign(const TPersistent* Source)
{
    if (auto* gif = dynamic_cast<const TGIFImage*>(Source)) {
        if (gif == this) return;
        FFrames.clear();
        for (const auto& frame : gif->FFrames) {
            auto copy = std::make_unique<TBitmap>();
            copy->Assign(frame.Bitmap.get());
            FFrames.push_back({std::move(copy), frame.DelayMs});
        }
        FWidth = gif->FWidth;
        FHeight = gif->FHeight;
        FLoopCount = gif->FLoopCount;
        FCurrentFrame = gif->FCurrentFrame;
        Changed();
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
        TBitmap bitmap;
        bitmap.Assign(graphic);
        FFrames.clear();
        FCurrentFrame = 0;
        FLoopCount = 1;
        AddFrame(bitmap, 0);
        return;
    }
    TGraphic::Assign(Source);
}

void TGIFImage::AssignTo(TPersistent* Dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
        if (FFrames.empty()) bitmap->Assign(nullptr);
        else bitmap->Assign(FFrames[static_cast<std::size_t>(FCurrentFrame)].Bitmap.get());
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TGIFImage::Draw(TCanvas& ACanvas, const TRect& Rect) const
{
    if (FFrames.empty()) return;
    FFrames[static_cast<std::size_t>(FCurrentFrame)].Bitmap->Draw(ACanvas, Rect);
}

void TGIFImage::LoadFromStream(TStream& Stream)
{
    std::vector<std::uint8_t> data = ReadRemaining(Stream);
    MemoryInput input(PictureCursor(data, "GIF", "header"));
    int error = 0;
    GifReader gif(DGifOpen(&input, readFromMemory, &error));
    if (!gif) input.FailGif(error ? error : D_GIF_ERR_NOT_GIF_FILE);

    int screenWidth = gif->SWidth, screenHeight = gif->SHeight;
    std::vector<TFrame> frames;
    TPixelBuffer screen;
    int loopCount = 1;
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    std::int64_t totalPixels = 0;

    for (;;) {
        input.Block("block");
        GifRecordType type;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) input.FailGif(gif->Error);
        if (type == TERMINATE_RECORD_TYPE) break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            input.Block("extension", input.BlockStart);
            if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR) input.FailGif(gif->Error);
            input.Block(ExtensionName(code), input.BlockStart);
            bool netscape = false;
            if (ext && code == GRAPHICS_EXT_FUNC_CODE && ext[0] >= 4) DGifExtensionToGCB(ext[0], ext + 1, &control);
            if (ext && code == APPLICATION_EXT_FUNC_CODE && ext[0] >= 11 &&
                (std::memcmp(ext + 1, "NETSCAPE2.0", 11) == 0 || std::memcmp(ext + 1, "ANIMEXTS1.0", 11) == 0))
                netscape = true;
            while (ext) {
                if (DGifGetExtensionNext(gif.get(), &ext) == GIF_ERROR) input.FailGif(gif->Error);
                if (ext && netscape && ext[0] >= 3 && ext[1] == 1) loopCount = ext[2] | (ext[3] << 8);
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) continue;
        const std::string frameName = "frame " + std::to_string(frames.size() + 1);
        input.Block("image descriptor of " + frameName, input.BlockStart);
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) input.FailGif(gif->Error);
        const GifImageDesc& desc = gif->Image;
        if (desc.Width <= 0 || desc.Height <= 0)
            input.Fail("frame of " + std::to_string(desc.Width) + " x " + std::to_string(desc.Height) + " pixels");
        if (screen.Width == 0) {
            // Some files leave the screen size at 0: take the first frame's extent.
            if (screenWidth <= 0 || screenHeight <= 0) {
                screenWidth = desc.Left + desc.Width;
                screenHeight = desc.Top + desc.Height;
            }
            // LZW codes of at most 12 bits stand for at most 4096 pixels each.
            CheckImageSize(input.Cursor, input.BlockStart, screenWidth, screenHeight, data.size(), 4096);
            screen = TPixelBuffer(screenWidth, screenHeight, true);
            std::fill(screen.Pixels.begin(), screen.Pixels.end(), 0u);
        }
        CheckImageSize(input.Cursor, input.BlockStart, desc.Width, desc.Height, data.size(), 4096);
        totalPixels += std::int64_t(screenWidth) * screenHeight + std::int64_t(desc.Width) * desc.Height;
        if (frames.size() >= MaxFrames || totalPixels > MaxTotalFramePixels) input.Fail("too many frames");

        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        std::vector<GifPixelType> indexes(std::size_t(desc.Width) * desc.Height);
        input.Block("image data of " + frameName);
        auto readLine = [&](int y) {
            if (DGifGetLine(gif.get(), indexes.data() + std::size_t(y) * desc.Width, desc.Width) == GIF_ERROR)
                input.FailGif(gif->Error);
        };
        if (desc.Interlace) {
            static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < desc.Height; y += step[pass]) readLine(y);
        } else {
            for (int y = 0; y < desc.Height; ++y) readLine(y);
        }

        TPixelBuffer before;
        if (control.DisposalMode == DISPOSE_PREVIOUS) before = screen;
        for (int y = 0; y < desc.Height; ++y) {
            int sy = desc.Top + y;
            if (sy < 0 || sy >= screenHeight) continue;
            for (int x = 0; x < desc.Width; ++x) {
                int sx = desc.Left + x;
                if (sx < 0 || sx >= screenWidth) continue;
                int index = indexes[std::size_t(y) * desc.Width + x];
                if (index == control.TransparentColor) continue;
                std::uint32_t pixel = 0xFF000000u;
                if (map && index < map->ColorCount) {
                    const GifColorType& c = map->Colors[index];
                    pixel |= (std::uint32_t(c.Red) << 16) | (std::uint32_t(c.Green) << 8) | c.Blue;
                } else if (!map) {
                    pixel |= std::uint32_t(index) * 0x010101u; // no colour table: grey levels
                }
                screen.Row(sy)[sx] = pixel;
            }
        }
        TPixelBuffer shown = screen;
        shown.HasAlpha = std::any_of(shown.Pixels.begin(), shown.Pixels.end(), [](std::uint32_t p) { return (p >> 24) == 0; });
        auto bitmap = std::make_unique<TBitmap>();
        StoreInBitmap(*bitmap, shown);
        frames.push_back({std::move(bitmap), control.DelayTime * 10});
        if (control.DisposalMode == DISPOSE_BACKGROUND) {
            for (int y = std::max(0, desc.Top); y < std::min(screenHeight, desc.Top + desc.Height); ++y)
                for (int x = std::max(0, desc.Left); x < std::min(screenWidth, desc.Left + desc.Width); ++x)
                    screen.Row(y)[x] = 0;
        } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
            screen = std::move(before);
        }
        control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    }
    if (frames.empty()) input.Fail("the file has no image");
    FFrames = std::move(frames);
    FWidth = screenWidth;
    FHeight = screenHeight;
    FLoopCount = loopCount;
    FCurrentFrame = 0;
    TGraphic::SetTransparent(FFrames.front().Bitmap->PixelFormat() == pf32bit);
    Changed();
}

namespace {

// A palette for one frame: its exact colours when there are at most 255,
// otherwise a fixed 6 x 7 x 6 colour cube. Index 255 is kept for transparency.
struct Palette {
    std::vector<GifColorType> Colors;
    std::vector<GifByteType> Indexes;
    bool Transparent = false;
};

Palette buildPalette(const TPixelBuffer& pixels)
{
    Palette palette;
    std::map<std::uint32_t, GifByteType> exact;
    bool fits = true;
    for (std::uint32_t p : pixels.Pixels) {
        if ((p >> 24) < 128) {
            palette.Transparent = true;
            continue;
        }
        std::uint32_t rgb = p & 0xFFFFFF;
        if (exact.count(rgb)) continue;
        if (exact.size() == 255) {
            fits = false;
            break;
        }
        exact.emplace(rgb, static_cast<GifByteType>(exact.size()));
    }
    auto color = [](std::uint32_t rgb) {
        return GifColorType{static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                            static_cast<GifByteType>(rgb)};
    };
    if (fits) {
        palette.Colors.resize(exact.size());
        for (auto [rgb, index] : exact) palette.Colors[index] = color(rgb);
    } else {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 7; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.Colors.push_back({static_cast<GifByteType>(r * 51), static_cast<GifByteType>(g * 255 / 6),
                                              static_cast<GifByteType>(b * 51)});
    }
    palette.Colors.resize(256, GifColorType{0, 0, 0});
    palette.Indexes.reserve(pixels.Pixels.size());
    for (std::uint32_t p : pixels.Pixels) {
        if ((p >> 24) < 128) {
            palette.Indexes.push_back(255);
            continue;
        }
        std::uint32_t rgb = p & 0xFFFFFF;
        if (fits) {
            palette.Indexes.push_back(exact.at(rgb));
        } else {
            int r = ((rgb >> 16) & 0xFF) * 5 / 255 + (((rgb >> 16) & 0xFF) * 5 % 255 > 127);
            int g = ((rgb >> 8) & 0xFF) * 6 / 255 + (((rgb >> 8) & 0xFF) * 6 % 255 > 127);
            int b = (rgb & 0xFF) * 5 / 255 + ((rgb & 0xFF) * 5 % 255 > 127);
            palette.Indexes.push_back(static_cast<GifByteType>((r * 7 + g) * 6 + b));
        }
    }
    return palette;
}

struct GifWriterCloser {
    void operator()(GifFileType* gif) const noexcept
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

} // namespace

void TGIFImage::SaveToStream(TStream& Stream) const
{
    if (FFrames.empty()) throw EInvalidGraphic("GIF: an empty picture cannot be saved");
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* raw = EGifOpen(&out, writeToVector, &error);
    if (!raw) fail(GifErrorString(error) ? GifErrorString(error) : "cannot start writing");
    std::unique_ptr<GifFileType, GifWriterCloser> gif(raw);
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), FWidth, FHeight, 8, 0, nullptr) == GIF_ERROR) failGif(gif.get());
    if (FFrames.size() > 1) {
        GifByteType loop[3] = {1, static_cast<GifByteType>(FLoopCount & 0xFF), static_cast<GifByteType>(FLoopCount >> 8)};
        if (EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif.get(), 11, "NETSCAPE2.0") == GIF_ERROR ||
            EGifPutExtensionBlock(gif.get(), 3, loop) == GIF_ERROR || EGifPutExtensionTrailer(gif.get()) == GIF_ERROR)
            failGif(gif.get());
    }
    for (const auto& frame : FFrames) {
        TPixelBuffer pixels = FromImage(frame.Bitmap->Image());
        Palette palette = buildPalette(pixels);
        GraphicsControlBlock control{DISPOSE_BACKGROUND, false, (frame.DelayMs + 5) / 10,
                                     palette.Transparent ? 255 : NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR) failGif(gif.get());
        ColorMapObject* map = GifMakeMapObject(256, palette.Colors.data());
        int put = EGifPutImageDesc(gif.get(), 0, 0, pixels.Width, pixels.Height, false, map);
        GifFreeMapObject(map);
        if (put == GIF_ERROR) failGif(gif.get());
        for (int y = 0; y < pixels.Height; ++y)
            if (EGifPutLine(gif.get(), palette.Indexes.data() + std::size_t(y) * pixels.Width, pixels.Width) == GIF_ERROR)
                failGif(gif.get());
    }
    gif.reset();
    Stream.WriteBuffer(out.data(), static_cast<std::int64_t>(out.size()));
}
