// Cell formats, fonts, number formats and the palette: byte layouts, the
// conversion to and from the exchange records, and the built-in tables.
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsXF.h"
#include "xlsAdapter/tests/XlsCellsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace xlstest;

namespace {

TVyxFont MakeFont(const std::string& name, std::uint16_t size20 = 200)
{
    TVyxFont font;
    font.Name = name;
    font.Size20 = size20;
    font.ColorIndex = 0x7FFF - 7; // automatic
    return font;
}

// A list with n distinct fonts "F0".."Fn-1".
void FillFonts(TFontRecordList& fonts, int n)
{
    for (int i = 0; i < n; ++i)
        fonts.Add(TFontRecord::CreateFromVyxFont(MakeFont("F" + std::to_string(i))));
}

// A border's colour as a file index where it has a line.
std::string BorderColor(const TVyxOneBorder& border)
{
    return border.Style == fbs_None ? "-" : std::to_string(border.ColorIndex + 7);
}

// Our reading of every XF of a file, in the form of the peer's listing.
std::string OurFormats(const std::string& file)
{
    TFontRecordList fonts;
    TFormatRecordList formats;
    TXFRecordList xfs;
    for (auto& record : ReadWorkbookRecords(file)) {
        if (auto* font = dynamic_cast<TFontRecord*>(record.get()); font && record.release())
            fonts.Add(std::unique_ptr<TFontRecord>(font));
        else if (auto* format = dynamic_cast<TFormatRecord*>(record.get()); format && record.release())
            formats.Add(std::unique_ptr<TFormatRecord>(format));
        else if (auto* xf = dynamic_cast<TXFRecord*>(record.get()); xf && record.release())
            xfs.Add(std::unique_ptr<TXFRecord>(xf));
    }
    constexpr int UnderlineCodes[] = {0, 1, 2, 0x21, 0x22};
    std::ostringstream out;
    for (int i = 0; i < xfs.Count(); ++i) {
        const TVyxFormat f = xfs.GetItems(i)->VyxFormat(fonts, formats);
        const int formatId = xfs.GetItems(i)->FormatIndex();
        const TVyxBorders& b = f.Borders;
        const int escapement = f.Font.Style.Contains(flsSuperscript) ? 1 : f.Font.Style.Contains(flsSubscript) ? 2 : 0;
        out << i << " | " << f.Font.Name << ' ' << f.Font.Size20 << ' ' << f.Font.Style.Contains(flsBold) << ' '
            << f.Font.Style.Contains(flsItalic) << ' ' << f.Font.Style.Contains(flsStrikeOut) << ' '
            << UnderlineCodes[f.Font.Underline] << ' ' << f.Font.ColorIndex + 7 << ' ' << escapement << " | "
            << formatId << ' ' << (formatId >= 164 ? f.Format : "") << " | " << f.FillPattern.Pattern - 1 << ' '
            << f.FillPattern.FgColorIndex + 7 << ' ' << f.FillPattern.BgColorIndex + 7 << " | "
            << int(b.Left.Style) << ' ' << int(b.Right.Style) << ' ' << int(b.Top.Style) << ' ' << int(b.Bottom.Style)
            << ' ' << BorderColor(b.Left) << ' ' << BorderColor(b.Right) << ' ' << BorderColor(b.Top) << ' '
            << BorderColor(b.Bottom) << " | " << int(f.HAlignment) << ' ' << int(f.VAlignment) << ' '
            << int(f.Rotation) << ' ' << f.WrapText << ' ' << int(f.Indent) << ' ' << f.ShrinkToFit << " | "
            << f.Locked << ' ' << f.Hidden << '\n';
    }
    return out.str();
}

} // namespace

TEST(XlsXF, FormatsWrittenByXlwtReadAsXlrdReadsThem)
{
    REQUIRE_PEER("python3-xlrd");
    const std::string file = VISTRA_TEST_DATA "/formats-xlwt.xls";
    EXPECT_EQ(CellsPeer("xlrd-formats " + file), OurFormats(file));
}

