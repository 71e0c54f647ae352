// Token id classes, error texts and invariant number text of formulas.
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <cmath>

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
    // Fifteen digits read back as another number for many doubles (0.1 +
    // 0.2 is 0.30000000000000004); the fewest digits up to 17 that read
    // back exactly keep a formula's constant through text.
    std::string text = FloatToStr(Value, InvariantFormatSettings());
    for (int precision = 16; precision <= 17 && std::isfinite(Value) && InvariantTextToFloat(text) != Value; ++precision)
        text = FloatToStrF(Value, ffGeneral, precision, 0, InvariantFormatSettings());
    return text;
}

double InvariantTextToFloat(std::string_view Text)
{
    return StrToFloat(Text, InvariantFormatSettings());
}

} // namespace xlsAdapter
