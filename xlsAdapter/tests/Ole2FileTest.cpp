// Compound-file reading and writing against independent peers, and hostile
// containers.
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace xlstest;

namespace {

ByteArray Pattern(std::size_t size, std::uint8_t seed)
{
    ByteArray bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
    return bytes;
}

std::string XlrdValues(const std::string& file)
{
    std::string json;
    EXPECT_EQ(0, RunCommand(PeerCheck("xlrd " + file), &json)) << json;
    return json;
}

// Reads the Workbook stream through our container and writes it back; the
// peers must then find every stream unchanged. Returns olefile's report.
std::string ExpectRoundTrip(const std::string& file, const std::string& out)
{
    RewriteWorkbook(file, out, ReadStream(file, u"Workbook"));
    std::string report;
    EXPECT_EQ(0, RunCommand(PeerCheck("compare " + file + " " + out), &report)) << report;
    std::string cfbReport;
    EXPECT_EQ(0, RunCommand(CfbTool("read " + out), &cfbReport)) << cfbReport;
    return report;
}

} // namespace

TEST(Ole2File, PeerContainersRoundTripWithOtherStreamsUnchanged)
{
    REQUIRE_PEER("python3-xlwt");
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("python3-olefile");
    REQUIRE_PEER("node-cfb");
    REQUIRE_PEER("node-xlsx");
    TempFolder dir;
    const std::string xlwtFile = dir / "xlwt.xls";
    ASSERT_EQ(0, RunCommand(PeerCheck("xlwt " + xlwtFile + " 30 2")));
    const std::string v4File = dir / "v4.xls";
    WriteFileBytes(dir / "big.bin", Pattern(9000, 1));
    WriteFileBytes(dir / "other.bin", Pattern(5000, 2));
    ASSERT_EQ(0, RunCommand(PeerCheck("make-v4 " + v4File + " Workbook=" + (dir / "big.bin") + " Other=" +
                               (dir / "other.bin"))));
    struct Case {
        const char* name;
        std::string file;
        bool isWorkbook;
    };
    const Case cases[] = {
        {"xlwt: workbook in normal sectors", xlwtFile, true},
        {"LibreOffice: workbook in the mini stream, four more streams", VISTRA_TEST_DATA "/libreoffice.xls", true},
        {"cfb: one stream beside cfb's own", CfbContainer(dir, "cfb.xls", Pattern(6000, 3)), false},
        {"4096-byte sectors", v4File, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string out = dir / "rewritten.xls";
        ExpectRoundTrip(c.file, out);
        if (c.isWorkbook) {
            EXPECT_EQ(XlrdValues(c.file), XlrdValues(out));
            std::string before;
            std::string after;
            EXPECT_EQ(0, RunCommand(CfbTool("sheets " + c.file), &before)) << before;
            EXPECT_EQ(0, RunCommand(CfbTool("sheets " + out), &after)) << after;
            EXPECT_EQ(before, after);
        }
    }
    EXPECT_EQ(Pattern(9000, 1), ReadStream(v4File, u"Workbook"));
    EXPECT_EQ(Pattern(5000, 2), ReadStream(v4File, u"Other"));
}

TEST(Ole2File, LibreOfficeReadsOurRewrittenWorkbook)
{
    REQUIRE_PEER("libreoffice");
    REQUIRE_PEER("python3-olefile");
    REQUIRE_PEER("node-cfb");
    TempFolder dir;
    const std::string out = dir / "ours.xls";
    ExpectRoundTrip(VISTRA_TEST_DATA "/libreoffice.xls", out);
    std::string log;
    ASSERT_EQ(0, RunCommand(testsupport::LibreOffice(dir.Path()) + " --convert-to csv --outdir " + dir.Path() + " " + out,
                     &log))
        << log;
    const ByteArray csv = ReadFileBytes(dir / "ours.csv");
    EXPECT_EQ("Name,Amount,Total\nalpha,1,2\nbeta,2.5,5\ngamma,-3,0.5\n", std::string(csv.begin(), csv.end()));
}

TEST(Ole2File, LargeWorkbookNeedsFatIndexSectorsAndRoundTrips)
{
    REQUIRE_PEER("python3-xlwt");
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("python3-olefile");
    REQUIRE_PEER("node-cfb");
    TempFolder dir;
    const std::string file = dir / "large.xls";
    ASSERT_EQ(0, RunCommand(PeerCheck("xlwt " + file + " 65536 1")));
    const std::string out = dir / "out.xls";
    const std::string report = ExpectRoundTrip(file, out);
    EXPECT_EQ(std::string::npos, report.find("\"difat\": 0")) << report;
    std::string values;
    ASSERT_EQ(0, RunCommand("/usr/bin/python3 -c \"import xlrd; s = xlrd.open_workbook('" + out +
                         "').sheet_by_index(0); print(s.nrows, s.cell_value(65535, 9))\"",
                     &values));
    EXPECT_EQ("65536 655359.123456789\n", values);
}

TEST(Ole2File, FatSizesAroundTheHeaderSlotLimitAreValid)
{
    REQUIRE_PEER("python3-olefile");
    // 109 FAT sectors fit the header; the 110th needs a FAT-index sector.
    TempFolder dir;
    const std::string file = MakeContainer(dir, "small.xls", Pattern(5000, 4));
    std::set<std::string> difatCounts;
    for (const std::int64_t sectors : {13835, 13842, 13846, 13852}) {
        SCOPED_TRACE(sectors);
        const ByteArray workbook = Pattern(static_cast<std::size_t>(sectors * 512 - 100), 5);
        const std::string out = dir / "out.xls";
        RewriteWorkbook(file, out, workbook);
        std::string report;
        EXPECT_EQ(0, RunCommand(PeerCheck("olefile " + out), &report)) << report;
        EXPECT_NE(std::string::npos, report.find("\"nonzero_end\": " + std::to_string(workbook.size()))) << report;
        difatCounts.insert(report.substr(report.find("\"difat\"")));
        EXPECT_EQ(workbook, ReadStream(out, u"Workbook"));
    }
    EXPECT_EQ(2u, difatCounts.size()) << "the sizes should straddle the limit";
}

TEST(Ole2File, WrittenStreamSizes)
{
    REQUIRE_PEER("python3-olefile");
    TempFolder dir;
    const std::string file = VISTRA_TEST_DATA "/libreoffice.xls";
    struct Case {
        std::size_t written;
        std::size_t stored;
    };
    // A short stream is padded to the mini-stream cutoff so it stays in
    // normal sectors.
    for (const Case c : {Case{1, 4096}, Case{4096, 4096}, Case{5000, 5000}}) {
        SCOPED_TRACE(c.written);
        const std::string out = dir / "out.xls";
        RewriteWorkbook(file, out, Pattern(c.written, 6));
        ByteArray expected = Pattern(c.written, 6);
        expected.resize(c.stored);
        EXPECT_EQ(expected, ReadStream(out, u"Workbook"));
        std::string report;
        EXPECT_EQ(0, RunCommand(PeerCheck("olefile " + out), &report)) << report;
        EXPECT_NE(std::string::npos, report.find("\"Workbook\": {\"size\": " + std::to_string(c.stored))) << report;
    }
}

TEST(Ole2File, StreamsBelowAndAtTheCutoff)
{
    REQUIRE_PEER("node-cfb");
    TempFolder dir;
    const std::string streams[] = {dir / "a.bin", dir / "b.bin"};
    WriteFileBytes(streams[0], Pattern(4095, 7));
    WriteFileBytes(streams[1], Pattern(4096, 8));
    const std::string file = dir / "c.xls";
    ASSERT_EQ(0, RunCommand(CfbTool("write " + file + " Small=" + streams[0] + " Exact=" + streams[1])));
    EXPECT_EQ(Pattern(4095, 7), ReadStream(file, u"SMALL"));
    EXPECT_EQ(Pattern(4096, 8), ReadStream(file, u"exact"));
}

TEST(Ole2File, ReadingBoundariesAndRefusedOperations)
{
    REQUIRE_PEER("node-cfb");
    TempFolder dir;
    const std::string file = CfbContainer(dir, "c.xls", Pattern(100, 9));
    TFileStream input(file, fmOpenRead);
    TMemoryStream output; // outlives the container, which finishes into it
    TOle2File container(input);
    std::uint8_t buffer[200] = {};
    container.ReadMem(buffer, 10); // no stream selected: nothing happens
    EXPECT_EQ(0, container.Position());
    EXPECT_EQ("The file \"\" is invalid", ErrorOf([&] { container.SelectStream(u"Nothing"); }));

    container.SelectStream(u"Workbook");
    container.ReadMem(buffer, 60);
    EXPECT_FALSE(container.Eof());
    EXPECT_EQ("Tabulor can't read the properties of this file.", ErrorOf([&] { container.SeekForward(10); }));
    EXPECT_EQ("End of stream reached with 1 bytes left to read", ErrorOf([&] { container.ReadMem(buffer, 41); }));
    EXPECT_EQ(60, container.Position());
    container.ReadMem(buffer + 60, 40);
    EXPECT_TRUE(container.Eof());
    EXPECT_EQ(Pattern(100, 9), ByteArray(buffer, buffer + 100));

    container.PrepareForWrite(output, u"Workbook");
    EXPECT_EQ("Invalid OLE Stream operation on stream: \"Workbook\"",
              ErrorOf([&] { container.SelectStream(u"Workbook"); }));
    EXPECT_EQ("Invalid OLE Stream operation on stream: \"\"", ErrorOf([&] { container.ReadMem(buffer, 1); }));
    EXPECT_EQ("Invalid OLE Stream operation on stream: \"\"",
              ErrorOf([&] { container.PrepareForWrite(output, u"Workbook"); }));
}

// A copy can leave storages out: the named storage goes with everything it
// holds, its siblings and the other streams stay, and strict readers open the copy.
TEST(Ole2File, StoragesLeftOutOfACopyTakeTheirContentWithThem)
{
    REQUIRE_PEER("python3-olefile");
    REQUIRE_PEER("node-cfb");
    TempFolder dir;
    WriteFileBytes(dir / "small.bin", Pattern(300, 2));
    WriteFileBytes(dir / "big.bin", Pattern(5000, 3));
    WriteFileBytes(dir / "workbook.bin", Pattern(6000, 1));
    const std::string in = dir / "in.xls";
    const std::string small = dir / "small.bin";
    const std::string big = dir / "big.bin";
    ASSERT_EQ(0, RunCommand(CfbTool("write " + in + " Workbook=" + (dir / "workbook.bin") + " Macros/VBA/dir=" + small +
                                    " Macros/VBA/Module1=" + big + " Macros/PROJECT=" + small + " Keep/Inner=" + small +
                                    " Other=" + big + " Zeta=" + small)));
    const std::string out = dir / "out.xls";
    RewriteWorkbook(in, out, Pattern(7000, 4), {u"Macros"});

    std::string report;
    ASSERT_EQ(0, RunCommand(CfbTool("read " + out), &report)) << report;
    std::string original;
    ASSERT_EQ(0, RunCommand(CfbTool("read " + in), &original)) << original;
    for (const char* kept : {"\"Keep/Inner\":", "\"Other\":", "\"Zeta\":"}) {
        const std::size_t at = original.find(kept);
        ASSERT_NE(std::string::npos, at) << original;
        const std::string entry = original.substr(at, original.find('}', at) - at);
        EXPECT_NE(std::string::npos, report.find(entry)) << kept << " " << report;
    }
    EXPECT_EQ(std::string::npos, report.find("Macros")) << report;
    EXPECT_EQ(ByteArray(Pattern(7000, 4)), ReadStream(out, u"Workbook"));
    std::string strict;
    EXPECT_EQ(0, RunCommand(PeerCheck("olefile " + out), &strict)) << strict;
    EXPECT_EQ(std::string::npos, strict.find("Macros")) << strict;

    // The root cannot go, and a name the directory lacks changes nothing.
    RewriteWorkbook(in, out, Pattern(10, 5), {u"Nothing here"});
    ASSERT_EQ(0, RunCommand(CfbTool("read " + out), &report)) << report;
    EXPECT_NE(std::string::npos, report.find("Macros/VBA/Module1")) << report;
}

TEST(Ole2File, InvalidHeaderWithAndWithoutExceptions)
{
    TMemoryStream stream;
    const ByteArray junk(2048, 0x41);
    stream.WriteBuffer(junk.data(), 2048);
    stream.SetPosition(100);
    TOle2File quiet(stream, true);
    EXPECT_TRUE(quiet.NotXls97());
    EXPECT_EQ(100, stream.Position());
    EXPECT_EQ("The file \"\" is invalid", ErrorOf([&] { TOle2File loud(stream); }));
}

namespace {

// A container made by cfb with its layout worked out, for patching.
struct THostileBase {
    ByteArray bytes;
    std::uint32_t fatSector;
    std::uint32_t workbookStart;
    std::size_t workbookEntry; // file offset of the Workbook directory entry
    std::size_t placeholderEntry; // cfb's own small stream

    std::size_t SectorOffset(std::uint32_t sect) const { return 512 + std::size_t{sect} * 512; }
    std::size_t FatEntryOffset(std::uint32_t sect) const { return SectorOffset(fatSector) + 4 * sect; }
    void Put32(std::size_t offset, std::uint32_t value)
    {
        SetCardinal(bytes, static_cast<std::int64_t>(offset), value);
    }
};

THostileBase MakeHostileBase(const TempFolder& dir, std::size_t workbookSize)
{
    THostileBase base;
    base.bytes = ReadFileBytes(CfbContainer(dir, "base.xls", Pattern(workbookSize, 10)));
    base.fatSector = GetCardinal(base.bytes, 76);
    const std::uint32_t dirSector = GetCardinal(base.bytes, 48);
    for (std::size_t pos = base.SectorOffset(dirSector); pos < base.SectorOffset(dirSector) + 512; pos += 128)
        if (TOle2Directory::GetName(base.bytes, static_cast<std::int64_t>(pos)) == u"Workbook") {
            base.workbookEntry = pos;
            base.workbookStart = TOle2Directory::GetSectStart(base.bytes, static_cast<std::int64_t>(pos));
        } else if (TOle2Directory::GetType(base.bytes, static_cast<std::int64_t>(pos)) == STGTY_STREAM) {
            base.placeholderEntry = pos;
        }
    return base;
}

std::string OpenAndReadAll(const ByteArray& bytes)
{
    return ErrorOf([&] {
        TMemoryStream stream;
        TMemoryStream output;
        stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        stream.SetPosition(0);
        TOle2File container(stream);
        container.SelectStream(u"Workbook");
        ByteArray data(static_cast<std::size_t>(container.Length()));
        container.ReadMem(data.data(), container.Length());
        container.PrepareForWrite(output, u"Workbook");
        container.FinishWrite();
    });
}

} // namespace

TEST(Ole2File, HostileContainersGiveClearErrors)
{
    REQUIRE_PEER("node-cfb");
    TempFolder dir;
    const THostileBase base = MakeHostileBase(dir, 20000);
    ASSERT_EQ("no exception", OpenAndReadAll(base.bytes));
    struct Case {
        const char* name;
        std::function<void(THostileBase&)> mutate;
        const char* expected;
    };
    const Case cases[] = {
        {"sector shift 40", [](THostileBase& b) { SetWord(b.bytes, 30, 40); },
         "The file's sector size shift 40 is not supported (only 9 and 12)"},
        {"mini-sector shift 0", [](THostileBase& b) { SetWord(b.bytes, 32, 0); },
         "The file's mini-sector size shift 0 is not supported (only 6)"},
        {"huge FAT count", [](THostileBase& b) { b.Put32(44, 0x7FFFFFFF); },
         "The file's header claims 2147483647 FAT sectors, but the file holds only"},
        {"huge FAT-index count", [](THostileBase& b) { b.Put32(72, 0xFFFFFF00); },
         "The file's header claims 4294967040 FAT index sectors"},
        {"FAT-index chain ends early", [](THostileBase& b) { b.Put32(72, 1); b.Put32(68, 0xFFFFFFFE); },
         "Error reading Excel records. File invalid"},
        {"FAT sector outside the file", [](THostileBase& b) { b.Put32(76, 5000); },
         "Sector 5000 lies outside the file"},
        {"workbook chain loops", [](THostileBase& b) { b.Put32(b.FatEntryOffset(b.workbookStart + 3), b.workbookStart); },
         "The sector chain of Workbook loops back to sector"},
        {"workbook chain leaves the FAT", [](THostileBase& b) { b.Put32(b.FatEntryOffset(b.workbookStart), 90000); },
         "Sector 90000 is not in the allocation table"},
        {"workbook size beyond its chain", [](THostileBase& b) { b.Put32(b.workbookEntry + 120, 90000); },
         "The sector chain of Workbook ends after 20480 bytes, its size is 90000"},
        {"directory chain loops", [](THostileBase& b) { b.Put32(b.FatEntryOffset(GetCardinal(b.bytes, 48)), GetCardinal(b.bytes, 48)); },
         "The sector chain of the directory loops back"},
        {"file cut inside the workbook", [](THostileBase& b) { b.bytes.resize(b.SectorOffset(b.workbookStart) + 5000); },
         "The file is truncated"},
        {"two streams share sectors",
         [](THostileBase& b) {
             const std::size_t root = b.SectorOffset(GetCardinal(b.bytes, 48));
             for (const std::size_t entry : {root, b.placeholderEntry}) {
                 b.Put32(entry + 116, b.workbookStart);
                 b.Put32(entry + 120, 20000);
             }
         },
         "belongs to more than one stream"},
        {"workbook entry is a storage", [](THostileBase& b) { b.bytes[b.workbookEntry + 66] = STGTY_STORAGE; },
         "The directory entry \"Workbook\" is not a stream"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        THostileBase hostile = base;
        c.mutate(hostile);
        const std::string error = OpenAndReadAll(hostile.bytes);
        EXPECT_NE(std::string::npos, error.find(c.expected)) << error;
    }
}

TEST(Ole2File, FatChainWalks)
{
    TOle2FAT fat;
    fat.Entries = {1, 2, xlsAdapter::ENDOFCHAIN, 3};
    EXPECT_EQ(0u, fat.FindSector(0, 0));
    EXPECT_EQ(2u, fat.FindSector(0, 2));
    EXPECT_EQ(2u, fat.FindSector(0, 2)); // resumes from the previous answer
    EXPECT_EQ(1u, fat.FindSector(0, 1));
    EXPECT_EQ((std::vector<std::uint32_t>{0, 1, 2}), fat.Chain(0, -1, "test"));
    EXPECT_EQ((std::vector<std::uint32_t>{0, 1}), fat.Chain(0, 2, "test"));
    EXPECT_EQ("The sector chain of test loops back to sector 3", ErrorOf([&] { fat.Chain(3, -1, "test"); }));
    EXPECT_EQ("Sector 9 is not in the allocation table (4 entries)", ErrorOf([&] { fat.GetNextSector(9); }));
    EXPECT_NE("no exception", ErrorOf([&] { fat.FindSector(3, 50); }));
}
