// Handles and records of the GDI-style drawing routines: device contexts, objects, logical fonts.
#pragma once

#include <cstdint>
#include <string>

namespace graphics {
struct TDeviceContext;
class TGdiObject;
} // namespace graphics

// A device context: the drawing target with its selected objects, origin and clip.
using HDC = graphics::TDeviceContext*;
// A font, pen, brush or region selected into or used with a device context.
using HGDIOBJ = graphics::TGdiObject*;
using HFONT = HGDIOBJ;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HRGN = HGDIOBJ;

constexpr int LF_FACESIZE = 32;

// A font as the drawing routines select it. A negative height is the
// character height in pixels, a positive one the cell height; 0 takes a default.
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;  // text angle in tenths of a degree, counter-clockwise
    int lfOrientation = 0;
    int lfWeight = 400;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 1;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    std::string lfFaceName;
};

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr std::uint8_t DEFAULT_PITCH = 0;
constexpr std::uint8_t FIXED_PITCH = 1;
constexpr std::uint8_t VARIABLE_PITCH = 2;
constexpr std::uint8_t ANSI_CHARSET = 0;
constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t SYMBOL_CHARSET = 2;
