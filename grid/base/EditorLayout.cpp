// Layout and cut-and-paste rules shared by the edit with a button and the spin edit.
#include "grid/base/EditorLayout.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/Messages.h"

namespace grid {

int EditMinimumHeight(const TFont& Font)
{
    const int fontHeight = FontLineHeight(Font);
    return fontHeight + std::min(FontLineHeight(TFont()), fontHeight) / 4;
}

void PlaceEmbeddedButton(TControl& Button, const TCustomEdit& Edit)
{
    const int extra = Edit.BorderStyle() == bsSingle ? 0 : 4;
    Button.SetBounds(Edit.Width() - Button.Width() - 5 + extra, 0, Button.Width(), Edit.Height() - 5 + extra);
}

bool CutOrPasteLocked(unsigned Msg, bool EditorEnabled, bool ReadOnly)
{
    return (Msg == WM_CUT || Msg == WM_PASTE) && (!EditorEnabled || ReadOnly);
}

} // namespace grid
