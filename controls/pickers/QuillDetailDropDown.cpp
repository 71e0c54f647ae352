#include "controls/pickers/QuillDetailDropDown.h"

#include <algorithm>

#include "controls/dropdown/DropDownForm.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ScrollBars.h"

namespace controls {

// ---- Items

TDetailItem::TDetailItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>())
{
}

void TDetailItem::Notify()
{
    if (auto* items = dynamic_cast<TDetailItems*>(Collection()); items && items->OnChange) items->OnChange(items);
}

void TDetailItem::SetCaption(const std::string& Value)
{
    if (Value == FCaption) return;
    FCaption = Value;
    Notify();
}

void TDetailItem::SetImageIndex(int Value)
{
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Notify();
}

void TDetailItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TDetailItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetImageIndex(s->FImageIndex);
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FNotes = s->FNotes;
}

int TDetailItems::IndexOf(const std::string& Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == Value) return i;
    return -1;
}

// ---- The drop-down

TQuillDetailDropDown::TQuillDetailDropDown(TComponent* AOwner)
    : TQuillPickerDropDown(AOwner), FItems(std::make_unique<TDetailItems>(this)),
      FCaptionFont(std::make_unique<TFont>()), FNotesFont(std::make_unique<TFont>())
{
    CreateDropDownForm();
    FCaptionFont->Assign(&Font());
    FNotesFont->Assign(&Font());
}

void TQuillDetailDropDown::CreateDropDownForm()
{
    TQuillPickerDropDown::CreateDropDownForm();
    const bool made = FItemSelector != nullptr;
    TQuillCustomItemSelector& s = EnsureSelector(stImage);
    if (made) return;
    s.OnDrawItem = [this](TObject*, TCanvas& Canvas, const TRect& R, int Index) { DrawDetailItem(Canvas, R, Index); };
    s.OnItemSize = [this](TObject*, TSize& Size) { MeasureDetailItem(Size); };
    // Rows are as wide as the list: they follow its width.
    s.OnResize = [this](TObject*) {
        if (FItemSelector) FItemSelector->UpdateSelectorPanel();
    };
    s.UpdateSelectorPanel();
}

void TQuillDetailDropDown::ShowCaption(const std::string& Caption)
{
    const bool was = FCompleting;
    FCompleting = true;
    ApplyText(Caption);
    FCompleting = was;
    SelectAll();
}

void TQuillDetailDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex) return;
    if (Value >= 0 && Value < FItems->Count()) {
        FItemIndex = Value;
        ShowCaption(FItems->Items(Value)->Caption());
        Invalidate();
        if (FItemSelector) FItemSelector->Invalidate();
        if (OnSelect) OnSelect(this);
    } else if (Value == -1) {
        ShowCaption("");
        FItemIndex = -1;
    }
}

void TQuillDetailDropDown::SelectFirst() { StepChoice(TListStep::First); }
void TQuillDetailDropDown::SelectLast() { StepChoice(TListStep::Last); }
void TQuillDetailDropDown::SelectNext() { StepChoice(TListStep::Next); }
void TQuillDetailDropDown::SelectPrevious() { StepChoice(TListStep::Previous); }

void TQuillDetailDropDown::StepChoice(TListStep Step)
{
    if (int index = SteppedIndex(Step, FItemIndex, FItems->Count()); index >= 0) SetItemIndex(index);
}

// Home and End step through a closed list only on a face without editor: in
// an editor they move the caret.
void TQuillDetailDropDown::PickerSelectFirst()
{
    if (!EditorEnabled()) SelectFirst();
}

void TQuillDetailDropDown::PickerSelectLast()
{
    if (!EditorEnabled()) SelectLast();
}

// Notes stay with the detail items: the drawing reads them there.
void TQuillDetailDropDown::FillSelector(TSelectorItems& Items) const
{
    for (int i = 0; i < FItems->Count(); ++i) {
        const TDetailItem& source = *FItems->Items(i);
        TSelectorItem& item = *Items.Add();
        item.SetCaption(source.Caption());
        item.SetImage(source.Image());
        item.SetImageIndex(source.ImageIndex());
    }
}

