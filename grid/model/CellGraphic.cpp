// The cell graphic: its kinds, what it owns, and the size of a picture in a cell.
#include "grid/model/CellGraphic.h"

#include <cmath>

#include "grid/base/AuxLists.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "grid/base/FilePicture.h"

TCellGraphic::~TCellGraphic() { FreeOwned(); }

void TCellGraphic::FreeOwned()
{
    // Only what the grid made is freed; a borrowed object never is, whatever
    // the kind says.
    if (!FCellCreated) return;
    delete FCellBitmap;
    delete FCellIcon;
    FCellBitmap = nullptr;
    FCellIcon = nullptr;
    FCellCreated = false;
}

void TCellGraphic::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TCellGraphic*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FCellType = source->FCellType;
    FCellVAlign = source->FCellVAlign;
    FCellHAlign = source->FCellHAlign;
    FCellIndex = source->FCellIndex;
    FCellTransparent = source->FCellTransparent;
    FCellValue = source->FCellValue;
    FCellAngle = source->FCellAngle;
    FCellBoolean = source->FCellBoolean;
    FCellErrFrom = source->FCellErrFrom;
    FCellErrLen = source->FCellErrLen;
    FCellText = source->FCellText;
    FCellBitmapColor = source->FCellBitmapColor;
    FCellIconColor = source->FCellIconColor;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctBitmap;
    FCellBitmap = ABmp;
    Place(hal, val);
    FCellTransparent = Transparent;
}

void TCellGraphic::SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctIcon;
    FCellIcon = aicon;
    Place(hal, val);
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctImageList;
    FCellIndex = idx;
    Place(hal, val);
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctDataImage;
    FCellIndex = idx;
    Place(hal, val);
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier)
{
    FreeOwned();
    FCellType = ctImages;
    Place(hal, val);
    FCellBoolean = dir == 0;
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    FCellBitmap = list;
    FCellCreated = true;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = Data ? ctDataCheckBox : ctCheckBox;
    FCellAngle = 0;
    FCellBoolean = Value;
    Place(hal, val);
    FCellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctTriStateCheckBox;
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    Place(hal, val);
    FCellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctRadioButton;
    FCellAngle = 0;
    FCellBoolean = Value;
    Place(hal, val);
    FCellTransparent = Flat;
}

void TCellGraphic::SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val)
{
    FCellType = ctButton;
    Place(hal, val);
    FCellIndex = static_cast<int>((static_cast<unsigned>(bw) & 0xFFFFu) | ((static_cast<unsigned>(bh) & 0xFFFFu) << 16));
    FCellBoolean = false;
    FCellText = caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    FCellType = ctBitButton;
    FCellBitmap = Glyph;
}

void TCellGraphic::SetAngle(int AAngle)
{
    FCellType = ctRotated;
    // Into 0..360 as repeated steps of 360 would bring it, in one step:
    // negative angles land in 0..359, larger ones in 1..360.
    if (AAngle < 0) {
        AAngle %= 360;
        if (AAngle < 0) AAngle += 360;
    } else if (AAngle > 360) {
        AAngle %= 360;
        if (AAngle == 0) AAngle = 360;
    }
    FCellAngle = AAngle;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject)
{
    FCellType = ctInterface;
    FCellBitmap = AObject;
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const
{
    int w = 0, h = 0;
    if (FCellType == ctPicture) {
        if (const auto* picture = dynamic_cast<const TPicture*>(FCellBitmap)) {
            w = picture->Width();
            h = picture->Height();
        }
    } else if (FCellType == ctFilePicture) {
        if (const auto* picture = dynamic_cast<const TFilePicture*>(FCellBitmap)) {
            w = picture->Width();
            h = picture->Height();
        }
    } else {
        return {0, 0};
    }
    return PictureSizeIn(w, h, cw, rh);
}

TPoint TCellGraphic::PictureSizeIn(int w, int h, int cw, int rh) const
{
    cw -= FCellIndex;
    rh -= FCellIndex;
    auto aspect = [&](double rx, double ry) {
        return rx >= ry ? TPoint{static_cast<int>(std::nearbyint(w * ry)), rh}
                        : TPoint{cw, static_cast<int>(std::nearbyint(h * rx))};
    };
    const double rx = w <= 0 ? 1.0 : static_cast<double>(cw) / w;
    const double ry = h <= 0 ? 1.0 : static_cast<double>(rh) / h;
    const bool fits = w <= cw && h <= rh;
    switch (FCellAngle) {
    case Stretch: return {cw, rh};
    case StretchWithAspectRatio: return aspect(rx, ry);
    case Shrink: return fits ? TPoint{w, h} : TPoint{cw, rh};
    case ShrinkWithAspectRatio: return fits ? TPoint{w, h} : aspect(std::min(rx, 1.0), std::min(ry, 1.0));
    default: return {w, h};
    }
}
