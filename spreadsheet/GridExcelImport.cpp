// Workbook import: the sheets of a binary workbook into the linked grid or
// workbook control, with sizes, merges, looks, values, pictures and outline.
#include "spreadsheet/QuillGridExcelIO.h"

#include "grid/QuillGrid.h"
#include "grid/model/PrintSettings.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/QuillGridWorkbook.h"
#include "xlsAdapter/qorUExcelAdapter.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUVyxNumberFormat.h"
#include "xlsAdapter/qorUXlsImages.h"

#include <cmath>

namespace {

constexpr int Dates1904Offset = 1462;
constexpr long double TwipsPerPixel = 15.0L;
constexpr long double CharUnitsPerPixel = 256.0L / 7.0L;
constexpr int PrintOptionNoPrinterSettings = 4;
constexpr int PrintOptionPortrait = 2;
constexpr int DeepestOutlineLevel = 7;

// Round half to even, as every unit conversion of the import does.
int RoundEven(long double Value) { return static_cast<int>(std::nearbyint(Value)); }


// CR LF line breaks throughout.
std::string NormalizeLineBreaks(const std::string& Text)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        const char ch = Text[i];
        if (ch == '\r') {
            out += "\r\n";
            if (i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        } else if (ch == '\n') {
            out += "\r\n";
        } else {
            out += ch;
        }
    }
    return out;
}

TColor PaletteOr(TExcelFile& File, int Index, TColor Default)
{
    return Index >= 1 && Index <= 56 ? static_cast<TColor>(File.GetColorPalette(Index)) : Default;
}

} // namespace

void TQuillGridExcelIO::XLSImport(const std::string& FileName)
{
    ImportFile(FileName, FQuillGridWorkbook ? -1 : 1, {});
    if (FQuillGridWorkbook && !FOptions->ImportActiveSheet()) FQuillGridWorkbook->SetActiveSheet(0);
}

void TQuillGridExcelIO::XLSImport(const std::string& FileName, int SheetNumber) { ImportFile(FileName, SheetNumber, {}); }

void TQuillGridExcelIO::XLSImport(const std::string& FileName, const std::string& SheetName)
{
    if (SheetName.empty()) throw Exception(Format("Invalid sheet name: \"%s\"", {SheetName}));
    ImportFile(FileName, -1, SheetName);
}

void TQuillGridExcelIO::OpenTextFile(TExcelFile&, const std::string&, char) {}

void TQuillGridExcelIO::ImportFile(const std::string& FileName, int SheetNumber, const std::string& SheetName)
{
    const bool allSheets = FQuillGridWorkbook && SheetNumber < 0 && SheetName.empty();
    int index = SheetNumber;
    RequireGrid();
    std::unique_ptr<TExcelFile> file = CreateWorkbookFile();
    rtl::ScopeExit freer([&] { FreeWorkbookFile(file); });

    const std::string ext = UpperCase(ExtractFileExt(FileName));
    if (ext == ".CSV")
        OpenTextFile(*file, FileName, FormatSettings().ListSeparator);
    else if (ext == ".TXT")
        OpenTextFile(*file, FileName, '\t');
    else
        file->OpenFile(FileName);

    if (allSheets) {
        FQuillGridWorkbook->SetActiveSheet(0);
        if (FOptions->ImportClearCells()) FQuillGridWorkbook->Sheets().Clear();
    }
    const int active = file->ActiveSheet();
    const int count = file->SheetCount();
    FSheetNames.assign(static_cast<size_t>(std::max(count, 0)), std::string());
    FWorkSheetNum = count;
    const std::string wanted = UpperSheetName(SheetName);
    for (int i = 1; i <= count; ++i) {
        FWorkSheet = i;
        file->SetActiveSheet(i);
        const std::string name = file->ActiveSheetName();
        FSheetNames[static_cast<size_t>(i - 1)] = name;
        if (!SheetName.empty() && wanted == UpperSheetName(name)) index = i;
        if (allSheets) {
            FQuillGridWorkbook->Sheets().Add();
            FQuillGridWorkbook->SetActiveSheet(i - 1);
            FQuillGridWorkbook->Sheets().GetItem(i - 1)->SetName(name);
            file->ParseComments();
            ImportSheet(*file);
            CurrentGrid()->SetVAlignment(vtaBottom);
        }
    }
    if (!allSheets) {
        FWorkSheetNum = 1;
        FWorkSheet = 1;
        if (!SheetName.empty() && index < 1) throw Exception(Format("Invalid sheet name: \"%s\"", {SheetName}));
        if (index < 1) index = 1;
        if (index > count)
            throw Exception(Format("The index \"%d\" of the property \"%s\" is not in the range %d-%d",
                                   {index, "ActiveSheet", 1, count}));
        file->SetActiveSheet(index);
        file->SelectSheet(index);
        file->ParseComments();
        ImportSheet(*file);
        CurrentGrid()->SetVAlignment(vtaBottom);
    }
    if (allSheets && FOptions->ImportActiveSheet()) FQuillGridWorkbook->SetActiveSheet(active - 1);
}

