// The memo's HTML and RTF export and its clipboard formats.
#include "MemoFixture.h"

#include "memo/QuillmWS.h"
#include "platform/classes/Streams.h"
#include "platform/ui/Clipboard.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Html(TQuillCustomMemo& Memo)
{
    Memo.BuildHTML(false, -1, false, -1);
    return Memo.HTMLText();
}

} // namespace

TEST_F(MemoTest, HtmlExportEscapesAndMergesRuns)
{
    SetText({""});
    EXPECT_EQ(Html(*Memo), "<HTML>\r\n<HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></HEAD>\r\n"
                           "<BODY bgColor=#FFFFFF LINK=#0000FF VLINK=#0000FF ALINK=#0000FF>\r\n<PRE>\r\n"
                           "<FONT style=\"font-family:COURIER NEW;\">\r\n\r\n</FONT>\r\n</PRE>\r\n</BODY>\r\n</HTML>\r\n");
    SetText({"a<b> & \"c\"", "second"});
    const std::string html = Html(*Memo);
    // Plain text in one colour: one run across both lines.
    EXPECT_NE(html.find(">a&lt;b&gt; &amp; \"c\"\r\nsecond\r\n</FONT>\r\n</FONT>"), std::string::npos) << html;
    EXPECT_EQ(std::count(html.begin(), html.end(), '<') - 0, std::count(html.begin(), html.end(), '>'));
}

TEST_F(MemoTest, HtmlColoursFollowTheStylerAndUrlsBecomeLinks)
{
    TQuillHTMLMemoStyler styler(Form);
    Memo->SetSyntaxStyles(&styler);
    SetText({"<body> <!-- see http://example.org/?a=1&b=2 -->"});
    const std::string html = Html(*Memo);
    EXPECT_NE(html.find("color:#000080;\">body"), std::string::npos) << html;                    // keyword in navy
    EXPECT_NE(html.find("color:#C0C0C0;font-style:italic;\">&lt;!--"), std::string::npos) << html; // comment
    EXPECT_NE(html.find("<a href=\"http://example.org/?a=1&amp;b=2\">http://example.org/?a=1&amp;b=2</a>"), std::string::npos)
        << html;
    EXPECT_EQ(TQuillCustomMemo::MemoColorToHTML(clWindow), "#FFFFFF");
    EXPECT_EQ(TQuillCustomMemo::MemoColorToHTML(0x123456), "#563412");
    EXPECT_EQ(TQuillCustomMemo::FontStyleToCSS({fsBold, fsItalic, fsUnderline, fsStrikeOut}),
              "font-weight:bold;font-style:italic;text-decoration:underline;");
    EXPECT_EQ(TQuillCustomMemo::FontStyleToCSS({}), "");
}

TEST_F(MemoTest, ExportsWriteLogicalLinesAndLeaveStreamsAsSaid)
{
    SetText({"aa bb cc dd ee ff", "x"});
    Memo->SetRightMargin(10);
    Memo->SetWordWrap(wwRightMargin);
    ASSERT_GT(Memo->Lines().Count(), 2);
    const int shown = Memo->Lines().Count();
    EXPECT_NE(Html(*Memo).find(">aa bb cc dd ee ff\r\nx\r\n"), std::string::npos);
    EXPECT_EQ(Memo->Lines().Count(), shown);

    TMemoryStream rtf;
    rtf.WriteString("junk");
    ASSERT_TRUE(Memo->SaveToRTFStream(rtf, true));
    EXPECT_EQ(rtf.Position(), 0);
    std::string bytes(static_cast<size_t>(rtf.Size()), '\0');
    rtf.ReadBuffer(bytes.data(), rtf.Size());
    EXPECT_NE(bytes.find("aa bb cc dd ee ff"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\\f"), std::string::npos);

    TMemoryStream html;
    html.WriteString("pre");
    ASSERT_TRUE(Memo->SaveToHTMLStream(html, false));
    EXPECT_EQ(html.Position(), html.Size());

    const auto dir = std::filesystem::temp_directory_path() / ("memo-export-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(Memo->SaveToHTML((dir / "a.html").string(), true));
    EXPECT_TRUE(Memo->SaveToRTF((dir / "a.rtf").string(), true));
    EXPECT_TRUE(std::filesystem::file_size(dir / "a.rtf") > 0);
    EXPECT_FALSE(Memo->SaveToHTML((dir / "missing" / "a.html").string(), true));
    EXPECT_FALSE(Memo->SaveToRTF((dir / "missing" / "a.rtf").string(), true));
    std::filesystem::remove_all(dir);
}

TEST_F(MemoTest, CopyPutsExactlyTheSelectionInEveryFormat)
{
    SetText({"one two three", "four"});
    Memo->SetClipboardFormats({cfText, cfRTF, cfHTML});
    Memo->SetSelStart(4);
    Memo->SetSelLength(3); // "two"
    Memo->CopyToClipBoard();
    EXPECT_EQ(Clipboard()->AsText(), "two");
    const auto html = Clipboard()->GetAsBytes(RegisterClipboardFormat("HTML Format"));
    const auto rtf = Clipboard()->GetAsBytes(RegisterClipboardFormat("Rich Text Format"));
    ASSERT_TRUE(html && rtf);
    EXPECT_NE(html->find(">two\r\n"), std::string::npos) << *html;
    EXPECT_EQ(html->find("one"), std::string::npos);
    EXPECT_NE(rtf->find("two"), std::string::npos);
    EXPECT_EQ(rtf->find("three"), std::string::npos);
    // The version 0.9 header's offsets point at the fragment.
    auto number = [&](const std::string& key) {
        const size_t at = html->find(key + ":");
        return std::stoul(html->substr(at + key.size() + 1));
    };
    EXPECT_EQ(html->substr(number("StartFragment") - 23, 23), "<!--StartFragment -->\r\n");
    EXPECT_EQ(html->substr(number("EndFragment"), 20), "\r\n<!--EndFragment-->");
    EXPECT_EQ(number("EndHTML"), html->size() - 1); // the data ends with a zero byte not counted
    EXPECT_EQ(Text(), "one two three|four");

    Memo->CopyHTMLToClipboard();
    const auto whole = Clipboard()->GetAsBytes(RegisterClipboardFormat("HTML Format"));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->rfind("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:", 0), 0u);
    EXPECT_EQ(whole->substr(269 - 20, 20), "<!--StartFragment-->");
    EXPECT_EQ(Clipboard()->AsText().substr(0, 8), "<HTML>\r\n");
}
