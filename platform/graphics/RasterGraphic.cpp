// The compressed picture base: a bitmap inside, decoding and encoding through the derived codec.
#include "platform/graphics/RasterGraphic.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Canvas.h"

namespace graphics {

std::vector<std::uint8_t> ReadRemaining(TStream& Stream)
{
    std::int64_t remaining = Stream.Size() - Stream.Position();
    if (remaining < 0) remaining = 0;
    if (remaining > (std::int64_t(1) << 31)) throw EInvalidGraphic("Picture stream is too large");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(remaining));
    if (!bytes.empty()) Stream.ReadBuffer(bytes.data(), remaining);
    return bytes;
}

TRasterGraphic::TRasterGraphic() : FBitmap(std::make_unique<TBitmap>()) { Watch(); }

void TRasterGraphic::Watch()
{
    FBitmap->OnChange = [this](TObject*) { BitmapChanged(); };
}
TRasterGraphic::~TRasterGraphic() = default;

void TRasterGraphic::Assign(const TPersistent* Source)
{
    if (auto* raster = dynamic_cast<const TRasterGraphic*>(Source)) {
        if (raster == this) return;
        FBitmap->Assign(raster->FBitmap.get());
        TGraphic::SetTransparent(raster->Transparent());
        return;
    }
    if (auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        FBitmap->Assign(bitmap);
        if (FBitmap->PixelFormat() != pf32bit) FBitmap->SetPixelFormat(pf24bit);
        TGraphic::SetTransparent(bitmap->Transparent());
        return;
    }
    TGraphic::Assign(Source);
}

void TRasterGraphic::AssignTo(TPersistent* Dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
        bitmap->Assign(FBitmap.get());
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TRasterGraphic::SetWidth(int Value) { FBitmap->SetWidth(Value); }

void TRasterGraphic::SetHeight(int Value) { FBitmap->SetHeight(Value); }

void TRasterGraphic::SetTransparent(bool Value)
{
    FBitmap->SetTransparent(Value && FBitmap->PixelFormat() != pf32bit);
    TGraphic::SetTransparent(Value);
}

void TRasterGraphic::LoadFromStream(TStream& Stream)
{
    std::vector<std::uint8_t> data = ReadRemaining(Stream);
    // Decode into a new bitmap so that a bad file leaves the picture as it was.
    auto decoded = std::make_unique<TBitmap>();
    Decode(data, *decoded);
    FBitmap = std::move(decoded);
    Watch();
    TGraphic::SetTransparent(FBitmap->PixelFormat() == pf32bit);
    Changed();
}

void TRasterGraphic::SaveToStream(TStream& Stream) const
{
    std::vector<std::uint8_t> data = Encode(*FBitmap);
    Stream.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
}

void TRasterGraphic::Draw(TCanvas& ACanvas, const TRect& Rect) const { FBitmap->Draw(ACanvas, Rect); }

} // namespace graphics
