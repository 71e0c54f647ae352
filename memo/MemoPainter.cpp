// Line start states, the line painter and the word lookups at a text position.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"
#include "memo/MemoTokenizer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/TextOutput.h"

void TQuillCustomMemo::ClearDirtyStyleCache(int UpTo)
{
    // Only the stale states a lookup could reach are dropped, so an edit
    // costs the lines up to the next line looked at, not every line below it.
    if (FStyleDirtyFrom < 0) return;
    const int last = std::min(UpTo, FLines->Count() - 1);
    if (FStyleDirtyFrom <= last) memo::ClearStyleCacheRange(*FLines, FStyleDirtyFrom, last);
    FStyleDirtyFrom = last + 1 < FLines->Count() ? std::max(FStyleDirtyFrom, last + 1) : -1;
}

// The start state comes from the same tokenizer that paints, so a line is
// coloured alike however it was reached.
void TQuillCustomMemo::GetLineStartStyle(int LineIndex, TStyle& Style)
{
    Style = memo::ClearedStyle();
    FTempdelimiters.clear();
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    if (!styler) return;
    memo::TTokenRules rules(styler, FCaseSensitive, FUrlAware);
    FTempdelimiters = rules.Delimiters();
    if (FLines->Count() == 0) return;
    LineIndex = std::clamp(LineIndex, 0, FLines->Count());
    ClearDirtyStyleCache(LineIndex);
    int start = 0;
    for (int i = std::min(LineIndex, FLines->Count()) - 1; i >= 0; --i) {
        TStyle cached;
        if (memo::GetCachedStyle(*FLines, i, cached)) {
            Style = cached;
            start = i;
            break;
        }
    }
    memo::TLineTokenizer tokenizer(rules);
    for (int i = start; i < LineIndex; ++i) {
        if (i % 20 == 0 && i != start) {
            TStyle cached;
            if (!memo::GetCachedStyle(*FLines, i, cached)) memo::SetCachedStyle(*FLines, i, Style);
        }
        const std::string& line = FLines->Strings(i);
        if (!line.empty()) tokenizer.Tokenize(memo::ToU32(line), Style, nullptr);
    }
    Style = memo::CarriedStyle(Style);
    if (LineIndex < FLines->Count()) memo::SetCachedStyle(*FLines, LineIndex, Style);
}

void TQuillCustomMemo::DoLineBkColor(int LineNo, TColor& BkColor)
{
    if (OnLineBkColor) OnLineBkColor(this, LineNo, BkColor);
}

// Draws the runs of one line in their syntax colours, split at the selection.
class TMemoRunPainter : public memo::TRunSink {
public:
    TMemoRunPainter(TQuillCustomMemo& Memo, TCanvas& Canvas, int Line, TRect Pen, int CharWidth, bool Screen,
                    TColor Band)
        : M(Memo), C(Canvas), FLine(Line), FPen(Pen), FClipRight(Pen.Right), FCharWidth(CharWidth), FScreen(Screen),
          FBand(Band), FOrigin(Screen ? 0 : Pen.Left)
    {
        M.OrderedSelection(FSX, FSY, FEX, FEY);
        bool visible = !(FSX == FEX && FSY == FEY) && !(M.FHideSelection && !M.Focused());
        if (!visible) FSY = FEY = -1;
        FActive = FScreen && M.FActiveLine == FLine && M.FActiveLineSettings->ShowActiveLine();
        FBreak = FScreen && memo::BreakPoint(M.EffectiveLines(), FLine);
    }