TEST(XlsXF, FormatsAndPaletteWeWriteReadAsWeMeantThem)
{
    REQUIRE_PEER("python3-xlrd");
    TempFolder dir;
    const std::string in = VISTRA_TEST_DATA "/formats-xlwt.xls";
    const std::string out = dir / "formats.xls";
    TFileStream input(in, fmOpenRead);
    TOle2File container(input);
    container.SelectStream(u"Workbook");
    TWorkbook workbook;
    workbook.LoadFromStream(container);
    TWorkbookGlobals& globals = workbook.Globals();

    TVyxFormat fmt;
    fmt.Font = MakeFont("Verdana", 280);
    fmt.Font.ColorIndex = 3;
    fmt.Font.Style = {flsBold, flsItalic};
    fmt.Font.Underline = fu_Single;
    fmt.Format = "0.0000\" m\"";
    fmt.FillPattern = {2, 6, 1};
    fmt.Borders.Left = {fbs_Thin, 10};
    fmt.HAlignment = fha_right;
    fmt.VAlignment = fva_center;
    fmt.WrapText = true;
    fmt.Rotation = 90;
    fmt.Indent = 2;
    fmt.Locked = true;
    const int xf = globals.XF().Add(TXFRecord::CreateFromFormat(fmt, globals.Fonts(), globals.Formats()));
    globals.SetColorPalette(5, 0x00332211);

    TFileStream output(out, fmCreate);
    container.PrepareForWrite(output, u"Workbook");
    workbook.SaveToStream(container, false);
    container.FinishWrite();

    std::istringstream lines(CellsPeer("xlrd-formats " + out));
    std::string line, last;
    while (std::getline(lines, line))
        last = line;
    EXPECT_EQ(std::to_string(xf) + " | Verdana 280 1 1 0 1 10 0 | 169 0.0000\" m\" | 1 13 8 | 1 0 0 0 17 - - - | "
                                   "3 1 90 1 2 0 | 1 0",
              last);
    const std::string palette = CellsPeer("palette " + out);
    EXPECT_EQ("112233", palette.substr(5 * 7, 6));
}

TEST(XlsXF, BuiltInNumberFormatsInTheInvariantLocale)
{
    const TFormatSettings& us = InvariantFormatSettings();
    const std::pair<int, const char*> table[] = {
        {0, ""}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"}, {5, ""}, {8, ""}, {9, "0%"},
        {10, "0.00%"}, {11, "0.00E+00"}, {12, "?/?"}, {13, "# ??" "/??"}, {14, "mm/dd/YYYY"}, {15, "DD-MMM-YY"},
        {16, "DD-MMM"}, {17, "MMM-YY"}, {18, "h:mm AM/PM"}, {19, "h:mm:ss AM/PM"}, {20, "hh:mm"},
        {21, "hh:mm:ss"}, {22, "mm/dd/YYYY hh:mm"}, {23, ""}, {36, ""}, {37, "#,##0 _$;-#,##0 _$"},
        {38, "#,##0 _$;[Red]-#,##0 _$"}, {39, "#,##0.00 _$;-#,##0.00 _$"},
        {40, "#,##0.00 _$;[Red]-#,##0.00 _$"}, {41, ""}, {44, ""}, {45, "mm:ss"}, {46, "[h]:mm:ss"},
        {47, "mm:ss,0"}, {48, "##0.0E+0"}, {49, "@"}, {50, ""}, {-1, ""},
    };
    for (const auto& [id, text] : table)
        EXPECT_EQ(text, BuiltInFormat(id, us)) << id;
}

TEST(XlsXF, ShortDatesFollowTheLocaleOrder)
{
    TFormatSettings settings = InvariantFormatSettings();
    const struct {
        const char* shortDate;
        char dateSeparator;
        char timeSeparator;
        const char* id14;
        const char* id22;
    } cases[] = {
        {"d/m/yyyy", '/', ':', "dd/mm/YYYY", "dd/mm/YYYY hh:mm"},
        {"yyyy-MM-dd", '-', '.', "YYYY-mm-dd", "YYYY-mm-dd hh.mm"},
        {"M.d.yy", '.', ':', "mm.dd.YYYY", "mm.dd.YYYY hh:mm"},
        {"ggg", '/', ':', "mm/dd/YYYY", "mm/dd/YYYY hh:mm"}, // no date letter: the table text
    };
    for (const auto& c : cases) {
        settings.ShortDateFormat = c.shortDate;
        settings.DateSeparator = c.dateSeparator;
        settings.TimeSeparator = c.timeSeparator;
        EXPECT_EQ(c.id14, BuiltInFormat(14, settings)) << c.shortDate;
        EXPECT_EQ(c.id22, BuiltInFormat(22, settings)) << c.shortDate;
    }
}

