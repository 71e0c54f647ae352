// Stylers: the syntax rules and colours a memo tokenizes and paints with, and the classes they are built from.
#pragma once

#include "memo/MemoParamHint.h"

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Lists.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"

#include <memory>
#include <string>

class TCanvas;
class TQuillCustomMemo;

// Colours and font style of one kind of text (comments, numbers, URLs).
class TCharStyle : public TPersistent {
    VISTRA_CLASS(TCharStyle, TPersistent)

    TCharStyle() = default;
    TCharStyle(TColor ATextColor, TColor ABkColor, TFontStyles AStyle)
        : TextColor(ATextColor), BkColor(ABkColor), Style(AStyle)
    {
    }
    void Assign(const TPersistent* Source) override;

    TColor TextColor = clBlack;
    // clNone: the memo's background shows.
    TColor BkColor = clNone;
    TFontStyles Style;
};

enum TStyleType { stKeyword, stBracket, stSymbol };

// One element style: a keyword list, a bracket pair or a symbol set, with its font and background.
class TElementStyle : public TCollectionItem {
    VISTRA_CLASS(TElementStyle, TCollectionItem)

    explicit TElementStyle(TCollection* Collection);
    ~TElementStyle() override;

    TStringList& KeyWords() const noexcept { return *FKeyWords; }
    void SetKeyWords(const TStrings& Value);
    TFont& Font() const noexcept { return *FFont; }
    void SetFont(const TFont& Value);
    TColor BGColor() const noexcept { return FBGColor; }
    void SetBGColor(TColor Value);
    TStyleType StyleType() const noexcept { return FStyleType; }
    void SetStyleType(TStyleType Value);
    char32_t BracketStart() const noexcept { return FBracketStart; }
    void SetBracketStart(char32_t Value);
    char32_t BracketEnd() const noexcept { return FBracketEnd; }
    void SetBracketEnd(char32_t Value);
    const std::u32string& Symbols() const noexcept { return FSymbols; }
    void SetSymbols(const std::u32string& Value);
    const std::string& Info() const noexcept { return FInfo; }
    void SetInfo(const std::string& Value) { FInfo = Value; }

    std::string DisplayName() const override;
    void Assign(const TPersistent* Source) override;

    int StyleNo = -1;

private:
    void ItemChanged() { Changed(false); }

    std::unique_ptr<TStringList> FKeyWords;
    std::unique_ptr<TFont> FFont;
    TColor FBGColor = clWhite;
    std::string FInfo;
    TStyleType FStyleType = stKeyword;
    char32_t FBracketStart = 0;
    char32_t FBracketEnd = 0;
    std::u32string FSymbols;
};

class TElementStyles : public TOwnedCollection {
    VISTRA_CLASS(TElementStyles, TOwnedCollection)

    explicit TElementStyles(TPersistent* AOwner);
    ~TElementStyles() override;

    TElementStyle* Add() { return static_cast<TElementStyle*>(TCollection::Add()); }
    TElementStyle* Insert(int Index) { return static_cast<TElementStyle*>(TCollection::Insert(Index)); }
    TElementStyle* Items(int Index) const { return static_cast<TElementStyle*>(TCollection::Items(Index)); }
    void SetItems(int Index, const TElementStyle* Value) { TCollection::SetItems(Index, Value); }
    void Init() { FModified = true; }
    // True when a symbol style holds ch or a bracket style opens or closes with it.
    bool IsWordBoundary(char32_t ch) const;

    // The memo that last took the styler; null when none.
    TQuillCustomMemo* FOwner = nullptr;
    bool FModified = false;
};

enum TRegionType { rtOpen, rtClosed, rtFile, rtIgnore };

// A folding region rule: the words that open and close a region.
class TRegionDefinition : public TCollectionItem {
    VISTRA_CLASS(TRegionDefinition, TCollectionItem)

    explicit TRegionDefinition(TCollection* Collection) : TCollectionItem(Collection) {}

    const std::string& Identifier() const noexcept { return FIdentifier; }
    void SetIdentifier(const std::string& Value);
    const std::string& RegionStart() const noexcept { return FRegionStart; }
    void SetRegionStart(const std::string& Value);
    const std::string& RegionEnd() const noexcept { return FRegionEnd; }
    void SetRegionEnd(const std::string& Value);
    TRegionType RegionType() const noexcept { return FRegionType; }
    void SetRegionType(TRegionType Value) { FRegionType = Value; }
    bool ShowComments() const noexcept { return FShowComments; }
    void SetShowComments(bool Value) { FShowComments = Value; }

    void Assign(const TPersistent* Source) override;

private:
    TRegionType FRegionType = rtClosed;
    std::string FRegionEnd;
    std::string FIdentifier;
    std::string FRegionStart;
    bool FShowComments = false;
};

class TRegionDefinitions : public TCollection {
    VISTRA_CLASS(TRegionDefinitions, TCollection)

    explicit TRegionDefinitions(TPersistent* Component);

    TRegionDefinition* Add() { return static_cast<TRegionDefinition*>(TCollection::Add()); }
    TRegionDefinition* Insert(int Index) { return static_cast<TRegionDefinition*>(TCollection::Insert(Index)); }
    TRegionDefinition* Items(int Index) const { return static_cast<TRegionDefinition*>(TCollection::Items(Index)); }

protected:
    TPersistent* GetOwner() const override { return FComponent; }

private:
    TPersistent* FComponent;
};

