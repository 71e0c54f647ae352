// The engine's message texts, its exception class and the little-endian byte
// routines with which records read and patch their bytes.
#pragma once

#include "platform/rtl/ByteCursor.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Every failure of the spreadsheet engine is raised as this class.
class EExcelException : public Exception {
public:
    using Exception::Exception;
};

using ByteArray = std::vector<std::uint8_t>;

namespace xlsAdapter {

// Message texts, filled in with printf-style placeholders by ExcelError.
namespace msg {
inline constexpr const char* FileIsInvalid = "The file \"%s\" is invalid";
inline constexpr const char* ErrExcelInvalid = "Error reading Excel records. File invalid";
inline constexpr const char* InvalidRecordId = "Record with ID 0x%x is invalid";
inline constexpr const char* UnsupportedToken = "Error reading formula, Token Id: 0x%2x is not supported";
inline constexpr const char* UnsupportedFormula = "Formula at Row %d, column %d is not supported. Token Id: 0x%2x";
inline constexpr const char* UnsupportedNameFormula = "Error in Worksheet name: \"%s\". Token Id: 0x%2x";
inline constexpr const char* UnsupportedChartFormula = "Error in Chart formula. Token Id: 0x%2x";
inline constexpr const char* UnsupportedCondFmtFormula = "Bad Conditional format. Token Id: 0x%2x";
inline constexpr const char* ErrReadingRecord = "Error reading record";
inline constexpr const char* InvalidExcelVersion = "Template file is saved with an invalid Excel version";
inline constexpr const char* TooManyEntries = "Too many entries for this kind of record (%d out of a maximum of %d)";
inline constexpr const char* SectionNotClosed = "Error reading Excel records. A section has no EOF record";
inline constexpr const char* SectionNotLoaded = "A section of the workbook is not loaded";
inline constexpr const char* ContinueAlreadyAdded = "Trying to add more than one CONTINUE record to the same record";
inline constexpr const char* UnsupportedDrawing = "The file has an usupported drawing record";
inline constexpr const char* InvalidCondFmt = "Invalid conditional format record";
inline constexpr const char* DuplicatedSheetName = "Sheet name already exists: %s";
inline constexpr const char* DuplicatedRowRecord = "Duplicated ROW record";
inline constexpr const char* MissingRowRecord = "Missing ROW Record for row %d";
inline constexpr const char* InvalidInsertAndCopyArgs = "Ivalid arguments to call InsertAndCopyRows";
inline constexpr const char* InvalidSheetNumber = "Sheet number \"%d\" invalid. Must be between %d and %d";
inline constexpr const char* EscherNotLoaded = "Escher record is not fully loaded";
inline constexpr const char* ErrLoadingEscher = "Error loading Escher record";
inline constexpr const char* DuplicatedBStore = "Error loading Escher record. Duplicated BStore";
inline constexpr const char* DuplicatedDg = "Error loading Escher record. Duplicated Dg";
inline constexpr const char* DuplicatedDgg = "Error loading Escher record. Duplicated Dgg";
inline constexpr const char* DuplicatedSolver = "Error loading Escher record. Duplicated Solver container";
inline constexpr const char* ErrProcessingEscher = "Error processing Escher record";
inline constexpr const char* LogicalError = "Tabulor: Logical Error";
inline constexpr const char* BStoreNil = "BStore can't be nil";
inline constexpr const char* DrawingGroupNil = "DrawingGroup can't be nil";
inline constexpr const char* IndexOutOfRangeAssert = "Index out of range";
inline constexpr const char* AssertionFailure = "Assertion failure";
inline constexpr const char* CantCopyOleObjects = "Can't copy OLE objects embedded on a sheet";
inline constexpr const char* InvalidCellErrorCode = "Invalid cell error code: \"%s\"";
inline constexpr const char* InvalidCellValue = "Invalid cell value: \"%s\"";
inline constexpr const char* CantWriteToFile = "Can't write to file \"%s\". Check it is not in use by another user";
inline constexpr const char* TextSaveFormatUnsupported = "Workbooks can only be saved as .xls files, not as text";
inline constexpr const char* NameIsNoCellRange = "The defined name \"%s\" is not a range of cells";
inline constexpr const char* SharedFormulaNotFound = "Can't find Shared Formula";
inline constexpr const char* StrLenLength = "StrLenLength should be 1 or 2";
inline constexpr const char* InvalidStringRecord = "Invalid String record";
inline constexpr const char* NotImplementedRecord = "This file has a not implemented kind of record: %s";
inline constexpr const char* TooManyPageBreaks = "Too many manual Page breaks for this sheet";
inline constexpr const char* InvalidRow = "Invalid Row (%d)";
inline constexpr const char* InvalidCol = "Invalid Column (%d)";
inline constexpr const char* IndexOutOfRange = "The index \"%d\" of the property \"%s\" is not in the range %d-%d";
inline constexpr const char* FileIsPasswordProtected = "File is password protected";
inline constexpr const char* StringExpected = "String expected";
inline constexpr const char* UnexpectedEof = "Unexpected end of formula: \"%s\"";
inline constexpr const char* UnexpectedChar = "Unexpected char \"%s\" at pos %d on formula: \"%s\"";
inline constexpr const char* UnterminatedString = "Unterminated string on formula: \"%s\"";
inline constexpr const char* MissingParen = "Missing closing parentheses on formula: \"%s\"";
inline constexpr const char* FormulaTooLong = "Formula too long: \"%s\"";
inline constexpr const char* UnexpectedId = "Unexpected Identifier: \"%s\" on formula \"%s\"";
inline constexpr const char* FunctionNotFound = "Function not found: \"%s\" on formula \"%s\"";
inline constexpr const char* InvalidNumberOfParams = "Invalid number of parameters to function \"%s\": Expected %d and found %d";
inline constexpr const char* FormulaCantBeEvaluated = "Formula can't be evaluated: \"%s\"";
inline constexpr const char* FormulaStart = "Formula must start with \"=\": \"%s\"";
inline constexpr const char* NoVisibleSheetSelected = "To save this file, you must select a visible sheet";
inline constexpr const char* NoVisibleSheets = "There are not visible sheets on the file";
inline constexpr const char* CantDeleteSheetWithMacros = "Can't delete a sheet on a file containing macros";
inline constexpr const char* InvalidSheet = "Invalid sheet: %s";
inline constexpr const char* InvalidOle2Stream = "Invalid OLE Stream operation on stream: \"%s\"";
inline constexpr const char* EndOfStream = "End of stream reached with %lld bytes left to read";
inline constexpr const char* CantReadProperties = "Tabulor can't read the properties of this file.";
inline constexpr const char* DefaultSheetName = "Sheet";
inline constexpr const char* WorkbookStreamName = "Workbook";

// Texts of hostile-input checks that the engine adds to the table above.
inline constexpr const char* ShortRecord = "Record 0x%04x is %d bytes, needs %d";
inline constexpr const char* ContinuationMissing = "%d more bytes needed, and no CONTINUE record follows";
inline constexpr const char* StringContinuationMissing = "%d more characters needed, and no CONTINUE record with them follows";
inline constexpr const char* EscherChildTooLong = "Error loading Escher record. A drawing record reaches past its container";
inline constexpr const char* CharacterCutInHalf = "a 16-bit character is cut in half";
inline constexpr const char* ShortBlock = "Reading %d bytes at position %lld of a %lld-byte block";
inline constexpr const char* BadSectorShift = "The file's sector size shift %d is not supported (only 9 and 12)";
inline constexpr const char* BadMiniSectorShift = "The file's mini-sector size shift %d is not supported (only 6)";
inline constexpr const char* BadMiniCutoff = "The file's mini-stream cutoff %u is not supported (only 4096)";
inline constexpr const char* BadSectorCount = "The file's header claims %u %s sectors, but the file holds only %lld sectors";
inline constexpr const char* SectorOutsideFile = "Sector %u lies outside the file (%lld sectors)";
inline constexpr const char* SectorOutsideFat = "Sector %u is not in the allocation table (%lld entries)";
inline constexpr const char* ChainLoops = "The sector chain of %s loops back to sector %u";
inline constexpr const char* ChainTooShort = "The sector chain of %s ends after %lld bytes, its size is %lld";
inline constexpr const char* FileTruncated = "The file is truncated: stream data at offset %lld lies beyond its end (%lld bytes)";
inline constexpr const char* SharedSector = "Sector %u belongs to more than one stream";
inline constexpr const char* NotAStream = "The directory entry \"%s\" is not a stream";
} // namespace msg

template <typename T>
auto FormatArgument(const T& value)
{
    if constexpr (std::is_same_v<T, std::string>)
        return value.c_str();
    else
        return value;
}

// Fills a message text's placeholders (printf syntax).
template <typename... Args>
std::string FormatMessage(const char* text, const Args&... args)
{
    if constexpr (sizeof...(Args) == 0) {
        return text;
    } else {
        // Messages quote formulas and file names whole, however long.
        const int size = std::snprintf(nullptr, 0, text, FormatArgument(args)...);
        std::string buffer(static_cast<std::size_t>(std::max(size, 0)) + 1, '\0');
        std::snprintf(buffer.data(), buffer.size(), text, FormatArgument(args)...);
        buffer.pop_back();
        return buffer;
    }
}

// Raises EExcelException with a filled-in message.
template <typename... Args>
[[noreturn]] void ExcelError(const char* text, const Args&... args)
{
    throw EExcelException(FormatMessage(text, args...));
}

// The failure function of every cursor over workbook bytes: raises
// EExcelException with the cursor's message.
[[noreturn]] void ThrowExcelError(const std::string& message);

// A cursor over the data of record Id whose header starts at StreamOffset
// in the workbook stream (-1 for a record made in memory). Its errors read
// "xls: record 0x0208 at offset 5124: ...", the offset naming the byte at
// fault.
rtl::TByteCursor RecordCursor(std::uint16_t Id, std::int64_t StreamOffset, std::span<const std::uint8_t> Data);
// Refuses record Id as a whole, naming the offset of its header.
[[noreturn]] void RecordError(std::uint16_t Id, std::int64_t StreamOffset, std::string_view What);

// Checks that [Pos, Pos + Count) lies inside a block of Size bytes.
void CheckRange(std::int64_t Size, std::int64_t Pos, std::int64_t Count);

} // namespace xlsAdapter

