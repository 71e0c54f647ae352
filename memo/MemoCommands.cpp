// The memo's editing commands and the one key dispatcher that runs them.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Timer.h"

namespace {

// Runs the body with the memo's refreshing off and puts it back however the body ends.
template <class F>
void Quietly(bool& LetRefresh, F&& Body)
{
    bool saved = LetRefresh;
    LetRefresh = false;
    auto restore = rtl::ScopeExit([&] { LetRefresh = saved; });
    Body();
}

bool IsBlank(char32_t Ch) { return Ch == U' ' || Ch == U'\t'; }

} // namespace

bool TQuillCustomMemo::IsSymbolDelimiter(char32_t Ch)
{
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    if (!styler) return Ch == U' ';
    if (!FCachedDelimitersFound) {
        const TElementStyles& styles = styler->AllStyles();
        for (int i = 0; i < styles.Count(); ++i)
            if (styles.Items(i)->StyleType() == stSymbol) {
                FCachedDelimiters = styles.Items(i)->Symbols();
                break;
            }
        FCachedDelimitersFound = true;
    }
    return FCachedDelimiters.find(Ch) != std::u32string::npos;
}

bool TQuillCustomMemo::ExtendAllowed(TShiftState Shift) const
{
    return Shift.Contains(ssShift) && FCurX == FPrevSelX && FCurY == FPrevSelY;
}

void TQuillCustomMemo::ApplySelectionRule(bool Extend)
{
    if (Extend) ExtendSelectionToCaret();
    else ClearSelection();
}

void TQuillCustomMemo::WordLeft()
{
    Quietly(FLetRefresh, [&] {
        SetCurX(FCurX - 1);
        std::u32string t = memo::ToU32(TrimmedLine(FCurY));
        int x = FCurX;
        while (x > 0) {
            if (x > static_cast<int>(t.size())) break;
            if (IsSymbolDelimiter(t[x - 1]) && (x >= static_cast<int>(t.size()) || t[x] != U' ')) break;
            --x;
        }
        SetCurX(x);
    });
}

void TQuillCustomMemo::WordRight()
{
    Quietly(FLetRefresh, [&] {
        std::u32string t = memo::ToU32(TrimmedLine(FCurY));
        int l = static_cast<int>(t.size());
        int x = FCurX + 1;
        while (x < l && (!IsSymbolDelimiter(t[x - 1]) || t[x] == U' ')) ++x;
        if (x > l && FCurY + 1 < FLines->Count()) {
            int next = FoldingActive() ? LineFromDisplayRow(DisplayRowFromLine(FCurY) + 1) : FCurY + 1;
            SetCurY(next);
            SetCurX(0);
        } else {
            SetCurX(x);
        }
    });
}

void TQuillCustomMemo::MoveCaret(int DX, int DY, TShiftState Shift)
{
    bool extend = ExtendAllowed(Shift);
    if (Shift.Contains(ssCtrl)) {
        if (DX > 0) WordRight();
        else if (DX < 0) WordLeft();
        ApplySelectionRule(extend);
        return;
    }
    // The end of a line and the start of its soft-wrap continuation are one
    // text position: a move across the wrap passes the character beyond it.
    if (DY == 0 && DX == -1 && FCurX == 0 && memo::IsLineWrapped(*FLines, FCurY)) {
        SetCurY(FCurY - 1);
        SetCurX(std::max(LineLength(FCurY) - 1, 0));
        ApplySelectionRule(extend);
        return;
    }
    if (DY == 0 && DX == 1 && FCurX >= LineLength(FCurY) && memo::IsLineWrapped(*FLines, FCurY + 1)) {
        SetCurY(FCurY + 1);
        SetCurX(std::min(1, LineLength(FCurY)));
        ApplySelectionRule(extend);
        return;
    }
    if (DY != 0) {
        int line = FoldingActive() ? LineFromDisplayRow(DisplayRowFromLine(FCurY) + DY) : FCurY + DY;
        SetCurY(line);
    }
    if (Shift.Contains(ssShift) && FSelectSingleLine && !FAutoExpand) {
        SetCurX(std::clamp(FCurX + DX, 0, LineLength(FCurY)));
        if (FSelStartY != FSelEndY) FSelStartY = FSelEndY;
    } else if (FAutoExpand || DX < 0 || DY != 0) {
        if (DX != 0) SetCurX(FCurX + DX);
    } else if (DX > 0) {
        if (FCurX >= memo::Length(TrimmedLine(FCurY))) {
            if (FCurY + 1 < FLines->Count()) {
                SetCurY(FCurY + 1);
                SetCurX(0);
            }
        } else {
            SetCurX(FCurX + DX);
        }
    }
    if (DY != 0 && DX == 0 && !FAutoExpand) SetCurX(std::min(FCurX, memo::Length(TrimmedLine(FCurY))));
    ApplySelectionRule(extend);
}

