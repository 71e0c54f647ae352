// The filter condition language: wildcards, comparisons and their combination, used by
// the grid's filter, its wildcard search and the spreadsheet's COUNTIF family.
#include "grid/base/FilterMatch.h"

#include "grid/base/QuillUtilDates.h"
#include "grid/base/QuillUtilParse.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

// A comparison operand keeps at most this many characters, and texts are compared over
// at most this many.
constexpr size_t OperandLimit = 255;

std::string_view FirstChars(std::string_view text, size_t count)
{
    return text.substr(0, rtl::Utf8ByteOffset(text, count));
}

// Optional leading spaces, an optional sign, digits with an optional "." fraction and an
// optional exponent; nothing else.
bool ReadPlainNumber(std::string_view text, double& value)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t mantissa = i;
    size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const size_t exponentDigits = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (j == exponentDigits)
            return false;
        i = j;
    }
    if (i != text.size())
        return false;
    // from_chars takes no "+", so the sign is applied here.
    const bool negative = text[start] == '-';
    const auto result = std::from_chars(text.data() + mantissa, text.data() + text.size(), value);
    if (result.ec != std::errc() && result.ec != std::errc::result_out_of_range)
        return false;
    if (negative)
        value = -value;
    return true;
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal ("-12", "3.25") holds at most one of each character but
// digits, and a date needs two date separators, so such a text is a number
// and never a date, unless the locale groups thousands with a character a
// plain decimal holds.
bool ReadPlainNumberText(std::string_view text, double& value)
{
    const char thousands = LocaleThousandSeparator();
    return thousands != '.' && thousands != '-' && !IsAsciiDigit(thousands) && grid::ReadPlainDecimal(text, value);
}

bool ReadComparableNumber(std::string_view text, double& value)
{
    if (ReadPlainNumberText(text, value))
        return true;
    TDateTime date = 0;
    // Most texts hold no separator to convert and are read as they stand.
    const bool invariant = text.find(LocaleThousandSeparator()) == std::string_view::npos &&
                           (LocaleDecimalSeparator() == '.' || text.find(LocaleDecimalSeparator()) == std::string_view::npos);
    const bool number = invariant ? grid::ReadPlainDecimal(text, value) || ReadPlainNumber(text, value)
                                  : ReadPlainNumber(ToInvariantNumberText(text), value);
    return number && !ParseLocaleDateTime(text, date);
}

enum class SpaceRule { SingleSpaceInQuotes, AnySpaceEnds };

// Collects the operand that follows the comparison sign at Sign; OrEqual tells whether
// "=" came right after the sign.
std::string CollectOperand(std::string_view term, size_t sign, SpaceRule spaces, bool& orEqual)
{
    size_t i = sign + 1;
    orEqual = i < term.size() && term[i] == '=';
    if (orEqual)
        ++i;
    while (i < term.size() && term[i] == ' ')
        ++i;
    std::string operand;
    bool inQuotes = false;
    for (; i < term.size(); ++i) {
        const char c = term[i];
        if (c == '"') {
            inQuotes = !inQuotes;
            if (!operand.empty())
                operand += c;
            continue;
        }
        if (c == ' ') {
            if (!inQuotes || spaces == SpaceRule::AnySpaceEnds || (!operand.empty() && operand.back() == ' '))
                break;
            operand += c;
            continue;
        }
        if (!inQuotes && (c == '&' || c == '|'))
            break;
        operand += c;
    }
    if (!operand.empty() && operand.back() == '"')
        operand.pop_back();
    return std::string(FirstChars(operand, OperandLimit));
}

// Escaped characters travel through parsing as a marker byte that no UTF-8 text holds,
// followed by an ASCII capital naming the character, so that no operator search finds
// them; operands and patterns turn them back into the character.
constexpr char EscapeMarker = '\xFF';
constexpr std::string_view Escapable = "*?!<>&|;^()\"=\\ ";

std::string MarkEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t kind = i + 1 < text.size() && text[i] == '\\' ? Escapable.find(text[i + 1]) : std::string::npos;
        if (kind == std::string::npos) {
            out += text[i];
            continue;
        }
        out += EscapeMarker;
        out += static_cast<char>('A' + kind);
        ++i;
    }
    return out;
}

// The escaped character at a marker, or 0 when Text has no marker at I.
char EscapedAt(std::string_view text, size_t i)
{
    if (text[i] != EscapeMarker || i + 1 >= text.size()) return 0;
    const size_t kind = static_cast<size_t>(text[i + 1] - 'A');
    return kind < Escapable.size() ? Escapable[kind] : 0;
}

