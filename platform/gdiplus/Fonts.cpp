// Font families and fonts, matched against the fonts the font map installs.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/graphics/FontMap.h"
#include "platform/graphics/TextContext.h"
#include "platform/rtl/GLibWrappers.h"

#include <pango/pangocairo.h>

#include <new>
#include <strings.h>

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool isInstalledFamily(std::string_view name)
{
    PangoFontMap* fontMap = pango_context_get_font_map(graphics::SharedTextContext());
    PangoFontFamily** list = nullptr;
    int count = 0;
    pango_font_map_list_families(fontMap, &list, &count);
    const rtl::GArrayPtr<PangoFontFamily*> families(list);
    bool found = false;
    for (int i = 0; i < count && !found; ++i) found = sameName(pango_font_family_get_name(families.get()[i]), name);
    return found;
}

// The font map draws every unknown name with its sans family, so a name that
// maps there is only a font of ours when it is one of the sans faces programs
// ask for by name.
bool isKnownFamily(std::string_view name)
{
    static constexpr std::string_view sansFaces[] = {
        "Arial", "Tahoma", "Segoe UI", "MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2",
        "Verdana", "Helvetica", "Calibri", "Sans", "sans-serif",
    };
    if (isInstalledFamily(name)) return true;
    for (std::string_view face : sansFaces)
        if (sameName(face, name)) return true;
    return graphics::MapFontName(name) != graphics::MapFontName("");
}

Status makeFamily(std::string_view name, GpFontFamily** fontFamily)
{
    if (!fontFamily) return InvalidParameter;
    *fontFamily = new (std::nothrow) GpFontFamily{std::string(name), graphics::MapFontName(name)};
    return *fontFamily ? Ok : OutOfMemory;
}

} // namespace

double GpFont::EmPixels() const
{
    constexpr double dpi = graphics::ScreenDpi;
    switch (Unit) {
    case UnitPoint: return EmSize * dpi / 72.0;
    case UnitInch: return EmSize * dpi;
    case UnitDocument: return EmSize * dpi / 300.0;
    case UnitMillimeter: return EmSize * dpi / 25.4;
    default: return EmSize;
    }
}

Status GdipCreateFontFamilyFromName(std::string_view name, void* /*fontCollection*/, GpFontFamily** fontFamily)
{
    if (!fontFamily) return InvalidParameter;
    if (name.empty() || !isKnownFamily(name)) return FontFamilyNotFound;
    return makeFamily(name, fontFamily);
}

Status GdipDeleteFontFamily(GpFontFamily* fontFamily)
{
    if (!fontFamily) return InvalidParameter;
    delete fontFamily;
    return Ok;
}

Status GdipCloneFontFamily(GpFontFamily* fontFamily, GpFontFamily** clonedFontFamily)
{
    if (!fontFamily) return InvalidParameter;
    return makeFamily(fontFamily->Name, clonedFontFamily);
}

Status GdipGetGenericFontFamilySansSerif(GpFontFamily** nativeFamily) { return makeFamily("Microsoft Sans Serif", nativeFamily); }
Status GdipGetGenericFontFamilySerif(GpFontFamily** nativeFamily) { return makeFamily("Times New Roman", nativeFamily); }
Status GdipGetGenericFontFamilyMonospace(GpFontFamily** nativeFamily) { return makeFamily("Courier New", nativeFamily); }

Status GdipCreateFont(const GpFontFamily* fontFamily, float emSize, int style, Unit_ unit, GpFont** font)
{
    if (!fontFamily || !font || !(emSize > 0) || unit == UnitDisplay || style < 0 || style > 15) return InvalidParameter;
    *font = new (std::nothrow) GpFont{*fontFamily, emSize, style, unit};
    return *font ? Ok : OutOfMemory;
}

Status GdipDeleteFont(GpFont* font)
{
    if (!font) return InvalidParameter;
    delete font;
    return Ok;
}

Status GdipGetFontStyle(GpFont* font, int* style) { return gdiplus::ReadOut(font, style, &GpFont::Style); }

Status GdipGetFontSize(GpFont* font, float* size) { return gdiplus::ReadOut(font, size, &GpFont::EmSize); }
