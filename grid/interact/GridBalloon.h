// The grid's balloon tips: after the pointer rests on a cell, a window shows
// a title, an icon and the cell's text, and it closes when the pointer moves
// to another cell or leaves the grid.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Hints.h"
#include "platform/ui/grids/GridTypes.h"

class TQuillStringGrid;
class TTimer;

namespace grid {

// What one balloon shows: by default a blank title and the information icon.
struct TBalloonContent {
    std::string Title = std::string(1, ' ');
    std::string Text;
    int Icon = 1;
};

// The balloon's content for a cell: its text without markup, tabs as
// spaces, leading line breaks dropped, at most 2048 characters; title " "
// and the information icon unless OnCellBalloon says otherwise; a title of
// at most 100 characters. An empty text outside the cells.
TBalloonContent CellBalloonContent(TQuillStringGrid& Grid, TGridCoord Cell);

// A hint window with a bold title beside an icon above the text.
class TBalloonWindow : public THintWindow {
    VISTRA_CLASS(TBalloonWindow, THintWindow)

    explicit TBalloonWindow(TComponent* AOwner);

    void SetContent(const TBalloonContent& Content);
    const TBalloonContent& Content() const noexcept { return FContent; }
    TRect CalcHintRect(int MaxWidth, const std::string& AHint) override;

protected:
    void Paint() override;

private:
    // Lays the title and text out from R's top-left; the size they take.
    TSize Layout(TCanvas& ACanvas, const TRect& R, bool Draw);
    TBalloonContent FContent;
};

class TGridBalloon {
public:
    explicit TGridBalloon(TQuillStringGrid& Grid);
    ~TGridBalloon();

    // The pointer moved to a client point of the grid.
    void PointerAt(TPoint At);
    // Closes the balloon and forgets its cell (the pointer left the grid).
    void Close();
    TBalloonWindow* Shown() const noexcept;

private:
    void Wait(int Delay, int Default);
    void TimerDue();
    void Show();

    TQuillStringGrid& FGrid;
    std::unique_ptr<TBalloonWindow> FWindow;
    std::unique_ptr<TTimer> FTimer;
    TPoint FPointer{-1, -1};
    // The cell of the last balloon; (-1, -1) when none.
    TGridCoord FLastPos{-1, -1};
    // A balloon closed by moving to another cell comes back after the reshow delay.
    bool FReshow = false;
};

} // namespace grid
