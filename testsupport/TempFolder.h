// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

class TempFolder {
public:
    // Name only makes the folder easy to recognise in the temporary folder.
    explicit TempFolder(std::string_view Name = "test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in "/".
    std::string Path() const { return FPath.string() + "/"; }
    // The path of a file (or sub-folder) inside the folder.
    std::string operator/(std::string_view Name) const { return (FPath / Name).string(); }

private:
    std::filesystem::path FPath;
};

// A whole file as bytes, empty when it cannot be read.
std::string ReadFile(const std::string& Path);
// Writes (or replaces) a whole file.
void WriteFile(const std::string& Path, std::string_view Bytes);

} // namespace testsupport
