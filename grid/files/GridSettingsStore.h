// Keeping the grid's print settings in a section of an INI file.
#pragma once

#include <string>
#include <string_view>

class TPrintSettings;

namespace grid {

// Writes every stored print setting to the section and saves the file.
void SavePrintSettings(TPrintSettings& Settings, const std::string& FileName, std::string_view Section);

// Reads the section without ever writing the file. A missing key takes its
// default; a present value that is not of its form raises EConvertError naming
// the key, and the settings then stay exactly as they were.
void LoadPrintSettings(TPrintSettings& Settings, const std::string& FileName, std::string_view Section);

} // namespace grid
