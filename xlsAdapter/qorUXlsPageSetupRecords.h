// Page setup and printing records of a sheet: header and footer texts,
// margins, the SETUP block, printer driver data, centring and grid lines.
#pragma once

#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <string>
#include <string_view>
#include <utility>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t HEADER = 0x0014;
inline constexpr std::uint16_t FOOTER = 0x0015;
inline constexpr std::uint16_t PRINTGRIDLINES = 0x002B;
inline constexpr std::uint16_t LEFTMARGIN = 0x0026;
inline constexpr std::uint16_t RIGHTMARGIN = 0x0027;
inline constexpr std::uint16_t TOPMARGIN = 0x0028;
inline constexpr std::uint16_t BOTTOMMARGIN = 0x0029;
inline constexpr std::uint16_t SETUP = 0x00A1;
inline constexpr std::uint16_t PLS = 0x004D;
inline constexpr std::uint16_t HCENTER = 0x0083;
inline constexpr std::uint16_t VCENTER = 0x0084;
} // namespace xlsAdapter::xlr

namespace xlsAdapter::msg {
inline constexpr const char* MarginRecordSize = "Error in Margin Record";
inline constexpr const char* SetupRecordSize = "Error in Setup Record";
} // namespace xlsAdapter::msg

struct TSetupRec {
    std::uint16_t PaperSize = 0;
    std::uint16_t Scale = 0;
    std::uint16_t PageStart = 0;
    std::uint16_t FitWidth = 0;
    std::uint16_t FitHeight = 0;
    std::uint16_t GrBit = 0;
    std::uint16_t Resolution = 0;
    std::uint16_t VResolution = 0;
    double HeaderMargin = 0;
    double FooterMargin = 0;
    std::uint16_t Copies = 0;
};

class TPageHeaderFooterRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPageHeaderFooterRecord>(); }
    // Empty for a record without data.
    std::u16string Text() const;
    void SetText(std::u16string_view Value);
};

class TPageHeaderRecord : public TPageHeaderFooterRecord {
public:
    using TPageHeaderFooterRecord::TPageHeaderFooterRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPageHeaderRecord>(); }
};

class TPageFooterRecord : public TPageHeaderFooterRecord {
public:
    using TPageHeaderFooterRecord::TPageHeaderFooterRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPageFooterRecord>(); }
};

class TPrintGridLinesRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPrintGridLinesRecord>(); }
    bool Value() const { return GetWord(Data, 0) == 1; }
    void SetValue(bool aValue) { SetWord(Data, 0, aValue ? 1 : 0); }
};

class TPrintCenteredRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPrintCenteredRecord>(); }
    bool Centered() const { return GetWord(Data, 0) == 1; }
    void SetCentered(bool Value) { SetWord(Data, 0, Value ? 1 : 0); }
};

// One page margin in inches.
class TMarginRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TMarginRecord>(); }
    double Value() const;
    void SetValue(double aValue);
};

class TSetupRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TSetupRecord>(); }

    TSetupRec Value() const;
    void SetValue(const TSetupRec& aValue);

    // While bit 2 of GrBit is set the printer fields are not valid and
    // read as their defaults; writing one makes them valid.
    std::uint16_t PrintPaperSize() const { return PrinterField(0); }
    void SetPrintPaperSize(std::uint16_t Value) { SetPrinterField(0, Value); }
    std::uint16_t Scale() const { return PrinterField(2); }
    void SetScale(std::uint16_t Value) { SetPrinterField(2, Value); }
    std::uint16_t PrintXResolution() const { return PrinterField(12); }
    void SetPrintXResolution(std::uint16_t Value) { SetPrinterField(12, Value); }
    std::uint16_t PrintYResolution() const { return PrinterField(14); }
    void SetPrintYResolution(std::uint16_t Value) { SetPrinterField(14, Value); }
    std::uint16_t PrintCopies() const { return PrinterField(32); }
    void SetPrintCopies(std::uint16_t Value) { SetPrinterField(32, Value); }

    std::uint16_t PrintOptions() const { return GetWord(Data, 10); }
    // Only the low byte holds options the engine lets callers set.
    void SetPrintOptions(std::uint16_t Value) { SetWord(Data, 10, Value & 0xFF); }
    std::uint16_t FitWidth() const { return GetWord(Data, 6); }
    void SetFitWidth(std::uint16_t Value) { SetWord(Data, 6, Value); }
    std::uint16_t FitHeight() const { return GetWord(Data, 8); }
    void SetFitHeight(std::uint16_t Value) { SetWord(Data, 8, Value); }
    double HeaderMargin() const;
    void SetHeaderMargin(double Value);
    double FooterMargin() const;
    void SetFooterMargin(double Value);

private:
    bool PrinterFieldsInvalid() const { return (GetWord(Data, 10) & 4) != 0; }
    // Position in the data and value while not valid: paper size, scale,
    // resolutions and copies.
    static constexpr std::pair<int, std::uint16_t> PrinterFieldDefaults[] = {
        {0, 0}, {2, 100}, {12, 100}, {14, 100}, {32, 1}};
    std::uint16_t PrinterField(int Pos) const;
    void SetPrinterField(int Pos, std::uint16_t Value);
};

class TPlsRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    static std::unique_ptr<TPlsRecord> CreateFromData(const TPrinterDriverSettings& aPrinterData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPlsRecord>(); }
    TPrinterDriverSettings PrinterData() const;
    void SetPrinterData(const TPrinterDriverSettings& Value);
};
