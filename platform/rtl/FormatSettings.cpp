// The process-wide and invariant format settings.
#include "platform/rtl/FormatSettings.h"

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

const TFormatSettings& InvariantFormatSettings()
{
    static const TFormatSettings settings;
    return settings;
}
