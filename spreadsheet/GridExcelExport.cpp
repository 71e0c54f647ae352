// Grid export: the linked grid, or every sheet of the linked workbook, into a
// new binary workbook or into a sheet of an existing one.
#include "spreadsheet/QuillGridExcelIO.h"

#include "grid/QuillGrid.h"
#include "grid/base/CellProperties.h"
#include "grid/model/CellGraphic.h"
#include "grid/model/PrintSettings.h"
#include "grid/paint/RichText.h"
#include "platform/classes/FileSave.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLUtils.h"
#include "spreadsheet/QuillGridWorkbook.h"
#include "xlsAdapter/qorUExcelAdapter.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsImages.h"

#include <cmath>

namespace {

constexpr int LastSheetRow = 65536;
constexpr int LastSheetCol = 256;
constexpr int PrintOptionNoPrinterSettings = 4;
constexpr int PrintOptionPortrait = 2;
constexpr int SolidPattern = 2;
constexpr int NoFillPattern = 1;
constexpr int DeepestOutlineLevel = 7;
constexpr int CommentBoxHeight = 75;
constexpr int CommentBoxWidth = 130;

int RoundEven(long double Value) { return static_cast<int>(std::nearbyint(Value)); }

int SheetRowHeight(int Pixels, int MY)
{
    const int v = RoundEven((Pixels - MY) * 15.0L);
    return v < 1 ? 0 : v;
}

int SheetColWidth(int Pixels, int MX)
{
    const int v = RoundEven((Pixels - MX) * 256.0L / 7.0L);
    return v < 1 ? 0 : v;
}


// Every occurrence of From, compared without case, becomes To.
std::string ReplaceNoCase(const std::string& Text, const std::string& From, const std::string& To)
{
    const std::string upperText = UpperCase(Text), upperFrom = UpperCase(From);
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = upperText.find(upperFrom, pos)) != std::string::npos; pos = hit + From.size())
        out.append(Text, pos, hit - pos).append(To);
    return out.append(Text, pos, std::string::npos);
}

bool HasSpan(const TCellProperties* Props)
{
    return Props && (Props->CellSpanX() > 0 || Props->CellSpanY() > 0);
}

} // namespace

bool TQuillGridExcelIO::IsRTFText(const std::string& Text) const
{
    return !FOptions->ExportRawRTF() && Text.starts_with("{\\rtf");
}

std::string TQuillGridExcelIO::RTFToPlainText(const std::string& Text)
{
    if (Text.empty()) return {};
    std::string plain;
    try {
        for (const grid::TRichRun& run : grid::ReadRichText(Text)) plain += run.Text;
    } catch (const EReadError&) {
        return Text;
    }
    return plain;
}

std::string TQuillGridExcelIO::CellTextForExport(const std::string& Text)
{
    const std::string source = IsRTFText(Text) ? RTFToPlainText(Text) : Text;
    std::string out;
    out.reserve(source.size());
    for (size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '\r') {
            out += '\n';
            if (i + 1 < source.size() && source[i + 1] == '\n') ++i;
        } else {
            out += source[i];
        }
    }
    return out;
}

bool TQuillGridExcelIO::FindSheetByName(TExcelFile& File, const std::string& Name, int& Index)
{
    const std::string wanted = UpperSheetName(Name);
    for (int i = 1; i <= File.SheetCount(); ++i) {
        File.SetActiveSheet(i);
        if (UpperSheetName(File.ActiveSheetName()) == wanted) {
            Index = i;
            return true;
        }
    }
    return false;
}

void TQuillGridExcelIO::OpenWorkbookFile(TExcelFile& File, const std::string& FileName) { File.OpenFile(FileName); }

