// The cell shapes: rectangles, ellipses, triangles, arrows and stars.
#include "grid/base/QuillUtilPaint.h"

#include "platform/graphics/Canvas.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The ten corners of a star in the box: k = 0 points straight up, and the
// corners follow clockwise every 36 degrees, alternating between the outer
// ellipse and one of a third of its radii.
TPoint StarPoint(int x, int y, int w, int h, int k)
{
    const double angle = k * 36.0 * std::numbers::pi / 180.0;
    double rx = w / 2;
    double ry = h / 2;
    if (k % 2 == 1) {
        rx /= 3.0;
        ry /= 3.0;
    }
    return {x + w / 2 + static_cast<int>(Round(std::sin(angle) * rx)),
        y + h / 2 - static_cast<int>(Round(std::cos(angle) * ry))};
}

std::vector<TPoint> StarPoints(int x, int y, int w, int h, std::initializer_list<int> corners)
{
    std::vector<TPoint> points;
    for (int k : corners)
        points.push_back(StarPoint(x, y, w, h, k));
    return points;
}

int EvenDown(int value)
{
    return value % 2 == 0 ? value : value - 1;
}

} // namespace

void DrawCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
    TColor PenColor)
{
    Canvas.Pen()->SetColor(PenColor);
    Canvas.Brush()->SetColor(BrushColor);
    Canvas.Brush()->SetStyle(bsSolid);
    int W = Width;
    int H = Height;
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare)
        W = H = std::min(W, H);
    auto polygon = [&Canvas](const std::vector<TPoint>& points) { Canvas.Polygon(points); };

    switch (Shape) {
    case csRectangle:
    case csSquare:
        Canvas.Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1);
        break;
    case csCircle:
    case csEllips:
        Canvas.Ellipse(X, Y, X + W, Y + H);
        break;
    case csTriangleLeft:
        polygon({{X + W, Y}, {X + W, Y + H}, {X, Y + H / 2}});
        break;
    case csTriangleRight:
        polygon({{X, Y}, {X, Y + H}, {X + W, Y + H / 2}});
        break;
    case csTriangleUp:
        polygon({{X, Y + H}, {X + W, Y + H}, {X + W / 2, Y}});
        break;
    case csTriangleDown:
        polygon({{X, Y}, {X + W, Y}, {X + W / 2, Y + H}});
        break;
    case csDiamond: {
        const int w = W / 2;
        const int h = H / 2;
        polygon({{X, Y + h}, {X + w, Y}, {X + 2 * w, Y + h}, {X + w, Y + 2 * h}});
        break;
    }
    case csLineVert:
        Canvas.FillRect({X + W / 2, Y, X + W / 2 + 1, Y + H});
        break;
    case csLineHorz:
        Canvas.FillRect({X, Y + H / 2, X + W, Y + H / 2 + 1});
        break;
    case csRoundRect:
    case csRoundSquare:
        Canvas.RoundRect(X, Y, X + W, Y + H, 10, 10);
        break;
    case csStar:
        polygon(StarPoints(X, Y, W, H, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        break;
    case csHalfStar:
        polygon(StarPoints(X, Y, W, H, {0, 5, 6, 7, 8, 9}));
        break;
    case csArrowUp:
    case csArrowDown: {
        W = EvenDown(W);
        const int q = W / 4;
        const int tip = Shape == csArrowUp ? Y : Y + H;
        const int tail = Shape == csArrowUp ? Y + H : Y;
        polygon({{X, Y + H / 2}, {X + W / 2, tip}, {X + W, Y + H / 2}, {X + 3 * q, Y + H / 2}, {X + 3 * q, tail},
            {X + q, tail}, {X + q, Y + H / 2}});
        break;
    }
    case csArrowLeft:
    case csArrowRight: {
        H = EvenDown(H);
        const int m = X + W / 2;
        const int q = H / 4;
        const int tip = Shape == csArrowLeft ? X : X + W;
        const int tail = Shape == csArrowLeft ? X + W : X;
        polygon({{tip, Y + H / 2}, {m, Y}, {m, Y + q}, {tail, Y + q}, {tail, Y + 3 * q}, {m, Y + 3 * q}, {m, Y + H}});
        break;
    }
    default:
        break; // not a shape
    }
}
