// TCustomComboBox: the edit part, the drop button and the drop-down list.
#include <algorithm>

#include "platform/graphics/FrameDrawing.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/ListPopupForm.h"

// The drop-down: the popup list under the combo box, started on its items.
class TCustomComboBox::TDropForm final : public TListPopupForm {
public:
    TDropForm(TCustomComboBox& combo) : TListPopupForm(combo.Font()), FCombo(combo)
    {
        List->Items().Assign(&combo.Items());
        List->SetItemIndex(combo.ItemIndex());
        List->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            if (b == mbLeft && List->ItemAtPos({x, y}, true) >= 0) FCombo.CloseUp(true);
        };
    }

private:
    TCustomComboBox& FCombo;
};

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomEdit(AOwner), FItems(std::make_unique<TStringList>())
{
    FItems->OnChange = [this](TObject*) {
        if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    };
}

TCustomComboBox::~TCustomComboBox()
{
    FItems->OnChange = nullptr;
    delete FDropForm;
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    FStyle = Value;
    SetReadOnly(Value == csDropDownList || Value == csOwnerDrawFixed || Value == csOwnerDrawVariable);
    SetCursor(ReadOnly() ? crDefault : crIBeam);
}

TRect TCustomComboBox::NonClientMargins() const
{
    TRect m = TCustomEdit::NonClientMargins();
    m.Right += DropButtonWidth();
    return m;
}

void TCustomComboBox::PaintNonClient(TCanvas& Canvas)
{
    TCustomEdit::PaintNonClient(Canvas);
    TRect button{Width() - 2 - DropButtonWidth(), 2, Width() - 2, Height() - 2};
    DrawFrameControl(Canvas.Handle(), button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (DroppedDown() ? DFCS_PUSHED : 0) | (IsEnabledWithParents() ? 0 : DFCS_INACTIVE));
}

void TCustomComboBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= FItems->Count()) Value = -1;
    ChooseIndex(Value, false);
}

void TCustomComboBox::ChooseIndex(int Index, bool ByUser)
{
    bool changed = Index != FItemIndex;
    FItemIndex = Index;
    std::string text = Index >= 0 ? FItems->Strings(Index) : std::string();
    if (text != Text()) SetText(text);
    if (ByUser) SelectAll();
    if (ByUser && changed) Select();
}

void TCustomComboBox::Select()
{
    if (OnSelect) OnSelect(this);
    else Click();
}

void TCustomComboBox::SetDroppedDown(bool Value)
{
    if (Value == DroppedDown()) return;
    if (!Value) {
        CloseUp(false);
        return;
    }
    if (OnDropDown) OnDropDown(this);
    FDropForm = new TDropForm(*this);
    int rows = std::clamp(FItems->Count(), 1, FDropDownCount);
    int height = rows * FDropForm->List->ItemHeight() + 4;
    TPoint below = ClientToScreen({-NonClientMargins().Left, ClientHeight() + NonClientMargins().Bottom});
    FDropForm->SetBounds(below.X, below.Y, std::max(Width(), FDroppedWidth), height);
    FDropForm->Show();
    Invalidate();
    Perform(CN_COMMAND, MakeWParam(0, CBN_DROPDOWN), 0);
}

void TCustomComboBox::CloseUp(bool Accept)
{
    if (!FDropForm) return;
    int chosen = FDropForm->List->ItemIndex();
    // The form goes once its own message handling is done.
    FDropForm->Release();
    FDropForm = nullptr;
    if (Accept && chosen >= 0) ChooseIndex(chosen, true);
    Invalidate();
    Perform(CN_COMMAND, MakeWParam(0, CBN_CLOSEUP), 0);
    if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::WMGetDlgCode(TMessage& Message)
{
    TCustomEdit::WMGetDlgCode(Message);
    // While the list is down, Enter and Esc belong to it.
    if (DroppedDown()) Message.Result |= DLGC_WANTALLKEYS;
}

void TCustomComboBox::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (Key == 0) return;
    if ((Key == VK_DOWN || Key == VK_UP) && Shift.Contains(ssAlt)) {
        SetDroppedDown(!DroppedDown());
        Key = 0;
        return;
    }
    if (Key == VK_F4) {
        SetDroppedDown(!DroppedDown());
        Key = 0;
        return;
    }
    if (DroppedDown()) {
        if (Key == VK_RETURN) CloseUp(true);
        else if (Key == VK_ESCAPE) CloseUp(false);
        else if (Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT)
            FDropForm->List->Perform(WM_KEYDOWN, Key, 0);
        Key = 0;
        return;
    }
    int n = FItems->Count();
    if (n == 0) return;
    int at = FItemIndex;
    switch (Key) {
    case VK_UP: at = std::max(0, at - 1); break;
    case VK_DOWN: at = std::min(n - 1, at + 1); break;
    case VK_HOME: if (!ReadOnly()) return; at = 0; break;
    case VK_END: if (!ReadOnly()) return; at = n - 1; break;
    default: return;
    }
    ChooseIndex(at, true);
    Key = 0;
}

void TCustomComboBox::KeyPress(char32_t& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key == U'\r' || Key == 27) {
        // Consumed by the list when it was down; otherwise nothing to type.
        Key = 0;
        return;
    }
    if (!ReadOnly() || Key < 32 || Key >= 128) return;
    // In a list-only combo box, a letter chooses the next item starting with it.
    int n = FItems->Count();
    int wanted = std::tolower(static_cast<int>(Key));
    for (int k = 1; k <= n; ++k) {
        int i = (FItemIndex + k + n) % n;
        std::string s = FItems->Strings(i);
        if (!s.empty() && std::tolower(static_cast<unsigned char>(s[0])) == wanted) {
            ChooseIndex(i, true);
            break;
        }
    }
    Key = 0;
}

void TCustomComboBox::Dispatch(TMessage& Message)
{
    // Typing in the edit part picks the item of that text, if any.
    if (Message.Msg == CN_COMMAND && Message.WParamHi() == EN_CHANGE && !ReadOnly()) {
        int found = -1;
        for (int i = 0; i < FItems->Count(); ++i)
            if (FItems->Strings(i) == Text()) found = i;
        FItemIndex = found;
    }
    TCustomEdit::Dispatch(Message);
}

void TCustomComboBox::WMKillFocus(TMessage& Message)
{
    CloseUp(false);
    TCustomEdit::WMKillFocus(Message);
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // The button lies in the frame to the right of the edit part.
    if (Button == mbLeft && (X >= ClientWidth() || ReadOnly())) {
        if (CanFocus() && !Focused()) SetFocus();
        SetDroppedDown(!DroppedDown());
        return;
    }
    TCustomEdit::MouseDown(Button, Shift, X, Y);
}
