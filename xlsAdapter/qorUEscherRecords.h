// The drawing record tree: record headers, data and container records, the
// owning record list and the caches through which the engine finds records.
#pragma once

#include "xlsAdapter/qorUXlsBaseClientData.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

class TBreakList;
class TEscherContainerRecord;
class TEscherSpgrContainerRecord;
class TEscherSolverContainerRecord;
class TEscherRecord;
class TEscherDgRecord;
class TEscherDggRecord;
class TEscherBStoreRecord;
class TSheet;

struct TEscherRecordHeader {
    std::uint16_t Pre = 0;
    std::uint16_t Id = 0;
    std::int32_t Size = 0;

    bool IsContainer() const { return (Pre & 0x000F) == 0x000F; }
};

namespace xlsAdapter::escher {
inline constexpr int HeaderSize = 8;
// Deepest nesting of containers a drawing may have; real drawings use a
// handful of levels, and the bound keeps hostile files from exhausting the
// stack of the recursive walks.
inline constexpr int MaxDepth = 64;
inline constexpr std::uint16_t SpgrContainer = 0xF003;
inline constexpr std::uint16_t SpContainer = 0xF004;
inline constexpr std::uint16_t SolverContainer = 0xF005;
inline constexpr std::uint16_t ClientTextBox = 0xF00D;
inline constexpr std::uint16_t ClientData = 0xF011;
inline constexpr std::uint16_t MsoDrawingGroup = 0x00EB;
inline constexpr std::uint16_t MsoDrawing = 0x00EC;
} // namespace xlsAdapter::escher

// A list of records that does not own them.
class TEscherRecordCache {
public:
    virtual ~TEscherRecordCache() = default;
    void Add(TEscherRecord* Record)
    {
        FItems.push_back(Record);
        FSorted = false;
    }
    void Remove(const TEscherRecord* Record);
    int Count() const { return static_cast<int>(FItems.size()); }
    TEscherRecord* operator[](int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    // Forwards to every record, last to first.
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                  const TSheetInfo& SheetInfo, bool Forced, TSheet* dSheet);

protected:
    std::vector<TEscherRecord*> FItems;
    bool FSorted = false;
};

// Every client anchor of a drawing.
class TEscherAnchorCache : public TEscherRecordCache {};

class TEscherObjCache : public TEscherRecordCache {
public:
    void ArrangeCopySheet(const TSheetInfo& SheetInfo);
};

// Every shape record of a drawing, searchable by shape id.
class TEscherShapeCache : public TEscherRecordCache {
public:
    void Sort();
    // On a hit Index is the shape with that id, otherwise where it would go.
    bool Find(std::uint32_t aShapeId, int& Index);
};

// The property tables that show pictures, in the order they were loaded or
// added: the picture index of the sheet.
class TEscherOPTCache : public TEscherRecordCache {
public:
    // By the first row of each picture's anchor.
    void Sort();
    bool Find(int aRow, int& Index);
};

// The caches of one sheet drawing. The drawing that owns this object also
// owns the cache lists.
struct TEscherDwgCache {
    bool Destroying = false;
    std::uint16_t MaxObjId = 0;
    TEscherDgRecord* Dg = nullptr;
    TEscherSolverContainerRecord* Solver = nullptr;
    TEscherSpgrContainerRecord* Patriarch = nullptr;
    TEscherAnchorCache* Anchor = nullptr;
    TEscherShapeCache* Shape = nullptr;
    TEscherObjCache* Obj = nullptr;
    TEscherOPTCache* Blip = nullptr;
};

// The caches of a workbook's drawing group.
struct TEscherDwgGroupCache {
    TEscherBStoreRecord* BStore = nullptr;
    TEscherDggRecord* Dgg = nullptr;
};

class TEscherRecord {
public:
    TEscherRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                  TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    virtual ~TEscherRecord() = default;
    TEscherRecord(const TEscherRecord&) = delete;
    TEscherRecord& operator=(const TEscherRecord&) = delete;

    TEscherContainerRecord* FParent;
    TEscherDwgCache* DwgCache;
    TEscherDwgGroupCache* DwgGroupCache;
    std::uint16_t Pre;
    std::uint16_t Id;
    std::int32_t TotalDataSize;
    std::int32_t LoadedDataSize = 0;
    TEscherRecord* CopiedTo = nullptr;

    bool IsContainer() const { return (Pre & 0x000F) == 0x000F; }
    int Instance() const { return Pre >> 4; }
    // Containers above this record.
    int Depth() const { return FDepth; }

