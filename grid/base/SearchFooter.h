// Settings of the search bar under the string grid.
#pragma once

#include "grid/base/GridEnums.h"
#include "grid/base/SettingsOption.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"

#include <memory>
#include <string>

class TFont;

// The options whose setters only store (type, name, default).
#define VISTRA_SEARCH_FOOTER_OPTIONS(X)                  \
    X(bool, AlwaysHighLight, false)                      \
    X(bool, AutoSearch, true)                            \
    X(bool, SearchActiveColumnOnly, false)               \
    X(int, SearchColumn, -1)                             \
    X(bool, SearchMatchStart, false)                     \
    X(bool, SearchFixedCells, false)                     \
    X(bool, SearchHiddenRows, false)                     \
    X(TSearchDirection, SearchDirection, sdTopBottom)

// The texts of the bar; a footer made for a grid newly placed at design time starts
// with the captions in the second column, one made at run time with empty ones.
#define VISTRA_SEARCH_FOOTER_TEXTS(X)                        \
    X(FindNextCaption, "Find &next")                         \
    X(FindPrevCaption, "Find &previous")                     \
    X(HighLightCaption, "Highlight")                         \
    X(HintClose, "Close")                                    \
    X(HintFindNext, "Find next occurrence")                  \
    X(HintFindPrev, "Find previous occurrence")              \
    X(HintHighlight, "Highlight occurrences")                \
    X(MatchCaseCaption, "Match case")

// A text of the bar whose setter stores and always notifies.
#define VISTRA_SEARCH_FOOTER_TEXT(Name, DesignText)                    \
public:                                                                \
    static constexpr const char* Name##DesignDefault = DesignText;     \
    const std::string& Name() const noexcept { return F##Name; }       \
    void Set##Name(const std::string& Value)                           \
    {                                                                  \
        F##Name = Value;                                               \
        Changed();                                                     \
    }                                                                  \
                                                                       \
private:                                                               \
    std::string F##Name;

class TSearchFooter : public TPersistent {
    VISTRA_CLASS(TSearchFooter, TPersistent)

    VISTRA_SEARCH_FOOTER_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_SEARCH_FOOTER_TEXTS(VISTRA_SEARCH_FOOTER_TEXT)

public:
    static constexpr TColor ColorDefault = 0xFFFFFF;
    static constexpr TColor ColorToDefault = clBtnFace;

    TSearchFooter(TPersistent* AOwner, bool InitDesign);
    ~TSearchFooter() override;

    // Colour, font, captions, hints, ShowClose and AutoThemeAdapt notify at every store;
    // the other Show... switches and Visible only on change.
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const noexcept { return FColorTo; }
    void SetColorTo(TColor Value);
    TFont& Font() const noexcept { return *FFont; }
    // Copies the font.
    void SetFont(const TFont& Value);
    bool ShowClose() const noexcept { return FShowClose; }
    void SetShowClose(bool Value);
    bool ShowFindNext() const noexcept { return FShowFindNext; }
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const noexcept { return FShowFindPrev; }
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const noexcept { return FShowHighLight; }
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const noexcept { return FShowMatchCase; }
    void SetShowMatchCase(bool Value);
    bool Visible() const noexcept { return FVisible; }
    void SetVisible(bool Value);
    bool AutoThemeAdapt() const noexcept { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    const std::string& LastSearch() const noexcept { return FLastSearch; }
    void SetLastSearch(const std::string& Value) { FLastSearch = Value; }

    // Copies every property but AutoSearch, SearchFixedCells, AutoThemeAdapt and
    // LastSearch, without notification.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    void Changed();
    void StoreSwitchOnChange(bool& Field, bool Value);

    TPersistent* FOwner;
    TColor FColor = ColorDefault;
    TColor FColorTo = ColorToDefault;
    std::unique_ptr<TFont> FFont;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    std::string FLastSearch;
};
