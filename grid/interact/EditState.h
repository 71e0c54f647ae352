// What the string grid remembers about the edit under way: the editor kind,
// the cell and its text when the edit began, validation and move guards,
// and the settings of keyboard editing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/base/GridEnums.h"
#include "grid/base/NavigationSettings.h"
#include "platform/classes/StringList.h"
#include "platform/ui/grids/GridTypes.h"

class TQuillInplaceEdit;
class TFocusHelper;

namespace grid {

class TSpecialEditors;

struct TEditState {
    TEditState();
    ~TEditState();

    TEditorType DefaultEditor = edNormal;
    // The kind of the editor open or last open.
    TEditorType EditControl = edNormal;
    // An editor (normal or special) is open.
    bool EditMode = false;
    // An edit of the current cell is under way; validation clears it.
    bool Editing = false;
    bool SpecialEditor = false;
    bool Validating = false;
    bool AlwaysValidate = false;
    bool LastValidation = true;
    bool GridModified = false;
    // Set while the grid took goEditing away on a cell that may not be edited.
    bool EditDisable = false;
    // While set, OnCellChanging is not fired by the select-cell check.
    bool DisableChange = false;
    // While set, every selection is accepted at once.
    bool ForceSel = false;
    // The character that started the edit, handed to a special editor.
    char32_t StartEditChar = 0;
    int ComboIdx = -1;
    int MaxEditLength = 0;
    std::string EditMask;
    std::string ValidChars;
    char32_t PasswordChar = U'*';
    bool ExcelStyleDecimalSeparator = false;
    // The current cell's text when the editor kind was chosen (Esc).
    std::string CellCache;
    // The cell the edit compares with (display column, row) and its text.
    int OldCol = -1;
    int OldRow = -1;
    std::string OldCellText;
    // The text the last validation settled on.
    std::string NewCellText;
    // The grid's size when the editor opened: an edit whose cell moved away
    // under it is dropped, never written into another cell.
    int OpenColCount = 0;
    int OpenRowCount = 0;
    // Search as you type.
    std::string SearchInc;
    int SearchTics = 0;
    // A special editor closed on Enter's key-down: the character that
    // follows reaches the grid and must not open the editor again.
    bool SwallowEnterChar = false;
    TQuillInplaceEdit* NormalEdit = nullptr;
    std::unique_ptr<TSpecialEditors> Specials;
    TStringList ComboItems;
    std::unique_ptr<TFocusHelper> FocusHelper;
    // The mouse: the cell a press went down on, the column widths when a
    // sizing began, and the zoom steps taken.
    TGridCoord PressCell{-1, -1};
    std::vector<int> SizedWidths;
    int ZoomFactor = 0;
};

// The message the grid posts itself when an edit ended (wParam the real
// column, lParam the row).
unsigned GridEditDoneMessage();

} // namespace grid
