// The picture holder: choosing the graphic class by content, extension or class name.
#include "platform/graphics/Picture.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GifImage.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"
#include "platform/graphics/RasterGraphic.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

namespace graphics {

std::unique_ptr<TGraphic> GraphicForContent(const std::uint8_t* Data, std::size_t Size)
{
    auto starts = [&](const char* magic, std::size_t n) { return Size >= n && std::memcmp(Data, magic, n) == 0; };
    if (starts("BM", 2)) return std::make_unique<TBitmap>();
    if (starts("\x89PNG\r\n\x1A\n", 8)) return std::make_unique<TPngImage>();
    if (starts("\xFF\xD8\xFF", 3)) return std::make_unique<TJPEGImage>();
    if (starts("GIF87a", 6) || starts("GIF89a", 6)) return std::make_unique<TGIFImage>();
    if (starts("\0\0\1\0", 4) || starts("\0\0\2\0", 4)) return std::make_unique<TIcon>();
    return nullptr;
}

std::unique_ptr<TGraphic> GraphicForClassName(std::string_view Name)
{
    auto is = [&](const char* n) { return Name.size() == std::strlen(n) && strncasecmp(Name.data(), n, Name.size()) == 0; };
    if (is("TBitmap")) return std::make_unique<TBitmap>();
    if (is("TPngImage") || is("TPNGObject") || is("TPNGGraphic")) return std::make_unique<TPngImage>();
    if (is("TJPEGImage")) return std::make_unique<TJPEGImage>();
    if (is("TGIFImage")) return std::make_unique<TGIFImage>();
    if (is("TIcon")) return std::make_unique<TIcon>();
    return nullptr;
}

} // namespace graphics

using namespace graphics;

namespace {

std::unique_ptr<TGraphic> graphicForExtension(const std::string& fileName)
{
    auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos) return nullptr;
    std::string ext = fileName.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "bmp" || ext == "dib") return std::make_unique<TBitmap>();
    if (ext == "png") return std::make_unique<TPngImage>();
    if (ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "jfif") return std::make_unique<TJPEGImage>();
    if (ext == "gif") return std::make_unique<TGIFImage>();
    if (ext == "ico" || ext == "cur") return std::make_unique<TIcon>();
    return nullptr;
}

std::unique_ptr<TGraphic> loadGraphic(TStream& stream, const std::string& fileName)
{
    std::vector<std::uint8_t> data = ReadRemaining(stream);
    std::unique_ptr<TGraphic> graphic = GraphicForContent(data.data(), data.size());
    if (!graphic && !fileName.empty()) graphic = graphicForExtension(fileName);
    if (!graphic) throw EInvalidGraphic("Unknown picture file format" + (fileName.empty() ? "" : " in " + fileName));
    TMemoryStream memory;
    if (!data.empty()) memory.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    memory.SetPosition(0);
    graphic->LoadFromStream(memory);
    return graphic;
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange) OnChange(this);
}

void TPicture::Replace(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* Value)
{
    if (Value == FGraphic.get()) return;
    if (!Value) {
        Replace(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = GraphicForClassName(Value->ClassName());
    if (!copy) throw EInvalidGraphic("Cannot copy a picture of class " + Value->ClassName());
    copy->Assign(Value);
    Replace(std::move(copy));
}

void TPicture::Assign(const TPersistent* Source)
{
    if (!Source) {
        Replace(nullptr);
        return;
    }
    if (auto* picture = dynamic_cast<const TPicture*>(Source)) {
        if (picture != this) SetGraphic(picture->Graphic());
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest) const
{
    if (auto* graphic = dynamic_cast<TGraphic*>(Dest)) {
        graphic->Assign(FGraphic.get());
        return;
    }
    TPersistent::AssignTo(Dest);
}

TBitmap* TPicture::Bitmap()
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get())) return bitmap;
    auto bitmap = std::make_unique<TBitmap>();
    if (FGraphic) bitmap->Assign(FGraphic.get());
    TBitmap* result = bitmap.get();
    Replace(std::move(bitmap));
    return result;
}

TIcon* TPicture::Icon()
{
    if (auto* icon = dynamic_cast<TIcon*>(FGraphic.get())) return icon;
    auto icon = std::make_unique<TIcon>();
    TIcon* result = icon.get();
    Replace(std::move(icon));
    return result;
}

int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }
int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const std::string& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    Replace(loadGraphic(stream, FileName));
}

void TPicture::LoadFromStream(TStream& Stream) { Replace(loadGraphic(Stream, {})); }

void TPicture::SaveToFile(const std::string& FileName) const
{
    if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::SaveToStream(TStream& Stream) const
{
    if (FGraphic) FGraphic->SaveToStream(Stream);
}

void TPicture::ReadData(TStream& Stream)
{
    std::uint8_t length = 0;
    Stream.ReadBuffer(&length, 1);
    std::string name(length, '\0');
    if (length) Stream.ReadBuffer(name.data(), length);
    if (name.empty()) {
        Replace(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> graphic = GraphicForClassName(name);
    if (!graphic) throw EInvalidGraphic("Unknown picture class " + name);
    graphic->ReadData(Stream);
    Replace(std::move(graphic));
}

void TPicture::WriteData(TStream& Stream) const
{
    std::string name = FGraphic ? FGraphic->ClassName() : std::string();
    std::uint8_t length = static_cast<std::uint8_t>(std::min<std::size_t>(name.size(), 255));
    Stream.WriteBuffer(&length, 1);
    Stream.WriteBuffer(name.data(), length);
    if (FGraphic) FGraphic->WriteData(Stream);
}
