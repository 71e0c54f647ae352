// The line-break codes of the grid's file and clipboard formats.
#include "grid/base/QuillUtilLineBreaks.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(QuillUtilLineBreaks, Codecs)
{
    struct Case {
        const char* name;
        std::string (*codec)(std::string_view);
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"file encode", EncodeLineBreaksForFile, "a\r\nb\0c"s, "a\x09\x08" "b\x01" "c"s},
        {"file encode without CR", EncodeLineBreaksForFile, "a\nb\0"s, "a\nb\0"s},
        {"VT quoting", QuoteWithVTBreaks, "a\r\nb \"c\"", "\"a\vb \"c\"\""},
        {"VT to CR LF", VTToCRLF, "a\vb\v", "a\r\nb\r\n"},
        {"CR LF to LF", CRLFToLineFeed, "a\r\nb\rc", "a\nb\rc"},
        {"CR to tilde", CRToTilde, "a\r\nb\nc", "a~bc"},
        {"tilde to CR LF", TildeToCRLF, "a~b", "a\r\nb"},
        {"caret alone", TildeToCRLF, "^", ""},
        {"caret in text", TildeToCRLF, "^^", "^^"},
        {"CR to \\n", CRToBackslashN, "a\r\nb", "a\\nb"},
        {"\\n to CR", BackslashNToCR, "a\\nb\\", "a\rb\\"},
        {"HTML break", CRToHTMLBreak, "a\r\nb", "a<br>\nb"},
        {"remove CR", RemoveCRChars, "a\r\nb\r", "a\nb"},
        {"CR to LF", CRToLineFeed, "a\r\nb", "a\n\nb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.codec(c.in), c.out) << c.name;
}

TEST(QuillUtilLineBreaks, FileCodecRoundTrip)
{
    for (const std::string& text : {"one\r\ntwo\r\nthree"s, "nul\0\r\nend"s, "plain"s, "a\nb"s})
        EXPECT_EQ(DecodeLineBreaksFromFile(EncodeLineBreaksForFile(text), true), text);
    EXPECT_EQ(DecodeLineBreaksFromFile(EncodeLineBreaksForFile("one\r\ntwo"), false), "one");
    // Decoding starts only at character 8, so a lone CR comes back as the tab it was
    // stored as.
    EXPECT_EQ(DecodeLineBreaksFromFile(EncodeLineBreaksForFile("a\rb"), true), "a\tb");
}