void TQuillDetailDropDown::LoadSelector()
{
    SetColumns(1);
    LoadSelectorWith([this](TSelectorItems& Items) { FillSelector(Items); }, FItemIndex);
}

void TQuillDetailDropDown::TakeSelectorChoice(int Index)
{
    SetItemIndex(Index);
    if (Index >= 0 && Index < FItems->Count()) ShowCaption(FItems->Items(Index)->Caption());
}

void TQuillDetailDropDown::BeforeDropDown()
{
    TQuillPickerDropDown::BeforeDropDown();
    LoadSelector();
    FOldItemIndex = FItemIndex;
}

void TQuillDetailDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    if (FItemSelector) {
        FItemSelector->SetAlign(alNone);
        FItemSelector->SetBounds(0, 0, DropDownWidth() <= 0 ? this->Width() : FItemSelector->Width(),
                                 DropDownHeight() <= 0 ? 100 : FItemSelector->Height());
    }
    TQuillPickerDropDown::AdaptDropDownSize(Width, Height);
}

void TQuillDetailDropDown::DoHideDropDown(bool Cancel)
{
    TQuillPickerDropDown::DoHideDropDown(Cancel);
    if (!Cancel || !FItemSelector || FOldItemIndex == -1) return;
    SetItemIndex(FOldItemIndex);
    SyncSelector(FOldItemIndex);
}

void TQuillDetailDropDown::FormSizing()
{
    TQuillPickerDropDown::FormSizing();
    if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TQuillDetailDropDown::Wheel(int Step)
{
    if (!DroppedDown() || !FItemSelector) {
        if (Step > 0) SelectNext();
        else SelectPrevious();
        return;
    }
    const int v = FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() + Step;
    if (v >= 0 && v < FItemSelector->Items().Count()) {
        Internal([&] { FItemSelector->SetItemIndex(v); });
        FItemSelector->ScrollItemInView(v);
    }
    Invalidate();
}

void TQuillDetailDropDown::SelectionWheelDown()
{
    TQuillPickerDropDown::SelectionWheelDown();
    Wheel(1);
}

void TQuillDetailDropDown::SelectionWheelUp()
{
    TQuillPickerDropDown::SelectionWheelUp();
    Wheel(-1);
}

void TQuillDetailDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    // The list's keys come first; while the popup is open the pages and
    // arrows belong to the list alone.
    if (IsEnabledWithParents() && GetKeyState(VK_MENU) >= 0 && Key != VK_RETURN) {
        const unsigned short key = Key;
        ListKeyDown(key, 1);
        if (key == VK_UP || key == VK_DOWN) Invalidate();
        const bool listKey = key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
        if (DroppedDown() && listKey) {
            Key = 0;
            return;
        }
    }
    if (FItems->Count() == 0) {
        TQuillPickerDropDown::KeyDown(Key, Shift);
        return;
    }
    const unsigned short key = Key;
    if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
        // The change these make is no typing to complete.
        FWorkMode = false;
    } else if (key == VK_RETURN) {
        if (const int i = FItems->IndexOf(Text()); i != -1) {
            ShowCaption(FItems->Items(i)->Caption());
            SetItemIndex(i);
            Change();
        }
    } else {
        FWorkMode = true;
    }
    TQuillPickerDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE)
        if (const int i = FItems->IndexOf(Text()); i >= 0) SetItemIndex(i);
}

