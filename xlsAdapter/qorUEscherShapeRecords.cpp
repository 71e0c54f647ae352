// Records that register themselves in the drawing's caches (patriarch,
// solver, client data) and the choice of record class for each id.
#include "xlsAdapter/qorUEscherBreakList.h"
#include "xlsAdapter/qorUEscherShapes.h"
#include "xlsAdapter/qorUXlsClientData.h"
#include "xlsAdapter/qorUOle2Impl.h"

using namespace xlsAdapter;

std::uint16_t ClientDataRecordId(TClientDataType Type)
{
    switch (Type) {
    case TClientDataType::Obj:
        return xlr::OBJ;
    case TClientDataType::Txo:
        return xlr::TXO;
    case TClientDataType::None:
        break;
    }
    ExcelError(msg::LogicalError);
}

TEscherSpgrContainerRecord::TEscherSpgrContainerRecord(const TEscherRecordHeader& aEscherHeader,
                                                       TEscherDwgGroupCache* aDwgGroupCache,
                                                       TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
    : TEscherContainerRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (DwgCache && !DwgCache->Patriarch)
        DwgCache->Patriarch = this;
}

TEscherSpgrContainerRecord::~TEscherSpgrContainerRecord()
{
    if (DwgCache && DwgCache->Patriarch == this)
        DwgCache->Patriarch = nullptr;
}

TEscherSolverContainerRecord::TEscherSolverContainerRecord(const TEscherRecordHeader& aEscherHeader,
                                                           TEscherDwgGroupCache* aDwgGroupCache,
                                                           TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
    : TEscherContainerRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (!DwgCache)
        return;
    if (DwgCache->Solver)
        ExcelError(msg::DuplicatedSolver);
    DwgCache->Solver = this;
}

TEscherSolverContainerRecord::~TEscherSolverContainerRecord()
{
    if (DwgCache && DwgCache->Solver == this)
        DwgCache->Solver = nullptr;
}

// ---------------------------------------------------------------------------

TEscherClientDataRecord::TEscherClientDataRecord(const TEscherRecordHeader& aEscherHeader,
                                                 TEscherDwgGroupCache* aDwgGroupCache, TEscherDwgCache* aDwgCache,
                                                 TEscherContainerRecord* aParent)
    : TEscherDataRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (DwgCache && DwgCache->Obj)
        DwgCache->Obj->Add(this);
}

TEscherClientDataRecord::~TEscherClientDataRecord()
{
    if (DwgCache && DwgCache->Obj && !DwgCache->Destroying)
        DwgCache->Obj->Remove(this);
}

bool TEscherClientDataRecord::WaitingClientData(TClientDataType& ClientType) const
{
    if (Loaded() && !ClientData) {
        ClientType = ExpectedClientData();
        return true;
    }
    ClientType = TClientDataType::None;
    return false;
}

void TEscherClientDataRecord::AssignClientData(std::unique_ptr<TBaseClientData> aClientData)
{
    ClientData = std::move(aClientData);
    if (ClientData && DwgCache && ClientData->Id() > DwgCache->MaxObjId)
        DwgCache->MaxObjId = ClientData->Id();
}

void TEscherClientDataRecord::SaveToStream(TOle2File& DataStream, TBreakList& BreakList)
{
    TEscherDataRecord::SaveToStream(DataStream, BreakList);
    if (!ClientData)
        return;
    const std::int64_t start = DataStream.Position();
    ClientData->SaveToStream(DataStream);
    BreakList.AddToZeroPos(DataStream.Position() - start);
}

void TEscherClientDataRecord::SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const
{
    TEscherDataRecord::SplitRecords(NextPos, RealSize, NextDwg, BreakList);
    if (ClientData)
        RealSize += static_cast<int>(ClientData->TotalSize());
    // The drawing data after an OBJ or TXO record starts a new carrier.
    NextDwg = escher::MsoDrawing;
}

void TEscherClientDataRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                                       const TSheetInfo& SheetInfo, bool, TSheet*)
{
    if (ClientData)
        ClientData->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
}

void TEscherClientDataRecord::ArrangeCopyRowsAndCols(int RowOfs, int ColOfs)
{
    if (ClientData)
        ClientData->ArrangeCopyRowsAndCols(RowOfs, ColOfs);
}

std::unique_ptr<TEscherRecord> TEscherClientDataRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                                 TSheet* dSheet) const
{
    auto copy = TEscherDataRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    auto& client = static_cast<TEscherClientDataRecord&>(*copy);
    if (ClientData) {
        client.ClientData = ClientData->CopyTo();
        if (NewDwgCache && NewDwgCache == DwgCache)
            client.ClientData->ArrangeId(NewDwgCache->MaxObjId);
        client.ClientData->ArrangeCopyRowsAndCols(RowOfs, ColOfs);
    }
    return copy;
}

// ---------------------------------------------------------------------------

std::unique_ptr<TEscherRecord> CreateEscherRecord(const TEscherRecordHeader& aEscherHeader,
                                                  TEscherDwgGroupCache* aDwgGroupCache, TEscherDwgCache* aDwgCache,
                                                  TEscherContainerRecord* aParent)
{
    const auto& h = aEscherHeader;
    if (h.IsContainer()) {
        switch (h.Id) {
        case escher::SpgrContainer:
            return std::make_unique<TEscherSpgrContainerRecord>(h, aDwgGroupCache, aDwgCache, aParent);
        case escher::SpContainer:
            return std::make_unique<TEscherSpContainerRecord>(h, aDwgGroupCache, aDwgCache, aParent);
        case escher::SolverContainer:
            return std::make_unique<TEscherSolverContainerRecord>(h, aDwgGroupCache, aDwgCache, aParent);
        case escher::BStoreContainer:
            return std::make_unique<TEscherBStoreRecord>(h, aDwgGroupCache, aDwgCache, aParent);
        default:
            return std::make_unique<TEscherContainerRecord>(h, aDwgGroupCache, aDwgCache, aParent);
        }
    }
    switch (h.Id) {
    case escher::ClientData:
        return std::make_unique<TEscherClientDataRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::ClientTextBox:
        return std::make_unique<TEscherClientTextBoxRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::Dgg:
        return std::make_unique<TEscherDggRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::BSE:
        return std::make_unique<TEscherBSERecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::Dg:
        return std::make_unique<TEscherDgRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::SP:
        return std::make_unique<TEscherSPRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::OPT:
        return std::make_unique<TEscherOPTRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::ClientAnchor:
        return std::make_unique<TEscherClientAnchorRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::ConnectorRule:
        return std::make_unique<TEscherConnectorRuleRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::AlignRule:
        return std::make_unique<TEscherAlignRuleRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::ArcRule:
        return std::make_unique<TEscherArcRuleRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::CalloutRule:
        return std::make_unique<TEscherCalloutRuleRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    case escher::SplitMenuColors:
        return std::make_unique<TEscherSplitMenuRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    default:
        return std::make_unique<TEscherDataRecord>(h, aDwgGroupCache, aDwgCache, aParent);
    }
}

std::u16string TEscherClientTextBoxRecord::Value() const
{
    const auto* txo = dynamic_cast<const TTXO*>(ClientData.get());
    return txo ? txo->Value() : std::u16string();
}

void TEscherClientTextBoxRecord::SetValue(std::u16string_view Text)
{
    if (auto* txo = dynamic_cast<TTXO*>(ClientData.get()))
        txo->SetValue(Text);
}
