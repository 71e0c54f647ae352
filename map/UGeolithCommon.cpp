// Page names of the map enumerations and the number text the page reads.
#include "map/UGeolithCommon.h"

#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

namespace map {
namespace {

constexpr std::array<std::string_view, 12> PositionNames = {
    "TOP_RIGHT", "TOP_LEFT", "TOP_CENTER", "BOTTOM_RIGHT", "BOTTOM_LEFT", "BOTTOM_CENTER",
    "LEFT_BOTTOM", "LEFT_CENTER", "LEFT_TOP", "RIGHT_BOTTOM", "RIGHT_CENTER", "RIGHT_TOP"};
constexpr std::array<std::string_view, 4> MapTypeNames = {"ROADMAP", "SATELLITE", "HYBRID", "TERRAIN"};
constexpr std::array<std::string_view, 4> ControlsTypeNames = {"DEFAULT", "ANDROID", "SMALL", "ZOOM_PAN"};
constexpr std::array<std::string_view, 3> ZoomStyleNames = {"DEFAULT", "SMALL", "LARGE"};
constexpr std::array<std::string_view, 3> MapTypeStyleNames = {"DEFAULT", "DROPDOWN_MENU", "HORIZONTAL_BAR"};

template <std::size_t N>
std::string_view NameAt(const std::array<std::string_view, N>& names, int ordinal)
{
    return ordinal >= 0 && static_cast<std::size_t>(ordinal) < N ? names[ordinal] : names[0];
}

}  // namespace

std::string LanguageCode(TLanguageName Language)
{
    if (Language <= lnDefault || Language >= LanguageCount) return {};
    std::string code(LanguageCodes[Language]);
    for (char& c : code)
        if (c == '_') c = '-';
    return code;
}

std::string_view ControlPositionName(TControlPosition Position) { return NameAt(PositionNames, Position); }
std::string_view MapTypeName(TMapType MapType) { return NameAt(MapTypeNames, MapType); }
std::string_view ControlsTypeName(TControlsType ControlsType) { return NameAt(ControlsTypeNames, ControlsType); }
std::string_view ZoomStyleName(TZoomStyle Style) { return NameAt(ZoomStyleNames, Style); }
std::string_view MapTypeStyleName(TMapTypeStyle Style) { return NameAt(MapTypeStyleNames, Style); }

std::string NumberText(double Value)
{
    return StringReplace(FloatToStr(Value), ",", ".", rfReplaceAll);
}

std::string BoolText(bool Value) { return Value ? "true" : "false"; }

}  // namespace map
