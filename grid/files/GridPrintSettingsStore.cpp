// The print settings as keys of one INI section.
#include "grid/files/GridSettingsStore.h"

#include "grid/model/PrintSettings.h"
#include "platform/classes/IniFiles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

namespace {

// The three print fonts and the prefix of their keys.
struct TFontKeys {
    std::string_view Prefix;
    TFont* (TPrintSettings::*Font)() noexcept;
};
constexpr TFontKeys kFonts[] = {
    {"", &TPrintSettings::Font},
    {"Header", &TPrintSettings::HeaderFont},
    {"Footer", &TPrintSettings::FooterFont},
};

// The INI file trims the blanks around a value, so a text that begins or ends with
// a blank or a quote is stored in quotes, which reading takes off again.
std::string StoredText(std::string_view Text)
{
    const auto kept = [](char c) { return c != ' ' && c != '\t' && c != '"'; };
    if (Text.empty() || (kept(Text.front()) && kept(Text.back()))) return std::string(Text);
    return '"' + std::string(Text) + '"';
}

std::string UnquotedText(std::string Text)
{
    if (Text.size() >= 2 && Text.front() == '"' && Text.back() == '"') return Text.substr(1, Text.size() - 2);
    return Text;
}

std::string Key(std::string_view Prefix, std::string_view Name) { return std::string(Prefix) + std::string(Name); }

// Lines joined with CR LF, every CR stored as backslash and n and every LF dropped.
// A backslash that reading would take for part of a mark (before "n", before
// another backslash, or ending the line) is doubled, so that every line comes back.
std::string TitleLinesValue(const TStrings& Lines)
{
    std::string value;
    for (int i = 0; i < Lines.Count(); ++i) {
        const std::string line = Lines.Strings(i);
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (line[c] == '\r' || line[c] == '\n') continue;
            value += line[c];
            const char next = c + 1 < line.size() ? line[c + 1] : '\n';
            if (line[c] == '\\' && (next == 'n' || next == '\\' || next == '\r' || next == '\n')) value += '\\';
        }
        value += "\\n";
    }
    return value;
}

void SetTitleLines(TStrings& Lines, std::string_view Value)
{
    Lines.Clear();
    std::string line;
    for (std::size_t c = 0; c < Value.size(); ++c) {
        const char next = c + 1 < Value.size() ? Value[c + 1] : '\0';
        if (Value[c] == '\\' && next == 'n') {
            Lines.Add(line);
            line.clear();
            ++c;
        } else {
            line += Value[c];
            if (Value[c] == '\\' && next == '\\') ++c;
        }
    }
    if (!line.empty()) Lines.Add(line);
}

// Reads typed values of one section; a present value of the wrong form is an error.
class TSectionReader {
public:
    TSectionReader(TCustomIniFile& Ini, std::string_view Section) : FIni(Ini), FSection(Section) {}

    std::string Text(std::string_view Key, std::string_view Default)
    {
        return UnquotedText(FIni.ReadString(FSection, Key, Default));
    }

    int Integer(std::string_view Key, int Default)
    {
        if (!FIni.ValueExists(FSection, Key)) return Default;
        const std::string text = Text(Key, "");
        int value = 0;
        if (!TryStrToInt(text, value)) Malformed(Key, text);
        return value;
    }

    bool YesNo(std::string_view Key, bool Default)
    {
        const std::string text = Text(Key, Default ? "Y" : "N");
        if (text != "Y" && text != "N") Malformed(Key, text);
        return text == "Y";
    }

    // An ordinal within First..Last, or Keep for any other number.
    template <class E>
    E Ordinal(std::string_view Key, int Default, int First, int Last, E Keep)
    {
        const int value = Integer(Key, Default);
        return value >= First && value <= Last ? static_cast<E>(value) : Keep;
    }

private:
    [[noreturn]] void Malformed(std::string_view Key, const std::string& Text)
    {
        throw EConvertError("Print setting " + std::string(Key) + " has the malformed value \"" + Text + "\"");
    }

    TCustomIniFile& FIni;
    std::string_view FSection;
};

