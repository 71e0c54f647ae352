// Mini-HTML markup (B, I, U, S, FONT, A, IMG, BR, UL and LI, Z ...) turned into RTF builder calls.
#pragma once

#include <string_view>

class TFont;
class TRTFEngine;

// Writes the markup's text with its styles, links, pictures, line breaks and
// lists into Builder. BaseFont is the font the text returns to after FONT
// and A elements; tags that only affect drawing on screen are read and ignored.
void HTMLToRTF(std::string_view Text, const TFont& BaseFont, TRTFEngine& Builder);
