// Hover hints: the application's hint for the word or token under the mouse.
#include "memo/QuillMemo.h"
#include "platform/ui/Application.h"
#include "platform/ui/Hints.h"

TPoint TQuillCustomMemo::CharacterAt(int X, int Y) const
{
    const TRect area = TextAreaRect();
    const int column = std::max(0, (X - area.Left) / std::max(FCellSize.W, 1) + FLeftCol);
    const int row = std::max(0, (Y - area.Top) / std::max(FCellSize.H, 1));
    const int line = FoldingActive() ? LineFromDisplayRow(DisplayRowFromLine(FTopLine) + row) : FTopLine + row;
    return {column, std::max(line, 0)};
}

void TQuillCustomMemo::CMHintShow(TMessage& Message)
{
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (!info) return TCustomControl::CMHintShow(Message);
    const TPoint at = CharacterAt(info->CursorPos.X, info->CursorPos.Y);
    FLastHintPos = at;
    bool show = true;
    Message.Result = 0;
    if (info->CursorPos.X <= (FGutter->Visible() ? FGutter->Width() : 0) || at.Y >= FLines->Count()) return;
    auto ask = [&](const TQuillMemoHintEvent& Handler, const std::string& Value) {
        if (!Handler || Value.empty()) return false;
        std::string hint = Value;
        Handler(this, at.X, at.Y, Value, hint, show);
        if (!show) return false;
        info->HintStr = hint;
        return true;
    };
    if (ask(OnHintForWord, WordAtXY(at.X, at.Y)) || ask(OnHintForToken, TokenAtXY(at.X, at.Y))) return;
    Message.Result = show ? 0 : 1;
}

// Moving off the character a hint was given for takes the hint away, so the
// next pause shows the hint of what is under the mouse then.
void TQuillCustomMemo::ForgetHoverHint(int X, int Y)
{
    if (!ShowHint() || FLastHintPos.X < 0) return;
    const TPoint at = CharacterAt(X, Y);
    if (at.X == FLastHintPos.X && at.Y == FLastHintPos.Y) return;
    if (Application) Application->CancelHint();
    FLastHintPos = {-1, -1};
}
