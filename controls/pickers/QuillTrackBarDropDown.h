// An integer edit whose popup is a track bar. The face takes no typing by
// default: Up and Down step the value by Frequency, and dragging the mouse
// sideways over the face moves it by one for every PageSize pixels.
#pragma once

#include "controls/dropdown/QuillDropDown.h"

class TTrackBar;

namespace controls {

class TQuillTrackBarDropDown : public TQuillCustomDropDown {
    VISTRA_CLASS(TQuillTrackBarDropDown, TQuillCustomDropDown)

    explicit TQuillTrackBarDropDown(TComponent* AOwner);

    // Min, Max and Position are clamped by the track bar's own limits.
    int Min() const noexcept { return FMin; }
    void SetMin(int Value);
    int Max() const noexcept { return FMax; }
    void SetMax(int Value);
    int Position() const noexcept { return FPosition; }
    void SetPosition(int Value);
    // The track bar's page size, and the pixels of a drag per step.
    int PageSize() const noexcept { return FPageSize; }
    void SetPageSize(int Value);
    // The tick frequency, and the step of Up and Down.
    int Frequency() const noexcept { return FFrequency; }
    void SetFrequency(int Value);
    TTrackBar* TrackBar() const noexcept { return FTrackBar; }

    // The track bar moved.
    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void ControlKeyDown(unsigned short& Key, TShiftState Shift) override;
    void Change() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void HandleTrackBarChange();
    // Stores a value and takes it back from the track bar, which clamps it.
    void Store(int& Field, int Value, void (TTrackBar::*Setter)(int), int (TTrackBar::*Getter)() const);

    static constexpr int TrackBarHeight = 40;
    TTrackBar* FTrackBar = nullptr;
    int FMin = 0, FMax = 10, FPosition = 0, FPageSize = 2, FFrequency = 1;
    bool FMouseDraging = false;
    int FMouseX = 0;
};

} // namespace controls
