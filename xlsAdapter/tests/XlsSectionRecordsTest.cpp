// Section, workbook, window, page setup and option records: fields over
// their own bytes, the rules of their setters, and short records.
#include "xlsAdapter/qorUXlsOtherRecords.h"
#include "xlsAdapter/qorUXlsPageSetupRecords.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlsAdapter;

namespace {

template <typename T>
std::unique_ptr<T> Make(std::uint16_t id, ByteArray data)
{
    return std::make_unique<T>(id, std::move(data));
}

} // namespace

using xlstest::Words;

TEST(SectionRecords, BofRefusesOtherVersionsAndGivesItsType)
{
    EXPECT_THROW(Make<TBOFRecord>(xlr::BOF, Words({0x0500, 0x0010, 0, 0})), EExcelException);
    EXPECT_EQ(0x0010, Make<TBOFRecord>(xlr::BOF, Words({0x0600, 0x0010, 0, 0}))->BOFType());
}

TEST(SectionRecords, RecordsTooShortForTheirFieldsAreRefused)
{
    auto refuses = [](auto make, int size) { EXPECT_THROW(make(ByteArray(static_cast<std::size_t>(size))), EExcelException) << size; };
    refuses([](ByteArray d) { return Make<TBOFRecord>(xlr::BOF, d); }, 3);
    refuses([](ByteArray d) { return Make<TSSTRecord>(xlr::SST, d); }, 7);
    refuses([](ByteArray d) { return Make<TBoundSheetRecord>(xlr::BOUNDSHEET, d); }, 7);
    refuses([](ByteArray d) { return Make<TObjRecord>(xlr::OBJ, d); }, 1);
    refuses([](ByteArray d) { return Make<TGutsRecord>(xlr::GUTS, d); }, 7);
    refuses([](ByteArray d) { return Make<TPaneRecord>(xlr::PANE, d); }, 9);
    refuses([](ByteArray d) { return Make<TDimensionsRecord>(xlr::DIMENSIONS, d); }, 13);
    refuses([](ByteArray d) { return Make<TWindow1Record>(xlr::WINDOW1, d); }, 15);
    refuses([](ByteArray d) { return Make<TWindow2Record>(xlr::WINDOW2, d); }, 1);
    // A BOUNDSHEET whose name runs past its end, and an OBJ whose common
    // object data is cut short.
    EXPECT_THROW(Make<TBoundSheetRecord>(xlr::BOUNDSHEET, ByteArray{0, 0, 0, 0, 0, 0, 9, 0, 'a'}), EExcelException);
    EXPECT_THROW(Make<TObjRecord>(xlr::OBJ, Words({0x15, 18})), EExcelException);
    // Accessors of records kept with fewer bytes than a field raise too.
    auto zoom = Make<TSCLRecord>(xlr::SCL, ByteArray(2));
    EXPECT_THROW(zoom->Zoom(), EExcelException);
}

TEST(SectionRecords, BoundSheetNamesGrowTo16BitForWideCharacters)
{
    auto sheet = TBoundSheetRecord::CreateNew(0, u"Data1");
    EXPECT_EQ(13, sheet->DataSize());
    EXPECT_EQ(u"Data1", sheet->SheetName());
    sheet->SetOptionFlags(1);
    sheet->SetOffset(0x01020304);
    sheet->SetSheetName(u"\u0416ab");
    EXPECT_EQ(6 + 2 + 3 * 2, sheet->DataSize());
    EXPECT_EQ(u"\u0416ab", sheet->SheetName());
    EXPECT_EQ(1, sheet->OptionFlags());
    EXPECT_EQ(0x01020304u, GetCardinal(sheet->Data, 0));

    auto code = TCodeNameRecord::CreateNew(u"ThisWorkbook");
    EXPECT_EQ(u"ThisWorkbook", Make<TCodeNameRecord>(xlr::CODENAME, code->Data)->SheetName());
    EXPECT_THROW(TBoundSheetRecord::CreateNew(0, std::u16string(256, u'x')), EExcelException);
}

TEST(SectionRecords, ObjectAndTextRecords)
{
    auto obj = Make<TObjRecord>(xlr::OBJ, Words({0x15, 18, 0x19, 7, 0}));
    EXPECT_EQ(0x15, obj->ObjId);
    EXPECT_EQ(0x19, obj->CmoId);
    auto txo = TTXORecord::CreateFromData();
    EXPECT_EQ(18, txo->DataSize());
    EXPECT_EQ(0x0212, GetWord(txo->Data, 0));
}

