// The special editor controls of the string grid and the one contract they
// keep with it.
#include "grid/interact/SpecialEditors.h"

#include <cstdlib>

#include "grid/QuillGrid.h"
#include "grid/base/SarnComboBox.h"
#include "grid/base/SarnDateTimePicker.h"
#include "grid/base/SarnEditBtn.h"
#include "grid/base/SarnSpinEdit.h"
#include "grid/interact/CellEditorFactory.h"
#include "grid/interact/EditState.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/MessageQueue.h"

namespace grid {

namespace {

// Gives a control the wrapper's key and focus behaviour.
template <class Base> class TGridWrapper : public Base {
public:
    TGridWrapper(TQuillStringGrid& Grid, TSpecialEditors& Host) : Base(&Grid), FHost(&Host) {}
    void DetachHost() noexcept { FHost = nullptr; }

protected:
    void KeyDown(unsigned short& Key, TShiftState Shift) override
    {
        if (FHost && FHost->EditorKey(Key, Shift)) {
            Key = 0;
            FSwallowChar = true;
            return;
        }
        Base::KeyDown(Key, Shift);
    }
    void KeyPress(char32_t& Key) override
    {
        // The character of a key that ended the edit is not typed.
        if (FSwallowChar && (Key == U'\r' || Key == U'\t' || Key == 27)) {
            FSwallowChar = false;
            Key = 0;
            return;
        }
        FSwallowChar = false;
        Base::KeyPress(Key);
    }
    void CMWantSpecialKey(TMessage& Message) override
    {
        Base::CMWantSpecialKey(Message);
        if (!FHost) return;
        const auto key = static_cast<unsigned short>(Message.WParam);
        if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
        if (key == VK_TAB && FHost->WantsTab()) Message.Result = 1;
        if (key >= VK_LEFT && key <= VK_DOWN && FHost->WantsArrows()) Message.Result = 1;
    }
    void WMKillFocus(TMessage& Message) override
    {
        Base::WMKillFocus(Message);
        if (FHost) FHost->EditorLostFocus(static_cast<HWND>(Message.WParam));
    }
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == TSpecialEditors::CloseMessage()) {
            if (FHost && !this->Focused()) FHost->ClosePosted();
            return;
        }
        Base::Dispatch(Message);
    }

private:
    TSpecialEditors* FHost;
    bool FSwallowChar = false;
};

class TGridSpin final : public TGridWrapper<TSarnSpinEdit> {
    VISTRA_CLASS(TGridSpin, TSarnSpinEdit)
    using TGridWrapper::TGridWrapper;
};

class TGridCombo final : public TGridWrapper<TSarnComboBox> {
    VISTRA_CLASS(TGridCombo, TSarnComboBox)
    using TGridWrapper::TGridWrapper;
};

class TGridEditBtn final : public TGridWrapper<TSarnEditBtn> {
    VISTRA_CLASS(TGridEditBtn, TSarnEditBtn)
    using TGridWrapper::TGridWrapper;
};

class TGridUnitEditBtn final : public TGridWrapper<TSarnUnitEditBtn> {
    VISTRA_CLASS(TGridUnitEditBtn, TSarnUnitEditBtn)
    using TGridWrapper::TGridWrapper;
};

class TGridDatePicker final : public TGridWrapper<TSarnDateTimePicker> {
    VISTRA_CLASS(TGridDatePicker, TSarnDateTimePicker)
    using TGridWrapper::TGridWrapper;
};

class TGridCheckBox final : public TGridWrapper<TCheckBox> {
    VISTRA_CLASS(TGridCheckBox, TCheckBox)
    using TGridWrapper::TGridWrapper;
};

class TGridButton final : public TGridWrapper<TButton> {
    VISTRA_CLASS(TGridButton, TButton)
    using TGridWrapper::TGridWrapper;
};

