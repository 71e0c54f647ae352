// The JPEG picture.
#pragma once

#include "platform/graphics/RasterGraphic.h"

constexpr int JPEGDefaultQuality = 90;

class TJPEGImage : public graphics::TRasterGraphic {
    VISTRA_CLASS(TJPEGImage, graphics::TRasterGraphic)

    // Quality 1 to 100 used when the picture is saved.
    int CompressionQuality() const noexcept { return FCompressionQuality; }
    void SetCompressionQuality(int Value);
    bool Grayscale() const noexcept { return FGrayscale; }
    void SetGrayscale(bool Value);

protected:
    void Decode(const std::vector<std::uint8_t>& Data, TBitmap& Into) override;
    std::vector<std::uint8_t> Encode(const TBitmap& From) const override;

private:
    int FCompressionQuality = JPEGDefaultQuality;
    bool FGrayscale = false;
};
