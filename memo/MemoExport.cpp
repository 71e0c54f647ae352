// The memo's text as HTML and as RTF, coloured as it is painted: to files, to streams and to
// the clipboard with its rich-text and HTML formats.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"
#include "memo/MemoTokenizer.h"
#include "memo/RTFEngine.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Clipboard.h"

#include <cstdio>

namespace {

std::string Escaped(std::u32string_view Text, bool Quotes)
{
    std::string out;
    out.reserve(Text.size());
    for (char32_t ch : Text) {
        switch (ch) {
        case U'<': out += "&lt;"; break;
        case U'>': out += "&gt;"; break;
        case U'&': out += "&amp;"; break;
        case U'"':
            if (Quotes) {
                out += "&quot;";
                break;
            }
            [[fallthrough]];
        default: rtl::Utf8Append(out, ch);
        }
    }
    return out;
}

// Feeds the part of every run that lies in the columns [From, To) of the text.
class TClippedSink : public memo::TRunSink {
public:
    TClippedSink(memo::TRunSink& Target, int From, int To) : FTarget(Target), FFrom(From), FTo(To) {}
    void Run(std::u32string_view Text, const TStyle& State) override
    {
        const int n = static_cast<int>(Text.size());
        const int a = std::clamp(FFrom - FAt, 0, n), b = std::clamp(FTo - FAt, 0, n);
        if (b > a) FTarget.Run(Text.substr(static_cast<size_t>(a), static_cast<size_t>(b - a)), State);
        FAt += n;
    }

private:
    memo::TRunSink& FTarget;
    int FFrom, FTo, FAt = 0;
};

// Hands runs to a memo's HTML or RTF token writer.
class TExportSink : public memo::TRunSink {
public:
    TExportSink(TQuillCustomMemo& Memo, bool Html) : FMemo(Memo), FHtml(Html) {}
    void Run(std::u32string_view Text, const TStyle& State) override
    {
        if (FHtml) FMemo.AddHTMLToken(Text, State);
        else FMemo.AddRTFToken(Text, State);
    }

private:
    TQuillCustomMemo& FMemo;
    bool FHtml;
};

} // namespace

std::string TQuillCustomMemo::MemoColorToHTML(TColor C)
{
    // System colours are resolved first: their number is no colour.
    const TColor rgb = ColorToRGB(C);
    char out[8];
    std::snprintf(out, sizeof out, "#%02X%02X%02X", static_cast<unsigned>(rgb & 0xFF), static_cast<unsigned>((rgb >> 8) & 0xFF),
                  static_cast<unsigned>((rgb >> 16) & 0xFF));
    return out;
}

std::string TQuillCustomMemo::FontStyleToCSS(TFontStyles S)
{
    std::string css;
    if (S.Contains(fsBold)) css += "font-weight:bold;";
    if (S.Contains(fsItalic)) css += "font-style:italic;";
    if (S.Contains(fsUnderline)) css += "text-decoration:underline;";
    return css;
}

TQuillCustomMemo::RunLook TQuillCustomMemo::LookOfRun(const TStyle& Q, bool ElementBackgroundAsSet) const
{
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    RunLook look{FFont->Color(), FFont->Style(), FBkColor};
    auto charStyle = [&](const TCharStyle& s) {
        look.Font = s.TextColor;
        look.Style = s.Style;
        look.Brush = s.BkColor == clNone ? FBkColor : s.BkColor;
    };
    auto element = [&] {
        if (styler && Q.index >= 0 && Q.index < styler->AllStyles().Count()) {
            const TElementStyle& e = *styler->AllStyles().Items(Q.index);
            look.Font = e.Font().Color();
            look.Style = e.Font().Style();
            look.Brush = e.BGColor() == clNone && !ElementBackgroundAsSet ? FBkColor : e.BGColor();
        } else {
            look = {FFont->Color(), FFont->Style(), FBkColor};
        }
    };
    if (Q.isComment && !Q.isURL && styler) {
        charStyle(styler->CommentStyle());
    } else if (!Q.isBracket || Q.isURL) {
        if (Q.isnumber && styler) charStyle(styler->NumberStyle());
        if (Q.isdelimiter || Q.iskeyWord) element();
        if (Q.isURL) charStyle(*FUrlStyle);
    } else {
        element();
    }
    return look;
}

