// The font and colour tables of an RTF document, and the header built from them.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Colors.h"

#include <memory>
#include <string>
#include <string_view>

class TFont;

class TFontItem : public TCollectionItem {
    VISTRA_CLASS(TFontItem, TCollectionItem)

    explicit TFontItem(TCollection* Collection) : TCollectionItem(Collection) {}

    void Assign(const TPersistent* Source) override;

    const std::string& FaceName() const noexcept { return FFaceName; }
    void SetFaceName(const std::string& Value) { FFaceName = Value; }
    // "\f" followed by the item's index: how the document body names the font.
    std::string Code() const;

private:
    std::string FFaceName;
};

class TFontCollection : public TCollection {
    VISTRA_CLASS(TFontCollection, TCollection)

    // The owner is accepted for callers' sake and not kept.
    explicit TFontCollection(TObject* AOwner = nullptr);

    TFontItem* Add() { return static_cast<TFontItem*>(TCollection::Add()); }
    TFontItem* Insert(int Index) { return static_cast<TFontItem*>(TCollection::Insert(Index)); }
    TFontItem* GetItem(int Index) const { return static_cast<TFontItem*>(Items(Index)); }
    void SetItem(int Index, const TFontItem* Value) { SetItems(Index, Value); }
    // The first item whose face name matches, ignoring case; -1 when none does.
    int IndexOf(std::string_view FaceName) const;

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TNotifyEvent FOnChange;
};

class TFontTable : public TObject {
    VISTRA_CLASS(TFontTable, TObject)

    TFontTable();
    ~TFontTable() override;

    TFontCollection* Fonts() const noexcept { return FFonts.get(); }

    // Adds the face when it is new and returns its code ("\f" and its index).
    std::string AddFont(std::string_view FaceName);
    std::string AddFont(const TFont& Font);
    int IndexOf(std::string_view FaceName) const { return FFonts->IndexOf(FaceName); }
    // "{\fonttbl...}", or nothing when no font was used.
    std::string GetText() const;
    // Adds the faces of another document's font table.
    void LoadFonts(std::string_view RTFText);

private:
    std::unique_ptr<TFontCollection> FFonts;
};

class TColorTable : public TObject {
    VISTRA_CLASS(TColorTable, TObject)

    TColorTable();
    ~TColorTable() override;

    // Distinct RGB values in order of first use, in the colour text form.
    TStringList* Colors() const noexcept { return FColorList.get(); }

    // The index of the colour's RGB value (system colours resolved), added when new.
    int AddColor(TColor Color);
    // "{\colortbl ...}", or nothing when no colour was used.
    std::string GetText() const;
    // Adds the colours of another document's colour table.
    void LoadColors(std::string_view RTFText);

private:
    std::unique_ptr<TStringList> FColorList;
};

class TRTFHeader : public TObject {
    VISTRA_CLASS(TRTFHeader, TObject)

    TRTFHeader();
    ~TRTFHeader() override;

    TFontTable* FontTable() const noexcept { return FFontTable.get(); }
    TColorTable* ColorTable() const noexcept { return FColorTable.get(); }
    // Everything before the document body.
    std::string GetText() const;

private:
    std::unique_ptr<TFontTable> FFontTable;
    std::unique_ptr<TColorTable> FColorTable;
    int FViewKind = 4;
};
