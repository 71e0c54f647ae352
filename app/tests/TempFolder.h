// A fresh folder per test under the system's temporary folder, with whole-file read and write.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace app::testing {

class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : FPath(std::filesystem::temp_directory_path() /
                ("vistra-app-" + name + "-" + std::to_string(::getpid()) + "-" + std::to_string(Next())))
    {
        std::filesystem::remove_all(FPath);
        std::filesystem::create_directories(FPath);
    }
    ~TempFolder() { std::filesystem::remove_all(FPath); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& name) const { return (FPath / name).string(); }
    std::string Path() const { return FPath.string() + "/"; }

private:
    static int Next()
    {
        static int count = 0;
        return ++count;
    }
    std::filesystem::path FPath;
};

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteAll(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace app::testing
