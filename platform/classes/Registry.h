// A registry stand-in: keys and typed values kept in one file in the
// user's configuration folder, and INI-style access to a key.
#pragma once

#include "platform/classes/IniFiles.h"
#include "platform/classes/Object.h"

#include <cstdint>
#include <string>
#include <string_view>

class TStrings;

using HKEY = std::uint32_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;

enum TRegDataType { rdUnknown, rdString, rdInteger };

// Keys form paths separated by "\" below a root; names of keys and values
// compare without regard to case. Every operation reads the file as it is
// now and every change is written at once, so several objects (and
// programs) share the store. The file is $VISTRA_REGISTRY_FILE when that is
// set, else CorvantaVistra/registry.ini in $XDG_CONFIG_HOME (or ~/.config).
//
// Errors raise ERegistryException: reading a missing integer ("Failed to get
// data for 'X'"), reading a value of the other type ("Invalid data type for
// 'X'"), writing through a read-only key or into a file that cannot be
// written ("Failed to set data for 'X'").
class TRegistry : public TObject {
    VISTRA_CLASS(TRegistry, TObject)

    TRegistry() = default;

    // The path of the backing file.
    static std::string StoreFileName();

    HKEY RootKey() const noexcept { return FRootKey; }
    // Closes the open key; raises ERegistryException for an unknown root.
    void SetRootKey(HKEY Value);

    // A key starting with "\" is taken from the root, any other from the
    // open key. Returns false when the key is missing and CanCreate is false.
    bool OpenKey(std::string_view Key, bool CanCreate);
    bool OpenKeyReadOnly(std::string_view Key);
    void CloseKey();
    // The open key's path below the root; empty when none is open.
    const std::string& CurrentPath() const noexcept { return FCurrentPath; }

    bool KeyExists(std::string_view Key);
    // Deletes the key with everything below it.
    bool DeleteKey(std::string_view Key);
    void GetKeyNames(TStrings& Strings);

    bool ValueExists(std::string_view Name);
    bool DeleteValue(std::string_view Name);
    void GetValueNames(TStrings& Strings);
    TRegDataType GetDataType(std::string_view Name);

    // A missing string reads as empty.
    std::string ReadString(std::string_view Name);
    void WriteString(std::string_view Name, std::string_view Value);
    int ReadInteger(std::string_view Name);
    void WriteInteger(std::string_view Name, int Value);
    // Stored as an integer, 1 or 0; any non-zero integer reads as true.
    bool ReadBool(std::string_view Name);
    void WriteBool(std::string_view Name, bool Value);

private:
    std::string Resolve(std::string_view Key) const;
    std::string SectionOf(std::string_view Path) const;
    void WriteValue(std::string_view Name, std::string_view Stored);

    HKEY FRootKey = HKEY_CURRENT_USER;
    std::string FCurrentPath;
    bool FKeyOpen = false;
    bool FReadOnly = false;
};

// Waits for changes to a key of the store (its values, and with WatchSubtree
// everything below it), made by this or any other program that writes the
// file. One thread waits; any thread may cancel. Creating the watch raises
// ERegistryException when the store's folder cannot be watched.
class TRegistryChangeWatch {
public:
    TRegistryChangeWatch(HKEY Root, std::string_view Key, bool WatchSubtree);
    ~TRegistryChangeWatch();
    TRegistryChangeWatch(const TRegistryChangeWatch&) = delete;
    TRegistryChangeWatch& operator=(const TRegistryChangeWatch&) = delete;

    // Blocks until the key differs from when the watch was made or last
    // reported a change; false once Cancel was called.
    bool WaitForChange();
    void Cancel();

private:
    std::string Snapshot() const;

    std::string FSection;
    std::string FStoreName;
    bool FWatchSubtree;
    std::string FLastSeen;
    int FNotifyFd = -1;
    int FCancelFd = -1;
};

// INI-file access to one registry key below HKEY_CURRENT_USER: sections are
// its sub-keys and entries their values. Integer values read as their
// decimal text.
class TRegistryIniFile : public TCustomIniFile {
    VISTRA_CLASS(TRegistryIniFile, TCustomIniFile)

    explicit TRegistryIniFile(std::string FileName);

    std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) override;
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) override;
    void ReadSection(std::string_view Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    void ReadSectionValues(std::string_view Section, TStrings& Strings) override;
    void EraseSection(std::string_view Section) override;
    void DeleteKey(std::string_view Section, std::string_view Ident) override;
    // Integers and Booleans are stored as integer values.
    void WriteInteger(std::string_view Section, std::string_view Ident, int Value) override;
    void WriteBool(std::string_view Section, std::string_view Ident, bool Value) override;
    void UpdateFile() override {}
    bool SectionExists(std::string_view Section) override;
    bool ValueExists(std::string_view Section, std::string_view Ident) override;

    TRegistry& RegIniFile() noexcept { return FRegistry; }

private:
    // Opens Section below the key; false when it is missing and not created.
    bool OpenSection(std::string_view Section, bool CanCreate);

    TRegistry FRegistry;
    std::string FKeyPath;
};
