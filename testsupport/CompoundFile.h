// Compound files for the workbook engine's tests, made by our own container writer, so that
// tests of the record layers need no other program to wrap their records.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace testsupport {

// A compound file holding one stream named StreamName with these bytes. Like every file the
// container writer makes, a stream shorter than 4096 bytes is stored padded with zeros to
// 4096; a longer one keeps its size.
std::vector<std::uint8_t> CompoundFile(std::span<const std::uint8_t> Stream, std::u16string_view StreamName = u"Workbook");

} // namespace testsupport
