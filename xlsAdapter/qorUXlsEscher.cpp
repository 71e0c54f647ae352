// Drawing group and sheet drawings.
#include "xlsAdapter/qorUXlsEscher.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUEscherBreakList.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsClientData.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

using namespace xlsAdapter;

namespace {

std::unique_ptr<TEscherContainerRecord> NewRoot(const TBaseRecord*& Record, int& Pos, TEscherDwgGroupCache* Group,
                                                TEscherDwgCache* Cache)
{
    if (Record->DataSize() + 0 < 8 && !Record->Continue)
        Record->ReadError(msg::ErrExcelInvalid);
    ByteArray header(8);
    ReadMemAcrossContinue(Record, Pos, 8, header.data());
    const TEscherRecordHeader h{GetWord(header, 0), GetWord(header, 2),
                                static_cast<std::int32_t>(GetCardinal(header, 4))};
    if (!h.IsContainer())
        Record->ReadError(msg::ErrExcelInvalid);
    return std::make_unique<TEscherContainerRecord>(h, Group, Cache, nullptr);
}

bool UsedUp(const TBaseRecord* Record, int Pos)
{
    return !Record->Continue && Pos >= Record->DataSize();
}

// Saves a tree cut into carriers that start with FirstId.
void SaveTree(TEscherRecord& Root, TOle2File& DataStream, std::uint16_t FirstId)
{
    TBreakList breaks(DataStream.Position());
    int nextPos = 0, realSize = 0, nextDwg = FirstId;
    Root.SplitRecords(nextPos, realSize, nextDwg, breaks);
    breaks.Add(0, nextPos);
    Root.SaveToStream(DataStream, breaks);
}

std::int64_t TreeSize(const TEscherRecord& Root, std::uint16_t FirstId)
{
    TBreakList breaks(0);
    int nextPos = 0, realSize = 0, nextDwg = FirstId;
    Root.SplitRecords(nextPos, realSize, nextDwg, breaks);
    return realSize;
}

// The empty picture: a 1x1 black and white bitmap.
ByteArray EmptyPictureData()
{
    ByteArray bmp(54, 0);
    SetCardinal(bmp, 0, 40);
    SetCardinal(bmp, 4, 1);
    SetCardinal(bmp, 8, 1);
    SetWord(bmp, 12, 1);
    SetWord(bmp, 14, 1);
    SetCardinal(bmp, 24, 2834);
    SetCardinal(bmp, 28, 2834);
    bmp[40] = bmp[41] = bmp[42] = 0xFF;
    return bmp;
}

TClientAnchor AnchorOf(const TImageProperties& P, std::uint16_t Flag)
{
    auto w = [](std::int32_t v) { return static_cast<std::uint16_t>(v); };
    return {Flag, w(P.Col1), w(P.dx1), w(P.Row1), w(P.dy1), w(P.Col2), w(P.dx2), w(P.Row2), w(P.dy2)};
}

void CheckCorners(const TImageProperties& P)
{
    for (int row : {P.Row1, P.Row2})
        if (row < 0 || row > xlr::MaxRow)
            ExcelError(msg::InvalidRow, row + 1);
    for (int col : {P.Col1, P.Col2})
        if (col < 0 || col > xlr::MaxCol)
            ExcelError(msg::InvalidCol, col + 1);
}

} // namespace

// ---------------------------------------------------------------------------

void TDrawingGroup::LoadFromStream(std::unique_ptr<TBaseRecord> Record)
{
    const TBaseRecord* carrier = Record.get();
    int pos = 0;
    if (!FDggContainer)
        FDggContainer = NewRoot(carrier, pos, &FRecordCache, nullptr);
    else if (FDggContainer->Loaded())
        Record->ReadError(msg::ErrExcelInvalid);
    FDggContainer->Load(carrier, pos);
    if (!UsedUp(carrier, pos))
        Record->ReadError(msg::ErrExcelInvalid);
}

void TDrawingGroup::CheckLoaded() const
{
    if (FDggContainer && !FDggContainer->Loaded())
        ExcelError(msg::ErrExcelInvalid);
}

void TDrawingGroup::SaveToStream(TOle2File& DataStream)
{
    if (FDggContainer)
        SaveTree(*FDggContainer, DataStream, escher::MsoDrawingGroup);
}

std::int64_t TDrawingGroup::TotalSize() const
{
    return FDggContainer ? TreeSize(*FDggContainer, escher::MsoDrawingGroup) : 0;
}

