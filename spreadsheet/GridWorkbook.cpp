// The workbook control: sheets kept as grid streams, switched through the tabs.
#include <algorithm>

#include "grid/model/SortSettings.h"
#include "spreadsheet/QuillGridWorkbook.h"
#include "spreadsheet/QuillSprd.h"

// Sheets.

TGridSheet::TGridSheet(TCollection* Collection) : TCollectionItem(Collection) { NotifyCollection(); }

TGridSheet::~TGridSheet()
{
    if (auto* sheets = dynamic_cast<TGridSheetCollection*>(Collection()); sheets && sheets->OnChange)
        sheets->OnChange(sheets);
}

void TGridSheet::SetName(const std::string& Value)
{
    FName = Value;
    NotifyCollection();
}

void TGridSheet::NotifyCollection()
{
    if (auto* sheets = dynamic_cast<TGridSheetCollection*>(Collection()); sheets && sheets->OnChange)
        sheets->OnChange(sheets);
}

TGridSheetCollection::TGridSheetCollection(TQuillGridWorkbook* AOwner)
    : TCollection(ItemClassOf<TGridSheet>()), FOwner(AOwner)
{
}

TGridSheetCollection::~TGridSheetCollection()
{
    OnChange = nullptr;
    DestroyItems();
}

TPersistent* TGridSheetCollection::GetOwner() const { return FOwner; }

void TGridSheetCollection::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    if (OnChange) OnChange(this);
}

void TGridSheetCollection::Clear()
{
    while (Count() > 0) {
        const int before = Count();
        FOwner->RemoveSheet(0);
        // Without a grid the workbook cannot switch: the sheet goes directly.
        if (Count() == before) TCollection::Delete(0);
    }
}

// Tab look.

TTabLook::TTabLook() : FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](TObject*) { Changed(); };
}

void TTabLook::Changed()
{
    if (OnChange) OnChange(this);
}

void TTabLook::SetSelectColor(TColor Value)
{
    FSelectColor = Value;
    Changed();
}

void TTabLook::SetUnSelectColor(TColor Value)
{
    FUnSelectColor = Value;
    Changed();
}

void TTabLook::SetDitherBackground(bool Value)
{
    FDitherBackground = Value;
    Changed();
}

void TTabLook::SetBackgroundColor(TColor Value)
{
    FBackgroundColor = Value;
    Changed();
}

// The workbook.

TQuillGridWorkbook::TQuillGridWorkbook(TComponent* AOwner)
    : TCustomControl(AOwner), FSheets(std::make_unique<TGridSheetCollection>(this)),
      FTabLook(std::make_unique<TTabLook>())
{
    SetBorderWidth(1);
    for (const char* name : {"Sheet 1", "Sheet 2", "Sheet 3"}) FSheets->Add()->SetName(name);
    FSheets->OnChange = [this](TObject* Sender) { SheetsChanged(Sender); };
    SetWidth(320);
    SetHeight(150);
    ControlStyle().Include(csAcceptsControls);
}

TQuillGridWorkbook::~TQuillGridWorkbook()
{
    FSheets->OnChange = nullptr;
    FSheets.reset();
    if (FTabSet) FTabSet->OnChange = nullptr;
}

int TQuillGridWorkbook::GetVersionNr() { return (3 << 24) | (3 << 16) | (1 << 8) | 0; }

std::string TQuillGridWorkbook::Version() const
{
    const int v = const_cast<TQuillGridWorkbook*>(this)->GetVersionNr();
    return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
           std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}

TQuillStringGrid* TQuillGridWorkbook::CreateGrid() { return new TQuillStringGrid(this); }

TQuillStringGrid* TQuillGridWorkbook::Grid()
{
    if (!ComponentState().Contains(csLoading)) EnsureCreated();
    return FGrid;
}

void TQuillGridWorkbook::CreateWnd()
{
    TCustomControl::CreateWnd();
    EnsureCreated();
}

