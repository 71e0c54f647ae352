// TCustomControl, TGraphicControl, TControlCanvas, and contexts outside painting.
#include "platform/ui/CustomControl.h"

#include "platform/graphics/DeviceContext.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Forms.h"

namespace ui {

HDC GetControlDC(TControl& control, bool wholeWindow)
{
    TCustomForm* form = control.GetParentForm();
    if (!form) return nullptr;
    return form->GetControlDC(&control, wholeWindow);
}

void ReleaseControlDC(TControl& control, HDC dc)
{
    if (!dc) return;
    DeleteDC(dc);
    // What was drawn stays in the surface; the host only needs to see it.
    if (TCustomForm* form = control.GetParentForm()) form->PresentControl(&control);
}

} // namespace ui

HDC GetDC(HWND hWnd)
{
    TWinControl* c = FindControl(hWnd);
    return c ? ui::GetControlDC(*c, false) : nullptr;
}

HDC GetWindowDC(HWND hWnd)
{
    TWinControl* c = FindControl(hWnd);
    return c ? ui::GetControlDC(*c, true) : nullptr;
}

int ReleaseDC(HWND hWnd, HDC hDC)
{
    TWinControl* c = FindControl(hWnd);
    if (!c || !hDC) return 0;
    ui::ReleaseControlDC(*c, hDC);
    return 1;
}

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle()
{
    FOwnDC = ui::GetControlDC(FControl, false);
    if (FOwnDC) SetHandle(FOwnDC);
}

void TControlCanvas::FreeHandle()
{
    if (!FOwnDC) return;
    SetHandle(nullptr);
    ui::ReleaseControlDC(FControl, FOwnDC);
    FOwnDC = nullptr;
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(*this))
{
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(TCanvas& ACanvas)
{
    FCanvas->FreeHandle();
    FCanvas->SetHandle(ACanvas.Handle());
    FCanvas->Font()->Assign(&Font());
    FCanvas->Brush()->SetColor(Color());
    const rtl::ScopeExit release([this] { FCanvas->SetHandle(nullptr); });
    Paint();
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(*this))
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Paint() {}

void TGraphicControl::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_PAINT) {
        TControl::Dispatch(Message);
        return;
    }
    FCanvas->FreeHandle();
    FCanvas->SetHandle(reinterpret_cast<HDC>(Message.WParam));
    FCanvas->Font()->Assign(&Font());
    FCanvas->Brush()->SetColor(Color());
    const rtl::ScopeExit release([this] { FCanvas->SetHandle(nullptr); });
    Paint();
}
