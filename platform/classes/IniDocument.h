// The text of an INI file as sections of lines, kept whole so that saving
// changes only what was written: comments, blank lines and lines that are
// not entries go back to the file as they came.
#pragma once

#include "platform/classes/StringList.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace classes {

// Reading rules: a line is trimmed; "[name]" starts a section; "key=value"
// is an entry with blanks around key and value dropped; anything else (empty
// lines, ";" comments, lines without "=", lines before the first section)
// is kept but never read. Section and key names compare without regard to
// case; the first of two equal names wins.
class IniDocument {
public:
    using Entry = std::pair<std::string, std::string>;

    // A missing file gives an empty document; one that exists but cannot be
    // read raises EFOpenError.
    void LoadFromFile(const std::string& FileName);
    // Writes through a temporary file that replaces FileName, so a failed
    // save leaves the old file whole; raises EIniFileException on failure.
    void SaveToFile(const std::string& FileName) const;
    void SetLines(const TStrings& Lines);
    void GetLines(TStrings& Lines) const;
    void Clear();

    bool HasSection(std::string_view Section) const;
    const std::string* Find(std::string_view Section, std::string_view Key) const;
    // Raises EIniFileException for a name or value the file could not hold.
    void Set(std::string_view Section, std::string_view Key, std::string_view Value);
    // Adds an empty section unless one of that name exists.
    void AddSection(std::string_view Section);
    // Remove every entry or section of that name; false when there was none.
    bool DeleteKey(std::string_view Section, std::string_view Key);
    bool EraseSection(std::string_view Section);

    std::vector<std::string> SectionNames() const;
    std::vector<Entry> Entries(std::string_view Section) const;

private:
    struct Line {
        std::string Text; // the line as read, for lines that are not entries
        bool IsEntry = false;
        std::string Key;
        std::string Value;
    };
    struct Section {
        std::string Name;
        bool HasHeader = true;
        std::vector<Line> Lines;
    };

    Section* FindSection(std::string_view Name);
    const Section* FindSection(std::string_view Name) const;

    std::vector<Section> FSections;
    TEncoding FEncoding = TEncoding::UTF8;
    bool FWriteBOM = false;
};

} // namespace classes
