// How the export translates a cell's borders, colours and picture into the
// workbook's terms.
#include "spreadsheet/QuillGridExcelIO.h"

#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"
#include "xlsAdapter/qorUExcelAdapter.h"
#include "xlsAdapter/qorUXlsImages.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int LastMappedPaletteEntry = 55;

long long ColorDistance(std::uint32_t A, std::uint32_t B)
{
    const auto part = [](std::uint32_t c, int shift) { return static_cast<long long>((c >> shift) & 0xFF); };
    long long sum = 0;
    for (int shift : {0, 8, 16}) {
        const long long d = part(A, shift) - part(B, shift);
        sum += d * d;
    }
    return sum;
}

// The entry of 1..55 nearest to Color among those Accept takes (exact match
// first, then the lowest entry of the smallest distance); 0 when none is taken.
template <class Accept>
int NearestEntry(TExcelFile& File, std::uint32_t Color, Accept accept)
{
    int best = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (int i = 1; i <= LastMappedPaletteEntry; ++i) {
        if (!accept(i)) continue;
        const long long d = ColorDistance(File.GetColorPalette(i) & 0xFFFFFF, Color);
        if (d == 0) return i;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

void TQuillGridExcelIO::ReadUsedColors(TExcelFile& File, std::vector<bool>& UsedColors)
{
    UsedColors.clear();
    if (!FOptions->UseExcelStandardColorPalette()) UsedColors = File.GetUsedPaletteColors();
}

int TQuillGridExcelIO::PaletteIndexOfColor(TExcelFile& File, TColor Color, std::vector<bool>& UsedColors)
{
    const auto rgb = static_cast<std::uint32_t>(ColorToRGB(Color)) & 0xFFFFFF;
    const int nearest = NearestEntry(File, rgb, [](int) { return true; });
    if (UsedColors.empty()) return nearest;
    if (ColorDistance(File.GetColorPalette(nearest) & 0xFFFFFF, rgb) == 0) return nearest;
    for (size_t i = 0; i < 3 && i < UsedColors.size(); ++i) UsedColors[i] = true;
    const int freeEntry = NearestEntry(File, rgb, [&](int i) {
        return static_cast<size_t>(i) < UsedColors.size() && !UsedColors[static_cast<size_t>(i)];
    });
    if (freeEntry == 0) return nearest;
    File.SetColorPalette(freeEntry, rgb);
    UsedColors[static_cast<size_t>(freeEntry)] = true;
    return freeEntry;
}

void TQuillGridExcelIO::ExportCellBorders(int ACol, int ARow, TRowBorderArray& Borders, int /*SpanY*/, int SpanX,
                                          TVyxFormat& Fmt, TExcelFile& File, std::vector<bool>& UsedColors)
{
    TQuillStringGrid& g = *CurrentGrid();
    const int entries = static_cast<int>(Borders.size());
    SpanX = std::clamp(SpanX, 0, std::max(entries - ACol - 2, 0));
    if (ACol < 0 || ACol + SpanX + 1 >= entries) return;

    TPen pen;
    TCellBorders sides;
    g.DoGetCellBorder(ACol, ARow, &pen, sides);
    TPen left, top, right, bottom;
    left.Assign(&pen);
    top.Assign(&pen);
    right.Assign(&pen);
    bottom.Assign(&pen);
    if (g.OnGetCellBorderProp) g.OnGetCellBorderProp(&g, ARow, ACol, &left, &top, &right, &bottom);

    if (FOptions->ExportHardBorders() && g.GridLineWidth() > 0) {
        const auto hard = [&](TCellBorder side, TPen& sidePen) {
            if (sides.Contains(side)) return;
            sides.Include(side);
            sidePen.SetColor(g.GridLineColor());
        };
        if (g.Options().Contains(goVertLine)) {
            hard(cbLeft, left);
            hard(cbRight, right);
        }
        if (g.Options().Contains(goHorzLine)) {
            hard(cbTop, top);
            hard(cbBottom, bottom);
        }
    }
    const auto thin = [&](TVyxOneBorder& border, int colorIndex) {
        border.Style = fbs_Thin;
        border.ColorIndex = colorIndex;
    };
    TOneRowBorder& above = Borders[static_cast<size_t>(ACol)];
    if (sides.Contains(cbTop))
        thin(Fmt.Borders.Top, PaletteIndexOfColor(File, top.Color(), UsedColors));
    else if (above.HasBottom)
        thin(Fmt.Borders.Top, above.BottomColor);

    // A spanning cell reads the carry where its left neighbour stored its right border.
    TOneRowBorder& leftOf = Borders[static_cast<size_t>(ACol)];
    if (sides.Contains(cbLeft))
        thin(Fmt.Borders.Left, PaletteIndexOfColor(File, left.Color(), UsedColors));
    else if (leftOf.HasRight)
        thin(Fmt.Borders.Left, leftOf.RightColor);

    if (sides.Contains(cbBottom)) {
        const int index = PaletteIndexOfColor(File, bottom.Color(), UsedColors);
        thin(Fmt.Borders.Bottom, index);
        for (int i = ACol; i <= ACol + SpanX; ++i) {
            Borders[static_cast<size_t>(i)].HasBottom = true;
            Borders[static_cast<size_t>(i)].BottomColor = index;
        }
    } else {
        for (int i = ACol; i <= ACol + SpanX; ++i) Borders[static_cast<size_t>(i)].HasBottom = false;
    }
    TOneRowBorder& next = Borders[static_cast<size_t>(ACol + SpanX + 1)];
    if (sides.Contains(cbRight)) {
        const int index = PaletteIndexOfColor(File, right.Color(), UsedColors);
        thin(Fmt.Borders.Right, index);
        next.HasRight = true;
        next.RightColor = index;
    } else {
        next.HasRight = false;
    }
}

void TQuillGridExcelIO::ExportCellImage(TExcelFile& File, TGraphic& Graphic, int xr, int xc, int ACol, int ARow)
{
    TQuillStringGrid& g = *CurrentGrid();
    TMemoryStream data;
    TXlsImgTypes type = xli_Jpeg;
    if (dynamic_cast<TPngImage*>(&Graphic)) {
        type = xli_Png;
        Graphic.SaveToStream(data);
    } else if (dynamic_cast<TJPEGImage*>(&Graphic)) {
        Graphic.SaveToStream(data);
    } else {
        TBitmap bitmap;
        bitmap.SetWidth(Graphic.Width());
        bitmap.SetHeight(Graphic.Height());
        bitmap.Canvas()->Draw(0, 0, &Graphic);
        TJPEGImage jpeg;
        jpeg.Assign(&bitmap);
        jpeg.SaveToStream(data);
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data.Memory());
    const ByteArray picture(bytes, bytes + data.Size());

    const TPoint extent = g.GetCellGraphicExtent(ACol, ARow, g.ColWidths(ACol), g.RowHeights(ARow), 1.0);
    const TPoint cell = g.CellSize(ACol, ARow);
    int dx = 1, dy = 1;
    const TCellGraphic* graphic = g.GetCellGraphic(ACol, ARow);
    const TCellHAlign ha = graphic ? graphic->CellHAlign() : haLeft;
    const TCellVAlign va = graphic ? graphic->CellVAlign() : vaTop;
    if (ha == haRight)
        dx = cell.X - extent.X;
    else if (ha == haCenter && extent.X < cell.X)
        dx = (cell.X - extent.X) / 2;
    if (va == vaBottom)
        dy = cell.Y - extent.Y;
    else if (va == vaCenter && extent.Y < cell.Y)
        dy = (cell.Y - extent.Y) / 2;
    TImageProperties anchor;
    xlsAdapter::ImageAnchorFromPixels(&File, xr, xc, dy, dx, extent.Y, extent.X, anchor);
    File.AddImage(picture, type, anchor, at_MoveAndDontResize);
}
