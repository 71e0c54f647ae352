// A person at the X display: real pointer and keyboard input through the XTest
// extension, the screen's pixels, and the top-level windows as the X server
// sees them (titles, places, size hints).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Types.h"

namespace xinput {

// Screen pixels of one rectangle, 0x00RRGGBB each, row by row.
struct TShot {
    TRect Area;
    std::vector<std::uint32_t> Pixels;
    // The share of pixels (0..1) that differ from other's by more than a little.
    double DifferenceFrom(const TShot& other) const;
    // The share of pure white pixels.
    double WhiteShare() const;
    void SavePng(const std::string& fileName) const;
};

// A top-level window as the X server knows it.
struct TXWindow {
    unsigned long Id = 0;
    std::string Title;
    TRect Bounds;          // screen coordinates
    std::optional<TPoint> MinSize;  // from the size hints, when given
};

class TXSession {
public:
    TXSession();  // opens $DISPLAY; throws std::runtime_error without one
    ~TXSession();
    TXSession(const TXSession&) = delete;
    TXSession& operator=(const TXSession&) = delete;

    TPoint ScreenSize() const;

    void MoveTo(TPoint p);
    // button 1 left, 2 middle, 3 right, 4/5 wheel up/down.
    void Press(unsigned button);
    void Release(unsigned button);
    void Click(TPoint p, unsigned button = 1);
    // Press at from, move there in steps, release at to.
    void Drag(TPoint from, TPoint to);

    // A key by its X name ("Return", "Escape", "Down", "Tab", "BackSpace", "a").
    void Key(const std::string& keyName);
    // A key pressed while a modifier is held ("Alt_L", "Control_L" and "o").
    void Chord(const std::string& modifierName, const std::string& keyName);
    // Types printable ASCII text, with Shift where a character needs it.
    void Type(const std::string& text);

    TShot Grab(const TRect& area);

    // The mapped top-level windows, bottom to top.
    std::vector<TXWindow> TopLevelWindows();
    // Asks a window to close as a window manager does (its close button).
    void RequestClose(unsigned long window);
    // Moves a window as a person does by its title bar.
    void Move(unsigned long window, int left, int top);
    // Resizes a window as a window manager does when the user drags its border.
    void Resize(unsigned long window, int width, int height);

    // Lets the server and the program catch up.
    void Settle(int milliseconds = 60);

private:
    void PressCode(unsigned code, bool shift);
    struct TImpl;
    TImpl* FImpl;
};

} // namespace xinput
