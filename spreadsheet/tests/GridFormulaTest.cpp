// Numbers, operators, parentheses, strings and the errors and positions the evaluator reports.
#include "spreadsheet/tests/FormulaFixture.h"

#include <cmath>

namespace {

struct NumberCase {
    const char* Expression;
    double Expected;
};

struct ErrorCase {
    const char* Expression;
    int Code;
    int Position;
};

} // namespace

TEST_F(FormulaTest, OperatorsFollowTheirPrecedence)
{
    const NumberCase cases[] = {
        {"1+2*3", 7},     {"(1+2)*3", 9},   {"-2^2", -4},     {"2^3^2", 512},   {"2^-1", 0.5},
        {"2*-3", -6},     {"2--3", 5},      {"7%3", 1},       {"-7%3", -1},     {"7.9%2.5", 1},
        {"10/4", 2.5},    {"1 + 2", 3},     {"1+", 1},        {"1)", 1},        {"1=2", 1},
        {"1.5E-3", 0.0015}, {"2E+4", 20000}, {"2E+4+1", 20001}, {"1E-2*3", 0.03}, {".5", 0.5},     {"12AB", 0},      {"1,000", 1},
        {";", 0},         {"(-2)^2", 4},    {"(-2)^3", -8},   {"(-8)^(1/3)", -2}, {"0^0", 1},
        {"(-2)^0", 1},    {"(-2)^-2", 0.25}, {"(-2)^-3", -0.125}, {"1E300%7", std::fmod(1e300, 7)},
        {"((((1))))", 1}, {"+5", 5},
    };
    for (const NumberCase& c : cases) {
        const Outcome o = Eval(c.Expression);
        EXPECT_TRUE(o.Ok) << c.Expression;
        EXPECT_DOUBLE_EQ(o.Number(), c.Expected) << c.Expression;
        EXPECT_TRUE(o.Errors.empty()) << c.Expression;
    }
}

TEST_F(FormulaTest, StringsCarryTheirTextThroughArithmetic)
{
    EXPECT_EQ(Eval("\"abc\"").Text(), "abc");
    EXPECT_EQ(Eval("\"a b\"").Text(), "a b");
    EXPECT_EQ(Eval("1+\"x\"").Text(), "x");
    EXPECT_EQ(Eval("2*\"x\"").Text(), "x");
    // "&" is no operator of the language: like any leftover it ends the expression.
    EXPECT_EQ(Eval("\"x\"&1").Text(), "x");
    EXPECT_EQ(Eval("\"open").Text(), "open");
    EXPECT_EQ(Eval("\"caf\xC3\xA9\"").Text(), "caf\xC3\xA9");
}

TEST_F(FormulaTest, ErrorsNameTheirCodeAndPosition)
{
    const ErrorCase cases[] = {
        {"1/0", 2, 4},          {"5%0.5", 2, 6},       {"*2", 14, 1},          {"--2", 14, 2},
        {"(1+2", 10, 5},        {"1 + FOO(2)", 13, 5}, {"SIN(1", 10, 6},       {"EQ(1 2)", 11, 4},
        {"SIN", 9, 4},          {"1/0+2", 2, 4},       {"", 14, 1},            {"[1", 14, 1},
    };
    for (const ErrorCase& c : cases) {
        const Outcome o = Eval(c.Expression);
        EXPECT_FALSE(o.Ok) << c.Expression;
        ASSERT_EQ(o.Errors.size(), 1u) << c.Expression;
        EXPECT_EQ(o.Code(), c.Code) << c.Expression;
        EXPECT_EQ(o.Position(), c.Position) << c.Expression;
    }
    EXPECT_EQ(Eval("1 + FOO(2)").Errors.front().Text, "FOO");
}

