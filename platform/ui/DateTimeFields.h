// The fields of a date or time format ("dd/MM/yyyy", "HH:mm:ss"): the text a
// picker shows, and editing one field by stepping or by typed digits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/DateTime.h"

namespace ui {

// Hour12 shows 1 to 12 ("h"), AmPm the half of the day ("t", "tt") and
// DayName the weekday ("ddd", "dddd"); a Month of width 3 or 4 shows the
// short or long month name ("MMM", "MMMM").
enum class TDateField { Literal, Day, Month, Year, Hour, Minute, Second, Hour12, AmPm, DayName };

struct TDateFieldPart {
    TDateField Field = TDateField::Literal;
    // Digits shown (1: as many as needed, 2: with a leading zero, 4: a
    // four-digit year); for names 3 short and 4 long; for AmPm 1 letter or 2
    // the whole text; or the literal text.
    int Width = 0;
    std::string Literal;
};

class TDateTimeFields {
public:
    // Format letters: d, M, y for the date, H (24 hours) or h (12 hours), m, s
    // and t (AM/PM) for the time; dddd, ddd, MMMM and MMM for names; text
    // in single quotes and every other character are shown as they are.
    explicit TDateTimeFields(std::string_view Format);

    const std::vector<TDateFieldPart>& Parts() const noexcept { return FParts; }
    // Indexes into Parts of the fields that can be edited, in order.
    const std::vector<int>& Editable() const noexcept { return FEditable; }
    // The shown text of Value, and of one part.
    std::string Text(TDateTime Value) const;
    static std::string PartText(const TDateFieldPart& Part, TDateTime Value);

    // Value with the field raised or lowered by Delta, wrapping inside its
    // range (the day inside its month); the other fields stay.
    static TDateTime Step(TDateTime Value, TDateField Field, int Delta);
    // A digit typed into the field. Typed collects the field's digits; a
    // digit that would make the number too large starts it anew. Once no
    // further digit could keep the number valid, the field takes it (Typed
    // empties); until then Value is returned unchanged.
    static TDateTime TypeDigit(TDateTime Value, TDateField Field, int Digit, std::string& Typed);
    // A letter typed into the AM/PM field: A (or the first letter of the AM
    // text) the morning, P the afternoon; other fields keep the value.
    static TDateTime TypeLetter(TDateTime Value, TDateField Field, char32_t Letter);
    // The field takes the digits typed so far, when they make a valid number.
    static TDateTime Commit(TDateTime Value, TDateField Field, std::string& Typed);

private:
    std::vector<TDateFieldPart> FParts;
    std::vector<int> FEditable;
};

} // namespace ui
