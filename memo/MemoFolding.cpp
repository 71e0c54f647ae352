// Code folding: regions in the line objects, found from the styler's region rules, and display rows.
#include "memo/QuillMemo.h"

#include "memo/MemoText.h"
#include "memo/MemoTokenizer.h"
#include "platform/rtl/Strings.h"

#include <map>

TCodeFolding::TCodeFolding() : FExpandGlyph(std::make_unique<TBitmap>()), FCollapsedGlyph(std::make_unique<TBitmap>()) {}

TCodeFolding::~TCodeFolding() = default;

void TCodeFolding::Notify(int ChangeMsg)
{
    if (OnChange) OnChange(this, ChangeMsg);
}

void TCodeFolding::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    Notify(2);
}

void TCodeFolding::SetLineColor(TColor Value)
{
    if (FLineColor == Value) return;
    FLineColor = Value;
    Notify(1);
}

void TCodeFolding::SetExpandGlyph(const TBitmap& Value)
{
    FExpandGlyph->Assign(&Value);
    Notify(1);
}

void TCodeFolding::SetCollapsedGlyph(const TBitmap& Value)
{
    FCollapsedGlyph->Assign(&Value);
    Notify(1);
}

void TCodeFolding::Assign(const TPersistent* Source)
{
    if (auto* other = dynamic_cast<const TCodeFolding*>(Source)) {
        FEnabled = other->FEnabled;
        FLineColor = other->FLineColor;
    }
}

void TQuillCustomMemo::FoldingChanged(TObject*, int ChangeMsg)
{
    if (ChangeMsg == 2) {
        UpdateCaret(FCaretVisible);
        AutoCodeFold();
    }
    Invalidate();
}

bool TQuillCustomMemo::IsNode(int LineIndex) const
{
    TLineProp* prop = FLines->GetLineProp(LineIndex);
    return prop && prop->HasChildren();
}

bool TQuillCustomMemo::ExpandNode(int Index) const
{
    TLineProp* prop = FLines->GetLineProp(Index);
    return !prop || prop->Expanded();
}

bool TQuillCustomMemo::AddCodeFolding(int S, int E)
{
    int count = FLines->Count();
    if (S < 0 || S >= count || IsNode(S) || E < 0 || E >= count || S >= E) return false;
    {
        TQuillMemoStrings::QuietChanges quiet(*FLines);
        ++FCodeFoldingNodeCount;
        FLines->LineProp(S).SetHasChildren(true);
        TLineProp& end = FLines->LineProp(E);
        end.SetHasParent(true);
        end.SetLastChildOfParents(end.LastChildOfParents() + 1);
        for (int i = S + 1; i < E; ++i) FLines->LineProp(i).SetHasParent(true);
    }
    RefreshScrollBars(true);
    Invalidate();
    // Reports success, unlike the False the operation has always answered.
    return true;
}

int TQuillCustomMemo::RegionEndLine(int Line) const
{
    if (Line < 0 || !IsNode(Line)) return -1;
    int open = 1, closed = 0;
    for (int i = Line + 1; i < FLines->Count(); ++i) {
        TLineProp* prop = FLines->GetLineProp(i);
        if (!prop) continue;
        closed += prop->LastChildOfParents();
        if (closed >= open) return i;
        if (prop->HasChildren()) ++open;
    }
    return -1;
}

void TQuillCustomMemo::RemoveCodeFolding(int S)
{
    TLineProp* node = S >= 0 ? FLines->GetLineProp(S) : nullptr;
    if (!node || !node->HasChildren()) return;
    int k = 1, sum = 0;
    for (int i = S + 1; i < FLines->Count(); ++i) {
        TLineProp* prop = FLines->GetLineProp(i);
        if (!prop) continue;
        sum += prop->LastChildOfParents();
        if (sum >= k) {
            --FCodeFoldingNodeCount;
            prop->SetLastChildOfParents(prop->LastChildOfParents() - 1);
            if (!node->HasParent() && prop->LastChildOfParents() == 0) prop->SetHasParent(false);
            node->SetHasChildren(false);
            return;
        }
        if (!node->HasParent() && k - 1 == sum - prop->LastChildOfParents()) prop->SetHasParent(false);
        if (prop->HasChildren()) ++k;
    }
}

void TQuillCustomMemo::RemoveRegionEndingAt(int E)
{
    if (E >= FLines->Count()) return;
    TLineProp* end = FLines->GetLineProp(E);
    if (!end || !end->HasParent()) return;
    TLineProp* next = FLines->GetLineProp(E + 1);
    bool outermost = E + 1 >= FLines->Count() || !next || !next->HasParent();
    int b = 1, seen = 0;
    for (int i = E - 1; i >= 0; --i) {
        TLineProp* prop = FLines->GetLineProp(i);
        if (!prop) continue;
        if (prop->HasChildren() && ++seen == b) {
            --FCodeFoldingNodeCount;
            end->SetLastChildOfParents(end->LastChildOfParents() - 1);
            end->SetHasParent(!outermost);
            prop->SetHasChildren(false);
            break;
        }
        b += prop->LastChildOfParents();
        if (outermost && b == seen + 1) prop->SetHasParent(false);
    }
    Invalidate();
}

