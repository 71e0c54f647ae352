// Manual page breaks: adding, loading, moving with rows and columns, limits,
// and the breaks the file object makes as peers read them.
#include "xlsAdapter/qorUXlsPageBreaks.h"

#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorXLSAdapter.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;

namespace {

std::vector<int> Positions(const TPageBreakList& list)
{
    std::vector<int> positions;
    for (int i = 0; i < list.Count(); ++i)
        positions.push_back(list.Items(i).Position);
    return positions;
}

} // namespace

TEST(XlsPageBreaks, AddedLoadedMovedAndLimited)
{
    THPageBreakList list;
    list.AddBreak(10);
    list.AddBreak(10);
    EXPECT_EQ(Positions(list), std::vector<int>{10});

    THPageBreakList loaded;
    loaded.AddRecord(TBaseRecord(0x001B, Words({3, 10, 0, 255, 5, 0, 255, 10, 0, 255})));
    EXPECT_EQ(Positions(loaded), (std::vector<int>{5, 10}));
    EXPECT_EQ(loaded.TotalSize(), 6 + 12);
    EXPECT_NE(ErrorOf([&] { loaded.AddRecord(TBaseRecord(0x001B, Words({2, 1, 0, 255}))); }), "no exception");

    THPageBreakList moving;
    for (int row : {4, 5, 6, 7, 9})
        moving.AddBreak(row);
    moving.DeleteRows(5, 3);
    EXPECT_EQ(Positions(moving), (std::vector<int>{4, 6}));
    moving.InsertRows(5, 2);
    EXPECT_EQ(Positions(moving), (std::vector<int>{4, 8}));
    // A shift past the last row moves nothing.
    EXPECT_EQ(ErrorOf([&] { moving.InsertRows(0, 65530); }),
              "Too many entries for this kind of record (65538 out of a maximum of 65535)");
    EXPECT_EQ(Positions(moving), (std::vector<int>{4, 8}));

    TVPageBreakList full;
    for (int col = 0; col < TPageBreakList::MaxBreaks; ++col)
        full.AddBreak(col);
    EXPECT_EQ(ErrorOf([&] { full.AddBreak(2000); }), "Too many manual Page breaks for this sheet");
    EXPECT_EQ(full.Items(3).Last, 65535);
}

TEST(XlsPageBreaks, FileObjectBreaksFollowRowsAndReachXlrd)
{
    REQUIRE_PEER("python3-xlrd");
    TXLSFile file(nullptr);
    file.Connect();
    file.NewFile(1);
    for (int row = 1; row <= 12; ++row)
        file.SetCellValue(row, 1, Variant(row == 4 ? std::string("break") : std::string("x")));
    file.MakePageBreaks("break");
    EXPECT_TRUE(file.GetCellValue(4, 1).IsEmpty());
    EXPECT_TRUE(file.HasHPageBreak(3));
    file.InsertHPageBreak(10);
    file.InsertVPageBreak(2);
    // Three copies of rows 1..2 inserted at row 1 move the breaks by six rows.
    file.InsertAndCopyRows(1, 2, 1, 3, false);
    EXPECT_TRUE(file.HasHPageBreak(9));
    EXPECT_TRUE(file.HasHPageBreak(16));
    file.DeleteRows(12, 1);
    EXPECT_TRUE(file.HasHPageBreak(15));
    file.DeleteVPageBreak(2);
    file.InsertVPageBreak(3);

    TempFolder dir;
    file.Save(false, dir / "breaks.xls", nullptr, nullptr, nullptr);
    std::string out;
    ASSERT_EQ(0, RunCommand("/usr/bin/python3 -c \"import xlrd; s=xlrd.open_workbook('" + (dir / "breaks.xls") +
                                "', formatting_info=True).sheet_by_index(0); "
                                "print(s.horizontal_page_breaks, s.vertical_page_breaks)\"",
                            &out));
    EXPECT_EQ(out, "[(9, 0, 255), (15, 0, 255)] [(3, 0, 65535)]\n");
}