void TQuillGridExcelIO::ImportSheet(TExcelFile& File)
{
    TQuillStringGrid* grid = CurrentGrid();
    if (!grid) throw EAssertionFailed("The import has no grid");
    TQuillStringGrid& g = *grid;
    g.BeginUpdate();
    rtl::ScopeExit endUpdate([&] { g.EndUpdate(); });

    const long double z = (FZoomSaved ? File.SheetZoom() : FZoom) / 100.0L;
    const TPoint offset = g.XYOffset();
    const auto rowPixels = [&](int twips) { return RoundEven(twips / TwipsPerPixel * z) + offset.Y; };
    const auto colPixels = [&](int width) { return RoundEven(width / CharUnitsPerPixel * z) + offset.X; };

    if (FOptions->ImportClearCells()) g.Clear();
    if (FOptions->ImportPrintOptions()) {
        const int options = File.PrintOptions();
        if ((options & PrintOptionNoPrinterSettings) == 0)
            g.PrintSettings().SetOrientation((options & PrintOptionPortrait) ? poPortrait : poLandscape);
    }
    if (FAutoResizeGrid) {
        const int needRows = File.MaxRow() - FXlsStartRow + 1 + FGridStartRow;
        if (g.FixedRows() < needRows) g.SetRowCount(needRows);
        const int needCols = File.MaxCol() - FXlsStartCol + 1 + FGridStartCol;
        if (g.FixedCols() < needCols) g.SetColCount(needCols);
    }
    if (FOptions->ImportCellSizes()) {
        g.SetDefaultRowHeight(rowPixels(File.DefaultRowHeight()));
        g.SetDefaultColWidth(colPixels(File.DefaultColWidth()));
    }
    ImportPictures(File, z);

    const int lastRow = std::min(File.MaxRow(), g.RowCount() + FXlsStartRow - FGridStartRow - 1);
    const int lastCol = std::min(File.MaxCol(), g.ColCount() + FXlsStartCol - FGridStartCol - 1);
    const auto gridRow = [&](int r) { return FGridStartRow + r - FXlsStartRow; };
    const auto gridCol = [&](int c) { return FGridStartCol + c - FXlsStartCol; };

    for (int r = FXlsStartRow; r <= lastRow; ++r) {
        if (FOptions->ImportCellSizes()) g.SetRowHeights(gridRow(r), rowPixels(File.GetRowHeight(r)));
        const int rowXF = File.GetRowFormat(r);
        if (rowXF >= 0 && FOptions->ImportCellProperties()) {
            const TVyxFormat fmt = File.GetFormatList(rowXF);
            g.SetRowColor(gridRow(r), FillColorOfFormat(File, fmt));
            if (fmt.Font.ColorIndex >= 1 && fmt.Font.ColorIndex <= 56)
                g.SetRowFontColor(gridRow(r), PaletteOr(File, fmt.Font.ColorIndex, clBlack));
        }
    }
    if (FOptions->ImportCellSizes())
        for (int c = FXlsStartCol; c <= lastCol; ++c) g.SetColWidths(gridCol(c), colPixels(File.GetColumnWidth(c)));

    for (int r = FXlsStartRow; r <= lastRow; ++r) {
        for (int c = FXlsStartCol; c <= lastCol; ++c) ImportCell(File, g, r, c, z);
        if (FOptions->ImportCellProperties()) {
            const int comments = File.GetCommentsCount(r);
            for (int i = 0; i < comments; ++i)
                g.AddComment(File.GetCommentColumn(r, i) + FGridStartCol - FXlsStartCol, gridRow(r),
                             File.GetCommentText(r, i));
        }
        ReportProgress(r - FXlsStartRow, lastRow - FXlsStartRow);
    }
    if (FOptions->ImportCellProperties()) ImportOutline(File, FXlsStartRow, lastRow);
}

