// The fonts the styled menus start from.
#include "menus/MenuFonts.h"

#include "platform/graphics/GraphicsObjects.h"

namespace menus {

const TFont& SystemMenuFont()
{
    // The platform's default user-interface font is the one its menus show.
    static const TFont font;
    return font;
}

std::unique_ptr<TFont> NewNotesFont(TColor Color)
{
    auto font = std::make_unique<TFont>();
    font->Assign(&SystemMenuFont());
    font->SetSize(font->Size() - 2);
    font->SetColor(Color);
    return font;
}

} // namespace menus
