// The memo's settings file: its look and behaviour as keys of an INI file, written and read back.
#include "memo/QuillMemo.h"
#include "platform/classes/IniFiles.h"
#include "platform/rtl/Files.h"

#include <array>

namespace {

constexpr std::string_view Section = "Memo Settings";
// The page prefix has always lived in a section of its own, spelt so.
constexpr std::string_view PrefixSection = "Memo Setings";

constexpr std::array<std::pair<TFontStyle, std::string_view>, 4> StyleNames{
    {{fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}}};

std::string FontStyleText(TFontStyles S)
{
    std::string text;
    for (const auto& [style, name] : StyleNames)
        if (S.Contains(style)) text += name;
    return text;
}

// The styles named anywhere in the text join the current ones.
TFontStyles WithNamedStyles(TFontStyles S, const std::string& Text)
{
    for (const auto& [style, name] : StyleNames)
        if (Text.find(name) != std::string::npos) S.Include(style);
    return S;
}

// Reading through one INI file: a missing key or a value that is not a
// number keeps the setting; so does a number outside the range a memo can
// work with, so that a damaged file cannot ask for a tab of a billion spaces.
class SettingsReader {
public:
    explicit SettingsReader(TCustomIniFile& Ini) : FIni(Ini) {}
    bool Bool(std::string_view Key, bool Current) { return FIni.ReadBool(Section, Key, Current); }
    int Int(std::string_view Key, int Current, int Low, int High)
    {
        const int value = FIni.ReadInteger(Section, Key, Current);
        return value < Low || value > High ? Current : value;
    }
    TColor Color(std::string_view Key, TColor Current) { return StringToColor(FIni.ReadString(Section, Key, ColorToString(Current))); }
    std::string Text(std::string_view Key, const std::string& Current) { return FIni.ReadString(Section, Key, Current); }
    std::string Text(std::string_view Key) { return FIni.ReadString(Section, Key, ""); }
    void Font(TFont& F, std::string_view Name, std::string_view Color, std::string_view Size, std::string_view Style)
    {
        F.SetName(Text(Name, F.Name()));
        F.SetColor(this->Color(Color, F.Color()));
        F.SetSize(Int(Size, F.Size(), 1, 1000));
        F.SetStyle(WithNamedStyles(F.Style(), Text(Style)));
    }

private:
    TCustomIniFile& FIni;
};

class SettingsWriter {
public:
    explicit SettingsWriter(TCustomIniFile& Ini) : FIni(Ini) {}
    void Bool(std::string_view Key, bool Value) { FIni.WriteBool(Section, Key, Value); }
    void Int(std::string_view Key, int Value) { FIni.WriteInteger(Section, Key, Value); }
    void Color(std::string_view Key, TColor Value) { FIni.WriteString(Section, Key, ColorToString(Value)); }
    void Text(std::string_view Key, std::string_view Value) { FIni.WriteString(Section, Key, Value); }
    void Font(const TFont& F, std::string_view Name, std::string_view Color, std::string_view Size, std::string_view Style)
    {
        Text(Name, F.Name());
        this->Color(Color, F.Color());
        Int(Size, F.Size());
        Text(Style, FontStyleText(F.Style()));
    }

private:
    TCustomIniFile& FIni;
};

constexpr std::array<std::string_view, 3> HintModes{"hpAuto", "hpManual", "hpNone"};
constexpr std::array<std::string_view, 3> WrapModes{"wwNone", "wwClientWidth", "wwRightMargin"};

} // namespace

