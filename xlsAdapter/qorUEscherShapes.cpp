// Drawing and shape ids, client anchors and connector rules.
#include "xlsAdapter/qorUEscherShapes.h"

#include "xlsAdapter/qorUXlsWorkSheet.h"

#include <cmath>

using namespace xlsAdapter;

namespace {

constexpr int DggHeadSize = 16;
constexpr int AnchorSize = 18;

std::int64_t RoundEven(double Value) { return static_cast<std::int64_t>(std::nearbyint(Value)); }

// Column widths or row heights of a worksheet, hidden ones 0; nothing on
// other sheets.
struct TAxis {
    const TWorkSheet* Sheet;
    bool Rows;
    int Last;
    int Whole;

    std::int64_t Size(int Index) const
    {
        if (!Sheet)
            return 0;
        return Rows ? Sheet->GetRowHeight(Index, true) : Sheet->GetColWidth(Index, true);
    }
    std::int64_t ToAbsolute(int Index, int Offset) const
    {
        std::int64_t start = 0;
        Index = std::clamp(Index, 0, Last);
        for (int i = 0; i < Index; ++i)
            start += Size(i);
        return start + RoundEven(static_cast<double>(Offset) * static_cast<double>(Size(Index)) / Whole);
    }
    void FromAbsolute(std::int64_t X, std::uint16_t& Index, std::uint16_t& Offset) const
    {
        Index = 0;
        Offset = 0;
        if (X < 0)
            return;
        std::int64_t start = 0;
        int i = 0;
        while (i < Last && start + Size(i) <= X) {
            start += Size(i);
            ++i;
        }
        Index = static_cast<std::uint16_t>(i);
        const std::int64_t size = Size(i);
        if (size <= 0)
            return;
        const std::int64_t units = RoundEven(static_cast<double>(X - start) / static_cast<double>(size) * Whole);
        Offset = static_cast<std::uint16_t>(std::min<std::int64_t>(units, Whole == 255 ? 255 : Whole));
    }
};

const TWorkSheet* AsWorkSheet(const TSheet& Sheet) { return const_cast<TSheet&>(Sheet).AsWorkSheet(); }
TAxis Columns(const TSheet& Sheet) { return {AsWorkSheet(Sheet), false, xlr::MaxCol, 1024}; }
TAxis Rows(const TSheet& Sheet) { return {AsWorkSheet(Sheet), true, xlr::MaxRow, 255}; }

// A corner at or after Pos moves by Count, clamped to Pos..Max; a corner
// inside deleted cells lands on Pos with no offset.
void MoveCorner(std::uint16_t& Index, std::uint16_t& Offset, int Pos, int Count, int Max)
{
    if (Index < Pos)
        return;
    if (Index + Count < Pos)
        Offset = 0;
    IncWordClamped(Index, Count, Max, Pos);
}

// The second corner follows the distance the first one actually moved.
void MoveBoth(std::uint16_t& Index1, std::uint16_t& Offset1, std::uint16_t& Index2, int Pos, int Count, int Max)
{
    if (Index1 < Pos)
        return;
    const int before = Index1;
    MoveCorner(Index1, Offset1, Pos, Count, Max);
    IncWordClamped(Index2, Index1 - before, Max, Index1);
}

TEscherSpContainerRecord* ShapeParent(TEscherContainerRecord* aParent)
{
    if (!aParent)
        return nullptr;
    auto* shape = dynamic_cast<TEscherSpContainerRecord*>(aParent);
    if (!shape)
        ExcelError(msg::ErrLoadingEscher);
    return shape;
}

ByteArray Words32(std::initializer_list<std::uint32_t> Values)
{
    ByteArray body(Values.size() * 4);
    int at = 0;
    for (std::uint32_t v : Values) {
        SetCardinal(body, at, v);
        at += 4;
    }
    return body;
}

} // namespace

