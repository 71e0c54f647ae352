// The gutter and the active-line settings, the default mark painter and the memo's named looks.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

TQuillGutter::TQuillGutter(TQuillCustomMemo* AOwner) : Memo(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetName("Courier New");
    FFont->SetSize(10);
    FFont->OnChange = [this](TObject* sender) {
        if (FOnChange) FOnChange(sender);
    };
}

TQuillGutter::~TQuillGutter() = default;

void TQuillGutter::Changed()
{
    if (Memo) {
        TRect r = FullRect();
        Memo->InvalidateRect(&r, false);
    }
}

void TQuillGutter::SetGutterColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TQuillGutter::SetGutterColorTo(TColor Value)
{
    FColorTo = Value;
    Changed();
}

void TQuillGutter::SetShowLeadingZeros(bool Value)
{
    FShowLeadingZeros = Value;
    Changed();
}

void TQuillGutter::SetVisible(bool Value)
{
    FShowGutter = Value;
    Changed();
    if (Memo) Memo->Invalidate();
}

void TQuillGutter::SetDigitCount(int Value)
{
    // A count beyond any line number would only pad every number on each paint.
    FDigitCount = std::clamp(Value, 0, 10);
    Changed();
}

void TQuillGutter::SetGutterWidth(int Value)
{
    FGutterWidth = Value;
    FWidth = Value;
    if (Memo && !Memo->ComponentState().Contains(csLoading)) Memo->UpdateLayout();
}

void TQuillGutter::SetGutterMargin(int Value)
{
    if (FGutterMargin != Value) FGutterMargin = std::max(Value, 45);
}

void TQuillGutter::SetNumberSuffix(const std::string& Value)
{
    FNumberSuffix = Value;
    Changed();
}

void TQuillGutter::SetLineNumberTextColor(TColor Value)
{
    if (FLineNumberTextColor == Value) return;
    FLineNumberTextColor = Value;
    Changed();
}

void TQuillGutter::SetShowLineNumbers(bool Value)
{
    FShowLineNumbers = Value;
    Changed();
}

void TQuillGutter::SetShowModified(bool Value)
{
    FShowModified = Value;
    Changed();
}

void TQuillGutter::SetLineNumberStart(int Value)
{
    if (Value < 0 || Value == FLineNumberStart) return;
    FLineNumberStart = Value;
    Changed();
}

void TQuillGutter::SetModifiedColor(TColor Value)
{
    FModifiedColor = Value;
    Changed();
}

void TQuillGutter::SetModifiedColorBkg(TColor Value)
{
    FModifiedColorBkg = Value;
    Changed();
}

void TQuillGutter::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Changed();
}

void TQuillGutter::Assign(const TPersistent* Source)
{
    auto* other = dynamic_cast<const TQuillGutter*>(Source);
    if (!other) return;
    SetDigitCount(other->DigitCount());
    SetFont(other->Font());
    SetBorderColor(other->BorderColor());
    SetGutterWidth(other->GutterWidth());
    SetGutterMargin(other->GutterMargin());
    SetGutterColor(other->GutterColor());
    SetGutterColorTo(other->GutterColorTo());
    SetLineNumberStart(other->LineNumberStart());
    SetLineNumberTextColor(other->LineNumberTextColor());
    SetModifiedColorBkg(other->ModifiedColorBkg());
    SetModifiedColor(other->ModifiedColor());
    SetNumberSuffix(other->NumberSuffix());
    SetShowLineNumbers(other->ShowLineNumbers());
    SetShowModified(other->ShowModified());
    SetVisible(other->Visible());
    SetShowLeadingZeros(other->ShowLeadingZeros());
}

void TQuillGutter::PaintTo(TCanvas& Canvas)
{
    if (FWidth < 1 || FHeight < 1 || !Memo) return;
    TBitmap bitmap;
    bitmap.SetSize(FWidth, FHeight);
    TCanvas& c = *bitmap.Canvas();
    // The bitmap is placed at (Left, Top); inside it everything starts at 0.
    TRect back{0, 0, FWidth - 3, FHeight};
    if (FColorTo == clNone) {
        c.Brush()->SetColor(FColor);
        c.FillRect(back);
    } else {
        TQuillCustomMemo::DrawGutterGradient(c, FColor, FColorTo, true, back, 48);
    }
    c.Brush()->SetColor(Memo->BkColor());
    c.FillRect({FWidth - 3, 0, FWidth, FHeight});
    c.Pen()->SetColor(FBorderColor);
    c.MoveTo(FWidth - 1, 0);
    c.LineTo(FWidth - 1, FHeight);
    c.Pen()->SetColor(clWhite);
    c.MoveTo(FWidth - 2, 0);
    c.LineTo(FWidth - 2, FHeight);
    if (Memo->OnGutterDraw) {
        const TQuillMemoStrings& lines = Memo->EffectiveLines();
        int h = std::max(Memo->CellSize().H, 1);
        int r = Memo->FoldingActive() ? Memo->DisplayRowFromLine(Memo->TopLine()) : Memo->TopLine();
        int rows = Memo->FoldingActive() ? Memo->DisplayRowFromLine(lines.Count() - 1) + 1 : lines.Count();
        // Numbers count logical lines: a soft-wrap continuation gets none.
        int n = r > 0 ? Memo->LogicalLineIndex(r - 1) + 1 : 0;
        for (int y = 0; y < FHeight && r < std::max(rows, 1); y += h, ++r) {
            int line = Memo->FoldingActive() ? Memo->LineFromDisplayRow(r) : r;
            if (memo::IsLineWrapped(lines, line)) continue;
            Memo->OnGutterDraw(Memo, c, n, {0, y, FWidth - 2, y + h});
            ++n;
        }
    }
    Canvas.Draw(FLeft, FTop, &bitmap);
}

