// The client data of drawing shapes: the OBJ record of an object (with the
// chart or old-style picture that follows it) and the TXO record of a text
// box with its text.
#pragma once

#include "xlsAdapter/qorUXlsBaseClientData.h"
#include "xlsAdapter/qorUXlsChart.h"
#include "xlsAdapter/qorUXlsOtherRecords.h"

#include <string>

class TMsObj : public TBaseClientData {
public:
    TMsObj() = default;
    ~TMsObj() override { Clear(); }

    std::unique_ptr<TObjRecord> FObjRecord;
    // The chart embedded in the object: its records from BOF to EOF.
    std::unique_ptr<TChartRecordList> FChart;
    // The IMDATA record of an old-style picture.
    std::unique_ptr<TBaseRecord> FImData;
    // The object holds an embedded OLE object (picture formula).
    bool HasPictFmla = false;
    // A filter drop-down made by this engine.
    bool IsAutoFilter() const;
    // The object of a cell comment.
    bool IsNote() const { return FObjRecord && FObjRecord->ObjId == 0x15 && FObjRecord->CmoId == 0x19; }

    static std::unique_ptr<TMsObj> CreateEmptyImg(std::uint16_t& MaxId);
    static std::unique_ptr<TMsObj> CreateEmptyNote(std::uint16_t& MaxId);
    static std::unique_ptr<TMsObj> CreateEmptyAutoFilter(std::uint16_t& MaxId);
    static TClientDataType ObjRecord() { return TClientDataType::Obj; }

    std::uint16_t Id() const override;
    void SetId(std::uint16_t Value) override;
    void ArrangeId(std::uint16_t& MaxId) override;
    void Clear() override;
    std::unique_ptr<TBaseClientData> CopyTo() const override;
    void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBaseRecord> First,
                        TSST& SST) override;
    void SaveToStream(TOle2File& DataStream) override;
    std::int64_t TotalSize() const override;
    void ArrangeCopyRowsAndCols(int RowOfs, int ColOfs) override;
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                  const TSheetInfo& SheetInfo) override;
    void ArrangeCopySheet(const TSheetInfo& SheetInfo) override;

private:
    static std::unique_ptr<TMsObj> CreateEmpty(std::uint16_t& MaxId, std::span<const std::uint8_t> Bytes);
    void ParseSubrecords();
};

class TTXO : public TBaseClientData {
public:
    ~TTXO() override { Clear(); }
    std::unique_ptr<TTXORecord> FTXO;

    // An empty text box.
    static std::unique_ptr<TTXO> CreateFromData();
    static TClientDataType ObjRecord() { return TClientDataType::Txo; }

    std::u16string Value() const;
    // Texts too long for one record go on in further CONTINUE records.
    void SetValue(std::u16string_view Text);

    void Clear() override;
    std::unique_ptr<TBaseClientData> CopyTo() const override;
    void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBaseRecord> First,
                        TSST& SST) override;
    void SaveToStream(TOle2File& DataStream) override;
    std::int64_t TotalSize() const override;
    void ArrangeInsertRowsAndCols(int, int, int, int, const TSheetInfo&) override {}
    void ArrangeCopySheet(const TSheetInfo&) override {}

private:
    // Reads the text (and skips the runs), refusing lengths that run past
    // the records; gives the record after the runs' last one.
    std::u16string Parse(TBaseRecord** LastUsed) const;
};

// A new client data object of the type a drawing waits for.
std::unique_ptr<TBaseClientData> CreateClientData(TClientDataType Type);
