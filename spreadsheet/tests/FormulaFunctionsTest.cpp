// The built-in functions, one table per group: ordinary, edge and error arguments.
#include "spreadsheet/tests/FormulaFixture.h"

#include <cmath>
#include <numbers>

#include "platform/rtl/DateTime.h"
#include "spreadsheet/FormulaBuiltins.h"

namespace {

// One formula and what it gives: a number, a text (when Text is set) or an error code
// at a position (when Code is set).
struct FunctionCase {
    const char* Expression;
    double Number = 0;
    const char* Text = nullptr;
    int Code = 0;
    int Position = 0;
};

FunctionCase Num(const char* e, double n) { return {e, n}; }
FunctionCase Txt(const char* e, const char* t) { return {e, 0, t}; }
FunctionCase Err(const char* e, int code, int position) { return {e, 0, nullptr, code, position}; }

constexpr double Pi = std::numbers::pi;

} // namespace

class FunctionTableTest : public FormulaTest {
protected:
    void Check(const std::vector<FunctionCase>& cases)
    {
        for (const FunctionCase& c : cases) {
            const Outcome o = Eval(c.Expression);
            if (c.Code) {
                EXPECT_FALSE(o.Ok && o.Code() != 4 && o.Code() != 6) << c.Expression;
                EXPECT_EQ(o.Code(), c.Code) << c.Expression;
                EXPECT_EQ(o.Position(), c.Position) << c.Expression;
                continue;
            }
            EXPECT_TRUE(o.Ok) << c.Expression << " error " << o.Code();
            EXPECT_TRUE(o.Errors.empty()) << c.Expression << " error " << o.Code();
            if (c.Text)
                EXPECT_EQ(o.Text(), c.Text) << c.Expression;
            else
                EXPECT_NEAR(o.Number(), c.Number, 1e-12 * std::max(1.0, std::fabs(c.Number))) << c.Expression;
        }
    }
};

TEST_F(FunctionTableTest, ConstantsTakeNoParentheses)
{
    Formula->SetRow(4);
    Formula->SetCol(3);
    Check({Num("PI", Pi), Num("PI()*2", Pi), Num("PI*2", 2 * Pi), Num("E", std::exp(1.0)), Num("TRUE", 1),
           Num("FALSE", 0), Num("ROW", 4), Num("COL", 3), Num("true+true", 2)});
    const double today = Date();
    EXPECT_DOUBLE_EQ(Eval("TODAY").Number(), today);
    EXPECT_NEAR(Eval("NOW").Number(), Now(), 1.0 / 24);
}

TEST_F(FunctionTableTest, FunctionsOfOneNumber)
{
    Check({
        Num("ABS(-3)", 3), Num("SQR(3)", 9), Num("CUBE(-2)", -8), Num("CHS(4)", -4), Num("EXP(1)", std::exp(1.0)),
        Num("LN(E)", 1), Err("LN(0)", 3, 4), Err("LN(-1)", 3, 4), Num("LOG10(1000)", 3), Num("LOG2(8)", 3),
        Err("LOG10(0)", 3, 7), Err("LOG2(-2)", 3, 6), Num("SQRT(4)", 2), Err("SQRT(0)", 3, 6), Err("SQRT(-4)", 3, 6),
        Num("SIN(0)", 0), Num("COS(0)", 1), Num("TAN(1)", std::tan(1.0)), Num("COTAN(1)", 1 / std::tan(1.0)),
        Err("COTAN(0)", 3, 7), Num("ATAN(1)", Pi / 4), Num("ACOTAN(1)", Pi / 4), Err("ACOTAN(0)", 3, 8),
        Num("ASIN(1)", Pi / 2), Num("ASIN(-1)", -Pi / 2), Num("ASIN(0.5)", std::asin(0.5)), Err("ASIN(1.5)", 3, 6),
        Num("ACOS(0)", Pi / 2), Num("ACOS(0.5)", std::acos(0.5)), Num("ACOS(-0.5)", 2 * Pi / 3), Num("ACOS(-1)", Pi),
        Err("ACOS(2)", 3, 6), Num("SINH(1)", std::sinh(1.0)), Num("COSH(1)", std::cosh(1.0)),
        Num("TANH(0.5)", std::tanh(0.5)), Num("TANH(1000)", 1), Num("COTANH(2)", 1 / std::tanh(2.0)),
        Err("COTANH(0)", 3, 8), Num("INT(-2.5)", -2), Num("INT(2.9)", 2), Num("FRAC(-2.5)", -0.5),
        Num("TRUNC(2.9)", 2), Num("TRUNC(1E300)", 1e300), Num("ROUND(2.5)", 2), Num("ROUND(3.5)", 4),
        Num("ROUND(-2.5)", -2), Num("FACT(5)", 120), Num("FACT(0)", 1), Num("FACT(-3)", 1), Num("FACT(2.5)", 2),
        Num("FACT(170)", 7.257415615307994e306), Err("FACT(171)", 15, 6), Num("RAND(0)", 0), Num("RAND(1)", 0),
        Num("RADIANS(180)", Pi), Num("RADIANS(400)", 400 * Pi / 180), Num("RADIANS(1E300)", 1e300 / 180 * Pi),
        Num("DEGREES(PI)", 180), Num("DEGREES(7)", 7 / Pi * 180), Num("NOT(0)", 1), Num("NOT(1)", 0), Num("NOT(2)", 1),
        Err("EXP(1000)", 15, 1), Err("SINH(1000)", 15, 1), Err("ABS(1", 10, 6), Err("ABS", 9, 4),
    });
    for (int k = 0; k < 20; ++k) {
        const double r = Eval("RAND(6)").Number();
        EXPECT_TRUE(r >= 0 && r < 6 && r == std::trunc(r)) << r;
    }
}

