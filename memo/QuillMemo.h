// The source-code memo control: text, caret and selection, editing, undo, styling, folding, gutter and painting.
#pragma once

#include "memo/MemoAutoCorrect.h"
#include "memo/MemoCompletion.h"
#include "memo/MemoFolding.h"
#include "memo/MemoGutter.h"
#include "memo/MemoLines.h"
#include "memo/MemoMarkers.h"
#include "memo/MemoParamHint.h"
#include "memo/MemoPrint.h"
#include "memo/MemoSource.h"
#include "memo/MemoStyler.h"
#include "memo/MemoUndo.h"
#include "platform/classes/Sets.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/FindOptions.h"
#include "platform/ui/Hints.h"
#include "platform/ui/ScrollBars.h"
#include "render/QuillStyleIF.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TImageList;
class TRTFEngine;
class TStream;
namespace memo {
class TRunSink;
}
class TTimer;

struct TCellPos {
    int X = 0;
    int Y = 0;
};
struct TFullPos {
    int LineNo = 0;
    int Pos = 0;
};
struct TCellSize {
    int W = 0;
    int H = 0;
};

enum TWordWrapStyle { wwNone, wwClientWidth, wwRightMargin };
enum TScrollMode { smAuto, smStrict };
enum TAutoHintParameters { hpAuto, hpManual, hpNone };
enum TAutoHintParameterPosition { hpBelowCode, hpAboveCode };
enum TMemoClipboardAction { caCopy, caCut, caPaste };
enum TMemoClipboardFormat { cfText, cfRTF, cfHTML };
using TMemoClipboardFormats = TSet<TMemoClipboardFormat, 3>;

using TQuillMemoUndoChangeEvent = std::function<void(TObject* Sender, bool CanUndo, bool CanRedo)>;
using TQuillMemoPosEvent = std::function<void(int Pos)>;
using TQuillMemoGutterEvent = std::function<void(TObject* Sender, int LineNo)>;
using TQuillMemoOverwriteEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TQuillMemoClipboardEvent = std::function<void(TObject* Sender, TMemoClipboardAction ClipboardAction, bool& Allow)>;
using TQuillMemoScrollHintEvent = std::function<void(TObject* Sender, int ARow, std::string& hintstr)>;
using TQuillMemoWordCompleteEvent = std::function<void(TObject* Sender, const std::string& CurrentWord, std::string& NewWord)>;
using TQuillMemoGetParameterHintEvent =
    std::function<void(TObject* Sender, const std::string& AToken, std::string& AParameterHint, bool& Handled)>;
using TQuillMemoRetrievedParameterHintEvent =
    std::function<void(TObject* Sender, const std::string& AToken, const std::string& AParameterHint)>;
using TQuillMemoBeforeAutoCompletionEvent = std::function<void(TObject* Sender, const std::string& AToken, bool& Show)>;
using TQuillMemoGetAutoCompletionListEvent = std::function<void(TObject* Sender, const std::string& AToken, TStringList& AList)>;
using TQuillMemoGetAutoCompletionListIndexEvent =
    std::function<void(TObject* Sender, const std::string& AToken, TStringList& AList, int& AIndex)>;
using TQuillMemoInsertAutoCompletionEntryEvent = std::function<void(TObject* Sender, std::string& AEntry)>;
// A hint for the word or token at column X of line Y: AHint is shown unless Show is cleared.
using TQuillMemoHintEvent =
    std::function<void(TObject* Sender, int X, int Y, const std::string& AValue, std::string& AHint, bool& Show)>;
using TQuillMemoTextFoundEvent = std::function<void(TObject* Sender, int X, int Y)>;
using TQuillMemoURLClickEvent = std::function<void(TObject* Sender, const std::string& URL)>;
using TQuillMemoLineBkColorEvent = std::function<void(TObject* Sender, int LineNo, TColor& BkColor)>;

// What PaintLine paints on: the screen row through the line bitmap, or a print canvas directly.
enum TPaintLineMode : unsigned char { plScreen = 0, plPrint = 2 };

class TQuillCustomMemo : public TCustomControl, public TMemoLinesOwner, public IQORStyle {
    VISTRA_CLASS(TQuillCustomMemo, TCustomControl)

    explicit TQuillCustomMemo(TComponent* AOwner);
    ~TQuillCustomMemo() override;

    // Lines and text positions.
    // The memo's own lines; with a MemoSource the memo works on EffectiveLines.
    TQuillMemoStrings& Lines() const noexcept { return *FOwnLines; }
    void SetLines(const TStrings& Value);
    void TextFromPos(int X, int Y, int& TextPos) const;
    int TextFromPos(int X, int Y) const;
    void PosFromText(int TextPos, int& X, int& Y) const;
    std::string TrimmedLine(int Y) const;
    bool IsEmpty() const;

    // Caret and selection.
    int CurX() const override { return FCurX; }
    int CurY() const override { return FCurY; }
    void SetCurX(int Value) override;
    void SetCurY(int Value) override;
    int SelStartX() const noexcept { return FSelStartX; }
    int SelStartY() const noexcept { return FSelStartY; }
    int SelEndX() const noexcept { return FSelEndX; }
    int SelEndY() const noexcept { return FSelEndY; }
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string Selection() const;
    void SetSelection(const std::string& T);
    void ClearSelection() override;
    void ExtendSelectionToCaret();
    void SelectAll();

    // Text operations.
    void DeleteSelection() { RemoveSelectedText(true); }
    bool RemoveSelectedText(bool Redraw);
    void InsertText(const std::string& AValue) { SetSelection(AValue); }
    void InsertTextAtXY(const std::string& AValue, int X, int Y);
    void DeleteTextAtXY(int X, int Y, int NumChar);
    void DeleteLine() override;
    void BlockIndent(int FromLine, int ToLine, int Indent, bool AllowUndo);
    void PasteFromClipBoard();
    void CutToClipBoard();
    void CopyToClipBoard();
    bool CanPaste() { return IsEditAllowed(); }
    void ScrollByDelta(TScrollBar* Bar, int Delta);

