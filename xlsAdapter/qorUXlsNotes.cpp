// Notes: their cells, their comment shapes and texts.
#include "xlsAdapter/qorUXlsNotes.h"

#include "xlsAdapter/qorUXlsEscher.h"

#include <algorithm>
#include <exception>

using namespace xlsAdapter;

namespace {

constexpr std::uint16_t NOTE = 0x001C;

TEscherClientTextBoxRecord* TextBox(TEscherClientDataRecord* Dwg)
{
    if (!Dwg)
        return nullptr;
    TEscherRecord* shape = Dwg->FindRoot();
    auto* container = dynamic_cast<TEscherContainerRecord*>(shape);
    return container ? container->FindRec<TEscherClientTextBoxRecord>() : nullptr;
}

} // namespace

TNoteRecord::TNoteRecord(std::uint16_t aId, ByteArray aData) : TBaseRowColRecord(aId, std::move(aData))
{
    RequireSize(8);
}

TNoteRecord::~TNoteRecord()
{
    if (!Dwg)
        return;
    TEscherSpgrContainerRecord* patriarch = Dwg->Patriarch();
    TEscherRecord* shape = Dwg->FindRoot();
    if (patriarch && shape)
        patriarch->ContainedRecords().Remove(shape);
}

std::unique_ptr<TNoteRecord> TNoteRecord::CreateFromData(int aRow, int aCol, std::u16string_view aTxt,
                                                         TDrawing& Drawing, const TImageProperties& Properties,
                                                         TSheet* sSheet)
{
    if (aRow < 0 || aRow > xlr::MaxRow)
        ExcelError(msg::IndexOutOfRange, aRow, "Row", 0, xlr::MaxRow);
    if (aCol < 0 || aCol > xlr::MaxCol)
        ExcelError(msg::IndexOutOfRange, aCol, "Column", 0, xlr::MaxCol);
    ByteArray body(12, 0);
    SetWord(body, 0, static_cast<std::uint16_t>(aRow));
    SetWord(body, 2, static_cast<std::uint16_t>(aCol));
    auto note = std::make_unique<TNoteRecord>(NOTE, std::move(body));
    note->Dwg = Drawing.AddNewComment(Properties, sSheet);
    SetWord(note->Data, 6, note->Dwg->ObjId());
    note->SetText(aTxt);
    return note;
}

std::unique_ptr<TBaseRecord> TNoteRecord::DoCopyTo() const
{
    auto copy = std::make_unique<TNoteRecord>(Id, Data);
    CopyContinueChainTo(*copy);
    copy->Dwg = Dwg;
    return copy;
}

std::u16string TNoteRecord::Text() const
{
    const TEscherClientTextBoxRecord* box = TextBox(Dwg);
    return box ? box->Value() : std::u16string();
}

void TNoteRecord::SetText(std::u16string_view Value)
{
    if (TEscherClientTextBoxRecord* box = TextBox(Dwg))
        box->SetValue(Value);
}

void TNoteRecord::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    if (Dwg) {
        if (TEscherRecord* root = Dwg->FindRoot())
            root->ClearCopiedTo();
        Dwg = static_cast<TEscherClientDataRecord*>(Dwg->CopyDwg(RowOffset, ColOffset, nullptr));
        SetWord(Data, 6, Dwg ? Dwg->ObjId() : 0);
    }
    TBaseRowColRecord::ArrangeCopyRowsAndCols(RowOffset, ColOffset);
}

void TNoteRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                           const TSheetInfo& SheetInfo)
{
    TBaseRowColRecord::ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
    if (!Dwg)
        return;
    // The box moves with its cell and keeps its size in cells.
    if (auto* shape = dynamic_cast<TEscherSpContainerRecord*>(Dwg->FindRoot()); shape && shape->ClientAnchor)
        shape->ClientAnchor->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo, true,
                                                      nullptr);
}

void TNoteRecord::FixDwgIds(const TDrawing& Drawing)
{
    Dwg = Drawing.FindObjId(ObjId());
}

void TNoteRecordList::FixDwgIds(const TDrawing& Drawing)
{
    for (int i = 0; i < Count(); ++i)
        Items(i)->FixDwgIds(Drawing);
}

// ---------------------------------------------------------------------------

TNoteRecordList* TNoteList::Row(int aRow) const
{
    return aRow >= 0 && aRow < Count() ? FRows[static_cast<std::size_t>(aRow)].get() : nullptr;
}

TNoteRecordList& TNoteList::EnsureRow(int aRow)
{
    if (aRow < 0 || aRow > xlr::MaxRow)
        ExcelError(msg::InvalidRow, aRow + 1);
    while (Count() <= aRow)
        FRows.push_back(std::make_unique<TNoteRecordList>());
    return *FRows[static_cast<std::size_t>(aRow)];
}

void TNoteList::AddRecord(std::unique_ptr<TNoteRecord> aRecord, int aRow)
{
    EnsureRow(aRow).Add(std::move(aRecord));
}

void TNoteList::AddNewComment(int Row, int Col, std::u16string_view Txt, TDrawing& Drawing,
                              const TImageProperties& Properties, TSheet* sSheet)
{
    auto note = TNoteRecord::CreateFromData(Row, Col, Txt, Drawing, Properties, sSheet);
    AddRecord(std::move(note), Row);
}

TNoteRecord* TNoteList::Find(int aRow, int aCol, int& Index) const
{
    TNoteRecordList* row = Row(aRow);
    if (!row || !row->Find(aCol, Index))
        return nullptr;
    return row->Items(Index);
}

void TNoteList::Delete(int aRow, int Index)
{
    if (TNoteRecordList* row = Row(aRow))
        row->Delete(Index);
}

