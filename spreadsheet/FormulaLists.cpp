// Built-in functions over lists: sums and statistics, logic, and counts of texts.
#include <algorithm>
#include <cmath>

#include "grid/base/FilterMatch.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/FormulaBuiltins.h"
#include "spreadsheet/FormulaText.h"

using rtl::Utf16ToUtf8;

namespace spreadsheet {
namespace {

using R = TArgReader;
using C = TBuiltinCall;

double Sum(const C& c)
{
    double sum = 0;
    for (double x : c.Nums) sum += x;
    return sum;
}

// Sum of squared deviations from the mean, in two passes so that equal values give
// exactly 0 instead of a rounding error below it.
double Deviations(const C& c)
{
    const double mean = Sum(c) / static_cast<double>(c.Nums.size());
    double sum = 0;
    for (double x : c.Nums) sum += (x - mean) * (x - mean);
    return sum;
}

bool AllNonZero(const C& c)
{
    return std::none_of(c.Nums.begin(), c.Nums.end(), [](double x) { return x == 0; });
}

long CountOfOnes(const C& c)
{
    return std::count(c.Nums.begin(), c.Nums.end(), 1.0);
}

} // namespace

void AddListBuiltins(std::vector<TBuiltin>& t)
{
    t.push_back({"SUM", R::NumberList, [](C& c) { c.Number = Sum(c); }});
    t.push_back({"PRODUCT", R::NumberList, [](C& c) {
                     double product = 1;
                     for (double x : c.Nums) product *= x;
                     c.Number = product;
                 }});
    t.push_back({"AVERAGE", R::NumberList, [](C& c) { c.Number = Sum(c) / static_cast<double>(c.Nums.size()); }});
    t.push_back({"MIN", R::NumberListSkip, [](C& c) { c.Number = *std::min_element(c.Nums.begin(), c.Nums.end()); }});
    t.push_back({"MAX", R::NumberListSkip, [](C& c) { c.Number = *std::max_element(c.Nums.begin(), c.Nums.end()); }});
    t.push_back({"AND", R::NumberList, [](C& c) { c.Number = AllNonZero(c) ? 1 : 0; }});
    t.push_back({"OR", R::NumberList, [](C& c) { c.Number = CountOfOnes(c) > 0 ? 1 : 0; }});
    t.push_back({"XOR", R::NumberList, [](C& c) { c.Number = CountOfOnes(c) == 1 ? 1 : 0; }});
    t.push_back({"NAND", R::NumberList, [](C& c) { c.Number = AllNonZero(c) ? 0 : 1; }});
    t.push_back({"NOR", R::NumberList, [](C& c) { c.Number = CountOfOnes(c) > 0 ? 0 : 1; }});
    t.push_back({"STDEV", R::NumberList, [](C& c) {
                     const double n = static_cast<double>(c.Nums.size());
                     if (n < 2) return c.Fail(feInvalidParamCount, c.ArgPos);
                     c.Number = std::sqrt(Deviations(c) / (n - 1));
                 }});
    t.push_back({"STDEVP", R::NumberList, [](C& c) {
                     c.Number = std::sqrt(Deviations(c) / static_cast<double>(c.Nums.size()));
                 }});
    t.push_back({"VAR", R::NumberList, [](C& c) {
                     const double n = static_cast<double>(c.Nums.size());
                     if (n < 2) return c.Fail(feInvalidParamCount, c.NamePos);
                     c.Number = Deviations(c) / (n - 1);
                 }});
    t.push_back({"DEVSQ", R::NumberList, [](C& c) { c.Number = Deviations(c); }});
    t.push_back({"POWER", R::NumberList, [](C& c) {
                     if (c.Nums.size() != 2) return c.Fail(feInvalidParamCount, c.NamePos);
                     const double x = c.Nums[0];
                     const double y = c.Nums[1];
                     // Zero to a negative power would be a division by zero.
                     if (x < 0 || (x == 0 && y < 0)) return c.Fail(feInvalidValue, c.NamePos);
                     c.Number = x == 0 ? 0 : std::exp(y * std::log(x));
                 }});

    // Counts over texts: ranges give their cell texts, numbers their general form.
    t.push_back({"COUNT", R::TextList, [](C& c) {
                     c.Number = static_cast<double>(std::count_if(c.Texts.begin(), c.Texts.end(), [](const std::u16string& s) {
                         double number = 0;
                         return TextToNumber(s, number);
                     }));
                 }});
    t.push_back({"COUNTA", R::TextList, [](C& c) {
                     c.Number = static_cast<double>(
                         std::count_if(c.Texts.begin(), c.Texts.end(), [](const std::u16string& s) { return !s.empty(); }));
                 }});
    t.push_back({"COUNTBLANK", R::TextList, [](C& c) {
                     c.Number = static_cast<double>(
                         std::count_if(c.Texts.begin(), c.Texts.end(), [](const std::u16string& s) { return s.empty(); }));
                 }});
    t.push_back({"COUNTIF", R::TextList, [](C& c) {
                     const std::string condition = Utf16ToUtf8(c.Texts.back());
                     c.Number = static_cast<double>(std::count_if(c.Texts.begin(), c.Texts.end() - 1, [&](const std::u16string& s) {
                         return MatchFilterTerm(condition, Utf16ToUtf8(s), false);
                     }));
                 }});
}

} // namespace spreadsheet
