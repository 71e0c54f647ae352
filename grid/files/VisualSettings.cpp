// The visual-settings file: one key=value line per value, every value checked before any is applied.
#include "grid/files/VisualSettings.h"

#include "grid/files/FileBytes.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <array>
#include <filesystem>
#include <optional>

namespace {

// Far beyond any file of visual settings; a larger one is no such file.
constexpr std::uintmax_t kMostFileBytes = 1 << 20;

constexpr std::array<std::string_view, 4> kFontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

template <class... Visitors>
struct TOverloaded : Visitors... {
    using Visitors::operator()...;
};
template <class... Visitors>
TOverloaded(Visitors...) -> TOverloaded<Visitors...>;

std::string Joined(std::string_view Key, std::string_view Part) { return std::string(Key) + std::string(Part); }

[[noreturn]] void Malformed(std::string_view Key, std::string_view Text)
{
    throw EConvertError("Visual setting " + std::string(Key) + " has the malformed value \"" + std::string(Text) + "\"");
}

std::string FontStyleText(TFontStyles Styles)
{
    std::string text;
    for (std::size_t i = 0; i < kFontStyleNames.size(); ++i)
        if (Styles.Contains(static_cast<TFontStyle>(i))) text += (text.empty() ? "" : ",") + std::string(kFontStyleNames[i]);
    return text;
}

// The key=value lines of a file; a key's first line wins.
class TStoredValues {
public:
    explicit TStoredValues(std::string_view Text)
    {
        while (!Text.empty()) {
            const std::size_t end = std::min(Text.find('\r'), Text.find('\n'));
            const std::string_view line = Text.substr(0, end);
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos) FLines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
            Text = end == std::string_view::npos ? std::string_view() : Text.substr(end + 1);
        }
    }

    std::optional<std::string_view> Find(std::string_view Key) const
    {
        for (const auto& [name, value] : FLines)
            if (SameText(name, Key)) return value;
        return std::nullopt;
    }

    TColor Color(std::string_view Key) const
    {
        const auto text = Find(Key);
        if (!text || text->empty()) return clNone;
        try {
            return StringToColor(*text);
        } catch (const EConvertError&) {
            Malformed(Key, *text);
        }
    }

    int Integer(std::string_view Key, int Least, int Most) const
    {
        const auto text = Find(Key);
        if (!text) throw EConvertError("Visual setting " + std::string(Key) + " is missing");
        int value = 0;
        if (!TryStrToInt(*text, value) || value < Least || value > Most) Malformed(Key, *text);
        return value;
    }

    bool Boolean(std::string_view Key) const
    {
        const auto text = Find(Key);
        if (!text) return false;
        if (!SameText(*text, "true") && !SameText(*text, "false")) Malformed(Key, *text);
        return SameText(*text, "true");
    }

    std::optional<int> Ordinal(std::string_view Key, const std::vector<std::string_view>& Names) const
    {
        const auto text = Find(Key);
        if (!text || text->empty()) return std::nullopt;
        for (std::size_t i = 0; i < Names.size(); ++i)
            if (SameText(*text, Names[i])) return static_cast<int>(i);
        Malformed(Key, *text);
    }

