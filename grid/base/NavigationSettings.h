// Keyboard, editing and clipboard behaviour of the string grid.
#pragma once

#include "grid/base/GridEnums.h"
#include "grid/base/SettingsOption.h"
#include "platform/classes/Object.h"

// The options whose setters only store (type, name, default).
#define VISTRA_NAVIGATION_OPTIONS(X)                         \
    X(bool, AllowInsertRow, false)                           \
    X(bool, AllowDeleteRow, false)                           \
    X(bool, AlwaysEdit, false)                               \
    X(bool, AdvanceOnEnter, false)                           \
    X(bool, AdvanceOnEnterLoop, true)                        \
    X(bool, AdvanceAutoEdit, true)                           \
    X(bool, AutoGotoWhenSorted, false)                       \
    X(bool, AutoGotoIncremental, false)                      \
    X(bool, AutoComboDropSize, false)                        \
    X(bool, AllowClipboardShortCuts, false)                  \
    X(bool, AllowCtrlEnter, true)                            \
    X(bool, AllowSmartClipboard, false)                      \
    X(bool, AllowRTFClipboard, false)                        \
    X(bool, AllowFmtClipboard, false)                        \
    X(bool, AllowClipboardAlways, false)                     \
    X(bool, AllowClipboardRowGrow, true)                     \
    X(bool, AllowClipboardColGrow, true)                     \
    X(bool, AppendOnArrowDown, false)                        \
    X(bool, EditSelectAll, true)                             \
    X(TInsertPosition, InsertPosition, pInsertBefore)        \
    X(TClipboardPasteAction, ClipboardPasteAction, paReplace) \
    X(bool, ComboGetUpDown, true)                            \
    X(TCursorAdvance, CursorAdvance, caDefault)              \
    X(bool, CursorWalkEditor, false)                         \
    X(bool, CursorWalkAlwaysEdit, true)                      \
    X(bool, MoveRowOnSort, false)                            \
    X(bool, KeepScrollOnSort, false)                         \
    X(bool, MoveScrollOnly, false)                           \
    X(bool, ImproveMaskSel, false)                           \
    X(bool, LeftRightRowSelect, true)                        \
    X(bool, CopyHTMLTagsToClipboard, true)                   \
    X(bool, KeepHorizScroll, false)                          \
    X(bool, LineFeedOnEnter, false)                          \
    X(THomeEndAction, HomeEndKey, heFirstLastColumn)         \
    X(bool, SkipFixedCells, true)                            \
    X(bool, SkipDisabledRows, true)                          \
    X(bool, TabToNextAtEnd, false)                           \
    X(TAdvanceDirection, TabAdvanceDirection, adLeftRight)

class TNavigation : public TPersistent {
    VISTRA_CLASS(TNavigation, TPersistent)

    VISTRA_NAVIGATION_OPTIONS(VISTRA_PLAIN_OPTION)

public:
    static constexpr TAdvanceDirection AdvanceDirectionDefault = adLeftRight;
    static constexpr bool AdvanceInsertDefault = false;
    static constexpr bool AdvanceAutoDefault = false;

    TAdvanceDirection AdvanceDirection() const noexcept { return FAdvanceDirection; }
    // Stores and notifies on change.
    void SetAdvanceDirection(TAdvanceDirection Value);
    bool AdvanceInsert() const noexcept { return FAdvanceInsert; }
    // Stores and notifies on change.
    void SetAdvanceInsert(bool Value);
    bool AdvanceAuto() const noexcept { return FAdvanceAuto; }
    // Switching it on also switches AdvanceOnEnter on, without notification.
    void SetAdvanceAuto(bool Value);

    // Copies every option but KeepScrollOnSort, without notification.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    TAdvanceDirection FAdvanceDirection = AdvanceDirectionDefault;
    bool FAdvanceInsert = AdvanceInsertDefault;
    bool FAdvanceAuto = AdvanceAutoDefault;
};
