// What the grid's search handlers read from and write to the find panel under
// the grid: the typed text, the edit's colour, the match-case box and the
// highlight button. The panel control keeps these in step with what it shows.
#pragma once

#include <string>

#include "platform/graphics/Colors.h"

namespace grid {

struct TSearchPanelState {
    std::string Text;
    // The edit turns red while the typed text is not found.
    TColor EditColor = clWindow;
    bool MatchCase = false;
    bool HighlightDown = false;
};

// The colour of the panel's edit while its text is not found.
inline constexpr TColor SearchNotFoundColor = 0x0000FF;

} // namespace grid
