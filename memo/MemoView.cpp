// The memo's view: painting, the visible range, scrolling, scroll bars, geometry, caret and focus.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/Timer.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Screen.h"

#include <cmath>

void TQuillCustomMemo::FontChanged(TObject*) { ApplyFont(); }

// Every character takes the cell of "W"; a proportional font is replaced by
// a fixed one. The guard stops the replacement from running the handler
// again without end.
void TQuillCustomMemo::ApplyFont()
{
    if (FApplyingFont) return;
    FApplyingFont = true;
    auto done = rtl::ScopeExit([&] { FApplyingFont = false; });
    TCanvas& canvas = *FLineBitmap->Canvas();
    canvas.SetFont(FFont.get());
    if (canvas.TextWidth("W") != canvas.TextWidth("i")) {
        FFont->SetName("FixedSys");
        canvas.SetFont(FFont.get());
    }
    // The control's own font, which its canvas takes at every paint, is the memo font too.
    TControl::SetFont(*FFont);
    Canvas()->SetFont(FFont.get());
    canvas.Font()->SetStyle({});
    FCellSize.W = canvas.TextWidth("W");
    canvas.Font()->SetStyle({fsBold});
    FNoRealFixedWidth = canvas.TextWidth("W") != FCellSize.W;
    FCellSize.H = canvas.TextHeight("W_") + 1;
    canvas.SetFont(FFont.get());
    if (FCaretVisible) {
        HideCaret(Handle());
        DestroyCaret();
        CreateCaret(Handle(), 2, FCellSize.H - 2);
        ShowCaret(Handle());
    }
    RefreshScrollBars(false);
    Invalidate();
}

void TQuillCustomMemo::SetFont(const TFont& Value)
{
    FFont->Assign(&Value);
    ApplyFont();
}

TRect TQuillCustomMemo::TextAreaRect() const
{
    TRect r;
    r.Left = (FGutter->Visible() && FGutter->GutterWidth() > 2 ? FGutter->GutterWidth() + 2 : 2) + FMargin;
    r.Top = 2;
    r.Right = Width() - 2;
    if ((FScrollBars == ssVertical || FScrollBars == ssBoth) && sbVert->Visible()) r.Right -= sbVert->Width();
    r.Bottom = Height() - 2;
    if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && sbHorz->Visible()) r.Bottom -= sbHorz->Height();
    int grow = FBorderStyle == bsNone ? 2 : !FCtl3D ? 1 : 0;
    r.Left -= grow;
    r.Top -= grow;
    r.Right += grow;
    r.Bottom += grow;
    if (FoldingActive() && FCodeFoldingNodeCount > 0) r.Left += 16;
    return r;
}

TRect TQuillCustomMemo::FoldingColumnRect() const
{
    if (!FoldingActive() || FCodeFoldingNodeCount == 0) return {};
    TRect area = TextAreaRect();
    return {area.Left - 16, area.Top, area.Left, area.Bottom};
}

TRect TQuillCustomMemo::CharCellRect(int Col, int Row) const
{
    TRect area = TextAreaRect();
    return {area.Left + FCellSize.W * Col, area.Top + FCellSize.H * Row + 1, area.Left + FCellSize.W * (Col + 1),
            area.Top + FCellSize.H * (Row + 1) + 1};
}

TRect TQuillCustomMemo::LineRowRect(int VisibleIndex) const
{
    TRect area = TextAreaRect();
    int row = VisibleIndex - DisplayRowFromLine(FTopLine);
    int top = area.Top + FCellSize.H * row;
    return {area.Left, top, area.Right, top + FCellSize.H};
}

TCellPos TQuillCustomMemo::PointToCell(int X, int Y)
{
    if (FCellSize.H == 0) ApplyFont();
    if (FCellSize.W == 0 || FCellSize.H == 0) return {};
    TRect area = TextAreaRect();
    return {(X + FCellSize.W / 2 - area.Left) / FCellSize.W, (Y - area.Top) / FCellSize.H};
}

