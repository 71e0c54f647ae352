// The encoded-bytes picture: loading, assigning, decoding on demand and drawing.
#include "render/GDIPicture.h"

#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Strings.h"
#include "render/QuillGDIPGraphics.h"
#include "render/QuillGDIPImages.h"

#include <new>

TGDIPPicture::TGDIPPicture() : FDatastream(std::make_unique<TMemoryStream>()) {}

TGDIPPicture::~TGDIPPicture() = default;

void TGDIPPicture::RaiseClear()
{
    if (OnClear) OnClear(this);
}

void TGDIPPicture::Assign(const TPersistent* Source)
{
    FIsEmpty = true;
    if (!Source) {
        FDatastream->Clear();
        Changed();
        RaiseClear();
    } else if (auto* picture = dynamic_cast<const TGDIPPicture*>(Source)) {
        FDatastream->Clear();
        FDatastream->WriteBuffer(picture->FDatastream->Memory(), picture->FDatastream->Size());
        FIsEmpty = FDatastream->Size() == 0;
        Changed();
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        FDatastream->Clear();
        bitmap->SaveToStream(*FDatastream);
        FIsEmpty = false;
        Changed();
    } else if (auto* holder = dynamic_cast<const TPicture*>(Source); holder && holder->Graphic()) {
        FDatastream->Clear();
        holder->Graphic()->SaveToStream(*FDatastream);
        FIsEmpty = false;
        Changed();
    }
    GetImageSizes();
}

void TGDIPPicture::LoadFromFile(const std::string& FileName)
{
    try {
        FDatastream->LoadFromFile(FileName);
        FIsEmpty = false;
        FFileName = FileName;
        RaiseClear();
        GetImageSizes();
        Changed();
    } catch (const Exception&) {
        FIsEmpty = true;
    }
}

void TGDIPPicture::LoadFromStream(TStream& Stream)
{
    FDatastream->LoadFromStream(Stream);
    FIsEmpty = false;
    GetImageSizes();
    Changed();
}

void TGDIPPicture::SaveToStream(TStream& Stream) const
{
    if (FDatastream->Size() > 0) Stream.WriteBuffer(FDatastream->Memory(), FDatastream->Size());
}

void TGDIPPicture::ReadData(TStream& Stream)
{
    std::int32_t size = 0;
    Stream.ReadBuffer(&size, 4);
    if (size < 0 || size > Stream.Size() - Stream.Position())
        throw EInvalidGraphic("Picture data of " + std::to_string(size) + " bytes runs past the end of the stream");
    FDatastream->Clear();
    if (size > 0) FDatastream->CopyFrom(Stream, size);
    FIsEmpty = false;
}

void TGDIPPicture::LoadFromResourceName(std::uintptr_t Instance, std::string_view ResName)
{
    if (!classes::ResourceExists(ResName, RT_RCDATA)) return;
    TResourceStream resource(Instance, ResName, RT_RCDATA);
    LoadFromStream(resource);
}

void TGDIPPicture::LoadFromResourceID(std::uintptr_t Instance, int ResID)
{
    TResourceStream resource(Instance, "#" + std::to_string(ResID), RT_RCDATA);
    LoadFromStream(resource);
}

void TGDIPPicture::LoadFromURL(std::string_view url)
{
    const std::string upper = UpperCase(url);
    if (upper.starts_with("RES://")) {
        if (url.size() > 6) LoadFromResourceName(HInstance, url.substr(6));
    } else if (upper.starts_with("FILE://")) {
        if (url.size() > 7) LoadFromFile(std::string(url.substr(7)));
    }
}

std::unique_ptr<TGPImage> TGDIPPicture::Decode() const
{
    if (FIsEmpty || FDatastream->Size() == 0) return nullptr;
    // The decoder reads a stream of its own, so the picture's position never moves.
    TMemoryStream buffer;
    try {
        buffer.SetSize(FDatastream->Size());
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Could not allocate memory for image");
    }
    buffer.SetPosition(0);
    buffer.WriteBuffer(FDatastream->Memory(), FDatastream->Size());
    buffer.SetPosition(0);
    return std::make_unique<TGPImage>(&buffer, false);
}

bool TGDIPPicture::GetImageSizes()
{
    std::unique_ptr<TGPImage> image = Decode();
    if (!image) return false;
    FWidth = static_cast<int>(image->GetWidth());
    FHeight = static_cast<int>(image->GetHeight());
    return image->GetLastStatus() == Ok;
}

void TGDIPPicture::Draw(TCanvas& ACanvas, const TRect& Rect) const
{
    std::unique_ptr<TGPImage> image = Decode();
    if (!image) return;
    if (image->GetFormat() == ifBMP) {
        TBitmap bitmap;
        FDatastream->SetPosition(0);
        bitmap.LoadFromStream(*FDatastream);
        bitmap.SetTransparent(true);
        ACanvas.StretchDraw(Rect, &bitmap);
        return;
    }
    FWidth = static_cast<int>(image->GetWidth());
    FHeight = static_cast<int>(image->GetHeight());
    TGPGraphics graphics(ACanvas.Handle());
    graphics.DrawImageRect(image.get(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

void TGDIPPicture::DrawImage(TGPGraphics& Graphics, int X, int Y)
{
    if (std::unique_ptr<TGPImage> image = Decode()) Graphics.DrawImage(image.get(), X, Y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics& Graphics, int X, int Y, int W, int H)
{
    if (std::unique_ptr<TGPImage> image = Decode()) Graphics.DrawImageRect(image.get(), X, Y, W, H);
}
