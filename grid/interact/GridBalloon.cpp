// Balloon tips of the grid's cells: the content of a cell's balloon, the
// window that shows it, and the timing of showing, moving on and hiding.
#include "grid/interact/GridBalloon.h"
#include "grid/model/BehaviourSettings.h"

#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/paint/RichText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Timer.h"
#include "render/HTMLUtils.h"

namespace grid {

namespace {

constexpr size_t MaxText = 2048;
constexpr size_t MaxTitle = 100;
constexpr int MaxWidth = 300;
// The delays used where the settings leave them at -1.
constexpr int DefaultInitialDelay = 500;
constexpr int DefaultReshowDelay = 100;
constexpr int DefaultAutoHideDelay = 5000;
// The balloon shows this far below the pointer.
constexpr int BelowPointer = 20;
constexpr int IconSide = 16;
constexpr int Padding = 4;

std::string Shortened(std::string Text, size_t Limit)
{
    if (Text.size() <= Limit) return Text;
    Text.resize(Limit - 3);
    Text.append(3, '.');
    return Text;
}

std::string RichPlainText(const std::string& Text)
{
    try {
        std::string plain;
        for (const TRichRun& run : ReadRichText(Text)) plain += run.Text;
        return plain;
    } catch (const EReadError&) {
        return Text;
    }
}

std::string CellPlainText(TQuillStringGrid& Grid, int RealCol, int ARow)
{
    const std::string& raw = Grid.GetGridCell(RealCol, ARow);
    switch (ClassifyCellText(raw, true)) {
    case ctkHTML: return StripHTMLMarkup(raw);
    case ctkRTF: return RichPlainText(raw);
    case ctkWide: return rtl::Utf16ToUtf8(DecodeWideCellText(raw));
    default: return Grid.GetCellEx(RealCol, ARow);
    }
}

TColor IconColor(int Icon) { return Icon == 2 ? static_cast<TColor>(0x00A5FF) : Icon == 3 ? clRed : clBlue; }
const char* IconMark(int Icon) { return Icon == 2 ? "!" : Icon == 3 ? "x" : "i"; }

} // namespace

TBalloonContent CellBalloonContent(TQuillStringGrid& Grid, TGridCoord Cell)
{
    TBalloonContent content;
    const bool onCell = Cell.X >= 0 && Cell.Y >= 0 && Cell.X < Grid.ColCount() && Cell.Y < Grid.RowCount();
    const int col = onCell ? Grid.RealColIndex(Cell.X) : -1;
    if (onCell) {
        std::string text = CellPlainText(Grid, col, Cell.Y);
        std::replace(text.begin(), text.end(), '\t', ' ');
        text.erase(0, std::min(text.size(), text.find_first_not_of("\r\n\t")));
        content.Text = Shortened(std::move(text), MaxText);
    }
    if (onCell && Grid.OnCellBalloon) Grid.OnCellBalloon(&Grid, col, Cell.Y, content.Title, content.Text, content.Icon);
    content.Title = Shortened(std::move(content.Title), MaxTitle);
    return content;
}

TBalloonWindow::TBalloonWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void TBalloonWindow::SetContent(const TBalloonContent& Content)
{
    FContent = Content;
    Invalidate();
}

TSize TBalloonWindow::Layout(TCanvas& ACanvas, const TRect& R, bool Draw)
{
    ACanvas.Font()->Assign(&Font());
    const bool icon = FContent.Icon >= 1 && FContent.Icon <= 3;
    const int titleLeft = R.Left + (icon ? IconSide + Padding : 0);
    if (Draw && icon) {
        const TRect box{R.Left, R.Top, R.Left + IconSide, R.Top + IconSide};
        ACanvas.Brush()->SetStyle(bsSolid);
        ACanvas.Brush()->SetColor(IconColor(FContent.Icon));
        ACanvas.Pen()->SetColor(IconColor(FContent.Icon));
        ACanvas.Ellipse(box);
        ACanvas.Font()->SetColor(clWhite);
        ACanvas.Brush()->SetStyle(bsClear);
        TRect mark = box;
        std::string text = IconMark(FContent.Icon);
        ACanvas.TextRect(mark, text, {tfCenter, tfVerticalCenter, tfSingleLine, tfNoPrefix});
        ACanvas.Font()->Assign(&Font());
    }
    ACanvas.Brush()->SetStyle(bsClear);
    ACanvas.Font()->SetStyle(TFontStyles{fsBold});
    TRect title{titleLeft, R.Top, std::max(titleLeft + 1, R.Right), R.Top};
    std::string titleText = FContent.Title;
    ACanvas.TextRect(title, titleText, {tfCalcRect, tfLeft, tfWordBreak, tfNoPrefix});
    if (Draw) ACanvas.TextRect(title, titleText, {tfLeft, tfWordBreak, tfNoPrefix});
    ACanvas.Font()->SetStyle(TFontStyles{});
    const int textTop = std::max(title.Bottom, R.Top + (icon ? IconSide : 0)) + Padding;
    TRect body{R.Left, textTop, std::max(R.Left + 1, R.Right), textTop};
    std::string text = FContent.Text;
    ACanvas.TextRect(body, text, {tfCalcRect, tfLeft, tfWordBreak, tfNoPrefix});
    if (Draw) ACanvas.TextRect(body, text, {tfLeft, tfWordBreak, tfNoPrefix});
    return {std::max(title.Right, body.Right) - R.Left, body.Bottom - R.Top};
}

TRect TBalloonWindow::CalcHintRect(int MaxWidth, const std::string&)
{
    TBitmap probe(1, 1);
    const TSize size = Layout(*probe.Canvas(), {0, 0, MaxWidth - 2 * Padding, 0}, false);
    return {0, 0, size.cx + 2 * Padding, size.cy + 2 * Padding};
}

void TBalloonWindow::Paint()
{
    TCanvas* c = Canvas();
    const TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(clBlack);
    c->Rectangle(r);
    Layout(*c, {r.Left + Padding, r.Top + Padding, r.Right - Padding, r.Bottom - Padding}, true);
}

TGridBalloon::TGridBalloon(TQuillStringGrid& Grid) : FGrid(Grid)
{
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject*) { TimerDue(); };
}

