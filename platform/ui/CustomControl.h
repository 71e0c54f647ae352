// Controls that paint themselves with a canvas: TCustomControl (windowed) and
// TGraphicControl (drawn on its parent), plus device contexts for drawing
// outside painting.
#pragma once

#include <memory>

#include "platform/graphics/Canvas.h"
#include "platform/ui/WinControl.h"

// A canvas on a control: during painting it draws on the paint context;
// otherwise it asks for a context on the control's window surface.
class TControlCanvas : public TCanvas {
    VISTRA_CLASS(TControlCanvas, TCanvas)

    explicit TControlCanvas(TControl& Control) : FControl(Control) {}
    ~TControlCanvas() override;
    TControl& Control() const noexcept { return FControl; }
    // Drops the context made for drawing outside painting.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl& FControl;
    HDC FOwnDC = nullptr;
};

class TCustomControl : public TWinControl {
    VISTRA_CLASS(TCustomControl, TWinControl)

    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    TCanvas* Canvas() const noexcept { return FCanvas.get(); }

protected:
    virtual void Paint();
    void PaintWindow(TCanvas& ACanvas) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

class TGraphicControl : public TControl {
    VISTRA_CLASS(TGraphicControl, TControl)

    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const noexcept { return FCanvas.get(); }

protected:
    virtual void Paint();
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// A context on the client area (GetDC) or the whole window (GetWindowDC) of a
// control, drawing straight into its form's surface; free it with ReleaseDC.
// What is drawn shows at the next pass of the message loop.
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
// The same for any control, windowed or not.
namespace ui {
HDC GetControlDC(TControl& control, bool wholeWindow);
void ReleaseControlDC(TControl& control, HDC dc);
} // namespace ui