void TQuillGridExcelIO::XLSExport(const std::string& FileName, const std::string& SheetName, int SheetPos,
                                  int SelectSheet, TInsertInSheet InsertInSheet)
{
    RequireGrid();
    // An existing file is only ever replaced by the finished new one: the
    // workbook is written beside it and renamed over it.
    bool keepFile = FileExists(FileName);
    if (keepFile) {
        switch (FOptions->ExportOverwrite()) {
        case omAlways: keepFile = false; break;
        case omWarn:
            if (!ConfirmOverwrite || !ConfirmOverwrite(Format(FOptions->ExportOverwriteMessage(), {FileName})))
                return;
            keepFile = false;
            break;
        case omNever: break;
        }
    }
    const bool allSheets = FQuillGridWorkbook && SheetName.empty() && SheetPos == -1;
    std::unique_ptr<TExcelFile> file = CreateWorkbookFile();
    rtl::ScopeExit freer([&] { FreeWorkbookFile(file); });

    if (allSheets) {
        const int count = FQuillGridWorkbook->Sheets().Count();
        file->NewFile(count);
        for (int i = 1; i <= count; ++i) {
            file->SetActiveSheet(i);
            file->SetActiveSheetName(Format("_xx_@%d__%d", {i, i}));
        }
        FWorkSheetNum = count;
        const int remembered = FQuillGridWorkbook->ActiveSheet();
        rtl::ScopeExit restore([&] { FQuillGridWorkbook->SetActiveSheet(remembered); });
        for (int i = 0; i < count; ++i) {
            FWorkSheet = i + 1;
            file->SetActiveSheet(i + 1);
            FQuillGridWorkbook->SetActiveSheet(i);
            ExportSheet(*file);
            file->SetActiveSheetName(FQuillGridWorkbook->Sheets().GetItem(i)->Name());
        }
    } else {
        PrepareTargetSheet(*file, FileName, keepFile, SheetName, SheetPos, InsertInSheet);
        FWorkSheetNum = 1;
        FWorkSheet = 1;
        ExportSheet(*file);
    }
    if (!SheetName.empty()) file->SetActiveSheetName(SheetName);
    file->SelectSheet(SelectSheet);
    classes::SaveFileThrough(FileName, [&](TStream& Out) { file->Save(true, FileName, {}, {}, &Out); });
    FreeWorkbookFile(file);
    if (FOptions->ExportShowInExcel() && ShowFile) ShowFile(FileName);
}

void TQuillGridExcelIO::PrepareTargetSheet(TExcelFile& File, const std::string& FileName, bool FileIsKept,
                                           const std::string& SheetName, int SheetPos, TInsertInSheet InsertInSheet)
{
    if (!FileIsKept) {
        File.NewFile(1);
        return;
    }
    TQuillStringGrid& g = *CurrentGrid();
    OpenWorkbookFile(File, FileName);
    int index = 0;
    if (!FindSheetByName(File, SheetName, index)) {
        const int pos = SheetPos > 0 && SheetPos <= File.SheetCount() ? SheetPos : File.SheetCount() + 1;
        File.InsertAndCopySheets(-1, pos, 1);
        File.SetActiveSheet(pos);
        return;
    }
    File.SetActiveSheet(index);
    switch (InsertInSheet) {
    case InsertInSheet_Clear: File.ClearSheet(); break;
    case InsertInSheet_OverwriteCells: break;
    case InsertInSheet_InsertRows:
    case InsertInSheet_InsertRowsExceptFirstAndSecond: {
        const int k = InsertInSheet == InsertInSheet_InsertRows ? 0 : 1;
        const int n = g.RowCount() + (FOptions->FExportHiddenRows ? g.NumHiddenRows() : 0) - FGridStartRow - 2 * k;
        if (n > 0) File.InsertAndCopyRows(LastSheetRow, LastSheetRow, FXlsStartRow + k, n, true);
        break;
    }
    case InsertInSheet_InsertCols:
    case InsertInSheet_InsertColsExceptFirstAndSecond: {
        const int k = InsertInSheet == InsertInSheet_InsertCols ? 0 : 1;
        const int n =
            g.ColCount() + (FOptions->ExportHiddenColumns() ? g.NumHiddenColumns() : 0) - FGridStartCol - 2 * k;
        if (n > 0) File.InsertAndCopyCols(LastSheetCol, LastSheetCol, FXlsStartCol + k, n, true);
        break;
    }
    }
}

void TQuillGridExcelIO::ExportPrintOptions(TExcelFile& File, TQuillStringGrid& Grid)
{
    TPrintSettings& print = Grid.PrintSettings();
    File.SetPrintScale(100);
    int options = File.PrintOptions() & ~PrintOptionNoPrinterSettings;
    if (print.Orientation() == poPortrait)
        options |= PrintOptionPortrait;
    else
        options &= ~PrintOptionPortrait;
    File.SetPrintOptions(options);
    std::string formula;
    if (print.RepeatFixedRows() && Grid.FixedRows() > 0)
        formula = "=$A$1:$" + ColNumberToLetters(LastSheetCol) + "$" + std::to_string(Grid.FixedRows());
    if (print.RepeatFixedCols() && Grid.FixedCols() > 0)
        formula += (formula.empty() ? "=" : ", ") + std::string("$A$1:$") + ColNumberToLetters(Grid.FixedCols()) +
                   "$" + std::to_string(LastSheetRow);
    if (formula.empty()) return;
    TXlsNamedRange range;
    InitNamedRange(range);
    range.Name = std::string(1, '\x07');
    range.NameSheetIndex = File.ActiveSheet();
    range.RangeFormula = formula;
    File.AddRange(range);
}