void TDrawingGroup::AddDwg()
{
    if (FRecordCache.Dgg)
        FRecordCache.Dgg->AddDwg();
}

void TDrawingGroup::EnsureDwgGroup()
{
    if (!FDggContainer)
        FDggContainer = std::make_unique<TEscherContainerRecord>(TEscherRecordHeader{0x000F, escher::DggContainer, 0},
                                                                 &FRecordCache, nullptr, nullptr);
    TEscherRecordList& children = FDggContainer->ContainedRecords();
    if (!FRecordCache.Dgg)
        children.Add(TEscherDggRecord::CreateFromData(&FRecordCache, FDggContainer.get()));
    if (!FRecordCache.BStore)
        children.Add(std::make_unique<TEscherBStoreRecord>(TEscherRecordHeader{0x002F, escher::BStoreContainer, 0},
                                                           &FRecordCache, nullptr, FDggContainer.get()));
    if (!FDggContainer->FindRec<TEscherOPTRecord>())
        children.Add(TEscherOPTRecord::GroupCreateFromData(&FRecordCache, FDggContainer.get()));
    if (!FDggContainer->FindRec<TEscherSplitMenuRecord>())
        children.Add(TEscherSplitMenuRecord::CreateFromData(&FRecordCache, FDggContainer.get()));
}

// ---------------------------------------------------------------------------

TDrawing::TDrawing(TDrawingGroup* aDrawingGroup) : FDrawingGroup(aDrawingGroup)
{
    if (!FDrawingGroup)
        ExcelError(msg::DrawingGroupNil);
}

TDrawing::~TDrawing()
{
    FRecordCache.Destroying = true;
    Clear();
}

void TDrawing::Clear()
{
    FDgContainer.reset();
    FRecordCache = TEscherDwgCache{.Destroying = FRecordCache.Destroying};
    FAnchorCache.reset();
    FShapeCache.reset();
    FObjCache.reset();
    FBlipCache.reset();
}

void TDrawing::CreateCaches()
{
    FAnchorCache = std::make_unique<TEscherAnchorCache>();
    FShapeCache = std::make_unique<TEscherShapeCache>();
    FObjCache = std::make_unique<TEscherObjCache>();
    FBlipCache = std::make_unique<TEscherOPTCache>();
    FRecordCache.MaxObjId = 0;
    FRecordCache.Dg = nullptr;
    FRecordCache.Patriarch = nullptr;
    FRecordCache.Solver = nullptr;
    FRecordCache.Anchor = FAnchorCache.get();
    FRecordCache.Shape = FShapeCache.get();
    FRecordCache.Obj = FObjCache.get();
    FRecordCache.Blip = FBlipCache.get();
}

void TDrawing::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBaseRecord> First,
                              TSST& SST)
{
    if (FDgContainer)
        First->ReadError(msg::ErrExcelInvalid);
    CreateCaches();
    TEscherDwgGroupCache* group = &FDrawingGroup->RecordCache();
    std::unique_ptr<TBaseRecord> current = std::move(First);
    const TBaseRecord* carrier = current.get();
    int pos = 0;
    FDgContainer = NewRoot(carrier, pos, group, &FRecordCache);
    FDgContainer->Load(carrier, pos);
    for (;;) {
        TClientDataType type = TClientDataType::None;
        const bool waiting = FDgContainer->WaitingClientData(type);
        if (FDgContainer->Loaded() && !waiting)
            break;
        if (!UsedUp(carrier, pos)) {
            if (waiting)
                current->ReadError(msg::ErrExcelInvalid);
            FDgContainer->Load(carrier, pos);
            continue;
        }
        if (RecordHeader.EndOfStream)
            current->ReadError(msg::SectionNotClosed);
        std::unique_ptr<TBaseRecord> next = LoadRecord(DataStream, RecordHeader);
        if (!waiting) {
            if (next->Id != escher::MsoDrawing)
                next->ReadError(msg::ErrExcelInvalid);
            current = std::move(next);
            carrier = current.get();
            pos = 0;
            FDgContainer->Load(carrier, pos);
            continue;
        }
        if (next->Id != ClientDataRecordId(type))
            next->ReadError(msg::UnsupportedDrawing);
        std::unique_ptr<TBaseClientData> data = CreateClientData(type);
        data->LoadFromStream(DataStream, RecordHeader, std::move(next), SST);
        std::unique_ptr<TBaseRecord> remaining = std::move(data->RemainingData);
        FDgContainer->AssignClientData(std::move(data));
        if (remaining) {
            current = std::move(remaining);
            carrier = current.get();
            pos = 0;
            FDgContainer->Load(carrier, pos);
        } else {
            // Nothing left in the carrier: the next record follows.
            current.reset(new TBaseRecord(escher::MsoDrawing, ByteArray()));
            carrier = current.get();
            pos = 0;
        }
    }
    if (!UsedUp(carrier, pos))
        current->ReadError(msg::ErrExcelInvalid);
    FShapeCache->Sort();
    if (FRecordCache.Solver)
        FRecordCache.Solver->FixPointers();
}

