// Text over Pango: layouts for logical fonts, metrics, text output and DrawText's formatting.
#include "platform/graphics/TextOutput.h"

#include "platform/graphics/FontMap.h"
#include "platform/graphics/GdiState.h"
#include "platform/graphics/PangoWrappers.h"
#include "platform/graphics/TextContext.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <tuple>

namespace graphics {

// The metrics of a face, measured once and kept.
TFontMetrics MetricsOfFace(const LOGFONT& font);

namespace {

constexpr double referencePixels = 100.0;

struct FontKey {
    std::string Family;
    int Weight;
    bool Italic;
    int EmPixels;
    auto operator<=>(const FontKey&) const = default;
};

PangoFontDescriptionPtr describe(const std::string& family, int weight, bool italic, double emPixels)
{
    PangoFontDescriptionPtr desc(pango_font_description_new());
    pango_font_description_set_family(desc.get(), family.c_str());
    pango_font_description_set_weight(desc.get(), static_cast<PangoWeight>(std::clamp(weight, 100, 1000)));
    pango_font_description_set_style(desc.get(), italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc.get(), emPixels * PANGO_SCALE);
    return desc;
}

struct RawMetrics {
    double Ascent, Descent, Height, ApproxWidth, DigitWidth;
};

RawMetrics rawMetrics(const std::string& family, int weight, bool italic, double emPixels)
{
    const PangoFontDescriptionPtr desc = describe(family, weight, italic, emPixels);
    const PangoFontMetricsPtr metrics(pango_context_get_metrics(SharedTextContext(), desc.get(), nullptr));
    PangoFontMetrics* m = metrics.get();
    return RawMetrics{pango_font_metrics_get_ascent(m) / double(PANGO_SCALE),
                      pango_font_metrics_get_descent(m) / double(PANGO_SCALE),
                      pango_font_metrics_get_height(m) / double(PANGO_SCALE),
                      pango_font_metrics_get_approximate_char_width(m) / double(PANGO_SCALE),
                      pango_font_metrics_get_approximate_digit_width(m) / double(PANGO_SCALE)};
}

// The character height in pixels of a logical font: a negative height is it,
// a positive one is the cell height (ascent + descent) it must fit.
int cellHeight(const std::string& family, int weight, bool italic, double emPixels)
{
    RawMetrics r = rawMetrics(family, weight, italic, emPixels);
    return static_cast<int>(std::ceil(r.Ascent - 0.01)) + static_cast<int>(std::ceil(r.Descent - 0.01));
}

// The character height in pixels of a logical font: a negative height is it,
// a positive one is the cell height (ascent + descent) it must fit.
double emPixelsOf(const LOGFONT& font, const std::string& family)
{
    if (font.lfHeight < 0) return -font.lfHeight;
    if (font.lfHeight == 0) return 11;
    static std::map<std::tuple<std::string, int, bool, int>, double> cache;
    auto key = std::make_tuple(family, font.lfWeight, font.lfItalic != 0, font.lfHeight);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    RawMetrics r = rawMetrics(family, font.lfWeight, font.lfItalic, referencePixels);
    double em = std::max(1.0, std::round(font.lfHeight * referencePixels / (r.Ascent + r.Descent)));
    // Rounding each metric up can overshoot the cell; step down until it fits.
    for (int step = 0; step < 4 && em > 1 && cellHeight(family, font.lfWeight, font.lfItalic, em) > font.lfHeight; ++step)
        em -= 1;
    return cache.emplace(key, em).first->second;
}

std::string familyOf(const LOGFONT& font)
{
    return MapFontName(font.lfFaceName.empty() ? std::string_view(DefFontName) : font.lfFaceName);
}

} // namespace

namespace {

bool sameFace(const LOGFONT& a, const LOGFONT& b)
{
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfFaceName == b.lfFaceName;
}

} // namespace

PangoLayout* LayoutFor(TDeviceContext&, const LOGFONT& font)
{
    static PangoLayout* layout = pango_layout_new(SharedTextContext());
    // Text is drawn cell after cell in one font: describe it only when it changes.
    static LOGFONT lastFont;
    static bool described = false;
    if (!described || !sameFace(font, lastFont)) {
        std::string family = familyOf(font);
        pango_layout_set_font_description(layout,
                                          describe(family, font.lfWeight, font.lfItalic, emPixelsOf(font, family)).get());
        lastFont = font;
        described = true;
    }
    pango_layout_set_attributes(layout, nullptr);
    pango_layout_set_width(layout, -1);
    pango_layout_set_height(layout, -1);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_NONE);
    pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT);
    pango_layout_set_single_paragraph_mode(layout, FALSE);
    pango_layout_set_tabs(layout, nullptr);
    pango_layout_set_auto_dir(layout, TRUE);
    if (font.lfUnderline || font.lfStrikeOut) {
        const PangoAttrListPtr attrs(pango_attr_list_new());
        if (font.lfUnderline) pango_attr_list_insert(attrs.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        if (font.lfStrikeOut) pango_attr_list_insert(attrs.get(), pango_attr_strikethrough_new(TRUE));
        pango_layout_set_attributes(layout, attrs.get());
    }
    return layout;
}

