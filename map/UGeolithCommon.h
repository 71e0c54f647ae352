// Types shared by the map control's units: enumerations with their page names, event types, number text.
#pragma once

#include "platform/classes/Object.h"
#include "platform/ui/Controls.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

enum TErrorType {
    etVistraProblem,
    etScreenshotProblem,
    etJavascriptError,
    etNotValidMarker,
    etStreetViewUnknownError,
    etStreetViewNoResults
};
constexpr int ErrorTypeCount = 6;

enum TImgType { itBitmap, itJpeg, itPng };

enum TMapType { mtDefault, mtSatellite, mtHybrid, mtTerrain };

enum TControlPosition {
    cpTopRight, cpTopLeft, cpTopCenter, cpBottomRight, cpBottomLeft, cpBottomCenter,
    cpLeftBottom, cpLeftCenter, cpLeftTop, cpRightBottom, cpRightCenter, cpRightTop
};

enum TControlsType { ctDefault, ctAndroid, ctSmall, ctZomPan };
enum TZoomStyle { zsDefault, zsSmall, zsLarge };
enum TMapTypeStyle { mtsDefault, mtsDropDownMenu, mtsHorizontalBar };

// The page languages; each has the code of the same ordinal in LanguageCodes.
enum TLanguageName {
    lnDefault, lnArabic, lnBasque, lnBulgarian, lnBengali, lnCatalan, lnCzech, lnDanish, lnGerman,
    lnGreek, lnEnglish, lnEnglish_Australian, lnEnglish_GreatBritain, lnSpanish, lnFarsi, lnFinnish,
    lnFilipino, lnFrench, lnGalician, lnGujarati, lnHindi, lnCroatian, lnHungarian, lnIndonesian,
    lnItalian, lnHebrew, lnJapanese, lnKannada, lnKorean, lnLithuanian, lnLatvian, lnMalayalam,
    lnMarathi, lnDutch, lnNorwegian, lnPolish, lnPortuguese, lnPortuguese_Brazil,
    lnPortuguese_Portugal, lnRomanian, lnRussian, lnSlovak, lnSlovenian, lnSerbian, lnSwedish,
    lnTagalog, lnTamil, lnTelugu, lnThai, lnTurkish, lnUkrainian, lnVietnamese,
    lnChinese_Simplified, lnChinese_Tradtional
};
constexpr int LanguageCount = 54;

// The code names of the languages, in the ordinal order of TLanguageName; the
// page gets the name with "_" written as "-". lnDefault's "xx" is never sent.
inline constexpr std::array<std::string_view, LanguageCount> LanguageCodes = {
    "xx", "ar", "eu", "bg", "bn", "ca", "cs", "da", "de", "el", "en", "en_AU", "en_GB", "es",
    "fa", "fi", "fil", "fr", "gl", "gu", "hi", "hr", "hu", "id", "it", "iw", "ja", "kn", "ko",
    "lt", "lv", "ml", "mr", "nl", "no", "pl", "pt", "pt_BR", "pt_PT", "ro", "ru", "sk", "sl",
    "sr", "sv", "tl", "ta", "te", "th", "tr", "uk", "vi", "zh_CN", "zh_TW"};

using TZoomMap = unsigned char;           // 0..21
using TPitchStreetView = signed char;     // -90..90 degrees
using THeadingStreetView = unsigned short;// 0..360 degrees
using TZoomStreetView = unsigned char;    // 0..5

// Events the browser raises for the page's callbacks.
using TEventMarker = std::function<void(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude)>;
using TEventMarkerClick = std::function<void(const std::string& MarkerTitle, int IdMarker, double Latitude,
                                             double Longitude, TMouseButton Button)>;
using TEventInfoWindow = std::function<void(int IdMarker)>;
using TPositionMap = std::function<void(double Latitude, double Longitude, int X, int Y)>;
using TPositionMouseMap = std::function<void(double Latitude, double Longitude, int X, int Y, TMouseButton Button)>;
using TMapZoomChange = std::function<void(int NewLevel)>;
using TExternalMapTypeChange = std::function<void(int NewMapType)>;
using TVistraError = std::function<void(TErrorType ErrorType)>;

namespace map {

// The language code the page gets ("en-GB"); empty for lnDefault.
std::string LanguageCode(TLanguageName Language);
// The page's names of the enumerations ("TOP_LEFT", "ROADMAP", "ZOOM_PAN" ...).
std::string_view ControlPositionName(TControlPosition Position);
std::string_view MapTypeName(TMapType MapType);
std::string_view ControlsTypeName(TControlsType ControlsType);
std::string_view ZoomStyleName(TZoomStyle Style);
std::string_view MapTypeStyleName(TMapTypeStyle Style);

// A coordinate as the page reads it: general format, 15 significant digits,
// "." as decimal separator whatever the number settings.
std::string NumberText(double Value);
std::string BoolText(bool Value);

}  // namespace map
