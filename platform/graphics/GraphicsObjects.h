// Fonts, pens and brushes: the persistent drawing attributes of a canvas.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiTypes.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

class TBitmap;

namespace graphics {

// A set over a small enumeration, one bit per value.
template <class E>
class TEnumSet {
public:
    constexpr TEnumSet() noexcept = default;
    constexpr TEnumSet(std::initializer_list<E> values) noexcept
    {
        for (E v : values) FBits |= bit(v);
    }
    constexpr bool Contains(E v) const noexcept { return (FBits & bit(v)) != 0; }
    constexpr TEnumSet& Include(E v) noexcept { FBits |= bit(v); return *this; }
    constexpr TEnumSet& Exclude(E v) noexcept { FBits &= ~bit(v); return *this; }
    constexpr bool Empty() const noexcept { return FBits == 0; }
    constexpr std::uint32_t Bits() const noexcept { return FBits; }
    constexpr TEnumSet operator|(TEnumSet o) const noexcept { return FromBits(FBits | o.FBits); }
    constexpr TEnumSet operator&(TEnumSet o) const noexcept { return FromBits(FBits & o.FBits); }
    constexpr TEnumSet operator-(TEnumSet o) const noexcept { return FromBits(FBits & ~o.FBits); }
    static constexpr TEnumSet FromBits(std::uint32_t bits) noexcept
    {
        TEnumSet s;
        s.FBits = bits;
        return s;
    }
    friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

private:
    static constexpr std::uint32_t bit(E v) noexcept { return 1u << static_cast<unsigned>(v); }
    std::uint32_t FBits = 0;
};

struct GdiObjectDeleter {
    void operator()(TGdiObject* Object) const noexcept;
};
using TGdiObjectPtr = std::unique_ptr<TGdiObject, GdiObjectDeleter>;

} // namespace graphics

// The base of fonts, pens and brushes: a change raises OnChange.
class TGraphicsObject : public TPersistent {
    VISTRA_CLASS(TGraphicsObject, TPersistent)

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = graphics::TEnumSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = std::uint8_t;

constexpr const char* DefFontName = "Tahoma";
constexpr int DefFontSize = 8;
// Screen resolution every measurement assumes.
constexpr int ScreenPixelsPerInch = 96;

class TFont : public TGraphicsObject {
    VISTRA_CLASS(TFont, TGraphicsObject)

    TFont();
    ~TFont() override;

    void Assign(const TPersistent* Source) override;

    const std::string& Name() const noexcept { return FName; }
    void SetName(const std::string& Value);
    // Size in points and Height in pixels at PixelsPerInch; setting one sets
    // the other. A negative height is the character height, as in LOGFONT.
    int Size() const noexcept;
    void SetSize(int Value);
    int Height() const noexcept { return FHeight; }
    void SetHeight(int Value);
    TFontStyles Style() const noexcept { return FStyle; }
    void SetStyle(TFontStyles Value);
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    TFontCharset Charset() const noexcept { return FCharset; }
    void SetCharset(TFontCharset Value);
    TFontPitch Pitch() const noexcept { return FPitch; }
    void SetPitch(TFontPitch Value);
    // Text angle in tenths of a degree, counter-clockwise.
    int Orientation() const noexcept { return FOrientation; }
    void SetOrientation(int Value);
    int PixelsPerInch() const noexcept { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : ScreenPixelsPerInch; }

    // The logical font this object describes, and a font handle made from it
    // that stays owned by this object (valid until the next change).
    LOGFONT LogFont() const;
    HFONT Handle();
    // Takes name, height, style, charset, pitch and orientation from a font handle.
    void SetHandle(HFONT Value);

protected:
    void Changed() override;

private:
    std::string FName = DefFontName;
    int FHeight;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    int FOrientation = 0;
    int FPixelsPerInch = ScreenPixelsPerInch;
    graphics::TGdiObjectPtr FHandle;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// How the pen's colour combines with the pixels under it (raster operation).
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
    pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

class TPen : public TGraphicsObject {
    VISTRA_CLASS(TPen, TGraphicsObject)

    void Assign(const TPersistent* Source) override;

    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    int Width() const noexcept { return FWidth; }
    void SetWidth(int Value);
    TPenStyle Style() const noexcept { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const noexcept { return FMode; }
    void SetMode(TPenMode Value);

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
    VISTRA_CLASS(TBrush, TGraphicsObject)

    void Assign(const TPersistent* Source) override;

    TColor Color() const noexcept { return FColor; }
    // Setting a colour on a clear brush makes it solid.
    void SetColor(TColor Value);
    TBrushStyle Style() const noexcept { return FStyle; }
    void SetStyle(TBrushStyle Value);
    // A pattern bitmap tiled instead of the colour; not owned by the brush.
    TBitmap* Bitmap() const noexcept { return FBitmap; }
    void SetBitmap(TBitmap* Value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
};
