// File names and the file system: splitting and joining paths, existence, dates, renaming.
#include "platform/rtl/Files.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Str(std::string_view s) { return std::string(s); }

size_t NameStart(std::string_view fileName)
{
    const size_t slash = fileName.rfind(PathDelim);
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Index of the extension's "." within the name part, or npos.
size_t ExtensionStart(std::string_view fileName)
{
    const size_t dot = fileName.rfind('.');
    return (dot == std::string_view::npos || dot < NameStart(fileName)) ? std::string_view::npos : dot;
}

bool StatFollowing(std::string_view name, struct stat& info)
{
    return !name.empty() && stat(Str(name).c_str(), &info) == 0;
}

TDateTime FromTimespec(const timespec& time)
{
    std::tm local{};
    const time_t seconds = time.tv_sec;
    if (!localtime_r(&seconds, &local))
        return 0;
    TDateTime value;
    if (!TryEncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                           std::min(local.tm_sec, 59), static_cast<int>(time.tv_nsec / 1000000), value))
        return 0;
    return value;
}

bool ToTimespec(TDateTime value, timespec& time)
{
    int year, month, day, hour, min, sec, msec;
    try {
        DecodeDateTime(value, year, month, day, hour, min, sec, msec);
    } catch (const std::exception&) {
        return false;
    }
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = min;
    local.tm_sec = sec;
    local.tm_isdst = -1;
    errno = 0;
    const time_t seconds = mktime(&local);
    if (seconds == static_cast<time_t>(-1) && errno != 0)
        return false;
    time.tv_sec = seconds;
    time.tv_nsec = static_cast<long>(msec) * 1000000;
    return true;
}

} // namespace

std::string ExtractFileName(std::string_view FileName) { return Str(FileName.substr(NameStart(FileName))); }

std::string ExtractFilePath(std::string_view FileName) { return Str(FileName.substr(0, NameStart(FileName))); }

std::string ExtractFileDir(std::string_view FileName)
{
    const size_t start = NameStart(FileName);
    if (start == 0)
        return {};
    return Str(FileName.substr(0, start == 1 ? 1 : start - 1));
}

std::string ExtractFileExt(std::string_view FileName)
{
    const size_t dot = ExtensionStart(FileName);
    return dot == std::string_view::npos ? std::string() : Str(FileName.substr(dot));
}

std::string ChangeFileExt(std::string_view FileName, std::string_view Extension)
{
    const size_t dot = ExtensionStart(FileName);
    return Str(FileName.substr(0, dot)) + Str(Extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view Path)
{
    std::string out(Path);
    if (out.empty() || out.back() != PathDelim)
        out += PathDelim;
    return out;
}

std::string ExcludeTrailingPathDelimiter(std::string_view Path)
{
    std::string out(Path);
    if (out.size() > 1 && out.back() == PathDelim)
        out.pop_back();
    return out;
}

std::string ExpandFileName(std::string_view FileName)
{
    if (FileName.empty())
        return {};
    std::string full = FileName.front() == PathDelim ? Str(FileName)
                                                     : IncludeTrailingPathDelimiter(GetCurrentDir()) + Str(FileName);
    std::vector<std::string_view> parts;
    const std::string_view text(full);
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find(PathDelim, start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view part = text.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string out;
    for (std::string_view part : parts)
        out += PathDelim + Str(part);
    if (out.empty())
        out = PathDelim;
    else if (FileName.back() == PathDelim)
        out += PathDelim; // a name given with a trailing "/" keeps it
    return out;
}

bool FileExists(std::string_view FileName)
{
    struct stat info;
    return StatFollowing(FileName, info) && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(std::string_view Directory)
{
    struct stat info;
    return StatFollowing(Directory, info) && S_ISDIR(info.st_mode);
}

bool ForceDirectories(std::string_view Dir)
{
    if (Dir.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(Str(Dir)), error);
    return DirectoryExists(Dir);
}

bool DeleteFile(std::string_view FileName)
{
    return !FileName.empty() && unlink(Str(FileName).c_str()) == 0;
}

bool RenameFile(std::string_view OldName, std::string_view NewName)
{
    if (OldName.empty() || NewName.empty())
        return false;
    const std::string from = Str(OldName);
    const std::string to = Str(NewName);
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // The file system cannot refuse to replace by itself: check, then rename.
    struct stat info;
    if (lstat(to.c_str(), &info) == 0)
        return false;
    return rename(from.c_str(), to.c_str()) == 0;
}

bool FileAge(std::string_view FileName, TDateTime& Age)
{
    struct stat info;
    if (!StatFollowing(FileName, info))
        return false;
    Age = FromTimespec(info.st_mtim);
    return true;
}

bool FileGetDate(int Handle, TDateTime& Age)
{
    struct stat info;
    if (fstat(Handle, &info) != 0)
        return false;
    Age = FromTimespec(info.st_mtim);
    return true;
}

bool FileSetDate(int Handle, TDateTime Age)
{
    timespec times[2];
    times[0].tv_nsec = UTIME_OMIT; // leave the access time
    times[0].tv_sec = 0;
    return ToTimespec(Age, times[1]) && futimens(Handle, times) == 0;
}

bool FileSetDate(std::string_view FileName, TDateTime Age)
{
    timespec times[2];
    times[0].tv_nsec = UTIME_OMIT;
    times[0].tv_sec = 0;
    return !FileName.empty() && ToTimespec(Age, times[1]) &&
           utimensat(AT_FDCWD, Str(FileName).c_str(), times, 0) == 0;
}

std::string GetCurrentDir()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

std::string ExecutableFileName()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}