void TQuillCustomMemo::MovePage(int Dir, TShiftState Shift)
{
    if (FCellSize.H == 0) return;
    bool extend = ExtendAllowed(Shift);
    int n = TextAreaRect().Height() / FCellSize.H;
    int oldTop = FTopLine;
    if (FoldingActive()) {
        SetCurY(LineFromDisplayRow(DisplayRowFromLine(FCurY) + Dir * n));
        SetTopLine(oldTop + Dir * n);
    } else if (n < FLines->Count()) {
        SetCurY(FCurY + Dir * n);
        SetTopLine(std::max(oldTop + Dir * n, 0));
    } else {
        SetCurY(Dir <= 0 ? 0 : FLines->Count() - 1);
    }
    int last = std::max(FLines->Count() - 1, 0);
    memo::ClearStyleCacheRange(*FLines, std::clamp(std::min(oldTop, FTopLine), 0, last), std::min(std::max(oldTop, FTopLine), last));
    if (Shift.Contains(ssCtrl)) {
        if (Dir <= 0) {
            SetCurY(0);
            SetCurX(0);
        } else {
            SetCurY(FLines->Count() - 1);
            SetCurX(LineLength(FCurY));
        }
    }
    ApplySelectionRule(extend);
}

void TQuillCustomMemo::CaretHome(TShiftState Shift)
{
    if (Shift.Contains(ssCtrl)) {
        SetCurY(0);
        SetCurX(0);
    }
    bool extend = ExtendAllowed(Shift);
    if (FEnhancedHomeKey) {
        std::u32string line = memo::ToU32(LineText(FCurY));
        int x = std::min(FCurX - 1, static_cast<int>(line.size()));
        auto isSpace = [&](int i) { return i < static_cast<int>(line.size()) && line[i] == U' '; };
        while (x > 0 && !(isSpace(x - 1) && !isSpace(x))) --x;
        x = std::max(x, 0);
        if (x < FLeftCol) SetLeftCol(x);
        SetCurX(x);
    } else {
        SetCurX(0);
        SetLeftCol(0);
    }
    ApplySelectionRule(extend);
}

void TQuillCustomMemo::CaretEnd(TShiftState Shift)
{
    if (Shift.Contains(ssCtrl)) {
        SetCurY(FLines->Count() - 1);
        SetCurX(LineLength(FCurY));
    }
    bool extend = ExtendAllowed(Shift);
    SetCurX(FAutoExpand ? LineLength(FCurY) : memo::Length(TrimmedLine(FCurY)));
    ApplySelectionRule(extend);
}

