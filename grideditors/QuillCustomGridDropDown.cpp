// The grid drop-down: construction, settings, opening and closing the
// popup around its grid, typing and searching.
#include "grideditors/QuillCustomGridDropDown.h"

#include <algorithm>
#include <cmath>

#include "controls/dropdown/DropDownForm.h"
#include "grid/base/GridSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/SortSettings.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/MessageQueue.h"

namespace grideditors {

namespace {
bool IsNavigationKey(unsigned short Key)
{
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}
} // namespace

TCustomQuillGridDropDown::TCustomQuillGridDropDown(TComponent* AOwner)
    : TQuillCustomDropDown(AOwner), FHeaderFont(std::make_unique<TFont>()),
      FColumns(std::make_unique<TDropDownColumns>(this)), FLookupItems(std::make_unique<TStringList>()),
      FSearchFooter(std::make_unique<TSearchFooter>(this, false)), FBands(std::make_unique<TBands>()),
      FNavigation(std::make_unique<TNavigation>()), FMouseActions(std::make_unique<TMouseActions>(this))
{
    FItems.reset(CreateDropDownItems(this));
    SetDropDownColor(static_cast<TColor>(0xFFFFFF));
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(controls::scOffice2007);
    FNavigation->SetHomeEndKey(heFirstLastRow);
    CreateDropDownForm();
}

TCustomQuillGridDropDown::~TCustomQuillGridDropDown() = default;

TDropDownItems* TCustomQuillGridDropDown::CreateDropDownItems(TPersistent* AOwner) { return new TDropDownItems(AOwner); }

void TCustomQuillGridDropDown::CreateDropDownForm()
{
    TQuillCustomDropDown::CreateDropDownForm();
    if (FQuillColGrid) return;
    FQuillColGrid = new TQuillColGrid(this);
    FQuillColGrid->SetParent(DropDownForm());
    FQuillColGrid->FQuillDropDown = this;
    FQuillColGrid->SetBounds(0, 0, FQuillColGrid->Width(), 180);
    FQuillColGrid->SetColor(DropDownColor());
    FQuillColGrid->Navigation().SetHomeEndKey(heFirstLastRow);
}

void TCustomQuillGridDropDown::SetStyle(TDropDownStyle Value)
{
    FStyle = Value;
    SetEditorEnabled(Value == dsDropDown);
}

void TCustomQuillGridDropDown::SetGridImages(const TImageList* Value) { FGridImages = Value; }
void TCustomQuillGridDropDown::SetSearchFooter(const TSearchFooter& Value) { FSearchFooter->Assign(&Value); }
void TCustomQuillGridDropDown::SetBands(const TBands& Value) { FBands->Assign(&Value); }
void TCustomQuillGridDropDown::SetNavigation(const TNavigation& Value) { FNavigation->Assign(&Value); }
void TCustomQuillGridDropDown::SetMouseActions(const TMouseActions& Value) { FMouseActions->Assign(&Value); }

void TCustomQuillGridDropDown::Loaded()
{
    TQuillCustomDropDown::Loaded();
    RebuildLookupList();
    if (FQuillColGrid) {
        FQuillColGrid->FQuillDropDown = this;
        FQuillColGrid->LoadItems();
    }
}

void TCustomQuillGridDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TQuillCustomDropDown::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FQuillColGrid) FQuillColGrid = nullptr;
}

int TCustomQuillGridDropDown::EntryCount() const
{
    if (FUseItems) return FItems->Count();
    return FQuillColGrid ? FQuillColGrid->RowCount() - FQuillColGrid->FixedRows() : 0;
}

std::string TCustomQuillGridDropDown::LookupText(int Item) const
{
    if (Item < 0 || FLookupColumn < 0 || Item >= FItems->Count()) return {};
    const TStringList& texts = FItems->Items(Item)->Text();
    return FLookupColumn < texts.Count() ? texts.Strings(FLookupColumn) : std::string();
}

void TCustomQuillGridDropDown::ShowText(const std::string& Value)
{
    FCompleting = true;
    ApplyText(Value);
    FCompleting = false;
}

