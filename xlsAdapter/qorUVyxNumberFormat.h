// Shows a cell value the way its number format asks: sections, conditions,
// colours, locale and currency tags, dates, times, elapsed times, digits
// and literal text.
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Variant.h"

#include <string>
#include <string_view>

// The shown text of Value in Format. Color keeps its value unless a colour
// tag applies (colours are 0x00BBGGRR). Settings, or the user's when none,
// serve the system long date and long time tags.
std::string ApplyNumberFormat(const Variant& Value, std::string_view Format, bool Dates1904,
                              const TFormatSettings* Settings, int& Color);
// Whether Format shows a date or a time, rendering the number 10 with it.
bool NumberFormatHasDateTime(std::string_view Format, bool& HasDate, bool& HasTime,
                             const TFormatSettings* Settings = nullptr);
