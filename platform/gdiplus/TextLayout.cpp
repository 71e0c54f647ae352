// Measuring and drawing strings with Pango, laid out in a rectangle by a string format.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/gdiplus/Painting.h"
#include "platform/graphics/PangoWrappers.h"
#include "platform/graphics/TextContext.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

// One text context per kind of antialiasing, on the font map every other text uses.
PangoContext* contextFor(TextRenderingHint hint)
{
    cairo_antialias_t antialias = CAIRO_ANTIALIAS_GRAY;
    int slot = 0;
    if (hint == TextRenderingHintClearTypeGridFit) {
        antialias = CAIRO_ANTIALIAS_SUBPIXEL;
        slot = 1;
    } else if (hint == TextRenderingHintSingleBitPerPixel || hint == TextRenderingHintSingleBitPerPixelGridFit) {
        antialias = CAIRO_ANTIALIAS_NONE;
        slot = 2;
    }
    static PangoContext* contexts[3] = {};
    if (!contexts[slot]) {
        PangoContext* context = pango_font_map_create_context(pango_context_get_font_map(graphics::SharedTextContext()));
        const graphics::CairoFontOptionsPtr options(cairo_font_options_create());
        cairo_font_options_set_antialias(options.get(), antialias);
        cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(context, options.get());
        pango_cairo_context_set_resolution(context, graphics::ScreenDpi);
        pango_context_set_round_glyph_positions(context, TRUE);
        contexts[slot] = context;
    }
    return contexts[slot];
}

// Text without prefix marks: "&&" stays one "&", a single "&" goes; the
// character after it is underlined when the marks are shown.
void setPrefixedText(PangoLayout* layout, std::string_view text, bool underline, PangoAttrList* attrs)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && underline) {
                std::size_t length = 1;
                while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
                PangoAttribute* mark = pango_attr_underline_new(PANGO_UNDERLINE_LOW);
                mark->start_index = static_cast<guint>(plain.size());
                mark->end_index = static_cast<guint>(plain.size() + length);
                pango_attr_list_insert(attrs, mark);
            }
        }
        plain += text[i];
    }
    pango_layout_set_text(layout, plain.data(), static_cast<int>(plain.size()));
}

struct TextBlock {
    graphics::PangoLayoutPtr Layout;
    double X = 0, Y = 0;          // where the layout is drawn
    double Width = 0, Height = 0; // of the laid-out text
    double TextX = 0;             // where the text starts inside the layout, after alignment
    double Padding = 0;           // left and right of the text inside its box
};

TextBlock layOut(TextRenderingHint hint, std::string_view text, const GpFont& font, const TGPRectF& rect,
                 const GpStringFormat* format)
{
    const GpStringFormat defaults;
    const GpStringFormat& f = format ? *format : defaults;
    // Text from files may hold bytes that are not UTF-8; they show as replacement characters.
    std::string repaired;
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
        repaired = valid;
        g_free(valid);
        text = repaired;
    }
    if (!(f.Flags & StringFormatFlagsMeasureTrailingSpaces))
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);

    TextBlock block;
    block.Layout.reset(pango_layout_new(contextFor(hint)));
    PangoLayout* layout = block.Layout.get();
    const graphics::PangoFontDescriptionPtr owned(pango_font_description_new());
    PangoFontDescription* desc = owned.get();
    pango_font_description_set_family(desc, font.Family.FaceFamily.c_str());
    pango_font_description_set_weight(desc, font.Style & FontStyleBold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, font.Style & FontStyleItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc, std::max(1.0, font.EmPixels()) * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);

    const graphics::PangoAttrListPtr ownedAttrs(pango_attr_list_new());
    PangoAttrList* attrs = ownedAttrs.get();
    if (font.Style & FontStyleUnderline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.Style & FontStyleStrikeout) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (f.HotkeyPrefix == HotkeyPrefixNone)
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    else
        setPrefixedText(layout, text, f.HotkeyPrefix == HotkeyPrefixShow, attrs);
    pango_layout_set_attributes(layout, attrs);

    // Text keeps a sixth of an em clear on either side of its box.
    block.Padding = text.empty() ? 0 : font.EmPixels() / 6;
    const double room = rect.Width - 2 * block.Padding;
    const bool wraps = rect.Width > 0 && !(f.Flags & StringFormatFlagsNoWrap);
    const bool ellipsizes = rect.Width > 0 && f.Trimming >= StringTrimmingEllipsisCharacter;
    if ((wraps || ellipsizes) && room > 0) pango_layout_set_width(layout, static_cast<int>(room * PANGO_SCALE));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    if (ellipsizes) pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    if (ellipsizes && !wraps) pango_layout_set_height(layout, -1);
    pango_layout_set_alignment(layout, f.Align == StringAlignmentCenter ? PANGO_ALIGN_CENTER
                                       : f.Align == StringAlignmentFar  ? PANGO_ALIGN_RIGHT
                                                                        : PANGO_ALIGN_LEFT);

    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    const double layoutWidth = pango_layout_get_width(layout) > 0 ? pango_layout_get_width(layout) / double(PANGO_SCALE)
                                                                  : logical.width / double(PANGO_SCALE);
    block.Width = logical.width / double(PANGO_SCALE);
    block.TextX = logical.x / double(PANGO_SCALE);
    block.Height = logical.height / double(PANGO_SCALE);
    if (text.empty()) block.Width = 0;

    // Place the layout box; with no width (or height) the rectangle's corner is the anchor.
    const double boxWidth = layoutWidth + 2 * block.Padding;
    if (rect.Width > 0)
        block.X = rect.X + (f.Align == StringAlignmentCenter ? (rect.Width - boxWidth) / 2
                            : f.Align == StringAlignmentFar  ? rect.Width - boxWidth
                                                             : 0);
    else
        block.X = rect.X - (f.Align == StringAlignmentCenter ? boxWidth / 2 : f.Align == StringAlignmentFar ? boxWidth : 0);
    block.X += block.Padding;
    const double span = rect.Height > 0 ? rect.Height : 0;
    block.Y = rect.Y + (f.LineAlign == StringAlignmentCenter ? (span - block.Height) / 2
                        : f.LineAlign == StringAlignmentFar  ? span - block.Height
                                                             : 0);
    return block;
}