void TQuillCustomMemo::RemoveAllCodeFolding()
{
    FCodeFoldingNodeCount = 0;
    for (const auto& prop : FLines->Pool()) {
        if (!prop) continue;
        prop->SetExpanded(true);
        prop->SetLastChildOfParents(0);
        prop->SetHasParent(false);
        prop->SetHasChildren(false);
    }
    Invalidate();
}

void TQuillCustomMemo::SetExpandNode(int Index, bool Value)
{
    TLineProp* prop = FLines->GetLineProp(Index);
    if (!prop || !FoldingActive() || !prop->HasChildren() || prop->Expanded() == Value) return;
    FDisableChange = true;
    prop->SetExpanded(Value);
    RefreshScrollBars(true);
    Invalidate();
    // A caret hidden by the fold moves onto the node line.
    if (!Value && FCurY > Index && FCurY <= RegionEndLine(Index)) {
        SetCurY(Index);
        ClearSelection();
    }
    FDisableChange = false;
    if (FCaretVisible) UpdateCaret(true);
}

void TQuillCustomMemo::ExpandAllNodes()
{
    if (!FoldingActive()) return;
    for (int i = 0; i < FLines->Count(); ++i)
        if (IsNode(i)) SetExpandNode(i, true);
}

void TQuillCustomMemo::CollapseAllNodes()
{
    if (!FoldingActive()) return;
    for (int i = 0; i < FLines->Count(); ++i)
        if (IsNode(i)) SetExpandNode(i, false);
}

int TQuillCustomMemo::LineFromDisplayRow(int Row) const
{
    if (!FoldingActive() || Row < 0) return Row;
    int count = FLines->Count();
    for (int i = 0, r = 0; i < count && r < count; ++r) {
        if (r == Row) return i;
        if (IsNode(i) && !ExpandNode(i)) {
            int end = RegionEndLine(i);
            if (end > i) i = end;
        }
        ++i;
    }
    return Row;
}

int TQuillCustomMemo::DisplayRowFromLine(int Line) const
{
    if (!FoldingActive()) return Line;
    int count = FLines->Count();
    for (int i = 0, r = 0; i < count && r < count; ++r) {
        int end = i;
        if (IsNode(i) && !ExpandNode(i)) end = std::max(RegionEndLine(i), i);
        if (Line >= i && Line <= end) return r;
        i = end + 1;
    }
    return Line;
}

void TQuillCustomMemo::ExpandEnclosingNodes(int Line)
{
    TLineProp* prop = FLines->GetLineProp(Line);
    if (!prop || !prop->HasParent()) return;
    int c = 1, n = 0;
    for (int i = Line - 1; i >= 0; --i) {
        TLineProp* p = FLines->GetLineProp(i);
        if (!p) continue;
        if (p->HasChildren() && ++n >= c) {
            SetExpandNode(i, true);
            if (!p->HasParent()) return;
        }
        c += p->LastChildOfParents();
    }
}

namespace {

// The first word of a trimmed line: up to and including a space, ";", ":"
// or a one-character comment closer, then trimmed.
std::string FirstWord(const std::string& T, const std::string& CommentRight)
{
    size_t i = 0;
    while (i < T.size() && T[i] != ' ' && T[i] != ';' && T[i] != ':' && !(CommentRight.size() == 1 && T[i] == CommentRight[0])) ++i;
    return Trim(T.substr(0, std::min(i + 1, T.size())));
}

bool SameWord(const std::string& A, const std::string& B) { return !B.empty() && SameText(A, B); }

} // namespace

bool TQuillCustomMemo::GetFoldedSummary(int L, int& DefinitionIndex, std::string& Summary) const
{
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    if (!FoldingActive() || !styler || !IsNode(L)) return false;
    std::string line = FLines->Strings(L);
    size_t indent = std::min(line.find_first_not_of(' '), line.size());
    std::string t = Trim(line);
    const std::string& right = styler->MultiCommentRight();
    std::string word = FirstWord(t, right);
    const TRegionDefinitions& defs = styler->RegionDefinitions();
    for (int i = 0; i < defs.Count(); ++i) {
        const TRegionDefinition& d = *defs.Items(i);
        if (!SameWord(word, d.Identifier()) && !SameWord(word, d.RegionStart()) && !SameWord(word, d.RegionEnd())) continue;
        if (!d.ShowComments()) return false;
        DefinitionIndex = i;
        size_t from = std::min(word.size(), t.size());
        size_t to = right.size() == 1 ? t.find(right[0], from) : std::string::npos;
        Summary = line.substr(0, indent) + "[" + Trim(t.substr(from, to == std::string::npos ? std::string::npos : to - from)) + "]";
        return true;
    }
    return false;
}

bool TQuillCustomMemo::HasFoldedSummary(int LineIndex) const
{
    int index = -1;
    std::string summary;
    return GetFoldedSummary(LineIndex, index, summary);
}

