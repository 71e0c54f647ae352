// The parameter hint: finding the call around the caret, its declaration, and the hint window.
#include "memo/MemoParamHint.h"

#include "memo/MemoText.h"
#include "memo/QuillMemo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Timer.h"

void THintParameter::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const THintParameter*>(Source);
    if (!other) return;
    TextColor = other->TextColor;
    BkColor = other->BkColor;
    HintCharStart = other->HintCharStart;
    HintCharEnd = other->HintCharEnd;
    HintCharDelimiter = other->HintCharDelimiter;
    HintClassDelimiter = other->HintClassDelimiter;
    HintCharWriteDelimiter = other->HintCharWriteDelimiter;
}

TPoint TQuillHintForm::Extent()
{
    // Measured off screen: the window may have no surface yet.
    TBitmap probe(1, 1);
    TCanvas& c = *probe.Canvas();
    c.SetFont(&Font());
    auto width = [&](const std::string& text, int part) {
        c.Font()->SetStyle(part == Active ? TFontStyles{fsBold} : TFontStyles{});
        return c.TextWidth(text);
    };
    int w = width(Part1, 1) + width(Part2, 2) + width(Part3, 3) + 6;
    c.Font()->SetStyle({});
    return {w, c.TextHeight("h,g_`") + 5};
}

void TQuillHintForm::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.Pen()->SetColor(TColor(0x808080));
    c.Rectangle(0, 0, ClientWidth(), ClientHeight());
    c.SetFont(&Font());
    c.Brush()->SetStyle(bsClear);
    int x = 2;
    int part = 1;
    for (const std::string* text : {&Part1, &Part2, &Part3}) {
        c.Font()->SetStyle(part++ == Active ? TFontStyles{fsBold} : TFontStyles{});
        c.TextOut(x, 2, *text);
        x += c.TextWidth(*text);
    }
}

namespace {

std::string Normalised(const std::string& S, bool CaseSensitive) { return CaseSensitive ? S : AnsiUpperCase(S); }

} // namespace

bool TQuillCustomMemo::ScanCallAtCaret(const THintParameter& p, std::string& Token, int& Index) const
{
    const std::u32string line = memo::ToU32(LineText(FCurY));
    // Leftwards from the caret to the call's opening character, counting the
    // arguments passed; a closed call or a long blank run means no call.
    int i = std::min(FCurX, static_cast<int>(line.size())) - 1, index = 0, blanks = 0;
    for (; i >= 0; --i) {
        char32_t ch = line[static_cast<size_t>(i)];
        if (ch == p.HintCharStart) break;
        if (ch == p.HintCharEnd) return false;
        if (ch == p.HintCharWriteDelimiter) {
            ++index;
            blanks = 0;
        } else if (ch == U' ' || ch == p.HintClassDelimiter) {
            if (++blanks >= 5) return false;
        } else {
            blanks = 0;
        }
    }
    if (i < 0) return false;
    int from = i;
    while (from > 0 && line[static_cast<size_t>(from - 1)] != U' ' && line[static_cast<size_t>(from - 1)] != p.HintCharStart &&
           line[static_cast<size_t>(from - 1)] != p.HintCharEnd)
        --from;
    Token = memo::ToUtf8(std::u32string_view(line).substr(static_cast<size_t>(from), static_cast<size_t>(i - from)));
    Index = index;
    return true;
}

void TQuillCustomMemo::GetParameterHintToken(std::string&, int&, bool&, bool&) {}

void TQuillCustomMemo::DoGetParameterHint(const std::string& AToken, std::string& AParameterHint, bool& Handled)
{
    if (OnGetParameterHint) OnGetParameterHint(this, AToken, AParameterHint, Handled);
}

