// An edit with an embedded push button at its right edge, and the edit that
// holds a value with a unit chosen from a list through that button.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/base/SarnEditButton.h"
#include "platform/classes/StringList.h"
#include "platform/ui/EditControls.h"

class TSarnEditBtn : public TCustomEdit {
    VISTRA_CLASS(TSarnEditBtn, TCustomEdit)

    explicit TSarnEditBtn(TComponent* AOwner);
    ~TSarnEditBtn() override;

    TSarnEditButton& Button() const noexcept { return *FButton; }
    // Typing, pasting and cutting are allowed; when off, only code and the
    // button change the text.
    bool EditorEnabled() const noexcept { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    bool RightAlign() const noexcept { return FRightAlign; }
    void SetRightAlign(bool Value);
    // 0 until set; the button starts 18 pixels wide.
    int ButtonWidth() const noexcept { return FButtonWidth; }
    void SetButtonWidth(int Value);
    TBitmap& Glyph() const noexcept { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
    std::string ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const std::string& Value) { FButton->SetButtonCaption(Value); }
    bool IsWinXP() const noexcept { return FButton->Button().IsWinXP(); }
    void SetIsWinXP(bool Value) { FButton->Button().SetIsWinXP(Value); }

    // Fired when the button is used (released, or F4 in the edit).
    TNotifyEvent OnClickBtn;

    virtual void DoClickBtn(TObject* Sender);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void CMFontChanged(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Width kept free for a unit text between the text and the button.
    int UnitSpaceWidth() const noexcept { return FUnitSpace; }
    void SetUnitSpaceWidth(int Value);
    // Places the button and sets the formatting rectangle beside it.
    void LayoutButtonAndText();

private:
    void RaiseToMinimumHeight();

    TSarnEditButton* FButton;
    bool FEditorEnabled = true, FRightAlign = false;
    int FButtonWidth = 0, FUnitSpace = 0;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const std::string& NewUnit)>;

class TSarnUnitEditBtn : public TSarnEditBtn {
    VISTRA_CLASS(TSarnUnitEditBtn, TSarnEditBtn)

    explicit TSarnUnitEditBtn(TComponent* AOwner);
    ~TSarnUnitEditBtn() override;

    TStringList& Units() const noexcept { return *FUnits; }
    // Copies the list; a null list is ignored.
    void SetUnits(const TStrings* Value);
    const std::string& UnitID() const noexcept { return FUnitID; }
    void SetUnitID(const std::string& Value);
    int UnitSpace() const noexcept { return UnitSpaceWidth(); }
    void SetUnitSpace(int Value) { SetUnitSpaceWidth(Value); }
    // The text followed by the unit. Writing takes the first unit of the list
    // that ends the string (found where it first occurs) and splits there;
    // a string that ends in none of them changes nothing.
    std::string TextAndUnit() const;
    void SetTextAndUnit(const std::string& Value);

    TUnitChangeEvent OnUnitChanged;

    // Fires OnClickBtn, then offers the units in a popup menu under the button.
    void DoClickBtn(TObject* Sender) override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    void UnitChosen(int Number);

    std::unique_ptr<TStringList> FUnits;
    std::string FUnitID;
};
