// Plain cell records (BLANK, NUMBER, RK, BOOLERR), the multiple-cell records
// MULBLANK and MULRK that are split into them on load, and the RK number
// encoding.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsCellRow.h"

#include <cstdint>
#include <memory>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t MULRK = 0x00BD;
inline constexpr std::uint16_t MULBLANK = 0x00BE;
inline constexpr std::uint16_t BLANK = 0x0201;
inline constexpr std::uint16_t NUMBER = 0x0203;
inline constexpr std::uint16_t BOOLERR = 0x0205;
inline constexpr std::uint16_t RK = 0x027E;
} // namespace xlsAdapter::xlr

namespace xlsAdapter {
// The number an RK value stands for.
double DecodeRK(std::uint32_t RK);
// The value of a BOOLERR cell's two value bytes: a Boolean, or an error's
// text ("#N/A" …).
Variant BoolErrValue(std::uint8_t Value, std::uint8_t IsError);
} // namespace xlsAdapter
// True, with the RK value, when X can be stored as RK and reads back as
// exactly X.
[[nodiscard]] bool EncodeRK(std::uint32_t& RK, double X);
bool IsRKEncodable(double X);

class TBlankRecord : public TCellRecord {
public:
    TBlankRecord(std::uint16_t aId, ByteArray aData) : TCellRecord(aId, std::move(aData)) {}
    static std::unique_ptr<TBlankRecord> CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TBlankRecord>(); }
};

class TNumberRecord : public TCellRecord {
public:
    TNumberRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TNumberRecord> CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TNumberRecord>(); }

    Variant GetValue() const override;
    void SetValue(const Variant& Value) override;
};

class TRKRecord : public TCellRecord {
public:
    TRKRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TRKRecord> CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TRKRecord>(); }

    Variant GetValue() const override;
    // Raises "Invalid cell value" for a number RK cannot hold exactly.
    void SetValue(const Variant& Value) override;
};

// A Boolean or an error code. Errors travel as their texts ("#N/A" …).
class TBoolErrRecord : public TCellRecord {
public:
    TBoolErrRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TBoolErrRecord> CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TBoolErrRecord>(); }

    Variant GetValue() const override;
    // Takes a Boolean or the exact text of an error code.
    void SetValue(const Variant& Value) override;
};

// A record that holds several cells of one row; it is split into single
// cells on load and never kept.
class TMultipleValueRecord : public TBaseRecord {
public:
    // Checks the layout: row, first column, CellSize bytes per cell (at
    // least one), last column, and a column span that matches the cells
    // and stays inside the sheet. Its cells are of kind Kind.
    TMultipleValueRecord(std::uint16_t aId, ByteArray aData, int CellSize, TCellKind Kind);

    std::uint16_t Row() const { return GetWord(Data, 0); }
    std::uint16_t FirstColumn() const { return GetWord(Data, 2); }
    int CellCount() const { return (DataSize() - 6) / FCellSize; }

    bool Eof() const { return CurrentCol >= CellCount(); }
    // The next cell, for the record's row.
    TCellSlot ExtractOneCell();

    int CurrentCol = 0;

private:
    int FCellSize;
    TCellKind FKind;
};

class TMulBlankRecord : public TMultipleValueRecord {
public:
    TMulBlankRecord(std::uint16_t aId, ByteArray aData)
        : TMultipleValueRecord(aId, std::move(aData), 2, TCellKind::Blank)
    {
    }
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TMulBlankRecord>(); }
};

class TMulRKRecord : public TMultipleValueRecord {
public:
    TMulRKRecord(std::uint16_t aId, ByteArray aData) : TMultipleValueRecord(aId, std::move(aData), 6, TCellKind::RK) {}
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TMulRKRecord>(); }
};