void TQuillActiveLineSettings::SetActiveLineColor(TColor Value)
{
    if (FActiveLineColor == Value) return;
    FActiveLineColor = Value;
    if (Memo) Memo->Invalidate();
}

void TQuillActiveLineSettings::SetActiveLineTextColor(TColor Value)
{
    if (FActiveLineTextColor == Value) return;
    FActiveLineTextColor = Value;
    if (Memo) Memo->Invalidate();
}

void TQuillActiveLineSettings::SetActiveLineAtCursor(bool Value)
{
    if (FActiveLineAtCursor == Value) return;
    FActiveLineAtCursor = Value;
    if (Memo && Value) Memo->SetActiveLine(Memo->CurY());
    if (Memo) Memo->Invalidate();
}

void TQuillActiveLineSettings::SetShowActiveLine(bool Value)
{
    FShowActiveLine = Value;
    if (Memo) Memo->Invalidate();
}

void TQuillActiveLineSettings::SetShowActiveLineIndicator(bool Value)
{
    if (FShowActiveLineIndicator == Value) return;
    FShowActiveLineIndicator = Value;
    if (Memo) Memo->Invalidate();
}

void TQuillActiveLineSettings::Assign(const TPersistent* Source)
{
    auto* other = dynamic_cast<const TQuillActiveLineSettings*>(Source);
    if (!other) return;
    SetShowActiveLine(other->ShowActiveLine());
    SetShowActiveLineIndicator(other->ShowActiveLineIndicator());
    SetActiveLineColor(other->ActiveLineColor());
    SetActiveLineAtCursor(other->ActiveLineAtCursor());
    SetActiveLineTextColor(other->ActiveLineTextColor());
}

std::string TQuillCustomMemo::FormatLineNumber(int N, int& X)
{
    std::string text = std::to_string(N);
    if (FGutter->ShowLeadingZeros() && static_cast<int>(text.size()) < FGutter->DigitCount())
        text.insert(0, static_cast<size_t>(FGutter->DigitCount()) - text.size(), '0');
    Canvas()->SetFont(&FGutter->Font());
    int w = Canvas()->TextWidth("W");
    X = FGutter->GutterWidth() - FGutter->GutterMargin();
    if (text.size() <= 3) X += static_cast<int>(4 - text.size()) * w;
    return text;
}