void TDrawing::SaveToStream(TOle2File& DataStream)
{
    if (FDgContainer)
        SaveTree(*FDgContainer, DataStream, escher::MsoDrawing);
}

std::int64_t TDrawing::TotalSize() const
{
    return FDgContainer ? TreeSize(*FDgContainer, escher::MsoDrawing) : 0;
}

void TDrawing::CopyFrom(const TDrawing& aDrawing, TSheet* dSheet)
{
    Clear();
    FRecordCache.MaxObjId = 0;
    if (aDrawing.FAnchorCache)
        CreateCaches();
    if (!aDrawing.FDgContainer)
        return;
    aDrawing.FDgContainer->ClearCopiedTo();
    std::unique_ptr<TEscherRecord> root = TEscherRecord::CopyTo(aDrawing.FDgContainer.get(), &FRecordCache, 0, 0, dSheet);
    FDgContainer.reset(static_cast<TEscherContainerRecord*>(root.release()));
    if (FShapeCache)
        FShapeCache->Sort();
    if (FRecordCache.Solver && aDrawing.FRecordCache.Solver)
        FRecordCache.Solver->MaxRuleId = std::max(FRecordCache.Solver->MaxRuleId, aDrawing.FRecordCache.Solver->MaxRuleId);
    // The copied drawing record counted the new drawing in the group.
}

// ---------------------------------------------------------------------------

int TDrawing::DrawingCount() const
{
    return FBlipCache ? FBlipCache->Count() : 0;
}

TEscherOPTRecord& TDrawing::Picture(int Index) const
{
    if (Index < 0 || Index >= DrawingCount())
        ExcelError(msg::IndexOutOfRangeAssert);
    return static_cast<TEscherOPTRecord&>(*(*FBlipCache)[Index]);
}

TClientAnchor TDrawing::GetAnchor(int Index) const { return Picture(Index).GetAnchor(); }
void TDrawing::SetAnchor(int Index, const TClientAnchor& aAnchor, TSheet* sSheet)
{
    Picture(Index).SetAnchor(aAnchor, sSheet);
}
void TDrawing::GetDrawingFromStream(int Index, ByteArray& Data, TXlsImgTypes& DataType) const
{
    Picture(Index).GetImageFromStream(Data, DataType);
}
std::u16string TDrawing::GetDrawingName(int Index) const { return Picture(Index).ShapeName(); }
int TDrawing::GetDrawingRow(int Index) const { return Picture(Index).Row(); }

void TDrawing::AssignDrawing(int Index, std::span<const std::uint8_t> Data, TXlsImgTypes DataType)
{
    if (Data.empty()) {
        ClearImage(Index);
        return;
    }
    Picture(Index).ReplaceImg(Data, DataType);
}

void TDrawing::ClearImage(int Index)
{
    const ByteArray empty = EmptyPictureData();
    Picture(Index).ReplaceImg(empty, xli_Bmp);
}

void TDrawing::RemoveShape(TEscherRecord* Shape)
{
    TEscherSpgrContainerRecord* patriarch = FRecordCache.Patriarch;
    if (!patriarch || !Shape)
        ExcelError(msg::ErrLoadingEscher);
    patriarch->ContainedRecords().Remove(Shape);
}

void TDrawing::DeleteImage(int Index)
{
    if (!FBlipCache)
        return;
    RemoveShape(Picture(Index).FindRoot());
}

