// The ids of the globals records of external references, names and the
// drawing group.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t SUPBOOK = 0x01AE;
inline constexpr std::uint16_t EXTERNNAME = 0x0023;
inline constexpr std::uint16_t EXTERNSHEET = 0x0017;
inline constexpr std::uint16_t NAME = 0x0018;
inline constexpr std::uint16_t MSODRAWINGGROUP = 0x00EB;
} // namespace xlsAdapter::xlr

