// DoDragDrop over the host's drag of its window.
#include "platform/ui/DragDrop.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/VirtualKeys.h"

int DoDragDrop(TControl& Source, const TDragFormats& Data, int AllowedEffects)
{
    TCustomForm* form = Source.GetParentForm();
    ui::TNativeWindow* window = form ? form->NativeWindow() : nullptr;
    if (!window || Data.empty() || (AllowedEffects & (DROPEFFECT_COPY | DROPEFFECT_MOVE)) == 0) return DROPEFFECT_NONE;
    const int effect = window->RunDrag(ui::NamedContents(Data), AllowedEffects) & AllowedEffects;
    // The host took the release with the drop.
    ui::SetKeyDown(VK_LBUTTON, false);
    if (ui::CaptureControl()) ui::SetCaptureControl(nullptr);
    return effect == (DROPEFFECT_COPY | DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : effect;
}
