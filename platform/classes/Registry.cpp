// The file-backed registry and its INI-style view.
#include "platform/classes/Registry.h"

#include "platform/classes/IniDocument.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using classes::IniDocument;

// Stored values carry their type in front: "s:" text or "i:" integer.
constexpr std::string_view kStringTag = "s:";
constexpr std::string_view kIntegerTag = "i:";

const char* RootName(HKEY root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
        return "HKEY_USERS";
    default:
        return nullptr;
    }
}

// Names and texts are escaped so that any character survives the INI
// reading rules: "%", "=", brackets, ";" and every character up to the
// blank become %XX.
std::string Escape(std::string_view s)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char c : s) {
        auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7F || c == '%' || c == '=' || c == '[' || c == ']' || c == ';' || c == '\\') {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A "%" that does not start a valid escape stays as it is.
std::string Unescape(std::string_view s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && HexDigit(s[i + 1]) >= 0 && HexDigit(s[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(s[i + 1]) * 16 + HexDigit(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// The stored name of a value. The unnamed (default) value gets "%", which
// Escape never produces on its own.
std::string ValueKey(std::string_view name)
{
    return name.empty() ? std::string("%") : Escape(name);
}

std::string ValueName(std::string_view key)
{
    return key == "%" ? std::string() : Unescape(key);
}

// Splits a key path at "\", dropping empty parts; each part is escaped.
std::vector<std::string> PathParts(std::string_view path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start)
            parts.push_back(std::string(path.substr(start, end - start)));
        start = end + 1;
    }
    return parts;
}

std::string JoinParts(const std::vector<std::string>& parts)
{
    std::string path;
    for (const auto& p : parts) {
        if (!path.empty())
            path += '\\';
        path += p;
    }
    return path;
}

// The store's section of a key: the root's name, then the escaped parts.
std::string SectionName(HKEY root, std::string_view path)
{
    std::string section = RootName(root);
    for (const auto& p : PathParts(path))
        section += "\\" + Escape(p);
    return section;
}

IniDocument LoadStore()
{
    IniDocument doc;
    try {
        doc.LoadFromFile(TRegistry::StoreFileName());
    } catch (const EStreamError&) {
        throw ERegistryException("Unable to read the registry file " + TRegistry::StoreFileName());
    }
    return doc;
}

void SaveStore(const IniDocument& doc, std::string_view valueName)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(fs::path(TRegistry::StoreFileName()).parent_path(), ec);
    try {
        doc.SaveToFile(TRegistry::StoreFileName());
    } catch (const EIniFileException&) {
        throw ERegistryException("Failed to set data for '" + std::string(valueName) + "'");
    }
}

// Whether section names Path itself or a key below it.
bool IsAtOrBelow(std::string_view section, std::string_view path)
{
    if (section.size() < path.size() || !AnsiSameText(section.substr(0, path.size()), path))
        return false;
    return section.size() == path.size() || section[path.size()] == '\\';
}

} // namespace

// ---- TRegistry ----

std::string TRegistry::StoreFileName()
{
    if (const char* forced = std::getenv("VISTRA_REGISTRY_FILE"); forced != nullptr && *forced != '\0')
        return forced;
    std::filesystem::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        base = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    return (base / "CorvantaVistra" / "registry.ini").string();
}

void TRegistry::SetRootKey(HKEY Value)
{
    if (RootName(Value) == nullptr)
        throw ERegistryException("Invalid root key " + IntToStr(Value));
    CloseKey();
    FRootKey = Value;
}

std::string TRegistry::Resolve(std::string_view Key) const
{
    std::vector<std::string> parts;
    if (Key.empty() || Key[0] != '\\')
        for (const auto& p : PathParts(FCurrentPath))
            parts.push_back(p);
    for (const auto& p : PathParts(Key))
        parts.push_back(p);
    return JoinParts(parts);
}

std::string TRegistry::SectionOf(std::string_view Path) const
{
    return SectionName(FRootKey, Path);
}

bool TRegistry::OpenKey(std::string_view Key, bool CanCreate)
{
    std::string path = Resolve(Key);
    if (!KeyExists("\\" + path)) {
        if (!CanCreate)
            return false;
        IniDocument doc = LoadStore();
        // Every key on the way exists as a section, so listings find them.
        std::vector<std::string> parts = PathParts(path);
        for (size_t n = 1; n <= parts.size(); ++n)
            doc.AddSection(SectionOf(JoinParts({parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(n)})));
        SaveStore(doc, path);
    }
    FCurrentPath = path;
    FKeyOpen = true;
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(std::string_view Key)
{
    std::string path = Resolve(Key);
    if (!KeyExists("\\" + path))
        return false;
    FCurrentPath = path;
    FKeyOpen = true;
    FReadOnly = true;
    return true;
}

void TRegistry::CloseKey()
{
    FCurrentPath.clear();
    FKeyOpen = false;
    FReadOnly = false;
}

bool TRegistry::KeyExists(std::string_view Key)
{
    std::string wanted = SectionOf(Resolve(Key));
    IniDocument doc = LoadStore();
    auto names = doc.SectionNames();
    return std::any_of(names.begin(), names.end(), [&](const std::string& s) { return IsAtOrBelow(s, wanted); });
}

bool TRegistry::DeleteKey(std::string_view Key)
{
    std::string path = Resolve(Key);
    if (path.empty())
        return false; // a root cannot be deleted
    std::string wanted = SectionOf(path);
    IniDocument doc = LoadStore();
    bool found = false;
    for (const auto& name : doc.SectionNames())
        if (IsAtOrBelow(name, wanted))
            found |= doc.EraseSection(name);
    if (found)
        SaveStore(doc, path);
    return found;
}

void TRegistry::GetKeyNames(TStrings& Strings)
{
    std::string current = SectionOf(FCurrentPath);
    IniDocument doc = LoadStore();
    TStringList names;
    names.SetSorted(true); // one entry per key, whatever the file repeats
    for (const auto& section : doc.SectionNames()) {
        if (!IsAtOrBelow(section, current) || section.size() == current.size())
            continue;
        std::string_view rest = std::string_view(section).substr(current.size() + 1);
        names.Add(Unescape(rest.substr(0, rest.find('\\'))));
    }
    Strings.Assign(&names);
}

bool TRegistry::ValueExists(std::string_view Name)
{
    return LoadStore().Find(SectionOf(FCurrentPath), ValueKey(Name)) != nullptr;
}

bool TRegistry::DeleteValue(std::string_view Name)
{
    if (FReadOnly)
        return false;
    IniDocument doc = LoadStore();
    if (!doc.DeleteKey(SectionOf(FCurrentPath), ValueKey(Name)))
        return false;
    SaveStore(doc, Name);
    return true;
}

void TRegistry::GetValueNames(TStrings& Strings)
{
    IniDocument doc = LoadStore();
    Strings.BeginUpdate();
    Strings.Clear();
    for (const auto& [name, value] : doc.Entries(SectionOf(FCurrentPath)))
        Strings.Add(ValueName(name));
    Strings.EndUpdate();
}

TRegDataType TRegistry::GetDataType(std::string_view Name)
{
    const IniDocument doc = LoadStore();
    const std::string* stored = doc.Find(SectionOf(FCurrentPath), ValueKey(Name));
    if (stored == nullptr)
        return rdUnknown;
    if (stored->starts_with(kStringTag))
        return rdString;
    int32_t ignored;
    if (stored->starts_with(kIntegerTag) && TryStrToInt(std::string_view(*stored).substr(2), ignored))
        return rdInteger;
    return rdUnknown;
}

std::string TRegistry::ReadString(std::string_view Name)
{
    IniDocument doc = LoadStore();
    const std::string* stored = doc.Find(SectionOf(FCurrentPath), ValueKey(Name));
    if (stored == nullptr)
        return std::string();
    if (!stored->starts_with(kStringTag))
        throw ERegistryException("Invalid data type for '" + std::string(Name) + "'");
    return Unescape(std::string_view(*stored).substr(kStringTag.size()));
}

int TRegistry::ReadInteger(std::string_view Name)
{
    IniDocument doc = LoadStore();
    const std::string* stored = doc.Find(SectionOf(FCurrentPath), ValueKey(Name));
    if (stored == nullptr)
        throw ERegistryException("Failed to get data for '" + std::string(Name) + "'");
    int32_t value;
    if (!stored->starts_with(kIntegerTag) || !TryStrToInt(std::string_view(*stored).substr(kIntegerTag.size()), value))
        throw ERegistryException("Invalid data type for '" + std::string(Name) + "'");
    return value;
}

bool TRegistry::ReadBool(std::string_view Name)
{
    return ReadInteger(Name) != 0;
}

void TRegistry::WriteValue(std::string_view Name, std::string_view Stored)
{
    if (FReadOnly)
        throw ERegistryException("Failed to set data for '" + std::string(Name) + "'");
    IniDocument doc = LoadStore();
    doc.Set(SectionOf(FCurrentPath), ValueKey(Name), Stored);
    SaveStore(doc, Name);
}

void TRegistry::WriteString(std::string_view Name, std::string_view Value)
{
    WriteValue(Name, std::string(kStringTag) + Escape(Value));
}

void TRegistry::WriteInteger(std::string_view Name, int Value)
{
    WriteValue(Name, std::string(kIntegerTag) + IntToStr(Value));
}

void TRegistry::WriteBool(std::string_view Name, bool Value)
{
    WriteInteger(Name, Value ? 1 : 0);
}

// ---- TRegistryChangeWatch ----

TRegistryChangeWatch::TRegistryChangeWatch(HKEY Root, std::string_view Key, bool WatchSubtree)
    : FWatchSubtree(WatchSubtree)
{
    namespace fs = std::filesystem;
    if (RootName(Root) == nullptr)
        throw ERegistryException("Invalid root key " + IntToStr(Root));
    FSection = SectionName(Root, Key);
    // The store is replaced by a rename on every write, so the folder of the
    // file actually written (a link's target) is watched, not the file.
    fs::path store = TRegistry::StoreFileName();
    std::error_code ec;
    if (fs::exists(store, ec))
        store = fs::canonical(store, ec);
    FStoreName = store.filename().string();
    fs::create_directories(store.parent_path(), ec);
    FNotifyFd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    FCancelFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    // The destructor does not run when the constructor fails.
    const rtl::ScopeFail closeOnFailure([this] {
        if (FNotifyFd >= 0)
            close(FNotifyFd);
        if (FCancelFd >= 0)
            close(FCancelFd);
    });
    if (FNotifyFd < 0 || FCancelFd < 0
        || inotify_add_watch(FNotifyFd, store.parent_path().c_str(),
               IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE | IN_DELETE) < 0)
        throw ERegistryException("Unable to watch the registry file " + store.string());
    FLastSeen = Snapshot();
}

TRegistryChangeWatch::~TRegistryChangeWatch()
{
    close(FNotifyFd);
    close(FCancelFd);
}

// The watched key's sections and values as one text, to compare between events.
std::string TRegistryChangeWatch::Snapshot() const
{
    IniDocument doc = LoadStore();
    std::string text;
    for (const auto& name : doc.SectionNames()) {
        if (FWatchSubtree ? !IsAtOrBelow(name, FSection) : !AnsiSameText(name, FSection))
            continue;
        text += "[" + name + "]\n";
        for (const auto& [key, value] : doc.Entries(name))
            text += key + "=" + value + "\n";
    }
    return text;
}

bool TRegistryChangeWatch::WaitForChange()
{
    alignas(inotify_event) std::array<char, 4096> events;
    for (;;) {
        std::array<pollfd, 2> fds{{{FNotifyFd, POLLIN, 0}, {FCancelFd, POLLIN, 0}}};
        if (poll(fds.data(), fds.size(), -1) < 0)
            continue; // interrupted by a signal
        if (fds[1].revents != 0)
            return false;
        bool storeTouched = false;
        ssize_t length;
        while ((length = read(FNotifyFd, events.data(), events.size())) > 0) {
            for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events.data() + at);
                ssize_t next = at + static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (next > length)
                    break;
                if (event->len > 0 && FStoreName == std::string_view(event->name, strnlen(event->name, event->len)))
                    storeTouched = true;
                at = next;
            }
        }
        if (!storeTouched)
            continue;
        std::string now;
        try {
            now = Snapshot();
        } catch (const ERegistryException&) {
            continue; // unreadable for a moment; the next write tells again
        }
        if (now != FLastSeen) {
            FLastSeen = std::move(now);
            return true;
        }
    }
}