void TNoteList::FixDwgIds(const TDrawing& Drawing)
{
    // One index for all notes: a search per note would cost notes x shapes.
    const auto index = Drawing.ObjIdIndex();
    for (const auto& row : FRows)
        for (int i = 0; i < row->Count(); ++i) {
            const auto found = index.find(row->Items(i)->ObjId());
            row->Items(i)->Dwg = found == index.end() ? nullptr : found->second;
        }
}

void TNoteList::DetachDwgs()
{
    for (const auto& row : FRows)
        for (int i = 0; i < row->Count(); ++i)
            row->Items(i)->DetachDwg();
}

void TNoteList::CopyFrom(const TNoteList& aList)
{
    for (int r = 0; r < aList.Count(); ++r)
        for (int i = 0; i < aList.FRows[static_cast<std::size_t>(r)]->Count(); ++i) {
            auto copy = aList.FRows[static_cast<std::size_t>(r)]->Items(i)->DoCopyTo();
            auto* note = static_cast<TNoteRecord*>(copy.release());
            // The copy's shape is found in the copied drawing.
            note->DetachDwg();
            AddRecord(std::unique_ptr<TNoteRecord>(note), r);
        }
}

namespace {

// Takes every note out of the rows, lets Change act on each (it may drop
// one by giving it back null) and puts them back by their new rows.
template <typename TChange>
void Rebuild(std::vector<std::unique_ptr<TNoteRecordList>>& Rows, TChange Change)
{
    std::vector<std::unique_ptr<TNoteRecord>> notes;
    for (auto& row : Rows)
        while (row->Count() > 0) {
            // Moved out without running the list's delete, which frees.
            notes.emplace_back(static_cast<TNoteRecord*>(row->Items(0)->DoCopyTo().release()));
            row->Items(0)->DetachDwg();
            row->Delete(0);
        }
    Rows.clear();
    // A change that fails leaves the notes it did not reach as they were.
    std::exception_ptr failure;
    for (auto& note : notes) {
        if (!failure) {
            try {
                Change(note);
            } catch (...) {
                failure = std::current_exception();
            }
        }
        if (!note)
            continue;
        const int row = note->Row();
        while (static_cast<int>(Rows.size()) <= row)
            Rows.push_back(std::make_unique<TNoteRecordList>());
        Rows[static_cast<std::size_t>(row)]->Add(std::move(note));
    }
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

void TNoteList::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                         const TSheetInfo& SheetInfo)
{
    Rebuild(FRows, [&](std::unique_ptr<TNoteRecord>& note) {
        note->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
    });
}

void TNoteList::InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, const TSheetInfo& SheetInfo)
{
    const int h = LastRow - FirstRow + 1;
    ArrangeInsertRowsAndCols(DestRow, aCount * h, 0, 0, SheetInfo);
    const int first = FirstRow < DestRow ? FirstRow : FirstRow + aCount * h;
    std::vector<TNoteRecord*> sources;
    for (int r = first; r < first + h; ++r)
        if (TNoteRecordList* row = Row(r))
            for (int i = 0; i < row->Count(); ++i)
                sources.push_back(row->Items(i));
    for (int k = 0; k < aCount; ++k)
        for (TNoteRecord* source : sources) {
            auto copy = std::unique_ptr<TNoteRecord>(static_cast<TNoteRecord*>(source->DoCopyTo().release()));
            copy->ArrangeCopyRowsAndCols(DestRow + k * h - first, 0);
            const int row = copy->Row();
            AddRecord(std::move(copy), row);
        }
}

void TNoteList::InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, const TSheetInfo& SheetInfo)
{
    const int w = LastCol - FirstCol + 1;
    ArrangeInsertRowsAndCols(0, 0, DestCol, aCount * w, SheetInfo);
    const int first = FirstCol < DestCol ? FirstCol : FirstCol + aCount * w;
    std::vector<TNoteRecord*> sources;
    for (const auto& row : FRows)
        for (int i = 0; i < row->Count(); ++i)
            if (row->Items(i)->Column() >= first && row->Items(i)->Column() < first + w)
                sources.push_back(row->Items(i));
    for (int k = 0; k < aCount; ++k)
        for (TNoteRecord* source : sources) {
            auto copy = std::unique_ptr<TNoteRecord>(static_cast<TNoteRecord*>(source->DoCopyTo().release()));
            copy->ArrangeCopyRowsAndCols(0, DestCol + k * w - first);
            const int row = copy->Row();
            AddRecord(std::move(copy), row);
        }
}

void TNoteList::DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo)
{
    Rebuild(FRows, [&](std::unique_ptr<TNoteRecord>& note) {
        if (note->Row() >= aRow && note->Row() < aRow + aCount)
            note.reset();
        else
            note->ArrangeInsertRowsAndCols(aRow, -aCount, 0, 0, SheetInfo);
    });
}

void TNoteList::DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo)
{
    Rebuild(FRows, [&](std::unique_ptr<TNoteRecord>& note) {
        if (note->Column() >= aCol && note->Column() < aCol + aCount)
            note.reset();
        else
            note->ArrangeInsertRowsAndCols(0, 0, aCol, -aCount, SheetInfo);
    });
}

void TNoteList::SaveToStream(TOle2File& DataStream)
{
    for (const auto& row : FRows)
        row->SaveToStream(DataStream);
}

void TNoteList::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange)
{
    for (const auto& row : FRows)
        row->SaveRangeToStream(DataStream, CellRange);
}

std::int64_t TNoteList::TotalSize() const
{
    std::int64_t size = 0;
    for (const auto& row : FRows)
        size += row->TotalSize();
    return size;
}

std::int64_t TNoteList::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    std::int64_t size = 0;
    for (const auto& row : FRows)
        size += row->TotalRangeSize(CellRange, false);
    return size;
}
