// Form controls embedded in HTML markup by CONTROL tags: reading and rewriting the tags, and laying them out.
#pragma once

#include "render/HTMLInlineItem.h"

#include <string>
#include <string_view>

// The attributes of one CONTROL tag; each is empty when the tag lacks it.
struct TControlTagAttributes {
    std::string Type;   // upper case
    std::string ID;
    std::string Value;  // decoded
    std::string Width;
    std::string Height;
    std::string Prop;   // decoded
    std::string MaxLen;
};

// Reads the attributes of a CONTROL tag's text (the text after "<CONTROL" up to ">").
// Names match whole, without regard to case, outside quoted values; a value is
// the text between the two double quotes after its name.
TControlTagAttributes ParseControlTag(std::string_view TagText);
bool ContainsControlTag(std::string_view Text);
// The ID of the first edit, password, mask or combo control after the one named
// CurrentID (from the start when CurrentID is empty); empty when there is none.
std::string NextEditControlID(std::string_view Text, std::string_view CurrentID);
// The text with every radio control's VALUE rewritten to "FALSE".
std::string ResetRadioControls(const std::string& Text);
// The decoded VALUE of the first control with that ID; False when none has it.
bool ReadControlValue(std::string_view Text, std::string_view ID, std::string& Value);
std::string ReadControlProp(std::string_view Text, std::string_view ID);
int ReadControlMaxLen(std::string_view Text, std::string_view ID);
// Rewrites the first control with that ID to carry Value; False (Text unchanged) when none has it.
bool WriteControlValue(std::string& Text, std::string_view ID, std::string_view Value);
// One "*" per character of Text.
std::string PasswordMask(std::string_view Text);

namespace render {

// Lays out, draws (painting pass, unthemed look) and hit-tests one CONTROL tag.
// Tag is the tag text from "<" up to its ">".
void LayoutHTMLControl(THTMLInlinePass& Pass, THTMLItemCallState& Call, std::string_view Tag);

} // namespace render