void TQuillGridExcelIO::ImportCell(TExcelFile& File, TQuillStringGrid& g, int r, int c, long double z)
{
    const int gc = FGridStartCol + c - FXlsStartCol;
    const int gr = FGridStartRow + r - FXlsStartRow;
    TVyxFormat fmt;
    ReadCellFormat(File, r, c, fmt);
    const TXlsCellRange range = File.GetCellMergedBounds(r, c);
    if (range.Left != c || range.Top != r) return;
    if (range.Right > c || range.Bottom > r)
        g.MergeCells(gc, gr, range.Right - range.Left + 1, range.Bottom - range.Top + 1);
    if (FOptions->ImportLockedCellsAsReadonly()) g.SetReadOnly(gc, gr, fmt.Locked);

    const bool props = FOptions->ImportCellProperties();
    if (props) {
        const TVyxFont& font = fmt.Font;
        g.SetFontColors(gc, gr, PaletteOr(File, font.ColorIndex, clBlack));
        g.SetFontSizes(gc, gr, static_cast<int>(std::trunc(font.Size20 / 20.0L * z)));
        g.SetFontNames(gc, gr, font.Name);
        TFontStyles styles;
        if (font.Style.Contains(flsBold)) styles.Include(fsBold);
        if (font.Style.Contains(flsItalic)) styles.Include(fsItalic);
        if (font.Style.Contains(flsStrikeOut)) styles.Include(fsStrikeOut);
        if (font.Underline != fu_None) styles.Include(fsUnderline);
        g.SetFontStyles(gc, gr, styles);
        g.SetColors(gc, gr, FillColorOfFormat(File, fmt));
        if (fmt.Rotation >= 1 && fmt.Rotation <= 90)
            g.SetRotated(gc, gr, fmt.Rotation);
        else if (fmt.Rotation >= 91 && fmt.Rotation <= 180)
            g.SetRotated(gc, gr, 90 - fmt.Rotation);
    }

    Variant value = File.GetCellValue(r, c);
    if (props) {
        TAlignment align;
        switch (fmt.HAlignment) {
        case fha_left: align = taLeftJustify; break;
        case fha_center: align = taCenter; break;
        case fha_right: align = taRightJustify; break;
        default:
            align = value.VarType() == varBoolean  ? taCenter
                    : value.VarType() == varString ? taLeftJustify
                                                   : taRightJustify;
        }
        if (FOptions->ImportFormulas()) {
            const std::string formula = File.GetCellFormula(r, c);
            if (!formula.empty() && formula[0] == '=') value = Variant(formula);
        }
        g.SetAlignments(gc, gr, align);
    }

    int color = g.FontColors(gc, gr);
    const std::string text = ApplyNumberFormat(value, fmt.Format, File.Options1904Dates(), nullptr, color);
    if (props) g.SetFontColors(gc, gr, color);

    const auto putText = [&](bool normalise) {
        if (FUseUnicode)
            g.SetWideCells(gc, gr, ExpandLineFeeds(rtl::Utf8ToUtf16(text)));
        else
            g.SetCells(gc, gr, normalise ? NormalizeLineBreaks(text) : text);
    };
    if (FOptions->ImportCellFormats()) {
        putText(true);
        return;
    }
    switch (value.VarType()) {
    case varInteger:
    case varLongWord:
        g.SetInts(gc, gr, value.AsInteger());
        break;
    case varDouble:
    case varCurrency:
    case varInt64:
    case varUInt64: {
        bool hasDate = false, hasTime = false;
        NumberFormatHasDateTime(fmt.Format, hasDate, hasTime);
        if (hasDate || hasTime) {
            const double shift = File.Options1904Dates() ? Dates1904Offset : 0;
            if (hasDate && hasTime)
                putText(false);
            else if (hasDate)
                g.SetDates(gc, gr, value.AsDouble() + shift);
            else
                g.SetTimes(gc, gr, value.AsDouble() + shift);
        } else {
            g.SetFloats(gc, gr, value.AsDouble());
        }
        break;
    }
    case varDate:
        g.SetDates(gc, gr, value.AsDate());
        break;
    default:
        putText(false);
    }
}

