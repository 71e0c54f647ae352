// Placing turned text inside a cell.
#include "grid/paint/RotatedText.h"

#include <cmath>

#include "grid/QuillGrid.h"
#include "platform/graphics/Canvas.h"

namespace grid {

void PlaceRotatedText(TRect& R, TAlignment HA, TVAlignment VA, int Angle, int A, int B, int C, int D)
{
    const int w = R.Right - R.Left;
    const int e = (R.Top - R.Bottom + C + D) / 2;
    const int quadrant = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle <= 270 ? 3 : 4;
    // Per quadrant: the left edge for left, right and centred text, then the
    // top for top, centred and bottom text.
    int left = R.Left, top = R.Top;
    switch (quadrant) {
    case 1:
        left = HA == taLeftJustify ? R.Left : HA == taRightJustify ? R.Right - B - A : R.Left + (w - A - B) / 2;
        top = VA == vtaTop ? R.Top + C : VA == vtaCenter ? R.Top - e + C : R.Bottom - D;
        break;
    case 2:
        left = HA == taLeftJustify ? R.Left + A : HA == taRightJustify ? R.Right - B : R.Right - (w + B - A) / 2;
        top = VA == vtaTop ? R.Top + C + D : VA == vtaCenter ? R.Top - e + C + D : R.Bottom;
        break;
    case 3:
        left = HA == taLeftJustify ? R.Left + B + A : HA == taRightJustify ? R.Right : R.Right - (w - B - A) / 2;
        top = VA == vtaTop ? R.Top + D : VA == vtaCenter ? R.Top - e + D : R.Bottom - C;
        break;
    default:
        left = HA == taLeftJustify ? R.Left + B : HA == taRightJustify ? R.Right - A : R.Left + (w + B - A) / 2;
        top = VA == vtaTop ? R.Top : VA == vtaCenter ? R.Top - e : R.Bottom - D - C;
        break;
    }
    R.Left = left;
    R.Top = top;
}

void RotatedTextOrigin(TCanvas& Canvas, TRect& R, int Angle, const std::string& Text, TAlignment HA, TVAlignment VA)
{
    const TSize size = Canvas.TextExtent(Text);
    InflateRect(R, -2, -2);
    const double a = Angle * M_PI / 180.0;
    auto part = [](double v) { return std::abs(static_cast<int>(v)); };
    PlaceRotatedText(R, HA, VA, Angle, part(std::cos(a) * size.cx), part(std::sin(a) * size.cy),
                     part(std::sin(a) * size.cx), part(std::cos(a) * size.cy));
}

} // namespace grid

void TQuillStringGrid::RotatedTextOrigin(TRect& R, int Angle, const std::string& Text, TAlignment HA, TVAlignment VA)
{
    grid::RotatedTextOrigin(*Canvas(), R, Angle, Text, HA, VA);
}