// The base of every styler.
class TQuillCustomMemoStyler : public TComponent {
    VISTRA_CLASS(TQuillCustomMemoStyler, TComponent)

    explicit TQuillCustomMemoStyler(TComponent* AOwner);
    ~TQuillCustomMemoStyler() override;

    TElementStyles& AllStyles() const noexcept { return *FAllStyles; }
    void SetAllStyles(const TElementStyles& Value) { FAllStyles->Assign(&Value); }
    const std::string& LineComment() const noexcept { return FLineComment; }
    void SetLineComment(const std::string& Value) { FLineComment = Value; }
    const std::string& MultiCommentLeft() const noexcept { return FMultiCommentLeft; }
    void SetMultiCommentLeft(const std::string& Value) { FMultiCommentLeft = Value; }
    const std::string& MultiCommentRight() const noexcept { return FMultiCommentRight; }
    void SetMultiCommentRight(const std::string& Value) { FMultiCommentRight = Value; }
    TCharStyle& CommentStyle() const noexcept { return *FCommentStyle; }
    void SetCommentStyle(const TCharStyle& Value) { SetCharStyle(1, Value); }
    TCharStyle& NumberStyle() const noexcept { return *FNumberStyle; }
    void SetNumberStyle(const TCharStyle& Value) { SetCharStyle(2, Value); }
    TStringList& AutoCompletion() const noexcept { return *FlistAuto; }
    void SetAutoCompletion(const TStrings& Value) { FlistAuto->Assign(&Value); }
    THintParameter& HintParameter() const noexcept { return *FHintParameter; }
    void SetHintParameter(const THintParameter& Value) { FHintParameter->Assign(&Value); }
    const std::string& NumericChars() const noexcept { return FNumericChars; }
    void SetNumericChars(const std::string& Value) { FNumericChars = Value; }
    const std::string& HexIdentifier() const noexcept { return FHexIdentifier; }
    void SetHexIdentifier(const std::string& Value) { FHexIdentifier = Value; }
    const std::string& BlockStart() const noexcept { return FBlockStart; }
    void SetBlockStart(const std::string& Value) { FBlockStart = Value; }
    const std::string& BlockEnd() const noexcept { return FBlockEnd; }
    void SetBlockEnd(const std::string& Value) { FBlockEnd = Value; }
    const std::string& Literal() const noexcept { return FLiteral; }
    void SetLiteral(const std::string& Value) { FLiteral = Value; }
    bool CustomDraw() const noexcept { return FCustomDraw; }
    void SetCustomDraw(bool Value) { FCustomDraw = Value; }
    const std::string& Filter() const noexcept { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    const std::string& DefaultExtension() const noexcept { return FDefaultExtension; }
    void SetDefaultExtension(const std::string& Value) { FDefaultExtension = Value; }
    const std::string& Extensions() const noexcept { return FExtensions; }
    void SetExtensions(const std::string& Value) { FExtensions = Value; }
    const std::string& Description() const noexcept { return FDescription; }
    void SetDescription(const std::string& Value) { FDescription = Value; }
    const std::string& StylerName() const noexcept { return FStylerName; }
    void SetStylerName(const std::string& Value) { FStylerName = Value; }
    TRegionDefinitions& RegionDefinitions() const noexcept { return *FRegionDefinitions; }
    void SetRegionDefinitions(const TRegionDefinitions& Value) { FRegionDefinitions->Assign(&Value); }

    // Index 1 is the comment style, 2 the number style; others are ignored.
    virtual void SetCharStyle(int Index, const TCharStyle& Value);
    // Draws a keyword when CustomDraw is on and moves ARect.Left past it; the base draws nothing.
    virtual void DrawKeyword(TCanvas& Canvas, const std::string& AKeyword, TRect& ARect);

    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TElementStyles> FAllStyles;
    std::string FLineComment;
    std::string FMultiCommentLeft;
    std::string FMultiCommentRight;
    std::unique_ptr<TCharStyle> FCommentStyle;
    std::unique_ptr<TCharStyle> FNumberStyle;
    std::unique_ptr<TStringList> FlistAuto;
    std::unique_ptr<THintParameter> FHintParameter = std::make_unique<THintParameter>();
    std::string FNumericChars = "+-.0123456789";
    std::string FHexIdentifier;
    std::string FBlockEnd;
    std::string FBlockStart;
    std::string FLiteral;
    bool FCustomDraw = false;
    std::string FFilter;
    std::string FDefaultExtension;
    std::string FExtensions;
    std::string FDescription;
    std::string FStylerName;
    std::unique_ptr<TRegionDefinitions> FRegionDefinitions;
};

// The stylers found among a memo's owner's components.
class TQuillStylerList : public TComponent {
    VISTRA_CLASS(TQuillStylerList, TComponent)

    explicit TQuillStylerList(TComponent* AOwner) : TComponent(AOwner) {}
    TList& StylerList() noexcept { return FStylerList; }
    // Classes derived directly from TQuillCustomMemoStyler only.
    static bool IsListedStyler(const TComponent* AComponent);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TList FStylerList;
};
