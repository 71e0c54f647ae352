// The memo's mouse: placing the caret, selecting by dragging, Shift+click and double click,
// clicks in the gutter and the folding column, and the wheel.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"

int TQuillCustomMemo::LineAtRow(int Row) const
{
    int line = FoldingActive() ? LineFromDisplayRow(DisplayRowFromLine(FTopLine) + Row) : FTopLine + Row;
    return std::clamp(line, 0, std::max(FLines->Count() - 1, 0));
}

void TQuillCustomMemo::PlaceCaret(int X, int Y)
{
    SetCurY(Y);
    // Past the end of a line the caret stands in virtual space; the line is
    // filled up to it only when something is typed there.
    if (!FAutoExpand || X <= LineLength(FCurY)) {
        SetCurX(X);
        return;
    }
    FCurX = X;
    ScrollCaretIntoView();
    DoStatusChange();
    if (FCaretVisible) UpdateCaret(true);
    if (OnColumnChange) OnColumnChange(FCurX);
}

void TQuillCustomMemo::MouseClickAt(int X, int Y, bool Select, TShiftState Shift, TMouseButton Button)
{
    if (!TextAreaRect().Contains({X, Y})) return;
    TCellPos cell = PointToCell(X, Y);
    int column = std::max(cell.X, 0) + FLeftCol;
    int line = LineAtRow(std::max(cell.Y, 0));
    if (Select && !Shift.Contains(ssShift)) {
        int at = TextFromPos(column, line), start = SelStart();
        if (at > start && at < start + SelLength()) {
            FSelButtonDown = true;
            return;
        }
    }
    FSelClick = true;
    PlaceCaret(column, line);
    if (Button != mbLeft || !Select) {
        UpdateCaret(true);
        return;
    }
    if (Shift.Contains(ssShift)) ExtendSelectionToCaret();
    else ClearSelection();
    FLeftButtonDown = true;
    if (FCurY < FLines->Count()) OpenURLAt(FCurY);
}

void TQuillCustomMemo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    FSelButtonDown = false;
    int top = FTopLine;
    if (CanFocus() && !Focused()) SetFocus();
    bool inGutter = FGutter->Visible() && FGutter->FullRect().Contains({X, Y});
    if (Button == mbRight && inGutter && OnGutterRightClick)
        if (const int line = CharFromPos(X, Y).LineNo; line < FLines->Count()) OnGutterRightClick(this, line);
    if (Button != mbLeft) return;
    if (inGutter) {
        int line = CharFromPos(X, Y).LineNo;
        if (line < FLines->Count()) DoGutterClick(line);
    }
    MouseClickAt(X, Y, true, Shift, Button);
    bool inFolding = FoldingActive() && FoldingColumnRect().Contains({X, Y});
    if (FActiveLineSettings->ActiveLineAtCursor() && !inGutter && !inFolding) SetActiveLine(FCurY);
    if (!inFolding) return;
    int line = CharFromPos(X, Y).LineNo;
    if (line >= FLines->Count() || !FLines->GetLineProp(line)) return;
    SetCurY(line);
    ClearSelection();
    ToggleNode(line);
    if (FActiveLineSettings->ActiveLineAtCursor()) FActiveLine = FCurY;
    SetTopLine(top);
}

