// Workbook loading and saving through the globals and sheet sections: peer
// files read back the same by independent readers, kept records unchanged,
// exact sizes, visibility and code names, and hostile streams refused.
#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsPalette.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <array>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

using namespace xlsAdapter;
using namespace xlstest;

namespace {

std::string GlobalsPeers(const std::string& arguments)
{
    return "/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/globals_peers.py " + arguments;
}

std::string Peer(const std::string& command)
{
    std::string output;
    EXPECT_EQ(0, RunCommand(command, &output)) << output;
    return output;
}

// Records whose bytes saving rebuilds: the string table and its index, the
// sheet offsets, label indexes, what the reader drops, and what worksheets
// keep in lists of their own (dimensions, cells, formulas with their shared
// formulas expanded, merged ranges).
bool Rebuilt(std::uint16_t id)
{
    static const std::set<std::uint16_t> ids{0x00FC, 0x00FF, 0x0085, 0x00FD, 0x020B, 0x00D7, 0x0208, 0x00ED,
                                             0x013D, 0x01C1, 0x0059, 0x005A, 0x1060, 0x0200, 0x0201, 0x0203,
                                             0x0205, 0x027E, 0x00BD, 0x00BE, 0x00E5, 0x0006, 0x04BC};
    return ids.count(id) != 0;
}

std::vector<TRawRecord> KeptRecords(const ByteArray& stream)
{
    std::vector<TRawRecord> kept;
    for (TRawRecord& record : RawRecords(stream))
        if (!Rebuilt(record.Id))
            kept.push_back(std::move(record));
    std::sort(kept.begin(), kept.end());
    return kept;
}

ByteArray Stream(std::initializer_list<ByteArray> parts)
{
    return Concat(parts);
}

std::string LoadError(const ByteArray& stream)
{
    TWorkbook workbook;
    try {
        LoadWorkbook(stream, workbook);
    } catch (const EExcelException& e) {
        return e.Message();
    }
    return "loaded";
}

} // namespace

class WorkbookPeerFiles : public testing::TestWithParam<const char*> {};

TEST_P(WorkbookPeerFiles, SaveBackReadsTheSameForEveryPeer)
{
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("node-xlsx");
    TempFolder dir;
    const std::string in = Fixture(GetParam());
    const std::string out = dir / "saved.xls";
    RoundTripFile(in, out);

    EXPECT_EQ(Peer(GlobalsPeers("xlrd " + in)), Peer(GlobalsPeers("xlrd " + out)));
    EXPECT_EQ(Peer(CfbTool("sheets " + in)), Peer(CfbTool("sheets " + out)));
    // Nothing kept is lost or changed, and a second round trip changes
    // nothing at all.
    const ByteArray original = ReadStream(in, u"Workbook");
    const ByteArray saved = ReadStream(out, u"Workbook");
    EXPECT_EQ(KeptRecords(original), KeptRecords(saved));
    const std::string again = dir / "again.xls";
    RoundTripFile(out, again);
    EXPECT_EQ(saved, ReadStream(again, u"Workbook"));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, WorkbookPeerFiles,
                         testing::Values("globals-xlwt.xls", "globals-libreoffice.xls", "libreoffice.xls"));

