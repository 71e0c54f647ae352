// Sets the process format settings for one test and restores them afterwards.
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <string>

namespace grid::test {

class LocaleScope {
public:
    LocaleScope(char decimal, char thousand, char date, char time, std::string shortDate)
        : FSaved(FormatSettings())
    {
        TFormatSettings& settings = FormatSettings();
        settings.DecimalSeparator = decimal;
        settings.ThousandSeparator = thousand;
        settings.DateSeparator = date;
        settings.TimeSeparator = time;
        settings.ShortDateFormat = std::move(shortDate);
    }
    ~LocaleScope() { FormatSettings() = FSaved; }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    TFormatSettings FSaved;
};

} // namespace grid::test
