// Styled popups as the screen shows them, in three looks, compared with
// reference images; and the highlight following the mouse.
#include "menus/MenuAppearance.h"
#include "menus/MenuBackground.h"
#include "menus/MenuSideBar.h"
#include "menus/MenuStyler.h"
#include "menus/tests/PopupFixture.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "testsupport/GoldenImage.h"

namespace {

constexpr TColor IconMask = 0xFF00FF;

// Two small icons: a blue page and a red disc.
void AddIcons(TImageList& Images)
{
    TBitmap page(16, 16);
    TCanvas& p = *page.Canvas();
    p.Brush()->SetColor(IconMask);
    p.FillRect(Rect(0, 0, 16, 16));
    p.Brush()->SetColor(0xC06020);
    p.Pen()->SetColor(0x602000);
    p.Rectangle(3, 1, 13, 15);
    p.Pen()->SetColor(clWhite);
    for (int y = 4; y < 13; y += 3) {
        p.MoveTo(5, y);
        p.LineTo(11, y);
    }
    Images.AddMasked(&page, IconMask);
    TBitmap disc(16, 16);
    TCanvas& d = *disc.Canvas();
    d.Brush()->SetColor(IconMask);
    d.FillRect(Rect(0, 0, 16, 16));
    d.Brush()->SetColor(0x2020D0);
    d.Pen()->SetColor(0x101070);
    d.Ellipse(2, 2, 14, 14);
    Images.AddMasked(&disc, IconMask);
}

TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption, TShortCut Key = 0, int Image = -1)
{
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(Caption);
    item->SetShortCut(Key);
    item->SetImageIndex(Image);
    Parent->Add(item);
    return item;
}

// Every kind of item a styled popup draws.
void FillMenu(TQuillPopupMenu& Menu)
{
    TMenuItem* items = Menu.Items();
    AddItem(items, "&Open", scCtrl | 'O', 0);
    AddItem(items, "&Record", scCtrl | scShift | 'R', 1);
    AddItem(items, "-");
    AddItem(items, "Show &grid")->SetChecked(true);
    TMenuItem* small = AddItem(items, "S&mall cells");
    small->SetRadioItem(true);
    small->SetGroupIndex(1);
    small->SetChecked(true);
    TMenuItem* large = AddItem(items, "&Large cells");
    large->SetRadioItem(true);
    large->SetGroupIndex(1);
    AddItem(items, "-");
    AddItem(items, "Geocode\\nLooks up every address of the column", VK_F5);
    AddItem(items, "&Print", scCtrl | 'P')->SetEnabled(false);
    AddItem(AddItem(items, "&Export"), "Workbook");
}

void ShowSideBar(TCustomQuillMenuStyler& S, const std::string& Caption)
{
    S.SideBar()->SetVisible(true);
    S.SideBar()->SetVisibleIn(viFirstLevel);
    S.SideBar()->SetCaption(Caption);
}

// Blue gradients, a mirrored highlight and a side bar written from the top.
void OfficeBlue(TCustomQuillMenuStyler& S)
{
    ShowSideBar(S, "Vistra");
    S.SideBar()->Background()->SetColor(0x8B4A1F);
    S.SideBar()->Background()->SetColorTo(0xE0B080);
    S.SideBar()->SetDirection(dUpToDown);
    S.SideBar()->SetShadowColor(0x401000);
    S.SideBar()->SetSplitterColor(0xC08040);
    S.IconBar()->SetColor(0xFDEADA);
    S.IconBar()->SetColorTo(0xE0B080);
    S.IconBar()->SetSeparatorColor(0xC5A584);
    S.SelectedItem()->SetColor(0xE3F5FF);
    S.SelectedItem()->SetColorTo(0xA9E4FF);
    S.SelectedItem()->SetColorMirror(0x53C5FF);
    S.SelectedItem()->SetColorMirrorTo(0x8FDEFF);
    S.SelectedItem()->SetBorderColor(0x3C8FC6);
    S.Separator()->SetColor(0xC5A584);
    S.Separator()->SetColorTo(0xFFFFFF);
    S.Separator()->SetGradientType(gtBoth);
    S.Separator()->SetGradientWidth(40);
    S.SetMenuBorderColor(0x8B4A1F);
}

// Greys with a vertical background gradient, a centred caption and smoothed text.
void Graphite(TCustomQuillMenuStyler& S)
{
    ShowSideBar(S, "Graphite");
    S.SideBar()->SetAlignment(taCenter);
    S.SideBar()->Background()->SetColor(0x303030);
    S.SideBar()->Background()->SetColorTo(0x909090);
    S.SideBar()->Background()->SetGradientDirection(gdVertical);
    S.SideBar()->SetHighlightColor(0x000000);
    S.IconBar()->SetColor(0xD8D8D8);
    S.IconBar()->SetColorTo(0xB0B0B0);
    S.IconBar()->SetCheckColor(0xF0F0F0);
    S.IconBar()->SetRadioColor(0xF0F0F0);
    S.Background()->SetColor(0xF4F4F4);
    S.Background()->SetColorTo(0xD0D0D0);
    S.SelectedItem()->SetColor(0x707070);
    S.SelectedItem()->SetColorTo(0x505050);
    S.SelectedItem()->SetBorderColor(0x202020);
    auto font = std::make_unique<TFont>();
    font->Assign(S.SelectedItem()->Font());
    font->SetColor(clWhite);
    S.SelectedItem()->SetFont(font.get());
    S.SelectedItem()->SetUseSystemFont(false);
    S.Separator()->SetColor(0x606060);
    S.Separator()->SetWidth(2);
    S.SetAntiAlias(aaAntiAlias);
    S.SetMenuBorderColor(0x404040);
}

struct Look {
    const char* Name;
    void (*Apply)(TCustomQuillMenuStyler&);
};

// The default look shows its white caption on a light bar; a shadow makes it readable.
void DefaultWithSideBar(TCustomQuillMenuStyler& S)
{
    ShowSideBar(S, "Corvanta");
    S.SideBar()->SetShadowColor(clGray);
}

const Look Looks[] = {{"default", DefaultWithSideBar}, {"officeblue", OfficeBlue}, {"graphite", Graphite}};

} // namespace

class StyledPopupLooks : public PopupTest, public testing::WithParamInterface<Look> {};

TEST_P(StyledPopupLooks, PopupMatchesItsReferenceAndHighlightsTheItemUnderTheMouse)
{
    TImageList images;
    AddIcons(images);
    TQuillPopupMenu menu(Form);
    menu.SetImages(&images);
    FillMenu(menu);
    GetParam().Apply(*menu.CurrentMenuStyler());
    const std::string name = std::string("popup-") + GetParam().Name;
    WithPopupOpen(menu, 120, 80, [&](TCustomForm& popup) {
        testsupport::ExpectMatchesGolden(*Shot(popup), name);
        // The mouse over "Record", then over the disabled "Print", which is
        // highlighted too (it only cannot be chosen).
        backend::input::MouseMove(popup, {60, 35});
        testsupport::ExpectMatchesGolden(*Shot(popup), name + "-hover");
        backend::input::MouseMove(popup, {60, 150});
        testsupport::ExpectMatchesGolden(*Shot(popup), name + "-hover-disabled");
    });
}

INSTANTIATE_TEST_SUITE_P(Looks, StyledPopupLooks, testing::ValuesIn(Looks),
                         [](const testing::TestParamInfo<Look>& info) { return std::string(info.param.Name); });
