// Sheet names: unique variants, renaming, valid names.
#include "xlsAdapter/qorUSheetNameList.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <gtest/gtest.h>

TEST(SheetNameList, UniqueNamesCountOnFromTheRoot)
{
    TSheetNameList names;
    EXPECT_EQ(u"Other", names.AddUniqueName(u"Other"));
    names.Add(u"Sheet");
    EXPECT_EQ(u"Sheet1", names.AddUniqueName(u"Sheet"));
    EXPECT_EQ(u"Sheet2", names.AddUniqueName(u"Sheet"));
    // A name taken as another root's numbered name gets a number of its own.
    EXPECT_EQ(u"Sheet11", names.AddUniqueName(u"Sheet1"));
    EXPECT_EQ(5, names.Count());
}

TEST(SheetNameList, NamesDifferingOnlyInCaseAreTheSame)
{
    TSheetNameList names;
    names.Add(u"Sheet");
    EXPECT_THROW(names.Add(u"sheet"), EExcelException);
    EXPECT_EQ(u"sheet1", names.AddUniqueName(u"sheet"));
    names.Rename(u"Sheet", u"SHEET");
    EXPECT_THROW(names.Rename(u"SHEET", u"Sheet1"), EExcelException);
    EXPECT_THROW(names.DeleteSheet(u"missing"), EExcelException);
    names.DeleteSheet(u"sheet");
    EXPECT_EQ(1, names.Count());
}

TEST(SheetNameList, ValidNamesAreShortAndHoldNoReservedCharacters)
{
    EXPECT_EQ(std::u16string(31, u'x'), TSheetNameList::MakeValidSheetName(std::u16string(40, u'x')));
    EXPECT_EQ(u"a_b_c_d_e_f_.g", TSheetNameList::MakeValidSheetName(u"a/b\\c?d[e]f*:g"));
}