void TQuillGridExcelIO::ExportSizes(TExcelFile& File, TQuillStringGrid& g, int HiddenRows, int MX, int MY)
{
    const bool hiddenRowsOut = FOptions->FExportHiddenRows;
    int sheetRow = FXlsStartRow;
    int passed = 0;
    for (int q = FGridStartRow; q <= g.RowCount() + HiddenRows - 1; ++q) {
        if (hiddenRowsOut && g.IsHiddenRow(q)) {
            ++passed;
            if (hiddenRowsOut) File.SetRowHidden(sheetRow++, true);
            continue;
        }
        File.SetRowHeight(sheetRow++, SheetRowHeight(g.RowHeights(q - passed), MY));
    }
    int sheetCol = FXlsStartCol;
    for (int s = FGridStartCol; s <= g.ColCount() - 1; ++s) {
        if (g.IsHiddenColumn(s)) {
            if (!FOptions->ExportHiddenColumns()) continue;
            File.SetColumnHidden(sheetCol, true);
        }
        File.SetColumnWidth(sheetCol++, SheetColWidth(g.AllColWidths(s), MX));
    }
}

void TQuillGridExcelIO::ExportSheet(TExcelFile& File)
{
    TQuillStringGrid* grid = CurrentGrid();
    if (!grid) throw EAssertionFailed("The export has no grid");
    TQuillStringGrid& g = *grid;
    const int MX = FOptions->ExportCellMargins() ? 0 : g.XYOffset().X;
    const int MY = FOptions->ExportCellMargins() ? 0 : g.XYOffset().Y;
    if (FOptions->ExportPrintOptions()) ExportPrintOptions(File, g);
    File.SetOutlineSummaryRowsBelowDetail(FOptions->ExportSummaryRowsBelowDetail());
    File.SetOutlineSummaryColsRightOfDetail(FOptions->ExportSummaryRowsBelowDetail());
    File.SetShowGridLines(FOptions->ExportShowGridLines());
    std::vector<bool> usedColors;
    ReadUsedColors(File, usedColors);
    g.ExportNotification(esExportStart, -1);

    const int hiddenCols = g.NumHiddenColumns();
    const int hiddenRows = FOptions->FExportHiddenRows ? g.NumHiddenRows() : 0;
    const int colLimit = g.ColCount() + (FOptions->ExportHiddenColumns() ? hiddenCols : 0);
    const int oldCols = g.ColCount(), oldRows = g.RowCount();
    // Hidden columns (and rows, when written) are reached through raised
    // counts, put back however the export ends.
    rtl::ScopeExit restoreCounts([&] {
        if (g.ColCount() != oldCols) g.SetColCount(oldCols);
        if (g.RowCount() != oldRows) g.SetRowCount(oldRows);
    });
    if (hiddenCols > 0) g.SetColCount(oldCols + hiddenCols);
    if (hiddenRows > 0) g.SetRowCount(oldRows + hiddenRows);
    if (FOptions->ExportCellSizes()) ExportSizes(File, g, hiddenRows, MX, MY);

    TRowBorderArray borders(static_cast<size_t>(g.ColCount() + 2));
    for (int q = FGridStartRow; q <= g.RowCount() - 1; ++q) {
        g.ExportNotification(esExportNewRow, q);
        const int xr = q + FXlsStartRow - FGridStartRow;
        int aRow = q;
        if (hiddenRows > 0) aRow = g.IsHiddenRow(q) ? g.RowCount() - g.NumHiddenRows() : g.DisplRowIndex(q);
        for (int s = FGridStartCol; s <= colLimit - 1; ++s) ExportCell(File, g, s, q, aRow, borders, usedColors);
        if (FOptions->ExportCellProperties()) {
            const int level = g.GetNodeLevel(aRow);
            if (level >= 0 && level <= DeepestOutlineLevel && g.IsNode(aRow))
                File.SetRowOutlineLevel(xr + 1, xr + g.GetNodeSpan(aRow) - 1, level);
        }
    }
    g.ExportNotification(esExportDone, -1);
}

