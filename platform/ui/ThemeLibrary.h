// The desktop's theme library: the host draws buttons, boxes, headers, scroll
// bars, tabs and progress bars in the desktop theme's look. A host that has
// one hands out its exported functions by name; controls reach them through
// run-time bindings and draw their plain look when there is none.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/TextOutput.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Messages.h"

#include <cstdint>
#include <memory>
#include <string_view>

class TImageList;

namespace ui {
struct TThemeData;
}

// An open theme class ("button", "combobox" ...) for a window; null when the
// theme has no such class.
using HTHEME = ui::TThemeData*;
using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_NOT_SUFFICIENT_BUFFER = static_cast<HRESULT>(0x8007007Au);
// The theme does not define the property asked for.
constexpr HRESULT E_PROP_ID_UNSUPPORTED = static_cast<HRESULT>(0x80070490u);

// Classes and their parts and states.
// "button"
constexpr int BP_PUSHBUTTON = 1;
constexpr int BP_RADIOBUTTON = 2;
constexpr int BP_CHECKBOX = 3;
constexpr int BP_GROUPBOX = 4;
constexpr int PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5;
constexpr int RBS_UNCHECKEDNORMAL = 1, RBS_UNCHECKEDHOT = 2, RBS_UNCHECKEDPRESSED = 3, RBS_UNCHECKEDDISABLED = 4;
constexpr int RBS_CHECKEDNORMAL = 5, RBS_CHECKEDHOT = 6, RBS_CHECKEDPRESSED = 7, RBS_CHECKEDDISABLED = 8;
constexpr int CBS_UNCHECKEDNORMAL = 1, CBS_UNCHECKEDHOT = 2, CBS_UNCHECKEDPRESSED = 3, CBS_UNCHECKEDDISABLED = 4;
constexpr int CBS_CHECKEDNORMAL = 5, CBS_CHECKEDHOT = 6, CBS_CHECKEDPRESSED = 7, CBS_CHECKEDDISABLED = 8;
constexpr int CBS_MIXEDNORMAL = 9, CBS_MIXEDHOT = 10, CBS_MIXEDPRESSED = 11, CBS_MIXEDDISABLED = 12;
// "combobox"
constexpr int CP_DROPDOWNBUTTON = 1;
constexpr int CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4;
// "spin"
constexpr int SPNP_UP = 1, SPNP_DOWN = 2, SPNP_UPHORZ = 3, SPNP_DOWNHORZ = 4;
// "header"
constexpr int HP_HEADERITEM = 1;
constexpr int HIS_NORMAL = 1, HIS_HOT = 2, HIS_PRESSED = 3;
// "scrollbar": arrow states run up, down, left, right in fours (normal, hot,
// pressed, disabled); the other parts take 1 normal .. 4 disabled.
constexpr int SBP_ARROWBTN = 1, SBP_THUMBBTNHORZ = 2, SBP_THUMBBTNVERT = 3, SBP_LOWERTRACKHORZ = 4,
              SBP_UPPERTRACKHORZ = 5, SBP_LOWERTRACKVERT = 6, SBP_UPPERTRACKVERT = 7, SBP_GRIPPERHORZ = 8,
              SBP_GRIPPERVERT = 9, SBP_SIZEBOX = 10;
// "tab": items 1 normal, 2 hot, 3 selected, 4 disabled, 5 focused; the pane has one state.
constexpr int TABP_TABITEM = 1, TABP_TABITEMLEFTEDGE = 2, TABP_TABITEMRIGHTEDGE = 3, TABP_TABITEMBOTHEDGE = 4,
              TABP_TOPTABITEM = 5, TABP_TOPTABITEMLEFTEDGE = 6, TABP_TOPTABITEMRIGHTEDGE = 7,
              TABP_TOPTABITEMBOTHEDGE = 8, TABP_PANE = 9, TABP_BODY = 10;
// "progress"
constexpr int PP_BAR = 1, PP_BARVERT = 2, PP_CHUNK = 3, PP_CHUNKVERT = 4;

// Properties the theme answers.
constexpr int TMT_BORDERSIZE = 2403;
constexpr int TMT_TEXTCOLOR = 3803;
constexpr int TMT_FILLCOLOR = 3802;
constexpr int TMT_BORDERCOLOR = 3801;
constexpr int TMT_CONTENTMARGINS = 3602;
constexpr int TMT_SIZINGMARGINS = 3601;
constexpr int TMT_FONT = 210;
constexpr int TMT_HEIGHT = 2417;
constexpr int TMT_WIDTH = 2416;
constexpr int TMT_MINSIZE = 3403;
constexpr int TMT_TRANSPARENT = 2201;
constexpr int TMT_DISPLAYNAME = 601;
constexpr int TMT_NAME = 600;
// Sizes of GetThemeSysSize (the system metrics they stand for).
constexpr int SM_CXVSCROLL_THEME = 2;
constexpr int SM_CYHSCROLL_THEME = 3;

// DrawThemeText's second flags: draw in the disabled colour.
constexpr unsigned DTT_GRAYED = 1;
// GetThemePartSize's size kinds.
enum THEMESIZE { TS_MIN = 0, TS_TRUE = 1, TS_DRAW = 2 };
// GetThemeAppProperties flags.
constexpr unsigned STAP_ALLOW_NONCLIENT = 1;
constexpr unsigned STAP_ALLOW_CONTROLS = 2;
constexpr unsigned STAP_ALLOW_WEBCONTENT = 4;

