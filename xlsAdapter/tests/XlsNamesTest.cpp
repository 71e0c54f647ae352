// Defined names: which names are valid, adding and replacing names, the
// built-in ones, the area a name refers to, names read from a LibreOffice
// file, and refused NAME records.
#include "xlsAdapter/qorUXlsNameRecord.h"

#include "xlsAdapter/qorUXlsFormulaParser.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/qorXLSAdapter.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include "platform/rtl/Strings.h"

#include <gtest/gtest.h>

using namespace xlstest;

namespace {

struct TBook {
    TBook()
    {
        File.Connect();
        File.NewFile(2);
    }
    TWorkbookGlobals& Globals() { return File.GetTWorkbook()->Globals(); }
    TCellList& Cells() { return static_cast<TWorkSheet*>(File.GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList(); }
    std::string Formula(const TNameRecord& Name)
    {
        return xlsAdapter::DecodeFormula(Name.CountedFormula(), 2, Cells());
    }

    TXLSFile File{nullptr};
};

bool HasCountry(TWorkbookGlobals& globals)
{
    const ByteArray bytes = WrittenBytes([&](TOle2File& f) { globals.SaveToStream(f); });
    for (std::size_t pos = 0; pos + 4 <= bytes.size(); pos += 4 + GetWord(bytes, static_cast<std::int64_t>(pos) + 2))
        if (GetWord(bytes, static_cast<std::int64_t>(pos)) == 0x008C)
            return true;
    return false;
}

TEST(XlsNames, NamesThatReadAsReferencesOrHoldMarksAreInvalid)
{
    for (const char* name : {"A1", "AB12", "R", "r", "1abc", "a.b", "x y", "", "a[1]"}) {
        std::int32_t flags = 0;
        EXPECT_FALSE(TWorkbookGlobals::IsValidRangeName(name, flags)) << name;
    }
    for (const char* name : {"A", "AB", "ABC1", "_x", "A_1", "Préface", "Rates"}) {
        std::int32_t flags = 0;
        EXPECT_TRUE(TWorkbookGlobals::IsValidRangeName(name, flags)) << name;
        EXPECT_EQ(0, flags);
    }
    std::int32_t flags = 0;
    EXPECT_TRUE(TWorkbookGlobals::IsValidRangeName(std::string(1, '\x06'), flags));
    EXPECT_EQ(0x0020, flags);
    EXPECT_FALSE(TWorkbookGlobals::IsValidRangeName(std::string(255, 'x'), flags));
}

TEST(XlsNames, AddingANameTwiceReplacesItAndBuiltInNamesDropTheCountry)
{
    TBook book;
    TWorkbookGlobals& globals = book.Globals();
    globals.AddName({"print_area", "=$A$1:$B$2", 0, 0}, book.Cells());
    globals.AddName({"Print_Area", "=$A$1:$C$3", 0, 0}, book.Cells());
    globals.AddName({"print_area", "=$A$1", 0, 1}, book.Cells());
    ASSERT_EQ(2, globals.Names().Count());
    EXPECT_EQ("='Sheet1'!$A$1:$C$3", book.Formula(*globals.Names().Items(0)));
    EXPECT_EQ("='Sheet2'!$A$1", book.Formula(*globals.Names().Items(1)));
    EXPECT_EQ(1, globals.GetName(1, "PRINT_AREA")->RangeSheet());
    EXPECT_EQ(nullptr, globals.GetName(-1, "print_area"));
    EXPECT_EQ("Invalid named range: \"A1\"", ErrorOf([&] { globals.AddName({"A1", "=1", 0, -1}, book.Cells()); }));
    EXPECT_EQ(2, globals.Names().Count());

    EXPECT_TRUE(HasCountry(globals));
    globals.AddName({std::string(1, '\x06'), "=$A$1:$IV$1", 0, 0}, book.Cells());
    EXPECT_EQ(0x0020, globals.Names().Items(2)->OptionFlags() & 0x0020);
    EXPECT_FALSE(HasCountry(globals));
}

TEST(XlsNames, TheAreaOfANameIsReadAndSetAndACellWidensToAnArea)
{
    TBook book;
    TWorkbookGlobals& globals = book.Globals();
    globals.AddName({"Block", "='Sheet2'!$B$3:$D$9", 0, -1}, book.Cells());
    globals.AddName({"One", "=C5", 0, -1}, book.Cells());
    globals.AddName({"Sum", "=SUM(A1:A2)", 0, -1}, book.Cells());
    globals.AddName({"Empty", " ", 0, -1}, book.Cells());
    const auto getSheet = [&](int ref) { return globals.References().GetSheet(ref); };
    const TNameRecord& block = *globals.Names().Items(0);
    EXPECT_EQ((std::array{2, 8, 1, 3}), (std::array{block.GetR1(), block.GetR2(), block.GetC1(), block.GetC2()}));
    EXPECT_EQ(1, block.RefersToSheet(getSheet));
    TNameRecord& one = *globals.Names().Items(1);
    EXPECT_EQ((std::array{4, 4, 2, 2}), (std::array{one.GetR1(), one.GetR2(), one.GetC1(), one.GetC2()}));
    EXPECT_EQ(0, one.RefersToSheet(getSheet));
    one.SetR2(6);
    one.SetC2(3);
    EXPECT_EQ("='Sheet1'!$C$5:$D$7", book.Formula(one));
    for (const int index : {2, 3}) {
        TNameRecord& other = *globals.Names().Items(index);
        EXPECT_EQ(-1, other.GetR1());
        other.SetR1(3);
        EXPECT_EQ(-1, other.RefersToSheet(getSheet));
    }
    EXPECT_EQ("=SUM('Sheet1'!$A$1:$A$2)", book.Formula(*globals.Names().Items(2)));
    EXPECT_EQ(0, globals.Names().Items(3)->FormulaSize());
}

TEST(XlsNames, LibreOfficeNamesReadWithTheirArea)
{
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(Fixture("globals-libreoffice.xls"));
    TWorkbookGlobals& globals = file.GetTWorkbook()->Globals();
    ASSERT_EQ(1, globals.Names().Count());
    const TNameRecord& prices = *globals.Names().Items(0);
    EXPECT_EQ(u"Prices", prices.Name());
    EXPECT_EQ(-1, prices.RangeSheet());
    EXPECT_EQ((std::array{0, 2, 1, 1}), (std::array{prices.GetR1(), prices.GetR2(), prices.GetC1(), prices.GetC2()}));
    EXPECT_EQ(0, prices.RefersToSheet([&](int ref) { return globals.References().GetSheet(ref); }));
}

TEST(XlsNames, NameRecordsThatReachPastTheirDataAreRefused)
{
    // Name length 4 in 8-bit characters, formula size 3: 14 + 5 + 3 bytes.
    ByteArray data(22, 0);
    data[3] = 4;
    data[4] = 3;
    EXPECT_NO_THROW(TNameRecord(0x0018, data));
    data.pop_back();
    EXPECT_NE(std::string::npos, ErrorOf([&] { TNameRecord(0x0018, data); }).find("reach past the record"));
    data[14] = 1;  // 16-bit characters need more
    data.resize(22);
    EXPECT_NE("no exception", ErrorOf([&] { TNameRecord(0x0018, data); }));
    EXPECT_NE("no exception", ErrorOf([&] { TNameRecord(0x0018, ByteArray(14, 0)); }));
}

} // namespace