void TQuillCustomMemo::MouseToCursor(int X, int Y, int& CursorX, int& CursorY)
{
    TCellPos cell = PointToCell(X, Y);
    CursorX = cell.X;
    CursorY = cell.Y;
}

TFullPos TQuillCustomMemo::CharFromPos(int X, int Y)
{
    if (FCellSize.H == 0) ApplyFont();
    if (FCellSize.W == 0 || FCellSize.H == 0) return {1, 1};
    TRect area = TextAreaRect();
    int row = (Y - area.Top) / FCellSize.H;
    int line = FoldingActive() ? LineFromDisplayRow(DisplayRowFromLine(FTopLine) + row) : FTopLine + row;
    return {line, (X - area.Left) / FCellSize.W + FLeftCol};
}

int TQuillCustomMemo::VisibleRange(int Index)
{
    TRect area = TextAreaRect();
    if (Index <= 1) {
        TCellPos cell = PointToCell(area.Right - 1, area.Bottom - 1);
        return Index == 0 ? cell.X : cell.Y;
    }
    TFullPos pos = CharFromPos(area.Right - 1, area.Bottom - 1);
    return Index == 2 ? pos.Pos - 1 : pos.LineNo - 1;
}

void TQuillCustomMemo::ScrollCaretIntoView()
{
    if (FCellSize.H == 0) return;
    bool moved = false;
    int lastCol = VisibleRange(2), lastLine = VisibleRange(3);
    if (FCurX < FLeftCol) {
        FLeftCol = std::max(FCurX - 2, 0);
        moved = true;
    } else if (FCurX > lastCol) {
        if (FScrollMode == smStrict && FScrollBars != ssHorizontal && FScrollBars != ssBoth) FCurX = std::max(lastCol, 0);
        else FLeftCol = std::max(FLeftCol + FCurX - lastCol + 2, 0);
        moved = true;
    }
    if (FCurY < FTopLine) {
        FTopLine = std::max(FCurY, 0);
        moved = true;
    } else if (FCurY > lastLine) {
        if (FScrollMode == smStrict && FScrollBars != ssVertical && FScrollBars != ssBoth) {
            FCurY = std::max(lastLine, 0);
        } else if (FoldingActive()) {
            int diff = DisplayRowFromLine(FCurY) - DisplayRowFromLine(lastLine);
            if (diff > 0) FTopLine = LineFromDisplayRow(DisplayRowFromLine(FTopLine) + diff);
        } else {
            FTopLine += FCurY - lastLine;
        }
        moved = true;
    }
    if (moved) Invalidate();
}

void TQuillCustomMemo::RefreshScrollBars(bool Repaint)
{
    bool vertAllowed = FScrollBars == ssVertical || FScrollBars == ssBoth;
    bool horzAllowed = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    if (!vertAllowed) sbVert->SetVisible(false);
    if (!horzAllowed) sbHorz->SetVisible(false);
    if (!FLetRefresh || FCellSize.H == 0) return;
    bool vertWas = sbVert->Visible(), horzWas = sbHorz->Visible();
    if (vertAllowed) {
        int total = FoldingActive() ? DisplayRowFromLine(FLines->Count() - 1) + 1 : FLines->Count();
        int visible = VisibleLineCount();
        if (visible > 0 && visible < total) {
            int max = total - 1;
            if (sbVert->Max() != max) sbVert->SetParams(std::min(sbVert->Position(), max), 0, max);
            sbVert->SetPageSize(visible);
            sbVert->SetPosition(FoldingActive() ? DisplayRowFromLine(FTopLine) : FTopLine);
            sbVert->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
            sbVert->SetVisible(true);
        } else {
            sbVert->SetPageSize(-1);
            FTopLine = 0;
            sbVert->SetVisible(false);
        }
    }
    if (horzAllowed && FWordWrap != wwClientWidth) {
        int visible = VisiblePosCount();
        if (visible > 0 && visible < FMaxLength) {
            if (sbHorz->Max() != FMaxLength) {
                sbHorz->SetPageSize(1);
                sbHorz->SetParams(std::min(sbHorz->Position(), FMaxLength), 0, FMaxLength);
            }
            sbHorz->SetPageSize(visible + 1);
            sbHorz->SetHeight(GetSystemMetrics(SM_CYHSCROLL));
            sbHorz->SetPosition(FLeftCol);
            sbHorz->SetVisible(true);
        } else {
            if (FCurX < visible) {
                sbHorz->SetVisible(false);
                sbHorz->SetPageSize(-1);
            }
            FLeftCol = 0;
        }
    }
    if (vertWas != sbVert->Visible() || horzWas != sbHorz->Visible()) RefreshScrollBars(Repaint);
    if (Repaint) Invalidate();
}