void TCustomQuillGridDropDown::SetItemIndex(int Value)
{
    if (FUseItems) {
        if (Value >= FItems->Count()) return;
        FItemIndex = Value;
        ShowText(LookupText(Value));
        return;
    }
    if (!FQuillColGrid) {
        FItemIndex = Value;
        return;
    }
    if (Value == FItemIndex || Value >= FQuillColGrid->RowCount()) return;
    FItemIndex = Value;
    const int row = Value + FQuillColGrid->FixedRows();
    ShowText(Value < 0 || FLookupColumn < 0 || row >= FQuillColGrid->RowCount()
                 ? std::string()
                 : FQuillColGrid->Cells(FLookupColumn, row));
}

void TCustomQuillGridDropDown::SelectFirst()
{
    if (EntryCount() > 0) SetItemIndex(0);
}

void TCustomQuillGridDropDown::SelectLast()
{
    if (EntryCount() > 0) SetItemIndex(EntryCount() - 1);
}

void TCustomQuillGridDropDown::SelectNext()
{
    if (EntryCount() > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 1, EntryCount() - 1));
}

void TCustomQuillGridDropDown::SelectPrevious()
{
    if (EntryCount() > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::max(FItemIndex - 1, 0));
}

void TCustomQuillGridDropDown::SelectNextPage()
{
    if (EntryCount() > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 10, EntryCount() - 1));
}

void TCustomQuillGridDropDown::SelectPreviousPage()
{
    if (EntryCount() > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::max(FItemIndex - 10, 0));
}

void TCustomQuillGridDropDown::RebuildLookupList()
{
    if (FLookupColumn < 0 || FItems->Count() == 0) return;
    FLookupItems->Clear();
    for (int i = 0; i < FItems->Count(); ++i) FLookupItems->Add(LookupText(i));
}

// ---- Opening and closing

void TCustomQuillGridDropDown::BeforeDropDown()
{
    DropDownForm()->SetCancelOnDeActivate(false);
    TQuillColGrid* grid = FQuillColGrid;
    if (grid) {
        grid->LoadGrid(this);
        grid->SetColor(DropDownColor());
        grid->SortSettings().SetShow(FSorting != gsNone);
        grid->SortSettings().SetIndexShow(FSorting == gsMultiColumn);
        FBalloonInit = false;
        AttachGridEvents();
        grid->SearchFooter().Assign(FSearchFooter.get());
        grid->MouseActions().Assign(FMouseActions.get());
        grid->Navigation().Assign(FNavigation.get());
        grid->Bands().Assign(FBands.get());
        TGridOptions options = grid->Options();
        options.Include(goThumbTracking);
        if (FRowSelect) options.Include(goRowSelect);
        else options.Exclude(goRowSelect);
        if (FGridEditable) options.Include(goEditing);
        else options.Exclude(goEditing);
        grid->SetOptions(options);
        grid->SetComponentStyle(GetComponentStyle());
        if (FUseItems) {
            TQuillCustomDropDown::BeforeDropDown();
            grid->SetRowCount(std::max(FItems->Count() + 1, 2));
            grid->SetFixedRows(1);
            grid->LoadItems();
            const int row = grid->RowOfItem(FItemIndex);
            grid->SetRow(row >= grid->FixedRows() && row < grid->RowCount() ? row : grid->FixedRows());
        } else {
            std::string found;
            const int row = FindLookupItem(Text(), found);
            grid->SetRow(row >= grid->FixedRows() ? row : std::min(grid->FixedRows(), grid->RowCount() - 1));
        }
        if (grid->SortSettings().Column() >= 0 && grid->SortSettings().Show()) grid->QSort();
    }
    FOldItemIndex = FItemIndex;
    if (!FUseItems || !grid) TQuillCustomDropDown::BeforeDropDown();
}

void TCustomQuillGridDropDown::PlaceDropDownControl()
{
    SetDropDownControl(FQuillColGrid);
    TQuillCustomDropDown::PlaceDropDownControl();
}

void TCustomQuillGridDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
    if (!FDropDownAutoWidth || !FQuillColGrid) return;
    Width = FQuillColGrid->ContentWidth() + 2 * DropDownBorderWidth();
}

