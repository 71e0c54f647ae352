// Series links of charts follow the cells they name.
#include "xlsAdapter/qorUXlsChart.h"

#include "xlsAdapter/qorUXlsTokenArray.h"

#include <algorithm>

using namespace xlsAdapter;

TChartAIRecord::TChartAIRecord(std::uint16_t aId, ByteArray aData) : TChartRecord(aId, std::move(aData))
{
    RequireSize(8);
    Flags = GetWord(Data, 0);
    FLen = GetWord(Data, 6);
    // A formula running past the record is not one the walker may touch.
    if (8 + FLen > DataSize())
        ReadError(msg::ErrExcelInvalid);
}

template <typename TArrange>
void TChartAIRecord::Arrange(TArrange Walk)
{
    if (FLen == 0)
        return;
    try {
        CheckTokens(Data, 8, 8 + std::size_t{FLen});
        Walk(std::span<std::uint8_t>(Data), std::size_t{8}, 8 + std::size_t{FLen});
    } catch (const ETokenException& e) {
        ExcelError(msg::UnsupportedChartFormula, static_cast<unsigned>(e.Token));
    }
}

void TChartAIRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                              const TSheetInfo& SheetInfo)
{
    Arrange([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        ArrangeTokensInsert(data, start, end, aRowPos, aRowCount, 0, aColPos, aColCount, 0, SheetInfo);
    });
}

void TChartAIRecord::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    TSheetInfo none;
    Arrange([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        ArrangeTokensInsert(data, start, end, 0, 0, RowOffset, 0, 0, ColOffset, none);
    });
}

void TChartAIRecord::ArrangeCopySheet(const TSheetInfo& SheetInfo)
{
    Arrange([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        ArrangeTokensCopySheet(data, start, end, SheetInfo);
    });
}

void TChartAIRecordCache::Remove(const TBaseRecord* Record)
{
    const auto it = std::find(FItems.begin(), FItems.end(), Record);
    if (it != FItems.end())
        FItems.erase(it);
}

void TChartAIRecordCache::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                                   const TSheetInfo& SheetInfo)
{
    for (TChartAIRecord* ai : FItems)
        ai->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
}

void TChartAIRecordCache::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    for (TChartAIRecord* ai : FItems)
        ai->ArrangeCopyRowsAndCols(RowOffset, ColOffset);
}

void TChartAIRecordCache::ArrangeCopySheet(const TSheetInfo& SheetInfo)
{
    for (TChartAIRecord* ai : FItems)
        ai->ArrangeCopySheet(SheetInfo);
}

void TChartRecordList::HandleNotify(TBaseRecord* Record, bool Added)
{
    auto* ai = dynamic_cast<TChartAIRecord*>(Record);
    if (!ai)
        return;
    if (Added)
        FAICache.Add(ai);
    else
        FAICache.Remove(ai);
}
