// Real pointer and button events on the X display, through the XTest extension.
#pragma once

struct _XDisplay;

namespace map::testing {

class XPointer {
public:
    XPointer();
    ~XPointer();
    XPointer(const XPointer&) = delete;
    XPointer& operator=(const XPointer&) = delete;

    // The display is open and offers XTest.
    bool Ready() const;
    // Each call returns once the server has the event and the program's main
    // loop has run for a moment after it.
    void MoveTo(int x, int y);
    void Button(unsigned button, bool down);
    void Click(unsigned button = 1);

private:
    void Sent();

    _XDisplay* FDisplay;
};

}  // namespace map::testing
