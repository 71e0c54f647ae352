// A folder field: the button opens the folder dialog below the edit, and the
// value is valid when the folder exists. The typed-input options that make
// no sense for a path are not offered.
#pragma once

#include <functional>
#include <string>

#include "controls/QuillEdBtn.h"

using TDirectoryShowEvent = std::function<void(TObject* Sender, std::string& InitialPath)>;
using TDialogCloseEvent = std::function<void(TObject* Sender, const std::string& NewDirectory, bool OK)>;

class TQuillDirectoryEdit : public TQuillEditBtn {
    VISTRA_CLASS(TQuillDirectoryEdit, TQuillEditBtn)

    explicit TQuillDirectoryEdit(TComponent* AOwner);

    const std::string& BrowseDialogText() const noexcept { return FBrowseDialogText; }
    void SetBrowseDialogText(const std::string& Value) { FBrowseDialogText = Value; }
    bool AllowNewFolder() const noexcept { return FAllowNewFolder; }
    void SetAllowNewFolder(bool Value) noexcept { FAllowNewFolder = Value; }

    // Whether the value names an existing folder; the error look shows when not.
    bool IsValidDirectory();
    void ClickButton() { DoClickBtn(); }
    // Opens the folder dialog; a chosen folder other than the value becomes
    // the value and marks the edit modified.
    void DoClickBtn() override;
    virtual void ValidateDirectory(const std::string& Value, bool& Valid);
    // Every validation of the value checks the folder.
    void DoValueValidate(const std::string& Value, bool& IsValid) override;

    TDirectoryShowEvent OnShowDirectoryDialog;
    TDialogCloseEvent OnDialogClose;

    // Where the dialog goes: below the edit's bottom-left corner (BelowEdit),
    // to the left of it when it would cross the work area's right edge, and
    // lifted above the bottom edge when it would cross that.
    static TPoint PlaceDialog(TPoint BelowEdit, int Width, int Height, const TRect& WorkArea);
    static constexpr int BottomLift = 64;

private:
    // A path keeps the edit's string kind, and the button acts only through
    // the dialog.
    using TQuillEditBtn::OnClickBtn;
    using TQuillEditBtn::OnValueValidate;
    using TQuillEditBtn::SetAutoThousandSeparator;
    using TQuillEditBtn::SetEditAlign;
    using TQuillEditBtn::SetEditType;
    using TQuillEditBtn::SetExcelStyleDecimalSeparator;
    using TQuillEditBtn::SetPasswordChar;
    using TQuillEditBtn::SetPrecision;
    using TQuillEditBtn::SetShowURL;
    using TQuillEditBtn::SetSigned;
    using TQuillEditBtn::SetURLColor;

    std::string FBrowseDialogText = "Select Directory";
    bool FAllowNewFolder = false;
};
