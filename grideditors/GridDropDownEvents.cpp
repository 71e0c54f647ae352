// The inner grid's events, forwarded as the grid drop-down's OnGrid events.
#include "controls/dropdown/DropDownForm.h"
#include "grideditors/QuillCustomGridDropDown.h"
#include "grid/model/BehaviourSettings.h"
#include "platform/rtl/ScopeExit.h"

namespace grideditors {

namespace {
template <class Event, class... Args> void Fire(const Event& E, Args&&... A)
{
    if (E) E(std::forward<Args>(A)...);
}
} // namespace

template <class Fn> void TCustomQuillGridDropDown::KeepingPopupOpen(Fn&& Run)
{
    controls::TDropDownForm* form = DropDownForm();
    const bool blocked = form->BlockActivate();
    form->SetBlockActivate(true);
    const rtl::ScopeExit restore([form, blocked] { form->SetBlockActivate(blocked); });
    Run();
}

void TCustomQuillGridDropDown::AttachGridEvents()
{
    TQuillColGrid& g = *FQuillColGrid;
    using namespace std::placeholders;
    g.OnAnchorClick = [this](TObject* S, int R, int C, std::string A, bool& H) { DoGridAnchorClick(S, R, C, A, H); };
    g.OnAnchorEnter = [this](TObject* S, int R, int C, std::string A) { DoGridAnchorEnter(S, R, C, A); };
    g.OnAnchorExit = [this](TObject* S, int R, int C, std::string A) { DoGridAnchorExit(S, R, C, A); };
    g.OnAnchorHint = [this](TObject* S, int R, int C, std::string& A) { DoGridAnchorHint(S, R, C, A); };
    g.OnButtonClick = [this](TObject* S, int C, int R) { DoGridButtonClick(S, C, R); };
    g.OnCanSort = [this](TObject* S, int C, bool& D) { HandleCanSort(S, C, D); };
    g.OnClickSort = [this](TObject* S, int C) { HandleClickSort(S, C); };
    g.OnCustomCompare = [this](TObject* S, std::string A, std::string B, int& R) { DoGridCustomCompare(S, A, B, R); };
    g.OnRawCompare = [this](TObject* S, int C, int A, int B, int& R) { DoGridRawCompare(S, C, A, B, R); };
    g.OnColumnSize = [this](TObject* S, int C, bool& A) { DoGridColumnSize(S, C, A); };
    g.OnColumnSizing = [this](TObject* S, int C, int W) { DoGridColumnSizing(S, C, W); };
    g.OnEndColumnSize = [this](TObject* S, int C) { DoGridEndColumnSize(S, C); };
    g.OnRowSize = [this](TObject* S, int R, bool& A) { DoGridRowSize(S, R, A); };
    g.OnRowSizing = [this](TObject* S, int R, int H) { DoGridRowSizing(S, R, H); };
    g.OnEndRowSize = [this](TObject* S, int R) { DoGridEndRowSize(S, R); };
    // Custom drawing costs every cell a call: only when asked for at opening.
    if (OnGridCustomCellDraw)
        g.OnCustomCellDraw = [this](TObject* S, TCanvas* Cv, int C, int R, TGridDrawState St, const TRect& Rc,
                                    bool P) { DoGridCustomCellDraw(S, Cv, C, R, St, Rc, P); };
    else
        g.OnCustomCellDraw = nullptr;
    g.OnCellBalloon = [this](TObject* S, int C, int R, std::string& T, std::string& X, int& I) {
        DoGridCellBalloon(S, C, R, T, X, I);
    };
    g.OnGetAlignment = [this](TObject* S, int R, int C, TAlignment& H, TVAlignment& V) { DoGridGetAlignment(S, R, C, H, V); };
    g.OnGetEditorType = [this](TObject* S, int C, int R, TEditorType& E) { DoGridGetEditorType(S, C, R, E); };
    g.OnGetEditorProp = [this](TObject* S, int C, int R, TEditLink*) { DoGridGetEditorProp(S, R, C); };
    g.OnCanEditCell = [this](TObject* S, int R, int C, bool& E) { DoGridCanEditCell(S, R, C, E); };
    g.OnEllipsClick = [this](TObject* S, int C, int R, std::string& T) { DoGridEllipsClick(S, C, R, T); };
    g.OnGetDisplText = [this](TObject* S, int C, int R, std::string& V) { DoGridGetDisplText(S, C, R, V); };
    g.OnGetFormat = [this](TObject* S, int C, TSortStyle& St, std::string& P, std::string& X) {
        DoGridGetFormat(S, C, St, P, X);
    };
    g.OnGridHint = [this](TObject* S, int R, int C, std::string& H) { DoGridHint(S, R, C, H); };
    g.OnMouseMove = [this](TObject* S, TShiftState Sh, int X, int Y) { DoGridMouseMove(S, Sh, X, Y); };
    g.OnMouseDown = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) { DoGridMouseDown(S, B, Sh, X, Y); };
    g.OnMouseUp = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) { DoGridMouseUp(S, B, Sh, X, Y); };
    g.OnRightClickCell = [this](TObject* S, int R, int C) { DoGridRightClickCell(S, R, C); };
    g.OnScrollHint = [this](TObject* S, int R, std::string& H) { DoGridScrollHint(S, R, H); };
    g.OnSearchEditChange = [this](TObject* S, std::string V, bool& D) { DoGridSearchEditChange(S, V, D); };
    g.OnAutoAddRow = [this](TObject* S, int R) { DoGridAutoAddRow(S, R); };
    g.OnAutoInsertCol = [this](TObject* S, int C) { DoGridInsertCol(S, C); };
    g.OnCanAddRow = [this](TObject* S, bool& A) { DoGridCanAddRow(S, A); };
    g.OnCheckBoxClick = [this](TObject* S, int C, int R, bool St) { HandleGridCheckBoxClick(S, C, R, St); };
    g.OnSelect = [this](TObject*) { HandleGridSelect(); };
}

