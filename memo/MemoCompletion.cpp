// The completion list's settings, list box and pop-up form.
#include "memo/MemoCompletion.h"

#include "memo/QuillMemo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/ScrollBars.h"

#include <cstdint>

TObject* CompletionKindObject(int Kind) { return reinterpret_cast<TObject*>(static_cast<std::intptr_t>(Kind)); }
int CompletionKindOf(const TObject* Object) { return static_cast<int>(reinterpret_cast<std::intptr_t>(Object)); }

TAutoCompletion::TAutoCompletion(TQuillCustomMemo* AOwner) : FMemo(AOwner) {}

void TAutoCompletion::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TAutoCompletion*>(Source);
    if (!other) return;
    Active = other->Active;
    AutoDisplay = other->AutoDisplay;
    AutoWidth = other->AutoWidth;
    ColorVar = other->ColorVar;
    ColorProp = other->ColorProp;
    ColorMethod = other->ColorMethod;
    ColorFunc = other->ColorFunc;
    ColorProc = other->ColorProc;
    ColorEvent = other->ColorEvent;
    ColorIdentifier = other->ColorIdentifier;
    FromFirstChar = other->FromFirstChar;
    Height = other->Height;
    KeepLastSize = other->KeepLastSize;
    ShowImages = other->ShowImages;
    SizeDropDown = other->SizeDropDown;
    StartToken = other->StartToken;
    Width = other->Width;
    MaxWidth = other->MaxWidth;
    SetColor(other->FColor);
    SetDelay(other->FDelay);
    SetFont(other->FFont);
}

void TAutoCompletion::SetColor(TColor Value)
{
    FColor = Value;
    if (FMemo) FMemo->CompletionSettingsChanged();
}

void TAutoCompletion::SetDelay(int Value)
{
    FDelay = Value;
    if (FMemo) FMemo->CompletionSettingsChanged();
}

void TAutoCompletion::SetFont(const TFont& Value)
{
    FFont.Assign(&Value);
    if (FMemo) FMemo->CompletionSettingsChanged();
}

namespace {

// The built-in kind images: 16 × 16 glyphs on lime, the colour drawn transparent.
std::unique_ptr<TBitmap> BuiltInKindImage(int Slot)
{
    auto b = std::make_unique<TBitmap>(16, 16);
    TCanvas& c = *b->Canvas();
    c.Brush()->SetColor(clLime);
    c.FillRect({0, 0, 16, 16});
    c.Pen()->SetColor(clBlack);
    static constexpr TColor fills[] = {clBlue, clTeal, clRed, clNavy, clPurple};
    c.Brush()->SetColor(fills[Slot]);
    switch (Slot) {
    case 0: c.Rectangle(3, 3, 13, 13); break;              // variable: a box
    case 1: {                                               // property: a diamond
        const TPoint diamond[] = {{8, 2}, {14, 8}, {8, 14}, {2, 8}};
        c.Polygon(diamond);
        break;
    }
    case 2: {                                               // event: a flash
        const TPoint flash[] = {{9, 1}, {3, 9}, {8, 9}, {6, 15}, {13, 6}, {8, 6}};
        c.Polygon(flash);
        break;
    }
    case 3: c.Ellipse(2, 2, 14, 14); break;                 // procedure: a disc
    default: c.RoundRect(2, 4, 14, 12, 4, 4); break;        // method: a bar
    }
    b->SetTransparentColor(clLime);
    return b;
}

// Candidate kinds to image slots (variable, property, event, procedure, method).
int ImageSlot(int Kind)
{
    switch (Kind) {
    case ckVariable: return 0;
    case ckProperty: return 1;
    case ckEvent: return 2;
    case ckFunction: case ckProcedure: return 3;
    case ckMethod: return 4;
    default: return -1;
    }
}

struct EntryParts {
    std::string KindWord; // with its space; empty for a bare name
    std::string Name;     // drawn bold
    std::string Tail;     // the parameter part and what follows
};

EntryParts SplitEntry(const std::string& Entry)
{
    EntryParts p;
    std::string rest = Entry;
    if (size_t space = Entry.find(' '); space != std::string::npos) {
        p.KindWord = Entry.substr(0, space + 1);
        rest = Entry.substr(space + 1);
    }
    size_t cut = rest.find('(');
    if (cut == std::string::npos) cut = rest.find('[');
    p.Name = rest.substr(0, cut);
    if (cut != std::string::npos) p.Tail = rest.substr(cut);
    return p;
}

} // namespace

