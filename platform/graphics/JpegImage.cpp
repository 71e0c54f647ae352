// JPEG decoding and encoding through libjpeg; its fatal errors come back here by longjmp.
#include "platform/graphics/JpegImage.h"

#include "platform/graphics/PictureCursor.h"
#include "platform/graphics/PixelBuffer.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

using namespace graphics;

namespace {

// libjpeg ends a fatal error by calling error_exit; we jump back to the
// setjmp in the function that called it, which then throws. No C++ object
// lives between the two, so nothing is skipped.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, err->Message);
    std::longjmp(err->Jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    // A file that ends early is truncated, not a warning to draw grey over.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) onError(info);
}

ErrorManager* installErrors(jpeg_error_mgr* base)
{
    jpeg_std_error(base);
    base->error_exit = onError;
    base->emit_message = onMessage;
    auto* err = reinterpret_cast<ErrorManager*>(base);
    err->Message[0] = '\0';
    return err;
}

struct DecodeState {
    jpeg_decompress_struct Info;
    ErrorManager Errors;
    TPixelBuffer* Pixels;
    JSAMPLE* Row;
    bool Started;
};

// Returns an empty string on success, else libjpeg's message. Runs in C style:
// the longjmp target must not skip destructors.
std::string decodeInto(const std::vector<std::uint8_t>& data, DecodeState& s)
{
    s.Info.err = &installErrors(&s.Errors.Base)->Base;
    s.Started = false;
    s.Row = nullptr;
    if (setjmp(s.Errors.Jump)) {
        jpeg_destroy_decompress(&s.Info);
        std::free(s.Row);
        return s.Errors.Message[0] ? s.Errors.Message : "corrupt data";
    }
    jpeg_create_decompress(&s.Info);
    jpeg_mem_src(&s.Info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&s.Info, TRUE);
    bool cmyk = s.Info.jpeg_color_space == JCS_CMYK || s.Info.jpeg_color_space == JCS_YCCK;
    s.Info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    // Huffman coding spends at least a few bits on every 8 x 8 block, so
    // fewer than 4096 pixels fit in a byte; larger claims are refused before
    // libjpeg allocates for them.
    std::int64_t pixels = std::int64_t(s.Info.image_width) * s.Info.image_height;
    if (s.Info.image_width > unsigned(MaxBitmapSide) || s.Info.image_height > unsigned(MaxBitmapSide) ||
        pixels > MaxBitmapPixels || (pixels > MinCheckedPixels && pixels / 4096 > std::int64_t(data.size()))) {
        std::string message = "image of " + std::to_string(s.Info.image_width) + " x " +
                              std::to_string(s.Info.image_height) + " pixels is too large for its " +
                              std::to_string(data.size()) + " bytes";
        jpeg_destroy_decompress(&s.Info);
        return message;
    }
    jpeg_start_decompress(&s.Info);
    *s.Pixels = TPixelBuffer(static_cast<int>(s.Info.output_width), static_cast<int>(s.Info.output_height), false);
    int components = s.Info.output_components;
    s.Row = static_cast<JSAMPLE*>(std::malloc(std::size_t(s.Info.output_width) * components));
    bool inverted = cmyk && s.Info.saw_Adobe_marker;
    while (s.Info.output_scanline < s.Info.output_height) {
        int y = static_cast<int>(s.Info.output_scanline);
        JSAMPROW rows[1] = {s.Row};
        jpeg_read_scanlines(&s.Info, rows, 1);
        std::uint32_t* dst = s.Pixels->Row(y);
        for (unsigned x = 0; x < s.Info.output_width; ++x) {
            const JSAMPLE* p = s.Row + std::size_t(x) * components;
            std::uint32_t r, g, b;
            if (components == 1) {
                r = g = b = p[0];
            } else if (components == 4) {
                std::uint32_t c = p[0], m = p[1], ye = p[2], k = p[3];
                if (!inverted) c = 255 - c, m = 255 - m, ye = 255 - ye, k = 255 - k;
                r = c * k / 255, g = m * k / 255, b = ye * k / 255;
            } else {
                r = p[0], g = p[1], b = p[2];
            }
            dst[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    jpeg_finish_decompress(&s.Info);
    jpeg_destroy_decompress(&s.Info);
    std::free(s.Row);
    return {};
}

struct EncodeState {
    jpeg_compress_struct Info;
    ErrorManager Errors;
    unsigned char* Output;
    unsigned long OutputSize;
    JSAMPLE* Row;
};

std::string encodeFrom(const TPixelBuffer& pixels, int quality, bool grayscale, EncodeState& s)
{
    s.Info.err = &installErrors(&s.Errors.Base)->Base;
    s.Output = nullptr;
    s.OutputSize = 0;
    s.Row = nullptr;
    if (setjmp(s.Errors.Jump)) {
        jpeg_destroy_compress(&s.Info);
        std::free(s.Row);
        std::free(s.Output);
        s.Output = nullptr;
        return s.Errors.Message[0] ? s.Errors.Message : "encoding failed";
    }
    jpeg_create_compress(&s.Info);
    jpeg_mem_dest(&s.Info, &s.Output, &s.OutputSize);
    s.Info.image_width = static_cast<JDIMENSION>(pixels.Width);
    s.Info.image_height = static_cast<JDIMENSION>(pixels.Height);
    s.Info.input_components = 3;
    s.Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&s.Info);
    if (grayscale) jpeg_set_colorspace(&s.Info, JCS_GRAYSCALE);
    jpeg_set_quality(&s.Info, quality, TRUE);
    jpeg_start_compress(&s.Info, TRUE);
    s.Row = static_cast<JSAMPLE*>(std::malloc(std::size_t(pixels.Width) * 3));
    while (s.Info.next_scanline < s.Info.image_height) {
        const std::uint32_t* src = pixels.Row(static_cast<int>(s.Info.next_scanline));
        for (int x = 0; x < pixels.Width; ++x) {
            // Transparent pixels have no colour; they are saved as white.
            std::uint32_t p = src[x];
            std::uint32_t a = pixels.HasAlpha ? p >> 24 : 255;
            auto over = [a](std::uint32_t c) { return static_cast<JSAMPLE>((c * a + 255 * (255 - a) + 127) / 255); };
            s.Row[x * 3] = over((p >> 16) & 0xFF);
            s.Row[x * 3 + 1] = over((p >> 8) & 0xFF);
            s.Row[x * 3 + 2] = over(p & 0xFF);
        }
        JSAMPROW rows[1] = {s.Row};
        jpeg_write_scanlines(&s.Info, rows, 1);
    }
    jpeg_finish_compress(&s.Info);
    jpeg_destroy_compress(&s.Info);
    std::free(s.Row);
    return {};
}

} // namespace

void TJPEGImage::SetCompressionQuality(int Value)
{
    FCompressionQuality = std::clamp(Value, 1, 100);
}

void TJPEGImage::SetGrayscale(bool Value)
{
    if (Value == FGrayscale) return;
    FGrayscale = Value;
    Changed();
}

void TJPEGImage::Decode(const std::vector<std::uint8_t>& Data, TBitmap& Into)
{
    if (Data.size() < 3 || Data[0] != 0xFF || Data[1] != 0xD8) throw EInvalidGraphic("JPEG: the data is not a JPEG file");
    TPixelBuffer pixels;
    DecodeState state{};
    state.Pixels = &pixels;
    std::string error = decodeInto(Data, state);
    if (!error.empty()) throw EInvalidGraphic("JPEG: " + error);
    StoreInBitmap(Into, pixels);
}

std::vector<std::uint8_t> TJPEGImage::Encode(const TBitmap& From) const
{
    TPixelBuffer pixels = FromImage(From.Image());
    if (pixels.Width == 0 || pixels.Height == 0) throw EInvalidGraphic("JPEG: an empty picture cannot be saved");
    EncodeState state{};
    std::string error = encodeFrom(pixels, FCompressionQuality, FGrayscale, state);
    if (!error.empty()) throw EInvalidGraphic("JPEG: " + error);
    std::vector<std::uint8_t> out(state.Output, state.Output + state.OutputSize);
    std::free(state.Output);
    return out;
}
