// A list of same-sized images with masks, drawn by index, enabled or greyed.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiTypes.h"

#include <memory>
#include <vector>

class TBitmap;
class TCanvas;

class TImageList : public TPersistent {
    VISTRA_CLASS(TImageList, TPersistent)

    explicit TImageList(int AWidth = 16, int AHeight = 16);
    ~TImageList() override;

    void Assign(const TPersistent* Source) override;

    int Width() const noexcept { return FWidth; }
    int Height() const noexcept { return FHeight; }
    // Changing the size empties the list, as the images no longer fit.
    void SetWidth(int Value);
    void SetHeight(int Value);
    int Count() const noexcept { return static_cast<int>(FImages.size()); }

    // Adds the image (and further images when it is a multiple of Width
    // wide), with the mask's white pixels transparent; returns the first index.
    int Add(const TBitmap* Image, const TBitmap* Mask);
    // Adds the image with the pixels of MaskColor transparent.
    int AddMasked(const TBitmap* Image, TColor MaskColor);
    void Delete(int Index);
    void Clear();

    // Draws image Index with its top-left corner at (X, Y); disabled images are greyed.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // Puts image Index into Image at the list's size, transparent pixels drawn on the bitmap's brush colour.
    void GetBitmap(int Index, TBitmap* Image) const;

    TNotifyEvent OnChange;

private:
    void CheckIndex(int Index) const;
    void Changed();

    int FWidth;
    int FHeight;
    // Each image as a 32-bit bitmap whose masked pixels are clear.
    std::vector<std::unique_ptr<TBitmap>> FImages;
};

// Draw styles of ImageList_Draw: as stored, or greyed as a disabled image.
constexpr unsigned ILD_NORMAL = 0;
constexpr unsigned ILD_DISABLED = 0x100;
// Draws image Index of List into a device context at (X, Y); false when there
// is no such image.
bool ImageList_Draw(const TImageList* List, int Index, HDC DC, int X, int Y, unsigned Style);
// The size of the list's images; false without a list.
bool ImageList_GetIconSize(const TImageList* List, int& Width, int& Height);
