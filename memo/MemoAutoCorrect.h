// Auto-correct: words typed in full that the memo replaces by their partner when a word ends.
#pragma once

#include "platform/classes/StringList.h"

#include <string>

// Entry i of OldValue is replaced by entry i of NewValue.
class TAutoCorrect : public TPersistent {
    VISTRA_CLASS(TAutoCorrect, TPersistent)

    TAutoCorrect() = default;
    void Assign(const TPersistent* Source) override;

    bool Active() const noexcept { return FDoAutoCorrect; }
    void SetActive(bool Value) noexcept { FDoAutoCorrect = Value; }
    TStringList& OldValue() noexcept { return FOldValue; }
    const TStringList& OldValue() const noexcept { return FOldValue; }
    void SetOldValue(const TStrings& Value) { FOldValue.Assign(&Value); }
    TStringList& NewValue() noexcept { return FNewValue; }
    const TStringList& NewValue() const noexcept { return FNewValue; }
    void SetNewValue(const TStrings& Value) { FNewValue.Assign(&Value); }
    // The partner of Word; Word itself when it has none (also when OldValue
    // lists it but NewValue holds no entry at its index).
    std::string Replacement(const std::string& Word) const;

private:
    bool FDoAutoCorrect = true;
    TStringList FOldValue;
    TStringList FNewValue;
};