void TQuillCustomMemo::UpdateGutterHeight() { FGutter->SetHeight(TextAreaRect().Height()); }

void TQuillCustomMemo::UpdateLayout()
{
    // Nothing while the control is being created or loaded.
    if (!FGutter || ComponentState().Contains(csLoading)) return;
    int selStart = SelStart(), selLength = SelLength(), top = FTopLine, count = FLines->Count();
    // Text offsets hold across a re-wrap: no line break lies between a line and its continuation.
    UpdateWrap();
    if (FWordWrap != wwClientWidth) RefreshScrollBars(false);
    UpdateGutterHeight();
    SetSelStart(selStart);
    SetSelLength(selLength);
    ScrollCaretIntoView();
    if (count == FLines->Count() || FWordWrap == wwNone) FTopLine = top;
    Invalidate();
}

void TQuillCustomMemo::SetScrollBars(TScrollStyle Value)
{
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    UpdateLayout();
}

void TQuillCustomMemo::Resize()
{
    TCustomControl::Resize();
    UpdateLayout();
}

void TQuillCustomMemo::PrepareLineBitmap()
{
    FLineBitmap->SetSize(std::max(TextAreaRect().Width(), 0), std::max(FCellSize.H, 1));
    FLineBitmap->Canvas()->SetFont(FFont.get());
    FLineBitmap->SetHandleType(bmDDB);
}

void TQuillCustomMemo::PaintGutter()
{
    if (FGutter->GutterWidth() <= 1 || !FGutter->Visible()) return;
    FGutter->SetHeight(TextAreaRect().Height());
    FGutter->PaintTo(*Canvas());
}

void TQuillCustomMemo::PaintMarginAndCorners()
{
    TRect area = TextAreaRect();
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(FBkColor);
    c.FillRect({area.Left - FMargin, area.Top, area.Left, area.Bottom});
    c.Brush()->SetColor(clScrollBar);
    if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && FWordWrap == wwNone && sbHorz->Visible()) {
        TRect r = sbHorz->BoundsRect();
        c.FillRect({r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1});
    }
    if ((FScrollBars == ssVertical || FScrollBars == ssBoth) && sbVert->Visible()) {
        TRect r = sbVert->BoundsRect();
        c.FillRect({r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1});
    }
}

