// The blip store, its entries and the property tables that refer to them.
#include "xlsAdapter/qorUEscherShapes.h"



using namespace xlsAdapter;

namespace {

constexpr int BSEHeadSize = 36;
constexpr int BlipHeaderSize = 8;
constexpr int IdentifierSize = 16;
constexpr std::uint16_t BlipIdBit = 0x4000, ComplexBit = 0x8000;

TXlsImgTypes TypeOfBlip(std::uint8_t BlipType)
{
    switch (BlipType) {
    case 2: return xli_Emf;
    case 3: return xli_Wmf;
    case 5: return xli_Jpeg;
    case 6: return xli_Png;
    case 7: return xli_Bmp;
    default: return xli_Unknown;
    }
}

} // namespace

// ---------------------------------------------------------------------------

TEscherBStoreRecord::TEscherBStoreRecord(const TEscherRecordHeader& aEscherHeader,
                                         TEscherDwgGroupCache* aDwgGroupCache, TEscherDwgCache* aDwgCache,
                                         TEscherContainerRecord* aParent)
    : TEscherContainerRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (!DwgGroupCache)
        return;
    if (DwgGroupCache->BStore)
        ExcelError(msg::DuplicatedBStore);
    DwgGroupCache->BStore = this;
}

TEscherBStoreRecord::~TEscherBStoreRecord()
{
    ContainedRecords().Clear();
    if (DwgGroupCache && DwgGroupCache->BStore == this)
        DwgGroupCache->BStore = nullptr;
}

void TEscherBStoreRecord::NumberEntries()
{
    for (int i = 0; i < ContainedRecords().Count(); ++i)
        if (auto* entry = dynamic_cast<TEscherBSERecord*>(ContainedRecords()[i]))
            entry->BStorePos = i + 1;
}

void TEscherBStoreRecord::SaveToStream(TOle2File& DataStream, TBreakList& BreakList)
{
    NumberEntries();
    TEscherContainerRecord::SaveToStream(DataStream, BreakList);
}

TEscherBSERecord* TEscherBStoreRecord::Entry(std::int64_t BlipPos) const
{
    if (BlipPos < 1 || BlipPos > ContainedRecords().Count())
        return nullptr;
    return dynamic_cast<TEscherBSERecord*>(ContainedRecords()[static_cast<int>(BlipPos - 1)]);
}

void TEscherBStoreRecord::AddRef(std::int64_t BlipPos)
{
    TEscherBSERecord* entry = Entry(BlipPos);
    if (!entry)
        ExcelError(msg::ErrExcelInvalid);
    entry->AddRef();
}

void TEscherBStoreRecord::Release(std::int64_t BlipPos)
{
    TEscherBSERecord* entry = Entry(BlipPos);
    if (!entry)
        ExcelError(msg::ErrExcelInvalid);
    TEscherBSERecord::Release(entry);
}

// ---------------------------------------------------------------------------

std::uint32_t TEscherBSERecord::References() const
{
    return Data.size() >= 28 ? GetCardinal(Data, 24) : 0;
}

void TEscherBSERecord::AddRef()
{
    if (Data.size() >= 28)
        SetCardinal(Data, 24, References() + 1);
}

void TEscherBSERecord::Release(TEscherBSERecord* Entry)
{
    if (!Entry)
        return;
    if (Entry->References() > 1) {
        SetCardinal(Entry->Data, 24, Entry->References() - 1);
        return;
    }
    if (Entry->Data.size() >= 28)
        SetCardinal(Entry->Data, 24, 0);
    if (Entry->FParent)
        Entry->FParent->ContainedRecords().Remove(Entry);
}

int TEscherBSERecord::CompareRec(const TEscherRecord& aRecord) const
{
    const auto* other = dynamic_cast<const TEscherBSERecord*>(&aRecord);
    if (!other)
        return TEscherDataRecord::CompareRec(aRecord);
    if (TotalDataSize != other->TotalDataSize)
        return TotalDataSize < other->TotalDataSize ? -1 : 1;
    for (int i = 2; i < 2 + IdentifierSize; ++i) {
        const int a = i < static_cast<int>(Data.size()) ? Data[static_cast<std::size_t>(i)] : 0;
        const int b = i < static_cast<int>(other->Data.size()) ? other->Data[static_cast<std::size_t>(i)] : 0;
        if (a != b)
            return a < b ? -1 : 1;
    }
    return 0;
}

