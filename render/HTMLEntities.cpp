// Named entities of the markup: escaping text for it and decoding it back.
#include "render/HTMLUtils.h"

#include <array>

namespace {

struct NamedEntity {
    std::string_view Character; // UTF-8
    std::string_view Entity;
};

// The characters the markup writes as named entities, in the order escaping
// and unescaping try them.
constexpr std::array<NamedEntity, 51> namedEntities{{
    {"é", "&eacute;"}, {"è", "&egrave;"}, {"ë", "&euml;"}, {"ê", "&ecirc;"},
    {"ó", "&oacute;"}, {"ò", "&ograve;"}, {"ö", "&ouml;"}, {"ô", "&ocirc;"},
    {"í", "&iacute;"}, {"ì", "&igrave;"}, {"ï", "&iuml;"}, {"î", "&icirc;"},
    {"ú", "&uacute;"}, {"ù", "&ugrave;"}, {"ü", "&uuml;"}, {"û", "&ucirc;"},
    {"á", "&aacute;"}, {"à", "&agrave;"}, {"ä", "&auml;"}, {"â", "&acirc;"},
    {"É", "&Eacute;"}, {"È", "&Egrave;"}, {"Ë", "&Euml;"}, {"Ê", "&Ecirc;"},
    {"Ó", "&Oacute;"}, {"Ò", "&Ograve;"}, {"Ö", "&Ouml;"}, {"Ô", "&Ocirc;"},
    {"Í", "&Iacute;"}, {"Ì", "&Igrave;"}, {"Ï", "&Iuml;"}, {"Î", "&Icirc;"},
    {"Ú", "&Uacute;"}, {"Ù", "&Ugrave;"}, {"Ü", "&Uuml;"}, {"Û", "&Ucirc;"},
    {"Á", "&Aacute;"}, {"À", "&Agrave;"}, {"Ä", "&Auml;"}, {"Â", "&Acirc;"},
    {"ç", "&ccedil;"}, {"Ç", "&Ccedil;"}, {"ø", "&oslash;"}, {"Ø", "&Oslash;"},
    {"å", "&aring;"}, {"Å", "&Aring;"}, {"©", "&copy;"}, {"®", "&reg;"},
    {"€", "&euro;"}, {"«", "&laquo;"}, {"»", "&raquo;"},
}};

// The markup's own characters come before the table.
constexpr std::array<NamedEntity, 4> markupEntities{{
    {"<", "&lt;"}, {">", "&gt;"}, {"&", "&amp;"}, {"\"", "&quot;"},
}};

template <class Table>
const NamedEntity* FindByCharacter(const Table& table, std::string_view text, size_t at)
{
    for (const NamedEntity& e : table)
        if (text.compare(at, e.Character.size(), e.Character) == 0) return &e;
    return nullptr;
}

template <class Table>
const NamedEntity* FindByEntity(const Table& table, std::string_view text, size_t at)
{
    for (const NamedEntity& e : table)
        if (text.compare(at, e.Entity.size(), e.Entity) == 0) return &e;
    return nullptr;
}

} // namespace

std::string EscapeHTMLChars(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        const NamedEntity* e = FindByCharacter(markupEntities, Text, i);
        // Only a lead byte of a multi-byte character can start a table character.
        if (!e && static_cast<unsigned char>(Text[i]) >= 0xC0) e = FindByCharacter(namedEntities, Text, i);
        if (e) {
            result += e->Entity;
            i += e->Character.size();
        } else {
            result += Text[i++];
        }
    }
    return result;
}

std::string UnescapeHTMLChars(std::string_view Text)
{
    // One left-to-right pass: the text an entity decodes to is never decoded
    // again, so "&amp;lt;" stays "&lt;" and escaped text comes back unchanged.
    std::string result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        const NamedEntity* e = nullptr;
        if (Text[i] == '&') {
            e = FindByEntity(markupEntities, Text, i);
            if (!e) e = FindByEntity(namedEntities, Text, i);
        }
        if (e) {
            result += e->Character;
            i += e->Entity.size();
        } else {
            result += Text[i++];
        }
    }
    return result;
}

std::string SpacesToNbsp(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    for (char c : Text) {
        if (c == ' ')
            result += "&nbsp;";
        else
            result += c;
    }
    return result;
}
