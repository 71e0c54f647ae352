// Theme parts as chains of GTK style nodes, drawn the way GTK draws its own
// widgets: background, frame, then the glyph (arrow, check mark, radio dot).
#include "platform/backend/gtk/GtkThemeParts.h"

#include <cmath>
#include <string>

#include "platform/rtl/Strings.h"

namespace backend::gtk {

namespace {

struct TClassName {
    std::string_view Name;
    TThemeClass Class;
};

constexpr TClassName ClassNames[] = {
    {"button", TThemeClass::Button},     {"combobox", TThemeClass::ComboBox}, {"spin", TThemeClass::Spin},
    {"header", TThemeClass::Header},     {"scrollbar", TThemeClass::ScrollBar}, {"tab", TThemeClass::Tab},
    {"progress", TThemeClass::Progress}, {"window", TThemeClass::Window},
};

// The usual four states: normal, hot, pressed, disabled (5: focused or default).
GtkStateFlags ButtonState(int state)
{
    switch (state) {
    case 2: return GTK_STATE_FLAG_PRELIGHT;
    case 3: return GtkStateFlags(GTK_STATE_FLAG_ACTIVE | GTK_STATE_FLAG_PRELIGHT);
    case 4: return GTK_STATE_FLAG_INSENSITIVE;
    case 5: return GTK_STATE_FLAG_FOCUSED;
    default: return GTK_STATE_FLAG_NORMAL;
    }
}

// Check boxes and radio buttons: four states each unchecked, checked, mixed.
GtkStateFlags CheckState(int state)
{
    const int group = (state - 1) / 4;
    GtkStateFlags flags = ButtonState((state - 1) % 4 + 1);
    if (group == 1) flags = GtkStateFlags(flags | GTK_STATE_FLAG_CHECKED);
    if (group == 2) flags = GtkStateFlags(flags | GTK_STATE_FLAG_INCONSISTENT);
    return flags;
}

GtkStateFlags TabState(int state)
{
    if (state == 3) return GTK_STATE_FLAG_CHECKED;
    if (state == 5) return GtkStateFlags(GTK_STATE_FLAG_CHECKED | GTK_STATE_FLAG_FOCUSED);
    return ButtonState(state);
}

// One node of a selector "name.class1.class2".
void AppendNode(GtkWidgetPath* path, std::string_view selector)
{
    gtk_widget_path_append_type(path, G_TYPE_NONE);
    bool first = true;
    while (true) {
        const std::size_t dot = selector.find('.');
        const std::string part(selector.substr(0, dot));
        if (first)
            gtk_widget_path_iter_set_object_name(path, -1, part.c_str());
        else
            gtk_widget_path_iter_add_class(path, -1, part.c_str());
        first = false;
        if (dot == std::string_view::npos) return;
        selector = selector.substr(dot + 1);
    }
}

void CairoRect(const TRect& r, const GtkBorder& margin, double& x, double& y, double& w, double& h)
{
    x = r.Left + margin.left;
    y = r.Top + margin.top;
    w = std::max(0, r.Width() - margin.left - margin.right);
    h = std::max(0, r.Height() - margin.top - margin.bottom);
}

GtkBorder Sum(const GtkBorder& a, const GtkBorder& b)
{
    return {gint16(a.left + b.left), gint16(a.right + b.right), gint16(a.top + b.top), gint16(a.bottom + b.bottom)};
}

} // namespace

std::optional<TThemeClass> ParseThemeClassList(std::string_view ClassList)
{
    while (!ClassList.empty()) {
        const std::size_t semicolon = ClassList.find(';');
        const std::string name = LowerCase(Trim(std::string(ClassList.substr(0, semicolon))));
        for (const TClassName& known : ClassNames)
            if (known.Name == name) return known.Class;
        if (semicolon == std::string_view::npos) break;
        ClassList = ClassList.substr(semicolon + 1);
    }
    return std::nullopt;
}

TPartStyle::TPartStyle(TThemeClass Class, int Part, int State)
{
    auto stateful = [&](GtkStateFlags flags) { FState = flags; };
    switch (Class) {
    case TThemeClass::Button:
        if (Part == 1 && State >= 1 && State <= 5) {
            stateful(ButtonState(State));
            Append(State == 5 ? "button.text-button.default" : "button.text-button", true);
            FKind = TKind::Box;
        } else if (Part == 2 && State >= 1 && State <= 8) {
            stateful(CheckState(State));
            Append("radiobutton", true);
            Append("radio", true);
            FKind = TKind::Radio;
        } else if (Part == 3 && State >= 1 && State <= 12) {
            stateful(CheckState(State));
            Append("checkbutton", true);
            Append("check", true);
            FKind = TKind::Check;
        } else if (Part == 4 && State >= 1 && State <= 2) {
            stateful(State == 2 ? GTK_STATE_FLAG_INSENSITIVE : GTK_STATE_FLAG_NORMAL);
            Append("frame", true);
            Append("border", true);
            FKind = TKind::Frame;
        }
        break;
    case TThemeClass::ComboBox:
        if (Part == 1 && State >= 1 && State <= 4) {
            stateful(ButtonState(State));
            Append("combobox", false);
            Append("box.linked.horizontal", false);
            Append("button.combo", true);
            Append("arrow", true);
            FBoxNode = 2;
            FArrowAngle = G_PI;
            FKind = TKind::BoxArrow;
        }
        break;
    case TThemeClass::Spin:
        if (Part >= 1 && Part <= 4 && State >= 1 && State <= 4) {
            stateful(ButtonState(State));
            const bool horizontal = Part >= 3;
            Append(horizontal ? "spinbutton.horizontal" : "spinbutton.vertical", false);
            Append(Part == 1 || Part == 3 ? "button.up" : "button.down", true);
            Append("arrow", true);
            FBoxNode = 1;
            static constexpr double angles[] = {0, G_PI, G_PI / 2, 3 * G_PI / 2};
            FArrowAngle = angles[Part - 1];
            FKind = TKind::BoxArrow;
        }
        break;
    case TThemeClass::Header:
        if (Part == 1 && State >= 1 && State <= 3) {
            stateful(ButtonState(State));
            Append("treeview.view", false);
            Append("header", false);
            Append("button", true);
            FBoxNode = 2;
            FKind = TKind::Box;
        }
        break;
    case TThemeClass::ScrollBar:
        if (Part == 1 && State >= 1 && State <= 16) {
            static constexpr std::string_view buttons[] = {"button.up", "button.down", "button.up", "button.down"};
            static constexpr double angles[] = {0, G_PI, 3 * G_PI / 2, G_PI / 2};
            const int direction = (State - 1) / 4;
            stateful(ButtonState((State - 1) % 4 + 1));
            Append(direction < 2 ? "scrollbar.vertical" : "scrollbar.horizontal", false);
            Append("contents", false);
            Append(buttons[direction], true);
            Append("arrow", true);
            FBoxNode = 2;
            FArrowAngle = angles[direction];
            FKind = TKind::BoxArrow;
        } else if (Part >= 2 && Part <= 9 && State >= 1 && State <= 4) {
            stateful(ButtonState(State));
            const bool horizontal = Part == 2 || Part == 4 || Part == 5 || Part == 8;
            Append(horizontal ? "scrollbar.horizontal" : "scrollbar.vertical", false);
            Append("contents", false);
            Append("trough", Part >= 4 && Part <= 7);
            FBoxNode = 2;
            if (Part == 2 || Part == 3) {
                Append("slider", true);
                FBoxNode = 3;
            }
            // Grippers are part of the slider's own look here: nothing more to draw.
            FKind = Part >= 8 ? TKind::Glyph : TKind::Box;
        } else if (Part == 10) {
            Append("scrolledwindow", false);
            Append("junction", true);
            FBoxNode = 1;
            FKind = TKind::Box;
        }
        break;
    case TThemeClass::Tab:
        if (Part >= 1 && Part <= 8 && State >= 1 && State <= 5) {
            stateful(TabState(State));
            Append("notebook", false);
            Append("header.top", false);
            Append("tabs", false);
            Append("tab", true);
            FBoxNode = 3;
            FKind = TKind::Box;
        } else if ((Part == 9 || Part == 10) && State >= 1 && State <= 4) {
            Append("notebook.frame", false);
            if (Part == 10) {
                Append("stack", false);
                FBoxNode = 1;
            }
            FKind = TKind::Box;
        }
        break;
    case TThemeClass::Progress:
        if (Part >= 1 && Part <= 4 && State >= 1 && State <= 4) {
            const bool vertical = Part == 2 || Part == 4;
            Append(vertical ? "progressbar.vertical" : "progressbar.horizontal", false);
            Append("trough", false);
            FBoxNode = 1;
            if (Part >= 3) {
                Append("progress", false);
                FBoxNode = 2;
            }
            FKind = TKind::Box;
        }
        break;
    case TThemeClass::Window:
        if (Part == 0 || Part == 1) {
            Append("window.background", false);
            FKind = TKind::Box;
        }
        break;
    }
    FDefined = FKind != TKind::None;
}

void TPartStyle::Append(std::string_view Selector, bool Stateful)
{
    GtkStyleContext* parent = FNodes.empty() ? nullptr : FNodes.back().get();
    GtkWidgetPath* path = parent ? gtk_widget_path_copy(gtk_style_context_get_path(parent)) : gtk_widget_path_new();
    AppendNode(path, Selector);
    const GtkStateFlags flags = Stateful ? FState : GTK_STATE_FLAG_NORMAL;
    gtk_widget_path_iter_set_state(path, -1, flags);
    GtkStyleContext* context = gtk_style_context_new();
    gtk_style_context_set_path(context, path);
    gtk_style_context_set_parent(context, parent);
    gtk_style_context_set_state(context, flags);
    gtk_widget_path_unref(path);
    FNodes.emplace_back(context);
}

GtkStyleContext* TPartStyle::Box() const
{
    return FNodes.empty() ? nullptr : FNodes[FBoxNode].get();
}

void TPartStyle::Draw(cairo_t* Cr, const TRect& R) const
{
    if (!FDefined || FNodes.empty() || FKind == TKind::Glyph) return;
    GtkStyleContext* box = Box();
    GtkBorder margin;
    gtk_style_context_get_margin(box, gtk_style_context_get_state(box), &margin);
    double x, y, w, h;
    CairoRect(R, margin, x, y, w, h);
    if (w <= 0 || h <= 0) return;
    switch (FKind) {
    case TKind::Frame:
        gtk_render_frame(box, Cr, x, y, w, h);
        return;
    case TKind::Check:
    case TKind::Radio: {
        // The glyph at its own size, centred, as a check button lays it out.
        GtkStyleContext* glyph = FNodes.back().get();
        const TSize min = MinSize();
        const double gw = min.cx > 0 ? std::min<double>(min.cx, w) : std::min(w, h);
        const double gh = min.cy > 0 ? std::min<double>(min.cy, h) : std::min(w, h);
        const double gx = std::floor(x + (w - gw) / 2);
        const double gy = std::floor(y + (h - gh) / 2);
        gtk_render_background(glyph, Cr, gx, gy, gw, gh);
        gtk_render_frame(glyph, Cr, gx, gy, gw, gh);
        if (FKind == TKind::Check)
            gtk_render_check(glyph, Cr, gx, gy, gw, gh);
        else
            gtk_render_option(glyph, Cr, gx, gy, gw, gh);
        return;
    }
    default:
        break;
    }
    gtk_render_background(box, Cr, x, y, w, h);
    gtk_render_frame(box, Cr, x, y, w, h);
    if (FKind == TKind::BoxArrow) {
        GtkStyleContext* arrow = FNodes.back().get();
        int size = 0;
        gtk_style_context_get(arrow, gtk_style_context_get_state(arrow), "min-width", &size, nullptr);
        if (size <= 0) size = 16;
        const double side = std::min<double>({double(size), w, h});
        gtk_render_arrow(arrow, Cr, FArrowAngle, std::floor(x + (w - side) / 2), std::floor(y + (h - side) / 2), side);
    }
}

GtkBorder TPartStyle::BorderWidths() const
{
    GtkBorder border{};
    if (GtkStyleContext* box = Box()) gtk_style_context_get_border(box, gtk_style_context_get_state(box), &border);
    return border;
}

GtkBorder TPartStyle::ContentMargins() const
{
    GtkBorder padding{};
    if (GtkStyleContext* box = Box()) gtk_style_context_get_padding(box, gtk_style_context_get_state(box), &padding);
    return Sum(BorderWidths(), padding);
}

TSize TPartStyle::MinSize() const
{
    if (FNodes.empty()) return {};
    GtkStyleContext* node = FKind == TKind::Check || FKind == TKind::Radio ? FNodes.back().get() : Box();
    const GtkStateFlags state = gtk_style_context_get_state(node);
    int w = 0, h = 0;
    gtk_style_context_get(node, state, "min-width", &w, "min-height", &h, nullptr);
    GtkBorder margin, border, padding;
    gtk_style_context_get_margin(node, state, &margin);
    gtk_style_context_get_border(node, state, &border);
    gtk_style_context_get_padding(node, state, &padding);
    const GtkBorder all = Sum(Sum(margin, border), padding);
    return {w + all.left + all.right, h + all.top + all.bottom};
}

GdkRGBA TPartStyle::TextColor() const
{
    GdkRGBA color{0, 0, 0, 1};
    if (GtkStyleContext* box = Box()) gtk_style_context_get_color(box, gtk_style_context_get_state(box), &color);
    return color;
}

namespace {

GdkRGBA ColorProperty(GtkStyleContext* context, const char* name)
{
    GdkRGBA* value = nullptr;
    GdkRGBA color{0, 0, 0, 0};
    if (!context) return color;
    gtk_style_context_get(context, gtk_style_context_get_state(context), name, &value, nullptr);
    if (value) {
        color = *value;
        gdk_rgba_free(value);
    }
    return color;
}

} // namespace

GdkRGBA TPartStyle::FillColor() const
{
    return ColorProperty(Box(), GTK_STYLE_PROPERTY_BACKGROUND_COLOR);
}

GdkRGBA TPartStyle::BorderColor() const
{
    return ColorProperty(Box(), GTK_STYLE_PROPERTY_BORDER_COLOR);
}

bool TPartStyle::PartiallyTransparent() const
{
    if (FKind == TKind::Check || FKind == TKind::Radio || FKind == TKind::Frame || FKind == TKind::Glyph) return true;
    GtkStyleContext* box = Box();
    if (!box) return true;
    int radius = 0;
    gtk_style_context_get(box, gtk_style_context_get_state(box), GTK_STYLE_PROPERTY_BORDER_RADIUS, &radius, nullptr);
    return radius > 0 || FillColor().alpha < 1.0;
}

} // namespace backend::gtk
