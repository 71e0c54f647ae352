// Laying styled runs out line by line on a canvas: each piece is measured in
// its own font, lines break at blanks (or only at line breaks without word
// wrap), and the pieces of a line share its bottom.
#include "grid/paint/RichText.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"

namespace grid {

namespace {

// A word, a run of blanks, a tab or a line break of one run.
struct TPiece {
    const TRichRun* Run;
    std::string Text;
    TSize Size;
    bool LineBreak = false;
};

void UseRunFont(TCanvas& Canvas, const TFont& Base, const TRichRun& Run)
{
    TFont& font = *Canvas.Font();
    font.Assign(&Base);
    if (!Run.FontName.empty()) font.SetName(Run.FontName);
    if (Run.HalfPoints > 0) font.SetSize(std::max(1, Run.HalfPoints / 2));
    TFontStyles style = Base.Style();
    if (Run.Bold) style.Include(fsBold);
    if (Run.Italic) style.Include(fsItalic);
    if (Run.Underline) style.Include(fsUnderline);
    if (Run.StrikeOut) style.Include(fsStrikeOut);
    font.SetStyle(style);
    if (Run.Color != clNone) font.SetColor(Run.Color);
}

std::vector<TPiece> Pieces(TCanvas& Canvas, const TFont& Base, const std::vector<TRichRun>& Runs)
{
    std::vector<TPiece> pieces;
    for (const TRichRun& run : Runs) {
        UseRunFont(Canvas, Base, run);
        const std::string& t = run.Text;
        for (size_t i = 0; i < t.size();) {
            if (t[i] == '\n') {
                pieces.push_back({&run, "", {0, Canvas.TextHeight("gh")}, true});
                ++i;
                continue;
            }
            // A word runs to the next blank or break; blanks group likewise.
            const bool blank = t[i] == ' ' || t[i] == '\t';
            size_t end = i;
            while (end < t.size() && t[end] != '\n' && (t[end] == ' ' || t[end] == '\t') == blank) ++end;
            std::string text = t.substr(i, end - i);
            if (blank) std::replace(text.begin(), text.end(), '\t', ' ');
            pieces.push_back({&run, text, Canvas.TextExtent(text)});
            i = end;
        }
    }
    return pieces;
}

} // namespace

TSize LayoutRichText(TCanvas& Canvas, const TRect& R, const std::vector<TRichRun>& Runs, bool WordWrap,
                     bool MeasureOnly)
{
    TFont base;
    base.Assign(Canvas.Font());
    const TColor brush = Canvas.Brush()->Color();
    const std::vector<TPiece> pieces = Pieces(Canvas, base, Runs);
    const int width = R.Right - R.Left;
    TSize used{};
    int y = R.Top;
    for (size_t first = 0; first < pieces.size();) {
        // The pieces that fit on this line; a line always takes one piece.
        size_t last = first;
        int lineWidth = 0, lineHeight = 0;
        while (last < pieces.size() && !pieces[last].LineBreak) {
            const int w = pieces[last].Size.cx;
            if (WordWrap && last > first && lineWidth + w > width) break;
            lineWidth += w;
            lineHeight = std::max(lineHeight, pieces[last].Size.cy);
            ++last;
        }
        const bool broke = last < pieces.size() && pieces[last].LineBreak;
        if (broke) lineHeight = std::max(lineHeight, pieces[last].Size.cy);
        if (!MeasureOnly && y < R.Bottom) {
            int x = R.Left;
            for (size_t i = first; i < last; ++i) {
                const TPiece& p = pieces[i];
                UseRunFont(Canvas, base, *p.Run);
                const int top = y + lineHeight - p.Size.cy;
                if (p.Run->Highlight != clNone) {
                    Canvas.Brush()->SetStyle(bsSolid);
                    Canvas.Brush()->SetColor(p.Run->Highlight);
                    Canvas.FillRect({x, top, x + p.Size.cx, top + p.Size.cy});
                }
                Canvas.Brush()->SetStyle(bsClear);
                Canvas.TextRect(R, x, top, p.Text);
                x += p.Size.cx;
            }
        }
        used.cx = std::max(used.cx, lineWidth);
        y += lineHeight;
        // A break ends its line; blanks where a wrapped line ends are dropped.
        first = broke ? last + 1 : last;
        if (WordWrap && !broke)
            while (first < pieces.size() && !pieces[first].LineBreak &&
                   pieces[first].Text.find_first_not_of(' ') == std::string::npos)
                ++first;
    }
    used.cy = y - R.Top;
    Canvas.Font()->Assign(&base);
    Canvas.Brush()->SetColor(brush);
    return used;
}

} // namespace grid