void TCustomQuillGridDropDown::DoShowDropDown()
{
    TQuillCustomDropDown::DoShowDropDown();
    TQuillColGrid* grid = FQuillColGrid;
    if (!grid || !DroppedDown()) return;
    if (!FUseItems)
        while (FColumns->Count() < grid->ColCount()) FColumns->Add();
    SizeColumnsToDropDown();
    const int visible = grid->VisibleRowCount();
    if (visible + grid->FixedRows() < grid->RowCount() &&
        (grid->Row() < grid->TopRow() || grid->Row() >= grid->TopRow() + visible))
        grid->SetTopRow(grid->Row());
    FSelRow = grid->FixedRows();
    grid->SetTabStop(true);
}

void TCustomQuillGridDropDown::DoHideDropDown(bool Cancel)
{
    if (DropDownForm()->Visible() && FQuillColGrid) {
        if (Cancel) {
            SetItemIndex(FOldItemIndex);
        } else if (FQuillColGrid->ConfirmSelection()) {
            SetItemIndex(FUseItems ? FQuillColGrid->ItemOfRow(FSelRow) : FSelRow - FQuillColGrid->FixedRows());
            FOldItemIndex = FItemIndex;
        }
    }
    // The cancel text of the framework is the text of the entry now chosen.
    const std::string text = Text();
    TQuillCustomDropDown::DoHideDropDown(Cancel);
    if (!Cancel) ShowText(text);
    if (FQuillColGrid) FQuillColGrid->SetConfirmSelection(false);
}

void TCustomQuillGridDropDown::SizeColumnsToDropDown()
{
    TQuillColGrid* grid = FQuillColGrid;
    if (!FColumnSizeWithDropDown || FColumns->Count() == 0 || !grid) return;
    int total = 1;
    for (int i = 0; i < FColumns->Count(); ++i) total += FColumns->Items(i)->Width();
    int available = DropDownForm()->ClientWidth() - 2 * DropDownBorderWidth();
    if (grid->VisibleRowCount() < grid->RowCount() - grid->FixedRows()) available -= GetSystemMetrics(SM_CXVSCROLL);
    const double ratio = static_cast<double>(available) / total;
    double error = 0;
    for (int i = 0; i < grid->ColCount() && i < FColumns->Count(); ++i) {
        const double x = FColumns->Items(i)->Width() * ratio;
        const double rounded = std::nearbyint(x);
        error += x - rounded;
        int width = static_cast<int>(rounded);
        if (error > 1) {
            ++width;
            error -= 1;
        }
        grid->SetColWidths(i, width);
    }
}

void TCustomQuillGridDropDown::FormSizing()
{
    TQuillCustomDropDown::FormSizing();
    SizeColumnsToDropDown();
}

void TCustomQuillGridDropDown::SelectionWheelDown()
{
    TQuillCustomDropDown::SelectionWheelDown();
    SelectNext();
}

void TCustomQuillGridDropDown::SelectionWheelUp()
{
    TQuillCustomDropDown::SelectionWheelUp();
    SelectPrevious();
}

// ---- Following the list

void TCustomQuillGridDropDown::HandleGridSelectCell(int ARow)
{
    TQuillColGrid* grid = FQuillColGrid;
    if (!grid || !DroppedDown()) return;
    FSelRow = ARow;
    if (grid->MouseWheelSelection()) return;
    if (FUseItems) {
        const int item = grid->ItemOfRow(ARow);
        if (item >= 0) SetItemIndex(item);
    } else if (ARow >= grid->FixedRows()) {
        FItemIndex = ARow - grid->FixedRows();
        if (FLookupColumn >= 0 && FLookupColumn < grid->ColCount()) ShowText(grid->Cells(FLookupColumn, ARow));
    }
}