void TQuillGridExcelIO::ImportPictures(TExcelFile& File, long double z)
{
    if (!FOptions->ImportImages()) return;
    TQuillStringGrid& g = *CurrentGrid();
    const int count = File.GetPicturesCount(-1);
    for (int i = 0; i < count; ++i) {
        TMemoryStream data;
        TXlsImgTypes type = xli_Unknown;
        TClientAnchor anchor;
        File.GetPicture(-1, i, &data, type, anchor);
        const int col = anchor.Dx1 > 512 ? anchor.Col1 + 1 : anchor.Col1;
        const int row = anchor.Dy1 > 127 ? anchor.Row1 + 1 : anchor.Row1;
        const int colSpan = anchor.Col2 - col + 1;
        const int rowSpan = anchor.Row2 - row + 1;
        if (FAutoResizeGrid) {
            const int needCols = anchor.Col2 + FGridStartCol - FXlsStartCol + 2;
            if (g.ColCount() < needCols && g.FixedCols() < needCols) g.SetColCount(needCols);
            const int needRows = anchor.Row2 + FGridStartRow - FXlsStartRow + 2;
            if (g.RowCount() < needRows && g.FixedRows() < needRows) g.SetRowCount(needRows);
        }
        if (anchor.Row1 < FXlsStartRow || anchor.Col1 < FXlsStartCol ||
            g.ColCount() < anchor.Col2 + FGridStartCol - FXlsStartCol ||
            g.RowCount() < anchor.Row2 + FGridStartRow - FXlsStartRow)
            continue;
        const int gc = FGridStartCol + col - FXlsStartCol;
        const int gr = FGridStartRow + row - FXlsStartRow;
        TPicture* cellPicture = g.CreatePicture(gc, gr, false, noStretch, 0, haLeft, vaTop);
        try {
            g.MergeCells(gc, gr, colSpan, rowSpan);
            data.SetPosition(0);
            int width = 0, height = 0;
            xlsAdapter::ImageSizeFromAnchor(File, anchor, width, height);
            TPicture loaded;
            bool handled = false;
            xlsAdapter::LoadXlsImageIntoPicture(data, type, loaded, handled);
            if (!handled || !loaded.Graphic()) throw Exception("Not handled");
            const int w = RoundEven(width * z), h = RoundEven(height * z);
            TBitmap bitmap;
            bitmap.SetWidth(w);
            bitmap.SetHeight(h);
            bitmap.Canvas()->StretchDraw(TRect{0, 0, w, h}, loaded.Graphic());
            cellPicture->SetGraphic(&bitmap);
        } catch (const std::exception&) {
            g.RemovePicture(gc, gr);
        }
    }
}

void TQuillGridExcelIO::ImportOutline(TExcelFile& File, int FirstRow, int LastRow)
{
    for (int level = 1; level <= DeepestOutlineLevel; ++level) ImportOutlineLevel(File, FirstRow, LastRow, level);
}

void TQuillGridExcelIO::ImportOutlineLevel(TExcelFile& File, int FirstRow, int LastRow, int Level)
{
    TQuillStringGrid& g = *CurrentGrid();
    int r = FirstRow;
    while (r <= LastRow) {
        if (File.GetRowOutlineLevel(r) != Level) {
            ++r;
            continue;
        }
        const int start = r;
        while (r < LastRow && File.GetRowOutlineLevel(r + 1) >= Level) ++r;
        // The node sits on the row above the group; a group on the first
        // imported row has no such row in the grid.
        const int nodeRow = FGridStartRow + start - 1 - FXlsStartRow;
        if (nodeRow >= g.FixedRows()) g.AddNode(nodeRow, r - start + 2);
        ++r;
    }
}