void TQuillCustomMemo::PaintFoldingCell(int Row, int& Line, int& OpenRegions, TStyle& Style)
{
    TCanvas& c = *Canvas();
    TRect column = FoldingColumnRect();
    TRect cell = CharCellRect(0, Row);
    int left = column.Left, top = cell.Top, bottom = cell.Bottom;
    int off = (FCellSize.H - 9) / 2;
    c.Pen()->SetColor(FCodeFolding->LineColor());
    c.Pen()->SetWidth(1);
    auto vline = [&](int y0, int y1) {
        c.MoveTo(left + 6, y0);
        c.LineTo(left + 6, y1);
    };
    auto box = [&](bool plus) {
        c.Brush()->SetColor(FBkColor);
        TBitmap& glyph = plus ? FCodeFolding->ExpandGlyph() : FCodeFolding->CollapsedGlyph();
        if (!glyph.Empty()) {
            if (glyph.Width() > column.Width()) c.StretchDraw({left, top + off, column.Right, top + off + 9}, &glyph);
            else c.Draw(left + 2, top + off, &glyph);
            return;
        }
        c.Rectangle(left + 2, top + off, left + 11, top + off + 9);
        c.MoveTo(left + 4, top + off + 4);
        c.LineTo(left + 9, top + off + 4);
        if (plus) {
            c.MoveTo(left + 6, top + off + 2);
            c.LineTo(left + 6, top + off + 7);
        }
    };
    TLineProp* prop = FLines->GetLineProp(Line);
    int displayRow = FTopLine + Row;
    if (!prop) {
        if (OpenRegions > 0) vline(top, bottom);
        PaintLine(c, Line, displayRow, {}, plScreen, Style);
        return;
    }
    bool collapsed = prop->HasChildren() && !prop->Expanded();
    if (prop->HasParent()) vline(top, collapsed && RegionEndLine(Line) == FLines->Count() - 1 ? top + off : bottom);
    if (prop->LastChild()) {
        c.MoveTo(left + 6, bottom);
        c.LineTo(left + 10, bottom);
        OpenRegions -= prop->LastChildOfParents();
    }
    if (prop->HasChildren() && !collapsed) {
        vline(prop->HasParent() ? top : top + off, bottom);
        box(false);
        ++OpenRegions;
        PaintLine(c, Line, displayRow, {}, plScreen, Style);
    } else if (collapsed) {
        box(true);
        PaintLine(c, Line, displayRow, {}, plScreen, Style);
        int end = RegionEndLine(Line);
        Line = end > Line ? end : FLines->Count() - 1;
    } else {
        PaintLine(c, Line, displayRow, {}, plScreen, Style);
    }
}

void TQuillCustomMemo::Paint()
{
    if (FLines->UpdateCount() > 0) return;
    if (FCellSize.H == 0) ApplyFont();
    if (FMaxLengthCount != FLines->Count()) {
        UpdateMaxLength();
        RefreshScrollBars(false);
    }
    TCanvas& c = *Canvas();
    c.SetFont(FFont.get());
    PrepareLineBitmap();
    TRect area = TextAreaRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(FBkColor);
    c.Pen()->SetColor(FBkColor);
    // The whole client first: the control draws every pixel it owns.
    c.FillRect(ClientRect());
    PaintGutter();
    c.SetFont(FFont.get());
    TStyle style;
    // Edits below the top line leave its start state as it was.
    if (FTopLine == FbackupTopLine && (FStyleDirtyFrom < 0 || FStyleDirtyFrom > FTopLine)) {
        style = FBackupTopStyle;
    } else {
        bool saved = FLetRefresh;
        FLetRefresh = false;
        GetLineStartStyle(FTopLine, style);
        FLetRefresh = saved;
        FBackupTopStyle = style;
        FbackupTopLine = FTopLine;
    }
    int visible = VisibleLineCount();
    bool ranOut = false;
    int row = 0;
    int openRegions = 0;
    for (int i = FTopLine, j = FTopLine; i <= FTopLine + visible; ++i, ++j, ++row) {
        if (i >= FLines->Count() || (FoldingActive() && j >= FLines->Count())) {
            ranOut = true;
            break;
        }
        if (FoldingActive() && FCodeFoldingNodeCount > 0) PaintFoldingCell(row, j, openRegions, style);
        else PaintLine(c, i, -1, area, plScreen, style);
    }
    if (ranOut) {
        c.Brush()->SetColor(FBkColor);
        int top = FLines->Count() == 0 ? area.Top : CharCellRect(0, row).Top;
        c.FillRect({area.Left, top, area.Right, area.Bottom});
    }
    PaintMarginAndCorners();
    if (FRightMargin > 0 && FShowRightMargin) {
        int x = area.Left + c.TextWidth("w") * (FRightMargin - FLeftCol);
        if (x >= area.Left && x < area.Right) {
            c.Pen()->SetColor(FRightMarginColor);
            c.Pen()->SetWidth(2);
            c.MoveTo(x, area.Top);
            c.LineTo(x, area.Bottom);
            c.Pen()->SetWidth(1);
        }
        c.Pen()->SetColor(clGray);
    }
    if (FBorderStyle != bsNone) {
        if (FCtl3D) {
            DrawMemoFrame(c, {-10, -10, Width(), Height()}, 1);
        } else {
            c.Pen()->SetColor(FBorderColor);
            c.MoveTo(0, Height());
            c.LineTo(0, 0);
            c.LineTo(Width() - 1, 0);
            c.LineTo(Width() - 1, Height() - 1);
            c.LineTo(0, Height() - 1);
        }
    }
}

