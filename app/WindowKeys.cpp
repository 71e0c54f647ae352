// Keys the application's windows share.
#include "app/WindowKeys.h"

#include "platform/ui/Forms.h"
#include "platform/ui/VirtualKeys.h"

namespace app {

void CloseOnEscape(TForm& Form)
{
    Form.SetKeyPreview(true);
    Form.OnKeyDown = [&Form](TObject*, unsigned short& Key, TShiftState) {
        if (Key != VK_ESCAPE) return;
        Key = 0;
        Form.Close();
    };
}

}  // namespace app
