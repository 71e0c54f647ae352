// The monochrome glyphs of a styled menu: submenu arrow, check mark, radio dot.
#include "menus/MenuGlyphs.h"

#include "menus/QuillMenuInterface.h"
#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr const char* SubMenuGlyphName = "QUILLSUBMENUITEM";
constexpr const char* CheckGlyphName = "QUILLCHECKITEM";
constexpr const char* RadioGlyphName = "QUILLRADIOITEM";

std::unique_ptr<TBitmap> LoadGlyph(const char* ResourceName)
{
    auto glyph = std::make_unique<TBitmap>();
    glyph->LoadFromResourceName(HInstance, ResourceName);
    glyph->SetTransparent(true);
    return glyph;
}

} // namespace

TMenuGlyphs::TMenuGlyphs(TMenu* AMenu)
    : FSubMenu(LoadGlyph(SubMenuGlyphName)), FCheck(LoadGlyph(CheckGlyphName)), FRadio(LoadGlyph(RadioGlyphName)),
      FMenu(AMenu)
{
}

TMenuGlyphs::~TMenuGlyphs() = default;

void TMenuGlyphs::Assign(const TPersistent* Source)
{
    auto* glyphs = dynamic_cast<const TMenuGlyphs*>(Source);
    if (!glyphs) {
        TPersistent::Assign(Source);
        return;
    }
    SetSubMenu(glyphs->FSubMenu.get());
    SetCheck(glyphs->FCheck.get());
    SetRadio(glyphs->FRadio.get());
}

void TMenuGlyphs::Replace(TBitmap& Glyph, const TBitmap* Value)
{
    Glyph.Assign(Value);
    Glyph.SetTransparent(true);
    menus::RefreshOwnerMenu(FMenu, false);
}
