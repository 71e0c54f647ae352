// A cell text turned once into the value its sort style compares, so that a
// sort converts every cell once and then compares plain values.
#pragma once

#include <string>
#include <string_view>

#include "grid/base/GridEnums.h"
#include "grid/base/QuillUtilParse.h"

namespace grid {

// Keys compare by Rank, then Number, then Text (code unit by code unit).
// Every style fills the fields so that this one order is a strict weak order,
// which a stable sort needs: a style that mixes numbers and texts ranks all
// numbers before all texts instead of deciding pair by pair.
struct TSortKey {
    int Rank = 0;
    double Number = 0;
    std::string Text;
    // The compared text was empty (before prefix and suffix were cut).
    bool Blank = false;
};

// A key as one sort compares it: a plain value that moves cheaply, viewing
// the text of a TSortKey kept elsewhere.
struct TSortKeyRef {
    double Number = 0;
    int Rank = 0;
    bool Blank = false;
    std::string_view Text;
};

inline TSortKeyRef RefOf(const TSortKey& Key) { return {Key.Number, Key.Rank, Key.Blank, Key.Text}; }

// The ranks of the detected kinds of the automatic style, in sort order.
enum TAutoKeyRank { akBlank, akNumber, akDate, akTime, akText, akCheckBox };

struct TSortKeyOptions {
    bool IgnoreCase = false;
    std::string_view Prefix;
    std::string_view Suffix;
};

// The key of a text under a style that reads the text. ssImages, ssCheckBox,
// ssCustom and ssRaw are not decided by the text and give a neutral key.
TSortKey MakeSortKey(TSortStyle Style, std::string_view Text, const TSortKeyOptions& Options);
// The same key without copying the text: its Text views Text itself where
// the style compares it unchanged, or Owned, which the caller keeps.
TSortKeyRef MakeSortKeyRef(TSortStyle Style, std::string_view Text, const TSortKeyOptions& Options,
                           std::string& Owned);
// -1, 0 or 1 in ascending order.
int CompareSortKeys(const TSortKeyRef& A, const TSortKeyRef& B) noexcept;

// Three numbers split by the locale date separator, in the locale order,
// with a year of three or four digits ("05/11/2024"): the date the general
// reader gives, read without it. False for anything else, impossible dates
// included, which the general reader then decides.
bool ReadPlainShortDate(std::string_view Text, double& Value);
// A number by the locale rules read as a double ("1,234.5", "1e3"); False for
// anything else.
bool ReadLocaleNumber(std::string_view Text, double& Value);
// The locale date (with an optional time), the locale time and the short dates
// of either field order; 0 for a text that is not one. They never raise.
double ReadSortDateTime(std::string_view Text);
double ReadSortTime(std::string_view Text);

} // namespace grid
