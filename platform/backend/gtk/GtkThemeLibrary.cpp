// The theme library of the GTK host: the desktop's GTK theme behind the
// exported functions controls bind by name.
#include "platform/backend/gtk/GtkThemeLibrary.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/backend/gtk/GtkThemeParts.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/ThemeLibrary.h"

struct ui::TThemeData {
    backend::gtk::TThemeClass Class;
    HWND Wnd;
};

namespace backend::gtk {

namespace {

// What the library keeps between calls; user-interface thread only.
struct TThemeLibraryState {
    std::set<std::unique_ptr<ui::TThemeData>> Open;
    std::map<HWND, HTHEME> WindowThemes;
    std::set<HWND> UnthemedWindows;
    std::map<HWND, unsigned> DialogTextures;
    unsigned AppProperties = STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS | STAP_ALLOW_WEBCONTENT;
    bool Enabled = true;
};

TThemeLibraryState& State()
{
    static TThemeLibraryState state;
    return state;
}

bool Valid(HTHEME theme)
{
    if (!theme) return false;
    for (const auto& open : State().Open)
        if (open.get() == theme) return true;
    return false;
}

TColorRef ToColorRef(const GdkRGBA& c)
{
    auto channel = [](double v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    return RGB(channel(c.red), channel(c.green), channel(c.blue));
}

// Copies Text into a terminated buffer of Size bytes.
HRESULT CopyOut(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0) return E_INVALIDARG;
    const std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n == text.size() ? S_OK : E_NOT_SUFFICIENT_BUFFER;
}

std::string SettingText(const char* name)
{
    gchar* value = nullptr;
    g_object_get(gtk_settings_get_default(), name, &value, nullptr);
    rtl::GCharPtr owned(value);
    return value ? std::string(value) : std::string();
}

// The theme in use: GTK_THEME names it ("name:variant") over the settings.
std::string ThemeName()
{
    if (const char* forced = g_getenv("GTK_THEME"); forced && *forced) {
        std::string name(forced);
        return name.substr(0, name.find(':'));
    }
    return SettingText("gtk-theme-name");
}

std::string ThemeVariant()
{
    if (const char* forced = g_getenv("GTK_THEME"); forced && std::strchr(forced, ':'))
        return std::strchr(forced, ':') + 1;
    gboolean dark = FALSE;
    g_object_get(gtk_settings_get_default(), "gtk-application-prefer-dark-theme", &dark, nullptr);
    return dark ? "dark" : "normal";
}

LOGFONT DesktopFont()
{
    LOGFONT font;
    PangoFontDescription* description = pango_font_description_from_string(SettingText("gtk-font-name").c_str());
    if (const char* family = pango_font_description_get_family(description)) font.lfFaceName = family;
    const int size = pango_font_description_get_size(description);
    if (size > 0) {
        const double points = double(size) / PANGO_SCALE;
        font.lfHeight = pango_font_description_get_size_is_absolute(description) ? -int(points + 0.5)
                                                                                 : -int(points * 96.0 / 72.0 + 0.5);
    }
    if (pango_font_description_get_weight(description) >= PANGO_WEIGHT_BOLD) font.lfWeight = FW_BOLD;
    if (pango_font_description_get_style(description) != PANGO_STYLE_NORMAL) font.lfItalic = 1;
    pango_font_description_free(description);
    return font;
}

TPartStyle PartOf(HTHEME theme, int part, int state)
{
    return TPartStyle(theme->Class, part, state);
}

// ---- the exported functions

HTHEME OpenThemeData(HWND Wnd, std::string_view ClassList)
{
    TThemeLibraryState& s = State();
    if (!s.Enabled || !(s.AppProperties & STAP_ALLOW_CONTROLS) || s.UnthemedWindows.count(Wnd)) return nullptr;
    const std::optional<TThemeClass> cls = ParseThemeClassList(ClassList);
    if (!cls) return nullptr;
    auto data = std::make_unique<ui::TThemeData>(ui::TThemeData{*cls, Wnd});
    HTHEME theme = data.get();
    s.Open.insert(std::move(data));
    if (Wnd) s.WindowThemes[Wnd] = theme;
    return theme;
}

HRESULT CloseThemeData(HTHEME Theme)
{
    TThemeLibraryState& s = State();
    for (auto it = s.Open.begin(); it != s.Open.end(); ++it) {
        if (it->get() != Theme) continue;
        for (auto w = s.WindowThemes.begin(); w != s.WindowThemes.end();)
            w = w->second == Theme ? s.WindowThemes.erase(w) : std::next(w);
        s.Open.erase(it);
        return S_OK;
    }
    return E_INVALIDARG;
}

HRESULT DrawThemeBackground(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect, const TRect* ClipRect)
{
    if (!Valid(Theme) || !DC || !Rect) return E_INVALIDARG;
    const TPartStyle part = PartOf(Theme, PartId, StateId);
    if (!part.Defined()) return E_INVALIDARG;
    DrawWithCairo(DC, [&](cairo_t* cr) {
        if (ClipRect) {
            cairo_rectangle(cr, ClipRect->Left, ClipRect->Top, ClipRect->Width(), ClipRect->Height());
            cairo_clip(cr);
        }
        part.Draw(cr, *Rect);
    });
    return S_OK;
}

HRESULT DrawThemeText(HTHEME Theme, HDC DC, int PartId, int StateId, std::string_view Text, unsigned TextFlags,
                      unsigned TextFlags2, const TRect* Rect)
{
    if (!Valid(Theme) || !DC || !Rect) return E_INVALIDARG;
    const TPartStyle part = PartOf(Theme, PartId, StateId);
    if (!part.Defined()) return E_INVALIDARG;
    GdkRGBA color = part.TextColor();
    if (TextFlags2 & DTT_GRAYED) color = PartOf(Theme, PartId, 4).TextColor();
    const TColorRef oldColor = SetTextColor(DC, ToColorRef(color));
    const int oldMode = SetBkMode(DC, TRANSPARENT);
    TRect r = *Rect;
    DrawText(DC, Text, r, TextFlags);
    SetBkMode(DC, oldMode);
    SetTextColor(DC, oldColor);
    return S_OK;
}

HRESULT GetThemeBackgroundContentRect(HTHEME Theme, HDC, int PartId, int StateId, const TRect* BoundingRect,
                                      TRect* ContentRect)
{
    if (!Valid(Theme) || !BoundingRect || !ContentRect) return E_INVALIDARG;
    const GtkBorder m = PartOf(Theme, PartId, StateId).ContentMargins();
    *ContentRect = {BoundingRect->Left + m.left, BoundingRect->Top + m.top, BoundingRect->Right - m.right,
                    BoundingRect->Bottom - m.bottom};
    return S_OK;
}

HRESULT GetThemeBackgroundExtent(HTHEME Theme, HDC, int PartId, int StateId, const TRect* ContentRect,
                                 TRect* ExtentRect)
{
    if (!Valid(Theme) || !ContentRect || !ExtentRect) return E_INVALIDARG;
    const GtkBorder m = PartOf(Theme, PartId, StateId).ContentMargins();
    *ExtentRect = {ContentRect->Left - m.left, ContentRect->Top - m.top, ContentRect->Right + m.right,
                   ContentRect->Bottom + m.bottom};
    return S_OK;
}

HRESULT GetThemeTextExtent(HTHEME Theme, HDC DC, int, int, std::string_view Text, unsigned TextFlags,
                           const TRect* BoundingRect, TRect* ExtentRect)
{
    if (!Valid(Theme) || !DC || !ExtentRect) return E_INVALIDARG;
    TRect r = BoundingRect ? *BoundingRect : TRect{0, 0, 0, 0};
    DrawText(DC, Text, r, TextFlags | DT_CALCRECT);
    *ExtentRect = r;
    return S_OK;
}

HRESULT GetThemeTextMetrics(HTHEME Theme, HDC DC, int, int, TEXTMETRIC* Metrics)
{
    if (!Valid(Theme) || !DC || !Metrics) return E_INVALIDARG;
    return GetTextMetrics(DC, *Metrics) ? S_OK : E_FAIL;
}

HRESULT GetThemeBackgroundRegion(HTHEME Theme, HDC, int PartId, int StateId, const TRect* Rect, HRGN* Region)
{
    if (!Valid(Theme) || !Rect || !Region || !PartOf(Theme, PartId, StateId).Defined()) return E_INVALIDARG;
    *Region = CreateRectRgnIndirect(*Rect);
    return S_OK;
}

HRESULT HitTestThemeBackground(HTHEME Theme, HDC, int PartId, int StateId, unsigned, const TRect* Rect, HRGN Region,
                               TPoint Test, std::uint16_t* HitCode)
{
    if (!Valid(Theme) || !Rect || !HitCode || !PartOf(Theme, PartId, StateId).Defined()) return E_INVALIDARG;
    const bool inside = Region ? PtInRegion(Region, Test.X, Test.Y) : Rect->Contains(Test);
    *HitCode = inside ? HTCLIENT : HTNOWHERE;
    return S_OK;
}

HRESULT DrawThemeEdge(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* DestRect, unsigned, unsigned Flags,
                      TRect* ContentRect)
{
    if (!Valid(Theme) || !DC || !DestRect) return E_INVALIDARG;
    const TPartStyle part = PartOf(Theme, PartId, StateId);
    if (!part.Defined()) return E_INVALIDARG;
    DrawWithCairo(DC, [&](cairo_t* cr) {
        gtk_render_frame(part.Box(), cr, DestRect->Left, DestRect->Top, DestRect->Width(), DestRect->Height());
    });
    if (ContentRect) {
        const GtkBorder b = part.BorderWidths();
        *ContentRect = (Flags & BF_ADJUST) ? TRect{DestRect->Left + b.left, DestRect->Top + b.top,
                                                   DestRect->Right - b.right, DestRect->Bottom - b.bottom}
                                           : *DestRect;
    }
    return S_OK;
}

HRESULT DrawThemeIcon(HTHEME Theme, HDC DC, int, int StateId, const TRect* Rect, TImageList* Images, int ImageIndex)
{
    if (!Valid(Theme) || !DC || !Rect || !Images || ImageIndex < 0 || ImageIndex >= Images->Count())
        return E_INVALIDARG;
    const int x = Rect->Left + (Rect->Width() - Images->Width()) / 2;
    const int y = Rect->Top + (Rect->Height() - Images->Height()) / 2;
    return ImageList_Draw(Images, ImageIndex, DC, x, y, StateId == 4 ? ILD_DISABLED : ILD_NORMAL) ? S_OK : E_FAIL;
}

bool IsThemePartDefined(HTHEME Theme, int PartId, int StateId)
{
    return Valid(Theme) && PartOf(Theme, PartId, StateId == 0 ? 1 : StateId).Defined();
}

bool IsThemeBackgroundPartiallyTransparent(HTHEME Theme, int PartId, int StateId)
{
    return Valid(Theme) && PartOf(Theme, PartId, StateId).PartiallyTransparent();
}

HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColorRef* Color)
{
    if (!Valid(Theme) || !Color) return E_INVALIDARG;
    const TPartStyle part = PartOf(Theme, PartId, StateId);
    if (!part.Defined()) return E_INVALIDARG;
    switch (PropId) {
    case TMT_TEXTCOLOR: *Color = ToColorRef(part.TextColor()); return S_OK;
    case TMT_FILLCOLOR: *Color = ToColorRef(part.FillColor()); return S_OK;
    case TMT_BORDERCOLOR: *Color = ToColorRef(part.BorderColor()); return S_OK;
    default: return E_PROP_ID_UNSUPPORTED;
    }
}

HRESULT GetThemeInt(HTHEME Theme, int PartId, int StateId, int PropId, int* Value)
{
    if (!Valid(Theme) || !Value) return E_INVALIDARG;
    const TPartStyle part = PartOf(Theme, PartId, StateId);
    if (!part.Defined()) return E_INVALIDARG;
    switch (PropId) {
    case TMT_BORDERSIZE: *Value = part.BorderWidths().top; return S_OK;
    case TMT_WIDTH: *Value = part.MinSize().cx; return S_OK;
    case TMT_HEIGHT: *Value = part.MinSize().cy; return S_OK;
    default: return E_PROP_ID_UNSUPPORTED;
    }
}

HRESULT GetThemeMetric(HTHEME Theme, HDC, int PartId, int StateId, int PropId, int* Value)
{
    return GetThemeInt(Theme, PartId, StateId, PropId, Value);
}

HRESULT GetThemeString(HTHEME Theme, int, int, int, char*, int)
{
    return Valid(Theme) ? E_PROP_ID_UNSUPPORTED : E_INVALIDARG;
}

HRESULT GetThemeBool(HTHEME Theme, int PartId, int StateId, int PropId, bool* Value)
{
    if (!Valid(Theme) || !Value) return E_INVALIDARG;
    if (PropId != TMT_TRANSPARENT) return E_PROP_ID_UNSUPPORTED;
    *Value = IsThemeBackgroundPartiallyTransparent(Theme, PartId, StateId);
    return S_OK;
}

HRESULT GetThemeEnumValue(HTHEME Theme, int, int, int, int*)
{
    return Valid(Theme) ? E_PROP_ID_UNSUPPORTED : E_INVALIDARG;
}

HRESULT GetThemePosition(HTHEME Theme, int, int, int, TPoint*)
{
    return Valid(Theme) ? E_PROP_ID_UNSUPPORTED : E_INVALIDARG;
}

HRESULT GetThemeFont(HTHEME Theme, HDC, int, int, int PropId, LOGFONT* Font)
{
    if (!Valid(Theme) || !Font) return E_INVALIDARG;
    if (PropId != TMT_FONT) return E_PROP_ID_UNSUPPORTED;
    *Font = DesktopFont();
    return S_OK;
}

HRESULT GetThemeRect(HTHEME Theme, int, int, int, TRect*)
{
    return Valid(Theme) ? E_PROP_ID_UNSUPPORTED : E_INVALIDARG;
}

HRESULT GetThemeMargins(HTHEME Theme, HDC, int PartId, int StateId, int PropId, const TRect*, MARGINS* Margins)
{
    if (!Valid(Theme) || !Margins) return E_INVALIDARG;
    const TPartStyle part = PartOf(Theme, PartId, StateId);
    if (!part.Defined()) return E_INVALIDARG;
    GtkBorder m;
    if (PropId == TMT_CONTENTMARGINS)
        m = part.ContentMargins();
    else if (PropId == TMT_SIZINGMARGINS)
        m = part.BorderWidths();
    else
        return E_PROP_ID_UNSUPPORTED;
    *Margins = {m.left, m.right, m.top, m.bottom};
    return S_OK;
}

HRESULT GetThemeIntList(HTHEME Theme, int, int, int, INTLIST*)
{
    return Valid(Theme) ? E_PROP_ID_UNSUPPORTED : E_INVALIDARG;
}

HRESULT SetWindowTheme(HWND Wnd, std::string_view SubAppName, std::string_view SubIdList)
{
    if (!Wnd) return E_INVALIDARG;
    // Blank names switch the window's theme off; anything else switches it on.
    auto blank = [](std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; };
    if (blank(SubAppName) && blank(SubIdList) && !SubAppName.empty())
        State().UnthemedWindows.insert(Wnd);
    else
        State().UnthemedWindows.erase(Wnd);
    return S_OK;
}

HRESULT GetThemeFilename(HTHEME Theme, int, int, int, char*, int)
{
    return Valid(Theme) ? E_PROP_ID_UNSUPPORTED : E_INVALIDARG;
}

TColorRef GetThemeSysColor(HTHEME, int ColorId)
{
    return GetSysColor(ColorId);
}

HBRUSH GetThemeSysColorBrush(HTHEME Theme, int ColorId)
{
    return CreateSolidBrush(GetThemeSysColor(Theme, ColorId));
}

bool GetThemeSysBool(HTHEME, int)
{
    return false;
}

int GetThemeSysSize(HTHEME, int SizeId)
{
    if (SizeId == SM_CXVSCROLL || SizeId == SM_CYHSCROLL) {
        const TPartStyle slider(TThemeClass::ScrollBar, SBP_THUMBBTNVERT, 1);
        const TSize min = slider.MinSize();
        if (min.cx > 0) return min.cx;
    }
    return GetSystemMetrics(SizeId);
}

HRESULT GetThemeSysFont(HTHEME, int, LOGFONT* Font)
{
    if (!Font) return E_INVALIDARG;
    *Font = DesktopFont();
    return S_OK;
}

HRESULT GetThemeSysString(HTHEME, int, char*, int)
{
    return E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemeSysInt(HTHEME, int, int*)
{
    return E_PROP_ID_UNSUPPORTED;
}

bool IsThemeActive()
{
    return State().Enabled && !ThemeName().empty();
}

bool IsAppThemed()
{
    return IsThemeActive() && (State().AppProperties & STAP_ALLOW_CONTROLS);
}

HTHEME GetWindowTheme(HWND Wnd)
{
    const auto it = State().WindowThemes.find(Wnd);
    return it == State().WindowThemes.end() ? nullptr : it->second;
}

HRESULT EnableThemeDialogTexture(HWND Wnd, unsigned Flags)
{
    if (!Wnd) return E_INVALIDARG;
    State().DialogTextures[Wnd] = Flags;
    return S_OK;
}

bool IsThemeDialogTextureEnabled(HWND Wnd)
{
    constexpr unsigned ETDF_ENABLE = 2;
    const auto it = State().DialogTextures.find(Wnd);
    return it != State().DialogTextures.end() && (it->second & ETDF_ENABLE);
}

unsigned GetThemeAppProperties()
{
    return State().AppProperties;
}

void SetThemeAppProperties(unsigned Flags)
{
    State().AppProperties = Flags;
}

HRESULT GetCurrentThemeName(char* ThemeFileName, int MaxNameChars, char* ColorBuff, int MaxColorChars, char* SizeBuff,
                            int MaxSizeChars)
{
    if (!IsThemeActive()) return E_FAIL;
    HRESULT result = S_OK;
    auto out = [&](const std::string& text, char* buffer, int size) {
        if (!buffer) return;
        const HRESULT r = CopyOut(text, buffer, size);
        if (r != S_OK) result = r;
    };
    out(ThemeName(), ThemeFileName, MaxNameChars);
    out(ThemeVariant(), ColorBuff, MaxColorChars);
    out("normal", SizeBuff, MaxSizeChars);
    return result;
}

HRESULT GetThemeDocumentationProperty(std::string_view ThemeNameText, std::string_view PropertyName, char* Buffer,
                                      int BufferSize)
{
    if (ThemeNameText != ThemeName()) return E_INVALIDARG;
    if (PropertyName == "DisplayName" || PropertyName == "ThemeName") return CopyOut(ThemeName(), Buffer, BufferSize);
    return E_PROP_ID_UNSUPPORTED;
}

HRESULT DrawThemeParentBackground(HWND, HDC DC, const TRect* Rect)
{
    if (!DC) return E_INVALIDARG;
    const TPartStyle window(TThemeClass::Window, 1, 1);
    DrawWithCairo(DC, [&](cairo_t* cr) {
        double x1, y1, x2, y2;
        cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
        const TRect r = Rect ? *Rect : TRect{int(x1), int(y1), int(x2), int(y2)};
        gtk_render_background(window.Box(), cr, r.Left, r.Top, r.Width(), r.Height());
    });
    return S_OK;
}

HRESULT EnableTheming(bool Enable)
{
    State().Enabled = Enable;
    return S_OK;
}

HRESULT GetThemePartSize(HTHEME Theme, HDC, int PartId, int StateId, const TRect* Rect, THEMESIZE Kind, TSize* Size)
{
    if (!Valid(Theme) || !Size) return E_INVALIDARG;
    const TPartStyle part = PartOf(Theme, PartId, StateId);
    if (!part.Defined()) return E_INVALIDARG;
    *Size = part.MinSize();
    if (Kind == TS_DRAW && Rect) *Size = {Rect->Width(), Rect->Height()};
    return S_OK;
}

struct TExport {
    std::string_view Name;
    ui::TThemeProc Proc;
};

template <class F>
ui::TThemeProc Proc(F f)
{
    return reinterpret_cast<ui::TThemeProc>(f);
}

const TExport Exports[] = {
    {"OpenThemeData", Proc(&OpenThemeData)},
    {"CloseThemeData", Proc(&CloseThemeData)},
    {"DrawThemeBackground", Proc(&DrawThemeBackground)},
    {"DrawThemeText", Proc(&DrawThemeText)},
    {"GetThemeBackgroundContentRect", Proc(&GetThemeBackgroundContentRect)},
    {"GetThemeBackgroundExtent", Proc(&GetThemeBackgroundExtent)},
    {"GetThemeTextExtent", Proc(&GetThemeTextExtent)},
    {"GetThemeTextMetrics", Proc(&GetThemeTextMetrics)},
    {"GetThemeBackgroundRegion", Proc(&GetThemeBackgroundRegion)},
    {"HitTestThemeBackground", Proc(&HitTestThemeBackground)},
    {"DrawThemeEdge", Proc(&DrawThemeEdge)},
    {"DrawThemeIcon", Proc(&DrawThemeIcon)},
    {"IsThemePartDefined", Proc(&IsThemePartDefined)},
    {"IsThemeBackgroundPartiallyTransparent", Proc(&IsThemeBackgroundPartiallyTransparent)},
    {"GetThemeColor", Proc(&GetThemeColor)},
    {"GetThemeMetric", Proc(&GetThemeMetric)},
    {"GetThemeString", Proc(&GetThemeString)},
    {"GetThemeBool", Proc(&GetThemeBool)},
    {"GetThemeInt", Proc(&GetThemeInt)},
    {"GetThemeEnumValue", Proc(&GetThemeEnumValue)},
    {"GetThemePosition", Proc(&GetThemePosition)},
    {"GetThemeFont", Proc(&GetThemeFont)},
    {"GetThemeRect", Proc(&GetThemeRect)},
    {"GetThemeMargins", Proc(&GetThemeMargins)},
    {"GetThemeIntList", Proc(&GetThemeIntList)},
    {"SetWindowTheme", Proc(&SetWindowTheme)},
    {"GetThemeFilename", Proc(&GetThemeFilename)},
    {"GetThemeSysColor", Proc(&GetThemeSysColor)},
    {"GetThemeSysColorBrush", Proc(&GetThemeSysColorBrush)},
    {"GetThemeSysBool", Proc(&GetThemeSysBool)},
    {"GetThemeSysSize", Proc(&GetThemeSysSize)},
    {"GetThemeSysFont", Proc(&GetThemeSysFont)},
    {"GetThemeSysString", Proc(&GetThemeSysString)},
    {"GetThemeSysInt", Proc(&GetThemeSysInt)},
    {"IsThemeActive", Proc(&IsThemeActive)},
    {"IsAppThemed", Proc(&IsAppThemed)},
    {"GetWindowTheme", Proc(&GetWindowTheme)},
    {"EnableThemeDialogTexture", Proc(&EnableThemeDialogTexture)},
    {"IsThemeDialogTextureEnabled", Proc(&IsThemeDialogTextureEnabled)},
    {"GetThemeAppProperties", Proc(&GetThemeAppProperties)},
    {"SetThemeAppProperties", Proc(&SetThemeAppProperties)},
    {"GetCurrentThemeName", Proc(&GetCurrentThemeName)},
    {"GetThemeDocumentationProperty", Proc(&GetThemeDocumentationProperty)},
    {"DrawThemeParentBackground", Proc(&DrawThemeParentBackground)},
    {"EnableTheming", Proc(&EnableTheming)},
    {"GetThemePartSize", Proc(&GetThemePartSize)},
};

class TGtkThemeLibrary final : public ui::TThemeLibrary {
public:
    ui::TThemeProc ProcAddress(std::string_view Name) const override
    {
        for (const TExport& e : Exports)
            if (e.Name == Name) return e.Proc;
        return nullptr;
    }
};

} // namespace

std::unique_ptr<ui::TThemeLibrary> CreateGtkThemeLibrary()
{
    return std::make_unique<TGtkThemeLibrary>();
}

} // namespace backend::gtk
