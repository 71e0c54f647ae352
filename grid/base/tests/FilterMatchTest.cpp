// The filter condition language.
#include "grid/base/FilterMatch.h"

#include "grid/base/tests/LocaleScope.h"
#include "grid/base/tests/PythonPeer.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using grid::test::LocaleScope;

namespace {

struct Case {
    const char* condition;
    const char* value;
    bool caseSensitive;
    bool matches;
};

void ExpectAll(std::initializer_list<Case> cases, bool (*match)(std::string_view, std::string_view, bool))
{
    for (const auto& c : cases)
        EXPECT_EQ(match(c.condition, c.value, c.caseSensitive), c.matches)
            << '"' << c.condition << "\" on \"" << c.value << "\" case " << c.caseSensitive;
}

} // namespace

TEST(FilterMatch, Wildcards)
{
    ExpectAll({{"abc*", "ABCDEF", false, true},
               {"abc*", "ABCDEF", true, false},
               {"!abc", "abd", true, true},
               {"!abc", "abc", true, false},
               {"a?c", "abc", true, true},
               {"a?c", "ac", true, false},
               {"a?c", "aéc", true, true},
               {"é*", "ÉCOLE", false, true},
               {"é*", "ÉCOLE", true, false},
               {"a*a", "a", true, false},
               {"a**b", "ab", true, true},
               {"*", "", true, true},
               {"*ab*", "xxabyy", true, true},
               {"*ab*", "xxaxby", true, false},
               {"\"a\"", "a", true, true},
               {"", "", true, true},
               {"", "x", true, false}},
              MatchFilterTerm);
}

TEST(FilterMatch, WildcardsAgreeWithPythonFnmatch)
{
    std::mt19937 random(20111231);
    const auto randomText = [&](std::string_view alphabet, int maxLength) {
        std::string text(std::uniform_int_distribution<int>(0, maxLength)(random), ' ');
        for (char& c : text)
            c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        return text;
    };
    std::string pairs;
    std::string ours;
    for (int i = 0; i < 400; ++i) {
        const std::string pattern = randomText("ab*?", 6);
        const std::string value = randomText("ab", 7);
        pairs += pattern + ' ' + value + '\n';
        ours += MatchFilterTerm(pattern, value, true) ? '1' : '0';
    }
    const std::string script = R"(
import sys, fnmatch
for line in sys.stdin.read().split('\n')[:-1]:
    pattern, value = line.split(' ')
    sys.stdout.write('1' if fnmatch.fnmatchcase(value, pattern) else '0')
)";
    EXPECT_EQ(grid::test::RunPython(script, pairs), ours);
}

TEST(FilterMatch, Comparisons)
{
    const LocaleScope dayFirst('.', ',', '/', ':', "dd/mm/yyyy");
    ExpectAll({{">5", "10", false, true},
               {">5", "3", false, false},
               {">=5", "5", false, true},
               {"<5", "10", false, false},
               {"<=1e3", "1000", false, true},
               {">=5&<=10", "5", false, true},
               {">=5&<=10", "7", false, true},
               {">=5&<=10", "10", false, true},
               {">=5&<=10", "11", false, false},
               {"<3^>8", "9", false, true},
               {"<3^>8", "5", false, false},
               {">b", "c", false, true},
               {">b", "a", false, false},
               {">\"a b\"", "A C", false, true},
               {">1/1/2011", "2/1/2011", false, true},
               {">1/1/2011", "31/12/2010", false, false},
               {">1,000", "1001", false, true}},
              MatchFilterTerm);
}

TEST(FilterMatch, Expressions)
{
    const LocaleScope dayFirst('.', ',', '/', ':', "dd/mm/yyyy");
    ExpectAll({{"=abc", "abc", true, true},
               {"=abc", "abcd", true, false},
               {">=5&<=10", "7", false, true},
               {">=5&<=10", "11", false, false},
               {"(a|b)&c*", "c", true, false},
               {"(a*|b*)&*c", "abc", true, true},
               {"(a*|b*)&*c", "bc", true, true},
               {"(a*|b*)&*c", "cc", true, false},
               {"a|b&c", "a", true, false},
               {"a|", "a", true, true},
               {"a|", "", true, true},
               {"a|", "b", true, false},
               {"a b", "ab", true, true},
               {"\"a b\"", "a b", true, true},
               {"a;b", "b", true, true},
               {"a^b", "b", true, true},
               {" =x ", "x", true, true}},
              MatchFilterExpr);
}

