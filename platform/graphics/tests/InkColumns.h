// Where drawing left ink: the columns of a row band that hold non-white pixels.
#pragma once

#include <utility>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace graphics::testing {

// The first and last column with a pixel other than white in rows [top, bottom); -1 when none.
inline std::pair<int, int> InkColumns(TBitmap& Bitmap, int Top, int Bottom)
{
    int first = -1, last = -1;
    for (int x = 0; x < Bitmap.Width(); ++x)
        for (int y = Top; y < Bottom; ++y)
            if (Bitmap.Canvas()->Pixels(x, y) != clWhite) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace graphics::testing