bool IsSpinKind(TEditorType Kind) { return Kind == edSpinEdit || Kind == edFloatSpinEdit || Kind == edTimeSpinEdit || Kind == edDateSpinEdit; }
bool IsComboKind(TEditorType Kind) { return Kind == edComboEdit || Kind == edComboList; }
bool IsEditBtnKind(TEditorType Kind) { return Kind == edEditBtn || Kind == edNumericEditBtn || Kind == edFloatEditBtn; }
bool IsUnitKind(TEditorType Kind) { return Kind == edUnitEditBtn || Kind == edNumericUnitEditBtn || Kind == edFloatUnitEditBtn; }
bool IsDateKind(TEditorType Kind) { return Kind == edDateEdit || Kind == edDateEditUpDown || Kind == edTimeEdit || Kind == edDateTimeEdit; }

// A cell text read as an integer: leading blanks and a sign, then the digits
// up to the first other character. The sign is kept ("-12x" reads -12).
int ReadInteger(const std::string& Text)
{
    return static_cast<int>(std::strtol(Text.c_str(), nullptr, 10));
}

template <class T> void DetachWrapper(TWinControl* Control)
{
    if (auto* wrapper = dynamic_cast<TGridWrapper<T>*>(Control)) wrapper->DetachHost();
}

} // namespace

TSpecialEditors::TSpecialEditors(TQuillStringGrid& Grid) : FGrid(&Grid) {}

TSpecialEditors::~TSpecialEditors() = default;

void TSpecialEditors::DetachGrid() noexcept
{
    FGrid = nullptr;
    // The controls are the grid's children and go with it, a moment later.
    DetachWrapper<TSarnSpinEdit>(FSpin);
    DetachWrapper<TSarnComboBox>(FCombo);
    DetachWrapper<TSarnEditBtn>(FEditBtn);
    DetachWrapper<TSarnUnitEditBtn>(FUnitEditBtn);
    DetachWrapper<TSarnDateTimePicker>(FDate);
    DetachWrapper<TCheckBox>(FCheck);
    DetachWrapper<TButton>(FButton);
    for (auto& [kind, link] : FLinks) link->DetachGrid();
}

bool TSpecialEditors::WantsTab() const { return FGrid && FGrid->EditorWantsTab(); }

TWinControl* TSpecialEditors::ControlFor(TEditorType Kind)
{
    auto make = [this](TWinControl*& Slot, TWinControl* Made) {
        Slot = Made;
        Slot->SetVisible(false);
        Slot->SetParent(FGrid);
        return Slot;
    };
    if (IsSpinKind(Kind)) return FSpin ? FSpin : make(FSpin, new TGridSpin(*FGrid, *this));
    if (IsComboKind(Kind)) return FCombo ? FCombo : make(FCombo, new TGridCombo(*FGrid, *this));
    if (IsEditBtnKind(Kind)) return FEditBtn ? FEditBtn : make(FEditBtn, new TGridEditBtn(*FGrid, *this));
    if (IsUnitKind(Kind)) return FUnitEditBtn ? FUnitEditBtn : make(FUnitEditBtn, new TGridUnitEditBtn(*FGrid, *this));
    if (IsDateKind(Kind)) return FDate ? FDate : make(FDate, new TGridDatePicker(*FGrid, *this));
    if (Kind == edCheckBox) return FCheck ? FCheck : make(FCheck, new TGridCheckBox(*FGrid, *this));
    if (Kind == edButton && !FButton) {
        make(FButton, new TGridButton(*FGrid, *this));
        FButton->OnClick = [this](TObject*) { ButtonClicked(); };
    }
    if (Kind == edButton) return FButton;
    if (auto found = FLinks.find(Kind); found != FLinks.end()) return &found->second->Control();
    ICellEditorLink* link = MakeRegisteredCellEditor(*FGrid, *this, Kind);
    if (!link) return nullptr;
    FLinks[Kind] = link;
    TWinControl* control = &link->Control();
    return make(control, control);
}

ICellEditorLink* TSpecialEditors::OpenLink() const
{
    auto found = FLinks.find(FKind);
    return found != FLinks.end() && FOpen == &found->second->Control() ? found->second : nullptr;
}

