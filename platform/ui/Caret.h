// The text caret: one per thread, owned by a window (normally the focused
// one), blinking on a timer and drawn by the window layer over its owner.
#pragma once

#include <optional>

#include "platform/graphics/Types.h"
#include "platform/ui/Messages.h"

class TCanvas;

// Creates the caret for the window, replacing any caret that exists. It
// starts hidden: ShowCaret makes it appear.
bool CreateCaret(HWND hWnd, int Width, int Height);
// Removes the caret; false when there is none.
bool DestroyCaret();
// Hides nest: each HideCaret needs its ShowCaret. Both fail for a window
// that does not own the caret (0 means the current owner).
bool ShowCaret(HWND hWnd);
bool HideCaret(HWND hWnd);
// Client coordinates of the owner.
bool SetCaretPos(int X, int Y);
bool GetCaretPos(TPoint& Point);
unsigned GetCaretBlinkTime();
// A time of 0 is refused.
bool SetCaretBlinkTime(unsigned Milliseconds);

namespace ui {

struct TCaretState {
    HWND Owner = 0;
    TRect Bounds;       // client coordinates of the owner
    int HideCount = 0;  // shown at 0
    bool BlinkOn = true; // the lit half of the blink
    // Drawn now: shown, in its lit phase, and its owner has the focus.
    bool Visible() const;
};

// The caret of this thread, if one exists.
std::optional<TCaretState> CaretState();
// Draws the caret when it belongs to hWnd and is visible now; the canvas
// paints the owner's client area.
void PaintCaret(HWND hWnd, TCanvas& Canvas);

} // namespace ui