void TQuillCustomMemo::ExportLines(int FromLine, int FromX, int ToLine, int ToX, memo::TRunSink& Sink,
                                   const std::function<void()>& LineEnd)
{
    const TQuillMemoStrings& lines = EffectiveLines();
    if (lines.Count() == 0) return;
    FromLine = std::clamp(FromLine, 0, lines.Count() - 1);
    ToLine = std::clamp(ToLine, 0, lines.Count() - 1);
    TStyle style;
    const int first = WrapGroupStart(FromLine);
    GetLineStartStyle(first, style);
    memo::TTokenRules rules(ActiveStyler(), FCaseSensitive, FUrlAware);
    memo::TLineTokenizer tokenizer(rules);
    // Soft-wrapped lines are written as the logical lines they show.
    for (int head = first; head <= ToLine;) {
        int end = head + 1;
        while (end < lines.Count() && memo::IsLineWrapped(lines, end)) ++end;
        std::u32string text;
        int from = 0, to = -1;
        for (int i = head; i < end; ++i) {
            if (i == FromLine) from = static_cast<int>(text.size()) + FromX;
            if (i == ToLine && ToX >= 0) to = static_cast<int>(text.size()) + ToX;
            text += memo::ToU32(lines.Strings(i));
        }
        if (to < 0) to = static_cast<int>(text.size());
        TClippedSink clipped(Sink, from, to);
        if (!text.empty()) tokenizer.Tokenize(text, style, &clipped);
        LineEnd();
        head = end;
    }
}

void TQuillCustomMemo::BuildHTML(bool Fixedfonts, int FromLine, bool NoHeader, int ToLine)
{
    Html.clear();
    FHtmlfont.clear();
    if (!NoHeader) {
        Html.push_back("<HTML>");
        Html.push_back("<HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></HEAD>");
        const std::string url = MemoColorToHTML(FUrlStyle->TextColor);
        Html.push_back("<BODY bgColor=" + MemoColorToHTML(FBkColor) + " LINK=" + url + " VLINK=" + url + " ALINK=" + url + ">");
    }
    Html.push_back("<PRE>");
    if (Fixedfonts)
        Html.push_back("<FONT style=\"font-family:" + FFont->Name() + "; font-size:" + std::to_string(FFont->Size()) + "pt\">");
    else
        Html.push_back("<FONT style=\"font-family:" + FFont->Name() + ";\">");
    if (FromLine == -1) {
        FromLine = 0;
        ToLine = EffectiveLines().Count() - 1;
    } else if (FromLine > ToLine) {
        std::swap(FromLine, ToLine);
    }
    if (ToLine >= FromLine && EffectiveLines().Count() > 0) {
        Html.emplace_back();
        TExportSink sink(*this, true);
        int left = ToLine - FromLine;
        ExportLines(FromLine, 0, ToLine, -1, sink, [&] {
            if (left-- > 0) Html.emplace_back();
        });
    }
    if (!FHtmlfont.empty()) Html.push_back("</FONT>");
    Html.push_back("</FONT>");
    Html.push_back("</PRE>");
    if (!NoHeader) {
        Html.push_back("</BODY>");
        Html.push_back("</HTML>");
    }
}

void TQuillCustomMemo::AddHTMLToken(std::u32string_view Text, const TStyle& Style)
{
    if (Html.empty() || Text.empty()) return;
    const RunLook look = LookOfRun(Style, false);
    std::string text = Escaped(Text, false);
    if (Style.isURL) text = "<a href=\"" + Escaped(Text, true) + "\">" + text + "</a>";
    const std::string tag = "<FONT style=\"background-color: " + MemoColorToHTML(look.Brush) + ";color:" + MemoColorToHTML(look.Font) +
                            ";" + FontStyleToCSS(look.Style) + "\">";
    std::string& line = Html.back();
    if (tag == FHtmlfont) {
        line += text;
    } else {
        if (!FHtmlfont.empty()) line += "</FONT>";
        line += tag + text;
        FHtmlfont = tag;
    }
}

std::string TQuillCustomMemo::HTMLText() const
{
    std::string out;
    for (const std::string& line : Html) out += line + "\r\n";
    return out;
}