std::int64_t ColToAbsolute(const TSheet& Sheet, int Col, int Dx) { return Columns(Sheet).ToAbsolute(Col, Dx); }
std::int64_t RowToAbsolute(const TSheet& Sheet, int Row, int Dy) { return Rows(Sheet).ToAbsolute(Row, Dy); }
void AbsoluteToCol(const TSheet& Sheet, std::int64_t X, std::uint16_t& Col, std::uint16_t& Dx)
{
    Columns(Sheet).FromAbsolute(X, Col, Dx);
}
void AbsoluteToRow(const TSheet& Sheet, std::int64_t Y, std::uint16_t& Row, std::uint16_t& Dy)
{
    Rows(Sheet).FromAbsolute(Y, Row, Dy);
}

// ---------------------------------------------------------------------------

TEscherDggRecord::TEscherDggRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                                   TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
    : TEscherDataRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (!DwgGroupCache)
        return;
    if (DwgGroupCache->Dgg)
        ExcelError(msg::DuplicatedDgg);
    DwgGroupCache->Dgg = this;
}

TEscherDggRecord::~TEscherDggRecord()
{
    if (DwgGroupCache && DwgGroupCache->Dgg == this)
        DwgGroupCache->Dgg = nullptr;
}

std::unique_ptr<TEscherDggRecord> TEscherDggRecord::CreateFromData(TEscherDwgGroupCache* aDwgGroupCache,
                                                                   TEscherContainerRecord* aParent)
{
    auto dgg = std::make_unique<TEscherDggRecord>(TEscherRecordHeader{0x0000, escher::Dgg, DggHeadSize},
                                                  aDwgGroupCache, nullptr, aParent);
    dgg->Data = Words32({2, 1, 0, 0});
    dgg->LoadedDataSize = DggHeadSize;
    return dgg;
}

std::uint32_t TEscherDggRecord::Field(int Offset) const
{
    return static_cast<int>(Data.size()) >= Offset + 4 ? GetCardinal(Data, Offset) : 0;
}

void TEscherDggRecord::SetField(int Offset, std::uint32_t Value)
{
    if (static_cast<int>(Data.size()) < Offset + 4)
        ExcelError(msg::ErrProcessingEscher);
    SetCardinal(Data, Offset, Value);
}

int TEscherDggRecord::ClusterCount() const
{
    return std::max(0, (static_cast<int>(Data.size()) - DggHeadSize) / 8);
}

void TEscherDggRecord::AddDwg() { SetField(12, DwgSaved() + 1); }

int TEscherDggRecord::FindOrAddCluster(std::int64_t& DgId, bool NewDrawing, std::int64_t ShapeCount,
                                       std::int64_t& FirstShapeId)
{
    const int count = ClusterCount();
    auto dgid = [&](int k) { return GetCardinal(Data, DggHeadSize + 8 * k); };
    int chosen = -1;
    if (NewDrawing) {
        std::int64_t highest = 0;
        for (int k = 0; k < count; ++k)
            highest = std::max<std::int64_t>(highest, dgid(k));
        DgId = highest + 1;
        for (int k = 0; k < count && chosen < 0; ++k)
            if (dgid(k) == 0)
                chosen = k;
    } else {
        for (int k = count - 1; k >= 0; --k) {
            if (dgid(k) == DgId)
                break;
            if (dgid(k) == 0)
                chosen = k;
        }
    }
    if (chosen < 0) {
        Data.resize(Data.size() + 8, 0);
        TotalDataSize += 8;
        LoadedDataSize += 8;
        SetField(4, Field(4) + 1);
        chosen = count;
    }
    SetCardinal(Data, DggHeadSize + 8 * chosen, static_cast<std::uint32_t>(DgId));
    SetCardinal(Data, DggHeadSize + 8 * chosen + 4, static_cast<std::uint32_t>(ShapeCount));
    FirstShapeId = (chosen + 1) * 1024;
    return chosen;
}

void TEscherDggRecord::GetNewDgIdAndCluster(std::int64_t& DgId, std::int64_t& FirstShapeId)
{
    FindOrAddCluster(DgId, true, 0, FirstShapeId);
    SetField(12, DwgSaved() + 1);
}

