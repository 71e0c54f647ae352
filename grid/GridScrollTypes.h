// The string grid's scroll bar styles, scroll hints and drag-scroll directions.
#pragma once

#include <functional>
#include <string>

#include "platform/classes/Sets.h"

class TObject;

// The look of the grid's scroll bars; ssMetro replaces them by thin bars of the grid's own.
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
// Which thumb shows the row or column it would scroll to while dragged.
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TDragScrollDir { dsUp, dsDown, dsLeft, dsRight };
using TDragScrollDirection = TSet<TDragScrollDir, 4>;

// May change the direction of one drag-scroll step or refuse it.
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirection& Direction, bool& CanScroll)>;
