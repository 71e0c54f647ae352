// The drop-down cell editors and the one key rule they share.
#include "grideditors/GridDropDownEditors.h"

#include <cstdlib>

#include "controls/dropdown/DropDownForm.h"
#include "grid/base/NavigationSettings.h"
#include "grid/interact/SpecialEditors.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"

namespace grideditors {

template <class Base>
TGridDropDownEditor<Base>::TGridDropDownEditor(TQuillStringGrid& Grid, grid::TSpecialEditors& Host,
                                               TDropDownEditorTraits Traits)
    : Base(&Grid), FGrid(&Grid), FHost(&Host), FTraits(Traits)
{
    this->SetVisible(false);
    this->SetComponentStyle(static_cast<TQORStyle>(Grid.Style()));
    this->SetColorTones(Grid.ColorTones());
}

template <class Base> void TGridDropDownEditor<Base>::DetachGrid() noexcept
{
    FGrid = nullptr;
    FHost = nullptr;
}

template <class Base> void TGridDropDownEditor<Base>::ShowRefused(const std::string& Text)
{
    this->SetRawText(Text);
    this->SelectAll();
}

template <class Base> bool TGridDropDownEditor<Base>::TakesKey(unsigned short Key) const
{
    switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: return true;
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_UP: case VK_DOWN:
        return !(FTraits.ColorKeys && this->DroppedDown());
    case VK_HOME: return FTraits.ColorKeys && !this->DroppedDown();
    default: return false;
    }
}

template <class Base> bool TGridDropDownEditor<Base>::StoreValue()
{
    FGrid->HideInplaceEdit();
    if (!FGrid->EditMode()) return true;
    this->Invalidate();
    return false;
}

template <class Base> void TGridDropDownEditor<Base>::KeyDown(unsigned short& Key, TShiftState Shift)
{
    // Alt+Down and Alt+Up open and close the popup.
    if (!FGrid || Shift.Contains(ssAlt) || !TakesKey(Key)) {
        Base::KeyDown(Key, Shift);
        return;
    }
    TQuillStringGrid* grid = FGrid;
    const unsigned short key = Key;
    Key = 0;
    FSwallowChar = true;
    if (key == VK_ESCAPE) {
        // Leaves the cell as it was.
        grid->HideCellEdit();
        if (grid->CanFocus()) grid->SetFocus();
        return;
    }
    const bool stores = key == VK_RETURN || (!FTraits.ColorKeys && (key == VK_UP || key == VK_DOWN));
    if (stores && !StoreValue()) return;
    if (key == VK_TAB) {
        if (!grid->EditorWantsTab()) {
            Key = key;
            FSwallowChar = false;
            Base::KeyDown(Key, Shift);
            return;
        }
        if (!StoreValue()) {
            this->SetSelStart(static_cast<int>(rtl::Utf8Length(this->GetText())));
            return;
        }
        if (!grid->Options().Contains(goTabs)) {
            PostMessage(grid->Handle(), WM_KEYDOWN, VK_TAB, 0);
            return;
        }
        grid->DoneInplaceEdit(VK_TAB, Shift);
        return;
    }
    if (key == VK_END && !this->DroppedDown() && !FTraits.ColorKeys) {
        // End moves the caret in the closed edit.
        Key = key;
        FSwallowChar = false;
        Base::KeyDown(Key, Shift);
        return;
    }
    grid->DoneInplaceEdit(key, Shift);
    if (grid->Navigation().AdvanceOnEnter() && grid->Navigation().AdvanceAutoEdit()) grid->ShowInplaceEdit();
}

template <class Base> void TGridDropDownEditor<Base>::KeyPress(char32_t& Key)
{
    if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27 || Key == U'\r' || Key == U'\t') {
        Key = 0;
        return;
    }
    FSwallowChar = false;
    Base::KeyPress(Key);
}

template <class Base> void TGridDropDownEditor<Base>::Change()
{
    Base::Change();
    if (FGrid && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), this->Text());
}

template <class Base> void TGridDropDownEditor<Base>::CMWantSpecialKey(TMessage& Message)
{
    Base::CMWantSpecialKey(Message);
    if (!FGrid) return;
    const auto key = static_cast<unsigned short>(Message.WParam);
    if (FTraits.WantsEnterAndEsc && (key == VK_RETURN || key == VK_ESCAPE)) Message.Result = 1;
    if (key == VK_TAB && FGrid->EditorWantsTab()) Message.Result = 1;
}