void TEscherDggRecord::AddNewCluster(std::int64_t DgId, std::int64_t ShapeCount, std::int64_t& FirstShapeId)
{
    FindOrAddCluster(DgId, false, ShapeCount, FirstShapeId);
}

void TEscherDggRecord::DestroyClusters(std::int64_t DgId)
{
    for (int k = 0; k < ClusterCount(); ++k)
        if (GetCardinal(Data, DggHeadSize + 8 * k) == DgId)
            SetCardinal(Data, DggHeadSize + 8 * k, 0);
    if (DwgSaved() > 0)
        SetField(12, DwgSaved() - 1);
}

std::int64_t TEscherDggRecord::AddImage(std::int64_t DgId, std::int64_t LastImageId)
{
    const std::int64_t k = LastImageId / 1024 - 1;
    std::int64_t id = 0;
    if (k >= 0 && k < ClusterCount() && GetCardinal(Data, DggHeadSize + 8 * k) == DgId &&
        GetCardinal(Data, DggHeadSize + 8 * k + 4) < 1024) {
        const std::uint32_t used = GetCardinal(Data, DggHeadSize + 8 * k + 4);
        id = (k + 1) * 1024 + used;
        SetCardinal(Data, DggHeadSize + 8 * k + 4, used + 1);
    } else {
        AddNewCluster(DgId, 1, id);
    }
    SetField(8, ShapesSaved() + 1);
    if (id + 1 > MaxShapeId())
        SetField(0, static_cast<std::uint32_t>(id + 1));
    return id;
}

void TEscherDggRecord::RemoveImage()
{
    if (ShapesSaved() > 0)
        SetField(8, ShapesSaved() - 1);
}

// ---------------------------------------------------------------------------

TEscherDgRecord::TEscherDgRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                                 TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
    : TEscherDataRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (!DwgCache)
        return;
    if (DwgCache->Dg)
        ExcelError(msg::DuplicatedDg);
    DwgCache->Dg = this;
}

TEscherDgRecord::~TEscherDgRecord()
{
    // A drawing going away (sheet deleted) releases its clusters.
    if (DwgGroupCache && DwgGroupCache->Dgg)
        DwgGroupCache->Dgg->DestroyClusters(Instance());
    if (DwgCache && DwgCache->Dg == this)
        DwgCache->Dg = nullptr;
}

std::unique_ptr<TEscherDgRecord> TEscherDgRecord::CreateFromData(std::uint32_t csp, std::uint32_t cspidCur,
                                                                 std::int64_t FirstShapeId,
                                                                 TEscherDwgGroupCache* aDwgGroupCache,
                                                                 TEscherDwgCache* aDwgCache,
                                                                 TEscherContainerRecord* aParent)
{
    const auto pre = static_cast<std::uint16_t>(cspidCur << 4);
    auto dg = std::make_unique<TEscherDgRecord>(TEscherRecordHeader{pre, escher::Dg, 8}, aDwgGroupCache, aDwgCache,
                                                aParent);
    dg->Data = Words32({csp, static_cast<std::uint32_t>(FirstShapeId + 1)});
    dg->LoadedDataSize = 8;
    return dg;
}

std::uint32_t TEscherDgRecord::IncMaxShapeId()
{
    if (Data.size() < 8)
        ExcelError(msg::ErrProcessingEscher);
    SetCardinal(Data, 0, GetCardinal(Data, 0) + 1);
    std::uint32_t id = GetCardinal(Data, 4) + 1;
    if (DwgGroupCache && DwgGroupCache->Dgg)
        id = static_cast<std::uint32_t>(DwgGroupCache->Dgg->AddImage(Instance(), GetCardinal(Data, 4)));
    SetCardinal(Data, 4, id);
    return id;
}

void TEscherDgRecord::DecShapeCount()
{
    if (Data.size() >= 8 && GetCardinal(Data, 0) > 0)
        SetCardinal(Data, 0, GetCardinal(Data, 0) - 1);
    if (DwgGroupCache && DwgGroupCache->Dgg)
        DwgGroupCache->Dgg->RemoveImage();
}

