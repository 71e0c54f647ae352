// Links in cell text and the header of the clipboard's HTML format.
#pragma once

#include <string>
#include <string_view>

// When Text, upper-cased, holds Marker ("HTTP://", "WWW.", "MAILTO:" ...): "<" and ">"
// are escaped, and the address that starts at the marker (letters, digits and
// "%()-./:@\_{}") is wrapped in <a href="address">address</a>; the result goes to Out
// and is True. Otherwise the result is False and Out is left alone.
bool WrapURLInAnchor(std::string_view Text, std::string_view Marker, std::string& Out);

// Puts the clipboard HTML header and document around Fragment. The offsets in the
// header count bytes of the returned UTF-8 text.
void WrapClipboardHTML(std::string& Fragment);