bool TQuillCustomMemo::SaveToHTML(const std::string& FileName, bool Fixedfonts)
{
    BuildHTML(Fixedfonts, -1, false, -1);
    try {
        TStringList list;
        for (const std::string& line : Html) list.Add(line);
        list.SaveToFile(FileName);
    } catch (const Exception&) {
        return false;
    }
    return true;
}

bool TQuillCustomMemo::SaveToHTMLStream(TStream& AStream, bool Fixedfonts)
{
    BuildHTML(Fixedfonts, -1, false, -1);
    try {
        const std::string text = HTMLText();
        AStream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
    } catch (const Exception&) {
        return false;
    }
    return true;
}

void TQuillCustomMemo::ApplyRTFFontStyle(TFontStyles S)
{
    if (S.Contains(fsBold) != FRTFEngine->Bold()) FRTFEngine->AddBold(S.Contains(fsBold));
    if (S.Contains(fsItalic) != FRTFEngine->Italic()) FRTFEngine->AddItalic(S.Contains(fsItalic));
    if (S.Contains(fsUnderline) != FRTFEngine->UnderLine()) FRTFEngine->AddUnderLine(S.Contains(fsUnderline));
}

void TQuillCustomMemo::AddRTFToken(std::u32string_view Text, const TStyle& Style)
{
    if (!FRTFEngine || Text.empty()) return;
    const RunLook look = LookOfRun(Style, true);
    const std::string text = memo::ToUtf8(Text);
    if (Style.isURL) {
        TFont font;
        font.Assign(FFont.get());
        font.SetStyle(FUrlStyle->Style);
        font.SetColor(FUrlStyle->TextColor);
        const TColor previous = FRTFEngine->HighLightColor();
        if (FUrlStyle->BkColor != clNone) FRTFEngine->AddHighLightColor(FUrlStyle->BkColor);
        else if (previous != clNone) FRTFEngine->AddHighLightColor(clNone);
        FRTFEngine->AddHyperLink(text, text, font);
        if (previous != clNone) FRTFEngine->AddHighLightColor(previous);
        return;
    }
    FRTFEngine->AddHighLightColor(look.Brush);
    FRTFEngine->AddForeColor(look.Font);
    ApplyRTFFontStyle(look.Style);
    FRTFEngine->AddText(text);
}

void TQuillCustomMemo::BuildRTF(bool, int FromLine, int ToLine, int FromX, int ToX)
{
    if (!FRTFEngine) return;
    FRTFEngine->AddFontName(FFont->Name());
    FRTFEngine->AddFontSize(FFont->Size() * 2);
    FRTFEngine->AddForeColor(FFont->Color());
    FHtmlfont.clear();
    if (FromLine == -1) {
        FromLine = 0;
        ToLine = EffectiveLines().Count() - 1;
    } else if (FromLine > ToLine) {
        std::swap(FromLine, ToLine);
    }
    if (ToLine < FromLine || EffectiveLines().Count() == 0) return;
    TExportSink sink(*this, false);
    ExportLines(FromLine, FromX, ToLine, ToX, sink, [&] { FRTFEngine->AddNewLine(); });
}

bool TQuillCustomMemo::SaveToRTF(const std::string& FileName, bool Fixedfonts)
{
    FRTFEngine = std::make_unique<TRTFEngine>();
    auto release = rtl::ScopeExit([&] { FRTFEngine.reset(); });
    try {
        BuildRTF(Fixedfonts, -1, -1);
        FRTFEngine->SaveToFile(FileName);
    } catch (const Exception&) {
        return false;
    }
    return true;
}

bool TQuillCustomMemo::SaveToRTFStream(TStream& AStream, bool Fixedfonts)
{
    FRTFEngine = std::make_unique<TRTFEngine>();
    auto release = rtl::ScopeExit([&] { FRTFEngine.reset(); });
    try {
        BuildRTF(Fixedfonts, -1, -1);
        AStream.SetPosition(0);
        FRTFEngine->SaveToStream(&AStream);
        AStream.SetPosition(0);
    } catch (const Exception&) {
        return false;
    }
    return true;
}

