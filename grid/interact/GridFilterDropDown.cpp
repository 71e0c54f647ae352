// The filter button of a header cell and the list it drops: the column's
// filter entries, chosen by a click or, with check marks, ticked one by one.
// The list is a popup that never takes the activation, so the grid's form
// keeps the focus while it shows; a press anywhere else closes it.
#include "grid/QuillGrid.h"
#include "grid/model/AppearanceSettings.h"

#include <algorithm>
#include <utility>

#include "grid/interact/FormsState.h"
#include "grid/model/FilterSettings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/ListPopupForm.h"
#include "platform/ui/PopupWatch.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/VirtualKeys.h"

namespace {

// The button takes this many pixels at the right of the header cell.
constexpr int ButtonWidth = 16;
// A release opens the list only this far inside the cell's right edge and
// above this depth, clear of the column border.
constexpr int ButtonBorderGap = 3;
constexpr int ButtonDepth = 19;
// Room beside an item's text.
constexpr int ItemTextMargin = 8;
constexpr int CheckMargin = 2;

} // namespace

namespace grid {

class TFilterDropDownPopup final : public TListPopupForm, private ui::TOpenPopup {
public:
    TFilterDropDownPopup(TQuillStringGrid& Grid, bool Checks)
        : TListPopupForm(*Grid.FilterDropDown().Font()), FGrid(Grid), FChecks(Checks)
    {
        List->SetColor(Grid.FilterDropDown().Color());
        if (Checks) {
            List->SetStyle(lbOwnerDrawFixed);
            List->OnDrawItem = [this](TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
                DrawCheckItem(Index, Rect, State);
            };
        }
        List->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
            if (Button != mbLeft) return;
            const int item = List->ItemAtPos({X, Y}, true);
            if (item >= 0) Choose(item);
        };
    }
    ~TFilterDropDownPopup() override
    {
        if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
    }

    void Open(const TRect& ScreenBounds)
    {
        SetBounds(ScreenBounds.Left, ScreenBounds.Top, ScreenBounds.Right - ScreenBounds.Left,
                  ScreenBounds.Bottom - ScreenBounds.Top);
        Show();
        ui::SetOpenPopup(this);
    }
    // Hidden and no longer the open popup; freed once its own messages are done.
    void Withdraw()
    {
        if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
        Hide();
        Release();
    }

    // The real column, and each entry's condition and tick.
    int Column = -1;
    std::vector<std::string> Conditions;
    std::vector<bool> Checked;

    // A key the grid hands on while the list is open: the arrows, Home,
    // End and the page keys move in the list, Enter chooses (a check list
    // closes, its ticks already made), Space ticks in a check list, Esc
    // closes. True when the key was the list's.
    bool Key(unsigned short Key)
    {
        switch (Key) {
        case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
            List->Perform(WM_KEYDOWN, Key, 0);
            return true;
        case VK_RETURN:
            if (!FChecks && List->ItemIndex() >= 0) Choose(List->ItemIndex());
            else FGrid.HideFilterDropDown();
            return true;
        case VK_SPACE:
            if (!FChecks) return false;
            if (List->ItemIndex() >= 0) Choose(List->ItemIndex());
            return true;
        case VK_ESCAPE:
            FGrid.HideFilterDropDown();
            return true;
        default: return false;
        }
    }

private:
    const TCustomForm* PopupForm() const override { return this; }
    const TCustomForm* OwnerForm() const override { return FGrid.GetParentForm(); }
    void Dismiss() override { FGrid.DismissFilterDropDown(); }

    void Choose(int Item)
    {
        if (!FChecks) {
            FGrid.FilterListSelect(&FGrid, Item);
            FGrid.HideFilterDropDown();
            return;
        }
        Checked[static_cast<size_t>(Item)] = !Checked[static_cast<size_t>(Item)];
        List->Invalidate();
        // The entries as the list was opened: once a tick filtered the
        // column, the grid's own entries list only the rows still shown.
        std::vector<std::string> ticked;
        for (size_t i = 0; i < Checked.size(); ++i)
            if (Checked[i]) ticked.push_back(Conditions[i]);
        FGrid.FilterOnConditions(Column, ticked);
    }

    void DrawCheckItem(int Index, TRect Rect, TOwnerDrawState State)
    {
        TCanvas& c = *List->Canvas();
        c.Brush()->SetColor(List->Color());
        c.FillRect(Rect);
        const int box = std::min(13, Rect.Bottom - Rect.Top - 2);
        TRect check{Rect.Left + CheckMargin, Rect.Top + (Rect.Bottom - Rect.Top - box) / 2, 0, 0};
        check.Right = check.Left + box;
        check.Bottom = check.Top + box;
        const bool on = Index < static_cast<int>(Checked.size()) && Checked[static_cast<size_t>(Index)];
        DrawFrameControl(c.Handle(), check, DFC_BUTTON, DFCS_BUTTONCHECK | (on ? DFCS_CHECKED : 0));
        TRect text = Rect;
        text.Left = check.Right + CheckMargin + 2;
        c.Brush()->SetStyle(bsClear);
        std::string s = List->Items().Strings(Index);
        c.TextRect(text, s, TTextFormat{tfSingleLine, tfVerticalCenter, tfLeft, tfNoPrefix});
        c.Brush()->SetStyle(bsSolid);
        // The list never holds the focus: the item the keys reached is framed.
        if (State.Contains(odSelected)) c.DrawFocusRect(Rect);
    }

    TQuillStringGrid& FGrid;
    bool FChecks;
};

void WithdrawFilterPopup(TFilterDropDownPopup* Popup)
{
    if (Popup) Popup->Withdraw();
}

} // namespace grid

