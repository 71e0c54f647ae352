// spreadview: a workbook of spreadsheet sheets a person types formulas into.
// A click on the tab row beyond the last tab adds a sheet; formulas name other
// sheets as Sheet2!A1 (the sheet's caption without blanks).
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "platform/graphics/PngImage.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "spreadsheet/QuillGridWorkbook.h"
#include "spreadsheet/QuillSprd.h"

namespace {

// The name a formula gives a sheet: its caption without blanks.
std::string FormulaName(const std::string& Caption)
{
    std::string name;
    for (char c : Caption)
        if (c != ' ') name += c;
    return name;
}

TQuillSpreadGrid* NewSheetGrid(TComponent* Owner)
{
    auto* grid = new TQuillSpreadGrid(Owner);
    grid->SetColCount(9);
    grid->SetRowCount(21);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetEditHint(true);
    return grid;
}

// The workbook's grid shows the active sheet; every other sheet is read by
// formulas through a grid of its own, loaded from the sheet's stream.
class TSpreadWorkbook : public TQuillGridWorkbook {
public:
    explicit TSpreadWorkbook(TComponent* Owner) : TQuillGridWorkbook(Owner), FBinder(std::make_unique<TGridBinder>(nullptr)) {}
    ~TSpreadWorkbook() override
    {
        for (auto& [index, grid] : FReaders) grid->SetBinder(nullptr);
        if (auto* grid = dynamic_cast<TQuillSpreadGrid*>(Grid())) grid->SetBinder(nullptr);
    }

    // Binds the sheets shown at start.
    void Bind() { ActiveSheetChanged(); }

protected:
    TQuillStringGrid* CreateGrid() override { return NewSheetGrid(this); }

    void ActiveSheetChanged() override
    {
        auto* live = dynamic_cast<TQuillSpreadGrid*>(Grid());
        if (!live) return;
        // Detach every grid before the readers are made again from the sheets' streams.
        live->SetBinder(nullptr);
        for (auto& [index, grid] : FReaders) grid->SetBinder(nullptr);
        FReaders.clear();
        FBinder->Grids().Clear();
        for (int k = 0; k < Sheets().Count(); ++k) {
            TQuillSpreadGrid* grid = live;
            if (k != ActiveSheet()) {
                auto& reader = FReaders[k];
                reader.reset(NewSheetGrid(nullptr));
                grid = reader.get();
                TGridSheet* sheet = Sheets().GetItem(k);
                if (sheet->Data().Size() > 0) {
                    sheet->Data().SetPosition(0);
                    grid->SetAutoRecalc(false);
                    grid->LoadFromBinStream(sheet->Data());
                    grid->SetAutoRecalc(true);
                }
            }
            TGridBinderItem* item = FBinder->Grids().Add();
            item->SetGrid(grid);
            item->SetName(FormulaName(Sheets().GetItem(k)->Name()));
        }
        for (auto& [index, grid] : FReaders) grid->SetBinder(FBinder.get());
        live->SetBinder(FBinder.get());
        for (auto& [index, grid] : FReaders) grid->Recalc();
        live->Recalc();
    }

private:
    std::unique_ptr<TGridBinder> FBinder;
    std::map<int, std::unique_ptr<TQuillSpreadGrid>> FReaders;
};

} // namespace

int main(int argc, char** argv)
{
    std::string screenshot;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--screenshot" && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: spreadview [--screenshot OUT.png]\n");
            return 2;
        }
    }
    Application->Initialize();
    Application->SetTitle("spreadview");
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("spreadview - workbook");
    form->SetBounds(40, 40, 760, 460);
    auto* book = new TSpreadWorkbook(form);
    book->SetParent(form);
    book->SetAlign(alClient);
    book->EnsureCreated();
    book->Bind();
    book->TabSet()->OnMouseDown = [book](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        if (Button == mbLeft && book->TabSet()->TabAt(X, Y) < 0)
            book->AddSheet("Sheet " + std::to_string(book->Sheets().Count() + 1));
    };
    // Structure changes act at the current cell of the sheet shown.
    auto* menu = new TMainMenu(form);
    auto* sheetMenu = new TMenuItem(form);
    sheetMenu->SetCaption("&Sheet");
    menu->Items()->Add(sheetMenu);
    const auto command = [&](const char* caption, auto action) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [book, action](TObject*) {
            auto* grid = static_cast<TQuillSpreadGrid*>(book->Grid());
            action(*grid);
            grid->SetFocus();
        };
        sheetMenu->Add(item);
    };
    command("Insert &row above", [](TQuillSpreadGrid& g) { g.InsertRows(g.Row(), 1); });
    command("&Delete row", [](TQuillSpreadGrid& g) { g.RemoveRows(g.Row(), 1); });
    command("Insert &column left", [](TQuillSpreadGrid& g) { g.InsertCols(g.Col(), 1); });
    command("D&elete column", [](TQuillSpreadGrid& g) { g.RemoveCols(g.Col(), 1); });
    command("&Show formulas", [](TQuillSpreadGrid& g) { g.SetShowFormula(!g.ShowFormula()); });
    command("E&xit", [](TQuillSpreadGrid&) { Application->Terminate(); });
    form->SetMenu(menu);
    form->Show();
    book->Grid()->SetFocus();
    if (screenshot.empty()) {
        Application->Run();
        // What the sheet shown last holds, as stored and as shown, for scripts that drove it.
        auto* grid = static_cast<TQuillSpreadGrid*>(book->Grid());
        std::printf("sheet %s\n", book->Sheets().GetItem(book->ActiveSheet())->Name().c_str());
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            for (int c = grid->FixedCols(); c < grid->ColCount(); ++c)
                if (!grid->Cells(c, r).empty())
                    std::printf("%s\t%s\t%s\n", grid->CellToName(c, r).c_str(), grid->Cells(c, r).c_str(),
                                grid->GetCellEx(c, r).c_str());
        return 0;
    }
    Application->ProcessMessages();
    form->Update();
    TPngImage png;
    png.Assign(&form->Surface());
    png.SaveToFile(screenshot);
    return 0;
}
