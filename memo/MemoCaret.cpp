// The memo's caret and selection, text positions, and the text operations the commands build on.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Clipboard.h"

namespace {

std::vector<std::string> SplitAtCrLf(const std::string& T)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t at; (at = T.find("\r\n", start)) != std::string::npos; start = at + 2) pieces.push_back(T.substr(start, at - start));
    pieces.push_back(T.substr(start));
    return pieces;
}

std::string NormaliseBreaks(const std::string& T)
{
    std::string out;
    out.reserve(T.size());
    for (size_t i = 0; i < T.size(); ++i) {
        if (T[i] == '\r' || T[i] == '\n') {
            if (T[i] == '\r' && i + 1 < T.size() && T[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += T[i];
        }
    }
    return out;
}

} // namespace

int TQuillCustomMemo::LineLength(int Y) const
{
    if (Y < 0 || Y >= FLines->Count()) return 0;
    const memo::TIntList& lengths = FLines->LineLengths();
    if (lengths.Count() == FLines->Count()) return lengths.Items(Y);
    return memo::Length(FLines->Strings(Y));
}

std::string TQuillCustomMemo::LineText(int Y) const
{
    return Y >= 0 && Y < FLines->Count() ? FLines->Strings(Y) : std::string();
}

void TQuillCustomMemo::PutLine(int Y, const std::string& Text)
{
    NoteEdit(Y);
    int oldLength = LineLength(Y);
    FLines->SetStrings(Y, Text);
    int newLength = LineLength(Y);
    if (newLength >= FMaxLength) FMaxLength = newLength;
    else if (oldLength >= FMaxLength) FMaxLengthCount = -1;
}

void TQuillCustomMemo::MarkModified(int Line)
{
    if (Line >= 0 && Line < FLines->Count()) memo::SetLineModifiedInt(*FLines, Line, lmModified);
}

std::string TQuillCustomMemo::TrimmedLine(int Y) const
{
    std::string line = FLines->Strings(Y);
    if (memo::IsLineWrapped(*FLines, Y + 1)) return line;
    size_t end = line.size();
    while (end > 0 && static_cast<unsigned char>(line[end - 1]) <= 32) --end;
    line.erase(end);
    return line;
}

char32_t TQuillCustomMemo::CharBeforeCaret() const
{
    if (FCurX > 0) return memo::CharAt(LineText(FCurY), FCurX - 1);
    if (FCurY > 0 && memo::IsLineWrapped(*FLines, FCurY)) return memo::CharAt(LineText(FCurY - 1), LineLength(FCurY - 1) - 1);
    return 0;
}

bool TQuillCustomMemo::IsEmpty() const { return FLines->Count() == 1 && FLines->Strings(0).empty(); }

void TQuillCustomMemo::SetCurX(int Value)
{
    int a = Value;
    if ((a == FCurX && FAutoExpand) || (FLines->Count() == 0 && !FAutoExpand)) return;
    if (a < 0) {
        if (FCurY == 0) {
            a = 0;
        } else {
            int line = FoldingActive() ? LineFromDisplayRow(DisplayRowFromLine(FCurY) - 1) : FCurY - 1;
            FCurY = std::max(line, 0);
            a = LineLength(FCurY);
        }
    }
    FCurX = a;
    if (FCurY >= 0 && FCurY < FLines->Count()) {
        bool saved = FLetRefresh;
        FLetRefresh = false;
        auto restore = rtl::ScopeExit([&] { FLetRefresh = saved; });
        // A shorter column leaves the longest length to the next paint's rescan.
        if (a > FMaxLength) {
            FLeftCol = std::max(a - VisiblePosCount(), 0);
            FMaxLength = a;
        }
        int length = LineLength(FCurY);
        if (a > length) {
            if (FAutoExpand) PutLine(FCurY, LineText(FCurY) + std::string(static_cast<size_t>(a - length), ' '));
            else a = length;
            Invalidate();
        }
    }
    FCurX = a;
    if (FLetCursorUpdate) {
        ScrollCaretIntoView();
        RefreshScrollBars(false);
        DoStatusChange();
        if (FCaretVisible) UpdateCaret(true);
    }
    CursorChanged();
    if (OnColumnChange) OnColumnChange(FCurX);
    if (FLetCursorUpdate) FollowCaretWithHint();
}

void TQuillCustomMemo::SetCurY(int Value)
{
    if (FLines->Count() == 0) FLines->Add("");
    int v = std::clamp(Value, 0, FLines->Count() - 1);
    if (FActiveLineSettings->ActiveLineAtCursor() && v != FActiveLine) {
        int old = FCurY;
        SetActiveLine(v);
        DoActiveLineChange(old);
    }
    if (v == FCurY) return;
    int old = FCurY;
    FCurY = v;
    {
        bool saved = FLetRefresh;
        FLetRefresh = false;
        auto restore = rtl::ScopeExit([&] { FLetRefresh = saved; });
        // Only on request: trimming a line the user left would drop typed blanks
        // that no undo step brings back.
        if (old < FLines->Count() && FTrimTrailingSpaces) {
            std::string trimmed = TrimmedLine(old);
            if (trimmed != FLines->Strings(old)) PutLine(old, trimmed);
        }
    }
    SetCurX(FCurX);
    if (FLetCursorUpdate) {
        ScrollCaretIntoView();
        RefreshScrollBars(false);
        DoStatusChange();
        if (FCaretVisible) UpdateCaret(true);
    }
    if (FLetCursorUpdate) FollowCaretWithHint();
    if (Value != old) CursorChanged();
    if (FShouldCheckCodeFolding) {
        AutoCodeFold();
        FShouldCheckCodeFolding = false;
        ScrollCaretIntoView();
        RefreshScrollBars(false);
    }
}

void TQuillCustomMemo::TextFromPos(int X, int Y, int& TextPos) const { TextPos = TextFromPos(X, Y); }

int TQuillCustomMemo::TextFromPos(int X, int Y) const
{
    int count = FLines->Count();
    long long pos = 0;
    for (int i = 0; i < std::min(Y, count); ++i) pos += LineLength(i) + (memo::IsLineWrapped(*FLines, i + 1) ? 0 : 2);
    if (Y >= 0 && Y < count) pos += std::min(X, LineLength(Y));
    return static_cast<int>(pos);
}

void TQuillCustomMemo::PosFromText(int TextPos, int& X, int& Y) const
{
    X = 0;
    Y = 0;
    long long sum = 0;
    int remaining = TextPos;
    for (int i = 0; i < FLines->Count() && sum <= TextPos; ++i) {
        int step = LineLength(i) + (memo::IsLineWrapped(*FLines, i + 1) ? 0 : 2);
        if (TextPos < sum + step) {
            X = remaining;
            Y = i;
            return;
        }
        sum += step;
        remaining -= step;
    }
}

void TQuillCustomMemo::OrderedSelection(int& SX, int& SY, int& EX, int& EY) const
{
    SX = FSelStartX;
    SY = FSelStartY;
    EX = FSelEndX;
    EY = FSelEndY;
    if (EY < SY || (EY == SY && EX < SX)) {
        std::swap(SX, EX);
        std::swap(SY, EY);
    }
}

int TQuillCustomMemo::SelStart() const
{
    if (FLines->Count() == 0) return 0;
    int sx, sy, ex, ey;
    OrderedSelection(sx, sy, ex, ey);
    return TextFromPos(0, sy) + sx;
}

void TQuillCustomMemo::SetSelStart(int Value)
{
    int length = SelLength();
    PosFromText(Value, FSelStartX, FSelStartY);
    PosFromText(Value + length, FSelEndX, FSelEndY);
    Invalidate();
}

int TQuillCustomMemo::SelLength() const { return memo::Length(Selection()); }

void TQuillCustomMemo::SetSelLength(int Value)
{
    PosFromText(SelStart() + Value, FSelEndX, FSelEndY);
    Invalidate();
}

std::string TQuillCustomMemo::Selection() const
{
    int sx, sy, ex, ey;
    OrderedSelection(sx, sy, ex, ey);
    if (FLines->Count() == 0 || (sx == ex && sy == ey) || sy < 0) return {};
    if (sy == ey) return memo::Mid(LineText(sy), sx, std::max(ex - sx, 0));
    std::string out = memo::Mid(LineText(sy), sx);
    for (int i = sy + 1; i < ey && i < FLines->Count(); ++i) {
        if (!memo::IsLineWrapped(*FLines, i)) out += "\r\n";
        out += LineText(i);
    }
    if (!memo::IsLineWrapped(*FLines, ey)) out += "\r\n";
    out += memo::Left(LineText(ey), ex);
    return out;
}

void TQuillCustomMemo::ClearSelection()
{
    bool hadSelection = FSelStartX != FSelEndX || FSelStartY != FSelEndY;
    FSelStartX = FSelEndX = FPrevSelX = FCurX;
    FSelStartY = FSelEndY = FPrevSelY = FCurY;
    if (hadSelection) {
        DoSelectionChange();
        Invalidate();
    }
}

void TQuillCustomMemo::ExtendSelectionToCaret()
{
    FSelEndX = FPrevSelX = FCurX;
    FSelEndY = FPrevSelY = FCurY;
    DoSelectionChange();
    FSelChange = true;
    Invalidate();
    FSelChange = false;
}

void TQuillCustomMemo::SelectAll()
{
    FSelStartX = FSelStartY = 0;
    FSelEndY = std::max(FLines->Count() - 1, 0);
    FSelEndX = LineLength(FSelEndY);
    DoSelectionChange();
    Invalidate();
}

bool TQuillCustomMemo::RemoveSelectedText(bool Redraw)
{
    if (!IsEditAllowed() || FReadOnly) return false;
    if (FSelStartX == FSelEndX && FSelStartY == FSelEndY) return false;
    if (std::max(FSelStartY, FSelEndY) >= FLines->Count() || std::min(FSelStartY, FSelEndY) < 0 || FLines->Count() == 0) {
        FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
        return false;
    }
    int x0 = FCurX, y0 = FCurY;
    int sx, sy, ex, ey;
    OrderedSelection(sx, sy, ex, ey);
    std::string deleted = Selection();
    {
        bool saved = FLetRefresh;
        FLetRefresh = false;
        auto restore = rtl::ScopeExit([&] { FLetRefresh = saved; });
        std::string tail = memo::Mid(LineText(ey), ex);
        std::string head = memo::Left(LineText(sy), sx);
        int headLength = memo::Length(head);
        // A selection starting in virtual space keeps the blanks up to its start.
        if (headLength < sx) head.append(static_cast<size_t>(sx - headLength), ' ');
        PutLine(sy, head + tail);
        SetCurY(sy);
        SetCurX(sx);
        ClearSelection();
        bool performing = FUndoList->IsPerforming();
        FUndoList->SetIsPerforming(true);
        auto restorePerforming = rtl::ScopeExit([&] { FUndoList->SetIsPerforming(performing); });
        for (int i = ey; i > sy; --i) FLines->Delete(i);
        RewrapEdits();
        DoSelectionChange();
        if (Redraw) Invalidate();
    }
    auto* step = new TDeleteBufUndo(x0, y0, FCurX, FCurY, deleted);
    step->SetSelection(sx, sy, ex, ey);
    FUndoList->Add(step);
    LinesChanged();
    ClearSelection();
    return true;
}

void TQuillCustomMemo::SetSelection(const std::string& T)
{
    int sx, sy, ex, ey;
    OrderedSelection(sx, sy, ex, ey);
    bool linked = RemoveSelectedText(false);
    // The removal may have re-wrapped the lines: the caret holds its start.
    if (linked) {
        sx = FCurX;
        sy = FCurY;
    }
    int beforeX = FCurX, beforeY = FCurY;
    if (FLines->Count() == 0) FLines->Add("");
    sy = std::clamp(sy, 0, FLines->Count() - 1);
    std::string line = LineText(sy);
    int length = memo::Length(line);
    if (length < sx) line.append(static_cast<size_t>(sx - length), ' ');
    std::string head = memo::Left(line, sx);
    std::string rest = memo::Mid(line, sx);
    if (T.find("\r\n") == std::string::npos) {
        PutLine(sy, head + T + rest);
        FCurY = sy;
        FCurX = sx + memo::Length(T);
        RewrapEdits();
        LinesChanged();
        FUndoList->Add(new TPasteUndo(beforeX, beforeY, FCurX, FCurY, T, linked));
        ClearSelection();
        Invalidate();
        return;
    }
    std::vector<std::string> pieces = SplitAtCrLf(T);
    {
        TQuillMemoStrings::QuietChanges quiet(*FLines);
        bool performing = FUndoList->IsPerforming();
        FUndoList->SetIsPerforming(true);
        auto restorePerforming = rtl::ScopeExit([&] { FUndoList->SetIsPerforming(performing); });
        PutLine(sy, head + pieces.front());
        for (size_t i = 1; i < pieces.size(); ++i) {
            int at = sy + static_cast<int>(i);
            NoteEdit(at);
            FLines->DoInsert(at, i + 1 == pieces.size() ? pieces[i] + rest : pieces[i]);
        }
    }
    FCurY = sy + static_cast<int>(pieces.size()) - 1;
    FCurX = memo::Length(pieces.back());
    RewrapEdits();
    ScrollCaretIntoView();
    LinesChanged();
    FUndoList->Add(new TPasteUndo(beforeX, beforeY, FCurX, FCurY, T, linked));
    ClearSelection();
    Invalidate();
}

void TQuillCustomMemo::InsertTextAtXY(const std::string& AValue, int X, int Y)
{
    if (FLines->Count() == 0) FLines->Add("");
    SetSelStart(TextFromPos(X, Y));
    SetSelLength(0);
    SetCurX(X);
    SetCurY(Y);
    SetSelection(AValue);
}

void TQuillCustomMemo::DeleteTextAtXY(int X, int Y, int NumChar)
{
    std::string line = FLines->Strings(Y);
    PutLine(Y, memo::Left(line, X) + memo::Mid(line, std::max(X, 0) + std::max(NumChar, 0)));
}

void TQuillCustomMemo::DeleteLine()
{
    if (!IsEditAllowed() || FLines->Count() == 0) return;
    int x0 = FCurX, y0 = FCurY;
    std::string text = LineText(FCurY);
    bool onlyLine = FLines->Count() == 1;
    FMarkerList->Markers().RemoveMarker(FCurY);
    SetCurX(0);
    {
        bool performing = FUndoList->IsPerforming();
        FUndoList->SetIsPerforming(true);
        auto restorePerforming = rtl::ScopeExit([&] { FUndoList->SetIsPerforming(performing); });
        NoteEdit(FCurY);
        if (FLines->Count() == 1) {
            PutLine(0, "");
        } else if (FCurY == FLines->Count() - 1) {
            SetCurY(FCurY - 1);
            FLines->Delete(FCurY + 1);
        } else {
            FLines->Delete(FCurY);
        }
    }
    ClearSelection();
    Invalidate();
    FUndoList->Add(new TDeleteLineUndo(x0, y0, FCurX, FCurY, text, onlyLine));
}

void TQuillCustomMemo::BlockIndent(int FromLine, int ToLine, int Indent, bool AllowUndo)
{
    if (ToLine < FromLine) std::swap(FromLine, ToLine);
    {
        bool saved = FLetRefresh;
        FLetRefresh = false;
        auto restore = rtl::ScopeExit([&] { FLetRefresh = saved; });
        for (int i = std::max(FromLine, 0); i <= ToLine && i < FLines->Count(); ++i) {
            std::string line = LineText(i);
            if (Indent > 0) {
                line.insert(0, static_cast<size_t>(Indent), ' ');
            } else {
                size_t n = 0;
                while (n < line.size() && n < static_cast<size_t>(-Indent) && line[n] == ' ') ++n;
                line.erase(0, n);
            }
            PutLine(i, line);
        }
        if (AllowUndo) FUndoList->Add(new TIndentUndo(FromLine, ToLine, Indent));
    }
    Invalidate();
}

void TQuillCustomMemo::PasteFromClipBoard()
{
    if (FReadOnly || !IsEditAllowed()) return;
    int firstLine = FCurY;
    if (FAutoExpand && LineLength(FCurY) < FCurX)
        PutLine(FCurY, LineText(FCurY) + std::string(static_cast<size_t>(FCurX - LineLength(FCurY)), ' '));
    std::string text = Clipboard()->AsText();
    if (text.empty()) return;
    SetSelection(NormaliseBreaks(text));
    int textPos = TextFromPos(FCurX, FCurY);
    for (int i = firstLine; i <= FCurY; ++i) MarkModified(i);
    SetSelLength(0);
    SetSelStart(textPos);
    RefreshScrollBars(false);
    Invalidate();
}

void TQuillCustomMemo::CutToClipBoard()
{
    if (FReadOnly || !IsEditAllowed()) return;
    CopyToClipBoard();
    RemoveSelectedText(true);
}

void TQuillCustomMemo::ClipboardCopy()
{
    bool allow = true;
    DoClipboardAction(caCopy, allow);
    if (allow) CopyToClipBoard();
}

void TQuillCustomMemo::ClipboardCut()
{
    bool allow = true;
    DoClipboardAction(caCut, allow);
    if (allow) CutToClipBoard();
}

void TQuillCustomMemo::ClipboardPaste()
{
    bool allow = true;
    DoClipboardAction(caPaste, allow);
    if (allow) PasteFromClipBoard();
}

void TQuillCustomMemo::ScrollByDelta(TScrollBar* Bar, int Delta)
{
    auto placeCaret = [this] {
        if (FCurX >= FLeftCol) UpdateCaret(true);
        else UpdateCaret(false);
    };
    if (Bar == sbHorz) {
        int value = std::clamp(FLeftCol + Delta, 0, std::max(sbHorz->Max(), 0));
        if (value != FLeftCol) {
            FLeftCol = value;
            Invalidate();
            placeCaret();
        }
        return;
    }
    int old = FTopLine;
    int value;
    if (FoldingActive()) {
        int row = DisplayRowFromLine(FTopLine) + Delta;
        value = LineFromDisplayRow(std::min(row, std::max(sbVert->Max(), 0)));
    } else {
        value = std::min(FTopLine + Delta, sbVert->Max());
    }
    value = std::max(value, 0);
    if (value != old) {
        FTopLine = value;
        memo::ClearStyleCacheRange(*FLines, std::min(old, value), std::min(std::max(old, value), FLines->Count() - 1));
        Invalidate();
        placeCaret();
    }
}