void TCustomQuillGridDropDown::DoGridAnchorClick(TObject* Sender, int ARow, int ACol, std::string Anchor, bool& AutoHandle)
{
    KeepingPopupOpen([&] { Fire(OnGridAnchorClick, Sender, ARow, ACol, Anchor, AutoHandle); });
}

void TCustomQuillGridDropDown::DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, std::string Anchor)
{
    Fire(OnGridAnchorEnter, Sender, ARow, ACol, Anchor);
}

void TCustomQuillGridDropDown::DoGridAnchorExit(TObject* Sender, int ARow, int ACol, std::string Anchor)
{
    Fire(OnGridAnchorExit, Sender, ARow, ACol, Anchor);
}

void TCustomQuillGridDropDown::DoGridAnchorHint(TObject* Sender, int ARow, int ACol, std::string& Anchor)
{
    Fire(OnGridAnchorHint, Sender, ARow, ACol, Anchor);
}

void TCustomQuillGridDropDown::DoGridButtonClick(TObject* Sender, int ACol, int ARow)
{
    KeepingPopupOpen([&] { Fire(OnGridButtonClick, Sender, ACol, ARow); });
}

void TCustomQuillGridDropDown::DoGridCanSort(TObject* Sender, int ACol, bool& DoSort) { Fire(OnGridCanSort, Sender, ACol, DoSort); }
void TCustomQuillGridDropDown::DoGridClickSort(TObject* Sender, int ACol) { Fire(OnGridClickSort, Sender, ACol); }

void TCustomQuillGridDropDown::DoGridCustomCompare(TObject* Sender, std::string Str1, std::string Str2, int& Res)
{
    Fire(OnGridCustomCompare, Sender, Str1, Str2, Res);
}

void TCustomQuillGridDropDown::DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res)
{
    Fire(OnGridRawCompare, Sender, ACol, Row1, Row2, Res);
}

void TCustomQuillGridDropDown::DoGridColumnSize(TObject* Sender, int ACol, bool& Allow) { Fire(OnGridColumnSize, Sender, ACol, Allow); }
void TCustomQuillGridDropDown::DoGridColumnSizing(TObject* Sender, int ACol, int ColumnSize) { Fire(OnGridColumnSizing, Sender, ACol, ColumnSize); }
void TCustomQuillGridDropDown::DoGridEndColumnSize(TObject* Sender, int ACol) { Fire(OnGridEndColumnSize, Sender, ACol); }
void TCustomQuillGridDropDown::DoGridRowSize(TObject* Sender, int ARow, bool& Allow) { Fire(OnGridRowSize, Sender, ARow, Allow); }
void TCustomQuillGridDropDown::DoGridRowSizing(TObject* Sender, int ARow, int RowSize) { Fire(OnGridRowSizing, Sender, ARow, RowSize); }
void TCustomQuillGridDropDown::DoGridEndRowSize(TObject* Sender, int ARow) { Fire(OnGridEndRowSize, Sender, ARow); }