void TQuillCustomMemo::UpdateCaret(bool Show)
{
    if (!Show) {
        if (FCaretVisible) HideCaret(Handle());
        FCaretVisible = false;
        return;
    }
    if (!Focused() || FHiddenCaret) return;
    int row = FoldingActive() ? DisplayRowFromLine(FCurY) - DisplayRowFromLine(FTopLine) : FCurY - FTopLine;
    TRect cell = CharCellRect(FCurX - FLeftCol, row);
    unsigned x = static_cast<unsigned>(cell.Left), y = static_cast<unsigned>(cell.Top + 1);
    if (x != FCaretX || y != FCaretY) SetCaretPos(cell.Left, cell.Top + 1);
    FCaretX = x;
    FCaretY = y;
    if (!FCaretVisible) ShowCaret(Handle());
    FCaretVisible = true;
}

void TQuillCustomMemo::WMSetFocus(TMessage& Message)
{
    TCustomControl::WMSetFocus(Message);
    if (FCellSize.H == 0) ApplyFont();
    CreateCaret(Handle(), 2, FCellSize.H - 2);
    FCaretX = FCaretY = 0xFFFF;
    FCaretVisible = false;
    UpdateCaret(true);
    // Writing the blink time back restarts the blink, so the caret shows at once.
    FCaretTime = GetCaretBlinkTime();
    SetCaretBlinkTime(FCaretTime);
    if (!FHiddenCaret) UpdateCaret(true);
    Invalidate();
}

void TQuillCustomMemo::WMKillFocus(TMessage& Message)
{
    // The hint goes after a while, or at once unless it is what took the focus.
    FHintTimer->SetEnabled(true);
    if (!FHintShowing) HideHint();
    CancelAutoCompletion();
    HWND next = static_cast<HWND>(Message.WParam);
    bool toOwnBar = (sbVert->HandleAllocated() && next == sbVert->Handle()) ||
                    (sbHorz->HandleAllocated() && next == sbHorz->Handle());
    if (!toOwnBar) {
        if (FCaretTime) SetCaretBlinkTime(FCaretTime);
        DestroyCaret();
        FCaretVisible = false;
        TCustomControl::WMKillFocus(Message);
        Invalidate();
        return;
    }
    TCustomControl::WMKillFocus(Message);
}

void TQuillCustomMemo::WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }

void TQuillCustomMemo::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | (FWantTab ? DLGC_WANTTAB : 0);
}

void TQuillCustomMemo::CMWantSpecialKey(TMessage& Message)
{
    Message.Result = Message.WParam == VK_RETURN ? 1 : 0;
}

void TQuillCustomMemo::SetHiddenCaret(bool Value)
{
    if (FHiddenCaret == Value) return;
    FHiddenCaret = Value;
    if (Focused() && FCaretVisible == Value) UpdateCaret(!Value);
}