    TFontStyles FontStyles(std::string_view Key) const
    {
        TFontStyles styles;
        std::string_view rest = Find(Key).value_or("");
        while (!rest.empty()) {
            const std::size_t comma = rest.find(',');
            const std::string_view name = rest.substr(0, comma);
            std::size_t i = 0;
            while (i < kFontStyleNames.size() && !SameText(name, kFontStyleNames[i])) ++i;
            if (i == kFontStyleNames.size()) Malformed(Key, *Find(Key));
            styles.Include(static_cast<TFontStyle>(i));
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
        return styles;
    }

private:
    std::vector<std::pair<std::string_view, std::string_view>> FLines;
};

using TApply = std::function<void()>;

// Checks the stored value of one setting and gives what applies it.
TApply CheckedValue(const grid::TVisualSetting& Setting, const TStoredValues& Stored)
{
    const std::string_view key = Setting.Key;
    return std::visit(TOverloaded{
        [&](const grid::TColorValue& v) -> TApply { return [set = v.Set, c = Stored.Color(key)] { set(c); }; },
        [&](const grid::TBoolValue& v) -> TApply { return [set = v.Set, b = Stored.Boolean(key)] { set(b); }; },
        [&](const grid::TIntegerValue& v) -> TApply {
            return [set = v.Set, i = Stored.Integer(key, v.Least, v.Most)] { set(i); };
        },
        [&](const grid::TNameValue& v) -> TApply {
            const auto ordinal = Stored.Ordinal(key, v.Names);
            if (!ordinal) return [] {};
            return [set = v.Set, o = *ordinal] { set(o); };
        },
        [&](const grid::TFontValue& v) -> TApply {
            const TColor color = Stored.Color(Joined(key, ".Color"));
            const TFontStyles styles = Stored.FontStyles(Joined(key, ".Style"));
            const int size = Stored.Integer(Joined(key, ".Size"), 1, 1000);
            const std::string name(Stored.Find(Joined(key, ".Name")).value_or(""));
            return [font = v.Font, color, styles, size, name] {
                font->SetColor(color);
                font->SetStyle(styles);
                font->SetSize(size);
                if (!name.empty()) font->SetName(name);
            };
        },
    }, Setting.Value);
}

void AddLine(std::string& Text, std::string_view Key, std::string_view Value)
{
    if (Value.find_first_of("\r\n") != std::string_view::npos)
        throw EConvertError("Visual setting " + std::string(Key) + " has a line break and cannot be stored");
    Text.append(Key).append("=").append(Value).append("\r\n");
}

void AddLines(std::string& Text, const grid::TVisualSetting& Setting)
{
    const std::string_view key = Setting.Key;
    std::visit(TOverloaded{
        [&](const grid::TColorValue& v) { AddLine(Text, key, ColorToString(v.Get())); },
        [&](const grid::TBoolValue& v) { AddLine(Text, key, v.Get() ? "true" : "false"); },
        [&](const grid::TIntegerValue& v) { AddLine(Text, key, IntToStr(v.Get())); },
        [&](const grid::TNameValue& v) {
            const int ordinal = v.Get();
            const bool named = ordinal >= 0 && static_cast<std::size_t>(ordinal) < v.Names.size();
            AddLine(Text, key, named ? v.Names[static_cast<std::size_t>(ordinal)] : "");
        },
        [&](const grid::TFontValue& v) {
            AddLine(Text, Joined(key, ".Color"), ColorToString(v.Font->Color()));
            AddLine(Text, Joined(key, ".Style"), FontStyleText(v.Font->Style()));
            AddLine(Text, Joined(key, ".Size"), IntToStr(v.Font->Size()));
            AddLine(Text, Joined(key, ".Name"), v.Font->Name());
        },
    }, Setting.Value);
}

} // namespace

namespace grid {

void SaveVisualSettings(std::span<const TVisualSetting> Settings, const std::string& FileName)
{
    std::string text;
    for (const TVisualSetting& setting : Settings) AddLines(text, setting);
    try {
        files::SaveFileBytes(FileName, text);
    } catch (const EFCreateError&) {
        throw Exception("Cannot Create " + FileName);
    }
}

void LoadVisualSettings(std::span<const TVisualSetting> Settings, const std::string& FileName)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(FileName, error);
    if (error || size > kMostFileBytes) throw Exception("Cannot open file " + FileName);
    std::string bytes;
    try {
        bytes = files::ReadFileBytes(FileName);
    } catch (const EFOpenError&) {
        throw Exception("Cannot open file " + FileName);
    }
    const TStoredValues stored(bytes);
    std::vector<TApply> presets, values;
    for (const TVisualSetting& setting : Settings)
        (setting.Preset ? presets : values).push_back(CheckedValue(setting, stored));
    for (const TApply& apply : presets) apply();
    for (const TApply& apply : values) apply();
}

} // namespace grid