std::unique_ptr<TEscherRecord> TEscherDgRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                         TSheet* dSheet) const
{
    // A copy in another drawing (a copied sheet) is a new drawing.
    if (!NewDwgCache || NewDwgCache == DwgCache || !DwgGroupCache || !DwgGroupCache->Dgg)
        return TEscherDataRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    std::int64_t dgId = 0, firstShapeId = 0;
    DwgGroupCache->Dgg->GetNewDgIdAndCluster(dgId, firstShapeId);
    TEscherContainerRecord* parent = FParent && FParent->CopiedTo ? static_cast<TEscherContainerRecord*>(FParent->CopiedTo) : FParent;
    auto copy = CreateFromData(0, static_cast<std::uint32_t>(dgId), firstShapeId, DwgGroupCache, NewDwgCache, parent);
    const_cast<TEscherDgRecord*>(this)->CopiedTo = copy.get();
    return copy;
}

// ---------------------------------------------------------------------------

TEscherSPRecord::TEscherSPRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                                 TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
    : TEscherDataRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (TEscherSpContainerRecord* shape = ShapeParent(aParent))
        shape->SP = this;
}

TEscherSPRecord::~TEscherSPRecord()
{
    if (auto* shape = dynamic_cast<TEscherSpContainerRecord*>(FParent); shape && shape->SP == this)
        shape->SP = nullptr;
    if (!DwgCache || DwgCache->Destroying)
        return;
    if (DwgCache->Dg)
        DwgCache->Dg->DecShapeCount();
    if (DwgCache->Solver)
        DwgCache->Solver->DeleteRef(this);
    if (DwgCache->Shape)
        DwgCache->Shape->Remove(this);
}

void TEscherSPRecord::AfterCreate()
{
    if (DwgCache && DwgCache->Shape)
        DwgCache->Shape->Add(this);
}

std::unique_ptr<TEscherSPRecord> TEscherSPRecord::CreateFromData(std::uint16_t aPre, std::uint32_t aShapeId,
                                                                 std::uint32_t Flags,
                                                                 TEscherDwgGroupCache* aDwgGroupCache,
                                                                 TEscherDwgCache* aDwgCache,
                                                                 TEscherContainerRecord* aParent)
{
    auto sp = std::make_unique<TEscherSPRecord>(TEscherRecordHeader{aPre, escher::SP, 8}, aDwgGroupCache, aDwgCache,
                                                aParent);
    sp->Data = Words32({aShapeId, Flags});
    sp->LoadedDataSize = 8;
    sp->AfterCreate();
    return sp;
}

std::uint32_t TEscherSPRecord::ShapeId() const
{
    return Data.size() >= 4 ? GetCardinal(Data, 0) : 0;
}

std::unique_ptr<TEscherRecord> TEscherSPRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                         TSheet* dSheet) const
{
    auto copy = TEscherDataRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    auto& sp = static_cast<TEscherSPRecord&>(*copy);
    if (NewDwgCache && NewDwgCache->Dg && sp.Data.size() >= 4)
        SetCardinal(sp.Data, 0, NewDwgCache->Dg->IncMaxShapeId());
    sp.AfterCreate();
    return copy;
}

std::unique_ptr<TEscherSplitMenuRecord> TEscherSplitMenuRecord::CreateFromData(TEscherDwgGroupCache* aDwgGroupCache,
                                                                               TEscherContainerRecord* aParent)
{
    return std::make_unique<TEscherSplitMenuRecord>(TEscherRecordHeader{0x0040, escher::SplitMenuColors, 16},
                                                    aDwgGroupCache, nullptr, aParent,
                                                    Words32({0x0800000D, 0x0800000C, 0x08000017, 0x100000F7}));
}

// ---------------------------------------------------------------------------

