// Names of the grid's looks and styles.
#include "grid/paint/GridLooks.h"

#include <array>
#include <cctype>

namespace {

struct TLookName {
    const char* Identifier;
    const char* Caption;
};

constexpr std::array<TLookName, glCustom> LookNames{{
    {"glStandard", "Standard"},
    {"glSoft", "Soft"},
    {"glClassic", "Classic"},
    {"glQOR", "QOR"},
    {"glXP", "Windows XP"},
    {"glListView", "ListView"},
    {"glVista", "Windows Vista"},
    {"glWin7", "Windows 7"},
    {"glOffice2007", "Office2007"},
}};

constexpr std::array<const char*, gsOffice2010Black + 1> StyleNames{
    "gsOffice2003Blue", "gsOffice2003Silver", "gsOffice2003Olive", "gsOffice2003Classic",
    "gsOffice2007Luna", "gsOffice2007Obsidian", "gsWindowsXP", "gsWhidbey", "gsCustom",
    "gsOffice2007Silver", "gsWindowsVista", "gsWindows7", "gsTerminal", "gsOffice2010Blue",
    "gsOffice2010Silver", "gsOffice2010Black"};

bool SameIgnoringCase(std::string_view A, std::string_view B)
{
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(A[i])) != std::tolower(static_cast<unsigned char>(B[i])))
            return false;
    return true;
}

// Whether Name is Identifier, or Identifier without its two-letter prefix, in any case.
bool NameMatches(std::string_view Identifier, std::string_view Name)
{
    return SameIgnoringCase(Identifier, Name) || SameIgnoringCase(Identifier.substr(2), Name);
}

} // namespace

namespace grid {

std::string LookIdentifier(TGridLook Look)
{
    return Look >= glStandard && Look < glCustom ? LookNames[Look].Identifier : "";
}

std::string LookCaption(TGridLook Look)
{
    return Look >= glStandard && Look < glCustom ? LookNames[Look].Caption : "";
}

std::optional<TGridLook> LookFromName(std::string_view Name)
{
    for (int i = 0; i < glCustom; ++i)
        if (NameMatches(LookNames[i].Identifier, Name)) return static_cast<TGridLook>(i);
    return std::nullopt;
}

std::string StyleIdentifier(TQuillGridStyle Style)
{
    return Style >= gsOffice2003Blue && Style <= gsOffice2010Black ? StyleNames[Style] : "";
}

std::optional<TQuillGridStyle> StyleFromName(std::string_view Name)
{
    for (int i = 0; i <= gsOffice2010Black; ++i)
        if (NameMatches(StyleNames[i], Name)) return static_cast<TQuillGridStyle>(i);
    return std::nullopt;
}

} // namespace grid