template <class Base> void TGridDropDownEditor<Base>::WMKillFocus(TMessage& Message)
{
    Base::WMKillFocus(Message);
    if (!FHost) return;
    // The focus going into the popup keeps the edit open.
    const auto target = static_cast<HWND>(Message.WParam);
    if (TWinControl* to = FindControl(target); to && to->GetParentForm() == this->DropDownForm()) return;
    FHost->EditorLostFocus(target);
}

template <class Base> void TGridDropDownEditor<Base>::Dispatch(TMessage& Message)
{
    if (Message.Msg == grid::TSpecialEditors::CloseMessage()) {
        if (FHost && !this->Focused()) FHost->ClosePosted();
        return;
    }
    Base::Dispatch(Message);
}

// ---- The members

TGridDetailPickerDropDown::TGridDetailPickerDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {})
{
}

void TGridDetailPickerDropDown::LoadCellText(const std::string& Text)
{
    SetRawText(Text);
    const int i = Items().IndexOf(Text);
    if (i >= 0) SetItemIndex(i);
}

TGridColorDropDown::TGridColorDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {.ColorKeys = true})
{
    AddDefaultColors();
    OnSelect = [this](TObject*) {
        if (TQuillStringGrid* grid = EditorGrid()) grid->DoColorSelect(SelectedColor(), SelectedColorText());
    };
}

void TGridColorDropDown::LoadCellText(const std::string& Text)
{
    for (int i = 0; i < Colors().Count(); ++i) {
        if (Colors().Items(i)->Caption() == Text) {
            SetSelectedColor(Colors().Items(i)->Color());
            return;
        }
    }
    if (TQuillStringGrid* grid = EditorGrid(); grid && grid->Colors(grid->RealColIndex(grid->Col()), grid->Row()) != clNone)
        SetSelectedColor(grid->Colors(grid->RealColIndex(grid->Col()), grid->Row()));
}

TGridImageDropDown::TGridImageDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {})
{
    OnSelect = [this](TObject*) {
        if (TQuillStringGrid* grid = EditorGrid()) grid->DoImageSelect(ImageIndex());
    };
}

void TGridImageDropDown::LoadCellText(const std::string& Text)
{
    char* end = nullptr;
    const long index = std::strtol(Text.c_str(), &end, 10);
    SetImageIndex(end != Text.c_str() && index >= 0 && index < 1 << 20 ? static_cast<int>(index) : -1);
}

std::string TGridImageDropDown::CellValue() const { return ImageIndex() < 0 ? std::string() : std::to_string(ImageIndex()); }

TGridQuillGridDropDown::TGridQuillGridDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {})
{
}

TGridTrackbarDropDown::TGridTrackbarDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {.WantsEnterAndEsc = true})
{
    SetEditorEnabled(true);
}

TGridMemoDropDown::TGridMemoDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {})
{
}

std::string TGridMemoDropDown::CellValue() const
{
    // The lines joined by line breaks, without one after the last.
    std::string text = MemoText().Text();
    if (text.ends_with("\r\n")) text.resize(text.size() - 2);
    return text;
}

TGridCalculatorDropDown::TGridCalculatorDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {})
{
    SetEditorEnabled(true);
}

void TGridCalculatorDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && EditorGrid()) CalcResult();
    TGridDropDownEditor::KeyDown(Key, Shift);
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {})
{
    SetFocusDraw(false);
}

TGridGridDropDown::TGridGridDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host)
    : TGridDropDownEditor(Grid, Host, {})
{
}

void TGridGridDropDown::LoadCellText(const std::string& Text)
{
    const int i = GetItemIndex(Text);
    if (i >= 0) SetItemIndex(i);
    SetRawText(Text);
}

void RegisterGridDropDownEditors()
{
    grid::RegisterCellEditorFactory(
        [](TQuillStringGrid& Grid, grid::TSpecialEditors& Host, TEditorType Kind) -> grid::ICellEditorLink* {
            switch (Kind) {
            case edDetailDropDown: return new TGridDetailPickerDropDown(Grid, Host);
            case edColorPickerDropDown: return new TGridColorDropDown(Grid, Host);
            case edImagePickerDropDown: return new TGridImageDropDown(Grid, Host);
            case edQuillGridDropDown: return new TGridQuillGridDropDown(Grid, Host);
            case edTrackbarDropDown: return new TGridTrackbarDropDown(Grid, Host);
            case edMemoDropDown: return new TGridMemoDropDown(Grid, Host);
            case edCalculatorDropDown: return new TGridCalculatorDropDown(Grid, Host);
            case edTimePickerDropDown: return new TGridTimepickerDropDown(Grid, Host);
            case edGridDropDown: return new TGridGridDropDown(Grid, Host);
            default: return nullptr;
            }
        });
}

} // namespace grideditors
