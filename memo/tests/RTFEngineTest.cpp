// The RTF builder's output for each kind of call, checked against exact texts.
#include "memo/RTFEngine.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>

namespace {

constexpr std::string_view EmptyHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033";

// The body between the header and the closing "\par}" of a builder without fonts or colours.
std::string Body(const TRTFEngine& rtf)
{
    const std::string text = rtf.GetText();
    const std::string head = std::string(EmptyHeader) + "\\viewkind4\\uc1";
    EXPECT_TRUE(text.starts_with(head)) << text;
    EXPECT_TRUE(text.ends_with("\\par}")) << text;
    return text.substr(head.size(), text.size() - head.size() - 5);
}

TEST(RTFEngine, EmptyDocumentHasNoTables)
{
    TRTFEngine rtf;
    EXPECT_EQ(rtf.GetText(), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\viewkind4\\uc1\\par}");
}

TEST(RTFEngine, StyledRunWithFontAndColourTables)
{
    TRTFEngine rtf;
    rtf.AddFontName("Arial");
    rtf.AddFontSize(20);
    rtf.AddForeColor(clRed);
    rtf.AddBold(true);
    rtf.AddText("Hello");
    rtf.AddBold(false);
    EXPECT_EQ(rtf.GetText(), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil Arial;}}"
                             "{\\colortbl \\red255\\green0\\blue0;}\\viewkind4\\uc1\\f0\\fs20\\cf0\\b Hello\\b0\\par}");
    EXPECT_TRUE(!rtf.Bold() && rtf.FonSize() == 20 && rtf.ForeColor() == clRed);
}

TEST(RTFEngine, TextIsEscapedAndSeparatedFromControlWords)
{
    struct Case {
        const char* Name;
        std::string_view Text;
        const char* Expected;
    };
    const Case cases[] = {
        {"reserved characters", "a{b}\\c", " a\\{b\\}\\\\c"},
        {"CR LF starts a paragraph", "one\r\ntwo", " one\\par two"},
        {"lone LF is dropped", "one\ntwo", " onetwo"},
        {"Latin-1 letter keeps a code-page fallback", "caf\xC3\xA9", " caf\\u233\\'e9"},
        {"euro sign falls back to a question mark", "\xE2\x82\xAC", " \\u8364?"},
        {"upper half of the 16-bit range is negative", "\xEF\xBF\xBD", " \\u-3?"},
        {"beyond 16 bits as a surrogate pair", "\xF0\x9F\x98\x80", " \\u-10179?\\u-8704?"},
        {"invalid UTF-8 byte becomes the replacement character", "a\xFF", " a\\u-3?"},
    };
    for (const Case& c : cases) {
        TRTFEngine rtf;
        rtf.AddText(c.Text);
        EXPECT_EQ(Body(rtf), c.Expected) << c.Name;
    }
}

TEST(RTFEngine, OnlyTheFirstTextAfterAControlWordGetsASpace)
{
    TRTFEngine rtf;
    rtf.AddBold(true);
    rtf.AddText("a");
    rtf.AddText("b");
    rtf.AddTab();
    rtf.AddText("c");
    EXPECT_EQ(Body(rtf), "\\b ab\\tab c");
}

TEST(RTFEngine, SameColourTwiceAndSystemColoursShareOneEntry)
{
    TRTFEngine rtf;
    rtf.AddForeColor(clBlue);
    rtf.AddForeColor(clBlue);
    rtf.AddForeColor(ColorToRGB(clBtnFace));
    rtf.AddHighLightColor(clBtnFace);
    rtf.AddHighLightColor(clNone);
    EXPECT_NE(rtf.GetText().find("\\cf0\\cf0\\cf1\\highlight1\\highlight0"), std::string::npos) << rtf.GetText();
    EXPECT_NE(rtf.GetText().find("{\\colortbl \\red0\\green0\\blue255;\\red"), std::string::npos);
}

TEST(RTFEngine, AlignmentStartsAParagraphOnlyAtALineStart)
{
    TRTFEngine atStart;
    atStart.AddHAlignment(taRightJustify);
    EXPECT_EQ(Body(atStart), "\\pard\\qr");

    TRTFEngine afterBreak;
    afterBreak.AddText("x");
    afterBreak.AddNewLine();
    afterBreak.AddHAlignment(taCenter);
    EXPECT_EQ(Body(afterBreak), " x\\par\\pard\\qc");

    TRTFEngine afterText;
    afterText.AddText("x");
    afterText.AddHAlignment(taRightJustify);
    EXPECT_EQ(Body(afterText), " x\\qr");

    TRTFEngine afterTextBreak;
    afterTextBreak.AddText("x\r\n");
    afterTextBreak.AddHAlignment(taLeftJustify);
    EXPECT_EQ(Body(afterTextBreak), " x\\par \\pard\\ql");
}

