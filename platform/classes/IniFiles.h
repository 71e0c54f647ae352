// Settings in INI files: the common interface, the file that is written at
// every change, and the file that is edited in memory and written on demand.
#pragma once

#include "platform/classes/IniDocument.h"
#include "platform/classes/Object.h"

#include <string>
#include <string_view>

class TStrings;

// Section and key names compare without regard to case. Values lose the
// blanks around them, as in every INI reader; a name or value that the file
// could not give back (a line break, a key with "=") raises
// EIniFileException instead of being written.
class TCustomIniFile : public TObject {
    VISTRA_CLASS(TCustomIniFile, TObject)

    explicit TCustomIniFile(std::string FileName) : FFileName(std::move(FileName)) {}

    const std::string& FileName() const noexcept { return FFileName; }

    virtual std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) = 0;
    virtual void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) = 0;
    // Key names of the section, in file order.
    virtual void ReadSection(std::string_view Section, TStrings& Strings) = 0;
    virtual void ReadSections(TStrings& Strings) = 0;
    // The section's entries as name=value lines.
    virtual void ReadSectionValues(std::string_view Section, TStrings& Strings) = 0;
    virtual void EraseSection(std::string_view Section) = 0;
    virtual void DeleteKey(std::string_view Section, std::string_view Ident) = 0;
    // Writes pending changes to the file.
    virtual void UpdateFile() = 0;

    // A section exists when its header is in the file, keys or not.
    virtual bool SectionExists(std::string_view Section) = 0;
    virtual bool ValueExists(std::string_view Section, std::string_view Ident);

    // Typed values are stored as text; text that does not convert reads as
    // Default. Integers accept decimal and "$", "0x" hexadecimal; Booleans
    // are written "1" and "0" and read as integers (non-zero is true).
    // Floats and dates use the process-wide format settings.
    int ReadInteger(std::string_view Section, std::string_view Ident, int Default);
    virtual void WriteInteger(std::string_view Section, std::string_view Ident, int Value);
    bool ReadBool(std::string_view Section, std::string_view Ident, bool Default);
    virtual void WriteBool(std::string_view Section, std::string_view Ident, bool Value);
    double ReadFloat(std::string_view Section, std::string_view Ident, double Default);
    void WriteFloat(std::string_view Section, std::string_view Ident, double Value);
    double ReadDate(std::string_view Section, std::string_view Ident, double Default);
    void WriteDate(std::string_view Section, std::string_view Ident, double Value);
    double ReadDateTime(std::string_view Section, std::string_view Ident, double Default);
    void WriteDateTime(std::string_view Section, std::string_view Ident, double Value);
    double ReadTime(std::string_view Section, std::string_view Ident, double Default);
    void WriteTime(std::string_view Section, std::string_view Ident, double Value);

private:
    std::string FFileName;
};

// Reads the file into memory when created; writes change only the memory
// until UpdateFile saves them. A missing file starts empty.
class TMemIniFile : public TCustomIniFile {
    VISTRA_CLASS(TMemIniFile, TCustomIniFile)

    explicit TMemIniFile(std::string FileName);

    std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) override;
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) override;
    void ReadSection(std::string_view Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    void ReadSectionValues(std::string_view Section, TStrings& Strings) override;
    void EraseSection(std::string_view Section) override;
    void DeleteKey(std::string_view Section, std::string_view Ident) override;
    // Raises EIniFileException when the file cannot be written.
    void UpdateFile() override;
    bool SectionExists(std::string_view Section) override;

private:
    classes::IniDocument FDocument;
};

// Every read sees the file as it is now, and every change is written to the
// file at once, so several objects (and programs) may share one file.
// A change that cannot be saved raises EIniFileException.
class TIniFile : public TCustomIniFile {
    VISTRA_CLASS(TIniFile, TCustomIniFile)

    explicit TIniFile(std::string FileName);

    std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) override;
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) override;
    void ReadSection(std::string_view Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    void ReadSectionValues(std::string_view Section, TStrings& Strings) override;
    void EraseSection(std::string_view Section) override;
    void DeleteKey(std::string_view Section, std::string_view Ident) override;
    // Nothing is pending: every change is already in the file.
    void UpdateFile() override {}
    bool SectionExists(std::string_view Section) override;

private:
    // The current file; an unreadable one reads as empty.
    void Refresh();
    void Save();

    classes::IniDocument FDocument;
};
