// The drawing records with behaviour of their own: drawing and shape ids
// (DGG, DG, SP), the blip store and the property tables that refer to its
// pictures, client anchors and the connector rules.
#pragma once

#include "xlsAdapter/qorUEscherRecords.h"
#include "xlsAdapter/qorUVyxDrawingTypes.h"

#include <cstddef>
#include <string>

namespace xlsAdapter::escher {
inline constexpr std::uint16_t DggContainer = 0xF000;
inline constexpr std::uint16_t BStoreContainer = 0xF001;
inline constexpr std::uint16_t DgContainer = 0xF002;
inline constexpr std::uint16_t Dgg = 0xF006;
inline constexpr std::uint16_t BSE = 0xF007;
inline constexpr std::uint16_t Dg = 0xF008;
inline constexpr std::uint16_t Spgr = 0xF009;
inline constexpr std::uint16_t SP = 0xF00A;
inline constexpr std::uint16_t OPT = 0xF00B;
inline constexpr std::uint16_t ClientAnchor = 0xF010;
inline constexpr std::uint16_t ConnectorRule = 0xF012;
inline constexpr std::uint16_t AlignRule = 0xF013;
inline constexpr std::uint16_t ArcRule = 0xF014;
inline constexpr std::uint16_t CalloutRule = 0xF017;
inline constexpr std::uint16_t SplitMenuColors = 0xF11E;
} // namespace xlsAdapter::escher

// The head of the DGG body; cluster entries {dgid, cspidCur} follow.
struct TDgg {
    std::uint32_t MaxShapeId, FIDclCount, ShapesSaved, DwgSaved;
};

// The drawing group's shape-id bookkeeping: clusters of 1024 ids, each owned
// by one drawing.
class TEscherDggRecord : public TEscherDataRecord {
public:
    TEscherDggRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                     TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherDggRecord() override;
    // A new record: MaxShapeId 2, one cluster count, nothing saved.
    static std::unique_ptr<TEscherDggRecord> CreateFromData(TEscherDwgGroupCache* aDwgGroupCache,
                                                            TEscherContainerRecord* aParent);

    void GetNewDgIdAndCluster(std::int64_t& DgId, std::int64_t& FirstShapeId);
    void AddNewCluster(std::int64_t DgId, std::int64_t ShapeCount, std::int64_t& FirstShapeId);
    void DestroyClusters(std::int64_t DgId);
    // The next shape id of drawing DgId after LastImageId.
    std::int64_t AddImage(std::int64_t DgId, std::int64_t LastImageId);
    void RemoveImage();
    bool IsEmpty() const { return DwgSaved() == 0; }
    void AddDwg();

    std::uint32_t MaxShapeId() const { return Field(0); }
    std::uint32_t ShapesSaved() const { return Field(8); }
    std::uint32_t DwgSaved() const { return Field(12); }
    // Cluster entries the body holds (the count field is not trusted).
    int ClusterCount() const;

private:
    std::uint32_t Field(int Offset) const;
    void SetField(int Offset, std::uint32_t Value);
    int FindOrAddCluster(std::int64_t& DgId, bool NewDrawing, std::int64_t ShapeCount, std::int64_t& FirstShapeId);
};

// A sheet drawing's id (the instance), its shape count and last shape id.
class TEscherDgRecord : public TEscherDataRecord {
public:
    TEscherDgRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                    TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherDgRecord() override;
    static std::unique_ptr<TEscherDgRecord> CreateFromData(std::uint32_t csp, std::uint32_t cspidCur,
                                                           std::int64_t FirstShapeId,
                                                           TEscherDwgGroupCache* aDwgGroupCache,
                                                           TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    std::uint32_t IncMaxShapeId();
    void DecShapeCount();

protected:
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;
};

// One shape's id (body bytes 0-3) and flags; the instance is the shape type.
class TEscherSPRecord : public TEscherDataRecord {
public:
    TEscherSPRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                    TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherSPRecord() override;
    static std::unique_ptr<TEscherSPRecord> CreateFromData(std::uint16_t aPre, std::uint32_t aShapeId,
                                                           std::uint32_t Flags, TEscherDwgGroupCache* aDwgGroupCache,
                                                           TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    std::uint32_t ShapeId() const;
    void AfterCreate() override;

protected:
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;
};

class TEscherSplitMenuRecord : public TEscherDataRecord {
public:
    using TEscherDataRecord::TEscherDataRecord;
    static std::unique_ptr<TEscherSplitMenuRecord> CreateFromData(TEscherDwgGroupCache* aDwgGroupCache,
                                                                  TEscherContainerRecord* aParent);
};

// A shape's rectangle in sheet units: left, right, top, bottom.
struct TAbsoluteAnchorRect {
    std::int64_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

class TEscherClientAnchorRecord : public TEscherDataRecord {
public:
    TEscherClientAnchorRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                              TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherClientAnchorRecord() override;
    static std::unique_ptr<TEscherClientAnchorRecord> CreateFromData(const TClientAnchor& aAnchor,
                                                                     TEscherDwgGroupCache* aDwgGroupCache,
                                                                     TEscherDwgCache* aDwgCache,
                                                                     TEscherContainerRecord* aParent, TSheet* sSheet);

