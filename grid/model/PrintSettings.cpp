// How the grid prints: margins, page header and footer items, fonts, borders, spacing,
// repeated fixed cells and page fitting.
#include "grid/model/PrintSettings.h"

#include "platform/rtl/Exceptions.h"

void TPrintSettings::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TPrintSettings*>(SourceObject);
    if (!source)
        throw EInvalidCast("Invalid class typecast");
    const TPrintSettings& Source = *source;
    VISTRA_PRINT_OPTIONS(VISTRA_COPY_OPTION)
    VISTRA_PRINT_TEXTS(VISTRA_COPY_OPTION)
    FFont.Assign(&Source.FFont);
    FFixedFont.Assign(&Source.FFixedFont);
    FHeaderFont.Assign(&Source.FHeaderFont);
    FFooterFont.Assign(&Source.FFooterFont);
    FTitleLines.Assign(&Source.FTitleLines);
}
