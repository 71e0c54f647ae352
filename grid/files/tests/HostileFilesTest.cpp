// Every reader of grid files under sparse files and files that claim sizes
// they cannot hold: the memory taken follows what the file holds, and a claim
// is refused with an error rather than met.
#include "grid/files/BinRecords.h"
#include "grid/files/tests/GridFileFixture.h"

#include "testsupport/Peers.h"

#include <malloc.h>
#include <sys/resource.h>

#include <fstream>
#include <functional>

using namespace gridfiles_test;
using testsupport::WriteFile;

namespace {

class HostileFilesTest : public GridFileTest {
protected:
    HostileFilesTest() : GridFileTest("hostile") {}
};

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::size_t AddressSpaceInUse()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// Runs Load with the address space capped a little above what the process
// holds, so that a reader asking for gigabytes fails here instead of taking
// the machine's memory; gives the heap it left in use.
std::size_t HeapTakenBy(const std::function<void()>& Load)
{
    rlimit old{};
    getrlimit(RLIMIT_AS, &old);
    rlimit capped = old;
    capped.rlim_cur = AddressSpaceInUse() + (std::size_t{1} << 30);
    setrlimit(RLIMIT_AS, &capped);
    const std::size_t before = HeapInUse();
    try {
        Load();
    } catch (...) {
        setrlimit(RLIMIT_AS, &old);
        throw;
    }
    setrlimit(RLIMIT_AS, &old);
    const std::size_t after = HeapInUse();
    return after > before ? after - before : 0;
}

std::string RepeatLines(int Count, const std::function<std::string(int)>& Line)
{
    std::string text;
    for (int i = 0; i < Count; ++i)
        text += Line(i);
    return text;
}

} // namespace

TEST_F(HostileFilesTest, SparseFilesTakeMemoryForTheirCellsOnly)
{
    struct Case {
        const char* Name;
        std::string File;
        std::function<void(TQuillStringGrid&, const std::string&)> Load;
        int LastCol, LastRow;
    };
    // A grid of 4000 x 4000 with one cell per row: a slot per column would take 512 MB.
    const auto far = [](int r) { return "3999," + std::to_string(r) + ",x\r\n"; };
    const Case cases[] = {
        {"text file, one cell per row at the far right", "4000,4000\r\n" + RepeatLines(4000, far),
         [](TQuillStringGrid& g, const std::string& f) { g.LoadFromFile(f); }, 3999, 3999},
        {"CSV of a wide header and narrow rows", std::string(4000, ',') + "\r\n" + RepeatLines(4000, [](int) { return "x\r\n"; }),
         [](TQuillStringGrid& g, const std::string& f) { g.LoadFromCSV(f); }, 0, 4000},
        {"XML of far fields", "<l>" + RepeatLines(4000, [](int) { return "<r><FIELD3999>x</FIELD3999></r>"; }) + "</l>",
         [](TQuillStringGrid& g, const std::string& f) { g.LoadFromXML(f); }, 3999, 3999},
    };
    for (const Case& c : cases) {
        WriteFile(Dir / "sparse", c.File);
        auto grid = NewGrid();
        std::size_t taken = 0;
        ASSERT_NO_THROW(taken = HeapTakenBy([&] { c.Load(*grid, Dir / "sparse"); })) << c.Name;
        EXPECT_EQ(grid->Cells(c.LastCol, c.LastRow), "x") << c.Name;
        // A few hundred bytes a cell and row at most, never a slot per column.
        EXPECT_LT(taken, 64u << 20) << c.Name << ": " << (taken >> 20) << " MB for a file of " << (c.File.size() >> 10) << " KB";
        // Saving visits every cell of the size, once.
        ASSERT_NO_THROW(HeapTakenBy([&] { grid->SaveToFile(Dir / "back.txt"); })) << c.Name;
    }
}

TEST_F(HostileFilesTest, ClaimsOfSizesNoFileCanHoldAreRefused)
{
    std::string binary;
    grid::files::TBinRecordWriter writer(binary);
    writer.Begin("TGridPropIO");
    writer.Int("ColCount", 100000);
    writer.Int("RowCount", 10000000);
    writer.End();
    struct Case {
        const char* Name;
        std::string File;
        std::function<void(TQuillStringGrid&, const std::string&)> Load;
    };
    const Case cases[] = {
        {"text file of 10^12 cells", "100000,10000000\r\n0,0,x\r\n",
         [](TQuillStringGrid& g, const std::string& f) { g.LoadFromFile(f); }},
        {"binary stream of 10^12 cells", binary, [](TQuillStringGrid& g, const std::string& f) { g.LoadFromBinFile(f); }},
    };
    for (const Case& c : cases) {
        WriteFile(Dir / "claim", c.File);
        auto grid = NewGrid();
        grid->SetColCount(3);
        grid->SetRowCount(3);
        grid->SetCells(1, 1, "kept");
        EXPECT_ANY_THROW(HeapTakenBy([&] { c.Load(*grid, Dir / "claim"); })) << c.Name;
        EXPECT_EQ(grid->Cells(1, 1), "kept") << c.Name;
        EXPECT_LE(static_cast<long long>(grid->ColCount()) * grid->RowCount(), 100'000'000LL) << c.Name;
    }
}