std::string UnmarkEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (const char c = EscapedAt(text, i)) {
            out += c;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The locale's upper case. Plain ASCII text takes the ASCII rule, which gives the same
// result everywhere but in Turkic locales and is many times quicker.
std::string LocaleUpperCase(std::string_view text)
{
    return IsAscii(text) ? UpperCase(text) : AnsiUpperCase(text);
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool Contains(std::string_view text, char c)
{
    return text.find(c) != std::string_view::npos;
}

// For each "(" of Text, the position of the ")" that closes it (the first at which as
// many ")" as "(" have been counted from it, as FindClosingParenthesis counts); npos for
// an unclosed one and for every other character.
std::vector<size_t> MatchParentheses(std::string_view text)
{
    std::vector<size_t> closing(text.size(), std::string_view::npos);
    std::vector<size_t> open;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')' && !open.empty()) {
            closing[open.back()] = i;
            open.pop_back();
        }
    }
    return closing;
}

using TOperand = TFilterCondition::TOperand;
using TTerm = TFilterCondition::TTerm;
using TStep = TFilterCondition::TStep;

TOperand ReadOperand(std::string_view term, size_t sign, SpaceRule spaces)
{
    TOperand operand;
    operand.Present = true;
    operand.Text = std::string(FirstChars(UnmarkEscapes(CollectOperand(term, sign, spaces, operand.OrEqual)), OperandLimit));
    operand.IsNumber = ReadComparableNumber(operand.Text, operand.Number);
    TDateTime date = 0;
    operand.IsDate = ParseLocaleDateTime(operand.Text, date);
    operand.Date = date;
    return operand;
}

// "*" (a run counts as one) matches any run of characters, "?" any one character; "!"
// anywhere negates the whole match and double quotes are passed over.
TTerm CompileTerm(std::string_view term)
{
    TTerm compiled;
    if (const size_t sign = term.find('>'); sign != std::string_view::npos)
        compiled.Greater = ReadOperand(term, sign, SpaceRule::SingleSpaceInQuotes);
    if (const size_t sign = term.find('<'); sign != std::string_view::npos)
        compiled.Less = ReadOperand(term, sign, SpaceRule::AnySpaceEnds);
    compiled.Bang = Contains(term, '!');
    compiled.Caret = Contains(term, '^');
    compiled.Ampersand = Contains(term, '&');
    for (size_t i = 0; i < term.size(); ++i) {
        if (const char escaped = EscapedAt(term, i)) {
            compiled.Pattern += escaped;
            compiled.Literal.push_back(true);
            ++i;
        } else if (term[i] == '!') {
            compiled.Negate = true;
        } else if (term[i] != '"') {
            compiled.Pattern += term[i];
            compiled.Literal.push_back(false);
        }
    }
    // The pattern keeps the comparison sign, which no number holds, so a
    // number passes such a term by its comparisons alone.
    const auto numberOrAbsent = [](const TOperand& operand) { return !operand.Present || operand.IsNumber; };
    compiled.NumbersOnly = (compiled.Greater.Present || compiled.Less.Present) && numberOrAbsent(compiled.Greater) &&
                           numberOrAbsent(compiled.Less) && !compiled.Bang && !compiled.Caret && !compiled.Ampersand &&
                           !compiled.Negate;
    return compiled;
}

bool PassesComparison(double value, const TOperand& operand, bool greater)
{
    if (!operand.Present)
        return false;
    if (greater)
        return operand.OrEqual ? value >= operand.Number : value > operand.Number;
    return operand.OrEqual ? value <= operand.Number : value < operand.Number;
}

// A NumbersOnly term on a number, as MatchTerm decides it.
bool MatchNumberTerm(const TTerm& term, double value)
{
    return PassesComparison(value, term.Greater, true) || PassesComparison(value, term.Less, false);
}

// A value with the readings the terms ask of it, each made at most once.
class TValueReadings {
public:
    TValueReadings(std::string_view value, bool caseSensitive) : FRaw(value), FCaseSensitive(caseSensitive) {}

    // The value in the case it is compared in.
    std::string_view Cased()
    {
        if (FCaseSensitive) return FRaw;
        if (!FCasedMade) {
            FCased = LocaleUpperCase(FRaw);
            FCasedMade = true;
        }
        return FCased;
    }
    // Upper-casing leaves a number's reading alone, so the raw value serves.
    bool Number(double& value)
    {
        if (FNumberState == 0) FNumberState = ReadComparableNumber(FRaw, FNumber) ? 1 : 2;
        value = FNumber;
        return FNumberState == 1;
    }
    bool Date(double& value)
    {
        if (FDateState == 0) {
            TDateTime date = 0;
            FDateState = ParseLocaleDateTime(Cased(), date) ? 1 : 2;
            FDate = date;
        }
        value = FDate;
        return FDateState == 1;
    }
    // Wildcards compare plain ASCII text by folding each character as they go.
    bool AsciiFold()
    {
        if (FAsciiFoldState == 0) FAsciiFoldState = !FCaseSensitive && IsAscii(FRaw) ? 1 : 2;
        return FAsciiFoldState == 1;
    }
    std::string_view Raw() const { return FRaw; }

private:
    std::string_view FRaw;
    bool FCaseSensitive;
    int FAsciiFoldState = 0;
    bool FCasedMade = false;
    std::string FCased;
    int FNumberState = 0;
    double FNumber = 0;
    int FDateState = 0;
    double FDate = 0;
};

