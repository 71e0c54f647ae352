// Formula cells and the records that travel with them.
#include "xlsAdapter/qorUXlsFormula.h"

#include "xlsAdapter/qorUXlsStrings.h"
#include "xlsAdapter/qorUXlsTokenArray.h"
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include "platform/rtl/Strings.h"

#include <cstring>

namespace {

constexpr int ResultOffset = 6;
constexpr int SpecialResultMarker = 12;
constexpr int OptionsOffset = 14;
constexpr std::uint16_t CalculateOnLoad = 0x0002;
constexpr std::uint8_t ResultString = 0;
constexpr std::uint8_t ResultBoolean = 1;
constexpr std::uint8_t ResultError = 2;

} // namespace

TFormulaRecord::TFormulaRecord(std::uint16_t aId, ByteArray aData) : TCellRecord(aId, std::move(aData))
{
    RequireSize(TokenStart);
    auto cursor = Cursor();
    cursor.Seek(TokenStart - 2);
    cursor.Require(cursor.U16() <= cursor.Remaining(), "the formula's tokens reach past the record");
    if (GetWord(Data, SpecialResultMarker) == 0xFFFF) {
        const std::uint8_t kind = Data[ResultOffset];
        const std::uint8_t value = Data[ResultOffset + 2];
        if (kind == ResultBoolean) {
            FormulaValue = value == 1;
        } else if (kind == ResultError) {
            const std::string_view text = xlsAdapter::ErrorCodeText(value);
            if (text != xlsAdapter::fm::ErrUnknown)
                FormulaValue = std::string(text);
        }
        // A text result waits for the STRING record that follows.
    } else {
        double value = 0;
        std::memcpy(&value, Data.data() + ResultOffset, sizeof value);
        FormulaValue = value;
    }
    SetWord(Data, OptionsOffset, GetWord(Data, OptionsOffset) | CalculateOnLoad);
}

std::unique_ptr<TBaseRecord> TFormulaRecord::DoCopyTo() const
{
    std::unique_ptr<TBaseRecord> copy = CopyAs<TFormulaRecord>();
    auto& formula = static_cast<TFormulaRecord&>(*copy);
    formula.FormulaValue = FormulaValue;
    if (FArrayRecord)
        formula.FArrayRecord = CopyTo(FArrayRecord.get());
    if (FTableRecord)
        formula.FTableRecord = CopyTo(FTableRecord.get());
    for (const auto& follower : FFollowers)
        formula.FFollowers.push_back(CopyTo(follower.get()));
    return copy;
}

bool TFormulaRecord::HasTextResult() const
{
    return GetWord(Data, SpecialResultMarker) == 0xFFFF && Data[ResultOffset] == ResultString;
}

void TFormulaRecord::AddFollower(std::unique_ptr<TBaseRecord> Record)
{
    if (Record->Id == xlsAdapter::xlr::STRING && HasTextResult()) {
        const TBaseRecord* link = Record.get();
        int pos = 0;
        FormulaValue = rtl::Utf16ToUtf8(TExcelString(2, link, pos).Value());
    }
    FFollowers.push_back(std::move(Record));
}

bool TFormulaRecord::IsExp(std::uint32_t& Key) const
{
    constexpr int AnchorOnlySize = TokenStart + 5;
    if (DataSize() != AnchorOnlySize || GetWord(Data, TokenStart - 2) != 5 || Data[TokenStart] != xlsAdapter::ptgExp)
        return false;
    Key = (static_cast<std::uint32_t>(GetWord(Data, TokenStart + 3)) << 16) | GetWord(Data, TokenStart + 1);
    return true;
}

void TFormulaRecord::MixShared(std::span<const std::uint8_t> SharedData)
{
    // The SHRFMLA record: its range (6 bytes), 2 reserved bytes, then the
    // token count and tokens as a formula holds them.
    constexpr std::size_t SharedTokens = 8;
    if (SharedData.size() < SharedTokens + 2)
        ReadError("the shared formula it points at has no tokens");
    Data.resize(TokenStart - 2);
    Data.insert(Data.end(), SharedData.begin() + SharedTokens, SharedData.end());
    const std::size_t end = TokenStart + GetWord(Data, TokenStart - 2);
    if (end > Data.size())
        ReadError("the shared formula's tokens reach past its record");
    xlsAdapter::ArrangeTokensShared(Data, TokenStart, end, Row(), Column());
}

std::unique_ptr<TBaseRecord> TFormulaRecord::TakeSharedFormula()
{
    for (auto it = FFollowers.begin(); it != FFollowers.end(); ++it) {
        if ((*it)->Id == xlsAdapter::xlr::SHRFMLA) {
            std::unique_ptr<TBaseRecord> shared = std::move(*it);
            FFollowers.erase(it);
            return shared;
        }
    }
    return nullptr;
}

void TFormulaRecord::AttachCompanion(TBaseRecord& Owner, std::unique_ptr<TBaseRecord> Companion)
{
    auto& formula = static_cast<TFormulaRecord&>(Owner);
    if (Companion->Id == xlsAdapter::xlr::ARRAY)
        formula.SetArrayRecord(std::move(Companion));
    else
        formula.SetTableRecord(std::move(Companion));
}

void TFormulaRecord::SaveToStream(TOle2File& Workbook)
{
    TCellRecord::SaveToStream(Workbook);
    if (FArrayRecord)
        FArrayRecord->SaveToStream(Workbook);
    if (FTableRecord)
        FTableRecord->SaveToStream(Workbook);
    for (const auto& follower : FFollowers)
        follower->SaveToStream(Workbook);
}

int TFormulaRecord::TotalSize() const
{
    int size = TCellRecord::TotalSize();
    if (FArrayRecord)
        size += FArrayRecord->TotalSize();
    if (FTableRecord)
        size += FTableRecord->TotalSize();
    for (const auto& follower : FFollowers)
        size += follower->TotalSize();
    return size;
}

int TFormulaRecord::TotalSizeNoHeaders() const
{
    int size = TCellRecord::TotalSizeNoHeaders();
    if (FArrayRecord)
        size += FArrayRecord->TotalSizeNoHeaders();
    if (FTableRecord)
        size += FTableRecord->TotalSizeNoHeaders();
    for (const auto& follower : FFollowers)
        size += follower->TotalSizeNoHeaders();
    return size;
}
