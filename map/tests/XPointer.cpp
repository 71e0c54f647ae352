// Real pointer and button events on the X display, through the XTest extension.
#include "map/tests/XPointer.h"

#include "platform/web/WebKitEngine.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace map::testing {

using namespace std::chrono_literals;

XPointer::XPointer() : FDisplay(XOpenDisplay(nullptr)) {}

XPointer::~XPointer()
{
    if (FDisplay) XCloseDisplay(FDisplay);
}

bool XPointer::Ready() const
{
    int event, error, major, minor;
    return FDisplay && XTestQueryExtension(FDisplay, &event, &error, &major, &minor);
}

void XPointer::MoveTo(int x, int y)
{
    XTestFakeMotionEvent(FDisplay, -1, x, y, CurrentTime);
    Sent();
}

void XPointer::Button(unsigned button, bool down)
{
    XTestFakeButtonEvent(FDisplay, button, down ? True : False, CurrentTime);
    Sent();
}

void XPointer::Click(unsigned button)
{
    Button(button, true);
    Button(button, false);
}

void XPointer::Sent()
{
    XSync(FDisplay, False);
    web::WebKitEngine::ProcessEvents(15ms, nullptr);
}

}  // namespace map::testing
