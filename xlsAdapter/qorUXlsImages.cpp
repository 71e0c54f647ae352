// Pixel rectangles <-> anchors, and stored pictures back to files.
#include "xlsAdapter/qorUXlsImages.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/PngImage.h"
#include "xlsAdapter/qorUExcelAdapter.h"

#include <algorithm>
#include <cmath>
#include <zlib.h>

namespace xlsAdapter {

namespace {

constexpr int LastRow = 65536, LastCol = 256;
constexpr int StoredHeaderSize = 34;

int RoundEven(long double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

// Offset units of a part of a cell; 0 in a cell of no size.
int Units(long double Part, long double Whole, int Scale)
{
    return Whole > 0 ? RoundEven(Part * Scale / Whole) : 0;
}

} // namespace

long double ColumnWidthInPixels(TExcelFile& File, int c)
{
    return File.GetColumnWidthHiddenIsZero(c) / (256.0L / 7.0L);
}

long double RowHeightInPixels(TExcelFile& File, int r)
{
    return (File.IsEmptyRow(r) ? File.DefaultRowHeight() : File.GetRowHeight(r)) / 15.0L;
}

void ImageAnchorFromPixels(TExcelFile* File, int Row, int Col, int YOffset, int XOffset, long double Height,
                           long double Width, TImageProperties& Properties)
{
    if (!File)
        ExcelError(msg::NoOpenFile);
    Properties = {};
    auto w = [&](int c) { return ColumnWidthInPixels(*File, c); };
    auto h = [&](int r) { return RowHeightInPixels(*File, r); };
    // The walks stop at the sheet's edge: columns or rows of no size would
    // otherwise never use up the offset.
    int c = Col;
    long double x = XOffset;
    while (c >= 1 && c < LastCol && w(c) < x) {
        x -= w(c);
        ++c;
    }
    int r = Row;
    long double y = YOffset;
    while (r >= 1 && r < LastRow && h(r) < y) {
        y -= h(r);
        ++r;
    }
    if (r < 1) {
        r = 1;
        y = 0;
    }
    if (c < 1) {
        c = 1;
        x = 0;
    }
    Properties.Row1 = r;
    Properties.Col1 = c;
    Properties.dx1 = Units(x, w(c), 1024);
    Properties.dy1 = Units(y, h(r), 255);

    int r2 = r;
    long double covered = h(r) - y;
    while (RoundEven(covered) < Height && r2 < LastRow + LastRow) {
        ++r2;
        // Rows past the sheet count at the default height.
        covered += r2 <= LastRow ? h(r2) : File->DefaultRowHeight() / 15.0L;
    }
    Properties.Row2 = r2;
    Properties.dy2 = r2 <= LastRow ? Units(h(r2) - (covered - Height), h(r2), 255) : 0;

    int c2 = c;
    covered = w(c) - x;
    while (RoundEven(covered) < Width && c2 < LastCol + LastCol) {
        ++c2;
        covered += c2 <= LastCol ? w(c2) : File->DefaultColWidth() / (256.0L / 7.0L);
    }
    Properties.Col2 = c2;
    Properties.dx2 = c2 <= LastCol ? Units(w(c2) - (covered - Width), w(c2), 1024) : 0;

    if (Properties.Row2 > LastRow) {
        Properties.Row1 -= Properties.Row2 - LastRow;
        Properties.Row2 = LastRow;
    }
    if (Properties.Col2 > LastCol) {
        Properties.Col1 -= Properties.Col2 - LastCol;
        Properties.Col2 = LastCol;
    }
    Properties.Col1 = std::max(Properties.Col1, 1);
    Properties.Row1 = std::max(Properties.Row1, 1);
}

void ImageExtentFromAnchor(TExcelFile& File, const TClientAnchor& A, long double& XOffset, long double& YOffset,
                           long double& Width, long double& Height)
{
    auto w = [&](int c) { return ColumnWidthInPixels(File, c); };
    auto h = [&](int r) { return RowHeightInPixels(File, r); };
    Width = 0;
    for (int c = A.Col1; c < A.Col2; ++c)
        Width += w(c);
    XOffset = w(A.Col1) * A.Dx1 / 1024;
    Width += w(A.Col2) * A.Dx2 / 1024 - XOffset;
    Height = 0;
    for (int r = A.Row1; r < A.Row2; ++r)
        Height += h(r);
    YOffset = h(A.Row1) * A.Dy1 / 255;
    Height += h(A.Row2) * A.Dy2 / 255 - YOffset;
}

void ImageSizeFromAnchor(TExcelFile& File, const TClientAnchor& Anchor, int& Width, int& Height)
{
    long double x = 0, y = 0, w = 0, h = 0;
    ImageExtentFromAnchor(File, Anchor, x, y, w, h);
    Width = RoundEven(w);
    Height = RoundEven(h);
}

std::uint16_t MetafileHeaderChecksum(const std::uint8_t* Header)
{
    std::uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= static_cast<std::uint16_t>(Header[2 * i] | (Header[2 * i + 1] << 8));
    return sum;
}

void InflateXlsMetafile(TStream& Dest, TStream& Source, TXlsImgTypes ImgType, bool& Handled)
{
    Handled = true;
    const std::int64_t start = Source.Position();
    ByteArray head(StoredHeaderSize);
    Source.ReadBuffer(head.data(), StoredHeaderSize);
    const std::uint32_t announced = GetCardinal(head, 0);
    if (ImgType == xli_Wmf) {
        std::uint8_t placeable[22] = {0xD7, 0xCD, 0xC6, 0x9A};
        for (int i = 0; i < 4; ++i)
            SetWord(std::span(placeable), 6 + 2 * i, static_cast<std::uint16_t>(GetCardinal(head, 4 + 4 * i)));
        SetWord(std::span(placeable), 14, 96);
        SetWord(std::span(placeable), 20, MetafileHeaderChecksum(placeable));
        Dest.WriteBuffer(placeable, sizeof placeable);
    }
    ByteArray data(static_cast<std::size_t>(Source.Size() - start - StoredHeaderSize));
    Source.ReadBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    if (head[32] != 0) {
        Dest.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
        return;
    }
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        ExcelError(msg::WmfInvalid);
    z.next_in = data.data();
    z.avail_in = static_cast<uInt>(data.size());
    std::uint8_t buffer[2048];
    // The data never grows past the size the header gives it (a WMF's
    // placeable header counted there is written separately).
    std::int64_t left = announced;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        result = inflate(&z, Z_NO_FLUSH);
        const std::int64_t produced = static_cast<std::int64_t>(sizeof buffer - z.avail_out);
        if ((result != Z_OK && result != Z_STREAM_END) || produced > left || (result == Z_OK && produced == 0)) {
            inflateEnd(&z);
            ExcelError(msg::WmfInvalid);
        }
        left -= produced;
        Dest.WriteBuffer(buffer, produced);
    }
    inflateEnd(&z);
}

void LoadXlsMetafileIntoPicture(TPicture&, TStream& Stream, TXlsImgTypes ImgType, bool& Handled)
{
    // The file is rebuilt (so it can be handed on), but no graphic class
    // here draws metafiles.
    TMemoryStream file;
    InflateXlsMetafile(file, Stream, ImgType, Handled);
    Handled = false;
}

void LoadXlsImageIntoPicture(TStream& Stream, TXlsImgTypes ImgType, TPicture& Picture, bool& Handled)
{
    Handled = true;
    switch (ImgType) {
    case xli_Emf:
    case xli_Wmf:
        LoadXlsMetafileIntoPicture(Picture, Stream, ImgType, Handled);
        return;
    case xli_Jpeg: {
        TJPEGImage jpeg;
        jpeg.LoadFromStream(Stream);
        Picture.SetGraphic(&jpeg);
        return;
    }
    case xli_Png: {
        TPngImage png;
        png.LoadFromStream(Stream);
        Picture.SetGraphic(&png);
        return;
    }
    case xli_Bmp: {
        TBitmap bitmap;
        bitmap.LoadFromStream(Stream);
        Picture.SetGraphic(&bitmap);
        return;
    }
    case xli_Unknown:
        break;
    }
    Handled = false;
}

} // namespace xlsAdapter