void TQuillCustomMemo::InsertChar(char32_t Ch)
{
    if (FLines->Count() == 0) FLines->Add("");
    if (FCurY >= FLines->Count()) FCurY = FLines->Count() - 1;
    int beforeX = FCurX, beforeY = FCurY;
    std::string s = LineText(FCurY);
    int length = memo::Length(s);
    std::string inserted;
    // Typing in virtual space first fills the line up to the caret; the
    // blanks are typed text of their own, so undoing the character takes them too.
    std::string padding;
    if (Ch != U'\t') {
        if (length < FCurX) {
            padding.assign(static_cast<size_t>(FCurX - length), ' ');
            s += padding;
            length = FCurX;
        }
        inserted = rtl::Utf8Encode(Ch);
    } else if (FOverwrite) {
        if (FCurX + FTabSize < length) {
            SetCurX(FCurX + FTabSize);
            ClearSelection();
            return;
        }
        inserted.assign(static_cast<size_t>(FCurX + FTabSize - length), ' ');
        FCurX = length;
    } else {
        inserted.assign(static_cast<size_t>(FTabSize), ' ');
    }
    int target = FCurX + memo::Length(inserted);
    bool overwritten = FOverwrite && Ch != U'\t' && FCurX < length;
    if (overwritten) {
        FUndoList->Add(new TOverwriteCharUndo(FCurX, FCurY, FCurX, FCurY, rtl::Utf8Encode(memo::CharAt(s, FCurX))));
        s = memo::Left(s, FCurX) + inserted + memo::Mid(s, FCurX + 1);
    } else {
        s = memo::Left(s, FCurX) + inserted + memo::Mid(s, FCurX);
    }
    Quietly(FLetRefresh, [&] { PutLine(FCurY, s); });
    SetCurX(target);
    RewrapEdits();
    ClearSelection();
    if (overwritten) return;
    if (!padding.empty())
        FUndoList->Add(new TInsertCharUndo(beforeX - memo::Length(padding), beforeY, beforeX, beforeY, padding));
    FUndoList->Add(new TInsertCharUndo(beforeX, beforeY, FCurX, FCurY, inserted));
}

void TQuillCustomMemo::DeleteChar(int ACurX0, int ACurY0)
{
    if (!IsEditAllowed()) return;
    Quietly(FLetRefresh, [&] {
        bool isBackspace = ACurX0 >= 0;
        if (!isBackspace) {
            ACurX0 = FCurX;
            ACurY0 = FCurY;
        }
        ClearSelection();
        std::string line = LineText(FCurY);
        std::string removed;
        if (FCurX < memo::Length(line)) {
            removed = rtl::Utf8Encode(memo::CharAt(line, FCurX));
            PutLine(FCurY, memo::Left(line, FCurX) + memo::Mid(line, FCurX + 1));
        } else if (FCurY + 1 < FLines->Count() && memo::IsLineWrapped(*FLines, FCurY + 1)) {
            // The next character is the first one of this line's continuation.
            std::string next = LineText(FCurY + 1);
            removed = rtl::Utf8Encode(memo::CharAt(next, 0));
            PutLine(FCurY + 1, memo::Mid(next, 1));
        } else if (FCurY + 1 < FLines->Count()) {
            if (FCurX > memo::Length(line)) line.append(static_cast<size_t>(FCurX - memo::Length(line)), ' ');
            PutLine(FCurY, line + LineText(FCurY + 1));
            {
                bool performing = FUndoList->IsPerforming();
                FUndoList->SetIsPerforming(true);
                auto restore = rtl::ScopeExit([&] { FUndoList->SetIsPerforming(performing); });
                PutLine(FCurY + 1, "");
                FLines->Delete(FCurY + 1);
            }
            removed = "\r";
            AutoCodeFold();
        }
        // The step ends where the caret is once the lines are wrapped again.
        RewrapEdits();
        if (!removed.empty()) FUndoList->Add(new TDeleteCharUndo(ACurX0, ACurY0, FCurX, FCurY, removed, isBackspace));
        FSelStartX = FSelEndX = FCurX;
        FSelStartY = FSelEndY = FCurY;
    });
    LinesChanged();
}