TEST(RTFEngine, FormattingWords)
{
    TRTFEngine rtf;
    rtf.AddItalic(true);
    rtf.AddUnderLine(true);
    rtf.AddStrikeOut(true);
    rtf.AddSubScript();
    rtf.AddSuperScript();
    rtf.AddNormalScript();
    rtf.AddStrikeOut(false);
    rtf.AddUnderLine(false);
    rtf.AddItalic(false);
    rtf.AddParagraph(360, 99);
    rtf.AddBackGroundColor(clRed);
    rtf.AddPageBreak();
    rtf.AddText("x");
    EXPECT_EQ(Body(rtf),
              "\\i\\ul\\strike\\sub\\dn4\\super\\up4\\up0\\nosupersub\\strike0\\ulnone\\i0\\li360\\par\\page x");
}

TEST(RTFEngine, TableWithShadedSecondCell)
{
    TRTFEngine rtf;
    rtf.StartTable(taCenter);
    rtf.AddColumn(1000);
    rtf.AddColumn(2000);
    rtf.StartRow();
    rtf.AddText("a");
    rtf.NextCell();
    rtf.AddCellColor(clYellow);
    rtf.AddText("b");
    rtf.EndRow();
    rtf.EndTable();
    const std::string text = rtf.GetText();
    EXPECT_NE(text.find("\\trowd\\trgaph108\\trleft-108\\trqc\\cellx1000\\cellx3000\\pard\\intbl a\\cell b"
                        " \\cell\\pard \\intbl {\\rtlch \\af0 \\ltrch \\trowd \\ltrrow \\ts15\\trgaph108\\trleft-108"
                        "\\trqc \\cellx1000\\clcfpat0\\clshdng10000\\clcfpatraw0\\clshdngraw10000  \\cellx3000"
                        "\\row }\\pard\\par"),
              std::string::npos)
        << text;
}

TEST(RTFEngine, RowClosesCellsNotClosedByNextCell)
{
    TRTFEngine rtf;
    rtf.StartTable(taLeftJustify);
    rtf.AddColumn(500);
    rtf.AddColumn(500);
    rtf.AddColumn(500);
    rtf.StartRow();
    rtf.NextCell();
    rtf.EndRow();
    EXPECT_NE(rtf.GetText().find("\\cell  \\cell \\cell\\pard \\intbl"), std::string::npos) << rtf.GetText();
}

TEST(RTFEngine, CallsOutsideTheirStateDoNothing)
{
    TRTFEngine rtf;
    rtf.AddCellColor(clRed);
    rtf.EndRow();
    rtf.EndTable();
    rtf.ReDefColWidth();
    rtf.NextBullet();
    rtf.EndBullet();
    rtf.StartBullet("", 7);
    EXPECT_EQ(rtf.GetText(), TRTFEngine().GetText());
}

