// Push buttons, bitmap buttons, speed buttons, check boxes and radio buttons.
#pragma once

#include <memory>

#include "platform/ui/CustomControl.h"
#include "platform/ui/Forms.h"

class TBitmap;

class TButton : public TCustomControl {
    VISTRA_CLASS(TButton, TCustomControl)

    explicit TButton(TComponent* AOwner);
    // Enter clicks the default button unless another button has the focus.
    bool Default() const noexcept { return FDefault; }
    void SetDefault(bool Value);
    // Esc clicks the cancel button.
    bool Cancel() const noexcept { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    // Clicking sets the form's ModalResult to this.
    TModalResult ModalResult() const noexcept { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    bool Pressed() const noexcept { return FPressed; }
    void Click() override;

protected:
    void Paint() override;
    // Draws the face inside R (caption, glyph).
    virtual void PaintFace(TCanvas& C, TRect R);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyUp(unsigned short& Key, TShiftState Shift) override;
    void CMDialogKey(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void SetPressed(bool Value);

private:
    bool FDefault = false, FCancel = false, FPressed = false, FSpaceDown = false;
    TModalResult FModalResult = mrNone;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A button with a picture beside its caption; a Kind fills in caption and result.
class TBitBtn : public TButton {
    VISTRA_CLASS(TBitBtn, TButton)

    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;
    TBitmap& Glyph() noexcept { return *FGlyph; }
    void SetGlyph(const TBitmap& Value);
    TBitBtnKind Kind() const noexcept { return FKind; }
    void SetKind(TBitBtnKind Value);
    TButtonLayout Layout() const noexcept { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Spacing() const noexcept { return FSpacing; }
    void SetSpacing(int Value);

protected:
    void PaintFace(TCanvas& C, TRect R) override;

private:
    std::unique_ptr<TBitmap> FGlyph;
    TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
};

// A button drawn on its parent that never takes the focus; buttons of one
// GroupIndex (not 0) stay down one at a time.
class TSpeedButton : public TGraphicControl {
    VISTRA_CLASS(TSpeedButton, TGraphicControl)

    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;
    int GroupIndex() const noexcept { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool Down() const noexcept { return FDown; }
    void SetDown(bool Value);
    bool AllowAllUp() const noexcept { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    bool Flat() const noexcept { return FFlat; }
    void SetFlat(bool Value);
    TBitmap& Glyph() noexcept { return *FGlyph; }
    void SetGlyph(const TBitmap& Value);
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // The left button went down on it and has not been released yet.
    bool Pressing() const noexcept { return FPressing; }

private:
    std::unique_ptr<TBitmap> FGlyph;
    int FGroupIndex = 0;
    bool FDown = false, FAllowAllUp = false, FFlat = false, FPressing = false, FHot = false;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TCustomControl {
    VISTRA_CLASS(TCheckBox, TCustomControl)

    explicit TCheckBox(TComponent* AOwner);
    bool Checked() const noexcept { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const noexcept { return FState; }
    // Changing the state raises OnClick, as a click would.
    virtual void SetState(TCheckBoxState Value);
    bool AllowGrayed() const noexcept { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    // A click moves the state on (and raises OnClick through SetState).
    void Click() override;

protected:
    void Paint() override;
    // A click moves to the next state: unchecked, checked, (grayed).
    virtual void Toggle();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(unsigned short& Key, TShiftState Shift) override;
    void CMDialogChar(TMessage& Message) override;
    // Draws the box (or circle) and the caption; Radio chooses the circle.
    void PaintButton(bool Radio);

    TCheckBoxState FState = cbUnchecked;

private:
    bool FAllowGrayed = false;
};

class TRadioButton : public TCheckBox {
    VISTRA_CLASS(TRadioButton, TCheckBox)

    explicit TRadioButton(TComponent* AOwner);
    // Checking one unchecks the other radio buttons of the same parent.
    void SetState(TCheckBoxState Value) override;

protected:
    void Paint() override;
    void Toggle() override;
    void WMSetFocus(TMessage& Message) override;
};
