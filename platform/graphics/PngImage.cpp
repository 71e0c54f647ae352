// PNG decoding and encoding through libpng's simplified interface, which reports every error as a result.
#include "platform/graphics/PngImage.h"

#include "platform/graphics/PictureCursor.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/rtl/ScopeExit.h"

#include <png.h>

#include <string>

using namespace graphics;

void TPngImage::Decode(const std::vector<std::uint8_t>& Data, TBitmap& Into)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, Data.data(), Data.size()))
        throw EInvalidGraphic(std::string("PNG: ") + image.message);
    // Freeing twice is harmless: the finishing read frees the image itself.
    const rtl::ScopeExit release([&image] { png_image_free(&image); });
    // Deflate expands at most 1032 times and a pixel takes at least one bit.
    CheckImageSize("PNG", image.width, image.height, Data.size(), 8 * 1032);
    bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    // BGRA bytes are 0xAARRGGBB words on this little-endian machine.
    image.format = PNG_FORMAT_BGRA;
    TPixelBuffer pixels(static_cast<int>(image.width), static_cast<int>(image.height), hasAlpha);
    if (!png_image_finish_read(&image, nullptr, pixels.Pixels.data(), 0, nullptr))
        throw EInvalidGraphic(std::string("PNG: ") + image.message);
    StoreInBitmap(Into, pixels);
}

std::vector<std::uint8_t> TPngImage::Encode(const TBitmap& From) const
{
    TPixelBuffer pixels = FromImage(From.Image());
    if (pixels.Width == 0 || pixels.Height == 0) throw EInvalidGraphic("PNG: an empty picture cannot be saved");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixels.Width);
    image.height = static_cast<png_uint_32>(pixels.Height);
    std::vector<std::uint8_t> rgb;
    const void* buffer = pixels.Pixels.data();
    if (pixels.HasAlpha) {
        image.format = PNG_FORMAT_BGRA;
    } else {
        image.format = PNG_FORMAT_BGR;
        rgb.resize(pixels.Pixels.size() * 3);
        for (std::size_t i = 0; i < pixels.Pixels.size(); ++i) {
            std::uint32_t p = pixels.Pixels[i];
            rgb[i * 3] = p & 0xFF;
            rgb[i * 3 + 1] = (p >> 8) & 0xFF;
            rgb[i * 3 + 2] = (p >> 16) & 0xFF;
        }
        buffer = rgb.data();
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, buffer, 0, nullptr))
        throw EInvalidGraphic(std::string("PNG: ") + image.message);
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, buffer, 0, nullptr))
        throw EInvalidGraphic(std::string("PNG: ") + image.message);
    out.resize(size);
    return out;
}