// Positions here are 1-based, as the column a word of a line above starts at.
int TQuillCustomMemo::SmartUnindentColumn(int CX, int CY) const
{
    if (CY == 0) return CX - 1;
    int p = CX - 1;
    for (int y = CY - 1; y >= 0; --y) {
        std::u32string t = memo::ToU32(LineText(y));
        int n = static_cast<int>(t.size());
        p = n < CX - 1 ? n + 1 : CX - 1;
        if (n <= p) continue;
        int q = p;
        while (q >= 1 && IsBlank(t[q - 1])) --q;
        if (q >= 1) {
            while (q >= 1 && !IsBlank(t[q - 1])) --q;
            return q;
        }
        p = 0; // only blanks up to p
    }
    return p;
}

void TQuillCustomMemo::DeleteCharBack()
{
    int x0 = FCurX, y0 = FCurY;
    std::string line = LineText(FCurY);
    bool indentOnly = FCurX > 0 && !line.empty();
    for (int i = 0; indentOnly && i < FCurX; ++i)
        if (memo::CharAt(line, i) != U' ') indentOnly = false;
    // A replayed backspace removes exactly the one character it recorded.
    if (FSmartTabs && !FUndoList->IsPerforming() && FCurY < FLines->Count() && indentOnly) {
        Quietly(FLetRefresh, [&] {
            int b = std::max(SmartUnindentColumn(FCurX, FCurY), 0);
            std::string removed = memo::Mid(line, b, FCurX - b);
            PutLine(FCurY, memo::Left(line, b) + memo::Mid(line, FCurX));
            SetCurX(b);
            auto* step = new TDeleteBufUndo(x0, y0, FCurX, FCurY, removed);
            step->SetSelection(FCurX, FCurY, x0, y0);
            FUndoList->Add(step);
        });
        LinesChanged();
        return;
    }
    if (FoldingActive() && FCurX == 0 && FCurY > 0) {
        SetExpandNode(LineFromDisplayRow(DisplayRowFromLine(FCurY) - 1), true);
        FShouldCheckCodeFolding = false;
    }
    // Past the end of a line the caret only walks left through virtual
    // space; deleting there would join the next line instead.
    if (FCurX > LineLength(FCurY)) {
        --FCurX; // not through the setter, which would pad the line up to the caret
        ScrollCaretIntoView();
        if (FCaretVisible) UpdateCaret(true);
        DoStatusChange();
        ClearSelection();
        return;
    }
    MoveCaret(-1, 0, {});
    if (FCurX != x0 || FCurY != y0) {
        DeleteChar(x0, y0);
        if (FCurY >= FLines->Count()) {
            SetCurY(FLines->Count() - 1);
            SetCurX(LineLength(FCurY));
        }
        FSelStartX = FSelEndX = FCurX;
        FSelStartY = FSelEndY = FCurY;
    }
}

void TQuillCustomMemo::DeleteWordBack()
{
    std::u32string s = memo::ToU32(LineText(FCurY));
    int startLine = FCurY;
    for (;;) {
        int x0 = FCurX, y0 = FCurY;
        MoveCaret(-1, 0, {});
        if (FCurX == x0 && FCurY == y0) break;
        DeleteChar(x0, y0);
        bool spaceLeft = FCurX == 0 || FCurX > static_cast<int>(s.size()) || s[FCurX - 1] == U' ';
        if (spaceLeft || FCurY != startLine) break;
    }
}

std::string TQuillCustomMemo::SmartTabText() const
{
    for (int y = FCurY - 1; y >= 0; --y) {
        std::u32string t = memo::ToU32(LineText(y)) + U"\r\n";
        int n = static_cast<int>(t.size());
        if (n < FCurX + 1) continue;
        int i = FCurX; // 0-based index of 1-based position CurX + 1
        while (i < n && !IsBlank(t[i]) && t[i] != U'\r' && t[i] != U'\n') ++i;
        while (i < n && IsBlank(t[i])) ++i;
        if (i < n) return i > FCurX ? std::string(static_cast<size_t>(i - FCurX), ' ') : std::string();
    }
    return {};
}

