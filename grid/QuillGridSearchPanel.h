// What the grid's search handlers read from and write to the find panel under
// the grid: the typed text, the edit's colour, the match-case box and the
// highlight button. The panel control keeps these in step with what it shows.
#pragma once

#include <functional>
#include <string>

#include "platform/graphics/Colors.h"

class TObject;

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };

// May take over a change of the typed text (DefaultSearch False: no search).
using TSearchEditChangeEvent = std::function<void(TObject* Sender, std::string Value, bool& DefaultSearch)>;
// A search of the panel ran: the hit, or (-1, -1).
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, std::string Value, int ACol, int ARow, TSearchAction SearchAction)>;

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