TGridBalloon::~TGridBalloon() = default;

TBalloonWindow* TGridBalloon::Shown() const noexcept
{
    return FWindow && FWindow->Visible() ? FWindow.get() : nullptr;
}

void TGridBalloon::Wait(int Delay, int Default)
{
    FTimer->SetEnabled(false);
    FTimer->SetInterval(static_cast<unsigned>(std::max(1, Delay == -1 ? Default : Delay)));
    FTimer->SetEnabled(true);
}

void TGridBalloon::PointerAt(TPoint At)
{
    FPointer = At;
    const TGridCoord cell = FGrid.MouseCoord(At.X, At.Y);
    if (FLastPos.X >= 0 && cell == FLastPos) return;
    // Another cell: the balloon there shows once the pointer rests.
    const bool wasShown = Shown() != nullptr;
    if (FLastPos.X >= 0) {
        FLastPos = {-1, -1};
        if (FWindow) FWindow->ReleaseHandle();
        FReshow = wasShown;
    }
    const TBalloonSettings& settings = FGrid.Balloon();
    if (FReshow) Wait(settings.ReshowDelay(), DefaultReshowDelay);
    else Wait(settings.InitialDelay(), DefaultInitialDelay);
}

void TGridBalloon::Close()
{
    FTimer->SetEnabled(false);
    FLastPos = {-1, -1};
    FReshow = false;
    if (FWindow) FWindow->ReleaseHandle();
}

void TGridBalloon::TimerDue()
{
    FTimer->SetEnabled(false);
    if (Shown()) {
        // The balloon was up for its time; it comes back only on another cell.
        FWindow->ReleaseHandle();
        FReshow = false;
        return;
    }
    Show();
}

void TGridBalloon::Show()
{
    const TGridCoord cell = FGrid.MouseCoord(FPointer.X, FPointer.Y);
    const TBalloonContent content = CellBalloonContent(FGrid, cell);
    if (cell.X < 0 || cell.Y < 0 || content.Text.empty()) return;
    FLastPos = cell;
    if (!FWindow) FWindow = std::make_unique<TBalloonWindow>(nullptr);
    const TBalloonSettings& settings = FGrid.Balloon();
    FWindow->SetColor(settings.BackgroundColor() != clNone ? settings.BackgroundColor() : clInfoBk);
    FWindow->Font().SetColor(settings.TextColor() != clNone ? settings.TextColor() : clInfoText);
    FWindow->SetContent(content);
    TRect r = FWindow->CalcHintRect(MaxWidth, content.Text);
    const TPoint at = FGrid.ClientToScreen({FPointer.X, FPointer.Y + BelowPointer});
    OffsetRect(r, at.X, at.Y);
    FWindow->ActivateHint(r, content.Text);
    Wait(settings.AutoHideDelay(), DefaultAutoHideDelay);
}

void TGridBalloonDeleter::operator()(TGridBalloon* Balloon) const noexcept { delete Balloon; }

} // namespace grid

void TQuillStringGrid::BalloonInit()
{
    if (FBalloonTip) return;
    FBalloonTip.reset(new grid::TGridBalloon(*this));
    Balloon().SetInitialized(true);
}

void TQuillStringGrid::BalloonDone()
{
    FBalloonTip.reset();
    Balloon().SetInitialized(false);
}

THintWindow* TQuillStringGrid::BalloonWindow() const noexcept { return FBalloonTip ? FBalloonTip->Shown() : nullptr; }