void TSpecialEditors::Load(TEditorType Kind, const std::string& Text)
{
    if (ICellEditorLink* link = OpenLink()) {
        link->LoadCellText(Text);
    } else if (auto* spin = dynamic_cast<TSarnSpinEdit*>(FOpen)) {
        switch (Kind) {
        case edFloatSpinEdit: spin->SetSpinType(sptFloat); spin->SetText(Text); break;
        case edTimeSpinEdit: spin->SetSpinType(sptTime); spin->SetText(Text); break;
        case edDateSpinEdit: spin->SetSpinType(sptDate); spin->SetText(Text); break;
        default: spin->SetSpinType(sptNormal); spin->SetValue(ReadInteger(Text)); break;
        }
    } else if (auto* combo = dynamic_cast<TSarnComboBox*>(FOpen)) {
        TEditState& s = FGrid->Edit();
        combo->Items().Assign(&s.ComboItems);
        combo->SetStyle(Kind == edComboList ? csDropDownList : csDropDown);
        const int index = combo->Items().IndexOf(Text);
        if (index >= 0) combo->SetItemIndex(index);
        else if (s.ComboIdx >= 0 && s.ComboIdx < combo->Items().Count()) combo->SetItemIndex(s.ComboIdx);
        else if (Kind == edComboEdit) combo->SetText(Text);
        else combo->SetItemIndex(-1);
    } else if (auto* unit = dynamic_cast<TSarnUnitEditBtn*>(FOpen)) {
        unit->SetUnitID("");
        unit->SetText("");
        unit->SetTextAndUnit(Text);
    } else if (auto* picker = dynamic_cast<TSarnDateTimePicker*>(FOpen)) {
        // A text that is no date opens on the present moment.
        TDateTime value;
        const bool time = Kind == edTimeEdit;
        bool read = !Text.empty() && (time ? TryStrToTime(Text, value) : TryStrToDateTime(Text, value));
        picker->SetKind(time ? dtkTime : dtkDate);
        picker->SetDateTime(read ? value : Now());
    } else if (auto* check = dynamic_cast<TCheckBox*>(FOpen)) {
        // The box shows the cell's value; the caption would only repeat it.
        check->SetCaption("");
        check->SetChecked(Text == FGrid->CheckTrue());
    } else {
        FOpen->SetText(Text);
    }
}

bool TSpecialEditors::Open(TEditorType Kind, int ACol, int ARow, char32_t StartChar)
{
    if (!FGrid) return false;
    TWinControl* control = ControlFor(Kind);
    if (!control) return false;
    FKind = Kind;
    FOpen = control;
    const TRect r = FGrid->CellRect(ACol, ARow);
    // The button covers the cell's lines too, so it looks like the cell.
    if (Kind == edButton) control->SetBoundsRect(Rect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1));
    else control->SetBoundsRect(Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
    control->SetColor(FGrid->Color());
    FGrid->DoGetEditorProp(FGrid->RealColIndex(ACol), ARow);
    Load(Kind, FGrid->ProvideEditText(ACol, ARow));
    if (auto* edit = dynamic_cast<TCustomEdit*>(control);
        edit && FGrid->MaxEditLength() > 0 && (IsEditBtnKind(Kind) || IsUnitKind(Kind)))
        edit->SetMaxLength(FGrid->MaxEditLength());
    control->SetEnabled(true);
    control->SetVisible(true);
    if (control->CanFocus()) control->SetFocus();
    // Posted, so that it arrives after the control has the focus.
    if (StartChar != 0) PostMessage(control->Handle(), WM_CHAR, static_cast<WPARAM>(StartChar), 0);
    return true;
}

std::string TSpecialEditors::Value() const
{
    if (!FOpen) return {};
    if (ICellEditorLink* link = OpenLink()) return link->CellValue();
    if (auto* spin = dynamic_cast<TSarnSpinEdit*>(FOpen); spin && FKind == edSpinEdit) {
        // A cleared spin edit empties the cell rather than storing 0.
        if (spin->Text().find_first_not_of(" \t") == std::string::npos) return {};
        return std::to_string(spin->Value());
    }
    if (auto* unit = dynamic_cast<TSarnUnitEditBtn*>(FOpen)) return unit->Text() + unit->UnitID();
    if (auto* check = dynamic_cast<TCheckBox*>(FOpen)) return check->Checked() ? FGrid->CheckTrue() : FGrid->CheckFalse();
    return FOpen->Text();
}

