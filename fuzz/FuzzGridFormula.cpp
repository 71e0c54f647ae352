// Fuzzes the formula evaluator: each line of the input is a formula, evaluated in A1
// and in R1C1 form against a small grid with numbers, texts, a date and a bound grid.
#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "spreadsheet/QuillPars.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct Sheet {
    Sheet()
    {
        backend::InstallHeadlessBackend();
        const char* texts[] = {"1", "2.5", "-3", "abc", "", "1,234.5", "12:30", "3/4/2011", "=A1", "1E308", "|\\\x00A"};
        int k = 0;
        for (int c = 1; c < Own.ColCount(); ++c)
            for (int r = 1; r < Own.RowCount(); ++r) {
                Own.SetCells(c, r, texts[k % std::size(texts)]);
                Other.SetCells(c, r, texts[(k + 3) % std::size(texts)]);
                ++k;
            }
        TGridBinderItem* item = Binder.Grids().Add();
        item->SetGrid(&Other);
        item->SetName("Sheet2");
        Formula.SetBinder(&Binder);
        Formula.CellNameList().AddObject("TOTAL", TGridFormula::PackedCellObject(1, 2));
    }
    TQuillStringGrid Own{nullptr};
    TQuillStringGrid Other{nullptr};
    TGridBinder Binder{nullptr};
    TGridFormula Formula{&Own};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Sheet sheet;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const size_t end = input.find('\n');
        const std::string formula(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        for (bool rc : {false, true}) {
            sheet.Formula.SetUseRCNames(rc);
            sheet.Formula.SetExpression(formula);
            Variant result;
            (void)sheet.Formula.Calc(result);
        }
    }
    return 0;
}
