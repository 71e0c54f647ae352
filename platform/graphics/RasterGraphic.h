// The shared base of the compressed picture classes: a bitmap inside, a codec around it.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace graphics {

// A picture that decodes into one bitmap and encodes from it. Assigning a
// TBitmap takes its pixels; assigning to a TBitmap gives them back unchanged.
class TRasterGraphic : public TGraphic {
    VISTRA_CLASS(TRasterGraphic, TGraphic)

    TRasterGraphic();
    ~TRasterGraphic() override;

    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FBitmap->Empty(); }
    int Width() const override { return FBitmap->Width(); }
    int Height() const override { return FBitmap->Height(); }
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    void SetTransparent(bool Value) override;

    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;

    // The decoded pixels (the picture's own bitmap).
    TBitmap& Bitmap() const { return *FBitmap; }

protected:
    void AssignTo(TPersistent* Dest) const override;
    // Decodes a whole file into the bitmap, raising EInvalidGraphic on bad data.
    virtual void Decode(const std::vector<std::uint8_t>& Data, TBitmap& Into) = 0;
    virtual std::vector<std::uint8_t> Encode(const TBitmap& From) const = 0;
    // The pixels changed (drawn on, resized or replaced).
    virtual void BitmapChanged() { Changed(); }

private:
    void Watch();

    std::unique_ptr<TBitmap> FBitmap;
};

// All bytes from the stream's position to its end.
std::vector<std::uint8_t> ReadRemaining(TStream& Stream);

} // namespace graphics
