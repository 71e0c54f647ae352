// The borderless popup window of a drop-down: a framed, optionally gradient
// background around the one control the drop-down hosts. It shows without
// taking the activation, so the drop-down's edit keeps the keyboard.
#pragma once

#include <cstdint>

#include "controls/dropdown/DropDownDrawing.h"
#include "platform/ui/Forms.h"

namespace controls {

class TQuillCustomDropDown;
class TDropDownPanel;

class TDropDownForm : public TCustomForm {
    VISTRA_CLASS(TDropDownForm, TCustomForm)

    explicit TDropDownForm(TQuillCustomDropDown& DropDown);

    TQuillCustomDropDown& DropDown() const noexcept { return FDropDown; }
    // The top-level window the drop-down stands in; null without one.
    TWinControl* TopLevelWindow() const;
    // A click elsewhere cancels the popup's changes; a drop-down that takes
    // such a click as an accept switches this off.
    bool CancelOnDeActivate() const noexcept { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool Value) noexcept { FCancelOnDeActivate = Value; }
    // The clock time (milliseconds) the popup was last closed by a click
    // elsewhere; 0 when never.
    std::uint64_t DeActivateTime() const noexcept { return FDeactivatedAt; }
    void NoteDeactivated();
    // Builds the header and footer strips the drop-down asks for, or brings
    // the existing ones up to date; each opening does this.
    void InitializeAndUpdate();
    // While set, losing the activation (a press elsewhere, the form moving)
    // leaves the popup open: for operations that show windows of their own.
    bool BlockActivate() const noexcept { return FBlockActivate; }
    void SetBlockActivate(bool Value) noexcept { FBlockActivate = Value; }
    // A drop shadow is asked of the window system; the drop-down sets it
    // before every opening.
    bool Shadow() const noexcept { return FShadow; }
    void SetShadow(bool Value) noexcept { FShadow = Value; }
    // False: the popup cannot be resized by the user, whatever the footer says.
    bool Sizeable() const noexcept { return FSizeable; }
    void SetSizeable(bool Value) noexcept { FSizeable = Value; }
    // Raised while the user resizes the popup with its size grip.
    TNotifyEvent OnSizing;
    // Null until a visible strip was first asked for.
    TDropDownPanel* Header() const noexcept { return FHeader; }
    TDropDownPanel* Footer() const noexcept { return FFooter; }

protected:
    void Paint() override;
    // Header, control and footer align inside the popup's frame.
    void AdjustClientRect(TRect& Rect) override;

private:
    TQuillCustomDropDown& FDropDown;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
    bool FShadow = true;
    bool FSizeable = true;
    std::uint64_t FDeactivatedAt = 0;
    TDropDownPanel* FHeader = nullptr;
    TDropDownPanel* FFooter = nullptr;
};

} // namespace controls
