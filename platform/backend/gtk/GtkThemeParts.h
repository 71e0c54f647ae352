// The theme classes, parts and states of the theme library, mapped onto GTK's
// style nodes and drawn with GTK's own renderers. Included only by the GTK
// backend's .cpp files.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/graphics/Types.h"

namespace backend::gtk {

enum class TThemeClass { Button, ComboBox, Spin, Header, ScrollBar, Tab, Progress, Window };

// The first class of a ";"-separated list that the theme knows, in any case.
std::optional<TThemeClass> ParseThemeClassList(std::string_view ClassList);

// The style contexts of one part in one state, from the outermost node to
// the part's own.
class TPartStyle {
public:
    TPartStyle(TThemeClass Class, int Part, int State);

    // Whether the class has the part and the part that state.
    bool Defined() const noexcept { return FDefined; }
    // The node whose box is the part's background.
    GtkStyleContext* Box() const;
    GtkStateFlags State() const noexcept { return FState; }

    // Draws the part into R (device units of the Cairo context).
    void Draw(cairo_t* Cr, const TRect& R) const;
    // Border plus padding of the box on each side.
    GtkBorder ContentMargins() const;
    GtkBorder BorderWidths() const;
    // The box's least size, margins included (0 where the theme sets none).
    TSize MinSize() const;
    // The part's text and background colours and its border colour.
    GdkRGBA TextColor() const;
    GdkRGBA FillColor() const;
    GdkRGBA BorderColor() const;
    // Whether the part leaves some of its rectangle undrawn (rounded corners,
    // glyph-only parts).
    bool PartiallyTransparent() const;

private:
    void Append(std::string_view Selector, bool Stateful);

    enum class TKind { None, Box, BoxArrow, Check, Radio, Frame, Glyph };
    TKind FKind = TKind::None;
    bool FDefined = false;
    GtkStateFlags FState = GTK_STATE_FLAG_NORMAL;
    std::vector<rtl::GObjectPtr<GtkStyleContext>> FNodes;
    std::size_t FBoxNode = 0;
    double FArrowAngle = 0;
};

} // namespace backend::gtk
