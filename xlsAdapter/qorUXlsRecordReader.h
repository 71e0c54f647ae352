// Reading the workbook stream record by record: the record factory, CONTINUE
// chains, companion records, and reading data and strings across CONTINUEs.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsCellRow.h"

#include <memory>
#include <string>

class TOle2File;

// Reads the next 4-byte header; at the end of the stream (fewer than 4 bytes
// left) it sets {EOF, 0} with EndOfStream and returns false.
bool ReadRecordHeader(TOle2File& DataStream, TRecordHeader& RecordHeader);

// Turns the record whose header is in RecordHeader (already read) into an
// object of the class that models its id, with its CONTINUE chain and
// companions, and leaves the next header in RecordHeader.
std::unique_ptr<TBaseRecord> LoadRecord(TOle2File& DataStream, TRecordHeader& RecordHeader);

// A cell read straight into its row entry.
struct TPlainCell {
    int Row = 0;
    TCellSlot Slot;
};
// As LoadRecord, except that a plain cell (a BLANK, NUMBER, RK or BOOLERR of
// its plain size, inside the sheet, with no CONTINUE or companion after it)
// makes no record: it fills Cell and the answer is null. Sheets are mostly
// such cells, and this spares them a record object each.
std::unique_ptr<TBaseRecord> LoadRecordOrPlainCell(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                                   TPlainCell& Cell);

// Attaches the CONTINUE records that follow to Record's chain; returns the
// id of the first header that is not a CONTINUE.
std::uint16_t AddContinueRecords(TOle2File& DataStream, TBaseRecord& Record, TRecordHeader& RecordHeader);

// Copies Count bytes of record data from Pos (or skips them when Dest is
// null), moving Record and Pos along the CONTINUE chain.
void ReadMemAcrossContinue(const TBaseRecord*& Record, int& Pos, int Count, void* Dest);
// Reads the characters of a BIFF8 string whose bytes may continue in
// CONTINUE records, each of which starts with a new option byte. The string
// is kept 8-bit in ShortData until a 16-bit part appears; then everything
// read so far is widened into WideData and bit 0 of ActiveOptionFlags set.
void ReadStrAcrossContinue(const TBaseRecord*& Record, int& Pos, std::string& ShortData, int Count, int& CharsRead,
                           std::uint8_t& OptionFlags, std::uint8_t& ActiveOptionFlags, std::u16string& WideData);
