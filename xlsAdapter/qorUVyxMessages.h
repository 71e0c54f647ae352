// General routines of the engine: column letters, locating files, number
// text, upper-casing, and the plain range records of the file interface.
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

// An inclusive cell range: columns Left..Right, rows Top..Bottom.
struct TXlsCellRange {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

// A defined name as the file interface hands it out.
struct TXlsNamedRange {
    std::string Name;
    std::string RangeFormula;
    std::int32_t OptionFlags = 0;
    std::int32_t NameSheetIndex = 0;
};

namespace xlsAdapter::msg {
inline constexpr const char* NoOpenFile = "There is no open file";
inline constexpr const char* CantFindFile = "Can't find the file \"%s\"";
inline constexpr const char* TrueText = "TRUE";
inline constexpr const char* FalseText = "FALSE";
inline constexpr const char* WmfInvalid = "Wmf file is invalid";
inline constexpr const char* NoGridAssigned = "There is no QuillStringGrid assigned to this component";
inline constexpr const char* InvalidSheetName = "Invalid sheet name: \"%s\"";
inline constexpr const char* InvalidNamedRange = "Invalid named range: \"%s\"";
inline constexpr const char* EngineVersion = "3.4.1";
} // namespace xlsAdapter::msg

// 1-based column number to letters: 1 gives A, 27 AA, 256 IV; empty below 1.
std::string ColNumberToLetters(int Col);

// True for a name that starts at the file system's root.
bool IsAbsoluteFileName(std::string_view FileName);
// Finds FileName as given when absolute, else inside Path, else beside the
// running program; raises "Can't find the file" when it does not exist.
std::string LocateFile(std::string_view Path, std::string_view FileName);

// True when the whole text is a number with "." as decimal separator and no
// grouping; Value is 0 otherwise.
bool TryTextToFloat(std::string_view Text, double& Value);

// The text upper-cased character by character with Unicode case mapping.
std::u16string UpperCaseUnicode(std::u16string_view Text);
// True when S holds Sub at the 1-based position Pos.
bool MatchesAt(std::u16string_view Sub, std::u16string_view S, std::int64_t Pos);
// Replaces every occurrence of OldPattern (compared upper-cased) outside
// double-quoted parts of S.
std::u16string ReplaceUnquoted(std::u16string_view S, std::u16string_view OldPattern,
                               std::u16string_view NewPattern);

// The same over UTF-8 text, folding only ASCII letters (format patterns).
std::string ReplaceUnquoted(std::string_view S, std::string_view OldPattern, std::string_view NewPattern);

// Empty AM and PM designators become "AM" and "PM".
void EnsureAmPmStrings(TFormatSettings& Settings);
// The user's settings, taken once from the program's settings on first use.
// The settings of US English are the platform's InvariantFormatSettings().
const TFormatSettings& LocaleFormatSettings();

// Recognises a date, a time or both in Text and gives the format to show it
// with: DateFormat, TimeFormat or both joined by a blank. Settings default
// to LocaleFormatSettings(), the formats to the settings' short ones.
bool TryTextToDateTime(std::string_view Text, double& Value, std::string& Format, const TFormatSettings* Settings,
                       std::string_view TimeFormat, std::string_view DateFormat, bool& HasTime, bool& HasDate);
// Formats Value, shifted by 1462 days in the 1904 date system; "##" when the
// value cannot be formatted.
std::string FormatDateTime1904(std::string_view Format, bool Dates1904, const TFormatSettings& Settings, double Value);
std::string FormatDateTime1904Default(std::string_view Format, bool Dates1904, double Value);

// The platform's text of a value.
std::string VariantToText(const Variant& Value);

// Moves Top and Bottom by dRow, Left and Right by dCol.
TXlsCellRange OffsetCellRange(const TXlsCellRange& Range, int dRow, int dCol);
void InitNamedRange(TXlsNamedRange& Range);
