// The filter condition language: wildcards, comparisons and their combination, used by
// the grid's filter, its wildcard search and the spreadsheet's COUNTIF family.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A backslash before one of the characters the language reads as an operator
// (* ? ! < > & | ; ^ ( ) " = \ and the space) makes it stand for itself.

// A condition read once, then matched against many values. Matching a value
// does no parsing of the condition, and plain ASCII values are compared
// without being copied.
class TFilterCondition {
public:
    TFilterCondition(std::string_view Condition, bool CaseSensitive);
    bool Matches(std::string_view Value) const;

    struct TOperand {
        bool Present = false;
        bool OrEqual = false;
        std::string Text;
        bool IsNumber = false;
        double Number = 0;
        bool IsDate = false;
        double Date = 0;
    };
    // One term: its comparisons, its flags and its wildcard pattern, whose
    // characters marked literal came from escapes.
    struct TTerm {
        TOperand Greater;
        TOperand Less;
        bool Bang = false;
        bool Caret = false;
        bool Ampersand = false;
        bool Negate = false;
        std::string Pattern;
        std::vector<bool> Literal;
        // Only number comparisons, which decide the term for any number.
        bool NumbersOnly = false;
    };
    // Evaluate a term and join it, open a group, or close one and join it.
    struct TStep {
        enum TKind { skTerm, skOpen, skClose } Kind;
        char Join;
        int Term;
    };

private:
    // Evaluates the steps, each term through MatchTermAt(term).
    template <typename MatchTermAt>
    bool RunSteps(MatchTermAt matchTerm) const;

    std::vector<TTerm> FTerms;
    std::vector<TStep> FSteps;
    bool FCaseSensitive;
    // Every term is NumbersOnly.
    bool FNumbersOnly = false;
};

// Text that matches only itself when used as a condition or a term.
std::string EscapeFilterText(std::string_view Text);

// Does Value satisfy the whole Condition? Terms are joined left to right without
// precedence: "&" is AND, ";", "^" and "|" are OR, and parentheses group. A "(" that no
// ")" closes groups everything after it.
bool MatchFilterExpr(std::string_view Condition, std::string_view Value, bool CaseSensitive);
// Does Value satisfy one condition term (">5", "<=b", ">=5&<=10", "a*c", "!abc")?
bool MatchFilterTerm(std::string_view Term, std::string_view Value, bool CaseSensitive);
// The term matcher proper, on texts already in the case they are compared in.
bool MatchConditionText(std::string_view Term, std::string_view Value);

// Drops every space that stands outside double quotes.
std::string RemoveUnquotedSpaces(std::string_view Text);
// The first character of Operators that stands outside double quotes, with its 0-based
// position; 0 and -1 when there is none.
char FindUnquotedOperator(std::string_view Operators, std::string_view Text, int& Position);
// The 1-based position of the ")" at which as many ")" as "(" have been counted from
// the start; 0 when there is none.
size_t FindClosingParenthesis(std::string_view Text);
