// The lookup settings, the persistence settings and the lookup popup window.
#include "controls/QuillEditLookup.h"

#include <algorithm>

#include "controls/QuillEdit.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

// ---- Lookup settings

TLookupSettings::TLookupSettings()
{
    FDisplayList.SetSorted(true);
    FDisplayList.SetDuplicates(dupIgnore);
}

int TLookupSettings::AddEntry(const std::string& Display, const std::string* Value)
{
    int index = 0;
    if (FDisplayList.Find(Display, index)) return index;
    FDisplayList.Add(Display);
    // Values before the new entry stand for their entries so that the value
    // lands at the entry's index.
    if (Value)
        while (FValueList.Count() < index) FValueList.Add(FDisplayList.Strings(FValueList.Count()));
    if (FValueList.Count() >= index && (Value || FValueList.Count() > index))
        FValueList.Insert(index, Value ? *Value : Display);
    return index;
}

void TLookupSettings::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TLookupSettings*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FDisplayList.Assign(&source->FDisplayList);
    FValueList.Assign(&source->FValueList);
    FDisplayCount = source->FDisplayCount;
    FColor = source->FColor;
    FEnabled = source->FEnabled;
    FNumChars = source->FNumChars;
    FCaseSensitive = source->FCaseSensitive;
    FHistory = source->FHistory;
    FMulti = source->FMulti;
    FSeparator = source->FSeparator;
}

void TPersistence::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TPersistence*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FEnable = source->FEnable;
    FKey = source->FKey;
    FSection = source->FSection;
    FLocation = source->FLocation;
}

// ---- Popup

TListHintWindow::TListHintWindow(TQuillEdit& Edit) : THintWindow(nullptr), FEdit(Edit)
{
    FColor = clWindow;
    SetBounds(0, 0, 0, 0);
    FListControl = new TListBox(this);
    FListControl->SetParent(this);
    FListControl->SetAlign(alClient);
    FListControl->SetStyle(lbOwnerDrawFixed);
    FListControl->SetItemHeight(RowHeight);
    FListControl->SetBorderStyle(bsNone);
    // Rows come in the display list's sorted order; sorting them again on
    // every keystroke would only cost time.
    FListControl->Font().SetName("Arial");
    FListControl->Font().SetSize(8);
}

TListHintWindow::~TListHintWindow()
{
    if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
}

const TCustomForm* TListHintWindow::OwnerForm() const { return FEdit.GetParentForm(); }

void TListHintWindow::ShowAt(const TRect& Rect)
{
    SetBoundsRect(Rect);
    if (!Visible()) Show();
    ui::SetOpenPopup(this);
    Invalidate();
}

void TListHintWindow::HidePopup()
{
    if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
    if (Visible()) Hide();
}

int TListHintWindow::EntryWidth(const std::string& Entry)
{
    // The list's font never changes, so a text keeps its width.
    if (const auto known = FWidths.find(Entry); known != FWidths.end()) return known->second;
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&FListControl->Font());
    return FWidths[Entry] = probe.Canvas()->TextWidth(Entry);
}

void TListHintWindow::AdjustClientRect(TRect& Rect)
{
    THintWindow::AdjustClientRect(Rect);
    InflateRect(Rect, -1, -1);
}

void TListHintWindow::Paint()
{
    // The one-pixel frame around the list.
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.Pen()->SetColor(clBlack);
    c.Rectangle(ClientRect());
}
