// Plain text to RTF text: the characters RTF reserves, and everything beyond ASCII.
#pragma once

#include <string>
#include <string_view>

namespace memo {

// Appends one character in RTF form: "\", "{" and "}" escaped, characters
// beyond ASCII as "\u" escapes followed by a one-character fallback for
// readers that do not know them (the document declares \uc1).
void AppendRTFChar(std::string& Out, char32_t Ch);

// Text for places where a paragraph cannot start (field instructions, link
// text, font names): every character in RTF form, control characters dropped.
std::string EscapeRTFText(std::string_view Text);

} // namespace memo
