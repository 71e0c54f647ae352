// General routines of the engine: column letters, files, numbers and case.
#include "xlsAdapter/qorUVyxMessages.h"

#include "xlsAdapter/qorXlsMessages.h"

#include <charconv>
#include <clocale>
#include <cwctype>
#include <filesystem>
#include <locale.h>

std::string ColNumberToLetters(int Col)
{
    if (Col < 1)
        return {};
    std::string letters;
    for (int rest = Col; rest > 0; rest = (rest - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    return letters;
}

bool IsAbsoluteFileName(std::string_view FileName)
{
    return !FileName.empty() && FileName.front() == '/';
}

namespace {

bool FileExists(const std::string& name)
{
    std::error_code error;
    return std::filesystem::is_regular_file(name, error);
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string LocateFile(std::string_view Path, std::string_view FileName)
{
    using xlsAdapter::ExcelError;
    const std::string name(FileName);
    if (IsAbsoluteFileName(FileName)) {
        if (!FileExists(name))
            ExcelError(xlsAdapter::msg::CantFindFile, name);
        return name;
    }
    if (!Trim(Path).empty()) {
        std::string candidate(Path);
        if (candidate.back() != '/')
            candidate += '/';
        candidate += name;
        if (!FileExists(candidate))
            ExcelError(xlsAdapter::msg::CantFindFile, candidate);
        return candidate;
    }
    // The engine is linked into the program, so the program's folder is also
    // the engine's.
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::string candidate = (program.parent_path() / name).string();
        if (FileExists(candidate))
            return candidate;
    }
    ExcelError(xlsAdapter::msg::CantFindFile, name);
}

bool TryTextToFloat(std::string_view Text, double& Value)
{
    Value = 0;
    std::string_view digits = Text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    // from_chars also takes "inf" and "nan", which are not numbers here.
    if (digits.empty() || digits.find_first_not_of("+-.0123456789eE") != std::string_view::npos)
        return false;
    double result = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (error != std::errc() || end != digits.data() + digits.size())
        return false;
    Value = result;
    return true;
}

namespace {

locale_t UnicodeLocale()
{
    static const locale_t locale = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
        return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
    }();
    return locale;
}

char16_t UpperChar(char16_t c)
{
    if (c >= 0xD800 && c <= 0xDFFF)
        return c; // half of a surrogate pair: no case of its own
    const wint_t upper = towupper_l(c, UnicodeLocale());
    return upper <= 0xFFFF ? static_cast<char16_t>(upper) : c;
}

} // namespace

std::u16string UpperCaseUnicode(std::u16string_view Text)
{
    std::u16string result(Text);
    for (char16_t& c : result)
        c = UpperChar(c);
    return result;
}

bool MatchesAt(std::u16string_view Sub, std::u16string_view S, std::int64_t Pos)
{
    if (Pos < 1 || static_cast<std::uint64_t>(Pos - 1) + Sub.size() > S.size())
        return false;
    return S.substr(static_cast<std::size_t>(Pos - 1), Sub.size()) == Sub;
}

std::u16string ReplaceUnquoted(std::u16string_view S, std::u16string_view OldPattern,
                               std::u16string_view NewPattern)
{
    const std::u16string upperText = UpperCaseUnicode(S);
    const std::u16string upperPattern = UpperCaseUnicode(OldPattern);
    std::u16string result;
    bool quoted = false;
    std::size_t i = 0;
    while (i < S.size()) {
        if (S[i] == u'"') {
            quoted = !quoted;
        } else if (!quoted && !upperPattern.empty() &&
                   upperText.compare(i, upperPattern.size(), upperPattern) == 0) {
            result += NewPattern;
            i += upperPattern.size();
            continue;
        }
        result += S[i++];
    }
    return result;
}

TXlsCellRange OffsetCellRange(const TXlsCellRange& Range, int dRow, int dCol)
{
    return {Range.Left + dCol, Range.Top + dRow, Range.Right + dCol, Range.Bottom + dRow};
}

void InitNamedRange(TXlsNamedRange& Range)
{
    Range = TXlsNamedRange{};
}

std::string VariantToText(const Variant& Value)
{
    return Value.AsString();
}
