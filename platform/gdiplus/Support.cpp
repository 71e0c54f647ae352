// Colour conversions and gradient stops shared by the drawing library.
#include "platform/gdiplus/Gradients.h"
#include "platform/gdiplus/Objects.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace gdiplus {

void SetSourceArgb(cairo_t* cr, ARGB color)
{
    cairo_set_source_rgba(cr, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, (color & 0xFF) / 255.0,
                          (color >> 24) / 255.0);
}

ARGB PixelToArgb(std::uint32_t pixel) noexcept
{
    std::uint32_t alpha = pixel >> 24;
    if (alpha == 0) return 0;
    auto unmultiply = [alpha](std::uint32_t channel) { return std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha); };
    return (alpha << 24) | (unmultiply((pixel >> 16) & 0xFF) << 16) | (unmultiply((pixel >> 8) & 0xFF) << 8) |
           unmultiply(pixel & 0xFF);
}

std::uint32_t ArgbToPixel(ARGB color) noexcept
{
    std::uint32_t alpha = color >> 24;
    auto multiply = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
    return (alpha << 24) | (multiply((color >> 16) & 0xFF) << 16) | (multiply((color >> 8) & 0xFF) << 8) |
           multiply(color & 0xFF);
}

bool ValidPreset(const ARGB* blend, const float* positions, int count)
{
    if (!blend || !positions || count < 2) return false;
    if (positions[0] != 0.0f || positions[count - 1] != 1.0f) return false;
    for (int i = 1; i < count; ++i)
        if (!(positions[i] >= positions[i - 1])) return false;
    return true;
}

std::vector<GradientStop> MakePreset(const ARGB* blend, const float* positions, int count)
{
    std::vector<GradientStop> stops;
    for (int i = 0; i < count; ++i) stops.push_back({positions[i], blend[i]});
    return stops;
}

namespace {

ARGB mix(ARGB a, ARGB b, double t, bool linearLight)
{
    auto channel = [&](int shift, bool colour) {
        double x = ((a >> shift) & 0xFF) / 255.0, y = ((b >> shift) & 0xFF) / 255.0;
        double v = colour && linearLight ? std::pow(std::pow(x, 2.2) * (1 - t) + std::pow(y, 2.2) * t, 1 / 2.2)
                                         : x * (1 - t) + y * t;
        return static_cast<ARGB>(std::lround(std::clamp(v, 0.0, 1.0) * 255)) << shift;
    };
    return channel(24, false) | channel(16, true) | channel(8, true) | channel(0, true);
}

} // namespace

std::vector<GradientStop> StopsToDraw(ARGB from, ARGB to, const std::vector<GradientStop>& preset, bool gamma)
{
    std::vector<GradientStop> stops = preset.empty() ? std::vector<GradientStop>{{0, from}, {1, to}} : preset;
    if (!gamma) return stops;
    constexpr int steps = 8;
    std::vector<GradientStop> even;
    for (std::size_t i = 0; i + 1 < stops.size(); ++i)
        for (int k = 0; k < steps; ++k) {
            double t = double(k) / steps;
            even.push_back({static_cast<float>(stops[i].Position + t * (stops[i + 1].Position - stops[i].Position)),
                            mix(stops[i].Color, stops[i + 1].Color, t, true)});
        }
    even.push_back(stops.back());
    return even;
}

ARGB ColorAt(const std::vector<GradientStop>& stops, double position)
{
    if (stops.empty()) return 0;
    if (position <= stops.front().Position) return stops.front().Color;
    for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
        const GradientStop &a = stops[i], &b = stops[i + 1];
        if (position <= b.Position) {
            double span = b.Position - a.Position;
            return span <= 0 ? b.Color : mix(a.Color, b.Color, (position - a.Position) / span, false);
        }
    }
    return stops.back().Color;
}

} // namespace gdiplus