struct MARGINS {
    int cxLeftWidth = 0;
    int cxRightWidth = 0;
    int cyTopHeight = 0;
    int cyBottomHeight = 0;
};

constexpr int MAX_INTLIST_COUNT = 10;
struct INTLIST {
    int iValueCount = 0;
    int iValues[MAX_INTLIST_COUNT] = {};
};

// The exported functions, each with its own signature. Strings are UTF-8;
// buffers take their size in bytes and are always terminated.
using TOpenThemeData = HTHEME (*)(HWND Wnd, std::string_view ClassList);
using TCloseThemeData = HRESULT (*)(HTHEME Theme);
using TDrawThemeBackground = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                                         const TRect* ClipRect);
using TDrawThemeText = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, std::string_view Text,
                                   unsigned TextFlags, unsigned TextFlags2, const TRect* Rect);
using TGetThemeBackgroundContentRect = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId,
                                                   const TRect* BoundingRect, TRect* ContentRect);
using TGetThemeBackgroundExtent = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId,
                                              const TRect* ContentRect, TRect* ExtentRect);
using TGetThemeTextExtent = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, std::string_view Text,
                                        unsigned TextFlags, const TRect* BoundingRect, TRect* ExtentRect);
using TGetThemeTextMetrics = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, TEXTMETRIC* Metrics);
using TGetThemeBackgroundRegion = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                                              HRGN* Region);
using THitTestThemeBackground = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, unsigned Options,
                                            const TRect* Rect, HRGN Region, TPoint Test, std::uint16_t* HitCode);
using TDrawThemeEdge = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* DestRect,
                                   unsigned Edge, unsigned Flags, TRect* ContentRect);
using TDrawThemeIcon = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                                   TImageList* Images, int ImageIndex);
using TIsThemePartDefined = bool (*)(HTHEME Theme, int PartId, int StateId);
using TIsThemeBackgroundPartiallyTransparent = bool (*)(HTHEME Theme, int PartId, int StateId);
using TGetThemeColor = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, TColorRef* Color);
using TGetThemeMetric = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, int* Value);
using TGetThemeString = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, char* Buffer, int BufferSize);
using TGetThemeBool = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, bool* Value);
using TGetThemeInt = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, int* Value);
using TGetThemeEnumValue = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, int* Value);
using TGetThemePosition = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, TPoint* Point);
using TGetThemeFont = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, LOGFONT* Font);
using TGetThemeRect = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, TRect* Rect);
using TGetThemeMargins = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, const TRect* Rect,
                                     MARGINS* Margins);
using TGetThemeIntList = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, INTLIST* List);
using TSetWindowTheme = HRESULT (*)(HWND Wnd, std::string_view SubAppName, std::string_view SubIdList);
using TGetThemeFilename = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, char* Buffer,
                                      int BufferSize);
using TGetThemeSysColor = TColorRef (*)(HTHEME Theme, int ColorId);
using TGetThemeSysColorBrush = HBRUSH (*)(HTHEME Theme, int ColorId);
using TGetThemeSysBool = bool (*)(HTHEME Theme, int BoolId);
using TGetThemeSysSize = int (*)(HTHEME Theme, int SizeId);
using TGetThemeSysFont = HRESULT (*)(HTHEME Theme, int FontId, LOGFONT* Font);
using TGetThemeSysString = HRESULT (*)(HTHEME Theme, int StringId, char* Buffer, int BufferSize);
using TGetThemeSysInt = HRESULT (*)(HTHEME Theme, int IntId, int* Value);
using TIsThemeActive = bool (*)();
using TIsAppThemed = bool (*)();
using TGetWindowTheme = HTHEME (*)(HWND Wnd);
using TEnableThemeDialogTexture = HRESULT (*)(HWND Wnd, unsigned Flags);
using TIsThemeDialogTextureEnabled = bool (*)(HWND Wnd);
using TGetThemeAppProperties = unsigned (*)();
using TSetThemeAppProperties = void (*)(unsigned Flags);
using TGetCurrentThemeName = HRESULT (*)(char* ThemeFileName, int MaxNameChars, char* ColorBuff, int MaxColorChars,
                                         char* SizeBuff, int MaxSizeChars);
using TGetThemeDocumentationProperty = HRESULT (*)(std::string_view ThemeName, std::string_view PropertyName,
                                                   char* Buffer, int BufferSize);
using TDrawThemeParentBackground = HRESULT (*)(HWND Wnd, HDC DC, const TRect* Rect);
using TEnableTheming = HRESULT (*)(bool Enable);
using TGetThemePartSize = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                                      THEMESIZE Kind, TSize* Size);

namespace ui {

// Any exported function, as the lookup hands it out; the caller converts it
// to the function's own type.
using TThemeProc = void (*)();

// A theme library a host has loaded.
class TThemeLibrary {
public:
    virtual ~TThemeLibrary() = default;
    // The exported function of that name, or null.
    virtual TThemeProc ProcAddress(std::string_view Name) const = 0;
};

// Loads the host's theme library; null when the host has none (no display).
// Each call hands out a library of its own.
std::unique_ptr<TThemeLibrary> LoadThemeLibrary();

} // namespace ui
