// Message boxes, input boxes and the common dialog components over the backend.
#include "platform/ui/Dialogs.h"

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"

namespace ui {

TDialogHook& DialogHook()
{
    static TDialogHook hook;
    return hook;
}

std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= filter.size() && !filter.empty()) {
        std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<std::pair<std::string, std::string>> result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) result.emplace_back(parts[i], parts[i + 1]);
    return result;
}

namespace {

std::vector<int> ButtonsOf(unsigned flags)
{
    switch (flags & 0xF) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

TMsgDlgType TypeOf(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONSTOP: return mtError;
    case MB_ICONQUESTION: return mtConfirmation;
    case MB_ICONWARNING: return mtWarning;
    case MB_ICONINFORMATION: return mtInformation;
    default: return mtCustom;
    }
}

// Runs a dialog with input to other windows stopped and the capture released.
template <class F>
auto RunModalDialog(F&& run)
{
    if (CaptureControl()) SetCaptureControl(nullptr);
    if (Application) Application->CancelHint();
    return run(Backend().Dialogs());
}

std::string TitleOr(const std::string& caption)
{
    return caption.empty() && Application ? Application->Title() : caption;
}

} // namespace

int RunMessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    TMessageBoxRequest r{TitleOr(Caption), Text, TypeOf(Flags), ButtonsOf(Flags)};
    return RunModalDialog([&](TNativeDialogs& d) { return d.RunMessageBox(r); });
}

std::optional<std::string> RunFolderDialog(const TFolderDialogRequest& Request)
{
    return RunModalDialog([&](TNativeDialogs& d) { return d.RunFolderDialog(Request); });
}

std::optional<TPrintDialogAnswer> RunPrintDialog(const TPrintDialogRequest& Request)
{
    return RunModalDialog([&](TNativeDialogs& d) { return d.RunPrintDialog(Request); });
}

} // namespace ui

using namespace ui;

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int)
{
    static constexpr std::pair<TMsgDlgBtn, int> order[] = {
        {mbYes, mrYes}, {mbNo, mrNo}, {mbOK, mrOk}, {mbCancel, mrCancel}, {mbAbort, mrAbort},
        {mbRetry, mrRetry}, {mbIgnore, mrIgnore}, {mbAll, mrAll}, {mbNoToAll, mrNoToAll},
        {mbYesToAll, mrYesToAll}, {mbClose, mrClose}};
    TMessageBoxRequest r;
    static constexpr const char* captions[] = {"Warning", "Error", "Information", "Confirm", ""};
    r.Caption = DlgType == mtCustom ? TitleOr("") : captions[DlgType];
    r.Text = Msg;
    r.Type = DlgType;
    for (auto [button, result] : order)
        if (Buttons.Contains(button)) r.Buttons.push_back(result);
    if (r.Buttons.empty()) r.Buttons.push_back(mrOk);
    return RunModalDialog([&](TNativeDialogs& d) { return d.RunMessageBox(r); });
}

void ShowMessage(const std::string& Msg)
{
    TMessageBoxRequest r{TitleOr(""), Msg, mtCustom, {mrOk}};
    RunModalDialog([&](TNativeDialogs& d) { return d.RunMessageBox(r); });
}

bool InputQuery(const std::string& ACaption, const std::string& APrompt, std::string& Value)
{
    TInputQueryRequest r{ACaption, APrompt, Value};
    auto answer = RunModalDialog([&](TNativeDialogs& d) { return d.RunInputQuery(r); });
    if (!answer) return false;
    Value = *answer;
    return true;
}

std::string InputBox(const std::string& ACaption, const std::string& APrompt, const std::string& ADefault)
{
    std::string value = ADefault;
    return InputQuery(ACaption, APrompt, value) ? value : ADefault;
}

bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory)
{
    TFolderDialogRequest r;
    r.Title = Caption;
    r.InitialDir = Directory.empty() ? Root : Directory;
    auto answer = RunFolderDialog(r);
    if (!answer) return false;
    Directory = *answer;
    return true;
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

void TOpenDialog::SetFilterIndex(int Value) { FFilterIndex = Value < 1 ? 1 : Value; }

bool TOpenDialog::Execute()
{
    TFileDialogRequest r;
    r.Kind = Kind();
    r.Title = FTitle;
    r.InitialDir = FInitialDir;
    r.FileName = FFileName;
    r.DefaultExt = FDefaultExt;
    r.Filters = ParseFilter(FFilter);
    r.FilterIndex = FFilterIndex < 1 ? 1 : FFilterIndex;
    r.AllowMultiSelect = FOptions.Contains(ofAllowMultiSelect);
    r.OverwritePrompt = FOptions.Contains(ofOverwritePrompt);
    r.FileMustExist = FOptions.Contains(ofFileMustExist);
    auto answer = RunModalDialog([&](TNativeDialogs& d) { return d.RunFileDialog(r); });
    if (answer && answer->FilterIndex != r.FilterIndex) {
        FFilterIndex = answer->FilterIndex;
        if (OnTypeChange) OnTypeChange(this);
    }
    if (!answer || answer->Files.empty()) return false;
    FFiles = answer->Files;
    FFileName = FFiles.front();
    return true;
}

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner) : TOpenDialog(AOwner)
{
    SetFilter("All (*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.ico)|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.ico|"
              "Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|"
              "JPEG Image File (*.jpeg)|*.jpeg|GIF Image (*.gif)|*.gif|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico");
}

TSavePictureDialog::TSavePictureDialog(TComponent* AOwner) : TSaveDialog(AOwner)
{
    SetFilter("Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|"
              "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp");
}

bool TColorDialog::Execute()
{
    TColorDialogRequest r{FColor};
    auto answer = RunModalDialog([&](TNativeDialogs& d) { return d.RunColorDialog(r); });
    if (!answer) return false;
    FColor = static_cast<TColor>(*answer);
    return true;
}

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute()
{
    TFontDialogRequest r;
    r.Name = FFont->Name();
    r.Size = FFont->Size();
    r.Bold = FFont->Style().Contains(fsBold);
    r.Italic = FFont->Style().Contains(fsItalic);
    r.Underline = FFont->Style().Contains(fsUnderline);
    r.StrikeOut = FFont->Style().Contains(fsStrikeOut);
    r.Color = FFont->Color();
    auto answer = RunModalDialog([&](TNativeDialogs& d) { return d.RunFontDialog(r); });
    if (!answer) return false;
    FFont->SetName(answer->Name);
    FFont->SetSize(answer->Size);
    TFontStyles style;
    if (answer->Bold) style.Include(fsBold);
    if (answer->Italic) style.Include(fsItalic);
    if (answer->Underline) style.Include(fsUnderline);
    if (answer->StrikeOut) style.Include(fsStrikeOut);
    FFont->SetStyle(style);
    FFont->SetColor(answer->Color);
    return true;
}
