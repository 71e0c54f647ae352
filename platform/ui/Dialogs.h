// Common dialogs and message boxes. The backend shows them; without a display
// every one is answered by the test hook, and one nobody answers fails loudly.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/Forms.h"

class TFont;

// Message box flags.
inline constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                          MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10,
                          MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
// Answers of message boxes: the same numbers as modal results.
inline constexpr int IDOK = mrOk, IDCANCEL = mrCancel, IDABORT = mrAbort, IDRETRY = mrRetry, IDIGNORE = mrIgnore,
                     IDYES = mrYes, IDNO = mrNo;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn, 16>;

namespace ui {

enum class TFileDialogKind { Open, Save };

struct TFileDialogRequest {
    TFileDialogKind Kind = TFileDialogKind::Open;
    std::string Title;
    std::string InitialDir;
    std::string FileName;
    std::string DefaultExt;
    // Pairs of description and pattern list ("Text files (*.txt)", "*.txt;*.log").
    std::vector<std::pair<std::string, std::string>> Filters;
    int FilterIndex = 1; // 1-based, as the dialogs count
    bool AllowMultiSelect = false;
    bool OverwritePrompt = false;
    bool FileMustExist = false;
};
struct TFileDialogAnswer {
    std::vector<std::string> Files;
    int FilterIndex = 1;
};
struct TMessageBoxRequest {
    std::string Caption;
    std::string Text;
    TMsgDlgType Type = mtInformation;
    // The buttons offered, as the modal results they answer.
    std::vector<int> Buttons;
};
struct TColorDialogRequest {
    TColor Color = clBlack;
};
struct TFontDialogRequest {
    std::string Name;
    int Size = 8;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    TColor Color = clBlack;
};
struct TFontDialogAnswer {
    std::string Name;
    int Size = 8;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    TColor Color = clBlack;
};
struct TFolderDialogRequest {
    std::string Title;
    std::string InitialDir;
    // The dialog offers to make a new folder.
    bool AllowNewFolder = true;
    // Where the dialog goes on the screen, given its size; unset leaves the
    // place to the window manager.
    std::function<TPoint(int Width, int Height)> Place;
};
struct TInputQueryRequest {
    std::string Caption;
    std::string Prompt;
    std::string Value;
};

// The print dialog: where to print, which pages, how many copies, which way up.
enum class TPrintRangeKind { AllPages, Selection, PageNums };
struct TPrintDialogRequest {
    // The printer chosen before (a name of the print system), empty for the file printer.
    std::string Printer;
    // The PDF file the file printer writes.
    std::string FileName;
    int MinPage = 1, MaxPage = 1, FromPage = 1, ToPage = 1;
    bool SelectionAllowed = false;
    int Copies = 1;
    bool Landscape = false;
    std::string JobTitle;
};
struct TPrintDialogAnswer {
    // The chosen printer of the print system; empty: print to the file FileName.
    std::string Printer;
    std::string FileName;
    TPrintRangeKind Range = TPrintRangeKind::AllPages;
    int FromPage = 1, ToPage = 1;
    int Copies = 1;
    bool Landscape = false;
};

// The one place a test answers dialogs. Each handler receives the request and
// returns the answer; a dialog with no handler raises EDialogUnanswered.
struct TDialogHook {
    std::function<std::optional<TFileDialogAnswer>(const TFileDialogRequest&)> FileDialog;
    std::function<int(const TMessageBoxRequest&)> MessageBox;
    std::function<std::optional<std::uint32_t>(const TColorDialogRequest&)> ColorDialog;
    std::function<std::optional<TFontDialogAnswer>(const TFontDialogRequest&)> FontDialog;
    std::function<std::optional<std::string>(const TFolderDialogRequest&)> FolderDialog;
    std::function<std::optional<std::string>(const TInputQueryRequest&)> InputQuery;
    std::function<std::optional<TPrintDialogAnswer>(const TPrintDialogRequest&)> PrintDialog;
};
TDialogHook& DialogHook();

// The folder the user chose, or none when the dialog was cancelled.
std::optional<std::string> RunFolderDialog(const TFolderDialogRequest& Request);
// The print dialog's choice, or none when it was cancelled.
std::optional<TPrintDialogAnswer> RunPrintDialog(const TPrintDialogRequest& Request);

// A message box through the backend; Flags are MB_ values. Returns IDOK etc.
int RunMessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);

} // namespace ui

