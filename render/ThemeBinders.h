// Run-time bindings of the desktop's theme library, one per group of controls
// that draws themed parts. Controls test Loaded() first and draw their
// unthemed look when it is false.
#pragma once

namespace render {

// Binds the library at program start and unbinds it at the end. This platform
// has no such library, so a binding never loads and Loaded() stays false.
class TThemeLibraryBinder {
public:
    bool Loaded() const noexcept { return FLoaded; }
    // Loads the library unless it is loaded already.
    void BindThemeLibrary();
    // Frees the library when it is loaded.
    void UnbindThemeLibrary();

private:
    bool FLoaded = false;
};

// The grid base's editor buttons, spin and combo editors and hint drawing, the
// HTML renderer and the date-time pickers.
TThemeLibraryBinder& ControlsThemeBinder();
// The drop-down editors' buttons.
TThemeLibraryBinder& DropDownThemeBinder();
// The edit-with-button's speed button.
TThemeLibraryBinder& EditButtonThemeBinder();

} // namespace render
