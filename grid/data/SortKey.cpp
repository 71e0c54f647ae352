// A cell text turned once into the value its sort style compares.
#include "grid/data/SortKey.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

bool HasLowerAscii(std::string_view Text)
{
    return std::any_of(Text.begin(), Text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The text itself, or its upper-cased copy in Owned when there is anything
// to upper-case.
std::string_view TextKey(std::string_view Text, bool IgnoreCase, std::string& Owned)
{
    if (!IgnoreCase || !HasLowerAscii(Text)) return Text;
    Owned = UpperCase(Text);
    return Owned;
}

TSortKeyRef NumberKey(std::string_view Text, const TSortKeyOptions& Options, bool Financial)
{
    TSortKeyRef key;
    key.Rank = akNumber;
    // An empty cell counts as 0; any other text that is no number sorts
    // after every number.
    if (Text.empty()) return key;
    const bool plain = Options.Prefix.empty() && Options.Suffix.empty() && !Financial;
    if (plain && ReadPlainDecimal(Text, key.Number)) return key;
    std::string number(Text);
    CutFirst(number, Options.Suffix);
    CutFirst(number, Options.Prefix);
    if (Financial) std::erase(number, LocaleThousandSeparator());
    if (const char decimal = LocaleDecimalSeparator(); decimal != '.')
        if (const size_t at = number.find(decimal); at != std::string::npos) number[at] = '.';
    if (!ParseInvariant(number, key.Number)) {
        key.Rank = akText;
        key.Number = 0;
    }
    return key;
}

TSortKeyRef ValueKey(double Value)
{
    TSortKeyRef key;
    key.Number = Value;
    return key;
}

// A short date in the plain form first, then by the general reader.
bool ReadDateTime(std::string_view Text, double& Value)
{
    if (ReadPlainShortDate(Text, Value)) return true;
    TDateTime value = 0;
    if (!TryStrToDateTime(Text, value)) return false;
    Value = value;
    return true;
}

// The automatic style decides by the kind of each cell: numbers, then dates,
// then times, then texts, each kind in its own order.
TSortKeyRef AutomaticKey(std::string_view Text, bool IgnoreCase, std::string& Owned)
{
    TSortKeyRef key;
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
        if (ReadDateTime(Text, key.Number)) {
            key.Rank = akDate;
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
    key.Number = 0;
    key.Rank = akText;
    key.Text = TextKey(Text, IgnoreCase, Owned);
    return key;
}

// The field order of the locale short date; every cell of a sort reads
// the same format, so it is worked out again only when the format changes.
TDateOrder LocaleDateOrder(const TFormatSettings& Settings)
{
    thread_local std::string format;
    thread_local TDateOrder order = ShortDateOrder(format);
    if (format != Settings.ShortDateFormat) {
        format = Settings.ShortDateFormat;
        order = ShortDateOrder(format);
    }
    return order;
}

} // namespace

bool ReadPlainShortDate(std::string_view Text, double& Value)
{
    const TFormatSettings& settings = FormatSettings();
    const char separator = settings.DateSeparator;
    if (IsAsciiDigit(separator) || separator == ' ' || separator == '\t') return false;
    int numbers[3];
    std::size_t digits[3];
    std::size_t i = 0;
    for (int field = 0; field < 3; ++field) {
        if (field > 0 && (i >= Text.size() || Text[i++] != separator)) return false;
        int number = 0;
        std::size_t count = 0;
        for (; i < Text.size() && IsAsciiDigit(Text[i]) && count <= 4; ++i, ++count) number = number * 10 + (Text[i] - '0');
        if (count == 0 || count > 4) return false;
        numbers[field] = number;
        digits[field] = count;
    }
    if (i != Text.size()) return false;
    int year = numbers[2], month = numbers[1], day = numbers[0];
    std::size_t yearDigits = digits[2];
    switch (LocaleDateOrder(settings)) {
    case TDateOrder::DMY: break;
    case TDateOrder::MDY: std::swap(month, day); break;
    case TDateOrder::YMD:
        year = numbers[0], day = numbers[2], yearDigits = digits[0];
        break;
    }
    // Short years are placed by the century window of the general reader.
    if (yearDigits <= 2) return false;
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) return false;
    Value = date;
    return true;
}

bool ReadLocaleNumber(std::string_view Text, double& Value)
{
    return ParseInvariant(ToInvariantNumberText(Text), Value);
}

double ReadSortDateTime(std::string_view Text)
{
    double value = 0;
    return !Text.empty() && ReadDateTime(Text, value) ? value : 0;
}

double ReadSortTime(std::string_view Text)
{
    TDateTime value = 0;
    return !Text.empty() && TryStrToTime(Text, value) ? value : 0;
}

TSortKeyRef MakeSortKeyRef(TSortStyle Style, std::string_view Text, const TSortKeyOptions& Options,
                           std::string& Owned)
{
    TSortKeyRef key;
    switch (Style) {
    case ssAutomatic: key = AutomaticKey(Text, Options.IgnoreCase, Owned); break;
    case ssAlphabetic:
    case ssAlphaCase: key.Text = Text; break;
    case ssAlphaNoCase: key.Text = TextKey(Text, true, Owned); break;
    // Unicode-aware: by code point, case-folded for the case-blind style.
    case ssAnsiAlphaCase: key.Text = Text; break;
    case ssAnsiAlphaNoCase:
        Owned = AnsiLowerCase(Text);
        key.Text = Owned;
        break;
    case ssNumeric: key = NumberKey(Text, Options, false); break;
    case ssFinancial: key = NumberKey(Text, Options, true); break;
    case ssDate:
    case ssDateTime: key = ValueKey(ReadSortDateTime(Text)); break;
    case ssTime: key = ValueKey(ReadSortTime(Text)); break;
    case ssShortDateEU: key = ValueKey(ParseDMYShortDate(Text)); break;
    case ssShortDateUS: key = ValueKey(ParseMDYShortDate(Text)); break;
    case ssHTML:
        Owned = StripHTMLMarkup(Text);
        key.Text = Owned;
        break;
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase: {
        // Numbers by value before texts; the texts in their own order.
        if (IsLocaleNumber(Text, key.Number)) {
            key.Rank = akNumber;
        } else {
            key.Number = 0;
            key.Rank = akText;
            key.Text = TextKey(Text, Style == ssAlphaNumericNoCase, Owned);
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

TSortKey MakeSortKey(TSortStyle Style, std::string_view Text, const TSortKeyOptions& Options)
{
    std::string owned;
    const TSortKeyRef key = MakeSortKeyRef(Style, Text, Options, owned);
    return {key.Rank, key.Number, std::string(key.Text), key.Blank};
}

int CompareSortKeys(const TSortKeyRef& A, const TSortKeyRef& B) noexcept
{
    if (A.Rank != B.Rank) return A.Rank < B.Rank ? -1 : 1;
    if (A.Number != B.Number) return A.Number < B.Number ? -1 : 1;
    const int c = A.Text.compare(B.Text);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace grid
