// The memo control's construction, settings, lines-changed handling and styler binding.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/RTFEngine.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Timer.h"

TQuillCustomMemo::TQuillCustomMemo(TComponent* AOwner)
    : TCustomControl(AOwner),
      FOwner(AOwner),
      FFont(std::make_unique<TFont>()),
      FOwnLines(std::make_unique<TQuillMemoStrings>()),
      FLines(FOwnLines.get()),
      FLineBitmap(std::make_unique<TBitmap>()),
      FOwnUndoList(std::make_unique<TQuillUndoList>()),
      FUndoList(FOwnUndoList.get()),
      FUrlStyle(std::make_unique<TCharStyle>(clBlue, clWhite, TFontStyles{fsUnderline})),
      FCodeFolding(std::make_unique<TCodeFolding>()),
      FMarkerList(std::make_unique<TQuillMarkerList>(this))
{
    ControlStyle() = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable};
    SetBounds(Left(), Top(), 100, 40);
    SetTabStop(true);
    TControl::SetCursor(crIBeam);
    FBookmarkList.fill(-1);

    FFont->SetName("Courier New");
    FFont->SetSize(10);
    FFont->OnChange = [this](TObject* sender) { FontChanged(sender); };

    FLines->SetMemo(this);
    FLines->Add("");
    FLines->ConnectMemoChange();

    FStylerList = std::make_unique<TQuillStylerList>(this);

    sbVert = new TScrollBar(this);
    sbHorz = new TScrollBar(this);
    for (TScrollBar* bar : {sbVert, sbHorz}) {
        bar->SetVisible(false);
        bar->SetParent(this);
        bar->SetTabStop(false);
        bar->SetSmallChange(1);
        bar->SetPageSize(-1);
        bar->OnScroll = [this](TObject* sender, TScrollCode code, int& pos) { HandleScrollBarScroll(sender, code, pos); };
    }
    sbVert->SetKind(sbVertical);
    sbVert->SetBounds(0, 0, 16, 16);
    sbVert->SetAlign(alRight);
    sbVert->OnChange = [this](TObject* sender) { VertScrollChanged(sender); };
    sbHorz->SetKind(sbHorizontal);
    sbHorz->SetBounds(0, 0, 16, 16);
    sbHorz->SetAlign(alBottom);
    sbHorz->OnChange = [this](TObject* sender) { HorzScrollChanged(sender); };

    FActiveLineSettings = std::make_unique<TQuillActiveLineSettings>(this);
    FGutter = std::make_unique<TQuillGutter>(this);
    FUndoList->SetMemo(this);
    FScrollHintWindow = new THintWindow(this);
    FHintForm = new TQuillHintForm(this);
    FHintTimer = new TTimer(this);
    FHintTimer->SetEnabled(false);
    FHintTimer->SetInterval(static_cast<unsigned>(FAutoHintParameterDelay));
    FHintTimer->OnTimer = [this](TObject*) {
        FHintTimer->SetEnabled(false);
        HideHint();
    };
    FAutoCompleteTimer = new TTimer(this);
    FAutoCompleteTimer->SetEnabled(false);
    FAutoCompleteTimer->SetInterval(500);
    FAutoCompleteTimer->OnTimer = [this](TObject*) { CompletionTimerTick(); };
    FAutoCompletion = std::make_unique<TAutoCompletion>(this);
    CollectStylers();
    FCodeFolding->OnChange = [this](TObject* sender, int msg) { FoldingChanged(sender, msg); };
}

TQuillCustomMemo::~TQuillCustomMemo()
{
    SetMemoSource(nullptr);
    if (FMemoChecker) FMemoChecker->SetMemo(nullptr);
    FLines->OnChange = nullptr;
    FLines->SetMemo(nullptr);
    Destroying();
    FUndoList->Clear();
}

