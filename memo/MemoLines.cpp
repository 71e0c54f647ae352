// The memo's line list.
#include "memo/MemoLines.h"

#include "memo/MemoLineAttributes.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <utility>

using memo::MarkModifiedLinesSaved;
using memo::ResetLineModifiedStates;

namespace {

int CharLength(const std::string& S)
{
    return static_cast<int>(rtl::Utf8Length(S));
}

// Sets a flag until the returned guard ends, also when an exception passes.
auto FlagRaised(bool& flag)
{
    flag = true;
    return rtl::ScopeExit([&flag] { flag = false; });
}

// Undoes the memo's soft wraps, when they are on, until the returned guard ends: they are
// put back also when the write in between fails.
auto SoftWrapsUndone(TMemoLinesOwner* memo)
{
    TMemoLinesOwner* wrapped = memo != nullptr && memo->SoftWrapping() ? memo : nullptr;
    if (wrapped)
        wrapped->UnwrapLines();
    return rtl::ScopeExit([wrapped] {
        if (wrapped)
            wrapped->WrapLines();
    });
}

} // namespace

TQuillMemoStrings::QuietChanges::QuietChanges(TQuillMemoStrings& Lines)
    : FLines(Lines), FSaved(std::exchange(Lines.OnChange, nullptr))
{
}

TQuillMemoStrings::QuietChanges::~QuietChanges()
{
    FLines.OnChange = std::move(FSaved);
}

TQuillMemoStrings::~TQuillMemoStrings()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    FreeLineProps();
}

void TQuillMemoStrings::ConnectMemoChange()
{
    OnChange = [this](TObject*) {
        if (FMemo)
            FMemo->LinesChanged();
    };
}

std::string TQuillMemoStrings::ExpandTabs(const std::string& S) const
{
    if (!FMemo || S.find('\t') == std::string::npos)
        return S;
    std::string spaces(static_cast<size_t>(std::max(FMemo->TabSize(), 0)), ' ');
    return StringReplace(S, "\t", spaces, rfReplaceAll);
}

void TQuillMemoStrings::RebuildLengths(const TStrings& From)
{
    FListLengths.Clear();
    for (int i = 0; i < From.Count(); ++i)
        FListLengths.Add(CharLength(From.Strings(i)));
}

// ---- lines in and out ----

int TQuillMemoStrings::Add(const std::string& S)
{
    if (!FMemo)
        return TStringList::Add(S);
    std::string text = ExpandTabs(S);
    std::erase(text, '\n');
    size_t start = 0;
    for (size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
        TStringList::Add(text.substr(start, cr - start));
        start = cr + 1;
    }
    return TStringList::Add(text.substr(start));
}

int TQuillMemoStrings::AddObject(const std::string& S, TObject* AObject)
{
    const int before = Count();
    int index;
    if (FNoObjCreate) {
        index = TStringList::AddObject(S, nullptr);
    } else {
        auto prop = std::make_unique<TLineProp>();
        prop->FObject = AObject;
        TLineProp* raw = prop.get();
        index = TStringList::AddObject(S, raw);
        if (Count() > before)
            FLinesProp.push_back(std::move(prop));
    }
    // A sorted list may place the line anywhere, or drop a duplicate.
    if (Count() > before)
        FListLengths.Insert(std::min(index, FListLengths.Count()), CharLength(S));
    return index;
}

void TQuillMemoStrings::AddStrings(const TStrings& Strings)
{
    TStrings::AddStrings(Strings);
    if (!FMemo)
        return;
    RebuildLengths(*this);
    if (FLockCount == 0)
        FMemo->RefreshMemo();
}

void TQuillMemoStrings::DoInsert(int Index, const std::string& S)
{
    if (Index < 0 || Index > Count())
        IndexError(Index);
    std::string text = ExpandTabs(S);
    if (FMemo && Index < FMemo->TopLine())
        FMemo->InvalidateTopLineStyle();
    FListLengths.Insert(std::min(Index, FListLengths.Count()), CharLength(text));
    if (FMemo)
        FMemo->LineInserted(Index);
    TStringList::Insert(Index, text);
}

void TQuillMemoStrings::RemoveLine(int Index)
{
    const auto raw = FlagRaised(FDeleting);
    Delete(Index);
}

void TQuillMemoStrings::Insert(int Index, const std::string& S)
{
    if (!FMemo) {
        DoInsert(Index, S);
        return;
    }
    FMemo->ClearSelection();
    std::string_view rest = S;
    for (size_t pair = rest.find("\r\n"); pair != std::string_view::npos; pair = rest.find("\r\n")) {
        DoInsert(Index, std::string(rest.substr(0, pair)));
        rest.remove_prefix(pair + 2);
        ++Index;
    }
    DoInsert(Index, std::string(rest));
    FMemo->SetCurX(FMemo->CurX());
    FMemo->SetCurY(FMemo->CurY());
    FMemo->Repaint();
}

