// The file object's pictures and comments on the active sheet: 1-based
// rows and columns, pictures addressed by row through the by-row index.
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/Strings.h"

using namespace xlsAdapter;

namespace {

TImageProperties Shifted(TImageProperties P)
{
    --P.Col1;
    --P.Row1;
    --P.Col2;
    --P.Row2;
    return P;
}

} // namespace

void TXLSFile::IndexRowPictures()
{
    RowPictures = std::make_unique<TRowComments>();
    if (TWorkSheet* sheet = ActiveWorkSheet())
        for (int i = 0; i < sheet->Drawing().DrawingCount(); ++i)
            RowPictures->Add(sheet->Drawing().GetDrawingRow(i) + 1, i);
}

int TXLSFile::PictureIndex(int Row, int aPos)
{
    if (Row <= 0)
        return aPos;
    if (!RowPictures)
        IndexRowPictures();
    const TCommentRowPos& row = (*RowPictures)[Row];
    if (aPos < 0 || aPos >= static_cast<int>(row.size()))
        ExcelError(msg::IndexOutOfRange, aPos, "PictureIndex", 0, static_cast<int>(row.size()) - 1);
    return row[static_cast<std::size_t>(aPos)];
}

int TXLSFile::GetPicturesCount(int Row)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return 0;
    if (Row <= 0)
        return sheet->Drawing().DrawingCount();
    if (!RowPictures)
        IndexRowPictures();
    return static_cast<int>((*RowPictures)[Row].size());
}

std::string TXLSFile::GetPictureName(int Row, int aPos)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? rtl::Utf16ToUtf8(sheet->Drawing().GetDrawingName(PictureIndex(Row, aPos))) : std::string();
}

void TXLSFile::AssignPicture(int Row, int aPos, const ByteArray& Pic, TXlsImgTypes PicType)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->Drawing().AssignDrawing(PictureIndex(Row, aPos), Pic, PicType);
}

void TXLSFile::AssignPicture(int Row, int aPos, const ByteArray& Pic, TXlsImgTypes PicType,
                             const TImageProperties& Props, TVyxAnchorType Anchor)
{
    AssignPicture(Row, aPos, Pic, PicType);
    AssignPictureProperties(Row, aPos, Props, Anchor);
}

void TXLSFile::AssignPictureProperties(int Row, int aPos, const TImageProperties& Props, TVyxAnchorType Anchor)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    const std::uint16_t flags[] = {0, 2, 3};
    const TImageProperties p = Shifted(Props);
    auto w = [](std::int32_t v) { return static_cast<std::uint16_t>(v); };
    const TClientAnchor anchor{flags[Anchor], w(p.Col1), w(p.dx1), w(p.Row1), w(p.dy1),
                               w(p.Col2),     w(p.dx2),  w(p.Row2), w(p.dy2)};
    sheet->Drawing().SetAnchor(PictureIndex(Row, aPos), anchor, sheet);
}

void TXLSFile::GetPicture(int Row, int aPos, TStream* Pic, TXlsImgTypes& PicType, TClientAnchor& Anchor)
{
    Anchor = {};
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    const int index = PictureIndex(Row, aPos);
    if (Pic) {
        ByteArray data;
        sheet->Drawing().GetDrawingFromStream(index, data, PicType);
        Pic->WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    }
    Anchor = sheet->Drawing().GetAnchor(index);
    ++Anchor.Col1;
    ++Anchor.Col2;
    ++Anchor.Row1;
    ++Anchor.Row2;
}

void TXLSFile::DeleteImage(int Index)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    const int count = sheet->Drawing().DrawingCount();
    if (Index < 0 || Index >= count)
        ExcelError(msg::IndexOutOfRange, Index, "ImageIndex", 0, count - 1);
    sheet->Drawing().DeleteImage(Index);
}

void TXLSFile::ClearImage(int Index)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    const int count = sheet->Drawing().DrawingCount();
    if (Index < 0 || Index >= count)
        ExcelError(msg::IndexOutOfRange, Index, "ImageIndex", 0, count - 1);
    sheet->Drawing().ClearImage(Index);
}

void TXLSFile::AddImage(const ByteArray& Data, TXlsImgTypes DataType, const TImageProperties& Properties,
                        TVyxAnchorType Anchor)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    Workbook().Globals().DrawingGroup().EnsureDwgGroup();
    sheet->EnsureObjectsSlot();
    sheet->Drawing().AddImage(Data, DataType, Shifted(Properties), Anchor, sheet);
    IsFileModified = true;
}

// ---------------------------------------------------------------------------

int TXLSFile::GetCommentsCount(int Row)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    const TNoteRecordList* row = sheet ? sheet->Notes().Row(Row - 1) : nullptr;
    return row ? row->Count() : 0;
}

namespace {
TNoteRecord* NoteAt(TWorkSheet* Sheet, int Row, int aPos)
{
    const TNoteRecordList* row = Sheet ? Sheet->Notes().Row(Row - 1) : nullptr;
    if (!row)
        return nullptr;
    if (aPos < 0 || aPos >= row->Count())
        ExcelError(msg::IndexOutOfRange, aPos, "CommentIndex", 0, row->Count() - 1);
    return row->Items(aPos);
}
} // namespace

std::string TXLSFile::GetCommentText(int Row, int aPos)
{
    TNoteRecord* note = NoteAt(ActiveWorkSheet(), Row, aPos);
    return note ? rtl::Utf16ToUtf8(note->Text()) : std::string();
}

int TXLSFile::GetCommentColumn(int Row, int aPos)
{
    TNoteRecord* note = NoteAt(ActiveWorkSheet(), Row, aPos);
    return note ? note->Column() + 1 : 1;
}

void TXLSFile::AssignComment(int Row, int aPos, std::string_view Comment)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    TNoteRecord* note = NoteAt(sheet, Row, aPos);
    if (!note)
        return;
    if (Comment.empty())
        sheet->Notes().Delete(Row - 1, aPos);
    else
        note->SetText(rtl::Utf8ToUtf16(Comment));
    IsFileModified = true;
}

std::string TXLSFile::GetCellComment(int Row, int Col)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    int index = 0;
    const TNoteRecord* note = sheet ? sheet->Notes().Find(Row - 1, Col - 1, index) : nullptr;
    return note ? rtl::Utf16ToUtf8(note->Text()) : std::string();
}

void TXLSFile::SetCellComment(int Row, int Col, std::string_view Value, const TImageProperties& Properties)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    int index = 0;
    if (TNoteRecord* note = sheet->Notes().Find(Row - 1, Col - 1, index)) {
        if (Value.empty())
            sheet->Notes().Delete(Row - 1, index);
        else
            note->SetText(rtl::Utf8ToUtf16(Value));
    } else if (!Value.empty()) {
        Workbook().Globals().DrawingGroup().EnsureDwgGroup();
        sheet->EnsureObjectsSlot();
        sheet->Notes().AddNewComment(Row - 1, Col - 1, rtl::Utf8ToUtf16(Value), sheet->Drawing(), Shifted(Properties),
                                     sheet);
    }
    IsFileModified = true;
}