    TAbsoluteAnchorRect SaveRect;
    // A record of fewer than 18 bytes reads as all zero and is not moved.
    TClientAnchor GetAnchor() const;
    void SetAnchor(const TClientAnchor& aAnchor, TSheet* sSheet);
    int Row() const { return GetAnchor().Row1; }
    int Col() const { return GetAnchor().Col1; }
    void SaveObjectCoords(TSheet* sSheet);
    void RestoreObjectCoords(TSheet* dSheet);
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo,
                                  bool Forced, TSheet* dSheet) override;
    bool AllowCopy(int FirstRow, int LastRow, int FirstCol, int LastCol) const;
    bool AllowDelete(int FirstRow, int LastRow, int FirstCol, int LastCol) const;
    void AfterCreate() override;

protected:
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;

private:
    void PutAnchor(const TClientAnchor& aAnchor);
};

// Sheet units <-> cell corners on a worksheet (hidden rows and columns 0).
std::int64_t ColToAbsolute(const TSheet& Sheet, int Col, int Dx);
std::int64_t RowToAbsolute(const TSheet& Sheet, int Row, int Dy);
void AbsoluteToCol(const TSheet& Sheet, std::int64_t X, std::uint16_t& Col, std::uint16_t& Dx);
void AbsoluteToRow(const TSheet& Sheet, std::int64_t Y, std::uint16_t& Row, std::uint16_t& Dy);

// The workbook's pictures, each once.
class TEscherBSERecord;
class TEscherBStoreRecord : public TEscherContainerRecord {
public:
    TEscherBStoreRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                        TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherBStoreRecord() override;
    void SaveToStream(TOle2File& DataStream, TBreakList& BreakList) override;
    // Numbers the entries 1, 2, ... as they will be saved.
    void NumberEntries();
    // The entry at a 1-based position, null outside the store.
    TEscherBSERecord* Entry(std::int64_t BlipPos) const;
    void AddRef(std::int64_t BlipPos);
    void Release(std::int64_t BlipPos);
};

class TEscherBSERecord : public TEscherDataRecord {
public:
    using TEscherDataRecord::TEscherDataRecord;
    // 1-based position in the store as last numbered.
    int BStorePos = 0;
    void AddRef();
    // At no references the entry leaves the store and is freed.
    static void Release(TEscherBSERecord* Entry);
    std::uint32_t References() const;
    int CompareRec(const TEscherRecord& aRecord) const override;
    void CopyFromData(std::span<const std::uint8_t> BSEHeader, std::span<const std::uint8_t> BlipHeader,
                      std::span<const std::uint8_t> BlipData);
    // The picture data as stored (metafiles compressed) and its kind.
    void SaveGraphicToStream(ByteArray& aData, TXlsImgTypes& aDataType) const;
};

// A new, unowned store entry for the picture.
std::unique_ptr<TEscherBSERecord> GraphicToBSE(std::span<const std::uint8_t> Data, TXlsImgTypes DataType,
                                               TEscherDwgGroupCache* DwgGroupCache, TEscherDwgCache* DwgCache);

// A shape's properties; those with the blip-id bit refer to store entries.
class TEscherOPTRecord : public TEscherDataRecord {
public:
    TEscherOPTRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                     TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    ~TEscherOPTRecord() override;
    static std::unique_ptr<TEscherOPTRecord> CreateFromDataImg(std::span<const std::uint8_t> aPict,
                                                               TXlsImgTypes aPicType, std::u16string_view PicName,
                                                               TEscherDwgGroupCache* aDwgGroupCache,
                                                               TEscherDwgCache* aDwgCache,
                                                               TEscherContainerRecord* aParent);
    static std::unique_ptr<TEscherOPTRecord> CreateFromDataNote(TEscherDwgGroupCache* aDwgGroupCache,
                                                                TEscherDwgCache* aDwgCache,
                                                                TEscherContainerRecord* aParent);
    static std::unique_ptr<TEscherOPTRecord> CreateFromDataAutoFilter(TEscherDwgGroupCache* aDwgGroupCache,
                                                                      TEscherDwgCache* aDwgCache,
                                                                      TEscherContainerRecord* aParent);
    static std::unique_ptr<TEscherOPTRecord> GroupCreateFromData(TEscherDwgGroupCache* aDwgGroupCache,
                                                                 TEscherContainerRecord* aParent);