void TQuillMemoStrings::SetStrings(int Index, const std::string& S)
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
    std::string text = ExpandTabs(S);
    if (Index < FListLengths.Count())
        FListLengths.SetInteger(Index, CharLength(text));
    else
        FListLengths.Add(CharLength(text));
    TStringList::SetStrings(Index, text);
    if (FMemo && Index < FMemo->TopLine())
        FMemo->InvalidateTopLineStyle();
}

void TQuillMemoStrings::RemoveFoldingOf(int Index)
{
    const TLineProp* prop = GetLineProp(Index);
    if (!prop || !FMemo->CodeFoldingEnabled())
        return;
    if (prop->HasChildren())
        FMemo->RemoveCodeFolding(Index);
    else if (prop->HasParent() && prop->LastChild())
        FMemo->RemoveRegionEndingAt(Index);
}

void TQuillMemoStrings::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    if (FDeleting || !FMemo) {
        if (Index < FListLengths.Count())
            FListLengths.Delete(Index);
        TStringList::Delete(Index);
        if (FMemo)
            FMemo->LineRemoved(Index);
        return;
    }
    if (Index < FMemo->TopLine())
        FMemo->InvalidateTopLineStyle();
    int oldX, oldY, oldCount;
    {
        const auto deleting = FlagRaised(FDeleting);
        RemoveFoldingOf(Index);
        oldX = FMemo->CurX();
        oldY = FMemo->CurY();
        oldCount = Count();
        FMemo->SetCurY(Index);
        FMemo->DeleteLine();
    }
    const int x = oldCount == 1 ? 0 : oldX;
    const int y = Index < oldY ? oldY - 1 : oldY;
    // Deleting the caret's own last line would leave it past the end.
    FMemo->StoreCaret(x, std::clamp(y, 0, std::max(Count() - 1, 0)));
}

void TQuillMemoStrings::Clear()
{
    if (FMemo) {
        FMemo->ResetSelectionAndCaret();
        FMemo->Repaint();
    }
    FreeLineProps();
    FListLengths.Clear();
    if (FMemo)
        FMemo->ResetCodeFoldingNodeCount();
    TStringList::Clear();
}

void TQuillMemoStrings::Exchange(int Index1, int Index2)
{
    TStringList::Exchange(Index1, Index2);
    if (FListLengths.Count() == Count())
        FListLengths.Exchange(Index1, Index2);
}

void TQuillMemoStrings::Move(int CurIndex, int NewIndex)
{
    TStringList::Move(CurIndex, NewIndex);
    if (CurIndex != NewIndex && FListLengths.Count() == Count())
        FListLengths.Move(CurIndex, NewIndex);
}

void TQuillMemoStrings::Sort()
{
    TStringList::Sort();
    RebuildLengths(*this);
}

void TQuillMemoStrings::CustomSort(const TStringListSortCompare& Compare)
{
    TStringList::CustomSort(Compare);
    RebuildLengths(*this);
}

// ---- whole-list operations ----

void TQuillMemoStrings::Assign(const TPersistent* Source)
{
    auto* source = dynamic_cast<const TStrings*>(Source);
    if (!source || !FMemo || source == this) {
        TStringList::Assign(Source);
        return;
    }
    const bool foldingWasEnabled = FMemo->CodeFoldingEnabled();
    FMemo->SetCodeFoldingEnabled(false);
    const rtl::ScopeExit restoreFolding([&] { FMemo->SetCodeFoldingEnabled(foldingWasEnabled); });
    FMemo->ClearMemo();
    FMemo->InvalidateTopLineStyle();
    FMemo->AssignLines(*source);
    // From our own lines: the memo's Lines writer may have trimmed them.
    RebuildLengths(*this);
    FMemo->UpdateMaxLength();
    FMemo->RefreshScrollBars();
}

TQuillMemoStrings::LineProps TQuillMemoStrings::ClearStrings()
{
    LineProps released = std::move(FLinesProp);
    FLinesProp.clear();
    FListLengths.Clear();
    TStringList::Clear();
    return released;
}

TQuillMemoStrings::LineProps TQuillMemoStrings::ReplaceLines(const TStrings& List)
{
    if (!FMemo) {
        TStringList::Assign(&List);
        return {};
    }
    const auto noObjects = FlagRaised(FNoObjCreate);
    FMemo->InvalidateTopLineStyle();
    LineProps released = ClearStrings();
    AddStrings(List);
    RebuildLengths(List);
    FMemo->UpdateMaxLength();
    return released;
}

void TQuillMemoStrings::RebuildLines(std::vector<Row> Rows)
{
    QuietChanges quiet(*this);
    LineProps pool = ClearStrings();
    FLinesProp = std::move(pool);
    for (Row& row : Rows) {
        FListLengths.Add(CharLength(row.Text));
        TStringList::AddObject(std::move(row.Text), row.Prop);
    }
    if (FMemo)
        FMemo->InvalidateTopLineStyle();
}

void TQuillMemoStrings::SetUpdateState(bool Updating)
{
    if (Updating)
        ++FLockCount;
    else if (FLockCount > 0)
        --FLockCount;
}

