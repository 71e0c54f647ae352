// Reading and writing marker files.
#include "app/MarkerFile.h"

#include "map/UGeolithMarkers.h"
#include "platform/classes/FileSave.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include "platform/rtl/Files.h"
#include "platform/rtl/ScopeExit.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace app {

namespace {

// The escapes a text field may carry, with the character each stands for.
struct TFieldEscape {
    char Character;
    const char* Code;  // the two hex digits after "%"
};
constexpr TFieldEscape FieldEscapes[] = {{'%', "25"}, {';', "3B"}, {'\r', "0D"}, {'\n', "0A"}};

// The escape that starts at Text[at] ("%" and two hex digits), or null.
const TFieldEscape* EscapeAt(std::string_view Text, size_t at)
{
    if (at + 3 > Text.size() || Text[at] != '%') return nullptr;
    for (const auto& escape : FieldEscapes)
        if (std::toupper(static_cast<unsigned char>(Text[at + 1])) == escape.Code[0] &&
            std::toupper(static_cast<unsigned char>(Text[at + 2])) == escape.Code[1])
            return &escape;
    return nullptr;
}

double ReadNumber(const std::string& text, const char* field)
{
    double value = 0;
    // "NaN" and "INF" convert, but no place on a map has them.
    if (!TryStrToFloat(text, value) || !std::isfinite(value))
        throw EConvertError(std::string(field) + ": '" + text + "' is not a valid floating point value");
    return value;
}

bool ReadBool(const std::string& text, const char* field)
{
    bool value = false;
    if (!TryStrToBool(text, value))
        throw EConvertError(std::string(field) + ": '" + text + "' is not a valid boolean value");
    return value;
}

}  // namespace

std::string PrepareIconString(std::string_view inpstr)
{
    std::string result(inpstr);
    if (result.find("://") == std::string::npos) result.insert(0, "file://");
    for (char& c : result)
        if (c == '\\') c = '/';
    return result;
}

std::string EncodeMarkerField(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        // A "%" is escaped only where it would otherwise read as an escape,
        // so ordinary texts stay as readable as they always were.
        if (c == '%' && !EscapeAt(Text, i)) {
            result += c;
            continue;
        }
        const TFieldEscape* escape = nullptr;
        for (const auto& e : FieldEscapes)
            if (e.Character == c) escape = &e;
        if (escape) {
            result += '%';
            result += escape->Code;
        } else {
            result += c;
        }
    }
    return result;
}

std::string DecodeMarkerField(std::string_view Field)
{
    std::string result;
    result.reserve(Field.size());
    for (size_t i = 0; i < Field.size(); ++i) {
        if (const TFieldEscape* escape = EscapeAt(Field, i)) {
            result += escape->Character;
            i += 2;
        } else {
            result += Field[i];
        }
    }
    return result;
}

std::array<std::string, 10> CutMarkerFields(std::string& Line)
{
    std::array<std::string, 10> fields;
    size_t start = 0;
    for (auto& field : fields) {
        const size_t end = Line.find(';', start);
        if (end == std::string::npos) break;
        field = Line.substr(start, end - start);
        start = end + 1;
    }
    Line.erase(0, start);
    return fields;
}

TMarkerLine ParseMarkerLine(std::string_view Line, std::string_view IconFolder)
{
    std::string rest(Line);
    const auto f = CutMarkerFields(rest);
    TMarkerLine m;
    m.Draggable = ReadBool(f[4], "Draggable");
    m.Visible = ReadBool(f[5], "Visible");
    m.Clickable = ReadBool(f[6], "Clickable");
    m.Flat = ReadBool(f[7], "Flat");
    m.InitialDropAnimation = ReadBool(f[8], "InitialDropAnimation");
    // A full address or no icon at all is what the marker held when it was saved.
    const std::string icon = DecodeMarkerField(f[3]);
    if (icon.empty())
        m.Icon.clear();
    else if (icon.find("://") != std::string::npos)
        m.Icon = PrepareIconString(icon);
    else
        m.Icon = PrepareIconString(std::string(IconFolder) + icon);
    m.Latitude = ReadNumber(f[1], "Latitude");
    m.Longitude = ReadNumber(f[2], "Longitude");
    if (!TryStrToInt(f[9], m.Zindex)) throw EConvertError("zIndex: '" + f[9] + "' is not a valid integer value");
    m.Title = DecodeMarkerField(f[0]);
    return m;
}

std::string IconFieldText(std::string_view Icon, std::string_view IconFolder)
{
    // Without a folder a name and an address can't be told apart: kept as it is.
    if (IconFolder.empty()) return std::string(Icon);
    const std::string folder = PrepareIconString(IconFolder);
    if (Icon.size() > folder.size() && Icon.starts_with(folder)) return std::string(Icon.substr(folder.size()));
    return std::string(Icon);
}

std::string MarkerLineText(const TMarker& Marker, std::string_view IconFolder)
{
    std::string line = EncodeMarkerField(Marker.Title());
    for (const std::string& field : {FloatToStr(Marker.Latitude()), FloatToStr(Marker.Longitude()),
                                     EncodeMarkerField(IconFieldText(Marker.Icon(), IconFolder)),
                                     BoolToStr(Marker.Draggable()), BoolToStr(Marker.Visible()),
                                     BoolToStr(Marker.Clickable()), BoolToStr(Marker.Flat()),
                                     BoolToStr(Marker.InitialDropAnimation()), IntToStr(Marker.Zindex())}) {
        line += ';';
        line += field;
    }
    return line + ';';
}

std::vector<std::string> ReadMarkerFileLines(const std::string& FileName)
{
    TStringList list;
    list.LoadFromFile(FileName);
    std::vector<std::string> lines;
    lines.reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
    return lines;
}

std::vector<TMarkerLine> ParseMarkerLines(const std::vector<std::string>& Lines, std::string_view IconFolder)
{
    std::vector<TMarkerLine> markers;
    markers.reserve(Lines.size());
    for (size_t i = 0; i < Lines.size(); ++i) {
        try {
            markers.push_back(ParseMarkerLine(Lines[i], IconFolder));
        } catch (const EConvertError& e) {
            throw EConvertError("Marker file line " + std::to_string(i + 1) + ": " + e.Message());
        }
    }
    return markers;
}

void AddMarkers(const std::vector<TMarkerLine>& Lines, size_t From, size_t To, TMarkers& Markers)
{
    for (size_t i = From; i < To && i < Lines.size(); ++i) {
        const TMarkerLine& m = Lines[i];
        Markers.Add(m.Latitude, m.Longitude, m.Title, m.Icon, m.Draggable, m.Visible, m.Clickable, m.Flat,
                    m.InitialDropAnimation, m.Zindex);
    }
}

void WriteMarkerFile(const std::string& FileName, const TMarkers& Markers, std::string_view IconFolder)
{
    std::string text;
    for (int i = 0; i < Markers.Count(); ++i) text += MarkerLineText(*Markers.Items(i), IconFolder) + "\r\n";
    classes::SaveFileBytes(FileName, text);
}

}  // namespace app
