// The tab-separated text the grid puts on the clipboard and reads back from it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace grid::files {

// Appends a cell: a text holding a tab, a quote or a line break goes in
// quotes with its quotes doubled and its line breaks kept, as spreadsheets do.
void AppendClipboardField(std::string& Out, std::string_view Text);

// The rows of a clipboard text, split at tabs and line breaks (CR LF, CR or
// LF) outside quotes. A field that opens a quote closed before the next tab
// or line end is unquoted; any other quote is text. A final line break ends
// the last row rather than starting an empty one.
std::vector<std::vector<std::string>> ParseClipboardText(std::string_view Text);

// The text of rich-text clipboard data: 8-bit text up to its first zero byte
// or its end; bytes that are no UTF-8 are read as Latin-1, rich text's
// usual code page.
std::string ClipboardRichText(std::string_view Bytes);

} // namespace grid::files
