// The one graphic element or in-cell control a string-grid cell can show,
// hung on the cell's property object.
#pragma once

#include <string>

#include "grid/base/GridEnums.h"
#include "grid/base/GridEvents.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"
#include "platform/rtl/Variant.h"
#include "platform/ui/Buttons.h"

class TBitmap;
class TIcon;
class TIntList;

// Several kinds keep colours beside their objects (a progress bar's bar and
// background, a shape's line); they are held apart from the object slots so
// that no colour is ever taken for an object to free.
class TCellGraphic : public TPersistent {
    VISTRA_CLASS(TCellGraphic, TPersistent)

    TCellGraphic() = default;
    ~TCellGraphic() override;

    // Copies the kind and its values; the target keeps its own objects and
    // with them its own ownership flag, so a copy never claims to own what it
    // does not hold.
    void Assign(const TPersistent* Source) override;

    TCellType CellType() const noexcept { return FCellType; }
    void SetCellType(TCellType Value) noexcept { FCellType = Value; }
    TObject* CellBitmap() const noexcept { return FCellBitmap; }
    void SetCellBitmap(TObject* Value) noexcept { FCellBitmap = Value; }
    TIcon* CellIcon() const noexcept { return FCellIcon; }
    void SetCellIcon(TIcon* Value) noexcept { FCellIcon = Value; }
    // The colours kinds keep in the bitmap and icon slots.
    TColor CellBitmapColor() const noexcept { return FCellBitmapColor; }
    void SetCellBitmapColor(TColor Value) noexcept { FCellBitmapColor = Value; }
    TColor CellIconColor() const noexcept { return FCellIconColor; }
    void SetCellIconColor(TColor Value) noexcept { FCellIconColor = Value; }
    TCellVAlign CellVAlign() const noexcept { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign Value) noexcept { FCellVAlign = Value; }
    TCellHAlign CellHAlign() const noexcept { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign Value) noexcept { FCellHAlign = Value; }
    int CellIndex() const noexcept { return FCellIndex; }
    void SetCellIndex(int Value) noexcept { FCellIndex = Value; }
    bool CellTransparent() const noexcept { return FCellTransparent; }
    void SetCellTransparent(bool Value) noexcept { FCellTransparent = Value; }
    // The grid made the object in the bitmap (or icon) slot and owns it.
    bool CellCreated() const noexcept { return FCellCreated; }
    void SetCellCreated(bool Value) noexcept { FCellCreated = Value; }
    bool CellBoolean() const noexcept { return FCellBoolean; }
    void SetCellBoolean(bool Value) noexcept { FCellBoolean = Value; }
    int CellAngle() const noexcept { return FCellAngle; }
    void SetCellAngle(int Value) noexcept { FCellAngle = Value; }
    double CellValue() const noexcept { return FCellValue; }
    void SetCellValue(double Value) noexcept { FCellValue = Value; }
    int CellErrFrom() const noexcept { return FCellErrFrom; }
    void SetCellErrFrom(int Value) noexcept { FCellErrFrom = Value; }
    int CellErrLen() const noexcept { return FCellErrLen; }
    void SetCellErrLen(int Value) noexcept { FCellErrLen = Value; }
    const std::string& CellText() const noexcept { return FCellText; }
    void SetCellText(const std::string& Value) { FCellText = Value; }
    const Variant& CellVar() const noexcept { return FCellVar; }
    void SetCellVar(const Variant& Value) { FCellVar = Value; }
    TCheckBoxState CellCheckBoxState() const noexcept { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState Value) noexcept { FCellCheckBoxState = Value; }

    void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       TImageChangeEvent Notifier);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const std::string& caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
    void SetAngle(int AAngle);
    void SetInterfacedCell(TObject* AObject);

    // The size a picture graphic is drawn at in a cell of cw x rh, by its
    // padding and stretch mode; (0, 0) for other kinds.
    TPoint GetPictureSize(int cw, int rh, bool hastext) const;
    // The same for a picture of w x h.
    TPoint PictureSizeIn(int w, int h, int cw, int rh) const;
    // The packed button size and offset.
    int ButtonWidth() const noexcept { return FCellIndex & 0xFFFF; }
    int ButtonHeight() const noexcept { return (FCellIndex >> 16) & 0xFFFF; }

private:
    void Place(TCellHAlign hal, TCellVAlign val) noexcept
    {
        FCellHAlign = hal;
        FCellVAlign = val;
    }
    void FreeOwned();

    TCellType FCellType = ctNone;
    TObject* FCellBitmap = nullptr;
    TIcon* FCellIcon = nullptr;
    TColor FCellBitmapColor = clNone;
    TColor FCellIconColor = clNone;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    int FCellAngle = 0;
    double FCellValue = 0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    std::string FCellText;
    Variant FCellVar;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
};
