// The grid's keys outside an editor: what the grid adds before and after
// the platform's navigation (editing permission, check boxes, Tab, scroll
// only, edge wrapping, appending a row), typed characters that start an
// edit, and search as you type.
#include <algorithm>
#include <utility>

#include "grid/QuillGrid.h"
#include "grid/base/MouseActions.h"
#include "grid/model/SortSettings.h"
#include "grid/interact/EditState.h"
#include "grid/interact/QuillInplaceEdit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/MessageQueue.h"

namespace {

// The grid timer ticks every half second; search as you type starts over
// after four ticks without a typed character.
constexpr std::uintptr_t GridTimerId = 111;
constexpr unsigned GridTimerInterval = 500;
constexpr int SearchResetTicks = 4;

} // namespace

void TQuillStringGrid::WMKeyDown(TMessage& Message)
{
    const auto key = static_cast<unsigned short>(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(static_cast<std::uint32_t>(Message.LParam));
    if (FilterListKey(key, shift)) {
        Message.Result = 1;
        return;
    }
    const TGridRect before = Selection();
    if (HandleKeyDownMessage(key, shift)) Message.Result = 1;
    else TBaseGrid::WMKeyDown(Message);
    // A key that moved or grew the selection reports it.
    if (!(Selection() == before)) ReportSelectionChange();
}

// True when the grid used the key up: the platform does not see it.
bool TQuillStringGrid::HandleKeyDownMessage(unsigned short Key, TShiftState Shift)
{
    grid::TEditState& s = Edit();
    s.SwallowEnterChar = false;
    const TNavigation& nav = Navigation();
    const int col = RealCol();
    auto report = [&] {
        unsigned short copy = Key;
        if (OnKeyDown) OnKeyDown(this, copy, Shift);
        return true;
    };

    if (nav.MoveScrollOnly()) {
        const int visible = VisibleRowCount();
        switch (Key) {
        case VK_PRIOR: SetTopRow(std::max(TopRow() - visible, FixedRows())); return true;
        case VK_NEXT: if (TopRow() + visible < RowCount()) SetTopRow(TopRow() + visible); return true;
        case VK_END: SetTopRow(std::max(RowCount() - visible, FixedRows())); return true;
        case VK_HOME: SetTopRow(FixedRows()); return true;
        case VK_UP: if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1); return true;
        case VK_DOWN: if (TopRow() + visible < RowCount()) SetTopRow(TopRow() + 1); return true;
        default: break;
        }
    }
    if (Key == VK_RETURN || Key == VK_F2) {
        if (Options().Contains(goEditing) && !IsEditable(col, Row())) return report();
        StoreOldCellValue(Col(), Row());
    }
    if ((Key == VK_SPACE || Key == VK_RETURN) && HasClickableControl(col, Row())) {
        bool canEdit = Options().Contains(goEditing) || MouseActions().RangeSelectAndEdit() || s.EditDisable;
        GetCellEditable(col, Row(), canEdit);
        if (Key == VK_SPACE && canEdit && HasCheckBox(col, Row())) {
            (void)ToggleCheck(col, Row(), false);
            bool state = false;
            (void)GetCheckBoxState(col, RealRowIndex(Row()), state);
            if (OnCheckBoxClick) OnCheckBoxClick(this, col, Row(), state);
        } else if (canEdit && GetCellType(col, Row()) == ctButton) {
            DoButtonClick(col, Row());
        }
        RepaintCell(Col(), Row());
    }
    if (Key == VK_TAB && Options().Contains(goTabs)) {
        MoveToNextTabCell(Shift.Contains(ssShift));
        return true;
    }
    if (Key == VK_DOWN && nav.AppendOnArrowDown() && Row() == RowCount() - FFixedFooters - 1) AppendRowOnArrowDown();
    if (nav.AllowClipboardShortCuts() && ClipboardShortCut(Key, Shift)) return true;
    if (Key == 'A' && Shift.Contains(ssCtrl) && (Options().Contains(goRangeSelect) || Options().Contains(goRowSelect))) {
        SetSelection({FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1});
        return report();
    }
    return false;
}

bool TQuillStringGrid::ClipboardShortCut(unsigned short Key, TShiftState Shift)
{
    const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
    auto run = [this](const TClipboardEvent& ask, void (TQuillStringGrid::*operation)()) {
        bool allow = true;
        if (ask) ask(this, allow);
        if (allow) (this->*operation)();
        return true;
    };
    if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE))
        return run(OnClipboardCut, &TQuillStringGrid::CutSelectionToClipboard);
    if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT))
        return run(OnClipboardPaste, &TQuillStringGrid::PasteSelectionFromClipboard);
    if (ctrl && (Key == 'C' || Key == VK_INSERT)) return run(OnClipboardCopy, &TQuillStringGrid::CopySelectionToClipboard);
    return false;
}

void TQuillStringGrid::HandleKeyDown(unsigned short& Key, TShiftState Shift)
{
    const TGridCoord pressed{Col(), Row()};
    const unsigned short key = Key;
    TBaseGrid::HandleKeyDown(Key, Shift);
    const TCursorAdvance advance = Navigation().CursorAdvance();
    if (advance == caDefault) return;
    // Wrapping at the grid's edges, judged by where the key was pressed.
    const bool snake = advance == caSnake;
    const int lastDataCol = ColCount() - FFixedRightCols - 1;
    const int lastDataRow = RowCount() - FFixedFooters - 1;
    if (key == VK_LEFT && pressed.X == FixedCols()) {
        SetCol(lastDataCol);
        if (snake && pressed.Y > FixedRows()) SetRow(pressed.Y - 1);
    } else if (key == VK_UP && pressed.Y == FixedRows()) {
        SetRow(lastDataRow);
        if (snake && pressed.X > FixedCols()) SetCol(pressed.X - 1);
    } else if (key == VK_RIGHT && pressed.X == ColCount() - 1) {
        SetCol(FixedCols());
        if (snake && pressed.Y < lastDataRow) SetRow(pressed.Y + 1);
    } else if (key == VK_DOWN && pressed.Y == RowCount() - 1) {
        SetRow(FixedRows());
        if (snake && pressed.X < lastDataCol) SetCol(pressed.X + 1);
    }
}

