// Typed-in text becomes the value it reads as: a number (with percent,
// currency, exponent and thousands), a Boolean, a date or time, else text.
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUXlsXF.h"

#include <algorithm>
#include <cctype>

using namespace xlsAdapter;

namespace {

struct TMarkers {
    bool HasExponent = false;
    bool IsPercent = false;
    bool IsCurrency = false;
};

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

TMarkers StripPercentAndCurrency(std::string& w, const TFormatSettings& settings)
{
    TMarkers m;
    const std::string lower = [&] {
        std::string l = w;
        for (char& c : l)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return l;
    }();
    m.HasExponent = lower.find('e', 1) != std::string::npos;
    const std::string& c = settings.CurrencyString;
    if (!w.empty() && w.front() == '%') {
        w.erase(0, 1);
        m.IsPercent = true;
    } else if (w.size() > 1 && w.back() == '%') {
        w.pop_back();
        m.IsPercent = true;
    } else if (!c.empty() && w.starts_with(c)) {
        w.erase(0, c.size());
        m.IsCurrency = true;
    } else if (!c.empty() && w.size() >= c.size() && w.ends_with(c)) {
        w.erase(w.size() - c.size());
        m.IsCurrency = true;
    }
    return m;
}

// Removes thousand separators when they stand only between groups of three
// digits of the integer part; otherwise the text is left as it is.
void StripThousandSeparators(std::string& w, const TFormatSettings& settings)
{
    const char sep = settings.ThousandSeparator;
    const std::size_t decimal = w.find(settings.DecimalSeparator);
    const std::string_view integer = std::string_view(w).substr(0, decimal);
    if (w.empty() || w.front() == sep)
        return;
    if (decimal != std::string::npos && w.find(sep, decimal) != std::string::npos)
        return;
    if (integer.find(sep) == std::string_view::npos)
        return;
    for (std::size_t fromEnd = 1; fromEnd <= integer.size(); ++fromEnd) {
        const char ch = integer[integer.size() - fromEnd];
        const bool groupPosition = fromEnd % 4 == 0;
        if (groupPosition && ch != sep && ch != '-')
            return;
        // A separator anywhere else ("1,5") is not a thousands mark.
        if (!groupPosition && ch == sep)
            return;
    }
    std::erase(w, sep);
}

std::string CurrencyFormat(const TFormatSettings& s, bool hasDecimals)
{
    const std::string c = s.CurrencyString;
    std::string n = "###,###";
    if (hasDecimals && s.CurrencyDecimals > 0)
        n += "." + std::string(static_cast<std::size_t>(s.CurrencyDecimals), '0');
    std::string p;
    switch (s.CurrencyFormat) {
    case 1: p = n + c; break;
    case 2: p = c + "\\ " + n; break;
    case 3: p = n + "\\ " + c; break;
    default: p = c + n; break;
    }
    const std::string negatives[16] = {
        "_);[Red]\\(" + c + n + "\\)",        ";[Red]-" + c + n,          ";[Red]" + c + "-" + n,
        ";[Red]" + c + n + "-",               "_);[Red]\\(" + n + c + "\\)", ";[Red]-" + n + c,
        ";[Red]" + n + "-" + c,               ";[Red]" + n + c + "-",     ";[Red]-" + n + "\\ " + c,
        ";[Red]-" + c + "\\ " + n,            ";[Red]" + n + "\\ " + c + "-", ";[Red]" + c + "\\ " + n + "-",
        ";[Red]" + c + "\\ -" + n,            ";[Red]" + n + "-\\ " + c,  "_);[Red]\\(" + c + "\\ " + n + "\\)",
        "_);[Red]\\(" + n + "\\ " + c + "\\)",
    };
    const int neg = s.NegCurrFormat >= 0 && s.NegCurrFormat < 16 ? s.NegCurrFormat : 0;
    return p + negatives[neg];
}

} // namespace

TVyxFormat TXLSFile::FormatForTyped(int aRow, int aCol, const TVyxFormat* Fm)
{
    return Fm ? *Fm : GetFormatList(GetCellFormat(aRow, aCol));
}

void TXLSFile::SetCellString(int aRow, int aCol, std::string_view Text, std::string_view DateFormat,
                             std::string_view TimeFormat)
{
    SetCellStringCore(aRow, aCol, Text, nullptr, DateFormat, TimeFormat);
}

void TXLSFile::SetCellString(int aRow, int aCol, std::string_view Text, const TVyxFormat& Fm,
                             std::string_view DateFormat, std::string_view TimeFormat)
{
    SetCellStringCore(aRow, aCol, Text, &Fm, DateFormat, TimeFormat);
}

void TXLSFile::SetCellStringCore(int aRow, int aCol, std::string_view Text, const TVyxFormat* Fm,
                                 std::string_view DateFormat, std::string_view TimeFormat)
{
    const TFormatSettings& locale = LocaleFormatSettings();
    const std::string t = Trim(Text);
    std::string w = t;
    const TMarkers markers = StripPercentAndCurrency(w, locale);
    StripThousandSeparators(w, locale);

    // The number is read with the locale's decimal separator, the one whose
    // thousands mark was just removed.
    TFormatSettings numberSettings = FormatSettings();
    numberSettings.DecimalSeparator = locale.DecimalSeparator;
    numberSettings.ThousandSeparator = locale.ThousandSeparator;
    double number = 0;
    if (!w.empty() && TryStrToFloat(w, number, numberSettings)) {
        try {
            if (markers.IsPercent)
                number /= 100;
            TVyxFormat f = FormatForTyped(aRow, aCol, Fm);
            const bool hasDecimals = w.find(locale.DecimalSeparator, 1) != std::string::npos;
            if (markers.HasExponent)
                f.Format = BuiltInFormat(11);
            else if (markers.IsPercent)
                f.Format = BuiltInFormat(hasDecimals ? 10 : 9);
            else if (markers.IsCurrency)
                f.Format = CurrencyFormat(locale, hasDecimals);
            SetCellValueX(aRow, aCol, TXlsCellValue{Variant(number), AddFormat(f), false});
            return;
        } catch (const EExcelException&) {
            // Goes on as text that is not a number.
        }
    }

    const std::string upper = Upper(t);
    if (upper == msg::TrueText || upper == msg::FalseText) {
        const Variant value(upper == msg::TrueText);
        if (Fm)
            SetCellValueX(aRow, aCol, TXlsCellValue{value, AddFormat(*Fm), false});
        else
            SetCellValue(aRow, aCol, value);
        return;
    }

    double serial = 0;
    std::string format;
    bool hasTime = false;
    bool hasDate = false;
    if (!t.empty() && TryTextToDateTime(t, serial, format, &locale, TimeFormat, DateFormat, hasTime, hasDate)) {
        TVyxFormat f = FormatForTyped(aRow, aCol, Fm);
        f.Format = format;
        SetCellValueX(aRow, aCol, TXlsCellValue{Variant::FromDate(serial), AddFormat(f), false});
        return;
    }

    const Variant text{std::string(Text)};
    if (Fm)
        SetCellValueX(aRow, aCol, TXlsCellValue{text, AddFormat(*Fm), false});
    else
        SetCellValue(aRow, aCol, text);
}
