// A cell text turned once into the value its sort style compares.
#include "grid/data/SortKey.h"

#include <charconv>
#include <cmath>

#include "grid/base/QuillUtilDates.h"
#include "grid/base/QuillUtilParse.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLUtils.h"

namespace grid {

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Most texts are plainly no number: an ASCII character that no number form
// allows settles it without the full classification.
bool CannotBeNumber(std::string_view Text)
{
    const char thousand = LocaleThousandSeparator();
    const char decimal = LocaleDecimalSeparator();
    for (char c : Text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
        if (!IsAsciiDigit(c) && c != '-' && c != '+' && c != 'e' && c != 'E' && c != thousand && c != decimal)
            return true;
    }
    return false;
}

bool ParseInvariant(const std::string& Text, double& Value)
{
    return TryStrToFloat(Text, Value, InvariantFormatSettings()) && std::isfinite(Value);
}

void CutFirst(std::string& Text, std::string_view Part)
{
    if (Part.empty()) return;
    if (const size_t at = Text.find(Part); at != std::string::npos) Text.erase(at, Part.size());
}

// A separator standing at the second or third character, not last, with
// digits on both sides: the shape of a short date or a time.
enum class TSeparatorPlace { Absent, WellPlaced, WellPlacedNoDigits, Elsewhere };

TSeparatorPlace PlaceOf(char Separator, std::string_view Text)
{
    const size_t at = Text.find(Separator);
    if (at == std::string_view::npos) return TSeparatorPlace::Absent;
    if ((at != 1 && at != 2) || at + 1 == Text.size()) return TSeparatorPlace::Elsewhere;
    return IsAsciiDigit(Text[at - 1]) && IsAsciiDigit(Text[at + 1]) ? TSeparatorPlace::WellPlaced
                                                                     : TSeparatorPlace::WellPlacedNoDigits;
}

// A number by the locale rules (integer, decimal or scientific) and its value.
bool IsLocaleNumber(std::string_view Text, double& Value)
{
    if (ReadPlainDecimal(Text, Value)) return true;
    return !Text.empty() && !CannotBeNumber(Text) && ClassifyNumberText(Text) != ntkNotANumber &&
           ReadLocaleNumber(Text, Value);
}

TSortKey TextKey(std::string_view Text, bool IgnoreCase)
{
    TSortKey key;
    key.Text = IgnoreCase ? UpperCase(Text) : std::string(Text);
    return key;
}

TSortKey NumberKey(std::string_view Text, const TSortKeyOptions& Options, bool Financial)
{
    std::string number(Text);
    CutFirst(number, Options.Suffix);
    CutFirst(number, Options.Prefix);
    if (Financial) std::erase(number, LocaleThousandSeparator());
    if (const char decimal = LocaleDecimalSeparator(); decimal != '.')
        if (const size_t at = number.find(decimal); at != std::string::npos) number[at] = '.';
    TSortKey key;
    key.Rank = akNumber;
    // An empty cell counts as 0; any other text that is no number sorts
    // after every number.
    if (!Text.empty() && !ParseInvariant(number, key.Number)) {
        key.Rank = akText;
        key.Number = 0;
    }
    return key;
}

TSortKey ValueKey(double Value)
{
    TSortKey key;
    key.Number = Value;
    return key;
}

// The automatic style decides by the kind of each cell: numbers, then dates,
// then times, then texts, each kind in its own order.
TSortKey AutomaticKey(std::string_view Text, bool IgnoreCase)
{
    TSortKey key;
    if (Text.empty()) {
        key.Rank = akBlank;
        return key;
    }
    if (IsLocaleNumber(Text, key.Number)) {
        key.Rank = akNumber;
        return key;
    }
    switch (PlaceOf(LocaleDateSeparator(), Text)) {
    case TSeparatorPlace::WellPlaced:
        if (TDateTime value; TryStrToDateTime(Text, value)) {
            key.Rank = akDate;
            key.Number = value;
            return key;
        }
        break;
    case TSeparatorPlace::Absent:
    case TSeparatorPlace::Elsewhere:
        if (PlaceOf(LocaleTimeSeparator(), Text) == TSeparatorPlace::WellPlaced)
            if (TDateTime value; TryStrToTime(Text, value)) {
                key.Rank = akTime;
                key.Number = value;
                return key;
            }
        break;
    case TSeparatorPlace::WellPlacedNoDigits: break;
    }
    key = TextKey(Text, IgnoreCase);
    key.Rank = akText;
    return key;
}

} // namespace

bool ReadPlainDecimal(std::string_view Text, double& Value)
{
    if (LocaleDecimalSeparator() != '.' || Text.empty()) return false;
    std::size_t i = Text[0] == '-' ? 1 : 0;
    const std::size_t digits = i;
    while (i < Text.size() && IsAsciiDigit(Text[i])) ++i;
    if (i == digits) return false;
    if (i < Text.size() && Text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < Text.size() && IsAsciiDigit(Text[i])) ++i;
        if (i == fraction) return false;
    }
    if (i != Text.size()) return false;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return error == std::errc() && end == Text.data() + Text.size();
}

bool ReadLocaleNumber(std::string_view Text, double& Value)
{
    return ParseInvariant(ToInvariantNumberText(Text), Value);
}

double ReadSortDateTime(std::string_view Text)
{
    TDateTime value = 0;
    if (Text.empty()) return 0;
    return TryStrToDateTime(Text, value) ? value : 0;
}

double ReadSortTime(std::string_view Text)
{
    TDateTime value = 0;
    return !Text.empty() && TryStrToTime(Text, value) ? value : 0;
}

TSortKey MakeSortKey(TSortStyle Style, std::string_view Text, const TSortKeyOptions& Options)
{
    TSortKey key;
    switch (Style) {
    case ssAutomatic: key = AutomaticKey(Text, Options.IgnoreCase); break;
    case ssAlphabetic:
    case ssAlphaCase: key = TextKey(Text, false); break;
    case ssAlphaNoCase: key = TextKey(Text, true); break;
    // Unicode-aware: by code point, case-folded for the case-blind style.
    case ssAnsiAlphaCase: key.Text = std::string(Text); break;
    case ssAnsiAlphaNoCase: key.Text = AnsiLowerCase(Text); break;
    case ssNumeric: key = NumberKey(Text, Options, false); break;
    case ssFinancial: key = NumberKey(Text, Options, true); break;
    case ssDate:
    case ssDateTime: key = ValueKey(ReadSortDateTime(Text)); break;
    case ssTime: key = ValueKey(ReadSortTime(Text)); break;
    case ssShortDateEU: key = ValueKey(ParseDMYShortDate(Text)); break;
    case ssShortDateUS: key = ValueKey(ParseMDYShortDate(Text)); break;
    case ssHTML: key.Text = StripHTMLMarkup(Text); break;
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase: {
        // Numbers by value before texts; the texts in their own order.
        double value = 0;
        if (IsLocaleNumber(Text, value)) {
            key.Rank = akNumber;
            key.Number = value;
        } else {
            key = TextKey(Text, Style == ssAlphaNumericNoCase);
            key.Rank = akText;
        }
        break;
    }
    case ssCustom:
    case ssRaw:
    case ssImages:
    case ssCheckBox: break;
    }
    key.Blank = Text.empty();
    return key;
}

int CompareSortKeys(const TSortKeyRef& A, const TSortKeyRef& B) noexcept
{
    if (A.Rank != B.Rank) return A.Rank < B.Rank ? -1 : 1;
    if (A.Number != B.Number) return A.Number < B.Number ? -1 : 1;
    const int c = A.Text.compare(B.Text);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace grid