    virtual void AfterCreate() {}
    // Consumes bytes from aRecord (a drawing carrier) at aPos, moving both
    // along its CONTINUE chain.
    virtual void Load(const TBaseRecord*& aRecord, int& aPos) = 0;
    virtual void SaveToStream(TOle2File& DataStream, TBreakList& BreakList);
    virtual std::int64_t TotalSizeNoSplit() const { return xlsAdapter::escher::HeaderSize; }
    virtual bool Loaded() const;
    virtual bool WaitingClientData(TClientDataType& ClientType) const;
    virtual void AssignClientData(std::unique_ptr<TBaseClientData> aClientData);
    virtual void SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const;
    virtual void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                          const TSheetInfo& SheetInfo, bool Forced, TSheet* dSheet);
    virtual void ClearCopiedTo() { CopiedTo = nullptr; }
    // The first record of this class (or a descendant) among the children.
    template <typename T>
    T* FindRec() const { return dynamic_cast<T*>(FindRecWhere([](const TEscherRecord* r) { return dynamic_cast<const T*>(r) != nullptr; })); }
    virtual int CompareRec(const TEscherRecord& aRecord) const;

    static std::unique_ptr<TEscherRecord> CopyTo(const TEscherRecord* Record, TEscherDwgCache* NewDwgCache, int RowOfs,
                                                 int ColOfs, TSheet* dSheet);
    // The shape under the patriarch that holds this record; this record
    // itself without a drawing cache.
    TEscherRecord* FindRoot();
    TEscherSpgrContainerRecord* Patriarch() const;
    // Duplicates the whole shape this record belongs to inside its drawing
    // and returns this record's copy.
    TEscherRecord* CopyDwg(int RowOfs, int ColOfs, TSheet* dSheet);

protected:
    // A new record of the same class with the same header, registered in
    // the caches like a loaded one.
    virtual std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                    TSheet* dSheet) const;
    virtual TEscherRecord* FindRecWhere(bool (*Matches)(const TEscherRecord*)) const;
    TEscherRecordHeader Header() const { return {Pre, Id, TotalDataSize}; }
    // The header with the size recomputed, split around BIFF breaks.
    void SaveHeader(TOle2File& DataStream, TBreakList& BreakList) const;

private:
    int FDepth;
};

// Writes the BIFF header of the break the stream has reached, if any;
// a stream past its break is a planning error.
void CheckBreak(TOle2File& DataStream, TBreakList& BreakList);
// Writes Bytes, inserting the BIFF header of every break it reaches.
void WriteAcrossBreaks(TOle2File& DataStream, TBreakList& BreakList, std::span<const std::uint8_t> Bytes);
// Adds n bytes of drawing data to the plan, breaking into CONTINUE records
// every 8224 bytes.
void IncNextPos(int& NextPos, int n, int& RealSize, TBreakList& BreakList);

// A record whose body is kept as raw bytes and written back unchanged.
class TEscherDataRecord : public TEscherRecord {
public:
    using TEscherRecord::TEscherRecord;
    // A complete record built in memory with the given body.
    TEscherDataRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                      TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent, ByteArray aBody);

    // Loaded bytes of the body; all TotalDataSize of them once loaded.
    ByteArray Data;
    void ClearData() { Data.assign(static_cast<std::size_t>(TotalDataSize), 0); }

    void Load(const TBaseRecord*& aRecord, int& aPos) override;
    void SaveToStream(TOle2File& DataStream, TBreakList& BreakList) override;
    std::int64_t TotalSizeNoSplit() const override { return xlsAdapter::escher::HeaderSize + TotalDataSize; }
    void SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const override;
    int CompareRec(const TEscherRecord& aRecord) const override;

protected:
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;
};

// The children of a container, owned, in file order.
class TEscherRecordList {
public:
    void Add(std::unique_ptr<TEscherRecord> Record);
    void Insert(int Index, std::unique_ptr<TEscherRecord> Record);
    int Count() const { return static_cast<int>(FItems.size()); }
    TEscherRecord* operator[](int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    bool Sorted() const { return FSorted; }
    void Sort();
    // On a hit Index is the equal item, otherwise where aItem would go.
    bool Find(const TEscherRecord& aItem, int& Index);
    void SaveToStream(TOle2File& DataStream, TBreakList& BreakList) const;
    std::int64_t TotalSizeNoSplit() const;
    void CopyFrom(const TEscherRecordList* aEscherRecordList, TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                  TSheet* dSheet);
    // Frees the record; false when it is not in the list.
    bool Remove(const TEscherRecord* Record);
    void Clear();

private:
    std::vector<std::unique_ptr<TEscherRecord>> FItems;
    bool FSorted = false;
};

class TEscherContainerRecord : public TEscherRecord {
public:
    using TEscherRecord::TEscherRecord;
    ~TEscherContainerRecord() override;

