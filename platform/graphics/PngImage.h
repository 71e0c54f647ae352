// The PNG picture.
#pragma once

#include "platform/graphics/RasterGraphic.h"

class TPngImage : public graphics::TRasterGraphic {
    VISTRA_CLASS(TPngImage, graphics::TRasterGraphic)

protected:
    void Decode(const std::vector<std::uint8_t>& Data, TBitmap& Into) override;
    std::vector<std::uint8_t> Encode(const TBitmap& From) const override;
};
