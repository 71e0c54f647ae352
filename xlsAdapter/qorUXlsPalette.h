// The PALETTE record and the standard 56-colour palette.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <cstdint>
#include <memory>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t PALETTE = 0x0092;
} // namespace xlsAdapter::xlr

namespace xlsAdapter {
inline constexpr int StandardPaletteCount = 56;
}

// Colours are 0x00BBGGRR (red in the lowest byte).
class TPaletteRecord : public TBaseRecord {
public:
    TPaletteRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TPaletteRecord> CreateStandard();
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPaletteRecord>(); }

    std::uint16_t Count() const { return GetWord(Data, 0); }
    std::uint32_t GetColor(int Index) const;
    void SetColor(int Index, std::uint32_t Value);
};

// The standard colour of palette entry Index (0..55).
std::uint32_t StandardPaletteColor(int Index);