void TDrawing::CreateEmptyDrawing()
{
    CreateCaches();
    TEscherDwgGroupCache* group = &FDrawingGroup->RecordCache();
    FDgContainer = std::make_unique<TEscherContainerRecord>(TEscherRecordHeader{0x000F, escher::DgContainer, 0}, group,
                                                            &FRecordCache, nullptr);
    // The new drawing id counts the drawing in the group.
    std::int64_t dgId = 0, firstShapeId = 0;
    if (!group->Dgg)
        ExcelError(msg::ErrLoadingEscher);
    group->Dgg->GetNewDgIdAndCluster(dgId, firstShapeId);
    FDgContainer->ContainedRecords().Add(TEscherDgRecord::CreateFromData(
        0, static_cast<std::uint32_t>(dgId), firstShapeId, group, &FRecordCache, FDgContainer.get()));
    FDgContainer->ContainedRecords().Add(std::make_unique<TEscherSpgrContainerRecord>(
        TEscherRecordHeader{0x000F, escher::SpgrContainer, 0}, group, &FRecordCache, FDgContainer.get()));
    auto shape = std::make_unique<TEscherSpContainerRecord>(TEscherRecordHeader{0x000F, escher::SpContainer, 0},
                                                            group, &FRecordCache, FRecordCache.Patriarch);
    shape->ContainedRecords().Add(std::make_unique<TEscherDataRecord>(TEscherRecordHeader{0x0001, escher::Spgr, 16},
                                                                      group, &FRecordCache, shape.get(),
                                                                      ByteArray(16, 0)));
    shape->ContainedRecords().Add(TEscherSPRecord::CreateFromData(0x0002, FRecordCache.Dg->IncMaxShapeId(), 5, group,
                                                                  &FRecordCache, shape.get()));
    FRecordCache.Patriarch->ContainedRecords().Add(std::move(shape));
}

std::unique_ptr<TEscherSpContainerRecord> TDrawing::NewShape(std::uint16_t ShapeType)
{
    if (!FDgContainer || !FAnchorCache)
        CreateEmptyDrawing();
    if (!FRecordCache.Patriarch || !FRecordCache.Dg)
        ExcelError(msg::ErrLoadingEscher);
    TEscherDwgGroupCache* group = &FDrawingGroup->RecordCache();
    auto shape = std::make_unique<TEscherSpContainerRecord>(TEscherRecordHeader{0x000F, escher::SpContainer, 0},
                                                            group, &FRecordCache, FRecordCache.Patriarch);
    shape->ContainedRecords().Add(TEscherSPRecord::CreateFromData(static_cast<std::uint16_t>((ShapeType << 4) | 2),
                                                                  FRecordCache.Dg->IncMaxShapeId(), 0x0A00, group,
                                                                  &FRecordCache, shape.get()));
    return shape;
}

void TDrawing::AddClientAnchor(TEscherSpContainerRecord& Shape, const TClientAnchor& Anchor, TSheet* sSheet)
{
    Shape.ContainedRecords().Add(TEscherClientAnchorRecord::CreateFromData(Anchor, &FDrawingGroup->RecordCache(),
                                                                           &FRecordCache, &Shape, sSheet));
}

TEscherClientDataRecord& TDrawing::AddClientData(TEscherSpContainerRecord& Shape,
                                                 std::unique_ptr<TBaseClientData> Data)
{
    auto client = std::make_unique<TEscherClientDataRecord>(TEscherRecordHeader{0, escher::ClientData, 0},
                                                            &FDrawingGroup->RecordCache(), &FRecordCache, &Shape);
    TEscherClientDataRecord& record = *client;
    record.AssignClientData(std::move(Data));
    Shape.ContainedRecords().Add(std::move(client));
    return record;
}

void TDrawing::AddImage(std::span<const std::uint8_t> Data, TXlsImgTypes DataType,
                        const TImageProperties& Properties, TVyxAnchorType Anchor, TSheet* sSheet)
{
    CheckCorners(Properties);
    const ByteArray empty = Data.empty() ? EmptyPictureData() : ByteArray();
    if (Data.empty()) {
        Data = empty;
        DataType = xli_Bmp;
    }
    auto shape = NewShape(75);
    shape->ContainedRecords().Add(TEscherOPTRecord::CreateFromDataImg(
        Data, DataType, rtl::Utf8ToUtf16(Properties.FileName), &FDrawingGroup->RecordCache(), &FRecordCache,
        shape.get()));
    const std::uint16_t flags[] = {0, 2, 3};
    AddClientAnchor(*shape, AnchorOf(Properties, flags[Anchor]), sSheet);
    AddClientData(*shape, TMsObj::CreateEmptyImg(FRecordCache.MaxObjId));
    FRecordCache.Patriarch->ContainedRecords().Add(std::move(shape));
}