void TQuillCustomMemo::DefaultGutterDraw(TObject*, TCanvas& ACanvas, int LineNo, TRect rct)
{
    int x = rct.Left, top = rct.Top;
    if (FoldingActive()) LineNo = LineFromDisplayRow(LineNo);
    if (FMarkerList->Markers().MarkerAtLine(LineNo)) {
        int image = FMarkerList->ImageIndexAt(LineNo);
        if (image >= 0 && FMarkerList->MarkerImageList() && image < FMarkerList->MarkerImageList()->Count())
            FMarkerList->MarkerImageList()->Draw(&ACanvas, x + 1, top + 2, image);
        x += 16;
    }
    if (memo::Bookmark(*FLines, LineNo)) {
        ACanvas.Brush()->SetColor(clBlue);
        ACanvas.FillRect({x + 2, top + 2, x + 8, top + 8});
    }
    if (FGutter->ShowLineNumbers()) {
        ACanvas.Brush()->SetStyle(bsClear);
        ACanvas.SetFont(&FGutter->Font());
        ACanvas.Font()->SetColor(FGutter->LineNumberTextColor());
        int tx = 0;
        std::string text = FormatLineNumber(LineNo + FGutter->LineNumberStart(), tx) + FGutter->NumberSuffix();
        ACanvas.TextOut(tx, top, text);
        ACanvas.Brush()->SetStyle(bsSolid);
        ACanvas.SetFont(FFont.get());
    }
    if (LineNo >= FLines->Count()) return;
    if (FGutter->ShowModified()) {
        TLineModifiedState state = memo::LineModifiedInt(*FLines, LineNo);
        if (state != lmUnmodified) {
            ACanvas.Brush()->SetColor(state == lmModified ? FGutter->ModifiedColor() : FGutter->ModifiedColorBkg());
            ACanvas.FillRect({rct.Right - 4, top, rct.Right, rct.Bottom});
        }
    }
    if (memo::Executable(*FLines, LineNo)) {
        ACanvas.Brush()->SetColor(clBlue);
        ACanvas.Pen()->SetColor(clNavy);
        ACanvas.Ellipse(x + 5, top + 8, x + 9, top + 12);
        ACanvas.Pen()->SetColor(clAqua);
        ACanvas.Pen()->SetWidth(1);
        ACanvas.MoveTo(x + 6, top + 8);
        ACanvas.LineTo(x + 4, top + 10);
    }
    if (memo::BreakPoint(*FLines, LineNo)) {
        ACanvas.Brush()->SetColor(clRed);
        ACanvas.Pen()->SetColor(clBlack);
        ACanvas.Ellipse(x + 2, top + 4, x + 12, top + 14);
    }
    if (LineNo == LogicalLineIndex(FActiveLine) && FActiveLineSettings->ShowActiveLineIndicator()) {
        ACanvas.Brush()->SetColor(clLime);
        ACanvas.Pen()->SetColor(clGray);
        const TPoint arrow[] = {{x + 13, top + 7}, {x + 13, top + 11}, {x + 16, top + 11}, {x + 16, top + 14},
                                {x + 21, top + 9}, {x + 16, top + 4},  {x + 16, top + 7}};
        ACanvas.Polygon(arrow);
    }
}

void TQuillCustomMemo::DefaultGutterClick(TObject*, int LineNo)
{
    SetCurY(LineNo);
    SetSelStart(TextFromPos(FCurX, FCurY));
    SetSelLength(0);
    ClearSelection();
}

namespace {

struct LookColors {
    TColor Gutter, GutterTo, Border;
};

// Indexed by TQuillMemoStyle; msCustom changes nothing.
constexpr LookColors Looks[] = {
    {0xFCE1CB, 0xE0A57D, 0x962D00}, {0xCFF0EA, 0x8CC0B1, 0x588060}, {0xECE2E1, 0xB39698, 0x947C7C},
    {0xFFFFFF, 0xCCD4D8, 0x808080}, {0xFFEFE3, 0xFFD2AF, 0xFFD2AF}, {0xF2F1F0, 0xC9C2BD, 0x5C534C},
    {clBtnFace, clBtnFace, 0x000000}, {0xA8C0C0, 0xF5F9FA, 0x962D00}, {clNone, clNone, clNone},
    {0xF8F7F6, 0xE8E0DB, 0x74706F}, {0xFDF8F1, 0xFCEFD5, 0xFDDE99}, {0xFCDBC1, 0xFCEBDC, 0xCEA27D},
    {clBtnFace, clBtnFace, 0x808080}, {0xFDF6EF, 0xF0DAC7, 0xC7B29F}, {0xFFFFFF, 0xEDE5E0, 0xD2CDC8},
    {0xBFBFBF, 0x919191, 0x6D6D6D}};

} // namespace

void TQuillCustomMemo::SetStyle(TQuillMemoStyle AStyle)
{
    if (AStyle != msCustom) {
        const LookColors& look = Looks[AStyle];
        FGutter->StoreColors(look.Gutter, look.GutterTo);
        SetBorderColor(look.Border);
    }
    FGutter->SetBorderColor(FBorderColor);
    Invalidate();
}

void TQuillCustomMemo::SetComponentStyle(TQORStyle AStyle)
{
    static constexpr TQuillMemoStyle byName[] = {
        msOffice2003Blue,  msOffice2003Silver, msOffice2003Olive,  msOffice2003Classic, msOffice2007Luna,
        msOffice2007Obsidian, msWindowsXP,     msWhidbey,          msCustom,            msOffice2007Silver,
        msWindowsVista,    msWindows7,         msTerminal,         msOffice2010Blue,    msOffice2010Silver,
        msOffice2010Black};
    SetStyle(byName[AStyle]);
}

void TQuillCustomMemo::SetActiveLine(int Value)
{
    FActiveLine = Value;
    if (FActiveLineSettings->ShowActiveLineIndicator() && !FActiveLineSettings->ShowActiveLine() && FGutter->Visible()) {
        TRect strip{0, 0, FGutter->Width(), Height()};
        InvalidateRect(&strip, false);
    }
    if (!FActiveLineSettings->ShowActiveLine()) return;
    ScrollCaretIntoView();
    if (Value >= FTopLine + VisibleLineCount() || Value < FTopLine) FTopLine = std::max(Value, 0);
    InvalidateClient();
}
