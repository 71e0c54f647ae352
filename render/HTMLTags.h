// The tags the mini-HTML renderer understands: attribute lookup, tag effects, the error wave and rotated fonts.
#pragma once

#include "platform/graphics/GraphicsObjects.h"

#include <optional>
#include <string>
#include <string_view>

class TCanvas;

// Selects a copy of the canvas font turned by Angle degrees into the canvas's
// device, keeping it in Rotated; one rotation at a time.
void BeginRotatedFont(TCanvas& Canvas, int Angle, graphics::TGdiObjectPtr& Rotated);
// Selects the canvas's own font again and frees the rotated copy.
void RestoreUnrotatedFont(TCanvas& Canvas, graphics::TGdiObjectPtr& Rotated);

namespace render {

struct THTMLRenderCall;
struct THTMLLinePass;

// The value of attribute Name in a tag body (the tag text after its letter):
// the text between the double quotes after "Name=". Names match whole, in any
// case, outside quoted values, so a value that holds another attribute's name
// cannot mislead the lookup. Empty optional when the attribute is missing;
// an empty string when its value is not quoted.
std::optional<std::string> HTMLTagAttribute(std::string_view Body, std::string_view Name);
// The leading integer of the attribute's value, its opening quote optional;
// empty optional when the attribute is missing.
std::optional<int> HTMLTagLeadingInteger(std::string_view Body, std::string_view Name);
// A colour value of a tag: "#RRGGBB" or a colour name in any case.
TColor HTMLTagColor(std::string_view Value);

// Applies one tag (from "<" to ">") to the pass: Letter and Next are the
// upper-cased first two characters of its name.
void ApplyHTMLTag(THTMLRenderCall& Call, THTMLLinePass& Pass, std::string_view Tag, bool Closing, char Letter,
                  char Next);

// The red wave under error-marked text from Left to Right, standing on Bottom;
// pieces drawn one after another join into one wave.
void DrawErrorZigZag(TCanvas& Canvas, int Left, int Right, int Bottom);

} // namespace render