void TQuillGridExcelIO::WriteFormula(TExcelFile& File, int xr, int xc, const std::string& Formula,
                                     const std::string& Shown)
{
    try {
        File.SetCellFormula(xr, xc, Formula);
    } catch (const Exception&) {
        // The grid's formula language is not the workbook's: what the engine
        // cannot read goes in as the text the grid shows.
        File.SetCellString(xr, xc, Shown);
    }
}

void TQuillGridExcelIO::ExportCell(TExcelFile& File, TQuillStringGrid& g, int s, int q, int ARow,
                                   TRowBorderArray& Borders, std::vector<bool>& UsedColors)
{
    const int ACol = FOptions->ExportHiddenColumns() ? s : g.RealColIndex(s);
    const int xr = q + FXlsStartRow - FGridStartRow;
    const int xc = s + FXlsStartCol - FGridStartCol;
    const auto* props = dynamic_cast<TCellProperties*>(g.GetGridObject(ACol, ARow));
    if (props && !props->IsBaseCell()) return;
    if (HasSpan(props))
        File.MergeCells(xr, xc, xr + std::max(props->CellSpanY(), 0), xc + std::max(props->CellSpanX(), 0));

    TVyxFormat fmt;
    ReadCellFormat(File, xr, xc, fmt);

    TFont font;
    TBrush brush;
    brush.SetColor(g.Color());
    TGridDrawState state;
    if (ARow < g.FixedRows() || ACol < g.FixedCols()) state.Include(gdFixed);
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd{};
    g.GetVisualProperties(ACol, ARow, state, false, false, false, brush, colorTo, mirror, mirrorTo, font, ha, va, ww,
                          gd);

    fmt.Font.ColorIndex = PaletteIndexOfColor(File, font.Color(), UsedColors);
    fmt.Font.Size20 = static_cast<std::uint16_t>(
        std::trunc(std::abs(font.Height()) * 72.0L / font.PixelsPerInch() * 20.0L));
    fmt.Font.Name = font.Name();
    const TFontStyles styles = font.Style();
    const auto setStyle = [&](TVyxFontStyle s2, bool on) {
        if (on)
            fmt.Font.Style.Include(s2);
        else
            fmt.Font.Style.Exclude(s2);
    };
    setStyle(flsBold, styles.Contains(fsBold));
    setStyle(flsItalic, styles.Contains(fsItalic));
    setStyle(flsStrikeOut, styles.Contains(fsStrikeOut));
    fmt.Font.Underline = styles.Contains(fsUnderline) ? fu_Single : fu_None;

    ExportCellBorders(ACol, ARow, Borders, props ? props->CellSpanY() : 0, props ? props->CellSpanX() : 0, fmt, File,
                      UsedColors);
    if ((ColorToRGB(brush.Color()) & 0xFFFFFF) == clWhite) {
        fmt.FillPattern.Pattern = NoFillPattern;
    } else {
        fmt.FillPattern.Pattern = SolidPattern;
        fmt.FillPattern.FgColorIndex = PaletteIndexOfColor(File, brush.Color(), UsedColors);
    }
    int angle = 0;
    if (g.IsRotated(ACol, ARow, angle)) {
        angle = angle < 0 ? 360 - (-angle % 360) : angle % 360;
        if (angle == 360) angle = 0;
        if (angle <= 90)
            fmt.Rotation = static_cast<std::uint8_t>(angle);
        else if (angle >= 270)
            fmt.Rotation = static_cast<std::uint8_t>(450 - angle);
    }

    std::string saveText;
    g.GetSaveCellText(ACol, ARow, saveText);
    std::string text = CellTextForExport(FUseUnicode ? rtl::Utf16ToUtf8(g.WideCells(ACol, ARow)) : saveText);
    std::string formula = CellTextForExport(saveText);
    if (OnGetCellFormula) OnGetCellFormula(&g, ACol, ARow, text, formula);
    if (FOptions->ExportReadonlyCellsAsLocked()) fmt.Locked = g.ReadOnly(ACol, ARow);
    if (!FOptions->ExportHTMLTags()) text = ReplaceNoCase(text, "<br>", "\r\n");
    if (text.find('\n') != std::string::npos || (g.WordWrap() && FOptions->ExportWordWrapped())) fmt.WrapText = true;
    if (text.find("</") != std::string::npos && !FOptions->ExportHTMLTags()) {
        text = StripHTMLMarkup(text);
        text = ReplaceNoCase(text, "&nbsp;", " ");
        text = ReplaceNoCase(text, "&amp;", "&");
        text = ReplaceNoCase(text, "&quot;", "\"");
    }
    switch (ha) {
    case taLeftJustify: fmt.HAlignment = fha_left; break;
    case taRightJustify: fmt.HAlignment = fha_right; break;
    case taCenter: fmt.HAlignment = fha_center; break;
    default: fmt.HAlignment = fha_general;
    }
    fmt.VAlignment = va == vtaTop ? fva_top : va == vtaCenter ? fva_center : fva_bottom;

    if (OnCellFormat) OnCellFormat(&g, ACol, ARow, xc, xr, text, fmt);
    bool asString = !FOptions->ExportCellFormats();
    if (OnExportColumnFormat) OnExportColumnFormat(&g, ACol, ARow, xc, xr, text, asString);
    const bool isFormula = !formula.empty() && formula[0] == '=' && FOptions->ExportFormulas();

    if (asString) {
        if (isFormula)
            WriteFormula(File, xr, xc, formula, text);
        else
            File.SetCellValue(xr, xc, Variant(text));
        if (FOptions->ExportCellProperties()) {
            File.SetCellFormat(xr, xc, File.AddFormat(fmt));
            FormatMergedBlock(File, const_cast<TCellProperties*>(props), fmt, xr, xc);
        }
    } else {
        std::string dateFormat = FDateFormat, timeFormat = FTimeFormat;
        if (OnDateTimeFormat) OnDateTimeFormat(&g, ACol, ARow, xc, xr, text, dateFormat, timeFormat);
        if (isFormula) {
            WriteFormula(File, xr, xc, formula, text);
            if (FOptions->ExportCellProperties()) File.SetCellFormat(xr, xc, File.AddFormat(fmt));
        } else {
            if (!FOptions->ExportCellProperties()) ReadCellFormat(File, xr, xc, fmt);
            File.SetCellString(xr, xc, text, fmt, dateFormat, timeFormat);
        }
        FormatMergedBlock(File, const_cast<TCellProperties*>(props), fmt, xr, xc);
    }
    if (FOptions->ExportImages()) ExportCellGraphic(File, g, ACol, ARow, xr, xc);
    ExportComment(File, g, ACol, ARow, xr, xc);
    ReportProgress(q - FGridStartRow, g.RowCount() - FGridStartRow - 1);
}