void TCustomQuillGridDropDown::HandleGridSelect()
{
    TQuillColGrid* grid = FQuillColGrid;
    if (!grid) return;
    if (grid->ConfirmSelection()) {
        FSelRow = grid->Row();
        if (FUseItems) SetItemIndex(grid->ItemOfRow(grid->Row()));
        else SetItemIndex(grid->Row() - grid->FixedRows());
    }
    DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TCustomQuillGridDropDown::HandleCanSort(TObject* Sender, int ACol, bool& DoSort)
{
    FTempItemIndex = FItemIndex;
    DoGridCanSort(Sender, ACol, DoSort);
}

void TCustomQuillGridDropDown::HandleClickSort(TObject* Sender, int ACol)
{
    if (FQuillColGrid) {
        const int row = FQuillColGrid->RowOfItem(FTempItemIndex);
        if (row >= FQuillColGrid->FixedRows()) FQuillColGrid->SetRow(row);
    }
    DoGridClickSort(Sender, ACol);
}

void TCustomQuillGridDropDown::HandleGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State)
{
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}

// ---- Searching

int TCustomQuillGridDropDown::FindLookupItem(const std::string& Text, std::string& Found) const
{
    const std::string key = FCaseSensitive ? Text : AnsiUpperCase(Text);
    auto begins = [this, &key](const std::string& S) {
        const std::string compared = FCaseSensitive ? S : AnsiUpperCase(S);
        return compared.compare(0, key.size(), key) == 0;
    };
    if (FUseItems) {
        for (int i = 0; i < FItems->Count(); ++i) {
            if (FLookupColumn < 0 || FLookupColumn >= FItems->Items(i)->Text().Count()) continue;
            if (begins(LookupText(i))) {
                Found = LookupText(i);
                return i;
            }
        }
        return -1;
    }
    if (!FQuillColGrid || FLookupColumn < 0 || FLookupColumn >= FQuillColGrid->ColCount()) return -1;
    for (int r = FQuillColGrid->FixedRows(); r < FQuillColGrid->RowCount(); ++r) {
        if (begins(FQuillColGrid->Cells(FLookupColumn, r))) {
            Found = FQuillColGrid->Cells(FLookupColumn, r);
            return r;
        }
    }
    return -1;
}

int TCustomQuillGridDropDown::LookupKey(char32_t Ch)
{
    if (Ch == 8) {
        if (SelLength() == 0) {
            if (!FLookupEntry.empty()) FLookupEntry = rtl::Utf8Copy(FLookupEntry, 1, rtl::Utf8Length(FLookupEntry) - 1);
            ShowText(FLookupEntry);
        } else {
            std::string text = TCustomEdit::Text();
            text = rtl::Utf8Copy(text, 1, SelStart()) + rtl::Utf8Copy(text, SelStart() + SelLength() + 1, text.size());
            TCustomEdit::SetText(text);
        }
        SetSelStart(static_cast<int>(rtl::Utf8Length(TCustomEdit::Text())));
        return -1;
    }
    if (Ch != U'\t') FLookupEntry += rtl::Utf8Encode(Ch);
    const std::string entry = Trim(FLookupEntry);
    const int entryLength = static_cast<int>(rtl::Utf8Length(FLookupEntry));
    TQuillColGrid* grid = FQuillColGrid;
    if (FLookupMethod == lmNarrowDown) {
        if (!grid) return -1;
        if (entry.empty()) {
            grid->RemoveAllFilters();
        } else {
            grid->SetFixedRowAlways(true);
            grid->NarrowDown(entry, FLookupColumn);
            if (FStyle == dsDropDown && grid->RowCount() > grid->FixedRows() && FLookupColumn >= 0 &&
                FLookupColumn < grid->ColCount()) {
                ShowText(grid->Cells(FLookupColumn, grid->FixedRows()));
                SetSelStart(entryLength);
                SetSelLength(std::max(0, static_cast<int>(rtl::Utf8Length(TCustomEdit::Text())) - entryLength));
            }
        }
        return grid->FixedRows();
    }
    std::string found;
    int result = FindLookupItem(entry, found);
    if (result >= 0) {
        FItemIndex = FUseItems ? result : result - (grid ? grid->FixedRows() : 0);
        ShowText(found);
        if (FStyle == dsDropDown) {
            SetSelStart(entryLength);
            SetSelLength(std::max(0, static_cast<int>(rtl::Utf8Length(found)) - entryLength));
        }
        return result;
    }
    if (FStyle == dsDropDown) return -1;
    const std::string alone = rtl::Utf8Encode(Ch);
    result = FindLookupItem(alone, found);
    if (result >= 0) {
        FItemIndex = FUseItems ? result : result - (grid ? grid->FixedRows() : 0);
        ShowText(found);
        FLookupEntry = alone;
        return result;
    }
    FLookupEntry.clear();
    return -1;
}

