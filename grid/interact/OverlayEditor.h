// An editor control the grid lays over a fixed cell or over a form control
// in a cell: Enter and Esc go to its owner, and so does the loss of the
// focus, once the focus has settled where the user sent it.
#pragma once

#include <utility>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/WinControl.h"

namespace grid {

class TOverlayEditorOwner {
public:
    virtual ~TOverlayEditorOwner() = default;
    // Enter or Esc in the editor; True when the owner took the key.
    virtual bool OverlayKey(unsigned short Key) = 0;
    // The editor no longer has the focus.
    virtual void OverlayFocusLost() = 0;
};

// The message an overlay editor posts itself when it lost the focus.
unsigned OverlayFocusLostMessage();

// Hides an overlay editor; one that has the focus gives it back to the grid
// first, as hiding it would hand the focus on to the next control.
inline void HideOverlay(TWinControl& Editor, TWinControl& Grid)
{
    if (Editor.Focused() && Grid.CanFocus()) Grid.SetFocus();
    Editor.Hide();
}

template <class Base> class TOverlayEditor : public Base {
public:
    TOverlayEditor(TWinControl& Parent, TOverlayEditorOwner& Owner) : Base(nullptr), FOwner(Owner)
    {
        this->SetVisible(false);
        this->SetParent(&Parent);
    }

protected:
    void KeyDown(unsigned short& Key, TShiftState Shift) override
    {
        if ((Key == VK_RETURN || Key == VK_ESCAPE) && !ListDropped() && FOwner.OverlayKey(Key)) {
            Key = 0;
            FSwallowChar = true;
            return;
        }
        Base::KeyDown(Key, Shift);
    }
    void KeyPress(char32_t& Key) override
    {
        // The character of the key that ended the edit is not typed.
        if (std::exchange(FSwallowChar, false) && (Key == U'\r' || Key == 27)) {
            Key = 0;
            return;
        }
        Base::KeyPress(Key);
    }
    void CMWantSpecialKey(TMessage& Message) override
    {
        Base::CMWantSpecialKey(Message);
        const auto key = static_cast<unsigned short>(Message.WParam);
        if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
    }
    void WMKillFocus(TMessage& Message) override
    {
        Base::WMKillFocus(Message);
        if (this->Visible()) PostMessage(this->Handle(), OverlayFocusLostMessage(), 0, 0);
    }
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == OverlayFocusLostMessage()) {
            if (this->Visible() && !this->Focused()) FOwner.OverlayFocusLost();
            return;
        }
        Base::Dispatch(Message);
    }

private:
    // A dropped list takes Enter and Esc itself.
    bool ListDropped()
    {
        if constexpr (requires(Base& b) { b.DroppedDown(); }) return this->DroppedDown();
        else return false;
    }
    TOverlayEditorOwner& FOwner;
    bool FSwallowChar = false;
};

} // namespace grid
