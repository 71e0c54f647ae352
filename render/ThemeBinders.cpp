// The theme-library bindings: each is bound on first use (before any control
// draws) and unbound when the program ends.
#include "render/ThemeBinders.h"

namespace render {

namespace {

template <class F>
bool LookUp(const ui::TThemeLibrary& library, std::string_view name, F& entry)
{
    entry = reinterpret_cast<F>(library.ProcAddress(name));
    return entry != nullptr;
}

class TScopedBinding {
public:
    TScopedBinding() { FBinder.BindThemeLibrary(); }
    ~TScopedBinding() { FBinder.UnbindThemeLibrary(); }
    TThemeLibraryBinder& Binder() noexcept { return FBinder; }

private:
    TThemeLibraryBinder FBinder;
};

} // namespace

TThemeLibraryBinder::TThemeLibraryBinder() = default;
TThemeLibraryBinder::~TThemeLibraryBinder() = default;

void TThemeLibraryBinder::BindThemeLibrary()
{
    if (FLoaded) return;
    std::unique_ptr<ui::TThemeLibrary> library = ui::LoadThemeLibrary();
    if (!library) return;
    const ui::TThemeLibrary& l = *library;
    // Every entry point is looked up, in the library's order, so a library
    // lacking one still leaves the others' values behind for inspection.
    bool all = true;
    all &= LookUp(l, "OpenThemeData", OpenThemeData);
    all &= LookUp(l, "CloseThemeData", CloseThemeData);
    all &= LookUp(l, "DrawThemeBackground", DrawThemeBackground);
    all &= LookUp(l, "DrawThemeText", DrawThemeText);
    all &= LookUp(l, "GetThemeBackgroundContentRect", GetThemeBackgroundContentRect);
    all &= LookUp(l, "GetThemeBackgroundExtent", GetThemeBackgroundExtent);
    all &= LookUp(l, "GetThemeTextExtent", GetThemeTextExtent);
    all &= LookUp(l, "GetThemeTextMetrics", GetThemeTextMetrics);
    all &= LookUp(l, "GetThemeBackgroundRegion", GetThemeBackgroundRegion);
    all &= LookUp(l, "HitTestThemeBackground", HitTestThemeBackground);
    all &= LookUp(l, "DrawThemeEdge", DrawThemeEdge);
    all &= LookUp(l, "DrawThemeIcon", DrawThemeIcon);
    all &= LookUp(l, "IsThemePartDefined", IsThemePartDefined);
    all &= LookUp(l, "IsThemeBackgroundPartiallyTransparent", IsThemeBackgroundPartiallyTransparent);
    all &= LookUp(l, "GetThemeColor", GetThemeColor);
    all &= LookUp(l, "GetThemeMetric", GetThemeMetric);
    all &= LookUp(l, "GetThemeString", GetThemeString);
    all &= LookUp(l, "GetThemeBool", GetThemeBool);
    all &= LookUp(l, "GetThemeInt", GetThemeInt);
    all &= LookUp(l, "GetThemeEnumValue", GetThemeEnumValue);
    all &= LookUp(l, "GetThemePosition", GetThemePosition);
    all &= LookUp(l, "GetThemeFont", GetThemeFont);
    all &= LookUp(l, "GetThemeRect", GetThemeRect);
    all &= LookUp(l, "GetThemeMargins", GetThemeMargins);
    all &= LookUp(l, "GetThemeIntList", GetThemeIntList);
    all &= LookUp(l, "SetWindowTheme", SetWindowTheme);
    all &= LookUp(l, "GetThemeFilename", GetThemeFilename);
    all &= LookUp(l, "GetThemeSysColor", GetThemeSysColor);
    all &= LookUp(l, "GetThemeSysColorBrush", GetThemeSysColorBrush);
    all &= LookUp(l, "GetThemeSysBool", GetThemeSysBool);
    all &= LookUp(l, "GetThemeSysSize", GetThemeSysSize);
    all &= LookUp(l, "GetThemeSysFont", GetThemeSysFont);
    all &= LookUp(l, "GetThemeSysString", GetThemeSysString);
    all &= LookUp(l, "GetThemeSysInt", GetThemeSysInt);
    all &= LookUp(l, "IsThemeActive", IsThemeActive);
    all &= LookUp(l, "IsAppThemed", IsAppThemed);
    all &= LookUp(l, "GetWindowTheme", GetWindowTheme);
    all &= LookUp(l, "EnableThemeDialogTexture", EnableThemeDialogTexture);
    all &= LookUp(l, "IsThemeDialogTextureEnabled", IsThemeDialogTextureEnabled);
    all &= LookUp(l, "GetThemeAppProperties", GetThemeAppProperties);
    all &= LookUp(l, "SetThemeAppProperties", SetThemeAppProperties);
    all &= LookUp(l, "GetCurrentThemeName", GetCurrentThemeName);
    all &= LookUp(l, "GetThemeDocumentationProperty", GetThemeDocumentationProperty);
    all &= LookUp(l, "DrawThemeParentBackground", DrawThemeParentBackground);
    all &= LookUp(l, "EnableTheming", EnableTheming);
    if (!all) return;
    FLibrary = std::move(library);
    FLoaded = true;
}

void TThemeLibraryBinder::UnbindThemeLibrary()
{
    if (!FLoaded) return;
    FLibrary.reset();
    FLoaded = false;
}

bool TThemeLibraryBinder::DrawPart(HWND Window, std::string_view ClassName, int PartId, int StateId, HDC DC,
                                   const TRect& R) const
{
    if (!FLoaded) return false;
    HTHEME theme = OpenThemeData(Window, ClassName);
    if (!theme) return false;
    const bool drawn = DrawThemeBackground(theme, DC, PartId, StateId, &R, nullptr) == S_OK;
    CloseThemeData(theme);
    return drawn;
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

TThemeLibraryBinder& SpareThemeBinder()
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
