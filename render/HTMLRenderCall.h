// The state of one renderer call and of one line pass, shared by the layout loop, the line pass and the tags.
#pragma once

#include "platform/graphics/GraphicsObjects.h"
#include "render/HTMLImages.h"
#include "render/HTMLInlineItem.h"
#include "render/HTMLRenderer.h"

#include <string>
#include <string_view>
#include <vector>

namespace render {

enum class THTMLPassMode { Calculating, Painting };
enum class THTMLAlignment { Left, Right, Center };

// The state both passes of a line start from: the second pass is rewound to
// it, so that it meets the line's tags in the same state as the first.
struct THTMLLineStartState {
    int LinkCounter = 0;
    int ListLevel = 0;
    int ImageCounter = 0;
    THTMLLinkState Link;
    bool Hidden = false;
    bool Shadow = false;
    bool Subscript = false;
    bool Superscript = false;
};

// Everything one call keeps while it walks the lines.
struct THTMLRenderCall {
    THTMLRenderCall(TCanvas& canvas, const TRect& bounds, const THTMLRenderParams& params);

    TCanvas& Canvas;
    const TRect Bounds;
    const THTMLRenderParams& Params;
    unsigned TextFormat = 0;             // DrawText flags of every text piece
    bool RightToLeftReading = false;

    TFont BaseFont;                      // the canvas font at the call; closing tags restore from it
    TFont MeasureFont;                   // running fonts of the two passes
    TFont PaintFont;
    TColor EntryBrushColor = clNone;

    THTMLLineStartState Flow;            // the running state, saved at each line start
    THTMLItemCallState Items;            // image counter, controls and the hit results
    THTMLImageSources ImageSources;

    // The focus link's rectangle, drawn when the link ends or a line ends inside it.
    bool FocusOpen = false;
    int FocusStartX = 0;

    // Paragraphs, colours and marks.
    THTMLAlignment ParagraphAlignment = THTMLAlignment::Left;
    int ParagraphIndent = 0;
    bool ParagraphBackground = false;
    bool ErrorMark = false;
    TColor FontBackgroundSaved = clNone;
    TColor ParagraphBackgroundSaved = clNone;
    TColor HighlightTextSaved = clNone;
    TColor HighlightBrushSaved = clNone;
    TColor HoverBrushSaved = clNone;
    TColor HoverTextSaved = clNone;
    graphics::TGdiObjectPtr RotatedFont;

    // Outputs.
    std::string PlainText;
    std::string FocusValue;
    int Width = 0;
    int HoveredLink = -1;
    TRect HoverRect;
};

// One pass over one line's source: the measuring pass (calculating) or the
// painting or hit-testing pass that follows it.
struct THTMLLinePass {
    THTMLPassMode Mode = THTMLPassMode::Calculating;
    bool Measuring = false;              // the line's first pass: it decides what the line holds
    THTMLInlinePass Geometry;            // left, top, bottom, x, draw position, line height, wrap, item hit
    int Right = 0;
    int SpaceBelow = 0;                  // room under the line for subscript
    int SpaceAbove = 0;                  // room over the line for superscript
    int BaselineLift = 0;                // raise of the line's text by an aligned image
    bool LineEnd = false;
    bool LinkHit = false;
    bool ListItemMet = false;
    int TrailingSpaceWidth = 0;
    bool LineHasText = false;
    char LastTextChar = ' ';             // the last character of text on this line
    std::string Consumed;                // the source this pass laid out
    // Widths of the text pieces the measuring pass laid out, in order; the
    // second pass, meeting the same pieces in the same fonts, reuses them.
    std::vector<int> PieceWidths;
    const std::vector<int>* MeasuredWidths = nullptr;
    size_t NextMeasuredWidth = 0;
    int RightEdge = 0;                   // right-to-left reading: where the next piece ends

    // Where the open link started on this line; x is -1 when it started on an earlier one.
    int LinkStartX = -1;
    int LinkStartTop = 0;
    // A link under the point found by this pass; kept only when the line
    // turns out to hold the point.
    bool LinkUnderPoint = false;         // a piece of the open link lies under the point
    bool LinkValueFound = false;         // HitHref and HitTitle hold that link's values
    std::string HitHref;
    std::string HitTitle;
    int HitLinkNumber = -1;              // the link whose rectangle HitRect is
    TRect HitRect;

    bool Painting() const noexcept { return Mode == THTMLPassMode::Painting; }
    int AvailableWidth() const noexcept { return Geometry.AvailableWidth; }
};

// The platform colour "none" for a clear brush, else the brush colour.
TColor BrushColorOrNone(const TCanvas& canvas);
// A solid brush of the colour, or a clear brush for none.
void SetBrushColorOrNone(TCanvas& canvas, TColor color);
// Switches one style of the canvas font on or off.
void SetFontStyle(TCanvas& canvas, TFontStyle style, bool on);
// The height of "gh" in the canvas font: the height of an empty line.
int LineStartHeight(TCanvas& canvas);
// The brush and text colours of HI text.
TColor HighlightBackgroundColor();
TColor HighlightTextColor();
// The width of a text piece at the pass's draw position.
int MeasureHTMLPiece(THTMLRenderCall& Call, const THTMLLinePass& Pass, std::string_view Piece);
// Draws a text piece (with its shadow and error wave) and returns its width,
// which is measured unless Width already gives it.
int DrawHTMLPiece(THTMLRenderCall& Call, THTMLLinePass& Pass, std::string_view Piece, int Width);

} // namespace render

// Lays out one line from the front of Text, which it shortens by what it used,
// measuring (calculating) or drawing it.
void RenderHTMLLine(render::THTMLRenderCall& Call, render::THTMLLinePass& Pass, std::string_view& Text);