void TQuillCustomMemo::CollectStylers()
{
    if (!FOwner) return;
    for (int i = 0; i < FOwner->ComponentCount(); ++i) {
        TComponent* component = FOwner->Components(i);
        if (TQuillStylerList::IsListedStyler(component) && FStylerList->StylerList().IndexOf(component) < 0)
            FStylerList->StylerList().Add(component);
    }
}

void TQuillCustomMemo::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_CLIPCHILDREN;
}

void TQuillCustomMemo::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FMemoSource) SourceDestroyed(FMemoSource);
    if (Operation == opRemove && AComponent == FMemoChecker) FMemoChecker = nullptr;
    if (Operation == opRemove && AComponent == FInternalStyles) {
        FInternalStyles = nullptr;
        FCachedDelimiters.clear();
        FCachedDelimitersFound = false;
        InvalidateTopLineStyle();
        Invalidate();
    }
    TCustomControl::Notification(AComponent, Operation);
}

void TQuillCustomMemo::DoSelectionChange()
{
    if (OnSelectionChange) OnSelectionChange(this);
}

void TQuillCustomMemo::DoStatusChange()
{
    if (OnStatusChange) OnStatusChange(this);
}

void TQuillCustomMemo::DoChange()
{
    if (!FDisableChange && OnChange) OnChange(this);
}

void TQuillCustomMemo::DoActiveLineChange(int Pos)
{
    if (OnActiveLineChange) OnActiveLineChange(Pos);
}

void TQuillCustomMemo::DoClipboardAction(TMemoClipboardAction Action, bool& Allow)
{
    if (OnClipboardAction) OnClipboardAction(this, Action, Allow);
}

void TQuillCustomMemo::LinesChanged()
{
    if (!FLetRefresh || !FLetCursorUpdate) return;
    DoChange();
    // The longest length is rescanned at the next paint, not on every change.
    RefreshScrollBars(false);
    ScrollCaretIntoView();
    InvalidateClient();
    for (int& line : FBookmarkList)
        if (line >= FLines->Count()) line = -1;
}

void TQuillCustomMemo::UpdateMaxLength()
{
    // Edits through the memo keep the longest length current (PutLine), so
    // a scan is needed only after lines came or went or a longest line shrank.
    const memo::TIntList& lengths = FLines->LineLengths();
    if (lengths.Count() != FLines->Count() || FMaxLengthCount == FLines->Count()) return;
    FMaxLengthCount = FLines->Count();
    int longest = 0;
    for (int i = 0; i < lengths.Count(); ++i) longest = std::max(longest, lengths.Items(i));
    FMaxLength = longest;
}

void TQuillCustomMemo::SetLines(const TStrings& Value)
{
    FLines->Clear();
    FLines->AddStrings(Value);
    if (FTrimTrailingSpaces)
        for (int i = 0; i < FLines->Count(); ++i) {
            std::string line = FLines->Strings(i);
            size_t end = line.find_last_not_of(' ');
            line.erase(end == std::string::npos ? 0 : end + 1);
            FLines->SetStrings(i, line);
        }
    InvalidateTopLineStyle();
    UpdateWrap();
    DoSelectionChange();
    Invalidate();
}

void TQuillCustomMemo::InvalidateTopLineStyle()
{
    FLogicalFrom = -1;
    FMaxLengthCount = -1;
    FbackupTopLine = -1;
    FStyleDirtyFrom = 0;
}

void TQuillCustomMemo::NoteEdit(int Y)
{
    // Cached start states of the lines below an edit may no longer hold;
    // they are dropped before the next lookup.
    if (FStyleDirtyFrom < 0 || Y + 1 < FStyleDirtyFrom) FStyleDirtyFrom = std::max(Y + 1, 0);
    if (Y < FTopLine) FbackupTopLine = -1;
    NoteWrapEdit(Y, Y);
}

void TQuillCustomMemo::StoreCaret(int X, int Y)
{
    FCurX = X;
    FCurY = Y;
}