TEST(XlsXF, AddFormatPrefersRecordsThenBuiltInsThenANewId)
{
    TFormatRecordList formats;
    EXPECT_EQ(2, formats.AddFormat("0.00"));
    EXPECT_EQ(0, formats.AddFormat(""));
    EXPECT_EQ(164, formats.AddFormat("0.000")); // empty list
    EXPECT_EQ(164, formats.AddFormat("0.000"));
    EXPECT_EQ(1, formats.Count());

    TFormatRecordList low;
    low.Add(TFormatRecord::CreateFromData("#,##0.0", 100));
    EXPECT_EQ(164, low.AddFormat("x0"));

    TFormatRecordList loaded;
    loaded.Add(TFormatRecord::CreateFromData("0.0", 170));
    loaded.Add(TFormatRecord::CreateFromData("0.00", 165)); // a record wins over built-in 2
    EXPECT_EQ(165, loaded.AddFormat("0.00"));
    EXPECT_EQ(171, loaded.AddFormat("€ 0.00"));
    EXPECT_EQ("€ 0.00", loaded.GetFormat(171));
    EXPECT_EQ("0.0", loaded.GetFormat(170));
    EXPECT_EQ("0.00%", loaded.GetFormat(10));
    EXPECT_EQ("", loaded.GetFormat(300));
    EXPECT_EQ(165, loaded.AddFormat("0.00")) << "case-sensitive exact text";
    EXPECT_EQ(172, loaded.AddFormat("0.00 ")) << "not trimmed";
}

TEST(XlsXF, FormatTextsReadAcrossContinueRecords)
{
    // "ab" 8-bit, then a CONTINUE holding "\u20ACc" 16-bit.
    TFormatRecord record(xlsAdapter::xlr::FORMAT, {0xA4, 0x00, 4, 0, 0, 'a', 'b'});
    record.AddContinue(std::make_unique<TContinueRecord>(0x003C, ByteArray{1, 0xAC, 0x20, 'c', 0}));
    EXPECT_EQ(164, record.FormatId());
    EXPECT_EQ("ab\u20ACc", record.Value());

    TFormatRecord cut(xlsAdapter::xlr::FORMAT, {0xA4, 0x00, 9, 0, 0, 'a', 'b'});
    EXPECT_NE("no exception", ErrorOf([&] { cut.Value(); }));
    EXPECT_NE("no exception", ErrorOf([] { TFormatRecord(xlsAdapter::xlr::FORMAT, {0xA4, 0, 1, 0}); }));
}

TEST(XlsXF, FontIndexFourDoesNotExist)
{
    TFontRecordList fonts;
    FillFonts(fonts, 5);
    EXPECT_EQ(5, fonts.AddFont(MakeFont("F4")));
    EXPECT_EQ(3, fonts.AddFont(MakeFont("F3")));
    EXPECT_EQ(6, fonts.AddFont(MakeFont("New")));
    EXPECT_EQ(6, fonts.Count());

    ByteArray xf(20);
    SetWord(xf, 0, 5);
    EXPECT_EQ(4, TXFRecord(xlsAdapter::xlr::XF, xf).GetActualFontIndex(fonts));
    SetWord(xf, 0, 4); // the missing index reads as position 3
    EXPECT_EQ(3, TXFRecord(xlsAdapter::xlr::XF, xf).GetActualFontIndex(fonts));
    SetWord(xf, 0, 40); // past the list: font 0
    EXPECT_EQ(0, TXFRecord(xlsAdapter::xlr::XF, xf).GetActualFontIndex(fonts));
}

