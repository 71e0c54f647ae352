// The quick-configuration panel a grid in design mode shows in its
// bottom-right corner: "Allow edit", "Column numbers", the look, and a close
// button. Nothing of it shows or answers outside design mode.
#include "grid/QuillGrid.h"
#include "grid/paint/GridLooks.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"

namespace {

constexpr const char* GridVersionText = "1.0";
constexpr int NoDesignItem = 255;

// The panel's font: its metrics place every item.
void UsePanelFont(TCanvas& Canvas)
{
    Canvas.Font()->SetName("Tahoma");
    Canvas.Font()->SetSize(8);
    Canvas.Font()->SetStyle({});
}

// The looks in the order the panel's menu lists them.
constexpr TGridLook MenuLooks[] = {glStandard, glSoft,  glClassic, glQOR, glListView,
                                   glOffice2007, glXP, glVista, glWin7};
constexpr const char* MenuCaptions[] = {"Standard",   "Soft",       "Classic",       "QOR",      "ListView",
                                        "Office 2007", "Windows XP", "Windows Vista", "Windows 7"};

} // namespace

bool TQuillStringGrid::DesignMode() const { return ComponentState().Contains(csDesigning); }

void TQuillStringGrid::SetDesignMode(bool Value)
{
    SetComponentState(csDesigning, Value);
    Invalidate();
}

void TQuillStringGrid::SetShowDesignHelper(bool Value)
{
    FShowDesignHelper = Value;
    Invalidate();
}

bool TQuillStringGrid::DesignHelperShown() const { return DesignMode() && FShowDesignHelper; }

void TQuillStringGrid::PaintDesignHelper(TCanvas& ACanvas)
{
    if (!DesignHelperShown()) return;
    UsePanelFont(ACanvas);
    const int h = ACanvas.TextHeight("gh"), p = h + 2;
    const int r = ClientWidth(), b = ClientHeight(), top = b - 4 * h - 18;
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Brush()->SetColor(clInfoBk);
    ACanvas.Pen()->SetColor(0x808080);
    ACanvas.Pen()->SetWidth(1);
    ACanvas.Rectangle(r - 150, top, r, b);
    ACanvas.Font()->SetColor(0x800000);
    ACanvas.Brush()->SetStyle(bsClear);
    ACanvas.Font()->SetStyle({fsUnderline});
    ACanvas.TextOut(r - 146, top + 4, std::string("Quick config [v") + GridVersionText + "]");
    // The close button: a cross in the top-right corner.
    ACanvas.Pen()->SetColor(0x800000);
    ACanvas.MoveTo(r - 13, top + 5);
    ACanvas.LineTo(r - 5, top + 13);
    ACanvas.MoveTo(r - 5, top + 5);
    ACanvas.LineTo(r - 13, top + 13);

    const TPoint mouse = ScreenToClient(Mouse->CursorPos());
    const int hot = DesignHitTest(mouse.X, mouse.Y);
    auto itemFont = [&](int Item) { ACanvas.Font()->SetStyle(Item == hot ? TFontStyles{fsUnderline} : TFontStyles{}); };
    auto checkBox = [&](int Y, bool Checked) {
        TRect box{r - 146, Y, r - 130, Y + 16};
        DrawFrameControl(ACanvas.Handle(), box, DFC_BUTTON, DFCS_BUTTONCHECK | (Checked ? DFCS_CHECKED : 0));
    };
    checkBox(top + p + 2, Options().Contains(goEditing));
    itemFont(1);
    ACanvas.TextOut(r - 128, top + p + 4, "Allow edit");
    checkBox(top + 2 * p + 2, FShowColNrs);
    itemFont(2);
    ACanvas.TextOut(r - 128, top + 2 * p + 4, "Column numbers");
    itemFont(3);
    ACanvas.TextOut(r - 146, top + 3 * p + 4, "Set look: " + grid::LookCaption(FLook));
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Font()->SetStyle({});
}

int TQuillStringGrid::DesignHitTest(int X, int Y)
{
    if (!DesignHelperShown()) return NoDesignItem;
    TCanvas& canvas = *Canvas();
    UsePanelFont(canvas);
    const int h = canvas.TextHeight("gh");
    const int r = ClientWidth(), b = ClientHeight();
    int item = NoDesignItem;
    if (X > r - 16 && Y > b - 4 * h - 18 && Y < b - 4 * h - 2) item = 4;
    if (X > r - 150 && X < r - 132 + canvas.TextWidth("Allow edit") && Y > b - 3 * h - 12 && Y < b - 2 * h - 10)
        item = 1;
    if (X > r - 150 && X < r - 132 + canvas.TextWidth("Column numbers") && Y > b - 2 * h - 10 && Y < b - h - 8)
        item = 2;
    if (X > r - 150 && X < r - 150 + canvas.TextWidth("Set look: " + grid::LookCaption(FLook)) && Y > b - h - 8 &&
        Y < b - 6)
        item = 3;
    return item;
}

bool TQuillStringGrid::HandleDesignHitTest(TPoint P)
{
    if (!DesignHelperShown()) return false;
    const int item = DesignHitTest(P.X, P.Y);
    if (item != FLastDesignChoice) {
        const TRect panel{ClientWidth() - 150, ClientHeight() - 70, ClientWidth(), ClientHeight()};
        InvalidateRect(&panel, false);
    }
    FLastDesignChoice = item;
    return item >= 1 && item <= 4;
}

void TQuillStringGrid::DesignHelperClick(int X, int Y)
{
    switch (DesignHitTest(X, Y)) {
    case 1: {
        TGridOptions options = Options();
        if (options.Contains(goEditing)) options.Exclude(goEditing);
        else options.Include(goEditing);
        SetOptions(options);
        break;
    }
    case 2:
        FShowColNrs = !FShowColNrs;
        Invalidate();
        break;
    case 3: {
        if (!FLookMenu) FLookMenu = new TPopupMenu(this);
        TMenuItem& items = *FLookMenu->Items();
        while (items.Count() > 0) delete items.Items(0);
        for (size_t i = 0; i < std::size(MenuLooks); ++i) {
            auto* item = new TMenuItem(FLookMenu);
            item->SetCaption(MenuCaptions[i]);
            item->SetTag(MenuLooks[i] + 1);
            item->SetChecked(MenuLooks[i] == FLook);
            const TGridLook look = MenuLooks[i];
            item->OnClick = [this, look](TObject*) { SetLook(look); };
            items.Add(item);
        }
        const TPoint screen = ClientToScreen({X, Y});
        FLookMenu->Popup(screen.X, screen.Y);
        break;
    }
    case 4:
        SetShowDesignHelper(false);
        break;
    default:
        break;
    }
}

void TQuillStringGrid::DrawColumnNumber(TCanvas& ACanvas, int ACol, const TRect& ARect)
{
    ACanvas.Font()->SetSize(8);
    ACanvas.Font()->SetStyle({});
    ACanvas.Font()->SetColor(0x808080);
    ACanvas.Brush()->SetStyle(bsClear);
    const std::string number = std::to_string(RealColIndex(ACol));
    const TSize size = ACanvas.TextExtent(number);
    ACanvas.TextOut(ARect.Right - 2 - size.cx, ARect.Bottom - size.cy, number);
    ACanvas.Brush()->SetStyle(bsSolid);
}
