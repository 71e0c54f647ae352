// The bridge between a form and its host window: the retained surface, the
// part of it waiting to be repainted, and host input turned into messages.
#pragma once

#include <memory>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/ui/Backend.h"

class TCustomForm;
class TWinControl;
class TControl;

namespace ui {

class TFormHost final : public TNativeWindowEvents {
public:
    explicit TFormHost(TCustomForm& form);
    ~TFormHost() override;

    void CreateNative(const TNativeWindowParams& params);
    // Takes a host window made elsewhere (an MDI child's window in its frame).
    void AdoptNative(std::unique_ptr<TNativeWindow> native) { FNative = std::move(native); }
    void DestroyNative();
    TNativeWindow* Native() const noexcept { return FNative.get(); }

    // The surface covers the menu bar and the client area.
    TBitmap& Surface() noexcept { return FSurface; }
    void ResizeSurface(int width, int height);
    // Surface coordinates of the client area's top-left corner.
    TPoint ClientOffset() const;

    void Invalidate(const TRect& surfaceArea, bool erase);
    bool NeedsPaint() const noexcept { return !FDirty.IsEmpty(); }
    // Paints what is marked and hands the image to the host.
    void Paint();
    // Hands the given part of the surface to the host (after drawing outside painting).
    void Present(const TRect& surfaceArea);

    // TNativeWindowEvents
    void NativeKey(unsigned msg, unsigned short vk, std::uint32_t keyData) override;
    void NativeChar(char32_t ch, std::uint32_t keyData, bool sysChar) override;
    void NativeMouse(unsigned msg, TPoint pos, TShiftState shift) override;
    void NativeWheel(int delta, TPoint pos, TShiftState shift) override;
    void NativeMouseLeave() override;
    bool NativeViewPress(TPoint pos) override;
    void NativeResized(int clientWidth, int clientHeight) override;
    void NativeMoved(TPoint screenTopLeft) override;
    void NativeActivated(bool active) override;
    void NativeCloseRequested() override;
    void NativeExposed() override;
    int NativeDragOver(TDragData& data, TPoint pos, TShiftState keys, int allowed) override;
    void NativeDragLeave() override;
    int NativeDrop(TDragData& data, TPoint pos, TShiftState keys, int allowed) override;

    // Forgets a control that is going away (mouse tracking).
    void ControlGone(const TControl* control);

private:
    // The control a key typed on this window goes to.
    TWinControl* KeyTarget() const;
    void PaintControlTree(HDC dc, TControl& control, TPoint origin, const TRect& clip);
    TControl* ControlAt(TPoint surfacePos) const;
    // The screen point of a point of the surface.
    TPoint SurfaceToScreen(TPoint surfacePos) const;
    void TrackMouseControl(TControl* control);
    // Shows the cursor the control (or the screen, or a parent) asks for.
    void ShowCursorOf(TControl& target);
    unsigned DoubleClickMessage(unsigned msg, TControl* target, TPoint pos);

    TCustomForm& FForm;
    std::unique_ptr<TNativeWindow> FNative;
    TBitmap FSurface;
    TRect FDirty;
    bool FPainting = false;
    bool FSuppressChar = false;
    TControl* FMouseControl = nullptr;
    // The last press, for telling double clicks.
    unsigned FLastDownMsg = 0;
    TControl* FLastDownControl = nullptr;
    TPoint FLastDownPos;
    std::uint64_t FLastDownTime = 0;
};

} // namespace ui
