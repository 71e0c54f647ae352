// Quoting and quote scanning for the grid's CSV reader and writer.
#include "grid/base/QuillUtilCsv.h"

std::string DoubleEmbeddedQuotes(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size() + 2);
    for (char c : Text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out;
}

std::string CollapseDoubledChars(char Ch, std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        out += Text[i];
        if (Text[i] == Ch && i + 1 < Text.size() && Text[i + 1] == Ch)
            ++i;
    }
    return out;
}

size_t FindUnpairedChar(char Ch, std::string_view Text, size_t& Position)
{
    Position = 0;
    size_t run = 0;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == Ch) {
            ++run;
            continue;
        }
        if (run % 2 == 1) {
            Position = i;
            return Position;
        }
        run = 0;
    }
    if (!Text.empty() && Text.back() == Ch)
        Position = Text.size();
    return Position;
}

size_t CountUnpairedChars(char Ch, std::string_view Text)
{
    size_t hits = 0;
    size_t position = 0;
    while (FindUnpairedChar(Ch, Text, position) != 0) {
        ++hits;
        Text.remove_prefix(position);
    }
    return hits;
}
