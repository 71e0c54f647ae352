// The parameter hint: the parameter list of the call the caret is in, the current parameter in bold.
#pragma once

#include "platform/classes/StringList.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/Hints.h"

#include <string>

// How a styler's language writes calls, and the declarations the hint shows.
class THintParameter : public TPersistent {
    VISTRA_CLASS(THintParameter, TPersistent)

    THintParameter() = default;
    // Copies the characters and colours, not Parameters.
    void Assign(const TPersistent* Source) override;

    TColor TextColor = clBlack;
    TColor BkColor = clInfoBk;
    char32_t HintCharStart = U'(';
    char32_t HintCharEnd = U')';
    // Separates parameters in a declaration.
    char32_t HintCharDelimiter = U';';
    // Separates a qualifier from a name.
    char32_t HintClassDelimiter = U'.';
    // Separates arguments in a call.
    char32_t HintCharWriteDelimiter = U',';
    // Declarations such as "Max(A, B: Integer)", one an entry.
    TStringList& Parameters() noexcept { return FParameters; }
    const TStringList& Parameters() const noexcept { return FParameters; }
    void SetParameters(const TStrings& Value) { FParameters.Assign(&Value); }

private:
    TStringList FParameters;
};

// A hint shown in three parts, the part Active (1 to 3, 0 none) in bold.
class TQuillHintForm : public THintWindow {
    VISTRA_CLASS(TQuillHintForm, THintWindow)

    explicit TQuillHintForm(TComponent* AOwner) : THintWindow(AOwner) {}
    std::string Part1, Part2, Part3;
    int Active = 0;
    // The width and height the three parts need.
    TPoint Extent();

protected:
    void Paint() override;
};
