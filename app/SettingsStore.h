// The application's five settings, shared by every window, and the INI file that keeps them.
#pragma once

#include <string>

// The settings by their INI keys. All start empty; the file fills them.
struct TSettingsStore {
    std::string opt1;  // start latitude, "." as decimal separator
    std::string opt2;  // start longitude
    std::string opt3;  // icon and data folder, with a trailing separator
    std::string opt4;  // full path of the active marker file
    std::string opt5;  // start zoom level
};

// The store of the running program; cleared at its end.
TSettingsStore& Settings();

namespace app {

inline constexpr const char* SettingsSection = "Settings";

// The settings file: the program's own path with the extension "INI". A test
// or a driver program may point it elsewhere; an empty name restores it.
std::string SettingsFileName();
void SetSettingsFileName(const std::string& FileName);

// Reads the five keys from FileName into Store, each key's current value
// being its default; a missing file leaves the store as it is.
void ReadSettingsFile(const std::string& FileName, TSettingsStore& Store);
// Every value left empty (a key the file lacks, or a missing file) takes the
// one of Defaults, so a first start works without a settings file.
void FillMissingSettings(TSettingsStore& Store, const TSettingsStore& Defaults);
// The first value the next start could not use: its field ("Latitude",
// "Longitude", "ZoomLevel") and a message naming it; both empty when all can be used.
struct TSettingsProblem {
    std::string Field;
    std::string Message;
};
TSettingsProblem SettingsProblem(const TSettingsStore& Store);
// Writes the five keys; raises EIniFileException when the file can't be written.
void WriteSettingsFile(const std::string& FileName, const TSettingsStore& Store);

// What "Reset Defaults" fills in: the start position and zoom, and the
// marker folder beside the program with a marker file in it.
TSettingsStore ResetDefaults(const std::string& ProgramFolder);

}  // namespace app