void TQuillCustomMemo::ResetSelectionAndCaret()
{
    FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
    FCurY = 0;
    FCurX = 0;
}

void TQuillCustomMemo::ClearMemo()
{
    FLines->Clear();
    memo::ClearStyleCache(*FLines);
    InvalidateTopLineStyle();
    ResetSelectionAndCaret();
    FTopLine = FLeftCol = 0;
    Invalidate();
}

void TQuillCustomMemo::SetUndoLimit(int Value)
{
    if (Value == FUndoLimit) return;
    FUndoLimit = std::clamp(Value, 1, 100);
    FUndoList->SetLimit(FUndoLimit);
}

void TQuillCustomMemo::UndoChanged()
{
    if (OnUndoChange && !ComponentState().Contains(csDestroying)) OnUndoChange(this, CanUndo(), CanRedo());
}

void TQuillCustomMemo::Undo() { FUndoList->Undo(); }

void TQuillCustomMemo::Redo()
{
    FUndoList->Redo();
    Invalidate();
}

void TQuillCustomMemo::SetSyntaxStyles(TQuillCustomMemoStyler* Value)
{
    if (FInternalStyles && FInternalStyles != Value) FInternalStyles->RemoveFreeNotification(this);
    FInternalStyles = Value;
    FUseStyler = Value != nullptr;
    if (Value) {
        Value->FreeNotification(this);
        Value->AllStyles().FOwner = this;
        TElementStyles& styles = Value->AllStyles();
        for (int i = 0; i < styles.Count(); ++i) {
            TElementStyle& item = *styles.Items(i);
            if (item.StyleType() != stKeyword) continue;
            TStringList& words = item.KeyWords();
            words.SetSorted(false);
            if (!FCaseSensitive)
                for (int k = 0; k < words.Count(); ++k) words.SetStrings(k, AnsiLowerCase(words.Strings(k)));
            words.SetDuplicates(dupAccept);
            words.SetSorted(true);
        }
    }
    FCachedDelimiters.clear();
    FCachedDelimitersFound = false;
    InvalidateTopLineStyle();
    Invalidate();
}

void TQuillCustomMemo::SetUseStyler(bool Value)
{
    FUseStyler = Value;
    InvalidateTopLineStyle();
    Invalidate();
}

void TQuillCustomMemo::SetCaseSensitive(bool Value)
{
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    Invalidate();
}

void TQuillCustomMemo::SetUrlAware(bool Value)
{
    FUrlAware = Value;
    InvalidateTopLineStyle();
    Invalidate();
}

void TQuillCustomMemo::SetHideSelection(bool Value)
{
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    Invalidate();
}

void TQuillCustomMemo::SetRightMargin(int Value)
{
    FRightMargin = Value;
    if (FWordWrap == wwRightMargin) UpdateWrap();
    Invalidate();
}

void TQuillCustomMemo::SetShowRightMargin(bool Value)
{
    FShowRightMargin = Value;
    Invalidate();
}

TQuillMemo::TQuillMemo(TComponent* AOwner) : TQuillCustomMemo(AOwner)
{
    SetBounds(0, 0, 350, 250);
    SetDelErase(true);
    TFont font;
    font.SetName("COURIER NEW");
    font.SetCharset(1);
    font.SetColor(clBlack);
    font.SetHeight(-13);
    SetFont(font);
    OnGutterClick = [this](TObject* sender, int line) { DefaultGutterClick(sender, line); };
    OnGutterDraw = [this](TObject* sender, TCanvas& canvas, int line, TRect rct) {
        DefaultGutterDraw(sender, canvas, line, rct);
    };
    OnChange = [this](TObject*) { Invalidate(); };
}

bool TQuillMemo::IsWordDelimiter(char32_t Ch) const
{
    if (TQuillCustomMemo::IsWordDelimiter(Ch)) return true;
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    return styler && styler->AllStyles().IsWordBoundary(Ch);
}