void TEscherBSERecord::CopyFromData(std::span<const std::uint8_t> BSEHeader, std::span<const std::uint8_t> BlipHeader,
                                    std::span<const std::uint8_t> BlipData)
{
    if (static_cast<std::size_t>(TotalDataSize) != BSEHeader.size() + BlipHeader.size() + BlipData.size())
        ExcelError(msg::LogicalError);
    Data.assign(BSEHeader.begin(), BSEHeader.end());
    Data.insert(Data.end(), BlipHeader.begin(), BlipHeader.end());
    Data.insert(Data.end(), BlipData.begin(), BlipData.end());
    LoadedDataSize = TotalDataSize;
}

void TEscherBSERecord::SaveGraphicToStream(ByteArray& aData, TXlsImgTypes& aDataType) const
{
    if (Data.empty())
        ExcelError(msg::ErrProcessingEscher);
    aDataType = TypeOfBlip(Data[0]);
    std::size_t from = BSEHeadSize + BlipHeaderSize + IdentifierSize;
    if (aDataType == xli_Jpeg || aDataType == xli_Png || aDataType == xli_Bmp)
        ++from;
    if (Data.size() < from)
        ExcelError(msg::ErrProcessingEscher);
    aData.clear();
    if (aDataType == xli_Bmp) {
        aData.assign(14, 0);
        aData[0] = 'B';
        aData[1] = 'M';
    }
    aData.insert(aData.end(), Data.begin() + static_cast<std::ptrdiff_t>(from), Data.end());
}

// ---------------------------------------------------------------------------

TEscherOPTRecord::TEscherOPTRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                                   TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
    : TEscherDataRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent)
{
    if (auto* shape = dynamic_cast<TEscherSpContainerRecord*>(aParent))
        shape->Opt = this;
}

TEscherOPTRecord::~TEscherOPTRecord()
{
    if (auto* shape = dynamic_cast<TEscherSpContainerRecord*>(FParent); shape && shape->Opt == this)
        shape->Opt = nullptr;
    if (!DwgCache || DwgCache->Destroying)
        return;
    ReleaseBlips();
}

void TEscherOPTRecord::ReleaseBlips()
{
    if (BlipPtr.empty())
        return;
    for (TEscherBSERecord* entry : BlipPtr)
        TEscherBSERecord::Release(entry);
    BlipPtr.clear();
    BlipPos.clear();
    if (DwgCache && DwgCache->Blip)
        DwgCache->Blip->Remove(this);
}

void TEscherOPTRecord::AfterCreate()
{
    if (!DwgCache || !DwgCache->Blip)
        return;
    const int count = Instance();
    std::int64_t complexAt = 6LL * count;
    for (int i = 0; i < count; ++i) {
        const int at = 6 * i;
        if (at + 6 > static_cast<int>(Data.size()))
            ExcelError(msg::ErrLoadingEscher);
        const std::uint16_t id = GetWord(Data, at);
        const std::uint32_t value = GetCardinal(Data, at + 2);
        if ((id & BlipIdBit) && !(id & ComplexBit)) {
            // A position outside the store names no picture and is kept as
            // it is.
            TEscherBSERecord* entry =
                DwgGroupCache && DwgGroupCache->BStore ? DwgGroupCache->BStore->Entry(value) : nullptr;
            if (entry) {
                if (BlipPtr.empty())
                    DwgCache->Blip->Add(this);
                BlipPtr.push_back(entry);
                BlipPos.push_back(at + 2);
            }
        }
        if ((id & 0x3FFF) == 0x0380 && (id & ComplexBit)) {
            const std::int64_t chars = value / 2;
            if (complexAt + 2 * chars <= static_cast<std::int64_t>(Data.size())) {
                FShapeName.clear();
                for (std::int64_t c = 0; c + 1 < chars; ++c)
                    FShapeName += static_cast<char16_t>(GetWord(Data, complexAt + 2 * c));
            }
        }
        if (id & ComplexBit)
            complexAt += value;
    }
}

