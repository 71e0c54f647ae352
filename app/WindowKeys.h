// Keys the application's windows share.
#pragma once

class TForm;

namespace app {

// Esc closes a window that has no cancel button of its own to take it.
void CloseOnEscape(TForm& Form);

}  // namespace app
