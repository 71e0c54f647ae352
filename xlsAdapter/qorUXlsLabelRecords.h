// The three text cell records: LABELSST, which names an entry of the shared
// string table, and the older LABEL and RSTRING, which hold their own text
// and are only read.
#pragma once

#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <string>
#include <string_view>

class TSST;

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t LABELSST = 0x00FD;
inline constexpr std::uint16_t LABEL = 0x0204;
inline constexpr std::uint16_t RSTRING = 0x00D6;
} // namespace xlsAdapter::xlr

// A text with its rich-text runs (FirstChar 0-based inside the engine).
struct TRichString {
    std::u16string Value;
    TRTFRunList RTFRuns;
};

class TLabelSSTRecord : public TCellRecord {
public:
    TLabelSSTRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TLabelSSTRecord> CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF,
                                                           TSST* aSST);
    // Gives the entry back its reference.
    ~TLabelSSTRecord() override;

    // Binds the loaded record to the entry its stored index names.
    void AttachToSST(TSST* aSST);
    // The copy uses the same entry, which gains a reference.
    std::unique_ptr<TBaseRecord> DoCopyTo() const override;
    // Stores the entry's index in the table being written.
    void SaveToStream(TOle2File& Workbook) override;

    Variant GetValue() const override;
    void SetValue(const Variant& Value) override;

    std::u16string AsString() const;
    void SetAsString(std::u16string_view Value);
    TRichString AsRichString() const;
    void SetAsRichString(const TRichString& Value);
    // Rich text as RTF is not produced or taken.
    std::string AsRTF() const { return {}; }
    void SetAsRTF(std::string_view) {}

    TSST* SST = nullptr;
    std::int64_t pSSTEntry = -1;  // buffer offset of the entry; -1 while unbound

private:
    TSST& Table() const;
    void Bind(int Position);
};

class TLabelRecord : public TCellRecord {
public:
    using TCellRecord::TCellRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TLabelRecord>(); }
    Variant GetValue() const override;
};

class TRStringRecord : public TCellRecord {
public:
    using TCellRecord::TCellRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TRStringRecord>(); }
    Variant GetValue() const override;
    // The text and the runs that follow it.
    TRichString AsRichString() const;
};