void TEscherOPTRecord::SaveToStream(TOle2File& DataStream, TBreakList& BreakList)
{
    if (BlipPtr.size() != BlipPos.size())
        ExcelError(msg::LogicalError);
    for (std::size_t i = 0; i < BlipPtr.size(); ++i)
        SetCardinal(Data, BlipPos[i], static_cast<std::uint32_t>(BlipPtr[i]->BStorePos));
    TEscherDataRecord::SaveToStream(DataStream, BreakList);
}

TEscherBSERecord* TEscherOPTRecord::AddBlip(std::span<const std::uint8_t> Data, TXlsImgTypes DataType,
                                                  bool Count)
{
    TEscherBStoreRecord* store = DwgGroupCache ? DwgGroupCache->BStore : nullptr;
    if (!store)
        ExcelError(msg::BStoreNil);
    auto entry = GraphicToBSE(Data, DataType, DwgGroupCache, DwgCache);
    int index = 0;
    TEscherBSERecord* used;
    if (store->ContainedRecords().Find(*entry, index)) {
        used = static_cast<TEscherBSERecord*>(store->ContainedRecords()[index]);
    } else {
        used = entry.get();
        store->ContainedRecords().Insert(index, std::move(entry));
    }
    if (Count)
        used->AddRef();
    store->NumberEntries();
    return used;
}