bool TQuillCustomMemo::ComputeParameterHint(std::string& Part1, std::string& Part2, std::string& Part3, int& Active)
{
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    if (!styler || FCurY < 0 || FCurY >= FLines->Count()) return false;
    const THintParameter& p = styler->HintParameter();
    // Nothing to show: the caret's line need not be read.
    if (p.Parameters().Count() == 0 && !OnGetParameterHint) return false;
    std::string token;
    int index = 0;
    bool show = true, tokenHandled = false;
    GetParameterHintToken(token, index, show, tokenHandled);
    if (tokenHandled && !show) return false;
    if (!tokenHandled && !ScanCallAtCaret(p, token, index)) return false;
    token = Trim(token);
    if (token.empty()) return false;

    std::string hint;
    bool handled = false;
    DoGetParameterHint(token, hint, handled);
    if (!handled) {
        std::u32string name = memo::ToU32(token);
        size_t dot = name.rfind(p.HintClassDelimiter);
        if (dot != std::u32string::npos) name.erase(0, dot + 1);
        std::string wanted = Normalised(memo::ToUtf8(name), FCaseSensitive);
        for (int k = 0; k < p.Parameters().Count() && hint.empty(); ++k)
            if (Normalised(p.Parameters().Strings(k), FCaseSensitive).starts_with(wanted)) hint = p.Parameters().Strings(k);
    }
    if (hint.empty()) return false;

    std::u32string text = memo::ToU32(hint);
    size_t open = text.find(p.HintCharStart);
    if (open != std::u32string::npos) text.erase(0, open + 1);
    size_t close = text.find(p.HintCharEnd);
    if (close != std::u32string::npos) text.erase(close);
    // Each parameter with the delimiter that follows it.
    std::vector<std::u32string> parameters(1);
    for (char32_t ch : text) {
        parameters.back() += ch;
        if (ch == p.HintCharWriteDelimiter || ch == p.HintCharDelimiter) parameters.emplace_back();
    }
    Part1.clear();
    Part3.clear();
    if (index >= static_cast<int>(parameters.size())) {
        Part2 = memo::ToUtf8(text);
    } else {
        for (int k = 0; k < static_cast<int>(parameters.size()); ++k) {
            std::string piece = memo::ToUtf8(parameters[static_cast<size_t>(k)]);
            (k < index ? Part1 : k == index ? Part2 : Part3) += piece;
        }
    }
    if (OnRetrievedParameterHint) OnRetrievedParameterHint(this, token, Part2);
    Active = Part2.empty() ? 1 : 2;
    return true;
}

void TQuillCustomMemo::ShowParameterHint()
{
    std::string part1, part2, part3;
    int active = 0;
    int visibleRow = FoldingActive() ? DisplayRowFromLine(FCurY) - DisplayRowFromLine(FTopLine) : FCurY - FTopLine;
    if (!ActiveStyler() || visibleRow < 0 || visibleRow > VisibleLineCount() || !ComputeParameterHint(part1, part2, part3, active)) {
        HideHint();
        return;
    }
    const THintParameter& p = ActiveStyler()->HintParameter();
    TPoint origin = ClientToScreen({0, 0});
    int x = FHintForm->Visible() ? FHintForm->Left()
                                 : origin.X + (FGutter->Visible() ? FGutter->Width() : 0) + (FCurX - FLeftCol) * FCellSize.W;
    int rows = FAutoHintParameterPosition == hpBelowCode ? visibleRow + 1 : visibleRow - 1;
    int y = origin.Y + rows * FCellSize.H;
    FHintForm->Part1 = part1;
    FHintForm->Part2 = part2;
    FHintForm->Part3 = part3;
    FHintForm->Active = active;
    FHintForm->SetColor(p.BkColor);
    FHintForm->Font().SetColor(p.TextColor);
    TPoint size = FHintForm->Extent();
    FHintShowing = true;
    FHintForm->ActivateHint({x, y, x + size.X, y + size.Y}, part1 + part2 + part3);
    FHintForm->Invalidate();
    FHintShowing = false;
    FHintTimer->SetEnabled(false);
    FHintTimer->SetEnabled(true);
}

void TQuillCustomMemo::HideHint()
{
    if (FHintForm->Visible()) FHintForm->ReleaseHandle();
}

bool TQuillCustomMemo::ParameterHintVisible() const { return FHintForm->Visible(); }

void TQuillCustomMemo::FollowCaretWithHint()
{
    if (FAutoHintParameters == hpNone || FHintShowing) return;
    if ((FAutoHintParameters == hpAuto && FAllowAutoHint) || FHintForm->Visible()) ShowParameterHint();
}

void TQuillCustomMemo::SetAutoHintParameters(TAutoHintParameters Value)
{
    FAutoHintParameters = Value;
    HideHint();
}

void TQuillCustomMemo::SetAutoHintParameterDelay(int Value)
{
    FAutoHintParameterDelay = Value;
    if (Value >= 0) FHintTimer->SetInterval(static_cast<unsigned>(Value));
}
