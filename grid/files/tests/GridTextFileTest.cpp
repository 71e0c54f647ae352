// The grid's text file and stream, column text and fixed-width text.
#include "grid/files/tests/AwkwardCells.h"
#include "grid/files/tests/GridFileFixture.h"

#include "grid/base/AuxLists.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Strings.h"
#include "testsupport/TempFolder.h"

#include <memory>

using namespace gridfiles_test;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class GridTextFileTest : public GridFileTest {
protected:
    GridTextFileTest() : GridFileTest("gridtext") {}
};

std::string Utf16(std::string_view Text)
{
    std::string bytes;
    for (char16_t unit : rtl::Utf8ToUtf16(Text)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

} // namespace

TEST_F(GridTextFileTest, FileKeepsSizeWidthsAndAbsoluteCells)
{
    Grid->SetSaveFixedCells(false);
    Grid->SetFixedRows(1);
    Grid->SetFixedCols(0);
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetColWidths(1, 90);
    Grid->SetCells(0, 1, "a");
    Grid->SetCells(2, 3, "z");
    Grid->SaveToFile(Dir / "g.txt");
    EXPECT_EQ(ReadFile(Dir / "g.txt"), "3,3\r\ncw 0,64\r\ncw 1,90\r\ncw 2,64\r\n0,1,a\r\n2,3,z\r\n");

    auto target = NewGrid();
    target->SetSaveFixedCells(false);
    target->SetFixedRows(1);
    target->LoadFromFile(Dir / "g.txt");
    EXPECT_EQ(target->RowCount(), 4);
    EXPECT_EQ(target->ColWidths(1), 90);
    EXPECT_EQ(target->Cells(2, 3), "z");
}

TEST_F(GridTextFileTest, EveryTextSurvivesTheFileAndTheStream)
{
    // A lone CR is stored as a tab, which nothing tells apart from a tab.
    const auto cells = AwkwardCellsWithout("cr\r");
    for (bool unicode : {false, true}) {
        auto source = NewGrid();
        FillAwkward(*source, cells);
        source->SaveToFile(Dir / "all.txt", unicode);
        auto target = NewGrid();
        target->SetMultiLineCells(true);
        target->LoadFromFile(Dir / "all.txt");
        ExpectAwkward(*target, unicode ? "file, UTF-16" : "file, ANSI", cells);
    }
    auto source = NewGrid();
    FillAwkward(*source, cells);
    TMemoryStream stream;
    source->SaveToStream(stream);
    stream.SetPosition(0);
    auto target = NewGrid();
    target->SetMultiLineCells(true);
    target->LoadFromStream(stream);
    ExpectAwkward(*target, "stream", cells);
}

TEST_F(GridTextFileTest, LineBreaksAreEncodedAndSingleLineGridsKeepTheFirstLine)
{
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->SetColCount(1);
    Grid->SetRowCount(2);
    Grid->SetCells(0, 0, "a\r\nb");
    Grid->SetCells(0, 1, "c\nd");
    Grid->SaveToFile(Dir / "m.txt");
    EXPECT_EQ(ReadFile(Dir / "m.txt"), "1,2\r\ncw 0,64\r\n0,0,a\t\bb\r\n0,1,c\bd\r\n");
    auto target = NewGrid();
    target->LoadFromFile(Dir / "m.txt");
    EXPECT_EQ(target->Cells(0, 0), "a");
}

TEST_F(GridTextFileTest, TabsBesideLineBreaksStayTabs)
{
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->SetColCount(2);
    Grid->SetRowCount(1);
    Grid->SetMultiLineCells(true);
    Grid->SetCells(0, 0, "a\tb\r\nc\td");
    Grid->SetCells(1, 0, "tab\there\nLF only");
    Grid->SaveToFile(Dir / "t.txt");
    TMemoryStream stream;
    Grid->SaveToStream(stream);
    auto target = NewGrid();
    target->SetMultiLineCells(true);
    target->LoadFromFile(Dir / "t.txt");
    stream.SetPosition(0);
    auto fromStream = NewGrid();
    fromStream->SetMultiLineCells(true);
    fromStream->LoadFromStream(stream);
    for (TQuillStringGrid* g : {target.get(), fromStream.get()}) {
        EXPECT_EQ(g->Cells(0, 0), "a\tb\r\nc\td");
        EXPECT_EQ(g->Cells(1, 0), "tab\there\nLF only");
    }
}

TEST_F(GridTextFileTest, BadFilesAreRefusedOrTheirStrayLinesIgnored)
{
    WriteFile(Dir / "zero.txt", "0,5\r\n");
    try {
        Grid->LoadFromFile(Dir / "zero.txt");
        ADD_FAILURE() << "a grid of no columns loads";
    } catch (const EQuillGridError& e) {
        EXPECT_EQ(std::string(e.what()), "File contains no data or corrupt file " + Dir / "zero.txt");
    }
    // Sizes no grid file can hold are refused naming the line, before any cell is made.
    for (const char* size : {"99999999,99999999", "100000,10000000", "20000,10000"}) {
        WriteFile(Dir / "huge.txt", std::string(size) + "\r\n0,0,x\r\n");
        try {
            Grid->LoadFromFile(Dir / "huge.txt");
            ADD_FAILURE() << size << " loads";
        } catch (const EQuillGridError& e) {
            EXPECT_NE(std::string(e.what()).find(Dir / "huge.txt" + ", line 1: a grid of "), std::string::npos) << size << ": " << e.what();
        }
        EXPECT_LE(static_cast<long long>(Grid->ColCount()) * Grid->RowCount(), 100'000'000LL) << size;
    }

    WriteFile(Dir / "stray.txt", "5,3\r\ncw 9,10\r\ncw 1,x\r\n7,2,outside\r\n4,2,inside\r\nno commas\r\n");
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->LoadFromFile(Dir / "stray.txt");
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->Cells(4, 2), "inside");
}

