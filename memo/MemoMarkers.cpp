// Markers on memo lines, and the memo's marker, numbered-bookmark and block-mark operations.
#include "memo/MemoMarkers.h"

#include "memo/MemoLineAttributes.h"
#include "memo/QuillMemo.h"
#include "platform/rtl/Exceptions.h"

void TQuillMarker::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TQuillMarker*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    FText = other->FText;
    FImageIndex = other->FImageIndex;
    FLineNumber = other->FLineNumber;
}

std::string TQuillMarker::DisplayName() const { return FText.empty() ? TCollectionItem::DisplayName() : FText; }

void TQuillMarkers::AddMarker(int LineIndex, int ImageIndex, const std::string& MarkerText)
{
    if (MarkerAtLine(LineIndex)) return;
    TQuillMarker* marker = Add();
    marker->SetLineNumber(LineIndex);
    marker->SetImageIndex(ImageIndex);
    marker->SetText(MarkerText);
}

void TQuillMarkers::RemoveMarker(int LineNo)
{
    if (TQuillMarker* marker = GetMarkerAtLine(LineNo)) Delete(marker->Index());
}

bool TQuillMarkers::HigherMarkerThanLine(int LineNo) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->LineNumber() > LineNo) return true;
    return false;
}

void TQuillMarkers::ShiftFrom(int StartIndex, int Delta)
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->LineNumber() >= StartIndex) Items(i)->SetLineNumber(Items(i)->LineNumber() + Delta);
}

TQuillMarker* TQuillMarkers::GetMarkerAtLine(int LineNo) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->LineNumber() == LineNo) return Items(i);
    return nullptr;
}

int TQuillMarkers::GetMarkerImageIndex(int LineNo) const
{
    const TQuillMarker* marker = GetMarkerAtLine(LineNo);
    return marker ? marker->ImageIndex() : -1;
}

bool TQuillMarkers::GetMarkers(TQuillMarkers& Markers) const
{
    Markers.Assign(this);
    return HasMarkers();
}

void TQuillMarkerList::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TQuillMarkerList*>(Source);
    if (!other) return;
    FMarkerImageList = other->FMarkerImageList;
    FUseDefaultMarkerImageIndex = other->FUseDefaultMarkerImageIndex;
    FDefaultMarkerImageIndex = other->FDefaultMarkerImageIndex;
    FImageTransparentColor = other->FImageTransparentColor;
}

bool TQuillMarkerList::OwnerLoading() const { return FOwner && FOwner->ComponentState().Contains(csLoading); }

void TQuillMarkerList::SetDefaultMarkerImageIndex(int Value)
{
    if (!OwnerLoading()) FDefaultMarkerImageIndex = Value;
}

void TQuillMarkerList::SetUseDefaultMarkerImageIndex(bool Value)
{
    if (!OwnerLoading()) FUseDefaultMarkerImageIndex = Value;
}

int TQuillMarkerList::ImageIndexAt(int LineNo) const
{
    if (!FMarkers.MarkerAtLine(LineNo)) return -1;
    return FUseDefaultMarkerImageIndex ? FDefaultMarkerImageIndex : FMarkers.GetMarkerImageIndex(LineNo);
}

void TQuillMarkerList::FastDeleteAll()
{
    FMarkers.Clear();
    if (auto* memo = dynamic_cast<TQuillCustomMemo*>(FOwner)) memo->RepaintGutter();
}

// ---- the memo's markers and bookmarks ----

void TQuillCustomMemo::AddMarker(int LineIndex, int ImageIndex, const std::string& MarkerText)
{
    FMarkerList->Markers().AddMarker(LineIndex, ImageIndex, MarkerText);
    if (OnMarkerAdded) OnMarkerAdded(LineIndex, MarkerText);
    RepaintGutter();
}

void TQuillCustomMemo::RemoveMarker(int LineIndex)
{
    FMarkerList->Markers().RemoveMarker(LineIndex);
    if (OnMarkerRemoved) OnMarkerRemoved(LineIndex);
    RepaintGutter();
}

void TQuillCustomMemo::ClearAllMarkers() { FMarkerList->FastDeleteAll(); }

void TQuillCustomMemo::RepaintGutter()
{
    if (FGutter->Visible()) InvalidateRect(nullptr, false);
}

void TQuillCustomMemo::GoToMarker(int Marker)
{
    const TQuillMarkers& markers = FMarkerList->Markers();
    if (Marker < 0 || Marker >= markers.Count()) throw Exception("Invalid marker index");
    GoToLine(markers.Items(Marker)->LineNumber(), false);
}

void TQuillCustomMemo::GoToMarkerName(const std::string& MarkerText)
{
    const TQuillMarkers& markers = FMarkerList->Markers();
    for (int i = 0; i < markers.Count(); ++i)
        if (markers.Items(i)->Text() == MarkerText) {
            GoToLine(markers.Items(i)->LineNumber(), false);
            return;
        }
    throw Exception("Marker name not found");
}

void TQuillCustomMemo::GoToLine(int Line, bool ToTop)
{
    if (FoldingActive()) ExpandEnclosingNodes(Line);
    if (ToTop) SetTopLine(Line);
    SetCurX(0);
    SetCurY(Line);
    ClearSelection();
}

namespace {

void CheckBookmarkIndex(int Index)
{
    if (Index < 0 || Index > 9) throw Exception("Invalid bookmark index");
}

} // namespace

int TQuillCustomMemo::Bookmarks(int Index) const
{
    CheckBookmarkIndex(Index);
    return FBookmarkList[static_cast<size_t>(Index)];
}

void TQuillCustomMemo::SetBookmarks(int Index, int Value)
{
    CheckBookmarkIndex(Index);
    int& slot = FBookmarkList[static_cast<size_t>(Index)];
    if (slot >= 0 && slot < FLines->Count()) memo::SetBookmark(*FLines, slot, false);
    slot = Value;
    if (Value >= 0 && Value < FLines->Count()) memo::SetBookmark(*FLines, Value, true);
}

void TQuillCustomMemo::GotoBookmark(int Index)
{
    CheckBookmarkIndex(Index);
    int line = FBookmarkList[static_cast<size_t>(Index)];
    if (line >= 0 && line < FLines->Count()) GoToLine(line, true);
}

void TQuillCustomMemo::ClearBookmarks()
{
    for (int& slot : FBookmarkList) {
        if (slot >= 0 && slot < FLines->Count()) memo::SetBookmark(*FLines, slot, false);
        slot = -1;
    }
}

bool TQuillCustomMemo::HasBookmarks() const
{
    return std::any_of(FBookmarkList.begin(), FBookmarkList.end(), [](int line) { return line >= 0; });
}

void TQuillCustomMemo::InvalidateLineRow(int Line, int Below)
{
    if (Line < 0 || Line >= FLines->Count()) return;
    TRect row = LineRowRect(FoldingActive() ? DisplayRowFromLine(Line) : Line);
    row.Bottom += Below;
    InvalidateRect(&row, true);
}

void TQuillCustomMemo::MoveBlockMark(BlockMark& Mark, int Line, int Start, int Len)
{
    InvalidateLineRow(Mark.OldLine, 2);
    Mark = {Line, Start, Len, Line};
    InvalidateLineRow(Line, 0);
}
