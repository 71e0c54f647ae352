// What the grid keeps while drags from other windows pass over it.
#pragma once

#include <cstdint>
#include <memory>

class TArrowWindow;
class TCustomListBox;
class TGridDropTarget;

namespace grid {

struct TOleDropState {
    // The target registered for the grid's window; null while none is.
    std::shared_ptr<TGridDropTarget> Target;
    // The marks at the drop position, made on first use, owned by the grid.
    TArrowWindow* LeftArrow = nullptr;
    TArrowWindow* DownArrow = nullptr;
    TArrowWindow* UpArrow = nullptr;
    // A column dragged out of a list box of hidden columns (-1: none).
    int DragCol = -1;
    int DragListIndex = -1;
    TCustomListBox* DragList = nullptr;
    // The clock of the last sideways scroll: at most one per grid timer tick.
    std::uint64_t LastSideScroll = 0;
};

} // namespace grid
