// Loading the host's theme library.
#include "platform/ui/ThemeLibrary.h"

#include "platform/ui/Backend.h"

namespace ui {

std::unique_ptr<TThemeLibrary> TBackend::LoadThemeLibrary()
{
    return nullptr;
}

std::unique_ptr<TThemeLibrary> LoadThemeLibrary()
{
    return Backend().LoadThemeLibrary();
}

} // namespace ui