TEscherClientAnchorRecord::TEscherClientAnchorRecord(const TEscherRecordHeader& aEscherHeader,
                                                     TEscherDwgGroupCache* aDwgGroupCache, TEscherDwgCache* aDwgCache,
                                                     TEscherContainerRecord* aParent)
    : TEscherDataRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (TEscherSpContainerRecord* shape = ShapeParent(aParent))
        shape->ClientAnchor = this;
    if (DwgCache && DwgCache->Anchor)
        DwgCache->Anchor->Add(this);
}

TEscherClientAnchorRecord::~TEscherClientAnchorRecord()
{
    if (auto* shape = dynamic_cast<TEscherSpContainerRecord*>(FParent); shape && shape->ClientAnchor == this)
        shape->ClientAnchor = nullptr;
    if (DwgCache && DwgCache->Anchor && !DwgCache->Destroying)
        DwgCache->Anchor->Remove(this);
}

std::unique_ptr<TEscherClientAnchorRecord>
TEscherClientAnchorRecord::CreateFromData(const TClientAnchor& aAnchor, TEscherDwgGroupCache* aDwgGroupCache,
                                          TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent, TSheet* sSheet)
{
    auto anchor = std::make_unique<TEscherClientAnchorRecord>(TEscherRecordHeader{0, escher::ClientAnchor, AnchorSize},
                                                              aDwgGroupCache, aDwgCache, aParent);
    anchor->Data.assign(AnchorSize, 0);
    anchor->LoadedDataSize = AnchorSize;
    anchor->SetAnchor(aAnchor, sSheet);
    return anchor;
}

TClientAnchor TEscherClientAnchorRecord::GetAnchor() const
{
    if (Data.size() < AnchorSize)
        return {};
    std::uint16_t w[9];
    for (int i = 0; i < 9; ++i)
        w[i] = GetWord(Data, 2 * i);
    return {w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8]};
}

void TEscherClientAnchorRecord::PutAnchor(const TClientAnchor& A)
{
    if (Data.size() < AnchorSize)
        return;
    const std::uint16_t w[9] = {A.Flag, A.Col1, A.Dx1, A.Row1, A.Dy1, A.Col2, A.Dx2, A.Row2, A.Dy2};
    for (int i = 0; i < 9; ++i)
        SetWord(Data, 2 * i, w[i]);
}

void TEscherClientAnchorRecord::SetAnchor(const TClientAnchor& aAnchor, TSheet* sSheet)
{
    PutAnchor(aAnchor);
    SaveObjectCoords(sSheet);
}

void TEscherClientAnchorRecord::AfterCreate()
{
    // The rectangle of a loaded anchor is saved by its drawing once the
    // sheet's sizes are known.
}

void TEscherClientAnchorRecord::SaveObjectCoords(TSheet* sSheet)
{
    const TClientAnchor a = GetAnchor();
    if (!sSheet || (a.Flag & 3) == 0)
        return;
    SaveRect = {ColToAbsolute(*sSheet, a.Col1, a.Dx1), ColToAbsolute(*sSheet, a.Col2, a.Dx2),
                RowToAbsolute(*sSheet, a.Row1, a.Dy1), RowToAbsolute(*sSheet, a.Row2, a.Dy2)};
}

void TEscherClientAnchorRecord::RestoreObjectCoords(TSheet* dSheet)
{
    TClientAnchor a = GetAnchor();
    if (!dSheet || (a.Flag & 3) == 0)
        return;
    if ((a.Flag & 3) == 3) {
        AbsoluteToCol(*dSheet, SaveRect.x1, a.Col1, a.Dx1);
        AbsoluteToCol(*dSheet, SaveRect.x2, a.Col2, a.Dx2);
        AbsoluteToRow(*dSheet, SaveRect.y1, a.Row1, a.Dy1);
        AbsoluteToRow(*dSheet, SaveRect.y2, a.Row2, a.Dy2);
    } else {
        AbsoluteToCol(*dSheet, ColToAbsolute(*dSheet, a.Col1, a.Dx1) + (SaveRect.x2 - SaveRect.x1), a.Col2, a.Dx2);
        AbsoluteToRow(*dSheet, RowToAbsolute(*dSheet, a.Row1, a.Dy1) + (SaveRect.y2 - SaveRect.y1), a.Row2, a.Dy2);
    }
    PutAnchor(a);
}

void TEscherClientAnchorRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                                         const TSheetInfo& SheetInfo, bool Forced, TSheet* dSheet)
{
    if (SheetInfo.FormulaSheet != SheetInfo.InsSheet)
        return;
    TClientAnchor a = GetAnchor();
    switch (Forced ? 2 : (a.Flag & 3)) {
    case 0:
        MoveCorner(a.Row1, a.Dy1, aRowPos, aRowCount, xlr::MaxRow);
        MoveCorner(a.Row2, a.Dy2, aRowPos, aRowCount, xlr::MaxRow);
        MoveCorner(a.Col1, a.Dx1, aColPos, aColCount, xlr::MaxCol);
        MoveCorner(a.Col2, a.Dx2, aColPos, aColCount, xlr::MaxCol);
        PutAnchor(a);
        return;
    case 3:
        break;
    default:
        MoveBoth(a.Row1, a.Dy1, a.Row2, aRowPos, aRowCount, xlr::MaxRow);
        MoveBoth(a.Col1, a.Dx1, a.Col2, aColPos, aColCount, xlr::MaxCol);
        PutAnchor(a);
    }
    RestoreObjectCoords(dSheet);
}

bool TEscherClientAnchorRecord::AllowCopy(int FirstRow, int LastRow, int FirstCol, int LastCol) const
{
    const TClientAnchor a = GetAnchor();
    return ((a.Flag & 3) == 0 || (a.Flag & 3) == 2) && a.Row1 >= FirstRow && a.Row2 <= LastRow &&
           a.Col1 >= FirstCol && a.Col2 <= LastCol;
}

bool TEscherClientAnchorRecord::AllowDelete(int FirstRow, int LastRow, int FirstCol, int LastCol) const
{
    const TClientAnchor a = GetAnchor();
    return (a.Flag & 3) == 0 && a.Row1 >= FirstRow && a.Row2 <= LastRow && a.Col1 >= FirstCol && a.Col2 <= LastCol;
}

std::unique_ptr<TEscherRecord> TEscherClientAnchorRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs,
                                                                   int ColOfs, TSheet* dSheet) const
{
    auto copy = TEscherDataRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    auto& anchor = static_cast<TEscherClientAnchorRecord&>(*copy);
    anchor.SaveRect = SaveRect;
    TClientAnchor a = anchor.GetAnchor();
    a.Row1 = static_cast<std::uint16_t>(a.Row1 + RowOfs);
    a.Row2 = static_cast<std::uint16_t>(a.Row2 + RowOfs);
    a.Col1 = static_cast<std::uint16_t>(a.Col1 + ColOfs);
    a.Col2 = static_cast<std::uint16_t>(a.Col2 + ColOfs);
    anchor.PutAnchor(a);
    anchor.RestoreObjectCoords(dSheet);
    return copy;
}

// ---------------------------------------------------------------------------

std::uint32_t TRuleRecord::RuleId() const
{
    return Data.size() >= 4 ? GetCardinal(Data, 0) : 0;
}

void TRuleRecord::LinkShapes(std::initializer_list<int> Offsets)
{
    FShapes.clear();
    if (DwgCache && DwgCache->Solver)
        DwgCache->Solver->CheckMax(RuleId());
    for (int offset : Offsets) {
        TEscherSPRecord* shape = nullptr;
        int index = 0;
        if (static_cast<int>(Data.size()) >= offset + 4 && DwgCache && DwgCache->Shape &&
            DwgCache->Shape->Find(GetCardinal(Data, offset), index))
            shape = static_cast<TEscherSPRecord*>((*DwgCache->Shape)[index]);
        FShapes.push_back({offset, shape});
    }
}

