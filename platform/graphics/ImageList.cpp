// The image list: images kept with alpha, drawn enabled or greyed.
#include "platform/graphics/ImageList.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <string>

using namespace graphics;

namespace {

// Cuts a strip into images of the list's size; pixels the mask test accepts become clear.
template <class IsMasked>
std::vector<std::unique_ptr<TBitmap>> cut(const TBitmap& image, int width, int height, IsMasked isMasked)
{
    TPixelBuffer pixels = FromImage(image.Image());
    std::vector<std::unique_ptr<TBitmap>> parts;
    int count = std::max(1, pixels.Width / width);
    for (int i = 0; i < count; ++i) {
        TPixelBuffer part(width, height, true);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                int sx = i * width + x;
                std::uint32_t p = (sx < pixels.Width && y < pixels.Height) ? pixels.Row(y)[sx] : 0;
                part.Row(y)[x] = (sx < pixels.Width && y < pixels.Height && isMasked(sx, y, p)) ? 0 : p;
            }
        auto bitmap = std::make_unique<TBitmap>();
        StoreInBitmap(*bitmap, part);
        parts.push_back(std::move(bitmap));
    }
    return parts;
}

std::uint32_t pixelOf(TColor color)
{
    TColorRef c = static_cast<TColorRef>(ColorToRGB(color));
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

} // namespace

TImageList::TImageList(int AWidth, int AHeight) : FWidth(std::max(1, AWidth)), FHeight(std::max(1, AHeight)) {}
TImageList::~TImageList() = default;

void TImageList::Changed()
{
    if (OnChange) OnChange(this);
}

void TImageList::Assign(const TPersistent* Source)
{
    if (auto* list = dynamic_cast<const TImageList*>(Source)) {
        if (list == this) return;
        FWidth = list->FWidth;
        FHeight = list->FHeight;
        FImages.clear();
        for (const auto& image : list->FImages) {
            auto copy = std::make_unique<TBitmap>();
            copy->Assign(image.get());
            FImages.push_back(std::move(copy));
        }
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TImageList::SetWidth(int Value)
{
    Value = std::max(1, Value);
    if (Value == FWidth) return;
    FWidth = Value;
    Clear();
}

void TImageList::SetHeight(int Value)
{
    Value = std::max(1, Value);
    if (Value == FHeight) return;
    FHeight = Value;
    Clear();
}

int TImageList::Add(const TBitmap* Image, const TBitmap* Mask)
{
    if (!Image || Image->Empty()) throw EInvalidOperation("Invalid image: the image is empty");
    int first = Count();
    TPixelBuffer mask;
    if (Mask && !Mask->Empty()) mask = FromImage(Mask->Image());
    bool alpha = Image->PixelFormat() == pf32bit;
    auto parts = cut(*Image, FWidth, FHeight, [&](int x, int y, std::uint32_t p) {
        if (alpha && (p >> 24) == 0) return true;
        if (mask.Width == 0 || x >= mask.Width || y >= mask.Height) return false;
        return (mask.Row(y)[x] & 0xFFFFFF) == 0xFFFFFF;
    });
    for (auto& part : parts) FImages.push_back(std::move(part));
    Changed();
    return first;
}

int TImageList::AddMasked(const TBitmap* Image, TColor MaskColor)
{
    if (!Image || Image->Empty()) throw EInvalidOperation("Invalid image: the image is empty");
    int first = Count();
    std::uint32_t key = pixelOf(MaskColor == clDefault ? Image->TransparentColor() : MaskColor);
    auto parts = cut(*Image, FWidth, FHeight, [&](int, int, std::uint32_t p) { return (p & 0xFFFFFF) == key; });
    for (auto& part : parts) FImages.push_back(std::move(part));
    Changed();
    return first;
}

void TImageList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EInvalidOperation("Image index out of bounds (" + std::to_string(Index) + ")");
}

void TImageList::Delete(int Index)
{
    CheckIndex(Index);
    FImages.erase(FImages.begin() + Index);
    Changed();
}

void TImageList::Clear()
{
    FImages.clear();
    Changed();
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (!Canvas || Index < 0 || Index >= Count()) return;
    const TBitmap& image = *FImages[static_cast<std::size_t>(Index)];
    if (Enabled) {
        Canvas->Draw(X, Y, &image);
        return;
    }
    // Greyed: the luminance lightened halfway towards white, keeping the alpha.
    TPixelBuffer pixels = FromImage(image.Image());
    for (auto& p : pixels.Pixels) {
        std::uint32_t lum = (299 * ((p >> 16) & 0xFF) + 587 * ((p >> 8) & 0xFF) + 114 * (p & 0xFF)) / 1000;
        std::uint32_t grey = (lum + 255) / 2;
        p = (p & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
    }
    TBitmap greyed;
    StoreInBitmap(greyed, pixels);
    Canvas->Draw(X, Y, &greyed);
}

void TImageList::GetBitmap(int Index, TBitmap* Image) const
{
    CheckIndex(Index);
    if (!Image) return;
    Image->SetSize(FWidth, FHeight);
    TCanvas* canvas = Image->Canvas();
    canvas->FillRect(Rect(0, 0, FWidth, FHeight));
    canvas->Draw(0, 0, FImages[static_cast<std::size_t>(Index)].get());
}

bool ImageList_Draw(const TImageList* List, int Index, HDC DC, int X, int Y, unsigned Style)
{
    if (!List || !DC || Index < 0 || Index >= List->Count()) return false;
    TCanvas canvas;
    canvas.SetHandle(DC);
    List->Draw(&canvas, X, Y, Index, (Style & ILD_DISABLED) == 0);
    canvas.SetHandle(nullptr);
    return true;
}

bool ImageList_GetIconSize(const TImageList* List, int& Width, int& Height)
{
    if (!List) return false;
    Width = List->Width();
    Height = List->Height();
    return true;
}