// Orders the value against an operand: as numbers when both are numbers, else as dates
// when both are dates, else by character codes.
int CompareOperand(TValueReadings& value, const TOperand& operand)
{
    double valueNumber = 0;
    if (operand.IsNumber && value.Number(valueNumber))
        return (valueNumber > operand.Number) - (valueNumber < operand.Number);
    double valueDate = 0;
    if (operand.IsDate && value.Date(valueDate))
        return (valueDate > operand.Date) - (valueDate < operand.Date);
    const int order = FirstChars(value.Cased(), OperandLimit).compare(operand.Text);
    return (order > 0) - (order < 0);
}

// Backtracks only to the last "*", so the work stays bounded by the product of the
// lengths.
template <typename Fold, typename Next>
bool MatchPattern(const TTerm& term, std::string_view value, Fold fold, Next next)
{
    const std::string& pattern = term.Pattern;
    const auto wild = [&](size_t p, char c) { return pattern[p] == c && !term.Literal[p]; };
    size_t p = 0;
    size_t v = 0;
    size_t starPattern = std::string::npos;
    size_t starValue = 0;
    bool matched = true;
    while (v < value.size()) {
        if (p < pattern.size() && wild(p, '*')) {
            while (p < pattern.size() && wild(p, '*'))
                ++p;
            starPattern = p;
            starValue = v;
        } else if (p < pattern.size() && wild(p, '?')) {
            ++p;
            v = next(value, v);
        } else if (p < pattern.size() && pattern[p] == fold(value[v])) {
            ++p;
            ++v;
        } else if (starPattern != std::string::npos) {
            starValue = next(value, starValue);
            v = starValue;
            p = starPattern;
        } else {
            matched = false;
            break;
        }
    }
    while (matched && p < pattern.size() && wild(p, '*'))
        ++p;
    matched = matched && p == pattern.size();
    return matched != term.Negate;
}

bool MatchTerm(const TTerm& term, TValueReadings& value)
{
    bool greaterPresent = term.Greater.Present;
    bool lessPresent = term.Less.Present;
    bool greater = true;
    bool less = true;
    if (greaterPresent) {
        const int order = CompareOperand(value, term.Greater);
        greater = term.Greater.OrEqual ? order >= 0 : order > 0;
    }
    if (lessPresent) {
        const int order = CompareOperand(value, term.Less);
        less = term.Less.OrEqual ? order <= 0 : order < 0;
    }
    const bool hasGreater = greaterPresent;
    const bool hasLess = lessPresent;
    if (term.Bang) {
        greaterPresent = true;
        lessPresent = true;
    }
    if (term.Caret && (greaterPresent || lessPresent))
        return greater || less;
    if (term.Ampersand && greaterPresent && lessPresent)
        return greater && less;
    if ((hasGreater && greater) || (hasLess && less))
        return true;
    if (value.AsciiFold())
        return MatchPattern(term, value.Raw(), AsciiUpper, [](std::string_view, size_t i) { return i + 1; });
    return MatchPattern(term, value.Cased(), [](char c) { return c; }, rtl::Utf8Next);
}

// The condition's text as the evaluation reads it: escapes marked, trimmed, spaces
// outside quotes dropped and a leading "=" passed over.
std::string PrepareCondition(std::string_view condition)
{
    std::string text = RemoveUnquotedSpaces(Trim(MarkEscapes(condition)));
    if (text.starts_with('='))
        text.erase(0, 1);
    return text;
}

} // namespace

std::string RemoveUnquotedSpaces(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    bool inQuotes = false;
    for (char c : Text) {
        if (c == '"')
            inQuotes = !inQuotes;
        if (c != ' ' || inQuotes)
            out += c;
    }
    return out;
}

char FindUnquotedOperator(std::string_view Operators, std::string_view Text, int& Position)
{
    bool inQuotes = false;
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '"')
            inQuotes = !inQuotes;
        else if (!inQuotes && Contains(Operators, c)) {
            Position = static_cast<int>(i);
            return c;
        }
    }
    Position = -1;
    return 0;
}