void TQuillCustomMemo::InsertTab(TShiftState Shift)
{
    if (!IsEditAllowed()) return;
    if (!FSmartTabs || FLines->Count() == 0) {
        if (Shift.Contains(ssCtrl)) return;
        if (!Shift.Contains(ssShift)) {
            InsertChar(U'\t');
            Invalidate();
        } else {
            SetCurX(std::max(FCurX - FTabSize, 0));
            ClearSelection();
        }
        return;
    }
    Quietly(FLetRefresh, [&] {
        int beforeX = FCurX, beforeY = FCurY;
        std::string inserted = SmartTabText();
        if (!inserted.empty()) {
            std::string line = LineText(FCurY);
            int length = memo::Length(line);
            if (length < FCurX) line.append(static_cast<size_t>(FCurX - length), ' ');
            std::string rest = memo::Mid(line, FCurX);
            rest.erase(rest.find_last_not_of(' ') == std::string::npos ? 0 : rest.find_last_not_of(' ') + 1);
            PutLine(FCurY, memo::Left(line, FCurX) + inserted + rest);
            FCurX += memo::Length(inserted);
            RewrapEdits();
            ClearSelection();
            FUndoList->Add(new TInsertCharUndo(beforeX, beforeY, FCurX, FCurY, inserted));
        } else {
            InsertChar(U'\t');
            Invalidate();
            FUndoList->Add(new TInsertCharUndo(beforeX, beforeY, FCurX, FCurY, ""));
        }
    });
    LinesChanged();
}

std::string TQuillCustomMemo::AutoIndentText() const
{
    if (!FAutoIndent) return {};
    std::u32string line = memo::ToU32(LineText(FCurY));
    int n = static_cast<int>(line.size());
    int count = 0;
    while (count < n - 1 && line[count] == U' ') ++count;
    while (count < FCurX && count < n && line[count] == U' ') ++count;
    return std::string(static_cast<size_t>(count), ' ');
}

void TQuillCustomMemo::InsertNewLine()
{
    if (!IsEditAllowed()) return;
    Quietly(FLetRefresh, [&] {
        if (FLines->Count() == 0) FLines->Add("");
        FCurY = std::clamp(FCurY, 0, FLines->Count() - 1);
        int beforeX = FCurX, beforeY = FCurY;
        std::string s = LineText(FCurY);
        std::string indent = AutoIndentText();
        // The moved text keeps its trailing blanks: dropping them would be a
        // change that undoing the new line could not bring back.
        std::string rest = memo::Mid(s, FCurX);
        size_t stripped = FAutoIndent ? std::min(rest.find_first_not_of(' '), rest.size()) : 0;
        PutLine(FCurY, memo::Left(s, FCurX));
        if (FoldingActive()) SetExpandNode(FCurY, true);
        NoteEdit(FCurY + 1);
        FLines->DoInsert(FCurY + 1, indent + rest.substr(stripped));
        MoveCaret(0, 1, {});
        SetCurX(memo::Length(indent));
        RewrapEdits();
        ClearSelection();
        std::string text = "\r" + indent;
        if (FUndoLineByLine) FUndoList->Add(new TNewLineUndo(beforeX, beforeY, FCurX, FCurY, text));
        else FUndoList->Add(new TInsertCharUndo(beforeX, beforeY, FCurX, FCurY, text));
        if (stripped > 0) {
            // The indent spaces dropped from the moved text are an undoable
            // deletion of their own, undone and redone with the new line.
            auto* step = new TDeleteBufUndo(FCurX, FCurY, FCurX, FCurY, rest.substr(0, stripped));
            step->SetSelection(FCurX, FCurY, FCurX + static_cast<int>(stripped), FCurY);
            step->SetLinkedUndo(true);
            FUndoList->Add(step);
        }
    });
    LinesChanged();
}

