// Dragging data out of a control to any window of the desktop, this
// program's or another's: the drag runs until the drop or the cancel.
#pragma once

#include <string>
#include <utility>
#include <vector>

class TControl;

// What a drop did with the data; a cancelled drag did nothing.
inline constexpr int DROPEFFECT_NONE = 0;
inline constexpr int DROPEFFECT_COPY = 1;
inline constexpr int DROPEFFECT_MOVE = 2;

// The data as clipboard formats (CF_TEXT, registered formats) and their bytes.
using TDragFormats = std::vector<std::pair<unsigned, std::string>>;

// Drags the data from the control while the left button stays down and
// answers the effect the drop target chose among AllowedEffects, or
// DROPEFFECT_NONE when the drag was cancelled. The drop ends the press: the
// control sees no release of its own afterwards.
int DoDragDrop(TControl& Source, const TDragFormats& Data, int AllowedEffects);