void TCustomQuillGridDropDown::DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                    TGridDrawState AState, const TRect& ARect, bool Printing)
{
    Fire(OnGridCustomCellDraw, Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomQuillGridDropDown::DoGridCellBalloon(TObject* Sender, int ACol, int ARow, std::string& ATitle,
                                                 std::string& AText, int& AIcon)
{
    Fire(OnGridCellBalloon, Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomQuillGridDropDown::DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol >= 0 && ACol < FColumns->Count()) HAlign = FColumns->Items(ACol)->Alignment();
    Fire(OnGridGetAlignment, Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomQuillGridDropDown::DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)
{
    Fire(OnGridGetEditorType, Sender, ACol, ARow, AEditor);
}

void TCustomQuillGridDropDown::DoGridGetEditorProp(TObject* Sender, int ARow, int ACol) { Fire(OnGridGetEditorProp, Sender, ARow, ACol); }
void TCustomQuillGridDropDown::DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit) { Fire(OnGridCanEditCell, Sender, ARow, ACol, CanEdit); }

void TCustomQuillGridDropDown::DoGridEllipsClick(TObject* Sender, int ACol, int ARow, std::string& S)
{
    KeepingPopupOpen([&] { Fire(OnGridEllipsClick, Sender, ACol, ARow, S); });
}

void TCustomQuillGridDropDown::DoGridGetDisplText(TObject* Sender, int ACol, int ARow, std::string& Value)
{
    Fire(OnGridGetDiplText, Sender, ACol, ARow, Value);
}

void TCustomQuillGridDropDown::DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& APrefix,
                                               std::string& ASuffix)
{
    Fire(OnGridGetFormat, Sender, ACol, AStyle, APrefix, ASuffix);
}

void TCustomQuillGridDropDown::DoGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) { Fire(OnGridHint, Sender, ARow, ACol, HintStr); }

void TCustomQuillGridDropDown::DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y)
{
    // The first move after opening makes the balloon window again.
    if (!FBalloonInit && FQuillColGrid && FQuillColGrid->Balloon().Enable()) {
        FQuillColGrid->Balloon().SetEnable(false);
        FQuillColGrid->Balloon().SetEnable(true);
    }
    FBalloonInit = true;
    Fire(OnGridMouseMove, Sender, Shift, X, Y);
}

void TCustomQuillGridDropDown::DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    Fire(OnGridMouseDown, Sender, Button, Shift, X, Y);
}

void TCustomQuillGridDropDown::DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    Fire(OnGridMouseUp, Sender, Button, Shift, X, Y);
}

void TCustomQuillGridDropDown::DoGridKeyDown(TObject* Sender, unsigned short& Key, TShiftState Shift) { Fire(OnGridKeyDown, Sender, Key, Shift); }
void TCustomQuillGridDropDown::DoGridKeyUp(TObject* Sender, unsigned short& Key, TShiftState Shift) { Fire(OnGridKeyUp, Sender, Key, Shift); }
void TCustomQuillGridDropDown::DoGridKeyPress(TObject* Sender, char32_t& Key) { Fire(OnGridKeyPress, Sender, Key); }
void TCustomQuillGridDropDown::DoGridRightClickCell(TObject* Sender, int ARow, int ACol) { Fire(OnGridRightClickCell, Sender, ARow, ACol); }
void TCustomQuillGridDropDown::DoGridScrollHint(TObject* Sender, int ARow, std::string& HintStr) { Fire(OnGridScrollHint, Sender, ARow, HintStr); }
void TCustomQuillGridDropDown::DoGridTopLeftChanged(TObject* Sender) { Fire(OnGridTopLeftChanged, Sender); }

void TCustomQuillGridDropDown::DoGridSearchEditChange(TObject* Sender, std::string Value, bool& DefaultSearch)
{
    Fire(OnGridSearchEditChange, Sender, Value, DefaultSearch);
}

void TCustomQuillGridDropDown::DoGridAutoAddRow(TObject* Sender, int ARow) { Fire(OnGridAutoAddRow, Sender, ARow); }
void TCustomQuillGridDropDown::DoGridInsertCol(TObject* Sender, int ACol) { Fire(OnGridInsertCol, Sender, ACol); }
void TCustomQuillGridDropDown::DoGridCanAddRow(TObject* Sender, bool& CanAdd) { Fire(OnGridCanAddRow, Sender, CanAdd); }

} // namespace grideditors
