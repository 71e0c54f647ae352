// The arrows that mark where a dragged column will drop, and the window that shows the
// focus glow around the edited cell.
#pragma once

#include "grid/base/GridEnums.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/ExtCtrls.h"

#include <array>

// A small lime arrow in the shape of a seven-point polygon. Our windows have no shape of
// their own, so the polygon is kept as the window's region and painting fills only the
// region, leaving the parent's pixels around the arrow.
class TArrowWindow : public TPanel {
    VISTRA_CLASS(TArrowWindow, TPanel)

    // Stores the direction, makes AOwner the parent and starts hidden.
    TArrowWindow(TWinControl* AOwner, TArrowDirection Direction);
    ~TArrowWindow() override;

    TArrowDirection Dir() const noexcept { return FDir; }
    const std::array<TPoint, 7>& Arrow() const noexcept { return FArrow; }
    // The window's shape, made with the window; null before.
    HRGN Region() const noexcept { return FRegion; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Paint() override;

private:
    TArrowDirection FDir;
    std::array<TPoint, 7> FArrow{};
    HRGN FRegion = nullptr;
};

// A red, disabled, topmost tool window of no size until the grid places it around the
// edited cell.
class TGridFocusWindow : public TCustomControl {
    VISTRA_CLASS(TGridFocusWindow, TCustomControl)

    explicit TGridFocusWindow(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
};
