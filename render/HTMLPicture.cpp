// The HTML picture: keeps the encoded bytes, decodes the frame shown, and steps GIF animations by their delays.
#include "render/GifFrameHeaders.h"
#include "render/PictureContainer.h"

#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GifImage.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Strings.h"

#include <cstring>

using render::TGifFrameHeader;
using render::TGifLayout;

namespace {

constexpr int TickHundredths = 10;

std::unique_ptr<TGraphic> DecodeBytes(TMemoryStream& data)
{
    const auto size = static_cast<std::size_t>(data.Size());
    if (size == 0) throw EInvalidGraphic("Could not load image");
    std::unique_ptr<TGraphic> graphic = graphics::GraphicForContent(data.Memory(), size);
    if (!graphic) throw EInvalidGraphic("Could not load image. Invalid format");
    try {
        data.SetPosition(0);
        graphic->LoadFromStream(data);
    } catch (const Exception&) {
        throw EInvalidGraphic("Could not load image. Invalid format");
    }
    if (graphic->Empty()) throw EInvalidGraphic("Could not load image");
    return graphic;
}

bool StartsWith(const std::string& text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

THTMLPicture::THTMLPicture() : FDatastream(std::make_unique<TMemoryStream>()) {}

THTMLPicture::~THTMLPicture() = default;

int THTMLPicture::Width() const { return FDecoded ? FDecoded->Width() : 0; }

int THTMLPicture::Height() const { return FDecoded ? FDecoded->Height() : 0; }

int THTMLPicture::MaxWidth() const
{
    if (!FDecoded) return 0;
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int THTMLPicture::MaxHeight() const
{
    if (!FDecoded) return 0;
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

bool THTMLPicture::IsGIF() const
{
    return FDatastream->Size() > 4 && std::memcmp(FDatastream->Memory(), "GIF8", 4) == 0;
}

void THTMLPicture::ForgetDecoded()
{
    FDecoded.reset();
    FGifLayout.reset();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
}

void THTMLPicture::LoadData(TStream& Stream)
{
    FDatastream->LoadFromStream(Stream);
    // Frame counts and animation times belong to the bytes they were read from.
    ForgetDecoded();
    FIsEmpty = FDatastream->Size() == 0;
    if (FIsEmpty) throw EInvalidGraphic("Could not load image");
    DecodeCurrentFrame();
}

void THTMLPicture::LoadFromStream(TStream& Stream)
{
    LoadData(Stream);
    Changed();
}

void THTMLPicture::ReadData(TStream& Stream)
{
    std::int32_t size = 0;
    Stream.ReadBuffer(&size, 4);
    if (size < 0 || size > Stream.Size() - Stream.Position())
        throw EInvalidGraphic("Picture data of " + std::to_string(size) + " bytes runs past the end of the stream");
    if (size == 0) {
        // The stored form of an empty picture.
        Assign(nullptr);
        return;
    }
    TMemoryStream data;
    data.CopyFrom(Stream, size);
    LoadData(data);
}

void THTMLPicture::LoadFromFile(const std::string& FileName)
{
    try {
        TMemoryStream file;
        file.LoadFromFile(FileName);
        LoadFromStream(file);
    } catch (const std::exception&) {
        FDatastream->Clear();
        FIsEmpty = true;
        ForgetDecoded();
    }
}

void THTMLPicture::LoadFromResourceName(std::uintptr_t Instance, const std::string& ResName)
{
    if (!classes::ResourceExists(ResName, RT_RCDATA)) return;
    TResourceStream resource(Instance, ResName, RT_RCDATA);
    LoadFromStream(resource);
}

void THTMLPicture::LoadFromResourceID(std::uintptr_t Instance, int ResID)
{
    TResourceStream resource(Instance, "#" + std::to_string(ResID), RT_RCDATA);
    LoadFromStream(resource);
}

void THTMLPicture::LoadFromURL(const std::string& URL)
{
    // The scheme is matched in any case; the rest keeps its case, as file names on this system depend on it.
    std::string upper = UpperCase(URL);
    if (StartsWith(upper, "RES://")) {
        FID = URL;
        if (URL.size() > 6) LoadFromResourceName(HInstance, URL.substr(6));
    } else if (StartsWith(upper, "FILE://")) {
        FID = URL;
        if (URL.size() > 7) LoadFromFile(URL.substr(7));
    } else if (!FAsynch) {
        FURL = URL;
        FID = URL;
    } else if (!FThreadBusy) {
        FURL = URL;
        StartDownload();
    }
}

// Pictures load only from resources, files and streams: an asynchronous
// address is marked as being fetched, and nothing fetches it.
void THTMLPicture::StartDownload() { FThreadBusy = true; }

void THTMLPicture::SaveToStream(TStream& Stream) const
{
    if (FDatastream->Size() > 0) Stream.WriteBuffer(FDatastream->Memory(), FDatastream->Size());
}

const TGifLayout& THTMLPicture::GifLayout()
{
    if (!FGifLayout)
        FGifLayout = std::make_unique<TGifLayout>(
            render::ScanGifFrames(FDatastream->Memory(), static_cast<std::size_t>(FDatastream->Size())));
    return *FGifLayout;
}

int THTMLPicture::FrameCount()
{
    if (FFrameCount != -1) return FFrameCount;
    if (!IsGIF()) return -1;
    FFrameCount = static_cast<int>(GifLayout().Frames.size());
    return FFrameCount;
}

int THTMLPicture::FrameTime(int I)
{
    if (!IsGIF()) return -1;
    const auto& frames = GifLayout().Frames;
    if (I < 1 || I > static_cast<int>(frames.size())) return -1;
    const TGifFrameHeader& header = frames[static_cast<std::size_t>(I - 1)];
    FFrameTransp = header.Transparent;
    FFrameDisposal = header.Disposal;
    return header.DelayHundredths;
}

void THTMLPicture::DecodeCurrentFrame()
{
    FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = 0;
    FAnimMaxX = FAnimMaxY = 0;
    // The bytes are decoded once; moving to another frame only picks it from the decoded picture.
    if (!FDecoded) FDecoded = DecodeBytes(*FDatastream);

    // The GIF decoder composes every frame over the earlier ones, so the frame
    // shown is taken from it directly rather than from a shortened stream.
    auto* gif = dynamic_cast<TGIFImage*>(FDecoded.get());
    if (!gif || FrameCount() <= 0) return;
    const TGifLayout& layout = GifLayout();
    FAnimMaxX = layout.ScreenWidth;
    FAnimMaxY = layout.ScreenHeight;
    // A frame number outside the animation shows the first image.
    int image = 0;
    if (FFrame >= 1 && FFrame <= static_cast<int>(layout.Frames.size())) {
        const TGifFrameHeader& header = layout.Frames[static_cast<std::size_t>(FFrame - 1)];
        FFrameXPos = header.Left;
        FFrameYPos = header.Top;
        FFrameXSize = header.Width;
        FFrameYSize = header.Height;
        image = header.ImageIndex;
    }
    if (image < gif->FrameCount()) gif->SetCurrentFrame(image);
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FDatastream->Size() == 0) return;
    DecodeCurrentFrame();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    FFrame = FFrame < FrameCount() ? FFrame + 1 : 1;
}

void THTMLPicture::FramePrev()
{
    int count = FrameCount();
    FFrame = FFrame > 1 ? FFrame - 1 : (count >= 1 ? count : 1);
}

bool THTMLPicture::Step()
{
    if (FFrameCount < 2 || FIsEmpty) return false;
    if (FNextCount == -1) FNextCount = FrameTime(FFrame);
    bool moved = false;
    if (FTimerCount * TickHundredths >= FNextCount) {
        FrameNext();
        DecodeCurrentFrame();
        FNextCount += FrameTime(FFrame);
        moved = true;
    }
    ++FTimerCount;
    return moved;
}

void THTMLPicture::Draw(TCanvas& ACanvas, const TRect& Rect) const
{
    if (FIsEmpty || !FDecoded) return;
    if (FStretched) {
        FDecoded->Draw(ACanvas, Rect);
        return;
    }
    HDC dc = ACanvas.Handle();
    int width = FDecoded->Width() * GetDeviceCaps(dc, LOGPIXELSX) / ScreenPixelsPerInch;
    int height = FDecoded->Height() * GetDeviceCaps(dc, LOGPIXELSY) / ScreenPixelsPerInch;
    FDecoded->Draw(ACanvas, TRect{Rect.Left, Rect.Top, Rect.Left + width, Rect.Top + height});
}

void THTMLPicture::Assign(const TPersistent* Source)
{
    if (Source == this) return;
    FIsEmpty = true;
    ForgetDecoded();
    FFrame = 1;
    if (!Source) {
        FDatastream->Clear();
        return;
    }
    if (const auto* picture = dynamic_cast<const THTMLPicture*>(Source)) {
        FStretched = picture->FStretched;
        FFrame = picture->FFrame;
        FID = picture->FID;
        FDatastream->Clear();
        if (picture->FDatastream->Size() == 0) return;
        FDatastream->WriteBuffer(picture->FDatastream->Memory(), picture->FDatastream->Size());
        FIsEmpty = false;
        DecodeCurrentFrame();
        Changed();
        return;
    }
    // Any other source only resets the picture to its first frame.
    if (FDatastream->Size() > 0) SetFrame(1);
}
