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

bool ReadComparableNumber(std::string_view text, double& value)
{
    TDateTime date = 0;
    return ReadPlainNumber(ToInvariantNumberText(text), value) && !ParseLocaleDateTime(text, date);
}

// Orders Value against Operand: as numbers when both are numbers, else as dates when
// both are dates, else by character codes.
int CompareOperand(std::string_view value, std::string_view operand)
{
    double valueNumber = 0;
    double operandNumber = 0;
    if (ReadComparableNumber(value, valueNumber) && ReadComparableNumber(operand, operandNumber))
        return (valueNumber > operandNumber) - (valueNumber < operandNumber);
    TDateTime valueDate = 0;
    TDateTime operandDate = 0;
    if (ParseLocaleDateTime(value, valueDate) && ParseLocaleDateTime(operand, operandDate))
        return (valueDate > operandDate) - (valueDate < operandDate);
    const int order = FirstChars(value, OperandLimit).compare(FirstChars(operand, OperandLimit));
    return (order > 0) - (order < 0);
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

// "*" (a run counts as one) matches any run of characters, "?" any one character; "!"
// anywhere negates the whole match and double quotes are passed over. Backtracks only
// to the last "*", so the work stays bounded by the product of the lengths.
bool MatchWildcards(std::string_view term, std::string_view value)
{
    bool negate = false;
    std::string pattern;
    pattern.reserve(term.size());
    for (char c : term) {
        if (c == '!')
            negate = true;
        else if (c != '"')
            pattern += c;
    }
    size_t p = 0;
    size_t v = 0;
    size_t starPattern = std::string::npos;
    size_t starValue = 0;
    bool matched = true;
    while (v < value.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            while (p < pattern.size() && pattern[p] == '*')
                ++p;
            starPattern = p;
            starValue = v;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            v = rtl::Utf8Next(value, v);
        } else if (p < pattern.size() && pattern[p] == value[v]) {
            ++p;
            ++v;
        } else if (starPattern != std::string::npos) {
            starValue = rtl::Utf8Next(value, starValue);
            v = starValue;
            p = starPattern;
        } else {
            matched = false;
            break;
        }
    }
    while (matched && p < pattern.size() && pattern[p] == '*')
        ++p;
    matched = matched && p == pattern.size();
    return matched != negate;
}

// The locale's upper case. Plain ASCII text takes the ASCII rule, which gives the same
// result everywhere but in Turkic locales and is many times quicker.
std::string LocaleUpperCase(std::string_view text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? UpperCase(text) : AnsiUpperCase(text);
}

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

// Evaluates left to right, without recursion: entering a group saves the enclosing
// result and operator on a stack, so nesting depth costs memory only.
bool EvaluateExpression(std::string_view condition, std::string_view value, bool caseSensitive)
{
    struct Enclosing {
        bool accumulated;
        char pending;
        std::string_view rest;
    };
    std::vector<Enclosing> groups;
    std::vector<size_t> closing;
    bool accumulated = true;
    char pending = 0;
    const auto join = [&](bool result) {
        switch (pending) {
        case '&':
            accumulated = accumulated && result;
            break;
        case ';':
        case '^':
        case '|':
            accumulated = accumulated || result;
            break;
        case '(':
            // The empty term between ")" and the next operator is passed over.
            break;
        default:
            accumulated = result;
        }
    };
    std::string_view text = condition;
    while (true) {
        int position = -1;
        const char found = FindUnquotedOperator("(;^&|", text, position);
        if (found == 0) {
            join(MatchFilterTerm(text, value, caseSensitive));
            if (groups.empty())
                return accumulated;
            const bool groupResult = accumulated;
            accumulated = groups.back().accumulated;
            pending = groups.back().pending;
            text = groups.back().rest;
            groups.pop_back();
            join(groupResult);
            pending = '(';
        } else if (text.front() == '(') {
            if (closing.empty())
                closing = MatchParentheses(condition);
            const size_t start = static_cast<size_t>(text.data() - condition.data());
            const size_t close = closing[start];
            // A group that no ")" closes runs to the end of the enclosing text.
            const size_t innerLength =
                (close == std::string_view::npos || close - start >= text.size()) ? text.size() - 1 : close - start - 1;
            groups.push_back({accumulated, pending, text.substr(std::min(text.size(), innerLength + 2))});
            text = text.substr(1, innerLength);
            accumulated = true;
            pending = 0;
        } else {
            join(MatchFilterTerm(text.substr(0, static_cast<size_t>(position)), value, caseSensitive));
            text.remove_prefix(static_cast<size_t>(position) + 1);
            pending = found;
        }
    }
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

bool MatchConditionText(std::string_view Term, std::string_view Value)
{
    const size_t greaterSign = Term.find('>');
    const size_t lessSign = Term.find('<');
    bool greaterPresent = greaterSign != std::string_view::npos;
    bool lessPresent = lessSign != std::string_view::npos;
    bool greater = true;
    bool less = true;
    if (greaterPresent) {
        bool orEqual = false;
        const std::string operand = CollectOperand(Term, greaterSign, SpaceRule::SingleSpaceInQuotes, orEqual);
        const int order = CompareOperand(Value, operand);
        greater = orEqual ? order >= 0 : order > 0;
    }
    if (lessPresent) {
        bool orEqual = false;
        const std::string operand = CollectOperand(Term, lessSign, SpaceRule::AnySpaceEnds, orEqual);
        const int order = CompareOperand(Value, operand);
        less = orEqual ? order <= 0 : order < 0;
    }
    const bool hasGreater = greaterPresent;
    const bool hasLess = lessPresent;
    if (Contains(Term, '!')) {
        greaterPresent = true;
        lessPresent = true;
    }
    if (Contains(Term, '^') && (greaterPresent || lessPresent))
        return greater || less;
    if (Contains(Term, '&') && greaterPresent && lessPresent)
        return greater && less;
    if ((hasGreater && greater) || (hasLess && less))
        return true;
    return MatchWildcards(Term, Value);
}

bool MatchFilterTerm(std::string_view Term, std::string_view Value, bool CaseSensitive)
{
    if (CaseSensitive)
        return MatchConditionText(Term, Value);
    return MatchConditionText(LocaleUpperCase(Term), LocaleUpperCase(Value));
}

bool MatchFilterExpr(std::string_view Condition, std::string_view Value, bool CaseSensitive)
{
    std::string condition = RemoveUnquotedSpaces(Trim(Condition));
    std::string_view text = condition;
    if (text.starts_with('='))
        text.remove_prefix(1);
    return EvaluateExpression(text, Value, CaseSensitive);
}
