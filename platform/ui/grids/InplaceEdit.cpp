// The in-place editor: text editing keys, hand-over of navigation keys to the
// grid, and the change notice that stores the text in the cell.
#include "platform/ui/grids/InplaceEdit.h"

#include <algorithm>

#include "platform/ui/grids/Grids.h"

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string EncodeUtf8(char32_t ch)
{
    std::string out;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch <= 0x10FFFF) {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return out;
}

} // namespace

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TCustomControl(AGrid), FGrid(AGrid)
{
    SetTabStop(false);
    SetVisible(false);
    SetParent(AGrid);
}

TInplaceEdit::~TInplaceEdit() = default;

void TInplaceEdit::SetSel(int Start, int Length)
{
    int size = static_cast<int>(FText.size());
    Start = std::clamp(Start, 0, size);
    int end = std::clamp(Start + Length, 0, size);
    while (Start > 0 && Start < size && IsContinuationByte(FText[static_cast<std::size_t>(Start)])) --Start;
    while (end < size && end > 0 && IsContinuationByte(FText[static_cast<std::size_t>(end)])) ++end;
    FSelStart = std::min(Start, end);
    FSelLength = std::abs(end - Start);
    Invalidate();
}

void TInplaceEdit::SelectAll() { SetSel(0, static_cast<int>(FText.size())); }

std::string TInplaceEdit::SelText() const
{
    return FText.substr(static_cast<std::size_t>(FSelStart), static_cast<std::size_t>(FSelLength));
}

void TInplaceEdit::SetSelText(const std::string& Value)
{
    ReplaceSelection(Value);
}

void TInplaceEdit::ReplaceSelection(const std::string& Value)
{
    std::string text = FText;
    std::string insert = Value;
    if (FMaxLength > 0) {
        std::size_t room = static_cast<std::size_t>(FMaxLength) - std::min<std::size_t>(
            static_cast<std::size_t>(FMaxLength), text.size() - static_cast<std::size_t>(FSelLength));
        if (insert.size() > room) {
            insert.resize(room);
            while (!insert.empty() && IsContinuationByte(insert.back())) insert.pop_back();
            // A lead byte whose sequence was cut goes too.
            if (!insert.empty() && (static_cast<unsigned char>(insert.back()) & 0xC0) == 0xC0) insert.pop_back();
        }
    }
    text.replace(static_cast<std::size_t>(FSelStart), static_cast<std::size_t>(FSelLength), insert);
    int caret = FSelStart + static_cast<int>(insert.size());
    if (text == FText) {
        SetSel(caret, 0);
        return;
    }
    SetText(text);
    FSelStart = caret;
    FSelLength = 0;
    FModified = true;
    Change();
}

int TInplaceEdit::PrevCharStart(int Pos) const
{
    if (Pos <= 0) return 0;
    --Pos;
    while (Pos > 0 && IsContinuationByte(FText[static_cast<std::size_t>(Pos)])) --Pos;
    return Pos;
}

int TInplaceEdit::NextCharStart(int Pos) const
{
    int size = static_cast<int>(FText.size());
    if (Pos >= size) return size;
    ++Pos;
    while (Pos < size && IsContinuationByte(FText[static_cast<std::size_t>(Pos)])) ++Pos;
    return Pos;
}

void TInplaceEdit::UpdateContents()
{
    FLoading = true;
    SetText(FGrid->ProvideEditText(FGrid->Col(), FGrid->Row()));
    FLoading = false;
    FModified = false;
    SelectAll();
}

void TInplaceEdit::Move(const TRect& Loc)
{
    SetBoundsRect(Loc);
    Show();
    Invalidate();
}

void TInplaceEdit::Hide()
{
    if (!Visible()) return;
    bool hadFocus = Focused();
    SetVisible(false);
    if (hadFocus && FGrid->CanFocus()) FGrid->SetFocus();
}

void TInplaceEdit::TextChanged()
{
    TCustomControl::TextChanged();
    FSelStart = std::min(FSelStart, static_cast<int>(FText.size()));
    FSelLength = std::min(FSelLength, static_cast<int>(FText.size()) - FSelStart);
    Invalidate();
}

void TInplaceEdit::Change()
{
    if (FLoading) return;
    FGrid->UpdateText();
    if (OnChange) OnChange(this);
}

void TInplaceEdit::SendToGrid(unsigned short& Key, TShiftState Shift)
{
    // The grid moves (which closes this edit); the key is used up here.
    FGrid->KeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const int size = static_cast<int>(FText.size());
    const int caretEnd = FSelStart + FSelLength;
    switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        SendToGrid(Key, Shift);
        break;
    case VK_TAB:
        if (FGrid->Options().Contains(goTabs) && !Shift.Contains(ssAlt)) SendToGrid(Key, Shift);
        break;
    case VK_LEFT:
        if (FSelStart == 0 && FSelLength == 0 && !Shift.Contains(ssShift)) SendToGrid(Key, Shift);
        else SetSel(PrevCharStart(FSelLength > 0 && !Shift.Contains(ssShift) ? FSelStart + 1 : FSelStart), 0);
        Key = 0;
        break;
    case VK_RIGHT:
        if (FSelStart == size && !Shift.Contains(ssShift)) SendToGrid(Key, Shift);
        else SetSel(FSelLength > 0 ? caretEnd : NextCharStart(FSelStart), 0);
        Key = 0;
        break;
    case VK_HOME:
        SetSel(0, Shift.Contains(ssShift) ? caretEnd : 0);
        Key = 0;
        break;
    case VK_END:
        if (Shift.Contains(ssShift)) SetSel(FSelStart, size - FSelStart);
        else SetSel(size, 0);
        Key = 0;
        break;
    case VK_DELETE:
        if (FSelLength == 0) FSelLength = NextCharStart(FSelStart) - FSelStart;
        ReplaceSelection({});
        Key = 0;
        break;
    default:
        break;
    }
}

void TInplaceEdit::KeyPress(char32_t& Key)
{
    // The grid sees every character first: Enter and Esc are its own.
    FGrid->KeyPress(Key);
    if (Key == 0) return;
    TCustomControl::KeyPress(Key);
    if (Key == 0) return;
    if (Key == U'\b') {
        if (FSelLength == 0) {
            int start = PrevCharStart(FSelStart);
            FSelLength = FSelStart - start;
            FSelStart = start;
        }
        ReplaceSelection({});
    } else if (Key >= 32 && Key != 127) {
        ReplaceSelection(EncodeUtf8(Key));
    }
    Key = 0;
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

void TInplaceEdit::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    c.Font()->Assign(&FGrid->Font());
    c.Brush()->SetStyle(bsClear);
    c.TextRect(r, 2, 2, FText);
    if (FSelLength > 0) {
        int x0 = 2 + c.TextWidth(std::string_view(FText).substr(0, static_cast<std::size_t>(FSelStart)));
        int x1 = 2 + c.TextWidth(std::string_view(FText).substr(0, static_cast<std::size_t>(FSelStart + FSelLength)));
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(clHighlight);
        c.Font()->SetColor(clHighlightText);
        TRect sel{x0, r.Top + 1, x1, r.Bottom - 1};
        c.TextRect(sel, x0, 2, SelText());
    } else if (Focused()) {
        int x = 2 + c.TextWidth(std::string_view(FText).substr(0, static_cast<std::size_t>(FSelStart)));
        c.Pen()->SetColor(clWindowText);
        c.MoveTo(x, r.Top + 1);
        c.LineTo(x, r.Bottom - 1);
    }
}
