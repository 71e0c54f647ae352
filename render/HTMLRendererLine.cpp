// One line pass of the mini-HTML renderer: takes text pieces and tags from the front of the source.
#include "platform/graphics/Canvas.h"
#include "render/HTMLLinks.h"
#include "render/HTMLRenderCall.h"
#include "render/HTMLTags.h"

#include <algorithm>
#include <cctype>

using namespace render;

namespace {

char UpperAt(std::string_view s, size_t i)
{
    return i < s.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(s[i]))) : '\0';
}

// A piece ends before the next tag; with word wrap also after its first space.
size_t PieceLength(std::string_view text, bool wordWrap)
{
    const size_t tag = text.find('<');
    if (wordWrap) {
        const size_t space = text.find(' ');
        if (space != std::string_view::npos && space < tag) return space + 1;
    }
    return tag == std::string_view::npos ? text.size() : tag;
}

// "&nbsp;", "&lt;" and "&gt;" as the characters they stand for. An "&&"
// (an ampersand the text shows as one) is passed over whole, so "&&lt;"
// shows "&lt;" and not "&<".
std::string DecodePieceEntities(std::string_view source)
{
    static constexpr struct {
        std::string_view Entity;
        char Character;
    } entities[] = {{"&nbsp;", ' '}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string piece;
    piece.reserve(source.size());
    for (size_t i = 0; i < source.size();) {
        if (source[i] != '&') {
            piece += source[i++];
            continue;
        }
        if (source.substr(i, 2) == "&&") {
            piece += "&&";
            i += 2;
            continue;
        }
        bool decoded = false;
        for (const auto& e : entities)
            if (source.substr(i, e.Entity.size()) == e.Entity) {
                piece += e.Character;
                i += e.Entity.size();
                decoded = true;
                break;
            }
        if (!decoded) piece += source[i++];
    }
    return piece;
}

// The plain text shows "&&" as the one ampersand the drawn text shows.
void AppendPlainText(std::string& plain, std::string_view piece)
{
    for (size_t i = 0; i < piece.size(); ++i) {
        plain += piece[i];
        if (piece[i] == '&' && i + 1 < piece.size() && piece[i + 1] == '&') ++i;
    }
}

void FillParagraphBand(THTMLRenderCall& call, const THTMLLinePass& pass)
{
    TCanvas& canvas = call.Canvas;
    const TColor color = BrushColorOrNone(canvas);
    if (color == clNone) return;
    canvas.Pen()->SetColor(color);
    const THTMLInlinePass& g = pass.Geometry;
    canvas.Rectangle(call.Bounds.Left, g.Top, call.Bounds.Right, g.Top + g.LineHeight);
}

void TakeTag(THTMLRenderCall& call, THTMLLinePass& pass, std::string_view& text)
{
    const size_t close = text.find('>');
    if (close == std::string_view::npos) {
        text = {}; // an unclosed tag ends the text
        return;
    }
    const std::string_view tag = text.substr(0, close + 1);
    const bool closing = tag[1] == '/' && text.size() > 3;
    const size_t letterAt = closing ? 2 : 1;
    const bool wrapBefore = pass.Geometry.Wrap;
    ApplyHTMLTag(call, pass, tag, closing, UpperAt(tag, letterAt), UpperAt(tag, letterAt + 1));
    // An item that does not fit stays in the text to begin the next line.
    if (pass.Measuring && pass.Geometry.Wrap && !wrapBefore) return;
    pass.Consumed += tag;
    text.remove_prefix(close + 1);
}

void HitTestPiece(THTMLRenderCall& call, THTMLLinePass& pass, int xBefore)
{
    const THTMLRenderParams& params = call.Params;
    const THTMLInlinePass& g = pass.Geometry;
    const int relativeX = params.XPos - g.Left;
    const int endX = call.RightToLeftReading ? pass.Right - params.XPos : relativeX;
    if (!call.Flow.Link.InLink || relativeX < xBefore || endX > g.X) return;
    pass.LinkHit = true;
    if (g.Top < params.YPos) {
        pass.LinkValueFound = true;
        pass.HitHref = call.Flow.Link.Href;
        pass.HitTitle = call.Flow.Link.Title;
        pass.LinkUnderPoint = true;
    }
}

void TakePiece(THTMLRenderCall& call, THTMLLinePass& pass, std::string_view& text)
{
    TCanvas& canvas = call.Canvas;
    THTMLInlinePass& g = pass.Geometry;
    const size_t n = PieceLength(text, call.Params.WordWrap);
    const std::string piece = DecodePieceEntities(text.substr(0, n));
    int width = -1;
    // The measuring pass sets the line's heights; the second pass starts from them.
    if (pass.Measuring) {
        const TSize size = canvas.TextExtent(piece);
        // Ampersands and tabs make the formatted width differ from the plain one.
        if (piece.find_first_of("&\t") == std::string::npos) width = size.cx;
        g.LineHeight = std::max(g.LineHeight, size.cy);
        if (call.Flow.Subscript) pass.SpaceBelow = std::max(pass.SpaceBelow, size.cy / 4);
        if (call.Flow.Superscript) pass.SpaceAbove = std::max(pass.SpaceAbove, size.cy / 4);
    }
    if (call.Flow.Hidden) {
        if (pass.Measuring) AppendPlainText(call.PlainText, piece);
        text.remove_prefix(n);
        return;
    }

    if (pass.MeasuredWidths && pass.NextMeasuredWidth < pass.MeasuredWidths->size())
        width = (*pass.MeasuredWidths)[pass.NextMeasuredWidth++];
    const int xBefore = g.X;
    if (pass.Painting()) {
        width = DrawHTMLPiece(call, pass, piece, width);
        if (call.RightToLeftReading)
            pass.RightEdge -= width;
        else
            g.DrawX += width;
    } else if (width < 0) {
        width = MeasureHTMLPiece(call, pass, piece);
    }
    // Every pass counts text in x, so that IND tags and items find the line
    // where the measuring pass left it.
    g.X += width;
    if (!pass.Painting()) HitTestPiece(call, pass, xBefore);

    bool endsText = false;
    if (pass.Measuring) {
        // No break inside a word: a piece glued to the text before it stays.
        const bool glued = pass.LineHasText && pass.LastTextChar != ' ';
        const bool fits = g.X < pass.AvailableWidth() || width >= pass.AvailableWidth() || glued;
        if (!fits && call.Params.WordWrap) {
            pass.LineEnd = true;
            g.X -= width;
            return;
        }
        endsText = !fits && pass.LineHasText;
        AppendPlainText(call.PlainText, piece);
        pass.PieceWidths.push_back(width);
    }
    pass.Consumed += text.substr(0, n);
    text.remove_prefix(n);
    if (endsText) text = {}; // without word wrap the first piece that overflows ends the text
    pass.LineHasText = true;
    pass.LastTextChar = piece.back();
    // A trailing space only matters to the line's width, which painting does not report.
    const bool entityReplaced = piece.size() != n;
    const bool trailingSpace = !pass.Painting() && piece.back() == ' ' && !entityReplaced;
    pass.TrailingSpaceWidth = trailingSpace ? canvas.TextWidth(" ") : 0;
}

} // namespace

void RenderHTMLLine(THTMLRenderCall& Call, THTMLLinePass& Pass, std::string_view& Text)
{
    THTMLInlinePass& g = Pass.Geometry;
    if (Call.ParagraphBackground && Pass.Painting()) FillParagraphBand(Call, Pass);
    // The first pass decides where the line ends; the second lays out all it chose.
    while (!Text.empty() && (!Pass.Measuring || (!Pass.LineEnd && !g.Wrap))) {
        if (Text[0] != '<')
            TakePiece(Call, Pass, Text);
        else if (Text.size() <= 2)
            Text = {}; // a "<" with at most one character after it at the end is dropped
        else
            TakeTag(Call, Pass, Text);
    }
    g.X -= Pass.TrailingSpaceWidth;
    if (Pass.Measuring) Call.Width = std::max(Call.Width, g.X);
    EndHTMLLinkLine(Call, Pass);
}
