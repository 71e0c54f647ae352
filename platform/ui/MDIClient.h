// Multiple-document windows: the client area of an MDI frame form, in which
// the application's MDI child forms live as framed windows of their own.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/CustomControl.h"

class TCustomForm;

namespace ui {

class TMDIChildWindow;

// The client window of an MDI frame: fills the frame's client area, paints
// its children's frames and images front to back, routes the mouse to the
// child under it and keeps one child active.
//
// Messages: WM_MDIACTIVATE (WParam: the child form's handle) activates that
// child and answers 0; WM_MDIGETACTIVE answers the active child's handle;
// WM_MDIREFRESHMENU is sent through WindowProc whenever the children change
// and answers 0 unless someone watching the client handles it.
class TMDIClient final : public TCustomControl {
    VISTRA_CLASS(TMDIClient, TCustomControl)

    explicit TMDIClient(TCustomForm& Frame);
    ~TMDIClient() override;

    TCustomForm& Frame() const noexcept { return FFrame; }
    // The child forms, oldest first.
    int ChildCount() const;
    TCustomForm* Child(int Index) const;
    TCustomForm* ActiveChild() const;

    // The host window of a child form (used by the form's host).
    std::unique_ptr<TNativeWindow> CreateChildWindow(const TNativeWindowParams& Params, TNativeWindowEvents& Events,
                                                     TCustomForm& Child);
    // Makes Child the active one and brings it to the front.
    void ActivateChild(TCustomForm* Child);
    // Asks for the window list to be rebuilt (WM_MDIREFRESHMENU).
    void RefreshMenu();

    // Used by the child windows.
    void ChildChanged(TMDIChildWindow& Window);
    void ChildGone(TMDIChildWindow& Window);

protected:
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TMDIChildWindow* WindowAt(TPoint P) const;
    TMDIChildWindow* WindowOf(const TCustomForm* Child) const;
    void Forward(unsigned Msg, TMDIChildWindow& Window, TPoint P, TShiftState Shift);

    TCustomForm& FFrame;
    // Back to front: the last is on top.
    std::vector<TMDIChildWindow*> FWindows;
    TMDIChildWindow* FActive = nullptr;
    TMDIChildWindow* FPressed = nullptr;  // gets the mouse until the button is up
    bool FDragging = false;               // moving a child by its caption
    TPoint FDragStart;
    TPoint FDragOrigin;
};

// The MDI frame of a child form, or null when the application has none.
TCustomForm* MDIFrameFor(const TCustomForm& Child);

} // namespace ui