TEST(SectionRecords, GutsLevelsSetWidthAndCount)
{
    const struct { int level, width, count; } cases[] = {{-1, 0, 0}, {0, 0, 0}, {1, 41, 2}, {3, 65, 4}, {7, 113, 8}, {9, 113, 8}};
    for (const auto& c : cases) {
        auto guts = Make<TGutsRecord>(xlr::GUTS, ByteArray(8));
        guts->SetRowLevel(c.level);
        guts->SetColLevel(c.level);
        EXPECT_EQ(Words({std::uint16_t(c.width), std::uint16_t(c.width), std::uint16_t(c.count), std::uint16_t(c.count)}),
                  guts->Data) << c.level;
        EXPECT_EQ(c.count, guts->RowLevel());
    }
    auto guts = Make<TGutsRecord>(xlr::GUTS, ByteArray(8));
    guts->RecalcNeeded = true;
    EXPECT_TRUE(static_cast<TGutsRecord&>(*guts->DoCopyTo()).RecalcNeeded);
}

TEST(SectionRecords, PaneMovesToAPaneThatExists)
{
    const struct { int pane, cols, rows, expected; } cases[] = {
        {0, 2, 5, 0}, {0, 2, 0, 1}, {0, 0, 5, 2}, {0, 0, 0, 3}, {1, 2, 0, 1},
        {1, 0, 5, 3}, {2, 0, 5, 2}, {2, 2, 0, 3}, {3, 0, 0, 3}, {7, 0, 0, 7}};
    for (const auto& c : cases) {
        auto pane = Make<TPaneRecord>(xlr::PANE, ByteArray(10));
        pane->SetColSplit(static_cast<std::uint16_t>(c.cols));
        pane->SetRowSplit(static_cast<std::uint16_t>(c.rows));
        pane->SetActivePane(static_cast<std::uint16_t>(c.pane));
        pane->EnsureSelectedVisible();
        EXPECT_EQ(c.expected, pane->ActivePane()) << c.pane << " " << c.cols << " " << c.rows;
    }
}

TEST(WindowRecords, ZoomsAreRoundedAndClamped)
{
    const struct { std::uint16_t num, den; int zoom; } reads[] = {{3, 4, 75}, {5, 0, 100}, {1, 8, 12}, {3, 8, 38}, {5, 8, 62}};
    for (const auto& c : reads)
        EXPECT_EQ(c.zoom, Make<TSCLRecord>(xlr::SCL, Words({c.num, c.den}))->Zoom()) << c.num << "/" << c.den;
    EXPECT_EQ(Words({400, 100}), TSCLRecord::CreateFromData(500)->Data);
    EXPECT_EQ(Words({10, 100}), TSCLRecord::CreateFromData(5)->Data);

    auto window = Make<TWindow2Record>(xlr::WINDOW2, ByteArray(18));
    window->SetSheetZoom(0);
    EXPECT_EQ(10, window->SheetZoom());
    window->SetSheetZoom(1000);
    EXPECT_EQ(400, window->SheetZoom());
}

TEST(WindowRecords, Window2FlagsAndCopiesAreNeverSelected)
{
    auto window = Make<TWindow2Record>(xlr::WINDOW2, Words({0x0002, 0, 0, 0, 0, 0, 0, 0, 0}));
    window->SetSelected(true);
    window->SetIsFrozen(true);
    EXPECT_EQ(0x0602 | 0x0008, GetWord(window->Data, 0));
    EXPECT_TRUE(window->ShowGridLines());
    EXPECT_FALSE(window->ShowGridHeaders());
    auto copy = window->DoCopyTo();
    EXPECT_EQ(0x000A, GetWord(copy->Data, 0));
    window->SetSelected(false);
    EXPECT_EQ(0x000A, GetWord(window->Data, 0));
}

TEST(WindowRecords, SavingMendsZeroWindowSizesAndWideDefaultColumns)
{
    auto window1 = Make<TWindow1Record>(xlr::WINDOW1, Words({0, 0, 0, 200, 0x38, 3, 2, 3, 0x258}));
    window1->SetActiveSheet(2);
    EXPECT_EQ(Words({0, 0, 0, 200, 0x38, 2, 0, 1, 0x258}), window1->Data);
    auto width = Make<TDefColWidthRecord>(xlr::DEFCOLWIDTH, Words({300}));
    const ByteArray written = xlstest::WrittenBytes([&](TOle2File& out) {
        window1->SaveToStream(out);
        width->SaveToStream(out);
    });
    EXPECT_EQ(1, GetWord(written, 4 + 4));  // width
    EXPECT_EQ(200, GetWord(written, 4 + 6));
    EXPECT_EQ(255, GetWord(written, 22 + 4));
    EXPECT_EQ(255, width->Width());
}

