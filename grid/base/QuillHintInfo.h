// The content of an office-style cell hint: title, notes, picture and help flag.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/Object.h"

class TGDIPPicture;
class TStringList;

// The grid fills one per cell hint and hands it to OnOfficeHint, where the
// host may change it before the hint shows.
class TQuillHintInfo : public TPersistent {
    VISTRA_CLASS(TQuillHintInfo, TPersistent)

    TQuillHintInfo();
    ~TQuillHintInfo() override;

    // Copies everything from another hint info; other sources are ignored.
    void Assign(const TPersistent* Source) override;
    // True when there is neither a title nor notes text; a picture alone or
    // the wide texts alone leave a hint empty.
    bool IsEmpty() const;

    TGDIPPicture& Picture() const noexcept { return *FPicture; }
    void SetPicture(const TGDIPPicture& Value);
    bool ShowHelp() const noexcept { return FShowHelp; }
    void SetShowHelp(bool Value) { FShowHelp = Value; }
    TStringList& Notes() const noexcept { return *FNotes; }
    void SetNotes(const TStringList& Value);
    const std::string& Title() const noexcept { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    const std::u16string& WideTitle() const noexcept { return FWideTitle; }
    void SetWideTitle(const std::u16string& Value) { FWideTitle = Value; }
    const std::u16string& WideNotes() const noexcept { return FWideNotes; }
    void SetWideNotes(const std::u16string& Value) { FWideNotes = Value; }

private:
    std::unique_ptr<TGDIPPicture> FPicture;
    bool FShowHelp = false;
    std::unique_ptr<TStringList> FNotes;
    std::string FTitle;
    std::u16string FWideTitle;
    std::u16string FWideNotes;
};