    void Run(std::u32string_view Text, const TStyle& Q) override
    {
        const TQuillCustomMemo::RunLook look = M.LookOfRun(Q, false);
        TColor font = look.Font;
        TFontStyles style = look.Style;
        TColor brush = look.Brush;
        if (FBand != clNone) brush = FBand;
        bool transparent = false;
        if (FActive) {
            if (M.FActiveLineSettings->ActiveLineTextColor() != clNone) font = M.FActiveLineSettings->ActiveLineTextColor();
            if (M.FActiveLineSettings->ActiveLineColor() != clNone) brush = M.FActiveLineSettings->ActiveLineColor();
        } else if ((M.FBandColor == clNone || FBand != M.FBandColor) && brush == M.Color()) {
            transparent = true;
        }
        if (FBreak) {
            font = M.FBreakpointTextColor;
            brush = M.FBreakpointColor;
            transparent = false;
        }
        if (M.FNoRealFixedWidth) style.Exclude(fsBold);

        int n = static_cast<int>(Text.size());
        int a = 0, b = 0; // the selected part is [a, b)
        if (FLine > FSY && FLine < FEY) {
            b = n;
        } else if (FSY >= 0 && FLine == FSY && FLine == FEY) {
            a = std::clamp(FSX - FCount, 0, n);
            b = std::clamp(FEX - FCount, 0, n);
        } else if (FSY >= 0 && FLine == FSY && FSY < FEY) {
            a = std::clamp(FSX - FCount, 0, n);
            b = n;
        } else if (FLine == FEY && FSY < FEY && FSY >= 0) {
            b = std::clamp(FEX - FCount, 0, n);
        }
        // A run starting at a block mark's column is the block word.
        int column = (FPen.Left - FOrigin) / std::max(FCharWidth, 1);
        if (M.FBlockShow && ((FLine == M.FBlockStart.Line && column == M.FBlockStart.Start) ||
                             (FLine == M.FBlockEnd.Line && column == M.FBlockEnd.Start))) {
            brush = M.FBlockColor;
            transparent = false;
        }
        DrawPart(Text.substr(0, a), font, brush, style, transparent);
        if (b > a) {
            TColor selFont = M.FSelColor, selBrush = M.FSelBkColor;
            if (FActive || FBreak) {
                selFont = brush;
                selBrush = font;
            }
            int x0 = FPen.Left;
            DrawPart(Text.substr(a, b - a), selFont, selBrush, style, false);
            if (!FActive && !FBreak && FScreen) {
                C.Pen()->SetColor(M.FSelBkColor);
                C.MoveTo(x0, FPen.Top + M.FCellSize.H - 1);
                C.LineTo(FPen.Left, FPen.Top + M.FCellSize.H - 1);
            }
        }
        DrawPart(Text.substr(b), font, brush, style, transparent);
        FCount += n;
    }

    // The styler draws the keyword from the pen on; the keyword keeps its
    // cells whatever was drawn, so the text after it stays in its columns.
    void CustomKeyword(std::u32string_view Keyword) override
    {
        const int n = static_cast<int>(Keyword.size());
        const TRect cells{FPen.Left, FPen.Top, std::min(FPen.Left + n * FCharWidth, FClipRight), FPen.Top + M.FCellSize.H};
        C.Brush()->SetColor(FBand != clNone ? FBand : M.Color());
        C.FillRect(cells);
        TRect rest = FPen;
        rest.Right = FClipRight;
        if (TQuillCustomMemoStyler* styler = M.EffectiveStyler()) styler->DrawKeyword(C, memo::ToUtf8(Keyword), rest);
        FPen.Left += n * FCharWidth;
        FCount += n;
    }

    int PenX() const noexcept { return FPen.Left; }

private:
    void DrawPart(std::u32string_view Part, TColor Font, TColor Brush, TFontStyles Style, bool Transparent)
    {
        if (Part.empty()) return;
        C.Font()->SetColor(Font);
        C.Font()->SetStyle(Style);
        C.Brush()->SetColor(Brush);
        C.Brush()->SetStyle(Transparent ? bsClear : bsSolid);
        TRect r = FPen;
        r.Right = r.Left + static_cast<int>(Part.size()) * FCharWidth;
        // Runs outside the row are only counted: a very long line costs no drawing.
        if (r.Right <= 0 || r.Left >= FClipRight) {
            FPen.Left = r.Right;
            return;
        }
        // Only the characters inside the row are laid out, so a run of
        // megabytes costs what one screen of it shows.
        const int w = std::max(FCharWidth, 1);
        const int skip = r.Left < 0 ? -r.Left / w : 0;
        const int shown = std::min(static_cast<int>(Part.size()) - skip, (FClipRight - r.Left) / w - skip + 1);
        TRect visible{r.Left + skip * w, r.Top, std::min(r.Right, FClipRight + w), r.Bottom};
        if (!Transparent) C.FillRect(visible);
        C.Brush()->SetStyle(bsClear);
        DrawText(C.Handle(), memo::ToUtf8(Part.substr(static_cast<size_t>(skip), static_cast<size_t>(shown))), visible,
                 DT_EDITCONTROL | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE);
        FPen.Left = r.Right;
    }

    TQuillCustomMemo& M;
    TCanvas& C;
    int FLine;
    TRect FPen;
    int FClipRight;
    int FCharWidth;
    bool FScreen;
    TColor FBand;
    // Pen x of the first visible column.
    int FOrigin;
    bool FActive = false, FBreak = false;
    int FSX = 0, FSY = -1, FEX = 0, FEY = -1;
    int FCount = 0;
};