// The whole file is written beside the old one and renamed over it: keys and
// sections of other owners stay, and a failed save leaves the old file whole.
void TQuillCustomMemo::SaveMemoSettingsToFile(const std::string& FileName)
{
    TMemIniFile ini(FileName);
    SettingsWriter w(ini);
    w.Color("ActiveLineColor", FActiveLineSettings->ActiveLineColor());
    w.Color("ActiveLineTextColor", FActiveLineSettings->ActiveLineTextColor());
    w.Bool("ShowActiveLine", FActiveLineSettings->ShowActiveLine());
    w.Bool("ShowActiveLineIndicator", FActiveLineSettings->ShowActiveLineIndicator());
    w.Bool("ShowGutter", FGutter->Visible());
    w.Int("GutterDigitCount", FGutter->DigitCount());
    w.Color("GutterColor", FGutter->GutterColor());
    w.Color("GutterColorTo", FGutter->GutterColorTo());
    w.Int("GutterMargin", FGutter->GutterMargin());
    w.Int("GutterWidth", FGutter->GutterWidth());
    w.Bool("ShowLineNumbers", FGutter->ShowLineNumbers());
    w.Int("LineNumberStart", FGutter->LineNumberStart());
    w.Color("LineNumberTextColor", FGutter->LineNumberTextColor());
    w.Bool("ShowLeadingZeros", FGutter->ShowLeadingZeros());
    w.Text("GutterFontName", FGutter->Font().Name());
    w.Color("GutterFontColor", FGutter->Font().Color());
    w.Int("GutterFontSize", FGutter->Font().Size());
    w.Text("GutterNumberSuffix", FGutter->NumberSuffix());
    w.Text("GutterFontStyle", FontStyleText(FGutter->Font().Style()));
    const TAutoCompletion& ac = *FAutoCompletion;
    w.Bool("AutoCompletionActive", ac.Active);
    w.Color("AutoCompletionColor", ac.Color());
    w.Color("AutoCompletionColorEvent", ac.ColorEvent);
    w.Color("AutoCompletionColorFunc", ac.ColorFunc);
    w.Color("AutoCompletionColorIdentifier", ac.ColorIdentifier);
    w.Color("AutoCompletionColorMethod", ac.ColorMethod);
    w.Color("AutoCompletionColorProc", ac.ColorProc);
    w.Color("AutoCompletionColorVar", ac.ColorVar);
    w.Int("AutoCompletionDelay", ac.Delay());
    w.Bool("AutoCompletionShowImages", ac.ShowImages);
    w.Bool("AutoCompletionSizeDropDown", ac.SizeDropDown);
    w.Int("AutoCompletionWidth", ac.Width);
    w.Font(ac.Font(), "AutoCompletionFontName", "AutoCompletionFontColor", "AutoCompletionFontSize", "AutoCompletionFontStyle");
    w.Int("AutoHintParameterDelay", FAutoHintParameterDelay);
    w.Text("AutoHintParameters", HintModes[FAutoHintParameters]);
    w.Text("AutoHintParameterPosition", FAutoHintParameterPosition == hpBelowCode ? "hpBelowCode" : "hpAboveCode");
    w.Bool("AutoIndent", FAutoIndent);
    w.Color("BkColor", FBkColor);
    w.Color("BlockColor", FBlockColor);
    w.Color("BlockLineColor", FBlockLineColor);
    w.Color("BreakpointColor", FBreakpointColor);
    w.Color("BreakpointTextColor", FBreakpointTextColor);
    w.Bool("BlockShow", FBlockShow);
    w.Bool("CaseSensitive", FCaseSensitive);
    w.Bool("DelErase", FDelErase);
    w.Bool("EnhancedHomeKey", FEnhancedHomeKey);
    w.Font(*FFont, "FontName", "FontColor", "FontSize", "FontStyle");
    w.Bool("HiddenCaret", FHiddenCaret);
    w.Bool("HideSelection", FHideSelection);
    w.Bool("ReadOnly", FReadOnly);
    w.Int("RightMargin", FRightMargin);
    w.Color("RightMarginColor", FRightMarginColor);
    w.Bool("ShowRightMargin", FShowRightMargin);
    w.Bool("SmartTabs", FSmartTabs);
    w.Int("TabSize", FTabSize);
    w.Bool("TrimTralingSpaces", FTrimTrailingSpaces);
    w.Int("UndoLimit", FUndoLimit);
    w.Bool("URLAware", FUrlAware);
    w.Color("URLBKColor", FUrlStyle->BkColor);
    w.Color("URLTextColor", FUrlStyle->TextColor);
    w.Text("URLStyleStyle", FontStyleText(FUrlStyle->Style));
    w.Bool("UseStyler", FUseStyler);
    w.Bool("WantTab", FWantTab);
    w.Text("WordWrap", WrapModes[FWordWrap]);
    const TPrintOptions& print = *FPrintOptions;
    w.Int("PrintMarginLeft", print.MarginLeft);
    w.Int("PrintMarginRight", print.MarginRight);
    w.Int("PrintMarginTop", print.MarginTop);
    w.Int("PrintMarginBottom", print.MarginBottom);
    w.Text("PrintJobName", print.JobName);
    w.Bool("PrintPageNr", print.PageNr);
    ini.WriteString(PrefixSection, "PrintPagePrefix", print.PagePrefix);
    w.Bool("PrintLineNumbers", print.PrintLineNumbers);
    w.Text("PrintTitle", print.Title);
    w.Int("DefaultMarkerImageIndex", FMarkerList->DefaultMarkerImageIndex());
    w.Bool("UseDefaultMarkerImageIndex", FMarkerList->UseDefaultMarkerImageIndex());
    ini.UpdateFile();
}