void TCustomQuillGridDropDown::ShowLookupRow(int Result)
{
    TQuillColGrid* grid = FQuillColGrid;
    if (!grid) return;
    int row = Result;
    if (FLookupMethod == lmLookup && FUseItems && Result >= 0) row = grid->RowOfItem(Result);
    if (row < grid->FixedRows() || row >= grid->RowCount()) {
        FLookupEntry.clear();
        return;
    }
    const int visible = grid->VisibleRowCount();
    if (visible + grid->FixedRows() < grid->RowCount() && (row < grid->TopRow() || row >= grid->TopRow() + visible))
        grid->SetTopRow(row);
    grid->FocusCell(0, row, true);
    grid->InvalidateRow(row);
}

// ---- Keys

void TCustomQuillGridDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift)
{
    if (!(IsNavigationKey(Key) && !Shift.Contains(ssAlt))) TQuillCustomDropDown::ControlKeyDown(Key, Shift);
    if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomQuillGridDropDown::ControlKeyUp(unsigned short& Key, TShiftState Shift)
{
    if (IsNavigationKey(Key) && !Shift.Contains(ssAlt)) FLookupEntry.clear();
    else TQuillCustomDropDown::ControlKeyUp(Key, Shift);
    if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}

void TCustomQuillGridDropDown::ControlKeyPress(char32_t& Key)
{
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (((Key == U'\r' || Key == 27) && !alt) || FGridEditable) {
        FLookupEntry.clear();
    } else {
        ShowLookupRow(LookupKey(Key));
    }
    if (OnGridKeyPress) OnGridKeyPress(this, Key);
}

void TCustomQuillGridDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TQuillColGrid* grid = FQuillColGrid;
    if (grid && FGridEditable && grid->EditMode() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
        grid->HideInplaceEdit();
        if (FLookupColumn >= 0 && FLookupColumn < grid->ColCount()) ShowText(grid->Cells(FLookupColumn, grid->Row()));
        FItemIndex = grid->Row() - grid->FixedRows();
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE || IsNavigationKey(Key) || Key == VK_LEFT || Key == VK_RIGHT) FLookupEntry.clear();
    // The open list takes its keys from the edit, which keeps the keyboard.
    if (DroppedDown() && grid && IsNavigationKey(Key) && !Shift.Contains(ssAlt)) {
        grid->SetConfirmSelection(true);
        grid->Perform(WM_KEYDOWN, Key, 0);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN && grid) grid->SetConfirmSelection(true);
    if (FLookupColumn >= 0 && FItems->Count() > 0) {
        if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) FWorkMode = false;
        else if (Key != VK_RETURN) FWorkMode = true;
        if (Key == VK_RETURN && FUseItems) {
            const int i = FLookupItems->IndexOf(Text());
            if (i >= 0) {
                SetItemIndex(i);
                Change();
            }
        }
    }
    const unsigned short key = Key;
    TQuillCustomDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE && FUseItems && FLookupColumn >= 0 && FItems->Count() > 0 && !DroppedDown())
        FItemIndex = FLookupItems->IndexOf(Text());
    if (Key == 0 || Shift.Contains(ssAlt) || !Enabled() || DroppedDown()) return;
    switch (Key) {
    case VK_PRIOR: SelectPreviousPage(); Key = 0; break;
    case VK_NEXT: SelectNextPage(); Key = 0; break;
    case VK_UP: SelectPrevious(); Key = 0; break;
    case VK_DOWN: SelectNext(); Key = 0; break;
    case VK_HOME:
    case VK_END:
        if (!Shift.Contains(ssShift) && FStyle == dsDropDownList) {
            if (Key == VK_HOME) SelectFirst();
            else SelectLast();
            Key = 0;
        }
        break;
    default: break;
    }
}