// Results that would be infinite or not a number are errors, never "INF" or "NAN".
TEST_F(FormulaTest, NonFiniteResultsAreErrors)
{
    const ErrorCase cases[] = {
        {"1E200*1E200", 15, 12}, {"1E308+1E308", 15, 12}, {"1E999", 15, 1},    {"10^400", 15, 7},
        {"0^-1", 2, 5},          {"EXP(1000)", 15, 1},    {"FACT(171)", 15, 6}, {"FACT(1E15)", 15, 6},
        {"1E-300/1E-300*1E300*1E300", 15, 26},
    };
    for (const ErrorCase& c : cases) {
        const Outcome o = Eval(c.Expression);
        EXPECT_FALSE(o.Ok) << c.Expression;
        EXPECT_EQ(o.Code(), c.Code) << c.Expression;
        EXPECT_EQ(o.Position(), c.Position) << c.Expression;
    }
    EXPECT_DOUBLE_EQ(Eval("1E-999").Number(), 0);
    const Outcome stopped = Eval("1E300*1E300/1E300");
    EXPECT_FALSE(stopped.Ok);
    EXPECT_DOUBLE_EQ(stopped.Number(), 0);
}

// Deep nesting ends in an error instead of exhausting the stack.
TEST_F(FormulaTest, NestingDepthIsBounded)
{
    const std::string deep = std::string(10000, '(') + "1" + std::string(10000, ')');
    Outcome o = Eval(deep);
    EXPECT_FALSE(o.Ok);
    EXPECT_EQ(o.Code(), 14);
    std::string powers = "2";
    for (int k = 0; k < 10000; ++k) powers += "^-1";
    EXPECT_EQ(Eval(powers).Code(), 14);
    std::string calls;
    for (int k = 0; k < 5000; ++k) calls += "SUM(";
    EXPECT_EQ(Eval(calls + "1").Code(), 14);
    const std::string shallow = std::string(50, '(') + "1" + std::string(50, ')');
    EXPECT_DOUBLE_EQ(Eval(shallow).Number(), 1);
}

TEST_F(FormulaTest, ACommaDecimalSeparatorChangesNumbersAndSeparators)
{
    TFormatSettings& settings = FormatSettings();
    const TFormatSettings saved = settings;
    settings.DecimalSeparator = ',';
    settings.ThousandSeparator = '.';
    EXPECT_DOUBLE_EQ(Eval("SUM(1,2)").Number(), 1.2);
    EXPECT_DOUBLE_EQ(Eval("SUM(1;2,5)").Number(), 3.5);
    settings = saved;
    EXPECT_DOUBLE_EQ(Eval("SUM(1,2)").Number(), 3);
}

// Powers are exact wherever the result is representable; beyond a double's range they overflow.
TEST_F(FormulaTest, PowersAreExactAndOverflowIsAnError)
{
    const NumberCase exact[] = {
        {"10^2", 100}, {"10^15", 1e15}, {"10^-2", 0.01}, {"2^0.5", std::sqrt(2.0)}, {"3^3", 27},
        {"(-10)^3", -1000}, {"2^1023", std::ldexp(1.0, 1023)}, {"2^-1074", std::ldexp(1.0, -1074)},
    };
    for (const NumberCase& c : exact) {
        const Outcome o = Eval(c.Expression);
        EXPECT_TRUE(o.Ok) << c.Expression;
        EXPECT_EQ(o.Number(), c.Expected) << c.Expression;
    }
    for (const char* overflow : {"2^1024", "(-2)^1025", "10^309", "1.5^2000"}) {
        const Outcome o = Eval(overflow);
        EXPECT_FALSE(o.Ok) << overflow;
        EXPECT_EQ(o.Code(), 15) << overflow;
    }
}

// A text result has a length limit: a formula that would build a longer text fails with
// an overflow instead of exhausting memory.
TEST_F(FormulaTest, TextResultsHaveALengthLimit)
{
    const std::string half(TGridFormula::MaxTextLength / 2 + 1, 'x');
    Put("A1", half);
    EXPECT_EQ(Eval("CONCATENATE(A1;\"y\")").Text().size(), half.size() + 1);
    for (const char* tooLong : {"CONCATENATE(A1;A1)", "CONCATENATE(A1;A1;A1;A1;A1;A1;A1;A1)",
                                "SUBSTITUTE(A1;\"x\";\"xx\")", "CONCATENATE(SUBSTITUTE(A1;\"x\";\"ab\"))"}) {
        const Outcome o = Eval(tooLong);
        EXPECT_FALSE(o.Ok) << tooLong;
        EXPECT_EQ(o.Code(), 15) << tooLong;
    }
}