TEST(XlsXF, FontsRoundTripThroughTheirRecords)
{
    TVyxFont font = MakeFont("Ärial \u4E2D", 240);
    font.ColorIndex = 3;
    font.Style = {flsBold, flsItalic, flsStrikeOut, flsSubscript};
    font.Underline = fu_DoubleAccounting;
    font.Family = 2;
    font.CharSet = 161;
    const auto record = TFontRecord::CreateFromVyxFont(font);
    EXPECT_EQ(10, GetWord(record->Data, 4)) << "file colour = API + 7";
    EXPECT_EQ(700, GetWord(record->Data, 6));
    EXPECT_EQ(2, GetWord(record->Data, 8));
    EXPECT_EQ(0x22, record->Data[10]);
    const TVyxFont back = record->VyxFont();
    EXPECT_EQ(font.Name, back.Name);
    EXPECT_EQ(font.Size20, back.Size20);
    EXPECT_EQ(font.ColorIndex, back.ColorIndex);
    EXPECT_EQ(font.Style, back.Style);
    EXPECT_EQ(font.Underline, back.Underline);
    EXPECT_EQ(font.Family, back.Family);
    EXPECT_EQ(font.CharSet, back.CharSet);

    // Read side: weights heavier than bold are bold, unknown underline codes are none.
    ByteArray data = record->Data;
    SetWord(data, 6, 900);
    data[10] = 0x05;
    SetWord(data, 8, 1);
    const TFontRecord heavy(xlsAdapter::xlr::FONT, data);
    EXPECT_TRUE(heavy.Style().Contains(flsBold));
    EXPECT_TRUE(heavy.Style().Contains(flsSuperscript));
    EXPECT_EQ(fu_None, heavy.Underline());
    SetWord(data, 6, 400);
    EXPECT_FALSE(TFontRecord(xlsAdapter::xlr::FONT, data).Style().Contains(flsBold));
}

TEST(XlsXF, HostileFontAndXFRecordsAreRefused)
{
    EXPECT_NE("no exception", ErrorOf([] { TXFRecord(xlsAdapter::xlr::XF, ByteArray(19)); }));
    ByteArray data(16);
    data[14] = 3; // three characters, none present
    EXPECT_NE("no exception", ErrorOf([&] { TFontRecord(xlsAdapter::xlr::FONT, data); }));
    EXPECT_NE("no exception", ErrorOf([] { TFontRecord(xlsAdapter::xlr::FONT, ByteArray(10)); }));
    EXPECT_EQ("no exception", ErrorOf([] { TFontRecord(xlsAdapter::xlr::FONT, ByteArray(15)); }));
}

TEST(XlsXF, XFBytesFromAFormat)
{
    TFontRecordList fonts;
    TFormatRecordList formats;
    TVyxFormat fmt;
    fmt.Font = MakeFont("Arial");
    fmt.Format = "0.00%";
    fmt.Locked = true;
    fmt.HAlignment = fha_center;
    fmt.VAlignment = fva_bottom;
    fmt.WrapText = true;
    fmt.Rotation = 90;
    fmt.Indent = 3;
    fmt.ShrinkToFit = true;
    fmt.Borders.Left = {fbs_Thin, 0};    // API 0 is written as the first palette colour
    fmt.Borders.Right = {fbs_Double, 60}; // past the palette: the automatic colour
    fmt.Borders.Top = {fbs_Medium, 2};
    fmt.Borders.Bottom = {fbs_Hair, 57};
    fmt.Borders.Diagonal = {fbs_Dashed, 5};
    fmt.Borders.DiagonalStyle = fdb_Both;
    fmt.FillPattern = {2, 10, 65};
    const auto xf = TXFRecord::CreateFromFormat(fmt, fonts, formats);
    const ByteArray expected{0,    0,    10,   0,    0x01, 0x00, 0x2A, 90,   0x13, 0xFC,
                             0x61, 0x72, 0x08, 0xE0, 0x09, 0x20, 0x63, 0x04, 0x11, 0x24};
    EXPECT_EQ(expected, xf->Data);
    EXPECT_EQ(1, fonts.Count());
    EXPECT_EQ(0, formats.Count());
}

