// XTest input, screen pixels and window facts over one Xlib connection of its own.
#include "app/tests/xinput/XSession.h"

#include <X11/Xatom.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PngImage.h"

namespace xinput {

namespace {

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

bool Close(std::uint32_t a, std::uint32_t b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > 40) return false;
    return true;
}

} // namespace

double TShot::DifferenceFrom(const TShot& other) const
{
    if (other.Pixels.size() != Pixels.size() || Pixels.empty()) return 1.0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < Pixels.size(); ++i)
        if (!Close(Pixels[i], other.Pixels[i])) ++differing;
    return static_cast<double>(differing) / static_cast<double>(Pixels.size());
}

double TShot::WhiteShare() const
{
    if (Pixels.empty()) return 0.0;
    auto white = std::count(Pixels.begin(), Pixels.end(), 0xFFFFFFu);
    return static_cast<double>(white) / static_cast<double>(Pixels.size());
}

void TShot::SavePng(const std::string& fileName) const
{
    TBitmap bitmap(Area.Width(), Area.Height());
    for (int y = 0; y < Area.Height(); ++y) {
        TRGBQuad* row = bitmap.ScanLine(y);
        for (int x = 0; x < Area.Width(); ++x) {
            std::uint32_t p = Pixels[static_cast<std::size_t>(y * Area.Width() + x)];
            row[x] = {static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p >> 16), 255};
        }
    }
    bitmap.PixelsChanged();
    TPngImage png;
    png.Assign(&bitmap);
    png.SaveToFile(fileName);
}

struct TXSession::TImpl {
    Display* Dpy = nullptr;
    Window Root = 0;
};

TXSession::TXSession() : FImpl(new TImpl)
{
    FImpl->Dpy = XOpenDisplay(nullptr);
    if (!FImpl->Dpy) {
        delete FImpl;
        throw std::runtime_error("cannot open the X display");
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(FImpl->Dpy, &event, &error, &major, &minor)) {
        XCloseDisplay(FImpl->Dpy);
        delete FImpl;
        throw std::runtime_error("the X server has no XTest extension");
    }
    FImpl->Root = DefaultRootWindow(FImpl->Dpy);
}

TXSession::~TXSession()
{
    XCloseDisplay(FImpl->Dpy);
    delete FImpl;
}

TPoint TXSession::ScreenSize() const
{
    Screen* s = DefaultScreenOfDisplay(FImpl->Dpy);
    return {WidthOfScreen(s), HeightOfScreen(s)};
}

void TXSession::Settle(int milliseconds)
{
    XSync(FImpl->Dpy, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void TXSession::MoveTo(TPoint p)
{
    XTestFakeMotionEvent(FImpl->Dpy, -1, p.X, p.Y, CurrentTime);
    Settle(20);
}

void TXSession::Press(unsigned button)
{
    XTestFakeButtonEvent(FImpl->Dpy, button, True, CurrentTime);
    Settle(20);
}

void TXSession::Release(unsigned button)
{
    XTestFakeButtonEvent(FImpl->Dpy, button, False, CurrentTime);
    Settle(20);
}

void TXSession::Click(TPoint p, unsigned button)
{
    MoveTo(p);
    Press(button);
    Release(button);
    Settle();
}

void TXSession::Drag(TPoint from, TPoint to)
{
    MoveTo(from);
    Press(1);
    constexpr int Steps = 8;
    for (int i = 1; i <= Steps; ++i)
        MoveTo({from.X + (to.X - from.X) * i / Steps, from.Y + (to.Y - from.Y) * i / Steps});
    Release(1);
    Settle();
}

void TXSession::PressCode(unsigned code, bool shift)
{
    const unsigned shiftCode = XKeysymToKeycode(FImpl->Dpy, XK_Shift_L);
    if (shift) XTestFakeKeyEvent(FImpl->Dpy, shiftCode, True, CurrentTime);
    XTestFakeKeyEvent(FImpl->Dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(FImpl->Dpy, code, False, CurrentTime);
    if (shift) XTestFakeKeyEvent(FImpl->Dpy, shiftCode, False, CurrentTime);
    Settle(25);
}

void TXSession::Key(const std::string& keyName)
{
    KeySym sym = XStringToKeysym(keyName.c_str());
    unsigned code = sym == NoSymbol ? 0 : XKeysymToKeycode(FImpl->Dpy, sym);
    if (code == 0) throw std::runtime_error("no key " + keyName);
    PressCode(code, false);
}

void TXSession::Chord(const std::string& modifierName, const std::string& keyName)
{
    KeySym sym = XStringToKeysym(modifierName.c_str());
    unsigned code = sym == NoSymbol ? 0 : XKeysymToKeycode(FImpl->Dpy, sym);
    if (code == 0) throw std::runtime_error("no key " + modifierName);
    XTestFakeKeyEvent(FImpl->Dpy, code, True, CurrentTime);
    Settle(25);
    Key(keyName);
    XTestFakeKeyEvent(FImpl->Dpy, code, False, CurrentTime);
    Settle(25);
}

void TXSession::Type(const std::string& text)
{
    for (char c : text) {
        KeySym sym = static_cast<unsigned char>(c);
        unsigned code = XKeysymToKeycode(FImpl->Dpy, sym);
        if (code == 0) throw std::runtime_error(std::string("no key types ") + c);
        bool shift = XkbKeycodeToKeysym(FImpl->Dpy, static_cast<KeyCode>(code), 0, 0) != sym;
        PressCode(code, shift);
    }
}

TShot TXSession::Grab(const TRect& area)
{
    XSync(FImpl->Dpy, False);
    TShot shot{area, {}};
    XImage* image = XGetImage(FImpl->Dpy, FImpl->Root, area.Left, area.Top, static_cast<unsigned>(area.Width()),
                              static_cast<unsigned>(area.Height()), AllPlanes, ZPixmap);
    if (!image) throw std::runtime_error("cannot read the screen's pixels");
    shot.Pixels.reserve(static_cast<std::size_t>(area.Width() * area.Height()));
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x) shot.Pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
    XDestroyImage(image);
    return shot;
}

std::vector<TXWindow> TXSession::TopLevelWindows()
{
    XSync(FImpl->Dpy, False);
    std::vector<TXWindow> out;
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(FImpl->Dpy, FImpl->Root, &rootReturn, &parent, &children, &count)) return out;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(FImpl->Dpy, children[i], &attributes) || attributes.map_state != IsViewable) continue;
        TXWindow w;
        w.Id = children[i];
        w.Bounds = {attributes.x, attributes.y, attributes.x + attributes.width, attributes.y + attributes.height};
        char* name = nullptr;
        if (XFetchName(FImpl->Dpy, children[i], &name) && name) {
            w.Title = name;
            XFree(name);
        }
        XSizeHints hints;
        long supplied = 0;
        if (XGetWMNormalHints(FImpl->Dpy, children[i], &hints, &supplied) && (hints.flags & PMinSize))
            w.MinSize = TPoint{hints.min_width, hints.min_height};
        out.push_back(w);
    }
    if (children) XFree(children);
    return out;
}

void TXSession::RequestClose(unsigned long window)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(FImpl->Dpy, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(FImpl->Dpy, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(FImpl->Dpy, window, False, NoEventMask, &e);
    Settle();
}

void TXSession::Move(unsigned long window, int left, int top)
{
    XMoveWindow(FImpl->Dpy, window, left, top);
    Settle(200);
}

void TXSession::Resize(unsigned long window, int width, int height)
{
    XResizeWindow(FImpl->Dpy, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    Settle(200);
}

} // namespace xinput