void TQuillCustomMemo::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    ForgetHoverHint(X, Y);
    UpdateURLCursor(X, Y);
    if (FSelClick) {
        FSelClick = false;
        return;
    }
    if (!Shift.Contains(ssLeft) || !FLeftButtonDown) return;
    // A press inside the selection that moves starts a new selection there:
    // the selection itself is not dragged as text.
    FSelButtonDown = false;
    TRect area = TextAreaRect();
    TCellPos cell = PointToCell(X, Y);
    // Rows above the view scroll up, rows below it scroll down, through the caret.
    int row = Y < area.Top ? -1 : (Y - area.Top) / std::max(FCellSize.H, 1);
    int line = FoldingActive() ? LineFromDisplayRow(DisplayRowFromLine(FTopLine) + row) : FTopLine + row;
    bool belowText = line >= FLines->Count();
    SetCurY(std::clamp(line, 0, std::max(FLines->Count() - 1, 0)));
    if (X < area.Left) {
        SetCurX(0);
        SetLeftCol(0);
    } else if (belowText) {
        PlaceCaret(std::max(cell.X, 0) + FLeftCol, FCurY);
    } else {
        SetCurX(std::min(std::max(cell.X, 0) + FLeftCol, LineLength(FCurY)));
    }
    int ex = FSelEndX, ey = FSelEndY;
    FSelEndX = FPrevSelX = FCurX;
    FSelEndY = FPrevSelY = FCurY;
    if (ex != FSelEndX || ey != FSelEndY) {
        DoSelectionChange();
        Invalidate();
    }
}

void TQuillCustomMemo::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft) UpdateCaret(true);
    FLeftButtonDown = false;
    if (!FSelButtonDown) return;
    // A press inside the selection that did not move places the caret there.
    FSelButtonDown = false;
    FSelStartX = FSelEndX = FCurX;
    FSelStartY = FSelEndY = FCurY;
    MouseClickAt(X, Y, false, Shift, Button);
    ClearSelection();
}

void TQuillCustomMemo::WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double)
{
    if (!(Down && Double && Button == mbLeft)) {
        TCustomControl::WMMouseButton(Message, Button, Down, Double);
        return;
    }
    // The second press of a double click selects the word the first one placed the caret in.
    int x = Message.LParamLoSigned(), y = Message.LParamHiSigned();
    if (OnGutterDblClick && FGutter->Visible() && FGutter->FullRect().Contains({x, y}))
        if (const int line = CharFromPos(x, y).LineNo; line < FLines->Count()) OnGutterDblClick(this, line);
    if (FGutter->Visible() && x < FGutter->GutterWidth()) return;
    if (!TextAreaRect().Contains({x, y})) return;
    DblClick();
    SelectWordAtCaret();
}

void TQuillCustomMemo::SelectWordAtCaret()
{
    if (FLines->Count() == 0) return;
    std::u32string line = memo::ToU32(LineText(FCurY));
    int length = static_cast<int>(line.size());
    if (FCurX >= length || IsWordDelimiter(line[FCurX])) {
        if (FoldingActive()) SetExpandNode(FCurY, true);
        return;
    }
    if (FoldingActive() && IsNode(FCurY) && !ExpandNode(FCurY)) SetExpandNode(FCurY, true);
    int start = FCurX, end = FCurX + 1;
    while (start > 0 && !IsWordDelimiter(line[start - 1])) --start;
    while (end < length && !IsWordDelimiter(line[end])) ++end;
    FSelStartX = start;
    FSelEndX = FPrevSelX = end;
    FSelStartY = FSelEndY = FPrevSelY = FCurY;
    FLeftButtonDown = false;
    DoSelectionChange();
    Invalidate();
}

bool TQuillCustomMemo::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    TCustomControl::DoMouseWheelDown(Shift, MousePos);
    int top = DisplayRowFromLine(FTopLine);
    if (top + VisibleLineCount() < FLines->Count()) SetTopLine(FoldingActive() ? LineFromDisplayRow(top + 4) : FTopLine + 4);
    UpdateCaret(FCaretVisible);
    return true;
}

bool TQuillCustomMemo::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    TCustomControl::DoMouseWheelUp(Shift, MousePos);
    int top = DisplayRowFromLine(FTopLine);
    if (top > 4) SetTopLine(FoldingActive() ? LineFromDisplayRow(top - 4) : FTopLine - 4);
    else if (VisibleLineCount() < FLines->Count()) SetTopLine(0);
    UpdateCaret(FCaretVisible);
    return true;
}
