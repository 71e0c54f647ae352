// A window with a string grid filled from a file of any format the grid reads, for developers and tests.
#include <cstdio>
#include <exception>
#include <string>

#include "grid/paint/GridLooks.h"
#include "grid/QuillGrid.h"
#include "grid/model/PrintSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/SortSettings.h"
#include "grid/files/GridFileFormats.h"
#include "platform/graphics/PngImage.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PrintDialog.h"
#include "platform/rtl/ScopeExit.h"
#include "tools/common/PrintMenu.h"
#include "tools/gridview/DemoGrid.h"
#include "tools/gridview/EditorColumns.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: gridview [FILE] [--demo] [--look NAME] [--style NAME] [--screenshot OUT.png] [--filter]\n"
                         "                [--scroll normal|flat|metro] [--select] [--hover] [--drag] [--balloon]\n"
                         "                [--editors]\n"
                         "                [--print OUT.pdf]\n");
    return 2;
}

// File > Print: the print dialog chooses the printer or a PDF file, and the pages or the selection;
// the header row repeats on every page, each page numbered at its foot.
void AddPrintMenu(TForm& Form, TQuillStringGrid& Grid)
{
    tools::AddPrintMenu(Form, "gridview", "grid", [&Grid](TPrintDialog& dialog) {
        dialog.SetMaxPage(std::max(1, Grid.PrintNrOfPages()));
        dialog.SetToPage(dialog.MaxPage());
        dialog.SetSelectionAllowed(true);
        if (!dialog.Execute()) return false;
        const bool pages = dialog.PrintRange() == prPageNums;
        Grid.OnPrintStart = [&dialog, pages](TObject*, int, int& FromPage, int& ToPage) {
            if (!pages) return;
            FromPage = dialog.FromPage();
            ToPage = dialog.ToPage();
        };
        rtl::ScopeExit forgetDialog([&Grid] { Grid.OnPrintStart = nullptr; });
        if (dialog.PrintRange() == prSelection) Grid.PrintSelection();
        else Grid.Print();
        return true;
    });
}

// Every format the grid reads opens by its extension, with the first row and
// column fixed, and saves back through the same format. Loading grows the grid
// to the file, so it starts at the least size a fixed row and column allow.
void OpenFile(TQuillStringGrid& Grid, const std::string& FileName)
{
    Grid.SetColCount(2);
    Grid.SetRowCount(2);
    Grid.SetFixedCols(1);
    Grid.SetFixedRows(1);
    grid::files::LoadGridFile(Grid, FileName);
}

} // namespace

