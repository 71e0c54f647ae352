// Pictures in an RTF document: a bitmap wrapped in a one-record metafile, written as hexadecimal text.
#include "memo/RTFEngine.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <cstdint>

namespace {

// Larger pictures are squeezed into this many pixels each way.
constexpr int MaxPictureSide = 150;
constexpr size_t BmpFileHeaderSize = 14;
constexpr size_t HexBytesPerLine = 64;

// Little-endian hexadecimal of the low Bytes bytes of Value, upper case.
std::string HexLE(std::uint32_t value, int bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (int i = 0; i < bytes; ++i, value >>= 8) {
        out += digits[(value >> 4) & 0xF];
        out += digits[value & 0xF];
    }
    return out;
}

// Windows metafile header and the records before the bitmap: window origin
// and extent, text and background colours, stretch mode, and the head of a
// StretchDIBits record that copies the whole bitmap. RecordWords is the
// StretchDIBits record's size in 16-bit words.
std::string MetafileHead(std::uint32_t recordWords, int width, int height)
{
    const std::string h = HexLE(static_cast<std::uint32_t>(height), 2);
    const std::string w = HexLE(static_cast<std::uint32_t>(width), 2);
    return "010009000003" + HexLE(recordWords + 36, 4) + "0000" + HexLE(recordWords, 4) +
           "0000050000000b0200000000050000000c02" + h + w +
           "05000000090200000000050000000102ffffff000400000007010300" + HexLE(recordWords, 4) +
           "430f2000cc000000" + h + w + "00000000" + h + w + "00000000\r\n";
}

} // namespace

std::string TRTFEngine::AddPicture(TPicture* Picture)
{
    if (!Picture || !Picture->Graphic() || Picture->Graphic()->Empty()) return {};
    const int width = std::min(Picture->Width(), MaxPictureSide);
    const int height = std::min(Picture->Height(), MaxPictureSide);
    if (width <= 0 || height <= 0) return {};

    TBitmap bitmap(width, height);
    bitmap.SetPixelFormat(pf24bit);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(TRect{0, 0, width, height});
    canvas.StretchDraw(TRect{0, 0, width, height}, Picture->Graphic());

    TMemoryStream bmp;
    bitmap.SaveToStream(bmp);
    const std::vector<std::uint8_t>& bytes = bmp.Bytes();
    if (bytes.size() <= BmpFileHeaderSize) return {};
    const std::uint32_t fileSize = bytes[2] | (bytes[3] << 8) | (bytes[4] << 16) | (std::uint32_t(bytes[5]) << 24);
    const std::uint32_t recordWords = fileSize / 2 + 7;

    std::string text = "{\\sb0\\li0\\sl0\\slmult0 {\\pict\\wmetafile8\\picw" + std::to_string(Round(width * 25.3)) +
                       "\\pich" + std::to_string(Round(height * 25.3)) + "\\picbmp\\picbpp4\r\n";
    text += MetafileHead(recordWords, width, height);
    for (size_t line = BmpFileHeaderSize; line < bytes.size(); line += HexBytesPerLine) {
        const size_t end = std::min(bytes.size(), line + HexBytesPerLine);
        for (size_t i = line; i < end; ++i)
            text += HexLE(bytes[i], 1);
        text += "\r\n";
    }
    text += "030000000000}}\r\n";
    AppendRTF(text, false);
    return text;
}
