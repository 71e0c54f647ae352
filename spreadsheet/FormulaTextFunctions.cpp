// Built-in text functions and the lookups over ranges.
#include <algorithm>
#include <cmath>

#include "grid/base/FilterMatch.h"
#include "grid/base/QuillUtilCellText.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/FormulaBuiltins.h"
#include "spreadsheet/FormulaText.h"

using rtl::Utf8ToUtf16;
using rtl::Utf16ToUtf8;

namespace spreadsheet {
namespace {

using R = TArgReader;
using C = TBuiltinCall;
using Text = std::u16string;

// A character count from a number argument, held to what a text can have.
size_t CountOf(double n)
{
    if (!(n > 0)) return 0;
    return n >= 1e9 ? size_t(1e9) : static_cast<size_t>(n);
}

// Copy of up to Count characters from the 1-based Start; a start before 1 counts as 1.
Text CopyFrom(const Text& t, double start, size_t count)
{
    const double first = std::max(1.0, std::trunc(start));
    if (first > static_cast<double>(t.size())) return {};
    return t.substr(static_cast<size_t>(first) - 1, count);
}

// 1-based position of the first cell of Range whose text satisfies Condition; 0 when none.
size_t MatchIndex(C& c, const Text& condition, const Text& range)
{
    if (range.find(u':') == Text::npos) return 0;
    Text plain;
    for (char16_t ch : condition)
        if (ch != u'"') plain += ch;
    const std::string term = Utf16ToUtf8(plain);
    const std::vector<Text> cells = c.RangeTexts(range);
    for (size_t k = 0; k < cells.size(); ++k) {
        std::string cell = Utf16ToUtf8(cells[k]);
        if (cell.find("|\\") != std::string::npos) cell = Utf16ToUtf8(DecodeWideCellText(cell));
        if (MatchFilterTerm(term, cell, false)) return k + 1;
    }
    return 0;
}

// Whole number read from a text argument.
int WholeNumberOf(const Text& t)
{
    double number = 0;
    if (!TextToNumber(WithoutNul(t), number) || !std::isfinite(number)) return 0;
    return static_cast<int>(std::clamp(std::trunc(number), -1e6, 1e6));
}

} // namespace

void AddTextBuiltins(std::vector<TBuiltin>& t)
{
    t.push_back({"TRIM", R::TextArg, [](C& c) {
                     const Text& s = c.Texts[0];
                     size_t first = 0, last = s.size();
                     while (first < last && s[first] <= 32) ++first;
                     while (last > first && s[last - 1] <= 32) --last;
                     c.Text = s.substr(first, last - first);
                 }});
    t.push_back({"UPPER", R::TextArg, [](C& c) {
                     c.Text = c.Texts[0];
                     for (char16_t& ch : c.Text)
                         if (ch >= u'a' && ch <= u'z') ch = ch - u'a' + u'A';
                 }});
    t.push_back({"LOWER", R::TextArg, [](C& c) {
                     c.Text = c.Texts[0];
                     for (char16_t& ch : c.Text)
                         if (ch >= u'A' && ch <= u'Z') ch = ch - u'A' + u'a';
                 }});
    t.push_back({"LEN", R::TextArg, [](C& c) {
                     c.Number = static_cast<double>(WithoutNul(c.Texts[0]).size());
                     c.Text.clear();
                 }});
    t.push_back({"LEFT", R::TextNumArgs, [](C& c) { c.Text = c.Texts[0].substr(0, CountOf(std::trunc(c.Nums[1]))); }});
    t.push_back({"RIGHT", R::TextNumArgs, [](C& c) {
                     const double start = static_cast<double>(c.Texts[0].size()) - std::trunc(c.Nums[1]) + 1;
                     c.Text = CopyFrom(c.Texts[0], start, 255);
                 }});
    t.push_back({"MID", R::TextNum2Args, [](C& c) {
                     c.Text = CopyFrom(c.Texts[0], c.Nums[1], CountOf(std::trunc(c.Nums[2])));
                 }});

    t.push_back({"SEARCH", R::TextList, [](C& c) {
                     if (c.Texts.size() != 2) return c.Fail(feInvalidParamCount, c.NamePos);
                     const Text& find = c.Texts[0];
                     const size_t at = find.empty() ? Text::npos : c.Texts[1].find(find);
                     c.Number = at == Text::npos ? 0 : static_cast<double>(at + 1);
                     c.Text.clear();
                 }});
    t.push_back({"CONCATENATE", R::TextList, [](C& c) {
                     Text joined;
                     for (const Text& s : c.Texts) {
                         if (joined.size() + s.size() > TGridFormula::MaxTextLength)
                             return c.Fail(feOverflow, c.NamePos);
                         joined += s;
                     }
                     c.Text = joined;
                 }});
    t.push_back({"SUBSTITUTE", R::TextList, [](C& c) {
                     if (c.Texts.size() != 3) return c.Fail(feInvalidParamCount, c.NamePos);
                     Text s = c.Texts[0];
                     const Text& from = c.Texts[1];
                     const Text& to = c.Texts[2];
                     if (from.empty()) {
                         c.Text = s;
                         return;
                     }
                     // Replacing the first occurrence again and again never ends when the
                     // replacement brings the searched text back; such a text is replaced
                     // in one pass instead.
                     const bool onePass = to.find(from) != Text::npos;
                     size_t at = s.find(from);
                     while (at != Text::npos) {
                         s.replace(at, from.size(), to);
                         if (s.size() > TGridFormula::MaxTextLength) return c.Fail(feOverflow, c.NamePos);
                         // Before the replaced place there is no occurrence left; a new one
                         // can only start where it overlaps the replacement.
                         const size_t back = std::min(at, from.size() - 1);
                         at = s.find(from, onePass ? at + to.size() : at - back);
                     }
                     c.Text = s;
                 }});

    t.push_back({"MATCH", R::RawTextList, [](C& c) {
                     if (c.Texts.size() != 2) return c.Fail(feInvalidParamCount, c.NamePos);
                     const size_t k = MatchIndex(c, c.Texts[0], c.Texts[1]);
                     c.Number = k == 0 ? -1 : static_cast<double>(k);
                 }});
    t.push_back({"LOOKUP", R::RawTextList, [](C& c) {
                     if (c.Texts.size() != 3) return c.Fail(feInvalidParamCount, c.NamePos);
                     const size_t k = MatchIndex(c, c.Texts[0], c.Texts[1]);
                     if (k == 0 || c.Texts[2].find(u':') == Text::npos) return;
                     const std::vector<Text> cells = c.RangeTexts(c.Texts[2]);
                     if (cells.size() > k - 1) c.Text = cells[k - 1];
                 }});
    t.push_back({"INDEX", R::RawTextList, [](C& c) {
                     if (c.Texts.size() != 3) return c.Fail(feInvalidParamCount, c.NamePos);
                     Variant value;
                     if (!c.CellOfRange(c.Texts[0], WholeNumberOf(c.Texts[1]) - 1, WholeNumberOf(c.Texts[2]) - 1, value))
                         return;
                     c.Text = Utf8ToUtf16(value.VarType() == varString ? value.AsString() : FloatToStr(value.AsDouble()));
                 }});
}

} // namespace spreadsheet
