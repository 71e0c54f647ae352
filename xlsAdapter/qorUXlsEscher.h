// The workbook's drawing group (shape-id clusters and the picture store)
// and each worksheet's drawing: loading them from their BIFF carriers,
// saving them cut into records, and the shapes the engine adds.
#pragma once

#include "xlsAdapter/qorUEscherShapes.h"
#include "xlsAdapter/qorUVyxDrawingTypes.h"

#include <memory>
#include <unordered_map>

class TSST;

// The BIFF records that carry drawings: MSODRAWINGGROUP in the globals and
// MSODRAWING in sheets; kept only while their drawing loads.
class TXlsEscherRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TXlsEscherRecord>(); }
};

class TDrawingGroupRecord : public TXlsEscherRecord {
public:
    using TXlsEscherRecord::TXlsEscherRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TDrawingGroupRecord>(); }
};

class TDrawingRecord : public TXlsEscherRecord {
public:
    using TXlsEscherRecord::TXlsEscherRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TDrawingRecord>(); }
};

class TDrawingGroup {
public:
    TDrawingGroup() = default;
    ~TDrawingGroup() { Clear(); }
    TDrawingGroup(const TDrawingGroup&) = delete;
    TDrawingGroup& operator=(const TDrawingGroup&) = delete;

    void Clear() { FDggContainer.reset(); }
    // Feeds one MSODRAWINGGROUP record (with its CONTINUE records) to the
    // tree; a record after the tree is complete is refused.
    void LoadFromStream(std::unique_ptr<TBaseRecord> Record);
    // After the globals are read: a tree cut short is refused.
    void CheckLoaded() const;
    void SaveToStream(TOle2File& DataStream);
    std::int64_t TotalSize() const;
    // Creates what is missing of a drawing group.
    void EnsureDwgGroup();
    void AddDwg();
    TEscherDwgGroupCache& RecordCache() { return FRecordCache; }
    TEscherContainerRecord* Root() const { return FDggContainer.get(); }

private:
    std::unique_ptr<TEscherContainerRecord> FDggContainer;
    TEscherDwgGroupCache FRecordCache;
};

class TEscherClientDataRecord;

class TDrawing {
public:
    explicit TDrawing(TDrawingGroup* aDrawingGroup);
    ~TDrawing();
    TDrawing(const TDrawing&) = delete;
    TDrawing& operator=(const TDrawing&) = delete;

    void Clear();
    bool Empty() const { return !FDgContainer; }
    // Reads the drawing starting at First, with the OBJ and TXO client data
    // between its carriers, from DataStream.
    void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBaseRecord> First,
                        TSST& SST);
    void SaveToStream(TOle2File& DataStream);
    std::int64_t TotalSize() const;
    void CopyFrom(const TDrawing& aDrawing, TSheet* dSheet);

    // Pictures, by their position in the picture cache.
    int DrawingCount() const;
    TClientAnchor GetAnchor(int Index) const;
    void SetAnchor(int Index, const TClientAnchor& aAnchor, TSheet* sSheet);
    void GetDrawingFromStream(int Index, ByteArray& Data, TXlsImgTypes& DataType) const;
    std::u16string GetDrawingName(int Index) const;
    int GetDrawingRow(int Index) const;
    void AssignDrawing(int Index, std::span<const std::uint8_t> Data, TXlsImgTypes DataType);
    void ClearImage(int Index);
    void DeleteImage(int Index);
    void AddImage(std::span<const std::uint8_t> Data, TXlsImgTypes DataType, const TImageProperties& Properties,
                  TVyxAnchorType Anchor, TSheet* sSheet);
    TEscherClientDataRecord* AddNewComment(const TImageProperties& Properties, TSheet* sSheet);
    void AddAutoFilter(int Row, int Col1, int Col2, TSheet* sSheet);
    void AddAutoFilter(int Row, int Col, TSheet* sSheet);
    void RemoveAutoFilter();
    TEscherClientDataRecord* FindObjId(std::uint16_t ObjId) const;
    // Every client data record by object id (the first of equal ids), for
    // finding many at once.
    std::unordered_map<std::uint16_t, TEscherClientDataRecord*> ObjIdIndex() const;
    void ArrangeCopySheet(const TSheetInfo& SheetInfo);

    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo,
                                  TSheet* dSheet);
    void InsertAndCopyRowsAndCols(int FirstRow, int LastRow, int DestRow, int RowCount, int FirstCol, int LastCol,
                                  int DestCol, int ColCount, const TSheetInfo& SheetInfo, TSheet* dSheet);
    void DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo, TSheet* dSheet);
    void DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo, TSheet* dSheet);
    void SaveObjectCoords(TSheet* sSheet);
    void RestoreObjectCoords(TSheet* dSheet);
    // Every anchor in drawing order.
    std::vector<TClientAnchor> Anchors() const;

    TEscherDwgCache& RecordCache() { return FRecordCache; }

private:
    void CreateCaches();
    void CreateEmptyDrawing();
    TEscherOPTRecord& Picture(int Index) const;
    // Starts a shape under the patriarch: its container and SP record.
    std::unique_ptr<TEscherSpContainerRecord> NewShape(std::uint16_t ShapeType);
    void AddClientAnchor(TEscherSpContainerRecord& Shape, const TClientAnchor& Anchor, TSheet* sSheet);
    TEscherClientDataRecord& AddClientData(TEscherSpContainerRecord& Shape, std::unique_ptr<TBaseClientData> Data);
    void RemoveShape(TEscherRecord* Shape);
    void Plan(TBreakList& BreakList, int& RealSize) const;

    std::unique_ptr<TEscherContainerRecord> FDgContainer;
    TEscherDwgCache FRecordCache;
    std::unique_ptr<TEscherAnchorCache> FAnchorCache;
    std::unique_ptr<TEscherShapeCache> FShapeCache;
    std::unique_ptr<TEscherObjCache> FObjCache;
    std::unique_ptr<TEscherOPTCache> FBlipCache;
    TDrawingGroup* FDrawingGroup;
};
