// Real pointer and key events on the X display, and its pixels.
#include "menus/tests/XInput.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace menus::testing {

TXInput::TXInput() : FDisplay(XOpenDisplay(nullptr)) {}

TXInput::~TXInput()
{
    if (FDisplay) XCloseDisplay(FDisplay);
}

bool TXInput::Ready() const
{
    int event, error, major, minor;
    return FDisplay && XTestQueryExtension(FDisplay, &event, &error, &major, &minor);
}

void TXInput::MoveTo(TPoint ScreenPos)
{
    XTestFakeMotionEvent(FDisplay, -1, ScreenPos.X, ScreenPos.Y, CurrentTime);
    XSync(FDisplay, False);
}

void TXInput::Click(unsigned Button)
{
    XTestFakeButtonEvent(FDisplay, Button, True, CurrentTime);
    XTestFakeButtonEvent(FDisplay, Button, False, CurrentTime);
    XSync(FDisplay, False);
}

void TXInput::Key(const char* KeySymName)
{
    const KeyCode code = XKeysymToKeycode(FDisplay, XStringToKeysym(KeySymName));
    XTestFakeKeyEvent(FDisplay, code, True, CurrentTime);
    XTestFakeKeyEvent(FDisplay, code, False, CurrentTime);
    XSync(FDisplay, False);
}

std::unique_ptr<TBitmap> TXInput::Grab(const TRect& R)
{
    auto shot = std::make_unique<TBitmap>(R.Width(), R.Height());
    XImage* image = XGetImage(FDisplay, DefaultRootWindow(FDisplay), R.Left, R.Top, static_cast<unsigned>(R.Width()),
                              static_cast<unsigned>(R.Height()), AllPlanes, ZPixmap);
    if (!image) return shot;
    for (int y = 0; y < R.Height(); ++y)
        for (int x = 0; x < R.Width(); ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            shot->Canvas()->SetPixels(x, y, static_cast<TColor>(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16)));
        }
    XDestroyImage(image);
    return shot;
}

} // namespace menus::testing
