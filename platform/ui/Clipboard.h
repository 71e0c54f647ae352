// The clipboard: text, registered formats and private formats as bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/classes/Object.h"

inline constexpr unsigned CF_TEXT = 1;
inline constexpr unsigned CF_UNICODETEXT = 13;
inline constexpr unsigned CF_HDROP = 15;

// The same number for the same name (case-insensitive), from 0xC000 on.
// "Rich Text Format" and "HTML Format" travel as text/rtf and text/html.
unsigned RegisterClipboardFormat(std::string_view Name);

class TClipboard : public TObject {
    VISTRA_CLASS(TClipboard, TObject)

    // Between Open and Close, changes collect and reach the clipboard together
    // at Close; outside, each change replaces the clipboard at once.
    void Open();
    void Close();
    void Clear();
    bool HasFormat(unsigned Format);
    std::string AsText();
    void SetAsText(const std::string& Value);
    // The bytes of a format; nothing when the clipboard lacks it.
    std::optional<std::string> GetAsBytes(unsigned Format);
    // Adds a format's bytes beside what this opening has set already.
    void SetAsBytes(unsigned Format, std::string Bytes);
    // The formats on the clipboard now, by number.
    std::vector<unsigned> Formats();

private:
    void Commit();
    int FOpenCount = 0;
    std::vector<std::pair<unsigned, std::string>> FPending;
    bool FCleared = false;
};

// The process clipboard.
TClipboard* Clipboard();

namespace ui {

struct TClipboardContents;

// The name other programs know a format by ("text/plain;charset=utf-8",
// "text/rtf", or the registered name).
std::string FormatMime(unsigned Format);
// The registered format known by that name, 0 when none is.
unsigned FormatOfMime(std::string_view mime);
// Formats and their bytes under those names.
TClipboardContents NamedContents(const std::vector<std::pair<unsigned, std::string>>& Formats);

} // namespace ui