    TEscherRecordList& ContainedRecords() { return FContainedRecords; }
    const TEscherRecordList& ContainedRecords() const { return FContainedRecords; }
    TEscherRecord* LastRecord() const;

    void Load(const TBaseRecord*& aRecord, int& aPos) override;
    void SaveToStream(TOle2File& DataStream, TBreakList& BreakList) override;
    std::int64_t TotalSizeNoSplit() const override;
    bool WaitingClientData(TClientDataType& ClientType) const override;
    void AssignClientData(std::unique_ptr<TBaseClientData> aClientData) override;
    void SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const override;
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo,
                                  bool Forced, TSheet* dSheet) override;
    void ClearCopiedTo() override;

protected:
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;
    TEscherRecord* FindRecWhere(bool (*Matches)(const TEscherRecord*)) const override;

private:
    // Bytes of a child header that the current carrier ended inside of.
    ByteArray FPendingHeader;
    TEscherRecordList FContainedRecords;
};

// A group of shapes; the first one of a drawing is its patriarch.
class TEscherSpgrContainerRecord : public TEscherContainerRecord {
public:
    TEscherSpgrContainerRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                               TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherSpgrContainerRecord() override;
};

// One shape. The shape, property table and anchor records of the shape set
// these shortcuts.
class TEscherSPRecord;
class TEscherOPTRecord;
class TEscherClientAnchorRecord;
class TEscherSpContainerRecord : public TEscherContainerRecord {
public:
    using TEscherContainerRecord::TEscherContainerRecord;
    // The children go first, while the shortcuts they clear still exist.
    ~TEscherSpContainerRecord() override { ContainedRecords().Clear(); }
    TEscherSPRecord* SP = nullptr;
    TEscherOPTRecord* Opt = nullptr;
    TEscherClientAnchorRecord* ClientAnchor = nullptr;
    // The anchor's first row and column; 0 without an anchor.
    int Row() const;
    int Col() const;
};

// The rules that tie connectors to shapes; one per drawing.
class TEscherSolverContainerRecord : public TEscherContainerRecord {
public:
    TEscherSolverContainerRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                                 TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherSolverContainerRecord() override;

    std::uint32_t MaxRuleId = 0;
    void CheckMax(std::uint32_t aRuleId) { MaxRuleId = std::max(MaxRuleId, aRuleId); }
    std::uint32_t IncMaxRuleId() { return MaxRuleId += 2; }
    // Drops the rules that lose their connector or their only shape.
    void DeleteRef(const TEscherRecord* Shape);
    // After loading: rule ids and the shapes the rules name.
    void FixPointers();
    // Copies the rules whose shapes the current copy pass copied.
    void ArrangeCopyRowsAndCols(TSheet* dSheet);
    void SaveToStream(TOle2File& DataStream, TBreakList& BreakList) override;
};

// The record after which the drawing's carrier gives way to the OBJ record
// of the shape's client data.
class TEscherClientDataRecord : public TEscherDataRecord {
public:
    TEscherClientDataRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                            TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherClientDataRecord() override;

    std::unique_ptr<TBaseClientData> ClientData;
    std::uint16_t ObjId() const { return ClientData ? ClientData->Id() : 0; }

    void SaveToStream(TOle2File& DataStream, TBreakList& BreakList) override;
    bool WaitingClientData(TClientDataType& ClientType) const override;
    void AssignClientData(std::unique_ptr<TBaseClientData> aClientData) override;
    void SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const override;
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo,
                                  bool Forced, TSheet* dSheet) override;
    void ArrangeCopyRowsAndCols(int RowOfs, int ColOfs);

protected:
    virtual TClientDataType ExpectedClientData() const { return TClientDataType::Obj; }
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;
};

// A shape's text, carried by a TXO record.
class TEscherClientTextBoxRecord : public TEscherClientDataRecord {
public:
    using TEscherClientDataRecord::TEscherClientDataRecord;
    // The text of its TXO; empty without one.
    std::u16string Value() const;
    void SetValue(std::u16string_view Text);

protected:
    TClientDataType ExpectedClientData() const override { return TClientDataType::Txo; }
};

// A record of the class that models aEscherHeader's id, under aParent.
std::unique_ptr<TEscherRecord> CreateEscherRecord(const TEscherRecordHeader& aEscherHeader,
                                                  TEscherDwgGroupCache* aDwgGroupCache, TEscherDwgCache* aDwgCache,
                                                  TEscherContainerRecord* aParent);