TEST(WorkbookPeerFiles, LibreOfficeReadsEverySheetOfOurFilesAsItReadsTheOriginals)
{
    REQUIRE_PEER("libreoffice");
    // The originals as "o-NAME" and ours as "s-NAME", converted in one run.
    TempFolder dir;
    std::string list;
    for (const std::string name : {"globals-libreoffice.xls", "globals-xlwt.xls"}) {
        std::filesystem::copy_file(Fixture(name), dir / ("o-" + name));
        RoundTripFile(Fixture(name), dir / ("s-" + name));
        list += " o-" + name + " s-" + name;
    }
    // One CSV file per sheet, named after the file and the sheet.
    const std::string csv = "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1'";
    Peer("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) + " --convert-to " + csv + list);
    std::map<std::string, std::string> sheets[2];
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        if (entry.path().extension() == ".csv") {
            const std::string name = entry.path().filename().string();
            const ByteArray bytes = ReadFileBytes(entry.path().string());
            sheets[name[0] == 's'][name.substr(2)] = std::string(bytes.begin(), bytes.end());
        }
    EXPECT_EQ(5u, sheets[0].size());
    EXPECT_EQ(sheets[0], sheets[1]);
    EXPECT_EQ("plain bold and italic,1.5\nЖук,2\nЖук!,3.5\n", sheets[1]["globals-libreoffice-Données.csv"]);
}

TEST(Workbook, OurOwnStringsWithRunsAndSplitsReadBackInEveryPeer)
{
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("node-xlsx");
    // A label replaced by a long rich 16-bit text makes the table split
    // inside it; the old text, no longer used, leaves the table.
    TempFolder dir;
    const std::string in = Fixture("globals-xlwt.xls");
    TFileStream input(in, fmOpenRead);
    TOle2File container(input);
    container.SelectStream(u"Workbook");
    TWorkbook workbook;
    workbook.LoadFromStream(container);
    const std::u16string text = u"\u0416" + std::u16string(9000, u'r') + u"\u0416";
    const TCellList& cells = static_cast<TWorkSheet&>(*workbook.Sheets().GetItems(0)).Cells().CellList();
    for (int row = 0; row < cells.Count(); ++row)
        for (int i = 0; i < cells.CellRow(row)->Count(); ++i)
            if (auto* label = dynamic_cast<TLabelSSTRecord*>(cells.CellRow(row)->Record(i));
                label && label->AsString() == u"plain")
                label->SetAsRichString({text, {{0, 6}, {1, 0}}});
    const std::string out = dir / "changed.xls";
    {
        TFileStream output(out, fmCreate);
        container.PrepareForWrite(output, u"Workbook");
        workbook.SaveToStream(container, false);
        container.FinishWrite();
    }
    const std::string xlrd = Peer(GlobalsPeers("xlrd " + out));
    EXPECT_NE(std::string::npos, xlrd.find(rtl::Utf16ToUtf8(text)));
    EXPECT_NE(std::string::npos, xlrd.find("\"0,0\": [[0, 6], [1, 0]]"));
    EXPECT_EQ(std::string::npos, xlrd.find("\"plain\""));
    EXPECT_NE(std::string::npos, Peer(CfbTool("sheets " + out)).find(rtl::Utf16ToUtf8(text)));
}

TEST(Workbook, LoadingStopsWhenEverySheetOfTheDirectoryIsRead)
{
    // Two sheets announced, three sections present; a section before the
    // globals is a sheet too.
    TWorkbook workbook;
    LoadWorkbook(Stream({SheetSection(), Bof(0x0005), BoundSheet("A"), BoundSheet("B"), Window1(), Eof(),
                         SheetSection(true), Bof(0x0040), Rec(0x1234, {1, 2, 3}), Eof()}),
                 workbook);
    EXPECT_EQ(2, workbook.Sheets().Count());
    EXPECT_EQ(u"B", workbook.Globals().GetSheetName(1));
}

TEST(Workbook, UnsupportedSheetsAreWrittenBackUnchanged)
{
    const ByteArray macroSheet = Concat({Bof(0x0040), Rec(0x0200, ByteArray(14)), Rec(0x1234, {1, 2, 3}), Eof()});
    const ByteArray globals = Concat({Bof(0x0005), Window1(), BoundSheet("Macro1"), Eof()});
    TWorkbook workbook;
    LoadWorkbook(Concat({globals, macroSheet}), workbook);
    const ByteArray saved = SaveWorkbook(workbook);
    EXPECT_TRUE(std::equal(macroSheet.rbegin(), macroSheet.rend(), saved.rbegin()));
    // The BOUNDSHEET points at the sheet's BOF.
    const auto records = RawRecords(saved);
    const auto sheet = std::find_if(records.begin(), records.end(), [](auto& r) { return r.Id == 0x0085; });
    ASSERT_NE(records.end(), sheet);
    EXPECT_EQ(saved.size() - macroSheet.size(), GetCardinal(sheet->Data, 0));
}

TEST(Workbook, SavingNeedsAVisibleSelectedSheet)
{
    const ByteArray hidden = BoundSheet("Hidden", 1);
    const struct { ByteArray stream; std::string error; int firstTab; } cases[] = {
        {Stream({Bof(5), Window1(), hidden, BoundSheet("Shown"), BoundSheet("Last"), Eof(), SheetSection(),
                 SheetSection(true), SheetSection()}), "", 1},
        {Stream({Bof(5), Window1(), hidden, BoundSheet("Shown"), Eof(), SheetSection(true), SheetSection()}),
         "To save this file, you must select a visible sheet", -1},
        {Stream({Bof(5), Window1(), hidden, Eof(), SheetSection()}), "There are not visible sheets on the file", -1},
    };
    for (const auto& c : cases) {
        TWorkbook workbook;
        LoadWorkbook(c.stream, workbook);
        if (c.error.empty()) {
            const auto window1 = RawRecords(SaveWorkbook(workbook)).at(1);
            EXPECT_EQ(c.firstTab, GetWord(window1.Data, 12));
        } else {
            try {
                SaveWorkbook(workbook);
                ADD_FAILURE() << "saved";
            } catch (const EExcelException& e) {
                EXPECT_EQ(c.error, e.Message());
            }
        }
    }
}

TEST(Workbook, MacroWorkbooksGiveEverySheetACodeName)
{
    auto codeName = [](const std::string& name) {
        ByteArray data = Words({static_cast<std::uint16_t>(name.size())});
        data.push_back(0);
        data.insert(data.end(), name.begin(), name.end());
        return Rec(0x01BA, data);
    };
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), Rec(0x00D3, {}), codeName("DATA"), BoundSheet("Data"), BoundSheet("Data2"),
                         BoundSheet("Sheet"), Eof(), SheetSection(true), SheetSection(), SheetSection()}),
                 workbook);
    SaveWorkbook(workbook);
    EXPECT_EQ(u"Data1", workbook.Sheets().GetItems(0)->CodeName());
    EXPECT_EQ(u"Data2", workbook.Sheets().GetItems(1)->CodeName());
    EXPECT_EQ(u"Sheet", workbook.Sheets().GetItems(2)->CodeName());
    EXPECT_THROW(workbook.DeleteSheets(0, 1), EExcelException);
}