TEscherClientDataRecord* TDrawing::AddNewComment(const TImageProperties& Properties, TSheet* sSheet)
{
    CheckCorners(Properties);
    FDrawingGroup->EnsureDwgGroup();
    auto shape = NewShape(202);
    shape->ContainedRecords().Add(
        TEscherOPTRecord::CreateFromDataNote(&FDrawingGroup->RecordCache(), &FRecordCache, shape.get()));
    AddClientAnchor(*shape, AnchorOf(Properties, 3), sSheet);
    TEscherClientDataRecord& client = AddClientData(*shape, TMsObj::CreateEmptyNote(FRecordCache.MaxObjId));
    auto box = std::make_unique<TEscherClientTextBoxRecord>(TEscherRecordHeader{0, escher::ClientTextBox, 0},
                                                            &FDrawingGroup->RecordCache(), &FRecordCache, shape.get());
    box->AssignClientData(TTXO::CreateFromData());
    shape->ContainedRecords().Add(std::move(box));
    FRecordCache.Patriarch->ContainedRecords().Add(std::move(shape));
    return &client;
}

void TDrawing::AddAutoFilter(int Row, int Col1, int Col2, TSheet* sSheet)
{
    for (int col = Col1; col <= Col2; ++col)
        AddAutoFilter(Row, col, sSheet);
}

void TDrawing::AddAutoFilter(int Row, int Col, TSheet* sSheet)
{
    FDrawingGroup->EnsureDwgGroup();
    auto shape = NewShape(201);
    shape->ContainedRecords().Add(
        TEscherOPTRecord::CreateFromDataAutoFilter(&FDrawingGroup->RecordCache(), &FRecordCache, shape.get()));
    const auto r = static_cast<std::uint16_t>(Row);
    const auto c = static_cast<std::uint16_t>(Col);
    AddClientAnchor(*shape, {1, c, 0, r, 0, static_cast<std::uint16_t>(c + 1), 0, static_cast<std::uint16_t>(r + 1), 0},
                    sSheet);
    AddClientData(*shape, TMsObj::CreateEmptyAutoFilter(FRecordCache.MaxObjId));
    FRecordCache.Patriarch->ContainedRecords().Add(std::move(shape));
}

void TDrawing::RemoveAutoFilter()
{
    if (!FObjCache)
        return;
    if (!FRecordCache.Patriarch)
        ExcelError(msg::ErrLoadingEscher);
    for (int i = FObjCache->Count() - 1; i >= 0; --i) {
        auto* client = dynamic_cast<TEscherClientDataRecord*>((*FObjCache)[i]);
        auto* obj = client ? dynamic_cast<TMsObj*>(client->ClientData.get()) : nullptr;
        if (obj && obj->IsAutoFilter())
            RemoveShape(client->FindRoot());
    }
}

TEscherClientDataRecord* TDrawing::FindObjId(std::uint16_t ObjId) const
{
    if (!FObjCache)
        return nullptr;
    for (int i = 0; i < FObjCache->Count(); ++i)
        if (auto* client = dynamic_cast<TEscherClientDataRecord*>((*FObjCache)[i]); client && client->ObjId() == ObjId)
            return client;
    return nullptr;
}

std::unordered_map<std::uint16_t, TEscherClientDataRecord*> TDrawing::ObjIdIndex() const
{
    std::unordered_map<std::uint16_t, TEscherClientDataRecord*> index;
    for (int i = 0; FObjCache && i < FObjCache->Count(); ++i)
        if (auto* client = dynamic_cast<TEscherClientDataRecord*>((*FObjCache)[i]))
            index.emplace(client->ObjId(), client);
    return index;
}

void TDrawing::ArrangeCopySheet(const TSheetInfo& SheetInfo)
{
    if (FObjCache)
        FObjCache->ArrangeCopySheet(SheetInfo);
}

// ---------------------------------------------------------------------------

namespace {

// A comment's box is moved by its note, with the note's cell.
bool IsNoteShape(TEscherRecord* Anchor)
{
    auto* shape = dynamic_cast<TEscherContainerRecord*>(Anchor->FindRoot());
    auto* client = shape ? shape->FindRec<TEscherClientDataRecord>() : nullptr;
    auto* obj = client ? dynamic_cast<TMsObj*>(client->ClientData.get()) : nullptr;
    return obj && obj->IsNote();
}

} // namespace

void TDrawing::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                        const TSheetInfo& SheetInfo, TSheet* dSheet)
{
    if (FAnchorCache && SheetInfo.FormulaSheet == SheetInfo.InsSheet)
        for (int i = 0; i < FAnchorCache->Count(); ++i)
            if (!IsNoteShape((*FAnchorCache)[i]))
                (*FAnchorCache)[i]->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo,
                                                             false, dSheet);
    if (FObjCache)
        for (int i = 0; i < FObjCache->Count(); ++i)
            (*FObjCache)[i]->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo, false,
                                                      dSheet);
}

