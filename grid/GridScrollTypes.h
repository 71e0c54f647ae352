// The string grid's scroll bar styles, scroll hints and drag-scroll directions.
#pragma once

#include <functional>
#include <string>

#include "platform/classes/Sets.h"

class TObject;

// The look of the grid's scroll bars; ssMetro replaces them by thin bars of the grid's own.
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
// Which scroll bars stay shown when all rows or columns fit.
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
// Which thumb shows the row or column it would scroll to while dragged.
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TDragScrollDir { dsUp, dsDown, dsLeft, dsRight };
using TDragScrollDirection = TSet<TDragScrollDir, 4>;

namespace grid {

// The thin bars of ssMetro: a strip this wide at the right and bottom edges,
// holding a flat thumb of this thickness and colour, never shorter than
// MinThinThumb.
inline constexpr int ThinBarExtent = 6;
inline constexpr int ThinThumbWidth = 4;
inline constexpr int MinThinThumb = 20;
inline constexpr unsigned ThinThumbColor = 0xC0C0C0;

struct TThinThumb {
    bool Shown = false;
    int Start = 0;
    int Length = 0;
};

// Where the thumb lies along a bar Extent pixels long whose fixed part (rows
// or columns before First) and footer part take FixedExtent and FooterExtent;
// Top is the first shown scrolling index and Visible how many show. No thumb
// when every scrolling row (column) shows.
TThinThumb ThinThumb(int Extent, int FixedExtent, int FooterExtent, int First, int Count, int Top, int Visible);

} // namespace grid

// May change the direction of one drag-scroll step or refuse it.
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirection& Direction, bool& CanScroll)>;