TEST(Workbook, HostileStreamsAreRefused)
{
    const ByteArray sst = Rec(0x00FC, Concat({Words({5, 0, 200, 0}), Words({1}), ByteArray{0, 'a'}}));
    const ByteArray sst1 = Rec(0x00FC, Concat({Words({1, 0, 1, 0}), Words({1}), ByteArray{0, 'a'}}));
    const ByteArray label0 = Rec(0x00FD, Concat({Words({0, 0, 15}), Words({0, 0})}));
    const struct { const char* name; const char* error; ByteArray stream; } cases[] = {
        {"globals without EOF", "record 0x0809 at offset 0: Error reading Excel records. A section has no EOF", Stream({Bof(5), BoundSheet("A")})},
        {"sheet without EOF", "record 0x0809 at offset 37: Error reading Excel records. A section has no EOF", Stream({Bof(5), BoundSheet("A"), Eof(), Bof(0x10), Rec(0x1234, {1})})},
        {"SST counting more strings than it holds", "record 0x00fc at offset 36: 2 more bytes needed", Stream({Bof(5), sst, Eof()})},
        {"label index past the table", "record 0x00fd at offset 57: Error reading Excel records. File invalid", Stream({Bof(5), BoundSheet("A"), Eof(), Bof(0x10),
                                                Rec(0x00FD, Concat({Words({0, 0, 15}), Words({7, 0})})), Eof()})},
        {"sheet name past its record", "record 0x0085 at offset 20: Reading 40 bytes", Stream({Bof(5), Rec(0x0085, Concat({Words({0, 0, 0}), ByteArray{40, 0, 'a'}})), Eof()})},
        {"the same sheet name twice", "Sheet name already exists: a", Stream({Bof(5), BoundSheet("A"), BoundSheet("a"), Eof()})},
        {"a record between sections", "record 0x1234 at offset 24: Error reading Excel records. File invalid", Stream({Bof(5), Eof(), Rec(0x1234, {1})})},
        {"a BOF inside the globals", "record 0x0809 at offset 20: Error reading Excel records. File invalid", Stream({Bof(5), Bof(5), Eof()})},
        {"an old BOF version", "invalid Excel version", Stream({Rec(0x0809, Words({0x0500, 5, 0, 0}))})},
        {"an external name before its book", "record 0x0023 at offset 20: Error reading Excel records. File invalid", Stream({Bof(5), Rec(0x0023, ByteArray(8)), Eof()})},
        {"a second globals section", "record 0x0809 at offset 104: Error reading Excel records. File invalid",
         Stream({Bof(5), BoundSheet("A"), BoundSheet("B"), sst1, Eof(), Bof(0x10), label0, Eof(), Bof(5), Eof()})},
        {"a window record cut short", "record 0x003d at offset 20: Record 0x003d is 6 bytes, needs 16", Stream({Bof(5), Rec(0x003D, ByteArray(6)), Eof()})},
        {"a number past the last column", "Invalid Column (300)",
         Stream({Bof(5), BoundSheet("A"), Eof(), Bof(0x10), Rec(0x0203, Words({0, 300, 15, 0, 0, 0, 0})), Eof()})},
    };
    for (const auto& c : cases)
        EXPECT_NE(std::string::npos, LoadError(c.stream).find(c.error)) << c.name << ": " << LoadError(c.stream);
}

