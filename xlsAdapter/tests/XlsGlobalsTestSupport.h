// Helpers of the section, string table and workbook tests: writing records
// through a real container and reading the bytes back.
#pragma once

#include "xlsAdapter/qorUOle2Impl.h"

#include <compare>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace xlstest {

// The bytes Write puts into a fresh Workbook stream.
ByteArray WrittenBytes(const std::function<void(TOle2File&)>& Write);

// Path of a fixture under xlsAdapter/tests/data.
std::string Fixture(const std::string& name);

} // namespace xlstest

class TWorkbook;

namespace xlstest {

// Workbook streams built record by record and workbooks read from them.
ByteArray Words(std::initializer_list<std::uint16_t> words);
ByteArray Bof(std::uint16_t type);
ByteArray Eof();
ByteArray BoundSheet(const std::string& name, std::uint16_t options = 0);
ByteArray Window1();
// A sheet section with a WINDOW2 record that is selected or not.
ByteArray SheetSection(bool selected = false);

// Puts Stream into a container as its Workbook stream and loads it.
void LoadWorkbook(const ByteArray& Stream, TWorkbook& Workbook);
// The Workbook stream that saving writes.
ByteArray SaveWorkbook(TWorkbook& Workbook);
// Loads a workbook file and saves it into another file, carrying over the
// container's other streams.
void RoundTripFile(const std::string& In, const std::string& Out);

// The records of a stream as (id, data) with CONTINUE records' data joined
// to the record before them.
struct TRawRecord {
    std::uint16_t Id;
    ByteArray Data;
    bool operator==(const TRawRecord&) const = default;
    auto operator<=>(const TRawRecord&) const = default;
};
std::vector<TRawRecord> RawRecords(const ByteArray& Stream);

} // namespace xlstest