void TQuillGridExcelIO::ExportCellGraphic(TExcelFile& File, TQuillStringGrid& g, int ACol, int ARow, int xr, int xc)
{
    TCellGraphic* graphic = g.GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    switch (graphic->CellType()) {
    case ctBitmap:
        if (auto* bitmap = dynamic_cast<TBitmap*>(graphic->CellBitmap())) ExportCellImage(File, *bitmap, xr, xc, ACol, ARow);
        break;
    case ctPicture:
        if (auto* picture = dynamic_cast<TPicture*>(graphic->CellBitmap()); picture && picture->Graphic())
            ExportCellImage(File, *picture->Graphic(), xr, xc, ACol, ARow);
        break;
    default: break;
    }
}

void TQuillGridExcelIO::ExportComment(TExcelFile& File, TQuillStringGrid& g, int ACol, int ARow, int xr, int xc)
{
    std::string comment;
    if (!g.IsComment(ACol, ARow, comment)) return;
    const TXlsCellRange range = File.GetCellMergedBounds(xr, xc);
    int height = CommentBoxHeight, width = CommentBoxWidth;
    comment = CellTextForExport(comment);
    MeasureCommentBox(File, comment, width, height);
    if (OnGetCommentBoxSize) OnGetCommentBoxSize(&g, comment, height, width);
    TImageProperties anchor;
    xlsAdapter::ImageAnchorFromPixels(&File, std::max(xr - 1, 1), xc + (range.Right - range.Left) + 1, 8, 14, height,
                                      width, anchor);
    File.SetCellComment(xr, xc, comment, anchor);
}

void TQuillGridExcelIO::MeasureCommentBox(TExcelFile&, const std::string&, int&, int&) {}

void TQuillGridExcelIO::FormatMergedBlock(TExcelFile& File, TObject* Props, const TVyxFormat& Fmt, int xr, int xc)
{
    const auto* props = dynamic_cast<const TCellProperties*>(Props);
    if (!HasSpan(props)) return;
    const int xf = File.AddFormat(Fmt);
    for (int r = xr; r <= xr + std::max(props->CellSpanY(), 0); ++r)
        for (int c = xc; c <= xc + std::max(props->CellSpanX(), 0); ++c) File.SetCellFormat(r, c, xf);
}
