// The typed edit's lookup list (an auto-complete popup over a sorted list of
// entries, with an optional history of values left in the edit) and the
// settings that persist the edit's text and history in an INI file or the
// registry store.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/classes/StringList.h"
#include "platform/ui/Hints.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/PopupWatch.h"

class TQuillEdit;

using TLookupSelectEvent = std::function<void(TObject* Sender, std::string& Value)>;
using TLookupIndexSelectEvent = std::function<void(TObject* Sender, int Index, std::string& Value)>;

class TLookupSettings : public TPersistent {
    VISTRA_CLASS(TLookupSettings, TPersistent)

    TLookupSettings();

    // Kept sorted; a duplicate is ignored.
    TStringList& DisplayList() noexcept { return FDisplayList; }
    const TStringList& DisplayList() const noexcept { return FDisplayList; }
    // Values paired by index with DisplayList; an entry without a value
    // stands for itself.
    TStringList& ValueList() noexcept { return FValueList; }
    const TStringList& ValueList() const noexcept { return FValueList; }
    int DisplayCount() const noexcept { return FDisplayCount; }
    void SetDisplayCount(int Value) noexcept { FDisplayCount = Value; }
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value) noexcept { FColor = Value; }
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value) noexcept { FEnabled = Value; }
    // Characters typed before the popup shows; 0 or less is ignored.
    int NumChars() const noexcept { return FNumChars; }
    void SetNumChars(int Value) noexcept
    {
        if (Value > 0) FNumChars = Value;
    }
    bool CaseSensitive() const noexcept { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) noexcept { FCaseSensitive = Value; }
    bool History() const noexcept { return FHistory; }
    void SetHistory(bool Value) noexcept { FHistory = Value; }
    bool Multi() const noexcept { return FMulti; }
    void SetMulti(bool Value) noexcept { FMulti = Value; }
    char Separator() const noexcept { return FSeparator; }
    void SetSeparator(char Value) noexcept { FSeparator = Value; }

    // Adds an entry at its sorted place and keeps the values paired with the
    // entries after it: Value, when given, becomes the entry's value; without
    // one, an entry placed inside the values stands for itself. Returns the
    // entry's index; an entry already present is left as it is.
    int AddEntry(const std::string& Display, const std::string* Value);

    void Assign(const TPersistent* Source) override;

private:
    TStringList FDisplayList;
    TStringList FValueList;
    int FDisplayCount = 4;
    TColor FColor = clWindow;
    bool FEnabled = false;
    int FNumChars = 2;
    bool FCaseSensitive = false;
    bool FHistory = false;
    bool FMulti = false;
    char FSeparator = ';';
};

enum TPersistenceLocation { plInifile, plRegistry };

class TPersistence : public TPersistent {
    VISTRA_CLASS(TPersistence, TPersistent)

    bool Enable() const noexcept { return FEnable; }
    void SetEnable(bool Value) noexcept { FEnable = Value; }
    // The INI file or the registry key; empty for the program's INI file.
    const std::string& Key() const noexcept { return FKey; }
    void SetKey(const std::string& Value) { FKey = Value; }
    // The section or sub-key; empty for the component's name (INI only).
    const std::string& Section() const noexcept { return FSection; }
    void SetSection(const std::string& Value) { FSection = Value; }
    TPersistenceLocation Location() const noexcept { return FLocation; }
    void SetLocation(TPersistenceLocation Value) noexcept { FLocation = Value; }

    void Assign(const TPersistent* Source) override;

private:
    bool FEnable = false;
    std::string FKey, FSection;
    TPersistenceLocation FLocation = plInifile;
};

// The lookup popup: a framed list of the matching entries below the caret.
// It never takes the activation, so the edit keeps the keyboard; a press
// anywhere else or the owner form moving hides it.
class TListHintWindow : public THintWindow, private ui::TOpenPopup {
    VISTRA_CLASS(TListHintWindow, THintWindow)

    explicit TListHintWindow(TQuillEdit& Edit);
    ~TListHintWindow() override;

    TListBox& ListControl() const noexcept { return *FListControl; }
    // Shows the popup at Rect (screen coordinates) or hides it.
    void ShowAt(const TRect& Rect);
    void HidePopup();
    // The width of an entry in the list's font, measured once per text.
    int EntryWidth(const std::string& Entry);

    // The list's rows are this high.
    static constexpr int RowHeight = 12;

protected:
    void Paint() override;
    // The list sits inside the one-pixel frame.
    void AdjustClientRect(TRect& Rect) override;

private:
    const TCustomForm* PopupForm() const override { return this; }
    const TCustomForm* OwnerForm() const override;
    void Dismiss() override { HidePopup(); }

    TQuillEdit& FEdit;
    TListBox* FListControl;
    std::unordered_map<std::string, int> FWidths;
};
