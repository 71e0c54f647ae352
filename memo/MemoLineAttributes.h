// Per-line marks, soft-wrap mapping and the lexer-state cache, read and written over a memo's lines.
#pragma once

#include "memo/MemoLineProp.h"

#include <string>

class TQuillMemoStrings;

// The memo publishes these over its effective lines. Reads of a line without
// a line object give the new-object values; writes make the line object when
// missing and raise the list's index error for a line that does not exist.
// Writes that say "repaint" repaint the memo the lines serve, if any.
namespace memo {

bool BreakPoint(const TQuillMemoStrings& Lines, int Index);
// Fires no line change; repaints.
void SetBreakPoint(TQuillMemoStrings& Lines, int Index, bool Value);
bool Executable(const TQuillMemoStrings& Lines, int Index);
// Notifies a line change; repaints.
void SetExecutable(TQuillMemoStrings& Lines, int Index, bool Value);
bool Bookmark(const TQuillMemoStrings& Lines, int Index);
// Fires no line change; repaints.
void SetBookmark(TQuillMemoStrings& Lines, int Index, bool Value);

TLineModifiedState LineModifiedInt(const TQuillMemoStrings& Lines, int Index);
// Ignores an index at or past Count; fires no line change; repaints when the
// mark changed.
void SetLineModifiedInt(TQuillMemoStrings& Lines, int Index, TLineModifiedState Value);
bool LineModified(const TQuillMemoStrings& Lines, int Index);
// True marks lmModified, False lmUnmodified.
void SetLineModified(TQuillMemoStrings& Lines, int Index, bool Value);

// These walk every line object made for the lines, deleted lines' included.
void ClearBreakpoints(TQuillMemoStrings& Lines);
void ClearExecutableLines(TQuillMemoStrings& Lines);
// Also tells the memo its status changed.
void ClearModified(TQuillMemoStrings& Lines);
// lmModified becomes lmSaved, after a save.
void MarkModifiedLinesSaved(TQuillMemoStrings& Lines);
// Every line object back to lmUnmodified, after a load.
void ResetLineModifiedStates(TQuillMemoStrings& Lines);

bool IsLineWrapped(const TQuillMemoStrings& Lines, int Index);
// Notifies a line change; no repaint.
void SetLineWrapped(TQuillMemoStrings& Lines, int Index, bool Value);
// The logical line of display line Index while soft wrapping is on.
int GetWrappedLineIndex(const TQuillMemoStrings& Lines, int Index);
// The text with every soft-wrap continuation joined to its line.
std::string WrappedText(TQuillMemoStrings& Lines);
// Line Index of WrappedText; the list's index error when out of range.
std::string WrappedLine(TQuillMemoStrings& Lines, int Index);

// True when line Index has a cached start state, which is then copied to Style.
bool GetCachedStyle(const TQuillMemoStrings& Lines, int Index, TStyle& Style);
// Notifies a line change; no repaint.
void SetCachedStyle(TQuillMemoStrings& Lines, int Index, const TStyle& Style);
void ClearStyleCache(TQuillMemoStrings& Lines);
// Lines FromLine to ToLine, both included; nothing when ToLine < FromLine.
void ClearStyleCacheRange(TQuillMemoStrings& Lines, int FromLine, int ToLine);

} // namespace memo
