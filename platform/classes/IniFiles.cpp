// INI files: typed values over text, the in-memory file and the
// write-through file.
#include "platform/classes/IniFiles.h"

#include "platform/classes/StringList.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

namespace {

using classes::IniDocument;

void ListKeys(const IniDocument& doc, std::string_view section, TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    for (const auto& [key, value] : doc.Entries(section))
        strings.Add(key);
    strings.EndUpdate();
}

void ListSections(const IniDocument& doc, TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    for (const auto& name : doc.SectionNames())
        strings.Add(name);
    strings.EndUpdate();
}

void ListValues(const IniDocument& doc, std::string_view section, TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    for (const auto& [key, value] : doc.Entries(section))
        strings.Add(key + "=" + value);
    strings.EndUpdate();
}

// Reads a date or time text with Parse, or gives Default for an empty or
// unreadable one.
template <class Parser>
double ReadDateText(TCustomIniFile& ini, std::string_view section, std::string_view ident, double fallback,
                    Parser parse)
{
    std::string text = ini.ReadString(section, ident, "");
    double value;
    return !text.empty() && parse(text, value) ? value : fallback;
}

} // namespace

// ---- TCustomIniFile ----

bool TCustomIniFile::ValueExists(std::string_view Section, std::string_view Ident)
{
    TStringList keys;
    ReadSection(Section, keys);
    return keys.IndexOf(Ident) >= 0;
}

int TCustomIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int Default)
{
    return StrToIntDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(std::string_view Section, std::string_view Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value)
{
    WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(std::string_view Section, std::string_view Ident, double Default)
{
    return StrToFloatDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteFloat(std::string_view Section, std::string_view Ident, double Value)
{
    WriteString(Section, Ident, FloatToStr(Value));
}

double TCustomIniFile::ReadDate(std::string_view Section, std::string_view Ident, double Default)
{
    return ReadDateText(*this, Section, Ident, Default,
                        [](const std::string& s, double& v) { return TryStrToDate(s, v); });
}

void TCustomIniFile::WriteDate(std::string_view Section, std::string_view Ident, double Value)
{
    WriteString(Section, Ident, DateToStr(Value));
}

double TCustomIniFile::ReadDateTime(std::string_view Section, std::string_view Ident, double Default)
{
    return ReadDateText(*this, Section, Ident, Default,
                        [](const std::string& s, double& v) { return TryStrToDateTime(s, v); });
}

void TCustomIniFile::WriteDateTime(std::string_view Section, std::string_view Ident, double Value)
{
    WriteString(Section, Ident, DateTimeToStr(Value));
}

double TCustomIniFile::ReadTime(std::string_view Section, std::string_view Ident, double Default)
{
    return ReadDateText(*this, Section, Ident, Default,
                        [](const std::string& s, double& v) { return TryStrToTime(s, v); });
}

void TCustomIniFile::WriteTime(std::string_view Section, std::string_view Ident, double Value)
{
    WriteString(Section, Ident, TimeToStr(Value));
}

// ---- TMemIniFile ----

TMemIniFile::TMemIniFile(std::string FileName) : TCustomIniFile(std::move(FileName))
{
    if (!this->FileName().empty())
        FDocument.LoadFromFile(this->FileName());
}

std::string TMemIniFile::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default)
{
    const std::string* value = FDocument.Find(Section, Ident);
    return value != nullptr ? *value : std::string(Default);
}

void TMemIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value)
{
    FDocument.Set(Section, Ident, Value);
}

void TMemIniFile::ReadSection(std::string_view Section, TStrings& Strings)
{
    ListKeys(FDocument, Section, Strings);
}

void TMemIniFile::ReadSections(TStrings& Strings)
{
    ListSections(FDocument, Strings);
}

void TMemIniFile::ReadSectionValues(std::string_view Section, TStrings& Strings)
{
    ListValues(FDocument, Section, Strings);
}

void TMemIniFile::EraseSection(std::string_view Section)
{
    FDocument.EraseSection(Section);
}

void TMemIniFile::DeleteKey(std::string_view Section, std::string_view Ident)
{
    FDocument.DeleteKey(Section, Ident);
}

void TMemIniFile::UpdateFile()
{
    FDocument.SaveToFile(FileName());
}

bool TMemIniFile::SectionExists(std::string_view Section)
{
    return FDocument.HasSection(Section);
}

// ---- TIniFile ----

TIniFile::TIniFile(std::string FileName) : TCustomIniFile(std::move(FileName)) {}

void TIniFile::Refresh()
{
    try {
        FDocument.LoadFromFile(FileName());
    } catch (const EStreamError&) {
        FDocument.Clear();
    }
}

void TIniFile::Save()
{
    FDocument.SaveToFile(FileName());
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default)
{
    Refresh();
    const std::string* value = FDocument.Find(Section, Ident);
    return value != nullptr ? *value : std::string(Default);
}

void TIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value)
{
    Refresh();
    FDocument.Set(Section, Ident, Value);
    Save();
}

void TIniFile::ReadSection(std::string_view Section, TStrings& Strings)
{
    Refresh();
    ListKeys(FDocument, Section, Strings);
}

void TIniFile::ReadSections(TStrings& Strings)
{
    Refresh();
    ListSections(FDocument, Strings);
}

void TIniFile::ReadSectionValues(std::string_view Section, TStrings& Strings)
{
    Refresh();
    ListValues(FDocument, Section, Strings);
}

void TIniFile::EraseSection(std::string_view Section)
{
    Refresh();
    if (FDocument.EraseSection(Section))
        Save();
}

void TIniFile::DeleteKey(std::string_view Section, std::string_view Ident)
{
    Refresh();
    if (FDocument.DeleteKey(Section, Ident))
        Save();
}

bool TIniFile::SectionExists(std::string_view Section)
{
    Refresh();
    return FDocument.HasSection(Section);
}