namespace {

ByteArray Properties(std::initializer_list<std::pair<std::uint16_t, std::uint32_t>> List)
{
    ByteArray body(List.size() * 6);
    int at = 0;
    for (const auto& [id, value] : List) {
        SetWord(body, at, id);
        SetCardinal(body, at + 2, value);
        at += 6;
    }
    return body;
}

std::unique_ptr<TEscherOPTRecord> MakeTable(int Count, ByteArray Body, TEscherDwgGroupCache* aDwgGroupCache,
                                            TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
{
    const auto size = static_cast<std::int32_t>(Body.size());
    auto table = std::make_unique<TEscherOPTRecord>(
        TEscherRecordHeader{static_cast<std::uint16_t>((Count << 4) | 3), escher::OPT, size}, aDwgGroupCache,
        aDwgCache, aParent);
    table->Data = std::move(Body);
    table->LoadedDataSize = size;
    return table;
}

} // namespace

std::unique_ptr<TEscherOPTRecord> TEscherOPTRecord::CreateFromDataImg(std::span<const std::uint8_t> aPict,
                                                                      TXlsImgTypes aPicType,
                                                                      std::u16string_view PicName,
                                                                      TEscherDwgGroupCache* aDwgGroupCache,
                                                                      TEscherDwgCache* aDwgCache,
                                                                      TEscherContainerRecord* aParent)
{
    ByteArray body = Properties({{0x4104, 0},
                                 {0xC105, static_cast<std::uint32_t>((PicName.size() + 1) * 2)},
                                 {0x01BF, 0x00010000},
                                 {0x03BF, 0x00080000}});
    for (char16_t c : PicName) {
        body.push_back(static_cast<std::uint8_t>(c));
        body.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    body.push_back(0);
    body.push_back(0);
    auto table = MakeTable(4, std::move(body), aDwgGroupCache, aDwgCache, aParent);
    TEscherBSERecord* entry = table->AddBlip(aPict, aPicType, true);
    SetCardinal(table->Data, 2, static_cast<std::uint32_t>(entry->BStorePos));
    table->AfterCreate();
    return table;
}

std::unique_ptr<TEscherOPTRecord> TEscherOPTRecord::CreateFromDataNote(TEscherDwgGroupCache* aDwgGroupCache,
                                                                       TEscherDwgCache* aDwgCache,
                                                                       TEscherContainerRecord* aParent)
{
    auto table = MakeTable(9,
                           Properties({{0x0080, 0},
                                       {0x00BF, 0x00080008},
                                       {0x0158, 0},
                                       {0x0181, 0x08000050},
                                       {0x0183, 0x08000050},
                                       {0x01BF, 0x00110010},
                                       {0x0201, 0},
                                       {0x023F, 0x00030003},
                                       {0x03BF, 0x000A0002}}),
                           aDwgGroupCache, aDwgCache, aParent);
    table->AfterCreate();
    return table;
}

std::unique_ptr<TEscherOPTRecord> TEscherOPTRecord::CreateFromDataAutoFilter(TEscherDwgGroupCache* aDwgGroupCache,
                                                                             TEscherDwgCache* aDwgCache,
                                                                             TEscherContainerRecord* aParent)
{
    auto table = MakeTable(
        4, Properties({{0x007F, 0x01040104}, {0x00BF, 0x00080008}, {0x01FF, 0x00080000}, {0x03BF, 0x00020000}}),
        aDwgGroupCache, aDwgCache, aParent);
    table->AfterCreate();
    return table;
}

std::unique_ptr<TEscherOPTRecord> TEscherOPTRecord::GroupCreateFromData(TEscherDwgGroupCache* aDwgGroupCache,
                                                                        TEscherContainerRecord* aParent)
{
    auto table = MakeTable(3, Properties({{0x00BF, 0x00080008}, {0x0181, 0x08000009}, {0x01C0, 0x08000040}}),
                           aDwgGroupCache, nullptr, aParent);
    table->AfterCreate();
    return table;
}

void TEscherOPTRecord::ChangeRef(TEscherBSERecord* aBSE)
{
    if (BlipPtr.size() != 1)
        ExcelError(msg::ErrProcessingEscher);
    if (aBSE == BlipPtr[0])
        return;
    aBSE->AddRef();
    TEscherBSERecord::Release(BlipPtr[0]);
    BlipPtr[0] = aBSE;
}

void TEscherOPTRecord::ReplaceImg(std::span<const std::uint8_t> Data, TXlsImgTypes DataType)
{
    if (BlipPtr.size() != 1)
        ExcelError(msg::ErrProcessingEscher);
    ChangeRef(AddBlip(Data, DataType, false));
}

void TEscherOPTRecord::GetImageFromStream(ByteArray& Data, TXlsImgTypes& DataType) const
{
    if (BlipPtr.size() != 1)
        ExcelError(msg::ErrProcessingEscher);
    BlipPtr[0]->SaveGraphicToStream(Data, DataType);
}

TEscherClientAnchorRecord* TEscherOPTRecord::Anchor() const
{
    if (!Patriarch())
        return nullptr;
    auto* shape = dynamic_cast<TEscherSpContainerRecord*>(const_cast<TEscherOPTRecord*>(this)->FindRoot());
    return shape ? shape->ClientAnchor : nullptr;
}

TClientAnchor TEscherOPTRecord::GetAnchor() const
{
    const TEscherClientAnchorRecord* anchor = Anchor();
    return anchor ? anchor->GetAnchor() : TClientAnchor{};
}

void TEscherOPTRecord::SetAnchor(const TClientAnchor& aAnchor, TSheet* sSheet)
{
    if (TEscherClientAnchorRecord* anchor = Anchor())
        anchor->SetAnchor(aAnchor, sSheet);
}

int TEscherOPTRecord::Row() const
{
    const TEscherClientAnchorRecord* anchor = Anchor();
    return anchor ? anchor->Row() : 0;
}

int TEscherOPTRecord::Col() const
{
    const TEscherClientAnchorRecord* anchor = Anchor();
    return anchor ? anchor->Col() : 0;
}

std::unique_ptr<TEscherRecord> TEscherOPTRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                          TSheet* dSheet) const
{
    auto copy = TEscherDataRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    auto& table = static_cast<TEscherOPTRecord&>(*copy);
    table.BlipPtr = BlipPtr;
    table.BlipPos = BlipPos;
    table.FShapeName = FShapeName;
    if (!BlipPtr.empty() && NewDwgCache && NewDwgCache->Blip)
        NewDwgCache->Blip->Add(&table);
    for (TEscherBSERecord* entry : BlipPtr)
        entry->AddRef();
    return copy;
}
