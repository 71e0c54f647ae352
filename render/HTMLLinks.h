// Links of the mini-HTML markup: numbering, colours, hover state, focus rectangle and hit rectangle.
#pragma once

#include <string_view>

namespace render {

struct THTMLRenderCall;
struct THTMLLinePass;

// An A tag; Body is the tag text after its letter, in its own case.
void OpenHTMLLink(THTMLRenderCall& Call, THTMLLinePass& Pass, std::string_view Body);
void CloseHTMLLink(THTMLRenderCall& Call, THTMLLinePass& Pass);
// At the end of a line inside a link: the part of the link on this line
// becomes its hit rectangle when the point lies on it, and the focus
// rectangle is drawn up to here.
void EndHTMLLinkLine(THTMLRenderCall& Call, THTMLLinePass& Pass);

} // namespace render
