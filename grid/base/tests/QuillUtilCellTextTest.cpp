// Cell text kinds and the wide encoding.
#include "grid/base/QuillUtilCellText.h"

#include "grid/base/tests/PythonPeer.h"
#include "platform/rtl/Strings.h"

#include <gtest/gtest.h>

using namespace grid;

TEST(QuillUtilCellText, Kinds)
{
    struct Case {
        std::string text;
        bool allowHTML;
        int kind;
    };
    const Case cases[] = {
        {"=1+2", true, ctkFormula},
        {"=", false, ctkFormula},
        {"{\\rtf1", true, ctkRTF},
        {"<B>x</B>", true, ctkHTML},
        {"<B>x</B>", false, ctkPlain},
        {"<b>x", true, ctkPlain},
        {"<b>x</b>", true, ctkHTML},
        {"a <C>", true, ctkHTML},
        {EncodeWideCellText(u"=A"), true, ctkFormula},
        {EncodeWideCellText(u"="), true, ctkWide},
        {EncodeWideCellText(u"abc"), true, ctkWide},
        {"|", true, ctkPlain},
        {"", true, ctkPlain},
        {"plain", true, ctkPlain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyCellText(c.text, c.allowHTML), c.kind) << '"' << c.text << '"';
}

TEST(QuillUtilCellText, WideEncodingRoundTripMatchesUtf16BigEndian)
{
    const std::u16string texts[] = {
        u"",
        u"plain",
        std::u16string(u"nul\0inside", 10),
        u"\u00e9\u00ff\u0100\u4e16\uffff",
        u"\U0001F600 surrogates",
        std::u16string(1, static_cast<char16_t>(0xD800)),
    };
    std::string payloads;
    std::string expected;
    for (const auto& text : texts) {
        const std::string encoded = EncodeWideCellText(text);
        EXPECT_EQ(DecodeWideCellText(encoded), text);
        // The payload read as Latin-1 (one character per byte) is the UTF-16BE form.
        payloads += rtl::Utf8ToLatin1(encoded.substr(2)) + '\n';
        for (char16_t unit : text) {
            expected += static_cast<char>(unit >> 8);
            expected += static_cast<char>(unit & 0xFF);
        }
        expected += '\n';
    }
    // Python encodes the same texts to UTF-16BE independently (surrogatepass keeps a
    // lone surrogate as it is).
    const std::string script = R"(
import sys
texts = ['', 'plain', 'nul\0inside', '\u00e9\u00ff\u0100\u4e16\uffff', '\U0001F600 surrogates', '\ud800']
sys.stdout.buffer.write(b''.join(t.encode('utf-16-be', 'surrogatepass') + b'\n' for t in texts))
)";
    EXPECT_EQ(grid::test::RunPython(script, ""), expected);
    EXPECT_EQ(payloads, expected);
}

TEST(QuillUtilCellText, DecodingOtherTextKeepsIt)
{
    EXPECT_EQ(DecodeWideCellText("abc é"), u"abc é");
    EXPECT_EQ(DecodeWideCellText("|\\"
                                 "\x01"),
              u"")
        << "a trailing odd character is ignored";
    EXPECT_EQ(DecodeWideCellText("|\\a\u4e16"), u"\ufffd") << "a character the encoding never writes";
}