void TQuillDetailDropDown::Change()
{
    TQuillPickerDropDown::Change();
    if (!FWorkMode || FCompleting) return;
    // Every non-empty text counts as typed.
    SetModified(!Text().empty());
    const std::string text = Text();
    const int caret = std::max(0, SelStart() - static_cast<int>(rtl::Utf8Length(Prefix())));
    const std::string typed = rtl::Utf8Copy(text, 1, caret);
    // Nothing typed matches every caption: an emptied edit stays empty.
    if (typed.empty()) return;
    const std::string key = FMatchCase ? typed : AnsiUpperCase(typed);
    const int keyLength = static_cast<int>(rtl::Utf8Length(key));
    for (int i = 0; i < FItems->Count(); ++i) {
        const std::string& caption = FItems->Items(i)->Caption();
        const std::string compared = FMatchCase ? caption : AnsiUpperCase(caption);
        if (compared.compare(0, key.size(), key) != 0) continue;
        const std::string completed =
            rtl::Utf8Copy(rtl::Utf8Copy(text, 1, keyLength) + rtl::Utf8Copy(caption, keyLength + 1, 255), 1, 255);
        FItemIndex = i;
        FCompleting = true;
        ApplyText(completed);
        FCompleting = false;
        // The completed part is selected; the caret stays after the typed part.
        const int prefix = static_cast<int>(rtl::Utf8Length(Prefix()));
        // After the edit has placed the caret for the typed character.
        PostMessage(Handle(), EM_SETSEL, prefix + static_cast<int>(rtl::Utf8Length(completed)), prefix + keyLength);
        return;
    }
    FCompleting = true;
    ApplyText(typed);
    FCompleting = false;
    const int end = static_cast<int>(rtl::Utf8Length(Prefix() + typed));
    PostMessage(Handle(), EM_SETSEL, end, end);
}

void TQuillDetailDropDown::MeasureDetailItem(TSize& Size)
{
    const int popupWidth = DropDownWidth() > 0 ? DropDownWidth() : DropDownForm()->Width();
    const bool bar = FItemSelector && FItemSelector->VertScrollBar().Visible();
    Size.cx = popupWidth - (bar ? GetSystemMetrics(SM_CXVSCROLL) : 0) - 2 * GetSystemMetrics(SM_CXBORDER) - 4;
    Size.cy = FItemHeight;
}

void TQuillDetailDropDown::DrawDetailItem(TCanvas& Canvas, TRect R, int Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems->Count()) return;
    const TDetailItem& item = *FItems->Items(Index);
    const std::string& caption = item.Caption();
    auto place = [&](int W, int H) {
        const int x = caption.empty() ? R.Left + (R.Width() - W) / 2 : R.Left + 2;
        TPoint at{x, R.Top + (R.Height() - H) / 2};
        R.Left += W + 4;
        return at;
    };
    if (TGraphic* graphic = item.Image().Graphic(); graphic && !graphic->Empty()) {
        if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
            bitmap->SetTransparentMode(tmAuto);
            bitmap->SetTransparent(true);
        }
        const TPoint at = place(item.Image().Width(), item.Image().Height());
        Canvas.Draw(at.X, at.Y, graphic);
    } else if (Images() && item.ImageIndex() >= 0) {
        const TPoint at = place(Images()->Width(), Images()->Height());
        Images()->Draw(&Canvas, at.X, at.Y, item.ImageIndex(), true);
    }
    const TItemAppearance& a = ItemAppearance();
    auto stateColour = [&](TFont& font) {
        if (FItemSelector && Index == FItemSelector->ItemHot()) font.SetColor(a.ColorHotText);
        if (Index == FItemIndex) font.SetColor(a.ColorSelectedText);
    };
    Canvas.Font()->Assign(FCaptionFont.get());
    stateColour(*Canvas.Font());
    Canvas.Brush()->SetStyle(bsClear);
    R.Left += 4;
    R.Top += 2;
    R.Right -= 4;
    TRect captionRect = R;
    std::string shown = caption;
    Canvas.TextRect(captionRect, shown, TTextFormat{tfEndEllipsis});
    if (item.Notes().empty()) return;
    R.Top += Canvas.TextHeight("gh");
    Canvas.Font()->Assign(FNotesFont.get());
    stateColour(*Canvas.Font());
    DrawHTMLText(Canvas, item.Notes(), R, true, Images());
}

} // namespace controls
