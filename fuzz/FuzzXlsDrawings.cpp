// Fuzzes the drawing model of workbooks: the input is a Workbook stream in a
// copy of a real container. A stream that opens has its pictures, comments
// and hyperlinks read, rows and columns inserted, copied and deleted around
// them, a picture and a comment added and a sheet copied; what it saves must
// open again.
#include "fuzz/XlsFuzzSupport.h"
#include "platform/classes/Streams.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void ReadDrawings(TXLSFile& file)
{
    for (int sheet = 1; sheet <= file.SheetCount(); ++sheet) {
        file.SetActiveSheet(sheet);
        file.BeginSheet();
        for (int i = 0; i < file.GetPicturesCount(0); ++i) {
            TMemoryStream data;
            TXlsImgTypes type = xli_Unknown;
            TClientAnchor anchor;
            file.GetPicture(0, i, &data, type, anchor);
            (void)file.GetPictureName(0, i);
        }
        for (int row = 1; row <= 80; ++row)
            for (int i = 0; i < file.GetCommentsCount(row); ++i)
                (void)file.GetCommentText(row, i);
        for (int i = 1; i <= file.HyperLinkCount(); ++i)
            (void)file.GetHyperLink(i);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream input;
    xlsfuzz::WrapAsWorkbook(data, size, input);
    TXLSFile file(nullptr);
    file.Connect();
    TMemoryStream saved;
    try {
        file.LoadFromStream(input);
        ReadDrawings(file);
        if (file.SheetCount() > 0 && file.IsWorksheet(1)) {
            file.SetActiveSheet(1);
            file.InsertAndCopyRows(1, 3, 5, 2, false);
            file.InsertAndCopyCols(1, 2, 4, 1, false);
            file.DeleteRows(2, 3);
            file.DeleteCols(1, 1);
            file.SetRowHeight(2, 900);
            const ByteArray picture{'B', 'M', 0, 0};
            file.AddImage(picture, xli_Bmp, {1, 0, 1, 0, 2, 0, 3, 0, "p"}, at_DontMoveAndDontResize);
            file.SetCellComment(3, 3, "note", {4, 0, 3, 0, 6, 0, 7, 0, ""});
            file.InsertAndCopySheets(1, 2, 1);
        }
        file.Save(false, {}, nullptr, nullptr, &saved);
    } catch (const Exception&) {
        return 0;
    }
    saved.SetPosition(0);
    TXLSFile again(nullptr);
    again.Connect();
    try {
        again.LoadFromStream(saved);
    } catch (const Exception&) {
        // What the engine wrote it must read.
        std::abort();
    }
    ReadDrawings(again);
    return 0;
}