TEST_F(FunctionTableTest, DateAndTimeParts)
{
    const double date = EncodeDate(2011, 1, 2) + EncodeTime(18, 30, 15, 0);
    Put("A1", std::to_string(date));
    Check({Num("YEAR(A1)", 2011), Num("MONTH(A1)", 1), Num("DAY(A1)", 2), Num("WEEKDAY(A1)", 1), Num("HOUR(A1)", 18),
           Num("MINUTE(A1)", 30), Num("SECOND(A1)", 15), Num("HOUR(0.75)", 18), Num("WEEKDAY(7)", 7),
           Err("YEAR(1E10)", 3, 6), Err("HOUR(-1E10)", 3, 6)});
}

TEST_F(FunctionTableTest, FunctionsOfTwoOrThreeNumbers)
{
    Check({Num("LT(3;2)", 1), Num("ST(3;2)", 0), Num("EQ(2;2)", 1), Num("EQ(2,3)", 0), Num("CEILING(7;2)", 8),
           Num("CEILING(-7;2)", -6), Num("CEILING(8;2)", 8), Num("CEILING(1.2;0.5)", 1.5), Err("CEILING(1;0)", 3, 13),
           Num("CHOOSE(0;10;20)", 10), Num("CHOOSE(5;10;20)", 20), Err("EQ(1 2)", 11, 4), Err("EQ(1;2", 10, 6),
           Err("CHOOSE(1;2)", 11, 10), Err("CHOOSE(1;2;3", 10, 12)});
}

TEST_F(FunctionTableTest, NumberLists)
{
    Put("A1", "2");
    Put("A2", "4");
    Put("A4", "x");
    Check({
        Num("SUM(1;2;3)", 6), Num("SUM(1E+5;2)", 100002), Num("sum(1;2)", 3), Num("SUM(1;2", 3), Num("SUM(\"abc\")", 0), Num("SUM(1;\"abc\")", 1),
        Num("SUM(A1:A4)", 6), Num("PRODUCT(2;3;4)", 24), Num("PRODUCT(A1:A2)", 8), Num("AVERAGE(1;2;3;4)", 2.5),
        Num("AVERAGE(A1:A4)", 1.5), Num("MIN(3;1;2)", 1), Num("MAX(3;1;2)", 3), Num("MIN(A1:A3)", 2),
        Num("MAX(A1:A4;-1)", 4), Num("AND(2;3)", 1), Num("AND(1;0)", 0), Num("OR(1;0)", 1), Num("OR(2)", 0),
        Num("XOR(1;1)", 0), Num("XOR(1;0;2)", 1), Num("NAND(1;1)", 0), Num("NAND(1;0)", 1), Num("NOR(0;0)", 1),
        Num("NOR(1;0)", 0), Num("STDEV(2;4;4;4;5;5;7;9)", std::sqrt(32.0 / 7)), Err("STDEV(5)", 7, 7),
        Num("STDEVP(2;4)", 1), Num("VAR(1;2;3;4)", 5.0 / 3), Err("VAR(5)", 7, 1), Num("DEVSQ(1;2;3)", 2),
        Num("POWER(2;10)", 1024), Num("POWER(0;0)", 0), Num("POWER(4;0.5)", 2), Err("POWER(-2;2)", 3, 1),
        Err("POWER(0;-1)", 3, 1), Err("POWER(1;2;3)", 7, 1), Err("SUM()", 14, 5),
        Err("PRODUCT(1E200;1E200)", 15, 1),
    });
    // Equal values have no spread, exactly.
    Check({Num("STDEV(-230.836;-230.836;-230.836;-230.836;-230.836;-230.836;-230.836;-230.836)", 0),
           Num("VAR(0.1;0.1;0.1)", 0)});
}

