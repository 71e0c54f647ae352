// Shapes of a LibreOffice workbook (a picture, a rectangle and a comment box)
// on their cell anchors when rows are sized, inserted and deleted and when
// the sheet is copied, and LibreOffice reading the anchors back.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>

using namespace xlstest;

namespace {

const std::string Fixture = VISTRA_TEST_DATA "/drawings-libreoffice.xls";

std::unique_ptr<TXLSFile> Opened(const std::string& path)
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->OpenFile(path);
    return file;
}

const TWorkSheet& Sheet(TXLSFile& file, int index = 0)
{
    return dynamic_cast<const TWorkSheet&>(*file.GetTWorkbook()->Sheets().GetItems(index));
}

std::string Text(const TClientAnchor& a)
{
    return std::to_string(a.Flag) + " " + std::to_string(a.Col1) + "/" + std::to_string(a.Dx1) + " " +
           std::to_string(a.Row1) + "/" + std::to_string(a.Dy1) + " " + std::to_string(a.Col2) + "/" +
           std::to_string(a.Dx2) + " " + std::to_string(a.Row2) + "/" + std::to_string(a.Dy2);
}

std::vector<std::string> Anchors(TXLSFile& file, int index = 0)
{
    std::vector<std::string> texts;
    for (const TClientAnchor& a : Sheet(file, index).ObjectAnchors())
        texts.push_back(Text(a));
    return texts;
}

} // namespace

// As LibreOffice saved them: the comment box moves with its cells but keeps
// its size (flag 2); the picture and the rectangle keep their place (3).
const std::vector<std::string> Loaded = {"2 1/272 0/0 2/563 1/82", "3 0/454 2/55 1/790 8/219",
                                         "3 2/674 2/55 3/556 4/109"};

TEST(XlsSheetAnchors, ShapesFollowSizedInsertedAndDeletedRows)
{
    struct TCase {
        const char* Name;
        std::function<void(TXLSFile&)> Change;
        std::vector<std::string> Expected;
    };
    const TCase cases[] = {
        // Row 2 grows: the comment box ends higher up in it; the other
        // shapes stay where they were on the page, now inside row 2.
        {"row 2 heightened", [](TXLSFile& f) { f.SetRowHeight(2, 1200); },
         {"2 1/272 0/0 2/563 1/17", "3 0/454 1/66 1/790 5/44", "3 2/674 1/66 3/556 1/186"}},
        // Row 2 hidden: the comment box's bottom lands in row 3; the other
        // shapes stay on the page, one row further down.
        {"row 2 hidden", [](TXLSFile& f) { f.SetRowHidden(2, true); },
         {"2 1/272 0/0 2/563 2/82", "3 0/454 3/55 1/790 9/219", "3 2/674 3/55 3/556 5/109"}},
        // Column A three times as wide: the comment box stays on column B;
        // the other shapes stay on the page, a third of the way into the
        // wider column.
        {"column A widened", [](TXLSFile& f) { f.SetColumnWidth(1, 2930 * 3); },
         {"2 1/272 0/0 2/563 1/82", "3 0/152 2/55 0/609 8/219", "3 0/914 2/55 1/580 4/109"}},
        // Two rows inserted above: the comment box moves down with its cells.
        {"two rows inserted at row 1", [](TXLSFile& f) { f.InsertAndCopyRows(20, 20, 1, 2, false); },
         {"2 1/272 2/0 2/563 3/82", "3 0/454 2/55 1/790 8/219", "3 2/674 2/55 3/556 4/109"}},
        // The commented cell goes, and its comment with it.
        {"row 1 deleted", [](TXLSFile& f) { f.DeleteRows(1, 1); },
         {"3 0/454 2/55 1/790 8/219", "3 2/674 2/55 3/556 4/109"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto file = Opened(Fixture);
        ASSERT_EQ(Anchors(*file), Loaded);
        c.Change(*file);
        EXPECT_EQ(Anchors(*file), c.Expected);
        TempFolder dir;
        file->Save(false, dir / "changed.xls", nullptr, nullptr, nullptr);
        EXPECT_EQ(Anchors(*Opened(dir / "changed.xls")), c.Expected);
    }
}

TEST(XlsSheetAnchors, ACopiedSheetKeepsTheAnchorsAndSizesItsOwn)
{
    auto file = Opened(Fixture);
    file->InsertAndCopySheets(1, 2, 1);
    EXPECT_EQ(Anchors(*file, 1), Loaded);
    file->SetActiveSheet(2);
    file->SetRowHeight(2, 1200);
    EXPECT_EQ(Anchors(*file, 0), Loaded);
    EXPECT_NE(Anchors(*file, 1), Loaded);
}

namespace {

// Width, height, left and top in inches of every picture and shape
// LibreOffice reads, in sheet and drawing order.
std::vector<std::array<double, 4>> ShapePlaces(const std::string& fods)
{
    static const std::regex place(
        R"(<draw:(?:frame|custom-shape) [^>]*?svg:width="([0-9.]+)in" svg:height="([0-9.]+)in" svg:x="([0-9.]+)in" svg:y="([0-9.]+)in")");
    std::vector<std::array<double, 4>> places;
    for (auto it = std::sregex_iterator(fods.begin(), fods.end(), place); it != std::sregex_iterator(); ++it)
        places.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4])});
    return places;
}

// Equal to a hundredth of an inch: anchors place shapes to 1/255 of a row.
void ExpectSamePlaces(const std::vector<std::array<double, 4>>& Actual, const std::vector<std::array<double, 4>>& Expected)
{
    ASSERT_EQ(Actual.size(), Expected.size());
    for (std::size_t i = 0; i < Actual.size(); ++i)
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_NEAR(Actual[i][k], Expected[i][k], 0.01) << "shape " << i << ", value " << k;
}

} // namespace

TEST(XlsSheetAnchors, LibreOfficeReadsTheShapesWhereTheyWere)
{
    REQUIRE_PEER("libreoffice");
    // The picture and the rectangle as LibreOffice placed them.
    const std::vector<std::array<double, 4>> original = {{1.1807, 1.1807, 0.3937, 0.3937},
                                                         {0.7866, 0.3929, 2.361, 0.3937}};
    TempFolder dir;
    auto sized = Opened(Fixture);
    sized->SetRowHeight(2, 1200);
    sized->Save(false, dir / "sized.xls", nullptr, nullptr, nullptr);
    auto copied = Opened(Fixture);
    copied->InsertAndCopySheets(1, 2, 1);
    copied->Save(false, dir / "copied.xls", nullptr, nullptr, nullptr);
    std::string log;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) +
                                " --convert-to fods sized.xls copied.xls",
                            &log))
        << log;
    ExpectSamePlaces(ShapePlaces(testsupport::ReadFile(dir / "sized.fods")), original);
    std::vector<std::array<double, 4>> twice = original;
    twice.insert(twice.end(), original.begin(), original.end());
    ExpectSamePlaces(ShapePlaces(testsupport::ReadFile(dir / "copied.fods")), twice);
}
