// The theme-library bindings: each is bound when the program starts and
// unbound when it ends.
#include "render/ThemeBinders.h"

namespace render {

namespace {

// Asks the platform for the theme library. There is none here; a platform
// with one would load it and look up its entry points.
bool LoadThemeLibrary()
{
    return false;
}

// Binds on first use, so the binding exists before any static user, and
// unbinds when static objects are destroyed at the program's end.
class TScopedBinding {
public:
    TScopedBinding() { FBinder.BindThemeLibrary(); }
    ~TScopedBinding() { FBinder.UnbindThemeLibrary(); }
    TThemeLibraryBinder& Binder() noexcept { return FBinder; }

private:
    TThemeLibraryBinder FBinder;
};

} // namespace

void TThemeLibraryBinder::BindThemeLibrary()
{
    if (FLoaded)
        return;
    FLoaded = LoadThemeLibrary();
}

void TThemeLibraryBinder::UnbindThemeLibrary()
{
    FLoaded = false;
}

TThemeLibraryBinder& ControlsThemeBinder()
{
    static TScopedBinding binding;
    return binding.Binder();
}

TThemeLibraryBinder& DropDownThemeBinder()
{
    static TScopedBinding binding;
    return binding.Binder();
}

TThemeLibraryBinder& EditButtonThemeBinder()
{
    static TScopedBinding binding;
    return binding.Binder();
}

} // namespace render
