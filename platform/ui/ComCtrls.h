// The track bar: a thumb on a channel choosing a position between Min and Max.
#pragma once

#include "platform/ui/CustomControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TCustomControl {
    VISTRA_CLASS(TTrackBar, TCustomControl)

    explicit TTrackBar(TComponent* AOwner);

    int Min() const noexcept { return FMin; }
    void SetMin(int Value);
    int Max() const noexcept { return FMax; }
    void SetMax(int Value);
    // Clamped to Min..Max; a change raises OnChange.
    int Position() const noexcept { return FPosition; }
    void SetPosition(int Value);
    void SetRange(int AMin, int AMax);
    int PageSize() const noexcept { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    int LineSize() const noexcept { return FLineSize; }
    void SetLineSize(int Value) { FLineSize = Value; }
    int Frequency() const noexcept { return FFrequency; }
    void SetFrequency(int Value);
    TTrackBarOrientation Orientation() const noexcept { return FOrientation; }
    void SetOrientation(TTrackBarOrientation Value);
    TTickMark TickMarks() const noexcept { return FTickMarks; }
    void SetTickMarks(TTickMark Value);
    TTickStyle TickStyle() const noexcept { return FTickStyle; }
    void SetTickStyle(TTickStyle Value);
    // The thumb's rectangle in client coordinates.
    TRect ThumbRect() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    virtual void Changed();
    void WMGetDlgCode(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    TRect ChannelRect() const;
    int PositionAt(TPoint P) const;

    int FMin = 0, FMax = 10, FPosition = 0, FPageSize = 2, FLineSize = 1, FFrequency = 1;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    bool FDragging = false;
    int FDragOffset = 0;
};