// Raised in headless mode for a dialog that no test answers.
class EDialogUnanswered : public EInvalidOperation {
public:
    using EInvalidOperation::EInvalidOperation;
};

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
void ShowMessage(const std::string& Msg);
// Returns the text typed, or Default when cancelled.
std::string InputBox(const std::string& ACaption, const std::string& APrompt, const std::string& ADefault);
// Returns true and updates Value when the user pressed OK.
bool InputQuery(const std::string& ACaption, const std::string& APrompt, std::string& Value);
// A folder chosen by the user; false when cancelled.
bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory);

class TCommonDialog : public TComponent {
    VISTRA_CLASS(TCommonDialog, TComponent)
    using TComponent::TComponent;
    virtual bool Execute() = 0;
};

enum TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofAllowMultiSelect, ofPathMustExist, ofFileMustExist, ofEnableSizing };
using TOpenOptions = TSet<TOpenOption, 16>;

class TOpenDialog : public TCommonDialog {
    VISTRA_CLASS(TOpenDialog, TCommonDialog)

    explicit TOpenDialog(TComponent* AOwner);
    bool Execute() override;

    const std::string& FileName() const noexcept { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    // Every chosen file (one unless ofAllowMultiSelect).
    const std::vector<std::string>& Files() const noexcept { return FFiles; }
    // "Description|pattern|Description|pattern".
    const std::string& Filter() const noexcept { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    // 1-based; 0 reads as 1.
    int FilterIndex() const noexcept { return FFilterIndex; }
    void SetFilterIndex(int Value);
    const std::string& DefaultExt() const noexcept { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    const std::string& InitialDir() const noexcept { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    const std::string& Title() const noexcept { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TOpenOptions& Options() noexcept { return FOptions; }

    TNotifyEvent OnTypeChange;

protected:
    virtual ui::TFileDialogKind Kind() const { return ui::TFileDialogKind::Open; }

private:
    std::string FFileName, FFilter, FDefaultExt, FInitialDir, FTitle;
    std::vector<std::string> FFiles;
    int FFilterIndex = 1;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
    VISTRA_CLASS(TSaveDialog, TOpenDialog)
    using TOpenDialog::TOpenDialog;

protected:
    ui::TFileDialogKind Kind() const override { return ui::TFileDialogKind::Save; }
};

// The text-file kinds carry an encoding choice the program does not use.
class TOpenTextFileDialog : public TOpenDialog {
    VISTRA_CLASS(TOpenTextFileDialog, TOpenDialog)
    using TOpenDialog::TOpenDialog;
};
class TSaveTextFileDialog : public TSaveDialog {
    VISTRA_CLASS(TSaveTextFileDialog, TSaveDialog)
    using TSaveDialog::TSaveDialog;
};
// The picture kinds start with the filter of the picture formats we read.
class TOpenPictureDialog : public TOpenDialog {
    VISTRA_CLASS(TOpenPictureDialog, TOpenDialog)
    explicit TOpenPictureDialog(TComponent* AOwner);
};
class TSavePictureDialog : public TSaveDialog {
    VISTRA_CLASS(TSavePictureDialog, TSaveDialog)
    explicit TSavePictureDialog(TComponent* AOwner);
};

class TColorDialog : public TCommonDialog {
    VISTRA_CLASS(TColorDialog, TCommonDialog)
    using TCommonDialog::TCommonDialog;
    bool Execute() override;
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

private:
    TColor FColor = clBlack;
};

class TFontDialog : public TCommonDialog {
    VISTRA_CLASS(TFontDialog, TCommonDialog)
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;
    bool Execute() override;
    TFont& Font() noexcept { return *FFont; }

private:
    std::unique_ptr<TFont> FFont;
};

namespace ui {
// Splits "Desc|pat|Desc|pat" into pairs; a trailing description without a pattern is dropped.
std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter);
} // namespace ui