    // Editing commands.
    void ExecuteKeyCommand(unsigned Key, TShiftState Shift);
    void MoveCaret(int DX, int DY, TShiftState Shift);
    void MovePage(int Dir, TShiftState Shift);
    void CaretHome(TShiftState Shift);
    void CaretEnd(TShiftState Shift);
    void InsertChar(char32_t Ch);
    void DeleteChar(int ACurX0, int ACurY0);
    void DeleteCharBack();
    // The character left of the caret, across a soft wrap; 0 at a line start.
    char32_t CharBeforeCaret() const;
    void DeleteWordBack();
    void InsertTab(TShiftState Shift);
    void InsertNewLine();
    virtual void EscapePressed() {}
    std::string AutoIndentText() const;
    std::string SmartTabText() const;
    bool IsSymbolDelimiter(char32_t Ch);

    // Undo and redo on the memo's list.
    void Undo();
    void Redo();
    void AddUndoStep(TUndo* AUndoStep) { FUndoList->Add(AUndoStep); }
    bool CanUndo() const { return FUndoList->Pos() < FUndoList->Count(); }
    bool CanRedo() const { return FUndoList->Pos() > 0; }
    void ClearUndoRedo() { FUndoList->Clear(); }
    TQuillUndoList& UndoList() const noexcept { return *FUndoList; }
    int UndoLimit() const noexcept { return FUndoLimit; }
    void SetUndoLimit(int Value);
    void UndoChanged();

    // Styling.
    TQuillCustomMemoStyler* SyntaxStyles() const noexcept { return FInternalStyles; }
    void SetSyntaxStyles(TQuillCustomMemoStyler* Value);
    bool UseStyler() const noexcept { return FUseStyler; }
    void SetUseStyler(bool Value);
    // The styler in use: set, and UseStyler on.
    TQuillCustomMemoStyler* ActiveStyler() const { return FUseStyler ? EffectiveStyler() : nullptr; }
    TQuillStylerList& StylerList() const noexcept { return *FStylerList; }
    bool CaseSensitive() const noexcept { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);
    bool UrlAware() const noexcept { return FUrlAware; }
    void SetUrlAware(bool Value);
    TCharStyle& UrlStyle() const noexcept { return *FUrlStyle; }
    void GetLineStartStyle(int LineIndex, TStyle& Style);
    void PaintLine(TCanvas& Canvas, int LineIndex, int DisplayRow, TRect Rect, TPaintLineMode Mode, TStyle& Style);
    virtual void DoLineBkColor(int LineNo, TColor& BkColor);
    virtual bool IsWordDelimiter(char32_t Ch) const;
    virtual bool IsTokenDelimiter(char32_t Ch) const;
    std::string WordAtXY(int X, int Y) const;
    std::string TokenAtXY(int X, int Y) const;
    std::string FullWordAtXY(int X, int Y) const;
    std::string WordAtCursor();
    std::string WordAtCursorPos(int& Pos);
    std::string FullWordAtCursor();
    std::string WordTillCursor();

    // Code folding.
    TCodeFolding& CodeFolding() const noexcept { return *FCodeFolding; }
    void SetCodeFolding(const TCodeFolding& Value) { FCodeFolding->Assign(&Value); }
    bool AddCodeFolding(int StartLineIndex, int EndLineIndex);
    void RemoveCodeFolding(int Line) override;
    void RemoveRegionEndingAt(int Line) override;
    void RemoveAllCodeFolding();
    void AutoCodeFold() override;
    bool IsNode(int LineIndex) const;
    bool ExpandNode(int Index) const;
    void SetExpandNode(int Index, bool Value);
    void ExpandAllNodes();
    void CollapseAllNodes();
    void ToggleNode(int LineIndex) { SetExpandNode(LineIndex, !ExpandNode(LineIndex)); }
    int LineFromDisplayRow(int Row) const;
    int DisplayRowFromLine(int Line) const;
    int RegionEndLine(int Line) const;
    bool GetFoldedSummary(int LineIndex, int& DefinitionIndex, std::string& Summary) const;
    bool HasFoldedSummary(int LineIndex) const;
    void ExpandEnclosingNodes(int Line);
    int CodeFoldingNodeCount() const noexcept { return FCodeFoldingNodeCount; }
    bool FoldingActive() const { return FCodeFolding->Enabled(); }

    // Gutter, active line and looks.
    TQuillGutter& Gutter() const noexcept { return *FGutter; }
    TQuillActiveLineSettings& ActiveLineSettings() const noexcept { return *FActiveLineSettings; }
    int ActiveLine() const noexcept { return FActiveLine; }
    void SetActiveLine(int Value);
    void SetStyle(TQuillMemoStyle AStyle);
    void SetComponentStyle(TQORStyle AStyle) override;
    void DefaultGutterDraw(TObject* Sender, TCanvas& ACanvas, int LineNo, TRect rct);
    void DefaultGutterClick(TObject* Sender, int LineNo);
    std::string FormatLineNumber(int N, int& X);