void TQuillCustomMemo::PaintLine(TCanvas& Canvas, int LineIndex, int DisplayRow, TRect Rect, TPaintLineMode Mode,
                                 TStyle& Style)
{
    bool screen = Mode == plScreen;
    TRect area = TextAreaRect();
    int row = FoldingActive() && DisplayRow >= 0 ? DisplayRow - DisplayRowFromLine(FTopLine) : LineIndex - FTopLine;
    TRect cell = CharCellRect(0, row);
    TRect rowRect{area.Left, cell.Top, area.Right, cell.Bottom};
    TCanvas& target = screen ? *FLineBitmap->Canvas() : Canvas;
    TColor band = FBandColor != clNone && LineIndex % 2 == 1 ? FBandColor : clNone;
    DoLineBkColor(LineIndex, band);
    if (screen) {
        target.Brush()->SetStyle(bsSolid);
        target.Brush()->SetColor(FBkColor);
        target.FillRect({0, 0, area.Width(), FCellSize.H});
    }
    if (LineIndex >= FLines->Count()) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(FBkColor);
        Canvas.FillRect(screen ? rowRect : Rect);
        return;
    }
    TRect pen = screen ? TRect{-FLeftCol * FCellSize.W, 0, area.Width(), FCellSize.H} : Rect;
    int charWidth = screen ? FCellSize.W : Canvas.TextWidth("w");
    if (!screen && FPrintOptions->PrintLineNumbers) {
        // Right-aligned in a field as wide as the number of the line count.
        std::string number = PrintedLineNumber(LineIndex);
        int field = memo::Length(std::to_string(FLines->Count()) + FGutter->NumberSuffix()) * charWidth;
        target.Font()->SetStyle({});
        target.Font()->SetColor(clBlack);
        target.Brush()->SetStyle(bsClear);
        target.TextOut(pen.Left + std::max(field - memo::Length(number) * charWidth, 0), Rect.Top, number);
        pen.Left += std::max(field, memo::Length(number) * charWidth);
    }
    TMemoRunPainter painter(*this, target, LineIndex, pen, charWidth, screen, band);
    bool summary = false;
    std::string summaryText;
    int definition = -1;
    bool collapsed = FoldingActive() && IsNode(LineIndex) && !ExpandNode(LineIndex);
    if (collapsed && GetFoldedSummary(LineIndex, definition, summaryText)) {
        summary = true;
        TStyle state = Style;
        std::u32string text = memo::ToU32(summaryText);
        TColor saved = FFont->Color();
        FFont->OnChange = nullptr;
        FFont->SetColor(FCodeFolding->LineColor());
        painter.Run(text, memo::CarriedStyle(state));
        FFont->SetColor(saved);
        FFont->OnChange = [this](TObject* sender) { FontChanged(sender); };
        // The hidden lines still carry the state to the line after the region.
        int end = RegionEndLine(LineIndex);
        memo::TTokenRules rules(ActiveStyler(), FCaseSensitive, FUrlAware);
        memo::TLineTokenizer tokenizer(rules);
        for (int i = LineIndex; i <= end && i < FLines->Count(); ++i)
            if (!FLines->Strings(i).empty()) tokenizer.Tokenize(memo::ToU32(FLines->Strings(i)), Style, nullptr);
    } else {
        memo::TTokenRules rules(ActiveStyler(), FCaseSensitive, FUrlAware);
        memo::TLineTokenizer tokenizer(rules);
        const std::string& text = FLines->Strings(LineIndex);
        if (!text.empty()) tokenizer.Tokenize(memo::ToU32(text), Style, &painter);
    }
    int x = painter.PenX();
    TColor fill = memo::BreakPoint(*FLines, LineIndex) ? FBreakpointColor
                  : (FActiveLine == LineIndex && FActiveLineSettings->ShowActiveLine()) ? FActiveLineSettings->ActiveLineColor()
                  : band != clNone ? band : FBkColor;
    TRect restRect = screen ? TRect{x, 0, area.Width(), FCellSize.H - 1} : TRect{x, Rect.Top, Rect.Right, Rect.Bottom - 1};
    target.Brush()->SetStyle(bsSolid);
    target.Brush()->SetColor(fill);
    if (restRect.Right > restRect.Left) target.FillRect(restRect);
    if (collapsed && !summary) {
        int top = screen ? 0 : Rect.Top, bottom = top + FCellSize.H;
        target.Brush()->SetColor(FBkColor);
        target.Pen()->SetColor(FCodeFolding->LineColor());
        target.Rectangle(x + 5, top, x + 30, bottom - 1);
        target.Brush()->SetColor(FCodeFolding->LineColor());
        for (int dx : {9, 17, 25}) target.FillRect({x + dx, bottom - 6, x + dx + 2, bottom - 4});
    }
    if (screen) {
        if (TLineProp* prop = FLines->GetLineProp(LineIndex))
            for (int i = 0; i < prop->FErrStart.Count() && i < prop->FErrLen.Count(); ++i) {
                int from = std::max(prop->FErrStart.Items(i) - FLeftCol, 0);
                int to = std::max(prop->FErrStart.Items(i) + prop->FErrLen.Items(i) - FLeftCol, 0);
                if (from != to) DrawErrorWave(target, {from * FCellSize.W, 0, to * FCellSize.W, FCellSize.H - 2});
            }
        if (FBlockShow && FBlockLineColor != clNone)
            for (const BlockMark* mark : {&FBlockStart, &FBlockEnd})
                if (mark->Line == LineIndex && mark->Start >= 0) {
                    // Block-mark columns count from the first visible column.
                    target.Pen()->SetColor(FBlockLineColor);
                    target.MoveTo(mark->Start * FCellSize.W, FCellSize.H - 2);
                    target.LineTo((mark->Start + mark->Len) * FCellSize.W, FCellSize.H - 2);
                }
        Canvas.CopyRect(rowRect, target, {0, 0, rowRect.Width(), rowRect.Height()});
    }
}