TEST(Workbook, CellRecordsBeyondTheirPlainLayoutSaveAsRead)
{
    // A ROW and a number with two bytes more than their layout and a blank
    // with a CONTINUE stay as read; two adjacent RK cells join as they
    // always do.
    const ByteArray longRow = Rec(0x0208, Words({0, 0, 6, 255, 0, 0, 0x0100, 15, 0xCAFE}));
    const ByteArray longNumber = Rec(0x0203, Words({0, 0, 15, 0, 0, 0, 0x4000, 0xBEEF}));
    const ByteArray chainedBlank = Concat({Rec(0x0201, Words({0, 1, 16})), Rec(0x003C, {1, 2, 3})});
    const ByteArray boolean = Rec(0x0205, Concat({Words({0, 5, 15}), ByteArray{1, 0}}));
    const ByteArray sheet = Concat({Bof(0x10), longRow, longNumber, chainedBlank, Rec(0x027E, Words({0, 2, 15, 0, 0x3FF0})),
                                    Rec(0x027E, Words({0, 3, 15, 0, 0x4000})), boolean,
                                    Rec(0x023E, Words({0x06B6, 0, 0, 64, 0, 0, 0, 0, 0})), Eof()});
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), BoundSheet("A"), Eof(), sheet}), workbook);
    const TCellList& cells = static_cast<TWorkSheet&>(*workbook.Sheets().GetItems(0)).Cells().CellList();
    EXPECT_EQ(Variant(2.0), cells.GetValue(0, 0).Value);
    EXPECT_TRUE(cells.GetValue(0, 1).Value.IsEmpty());
    EXPECT_EQ(16, cells.GetValue(0, 1).XF);
    EXPECT_EQ(Variant(1.0), cells.GetValue(0, 2).Value);
    EXPECT_EQ(Variant(true), cells.GetValue(0, 5).Value);

    const ByteArray saved = SaveWorkbook(workbook);
    const ByteArray expected =
        Concat({longRow, longNumber, chainedBlank, Rec(0x00BD, Words({0, 2, 15, 0, 0x3FF0, 15, 0, 0x4000, 3})), boolean});
    EXPECT_NE(saved.end(), std::search(saved.begin(), saved.end(), expected.begin(), expected.end()));
    // A string result after a plain number is refused as after any number.
    const ByteArray stray = Concat({Bof(0x10), Rec(0x0203, Words({0, 0, 15, 0, 0, 0, 0})), Rec(0x0207, {0, 0, 0}),
                                    Eof()});
    EXPECT_NE(std::string::npos, LoadError(Stream({Bof(5), BoundSheet("A"), Eof(), stray})).find("record 0x0207"));
}

