// The events and modes of the grid's pointer, hover, header presses and find
// panel that its public face names; the states behind them stay private.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/Controls.h"
#include "platform/ui/grids/GridTypes.h"

class TObject;

// The selection changed by the user: its corners, in order.
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;

// The selection grown with the fill handle: as it was grabbed and as released.
using TSelectionResizeEvent = std::function<void(TObject* Sender, TGridRect OrigSelection, TGridRect NewSelection)>;
// Lets the application choose the cursor over a cell (real column).
using TGetCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, TCursor& ACursor)>;

// What a press in a fixed cell selects, decided while the pointer moves.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
// The directions the middle button pans in.
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };

// May take over a change of the typed text (DefaultSearch False: no search).
using TSearchEditChangeEvent = std::function<void(TObject* Sender, std::string Value, bool& DefaultSearch)>;
// A search of the panel ran: the hit, or (-1, -1).
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, std::string Value, int ACol, int ARow, TSearchAction SearchAction)>;

namespace grid {

// The grid's own cursors, by number; each stands for a shape the platform
// shows (registered with the screen when the grid is made).
inline constexpr TCursor crPanOrigin = 8000;    // 8000..8008: panning by direction
inline constexpr TCursor crRowSelect = 8010;
inline constexpr TCursor crColSelect = 8011;
inline constexpr TCursor crSelectAll = 8012;
inline constexpr TCursor crCellSelector = 8014;

// The pointer entered or left an anchor of a cell.
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor)>;
// The title, text and icon (0 none, 1 information, 2 warning, 3 error) of
// the balloon about to show for a cell (real column).
using TGridBalloonEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText, int& AIcon)>;

class TGridBalloon;
struct TGridBalloonDeleter {
    void operator()(TGridBalloon* Balloon) const noexcept;
};

} // namespace grid
