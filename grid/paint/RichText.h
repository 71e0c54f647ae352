// Rich-text cells: the runs of styled text an RTF cell holds, and their
// layout in a rectangle on a canvas.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"

class TCanvas;

namespace grid {

// One piece of text in one style; a line break is a "\n" in the text.
struct TRichRun {
    std::string Text;
    std::string FontName;  // empty: the cell's font
    int HalfPoints = 0;    // 0: the cell's size
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clNone;      // clNone: the cell's font colour
    TColor Highlight = clNone;  // background behind the text
};

// The runs of an RTF text: character formatting (bold, italic, underline,
// strike-out, size, colour, highlight, font), paragraphs, line breaks, tabs,
// escaped and Unicode characters; other destinations are skipped. Raises
// EReadError naming the offset for text that is no RTF, nests groups too
// deeply or ends inside one.
std::vector<TRichRun> ReadRichText(std::string_view Rtf);

// Lays the runs out in R from its top-left, wrapping at blanks when
// WordWrap, with the canvas's font as the base; draws them unless
// MeasureOnly. Returns the size the text takes.
TSize LayoutRichText(TCanvas& Canvas, const TRect& R, const std::vector<TRichRun>& Runs, bool WordWrap,
                     bool MeasureOnly = false);

} // namespace grid
