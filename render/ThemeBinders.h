// Run-time bindings of the desktop's theme library, one per group of controls
// that draws themed parts. Controls test Loaded() first and draw their
// unthemed look when it is false (no display, no desktop theme).
#pragma once

#include "platform/ui/ThemeLibrary.h"

#include <memory>
#include <string_view>

namespace render {

class TThemeLibraryBinder {
public:
    TThemeLibraryBinder();
    ~TThemeLibraryBinder();

    bool Loaded() const noexcept { return FLoaded; }
    // Loads the library unless it is loaded already and looks up its entry
    // points. A library lacking one of them is not used: the binder stays
    // unloaded and its users draw their plain look.
    void BindThemeLibrary();
    // Frees the library when it is loaded; the entry points keep their values.
    void UnbindThemeLibrary();

    // The library's entry points, null until bound.
    TOpenThemeData OpenThemeData = nullptr;
    TCloseThemeData CloseThemeData = nullptr;
    TDrawThemeBackground DrawThemeBackground = nullptr;
    TDrawThemeText DrawThemeText = nullptr;
    TGetThemeBackgroundContentRect GetThemeBackgroundContentRect = nullptr;
    TGetThemeBackgroundExtent GetThemeBackgroundExtent = nullptr;
    TGetThemeTextExtent GetThemeTextExtent = nullptr;
    TGetThemeTextMetrics GetThemeTextMetrics = nullptr;
    TGetThemeBackgroundRegion GetThemeBackgroundRegion = nullptr;
    THitTestThemeBackground HitTestThemeBackground = nullptr;
    TDrawThemeEdge DrawThemeEdge = nullptr;
    TDrawThemeIcon DrawThemeIcon = nullptr;
    TIsThemePartDefined IsThemePartDefined = nullptr;
    TIsThemeBackgroundPartiallyTransparent IsThemeBackgroundPartiallyTransparent = nullptr;
    TGetThemeColor GetThemeColor = nullptr;
    TGetThemeMetric GetThemeMetric = nullptr;
    TGetThemeString GetThemeString = nullptr;
    TGetThemeBool GetThemeBool = nullptr;
    TGetThemeInt GetThemeInt = nullptr;
    TGetThemeEnumValue GetThemeEnumValue = nullptr;
    TGetThemePosition GetThemePosition = nullptr;
    TGetThemeFont GetThemeFont = nullptr;
    TGetThemeRect GetThemeRect = nullptr;
    TGetThemeMargins GetThemeMargins = nullptr;
    TGetThemeIntList GetThemeIntList = nullptr;
    TSetWindowTheme SetWindowTheme = nullptr;
    TGetThemeFilename GetThemeFilename = nullptr;
    TGetThemeSysColor GetThemeSysColor = nullptr;
    TGetThemeSysColorBrush GetThemeSysColorBrush = nullptr;
    TGetThemeSysBool GetThemeSysBool = nullptr;
    TGetThemeSysSize GetThemeSysSize = nullptr;
    TGetThemeSysFont GetThemeSysFont = nullptr;
    TGetThemeSysString GetThemeSysString = nullptr;
    TGetThemeSysInt GetThemeSysInt = nullptr;
    TIsThemeActive IsThemeActive = nullptr;
    TIsAppThemed IsAppThemed = nullptr;
    TGetWindowTheme GetWindowTheme = nullptr;
    TEnableThemeDialogTexture EnableThemeDialogTexture = nullptr;
    TIsThemeDialogTextureEnabled IsThemeDialogTextureEnabled = nullptr;
    TGetThemeAppProperties GetThemeAppProperties = nullptr;
    TSetThemeAppProperties SetThemeAppProperties = nullptr;
    TGetCurrentThemeName GetCurrentThemeName = nullptr;
    TGetThemeDocumentationProperty GetThemeDocumentationProperty = nullptr;
    TDrawThemeParentBackground DrawThemeParentBackground = nullptr;
    TEnableTheming EnableTheming = nullptr;

    // Whether the library is bound and reports an active theme.
    bool ThemeActive() const { return FLoaded && IsThemeActive(); }
    // Opens ClassName for Window, draws the part and closes the class again;
    // false (nothing drawn) when the library is not bound or the theme has
    // no such class or part.
    bool DrawPart(HWND Window, std::string_view ClassName, int PartId, int StateId, HDC DC, const TRect& R) const;

private:
    bool FLoaded = false;
    std::unique_ptr<ui::TThemeLibrary> FLibrary;
};

// The grid base's editor buttons, spin and combo editors and hint drawing, the
// HTML renderer and the date-time pickers.
TThemeLibraryBinder& ControlsThemeBinder();
// The drop-down editors' buttons.
TThemeLibraryBinder& DropDownThemeBinder();
// Bound like the others; no control draws through it.
TThemeLibraryBinder& SpareThemeBinder();
// The edit-with-button's speed button.
TThemeLibraryBinder& EditButtonThemeBinder();

} // namespace render
