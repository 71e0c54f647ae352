// The grid's check box: a box and caption drawn by the control itself, with
// its own click, Space and accelerator handling.
#pragma once

#include <string>

#include "platform/ui/Buttons.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/ExtCtrls.h"

class TQuillCheckBox : public TCustomControl {
    VISTRA_CLASS(TQuillCheckBox, TCustomControl)

    explicit TQuillCheckBox(TComponent* AOwner);

    // Flips Checked unless read-only; a grayed box becomes checked.
    virtual void Toggle();

    bool Checked() const noexcept { return FState == cbChecked; }
    void SetChecked(bool Value);
    TCheckBoxState State() const noexcept { return FState; }
    void SetState(TCheckBoxState Value);
    // Pressed by the mouse or Space and not yet released.
    bool Down() const noexcept { return FDown; }
    void SetDown(bool Value) { FDown = Value; }
    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value);
    // Enter moves on to the next control as Tab does.
    bool ReturnIsTab() const noexcept { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    TTextLayout ButtonVertAlign() const noexcept { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout Value);
    // taRightJustify puts the box on the right of the caption.
    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool Ellipsis() const noexcept { return FEllipsis; }
    void SetEllipsis(bool Value);
    bool ReadOnly() const noexcept { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // The parent shows through; the form's retained surface already holds
    // its pixels, so caching changes nothing here and is kept for callers.
    bool Transparent() const noexcept { return FTransparent; }
    void SetTransparent(bool Value);
    bool TransparentChaching() const noexcept { return FTransparentCaching; }
    void SetTransparentChaching(bool Value) { FTransparentCaching = Value; }
    bool Hot() const noexcept { return FHot; }

    // Where the box is drawn in client coordinates.
    TRect BoxRect() const;

protected:
    void Paint() override;
    void PaintNonClient(TCanvas& Canvas) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyUp(unsigned short& Key, TShiftState Shift) override;
    void CMDialogChar(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;

private:
    // The 20-pixel strip holding the box, on its side of the control.
    TRect BoxStrip() const;
    void InvalidateBoxCorner();
    TRect CaptionRect() const;

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    bool FFocused = false;
    bool FReturnIsTab = false;
    TTextLayout FBtnVAlign = tlTop;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    std::string FCaption;
    bool FHot = false;
    bool FReadOnly = false;
    bool FMouseDown = false;
    bool FTransparentCaching = false;
    bool FTransparent = false;
};