// Little-endian words (16 bits) and cardinals (32 bits) inside a byte block.
// Every access is bounds-checked and raises EExcelException when outside.
std::uint16_t GetWord(std::span<const std::uint8_t> Data, std::int64_t Pos);
void SetWord(std::span<std::uint8_t> Data, std::int64_t Pos, std::uint16_t Value);
std::uint32_t GetCardinal(std::span<const std::uint8_t> Data, std::int64_t Pos);
void SetCardinal(std::span<std::uint8_t> Data, std::int64_t Pos, std::uint32_t Value);

// Checked increments: a result below 0 or above Max raises "Too many entries"
// and leaves the value unchanged.
void IncWord(std::span<std::uint8_t> Data, std::int64_t Pos, std::int64_t Delta, std::int64_t Max);
void IncByte(std::span<std::uint8_t> Data, std::int64_t Pos, std::int64_t Delta, std::int64_t Max);
void IncWordVar(std::uint16_t& Value, std::int32_t Delta, std::int32_t Max);
// Adds to a 32-bit value with wrap-around.
void IncLong(std::span<std::uint8_t> Data, std::int64_t Pos, std::int64_t Delta);
// Value + Delta limited to Min..Max.
void IncWordClamped(std::uint16_t& Value, std::int32_t Delta, std::int32_t Max, std::int32_t Min);

// BIFF8 strings: count field (1 or 2 bytes, or none when UseCharCount),
// option byte, optional run count and far-east size, characters, runs and
// far-east data.
std::int64_t GetStrByteCount(bool LongLength, std::span<const std::uint8_t> Data, std::int64_t Pos,
                             std::uint16_t CharCount = 0, bool UseCharCount = false);
void ReadBiffString(bool LongLength, std::span<const std::uint8_t> Data, std::int64_t Pos,
                    std::int64_t& ByteCount, std::u16string& Text, std::uint16_t CharCount = 0,
                    bool UseCharCount = false);

// True when a character above 255 occurs.
bool IsWideText(std::u16string_view Text);
// The low byte of each character.
void StringToByteString(std::u16string_view Text, ByteArray& Bytes);
// One byte per character from Pos on, "?" for characters above 255.
void CompressText(std::u16string_view Text, std::span<std::uint8_t> Dest, std::int64_t Pos);
// Each byte becomes the character of the same code.
void ByteStringToText(std::span<const std::uint8_t> Bytes, std::u16string& Text);
