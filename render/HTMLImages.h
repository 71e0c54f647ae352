// Images in the HTML markup: IMG tags, BODY backgrounds, system icons and stretched bitmaps.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"
#include "render/HTMLInlineItem.h"

#include <string>
#include <string_view>

class TBitmap;
class TCanvas;
class TImageList;
class TPictureContainer;
class THTMLPictureCache;

// Draws (when Draw) the small or large system icon Name (an icon index or a
// file name) at (X, Y) and returns its size. No system icons are available
// here, so Size is always 0 x 0 and nothing is drawn.
void DrawSystemIcon(TCanvas& Canvas, int X, int Y, TSize& Size, double PrintScale, bool Printing, bool Draw, bool Large,
                    const std::string& Name);
// Copies the whole bitmap, stretched, into Rect.
void StretchBitmapToRect(TCanvas& Canvas, const TRect& Rect, TBitmap& Bitmap);
bool IsDirectory(const std::string& Path);

namespace render {

// Where the pictures of IMG tags come from; any of the three may be missing.
struct THTMLImageSources {
    const TImageList* Images = nullptr;
    const TPictureContainer* Container = nullptr;
    THTMLPictureCache* Cache = nullptr;
    bool Printing = false;
    double PrintScale = 1.0;
    TColor EntryBrushColor = clWhite;  // clears the frame rectangle of an animated GIF
};

// The link the image stands in; only linked images can be hit.
struct THTMLLinkState {
    bool InLink = false;
    std::string Href;
    std::string Title;
};

// Lays out, draws (painting pass) and hit-tests one IMG tag. Tag is the tag text
// from "<" up to its ">". BaselineLift is set only when the tag asks for
// ALIGN="TOP" or ALIGN="MIDDLE".
void LayoutHTMLImage(THTMLInlinePass& Pass, THTMLItemCallState& Call, const THTMLImageSources& Sources,
                     const THTMLLinkState& Link, std::string_view Tag, int& BaselineLift);

// Tiles the picture named by a BODY tag's BACKGROUND value over Bounds, clipped to them.
void DrawHTMLBackground(TCanvas& Canvas, const TRect& Bounds, std::string_view Background,
                        const TPictureContainer* Container, THTMLPictureCache* Cache);

} // namespace render