void TQuillStringGrid::KeyUp(unsigned short& Key, TShiftState Shift)
{
    // The release of a key the open filter list took is the list's too.
    if (FilterListKeyUp(Key)) {
        Key = 0;
        return;
    }
    if ((Key >= VK_PRIOR && Key <= VK_DOWN && Key != VK_HOME) || Key == VK_INSERT || Key == VK_DELETE)
        Edit().SearchInc.clear();
    TBaseGrid::KeyUp(Key, Shift);
    const bool arrow = Key >= VK_LEFT && Key <= VK_DOWN;
    if (Navigation().AlwaysEdit() && (arrow || (Key == VK_TAB && Options().Contains(goTabs))) &&
        !HasClickableControl(RealCol(), Row()))
        ShowInplaceEdit();
}

void TQuillStringGrid::HandleKeyPress(char32_t& Key)
{
    grid::TEditState& s = Edit();
    const bool editorOpen = s.EditMode;
    if (FilterListChar(Key)) {
        Key = 0;
        return;
    }
    if (Key == U'\r' && std::exchange(s.SwallowEnterChar, false)) {
        Key = 0;
        return;
    }
    if (Key == 27) {
        if (editorOpen) {
            CancelEdit();
            Key = 0;
        }
        return;
    }
    const int col = RealCol();
    if (Key == U'\r') {
        if (!Navigation().AdvanceOnEnter() && !IsEditable(col, Row())) {
            Key = 0;
            return;
        }
        if (editorOpen || HasClickableControl(col, Row())) {
            MoveToNextEditCell(Col(), Row(), false, false, true, editorOpen);
            if (!Navigation().AdvanceAutoEdit() || HasClickableControl(col, Row())) {
                Key = 0;
                return;
            }
        }
    }
    if (!Options().Contains(goEditing) && Navigation().AutoGotoWhenSorted() && SearchAsYouType(Key)) {
        Key = 0;
        return;
    }
    // A typed character starts the edit; a special editor gets it when it opens.
    const bool typed = Key == U'\b' || (Key >= 32 && Key != 127);
    if (typed && !editorOpen && Options().Contains(goEditing)) {
        if (HasClickableControl(col, Row())) {
            Key = 0;
            return;
        }
        s.StartEditChar = Key;
    }
    TBaseGrid::HandleKeyPress(Key);
    s.StartEditChar = 0;
}

bool TQuillStringGrid::SearchAsYouType(char32_t Key)
{
    grid::TEditState& s = Edit();
    if (Key < 32 && Key != U'\b') return false;
    std::string typed;
    rtl::Utf8Append(typed, Key);
    if (Navigation().AutoGotoIncremental()) {
        if (Key == U'\b') {
            if (!s.SearchInc.empty()) s.SearchInc.pop_back();
        } else {
            s.SearchInc += typed;
        }
        s.SearchTics = 0;
        if (HandleAllocated()) (void)SetTimer(Handle(), GridTimerId, GridTimerInterval);
    } else {
        s.SearchInc = Key == U'\b' ? std::string() : typed;
    }
    const int row = s.SearchInc.empty() ? -1 : IncrementalSearchRow(AnsiUpperCase(s.SearchInc));
    if (row < 0) s.SearchInc.clear();
    else SetRow(row);
    return true;
}

int TQuillStringGrid::IncrementalSearchRow(const std::string& UpperText)
{
    // The sort column, or the first normal column of an unsorted grid.
    const int sorted = SortSettings().Column();
    const int col = sorted >= 0 && sorted < TotalColCount() ? sorted : RealColIndex(std::min(FixedCols(), ColCount() - 1));
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
        const std::string& text = GetGridCell(col, r);
        if (text.size() < UpperText.size()) continue;
        if (AnsiUpperCase(std::string_view(text).substr(0, UpperText.size())) == UpperText) return r;
    }
    return -1;
}

void TQuillStringGrid::AppendRowOnArrowDown()
{
    bool canAdd = true;
    if (OnCanAddRow) OnCanAddRow(this, canAdd);
    if (!canAdd) return;
    SetRowCount(RowCount() + 1);
    if (FFixedFooters > 0) SetRow(Row() + 1);
    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

void TQuillStringGrid::Dispatch(TMessage& Message)
{
    if (PanMessage(Message)) return;
    if (Message.Msg == grid::GridEditDoneMessage()) {
        if (OnEditCellDone) OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
        if (MouseActions().EditOnDblClickOnly()) {
            HideEditor();
            TGridOptions options = Options();
            options.Exclude(goEditing);
            SetOptions(options);
        }
        return;
    }
    if (Message.Msg == WM_TIMER && Message.WParam == GridTimerId) {
        grid::TEditState& s = Edit();
        if (++s.SearchTics >= SearchResetTicks) {
            s.SearchInc.clear();
            (void)KillTimer(Handle(), GridTimerId);
        }
        return;
    }
    if (Message.Msg == WM_HSCROLL || Message.Msg == WM_VSCROLL) {
        HandleScrollMessage(Message);
        return;
    }
    TBaseGrid::Dispatch(Message);
}