void WriteYesNo(TCustomIniFile& Ini, std::string_view Section, std::string_view Key, bool Value)
{
    Ini.WriteString(Section, Key, Value ? "Y" : "N");
}

void WriteText(TCustomIniFile& Ini, std::string_view Section, std::string_view Key, std::string_view Value)
{
    Ini.WriteString(Section, Key, StoredText(Value));
}

void WriteSection(TPrintSettings& S, TCustomIniFile& Ini, std::string_view Section)
{
    Ini.WriteInteger(Section, "ColumnSpacing", S.ColumnSpacing());
    Ini.WriteInteger(Section, "RowSpacing", S.RowSpacing());
    Ini.WriteInteger(Section, "TitleSpacing", S.TitleSpacing());
    Ini.WriteInteger(Section, "FixedHeight", S.FixedHeight());
    Ini.WriteInteger(Section, "FixedWidth", S.FixedWidth());
    WriteYesNo(Ini, Section, "Centered", S.Centered());
    WriteYesNo(Ini, Section, "NoAutoSize", S.NoAutoSize());
    WriteYesNo(Ini, Section, "UseFixedHeight", S.UseFixedHeight());
    WriteYesNo(Ini, Section, "UseFixedWidth", S.UseFixedWidth());
    WriteYesNo(Ini, Section, "RepeatFixedRows", S.RepeatFixedRows());
    WriteYesNo(Ini, Section, "RepeatFixedCols", S.RepeatFixedCols());
    WriteYesNo(Ini, Section, "UseDisplFont", S.UseDisplayFont());
    WriteYesNo(Ini, Section, "UseDefOrientation", S.UseDefaultOrientation());
    Ini.WriteInteger(Section, "Borders", S.Borders());
    Ini.WriteInteger(Section, "BorderColor", S.BorderColor());
    Ini.WriteInteger(Section, "BorderStyle", S.BorderStyle());
    Ini.WriteInteger(Section, "Date", S.Date());
    Ini.WriteInteger(Section, "PageNr", S.PageNr());
    Ini.WriteInteger(Section, "Title", S.Title());
    Ini.WriteInteger(Section, "Time", S.Time());
    WriteText(Ini, Section, "DateFormat", S.DateFormat());
    WriteText(Ini, Section, "TitleText", S.TitleText());
    Ini.WriteInteger(Section, "FooterSize", S.FooterSize());
    Ini.WriteInteger(Section, "HeaderSize", S.HeaderSize());
    Ini.WriteInteger(Section, "LeftSize", S.LeftSize());
    Ini.WriteInteger(Section, "RightSize", S.RightSize());
    Ini.WriteInteger(Section, "FitToPage", S.FitToPage());
    for (const TFontKeys& keys : kFonts) {
        const TFont& font = *(S.*keys.Font)();
        WriteText(Ini, Section, Key(keys.Prefix, "FontName"), font.Name());
        Ini.WriteInteger(Section, Key(keys.Prefix, "FontSize"), font.Size());
        Ini.WriteInteger(Section, Key(keys.Prefix, "FontStyle"), static_cast<int>(font.Style().Bits()));
        Ini.WriteInteger(Section, Key(keys.Prefix, "FontColor"), font.Color());
    }
    WriteText(Ini, Section, "PageNumSep", S.PageNumSep());
    WriteText(Ini, Section, "PageSuffix", S.PageSuffix());
    WriteText(Ini, Section, "PagePrefix", S.PagePrefix());
    Ini.WriteInteger(Section, "Orientation", S.Orientation());
    WriteText(Ini, Section, "TitleLines", TitleLinesValue(*S.TitleLines()));
    WriteYesNo(Ini, Section, "PrintGraphics", S.PrintGraphics());
}

// Every font style there is: bold 1, italic 2, underline 4, strike-out 8.
constexpr int kAllFontStyles = 15;