TFontMetrics MetricsFor(const LOGFONT& font)
{
    static LOGFONT lastFont;
    static std::optional<TFontMetrics> lastMetrics;
    if (lastMetrics && sameFace(font, lastFont)) return *lastMetrics;
    lastFont = font;
    lastMetrics = MetricsOfFace(font);
    return *lastMetrics;
}

TFontMetrics MetricsOfFace(const LOGFONT& font)
{
    std::string family = familyOf(font);
    int em = static_cast<int>(emPixelsOf(font, family));
    static std::map<FontKey, TFontMetrics> cache;
    FontKey key{family, font.lfWeight, font.lfItalic != 0, em};
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    RawMetrics r = rawMetrics(family, font.lfWeight, font.lfItalic, em);
    TFontMetrics m;
    m.Ascent = static_cast<int>(std::ceil(r.Ascent - 0.01));
    m.Descent = static_cast<int>(std::ceil(r.Descent - 0.01));
    m.InternalLeading = std::max(0, m.Ascent + m.Descent - em);
    m.ExternalLeading = std::max(0, static_cast<int>(std::lround(r.Height - r.Ascent - r.Descent)));
    m.AveCharWidth = std::max(1, static_cast<int>(std::lround(r.ApproxWidth)));
    m.MaxCharWidth = std::max(m.AveCharWidth, static_cast<int>(std::lround(em * 1.2)));
    m.FixedPitch = family.find("Mono") != std::string::npos;
    return cache.emplace(key, m).first->second;
}

} // namespace graphics

using namespace graphics;

namespace {

// Prefix processing: "&x" underlines x, "&&" is one "&". Returns the text to
// show and the byte ranges to underline.
std::string stripPrefixes(std::string_view text, bool underline, PangoAttrList* attrs)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            shown += text[i];
            continue;
        }
        if (i + 1 >= text.size()) break; // a lone trailing "&" shows nothing
        if (text[i + 1] == '&') {
            shown += '&';
            ++i;
            continue;
        }
        std::size_t start = shown.size();
        std::size_t len = 1;
        unsigned char lead = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xF0) len = 4;
        else if (lead >= 0xE0) len = 3;
        else if (lead >= 0xC0) len = 2;
        len = std::min(len, text.size() - i - 1);
        shown.append(text.substr(i + 1, len));
        if (underline && text[i + 1] != '\n' && text[i + 1] != '\r') {
            PangoAttribute* attr = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
            attr->start_index = static_cast<guint>(start);
            attr->end_index = static_cast<guint>(shown.size());
            pango_attr_list_insert(attrs, attr);
        }
        i += len;
    }
    return shown;
}

void mergeFontAttributes(PangoLayout* layout, PangoAttrList* extra)
{
    PangoAttrList* current = pango_layout_get_attributes(layout);
    const PangoAttrListPtr merged(current ? pango_attr_list_copy(current) : pango_attr_list_new());
    const PangoAttrIteratorPtr it(pango_attr_list_get_iterator(extra));
    do {
        GSList* list = pango_attr_iterator_get_attrs(it.get());
        for (GSList* l = list; l; l = l->next) pango_attr_list_insert(merged.get(), static_cast<PangoAttribute*>(l->data));
        g_slist_free(list);
    } while (pango_attr_iterator_next(it.get()));
    pango_layout_set_attributes(layout, merged.get());
}

void setTabs(PangoLayout* layout, int tabPixels)
{
    const PangoTabArrayPtr tabs(pango_tab_array_new(1, TRUE));
    pango_tab_array_set_tab(tabs.get(), 0, PANGO_TAB_LEFT, std::max(1, tabPixels));
    pango_layout_set_tabs(layout, tabs.get());
}