TEST(Workbook, RangeSavesWriteTheGlobalsWithOneSheet)
{
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), BoundSheet("A"), BoundSheet("B"), Eof(), SheetSection(true),
                         SheetSection()}),
                 workbook);
    const ByteArray saved = WrittenBytes([&](TOle2File& out) { workbook.SaveRangeToStream(out, 1, {0, 0, 3, 3}, false); });
    const auto records = RawRecords(saved);
    const auto sheets = std::count_if(records.begin(), records.end(), [](auto& r) { return r.Id == 0x0085; });
    EXPECT_EQ(1, sheets);
    const auto sheet = std::find_if(records.begin(), records.end(), [](auto& r) { return r.Id == 0x0085; });
    EXPECT_EQ(u'B', sheet->Data.at(8));
    EXPECT_EQ(0x0809, GetWord(saved, GetCardinal(sheet->Data, 0)));
    EXPECT_EQ(0x0010, GetWord(saved, GetCardinal(sheet->Data, 0) + 6));
    EXPECT_THROW(WrittenBytes([&](TOle2File& out) { workbook.SaveRangeToStream(out, 2, {0, 0, 3, 3}, false); }),
                 EExcelException);
}

TEST(WorkbookGlobals, TotalSizeIsWhatSavingWrites)
{
    for (bool isTemplate : {false, true}) {
        TempFolder dir;
        TFileStream input(Fixture("globals-libreoffice.xls"), fmOpenRead);
        TOle2File container(input);
        container.SelectStream(u"Workbook");
        TWorkbook workbook;
        workbook.LoadFromStream(container);
        workbook.Globals().SetIsXltTemplate(isTemplate);
        const std::int64_t predicted = workbook.Globals().TotalSize();
        const ByteArray globals = WrittenBytes([&](TOle2File& out) { workbook.Globals().SaveToStream(out); });
        EXPECT_EQ(predicted, static_cast<std::int64_t>(globals.size())) << isTemplate;
        EXPECT_EQ(isTemplate, RawRecords(globals).at(1).Id == 0x0060);
    }
}

TEST(WorkbookGlobals, MissingOptionRecordsReadAsDefaultsAndIgnoreWrites)
{
    TWorkbook workbook;
    const ByteArray stream = Stream({Bof(5), BoundSheet("A"), Eof(), SheetSection(true)});
    LoadWorkbook(stream, workbook);
    TWorkbookGlobals& globals = workbook.Globals();
    EXPECT_EQ(0, globals.ActiveSheet());
    globals.SetActiveSheet(3);
    globals.SetIs1904(true);
    globals.SetPrecisionAsDisplayed(true);
    globals.SetSaveExternalLinkValues(true);
    EXPECT_EQ(0, globals.ActiveSheet());
    EXPECT_FALSE(globals.Is1904() || globals.PrecisionAsDisplayed() || globals.SaveExternalLinkValues());
    EXPECT_EQ(KeptRecords(stream), KeptRecords(SaveWorkbook(workbook)));
}

TEST(WorkbookGlobals, RecordsAfterTheDirectoryComeBeforeItOnSaving)
{
    const ByteArray country = Rec(0x008C, Words({1, 49}));
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), BoundSheet("A"), country, Eof(), SheetSection(true)}), workbook);
    const auto records = RawRecords(SaveWorkbook(workbook));
    std::vector<std::uint16_t> ids;
    for (const auto& r : records)
        ids.push_back(r.Id);
    // The worksheet writes its dimensions before WINDOW2.
    EXPECT_EQ((std::vector<std::uint16_t>{0x0809, 0x003D, 0x008C, 0x0085, 0x00FC, 0x00FF, 0x000A, 0x0809, 0x0200,
                                          0x023E, 0x000A}),
              ids);
}

