// The typed edit with a button inside its right end (TQuillEditBtn): the
// button window (TEditButton) holding its painted button (TQuillSpeedButton),
// F4 as the keyboard click, and a lock that leaves the value to the button.
#pragma once

#include <cstdint>
#include <string>

#include "controls/QuillEdit.h"
#include "platform/ui/Buttons.h"

class TEditButton;
class TQuillEditBtn;

enum TButtonStyle { bsButton, bsDropDown };

// The painted button: a push button with glyph and caption, or a drop-down
// arrow, in the edit's custom button colours or the classic look.
class TQuillSpeedButton : public TSpeedButton {
    VISTRA_CLASS(TQuillSpeedButton, TSpeedButton)

    explicit TQuillSpeedButton(TEditButton& Owner);

    bool Etched() const noexcept { return FEtched; }
    void SetEtched(bool Value);
    // Shown by nothing; kept for the flat edit's focus look.
    bool Focused() const noexcept { return FFocused; }
    void SetFocused(bool Value);
    bool Hot() const noexcept { return FHot; }
    // While set, a pressed button paints as not pressed.
    void SetUp(bool Value) { FUp = Value; }

protected:
    void Paint() override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    struct TLook;
    TLook LookNow() const;
    void PaintDropDown(TCanvas& Canvas, const TLook& Look);
    void PaintButton(TCanvas& Canvas, const TLook& Look);
    void PaintGlyphAndCaption(TCanvas& Canvas, const TLook& Look);

    TEditButton& FOwner;
    bool FEtched = false, FFocused = false, FHot = false, FUp = false;
};

// The window in the edit's right end; its width is held to the button width.
class TEditButton : public TWinControl {
    VISTRA_CLASS(TEditButton, TWinControl)

    explicit TEditButton(TQuillEditBtn& Edit);

    TQuillEditBtn& Edit() const noexcept { return FEdit; }
    TQuillSpeedButton& Button() const noexcept { return *FButton; }
    int ButtonWidth() const noexcept { return FBWidth; }
    void SetButtonWidth(int Value);
    // The control that takes the focus after a click.
    TWinControl* FocusControl() const noexcept { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    TBitmap& Glyph() const noexcept { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
    std::string ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }

    // Custom colours; ButtonColor not clNone switches the painting to them.
    TColor ButtonColor = clNone, ButtonColorHot = clNone, ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone, ButtonTextColorHot = clNone, ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // A left release on the button acts, even when the pointer left it first.
    void HandleButtonMouseUp(TMouseButton Button);

    TQuillEditBtn& FEdit;
    TQuillSpeedButton* FButton;
    TWinControl* FFocusControl = nullptr;
    int FBWidth = 16;
};

class TQuillEditBtn : public TQuillEdit {
    VISTRA_CLASS(TQuillEditBtn, TQuillEdit)

    explicit TQuillEditBtn(TComponent* AOwner);
    ~TQuillEditBtn() override;

    TEditButton* Button() const noexcept { return FButton; }
    // False: typing, Delete, cut and paste change nothing; the button does.
    bool EditorEnabled() const noexcept { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) noexcept { FEditorEnabled = Value; }
    bool Flat() const noexcept { return FFlat; }
    void SetFlat(bool Value);
    bool Etched() const noexcept { return FEtched; }
    void SetEtched(bool Value);
    int ButtonWidth() const noexcept { return FButton ? FButton->ButtonWidth() : 17; }
    void SetButtonWidth(int Value);
    const std::string& ButtonHint() const noexcept { return FButtonHint; }
    void SetButtonHint(const std::string& Value);
    TButtonStyle ButtonStyle() const noexcept { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    TBitmap& Glyph() const noexcept { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
    std::string ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const std::string& Value) { FButton->SetButtonCaption(Value); }
    void SetReadOnly(bool Value);
    void SetEnabled(bool Value) override;

    std::uint32_t GetVersionNr() const override { return 0x01030301; }

    // The formatting rectangle stops short of the button.
    void SetEditRect();

    // Runs on a click of the button and on F4.
    virtual void DoClickBtn();

    TNotifyEvent OnClickBtn;

protected:
    void CreateWnd() override;
    void Loaded() override;
    void BoundsChanged() override;
    void CMFontChanged(TMessage& Message) override;
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    int GetMinHeight() const;
    void ResizeButton();
    void UpdateButtonFocus();
    bool IsButtonHot() const;
    void UpdateButtonEnabled();

    TEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    bool FFlat = false, FEtched = false;
    std::string FButtonHint;
    TButtonStyle FButtonStyle = bsButton;
    bool FResizing = false;
};