void showLayout(TDeviceContext& dc, PangoLayout* layout, double x, double y, int escapement, const TRect* clip,
                bool opaque)
{
    cairo_t* cr = dc.Cr;
    cairo_save(cr);
    if (clip) {
        cairo_rectangle(cr, clip->Left, clip->Top, clip->Width(), clip->Height());
        cairo_clip(cr);
    }
    cairo_translate(cr, x, y);
    if (escapement != 0) cairo_rotate(cr, -escapement * std::numbers::pi / 1800.0);
    if (dc.State.Mirrored) {
        // Text keeps reading left to right in a mirrored context.
        PangoRectangle logical;
        pango_layout_get_pixel_extents(layout, nullptr, &logical);
        cairo_translate(cr, logical.width, 0);
        cairo_scale(cr, -1, 1);
    }
    if (opaque) {
        PangoRectangle logical;
        pango_layout_get_pixel_extents(layout, nullptr, &logical);
        SetSourceColor(cr, dc.State.BkColor);
        cairo_rectangle(cr, logical.x, logical.y, logical.width, logical.height);
        cairo_fill(cr);
    }
    SetSourceColor(cr, dc.State.TextColor);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
}

} // namespace

bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, std::string_view Text)
{
    if (!DC) return false;
    if (Rect && (Options & ETO_OPAQUE)) {
        cairo_save(DC->Cr);
        SetSourceColor(DC->Cr, DC->State.BkColor);
        cairo_rectangle(DC->Cr, Rect->Left, Rect->Top, Rect->Width(), Rect->Height());
        cairo_fill(DC->Cr);
        cairo_restore(DC->Cr);
    }
    if (Text.empty()) return true;
    PangoLayout* layout = LayoutFor(*DC, DC->State.Font);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    pango_layout_set_text(layout, Text.data(), static_cast<int>(Text.size()));
    showLayout(*DC, layout, X, Y, DC->State.Font.lfEscapement, Rect && (Options & ETO_CLIPPED) ? Rect : nullptr,
               DC->State.BkMode == OPAQUE_MODE && !(Rect && (Options & ETO_OPAQUE)));
    return true;
}

bool TextOut(HDC DC, int X, int Y, std::string_view Text) { return ExtTextOut(DC, X, Y, 0, nullptr, Text); }

bool GetTextExtentPoint32(HDC DC, std::string_view Text, TSize& Size)
{
    if (!DC) return false;
    if (Text.empty()) {
        TFontMetrics m = MetricsFor(DC->State.Font);
        Size = {0, m.Ascent + m.Descent};
        return true;
    }
    PangoLayout* layout = LayoutFor(*DC, DC->State.Font);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    pango_layout_set_text(layout, Text.data(), static_cast<int>(Text.size()));
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    Size = {logical.width, logical.height};
    return true;
}

bool GetTextMetrics(HDC DC, TEXTMETRIC& Metrics)
{
    if (!DC) return false;
    const LOGFONT& font = DC->State.Font;
    TFontMetrics m = MetricsFor(font);
    Metrics = TEXTMETRIC{};
    Metrics.tmHeight = m.Ascent + m.Descent;
    Metrics.tmAscent = m.Ascent;
    Metrics.tmDescent = m.Descent;
    Metrics.tmInternalLeading = m.InternalLeading;
    Metrics.tmExternalLeading = m.ExternalLeading;
    Metrics.tmAveCharWidth = m.AveCharWidth;
    Metrics.tmMaxCharWidth = m.MaxCharWidth;
    Metrics.tmWeight = font.lfWeight;
    Metrics.tmDigitizedAspectX = Metrics.tmDigitizedAspectY = ScreenPixelsPerInch;
    Metrics.tmFirstChar = 0x20;
    Metrics.tmLastChar = 0xFFFC;
    Metrics.tmDefaultChar = 0x1F;
    Metrics.tmBreakChar = 0x20;
    Metrics.tmItalic = font.lfItalic;
    Metrics.tmUnderlined = font.lfUnderline;
    Metrics.tmStruckOut = font.lfStrikeOut;
    Metrics.tmPitchAndFamily = static_cast<std::uint8_t>(TMPF_TRUETYPE | TMPF_VECTOR | (m.FixedPitch ? 0 : TMPF_FIXED_PITCH));
    Metrics.tmCharSet = font.lfCharSet;
    return true;
}

int DrawText(HDC DC, std::string_view Text, TRect& Rect, unsigned Format)
{
    return DrawTextEx(DC, Text, Rect, Format, nullptr);
}

