// The base of the drawing wrappers: their allocator, status keeping, colour helpers and shared enumerations.
#pragma once

#include "platform/gdiplus/GdiPlusTypes.h"
#include "platform/graphics/Colors.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Text quality of the styled menus: GDI text, or drawing-library text with ClearType or greyscale smoothing.
enum TAntiAlias { aaNone, aaClearType, aaAntiAlias };

enum TGPImageFormat { ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon };

// Every wrapper lives in memory from the drawing library's allocator; when the
// library is not started yet, allocation starts it and tries once more.
class TGdiplusBase {
public:
    static void* operator new(std::size_t size);
    static void operator delete(void* ptr) noexcept;
    static void* operator new[](std::size_t) = delete;

protected:
    TGdiplusBase() = default;
    ~TGdiplusBase() = default;
};

ARGB ColorToOpaqueARGB(TColor Color) noexcept;
TGPPoint NewGPPoint(int X, int Y) noexcept;
TGPRectF NewGPRectF(float X, float Y, float Width, float Height) noexcept;
constexpr ARGB PackARGB(std::uint8_t A, std::uint8_t R, std::uint8_t G, std::uint8_t B) noexcept
{
    return (ARGB(A) << 24) | (ARGB(R) << 16) | (ARGB(G) << 8) | ARGB(B);
}
constexpr ARGB PackOpaqueRGB(std::uint8_t R, std::uint8_t G, std::uint8_t B) noexcept { return PackARGB(255, R, G, B); }
constexpr std::uint8_t ARGBRed(ARGB Color) noexcept { return (Color >> 16) & 0xFF; }
constexpr std::uint8_t ARGBGreen(ARGB Color) noexcept { return (Color >> 8) & 0xFF; }
constexpr std::uint8_t ARGBBlue(ARGB Color) noexcept { return Color & 0xFF; }

namespace render {

// The token of the process-wide start-up (replaced when allocation had to start the library again).
std::uintptr_t GdiplusToken() noexcept;

// Wrappers keep the last status that was not Ok; reading it clears it.
inline Status RecordStatus(Status& last, Status status) noexcept
{
    if (status != Ok) last = status;
    return status;
}

inline Status TakeStatus(Status& last) noexcept
{
    Status status = last;
    last = Ok;
    return status;
}

// Reads one value through a flat-API getter, keeping the call's status in
// last; the value stays initial when the getter does not set it.
template <typename Value, typename Native, typename Getter>
Value ReadValue(Status& last, Native* native, Getter get, Value initial)
{
    Value value = initial;
    RecordStatus(last, get(native, &value));
    return value;
}

// The first length characters of UTF-8 text; all of it for a negative length.
std::string_view LeadingCharacters(std::string_view text, int length);

// The native handle of a wrapper, or none for an absent one.
template <typename Wrapper>
auto NativeOf(const Wrapper* wrapper) noexcept -> decltype(wrapper->Native())
{
    return wrapper ? wrapper->Native() : nullptr;
}

} // namespace render
