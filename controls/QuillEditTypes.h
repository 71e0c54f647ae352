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

enum TEditAlign { eaLeft, eaRight, eaDefault, eaCenter };

using TValueValidateEvent = std::function<void(TObject* Sender, const std::string& Value, bool& IsValid)>;
// In a namespace: the string grid has a clipboard event of its own by this
// name, and both are seen together where the grid uses the controls.
namespace controls {
using TClipboardEvent = std::function<void(TObject* Sender, const std::string& Value, bool& Allow)>;
}
using TURLClickEvent = std::function<void(TObject* Sender, const std::string& URL, bool& Show)>;
