#include "controls/pickers/QuillColorPickerDropDown.h"

#include <cstdio>

#include "controls/dropdown/DropDownForm.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/WebColors.h"
#include "platform/ui/VirtualKeys.h"

namespace controls {

// ---- Items

void TColorItem::Notify()
{
    if (auto* items = dynamic_cast<TColorItems*>(Collection()); items && items->OnChange) items->OnChange(items);
}

void TColorItem::SetCaption(const std::string& Value)
{
    if (Value == FCaption) return;
    FCaption = Value;
    Notify();
}

void TColorItem::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Notify();
}

void TColorItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TColorItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetColor(s->FColor);
    FEnabled = s->FEnabled;
    FHint = s->FHint;
}

// ---- The drop-down

TQuillColorPickerDropDown::TQuillColorPickerDropDown(TComponent* AOwner)
    : TQuillPickerDropDown(AOwner), FColors(std::make_unique<TColorItems>(this))
{
    CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownHeight(200);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetCursor(crArrow);
}

void TQuillColorPickerDropDown::AddDefaultColors()
{
    static constexpr struct {
        const char* Caption;
        std::uint32_t Color;
    } defaults[] = {{"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
                    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
                    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
                    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF}};
    for (const auto& d : defaults) {
        TColorItem& item = *FColors->Add();
        item.SetCaption(d.Caption);
        item.SetColor(TColor(d.Color));
    }
}

void TQuillColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value >= FColors->Count()) return;
    FItemIndex = Value;
    if (Value >= 0) FSelectedColor = FColors->Items(Value)->Color();
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TQuillColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    for (int i = 0; i < FColors->Count(); ++i)
        if (FColors->Items(i)->Color() == Value) {
            SetItemIndex(i);
            break;
        }
    Invalidate();
}

std::string TQuillColorPickerDropDown::SelectedColorText() const
{
    if (FColorSelectionStyle == csList && FItemIndex >= 0) return FColors->Items(FItemIndex)->Caption();
    const TColor rgb = ColorToRGB(FSelectedColor);
    char text[64];
    switch (FColorValueText) {
    case cvtNone: return {};
    case cvtHex: std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(FSelectedColor)); return text;
    case cvtWebName: return ColorToWebName(FSelectedColor);
    case cvtRGB:
        std::snprintf(text, sizeof text, "Red:%d,Green:%d,Blue:%d", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
        return text;
    case cvtHTML:
        std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
        return text;
    }
    return {};
}

void TQuillColorPickerDropDown::SetColorValueText(TColorValueText Value)
{
    FColorValueText = Value;
    Invalidate();
}

void TQuillColorPickerDropDown::SetShowText(bool Value)
{
    if (Value == FShowText) return;
    FShowText = Value;
    Invalidate();
}

void TQuillColorPickerDropDown::SelectFirstColor() { StepChoice(TListStep::First); }
void TQuillColorPickerDropDown::SelectLastColor() { StepChoice(TListStep::Last); }
void TQuillColorPickerDropDown::SelectNextColor() { StepChoice(TListStep::Next); }
void TQuillColorPickerDropDown::SelectPreviousColor() { StepChoice(TListStep::Previous); }

void TQuillColorPickerDropDown::StepChoice(TListStep Step)
{
    if (int index = SteppedIndex(Step, FItemIndex, FColors->Count()); index >= 0) SetItemIndex(index);
}

// ---- The styles' controls

void TQuillColorPickerDropDown::EnsureListSelector() { EnsureSelector(stColor); }

void TQuillColorPickerDropDown::EnsureBoxSelector()
{
    if (!FColorSelector) {
        FColorSelector = new TCustomColorSelector(this);
        FColorSelector->SetParent(DropDownForm());
        FColorSelector->AddDefaultBoxes();
    }
    FColorSelector->SetBounds(0, 0, FColorSelector->Width(), FColorSelector->Height());
    FColorSelector->SetColor(DropDownColor());
    FColorSelector->ArrangeBoxes();
    SetDropDownControl(FColorSelector);
}

void TQuillColorPickerDropDown::EnsureCubePanel()
{
    if (!FColorCubePanel) {
        FColorCubePanel = new TQuillColorCubePanel(this);
        FColorCubePanel->SetParent(DropDownForm());
    }
    FColorCubePanel->SetBounds(0, 0, FColorCubePanel->Width(), FColorCubePanel->Height());
    FColorCubePanel->SetColor(DropDownColor());
    SetDropDownControl(FColorCubePanel);
}

void TQuillColorPickerDropDown::EnsureSpectrumPanel()
{
    if (!FSpectrumPanel) {
        FSpectrumPanel = new TQuillColorSpectrumPanel(this);
        FSpectrumPanel->SetParent(DropDownForm());
    }
    FSpectrumPanel->SetBounds(0, 0, FSpectrumPanel->Width(), FSpectrumPanel->Height());
    FSpectrumPanel->SetColor(DropDownColor());
    SetDropDownControl(FSpectrumPanel);
}