TextRenderingHint hintOf(const GpGraphics* graphics)
{
    return graphics ? graphics->TextHint : TextRenderingHintSystemDefault;
}

} // namespace

Status GdipMeasureString(GpGraphics* graphics, std::string_view text, const GpFont* font, const TGPRectF* layoutRect,
                         const GpStringFormat* stringFormat, TGPRectF* boundingBox, int* codepointsFitted,
                         int* linesFilled)
{
    if (!graphics || !font || !layoutRect || !boundingBox) return InvalidParameter;
    if (text.empty()) {
        *boundingBox = {layoutRect->X, layoutRect->Y, 0, 0};
        if (codepointsFitted) *codepointsFitted = 0;
        if (linesFilled) *linesFilled = 0;
        return Ok;
    }
    TextBlock block = layOut(hintOf(graphics), text, *font, *layoutRect, stringFormat);
    double width = block.Width > 0 ? block.Width + 2 * block.Padding : 0;
    if (layoutRect->Width > 0) width = std::min<double>(width, layoutRect->Width);
    *boundingBox = {static_cast<float>(block.X + block.TextX - block.Padding), static_cast<float>(block.Y), static_cast<float>(width),
                    static_cast<float>(block.Height)};
    if (codepointsFitted)
        *codepointsFitted = static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    if (linesFilled) *linesFilled = pango_layout_get_line_count(block.Layout.get());
    return Ok;
}

Status GdipDrawString(GpGraphics* graphics, std::string_view text, const GpFont* font, const TGPRectF* layoutRect,
                      const GpStringFormat* stringFormat, const GpBrush* brush)
{
    if (!graphics || !font || !layoutRect || !brush) return InvalidParameter;
    if (text.empty()) return Ok;
    TextBlock block = layOut(hintOf(graphics), text, *font, *layoutRect, stringFormat);
    const bool clips = layoutRect->Width > 0 && layoutRect->Height > 0 &&
                       !(stringFormat && (stringFormat->Flags & StringFormatFlagsNoClip));
    return gdiplus::Paint(*graphics, gdiplus::DrawKind::Text, [&](cairo_t* cr) {
        if (clips) {
            cairo_rectangle(cr, layoutRect->X, layoutRect->Y, layoutRect->Width, layoutRect->Height);
            cairo_clip(cr);
        }
        gdiplus::SetSourceBrush(cr, *brush);
        cairo_move_to(cr, block.X, block.Y);
        pango_cairo_show_layout(cr, block.Layout.get());
    });
}

Status GdipAddPathString(GpPath* path, std::string_view text, const GpFontFamily* family, int style, float emSize,
                         const TGPRectF* layoutRect, const GpStringFormat* format)
{
    if (!path || !family || !layoutRect || !(emSize > 0)) return InvalidParameter;
    if (text.empty()) return Ok;
    const GpFont font{*family, emSize, style, UnitPixel};
    TextBlock block = layOut(TextRenderingHintAntiAlias, text, font, *layoutRect, format);
    const graphics::CairoSurfacePtr scratch(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
    const graphics::CairoPtr cr(cairo_create(scratch.get()));
    cairo_move_to(cr.get(), block.X, block.Y);
    pango_cairo_layout_path(cr.get(), block.Layout.get());
    const graphics::CairoPathPtr outline(cairo_copy_path(cr.get()));
    // Each glyph contour becomes a figure of its own.
    for (int i = 0; outline->status == CAIRO_STATUS_SUCCESS && i < outline->num_data; i += outline->data[i].header.length) {
        const cairo_path_data_t* element = &outline->data[i];
        auto add = [&](int point, std::uint8_t type) {
            path->Points.push_back({static_cast<float>(element[point].point.x), static_cast<float>(element[point].point.y)});
            path->Types.push_back(type);
        };
        switch (element->header.type) {
        case CAIRO_PATH_MOVE_TO: add(1, gdiplus::PathPointStart); break;
        case CAIRO_PATH_LINE_TO: add(1, gdiplus::PathPointLine); break;
        case CAIRO_PATH_CURVE_TO:
            for (int k = 1; k <= 3; ++k) add(k, gdiplus::PathPointBezier);
            break;
        case CAIRO_PATH_CLOSE_PATH:
            if (!path->Types.empty()) path->Types.back() |= gdiplus::PathPointCloseFigure;
            break;
        }
    }
    const bool ok = outline->status == CAIRO_STATUS_SUCCESS;
    path->NewFigure = true;
    return ok ? Ok : OutOfMemory;
}