void TQuillCustomMemo::AutoCodeFold()
{
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    if (!FoldingActive() || !styler || styler->RegionDefinitions().Count() == 0) return;
    const TRegionDefinitions& defs = styler->RegionDefinitions();
    std::map<int, bool> expanded;
    for (int i = 0; i < FLines->Count(); ++i)
        if (IsNode(i)) expanded[i] = ExpandNode(i);
    RemoveAllCodeFolding();

    std::string delimiters = memo::ToUtf8(memo::TTokenRules(styler, false, false).Delimiters());
    if (delimiters.find('{') == std::string::npos) delimiters += '{';
    if (delimiters.find('}') == std::string::npos) delimiters += '}';
    const std::string left = UpperCase(styler->MultiCommentLeft());
    const std::string right = UpperCase(styler->MultiCommentRight());
    const std::string lineComment = UpperCase(styler->LineComment());
    bool inComment = false;
    struct Candidate {
        int Line = -1, Def = -1;
    } a, b;
    bool bOpened = false;
    int depth = 0;
    struct Closed {
        int Start, Def, End;
    };
    std::vector<Closed> closed;
    std::vector<std::pair<int, int>> openType; // start line, end line (-1 open)
    std::vector<int> fileType;
    auto isStop = [&](char c) { return c == ' ' || c == ';' || c == ':' || delimiters.find(c) != std::string::npos; };

    for (int L = 0; L < FLines->Count(); ++L) {
        std::string text = UpperCase(Trim(FLines->Strings(L)));
        // Remove comments; the flag carries over lines.
        if (inComment) {
            size_t at = right.empty() ? std::string::npos : text.find(right);
            if (at == std::string::npos) continue;
            inComment = false;
            text.erase(0, at + right.size());
        }
        for (;;) {
            size_t ca = left.empty() ? std::string::npos : text.find(left);
            size_t cb = lineComment.empty() ? std::string::npos : text.find(lineComment);
            if (cb != std::string::npos && (ca == std::string::npos || cb <= ca)) {
                text.erase(cb);
                break;
            }
            if (ca == std::string::npos) break;
            size_t close = text.find(right, ca + left.size());
            if (close == std::string::npos) {
                inComment = true;
                text.erase(ca);
                break;
            }
            text.erase(ca, close + right.size() - ca);
        }
        std::vector<std::string> words;
        for (size_t i = 0; i < text.size();) {
            size_t j = i + 1;
            if (!isStop(text[i]))
                while (j < text.size() && !isStop(text[j])) ++j;
            std::string word = Trim(text.substr(i, j - i));
            if (!word.empty() && word != ";" && word != ":") words.push_back(word);
            i = j;
        }
        for (const std::string& w : words) {
            for (int r = 0; r < defs.Count(); ++r) {
                const TRegionDefinition& d = *defs.Items(r);
                bool closedKind = d.RegionType() == rtClosed || d.RegionType() == rtIgnore;
                if (SameWord(w, d.Identifier())) {
                    if (d.RegionType() == rtOpen) {
                        if (!openType.empty() && L > 0 && openType.back().second < 0) openType.back().second = L - 1;
                        openType.push_back({L, -1});
                        continue;
                    }
                    if (d.RegionType() == rtFile) {
                        fileType.push_back(L);
                        continue;
                    }
                    if (SameWord(d.Identifier(), d.RegionStart())) {
                        closed.push_back({L, r, -1});
                    } else if (a.Line < 0) {
                        a = {L, r};
                    } else {
                        if (b.Line >= 0) a = b;
                        b = {L, r};
                    }
                    break;
                }
                if (SameWord(w, d.RegionStart())) {
                    if (!closedKind) continue;
                    if (depth == 0 && b.Line >= 0 && !bOpened) {
                        closed.push_back({b.Line, b.Def, -1});
                        bOpened = true;
                    } else if (depth == 0 && a.Line >= 0 && !bOpened) {
                        closed.push_back({a.Line, a.Def, -1});
                        a = b = {};
                        bOpened = false;
                    } else {
                        ++depth;
                    }
                    break;
                }
                if (SameWord(w, d.RegionEnd())) {
                    if (!closedKind) continue;
                    if (depth > 0) {
                        --depth;
                        break;
                    }
                    bool found = false;
                    for (auto it = closed.rbegin(); it != closed.rend(); ++it)
                        if (it->End < 0 && SameWord(w, defs.Items(it->Def)->RegionEnd())) {
                            it->End = L;
                            if (it->Start == b.Line && bOpened) {
                                b = {};
                                bOpened = false;
                            }
                            found = true;
                            break;
                        }
                    if (!found) {
                        a = b = {};
                        bOpened = false;
                    }
                    break;
                }
            }
        }
    }
    int last = FLines->Count() - 1;
    for (const Closed& c : closed)
        if (c.End >= 0 && defs.Items(c.Def)->RegionType() != rtIgnore) AddCodeFolding(c.Start, c.End);
    for (const auto& [start, end] : openType) AddCodeFolding(start, end < 0 ? last : end);
    for (int start : fileType) AddCodeFolding(start, last);
    for (const auto& [line, wasExpanded] : expanded)
        if (TLineProp* prop = FLines->GetLineProp(line); prop && prop->HasChildren()) prop->SetExpanded(wasExpanded);
}
