// Real pointer and key events on the X display through the XTest extension,
// and the display's pixels as the server shows them.
#pragma once

#include "platform/graphics/Types.h"

#include <memory>

class TBitmap;
struct _XDisplay;

namespace menus::testing {

class TXInput {
public:
    TXInput();
    ~TXInput();
    TXInput(const TXInput&) = delete;
    TXInput& operator=(const TXInput&) = delete;

    // The display is open and offers XTest.
    bool Ready() const;
    void MoveTo(TPoint ScreenPos);
    void Click(unsigned Button);
    // A key press and release by its X key name ("Down", "Return").
    void Key(const char* KeySymName);
    std::unique_ptr<TBitmap> Grab(const TRect& ScreenRect);

private:
    _XDisplay* FDisplay;
};

} // namespace menus::testing
