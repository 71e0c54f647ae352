// Merging RTF documents into a builder: renumbered fonts and colours, filtered words, hostile text.
#include "memo/RTFEngine.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The builder's body: what follows "\uc1" up to the closing "\par}".
std::string Body(const TRTFEngine& rtf)
{
    const std::string text = rtf.GetText();
    const size_t start = text.find("\\uc1") + 4;
    return text.substr(start, text.size() - start - 5);
}

TEST(RTFMerge, FontsAndColoursAreRenumberedIntoThisDocument)
{
    TRTFEngine source;
    source.AddFontName("Courier New");
    source.AddForeColor(clGreen);
    source.AddText("code");
    source.AddFontName("Arial");
    source.AddForeColor(clRed);
    source.AddHighLightColor(clYellow);
    source.AddText("x");

    TRTFEngine target;
    target.AddFontName("Arial");
    target.AddForeColor(clRed);
    target.AddRTF(source.GetText());
    EXPECT_EQ(Body(target), "\\f0\\cf0\\f1\\cf1 code\\f0\\cf0\\highlight2 x\\par");
    EXPECT_NE(target.GetText().find("{\\f0\\fnil Arial;}{\\f1\\fnil Courier New;}"), std::string::npos);
}

TEST(RTFMerge, EscapedTextSurvives)
{
    TRTFEngine source;
    source.AddBold(true);
    source.AddText("a{b}\\c caf\xC3\xA9 \xE2\x82\xAC");
    TRTFEngine target;
    target.AddRTF(source.GetText());
    EXPECT_EQ(Body(target), Body(source) + "\\par");
}

TEST(RTFMerge, WordsTheBuilderDoesNotWriteAreDropped)
{
    struct Case {
        const char* Name;
        std::string_view Source;
        const char* Expected;
    };
    const Case cases[] = {
        {"dropped word between texts leaves one space", "Hello \\lang9 world", "Hello world"},
        {"dropped word after a kept one keeps its delimiter", "\\b\\lang9 x\\b0", "\\b x\\b0"},
        {"numbers without a table entry are dropped", "\\cf5\\f3 x", " x"},
        {"paragraph sizes and indents are kept", "\\pard\\fs24\\li360\\fi-360\\sa200 x", "\\pard\\fs24\\li360\\fi-360 x"},
        {"control word ended by punctuation", "\\b0,text", "\\b0,text"},
        {"code-page escapes and symbols stay", "\\'e9\\~\\-\\\\", "\\'e9\\~\\-\\\\"},
        {"unknown symbol dropped", "a\\|b", "ab"},
        {"raw characters beyond ASCII are escaped", "caf\xC3\xA9", "caf\\u233\\'e9"},
        {"a whole document's tables and ignorable groups hold no text",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\*\\generator x;}{\\*\\pn\\pnlvlblt}Hi}",
         "{{\\*\\pn\\pnlvlblt}Hi}"},
    };
    for (const Case& c : cases) {
        TRTFEngine target;
        target.AddRTF(c.Source);
        EXPECT_EQ(Body(target), c.Expected) << c.Name;
    }
}

TEST(RTFMerge, ParagraphResetIsDroppedInsideAnOpenTable)
{
    TRTFEngine target;
    target.StartTable(taLeftJustify);
    target.AddColumn(1000);
    target.StartRow();
    target.AddRTF("\\pard\\ql x");
    EXPECT_TRUE(Body(target).ends_with("\\pard\\intbl \\ql x")) << Body(target);
}

TEST(RTFMerge, HostileBracesStayBalanced)
{
    for (std::string_view source : {"}}}x{", "{{{\\b", "{\\rtf1\\viewkind4 }}}}", "\\", "{\\rtf1 \\viewkind"}) {
        TRTFEngine target;
        target.AddRTF(source);
        const std::string text = target.GetText();
        int depth = 0;
        bool underflow = false;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\\') {
                ++i;
                continue;
            }
            depth += text[i] == '{' ? 1 : text[i] == '}' ? -1 : 0;
            underflow = underflow || (depth == 0 && i + 1 < text.size());
        }
        EXPECT_EQ(depth, 0) << source;
        EXPECT_FALSE(underflow) << source << " closed the document early: " << text;
    }
}

} // namespace
