// Integer lists, the sort specification text, embedded-control lists and the line
// reader and writer.
#include "grid/base/AuxLists.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/ExtCtrls.h"

#include <gtest/gtest.h>

TEST(TIntList, ChangesReportTheOwningCell)
{
    TIntList list(3, 7);
    std::vector<std::tuple<int, int, int>> changes;
    list.OnChange = [&](TObject*, int col, int row) { changes.emplace_back(col, row, list.Count()); };
    list.Add(1);
    list.Insert(0, 22);
    list.SetInteger(1, 333);
    list.DeleteValue(22);
    list.DeleteValue(99);
    EXPECT_EQ(changes, (std::vector<std::tuple<int, int, int>>{{3, 7, 1}, {3, 7, 2}, {3, 7, 1}}))
        << "Add, SetInteger and Delete notify; Insert and an absent DeleteValue do not";
    EXPECT_TRUE(list.HasValue(333));
    EXPECT_THROW(list.GetInteger(1), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
}

TEST(TIntList, StrValue)
{
    TIntList list(0, 0);
    EXPECT_EQ(list.StrValue(), "");
    for (int value : {1, 22, 333})
        list.Add(value);
    EXPECT_EQ(list.StrValue(), "1,22,333");

    int changes = 0;
    list.OnChange = [&](TObject*, int, int) { ++changes; };
    list.SetStrValue("4, 5");
    EXPECT_EQ(list.StrValue(), "4,5");
    EXPECT_EQ(changes, 2);
    list.SetStrValue("\"6\" 7,-8");
    EXPECT_EQ(list.StrValue(), "6,7,-8");
    EXPECT_THROW(list.SetStrValue("1,x"), EConvertError);
}

TEST(TSortIndexList, TextForm)
{
    TSortIndexList list;
    list.AddIndex(2, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.SaveToString(), "u2;d5");

    int changes = 0;
    list.OnChange = [&](TObject*, int, int) { ++changes; };
    list.LoadFromString("u2;d5;x;U3");
    EXPECT_EQ(changes, 3);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.SaveToString(), "u2;d5;d3") << "x is too short and only a lower-case u is ascending";

    const std::pair<const char*, const char*> cases[] = {
        {"", ""},          {";;", ""},        {"u7", "u7"},        {"d12;", "d12"},
        {"u4x;dz", "u4;d0"}, {"u100000", "u100000"}, {"u-1", "u2147483647"},
    };
    for (const auto& [text, saved] : cases) {
        list.LoadFromString(text);
        EXPECT_EQ(list.SaveToString(), saved) << text;
    }
}

TEST(TSortIndexList, ColumnsAndDirections)
{
    TSortIndexList list;
    list.AddIndex(4, false);
    list.AddIndex(9, true);
    EXPECT_EQ(list.FindIndex(4), 0) << "the direction bit is ignored";
    EXPECT_EQ(list.FindIndex(3), -1);
    list.ToggleIndex(4);
    EXPECT_TRUE(list.GetSortDirections(0));
    list.ToggleIndex(3);
    EXPECT_EQ(list.SaveToString(), "u4;u9");
    list.SetSortDirections(1, false);
    list.SetSortColumns(1, 11);
    EXPECT_EQ(list.GetSortColumns(1), 11);
    EXPECT_FALSE(list.GetSortDirections(1));
    EXPECT_EQ(list.SaveToString(), "u4;d11");
}

TEST(TControlList, FindsAndRemovesItemsNotControls)
{
    TPanel panel(nullptr);
    TControlList list;
    list.AddControl(1, 2, &panel);
    list.AddControl(3, 4, nullptr);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.GetControl(0)->Control(), &panel);
    EXPECT_FALSE(list.HasHandle(panel.Handle() + 1));
    EXPECT_TRUE(list.HasHandle(panel.Handle()));
    list.RemoveControl(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.GetControl(1), EListError);
}

TEST(TFileStringList, WritesAndReadsLineByLine)
{
    TFileStringList list;
    list.Write("a");
    list.Write("b");
    list.WriteLn("c");
    list.WriteLn("d");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(0), "abc");

    list.Reset();
    std::vector<std::string> read;
    while (!list.Eof()) {
        std::string line;
        list.ReadLn(line);
        read.push_back(line);
    }
    EXPECT_EQ(read, (std::vector<std::string>{"abc", "d"}));
    std::string past;
    EXPECT_THROW(list.ReadLn(past), EListError);
}