void TQuillColorPickerDropDown::CreateDropDownForm()
{
    TQuillPickerDropDown::CreateDropDownForm();
    switch (FColorSelectionStyle) {
    case csList: EnsureListSelector(); break;
    case csDiscrete: EnsureBoxSelector(); break;
    case csColorCube: EnsureCubePanel(); break;
    case csSpectrum: EnsureSpectrumPanel(); break;
    }
}

void TQuillColorPickerDropDown::FillSelector(TSelectorItems& Items) const
{
    for (int i = 0; i < FColors->Count(); ++i) {
        const TColorItem& source = *FColors->Items(i);
        TSelectorItem& item = *Items.Add();
        item.SetCaption(source.Caption());
        item.SetColor(source.Color());
        item.SetHint(source.Hint());
    }
}

void TQuillColorPickerDropDown::LoadSelector()
{
    LoadSelectorWith(
        [this](TSelectorItems& Items) {
            FillSelector(Items);
            FItemSelector->SetColorBoxHeight(FColorBoxHeight);
            FItemSelector->SetColorBoxWidth(FColorBoxWidth);
        },
        FItemIndex);
}

void TQuillColorPickerDropDown::ShowStyleControl()
{
    auto hide = [](TControl* c) {
        if (c) c->Hide();
    };
    switch (FColorSelectionStyle) {
    case csList:
        EnsureListSelector();
        hide(FColorCubePanel);
        hide(FSpectrumPanel);
        hide(FColorSelector);
        LoadSelector();
        FItemSelector->OnDrawItem = nullptr;
        if (OnDrawColor)
            FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, const TRect& R, int Index) {
                OnDrawColor(this, Canvas, R, Index);
            };
        FItemSelector->Show();
        FOldItemIndex = FItemIndex;
        break;
    case csDiscrete:
        EnsureBoxSelector();
        // The panel takes its own size; the popup then fits it.
        FColorSelector->SetAlign(alNone);
        hide(FItemSelector);
        hide(FSpectrumPanel);
        hide(FColorCubePanel);
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->ArrangeBoxes();
        FColorSelector->OnItemSelect = [this](TObject*) { HandleBoxSelect(); };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        FColorSelector->Show();
        break;
    case csColorCube:
        EnsureCubePanel();
        // The panel takes its own size; the popup then fits it.
        FColorCubePanel->SetAlign(alNone);
        hide(FItemSelector);
        hide(FSpectrumPanel);
        hide(FColorSelector);
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->BuildCells();
        FColorCubePanel->ResetHot();
        FColorCubePanel->OnSelect = [this](TObject*) { HandleCubeSelect(); };
        FColorCubePanel->Show();
        break;
    case csSpectrum:
        EnsureSpectrumPanel();
        // The panel takes its own size; the popup then fits it.
        FSpectrumPanel->SetAlign(alNone);
        hide(FItemSelector);
        hide(FColorCubePanel);
        hide(FColorSelector);
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->ArrangeSpectrum();
        FSpectrumPanel->OnSelect = [this](TObject*) { HandleSpectrumSelect(); };
        FSpectrumPanel->Show();
        break;
    }
    FOldSelectedColor = FSelectedColor;
}

void TQuillColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    if (Value == FColorSelectionStyle) return;
    FColorSelectionStyle = Value;
    // The size the popup closed with was the other style's.
    ForgetUserDropDownSize();
    ShowStyleControl();
    DropDownForm()->Invalidate();
}

void TQuillColorPickerDropDown::BeforeDropDown()
{
    TQuillPickerDropDown::BeforeDropDown();
    ShowStyleControl();
}

void TQuillColorPickerDropDown::PlaceDropDownControl()
{
    TQuillPickerDropDown::PlaceDropDownControl();
    // The palettes, the honeycomb and the spectrum have one size.
    DropDownForm()->SetSizeable(FColorSelectionStyle == csList);
}

void TQuillColorPickerDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    if (FColorSelectionStyle == csList) {
        AdaptToSelector(Width, Height);
        return;
    }
    TControl* control = DropDownControl();
    const bool shown = control && control->Visible();
    const int border = 2 * DropDownBorderWidth();
    if (shown) control->SetAlign(alNone);
    Width = shown ? control->Width() + border : this->Width();
    Height = border + (shown ? control->Height() : 0);
    if (DropDownHeader().Visible()) Height += DropDownHeader().Height;
    if (DropDownFooter().Visible()) Height += DropDownFooter().Height;
}

