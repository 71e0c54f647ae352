// The grid's date-time picker: a flat border, a hot frame and its own
// drop-down button colours in the "metro" look.
#pragma once

#include <string>

#include "grid/base/ButtonColorSet.h"
#include "grid/base/PlainDateTimePicker.h"

class TSarnDateTimePicker : public grid::TPlainDateTimePicker, public grid::TButtonColorProperties {
    VISTRA_CLASS(TSarnDateTimePicker, grid::TPlainDateTimePicker)

    explicit TSarnDateTimePicker(TComponent* AOwner);

    // The flat border style used while the 3-D look is off: bsNone or bsSingle.
    TBorderStyle BorderStyle() const noexcept { return FBorderStyle; }
    virtual void ApplyBorderStyle(TBorderStyle Value);
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // Show the sunken hot frame while hot or active.
    bool FocusBorder() const noexcept { return FFocusBorder; }
    void SetFocusBorder(bool Value) { FFocusBorder = Value; }
    TColor FocusBorderColor() const noexcept { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    // When false, a disabled themed picker gets a frame of its own.
    bool DisabledBorder() const noexcept { return FDisabledBorder; }
    void SetDisabledBorder(bool Value) { FDisabledBorder = Value; }
    bool MetroStyle() const noexcept { return FMetroStyle; }
    void SetMetroStyle(bool Value);
    int ButtonWidth() const noexcept { return FButtonWidth; }
    void SetButtonWidth(int Value) { FButtonWidth = Value; }
    // The drop button's colours (ButtonColor… from TButtonColorProperties) are
    // only kept; the next paint reads them.
    // Always "1.0.0.0"; assigning changes nothing.
    std::string Version() const { return "1.0.0.0"; }
    void SetVersion(const std::string&) {}

    bool MouseInControl() const noexcept { return FMouseInControl; }
    bool ButtonHover() const noexcept { return FButtonHover; }

protected:
    void Paint() override;
    void PaintNonClient(TCanvas& Canvas) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;

private:
    bool MetroActive() const;
    bool UsesTheme() const;
    bool Active() const;
    bool Hot() const;
    // Painting steps, in SarnDateTimePickerPaint.cpp.
    TRect OwnButtonRect() const;
    void PaintButton(TCanvas& C);
    void PaintButtonRing(TCanvas& C);
    void PaintFlatBorder(TCanvas& C);
    void PaintFrame(TCanvas& C);

    TBorderStyle FBorderStyle = bsSingle;
    TColor FBorderColor = clNone;
    bool FFocusBorder = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FMetroStyle = false;
    int FButtonWidth;
    bool FIsWinXP;
    bool FIsThemed;
    bool FMouseInControl = false;
    bool FButtonHover = false;
    bool FHasFocus = false;
    // A mouse button went down on the picker and is still held.
    bool FMouseButtonDown = false;
};
