// Formulas that mean the same here and in LibreOffice Calc give what Calc computed for them
// (tests/data/oracle: cases.tsv, the script MakeExpected.py and its output expected.tsv).
//
// Deliberate differences, tested against their own values in FormulaFunctionsTest instead:
// "-" binds looser than "^" (-2^2 is -4 here, written -(2^2) for Calc); ROUND rounds halves
// to even; INT and FRAC cut towards zero; NOT(2) is 1 and OR(2) is 0; MATCH and SEARCH give
// -1 and 0 where nothing matches; RIGHT gives at most 255 characters; a numeric 0 is the
// empty text in text functions; "%" is the remainder of the truncated operands; COUNT counts
// texts that read as numbers; CHOOSE, EQ, LT and ST are our own; INDEX takes the column first;
// empty range cells count 0 in AVERAGE and SUM.
#include "spreadsheet/tests/FormulaFixture.h"

#include <cmath>
#include <fstream>
#include <regex>

TEST_F(FormulaTest, AgreesWithLibreOfficeWhereTheMeaningIsShared)
{
    const char* fixture[][2] = {{"A1", "3"},      {"A2", "7"},      {"A3", "9"},     {"A4", "2.5"},
                                {"A5", "4"},      {"B1", "apple"},  {"B2", "Banana"}, {"B3", "cherry"},
                                {"B4", "date"},   {"C1", "40544.75"}};
    for (const auto& [cell, text] : fixture) Put(cell, text);

    std::ifstream file(VISTRA_TEST_DATA "/oracle/expected.tsv");
    ASSERT_TRUE(file) << "expected.tsv is missing";
    const std::regex number(R"(-?\d\.\d{14}E[+-]\d{3})");
    int compared = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        const size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string formula = line.substr(0, tab);
        const std::string expected = line.substr(tab + 1);
        const Outcome o = Eval(formula);
        EXPECT_TRUE(o.Ok && o.Errors.empty()) << formula;
        if (std::regex_match(expected, number)) {
            const double value = std::stod(expected);
            EXPECT_NEAR(o.Number(), value, 1e-13 * std::max(1.0, std::fabs(value))) << formula;
        } else {
            EXPECT_EQ(o.Text(), expected) << formula;
        }
        ++compared;
    }
    EXPECT_GT(compared, 0);
}
