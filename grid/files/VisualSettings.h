// The grid's visual settings as lines of key=value in a text file.
#pragma once

#include "platform/graphics/Colors.h"

#include <functional>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class TFont;

namespace grid {

template <class T>
struct TBoundValue {
    std::function<T()> Get;
    std::function<void(T)> Set;
};

// A colour in the platform's colour text; a missing or empty value is clNone.
struct TColorValue : TBoundValue<TColor> {};
// "true" or "false"; missing reads false.
struct TBoolValue : TBoundValue<bool> {};
// Decimal within Least..Most; a missing value is an error.
struct TIntegerValue : TBoundValue<int> {
    int Least = std::numeric_limits<int>::min();
    int Most = std::numeric_limits<int>::max();
};
// One of Names, by ordinal, compared without regard to case on reading. An
// ordinal beyond Names is written empty, and an empty or missing name leaves the setting.
struct TNameValue : TBoundValue<int> {
    std::vector<std::string_view> Names;
};
// Four keys: the key followed by ".Color", ".Style", ".Size" and ".Name".
struct TFontValue {
    TFont* Font = nullptr;
};

struct TVisualSetting {
    std::string_view Key;
    std::variant<TColorValue, TBoolValue, TIntegerValue, TNameValue, TFontValue> Value;
    // A preset such as the look, which sets other values: loading applies it
    // before every other value, so that it cannot overwrite what was stored.
    bool Preset = false;
};

// Writes one line per value in the order of Settings, lines ended by CR LF,
// through a temporary file. Failing raises Exception "Cannot Create " + FileName.
void SaveVisualSettings(std::span<const TVisualSetting> Settings, const std::string& FileName);

// Reads the file (never writing it) and takes each value by its key, ignoring
// case. Every value is checked before any is applied: a malformed one raises
// EConvertError naming its key and changes nothing. A file that cannot be read
// raises Exception "Cannot open file " + FileName.
void LoadVisualSettings(std::span<const TVisualSetting> Settings, const std::string& FileName);

} // namespace grid
