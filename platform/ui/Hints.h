// Hints: the small window that shows a control's hint text.
#pragma once

#include <string>

#include "platform/ui/Forms.h"

class THintWindow;
// Makes the window a hint is shown in; a control may ask for a window of its own kind.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);

// What CM_HINTSHOW carries in LParam; a handler may change it or answer 1 to
// show nothing.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;   // client coordinates of HintControl
    TPoint HintPos;     // screen coordinates of the hint window
    int HintMaxWidth = 300;
    std::string HintStr;
    TColor HintColor = clInfoBk;
    // Null: the application's plain hint window.
    THintWindowClass HintWindowClass = nullptr;
};

class THintWindow : public TCustomForm {
    VISTRA_CLASS(THintWindow, TCustomForm)

    explicit THintWindow(TComponent* AOwner);

    // The size the text needs, at (0, 0).
    virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint);
    // Shows the text at Rect (screen coordinates).
    virtual void ActivateHint(TRect Rect, const std::string& AHint);
    // Hides the window.
    void ReleaseHandle();

protected:
    void Paint() override;
    // Draws the text inside the frame, with the window's font and a clear brush.
    virtual void DrawHintText(TCanvas& ACanvas, const TRect& R);
};