TEST(RTFEngine, BulletedList)
{
    TRTFEngine rtf;
    rtf.AddFontName("Arial");
    rtf.StartBullet("Symbol", 7);
    rtf.StartBullet("Wingdings", 8);
    rtf.AddText("one");
    rtf.AddNewLine();
    rtf.AddText("two");
    rtf.AddNewLine();
    rtf.EndBullet();
    const std::string text = rtf.GetText();
    EXPECT_NE(text.find("\\f0\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
                        "\\ltrpar\\fi-720\\li720 one\\par {\\pntext\\f1\\'B7\\tab}two\\par {\\pntext\\f1\\'B7\\tab}"
                        "\\par\\pard\\ltrpar\\par}"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Wingdings"), std::string::npos);
}

TEST(RTFEngine, HyperLinkFieldEscapesLinkAndText)
{
    TRTFEngine rtf;
    TFont font;
    font.SetName("Arial");
    font.SetSize(10);
    font.SetColor(clBlue);
    rtf.AddHyperLink("file://C:\\dir\\{x}\"q", "see {here}", font);
    const std::string text = rtf.GetText();
    EXPECT_NE(text.find("{\\field{\\*\\fldinst {\\rtlch \\af0\\afs20\\ltrch \\f0\\fs20  HYPERLINK "
                        "\"file://C:\\\\dir\\\\\\{x\\}%22q\" }}{\\fldrslt {\\rtlch \\af0\\afs20 \\ltrch \\f0\\fs20"
                        "\\ul\\cf0 see \\{here\\}}}}"),
              std::string::npos)
        << text;
}

TEST(RTFEngine, TextAfterAFieldPictureOrMergedPartHasNoStrayLeadingSpace)
{
    TBitmap bitmap(4, 4);
    TPicture picture;
    picture.SetGraphic(&bitmap);
    TRTFEngine boldTail;
    boldTail.AddText("a");
    boldTail.AddBold(true);
    const struct {
        const char* Name;
        std::function<void(TRTFEngine&)> Add;
        const char* Expected; // what the body holds around the next text
    } cases[] = {
        {"hyperlink", [](TRTFEngine& rtf) { rtf.AddHyperLink("http://x", "x", TFont()); }, "}}}next\\par"},
        {"picture", [&](TRTFEngine& rtf) { rtf.AddPicture(&picture); }, "}}\r\nnext\\par"},
        {"merged text", [](TRTFEngine& rtf) { rtf.AddRTF("{\\rtf1\\ansi\\viewkind4\\uc1 merged}"); }, " mergednext\\par"},
        {"merged control word", [&](TRTFEngine& rtf) { rtf.AddRTF(boldTail.GetText()); }, "\\b\\par next\\par"},
    };
    for (const auto& c : cases) {
        TRTFEngine rtf;
        rtf.AddBold(false); // leaves a control word before the part
        c.Add(rtf);
        rtf.AddText("next");
        EXPECT_TRUE(rtf.GetText().ends_with(std::string(c.Expected) + "}")) << c.Name << ": " << rtf.GetText();
    }
}

TEST(RTFEngine, StreamGetsTheDocumentAndFileAddsALineEnd)
{
    TRTFEngine rtf;
    rtf.AddText("caf\xC3\xA9");
    TMemoryStream stream;
    rtf.SaveToStream(&stream);
    rtf.SaveToStream(nullptr);
    EXPECT_EQ(stream.Size(), static_cast<std::int64_t>(rtf.GetText().size()));

    const testsupport::TempFolder folder("memo-rtf");
    rtf.SaveToFile(folder / "saved.rtf");
    EXPECT_EQ(testsupport::ReadFile(folder / "saved.rtf"), rtf.GetText() + "\r\n");

    const std::string missing = "/nonexistent-dir/x.rtf";
    try {
        rtf.SaveToFile(missing);
        FAIL() << "saved into a missing folder";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot save \"" + missing + "\": no new file can be made beside it (No such file or directory)");
    }
}

// Reads a little-endian value from the hexadecimal text at Offset (in bytes).
std::uint32_t HexValue(std::string_view hex, size_t offset, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint32_t>(std::stoul(std::string(hex.substr((offset + i) * 2, 2)), nullptr, 16));
    return value;
}

TEST(RTFEngine, LargePictureIsSqueezedIntoAMetafile)
{
    TBitmap source(300, 100);
    TPicture picture;
    picture.SetGraphic(&source);
    TRTFEngine rtf;
    const std::string text = rtf.AddPicture(&picture);
    ASSERT_TRUE(text.starts_with("{\\sb0\\li0\\sl0\\slmult0 {\\pict\\wmetafile8\\picw3795\\pich2530\\picbmp\\picbpp4\r\n"))
        << text.substr(0, 100);
    ASSERT_TRUE(text.ends_with("030000000000}}\r\n"));
    EXPECT_NE(rtf.GetText().find(text), std::string::npos);

    // The metafile as bytes: header, records, DIB, end record.
    std::string hex;
    for (char c : text.substr(text.find("\r\n") + 2))
        if (std::isxdigit(static_cast<unsigned char>(c))) hex += c;
    const size_t bytes = hex.size() / 2;
    ASSERT_EQ(HexValue(hex, 6, 4) * 2, bytes) << "metafile size in words";
    const std::uint32_t record = HexValue(hex, 12, 4);
    EXPECT_EQ(HexValue(hex, 18 + 10 + 10 + 10 + 10 + 8, 4), record);
    const size_t dib = 18 + 10 + 10 + 10 + 10 + 8 + 28;
    EXPECT_EQ(HexValue(hex, dib + 4, 4), 150u) << "DIB width";
    EXPECT_EQ(HexValue(hex, dib + 8, 4), 100u) << "DIB height";
    EXPECT_EQ(bytes - dib - 6, record * 2 - 28) << "DIB bytes in the record";

    EXPECT_EQ(rtf.AddPicture(nullptr), "");
    TPicture empty;
    EXPECT_EQ(rtf.AddPicture(&empty), "");
}

} // namespace
