// Window-manager calls on the platform's own windows.
#include "platform/ui/WindowManager.h"

#include <map>
#include <memory>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

namespace {

struct RegionDeleter {
    void operator()(HRGN r) const noexcept { DeleteObject(r); }
};
using TOwnedRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, RegionDeleter>;

// The regions windows were given, by window.
std::map<HWND, TOwnedRegion>& WindowRegions()
{
    static std::map<HWND, TOwnedRegion> regions;
    return regions;
}

bool gMenuAnimation = true;

TCustomForm* FormOf(HWND hWnd) { return dynamic_cast<TCustomForm*>(FindControl(hWnd)); }

} // namespace

HWND WindowFromDC(HDC DC)
{
    if (!DC || !Screen) return 0;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->HandleAllocated() && form->Canvas()->HandleAllocated() && form->Canvas()->Handle() == DC)
            return form->Handle();
    }
    return 0;
}

bool GetWindowRect(HWND hWnd, TRect& Rect)
{
    TWinControl* control = FindControl(hWnd);
    if (!control) return false;
    TPoint origin = control->Parent() ? control->Parent()->ClientToScreen({control->Left(), control->Top()})
                                      : TPoint{control->Left(), control->Top()};
    Rect = Bounds(origin.X, origin.Y, control->Width(), control->Height());
    return true;
}

bool SetWindowPos(HWND hWnd, HWND, int X, int Y, int Width, int Height, unsigned Flags)
{
    TWinControl* control = FindControl(hWnd);
    if (!control) return false;
    if (Flags & SWP_NOMOVE) {
        X = control->Left();
        Y = control->Top();
    }
    if (Flags & SWP_NOSIZE) {
        Width = control->Width();
        Height = control->Height();
    }
    control->SetBounds(X, Y, Width, Height);
    return true;
}

int SetWindowRgn(HWND hWnd, HRGN Region, bool Redraw)
{
    TOwnedRegion owned(Region);
    TCustomForm* form = FormOf(hWnd);
    if (!form) return 0;
    std::optional<TRect> shape;
    if (owned) {
        TRect box;
        GetRgnBox(owned.get(), box);
        shape = box;
        WindowRegions()[hWnd] = std::move(owned);
    } else {
        WindowRegions().erase(hWnd);
    }
    if (auto* native = form->NativeWindow()) native->SetShape(shape);
    if (Redraw) form->Invalidate();
    return 1;
}

int GetWindowRgn(HWND hWnd, HRGN Region)
{
    auto it = WindowRegions().find(hWnd);
    if (it == WindowRegions().end() || !Region) return ERROR_REGION;
    return CombineRgn(Region, it->second.get(), nullptr, RGN_COPY);
}

bool SystemParametersInfo(unsigned Action, unsigned, void* PvParam, unsigned)
{
    switch (Action) {
    case SPI_GETMENUANIMATION:
        if (!PvParam) return false;
        *static_cast<bool*>(PvParam) = gMenuAnimation;
        return true;
    case SPI_SETMENUANIMATION:
        gMenuAnimation = PvParam != nullptr;
        return true;
    default:
        return false;
    }
}