grid::TFormsState& TQuillStringGrid::Forms()
{
    if (!FFormsState) FFormsState.reset(new grid::TFormsState());
    return *FFormsState;
}

bool TQuillStringGrid::HasFilterButton(int ACol, int ARow)
{
    if (ARow != FFilterDropDownRow || ARow >= FixedRows() || ACol < 0 || ACol >= ColCount()) return false;
    // The automatic list always holds at least its clear entry.
    if (FFilterDropDownAuto) return true;
    return OnGetColumnFilter && DoGetColumnFilter(RealColIndex(ACol));
}

TCustomListBox* TQuillStringGrid::FilterDropDownList()
{
    return FFormsState && FFormsState->FilterPopup ? FFormsState->FilterPopup->List : nullptr;
}

void TQuillStringGrid::HideFilterDropDown()
{
    FFilterCol = -1;
    if (!FFormsState || !FFormsState->FilterPopup) return;
    std::exchange(FFormsState->FilterPopup, nullptr)->Withdraw();
}

void TQuillStringGrid::DismissFilterDropDown()
{
    grid::TFormsState& s = Forms();
    // A press on the open list's own button only closes it.
    TPoint at = Mouse ? ScreenToClient(Mouse->CursorPos()) : TPoint{-1, -1};
    const TGridCoord cell = MouseCoord(at.X, at.Y);
    s.ClosedByButtonCol = cell.Y == FFilterDropDownRow && cell.X >= 0 && RealColIndex(cell.X) == FFilterCol &&
                                  at.X > CellRect(cell.X, cell.Y).Right - ButtonWidth
                              ? FFilterCol
                              : -1;
    HideFilterDropDown();
}

void TQuillStringGrid::ShowFilterDropDown(int ACol, int ARow)
{
    HideFilterDropDown();
    const int realCol = RealColIndex(ACol);
    if (!DoGetColumnFilter(realCol)) return;
    grid::TFormsState& s = Forms();
    TFilterDropDown& look = FilterDropDown();
    auto* popup = new grid::TFilterDropDownPopup(*this, FFilterDropDownCheck);
    popup->Column = realCol;
    TListBox& list = *popup->List;
    int widest = 0;
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&list.Font());
    for (int i = 0; i < FFilterList->Count(); ++i) {
        std::string name;
        const std::string condition = FilterEntryCondition(i, name);
        list.Items().Add(name);
        widest = std::max(widest, probe.Canvas()->TextWidth(name) + ItemTextMargin);
        popup->Conditions.push_back(condition);
        if (!FFilterDropDownCheck) continue;
        // Ticked when this column is filtered on exactly the entry's condition.
        bool on = false;
        for (int f = 0; f < FFilter->Count() && !on; ++f) {
            const TFilterData* data = FFilter->GetItem(f);
            on = data->Column() == realCol && !condition.empty() && data->Condition() == condition;
        }
        popup->Checked.push_back(on);
    }
    if (FFilterDropDownCheck) widest += list.ItemHeight();
    else list.SetItemIndex(0);

    const TRect cell = CellRect(ACol, ARow);
    int width = look.Width(), height = look.Height();
    if (look.AutoSize()) {
        height = list.Count() * list.ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
        width = widest + 2 * GetSystemMetrics(SM_CXEDGE);
    }
    int left = cell.Right - ButtonWidth;
    if (look.ColumnWidth()) {
        left = cell.Left;
        width = cell.Right - cell.Left;
    }
    // Kept inside the grid: it ends at the column's right edge instead.
    if (left + width > ClientWidth()) left = std::max(0, cell.Right - width);
    const TPoint at = ClientToScreen({left, cell.Top + ButtonWidth});
    FFilterCol = realCol;
    s.FilterPopup = popup;
    popup->Open({at.X, at.Y, at.X + width, at.Y + height});
}

bool TQuillStringGrid::FilterListKey(unsigned short Key, TShiftState Shift)
{
    if (!FFormsState || !FFormsState->FilterPopup || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return false;
    if (!FFormsState->FilterPopup->Key(Key)) return false;
    // Enter, Space and Esc make a character the grid must not take next.
    FFormsState->SwallowFilterChar = Key == VK_RETURN || Key == VK_SPACE || Key == VK_ESCAPE;
    FFormsState->FilterKeyDown = Key;
    return true;
}

bool TQuillStringGrid::FilterListKeyUp(unsigned short Key)
{
    return FFormsState && Key != 0 && std::exchange(FFormsState->FilterKeyDown, 0) == Key;
}

bool TQuillStringGrid::FilterListChar(char32_t Key)
{
    if (!FFormsState || !std::exchange(FFormsState->SwallowFilterChar, false)) return false;
    return Key == U'\r' || Key == U' ' || Key == 27;
}

void TQuillStringGrid::CMWantSpecialKey(TMessage& Message)
{
    // While the filter list is open, Enter and Esc are its, not the form's.
    if (FFormsState && FFormsState->FilterPopup) {
        Message.Result = 1;
        return;
    }
    TBaseGrid::CMWantSpecialKey(Message);
}

bool TQuillStringGrid::FilterButtonRelease(int X, int Y)
{
    grid::TFormsState& s = Forms();
    const int closedByButton = std::exchange(s.ClosedByButtonCol, -1);
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || !HasFilterButton(cell.X, cell.Y)) return false;
    const TRect r = CellRect(cell.X, cell.Y);
    if (X <= r.Right - ButtonWidth) return false;
    const int realCol = RealColIndex(cell.X);
    const bool onButton = X < r.Right - ButtonBorderGap && Y < r.Top + ButtonDepth;
    if (!onButton || realCol == FFilterCol || realCol == closedByButton) HideFilterDropDown();
    else ShowFilterDropDown(cell.X, cell.Y);
    return true;
}