TEST(WindowRecords, OptionWordsReadAndWriteTheirOwnSense)
{
    EXPECT_TRUE(Make<T1904Record>(xlr::DATEMODE1904, Words({1}))->Is1904());
    EXPECT_FALSE(Make<T1904Record>(xlr::DATEMODE1904, Words({2}))->Is1904());
    EXPECT_TRUE(Make<TRefModeRecord>(xlr::REFMODE, Words({0}))->IsR1C1());
    EXPECT_FALSE(Make<TRefModeRecord>(xlr::REFMODE, Words({1}))->IsR1C1());
    EXPECT_TRUE(Make<TPrecisionRecord>(xlr::PRECISION, Words({0}))->PrecisionAsDisplayed());
    EXPECT_TRUE(Make<TBookBoolRecord>(xlr::BOOKBOOL, Words({0}))->SaveExternalLinkValues());

    auto precision = Make<TPrecisionRecord>(xlr::PRECISION, Words({1}));
    precision->SetPrecisionAsDisplayed(true);
    EXPECT_EQ(Words({0}), precision->Data);
    auto bookBool = Make<TBookBoolRecord>(xlr::BOOKBOOL, Words({0}));
    bookBool->SetSaveExternalLinkValues(false);
    EXPECT_EQ(Words({1}), bookBool->Data);

    auto wsBool = Make<TWsBoolRecord>(xlr::WSBOOL, Words({0x05C1}));
    EXPECT_TRUE(wsBool->FitToPage());
    EXPECT_TRUE(wsBool->OutlineSummaryRowsBelowDetail());
    wsBool->SetFitToPage(false);
    EXPECT_EQ(0x04C1, wsBool->Value());
    wsBool->SetFitToPage(false);
    EXPECT_EQ(0x04C1, wsBool->Value());
}

TEST(PageSetupRecords, SetupHidesInvalidPrinterFields)
{
    ByteArray data(34);
    SetWord(data, 0, 9);  // paper size
    SetWord(data, 2, 55); // scale
    SetWord(data, 10, 0x0004);
    SetWord(data, 32, 3);
    auto setup = Make<TSetupRecord>(xlr::SETUP, data);
    EXPECT_EQ(0, setup->PrintPaperSize());
    EXPECT_EQ(100, setup->Scale());
    EXPECT_EQ(1, setup->PrintCopies());
    EXPECT_EQ(100, setup->PrintXResolution());
    // Making the fields valid keeps what the others read, not the stale
    // values stored under the flag.
    setup->SetScale(80);
    EXPECT_EQ(80, setup->Scale());
    EXPECT_EQ(0, setup->PrintPaperSize());
    EXPECT_EQ(1, setup->PrintCopies());
    EXPECT_EQ(100, setup->PrintXResolution());
    setup->SetPrintOptions(0x0602);
    EXPECT_EQ(0x0002, setup->PrintOptions());

    TSetupRec value = setup->Value();
    value.HeaderMargin = 0.5;
    setup->SetValue(value);
    EXPECT_DOUBLE_EQ(0.5, setup->HeaderMargin());
    EXPECT_THROW(Make<TSetupRecord>(xlr::SETUP, ByteArray(30))->SetValue(value), EExcelException);
    EXPECT_THROW(Make<TMarginRecord>(xlr::LEFTMARGIN, ByteArray(10))->SetValue(1), EExcelException);
    auto margin = Make<TMarginRecord>(xlr::LEFTMARGIN, ByteArray(8));
    margin->SetValue(0.75);
    EXPECT_DOUBLE_EQ(0.75, margin->Value());
}

TEST(PageSetupRecords, HeaderTextsAndPrinterData)
{
    auto header = Make<TPageHeaderRecord>(xlr::HEADER, ByteArray());
    EXPECT_EQ(u"", header->Text());
    header->SetText(u"&CPage &P");
    EXPECT_EQ(2 + 1 + 9, header->DataSize());
    EXPECT_EQ(u"&CPage &P", Make<TPageHeaderRecord>(xlr::HEADER, header->Data)->Text());

    auto pls = TPlsRecord::CreateFromData({0, ByteArray{1, 2, 3}});
    EXPECT_EQ(5, pls->DataSize());
    pls->SetPrinterData({7, ByteArray{9, 8, 7, 6, 5}});
    EXPECT_EQ((ByteArray{7, 0, 9, 8, 7, 6, 5}), pls->Data);
    EXPECT_EQ(7, pls->PrinterData().OperatingEnviroment);
    EXPECT_EQ((ByteArray{9, 8, 7, 6, 5}), pls->PrinterData().Data);
}
