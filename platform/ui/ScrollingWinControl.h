// A windowed control whose children may be larger than its client area: its
// own scroll bars (in the window frame) show while the children reach beyond
// the client area, and scrolling moves the children.
#pragma once

#include "platform/ui/WinControl.h"

class TScrollingWinControl;

// One of a scrolling control's two bars.
class TControlScrollBar {
public:
    TControlScrollBar(TScrollingWinControl& Control, int Bar) : FControl(Control), FBar(Bar) {}
    // Pixels scrolled from the top (left); moving it moves the children.
    int Position() const noexcept { return FPosition; }
    void SetPosition(int Value);
    // The children's extent in pixels, scrolled part included.
    int Range() const noexcept { return FRange; }
    // Whether the bar shows now.
    bool Visible() const;
    // Room kept beyond a control scrolled into view.
    int Margin = 0;

private:
    friend class TScrollingWinControl;
    TScrollingWinControl& FControl;
    int FBar;
    int FPosition = 0;
    int FRange = 0;
};

class TScrollingWinControl : public TWinControl {
    VISTRA_CLASS(TScrollingWinControl, TWinControl)

    explicit TScrollingWinControl(TComponent* AOwner);

    // On: the bars follow the children's extent.
    bool AutoScroll() const noexcept { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    TControlScrollBar& VertScrollBar() noexcept { return FVertScrollBar; }
    const TControlScrollBar& VertScrollBar() const noexcept { return FVertScrollBar; }
    TControlScrollBar& HorzScrollBar() noexcept { return FHorzScrollBar; }
    const TControlScrollBar& HorzScrollBar() const noexcept { return FHorzScrollBar; }
    // Measures the children again and shows or hides the bars; a child that
    // changed its size calls this through its parent's realignment.
    void UpdateScrollBars();

protected:
    void Dispatch(TMessage& Message) override;
    void BoundsChanged() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    friend class TControlScrollBar;
    // Moves the children so that Bar shows from Position on.
    void ScrollTo(int Bar, int Position);
    void Scroll(int Bar, unsigned Code, int ThumbPos);

    bool FAutoScroll = true;
    bool FUpdating = false;
    TControlScrollBar FHorzScrollBar{*this, 0};
    TControlScrollBar FVertScrollBar{*this, 1};
};