TEST(XlsXF, XFToFormatAndBackKeepsTheBytes)
{
    TFontRecordList fonts;
    FillFonts(fonts, 6);
    TFormatRecordList formats;
    formats.Add(TFormatRecord::CreateFromData("0.0\" kg\"", 170));
    // Colours between 8 and 64, pattern 3, font index 5, a parent, the
    // style bit and partial attribute flags (the last three are not kept).
    const ByteArray loaded{5,    0,    170,  0,    0x17, 0x01, 0x3D, 45,   0x1A, 0x30,
                           0x12, 0xD7, 0x0C, 0x58, 0x0A, 0x0A, 0x88, 0x0C, 0x28, 0x08};
    const TXFRecord xf(xlsAdapter::xlr::XF, loaded);
    const TVyxFormat fmt = xf.VyxFormat(fonts, formats);
    EXPECT_EQ("F4", fmt.Font.Name);
    EXPECT_EQ("0.0\" kg\"", fmt.Format);
    EXPECT_EQ(fha_justify, fmt.HAlignment);
    EXPECT_EQ(fva_justify, fmt.VAlignment);
    EXPECT_TRUE(fmt.WrapText);
    EXPECT_TRUE(fmt.Locked);
    EXPECT_TRUE(fmt.Hidden);
    EXPECT_EQ(0x11, fmt.Parent);
    EXPECT_EQ(4, fmt.FillPattern.Pattern);
    EXPECT_EQ(fbs_Thin, fmt.Borders.Right.Style);
    EXPECT_EQ(0x0C - 7, fmt.Borders.Left.ColorIndex);

    const auto back = TXFRecord::CreateFromFormat(fmt, fonts, formats);
    ByteArray expected = loaded;
    expected[4] = 0x03; // no parent, no style bit
    expected[5] = 0x00;
    expected[9] = 0xFC; // every attribute group
    EXPECT_EQ(expected, back->Data);
    EXPECT_EQ(6, fonts.Count());
    EXPECT_EQ(1, formats.Count());
}

TEST(XlsXF, FillPatternsOutsideTheFormatAreWrittenAsNoFill)
{
    TFontRecordList fonts;
    TFormatRecordList formats;
    TVyxFormat fmt; // a zero-initialised format has pattern 0
    fmt.Borders.Diagonal.ColorIndex = 1;
    for (int pattern : {0, 20, 255}) {
        fmt.FillPattern.Pattern = static_cast<TVyxPatternStyle>(pattern);
        const auto xf = TXFRecord::CreateFromFormat(fmt, fonts, formats);
        EXPECT_EQ(0, xf->CellPattern()) << pattern;
        EXPECT_EQ(0, xf->GetBorderStyleExt(14, 21)) << "diagonal style untouched";
    }
    fmt.FillPattern.Pattern = 19;
    EXPECT_EQ(18, TXFRecord::CreateFromFormat(fmt, fonts, formats)->CellPattern());
}

TEST(XlsXF, FindingFormatsAndUsedColours)
{
    TFontRecordList fonts;
    TFormatRecordList formats;
    TXFRecordList xfs;
    TVyxFormat plain;
    plain.Font = MakeFont("Arial");
    plain.Font.ColorIndex = 9;
    plain.FillPattern.Pattern = 1;
    xfs.Add(TXFRecord::CreateFromFormat(plain, fonts, formats));
    TVyxFormat bordered = plain;
    bordered.Borders.Top = {fbs_Thin, 20};
    bordered.Borders.Left = {fbs_None, 21}; // no line: colour not used
    bordered.FillPattern = {3, 30, 31};
    xfs.Add(TXFRecord::CreateFromFormat(bordered, fonts, formats));
    TVyxFormat solid = plain;
    solid.FillPattern = {2, 40, 41}; // solid: the background does not show
    xfs.Add(TXFRecord::CreateFromFormat(solid, fonts, formats));

    int index = 0;
    EXPECT_TRUE(xfs.FindFormat(*TXFRecord::CreateFromFormat(bordered, fonts, formats), index));
    EXPECT_EQ(1, index);
    bordered.Rotation = 1;
    EXPECT_FALSE(xfs.FindFormat(*TXFRecord::CreateFromFormat(bordered, fonts, formats), index));
    EXPECT_EQ(-1, index);

    const BooleanArray used = xfs.GetUsedColors(57, fonts);
    std::vector<int> usedIndexes;
    for (int i = 0; i < 57; ++i)
        if (used[static_cast<std::size_t>(i)])
            usedIndexes.push_back(i);
    EXPECT_EQ((std::vector<int>{9, 20, 30, 31, 40}), usedIndexes);
    EXPECT_EQ(3u, xfs.GetUsedColors(3, fonts).size());
}
