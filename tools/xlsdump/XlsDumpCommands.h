// The xlsdump commands that work through the file object.
#pragma once

namespace xlsdump {
// Prints every cell: Sheet!A1, kind, stored value and shown text, tab-separated.
void DumpCells(const char* FileName);
// Writes a workbook with cells, formats, fonts, colours, merged ranges,
// column widths, row heights and page breaks.
void WriteSample(const char* FileName);
} // namespace xlsdump
