// The completion list: the settings, the owner-drawn list of candidates and the pop-up form that holds it.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListControls.h"

#include <array>
#include <memory>
#include <string>

class TBitmap;
class TImageList;
class TQuillCustomMemo;

// The kinds a candidate carries in its list object slot.
enum TCompletionKind { ckIdentifier, ckVariable, ckProperty, ckEvent, ckMethod, ckFunction, ckProcedure };
TObject* CompletionKindObject(int Kind);
int CompletionKindOf(const TObject* Object);

// How and when the memo offers its completion list.
class TAutoCompletion : public TPersistent {
    VISTRA_CLASS(TAutoCompletion, TPersistent)

    explicit TAutoCompletion(TQuillCustomMemo* AOwner);
    void Assign(const TPersistent* Source) override;

    bool Active = true;
    // Open the list by itself a while after a start character.
    bool AutoDisplay = true;
    bool AutoWidth = true;
    TColor ColorVar = clBlue, ColorProp = clTeal, ColorMethod = clNavy, ColorFunc = clNavy, ColorProc = clNavy,
           ColorEvent = clRed, ColorIdentifier = clTeal;
    // Filtering matches the start of a name only.
    bool FromFirstChar = true;
    int Height = 100;
    // Closing remembers the size the user gave the list.
    bool KeepLastSize = false;
    bool ShowImages = false;
    // The list window has a sizing frame.
    bool SizeDropDown = true;
    std::string StartToken = "(.";
    int Width = 200;
    // Upper bound of the automatic width; 0 for none.
    int MaxWidth = 0;

    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    // Milliseconds between a start character and the list.
    int Delay() const noexcept { return FDelay; }
    void SetDelay(int Value);
    TFont& Font() noexcept { return FFont; }
    const TFont& Font() const noexcept { return FFont; }
    void SetFont(const TFont& Value);

private:
    TQuillCustomMemo* FMemo;
    TColor FColor = clWindow;
    int FDelay = 500;
    TFont FFont;
};

// The candidates, each drawn as its kind word in its kind colour, then the
// name in bold and its parameter part in regular type.
class TAutoCompletionListBox : public TCustomListBox {
    VISTRA_CLASS(TAutoCompletionListBox, TCustomListBox)

    explicit TAutoCompletionListBox(TComponent* AOwner);
    ~TAutoCompletionListBox() override;

    bool ShowImages = false;
    TColor ColorVar = clBlue, ColorProp = clTeal, ColorEvent = clRed, ColorMethod = clNavy, ColorFunc = clNavy,
           ColorProc = clNavy, ColorIdentifier = clTeal;
    // Images 0 to 4 (variable, property, event, procedure, method) replace the
    // built-in kind images; nullptr brings the built-in ones back.
    TImageList* ImageList() const noexcept { return FImageList; }
    void SetImageList(TImageList* Value);
    // The width the items need; also sets the item height.
    int AutoAdaptWidth();
    TMouseEvent OnListMouseUp;

protected:
    void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TColor KindColor(int Kind) const;
    const TBitmap* KindImage(int Kind) const;
    TImageList* FImageList = nullptr;
    // Variable, property, event, procedure, method.
    std::array<std::unique_ptr<TBitmap>, 5> FImages;
    int FIdentifierWidth = 0;
};

// The pop-up window of the completion list. It never takes the activation:
// the memo keeps the focus and hands the list the keys.
class TQuillAutoform : public TCustomForm {
    VISTRA_CLASS(TQuillAutoform, TCustomForm)

    explicit TQuillAutoform(TComponent* AOwner);
    bool Shadow = false;
};