int DrawTextEx(HDC DC, std::string_view Text, TRect& Rect, unsigned Format, DRAWTEXTPARAMS* Params)
{
    if (!DC) return 0;
    TFontMetrics metrics = MetricsFor(DC->State.Font);
    PangoLayout* layout = LayoutFor(*DC, DC->State.Font);

    const PangoAttrListPtr prefixAttrs(pango_attr_list_new());
    std::string shown = (Format & DT_NOPREFIX)
                            ? std::string(Text)
                            : stripPrefixes(Text, !(Format & (DT_HIDEPREFIX | DT_PREFIXONLY)), prefixAttrs.get());
    // On a single line, line breaks show as spaces rather than as glyphs for control characters.
    if (Format & DT_SINGLELINE) std::replace_if(shown.begin(), shown.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    mergeFontAttributes(layout, prefixAttrs.get());

    int leftMargin = Params ? Params->iLeftMargin : 0;
    int rightMargin = Params ? Params->iRightMargin : 0;
    TRect area{Rect.Left + leftMargin, Rect.Top, Rect.Right - rightMargin, Rect.Bottom};
    int tabChars = Params && Params->iTabLength > 0 ? Params->iTabLength : 8;
    if (Format & DT_TABSTOP) tabChars = std::max(1u, (Format >> 8) & 0xFF);
    if (Format & DT_EXPANDTABS) setTabs(layout, tabChars * metrics.AveCharWidth);

    bool single = Format & DT_SINGLELINE;
    bool wrap = (Format & DT_WORDBREAK) && !single;
    pango_layout_set_single_paragraph_mode(layout, single);
    if (Format & DT_RTLREADING) {
        pango_layout_set_auto_dir(layout, FALSE);
        pango_context_set_base_dir(pango_layout_get_context(layout), PANGO_DIRECTION_RTL);
        pango_layout_context_changed(layout);
    }
    if (wrap) {
        pango_layout_set_width(layout, std::max(1, area.Width()) * PANGO_SCALE);
        pango_layout_set_wrap(layout, (Format & DT_EDITCONTROL) ? PANGO_WRAP_WORD_CHAR : PANGO_WRAP_WORD);
    }
    bool ellipsis = Format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
    if (ellipsis && !(Format & DT_CALCRECT)) {
        pango_layout_set_width(layout, std::max(1, area.Width()) * PANGO_SCALE);
        pango_layout_set_ellipsize(layout, (Format & DT_PATH_ELLIPSIS) ? PANGO_ELLIPSIZE_MIDDLE : PANGO_ELLIPSIZE_END);
        // With wrapping, the last line that fits is the one shortened.
        if (wrap) pango_layout_set_height(layout, std::max(1, area.Height()) * PANGO_SCALE);
    }
    int lineSpacing = (Format & DT_EXTERNALLEADING) ? metrics.ExternalLeading : 0;
    if (lineSpacing) pango_layout_set_spacing(layout, lineSpacing * PANGO_SCALE);
    pango_layout_set_text(layout, shown.data(), static_cast<int>(shown.size()));

    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    int lineHeight = metrics.Ascent + metrics.Descent;
    int textHeight = shown.empty() ? lineHeight : std::max(logical.height, lineHeight) + lineSpacing;
    int textWidth = shown.empty() ? 0 : logical.width;
    if (Params) Params->uiLengthDrawn = static_cast<unsigned>(Text.size());

    if (Format & DT_CALCRECT) {
        if (Format & DT_RTLREADING) {
            pango_context_set_base_dir(pango_layout_get_context(layout), PANGO_DIRECTION_LTR);
            pango_layout_context_changed(layout);
        }
        Rect.Right = area.Left + textWidth + rightMargin;
        Rect.Bottom = Rect.Top + textHeight;
        return textHeight;
    }

    double x = area.Left;
    if (!wrap && !ellipsis) {
        // Lines are aligned within the widest one, which is placed in the rectangle.
        PangoAlignment align = (Format & DT_CENTER) ? PANGO_ALIGN_CENTER
                               : (Format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                     : PANGO_ALIGN_LEFT;
        pango_layout_set_alignment(layout, align);
        if (Format & DT_CENTER) x = area.Left + (area.Width() - textWidth) / 2;
        else if (Format & DT_RIGHT) x = area.Right - textWidth;
        x -= logical.x;
    } else {
        pango_layout_set_alignment(layout, (Format & DT_CENTER)  ? PANGO_ALIGN_CENTER
                                           : (Format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                                 : PANGO_ALIGN_LEFT);
    }
    double y = area.Top;
    int result = textHeight;
    if (single && (Format & DT_VCENTER)) {
        y = area.Top + (area.Height() - textHeight) / 2;
        result = static_cast<int>(y) - area.Top + textHeight;
    } else if (single && (Format & DT_BOTTOM)) {
        y = area.Bottom - textHeight;
        result = area.Height();
    }
    TRect clip = area;
    showLayout(*DC, layout, x, y, 0, (Format & DT_NOCLIP) ? nullptr : &clip, DC->State.BkMode == OPAQUE_MODE);
    if (Format & DT_RTLREADING) {
        pango_context_set_base_dir(pango_layout_get_context(layout), PANGO_DIRECTION_LTR);
        pango_layout_context_changed(layout);
    }
    return result;
}
