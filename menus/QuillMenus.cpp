// The styled popup menu.
#include "menus/QuillMenus.h"

#include "menus/MenuFonts.h"
#include "menus/MenuItemDrawing.h"
#include "menus/MenuStyler.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowManager.h"

namespace {

// Menus open without animation while this module is loaded; the setting is
// the process's own, so other programs keep theirs.
class TMenuAnimationSwitch {
public:
    TMenuAnimationSwitch()
    {
        SystemParametersInfo(SPI_GETMENUANIMATION, 0, &FSaved, 0);
        SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, SPIF_SENDCHANGE);
    }
    ~TMenuAnimationSwitch()
    {
        SystemParametersInfo(SPI_SETMENUANIMATION, 0, FSaved ? this : nullptr, SPIF_SENDCHANGE);
    }

private:
    bool FSaved = true;
};
const TMenuAnimationSwitch gMenuAnimationSwitch;

} // namespace

TQuillPopupMenu::TQuillPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner), menus::TStyledMenuSettings(static_cast<TMenu&>(*this)) { SetOwnerDraw(true); }

TQuillPopupMenu::~TQuillPopupMenu() { Destroying(); }

void TQuillPopupMenu::SetDisabledImages(TImageList* Value) { FDisabledImages = Value; }

void TQuillPopupMenu::Loaded()
{
    TPopupMenu::Loaded();
    SetOwnerDraw(true);
    HookItems(nullptr);
    FStyler.Loaded();
}

void TQuillPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TPopupMenu::Notification(AComponent, Operation);
    FStyler.Notification(AComponent, Operation);
}

void TQuillPopupMenu::HookItems(TMenuItem* Item, bool Children)
{
    menus::HookMenu(this, Item, !Item || Children, true,
                    menus::TItemDrawHandler{this, [this](TObject* s, TCanvas* c, TRect r, TOwnerDrawState st) {
                                                AdvancedDrawItem(s, c, r, st);
                                            }},
                    [this](TObject* s, TCanvas* c, int& w, int& h) { ExpandItemWidth(s, c, w, h); });
}

void TQuillPopupMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild)
{
    if (FDirectUpdate || !FMenuUpdating) {
        // The platform reports an insertion as a change of the parent item, so
        // the changed item's submenu is bound with it; the root stands for all.
        HookItems(Source == Items() ? nullptr : Source, true);
        if (!FMenuUpdating) RefreshMenu(this, false, false);
    } else {
        RefreshMenu(this, false, false);
    }
    TPopupMenu::MenuChanged(Sender, Source, Rebuild);
}

void TQuillPopupMenu::BeginUpdate()
{
    FMenuUpdating = true;
    ++FUpdateRef;
}

void TQuillPopupMenu::EndUpdate()
{
    if (FUpdateRef > 0) --FUpdateRef;
    if (FUpdateRef == 0) {
        HookItems(nullptr);
        FMenuUpdating = false;
    }
}

std::string TQuillPopupMenu::Version() const
{
    const std::uint32_t v = GetVersionNr();
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

void TQuillPopupMenu::ExpandItemWidth(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (item) MeasureMenuItem(item, ACanvas, Width, SideBarShown(item), Height);
}

void TQuillPopupMenu::AdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item) return;
    ARect.Right -= MenuRightStrip;
    DrawMenuItemBackground(item, ACanvas, ARect, SideBarShown(item), State);
}

int TQuillPopupMenu::FirstItemWidth()
{
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&menus::SystemMenuFont());
    int width = 10, height = 10;
    Items()->Items(0)->MeasureItem(probe.Canvas(), width, height);
    return width;
}

void TQuillPopupMenu::Popup(int X, int Y)
{
    if (Items()->Count() == 0) {
        // An empty menu goes to the platform as it is and reports no closing.
        TNotifyEvent onClose = std::move(OnClose);
        OnClose = nullptr;
        rtl::ScopeExit restore([&] { OnClose = std::move(onClose); });
        TPopupMenu::Popup(X, Y);
        return;
    }
    const int w = FirstItemWidth() + MenuRightStrip;
    const int desktopWidth = Screen ? Screen->DesktopWidth() : 0;
    const bool leftShort = X - MenuRightStrip - w < 0;
    const bool rightShort = X + 2 * MenuRightStrip + w >= desktopWidth;
    if (Alignment() == paRight && !leftShort) X += MenuRightStrip;
    else if (Alignment() == paLeft && rightShort) X += MenuRightStrip;
    else if (Alignment() == paCenter) X += 8;
    if (X >= desktopWidth) X = desktopWidth - 1;
    TPopupMenu::Popup(X, Y);
}

void TQuillPopupMenu::PopupAtCursor()
{
    TPoint p = Mouse ? Mouse->CursorPos() : TPoint{};
    Popup(p);
}
