// Copying one memo's settings and text into another, and the gutter colours that follow the desktop theme.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"

void TQuillCustomMemo::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TQuillCustomMemo*>(Source);
    if (!other) return;
    // The text is taken whole: soft wraps are undone on both sides and made
    // again last, for this memo's width.
    SetWordWrap(wwNone);
    FActiveLineSettings->Assign(other->FActiveLineSettings.get());
    SetAlign(other->Align());
    SetAnchors(other->Anchors());
    FAutoCorrect->Assign(other->FAutoCorrect.get());
    FAutoExpand = other->FAutoExpand;
    FAutoIndent = other->FAutoIndent;
    SetAutoThemeAdapt(other->FAutoThemeAdapt);
    SetBandColor(other->FBandColor);
    SetBkColor(other->FBkColor);
    SetBorderColor(other->FBorderColor);
    SetBorderStyle(other->FBorderStyle);
    FBreakpointColor = other->FBreakpointColor;
    FBreakpointTextColor = other->FBreakpointTextColor;
    SetCaseSensitive(other->FCaseSensitive);
    FCharCase = other->FCharCase;
    FClipboardFormats = other->FClipboardFormats;
    FCodeFolding->Assign(other->FCodeFolding.get());
    SetCtl3D(other->FCtl3D);
    SetCursor(other->Cursor());
    FDelErase = other->FDelErase;
    SetEnabled(other->Enabled());
    FEnhancedHomeKey = other->FEnhancedHomeKey;
    SetFont(*other->FFont);
    FGutter->Assign(other->FGutter.get());
    SetHint(other->Hint());
    TStringList text;
    text.SetText(memo::WrappedText(*other->FLines));
    SetLines(text);
    FMarkerList->Assign(other->FMarkerList.get());
    FPrintOptions->Assign(other->FPrintOptions.get());
    FReadOnly = other->FReadOnly;
    SetRightMargin(other->FRightMargin);
    SetRightMarginColor(other->FRightMarginColor);
    SetScrollBars(other->FScrollBars);
    FScrollHint = other->FScrollHint;
    FScrollMode = other->FScrollMode;
    SetSelBkColor(other->FSelBkColor);
    SetShowHint(other->ShowHint());
    SetShowRightMargin(other->FShowRightMargin);
    SetSmartTabs(other->FSmartTabs);
    SetTabStop(other->TabStop());
    SetTag(other->Tag());
    SetTrimTrailingSpaces(other->FTrimTrailingSpaces);
    SetUndoLimit(other->FUndoLimit);
    FUndoLineByLine = other->FUndoLineByLine;
    SetUrlAware(other->FUrlAware);
    FUrlStyle->Assign(other->FUrlStyle.get());
    SetUseStyler(other->FUseStyler);
    SetVisible(other->Visible());
    FWantTab = other->FWantTab;
    SetWordWrap(other->FWordWrap);
}

void TQuillCustomMemo::SetRightMarginColor(TColor Value)
{
    if (FRightMarginColor == Value) return;
    FRightMarginColor = Value;
    Invalidate();
}

void TQuillCustomMemo::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    if (Value) ApplyThemeGutterColors();
}

void TQuillCustomMemo::ApplyThemeGutterColors()
{
    // The desktop offers no named colour scheme to follow here, which the
    // gutter shows as its plain gradient.
    FGutter->SetGutterColor(clWhite);
    FGutter->SetGutterColorTo(clBtnFace);
}