    // Painting, scrolling and geometry.
    int VisiblePosCount() { return VisibleRange(0); }
    int VisibleLineCount() { return VisibleRange(1); }
    int VisibleRange(int Index);
    void ScrollCaretIntoView();
    void RefreshScrollBars(bool Repaint);
    void RefreshScrollBars() override { RefreshScrollBars(false); }
    void UpdateLayout();
    void UpdateGutterHeight();
    TScrollStyle ScrollBars() const noexcept { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TScrollMode ScrollMode() const noexcept { return FScrollMode; }
    void SetScrollMode(TScrollMode Value) { FScrollMode = Value; }
    // Dragging the vertical thumb shows the row it reaches in a hint window.
    bool ScrollHint() const noexcept { return FScrollHint; }
    void SetScrollHint(bool Value) { FScrollHint = Value; }
    THintWindow& ScrollHintWindow() const noexcept { return *FScrollHintWindow; }
    TScrollBar& VertScrollBar() const noexcept { return *sbVert; }
    TScrollBar& HorzScrollBar() const noexcept { return *sbHorz; }
    void InvalidateClient() { InvalidateRect(nullptr, false); }
    TRect TextAreaRect() const;
    TRect FoldingColumnRect() const;
    TRect CharCellRect(int Col, int Row) const;
    TRect LineRowRect(int VisibleIndex) const;
    TCellPos PointToCell(int X, int Y);
    void MouseToCursor(int X, int Y, int& CursorX, int& CursorY);
    TFullPos CharFromPos(int X, int Y);
    TCellSize CellSize() const noexcept { return FCellSize; }
    void UpdateCaret(bool Show);
    int TopLine() const override { return FTopLine; }
    void SetTopLine(int Value);
    int LeftCol() const noexcept { return FLeftCol; }
    void SetLeftCol(int Value);
    void BeginUpdate() override;
    void EndUpdate() override;
    TFont& Font() const noexcept { return *FFont; }
    void SetFont(const TFont& Value);
    bool HiddenCaret() const noexcept { return FHiddenCaret; }
    void SetHiddenCaret(bool Value);
    TBorderStyle BorderStyle() const noexcept { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool Ctl3D() const noexcept { return FCtl3D; }
    void SetCtl3D(bool Value);
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BkColor() const noexcept { return FBkColor; }
    void SetBkColor(TColor Value) { SetColorIndex(0, Value); }
    TColor SelColor() const noexcept { return FSelColor; }
    void SetSelColor(TColor Value) { SetColorIndex(1, Value); }
    TColor SelBkColor() const noexcept { return FSelBkColor; }
    void SetSelBkColor(TColor Value) { SetColorIndex(2, Value); }
    TColor BandColor() const noexcept { return FBandColor; }
    void SetBandColor(TColor Value);
    static void DrawMemoFrame(TCanvas& Canvas, TRect Rect, int Scheme);
    static void DrawGutterGradient(TCanvas& Canvas, TColor Color1, TColor Color2, bool Horizontal, TRect Rect, int Steps);
    static void DrawErrorWave(TCanvas& Canvas, TRect Rect);

    // Plain settings.
    bool ReadOnly() const noexcept { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool AutoIndent() const noexcept { return FAutoIndent; }
    void SetAutoIndent(bool Value) { FAutoIndent = Value; }
    bool AutoExpand() const noexcept { return FAutoExpand; }
    void SetAutoExpand(bool Value) { FAutoExpand = Value; }
    bool DelErase() const noexcept { return FDelErase; }
    void SetDelErase(bool Value) { FDelErase = Value; }
    bool SmartTabs() const noexcept { return FSmartTabs; }
    void SetSmartTabs(bool Value) { FSmartTabs = Value; }
    bool EnhancedHomeKey() const noexcept { return FEnhancedHomeKey; }
    void SetEnhancedHomeKey(bool Value) { FEnhancedHomeKey = Value; }
    bool TrimTrailingSpaces() const noexcept { return FTrimTrailingSpaces; }
    void SetTrimTrailingSpaces(bool Value) { FTrimTrailingSpaces = Value; }
    bool UndoLineByLine() const noexcept { return FUndoLineByLine; }
    void SetUndoLineByLine(bool Value) { FUndoLineByLine = Value; }
    bool Overwrite() const noexcept { return FOverwrite; }
    void SetOverwrite(bool Value) { FOverwrite = Value; }
    bool SelectSingleLine() const noexcept { return FSelectSingleLine; }
    void SetSelectSingleLine(bool Value) { FSelectSingleLine = Value; }
    bool WantTab() const noexcept { return FWantTab; }
    void SetWantTab(bool Value) { FWantTab = Value; }
    bool HideSelection() const noexcept { return FHideSelection; }
    void SetHideSelection(bool Value);
    int TabSize() const override { return FTabSize; }
    void SetTabSize(int Value) { FTabSize = std::max(Value, 1); }
    int RightMargin() const noexcept { return FRightMargin; }
    void SetRightMargin(int Value);
    bool ShowRightMargin() const noexcept { return FShowRightMargin; }
    void SetShowRightMargin(bool Value);
    TColor RightMarginColor() const noexcept { return FRightMarginColor; }
    void SetRightMarginColor(TColor Value);
    // On, the gutter's gradient follows the desktop theme.
    bool AutoThemeAdapt() const noexcept { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    void ApplyThemeGutterColors();
    // From another memo: its settings, settings objects and text; the
    // styler, the event handlers and the undo steps stay this memo's own.
    void Assign(const TPersistent* Source) override;
    TColor BreakpointColor() const noexcept { return FBreakpointColor; }
    TColor BreakpointTextColor() const noexcept { return FBreakpointTextColor; }
    bool ClearType() const noexcept { return FClearType; }
    TWordWrapStyle WordWrap() const noexcept { return FWordWrap; }
    // Soft word wrap cuts long lines into flagged continuation lines; every
    // edit re-wraps the text, keeping the caret and selection on their text.
    void SetWordWrap(TWordWrapStyle Value);
    void UpdateWrap() override;
    // Re-wraps only the logical lines edits touched since the last wrap.
    void RewrapEdits();
    // The logical line a stored line belongs to (soft-wrap continuations
    // counted with their head), walked from the last line asked about.
    int LogicalLineIndex(int Line);
    TMemoClipboardFormats ClipboardFormats() const noexcept { return FClipboardFormats; }
    const std::string& Version() const noexcept { return FVersion; }
    virtual bool IsEditAllowed() { return true; }
    // Typed letters are converted to this case.
    TEditCharCase CharCase() const noexcept { return FCharCase; }
    void SetCharCase(TEditCharCase Value) noexcept { FCharCase = Value; }
    TAutoCorrect& AutoCorrect() const noexcept { return *FAutoCorrect; }
    void SetAutoCorrect(const TAutoCorrect& Value) { FAutoCorrect->Assign(&Value); }
    // Replaces the word that ends at the caret by its auto-correct partner or
    // what OnWordComplete makes of it, as one undoable step.
    void CorrectWordAtCaret();
    // The checker's part at the end of a typed word (space, Tab) or line (Enter, as '\r').
    void RunChecker(char32_t Key);

    // The parameter hint shows the declaration of the call the caret is in,
    // the current parameter in bold, below (or above) the caret line; it
    // follows the caret and hides after AutoHintParameterDelay milliseconds.
    TAutoHintParameters AutoHintParameters() const noexcept { return FAutoHintParameters; }
    void SetAutoHintParameters(TAutoHintParameters Value);
    TAutoHintParameterPosition AutoHintParameterPosition() const noexcept { return FAutoHintParameterPosition; }
    void SetAutoHintParameterPosition(TAutoHintParameterPosition Value) noexcept { FAutoHintParameterPosition = Value; }
    int AutoHintParameterDelay() const noexcept { return FAutoHintParameterDelay; }
    void SetAutoHintParameterDelay(int Value);
    void ShowParameterHint();
    void HideHint();
    bool ParameterHintVisible() const;
    TQuillHintForm& HintForm() const noexcept { return *FHintForm; }

    // The completion list: candidates for the word at the caret from the
    // styler's AutoCompletion list and OnGetAutoCompletionList, opened by
    // Ctrl+Space or a while after a StartToken character. The memo keeps the
    // focus while it is open and hands the list its keys.
    TAutoCompletion& AutoCompletion() const noexcept { return *FAutoCompletion; }
    void SetAutoCompletion(const TAutoCompletion& Value) { FAutoCompletion->Assign(&Value); }
    TImageList* AutoCompletionListImages() const noexcept { return FAutoCompletionListImages; }
    void SetAutoCompletionListImages(TImageList* Value);
    void ShowAutoCompletion(bool Unused = false);
    virtual void UpdateCompletionList(const std::string& AToken);
    void CloseAutoCompletion();
    void CancelAutoCompletion();
    void AcceptAutoCompletion(bool AddParentheses);
    // The open list's window and list box; nullptr while closed.
    TQuillAutoform* FormAutoCompletion() const noexcept { return FFormAutoCompletion; }
    TAutoCompletionListBox* ListCompletion() const noexcept { return FListCompletion; }
    virtual bool IsCompletionStartKey(char32_t Ch) const;
    virtual bool HasCompletionStartToken(const std::string& Text) const;
    virtual bool IsParameterHintKey(char32_t) const { return false; }
    virtual bool IsCompletionWordChar(char32_t Ch) const;
    virtual bool IsCompletionAcceptChar(char32_t) const { return false; }
    // The settings' delay, colour and font reach the timer and an open list.
    void CompletionSettingsChanged();

    // The look and behaviour settings as keys of an INI file (not the text).
    // Saving rewrites the file beside itself, keeping other sections; loading
    // a missing file does nothing, and a colour that is no colour raises.
    void SaveMemoSettingsToFile(const std::string& FileName);
    void LoadMemoSettingsFromFile(const std::string& FileName);

    // Printed pages: a page's layout on a canvas of a page's size, and drawing page PageNr (from 1).
    TPrintOptions& PrintOptions() const noexcept { return *FPrintOptions; }
    void SetPrintOptions(const TPrintOptions& Value) { FPrintOptions->Assign(&Value); }
    int NumberOfPages(TCanvas& Canvas, int PageWidth, int PageHeight) const;
    void PrintToCanvas(TCanvas& Canvas, int PageWidth, int PageHeight, int PageNr);
    // Print jobs on the process's printer (MemoPrintJob.cpp): every page, the pages FromPage
    // to ToPage (nothing unless 0 < FromPage <= ToPage), or the selected text alone.
    void Print();
    void PrintPages(int FromPage, int ToPage);
    void PrintSelection();

    // Block marks: the start and end words of a block, painted with BlockColor
    // behind them and a BlockLineColor line under them while BlockShow is on.
    void SetBlockStartMark(int Line, int Start, int Len) { MoveBlockMark(FBlockStart, Line, Start, Len); }
    void SetBlockEndMark(int Line, int Start, int Len) { MoveBlockMark(FBlockEnd, Line, Start, Len); }
    bool BlockShow() const noexcept { return FBlockShow; }
    void SetBlockShow(bool Value) { FBlockShow = Value; }
    TColor BlockColor() const noexcept { return FBlockColor; }
    void SetBlockColor(TColor Value) { FBlockColor = Value; }
    TColor BlockLineColor() const noexcept { return FBlockLineColor; }
    void SetBlockLineColor(TColor Value) { FBlockLineColor = Value; }

    // Markers and numbered bookmarks.
    TQuillMarkerList& MarkerList() const noexcept { return *FMarkerList; }
    void SetMarkerList(const TQuillMarkerList& Value) { FMarkerList->Assign(&Value); }
    int MarkerCount() const noexcept { return FMarkerList->Markers().Count(); }
    bool HasMarkers() const noexcept { return FMarkerList->Markers().HasMarkers(); }
    bool MarkerAtLine(int LineNo) const { return FMarkerList->Markers().MarkerAtLine(LineNo); }
    bool GetMarkers(TQuillMarkers& Markers) const { return FMarkerList->Markers().GetMarkers(Markers); }
    // Fires OnMarkerAdded also when the line had a marker already.
    void AddMarker(int LineIndex, int ImageIndex, const std::string& MarkerText = {});
    void RemoveMarker(int LineIndex);
    void ClearAllMarkers();
    // Raises "Invalid marker index" / "Marker name not found".
    void GoToMarker(int Marker);
    void GoToMarkerName(const std::string& MarkerText);
    // Slots 0 to 9 hold a line or -1; other indexes raise "Invalid bookmark index".
    int Bookmarks(int Index) const;
    void SetBookmarks(int Index, int Value);
    void GotoBookmark(int Index);
    void ClearBookmarks();
    bool HasBookmarks() const;
    void RepaintGutter();

    // Finding and replacing, line by line from the caret; positions found are
    // text positions (a line break counts two), -1 for none.
    int FindText(const std::string& SearchStr, TFindOptions Options);
    int FindTextInMemo(const std::string& SearchStr, TFindOptions Options) { return FindText(SearchStr, Options); }
    // The number of matching lines, each reported once through OnTextFound.
    int FindTextCount(const std::string& SearchStr, TFindOptions Options);
    // Where the next match lies; the caret and the selection stay.
    int FindTextPos(const std::string& SearchStr, TFindOptions Options);
    // Replaces every match from the caret on as one undoable step; returns how many.
    int FindAndReplace(const std::string& SearchStr, const std::string& NewStr, TFindOptions Options);

    // Whether the undo list holds a step; writing false empties it and
    // clears the lines' modified marks (writing true does nothing).
    bool Modified() const;
    void SetModified(bool Value);
    virtual unsigned GetVersionNr();
    virtual std::string GetVersionString();
    bool CanCopy() const;
    bool CanCut() const;
    // Empties the text; the undo steps stay.
    void Clear();
    // The caret to a place, the selection collapsed there.
    void SetCursor(int ACurX, int ACurY);
    using TCustomControl::SetCursor;
    const std::string& FixedBlockStart() const noexcept { return FFixedBlockStart; }
    void SetFixedBlockStart(const std::string& Value) { FFixedBlockStart = Value; }
    const std::string& FixedBlockEnd() const noexcept { return FFixedBlockEnd; }
    void SetFixedBlockEnd(const std::string& Value) { FFixedBlockEnd = Value; }
    // The text written as HTML (UTF-8) or RTF, coloured as painted; false when
    // the file or stream could not be written.
    bool SaveToHTML(const std::string& FileName, bool Fixedfonts);
    bool SaveToHTMLStream(TStream& AStream, bool Fixedfonts);
    bool SaveToRTF(const std::string& FileName, bool Fixedfonts);
    bool SaveToRTFStream(TStream& AStream, bool Fixedfonts);
    // The whole text as an HTML document on the clipboard, its source as plain text.
    void CopyHTMLToClipboard();
    void SetClipboardFormats(TMemoClipboardFormats Value) noexcept { FClipboardFormats = Value; }
    // The lines of the last HTML build, each followed by CR LF.
    std::string HTMLText() const;
    // FromLine -1: every line. The HTML goes to the build's lines; the RTF to
    // the builder of a save or copy (nothing without one).
    void BuildHTML(bool Fixedfonts, int FromLine, bool NoHeader, int ToLine);
    void BuildRTF(bool Fixedfonts, int FromLine, int ToLine, int FromX = 0, int ToX = -1);
    // One run of a line, as the tokenizer hands it over.
    void AddHTMLToken(std::u32string_view Text, const TStyle& Style);
    void AddRTFToken(std::u32string_view Text, const TStyle& Style);
    static std::string MemoColorToHTML(TColor C);
    static std::string FontStyleToCSS(TFontStyles S);
    static std::string WrapMemoClipboardHTML(const std::string& T);
    // With UrlAware, whether the word at a column is an address; a left click
    // on one hands it to OnURLClick, or without a handler opens it when it is
    // an http, https, ftp or mailto address.
    bool IsURLAt(int Line, int Col) const;
    void OpenURLAt(int Line);
    // The styler of the text, whether in use or not: the source's with a MemoSource.
    TQuillCustomMemoStyler* EffectiveStyler() const noexcept { return FMemoSource ? FMemoSource->SyntaxStyler() : FInternalStyles; }
    // The lines every operation works on: the source's with a MemoSource.
    TQuillMemoStrings& EffectiveLines() const noexcept { return *FLines; }

    // A shared document: with a source set the memo edits the source's lines
    // with its undo steps and styler, and finds its place in it again.
    TQuillMemoSource* MemoSource() const noexcept { return FMemoSource; }
    void SetMemoSource(TQuillMemoSource* Value);
    void SaveViewState(TQuillMemoSavePos& Pos) const;
    void RestoreViewState(const TQuillMemoSavePos& Pos);
    // Checks or corrects lines and words while the user types.
    TQuillMemoChecker* MemoChecker() const noexcept { return FMemoChecker; }
    void SetMemoChecker(TQuillMemoChecker* Value);
    // From the source and the checker as they go.
    void SourceDestroyed(TQuillMemoSource* Source);
    void SourceStylerChanged();
    void CheckerDestroyed(TQuillMemoChecker* Checker);

    // Error marks: column spans of a line underlined with a red wave.
    void SetError(int LineNo, int ErrPos, int ErrLen);
    void ClearErrors();
    void ClearLineErrors(int LineNo);
    void ClearWordError(int LineNo, int LinePos);

    // Block words: the 1-based position of the first whole-word Word in Text
    // (0 for none); of the first of the comma-separated Words found, which
    // Words then holds alone.
    int FindWholeWord(const std::string& Word, const std::string& Text, int& Pos);
    int FindBlockWord(std::string& Words, int& Pos, const std::string& Text);
    struct BlockMark {
        int Line = -1, Start = -1, Len = -1, OldLine = -1;
    };
    // The end word closing the caret's block, and the start word opening it.
    const BlockMark& BlockStartMark() const noexcept { return FBlockStart; }
    const BlockMark& BlockEndMark() const noexcept { return FBlockEnd; }

    // Events.
    TNotifyEvent OnChange;
    TNotifyEvent OnStatusChange;
    TNotifyEvent OnSelectionChange;
    TQuillMemoGutterDrawEvent OnGutterDraw;
    TQuillMemoGutterEvent OnGutterClick;
    TQuillMemoUndoChangeEvent OnUndoChange;
    TQuillMemoPosEvent OnActiveLineChange;
    TQuillMemoPosEvent OnColumnChange;
    TQuillMemoOverwriteEvent OnOverwriteToggle;
    TNotifyEvent OnTopLeftChanged;
    TQuillMemoScrollHintEvent OnScrollHint;
    TQuillMemoLineBkColorEvent OnLineBkColor;
    TQuillMemoClipboardEvent OnClipboardAction;
    TQuillMemoWordCompleteEvent OnWordComplete;
    TQuillMemoGetParameterHintEvent OnGetParameterHint;
    TQuillMemoRetrievedParameterHintEvent OnRetrievedParameterHint;
    // Ctrl+F and Ctrl+H.
    TNotifyEvent OnFind;
    TNotifyEvent OnReplace;
    TQuillMemoTextFoundEvent OnTextFound;
    TQuillMemoBeforeAutoCompletionEvent OnBeforeAutoCompletion;
    TQuillMemoGetAutoCompletionListEvent OnGetAutoCompletionList;
    TQuillMemoGetAutoCompletionListIndexEvent OnGetAutoCompletionListIndex;
    TNotifyEvent OnStartAutoCompletion;
    TNotifyEvent OnAutoCompletion;
    TNotifyEvent OnCancelAutoCompletion;
    TQuillMemoInsertAutoCompletionEntryEvent OnInsertAutoCompletionEntry;
    // Kept for form compatibility: the list keeps the order it was built in.
    std::function<void(TObject* Sender, TStringList& AList)> OnSortAutoCompletionList;
    TNotifyEvent OnCursorChange;
    TQuillMemoURLClickEvent OnURLClick;
    // With ShowHint on, the hint for the word (else the token) under the mouse.
    TQuillMemoHintEvent OnHintForWord;
    TQuillMemoHintEvent OnHintForToken;
    TQuillMemoGutterEvent OnGutterRightClick;
    TQuillMemoGutterEvent OnGutterDblClick;
    std::function<void(int LnNo, const std::string& MarkerText)> OnMarkerAdded;
    std::function<void(int LnNo)> OnMarkerRemoved;

protected:
    virtual void DoSelectionChange();
    virtual void DoStatusChange();
    virtual void DoChange();
    virtual void CursorChanged();
    virtual void DoGutterClick(int LineNo);
    void DoFind();
    void DoReplace();
    virtual void DoClipboardAction(TMemoClipboardAction Action, bool& Allow);
    virtual void DoGetAutoCompletionList(const std::string& AToken, TStringList& AList);
    virtual void DoGetAutoCompletionListIndex(const std::string& AToken, TStringList& AList, int& AIndex);
    virtual void DoInsertAutoCompletionEntry(std::string& AEntry);
    virtual void DoGetParameterHint(const std::string& AToken, std::string& AParameterHint, bool& Handled);
    // Lets a descendant name the call and the argument the caret is in.
    virtual void GetParameterHintToken(std::string& AToken, int& AParamIndex, bool& AShow, bool& AHandled);
    void CreateCompletionForm();
    void HookAutoCompletionList();
    void UnhookAutoCompletionList();
    void AutoCompletionListKeyPress(TObject* Sender, char32_t& Key);
    void AutoCompletionListKeyDown(TObject* Sender, unsigned short& Key, TShiftState Shift);
    void AutoCompletionListMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // After a typed character: a start character arms the completion timer.
    void CheckCompletionTrigger(char32_t Key);
    void CompletionTimerTick();
    void ClipboardCopy();
    void ClipboardCut();
    void ClipboardPaste();

    void Paint() override;
    void WndProc(TMessage& Message) override;
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void CMHintShow(TMessage& Message) override;
    // Without a PopupMenu, a right click in the text shows the built-in menu.
    void WMContextMenu(TMessage& Message) override;
    // The built-in menu's commands, 1 to 7.
    void HandleCommand(int Command);
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Resize() override;

    // TMemoLinesOwner.
    void InvalidateTopLineStyle() override;
    void LineInserted(int Index) override;
    void LineRemoved(int Index) override;
    void StoreCaret(int X, int Y) override;
    void ResetSelectionAndCaret() override;
    bool CodeFoldingEnabled() const override { return FCodeFolding->Enabled(); }
    void SetCodeFoldingEnabled(bool Value) override { FCodeFolding->SetEnabled(Value); }
    void ResetCodeFoldingNodeCount() override { FCodeFoldingNodeCount = 0; }
    void ClearMemo() override;
    void AssignLines(const TStrings& Source) override { SetLines(Source); }
    void ClearUndoList() override { ClearUndoRedo(); }
    void SetRefreshing(bool Value) override { FLetRefresh = Value; }
    void LinesChanged() override;
    void SetMaxLineLength(int Value) override { FMaxLength = Value; }
    void UpdateMaxLength() override;
    void RefreshMemo() override { Invalidate(); }
    void Repaint() override { Invalidate(); }
    void StatusChanged() override { DoStatusChange(); }
    bool SoftWrapping() const override { return FWordWrap != wwNone; }
    void UnwrapLines() override;
    void WrapLines() override;

private:
    friend class TUndo;
    friend class TDeleteBufUndo;
    friend class TDeleteLineUndo;
    friend class TOverwriteCharUndo;
    friend class TPasteUndo;
    friend class TCorrectUndo;
    friend class TReplaceLinesUndo;
    friend class TInsertOverwriteUndo;
    friend class TQuillUndoList;
    friend class TQuillMemoSource;
    friend class TMemoRunPainter;

    // Line text helpers: columns count characters.
    int LineLength(int Y) const;
    std::string LineText(int Y) const;
    void PutLine(int Y, const std::string& Text);
    // Notes an edit of line Y for the lexer-state cache.
    void NoteEdit(int Y);
    void OrderedSelection(int& SX, int& SY, int& EX, int& EY) const;
    bool ExtendAllowed(TShiftState Shift) const;
    void ApplySelectionRule(bool Extend);
    void WordLeft();
    void WordRight();
    int SmartUnindentColumn(int CX, int CY) const;
    void MarkModified(int Line);
    void FontChanged(TObject* Sender);
    void ApplyFont();
    void ApplyBorderToGutter();
    void SetColorIndex(int Index, TColor Value);
    void PaintGutter();
    void PaintMarginAndCorners();
    void PrepareLineBitmap();
    void PaintFoldingCell(int Row, int& Line, int& OpenRegions, TStyle& Style);
    // Drops the cached start states edits made stale, on the lines up to UpTo.
    void ClearDirtyStyleCache(int UpTo);
    void FoldingChanged(TObject* Sender, int ChangeMsg);
    void VertScrollChanged(TObject* Sender);
    void HorzScrollChanged(TObject* Sender);
    void HandleScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
    void DoActiveLineChange(int Pos);
    std::string Lookup(int X, int Y, const std::function<bool(char32_t)>& IsDelimiter) const;
    void CollectStylers();
    // The line shown at a row of the view, within the lines.
    int LineAtRow(int Row) const;
    // The caret to (X, Y), past the line's end in virtual space with AutoExpand.
    void PlaceCaret(int X, int Y);
    void MouseClickAt(int X, int Y, bool Select, TShiftState Shift, TMouseButton Button);
    void SelectWordAtCaret();
    // Caret to the start of Line, its folded regions opened, and with ToTop the line first in view.
    void GoToLine(int Line, bool ToTop);
    // The parts of the hint for the caret's call; false when there is none.
    bool ComputeParameterHint(std::string& Part1, std::string& Part2, std::string& Part3, int& Active);
    // Leftwards from the caret to the opening of the call it is in: the called
    // name and the argument index; false when the caret is in no call.
    bool ScanCallAtCaret(const THintParameter& p, std::string& Token, int& Index) const;
    // After a caret move: the hint follows the caret when it is automatic or shown.
    void FollowCaretWithHint();
    // A run's text colour, font style and background.
    struct RunLook {
        TColor Font;
        TFontStyles Style;
        TColor Brush;
    };
    // ElementBackgroundAsSet keeps an element style's clNone background as clNone.
    RunLook LookOfRun(const TStyle& Q, bool ElementBackgroundAsSet) const;
    // The runs of the logical lines over FromLine (from column FromX) to
    // ToLine (up to column ToX, -1 its end), LineEnd after each.
    void ExportLines(int FromLine, int FromX, int ToLine, int ToX, memo::TRunSink& Sink, const std::function<void()>& LineEnd);
    void ApplyRTFFontStyle(TFontStyles S);
    static std::string WrapSelectionHTML(const std::string& F);
    bool URLRunAt(int Line, int Col, std::string& Url) const;
    // The hand over an address, the memo's own cursor elsewhere.
    void UpdateURLCursor(int X, int Y);
    // The character (column, line) under a client point.
    TPoint CharacterAt(int X, int Y) const;
    void ForgetHoverHint(int X, int Y);
    // The character the last hover hint was given for; (-1, -1) for none.
    TPoint FLastHintPos{-1, -1};
    TCursor FOldCursor = crIBeam;
    struct BlockWord {
        int Col, Len;
        bool Opens;
    };
    // The block words of a text, left to right.
    std::vector<BlockWord> BlockWordsOf(const std::string& Text, const std::string& Start, const std::string& End);
    // The search text's case-folded (unless frMatchCase) line, and the part
    // [From, To) of it a search from the caret looks at; false: skip the line.
    std::u32string SearchableLine(int Line, TFindOptions Options) const;
    bool SearchWindow(int Line, int Length, bool Forward, int& From, int& To) const;
    int SearchLines(const std::string& SearchStr, TFindOptions Options, bool CountOnly);
    // Lines First..First+Count-1 become Texts (each may hold line breaks); returns how many lines they are now.
    int ReplaceLineRange(int First, int Count, const std::vector<std::string>& Texts);
    void MoveBlockMark(BlockMark& Mark, int Line, int Start, int Len);
    void InvalidateLineRow(int Line, int Below);
    struct PageLayout {
        TRect Text;
        TRect PageNumberBand;
        int LineHeight = 1;
        int TitleHeight = 0;
        int LinesPerPage = 1;
    };
    PageLayout LayOutPage(TCanvas& Canvas, int PageWidth, int PageHeight) const;
    // A line's number as printed beside it: as the gutter numbers it, with its suffix.
    std::string PrintedLineNumber(int LineIndex) const;
    // The wrap width in characters; 0 without word wrap.
    int WrapWidth();
    // A logical line (from Start, OldCount lines) to be shown as Pieces.
    struct WrapChange {
        int Start;
        int OldCount;
        std::vector<std::string> Pieces;
    };
    int WrapGroupStart(int Line) const;
    std::vector<WrapChange> WrapChanges(int Width, int From, int To) const;
    void ApplyWrapInPlace(std::vector<WrapChange>& Changes);
    void RebuildWrapped(std::vector<WrapChange>& Changes);
    // Cuts the logical lines on lines From..To at Width (joins them for 0),
    // keeping caret and selection on their text; false when no line changed.
    bool Rewrap(int Width, int From, int To);
    void RelayoutAfterWrap();
    // Notes lines an edit touched, for the next RewrapEdits.
    void NoteWrapEdit(int From, int To);

    TComponent* FOwner;
    std::string FVersion = "2.3.11.0";
    bool FUseStyler = true;
    TQuillCustomMemoStyler* FInternalStyles = nullptr;
    bool FCaseSensitive = false;
    TBorderStyle FBorderStyle = bsSingle;
    bool FAutoIndent = true;
    bool FAutoExpand = true;
    int FMargin = 2;
    bool FHiddenCaret = false;
    bool FCaretVisible = false;
    TCellSize FCellSize;
    int FCurX = 0, FCurY = 0;
    int FbackupTopLine = -1;
    int FLeftCol = 0, FTopLine = 0;
    int FTabSize = 4;
    std::unique_ptr<TFont> FFont;
    TColor FBkColor = clWhite, FSelColor = clWhite, FSelBkColor = clNavy;
    bool FReadOnly = false, FDelErase = false, FShowRightMargin = true, FSmartTabs = false, FEnhancedHomeKey = false;
    std::unique_ptr<TQuillMemoStrings> FOwnLines;
    // The lines in use: the memo's own or the source's.
    TQuillMemoStrings* FLines;
    int FSelStartX = 0, FSelStartY = 0, FSelEndX = 0, FSelEndY = 0;
    int FPrevSelX = 0, FPrevSelY = 0;
    TScrollStyle FScrollBars = ssBoth;
    std::unique_ptr<TQuillActiveLineSettings> FActiveLineSettings;
    std::unique_ptr<TQuillGutter> FGutter;
    TScrollBar* sbVert = nullptr;
    TScrollBar* sbHorz = nullptr;
    std::unique_ptr<TBitmap> FLineBitmap;
    TScrollMode FScrollMode = smAuto;
    std::unique_ptr<TQuillUndoList> FOwnUndoList;
    TQuillUndoList* FUndoList;
    TQuillMemoSource* FMemoSource = nullptr;
    TQuillMemoChecker* FMemoChecker = nullptr;
    int FUndoLimit = 100;
    bool FUndoLineByLine = false;
    TStyle FBackupTopStyle;
    std::u32string FTempdelimiters;
    std::unique_ptr<TCharStyle> FUrlStyle;
    bool FUrlAware = true;
    int FActiveLine = -1;
    bool FCtl3D = false;
    int FMaxLength = 0;
    // FMaxLength holds for this many lines and no edit shortened a longest line since.
    int FMaxLengthCount = -1;
    bool FNoRealFixedWidth = false;
    bool FTrimTrailingSpaces = false;
    unsigned FCaretX = 0, FCaretY = 0;
    bool FOverwrite = false;
    bool FWantTab = true, FHideSelection = true;
    std::array<int, 10> FBookmarkList;
    std::u32string FCachedDelimiters;
    bool FCachedDelimitersFound = false;
    int FRightMargin = 80;
    TColor FRightMarginColor = 0xE2E2E2, FBreakpointColor = clRed, FBreakpointTextColor = clWhite;
    TWordWrapStyle FWordWrap = wwNone;
    bool FScrollHint = false;
    THintWindow* FScrollHintWindow = nullptr;
    unsigned FCaretTime = 0;
    std::unique_ptr<TCodeFolding> FCodeFolding;
    bool FShouldCheckCodeFolding = false;
    int FCodeFoldingNodeCount = 0;
    TColor FBorderColor = clGray;
    bool FClearType = true;
    bool FDisableChange = false;
    TMemoClipboardFormats FClipboardFormats{cfText};
    TColor FBandColor = clNone;
    bool FSelChange = false;
    bool FSelectSingleLine = false;
    bool FLetRefresh = true;
    bool FLetCursorUpdate = true;
    TEditCharCase FCharCase = ecNormal;
    bool FAutoThemeAdapt = false;
    TAutoHintParameters FAutoHintParameters = hpAuto;
    TAutoHintParameterPosition FAutoHintParameterPosition = hpBelowCode;
    int FAutoHintParameterDelay = 2500;
    TQuillHintForm* FHintForm = nullptr;
    TTimer* FHintTimer = nullptr;
    bool FHintShowing = false;
    // False while the last key went down with Ctrl.
    bool FAllowAutoHint = true;
    // Ctrl+Shift+Space showed the hint: its space is not typed.
    bool FSwallowSpace = false;
    bool FBlockShow = true;
    TColor FBlockColor = clAqua, FBlockLineColor = clNone;
    BlockMark FBlockStart, FBlockEnd;
    // Lines edited since the last wrap (-1: none), and a wrap in progress.
    int FWrapDirtyFrom = -1, FWrapDirtyTo = -1;
    bool FRewrapping = false;
    bool FCursorChangedTrigered = false;
    std::vector<std::string> Html;
    std::string FHtmlfont;
    std::unique_ptr<TRTFEngine> FRTFEngine;
    std::string FFixedBlockStart, FFixedBlockEnd;
    // LogicalLineIndex's last answer: line FLogicalFrom is logical line FLogicalIndex (-1: none).
    int FLogicalFrom = -1, FLogicalIndex = 0;
    void ForgetLogicalFrom(int Line)
    {
        if (Line <= FLogicalFrom) FLogicalFrom = -1;
    }
    std::unique_ptr<TQuillMarkerList> FMarkerList;
    std::unique_ptr<TPrintOptions> FPrintOptions = std::make_unique<TPrintOptions>();
    std::unique_ptr<TAutoCorrect> FAutoCorrect = std::make_unique<TAutoCorrect>();
    std::unique_ptr<TAutoCompletion> FAutoCompletion;
    TImageList* FAutoCompletionListImages = nullptr;
    // The candidates of the open list, with their kinds.
    std::unique_ptr<TStringList> FAutoCompleteList = std::make_unique<TStringList>();
    TQuillAutoform* FFormAutoCompletion = nullptr;
    TAutoCompletionListBox* FListCompletion = nullptr;
    bool FListHooked = false;
    // The list anchors at FDotPoint: it opened after a start character or on a qualified name.
    bool FAutoCompleteDot = false;
    TPoint FDotPoint;
    TTimer* FAutoCompleteTimer = nullptr;
    // False from the Ctrl+Space that opened the list until the next key-down.
    bool FLetShowAutoCompletion = true;
    // Replaces the word at the caret by a chosen entry: the name ends at one of
    // NameEnds, the word at one of Bounds.
    void InsertCompletion(std::string Entry, bool AddParentheses, std::u32string_view NameEnds, std::u32string_view Bounds);
    std::string CompletionTokenAfterEdit();
    // The left button went down on text and is held: moves select.
    bool FLeftButtonDown = false;
    // The press fell inside the selection; releasing it unmoved places the caret.
    bool FSelButtonDown = false;
    // A click placed the caret; the next move only clears this.
    bool FSelClick = false;
    bool FApplyingFont = false;
    std::unique_ptr<TQuillStylerList> FStylerList;
    // Lines at and below this one may hold stale cached lexer states.
    int FStyleDirtyFrom = -1;
};

class TQuillMemo : public TQuillCustomMemo {
    VISTRA_CLASS(TQuillMemo, TQuillCustomMemo)

    explicit TQuillMemo(TComponent* AOwner);
    bool IsWordDelimiter(char32_t Ch) const override;
};