void TCustomQuillGridDropDown::KeyUp(unsigned short& Key, TShiftState Shift)
{
    TQuillColGrid* grid = FQuillColGrid;
    if (grid && FGridEditable && grid->EditMode() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
        if (grid->Col() == FLookupColumn) DoHideDropDown(false);
        else grid->HideInplaceEdit();
    }
    if (!(Key == VK_RETURN && ReturnIsTab())) TQuillCustomDropDown::KeyUp(Key, Shift);
    if (FItemChange) {
        SetItemIndex(FItemIdx);
        SetSelStart(FItemSel);
        SetSelLength(std::max(0, static_cast<int>(rtl::Utf8Length(Text())) - FItemSel));
        FItemChange = false;
    }
}

void TCustomQuillGridDropDown::KeyPress(char32_t& Key)
{
    if (Key == U'\r' && ReturnIsTab()) {
        Key = 0;
        return;
    }
    TQuillCustomDropDown::KeyPress(Key);
}

void TCustomQuillGridDropDown::WMChar(TMessage& Message)
{
    const auto ch = static_cast<char32_t>(Message.WParam);
    // Typed into the open list, a character searches it; the edit shows
    // what was found.
    if (DroppedDown() && ch >= 32 && !FGridEditable) {
        char32_t key = ch;
        ControlKeyPress(key);
        return;
    }
    TQuillCustomDropDown::WMChar(Message);
    if (FLookupMethod == lmNarrowDown && ch >= 32 && FQuillColGrid) {
        FLookupEntry = Text();
        FLookupEntry = rtl::Utf8Copy(FLookupEntry, 1, rtl::Utf8Length(FLookupEntry) - 1);
        (void)LookupKey(ch);
    }
    if (FAutoShowDropDown && ch >= 32 && !DroppedDown()) ShowDropDown();
}

// Type-ahead: the text typed so far is completed with the first lookup
// entry it begins; the completed part is selected.
void TCustomQuillGridDropDown::Change()
{
    TQuillCustomDropDown::Change();
    if (FCompleting) return;
    FItemChange = false;
    if (!FWorkMode || DroppedDown() || FLookupMethod == lmNarrowDown) return;
    const std::string text = Text();
    SetModified(!text.empty());
    const int caret = std::max(0, SelStart() - static_cast<int>(rtl::Utf8Length(Prefix())));
    const std::string typed = rtl::Utf8Copy(text, 1, caret);
    if (typed.empty()) return;
    const std::string key = FMatchCase ? typed : AnsiUpperCase(typed);
    const int keyLength = static_cast<int>(rtl::Utf8Length(key));
    for (int i = 0; i < FLookupItems->Count(); ++i) {
        const std::string entry = FLookupItems->Strings(i);
        const std::string compared = FMatchCase ? entry : AnsiUpperCase(entry);
        if (compared.compare(0, key.size(), key) != 0) continue;
        const std::string completed = rtl::Utf8Copy(rtl::Utf8Copy(text, 1, keyLength) + rtl::Utf8Copy(entry, keyLength + 1, 255), 1, 255);
        FItemIndex = FItemIdx = i;
        FItemSel = keyLength;
        FItemChange = true;
        ShowText(completed);
        const int prefix = static_cast<int>(rtl::Utf8Length(Prefix()));
        PostMessage(Handle(), EM_SETSEL, prefix + static_cast<int>(rtl::Utf8Length(completed)), prefix + keyLength);
        return;
    }
    ShowText(typed);
    const int end = static_cast<int>(rtl::Utf8Length(Prefix() + typed));
    PostMessage(Handle(), EM_SETSEL, end, end);
}