void TSpecialEditors::ShowRefused(const std::string& Text)
{
    if (ICellEditorLink* link = OpenLink()) link->ShowRefused(Text);
    else if (auto* edit = dynamic_cast<TCustomEdit*>(FOpen)) {
        edit->SetText(Text);
        edit->SelectAll();
    } else if (auto* check = dynamic_cast<TCheckBox*>(FOpen)) {
        check->SetChecked(Text == FGrid->CheckTrue());
    }
}

void TSpecialEditors::ButtonClicked()
{
    if (!FGrid || FOpen != FButton) return;
    std::string caption;
    FGrid->DoEllipsClick(FButton->Caption(), caption);
    FButton->SetCaption(caption);
    FGrid->SetCurrentCell(caption);
    // The click wrote the cell: the edit goes on from its new text.
    TEditState& s = FGrid->Edit();
    FGrid->StoreOldCellValue(s.OldCol, s.OldRow);
}

void TSpecialEditors::Close()
{
    if (!FOpen || FClosing) return;
    FClosing = true;
    const rtl::ScopeExit closed([this] { FClosing = false; });
    TWinControl* control = FOpen;
    FOpen = nullptr;
    const bool hadFocus = control->Focused();
    control->SetVisible(false);
    control->SetEnabled(false);
    if (FGrid && hadFocus && FGrid->CanFocus()) FGrid->SetFocus();
}

bool TSpecialEditors::EditorKey(unsigned short Key, TShiftState Shift)
{
    if (!FGrid || !FOpen) return false;
    switch (Key) {
    case VK_ESCAPE:
        FGrid->CancelEdit();
        // What a click wrote is taken back with the edit.
        if (FKind == edButton) FGrid->RestoreCellFromCache();
        return true;
    case VK_RETURN:
    case VK_TAB:
        if (Key == VK_TAB && !FGrid->EditorWantsTab()) return false;
        if (FGrid->CommitEdit()) FGrid->DoneInplaceEdit(Key, Shift);
        return true;
    case VK_UP:
    case VK_DOWN:
        // Spin edits, combo boxes and pickers step with these keys.
        if (!IsEditBtnKind(FKind) && !IsUnitKind(FKind) && !WantsArrows()) return false;
        if (FGrid->CommitEdit()) FGrid->DoneInplaceEdit(Key, Shift);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        if (!WantsArrows()) return false;
        if (FGrid->CommitEdit()) FGrid->DoneInplaceEdit(Key, Shift);
        return true;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
        if (FKind != edCheckBox) return false;
        if (FGrid->CommitEdit()) FGrid->DoneInplaceEdit(Key, Shift);
        return true;
    default:
        return false;
    }
}

unsigned TSpecialEditors::CloseMessage()
{
    static const unsigned message = RegisterWindowMessage("QuillGridEditorClose");
    return message;
}

void TSpecialEditors::EditorLostFocus(HWND Target)
{
    if (!FGrid || !FOpen || FClosing) return;
    const TCustomForm* form = FGrid->GetParentForm();
    if (form && form->ComponentState().Contains(csDestroying)) return;
    // The focus moving inside the editor (its drop-down) keeps it open.
    if (TWinControl* to = FindControl(Target); to && (to == FOpen || to->Parent() == FOpen)) return;
    // Leaving by the focus commits; a refused value is dropped, never stored.
    if (FGrid->EditedCellUnmoved()) (void)FGrid->ValidateCell(Value());
    FGrid->Edit().Editing = false;
    // Closed once the focus has gone where the user sent it: hiding a
    // focused control would hand the focus on itself.
    PostMessage(FOpen->Handle(), CloseMessage(), 0, 0);
}

void TSpecialEditors::ClosePosted()
{
    if (FGrid && FOpen) FGrid->CloseCellEditor(FGrid->Edit().OldCol, FGrid->Edit().OldRow);
}

} // namespace grid
