// TQuillDirectoryEdit: the folder glyph, the folder dialog and its place, and
// the validation by the folder's existence.
#include "controls/QuillDirectoryEdit.h"

#include <filesystem>
#include <system_error>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"

namespace {

// The 12 x 11 picture of an open yellow folder on white; white is the
// transparent colour, as the bottom-left pixel says.
void PaintFolderGlyph(TBitmap& Glyph)
{
    static constexpr const char* rows[] = {
        "............",
        ".kkkk.......",
        "kyyyyk......",
        "kyyyykkkkkk.",
        "kyyyyyyyyyk.",
        "kyykkkkkkkkk",
        "kykyyyyyyyyk",
        "kkyyyyyyyyk.",
        "kkyyyyyyyyk.",
        "kkkkkkkkkk..",
        "............",
    };
    Glyph.SetSize(12, 11);
    TCanvas& c = *Glyph.Canvas();
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 12; ++x) {
            const char p = rows[y][x];
            c.SetPixels(x, y, p == 'k' ? TColor(0x000000) : p == 'y' ? TColor(0x00FFFF) : clWhite);
        }
}

std::string CurrentFolder()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

std::string WithoutTrailingDelimiter(std::string Path)
{
    while (Path.size() > 1 && Path.back() == '/') Path.pop_back();
    return Path;
}

} // namespace

TQuillDirectoryEdit::TQuillDirectoryEdit(TComponent* AOwner) : TQuillEditBtn(AOwner)
{
    PaintFolderGlyph(Glyph());
    Button()->Button().Invalidate();
    SetButtonWidth(18);
}

TPoint TQuillDirectoryEdit::PlaceDialog(TPoint BelowEdit, int Width, int Height, const TRect& WorkArea)
{
    TPoint p = BelowEdit;
    if (p.X + Width > WorkArea.Right) p.X -= Width;
    if (p.Y + Height >= WorkArea.Bottom) p.Y = WorkArea.Bottom - Height - BottomLift;
    return p;
}

void TQuillDirectoryEdit::DoClickBtn()
{
    std::string initialPath = Text();
    if (initialPath.empty()) initialPath = CurrentFolder();
    if (OnShowDirectoryDialog) OnShowDirectoryDialog(this, initialPath);

    ui::TFolderDialogRequest request;
    request.Title = FBrowseDialogText;
    request.InitialDir = WithoutTrailingDelimiter(initialPath);
    request.AllowNewFolder = FAllowNewFolder;
    const TPoint belowEdit = ClientToScreen({0, Height()});
    request.Place = [belowEdit](int Width, int Height) {
        const TRect work = Screen ? Screen->WorkAreaRect() : TRect{};
        return PlaceDialog(belowEdit, Width, Height, work);
    };
    // The Esc that may close the dialog is not the edit's.
    BlockDefaultHandling();
    std::optional<std::string> chosen;
    try {
        chosen = ui::RunFolderDialog(request);
    } catch (...) {
        // A dialog that fails counts as no choice.
        chosen.reset();
    }
    if (!chosen) return;
    const bool ok = !chosen->empty();
    if (OnDialogClose) OnDialogClose(this, *chosen, ok);
    if (ok && Text() != *chosen) {
        SetText(*chosen);
        SetModified(true);
    }
}

void TQuillDirectoryEdit::ValidateDirectory(const std::string& Value, bool& Valid)
{
    std::error_code error;
    Valid = std::filesystem::is_directory(Value, error);
}

void TQuillDirectoryEdit::DoValueValidate(const std::string& Value, bool& IsValid) { ValidateDirectory(Value, IsValid); }

bool TQuillDirectoryEdit::IsValidDirectory()
{
    bool valid = false;
    ValidateDirectory(Text(), valid);
    SetIsError(!valid);
    return valid;
}