void TQuillCustomMemo::ExecuteKeyCommand(unsigned Key, TShiftState Shift)
{
    auto homeOrEnd = [&](bool home) {
        if (FLines->Count() == 0) {
            SetCurX(0);
            return;
        }
        int anchorX = FSelStartX, anchorY = FSelStartY;
        if (home) CaretHome(Shift);
        else CaretEnd(Shift);
        if (Shift.Contains(ssCtrl) && Shift.Contains(ssShift)) {
            FSelStartX = anchorX;
            FSelStartY = anchorY;
            Invalidate();
            DoSelectionChange();
        }
    };
    switch (Key) {
    case 3: ClipboardCopy(); return;
    case 27: EscapePressed(); return;
    case 33: MovePage(-1, Shift); return;
    case 34: MovePage(1, Shift); return;
    case 35: homeOrEnd(false); return;
    case 36: homeOrEnd(true); return;
    case 45:
        if (Shift.Contains(ssCtrl)) {
            ClipboardCopy();
            return;
        }
        break;
    }
    if (FReadOnly) return;
    bool modified = false;
    switch (Key) {
    case 1: SelectAll(); break;
    case 8:
        if (!IsEditAllowed() || FLines->Count() == 0) break;
        if (Shift.Contains(ssCtrl)) DeleteWordBack();
        else if (!(FDelErase && RemoveSelectedText(true))) DeleteCharBack();
        modified = true;
        break;
    case 9:
        InsertTab(Shift);
        modified = true;
        break;
    case 13:
        RemoveSelectedText(true);
        InsertNewLine();
        modified = true;
        break;
    case 22: ClipboardPaste(); break;
    case 24:
        ClipboardCut();
        modified = true;
        break;
    case 45:
        if (Shift.Contains(ssShift)) {
            ClipboardPaste();
        } else {
            bool allow = true;
            if (OnOverwriteToggle) OnOverwriteToggle(this, allow);
            if (allow) {
                int n = FUndoList->Count();
                bool twoToggles = n >= 2 && dynamic_cast<TInsertOverwriteUndo*>(FUndoList->Items(0)) &&
                                  dynamic_cast<TInsertOverwriteUndo*>(FUndoList->Items(1));
                if (n > 0 && !twoToggles) FUndoList->Add(new TInsertOverwriteUndo(FOverwrite));
                FOverwrite = !FOverwrite;
            }
        }
        break;
    case 46:
        if (FLines->Count() == 0) break;
        if (Shift.Contains(ssShift)) {
            ClipboardCut();
        } else {
            bool removed = false;
            if (FDelErase && (FSelStartX != FSelEndX || FSelStartY != FSelEndY)) {
                bool saved = FAutoExpand;
                FAutoExpand = true;
                auto restore = rtl::ScopeExit([&] { FAutoExpand = saved; });
                removed = RemoveSelectedText(true);
            }
            if (!removed) DeleteChar(-1, -1);
        }
        FPrevSelX = FCurX;
        FPrevSelY = FCurY;
        modified = true;
        break;
    default: break;
    }
    if (modified) MarkModified(FCurY);
}