std::string TQuillCustomMemo::Lookup(int X, int Y, const std::function<bool(char32_t)>& IsDelimiter) const
{
    if (Y < 0 || Y >= FLines->Count()) return {};
    std::u32string line = memo::ToU32(FLines->Strings(Y));
    if (X < 0 || static_cast<int>(line.size()) < X) return {};
    int right = X, left = X;
    while (right < static_cast<int>(line.size()) && !IsDelimiter(line[right])) ++right;
    while (left > 0 && !IsDelimiter(line[left - 1])) --left;
    return memo::ToUtf8(std::u32string_view(line).substr(left, right - left));
}

bool TQuillCustomMemo::IsWordDelimiter(char32_t Ch) const { return Ch == U' ' || Ch == U'"' || Ch == U'\''; }

bool TQuillCustomMemo::IsTokenDelimiter(char32_t Ch) const
{
    return std::u32string_view(U" \"'(),.:;=[]").find(Ch) != std::u32string_view::npos;
}

std::string TQuillCustomMemo::WordAtXY(int X, int Y) const
{
    return Lookup(X, Y, [this](char32_t ch) { return IsWordDelimiter(ch); });
}

std::string TQuillCustomMemo::TokenAtXY(int X, int Y) const
{
    return Lookup(X, Y, [this](char32_t ch) { return IsTokenDelimiter(ch); });
}

std::string TQuillCustomMemo::FullWordAtXY(int X, int Y) const
{
    return Lookup(X, Y, [](char32_t ch) { return ch == U' '; });
}

std::string TQuillCustomMemo::WordAtCursorPos(int& Pos)
{
    if (FCurY >= FLines->Count()) SetCurY(FLines->Count() - 1);
    std::string word = WordAtXY(FCurX, FCurY);
    int left = FCurX;
    std::u32string line = memo::ToU32(LineText(FCurY));
    while (left > 0 && left <= static_cast<int>(line.size()) && !IsWordDelimiter(line[left - 1])) --left;
    Pos = left + 1;
    return word;
}

std::string TQuillCustomMemo::WordAtCursor()
{
    int pos = 0;
    return WordAtCursorPos(pos);
}

std::string TQuillCustomMemo::FullWordAtCursor()
{
    if (FCurY >= FLines->Count()) SetCurY(FLines->Count() - 1);
    return Lookup(FCurX, FCurY, [](char32_t ch) { return std::u32string_view(U" \"'()").find(ch) != std::u32string_view::npos; });
}

std::string TQuillCustomMemo::WordTillCursor()
{
    if (FCurY >= FLines->Count()) SetCurY(FLines->Count() - 1);
    if (FCurY < 0 || FCurY >= FLines->Count()) return {};
    std::u32string line = memo::ToU32(LineText(FCurY));
    if (static_cast<int>(line.size()) < FCurX) return {};
    int left = FCurX;
    while (left > 0 && !IsTokenDelimiter(line[left - 1])) --left;
    return memo::ToUtf8(std::u32string_view(line).substr(left, FCurX - left));
}
