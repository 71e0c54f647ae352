// The enumerations and event types of the typed edit.
#pragma once

#include <functional>
#include <string>

class TObject;

// Input kinds, in their stored order.
enum TQuillEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword,
    etMoney, etRange, etHex, etAlphaNumeric, etValidChars
};

enum TPrecisionDisplay { pdNormal, pdShortest };

// Where the attached label sits around the edit, in their stored order.
enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
    lpBottomRight
};

enum TEditAlign { eaLeft, eaRight, eaDefault, eaCenter };

using TValueValidateEvent = std::function<void(TObject* Sender, const std::string& Value, bool& IsValid)>;
using TClipboardEvent = std::function<void(TObject* Sender, const std::string& Value, bool& Allow)>;
using TURLClickEvent = std::function<void(TObject* Sender, const std::string& URL, bool& Show)>;
