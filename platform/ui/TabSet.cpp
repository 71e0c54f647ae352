// The tab row: a model of captions and the selected index, painted with Cairo
// through the canvas.
#include "platform/ui/TabSet.h"

#include <algorithm>
#include <array>

namespace {

constexpr int TabPadding = 10;
constexpr int TabIndent = 6;

} // namespace

TTabSet::TTabSet(TComponent* AOwner) : TCustomControl(AOwner), FTabs(std::make_unique<TStringList>())
{
    SetHeight(21);
    FTabs->OnChange = [this](TObject*) {
        if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
        Invalidate();
    };
}

TTabSet::~TTabSet() { FTabs->OnChange = nullptr; }

void TTabSet::SetTabIndex(int Value)
{
    if (Value == FTabIndex || Value < -1 || Value >= FTabs->Count()) return;
    bool allow = true;
    if (OnChange && Value >= 0) OnChange(this, Value, allow);
    if (!allow) return;
    FTabIndex = Value;
    Invalidate();
}

TRect TTabSet::TabRect(int Index)
{
    int x = TabIndent;
    for (int k = 0; k < FTabs->Count(); ++k) {
        Canvas()->Font()->Assign(&Font());
        const int width = Canvas()->TextWidth(FTabs->Strings(k)) + 2 * TabPadding;
        if (k == Index) return {x, 0, x + width, ClientHeight() - 1};
        x += width - 1;
    }
    return {0, 0, 0, 0};
}

int TTabSet::TabAt(int X, int Y)
{
    for (int k = 0; k < FTabs->Count(); ++k) {
        const TRect r = TabRect(k);
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y <= r.Bottom) return k;
    }
    return -1;
}

#define TABSET_SETTER(Name, Type, Field) \
    void TTabSet::Set##Name(Type Value) \
    {                                   \
        Field = Value;                  \
        Invalidate();                   \
    }
TABSET_SETTER(SelectedColor, TColor, FSelectedColor)
TABSET_SETTER(UnselectedColor, TColor, FUnselectedColor)
TABSET_SETTER(BackgroundColor, TColor, FBackgroundColor)
TABSET_SETTER(DitherBackground, bool, FDitherBackground)
TABSET_SETTER(SoftTop, bool, FSoftTop)
#undef TABSET_SETTER

void TTabSet::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetColor(FBackgroundColor);
    c.FillRect(client);
    if (FDitherBackground) {
        // Every other pixel lighter, as a dithered band.
        c.Pen()->SetColor(clWhite);
        for (int y = client.Top; y < client.Bottom; y += 2)
            for (int x = client.Left + (y / 2) % 2; x < client.Right; x += 4) {
                c.MoveTo(x, y);
                c.LineTo(x + 1, y);
            }
    }
    c.Font()->Assign(&Font());
    // Unselected tabs first, so that the selected one lies over its neighbours.
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < FTabs->Count(); ++k) {
            const bool selected = k == FTabIndex;
            if (selected != (pass == 1)) continue;
            TRect r = TabRect(k);
            if (!selected) r.Bottom -= 2;
            const int slant = FSoftTop ? 3 : 6;
            const std::array<TPoint, 4> shape{TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top},
                                              TPoint{r.Right - slant, r.Bottom}, TPoint{r.Left + slant, r.Bottom}};
            c.Brush()->SetColor(selected ? FSelectedColor : FUnselectedColor);
            c.Pen()->SetColor(clBtnShadow);
            c.Polygon(shape);
            c.Brush()->SetStyle(bsClear);
            c.Font()->SetStyle(selected ? TFontStyles{fsBold} : TFontStyles{});
            const int tw = c.TextWidth(FTabs->Strings(k));
            c.TextOut(r.Left + (r.Right - r.Left - tw) / 2, r.Top + 3, FTabs->Strings(k));
            c.Brush()->SetStyle(bsSolid);
        }
}

void TTabSet::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        const int tab = TabAt(X, Y);
        if (tab >= 0) SetTabIndex(tab);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}
