// The icon picture: an ICO file with one or more images, drawn from the largest.
#pragma once

#include "platform/graphics/RasterGraphic.h"

#include <cstdint>
#include <vector>

class TIcon : public graphics::TRasterGraphic {
    VISTRA_CLASS(TIcon, graphics::TRasterGraphic)

    // The number of images the file holds (1 for an icon made from a bitmap).
    int ImageCount() const noexcept { return FImageCount; }

    void Assign(const TPersistent* Source) override;

protected:
    void Decode(const std::vector<std::uint8_t>& Data, TBitmap& Into) override;
    std::vector<std::uint8_t> Encode(const TBitmap& From) const override;
    void BitmapChanged() override;

private:
    // The file as read, saved back unchanged while the pixels are not replaced.
    std::vector<std::uint8_t> FOriginal;
    int FImageCount = 0;
};
