// Builders of script texts that must stay valid whatever the text they carry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace web {

// Text as a double-quoted script string literal that evaluates back to the
// same text: quotes, backslashes, control characters and the line separators
// U+2028/U+2029 are escaped, and "</" becomes "<\/" so the literal can also
// sit inside an inline <script> element. Invalid UTF-8 bytes become U+FFFD.
std::string ScriptStringLiteral(std::string_view text);

// The script that sets one CSS property of the document body, for example
// ("overflow", "hidden"); property names use the script spelling ("borderStyle").
std::string BodyStyleScript(std::string_view property, std::string_view value);

// The document-start script that gives the page its external object: a
// window.external whose methods, one per name, post their name and their
// arguments to the message handler `handlerName`. The object is frozen and the
// property is fixed, so the page can neither add methods nor swap the object.
// Arguments other than null, booleans, numbers and strings travel as their
// string form (undefined as null).
std::string ExternalObjectScript(const std::vector<std::string>& methodNames,
                                 std::string_view handlerName);

}  // namespace web
