// The arrows that mark where a dragged column will drop, and the window that shows the
// focus glow around the edited cell.
#include "grid/base/ArrowWindow.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/ui/Messages.h"

namespace {

// The left arrow's tip points right and the right arrow's tip left: each marks the
// drop position from its own side of it.
constexpr std::array<std::array<TPoint, 7>, 4> ArrowShapes = {{
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},
}};

} // namespace

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection Direction) : TPanel(AOwner), FDir(Direction)
{
    SetColor(clLime);
    SetParent(AOwner);
    SetVisible(false);
}

TArrowWindow::~TArrowWindow()
{
    if (FRegion)
        DeleteObject(FRegion);
}

void TArrowWindow::CreateParams(TCreateParams& Params)
{
    TPanel::CreateParams(Params);
    Params.Style = WS_POPUP;
}

void TArrowWindow::CreateWnd()
{
    TPanel::CreateWnd();
    FArrow = ArrowShapes[static_cast<size_t>(FDir)];
    if (FRegion)
        DeleteObject(FRegion);
    FRegion = CreatePolygonRgn(FArrow.data(), static_cast<int>(FArrow.size()), WINDING);
}

void TArrowWindow::WndProc(TMessage& Message)
{
    // The background outside the arrow stays the parent's.
    if (Message.Msg == WM_ERASEBKGND) {
        Message.Result = 1;
        return;
    }
    TPanel::WndProc(Message);
}

void TArrowWindow::Paint()
{
    TCanvas& canvas = *Canvas();
    if (FRegion)
        SelectClipRgn(canvas.Handle(), FRegion);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    SelectClipRgn(canvas.Handle(), nullptr);
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 0, 0);
    SetColor(clRed);
}

void TGridFocusWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}