// Conditions made only of number comparisons read plain decimals directly;
// any other value takes the general reading.
TEST(FilterMatch, NumberRanges)
{
    const LocaleScope dayFirst('.', ',', '/', ':', "dd/mm/yyyy");
    ExpectAll({{">500&<1000", "500", false, false},
               {">500&<1000", "500.01", false, true},
               {">500&<1000", "999.999", false, true},
               {">500&<1000", "1000", false, false},
               {">500&<1000", "-700", false, false},
               {">500&<1000", "0700", false, true},
               {">500&<1000", "12345678901234567890", false, false},
               {">500&<1000", "6e2", false, true},
               {">500&<1000", " 600", false, true},
               {">500&<1000", "1,000", false, false},
               {">500&<1000", "abc", false, false},
               {">=-2.5&<=-2.5", "-2.5", false, true},
               {"<0|>10", "-0.5", false, true},
               {"<0|>10", "5", false, false},
               {"(>1&<3)|>=10", "10", false, true},
               {"(>1&<3)|>=10", "3", false, false},
               {">5*", "7", false, true}},
              MatchFilterExpr);
    // With "-" between the parts of a date, a negative number is still one.
    const LocaleScope dashDates('.', ',', '-', ':', "yyyy-mm-dd");
    ExpectAll({{"<0", "-5", false, true}, {">-10&<-1", "-2.5", false, true}, {">-10&<-1", "-0.5", false, false}},
              MatchFilterExpr);
}

TEST(FilterMatch, UnbalancedAndHostileConditionsEnd)
{
    // A "(" that no ")" closes groups the rest of the condition. A "(" after a term
    // starts a group too, so "*((*" is the term "*" (callers escape user text).
    ExpectAll({{"(", "", true, true},
               {"(", "x", true, false},
               {"((a)", "a", true, true},
               {"(a|b", "b", true, true},
               {"*((*", "x((y", true, true},
               {"*((*", "xy", true, true},
               {"a)|b", "b", true, true},
               {"\"(\"", "(", true, true}},
              MatchFilterExpr);

    const std::string deep(100000, '(');
    EXPECT_FALSE(MatchFilterExpr(deep + "a", "b", true));
    EXPECT_TRUE(MatchFilterExpr(deep + "a" + std::string(100000, ')'), "a", true));
    std::string stars;
    for (int i = 0; i < 2000; ++i)
        stars += "*a";
    EXPECT_FALSE(MatchFilterTerm(stars + "b", std::string(5000, 'a'), true));
    EXPECT_TRUE(MatchFilterTerm(">" + std::string(1000, '"'), "x", true)) << "an empty operand is below any text";
}

TEST(FilterMatch, Helpers)
{
    EXPECT_EQ(RemoveUnquotedSpaces(" a \" b c\" d "), "a\" b c\"d");
    int position = 7;
    EXPECT_EQ(FindUnquotedOperator("&|", "\"a&b\"|c", position), '|');
    EXPECT_EQ(position, 5);
    EXPECT_EQ(FindUnquotedOperator("&|", "abc", position), 0);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(FindClosingParenthesis("(a(b)c)d"), 7u);
    EXPECT_EQ(FindClosingParenthesis("((a)"), 0u);
}

TEST(FilterMatch, EscapedTextMatchesOnlyItself)
{
    const LocaleScope dayFirst('.', ',', '/', ':', "dd/mm/yyyy");
    for (const char* literal : {"R&D", "a|b", "(none", "x*", "<none>", "!x", "a;b", "=x", " a b ", "50%?", "\\", "\"q\""}) {
        const std::string condition = EscapeFilterText(literal);
        EXPECT_TRUE(MatchFilterExpr(condition, literal, true)) << literal;
        EXPECT_TRUE(MatchFilterExpr(condition, literal, false)) << literal;
        for (const char* other : {"", "R", "D", "a", "b", "x", "xy", "none", "a b", "q", "50%x"})
            EXPECT_FALSE(MatchFilterExpr(condition, other, true)) << literal << " on " << other;
    }
    // Escaped parts combine with the language around them.
    EXPECT_TRUE(MatchFilterExpr("*" + EscapeFilterText("x*") + "*", "ax*b", false));
    EXPECT_FALSE(MatchFilterExpr("*" + EscapeFilterText("x*") + "*", "axyb", false));
    EXPECT_TRUE(MatchFilterExpr(EscapeFilterText("R&D") + "|b", "b", true));
    EXPECT_TRUE(MatchFilterExpr("a\\b", "a\\b", true)) << "a backslash before an ordinary character stays";
}
