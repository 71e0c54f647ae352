// The data the memo keeps on every line: marks, folding state, error marks and the lexer-state cache.
#pragma once

#include "memo/MemoIntList.h"
#include "platform/classes/Object.h"

// Modified mark of a line, as the gutter shows it.
enum TLineModifiedState {
    lmUnmodified, // not edited since it was loaded or created
    lmModified,   // edited since the last load or save
    lmSaved,      // edited, then saved
};

// The tokenizer's state at a position of the text; stored and returned whole.
struct TStyle {
    bool isComment = false;
    bool isBracket = false;
    bool isnumber = false;
    bool iskeyWord = false;
    bool isdelimiter = false;
    bool isURL = false;
    char32_t EndBracket = 0;
    char32_t StartBracket = 0;
    int index = 0;

    friend bool operator==(const TStyle&, const TStyle&) = default;
};

// One line's data object, kept in the line's object slot of the memo's line
// list. The list's pool owns it, so it outlives the deletion of its line.
class TLineProp : public TObject {
    VISTRA_CLASS(TLineProp, TObject)

    TLineProp() = default;

    // The user object of the line (the list's Objects[i]); not owned.
    TObject* FObject = nullptr;
    // Error marks on the line: start columns and lengths, same order.
    memo::TIntList FErrStart;
    memo::TIntList FErrLen;

    bool Expanded() const noexcept { return FExpanded; }
    void SetExpanded(bool Value) noexcept { FExpanded = Value; }
    int LastChildOfParents() const noexcept { return FLastChildOfParents; }
    // A negative count is ignored.
    void SetLastChildOfParents(int Value) noexcept;
    bool LastChild() const noexcept { return FLastChildOfParents > 0; }
    bool HasParent() const noexcept { return FHasParent; }
    void SetHasParent(bool Value) noexcept { FHasParent = Value; }
    bool HasChildren() const noexcept { return FHasChildren; }
    void SetHasChildren(bool Value) noexcept { FHasChildren = Value; }

    bool BreakPoint = false;
    bool Executable = false;
    TLineModifiedState Modified = lmUnmodified;
    int ImageIndex = -1;
    bool Bookmark = false;
    // Lexer state at the start of the line, valid while CachedStyle is set.
    TStyle Style;
    bool CachedStyle = false;
    // The line is a soft-wrap continuation of the line before it.
    bool Wrapped = false;

private:
    bool FExpanded = true;
    int FLastChildOfParents = 0;
    bool FHasParent = false;
    bool FHasChildren = false;
};
