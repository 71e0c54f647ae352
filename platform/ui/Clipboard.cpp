// TClipboard over the backend's clipboard, with registered format numbers
// mapped to the names other programs know.
#include "platform/ui/Clipboard.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/ui/Backend.h"

namespace {

constexpr const char* TextMime = "text/plain;charset=utf-8";

struct TFormatTable {
    std::map<std::string, unsigned> ByName;
    std::map<unsigned, std::string> Mime;
};

TFormatTable& Formats()
{
    static TFormatTable table;
    return table;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string ui::FormatMime(unsigned format)
{
    if (format == CF_TEXT || format == CF_UNICODETEXT) return TextMime;
    auto& m = Formats().Mime;
    auto it = m.find(format);
    return it == m.end() ? "application/x-vistra-format-" + std::to_string(format) : it->second;
}

unsigned ui::FormatOfMime(std::string_view mime)
{
    for (const auto& [id, name] : Formats().Mime)
        if (name == mime) return id;
    return 0;
}

ui::TClipboardContents ui::NamedContents(const std::vector<std::pair<unsigned, std::string>>& Formats)
{
    TClipboardContents contents;
    for (const auto& [format, bytes] : Formats) contents.Items.emplace_back(FormatMime(format), bytes);
    return contents;
}

unsigned RegisterClipboardFormat(std::string_view Name)
{
    auto& t = Formats();
    std::string key = Lower(Name);
    if (auto it = t.ByName.find(key); it != t.ByName.end()) return it->second;
    unsigned id = 0xC000 + static_cast<unsigned>(t.ByName.size());
    t.ByName.emplace(key, id);
    if (key == "rich text format") t.Mime[id] = "text/rtf";
    else if (key == "html format") t.Mime[id] = "text/html";
    else t.Mime[id] = std::string(Name);
    return id;
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

void TClipboard::Open()
{
    if (FOpenCount++ == 0) {
        FPending.clear();
        FCleared = false;
    }
}

void TClipboard::Close()
{
    if (FOpenCount == 0) return;
    if (--FOpenCount == 0 && (FCleared || !FPending.empty())) Commit();
}

void TClipboard::Commit()
{
    ui::TClipboardContents contents;
    if (!FCleared) contents = ui::Backend().Clipboard().Contents();
    for (auto& [format, bytes] : FPending) {
        std::string mime = ui::FormatMime(format);
        std::erase_if(contents.Items, [&](const auto& item) { return item.first == mime; });
        contents.Items.emplace_back(mime, std::move(bytes));
    }
    FPending.clear();
    FCleared = false;
    ui::Backend().Clipboard().SetContents(contents);
}

void TClipboard::Clear()
{
    Open();
    FPending.clear();
    FCleared = true;
    Close();
}

void TClipboard::SetAsBytes(unsigned Format, std::string Bytes)
{
    Open();
    // The first value of an opening empties the clipboard; later ones join it.
    FCleared = true;
    FPending.emplace_back(Format, std::move(Bytes));
    Close();
}

void TClipboard::SetAsText(const std::string& Value) { SetAsBytes(CF_TEXT, Value); }

std::optional<std::string> TClipboard::GetAsBytes(unsigned Format)
{
    std::string mime = ui::FormatMime(Format);
    for (auto& [name, bytes] : ui::Backend().Clipboard().Contents().Items)
        if (name == mime) return bytes;
    return std::nullopt;
}

std::string TClipboard::AsText() { return GetAsBytes(CF_TEXT).value_or(std::string()); }

bool TClipboard::HasFormat(unsigned Format) { return GetAsBytes(Format).has_value(); }

std::vector<unsigned> TClipboard::Formats()
{
    std::vector<unsigned> out;
    for (auto& [name, bytes] : ui::Backend().Clipboard().Contents().Items) {
        if (name == TextMime) {
            out.push_back(CF_TEXT);
            continue;
        }
        for (auto& [id, mime] : ::Formats().Mime)
            if (mime == name) out.push_back(id);
    }
    return out;
}