void TRegistryChangeWatch::Cancel()
{
    const std::uint64_t one = 1;
    // The counter stays set, so a wait that starts later returns at once.
    [[maybe_unused]] ssize_t written = write(FCancelFd, &one, sizeof(one));
}

// ---- TRegistryIniFile ----

TRegistryIniFile::TRegistryIniFile(std::string FileName)
    : TCustomIniFile(std::move(FileName)), FKeyPath("\\" + this->FileName())
{
}

bool TRegistryIniFile::OpenSection(std::string_view Section, bool CanCreate)
{
    FRegistry.CloseKey();
    std::string path = FKeyPath + "\\" + std::string(Section);
    return FRegistry.OpenKey(path, CanCreate);
}

std::string TRegistryIniFile::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default)
{
    if (!OpenSection(Section, false))
        return std::string(Default);
    switch (FRegistry.GetDataType(Ident)) {
    case rdString:
        return FRegistry.ReadString(Ident);
    case rdInteger:
        return IntToStr(FRegistry.ReadInteger(Ident));
    case rdUnknown:
        break;
    }
    return std::string(Default);
}

void TRegistryIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value)
{
    OpenSection(Section, true);
    FRegistry.WriteString(Ident, Value);
}

void TRegistryIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value)
{
    OpenSection(Section, true);
    FRegistry.WriteInteger(Ident, Value);
}

void TRegistryIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value)
{
    OpenSection(Section, true);
    FRegistry.WriteBool(Ident, Value);
}

void TRegistryIniFile::ReadSection(std::string_view Section, TStrings& Strings)
{
    if (OpenSection(Section, false))
        FRegistry.GetValueNames(Strings);
    else
        Strings.Clear();
}

void TRegistryIniFile::ReadSections(TStrings& Strings)
{
    FRegistry.CloseKey();
    if (FRegistry.OpenKeyReadOnly(FKeyPath))
        FRegistry.GetKeyNames(Strings);
    else
        Strings.Clear();
}

void TRegistryIniFile::ReadSectionValues(std::string_view Section, TStrings& Strings)
{
    TStringList names;
    ReadSection(Section, names);
    Strings.BeginUpdate();
    Strings.Clear();
    for (int i = 0; i < names.Count(); ++i)
        Strings.Add(names.Strings(i) + "=" + ReadString(Section, names.Strings(i), ""));
    Strings.EndUpdate();
}

void TRegistryIniFile::EraseSection(std::string_view Section)
{
    FRegistry.CloseKey();
    FRegistry.DeleteKey(FKeyPath + "\\" + std::string(Section));
}

void TRegistryIniFile::DeleteKey(std::string_view Section, std::string_view Ident)
{
    if (OpenSection(Section, false))
        FRegistry.DeleteValue(Ident);
}

bool TRegistryIniFile::SectionExists(std::string_view Section)
{
    FRegistry.CloseKey();
    return FRegistry.KeyExists(FKeyPath + "\\" + std::string(Section));
}

bool TRegistryIniFile::ValueExists(std::string_view Section, std::string_view Ident)
{
    return OpenSection(Section, false) && FRegistry.ValueExists(Ident);
}
