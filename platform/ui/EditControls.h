// Text editing controls: the single-line edit and the memo.
//
// Change notifications: every change of the text, typed or set by code,
// sends CN_COMMAND with EN_CHANGE to the control at once; its handler calls
// the virtual Change, which raises OnChange. After a programmatic change the
// caret stands at the start and the undo step is cleared.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/CustomControl.h"
#include "platform/ui/ExtCtrls.h"

#include "platform/classes/StringList.h"
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// EM_SETMARGINS: which margins WParam sets; LParam holds the left margin in
// its low word and the right one in its high word (EM_GETMARGINS answers alike).
constexpr unsigned EC_LEFTMARGIN = 0x0001;
constexpr unsigned EC_RIGHTMARGIN = 0x0002;

// Where a caption label attached to an edit stands around it, in their stored order.
enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
    lpBottomRight
};

// Moves Label beside Control (both on one parent), Margin pixels away. The
// label keeps its size; positions left of the control measure the caption in
// the label's font, so a label wider than its text still ends at the margin.
void PlaceEditLabel(TLabel& Label, const TControl& Control, TLabelPosition Position, int Margin);

// Passes the label's clicks on to its control's events, as they are set when
// the click comes; the control owns the label, so the events outlive it.
void ForwardLabelClicks(TLabel& Label, TObject* Control, const TNotifyEvent& OnClick, const TNotifyEvent& OnDblClick);

// The caption label an edit-like control carries: its settings, the label
// itself (made on the first caption, owned by the control and focusing it)
// and the rule that keeps it in step with the control. Setters only store;
// the control calls Update afterwards, passing what it alone knows: whether
// it has the focus and whether the label follows the control's font.
class TEditLabelLink {
public:
    TEditLabelLink();
    ~TEditLabelLink();
    TEditLabelLink(const TEditLabelLink&) = delete;
    TEditLabelLink& operator=(const TEditLabelLink&) = delete;

    // Null until the first caption.
    TLabel* Label() const noexcept { return FLabel; }
    // Called once, on the new label, before it gets its first caption.
    std::function<void(TLabel&)> OnLabelCreated;

    std::string Caption() const;
    void SetCaption(TWinControl& Control, const std::string& Value);
    TLabelPosition Position() const noexcept { return FPosition; }
    void SetPosition(TLabelPosition Value) noexcept { FPosition = Value; }
    int Margin() const noexcept { return FMargin; }
    void SetMargin(int Value) noexcept { FMargin = Value; }
    bool Transparent() const noexcept { return FTransparent; }
    void SetTransparent(bool Value) noexcept { FTransparent = Value; }
    bool AlwaysEnabled() const noexcept { return FAlwaysEnabled; }
    void SetAlwaysEnabled(bool Value) noexcept { FAlwaysEnabled = Value; }
    TFont& Font() const noexcept { return *FFont; }
    // The label turns bold while the control has the focus.
    bool FocusLabel() const noexcept { return FFocusLabel; }
    void SetFocusLabel(bool Value) noexcept { FFocusLabel = Value; }

    // Transparency, font, focus boldness, place beside Control and visibility.
    void Update(const TControl& Control, bool Focused, bool UseParentFont);
    // Bold on focus (for a focus label), plain when the focus leaves.
    void ShowFocus(bool Focused);
    void SetParent(TWinControl* Parent);
    void SetVisible(bool Visible);
    // The label follows the control's enabled state unless it is always enabled.
    void FollowEnabled(bool Enabled);
    // Drops the pointer when the label is being freed.
    void Forget(const TComponent* Component) noexcept;

private:
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FFont;
    TLabelPosition FPosition = lpLeftTop;
    int FMargin = 4;
    bool FTransparent = false;
    bool FAlwaysEnabled = false;
    bool FFocusLabel = false;
};

class TCustomEdit : public TCustomControl {
    VISTRA_CLASS(TCustomEdit, TCustomControl)

    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    // Positions count characters, not bytes.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    void SetSelText(const std::string& Value);
    // Virtual so that entering with AutoSelect selects what a descendant means by "all".
    virtual void SelectAll();
    void ClearSelection();
    void Clear();
    // The caret; it may stand before the anchor (selection made backwards).
    int CaretPos() const noexcept { return FCaret; }

