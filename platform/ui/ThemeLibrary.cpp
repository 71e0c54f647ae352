// Loading the host's theme library.
#include "platform/ui/ThemeLibrary.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Backend.h"

namespace ui {

std::unique_ptr<TThemeLibrary> TBackend::LoadThemeLibrary()
{
    return nullptr;
}

std::unique_ptr<TThemeLibrary> LoadThemeLibrary()
{
    // A program without a window backend draws without a theme.
    try {
        return Backend().LoadThemeLibrary();
    } catch (const EInvalidOperation&) {
        return nullptr;
    }
}

} // namespace ui
