// Per-line marks, soft-wrap mapping and the lexer-state cache over a memo's lines.
#include "memo/MemoLineAttributes.h"

#include "memo/MemoLines.h"
#include "platform/rtl/ScopeExit.h"

#include <algorithm>

namespace memo {

namespace {

void RepaintMemo(const TQuillMemoStrings& Lines)
{
    if (TMemoLinesOwner* memo = Lines.Memo())
        memo->Repaint();
}

// Sets a field on the line object and stores the object back in its slot,
// which notifies the list's change handler.
template <class Write>
void WriteLineProp(TQuillMemoStrings& Lines, int Index, Write write)
{
    TLineProp& prop = Lines.LineProp(Index);
    write(prop);
    Lines.SetLineProp(Index, &prop);
}

// The same, with the change handler silenced: a mark is no text change.
template <class Write>
void WriteMark(TQuillMemoStrings& Lines, int Index, Write write)
{
    TQuillMemoStrings::QuietChanges quiet(Lines);
    WriteLineProp(Lines, Index, write);
}

template <class Change>
void ForEachLineProp(TQuillMemoStrings& Lines, Change change)
{
    for (const auto& prop : Lines.Pool())
        change(*prop);
}

} // namespace

bool BreakPoint(const TQuillMemoStrings& Lines, int Index)
{
    const TLineProp* prop = Lines.GetLineProp(Index);
    return prop && prop->BreakPoint;
}

void SetBreakPoint(TQuillMemoStrings& Lines, int Index, bool Value)
{
    WriteMark(Lines, Index, [Value](TLineProp& prop) { prop.BreakPoint = Value; });
    RepaintMemo(Lines);
}

bool Executable(const TQuillMemoStrings& Lines, int Index)
{
    const TLineProp* prop = Lines.GetLineProp(Index);
    return prop && prop->Executable;
}

void SetExecutable(TQuillMemoStrings& Lines, int Index, bool Value)
{
    WriteLineProp(Lines, Index, [Value](TLineProp& prop) { prop.Executable = Value; });
    RepaintMemo(Lines);
}

bool Bookmark(const TQuillMemoStrings& Lines, int Index)
{
    const TLineProp* prop = Lines.GetLineProp(Index);
    return prop && prop->Bookmark;
}

void SetBookmark(TQuillMemoStrings& Lines, int Index, bool Value)
{
    WriteMark(Lines, Index, [Value](TLineProp& prop) { prop.Bookmark = Value; });
    RepaintMemo(Lines);
}

TLineModifiedState LineModifiedInt(const TQuillMemoStrings& Lines, int Index)
{
    const TLineProp* prop = Lines.GetLineProp(Index);
    return prop ? prop->Modified : lmUnmodified;
}

void SetLineModifiedInt(TQuillMemoStrings& Lines, int Index, TLineModifiedState Value)
{
    if (Index >= Lines.Count())
        return;
    bool changed = false;
    WriteMark(Lines, Index, [Value, &changed](TLineProp& prop) {
        changed = prop.Modified != Value;
        prop.Modified = Value;
    });
    if (changed)
        RepaintMemo(Lines);
}

bool LineModified(const TQuillMemoStrings& Lines, int Index)
{
    return LineModifiedInt(Lines, Index) != lmUnmodified;
}

void SetLineModified(TQuillMemoStrings& Lines, int Index, bool Value)
{
    SetLineModifiedInt(Lines, Index, Value ? lmModified : lmUnmodified);
}

void ClearBreakpoints(TQuillMemoStrings& Lines)
{
    ForEachLineProp(Lines, [](TLineProp& prop) { prop.BreakPoint = false; });
    RepaintMemo(Lines);
}

void ClearExecutableLines(TQuillMemoStrings& Lines)
{
    ForEachLineProp(Lines, [](TLineProp& prop) { prop.Executable = false; });
    RepaintMemo(Lines);
}

void ClearModified(TQuillMemoStrings& Lines)
{
    ForEachLineProp(Lines, [](TLineProp& prop) { prop.Modified = lmUnmodified; });
    if (TMemoLinesOwner* memo = Lines.Memo())
        memo->StatusChanged();
    RepaintMemo(Lines);
}

void MarkModifiedLinesSaved(TQuillMemoStrings& Lines)
{
    {
        TQuillMemoStrings::QuietChanges quiet(Lines);
        ForEachLineProp(Lines, [](TLineProp& prop) {
            if (prop.Modified == lmModified)
                prop.Modified = lmSaved;
        });
    }
    RepaintMemo(Lines);
}

void ResetLineModifiedStates(TQuillMemoStrings& Lines)
{
    {
        TQuillMemoStrings::QuietChanges quiet(Lines);
        ForEachLineProp(Lines, [](TLineProp& prop) { prop.Modified = lmUnmodified; });
    }
    RepaintMemo(Lines);
}

bool IsLineWrapped(const TQuillMemoStrings& Lines, int Index)
{
    const TLineProp* prop = Lines.GetLineProp(Index);
    return prop && prop->Wrapped;
}

void SetLineWrapped(TQuillMemoStrings& Lines, int Index, bool Value)
{
    WriteLineProp(Lines, Index, [Value](TLineProp& prop) { prop.Wrapped = Value; });
}

int GetWrappedLineIndex(const TQuillMemoStrings& Lines, int Index)
{
    const TMemoLinesOwner* memo = Lines.Memo();
    if (!memo || !memo->SoftWrapping() || Index < 0)
        return Index;
    int continuations = 0;
    const int last = std::min(Index, Lines.Count() - 1);
    for (int i = 0; i <= last; ++i)
        if (IsLineWrapped(Lines, i))
            ++continuations;
    return Index - continuations;
}

std::string WrappedText(TQuillMemoStrings& Lines)
{
    TMemoLinesOwner* memo = Lines.Memo();
    if (!memo || !memo->SoftWrapping())
        return Lines.Text();
    const auto update = rtl::UpdateScope(*memo);
    memo->UnwrapLines();
    std::string text = Lines.Text();
    memo->WrapLines();
    return text;
}

std::string WrappedLine(TQuillMemoStrings& Lines, int Index)
{
    TStringList lines;
    lines.SetText(WrappedText(Lines));
    return lines.Strings(Index);
}

bool GetCachedStyle(const TQuillMemoStrings& Lines, int Index, TStyle& Style)
{
    const TLineProp* prop = Lines.GetLineProp(Index);
    if (!prop || !prop->CachedStyle)
        return false;
    Style = prop->Style;
    return true;
}

void SetCachedStyle(TQuillMemoStrings& Lines, int Index, const TStyle& Style)
{
    WriteLineProp(Lines, Index, [&Style](TLineProp& prop) {
        prop.Style = Style;
        prop.CachedStyle = true;
    });
}

void ClearStyleCache(TQuillMemoStrings& Lines)
{
    ForEachLineProp(Lines, [](TLineProp& prop) { prop.CachedStyle = false; });
}

void ClearStyleCacheRange(TQuillMemoStrings& Lines, int FromLine, int ToLine)
{
    for (int i = std::max(FromLine, 0); i <= ToLine; ++i)
        if (TLineProp* prop = Lines.GetLineProp(i))
            prop->CachedStyle = false;
}

} // namespace memo