    int MaxLength() const noexcept { return FMaxLength; }
    void SetMaxLength(int Value);
    bool ReadOnly() const noexcept { return FReadOnly; }
    void SetReadOnly(bool Value);
    char32_t PasswordChar() const noexcept { return FPasswordChar; }
    void SetPasswordChar(char32_t Value);
    bool Modified() const noexcept { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    bool AutoSelect() const noexcept { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    TEditCharCase CharCase() const noexcept { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    TBorderStyle BorderStyle() const noexcept { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // Alignment of each line inside the text rectangle; a line wider than the
    // rectangle scrolls as a left-aligned one does.
    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // A transparent edit paints no background: its parent's shows through.
    bool Transparent() const noexcept { return FTransparent; }
    void SetTransparent(bool Value);
    // Where text is laid out, in client coordinates: the rectangle given by
    // EM_SETRECT/EM_SETRECTNP, else the client area less the margins.
    TRect TextRect() const;
    bool HideSelection() const noexcept { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }

    bool CanUndo() const noexcept { return FUndo.has_value(); }
    void Undo();
    void ClearUndo() { FUndo.reset(); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    bool Multiline() const noexcept { return FMultiline; }
    void SetMultiline(bool Value) { FMultiline = Value; }
    // Replaces the selection with text typed or pasted: checks read-only and
    // the maximum length, keeps one undo step, and raises the change.
    void ReplaceSelection(const std::u32string& Text, bool CanUndoIt);
    void Paint() override;
    void PaintWindow(TCanvas& ACanvas) override;
    // The window style carries the alignment (ES_RIGHT, ES_CENTER); a style
    // a descendant asks for in CreateParams becomes the edit's alignment.
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WMEraseBkgnd(TMessage& Message) override;
    TRect NonClientMargins() const override;
    void PaintNonClient(TCanvas& Canvas) override;
    void TextChanged() override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void BoundsChanged() override;
    void CMFontChanged(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DblClick() override;

    // Layout of the text, in client coordinates; the memo lays out lines.
    struct TLine {
        int Start;  // first character
        int Length; // characters, without the line break
    };
    std::vector<TLine> LayoutLines() const;
    int LineOf(int CharIndex) const;
    TPoint PosFromChar(int CharIndex);
    int CharFromPos(TPoint P);
    int LineHeight();
    void ScrollCaretIntoView();
    // The text scrolled or its extent changed; the memo updates its scroll bar.
    virtual void ScrollChanged();

    std::u32string FText32;
    int FAnchor = 0;
    int FCaret = 0;
    TPoint FScroll; // pixels scrolled: X across, Y in lines

private:
    void SyncText();
    void SetSel(int Anchor, int Caret);
    void HandleKeyDown(TMessage& Message);
    void HandleChar(TMessage& Message);
    std::u32string Displayed() const;
    // Client x of a line's first character, after alignment and scrolling.
    int LineLeft(const TLine& Line);
    int LineWidth(const TLine& Line);
    int CaretHeight();
    void PlaceCaret();
    void SetTextRectFromMessage(const TRect* Rect, bool Repaint);
    int WordStart(int At) const;
    int WordEnd(int At) const;

    struct TUndoStep {
        std::u32string Text;
        int Anchor, Caret;
    };
    std::optional<TUndoStep> FUndo;
    int FMaxLength = 0;
    bool FReadOnly = false, FModified = false, FAutoSelect = true, FMultiline = false, FHideSelection = true;
    bool FSyncing = false, FMouseSelecting = false;
    char32_t FPasswordChar = 0;
    TEditCharCase FCharCase = ecNormal;
    TBorderStyle FBorderStyle = bsSingle;
    TAlignment FAlignment = taLeftJustify;
    bool FTransparent = false;
    std::optional<TRect> FTextRect;
    int FLeftMargin = 0, FRightMargin = 0;
};

class TEdit : public TCustomEdit {
    VISTRA_CLASS(TEdit, TCustomEdit)
    using TCustomEdit::TCustomEdit;
};

class TMemo : public TCustomEdit {
    VISTRA_CLASS(TMemo, TCustomEdit)

    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;
    // The text as lines; changing them changes the memo and the other way round.
    TStrings& Lines();
    // A vertical scroll bar follows the lines (shown always, as a memo's is);
    // the horizontal setting is kept but shows no bar: the memo scrolls
    // sideways with its caret.
    TScrollStyle ScrollBars() const noexcept { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WantReturns() const noexcept { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const noexcept { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }

protected:
    void WMGetDlgCode(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void ScrollChanged() override;
    void Dispatch(TMessage& Message) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void CreateHandle() override;

private:
    void ScrollToLine(int Line);
    class TMemoStrings;
    std::unique_ptr<TMemoStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true, FWantTabs = false;
};