TEST_F(GridTextFileTest, StreamStopsAtTheFirstOtherLineAndDropsWidthsOfMissingColumns)
{
    const std::string grid = Utf16("2,1\r\ncw 0,30\r\ncw 9,40\r\n1,0,b\r\n");
    TStringStream stream(grid + Utf16("other data\r\n"));
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(grid.size()));
    EXPECT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->ColWidths(0), 30);
    EXPECT_EQ(Grid->Cells(1, 0), "b");
}

TEST_F(GridTextFileTest, ColumnTextPadsAlignsAndKeepsColumnsApart)
{
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    Grid->SetMultiLineCells(true);
    Grid->SetCells(0, 0, "ab");
    Grid->SetCells(0, 1, "c");
    Grid->SetAlignments(0, 1, taRightJustify);
    Grid->SetCells(1, 0, "xyz");
    Grid->SetCells(1, 1, "m");
    Grid->SetAlignments(1, 1, taCenter);
    Grid->SetCells(2, 0, "one\r\ntwo");
    Grid->SaveToASCII(Dir / "t.txt");
    EXPECT_EQ(ReadFile(Dir / "t.txt"), "ab xyz one \r\n"
                                       "       two\r\n"
                                       " c  m      \r\n");
    Grid->AppendToASCII(Dir / "t.txt");
    EXPECT_EQ(ReadFile(Dir / "t.txt").size(), 2 * std::string("ab xyz one \r\n       two\r\n c  m      \r\n").size());
}

TEST_F(GridTextFileTest, FixedWidthCutsPadsAndReadsFieldsByPosition)
{
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetCells(0, 0, "abcdef");
    Grid->SetCells(1, 0, "x\r\ny");
    Grid->SetCells(0, 1, "\xC3\xA9");
    TIntList widths(0, 0);
    widths.Add(3);
    Grid->SaveToFixed(Dir / "f.txt", widths);
    ASSERT_EQ(widths.Count(), 2);
    EXPECT_EQ(widths.GetInteger(1), 2) << "the longest line plus one";
    EXPECT_EQ(ReadFile(Dir / "f.txt"), "abcx \r\n\xE9    \r\n") << "cut, padded, line breaks blanked";

    TIntList positions(0, 0);
    for (int p : {9, 1, 4}) positions.Add(p);
    WriteFile(Dir / "in.txt", "abcdefghij\r\n12 45678\r\n");
    auto target = NewGrid();
    target->LoadFromFixed(Dir / "in.txt", positions);
    EXPECT_EQ(positions.GetInteger(0), 1) << "positions are sorted";
    EXPECT_EQ(target->ColCount(), 2);
    EXPECT_EQ(target->Cells(0, 0), "abc");
    EXPECT_EQ(target->Cells(1, 0), "defgh");
    EXPECT_EQ(target->Cells(0, 1), "12");
    EXPECT_THROW(target->LoadFromFixed(Dir / "missing.txt", positions), EQuillGridError);
}