TAutoCompletionListBox::TAutoCompletionListBox(TComponent* AOwner) : TCustomListBox(AOwner)
{
    SetStyle(lbOwnerDrawFixed);
    SetImageList(nullptr);
}

TAutoCompletionListBox::~TAutoCompletionListBox() = default;

void TAutoCompletionListBox::SetImageList(TImageList* Value)
{
    FImageList = Value;
    for (int slot = 0; slot < 5; ++slot) {
        if (Value && slot < Value->Count()) {
            FImages[slot] = std::make_unique<TBitmap>();
            FImages[slot]->SetPixelFormat(pf24bit);
            Value->GetBitmap(slot, FImages[slot].get());
            FImages[slot]->SetTransparentColor(clLime);
        } else {
            FImages[slot] = BuiltInKindImage(slot);
        }
    }
    Invalidate();
}

TColor TAutoCompletionListBox::KindColor(int Kind) const
{
    switch (Kind) {
    case ckVariable: return ColorVar;
    case ckProperty: return ColorProp;
    case ckEvent: return ColorEvent;
    case ckMethod: return ColorMethod;
    case ckFunction: return ColorFunc;
    case ckProcedure: return ColorProc;
    default: return ColorIdentifier;
    }
}

const TBitmap* TAutoCompletionListBox::KindImage(int Kind) const
{
    int slot = ImageSlot(Kind);
    return slot < 0 ? nullptr : FImages[static_cast<size_t>(slot)].get();
}

void TAutoCompletionListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State)
{
    TCanvas& c = *Canvas();
    c.Pen()->SetColor(c.Brush()->Color());
    c.FillRect(Rect);
    const int kind = CompletionKindOf(Items().Objects(Index));
    const bool selected = State.Contains(odSelected);
    const TColor textColor = c.Font()->Color();
    int x = Rect.Left + 2;
    if (ShowImages) {
        if (const TBitmap* image = KindImage(kind)) c.Draw(Rect.Left, Rect.Top + (Rect.Height() - image->Height()) / 2, image);
        x += 20;
    }
    const EntryParts parts = SplitEntry(Items().Strings(Index));
    c.Brush()->SetStyle(bsClear);
    const int y = Rect.Top + (Rect.Height() - c.TextHeight("h_")) / 2;
    if (!parts.KindWord.empty()) {
        c.Font()->SetColor(selected ? textColor : KindColor(kind));
        c.TextOut(x, y, parts.KindWord);
        x += FIdentifierWidth;
    }
    c.Font()->SetColor(textColor);
    c.Font()->SetStyle({fsBold});
    c.TextOut(x, y, parts.Name);
    x += c.TextWidth(parts.Name);
    c.Font()->SetStyle({});
    c.TextOut(x, y, parts.Tail);
    c.Brush()->SetStyle(bsSolid);
}

int TAutoCompletionListBox::AutoAdaptWidth()
{
    TBitmap probe(1, 1);
    TCanvas& c = *probe.Canvas();
    c.SetFont(&Font());
    FIdentifierWidth = 0;
    for (int i = 0; i < Count(); ++i) FIdentifierWidth = std::max(FIdentifierWidth, c.TextWidth(SplitEntry(Items().Strings(i)).KindWord));
    int content = 0;
    for (int i = 0; i < Count(); ++i) {
        const EntryParts parts = SplitEntry(Items().Strings(i));
        c.Font()->SetStyle({fsBold});
        int w = (parts.KindWord.empty() ? 0 : FIdentifierWidth) + c.TextWidth(parts.Name);
        c.Font()->SetStyle({});
        content = std::max(content, w + c.TextWidth(parts.Tail));
    }
    SetItemHeight(std::max(16, c.TextHeight("h_") + 1));
    return content + GetSystemMetrics(SM_CXVSCROLL) + 28 - (ShowImages ? 0 : 20);
}

// A press picks the item but leaves the focus with the memo.
void TAutoCompletionListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        if (const int item = ItemAtPos({X, Y}, true); item >= 0) SetItemIndex(item);
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TAutoCompletionListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomListBox::MouseUp(Button, Shift, X, Y);
    if (OnListMouseUp) OnListMouseUp(this, Button, Shift, X, Y);
}

TQuillAutoform::TQuillAutoform(TComponent* AOwner) : TCustomForm(AOwner)
{
    SetPopup(true);
    SetFormStyle(fsStayOnTop);
    SetBorderStyle(bsSizeToolWin);
}
