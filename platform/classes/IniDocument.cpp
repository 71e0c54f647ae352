// Parsing, editing and saving the sections and entries of an INI text.
#include "platform/classes/IniDocument.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace classes {

namespace {

void CheckText(std::string_view text, std::string_view what)
{
    if (text.find_first_of("\r\n") != std::string_view::npos)
        throw EIniFileException("INI " + std::string(what) + " must not contain a line break");
}

} // namespace

void IniDocument::Clear()
{
    FSections.clear();
}

void IniDocument::LoadFromFile(const std::string& FileName)
{
    std::error_code ec;
    if (!std::filesystem::exists(FileName, ec)) {
        Clear();
        FEncoding = TEncoding::UTF8;
        FWriteBOM = false;
        return;
    }
    TStringList lines;
    lines.LoadFromFile(FileName);
    SetLines(lines);
    FEncoding = lines.Encoding();
    FWriteBOM = lines.WriteBOM();
}

void IniDocument::SetLines(const TStrings& Lines)
{
    Clear();
    FSections.push_back(Section{"", false, {}}); // what comes before any header
    for (int i = 0; i < Lines.Count(); ++i) {
        std::string raw = Lines.Strings(i);
        std::string s = Trim(raw);
        if (s.size() >= 2 && s.front() == '[' && s.back() == ']') {
            FSections.push_back(Section{Trim(std::string_view(s).substr(1, s.size() - 2)), true, {}});
            continue;
        }
        Line line;
        size_t eq = s.find('=');
        if (!s.empty() && s[0] != ';' && eq != std::string::npos && FSections.back().HasHeader) {
            line.IsEntry = true;
            line.Key = Trim(std::string_view(s).substr(0, eq));
            line.Value = Trim(std::string_view(s).substr(eq + 1));
        } else {
            line.Text = std::move(raw);
        }
        FSections.back().Lines.push_back(std::move(line));
    }
}

void IniDocument::GetLines(TStrings& Lines) const
{
    Lines.BeginUpdate();
    Lines.Clear();
    for (const Section& section : FSections) {
        if (section.HasHeader)
            Lines.Add("[" + section.Name + "]");
        for (const Line& line : section.Lines)
            Lines.Add(line.IsEntry ? line.Key + "=" + line.Value : line.Text);
    }
    Lines.EndUpdate();
}

void IniDocument::SaveToFile(const std::string& FileName) const
{
    // The list's save writes beside the file (or where a link leads) and renames.
    try {
        TStringList lines;
        GetLines(lines);
        lines.SetEncoding(FEncoding);
        lines.SetWriteBOM(FWriteBOM);
        lines.SaveToFile(FileName);
    } catch (const Exception&) {
        throw EIniFileException("Unable to write to " + FileName);
    }
}

IniDocument::Section* IniDocument::FindSection(std::string_view Name)
{
    for (Section& s : FSections)
        if (s.HasHeader && AnsiSameText(s.Name, Name))
            return &s;
    return nullptr;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view Name) const
{
    return const_cast<IniDocument*>(this)->FindSection(Name);
}

bool IniDocument::HasSection(std::string_view Section) const
{
    return FindSection(Section) != nullptr;
}

const std::string* IniDocument::Find(std::string_view Section, std::string_view Key) const
{
    const auto* section = FindSection(Section);
    if (section == nullptr)
        return nullptr;
    for (const Line& line : section->Lines)
        if (line.IsEntry && AnsiSameText(line.Key, Key))
            return &line.Value;
    return nullptr;
}

void IniDocument::Set(std::string_view SectionName, std::string_view Key, std::string_view Value)
{
    // What the reading rules could not give back is refused here.
    CheckText(SectionName, "section names");
    CheckText(Key, "key names");
    CheckText(Value, "values");
    std::string key = Trim(Key);
    if (key.empty() || key.find('=') != std::string::npos || key[0] == '[' || key[0] == ';')
        throw EIniFileException("'" + std::string(Key) + "' is not a valid INI key name");
    std::string sectionName = Trim(SectionName);
    std::string value = Trim(Value);

    AddSection(sectionName);
    Section* section = FindSection(sectionName);
    for (Line& line : section->Lines)
        if (line.IsEntry && AnsiSameText(line.Key, key)) {
            line.Value = value;
            return;
        }
    // A new entry goes after the last entry, ahead of trailing blank lines.
    auto lastEntry = std::find_if(section->Lines.rbegin(), section->Lines.rend(),
                                  [](const Line& l) { return l.IsEntry; });
    auto where = lastEntry == section->Lines.rend() ? section->Lines.begin() : lastEntry.base();
    Line line;
    line.IsEntry = true;
    line.Key = key;
    line.Value = value;
    section->Lines.insert(where, std::move(line));
}

void IniDocument::AddSection(std::string_view SectionName)
{
    CheckText(SectionName, "section names");
    std::string name = Trim(SectionName);
    if (FindSection(name) != nullptr)
        return;
    if (FSections.empty())
        FSections.push_back(Section{"", false, {}});
    // Keep a blank line between sections, as people write them.
    Section& last = FSections.back();
    bool documentEmpty = FSections.size() == 1 && last.Lines.empty();
    bool endsBlank = !last.Lines.empty() && !last.Lines.back().IsEntry && Trim(last.Lines.back().Text).empty();
    if (!documentEmpty && !endsBlank)
        last.Lines.push_back(Line{});
    FSections.push_back(Section{name, true, {}});
}

bool IniDocument::DeleteKey(std::string_view SectionName, std::string_view Key)
{
    bool found = false;
    for (Section& s : FSections)
        if (s.HasHeader && AnsiSameText(s.Name, SectionName))
            found |= std::erase_if(s.Lines, [&](const Line& l) { return l.IsEntry && AnsiSameText(l.Key, Key); }) > 0;
    return found;
}

bool IniDocument::EraseSection(std::string_view SectionName)
{
    return std::erase_if(FSections, [&](const Section& s) { return s.HasHeader && AnsiSameText(s.Name, SectionName); }) > 0;
}

std::vector<std::string> IniDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (const Section& s : FSections) {
        if (!s.HasHeader)
            continue;
        bool seen = std::any_of(names.begin(), names.end(), [&](const std::string& n) { return AnsiSameText(n, s.Name); });
        if (!seen)
            names.push_back(s.Name);
    }
    return names;
}

std::vector<IniDocument::Entry> IniDocument::Entries(std::string_view SectionName) const
{
    std::vector<Entry> entries;
    const Section* section = FindSection(SectionName);
    if (section == nullptr)
        return entries;
    for (const Line& line : section->Lines) {
        if (!line.IsEntry)
            continue;
        bool seen = std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return AnsiSameText(e.first, line.Key); });
        if (!seen)
            entries.emplace_back(line.Key, line.Value);
    }
    return entries;
}

} // namespace classes
