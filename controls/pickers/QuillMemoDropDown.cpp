#include "controls/pickers/QuillMemoDropDown.h"

#include "controls/dropdown/DropDownDrawing.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Forms.h"
#include "platform/ui/VirtualKeys.h"

namespace controls {

// The popup's memo: the focus leaving it for a window outside the popup
// closes the popup as a click elsewhere does.
class TQuillMemoDropDown::TPopupMemo : public TMemo {
public:
    TPopupMemo(TQuillMemoDropDown& Owner) : TMemo(&Owner), FOwner(Owner) {}

protected:
    void WMKillFocus(TMessage& Message) override
    {
        TMemo::WMKillFocus(Message);
        TWinControl* next = FindControl(reinterpret_cast<HWND>(Message.WParam));
        const bool staysInPopup = next && next->GetParentForm() == FOwner.DropDownForm();
        if (FOwner.DroppedDown() && !staysInPopup && next != &FOwner) FOwner.DoHideDropDown(false);
    }

private:
    TQuillMemoDropDown& FOwner;
};

TQuillMemoDropDown::TQuillMemoDropDown(TComponent* AOwner)
    : TQuillCustomDropDown(AOwner), FMemoText(std::make_unique<TStringList>())
{
    FMemoText->OnChange = [this](TObject*) { HandleMemoTextChange(); };
    CreateDropDownForm();
}

TQuillMemoDropDown::~TQuillMemoDropDown()
{
    FMemoText->OnChange = nullptr;
}

void TQuillMemoDropDown::CreateDropDownForm()
{
    TQuillCustomDropDown::CreateDropDownForm();
    if (FMemo) return;
    FMemo = new TPopupMemo(*this);
    FMemo->SetParent(DropDownForm());
    FMemo->SetBounds(0, 0, Width(), MemoHeight);
    FMemo->SetBorderStyle(bsNone);
    FMemo->OnChange = [this](TObject*) {
        if (OnMemoChange) OnMemoChange(this);
    };
    SetDropDownControl(FMemo);
    SetFocusControl(FMemo);
}

void TQuillMemoDropDown::SetMemoText(const TStrings& Value) { FMemoText->Assign(&Value); }

void TQuillMemoDropDown::SetMemoReadOnly(bool Value)
{
    FMemoReadOnly = Value;
    if (DroppedDown()) FMemo->SetReadOnly(Value);
}

void TQuillMemoDropDown::BeforeDropDown()
{
    TQuillCustomDropDown::BeforeDropDown();
    // A click elsewhere closes the popup keeping the text.
    DropDownForm()->SetCancelOnDeActivate(false);
    FMemo->Lines().Assign(FMemoText.get());
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TQuillMemoDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    // The memo fills the popup while it is open; its own height is what the
    // popup needs.
    FMemo->SetAlign(alNone);
    FMemo->SetBounds(0, 0, DropDownWidth() > 0 ? DropDownWidth() : this->Width(), MemoHeight);
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
}

void TQuillMemoDropDown::DoHideDropDown(bool Cancel)
{
    // The focus coming back to the edit must not open the popup again.
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    if (Cancel) FMemo->Lines().Assign(FMemoText.get());
    TQuillCustomDropDown::DoHideDropDown(Cancel);
    FAutoDrop = autoDrop;
}

void TQuillMemoDropDown::DropDownHidden()
{
    TQuillCustomDropDown::DropDownHidden();
    FMemoText->Assign(&FMemo->Lines());
}

void TQuillMemoDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift)
{
    // The memo keeps Enter, the arrows and its editing keys.
    if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TQuillCustomDropDown::ControlKeyDown(Key, Shift);
    if (Shift.Contains(ssCtrl) && (Key == 'A' || Key == 'a')) FMemo->SelectAll();
}

void TQuillMemoDropDown::ControlKeyUp(unsigned short& Key, TShiftState Shift)
{
    if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TQuillCustomDropDown::ControlKeyUp(Key, Shift);
}

void TQuillMemoDropDown::ControlKeyPress(char32_t& Key)
{
    if (Key == 27 || GetKeyState(VK_MENU) < 0) TQuillCustomDropDown::ControlKeyPress(Key);
}

void TQuillMemoDropDown::HandleMemoTextChange()
{
    std::string line = FMemoText->Count() == 0 ? std::string() : FMemoText->Strings(0);
    if (!line.empty() || FMemoText->Count() > 1) {
        TCanvas& canvas = *Canvas();
        canvas.Font()->Assign(&Font());
        const int room = EditRect().Width();
        if (MeasureTextLine(canvas, line).cx < room) {
            if (FMemoText->Count() > 1) line += "...";
        } else line = TruncateText(canvas, line, room, true);
    }
    FInternalUpdate = true;
    SetRawText(line);
    FInternalUpdate = false;
}

void TQuillMemoDropDown::Change()
{
    if (!FInternalUpdate) {
        // The edit keeps what was typed: the list takes it without telling.
        TNotifyEvent handler = std::move(FMemoText->OnChange);
        FMemoText->OnChange = nullptr;
        FMemoText->SetText(Text());
        FMemoText->OnChange = std::move(handler);
    }
    TQuillCustomDropDown::Change();
}

void TQuillMemoDropDown::CMEnter(TMessage& Message)
{
    TQuillCustomDropDown::CMEnter(Message);
    if (FAutoDrop) DoShowDropDown();
}

} // namespace controls
