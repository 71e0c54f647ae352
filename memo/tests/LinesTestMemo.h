// A memo stand-in for the line-list tests: it keeps caret, bookmarks and soft wraps as the memo
// control does and counts the notifications the list sends it.
#pragma once

#include "memo/MemoLineAttributes.h"
#include "memo/MemoLines.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

class LinesTestMemo : public TMemoLinesOwner {
public:
    LinesTestMemo()
    {
        Lines.SetMemo(this);
        Lines.ConnectMemoChange();
        Lines.Add("");
        bookmarks.fill(-1);
    }

    TQuillMemoStrings Lines;

    int tabSize = 4;
    int topLine = 0;
    int curX = 0;
    int curY = 0;
    std::array<int, 10> bookmarks{};
    bool folding = false;
    bool softWrap = false;
    bool trimTrailingSpaces = false;
    bool refreshing = true;

    // Undo steps recorded by DeleteLine: the text of each deleted line.
    std::vector<std::string> deletedLines;
    std::vector<int> removedRegionStarts;
    std::vector<int> removedRegionEnds;
    int topStyleInvalidations = 0;
    int undoClears = 0;
    int linesChanged = 0;
    int repaints = 0;
    int statusChanges = 0;
    int autoFolds = 0;
    int wrapUpdates = 0;
    int maxLength = -1;

    int TabSize() const override { return tabSize; }
    int TopLine() const override { return topLine; }
    void InvalidateTopLineStyle() override { ++topStyleInvalidations; }
    void LineInserted(int Index) override
    {
        for (int& line : bookmarks)
            if (line >= Index)
                ++line;
    }
    void LineRemoved(int) override {}

    int CurX() const override { return curX; }
    int CurY() const override { return curY; }
    void SetCurX(int Value) override { curX = std::max(Value, 0); }
    void SetCurY(int Value) override { curY = std::clamp(Value, 0, std::max(Lines.Count() - 1, 0)); }
    void StoreCaret(int X, int Y) override
    {
        curX = X;
        curY = Y;
    }
    void ClearSelection() override {}
    void ResetSelectionAndCaret() override
    {
        curY = 0;
        curX = 0;
    }

    void DeleteLine() override
    {
        deletedLines.push_back(Lines.Strings(curY));
        if (Lines.Count() == 1)
            Lines.SetStrings(0, "");
        else
            Lines.Delete(curY);
    }

    bool CodeFoldingEnabled() const override { return folding; }
    void SetCodeFoldingEnabled(bool Value) override { folding = Value; }
    void RemoveCodeFolding(int Line) override { removedRegionStarts.push_back(Line); }
    void RemoveRegionEndingAt(int Line) override { removedRegionEnds.push_back(Line); }
    void ResetCodeFoldingNodeCount() override {}
    void AutoCodeFold() override { ++autoFolds; }

    void ClearMemo() override { Lines.Clear(); }
    void AssignLines(const TStrings& Source) override
    {
        Lines.Clear();
        Lines.AddStrings(Source);
        if (trimTrailingSpaces)
            for (int i = 0; i < Lines.Count(); ++i)
                Lines.SetStrings(i, TrimRight(Lines.Strings(i)));
    }
    void ClearUndoList() override { ++undoClears; }

    void SetRefreshing(bool Value) override { refreshing = Value; }
    void LinesChanged() override
    {
        if (refreshing)
            ++linesChanged;
    }
    void SetMaxLineLength(int Value) override { maxLength = Value; }
    void UpdateMaxLength() override {}
    void RefreshScrollBars() override {}
    void RefreshMemo() override {}
    void Repaint() override { ++repaints; }
    void StatusChanged() override { ++statusChanges; }
    void BeginUpdate() override { refreshing = false; }
    void EndUpdate() override { refreshing = true; }

    // Soft wraps: continuation lines carry the Wrapped mark. Unwrapping joins
    // them to their lines and keeps the wrapped set to put back.
    bool SoftWrapping() const override { return softWrap; }
    void UnwrapLines() override
    {
        TStringList joined;
        wrappedSet.Clear();
        wrappedSlots.clear();
        for (int i = 0; i < Lines.Count(); ++i) {
            wrappedSet.Add(Lines.Strings(i));
            wrappedSlots.push_back(Lines.GetLineProp(i));
            if (memo::IsLineWrapped(Lines, i) && joined.Count() > 0)
                joined.SetStrings(joined.Count() - 1, joined.Strings(joined.Count() - 1) + Lines.Strings(i));
            else
                joined.Add(Lines.Strings(i));
        }
        wrappedProps = Lines.ReplaceLines(joined);
    }
    void WrapLines() override
    {
        (void)Lines.ReplaceLines(wrappedSet);
        for (int i = 0; i < Lines.Count(); ++i)
            Lines.SetLineProp(i, wrappedSlots[static_cast<size_t>(i)]);
        for (auto& prop : wrappedProps)
            Lines.AddLineProp(std::move(prop));
        wrappedProps.clear();
    }
    void UpdateWrap() override { ++wrapUpdates; }

    // Lines as one vector, for comparisons.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < Lines.Count(); ++i)
            texts.push_back(Lines.Strings(i));
        return texts;
    }

private:
    TStringList wrappedSet;
    std::vector<TLineProp*> wrappedSlots;
    TQuillMemoStrings::LineProps wrappedProps;
};