void TQuillGridWorkbook::EnsureCreated()
{
    if (FWinCreated) return;
    FWinCreated = true;
    for (int k = 0; k < ControlCount() && !FGrid; ++k)
        if (auto* grid = dynamic_cast<TQuillStringGrid*>(Controls(k))) {
            FGrid = grid;
            FAutoCreated = true;
        }
    if (!FGrid) {
        FGrid = CreateGrid();
        FGrid->SetParent(this);
        FGrid->SetVisible(true);
    }
    FGrid->FreeNotification(this);
    FDefaultRowCount = FGrid->RowCount();
    FDefaultColCount = FGrid->ColCount();
    FDefaultRowHeight = FGrid->DefaultRowHeight();
    FDefaultColWidth = FGrid->DefaultColWidth();
    FTabSet = new TTabSet(this);
    FTabSet->SetParent(this);
    FTabSet->SetAlign(alBottom);
    FTabSet->SetSoftTop(true);
    FGrid->SetAlign(alClient);
    TGridOptions options = FGrid->Options();
    options.Include(goEditing);
    FGrid->SetOptions(options);
    for (int k = 0; k < FSheets->Count(); ++k) FTabSet->Tabs().Add(FSheets->GetItem(k)->Name());
    if (FTabSet->Tabs().Count() > 0) FTabSet->SetTabIndex(0);
    FSheets->OnChange = [this](TObject*) { SyncTabs(); };
    FTabSet->OnChange = [this](TObject*, int NewTab, bool& AllowChange) { TabSetChange(NewTab, AllowChange); };
    FTabLook->OnChange = [this](TObject*) { ApplyTabLook(); };
    ApplyTabLook();
}

void TQuillGridWorkbook::SyncTabs()
{
    if (!FTabSet) return;
    TStringList& tabs = FTabSet->Tabs();
    while (tabs.Count() > FSheets->Count()) tabs.Delete(tabs.Count() - 1);
    while (tabs.Count() < FSheets->Count()) tabs.Add({});
    for (int k = 0; k < tabs.Count(); ++k) tabs.SetStrings(k, FSheets->GetItem(k)->Name());
}

void TQuillGridWorkbook::SheetsChanged(TObject*)
{
    if (FActiveSheet == -1 && FSheets->Count() > 0) FActiveSheet = FSheets->Count() - 1;
    if (FSheets->Count() == 0) FActiveSheet = -1;
}

void TQuillGridWorkbook::ApplyTabLook()
{
    if (!FTabSet) return;
    FTabSet->SetSelectedColor(FTabLook->SelectColor());
    FTabSet->SetUnselectedColor(FTabLook->UnSelectColor());
    FTabSet->SetDitherBackground(FTabLook->DitherBackground());
    FTabSet->SetBackgroundColor(FTabLook->BackgroundColor());
    FTabSet->Font().Assign(&FTabLook->Font());
}

void TQuillGridWorkbook::TabSetChange(int NewTab, bool& AllowChange)
{
    if (OnSheetChange) OnSheetChange(this, NewTab, AllowChange);
    if (AllowChange && !FChangingSheet) SetActiveSheet(NewTab);
}

void TQuillGridWorkbook::SaveActiveSheet()
{
    TGridSheet* sheet = FSheets->GetItem(FActiveSheet);
    sheet->Data().Clear();
    FGrid->SetSaveFixedCells(true);
    FGrid->ExpandAll();
    FGrid->SaveToBinStream(sheet->Data());
    sheet->SetRow(FGrid->RealRow());
    sheet->SetCol(FGrid->Col());
    sheet->SetTopRow(FGrid->TopRow());
    sheet->SetLeftCol(FGrid->LeftCol());
    sheet->SetSortColumn(FGrid->SortSettings().Column());
    sheet->RowHeights().Clear();
    for (int r = 0; r < FGrid->RowCount(); ++r) sheet->RowHeights().Add(FGrid->RowHeights(r));
    sheet->ColWidths().Clear();
    for (int c = 0; c < FGrid->ColCount(); ++c) sheet->ColWidths().Add(FGrid->ColWidths(c));
}