std::unique_ptr<TEscherRecord> TRuleRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                     TSheet* dSheet) const
{
    auto copy = TEscherDataRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    auto& rule = static_cast<TRuleRecord&>(*copy);
    for (const auto& [offset, shape] : FShapes) {
        auto* copied = shape ? static_cast<TEscherSPRecord*>(shape->CopiedTo) : nullptr;
        rule.FShapes.push_back({offset, copied});
        if (static_cast<int>(rule.Data.size()) >= offset + 4)
            SetCardinal(rule.Data, offset, copied ? copied->ShapeId() : 0);
    }
    if (rule.Data.size() >= 4 && DwgCache && DwgCache->Solver)
        SetCardinal(rule.Data, 0, DwgCache->Solver->IncMaxRuleId());
    return copy;
}

bool TEscherConnectorRuleRecord::DeleteRef(const TEscherRecord* aShape)
{
    for (auto& [offset, shape] : FShapes)
        if (shape == aShape) {
            shape = nullptr;
            if (static_cast<int>(Data.size()) >= offset + 4)
                SetCardinal(Data, offset, 0);
        }
    return FShapes.size() == 3 && FShapes[2].second == nullptr;
}

bool TEscherConnectorRuleRecord::WasCopied() const
{
    return FShapes.size() == 3 && FShapes[2].second && FShapes[2].second->CopiedTo;
}

bool TEscherArcRuleRecord::DeleteRef(const TEscherRecord* aShape)
{
    for (auto& [offset, shape] : FShapes)
        if (shape == aShape) {
            shape = nullptr;
            if (static_cast<int>(Data.size()) >= offset + 4)
                SetCardinal(Data, offset, 0);
        }
    return FShapes.empty() || FShapes[0].second == nullptr;
}

bool TEscherArcRuleRecord::WasCopied() const
{
    return !FShapes.empty() && FShapes[0].second && FShapes[0].second->CopiedTo;
}

TEscherAlignRuleRecord::TEscherAlignRuleRecord(const TEscherRecordHeader& aEscherHeader,
                                               TEscherDwgGroupCache* aDwgGroupCache, TEscherDwgCache* aDwgCache,
                                               TEscherContainerRecord* aParent)
    : TRuleRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    ExcelError(msg::NotImplementedRecord, "Align Rule");
}

// ---------------------------------------------------------------------------

void TEscherSolverContainerRecord::DeleteRef(const TEscherRecord* Shape)
{
    auto& rules = ContainedRecords();
    for (int i = rules.Count() - 1; i >= 0; --i)
        if (auto* rule = dynamic_cast<TRuleRecord*>(rules[i]); rule && rule->DeleteRef(Shape))
            rules.Remove(rule);
}

void TEscherSolverContainerRecord::FixPointers()
{
    auto& rules = ContainedRecords();
    for (int i = 0; i < rules.Count(); ++i)
        if (auto* rule = dynamic_cast<TRuleRecord*>(rules[i]))
            rule->FixPointers();
}

void TEscherSolverContainerRecord::ArrangeCopyRowsAndCols(TSheet* dSheet)
{
    auto& rules = ContainedRecords();
    const int count = rules.Count();
    for (int i = 0; i < count; ++i)
        if (auto* rule = dynamic_cast<TRuleRecord*>(rules[i]); rule && rule->WasCopied())
            rules.Add(CopyTo(rule, DwgCache, 0, 0, dSheet));
}

void TEscherSolverContainerRecord::SaveToStream(TOle2File& DataStream, TBreakList& BreakList)
{
    Pre = static_cast<std::uint16_t>((std::min(ContainedRecords().Count(), 0xFFF) << 4) | 0xF);
    TEscherContainerRecord::SaveToStream(DataStream, BreakList);
}

int TEscherSpContainerRecord::Row() const
{
    return ClientAnchor ? ClientAnchor->Row() : 0;
}

int TEscherSpContainerRecord::Col() const
{
    return ClientAnchor ? ClientAnchor->Col() : 0;
}