TEST(WorkbookGlobals, FirstPaletteChangeAddsAStandardPaletteAfterTheStyles)
{
    const ByteArray style = Rec(0x0293, Words({0x8000, 0xFF00}));
    const ByteArray xf = Rec(0x00E0, ByteArray(20));
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), xf, style, Rec(0x0160, Words({0})), BoundSheet("A"), Eof(),
                         SheetSection(true)}),
                 workbook);
    TWorkbookGlobals& globals = workbook.Globals();
    EXPECT_EQ(StandardPaletteColor(3), globals.GetColorPalette(3));
    EXPECT_THROW(globals.GetColorPalette(56), EExcelException);
    globals.SetColorPalette(3, 0x123456);
    globals.SetColorPalette(4, 0x654321);
    const auto records = RawRecords(SaveWorkbook(workbook));
    ASSERT_EQ(0x0092, records.at(4).Id);  // BOF, WINDOW1, XF, STYLE, PALETTE
    EXPECT_EQ(0x0160, records.at(5).Id);
    EXPECT_EQ(1, std::count_if(records.begin(), records.end(), [](auto& r) { return r.Id == 0x0092; }));
    EXPECT_EQ(0x123456u, globals.GetColorPalette(3));
    EXPECT_EQ(StandardPaletteColor(5), globals.GetColorPalette(5));
}

TEST(WorkbookGlobals, SheetNamesStayValidAndUnique)
{
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), BoundSheet("Data"), Eof(), SheetSection(true)}), workbook);
    TWorkbookGlobals& globals = workbook.Globals();
    globals.InsertSheets(-1, 0, 0, u"Data", 2);
    EXPECT_EQ(u"Data2", globals.GetSheetName(0));
    EXPECT_EQ(u"Data1", globals.GetSheetName(1));
    EXPECT_EQ(u"Data", globals.GetSheetName(2));
    globals.SetSheetName(0, u"a/b:c");
    EXPECT_EQ(u"a_b.c", globals.GetSheetName(0));
    EXPECT_THROW(globals.SetSheetName(0, u"DATA"), EExcelException);
    EXPECT_EQ(u"a_b.c", globals.GetSheetName(0));
    globals.SetSheetName(0, std::u16string(40, u'n'));
    EXPECT_EQ(31u, globals.GetSheetName(0).size());
}

TEST(Workbook, CopiedSheetsGetNumberedNamesAndNoCodeName)
{
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), BoundSheet("Sheet"), BoundSheet("Other"), Eof(), SheetSection(true),
                         SheetSection()}),
                 workbook);
    workbook.Sheets().GetItems(0)->SetCodeName(u"First");
    workbook.InsertSheets(0, 1, 2);
    ASSERT_EQ(4, workbook.Sheets().Count());
    EXPECT_EQ(u"Sheet2", workbook.Globals().GetSheetName(1));
    EXPECT_EQ(u"Sheet1", workbook.Globals().GetSheetName(2));
    EXPECT_EQ(u"", workbook.Sheets().GetItems(1)->CodeName());
    EXPECT_FALSE(workbook.Sheets().GetItems(1)->Selected());
    workbook.DeleteSheets(1, 2);
    EXPECT_EQ(2, workbook.Sheets().Count());
    EXPECT_EQ(u"Other", workbook.Globals().GetSheetName(1));
    EXPECT_THROW(workbook.InsertSheets(5, 0, 1), EExcelException);
    EXPECT_THROW(workbook.InsertSheets(0, -1, 1), EExcelException);
    EXPECT_THROW(workbook.DeleteRowsAndCols(-1, 0, 1, 0, 0), EExcelException);
    EXPECT_THROW(workbook.InsertAndCopyRowsAndCols(0, 5, 4, 0, 1, 0, 0, 0, 0, false), EExcelException);
    // Selecting a sheet clears the others.
    workbook.SetActiveSheet(1);
    EXPECT_FALSE(workbook.Sheets().GetItems(0)->Selected());
    EXPECT_TRUE(workbook.Sheets().GetItems(1)->Selected());
    EXPECT_EQ(1, workbook.ActiveSheet());
}