void TQuillCustomMemo::LoadMemoSettingsFromFile(const std::string& FileName)
{
    if (!FileExists(FileName)) return;
    TMemIniFile ini(FileName);
    SettingsReader r(ini);
    constexpr int Big = 1 << 20;
    TQuillActiveLineSettings& active = *FActiveLineSettings;
    active.SetActiveLineColor(r.Color("ActiveLineColor", active.ActiveLineColor()));
    active.SetActiveLineTextColor(r.Color("ActiveLineTextColor", active.ActiveLineTextColor()));
    active.SetShowActiveLine(r.Bool("ShowActiveLine", active.ShowActiveLine()));
    active.SetShowActiveLineIndicator(r.Bool("ShowActiveLineIndicator", active.ShowActiveLineIndicator()));
    TQuillGutter& gutter = *FGutter;
    gutter.SetVisible(r.Bool("ShowGutter", gutter.Visible()));
    gutter.SetDigitCount(r.Int("GutterDigitCount", gutter.DigitCount(), 0, 20));
    gutter.SetGutterColor(r.Color("GutterColor", gutter.GutterColor()));
    gutter.SetGutterColorTo(r.Color("GutterColorTo", gutter.GutterColorTo()));
    gutter.SetGutterMargin(r.Int("GutterMargin", gutter.GutterMargin(), 0, 10000));
    gutter.SetGutterWidth(r.Int("GutterWidth", gutter.GutterWidth(), 0, 10000));
    gutter.SetShowLineNumbers(r.Bool("ShowLineNumbers", gutter.ShowLineNumbers()));
    gutter.SetLineNumberStart(r.Int("LineNumberStart", gutter.LineNumberStart(), -Big, Big));
    gutter.SetLineNumberTextColor(r.Color("LineNumberTextColor", gutter.LineNumberTextColor()));
    gutter.SetShowLeadingZeros(r.Bool("ShowLeadingZeros", gutter.ShowLeadingZeros()));
    TFont& gutterFont = gutter.Font();
    gutterFont.SetName(r.Text("GutterFontName", gutterFont.Name()));
    gutterFont.SetColor(r.Color("GutterFontColor", gutterFont.Color()));
    gutterFont.SetSize(r.Int("GutterFontSize", gutterFont.Size(), 1, 1000));
    gutter.SetNumberSuffix(r.Text("GutterNumberSuffix", gutter.NumberSuffix()));
    gutterFont.SetStyle(WithNamedStyles(gutterFont.Style(), r.Text("GutterFontStyle")));
    TAutoCompletion& ac = *FAutoCompletion;
    ac.Active = r.Bool("AutoCompletionActive", ac.Active);
    ac.SetColor(r.Color("AutoCompletionColor", ac.Color()));
    ac.ColorEvent = r.Color("AutoCompletionColorEvent", ac.ColorEvent);
    ac.ColorFunc = r.Color("AutoCompletionColorFunc", ac.ColorFunc);
    ac.ColorIdentifier = r.Color("AutoCompletionColorIdentifier", ac.ColorIdentifier);
    ac.ColorMethod = r.Color("AutoCompletionColorMethod", ac.ColorMethod);
    ac.ColorProc = r.Color("AutoCompletionColorProc", ac.ColorProc);
    ac.ColorVar = r.Color("AutoCompletionColorVar", ac.ColorVar);
    ac.SetDelay(r.Int("AutoCompletionDelay", ac.Delay(), 0, 3600000));
    ac.ShowImages = r.Bool("AutoCompletionShowImages", ac.ShowImages);
    ac.SizeDropDown = r.Bool("AutoCompletionSizeDropDown", ac.SizeDropDown);
    ac.Width = r.Int("AutoCompletionWidth", ac.Width, 0, 10000);
    TFont acFont;
    acFont.Assign(&ac.Font());
    r.Font(acFont, "AutoCompletionFontName", "AutoCompletionFontColor", "AutoCompletionFontSize", "AutoCompletionFontStyle");
    ac.SetFont(acFont);
    FAutoHintParameterDelay = r.Int("AutoHintParameterDelay", FAutoHintParameterDelay, 0, 3600000);
    const std::string hint = r.Text("AutoHintParameters", "hpAuto");
    for (size_t i = 0; i < HintModes.size(); ++i)
        if (hint == HintModes[i]) FAutoHintParameters = static_cast<TAutoHintParameters>(i);
    FAutoHintParameterPosition = r.Text("AutoHintParameterPosition", "hpBelowCode") == "hpBelowCode" ? hpBelowCode : hpAboveCode;
    FAutoIndent = r.Bool("AutoIndent", FAutoIndent);
    FBkColor = r.Color("BkColor", FBkColor);
    FBlockColor = r.Color("BlockColor", FBlockColor);
    FBlockLineColor = r.Color("BlockLineColor", FBlockLineColor);
    FBreakpointColor = r.Color("BreakpointColor", FBreakpointColor);
    FBreakpointTextColor = r.Color("BreakpointTextColor", FBreakpointTextColor);
    FBlockShow = r.Bool("BlockShow", FBlockShow);
    FCaseSensitive = r.Bool("CaseSensitive", FCaseSensitive);
    FDelErase = r.Bool("DelErase", FDelErase);
    FEnhancedHomeKey = r.Bool("EnhancedHomeKey", FEnhancedHomeKey);
    r.Font(*FFont, "FontName", "FontColor", "FontSize", "FontStyle");
    FHiddenCaret = r.Bool("HiddenCaret", FHiddenCaret);
    FHideSelection = r.Bool("HideSelection", FHideSelection);
    FReadOnly = r.Bool("ReadOnly", FReadOnly);
    FRightMargin = r.Int("RightMargin", FRightMargin, 0, 100000);
    FRightMarginColor = r.Color("RightMarginColor", FRightMarginColor);
    FShowRightMargin = r.Bool("ShowRightMargin", FShowRightMargin);
    FSmartTabs = r.Bool("SmartTabs", FSmartTabs);
    FTabSize = r.Int("TabSize", FTabSize, 1, 64);
    FTrimTrailingSpaces = r.Bool("TrimTralingSpaces", FTrimTrailingSpaces);
    FUndoLimit = r.Int("UndoLimit", FUndoLimit, 1, 100);
    FUrlAware = r.Bool("URLAware", FUrlAware);
    FUrlStyle->BkColor = r.Color("URLBKColor", FUrlStyle->BkColor);
    FUrlStyle->TextColor = r.Color("URLTextColor", FUrlStyle->TextColor);
    FUrlStyle->Style = WithNamedStyles(FUrlStyle->Style, r.Text("URLStyleStyle"));
    FUseStyler = r.Bool("UseStyler", FUseStyler);
    FWantTab = r.Bool("WantTab", FWantTab);
    const std::string wrap = r.Text("WordWrap", "wwNone");
    for (size_t i = 0; i < WrapModes.size(); ++i)
        if (wrap == WrapModes[i]) FWordWrap = static_cast<TWordWrapStyle>(i);
    TPrintOptions& print = *FPrintOptions;
    print.MarginLeft = r.Int("PrintMarginLeft", print.MarginLeft, 0, Big);
    print.MarginRight = r.Int("PrintMarginRight", print.MarginRight, 0, Big);
    print.MarginTop = r.Int("PrintMarginTop", print.MarginTop, 0, Big);
    print.MarginBottom = r.Int("PrintMarginBottom", print.MarginBottom, 0, Big);
    print.JobName = r.Text("PrintJobName", print.JobName);
    print.PageNr = r.Bool("PrintPageNr", print.PageNr);
    print.PagePrefix = ini.ReadString(PrefixSection, "PrintPagePrefix", print.PagePrefix);
    print.PrintLineNumbers = r.Bool("PrintLineNumbers", print.PrintLineNumbers);
    print.Title = r.Text("PrintTitle", print.Title);
    FMarkerList->SetDefaultMarkerImageIndex(r.Int("DefaultMarkerImageIndex", FMarkerList->DefaultMarkerImageIndex(), -1, Big));
    FMarkerList->SetUseDefaultMarkerImageIndex(r.Bool("UseDefaultMarkerImageIndex", FMarkerList->UseDefaultMarkerImageIndex()));
    Invalidate();
}