    std::vector<TEscherBSERecord*> BlipPtr;
    std::vector<int> BlipPos;
    std::u16string ShapeName() const { return FShapeName; }

    void AfterCreate() override;
    void SaveToStream(TOle2File& DataStream, TBreakList& BreakList) override;
    void ChangeRef(TEscherBSERecord* aBSE);
    void ReplaceImg(std::span<const std::uint8_t> Data, TXlsImgTypes DataType);
    void GetImageFromStream(ByteArray& Data, TXlsImgTypes& DataType) const;
    TClientAnchor GetAnchor() const;
    void SetAnchor(const TClientAnchor& aAnchor, TSheet* sSheet);
    int Row() const;
    int Col() const;

protected:
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;

private:
    TEscherClientAnchorRecord* Anchor() const;
    // The entry in the store equal to a new one for the data, inserted when
    // missing; counted once more when Count.
    TEscherBSERecord* AddBlip(std::span<const std::uint8_t> Data, TXlsImgTypes DataType, bool Count);
    void ReleaseBlips();
    std::u16string FShapeName;
};

// Rule bodies, 32-bit values.
struct TConnectorRule {
    std::uint32_t RuleId, SpIdA, SpIdB, SpIdC, CpA, CpB;
};
struct TArcRule {
    std::uint32_t RuleId, SpId;
};
struct TCalloutRule {
    std::uint32_t RuleId, SpId;
};
struct TAlignRule {
    std::uint32_t RuleId, Align, nProxies;
};

// A rule of the solver container. Rules name shapes by id; the links are
// found again after loading and follow copies.
class TRuleRecord : public TEscherDataRecord {
public:
    using TEscherDataRecord::TEscherDataRecord;
    std::uint32_t RuleId() const;
    // Clears the links to aShape; true when the rule is no longer needed.
    virtual bool DeleteRef(const TEscherRecord* aShape) = 0;
    virtual void FixPointers() = 0;
    // True when the rule's main shape was copied in the current pass.
    virtual bool WasCopied() const = 0;

protected:
    // Links (shape records) by body offset of their ids.
    std::vector<std::pair<int, TEscherSPRecord*>> FShapes;
    void LinkShapes(std::initializer_list<int> Offsets);
    std::unique_ptr<TEscherRecord> DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                            TSheet* dSheet) const override;
};

// Ties connector C to shapes A and B.
class TEscherConnectorRuleRecord : public TRuleRecord {
public:
    using TRuleRecord::TRuleRecord;
    bool DeleteRef(const TEscherRecord* aShape) override;
    void FixPointers() override
    {
        LinkShapes({offsetof(TConnectorRule, SpIdA), offsetof(TConnectorRule, SpIdB), offsetof(TConnectorRule, SpIdC)});
    }
    bool WasCopied() const override;
};

// Arc and callout rules name one shape.
class TEscherArcRuleRecord : public TRuleRecord {
public:
    using TRuleRecord::TRuleRecord;
    bool DeleteRef(const TEscherRecord* aShape) override;
    void FixPointers() override { LinkShapes({offsetof(TArcRule, SpId)}); }
    bool WasCopied() const override;
};

class TEscherCalloutRuleRecord : public TEscherArcRuleRecord {
public:
    using TEscherArcRuleRecord::TEscherArcRuleRecord;
};

// Align rules are not supported: a drawing holding one is refused.
class TEscherAlignRuleRecord : public TRuleRecord {
public:
    TEscherAlignRuleRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                           TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent);
    bool DeleteRef(const TEscherRecord*) override { return false; }
    void FixPointers() override {}
    bool WasCopied() const override { return false; }
};