TEST_F(FunctionTableTest, CountsOverTexts)
{
    Put("A1", "3");
    Put("A2", "abc");
    Put("A4", "7");
    Put("B1", "3");
    Put("B2", "7");
    Put("B3", "9");
    Check({Num("COUNT(A1:A4)", 2), Num("COUNT(1;\"x\";\"2.5\")", 2), Num("COUNT(0)", 0), Num("COUNTA(A1:A4)", 3),
           Num("COUNTA(0)", 1), Num("COUNTBLANK(A1:A4)", 1), Num("COUNTIF(B1:B3;\">5\")", 2),
           Num("COUNTIF(A1:A4;\"ab*\")", 1), Num("COUNTIF(\">5\")", 0), Num("SEARCH(\"b\";\"abc\")", 2),
           Num("SEARCH(\"B\";\"abc\")", 0), Num("SEARCH(\"\";\"abc\")", 0), Err("SEARCH(\"b\")", 7, 1),
           Txt("CONCATENATE(1;2)", "12"), Txt("CONCATENATE(1/3)", "0.333333333333333"),
           Txt("CONCATENATE(0.000001)", "1E-6"), Txt("CONCATENATE(1E16)", "1E16"),
           Txt("CONCATENATE(0.00001234)", "0.00001234"), Txt("CONCATENATE(-2.5;123456789012345)", "-2.5123456789012345"), Txt("CONCATENATE(1;0;2)", "12"), Txt("CONCATENATE(\"a\";A2;1.5)", "aabc1.5"),
           Txt("SUBSTITUTE(\"a-b-c\";\"-\";\"+\")", "a+b+c"), Txt("SUBSTITUTE(\"aaa\";\"aa\";\"a\")", "a"),
           Txt("SUBSTITUTE(\"ab\";\"a\";\"aa\")", "aab"), Txt("SUBSTITUTE(\"ab\";\"\";\"x\")", "ab"),
           Err("SUBSTITUTE(\"a\";\"b\")", 7, 1)});
}

TEST_F(FunctionTableTest, Lookups)
{
    Put("A1", "3");
    Put("A2", "7");
    Put("A3", "9");
    Put("B1", "three");
    Put("B2", "seven");
    Put("B3", "nine");
    Put("C1", "c1");
    Put("C3", "c3");
    Check({Num("MATCH(\">5\";A1:A3)", 2), Num("MATCH(\">50\";A1:A3)", -1), Num("MATCH(9;A1:A3)", 3),
           Num("MATCH(\"NINE\";B1:B3)", 3), Num("MATCH(1;2)", -1), Err("MATCH(1)", 7, 1),
           Txt("LOOKUP(\">5\";A1:A3;B1:B3)", "seven"), Txt("LOOKUP(3;A1:A3;B1:B3)", "three"),
           Num("LOOKUP(\">50\";A1:A3;B1:B3)", 0), Err("LOOKUP(1;A1:A3)", 7, 1), Txt("INDEX(A1:C3;2;3)", "nine"),
           Txt("INDEX(A1:C3;3;1)", "c1"), Txt("INDEX(A1:C3;1;1)", "3"), Err("INDEX(A1:C3;2)", 7, 1)});
    EXPECT_EQ(Eval("INDEX(A1:C3;9;9)").Code(), 4);
}

TEST_F(FunctionTableTest, TextFunctions)
{
    const std::string long300(300, 'x');
    Put("A1", long300);
    Check({Txt("TRIM(\"  a b  \")", "a b"), Txt("UPPER(\"abc1\")", "ABC1"), Txt("LOWER(\"ABC\")", "abc"),
           Txt("UPPER(\"\xC3\xA9t\xC3\xA9\")", "\xC3\xA9T\xC3\xA9"), Txt("UPPER(0)", ""), Num("LEN(\"abc\")", 3),
           Num("LEN(0)", 0), Num("LEN(12.5)", 4), Num("LEN(\"\")", 0), Txt("LEFT(\"abcdef\";2)", "ab"),
           Num("LEFT(\"abc\";0)", 0), Txt("LEFT(\"abc\";9)", "abc"), Txt("RIGHT(\"abcdef\";2)", "ef"),
           Txt("RIGHT(\"abc\";9)", "abc"), Txt("MID(\"abcdef\";2;3)", "bcd"), Txt("MID(\"abcdef\";-1;2)", "ab"),
           Txt("MID(\"abc\";3;9)", "c"), Num("MID(\"abc\";9;1)", 0), Txt("LEFT(1234;2)", "12"),
           Err("LEFT(\"abc\")", 11, 6), Err("MID(\"abc\";1)", 11, 11), Err("TRIM(\"a\"", 10, 9)});
    EXPECT_EQ(Eval("RIGHT(A1;300)").Text(), std::string(255, 'x'));
}

TEST_F(FunctionTableTest, EveryBuiltinIsInTheTableOnce)
{
    EXPECT_EQ(spreadsheet::Builtins().size(), 82u);
    for (const spreadsheet::TBuiltin& builtin : spreadsheet::Builtins())
        EXPECT_EQ(spreadsheet::FindBuiltin(builtin.Name), &builtin) << builtin.Name;
    const Outcome o = Eval("FOO(1)");
    EXPECT_EQ(o.Code(), 13);
    EXPECT_EQ(o.Errors.front().Text, "FOO");
    EXPECT_EQ(Eval("BAR").Code(), 13);
}
