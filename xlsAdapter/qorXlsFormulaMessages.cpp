// Token id classes, error texts and invariant number text of formulas.
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

namespace xlsAdapter {

std::uint8_t DeletedReferenceId(std::uint8_t Id)
{
    switch (NormalizeTokenId(Id)) {
    case ptgRef:
    case ptgArea:
        return static_cast<std::uint8_t>(Id + 6);
    case ptgRef3d:
    case ptgArea3d:
        return static_cast<std::uint8_t>(Id + 2);
    default:
        return Id;
    }
}

std::string_view ErrorCodeText(std::uint8_t Code)
{
    for (const TErrorCodeText& error : ErrorCodeTexts)
        if (error.Code == Code)
            return error.Text;
    return fm::ErrUnknown;
}

std::string InvariantFloatToText(double Value)
{
    return FloatToStr(Value, InvariantFormatSettings());
}

double InvariantTextToFloat(std::string_view Text)
{
    return StrToFloat(Text, InvariantFormatSettings());
}

} // namespace xlsAdapter
