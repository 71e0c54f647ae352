// The line-break codes that cell text takes in the grid's files and clipboard formats.
#pragma once

#include <string>
#include <string_view>

// Grid text files: only when Text holds a CR, every CR becomes character 9, every LF
// character 8, every character 0 character 1 and every tab character 2.
std::string EncodeLineBreaksForFile(std::string_view Text);
// The reverse, only when Text holds character 8; without Multiline only the first line
// of the result is kept.
std::string DecodeLineBreaksFromFile(std::string_view Text, bool Multiline);

// CSV and clipboard export of multi-line cells: every CR LF becomes one vertical tab,
// then the text is enclosed in double quotes (embedded quotes are not doubled here).
std::string QuoteWithVTBreaks(std::string_view Text);
// CSV import: every vertical tab becomes CR LF.
std::string VTToCRLF(std::string_view Text);
// The CR of every CR LF is removed.
std::string CRLFToLineFeed(std::string_view Text);
// One-line storage: every CR becomes "~", every LF is dropped.
std::string CRToTilde(std::string_view Text);
// Every "~" becomes CR LF; a text that is exactly "^" becomes empty.
std::string TildeToCRLF(std::string_view Text);
// Print header and footer texts in settings: every CR becomes the two characters "\n",
// every LF is dropped; BackslashNToCR turns each "\n" back into a CR.
std::string CRToBackslashN(std::string_view Text);
std::string BackslashNToCR(std::string_view Text);
// HTML export: every CR becomes "<br>" (LF characters stay).
std::string CRToHTMLBreak(std::string_view Text);
// Every CR is removed (LF stays).
std::string RemoveCRChars(std::string_view Text);
// Every CR becomes LF.
std::string CRToLineFeed(std::string_view Text);