std::string TQuillCustomMemo::WrapMemoClipboardHTML(const std::string& T)
{
    auto eight = [](size_t n) {
        char out[24];
        std::snprintf(out, sizeof out, "%.8zu", n);
        return std::string(out);
    };
    const size_t n = T.size();
    std::string out = "Version:1.0\r\nStartHTML:" + eight(97) + "\r\nEndHTML:" + eight(301 + n) + "\r\nStartFragment:" + eight(269) +
                      "\r\nEndFragment:" + eight(269 + n) + "\r\n";
    out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
    out += "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head><body><!--StartFragment-->";
    out += T;
    out += "<!--EndFragment--></body></html>";
    return out;
}

void TQuillCustomMemo::CopyHTMLToClipboard()
{
    BuildHTML(false, -1, false, -1);
    const std::string text = HTMLText();
    Clipboard()->Open();
    auto close = rtl::ScopeExit([] { Clipboard()->Close(); });
    Clipboard()->SetAsBytes(RegisterClipboardFormat("HTML Format"), WrapMemoClipboardHTML(text));
    Clipboard()->SetAsText(text);
}

// The selection in up to three formats. The rich formats are built from the
// selected columns of the lines as they stand: no line is changed meanwhile.
void TQuillCustomMemo::CopyToClipBoard()
{
    const std::string selected = Selection();
    if (selected.empty()) return;
    int sx = 0, sy = 0, ex = 0, ey = 0;
    OrderedSelection(sx, sy, ex, ey);
    std::string html, rtf;
    if (FClipboardFormats.Contains(cfHTML)) {
        Html.clear();
        FHtmlfont.clear();
        Html.push_back("<PRE>");
        Html.push_back("<FONT style=\"font-family:" + FFont->Name() + "; font-size:" + std::to_string(FFont->Size()) + "pt\">");
        Html.emplace_back();
        TExportSink sink(*this, true);
        int left = ey - sy;
        ExportLines(sy, sx, ey, ex, sink, [&] {
            if (left-- > 0) Html.emplace_back();
        });
        if (!FHtmlfont.empty()) Html.push_back("</FONT>");
        Html.push_back("</FONT>");
        Html.push_back("</PRE>");
        html = WrapSelectionHTML(HTMLText());
    }
    if (FClipboardFormats.Contains(cfRTF)) {
        FRTFEngine = std::make_unique<TRTFEngine>();
        auto release = rtl::ScopeExit([&] { FRTFEngine.reset(); });
        BuildRTF(true, sy, ey, sx, ex);
        rtf = FRTFEngine->GetText();
    }
    Clipboard()->Open();
    auto close = rtl::ScopeExit([] { Clipboard()->Close(); });
    if (FClipboardFormats.Contains(cfText)) Clipboard()->SetAsText(selected);
    if (!rtf.empty()) Clipboard()->SetAsBytes(RegisterClipboardFormat("Rich Text Format"), rtf + '\0');
    if (!html.empty()) Clipboard()->SetAsBytes(RegisterClipboardFormat("HTML Format"), html + '\0');
}

// The version 0.9 clipboard HTML around a selection's HTML F: the offsets
// count the header's own digits, found by trying widths until they agree.
std::string TQuillCustomMemo::WrapSelectionHTML(const std::string& F)
{
    const std::string head = "<!DOCTYPE>\r\n<HTML>\r\n<HEAD>\r\n<TITLE>The HTML Clipboard</TITLE>\r\n"
                             "<BASE HREF=\"about:blank\">\r\n</HEAD>\r\n<BODY>\r\n<!--StartFragment -->\r\n";
    const std::string tail = "\r\n<!--EndFragment-->\r\n</BODY>\r\n</HTML>\r\n";
    std::string header;
    size_t length = 0;
    for (int round = 0; round < 4; ++round) {
        const size_t startHtml = length, startFragment = length + head.size(), endFragment = startFragment + F.size();
        const size_t endHtml = endFragment + tail.size();
        header = "Version:0.9\r\nStartHTML:" + std::to_string(startHtml) + "\r\nEndHTML:" + std::to_string(endHtml) +
                 "\r\nStartFragment:" + std::to_string(startFragment) + "\r\nEndFragment:" + std::to_string(endFragment) + "\r\n";
        if (header.size() == length) break;
        length = header.size();
    }
    return header + head + F + tail;
}
