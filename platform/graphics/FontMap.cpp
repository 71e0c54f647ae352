// The font-name map and the private font set that keeps text metrics identical on every machine.
#include "platform/graphics/FontMap.h"

#include "platform/graphics/CairoWrappers.h"
#include "platform/graphics/PangoWrappers.h"
#include "platform/graphics/TextContext.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <strings.h>

#include <vector>

namespace graphics {
namespace {

constexpr const char* sansFamily = "Liberation Sans";
constexpr const char* serifFamily = "Liberation Serif";
constexpr const char* monoFamily = "Liberation Mono";
constexpr const char* symbolFamily = "DejaVu Sans";

struct FontAlias {
    const char* Requested;
    const char* Family;
};

constexpr FontAlias fontAliases[] = {
    {"Tahoma", sansFamily}, {"MS Sans Serif", sansFamily}, {"Microsoft Sans Serif", sansFamily},
    {"MS Shell Dlg", sansFamily}, {"MS Shell Dlg 2", sansFamily}, {"Segoe UI", sansFamily},
    {"Arial", sansFamily}, {"Helvetica", sansFamily}, {"Verdana", sansFamily}, {"Calibri", sansFamily},
    {"Comic Sans MS", sansFamily}, {"Century Gothic", sansFamily}, {"System", sansFamily},
    {"Sans", sansFamily}, {"sans-serif", sansFamily}, {"Liberation Sans", sansFamily},
    {"Times New Roman", serifFamily}, {"Times", serifFamily}, {"Century", serifFamily},
    {"Georgia", serifFamily}, {"Cambria", serifFamily}, {"Serif", serifFamily},
    {"Liberation Serif", serifFamily},
    {"Courier New", monoFamily}, {"Courier", monoFamily}, {"FixedSys", monoFamily},
    {"Lucida Console", monoFamily}, {"Consolas", monoFamily}, {"Terminal", monoFamily},
    {"Monospace", monoFamily}, {"Liberation Mono", monoFamily},
    {"Symbol", symbolFamily}, {"Wingdings", symbolFamily}, {"Marlett", symbolFamily},
    {"DejaVu Sans", symbolFamily}, {"DejaVu Serif", "DejaVu Serif"}, {"DejaVu Sans Mono", "DejaVu Sans Mono"},
};

constexpr const char* fontFiles[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Italic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Italic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-BoldItalic.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
    nullptr,
};

// After the family asked for, the fixed fonts are tried first for a character
// it lacks; only what none of them has comes from the machine's other fonts.
constexpr const char* fixedFirstRule = R"(<?xml version="1.0"?>
<fontconfig>
  <match target="pattern">
    <edit name="family" mode="append_last"><string>DejaVu Sans</string></edit>
  </match>
</fontconfig>
)";

// True when the font is one of the fixed ones or another copy of their families.
bool isFixed(FcPattern* font, const std::vector<FcPattern*>& fixed)
{
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch) return false;
    for (FcPattern* own : fixed) {
        FcChar8* ownFamily = nullptr;
        if (FcPatternGetString(own, FC_FAMILY, 0, &ownFamily) == FcResultMatch && FcStrCmpIgnoreCase(ownFamily, family) == 0)
            return true;
    }
    return false;
}

// The machine's installed fonts join as fallbacks, so Chinese, Japanese or
// emoji show in whatever font has them instead of as boxes. Their patterns
// come from the machine's own font caches; no file is opened here.
void addInstalledFallbacks(FcConfig* config)
{
    FcConfig* installed = FcInitLoadConfigAndFonts();
    if (!installed) return;
    FcFontSet* fonts = FcConfigGetFonts(installed, FcSetSystem);
    FcFontSet* ours = FcConfigGetFonts(config, FcSetApplication);
    // Adding may move the set's array: the fixed fonts are listed apart first.
    const std::vector<FcPattern*> fixed = ours ? std::vector<FcPattern*>(ours->fonts, ours->fonts + ours->nfont)
                                               : std::vector<FcPattern*>{};
    for (int i = 0; fonts && ours && i < fonts->nfont; ++i) {
        if (isFixed(fonts->fonts[i], fixed)) continue;
        FcPattern* copy = FcPatternDuplicate(fonts->fonts[i]);
        if (copy && !FcFontSetAdd(ours, copy)) FcPatternDestroy(copy);
    }
    FcConfigDestroy(installed);
}

PangoContext* createContext()
{
    // A configuration of our own holds the fixed files first, so the fonts the
    // Parts name always match them and text measures the same everywhere.
    FcConfig* config = FcConfigCreate();
    for (const char* const* file = fontFiles; *file; ++file)
        FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(*file));
    FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(fixedFirstRule), FcFalse);
    addInstalledFallbacks(config);
    const PangoFontMapPtr fontMap(pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT));
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap.get()), config);
    FcConfigDestroy(config);
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap.get()), ScreenDpi);

    PangoContext* context = pango_font_map_create_context(fontMap.get());
    const CairoFontOptionsPtr options(cairo_font_options_create());
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_subpixel_order(options.get(), CAIRO_SUBPIXEL_ORDER_DEFAULT);
    pango_cairo_context_set_font_options(context, options.get());
    pango_cairo_context_set_resolution(context, ScreenDpi);
    pango_context_set_round_glyph_positions(context, TRUE);
    return context;
}

} // namespace

std::string MapFontName(std::string_view Name)
{
    for (const auto& alias : fontAliases) {
        std::string_view requested(alias.Requested);
        if (requested.size() == Name.size() && strncasecmp(requested.data(), Name.data(), Name.size()) == 0)
            return alias.Family;
    }
    return sansFamily;
}

PangoContext* SharedTextContext()
{
    static PangoContext* context = createContext();
    return context;
}

} // namespace graphics
