// Owning pointers for Pango objects: each is released exactly once, also when an exception
// passes. Included only by the .cpp files that lay out text with Pango.
#pragma once

#include <pango/pango.h>

#include <memory>

namespace graphics {

struct PangoFreer {
    void operator()(PangoLayout* layout) const noexcept { g_object_unref(layout); }
    void operator()(PangoFontMap* fontMap) const noexcept { g_object_unref(fontMap); }
    void operator()(PangoFontDescription* description) const noexcept { pango_font_description_free(description); }
    void operator()(PangoFontMetrics* metrics) const noexcept { pango_font_metrics_unref(metrics); }
    void operator()(PangoAttrList* attributes) const noexcept { pango_attr_list_unref(attributes); }
    void operator()(PangoAttrIterator* iterator) const noexcept { pango_attr_iterator_destroy(iterator); }
    void operator()(PangoTabArray* tabs) const noexcept { pango_tab_array_free(tabs); }
};
using PangoLayoutPtr = std::unique_ptr<PangoLayout, PangoFreer>;
using PangoFontMapPtr = std::unique_ptr<PangoFontMap, PangoFreer>;
using PangoFontDescriptionPtr = std::unique_ptr<PangoFontDescription, PangoFreer>;
using PangoFontMetricsPtr = std::unique_ptr<PangoFontMetrics, PangoFreer>;
using PangoAttrListPtr = std::unique_ptr<PangoAttrList, PangoFreer>;
using PangoAttrIteratorPtr = std::unique_ptr<PangoAttrIterator, PangoFreer>;
using PangoTabArrayPtr = std::unique_ptr<PangoTabArray, PangoFreer>;

} // namespace graphics
