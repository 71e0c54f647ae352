// Turns BIFF8 formula token arrays back into formula text such as
// =SUM(A1:B2).
#pragma once

#include "xlsAdapter/qorXlsFormulaContext.h"

#include <cstdint>
#include <span>
#include <string>

namespace xlsAdapter {

// The text of the formula whose tokens start at Start in Data: the token
// byte count (16 bits) sits at Start - 2, and the extra data of array
// constants and memory tokens follows the tokens. Every read is checked; a
// token array that is cut short, pops more than it pushed or leaves more
// than one value raises EExcelException.
std::string DecodeFormula(std::span<const std::uint8_t> Data, std::int64_t Start, const TFormulaContext& Context);

// The text of a cell reference: "$" before absolute parts, column letters,
// row number from 1.
std::string CellReferenceText(int Row, int Col, bool RowRelative, bool ColRelative);

} // namespace xlsAdapter
