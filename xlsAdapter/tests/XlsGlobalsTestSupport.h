// Helpers of the section, string table and workbook tests: writing records
// through a real container and reading the bytes back.
#pragma once

#include "xlsAdapter/qorUOle2Impl.h"

#include <functional>
#include <string>

namespace xlstest {

// The bytes Write puts into a fresh Workbook stream.
ByteArray WrittenBytes(const std::function<void(TOle2File&)>& Write);

// Path of a fixture under xlsAdapter/tests/data.
std::string Fixture(const std::string& name);

} // namespace xlstest