void TQuillGridWorkbook::LoadSheet(int Index)
{
    TGridSheet* sheet = FSheets->GetItem(Index);
    const auto placeCursor = [&] {
        if (sheet->Col() >= FGrid->FixedCols() && sheet->Col() < FGrid->ColCount() &&
            sheet->Row() >= FGrid->FixedRows() && sheet->Row() < FGrid->RowCount()) {
            FGrid->SetCol(sheet->Col());
            FGrid->SetRow(sheet->Row());
        }
    };
    if (sheet->Data().Size() > 0) {
        sheet->Data().SetPosition(0);
        FGrid->LoadFromBinStream(sheet->Data());
        placeCursor();
        FGrid->SetTopRow(std::max(sheet->TopRow(), FGrid->FixedRows()));
        FGrid->SetLeftCol(std::max(sheet->LeftCol(), FGrid->FixedCols()));
        for (int c = 0; c < sheet->ColWidths().Count() && c < FGrid->ColCount(); ++c)
            FGrid->SetColWidths(c, sheet->ColWidths().GetInteger(c));
        for (int r = 0; r < sheet->RowHeights().Count() && r < FGrid->RowCount(); ++r)
            FGrid->SetRowHeights(r, sheet->RowHeights().GetInteger(r));
        FGrid->SortSettings().SetColumn(sheet->SortColumn());
        return;
    }
    FGrid->Clear();
    FGrid->SetColCount(FDefaultColCount);
    FGrid->SetRowCount(FDefaultRowCount);
    placeCursor();
    FGrid->SetTopRow(FGrid->FixedRows());
    FGrid->SetLeftCol(FGrid->FixedCols());
    FGrid->SetDefaultRowHeight(FDefaultRowHeight);
    FGrid->SetDefaultColWidth(FDefaultColWidth);
    // Clearing went through the string grid, which knows nothing of a spreadsheet's headers.
    if (auto* spread = dynamic_cast<TQuillSpreadGrid*>(FGrid); spread && spread->AutoHeaders())
        spread->AutoSpreadHeaders();
}

void TQuillGridWorkbook::SetActiveSheet(int Value)
{
    if (!Grid() || Value == FActiveSheet || Value < 0 || Value >= FSheets->Count()) return;
    FGrid->HideInplaceEdit();
    const bool saveFixed = FGrid->SaveFixedCells();
    if (FActiveSheet >= 0) SaveActiveSheet();
    LoadSheet(Value);
    FGrid->SetSaveFixedCells(saveFixed);
    FActiveSheet = Value;
    FChangingSheet = true;
    if (FTabSet) FTabSet->SetTabIndex(Value);
    FChangingSheet = false;
    ActiveSheetChanged();
}

void TQuillGridWorkbook::AddSheet(const std::string& SheetName)
{
    TGridSheet* sheet = FSheets->Add();
    sheet->SetName(SheetName);
    SetActiveSheet(FSheets->Count() - 1);
}

void TQuillGridWorkbook::InsertSheet(int Index, const std::string& SheetName)
{
    if (Index < 0 || Index >= FSheets->Count()) return;
    if (Grid() && FActiveSheet >= 0) {
        FGrid->HideInplaceEdit();
        const bool saveFixed = FGrid->SaveFixedCells();
        SaveActiveSheet();
        FGrid->SetSaveFixedCells(saveFixed);
    }
    FActiveSheet = -1;
    FSheets->Insert(Index)->SetName(SheetName);
    SetActiveSheet(Index);
}

void TQuillGridWorkbook::RemoveSheet(int Index)
{
    if (Index < 0 || Index >= FSheets->Count()) return;
    SetActiveSheet(Index);
    FChangingSheet = true;
    if (FTabSet && Index < FTabSet->Tabs().Count()) FTabSet->Tabs().Delete(Index);
    FChangingSheet = false;
    FSheets->GetItem(Index)->Free();
    FActiveSheet = -1;
    SetActiveSheet(0);
}

void TQuillGridWorkbook::Loaded() { TCustomControl::Loaded(); }

void TQuillGridWorkbook::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FGrid) FGrid = nullptr;
    if (Operation == opRemove && AComponent == FTabSet) FTabSet = nullptr;
}

void TQuillGridWorkbook::SetName(const std::string& Value)
{
    TCustomControl::SetName(Value);
    if (FGrid) FGrid->SetName(Value + "Grid");
}

void TQuillGridWorkbook::Paint()
{
    TCustomControl::Paint();
    if (BorderWidth() == 0) return;
    // The frame: an inner line of the workbook's colour, an outer one of the parent's.
    TCanvas& c = *Canvas();
    const int w = Width();
    const int h = Height();
    c.Pen()->SetColor(static_cast<TColor>(0xB99D7F));
    const TPoint inner[] = {{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {1, h - 2}};
    c.Polyline(inner);
    if (Parent()) {
        c.Pen()->SetColor(Parent()->Color());
        const TPoint outer[] = {{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}};
        c.Polyline(outer);
    }
}
