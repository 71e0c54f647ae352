// Documents from the RTF builder read back by LibreOffice, as plain text and as HTML.
#include "memo/RTFEngine.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

class RTFPeer : public testing::Test {
protected:
    void SetUp() override { REQUIRE_PEER("libreoffice"); }

    // Saves the document and has LibreOffice convert it; the converted file's text.
    std::string Convert(const TRTFEngine& rtf, const std::string& filter, const std::string& extension)
    {
        const std::string source = FDir / "doc.rtf";
        rtf.SaveToFile(source);
        const std::string output = FDir / "out";
        const std::string command = testsupport::LibreOffice(FDir.Path()) + " --convert-to '" + filter + "' --outdir " +
                                    output + " " + source;
        std::string log;
        EXPECT_EQ(testsupport::RunCommand(command, &log), 0) << command << "\n" << log;
        std::ifstream in(output + "/doc." + extension, std::ios::binary);
        EXPECT_TRUE(in) << "LibreOffice wrote no " << extension;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    testsupport::TempFolder FDir{"memo-rtf-peer"};
};

// Awkward text, styles, a link, a shaded table and a list in one document.
void BuildSample(TRTFEngine& rtf)
{
    rtf.AddFontName("Arial");
    rtf.AddFontSize(20);
    rtf.AddForeColor(clRed);
    rtf.AddBold(true);
    rtf.AddText("Hello");
    rtf.AddBold(false);
    rtf.AddText(" a{b}\\c");
    rtf.AddNewLine();
    rtf.AddForeColor(clBlack);
    rtf.AddText("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\r\ntab\there");
    rtf.AddNewLine();
    TFont linkFont;
    linkFont.SetName("Arial");
    linkFont.SetColor(clBlue);
    rtf.AddHyperLink("http://example.org/a?b=1&c={2}", "site \\ {x}", linkFont);
    rtf.AddNewLine();
    rtf.StartTable(taLeftJustify);
    rtf.AddColumn(1500);
    rtf.AddColumn(1500);
    rtf.StartRow();
    rtf.AddText("cell1");
    rtf.NextCell();
    rtf.AddCellColor(clYellow);
    rtf.AddText("cell2");
    rtf.EndRow();
    rtf.EndTable();
    rtf.StartBullet("Symbol", 7);
    rtf.AddText("first");
    rtf.AddNewLine();
    rtf.AddText("second");
    rtf.EndBullet();
}

TEST_F(RTFPeer, TextReadsBackUnchanged)
{
    TRTFEngine rtf;
    BuildSample(rtf);
    const std::string text = Convert(rtf, "txt:Text (encoded):UTF8", "txt");
    for (std::string_view line : {"Hello a{b}\\c\n", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\n", "tab\there\n",
                                  "site \\ {x}\n", "cell1", "cell2", "first", "second"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from:\n" << text;
}

TEST_F(RTFPeer, StylesLinkShadingAndListReadBack)
{
    TRTFEngine rtf;
    BuildSample(rtf);
    const std::string html = Convert(rtf, "html", "html");
    // The reader URL-encodes the braces of the link. Cell shading is not
    // checked: this reader takes it only from the row definition before the
    // cells, while ours follows the cells.
    for (std::string_view part : {"<b>Hello</b>", "#ff0000", "href=\"http://example.org/a?b=1&amp;c=%7B2%7D\"",
                                  "<u>", "<td", "<li", "first"})
        EXPECT_NE(html.find(part), std::string::npos) << part << " missing from:\n" << html;
}

TEST_F(RTFPeer, DocumentWrittenByTheReaderMergesWithoutItsTables)
{
    TRTFEngine original;
    original.AddBold(true);
    original.AddText("Merged a{b}\\c");
    original.AddBold(false);
    original.AddNewLine();
    original.AddText("caf\xC3\xA9 \xE2\x82\xAC");
    const std::string written = Convert(original, "rtf", "rtf");
    ASSERT_EQ(written.find("\\viewkind"), std::string::npos) << "the reader's documents have no view kind";

    TRTFEngine merged;
    merged.AddText("Before");
    merged.AddNewLine();
    merged.AddRTF(written);
    const std::string text = Convert(merged, "txt:Text (encoded):UTF8", "txt");
    EXPECT_NE(text.find("Before\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Merged a{b}\\c\n"), std::string::npos) << text;
    EXPECT_NE(text.find("caf\xC3\xA9 \xE2\x82\xAC"), std::string::npos) << text;
    EXPECT_EQ(text.find(";"), std::string::npos) << "table entries leaked into the text:\n" << text;
}

TEST_F(RTFPeer, PictureMetafileRendersTheBitmap)
{
    REQUIRE_PEER("python3-pil");
    // Blue top-left quarter on red, so a flipped or shifted bitmap shows.
    TBitmap bitmap(40, 20);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(TRect{0, 0, 40, 20});
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(TRect{0, 0, 20, 10});
    TPicture picture;
    picture.SetGraphic(&bitmap);
    TRTFEngine rtf;
    rtf.AddText("before");
    rtf.AddPicture(&picture);
    rtf.AddText("after");
    Convert(rtf, "odt", "odt");

    // The reader keeps a bitmap rendering of the metafile inside the document.
    const std::string report = FDir / "picture.txt";
    const std::string script =
        "import sys, zipfile, io\n"
        "from PIL import Image\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "name = [n for n in z.namelist() if n.startswith('Pictures/') and n.endswith('.png')][0]\n"
        "im = Image.open(io.BytesIO(z.read(name))).convert('RGB')\n"
        "open(sys.argv[2], 'w').write('%d %d %s %s' % (im.size + (im.getpixel((5, 5)), im.getpixel((30, 15)))))\n";
    const std::string command = "/usr/bin/python3 -c \"" + script + "\" " + (FDir / "out/doc.odt") + " " + report;
    std::string log;
    ASSERT_EQ(testsupport::RunCommand(command, &log), 0) << command << "\n" << log;
    std::ifstream in(report);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "40 20 (0, 0, 255) (255, 0, 0)");
}

} // namespace
