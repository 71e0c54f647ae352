// The bridge component itself: options, linked grid or workbook, the life of
// the file object of one import or export, and the helpers both directions share.
#include "spreadsheet/QuillGridExcelIO.h"

#include "grid/QuillGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Shell.h"
#include "spreadsheet/QuillGridWorkbook.h"
#include "xlsAdapter/qorUExcelAdapter.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include <algorithm>

TSARNIOOptions::TSARNIOOptions() : FExportOverwriteMessage(TQuillGridExcelIO::DefaultOverwriteMessage) {}

void TSARNIOOptions::Assign(const TPersistent* Source)
{
    const auto* from = dynamic_cast<const TSARNIOOptions*>(Source);
    if (!from) return;
    FImportCellProperties = from->FImportCellProperties;
    FImportCellFormats = from->FImportCellFormats;
    FImportCellSizes = from->FImportCellSizes;
    FImportImages = from->FImportImages;
    FImportClearCells = from->FImportClearCells;
    FImportPrintOptions = from->FImportPrintOptions;
    FImportActiveSheet = from->FImportActiveSheet;
}

TQuillGridExcelIO::TQuillGridExcelIO(TComponent* AOwner)
    : TComponent(AOwner), FOptions(std::make_unique<TSARNIOOptions>())
{
    ConfirmOverwrite = [](const std::string& Question) {
        return MessageDlg(Question, mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0) == mrYes;
    };
    ShowFile = [](const std::string& FileName) { ShellExecute(0, "open", FileName, {}, {}, SW_SHOWNORMAL); };
}

TQuillGridExcelIO::~TQuillGridExcelIO() = default;

void TQuillGridExcelIO::SetQuillStringGrid(TQuillStringGrid* Value)
{
    FQuillStringGrid = Value;
    if (Value) {
        Value->FreeNotification(this);
        FQuillGridWorkbook = nullptr;
    }
}

void TQuillGridExcelIO::SetQuillGridWorkbook(TQuillGridWorkbook* Value)
{
    FQuillGridWorkbook = Value;
    if (Value) {
        Value->FreeNotification(this);
        FQuillStringGrid = nullptr;
    }
}

void TQuillGridExcelIO::SetAdapter(TExcelAdapter* Value)
{
    FAdapter = Value;
    if (Value) Value->FreeNotification(this);
}

TQuillStringGrid* TQuillGridExcelIO::CurrentGrid() const
{
    if (FQuillGridWorkbook) return FQuillGridWorkbook->Grid();
    return FQuillStringGrid;
}

void TQuillGridExcelIO::SetOptions(std::unique_ptr<TSARNIOOptions> Value)
{
    if (Value) FOptions = std::move(Value);
}

void TQuillGridExcelIO::SetZoom(int Value) noexcept { FZoom = std::clamp(Value, 10, 400); }

std::string TQuillGridExcelIO::GetSheetNames(int Index) const
{
    if (Index < 0 || Index >= SheetNamesCount())
        throw Exception(Format("List index out of bounds (%d)", {Index}));
    return FSheetNames[static_cast<size_t>(Index)];
}

void TQuillGridExcelIO::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FAdapter) FAdapter = nullptr;
    if (AComponent == FQuillStringGrid) FQuillStringGrid = nullptr;
    if (AComponent == FQuillGridWorkbook) FQuillGridWorkbook = nullptr;
}

void TQuillGridExcelIO::RequireGrid() const
{
    if (!CurrentGrid()) throw Exception("There is no QuillStringGrid assigned to this component");
}

std::unique_ptr<TExcelFile> TQuillGridExcelIO::CreateWorkbookFile()
{
    std::unique_ptr<TExcelFile> file = FAdapter ? FAdapter->GetWorkbook() : std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    return file;
}

void TQuillGridExcelIO::FreeWorkbookFile(std::unique_ptr<TExcelFile>& File)
{
    if (!File) return;
    try {
        File->CloseFile();
    } catch (const std::exception&) {
    }
    try {
        File->Disconnect();
    } catch (const std::exception&) {
    }
    File.reset();
}

void TQuillGridExcelIO::ReadSheetNames(TExcelFile& File)
{
    const int count = File.SheetCount();
    FSheetNames.assign(static_cast<size_t>(std::max(count, 0)), std::string());
    FWorkSheetNum = count;
    for (int i = 1; i <= count; ++i) {
        File.SetActiveSheet(i);
        FSheetNames[static_cast<size_t>(i - 1)] = File.ActiveSheetName();
    }
}

void TQuillGridExcelIO::LoadSheetNames(const std::string& FileName)
{
    std::unique_ptr<TExcelFile> file = CreateWorkbookFile();
    struct Freer {
        std::unique_ptr<TExcelFile>& f;
        ~Freer() { FreeWorkbookFile(f); }
    } freer{file};
    file->OpenFile(FileName);
    ReadSheetNames(*file);
}

void TQuillGridExcelIO::ReadCellFormat(TExcelFile& File, int Row, int Col, TVyxFormat& Fmt)
{
    constexpr int DefaultCellFormat = 15;
    int xf = File.GetCellFormat(Row, Col);
    if (xf < 0) {
        xf = File.GetRowFormat(Row);
        if (xf <= 0) xf = File.GetColumnFormat(Col);
        if (xf < 0) xf = DefaultCellFormat;
    }
    Fmt = File.GetFormatList(xf);
}

namespace {
constexpr int FirstPaletteIndex = 1;
constexpr int LastPaletteIndex = 56;
constexpr int NoFillPattern = 1;

TColor PaletteColor(TExcelFile& File, int Index, TColor Default)
{
    if (Index < FirstPaletteIndex || Index > LastPaletteIndex) return Default;
    return static_cast<TColor>(File.GetColorPalette(Index));
}
} // namespace

TColor TQuillGridExcelIO::FillColorOfFormat(TExcelFile& File, const TVyxFormat& Fmt)
{
    if (Fmt.FillPattern.Pattern == NoFillPattern) return clWhite;
    return PaletteColor(File, Fmt.FillPattern.FgColorIndex, clWhite);
}

std::u16string TQuillGridExcelIO::ExpandLineFeeds(std::u16string_view Text)
{
    std::u16string out;
    out.reserve(Text.size());
    for (char16_t ch : Text) {
        if (ch == u'\n') out += u'\r';
        out += ch;
    }
    return out;
}

void TQuillGridExcelIO::ReportProgress(int RowNum, int RowTot)
{
    if (OnProgress) OnProgress(this, FWorkSheet, FWorkSheetNum, RowNum, RowTot);
}

std::string TQuillGridExcelIO::UpperSheetName(const std::string& Name)
{
    return rtl::Utf16ToUtf8(UpperCaseUnicode(rtl::Utf8ToUtf16(Name)));
}
