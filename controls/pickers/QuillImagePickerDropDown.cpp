#include "controls/pickers/QuillImagePickerDropDown.h"

#include <fnmatch.h>

#include <filesystem>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Files.h"

namespace controls {

// ---- Items

TImageItem::TImageItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

void TImageItem::SetCaption(const std::string& Value)
{
    if (Value == FCaption) return;
    FCaption = Value;
    if (auto* items = dynamic_cast<TImageItems*>(Collection()); items && items->OnChange) items->OnChange(items);
}

void TImageItem::SetImageIndex(int Value)
{
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    if (auto* items = dynamic_cast<TImageItems*>(Collection()); items && items->OnChange) items->OnChange(items);
}

void TImageItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TImageItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetImageIndex(s->FImageIndex);
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FHint = s->FHint;
}

// ---- The drop-down

TQuillImagePickerDropDown::TQuillImagePickerDropDown(TComponent* AOwner)
    : TQuillPickerDropDown(AOwner), FItems(std::make_unique<TImageItems>(this))
{
    CreateDropDownForm();
    SetEditorEnabled(false);
    SetCursor(crArrow);
}

void TQuillImagePickerDropDown::CreateDropDownForm()
{
    TQuillPickerDropDown::CreateDropDownForm();
    EnsureSelector(stImage);
}

void TQuillImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value >= FItems->Count()) return;
    FItemIndex = Value;
    Invalidate();
    Change();
    if (OnSelect) OnSelect(this);
}

int TQuillImagePickerDropDown::ImageIndex() const
{
    return FItemIndex < 0 ? -1 : FItems->Items(FItemIndex)->ImageIndex();
}

void TQuillImagePickerDropDown::SetImageIndex(int Value)
{
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TQuillImagePickerDropDown::SelectFirst() { StepChoice(TListStep::First); }
void TQuillImagePickerDropDown::SelectLast() { StepChoice(TListStep::Last); }
void TQuillImagePickerDropDown::SelectNext() { StepChoice(TListStep::Next); }
void TQuillImagePickerDropDown::SelectPrevious() { StepChoice(TListStep::Previous); }

void TQuillImagePickerDropDown::StepChoice(TListStep Step)
{
    if (int index = SteppedIndex(Step, FItemIndex, FItems->Count()); index >= 0) SetItemIndex(index);
}

void TQuillImagePickerDropDown::AddImagesFromFolder(const std::string& Mask, bool SetImageCaption)
{
    const std::string folder = ExtractFilePath(Mask);
    const std::string pattern = ExtractFileName(Mask);
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    if (error) return;
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (fnmatch(pattern.c_str(), name.c_str(), 0) != 0) continue;
        TImageItem& item = *FItems->Add();
        try {
            item.Image().LoadFromFile(folder + name);
            // Written directly: loading many files notifies nobody.
            if (SetImageCaption) item.FCaption = name;
        } catch (...) {
            // Not a picture: the item stays, without picture or caption.
            item.Image().SetGraphic(nullptr);
        }
    }
}

void TQuillImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images()) return;
    for (int i = 0; i < Images()->Count(); ++i) FItems->Add()->SetImageIndex(i);
}

void TQuillImagePickerDropDown::FillSelector(TSelectorItems& Items) const
{
    for (int i = 0; i < FItems->Count(); ++i) {
        const TImageItem& source = *FItems->Items(i);
        TSelectorItem& item = *Items.Add();
        item.SetCaption(source.Caption());
        item.SetImage(source.Image());
        item.SetImageIndex(source.ImageIndex());
        item.SetHint(source.Hint());
    }
}

void TQuillImagePickerDropDown::LoadSelector()
{
    LoadSelectorWith([this](TSelectorItems& Items) { FillSelector(Items); }, FItemIndex);
}

void TQuillImagePickerDropDown::DrawImageItem(TCanvas& Canvas, const TRect& R, int Index)
{
    if (OnDrawItem) OnDrawItem(this, Canvas, R, Index);
}

void TQuillImagePickerDropDown::BeforeDropDown()
{
    TQuillPickerDropDown::BeforeDropDown();
    LoadSelector();
    if (FItemSelector) {
        FItemSelector->OnDrawItem = nullptr;
        if (OnDrawItem)
            FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, const TRect& R, int Index) {
                DrawImageItem(Canvas, R, Index);
            };
    }
    FOldItemIndex = FItemIndex;
}

void TQuillImagePickerDropDown::AdaptDropDownSize(int& Width, int& Height) { AdaptToSelector(Width, Height); }

void TQuillImagePickerDropDown::DoHideDropDown(bool Cancel)
{
    TQuillPickerDropDown::DoHideDropDown(Cancel);
    if (!Cancel || !FItemSelector) return;
    SetItemIndex(FOldItemIndex);
    SyncSelector(FOldItemIndex);
}

void TQuillImagePickerDropDown::Wheel(bool Down)
{
    if (!IsEnabledWithParents() || ReadOnly() || !FItemSelector) return;
    if (DroppedDown()) {
        if (Down) FItemSelector->HotNext();
        else FItemSelector->HotPrevious();
        return;
    }
    Internal([&] { Down ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious(); });
}

void TQuillImagePickerDropDown::SelectionWheelDown()
{
    TQuillPickerDropDown::SelectionWheelDown();
    Wheel(true);
}

void TQuillImagePickerDropDown::SelectionWheelUp()
{
    TQuillPickerDropDown::SelectionWheelUp();
    Wheel(false);
}

void TQuillImagePickerDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    const unsigned short key = Key;
    const bool enterUsed = ChooseHotItem(key);
    TQuillPickerDropDown::KeyDown(Key, Shift);
    unsigned short own = key;
    PickerKeyDown(own, enterUsed);
}

void TQuillImagePickerDropDown::Paint()
{
    TQuillPickerDropDown::Paint();
    DrawSelectedImage(*Canvas());
}

void TQuillImagePickerDropDown::DrawSelectedImage(TCanvas& Canvas)
{
    const TRect r = EditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, r);
        return;
    }
    if (FItemIndex < 0) return;
    const TImageItem& item = *FItems->Items(FItemIndex);
    if (item.Image().Graphic() && !item.Image().Graphic()->Empty()) {
        Canvas.Draw(r.Left + (r.Width() - item.Image().Width()) / 2, r.Top + (r.Height() - item.Image().Height()) / 2,
                    item.Image().Graphic());
    } else if (Images() && item.ImageIndex() >= 0) {
        Images()->Draw(&Canvas, r.Left + (r.Width() - Images()->Width()) / 2,
                       r.Top + (r.Height() - Images()->Height()) / 2, item.ImageIndex(), true);
    }
}

} // namespace controls