void ReadSection(TPrintSettings& S, TSectionReader& In)
{
    S.SetColumnSpacing(In.Integer("ColumnSpacing", 20));
    S.SetRowSpacing(In.Integer("RowSpacing", 20));
    S.SetTitleSpacing(In.Integer("TitleSpacing", 20));
    S.SetFixedHeight(In.Integer("FixedHeight", 0));
    S.SetFixedWidth(In.Integer("FixedWidth", 0));
    S.SetCentered(In.YesNo("Centered", true));
    S.SetNoAutoSize(In.YesNo("NoAutoSize", false));
    S.SetUseFixedHeight(In.YesNo("UseFixedHeight", false));
    S.SetUseFixedWidth(In.YesNo("UseFixedWidth", false));
    S.SetRepeatFixedRows(In.YesNo("RepeatFixedRows", false));
    S.SetRepeatFixedCols(In.YesNo("RepeatFixedCols", false));
    S.SetUseDisplayFont(In.YesNo("UseDisplFont", false));
    S.SetUseDefaultOrientation(In.YesNo("UseDefOrientation", false));
    S.SetBorders(In.Ordinal("Borders", 0, pbNoborder, pbCustom, S.Borders()));
    S.SetBorderColor(In.Integer("BorderColor", 0));
    S.SetBorderStyle(In.Ordinal("BorderStyle", 0, psSolid, psInsideFrame, S.BorderStyle()));
    S.SetDate(In.Ordinal("Date", 0, ppTopLeft, ppBottomCenter, ppNone));
    S.SetPageNr(In.Ordinal("PageNr", 0, ppTopLeft, ppBottomCenter, ppNone));
    S.SetTitle(In.Ordinal("Title", 0, ppTopLeft, ppBottomCenter, ppNone));
    S.SetTime(In.Ordinal("Time", 0, ppTopLeft, ppBottomCenter, ppNone));
    S.SetDateFormat(In.Text("DateFormat", ""));
    S.SetTitleText(In.Text("TitleText", ""));
    S.SetFooterSize(In.Integer("FooterSize", 100));
    S.SetHeaderSize(In.Integer("HeaderSize", 100));
    S.SetLeftSize(In.Integer("LeftSize", 100));
    S.SetRightSize(In.Integer("RightSize", 100));
    S.SetFitToPage(In.Ordinal("FitToPage", 0, fpNever, fpCustom, S.FitToPage()));
    for (const TFontKeys& keys : kFonts) {
        TFont& font = *(S.*keys.Font)();
        font.SetName(In.Text(Key(keys.Prefix, "FontName"), "Arial"));
        font.SetSize(In.Integer(Key(keys.Prefix, "FontSize"), 10));
        const int style = In.Integer(Key(keys.Prefix, "FontStyle"), 0);
        if (style < 0 || style > kAllFontStyles)
            throw EConvertError("Print setting " + Key(keys.Prefix, "FontStyle") + " has no font styles " + IntToStr(style));
        font.SetStyle(TFontStyles::FromBits(static_cast<std::uint32_t>(style)));
        font.SetColor(In.Integer(Key(keys.Prefix, "FontColor"), 0));
    }
    S.SetPageNumSep(In.Text("PageNumSep", ""));
    S.SetPageSuffix(In.Text("PageSuffix", ""));
    S.SetPagePrefix(In.Text("PagePrefix", ""));
    S.SetOrientation(In.Ordinal("Orientation", 0, poPortrait, poLandscape, S.Orientation()));
    SetTitleLines(*S.TitleLines(), In.Text("TitleLines", ""));
    S.SetPrintGraphics(In.YesNo("PrintGraphics", false));
}

} // namespace

namespace grid {

void SavePrintSettings(TPrintSettings& Settings, const std::string& FileName, std::string_view Section)
{
    TMemIniFile ini(FileName);
    WriteSection(Settings, ini, Section);
    ini.UpdateFile();
}

void LoadPrintSettings(TPrintSettings& Settings, const std::string& FileName, std::string_view Section)
{
    TMemIniFile ini(FileName);
    TSectionReader reader(ini, Section);
    // Read into a copy, so that a malformed value leaves the settings as they were.
    TPrintSettings loaded;
    loaded.Assign(&Settings);
    ReadSection(loaded, reader);
    Settings.Assign(&loaded);
}

} // namespace grid