int main(int argc, char** argv)
{
    std::string file, screenshot, lookName, styleName, pdf;
    bool demo = false;
    bool filter = false;
    std::string scrollName;
    bool select = false;
    bool hover = false;
    bool drag = false;
    bool balloon = false;
    bool editors = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--look" && i + 1 < argc) lookName = argv[++i];
        else if (arg == "--style" && i + 1 < argc) styleName = argv[++i];
        else if (arg == "--screenshot" && i + 1 < argc) screenshot = argv[++i];
        else if (arg == "--print" && i + 1 < argc) pdf = argv[++i];
        else if (arg == "--demo") demo = true;
        else if (arg == "--filter") filter = true;
        else if (arg == "--scroll" && i + 1 < argc) scrollName = argv[++i];
        else if (arg == "--select") select = true;
        else if (arg == "--hover") hover = true;
        else if (arg == "--drag") drag = true;
        else if (arg == "--balloon") balloon = true;
        else if (arg == "--editors") editors = true;
        else if (file.empty() && !arg.starts_with("--")) file = arg;
        else return Usage();
    }
    if (file.empty() && !demo) return Usage();
    const auto look = lookName.empty() ? std::optional<TGridLook>(glXP) : grid::LookFromName(lookName);
    if (!look) {
        std::fprintf(stderr, "gridview: unknown look %s\n", lookName.c_str());
        return 2;
    }
    const auto style = styleName.empty() ? std::nullopt : grid::StyleFromName(styleName);
    if (!styleName.empty() && !style) {
        std::fprintf(stderr, "gridview: unknown style %s\n", styleName.c_str());
        return 2;
    }

    Application->Initialize();
    Application->SetTitle("gridview");
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("gridview - " + (file.empty() ? std::string("demo") : file));
    form->SetBounds(40, 40, 800, 480);
    auto* grid = new TQuillStringGrid(form);
    grid->SetParent(form);
    grid->SetAlign(alClient);
    try {
        if (demo) gridview::FillDemoGrid(*grid);
        if (!file.empty()) OpenFile(*grid, file);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gridview: cannot read %s: %s\n", file.c_str(), e.what());
        return 1;
    }
    if (!file.empty()) {
        // Cells are edited in place and Ctrl+S writes them back to the file.
        TGridOptions options = grid->Options();
        options.Include(goEditing);
        options.Include(goTabs);
        // Headers size and move columns and sort by a click.
        options.Include(goColSizing);
        options.Include(goColMoving);
        grid->SetOptions(options);
        grid->SortSettings().SetShow(true);
        // Shift+click on another header sorts by it too.
        grid->SortSettings().SetIndexShow(true);
        // Ctrl+C, Ctrl+X and Ctrl+V copy, cut and paste the selected cells.
        grid->Navigation().SetAllowClipboardShortCuts(true);
        // A text cut off by its cell shows whole when the pointer rests on it.
        grid->SetShowHint(true);
        grid->SetHintShowLargeText(true);
        form->SetKeyPreview(true);
        form->OnKeyDown = [grid, form, file](TObject*, unsigned short& Key, TShiftState Shift) {
            if (Key != 'S' || !Shift.Contains(ssCtrl)) return;
            Key = 0;
            // The edit under way is part of what is saved.
            grid->HideInplaceEdit();
            if (grid->EditMode()) return;
            try {
                grid::files::SaveGridFile(*grid, file);
                form->SetCaption("gridview - " + file + " (saved)");
            } catch (const std::exception& e) {
                std::fprintf(stderr, "gridview: cannot save %s: %s\n", file.c_str(), e.what());
                form->SetCaption("gridview - " + file + " (not saved)");
            }
        };
    }
    // Row headers select whole rows, column headers whole columns and the corner the grid; a drag
    // along the headers selects every row or column it passes (so column headers no longer move).
    // The row headers' column sizes by its border in any row.
    if (select) {
        grid->MouseActions().SetSizeFixedCol(true);
        grid->MouseActions().SetRowSelect(true);
        grid->MouseActions().SetColSelect(true);
        grid->MouseActions().SetAllSelect(true);
        TGridOptions options = grid->Options();
        options.Exclude(goColMoving);
        grid->SetOptions(options);
    }
    // The row under the pointer lights up and links underline only under it.
    if (hover) {
        grid->SetHoverRow(true);
        grid->SetHoverRowColor(clSkyBlue);
        grid->SetURLUnderlineOnHover(true);
    }
    // Selected cells drag out to other windows, moved or copied as the drop
    // decides; cells are not edited in place, so a press on the selection can drag.
    // Headers drag their columns, and cells, text and columns dragged from other
    // windows drop in (text lands although cells are not edited in place).
    if (drag) {
        grid->DragDropSettings().SetOleDropSource(true);
        grid->DragDropSettings().SetOleColumnDragDrop(true);
        grid->DragDropSettings().SetOleDropTarget(true);
        grid->Navigation().SetAllowClipboardAlways(true);
        TGridOptions options = grid->Options();
        options.Exclude(goEditing);
        grid->SetOptions(options);
    }
    // The columns headed Fruit, Colour, Shape and City edit by drop-downs.
    if (editors) gridview::UseDropDownEditors(*grid);
    // A balloon with the cell's text shows when the pointer rests on a cell.
    grid->Balloon().SetEnable(balloon);
    // Every header gets a filter button that lists its column's values.
    grid->SetFilterDropDownAuto(filter);
    grid->SetLook(*look);
    if (style) grid->SetComponentStyle(*style);
    // The scroll bars' styles: flat bars in a colour of their own, or thin bars over the cells.
    if (scrollName == "flat") {
        grid->SetScrollType(ssFlat);
        grid->SetScrollWidth(12);
        grid->SetScrollColor(clSkyBlue);
    } else if (scrollName == "metro") {
        grid->SetScrollType(ssMetro);
    } else if (!scrollName.empty() && scrollName != "normal") {
        return Usage();
    }
    grid->PrintSettings().SetRepeatFixedRows(true);
    grid->PrintSettings().SetPageNr(ppBottomCenter);
    grid->PrintSettings().SetPagePrefix("Page");
    grid->PrintSettings().SetJobName("gridview - " + (file.empty() ? std::string("demo") : file));
    if (!pdf.empty()) {
        Printer()->SetFileName(pdf);
        try {
            grid->Print();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "gridview: cannot print to %s: %s\n", pdf.c_str(), e.what());
            return 1;
        }
        std::printf("%d pages\n", grid->PrintNrOfPages());
        return 0;
    }
    AddPrintMenu(*form, *grid);
    form->Show();
    grid->SetFocus();
    if (screenshot.empty()) {
        Application->Run();
        return 0;
    }
    Application->ProcessMessages();
    form->Update();
    TPngImage png;
    png.Assign(&form->Surface());
    png.SaveToFile(screenshot);
    return 0;
}
