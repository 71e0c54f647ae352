// The tab-separated text the grid puts on the clipboard and reads back from it.
#include "grid/files/ClipboardText.h"

#include "grid/base/QuillUtilCsv.h"
#include "platform/rtl/Strings.h"

namespace grid::files {

void AppendClipboardField(std::string& Out, std::string_view Text)
{
    if (Text.find_first_of("\t\"\r\n") == std::string_view::npos) {
        Out += Text;
        return;
    }
    Out += '"';
    Out += DoubleEmbeddedQuotes(Text);
    Out += '"';
}

namespace {

bool EndsField(std::string_view Text, std::size_t Pos)
{
    return Pos >= Text.size() || Text[Pos] == '\t' || Text[Pos] == '\r' || Text[Pos] == '\n';
}

// Finds the quote that closes a quoted field: the last quote of a run of odd
// length that a tab, a line break or the end follows.
class TClosingQuotes {
public:
    explicit TClosingQuotes(std::string_view Text) : FText(Text) {}

    // The closing quote of a field whose text begins at From, or npos.
    std::size_t After(std::size_t From)
    {
        // Past a scan that found none, only the run of quotes at From can
        // differ (its pairing starts anew), which keeps the parse linear.
        const bool firstRunOnly = FNoneFrom != std::string_view::npos && From >= FNoneFrom;
        std::size_t i = From;
        while (i < FText.size()) {
            if (FText[i] != '"') {
                if (firstRunOnly) break;
                i = FText.find('"', i);
                if (i == std::string_view::npos) break;
            }
            const std::size_t start = i;
            while (i < FText.size() && FText[i] == '"')
                ++i;
            if ((i - start) % 2 == 1 && EndsField(FText, i)) return i - 1;
            if (firstRunOnly) break;
        }
        if (!firstRunOnly) FNoneFrom = From;
        return std::string_view::npos;
    }

private:
    std::string_view FText;
    std::size_t FNoneFrom = std::string_view::npos;
};

} // namespace

std::vector<std::vector<std::string>> ParseClipboardText(std::string_view Text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    TClosingQuotes closing(Text);
    std::size_t pos = 0;
    while (pos < Text.size()) {
        std::size_t end;
        if (Text[pos] == '"' && (end = closing.After(pos + 1)) != std::string_view::npos) {
            row.push_back(CollapseDoubledChars('"', Text.substr(pos + 1, end - pos - 1)));
            pos = end + 1;
        } else {
            end = Text.find_first_of("\t\r\n", pos);
            if (end == std::string_view::npos) end = Text.size();
            row.emplace_back(Text.substr(pos, end - pos));
            pos = end;
        }
        if (pos >= Text.size()) break;
        if (Text[pos] == '\t') {
            ++pos;
            if (pos >= Text.size()) row.emplace_back();
            continue;
        }
        // A line break ends the row.
        pos += Text[pos] == '\r' && pos + 1 < Text.size() && Text[pos + 1] == '\n' ? 2 : 1;
        rows.push_back(std::move(row));
        row.clear();
        // An empty line inside the text is a row of one empty cell.
        while (pos < Text.size() && (Text[pos] == '\r' || Text[pos] == '\n')) {
            rows.push_back({std::string()});
            pos += Text[pos] == '\r' && pos + 1 < Text.size() && Text[pos + 1] == '\n' ? 2 : 1;
        }
    }
    if (!row.empty()) rows.push_back(std::move(row));
    return rows;
}

std::string ClipboardRichText(std::string_view Bytes)
{
    const std::string_view text = Bytes.substr(0, Bytes.find('\0'));
    // Valid UTF-8 is exactly what comes back unchanged through UTF-16.
    std::string utf8 = rtl::Utf16ToUtf8(rtl::Utf8ToUtf16(text));
    return utf8 == text ? utf8 : rtl::Latin1ToUtf8(text);
}

} // namespace grid::files