int TQuillMemoStrings::RealCount() const
{
    // Text is empty, or a single CR LF, exactly in these two cases.
    if (Count() == 0 || (Count() == 1 && Strings(0).empty()))
        return 0;
    return Count();
}

// ---- line objects ----

TObject* TQuillMemoStrings::Objects(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    TObject* slot = TStringList::Objects(Index);
    if (auto* prop = dynamic_cast<TLineProp*>(slot))
        return prop->FObject;
    return slot;
}

void TQuillMemoStrings::SetObjects(int Index, TObject* AObject)
{
    if (Index < 0 || Index >= Count())
        return;
    if (TLineProp* prop = GetLineProp(Index))
        prop->FObject = AObject;
    else
        TStringList::SetObjects(Index, AObject);
}

TLineProp* TQuillMemoStrings::GetLineProp(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return dynamic_cast<TLineProp*>(TStringList::Objects(Index));
}

TLineProp* TQuillMemoStrings::CreateLineProp(int Index)
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
    auto prop = std::make_unique<TLineProp>();
    // Objects() gives the user object, also when the slot holds a line object already.
    prop->FObject = Objects(Index);
    if (FMemo && FMemo->CodeFoldingEnabled() && Index > 0) {
        if (const TLineProp* before = GetLineProp(Index - 1))
            prop->SetHasParent((before->HasParent() && !before->LastChild()) ||
                               (before->HasChildren() && before->Expanded()));
        if (!prop->HasParent())
            if (const TLineProp* after = GetLineProp(Index + 1))
                prop->SetHasParent(after->HasParent());
    }
    TLineProp* raw = prop.get();
    TStringList::SetObjects(Index, raw);
    FLinesProp.push_back(std::move(prop));
    return raw;
}

TLineProp& TQuillMemoStrings::LineProp(int Index)
{
    TLineProp* prop = GetLineProp(Index);
    return prop ? *prop : *CreateLineProp(Index);
}

void TQuillMemoStrings::SetLineProp(int Index, TLineProp* Obj)
{
    if (Index >= 0 && Index < Count())
        TStringList::SetObjects(Index, Obj);
}

void TQuillMemoStrings::SetLineObject(int Index, TObject* Obj)
{
    TStringList::SetObjects(Index, Obj);
}

int TQuillMemoStrings::AddLineProp(std::unique_ptr<TLineProp> Obj)
{
    FLinesProp.push_back(std::move(Obj));
    return static_cast<int>(FLinesProp.size()) - 1;
}

void TQuillMemoStrings::FreeLineProps()
{
    {
        const auto update = rtl::UpdateScope(*this);
        for (int i = 0; i < Count(); ++i)
            TStringList::SetObjects(i, nullptr);
    }
    FLinesProp.clear();
}

// ---- files and streams ----

void TQuillMemoStrings::LoadFromFile(const std::string& FileName)
{
    // Opened first, so a file that cannot be read leaves the memo as it was.
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    Load(stream, true);
}

void TQuillMemoStrings::LoadFromStream(TStream& Stream)
{
    Load(Stream, false);
}

void TQuillMemoStrings::Load(TStream& Stream, bool FromFile)
{
    if (!FMemo) {
        TStrings::LoadFromStream(Stream);
        return;
    }
    FMemo->ClearSelection();
    FMemo->ClearUndoList();
    FMemo->SetCurX(0);
    FMemo->SetCurY(0);
    {
        FMemo->SetRefreshing(false);
        const rtl::ScopeExit refreshing([&] { FMemo->SetRefreshing(true); });
        QuietChanges quiet(*this);
        // Every line arrives through Add, which expands its tabs.
        TStrings::LoadFromStream(Stream);
        FMemo->InvalidateTopLineStyle();
        FMemo->SetCurX(0);
        FMemo->SetCurY(0);
        int longest = 0;
        for (int i = 0; i < FListLengths.Count(); ++i)
            longest = std::max(longest, FListLengths.GetInteger(i));
        FMemo->SetMaxLineLength(longest);
    }
    FMemo->LinesChanged();
    FMemo->UpdateWrap();
    FMemo->AutoCodeFold();
    if (FromFile)
        ResetLineModifiedStates(*this);
    FMemo->RefreshMemo();
}

void TQuillMemoStrings::SaveToFile(const std::string& FileName)
{
    {
        const auto unwrapped = SoftWrapsUndone(FMemo);
        {
            const auto update = rtl::UpdateScope(*this);
            for (int i = 0; i < Count(); ++i) {
                std::string line = Strings(i);
                std::string trimmed = TrimRight(line);
                if (trimmed != line)
                    SetStrings(i, trimmed);
            }
        }
        TStrings::SaveToFile(FileName);
    }
    if (FMemo)
        MarkModifiedLinesSaved(*this);
}

void TQuillMemoStrings::SaveToStream(TStream& Stream)
{
    {
        const auto unwrapped = SoftWrapsUndone(FMemo);
        TStrings::SaveToStream(Stream);
    }
    if (FMemo)
        MarkModifiedLinesSaved(*this);
}