// The keys the memo routes to its commands: movement and the editing keys
// arrive as key-downs, typed characters and Ctrl+letters as characters.
void TQuillCustomMemo::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    FAutoCompleteTimer->SetEnabled(false);
    FLetShowAutoCompletion = true;
    FAllowAutoHint = !Shift.Contains(ssCtrl);
    // The open completion list has the keys; characters follow as key presses.
    if (FListHooked && FListCompletion) {
        FListCompletion->Perform(WM_KEYDOWN, Key, 0);
        return;
    }
    switch (Key) {
    case VK_SPACE:
        if (Shift == TShiftState{ssCtrl} && FAutoCompletion->Active) {
            FLetShowAutoCompletion = false;
            const std::string word = FLines->Count() > 0 ? FullWordAtCursor() : std::string();
            FAutoCompleteDot = HasCompletionStartToken(word);
            if (FAutoCompleteDot) FDotPoint = {FCurX - memo::Length(TokenAtXY(FCurX, FCurY)), FCurY};
            ShowAutoCompletion();
            break;
        }
        if (Shift != TShiftState{ssCtrl, ssShift} || FAutoHintParameters == hpNone) return;
        FSwallowSpace = true;
        ShowParameterHint();
        break;
    case VK_LEFT: MoveCaret(-1, 0, Shift); break;
    case VK_RIGHT: MoveCaret(1, 0, Shift); break;
    case VK_UP: MoveCaret(0, -1, Shift); break;
    case VK_DOWN: MoveCaret(0, 1, Shift); break;
    case VK_RETURN:
        if (!FReadOnly && IsEditAllowed()) {
            RunChecker(U'\r');
            CorrectWordAtCaret();
        }
        ExecuteKeyCommand(Key, Shift);
        break;
    case VK_BACK:
        // Alt+Backspace undoes, with Shift redoes; never on a read-only memo.
        if (Shift.Contains(ssAlt)) {
            if (FReadOnly) break;
            if (Shift.Contains(ssShift)) Redo();
            else Undo();
            break;
        }
        ExecuteKeyCommand(Key, Shift);
        break;
    case 'F':
    case 'H':
        if (!Shift.Contains(ssCtrl)) return;
        if (Key == 'F') DoFind();
        else DoReplace();
        break;
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_INSERT: case VK_DELETE:
        ExecuteKeyCommand(Key, Shift);
        break;
    case VK_TAB:
        if (!FWantTab) return;
        if (!FReadOnly && IsEditAllowed()) {
            RunChecker(U'\t');
            CorrectWordAtCaret();
        }
        ExecuteKeyCommand(Key, Shift);
        break;
    default: return;
    }
    Key = 0;
}

void TQuillCustomMemo::KeyPress(char32_t& Key)
{
    if (FListHooked && FListCompletion) {
        if (FListCompletion->OnKeyPress) FListCompletion->OnKeyPress(FListCompletion, Key);
        return;
    }
    TCustomControl::KeyPress(Key);
    if (std::exchange(FSwallowSpace, false) && Key == U' ') return;
    if (FAutoCompletion->Active && !FLetShowAutoCompletion) return;
    switch (Key) {
    case 0: case 8: case 9: case 13: case 127: return;
    case 26:
        if (!FReadOnly) Undo();
        return;
    case 25:
        if (!FReadOnly) Redo();
        return;
    case 1: case 3: case 22: case 24: case 27: ExecuteKeyCommand(Key, KeyboardStateToShiftState()); return;
    default: break;
    }
    if (Key < 32 || FReadOnly || !IsEditAllowed()) return;
    if (Key == U' ') RunChecker(Key);
    if (std::u32string_view(U" (,.=[").find(Key) != std::u32string_view::npos) CorrectWordAtCaret();
    RemoveSelectedText(true);
    char32_t typed = Key;
    if (FCharCase != ecNormal) {
        std::string one = rtl::Utf8Encode(Key);
        typed = memo::CharAt(FCharCase == ecUpperCase ? AnsiUpperCase(one) : AnsiLowerCase(one), 0);
    }
    InsertChar(typed);
    MarkModified(FCurY);
    DoChange();
    CheckCompletionTrigger(typed);
}

// The clipboard messages an application sends to the focused edit control.
void TQuillCustomMemo::WndProc(TMessage& Message)
{
    TCustomControl::WndProc(Message);
    if (ComponentState().Contains(csDestroying)) return;
    switch (Message.Msg) {
    case WM_COPY: ClipboardCopy(); break;
    case WM_CUT: ClipboardCut(); break;
    case WM_PASTE: ClipboardPaste(); break;
    case WM_WINDOWPOSCHANGED: HideHint(); break;
    case WM_COMMAND: HandleCommand(static_cast<int>(Message.WParam & 0xFFFF)); break;
    default: break;
    }
}
