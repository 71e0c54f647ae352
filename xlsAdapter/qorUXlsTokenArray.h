// Walks a formula's token array and rewrites its references in place.
#pragma once

#include "xlsAdapter/qorXlsMessages.h"

#include <cstdint>
#include <span>

namespace xlsAdapter {

// Turns a shared formula's relative references (their row and column are
// offsets from the cell) into ordinary references for the cell at (Row,
// Col). Raises "Formula at Row %d, column %d is not supported" naming the
// first token it cannot step over.
void ArrangeTokensShared(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End, int Row, int Col);

} // namespace xlsAdapter