TEST(Workbook, EqualStringsReadFromAFileKeepTheirPlaceThroughSaves)
{
    // Many equal strings, each used by one label, among others.
    const int count = 60;
    ByteArray strings = Words({count, 0, count, 0});
    ByteArray labels;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t letter = i % 3 ? 'a' : 'b';
        strings = Concat({strings, Words({1}), ByteArray{0, letter}});
        labels = Concat({labels, Rec(0x00FD, Concat({Words({std::uint16_t(i), 0, 15}), Words({std::uint16_t(count - 1 - i), 0})}))});
    }
    const ByteArray stream = Stream({Bof(5), Window1(), BoundSheet("A"), Rec(0x00FC, strings), Eof(), Bof(0x10), labels,
                                     Rec(0x023E, Words({0x06B6, 0, 0, 0, 0})), Eof()});
    TWorkbook first;
    LoadWorkbook(stream, first);
    const ByteArray once = SaveWorkbook(first);
    TWorkbook second;
    LoadWorkbook(once, second);
    EXPECT_EQ(once, SaveWorkbook(second));
}

TEST(Workbook, ChartSheetsKeepTheirOwnHeaderZoomAndMargins)
{
    // A chart sheet with a page header, and an embedded chart substream
    // whose own header is not the sheet's.
    const auto header = [](std::uint8_t letter) { return Rec(0x0014, {1, 0, 0, letter}); };
    const ByteArray chartSheet =
        Concat({Bof(0x0020), header('A'), Rec(0x00A0, {3, 0, 2, 0}), Bof(0x0020), header('B'), Eof(), Eof()});
    TWorkbook workbook;
    LoadWorkbook(Concat({Bof(0x0005), Window1(), BoundSheet("Chart1"), Eof(), chartSheet}), workbook);
    TSheet& sheet = *workbook.Sheets().GetItems(0);
    EXPECT_EQ(sheet.PageHeader(), u"A");
    EXPECT_EQ(sheet.SheetZoom(), 150);
    sheet.SetPageHeader(u"&CSales by month");
    EXPECT_EQ(sheet.PageHeader(), u"&CSales by month");
    const ByteArray saved = SaveWorkbook(workbook);
    // The size written into the sheet directory matches the longer text.
    TWorkbook again;
    LoadWorkbook(saved, again);
    EXPECT_EQ(again.Sheets().GetItems(0)->PageHeader(), u"&CSales by month");

    // Margins: the defaults, then new records appended (the sheet has no
    // margin records to follow), after the embedded chart, not inside it.
    TSheet& chart = *again.Sheets().GetItems(0);
    EXPECT_DOUBLE_EQ(chart.Margins().Left, 0.7480314960629921);
    chart.SetMargins({1.0, 1.25, 0.5, 0.75, 0, 0});
    TWorkbook third;
    LoadWorkbook(SaveWorkbook(again), third);
    const TXlsMargins m = third.Sheets().GetItems(0)->Margins();
    EXPECT_EQ((std::array{m.Left, m.Top, m.Right, m.Bottom}), (std::array{1.0, 1.25, 0.5, 0.75}));
    const auto& records = static_cast<const TVyxUnsupportedSheet&>(*third.Sheets().GetItems(0)).SheetRecords();
    const int n = records.Count();
    EXPECT_EQ((std::array{records.Items(n - 5)->Id, records.Items(n - 4)->Id, records.Items(n - 1)->Id}),
              (std::array<std::uint16_t, 3>{0x000A, 0x0026, 0x0029}));
}

TEST(Workbook, FreezingWithoutRoomForAPaneLeavesTheWindowUnfrozen)
{
    // The sheet's window is its last record: no PANE can follow it.
    TWorkbook workbook;
    LoadWorkbook(Stream({Bof(5), Window1(), BoundSheet("Only"), Eof(), SheetSection(true)}), workbook);
    auto& sheet = dynamic_cast<TWorkSheet&>(*workbook.Sheets().GetItems(0));
    sheet.FreezePanes(3, 2);
    int row = -1;
    int col = -1;
    sheet.GetFrozenPanes(row, col);
    EXPECT_EQ((std::array{row, col}), (std::array{0, 0}));
    const auto records = RawRecords(SaveWorkbook(workbook));
    const auto window = std::find_if(records.begin(), records.end(), [](auto& r) { return r.Id == 0x023E; });
    ASSERT_NE(records.end(), window);
    EXPECT_EQ(GetWord(window->Data, 0) & 0x0108, 0); // neither frozen flag
}