void TDrawing::InsertAndCopyRowsAndCols(int FirstRow, int LastRow, int DestRow, int RowCount, int FirstCol,
                                        int LastCol, int DestCol, int ColCount, const TSheetInfo& SheetInfo,
                                        TSheet* dSheet)
{
    if (!FDgContainer || !FAnchorCache)
        return;
    const int h = LastRow - FirstRow + 1, w = LastCol - FirstCol + 1;
    const int rows = RowCount * h, cols = ColCount * w;
    ArrangeInsertRowsAndCols(DestRow, rows, DestCol, cols, SheetInfo, dSheet);
    auto copyPasses = [&](int Count, int First, int Last, bool ByRows) {
        const int shift = ByRows ? rows : cols;
        const int first = First < (ByRows ? DestRow : DestCol) ? First : First + shift;
        const int last = First < (ByRows ? DestRow : DestCol) ? Last : Last + shift;
        for (int k = 0; k < Count; ++k) {
            FDgContainer->ClearCopiedTo();
            const int before = FAnchorCache->Count();
            std::vector<TEscherClientAnchorRecord*> anchors;
            for (int i = 0; i < before; ++i)
                anchors.push_back(static_cast<TEscherClientAnchorRecord*>((*FAnchorCache)[i]));
            for (TEscherClientAnchorRecord* anchor : anchors) {
                const bool allowed = ByRows ? anchor->AllowCopy(first, last, 0, xlr::MaxCol + 1)
                                            : anchor->AllowCopy(0, xlr::MaxRow + 1, first, last);
                if (allowed)
                    anchor->CopyDwg(ByRows ? DestRow + k * h - first : 0, ByRows ? 0 : DestCol + k * w - first, dSheet);
            }
            if (FRecordCache.Solver)
                FRecordCache.Solver->ArrangeCopyRowsAndCols(dSheet);
        }
    };
    copyPasses(RowCount, FirstRow, LastRow, true);
    copyPasses(ColCount, FirstCol, LastCol, false);
}

void TDrawing::DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo, TSheet* dSheet)
{
    if (!FAnchorCache)
        return;
    for (int i = FAnchorCache->Count() - 1; i >= 0; --i) {
        if (i >= FAnchorCache->Count())
            continue;
        auto* anchor = static_cast<TEscherClientAnchorRecord*>((*FAnchorCache)[i]);
        if (anchor->AllowDelete(aRow, aRow + aCount - 1, 0, xlr::MaxCol + 1))
            RemoveShape(anchor->FindRoot());
    }
    ArrangeInsertRowsAndCols(aRow, -aCount, 0, 0, SheetInfo, dSheet);
}

void TDrawing::DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo, TSheet* dSheet)
{
    if (!FAnchorCache)
        return;
    for (int i = FAnchorCache->Count() - 1; i >= 0; --i) {
        if (i >= FAnchorCache->Count())
            continue;
        auto* anchor = static_cast<TEscherClientAnchorRecord*>((*FAnchorCache)[i]);
        if (anchor->AllowDelete(0, xlr::MaxRow + 1, aCol, aCol + aCount - 1))
            RemoveShape(anchor->FindRoot());
    }
    ArrangeInsertRowsAndCols(0, 0, aCol, -aCount, SheetInfo, dSheet);
}

void TDrawing::SaveObjectCoords(TSheet* sSheet)
{
    if (!FRecordCache.Patriarch || !FAnchorCache)
        return;
    for (int i = FAnchorCache->Count() - 1; i >= 0; --i)
        static_cast<TEscherClientAnchorRecord*>((*FAnchorCache)[i])->SaveObjectCoords(sSheet);
}

void TDrawing::RestoreObjectCoords(TSheet* dSheet)
{
    if (!FRecordCache.Patriarch || !FAnchorCache)
        return;
    for (int i = FAnchorCache->Count() - 1; i >= 0; --i)
        static_cast<TEscherClientAnchorRecord*>((*FAnchorCache)[i])->RestoreObjectCoords(dSheet);
}

std::vector<TClientAnchor> TDrawing::Anchors() const
{
    std::vector<TClientAnchor> anchors;
    for (int i = 0; FAnchorCache && i < FAnchorCache->Count(); ++i)
        anchors.push_back(static_cast<TEscherClientAnchorRecord*>((*FAnchorCache)[i])->GetAnchor());
    return anchors;
}
