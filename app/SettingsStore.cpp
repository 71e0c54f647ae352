// The settings store and its INI file.
#include "app/SettingsStore.h"

#include "platform/classes/IniFiles.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/Application.h"

#include <filesystem>

TSettingsStore& Settings()
{
    static TSettingsStore store;
    return store;
}

namespace app {

namespace {

std::string& SettingsFileOverride()
{
    static std::string name;
    return name;
}

std::string ProgramPath()
{
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).string();
}

}  // namespace

std::string SettingsFileName()
{
    if (!SettingsFileOverride().empty()) return SettingsFileOverride();
    // A Linux program has no extension to replace, so "INI" is added instead.
    std::filesystem::path exe = Application ? Application->ExeName() : ProgramPath();
    return exe.replace_extension(".INI").string();
}

void SetSettingsFileName(const std::string& FileName) { SettingsFileOverride() = FileName; }

void ReadSettingsFile(const std::string& FileName, TSettingsStore& Store)
{
    TIniFile ini(FileName);
    for (auto [key, value] : {std::pair{"opt1", &Store.opt1}, {"opt2", &Store.opt2}, {"opt3", &Store.opt3},
                              {"opt4", &Store.opt4}, {"opt5", &Store.opt5}})
        *value = ini.ReadString(SettingsSection, key, *value);
}

void FillMissingSettings(TSettingsStore& Store, const TSettingsStore& Defaults)
{
    for (auto [value, fallback] : {std::pair{&Store.opt1, &Defaults.opt1}, {&Store.opt2, &Defaults.opt2},
                                   {&Store.opt3, &Defaults.opt3}, {&Store.opt4, &Defaults.opt4},
                                   {&Store.opt5, &Defaults.opt5}})
        if (value->empty()) *value = *fallback;
}

TSettingsProblem SettingsProblem(const TSettingsStore& Store)
{
    struct TRange {
        const char* field;
        const std::string& text;
        double low, high;
        bool whole;
    };
    const TRange ranges[] = {{"Latitude", Store.opt1, -90, 90, false},
                             {"Longitude", Store.opt2, -180, 180, false},
                             {"ZoomLevel", Store.opt5, 0, 21, true}};
    for (const TRange& r : ranges) {
        double value = 0;
        int32_t whole = 0;
        const bool read = r.whole ? TryStrToInt(r.text, whole) : TryStrToFloat(r.text, value, InvariantFormatSettings());
        if (r.whole) value = whole;
        if (read && value >= r.low && value <= r.high) continue;
        return {r.field, std::string(r.field) + ": \"" + r.text + "\" is not " + (r.whole ? "a whole number" : "a number") +
               " from " + FloatToStr(r.low) + " to " + FloatToStr(r.high) + "."};
    }
    return {};
}

void WriteSettingsFile(const std::string& FileName, const TSettingsStore& Store)
{
    TIniFile ini(FileName);
    ini.WriteString(SettingsSection, "opt1", Store.opt1);
    ini.WriteString(SettingsSection, "opt2", Store.opt2);
    ini.WriteString(SettingsSection, "opt3", Store.opt3);
    ini.WriteString(SettingsSection, "opt4", Store.opt4);
    ini.WriteString(SettingsSection, "opt5", Store.opt5);
}

TSettingsStore ResetDefaults(const std::string& ProgramFolder)
{
    const std::string folder = ProgramFolder + "Files/MarkerFiles/";
    return {"38.920346", "-94.854674", folder, folder + "vistra091.csv", "12"};
}

}  // namespace app