void TQuillCustomMemo::SetTopLine(int Value)
{
    if (Value == FTopLine) return;
    int count = FLines->Count(), visible = VisibleLineCount();
    if (count < visible) {
        SetCurY(0);
        SetCurX(0);
        return;
    }
    if (Value < 0) return;
    int old = FTopLine;
    if (Value + visible < count) {
        FTopLine = Value;
    } else if (FoldingActive()) {
        FTopLine = std::max(LineFromDisplayRow(DisplayRowFromLine(count - 1) - visible + 1), 0);
    } else {
        FTopLine = std::max(count - visible / 2, 0);
    }
    sbVert->SetPosition(FoldingActive() ? DisplayRowFromLine(FTopLine) : FTopLine);
    Invalidate();
    if (FCaretVisible) UpdateCaret(true);
    if (FTopLine != old && OnTopLeftChanged) OnTopLeftChanged(this);
}

void TQuillCustomMemo::SetLeftCol(int Value)
{
    if (Value == FLeftCol || Value < 0) return;
    FLeftCol = Value;
    sbHorz->SetPosition(Value);
    Invalidate();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TQuillCustomMemo::VertScrollChanged(TObject*)
{
    if (!sbVert->Visible()) return;
    int pos = sbVert->Position();
    if (sbVert->PageSize() > 0) pos = std::min(pos, sbVert->Max() - sbVert->PageSize() + 1);
    int line = FoldingActive() ? LineFromDisplayRow(pos) : pos;
    if (line == FTopLine) return;
    FTopLine = std::max(line, 0);
    Invalidate();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TQuillCustomMemo::HorzScrollChanged(TObject*)
{
    if (!sbHorz->Visible()) return;
    int pos = sbHorz->Position();
    if (sbHorz->PageSize() > 0) pos = std::min(pos, sbHorz->Max() - sbHorz->PageSize() + 2);
    if (pos == FLeftCol) return;
    FLeftCol = std::max(pos, 0);
    Invalidate();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TQuillCustomMemo::HandleScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)
{
    if (!Focused() && CanFocus()) SetFocus();
    auto* bar = static_cast<TScrollBar*>(Sender);
    if (bar == sbVert) {
        if (ScrollCode == scPageUp) ScrollPos -= VisibleLineCount();
        if (ScrollCode == scPageDown) ScrollPos += VisibleLineCount();
        if (FScrollHint && ScrollCode == scEndScroll) FScrollHintWindow->ReleaseHandle();
        if (FScrollHint && ScrollCode == scTrack) {
            std::string text = "Row : " + std::to_string(ScrollPos + 1);
            if (OnScrollHint) OnScrollHint(this, ScrollPos + 1, text);
            TRect r = FScrollHintWindow->CalcHintRect(100, text);
            TPoint at = Mouse->CursorPos();
            r = {r.Left + at.X + 10, r.Top + at.Y, r.Right + at.X + 10, r.Bottom + at.Y};
            FScrollHintWindow->SetCaption(text);
            FScrollHintWindow->SetColor(clInfoBk);
            FScrollHintWindow->ActivateHint(r, text);
        }
    }
    ScrollByDelta(bar, ScrollPos - bar->Position());
    Invalidate();
}

void TQuillCustomMemo::BeginUpdate() { FLetRefresh = false; }

void TQuillCustomMemo::EndUpdate()
{
    FLetRefresh = true;
    UpdateMaxLength();
    RefreshScrollBars(false);
}

void TQuillCustomMemo::ApplyBorderToGutter()
{
    if (FBorderStyle == bsSingle) {
        FGutter->SetLeft(FCtl3D ? 2 : 1);
        FGutter->SetTop(FCtl3D ? 2 : 1);
        FGutter->SetWidth(FGutter->GutterWidth());
    } else {
        FGutter->SetLeft(0);
        FGutter->SetTop(0);
        FGutter->SetWidth(FGutter->GutterWidth() + 2);
    }
}

void TQuillCustomMemo::SetBorderStyle(TBorderStyle Value)
{
    FBorderStyle = Value;
    ApplyBorderToGutter();
    Invalidate();
}

void TQuillCustomMemo::SetCtl3D(bool Value)
{
    FCtl3D = Value;
    ApplyBorderToGutter();
    Invalidate();
}

void TQuillCustomMemo::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TQuillCustomMemo::SetColorIndex(int Index, TColor Value)
{
    TColor& field = Index == 0 ? FBkColor : Index == 1 ? FSelColor : FSelBkColor;
    if (field == Value) return;
    field = Value;
    Invalidate();
}

void TQuillCustomMemo::SetBandColor(TColor Value)
{
    if (FBandColor == Value) return;
    FBandColor = Value;
    Invalidate();
}

void TQuillCustomMemo::DrawMemoFrame(TCanvas& Canvas, TRect R, int Scheme)
{
    static constexpr TColor pens[4][4] = {{RGB(208, 208, 208), RGB(255, 255, 255), RGB(128, 128, 128), RGB(0, 0, 0)},
                                          {RGB(128, 128, 128), RGB(0, 0, 0), RGB(208, 208, 208), RGB(255, 255, 255)},
                                          {RGB(255, 255, 255), clNone, clNone, RGB(128, 128, 128)},
                                          {RGB(128, 128, 128), clNone, clNone, RGB(255, 255, 255)}};
    const TColor* p = pens[std::clamp(Scheme, 0, 3)];
    auto path = [&](TColor color, std::initializer_list<TPoint> points) {
        Canvas.Pen()->SetColor(color);
        auto it = points.begin();
        Canvas.MoveTo(it->X, it->Y);
        for (++it; it != points.end(); ++it) Canvas.LineTo(it->X, it->Y);
    };
    path(p[0], {{R.Left, R.Bottom - 1}, {R.Left, R.Top}, {R.Right, R.Top}});
    if (Scheme <= 1) {
        path(p[1], {{R.Left + 1, R.Bottom}, {R.Left + 1, R.Top + 1}, {R.Right, R.Top + 1}});
        path(p[2], {{R.Left + 1, R.Bottom - 2}, {R.Right - 2, R.Bottom - 2}, {R.Right - 2, R.Top + 1}});
    }
    path(p[3], {{R.Left, R.Bottom - 1}, {R.Right - 1, R.Bottom - 1}, {R.Right - 1, R.Top}});
}

void TQuillCustomMemo::DrawGutterGradient(TCanvas& Canvas, TColor Color1, TColor Color2, bool Horizontal, TRect R,
                                          int Steps)
{
    Steps = std::max(Steps, 1);
    TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    auto part = [](TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    double size = static_cast<double>(Horizontal ? R.Right - R.Left : R.Bottom - R.Top) / Steps;
    for (int i = 0; i < Steps; ++i) {
        int rgb[3];
        for (int k = 0; k < 3; ++k)
            rgb[k] = part(c1, 8 * k) + static_cast<int>(std::lround(i * (part(c2, 8 * k) - part(c1, 8 * k)) / double(Steps)));
        TColor color = RGB(rgb[0], rgb[1], rgb[2]);
        Canvas.Pen()->SetColor(color);
        Canvas.Brush()->SetColor(color);
        int from = static_cast<int>(std::lround(i * size));
        if (Horizontal) {
            int x = R.Left + from;
            Canvas.FillRect({x, R.Top, std::min(R.Right, x + static_cast<int>(size) + 1), R.Bottom});
        } else {
            int y = R.Top + from;
            Canvas.FillRect({R.Left, y, R.Right, std::min(R.Bottom, y + static_cast<int>(size) + 1)});
        }
    }
}

void TQuillCustomMemo::DrawErrorWave(TCanvas& Canvas, TRect R)
{
    Canvas.Pen()->SetColor(clRed);
    Canvas.Pen()->SetWidth(1);
    int x = R.Left - R.Left % 2;
    int phase = x % 4 == 0 ? 2 : 0;
    Canvas.MoveTo(x, R.Bottom + phase - 1);
    while (x < R.Right) {
        phase = 2 - phase;
        Canvas.LineTo(x + 2, R.Bottom + phase - 1);
        x += 2;
    }
}