void TQuillColorPickerDropDown::DoHideDropDown(bool Cancel)
{
    TQuillPickerDropDown::DoHideDropDown(Cancel);
    if (!Cancel) return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        SetItemIndex(FOldItemIndex);
        SyncSelector(FOldItemIndex);
    }
    if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        // A colour no box has leaves the choice as it is; put it back plainly.
        FColorSelector->SetSelectedColor(FOldSelectedColor);
        if (FSelectedColor != FOldSelectedColor) SetSelectedColor(FOldSelectedColor);
    }
}

void TQuillColorPickerDropDown::DropDownFormDestroyed()
{
    TQuillPickerDropDown::DropDownFormDestroyed();
    if (ComponentState().Contains(csDestroying)) return;
    FItemSelector = nullptr;
    FColorCubePanel = nullptr;
    FSpectrumPanel = nullptr;
    FColorSelector = nullptr;
}

void TQuillColorPickerDropDown::HandleBoxSelect()
{
    if (!FColorSelector) return;
    SetSelectedColor(FColorSelector->SelectedColor());
    SetItemIndex(-1);
    if (!InternalCall()) DoHideDropDown(false);
}

void TQuillColorPickerDropDown::HandleCubeSelect() { TakePanelColor(FColorCubePanel->SelectedColor()); }

void TQuillColorPickerDropDown::HandleSpectrumSelect() { TakePanelColor(FSpectrumPanel->SelectedColor()); }

// The honeycomb and the spectrum are worked by the mouse alone: a choice closes.
void TQuillColorPickerDropDown::TakePanelColor(TColor Color)
{
    SetSelectedColor(Color);
    SetItemIndex(-1);
    DoHideDropDown(false);
}

void TQuillColorPickerDropDown::Wheel(bool Down)
{
    if (!IsEnabledWithParents() || ReadOnly()) return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (DroppedDown()) Down ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
        else Internal([&] { Down ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious(); });
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown()) Down ? FColorSelector->HotNextBox() : FColorSelector->HotPreviousBox();
        else Internal([&] { Down ? FColorSelector->SelectNextBox() : FColorSelector->SelectPreviousBox(); });
    }
}

void TQuillColorPickerDropDown::SelectionWheelDown()
{
    TQuillPickerDropDown::SelectionWheelDown();
    Wheel(true);
}

void TQuillColorPickerDropDown::SelectionWheelUp()
{
    TQuillPickerDropDown::SelectionWheelUp();
    Wheel(false);
}

void TQuillColorPickerDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    const unsigned short key = Key;
    if (FColorSelectionStyle == csList) {
        const bool enterUsed = ChooseHotItem(key);
        TQuillPickerDropDown::KeyDown(Key, Shift);
        if (!FItemSelector) return;
        unsigned short own = key;
        PickerKeyDown(own, enterUsed);
        return;
    }
    if (FColorSelectionStyle != csDiscrete || !FColorSelector) {
        TQuillPickerDropDown::KeyDown(Key, Shift);
        return;
    }
    bool enterUsed = false;
    if (IsEnabledWithParents() && DroppedDown() && key == VK_RETURN && FColorSelector->ItemHot() >= 0) {
        FColorSelector->SetItemIndex(FColorSelector->ItemHot());
        enterUsed = true;
    }
    TQuillPickerDropDown::KeyDown(Key, Shift);
    if (!IsEnabledWithParents() || GetKeyState(VK_MENU) < 0) return;
    Internal([&] { FColorSelector->HandleKey(key, EditorEnabled(), DroppedDown()); });
    if (key == VK_RETURN && !enterUsed && OnSelect) OnSelect(this);
}

void TQuillColorPickerDropDown::Paint()
{
    TQuillPickerDropDown::Paint();
    DrawSelectedColor(*Canvas());
}

void TQuillColorPickerDropDown::DrawSelectedColor(TCanvas& Canvas)
{
    // The window's rectangle (frame included), in client coordinates.
    const TRect m = NonClientMargins();
    const TRect frame{-m.Left, -m.Top, Width() - m.Left, Height() - m.Top};
    const TRect r{frame.Left + 1, frame.Top + 1, frame.Right - DropDownButtonWidth() - 2, frame.Bottom - 2};
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, Canvas, r);
        return;
    }
    if (FSelectedColor == clNone) return;
    const int top = r.Top + (Height() - FColorBoxHeight) / 2;
    const TRect box{r.Left + 4, top, r.Left + 4 + FColorBoxWidth, top + FColorBoxHeight};
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(FSelectedColor);
    Canvas.Rectangle(box);
    if (!FShowText) return;
    const bool focusedFace = !EditorEnabled() && Focused();
    Canvas.Font()->Assign(&Font());
    if (focusedFace) Canvas.Font()->SetColor(clHighlightText);
    TRect t{box.Right + 4, r.Top, r.Right, r.Bottom};
    Canvas.Brush()->SetColor(Focused() ? clHighlight : Color());
    std::string text = SelectedColorText();
    Canvas.TextRect(t, text, TTextFormat{tfSingleLine, tfVerticalCenter, tfEndEllipsis});
}

} // namespace controls