void TCustomQuillGridDropDown::CMEnter(TMessage& Message)
{
    TQuillCustomDropDown::CMEnter(Message);
    if (FQuillColGrid) FQuillColGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

void TCustomQuillGridDropDown::WMKillFocus(TMessage& Message)
{
    // A click in the list hands the focus to the grid for a moment; the
    // popup stays open and the grid gives the focus back.
    TWinControl* to = FindControl(static_cast<HWND>(Message.WParam));
    const bool intoList = to && FQuillColGrid && (to == FQuillColGrid || to->Parent() == FQuillColGrid);
    controls::TDropDownForm* form = DropDownForm();
    const bool blocked = form->BlockActivate();
    if (intoList) form->SetBlockActivate(true);
    TQuillCustomDropDown::WMKillFocus(Message);
    form->SetBlockActivate(blocked);
}

// ---- Styles

void TCustomQuillGridDropDown::SetSelectionColorStyle(controls::TSelectionColorStyle Value)
{
    switch (Value) {
    case controls::scOffice2007:
        FLineColor = static_cast<TColor>(0xF1EDEB);
        FFixedLineColor = static_cast<TColor>(0xD1BBA4);
        break;
    case controls::scWindowsVista:
    case controls::scWindows7:
        FLineColor = static_cast<TColor>(0xECECF0);
        FFixedLineColor = static_cast<TColor>(0xD4D2D1);
        break;
    default: break;
    }
    TQuillCustomDropDown::SetSelectionColorStyle(Value);
}

void TCustomQuillGridDropDown::SetComponentStyle(TQORStyle AStyle)
{
    TQuillCustomDropDown::SetComponentStyle(AStyle);
    struct Row {
        TQORStyle Style;
        TColor Header, HeaderTo;
        controls::TSelectionColorStyle Selection;
        TColor Font, SelectionText, Line, FixedLine, SelectionColor;
    };
    constexpr TColor keep = static_cast<TColor>(-1);
    auto c = [](unsigned V) { return static_cast<TColor>(V); };
    const Row rows[] = {
        {tsOffice2003Blue, c(0xD68759), c(0x933803), controls::scOffice2007, c(0xFFFFFF), clBlack, c(0x962D00), c(0x962D00), keep},
        {tsOffice2003Silver, c(0xBDA4A5), c(0x957475), controls::scOffice2007, keep, clBlack, c(0x947C7C), c(0x947C7C), keep},
        {tsOffice2003Olive, c(0x82C0AF), c(0x447A63), controls::scOffice2007, keep, clBlack, c(0x588060), c(0x588060), keep},
        {tsOffice2003Classic, c(0x808080), c(0x808080), controls::scOffice2007, keep, clBlack, c(0x808080), c(0x808080), keep},
        {tsOffice2007Luna, c(0xFFEFE3), c(0xFFD2AF), controls::scOffice2007, c(0x723708), clBlack, c(0xFFD2AF), c(0xFFD2AF), keep},
        {tsOffice2007Obsidian, c(0xF2F1F0), c(0xC9C2BD), controls::scOffice2007, c(0x433C37), clBlack, c(0x5C534C), c(0x5C534C), keep},
        {tsWindowsXP, clBtnFace, clBtnFace, controls::scCustom, clBlack, clHighlightText, c(0xC0C0C0), clBlack, clHighlight},
        {tsWhidbey, c(0xEBEEEF), c(0x7E9898), controls::scOffice2007, c(0xFFFFFF), clBlack, c(0x962D00), c(0x962D00), keep},
        {tsOffice2007Silver, c(0xF8F7F6), c(0xE8E0DB), controls::scOffice2007, c(0x8B4215), clBlack, c(0x74706F), c(0x74706F), keep},
        {tsWindowsVista, c(0xFFFDF9), c(0xFFFAF0), controls::scWindowsVista, clBlack, clBlack, c(0xFCF2DA), c(0xFCF2DA), keep},
        {tsWindows7, c(0xFDFBFA), c(0xFDF3EB), controls::scWindows7, clBlack, clBlack, c(0xFBD6B8), c(0xFBD6B8), keep},
        {tsTerminal, clBtnFace, clBtnFace, controls::scCustom, clBlack, clHighlightText, c(0x808080), c(0x808080), clHighlight},
    };
    for (const Row& row : rows) {
        if (row.Style != AStyle) continue;
        FHeaderColor = row.Header;
        FHeaderColorTo = row.HeaderTo;
        SetSelectionColorStyle(row.Selection);
        if (row.Font != keep) FHeaderFont->SetColor(row.Font);
        FSelectionTextColor = row.SelectionText;
        FLineColor = row.Line;
        FFixedLineColor = row.FixedLine;
        if (row.SelectionColor != keep) {
            SetSelectionColor(row.SelectionColor);
            SetSelectionColorTo(row.SelectionColor);
        }
    }
}

} // namespace grideditors