size_t FindClosingParenthesis(std::string_view Text)
{
    size_t open = 0;
    size_t close = 0;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '(')
            ++open;
        else if (Text[i] == ')' && ++close == open)
            return i + 1;
    }
    return 0;
}

// Reads the condition left to right, without recursion, into steps: entering a group
// records the operator that will join the group's result, so nesting depth costs memory
// only. Terms joined by the "(" of a group just closed are passed over, as the empty
// term between ")" and the next operator is.
TFilterCondition::TFilterCondition(std::string_view Condition, bool CaseSensitive) : FCaseSensitive(CaseSensitive)
{
    const std::string condition = PrepareCondition(Condition);
    struct Enclosing {
        char pending;
        std::string_view rest;
    };
    std::vector<Enclosing> groups;
    std::vector<size_t> closing;
    char pending = 0;
    const auto addTerm = [&](std::string_view term) {
        if (pending == '(') return;
        FTerms.push_back(CompileTerm(CaseSensitive ? std::string(term) : LocaleUpperCase(term)));
        FSteps.push_back({TStep::skTerm, pending, static_cast<int>(FTerms.size()) - 1});
    };
    std::string_view text = condition;
    while (true) {
        int position = -1;
        const char found = FindUnquotedOperator("(;^&|", text, position);
        if (found == 0) {
            addTerm(text);
            if (groups.empty()) {
                FNumbersOnly = !FTerms.empty() &&
                               std::all_of(FTerms.begin(), FTerms.end(), [](const TTerm& term) { return term.NumbersOnly; });
                return;
            }
            FSteps.push_back({TStep::skClose, groups.back().pending, -1});
            text = groups.back().rest;
            groups.pop_back();
            pending = '(';
        } else if (text.front() == '(') {
            if (closing.empty())
                closing = MatchParentheses(condition);
            const size_t start = static_cast<size_t>(text.data() - condition.data());
            const size_t close = closing[start];
            // A group that no ")" closes runs to the end of the enclosing text.
            const size_t innerLength =
                (close == std::string_view::npos || close - start >= text.size()) ? text.size() - 1 : close - start - 1;
            groups.push_back({pending, text.substr(std::min(text.size(), innerLength + 2))});
            FSteps.push_back({TStep::skOpen, 0, -1});
            text = text.substr(1, innerLength);
            pending = 0;
        } else {
            addTerm(text.substr(0, static_cast<size_t>(position)));
            text.remove_prefix(static_cast<size_t>(position) + 1);
            pending = found;
        }
    }
}

template <typename MatchTermAt>
bool TFilterCondition::RunSteps(MatchTermAt matchTerm) const
{
    std::vector<bool> enclosing;
    bool accumulated = true;
    const auto join = [&](char op, bool result) {
        switch (op) {
        case '&':
            accumulated = accumulated && result;
            break;
        case ';':
        case '^':
        case '|':
            accumulated = accumulated || result;
            break;
        default:
            accumulated = result;
        }
    };
    for (const TStep& step : FSteps) {
        switch (step.Kind) {
        case TStep::skTerm:
            join(step.Join, matchTerm(FTerms[static_cast<size_t>(step.Term)]));
            break;
        case TStep::skOpen:
            enclosing.push_back(accumulated);
            accumulated = true;
            break;
        case TStep::skClose: {
            const bool groupResult = accumulated;
            accumulated = enclosing.back();
            enclosing.pop_back();
            join(step.Join, groupResult);
            break;
        }
        }
    }
    return accumulated;
}

bool TFilterCondition::Matches(std::string_view Value) const
{
    // Number ranges on plain decimals: read the value once, compare numbers.
    double number = 0;
    if (FNumbersOnly && ReadPlainNumberText(Value, number))
        return RunSteps([number](const TTerm& term) { return MatchNumberTerm(term, number); });
    TValueReadings value(Value, FCaseSensitive);
    return RunSteps([&value](const TTerm& term) { return MatchTerm(term, value); });
}

std::string EscapeFilterText(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size() + 8);
    for (char c : Text) {
        if (Escapable.find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
    return out;
}

bool MatchConditionText(std::string_view Term, std::string_view Value)
{
    TValueReadings value(Value, true);
    return MatchTerm(CompileTerm(MarkEscapes(Term)), value);
}

bool MatchFilterTerm(std::string_view Term, std::string_view Value, bool CaseSensitive)
{
    TValueReadings value(Value, CaseSensitive);
    const std::string term = MarkEscapes(Term);
    return MatchTerm(CompileTerm(CaseSensitive ? term : LocaleUpperCase(term)), value);
}

bool MatchFilterExpr(std::string_view Condition, std::string_view Value, bool CaseSensitive)
{
    return TFilterCondition(Condition, CaseSensitive).Matches(Value);
}
