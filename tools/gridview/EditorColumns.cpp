#include "tools/gridview/EditorColumns.h"

#include <memory>
#include <string>

#include "controls/pickers/QuillColorPickerDropDown.h"
#include "controls/pickers/QuillDetailDropDown.h"
#include "controls/pickers/QuillImagePickerDropDown.h"
#include "grid/QuillGrid.h"
#include "grideditors/GridDropDownEditors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

namespace gridview {

namespace {

// Four shapes of 16 x 16 pixels, the image picker's choices.
TImageList& Shapes()
{
    static const std::unique_ptr<TImageList> list = [] {
        auto made = std::make_unique<TImageList>(16, 16);
        const TColor colours[] = {clRed, clGreen, clBlue, clPurple};
        for (int i = 0; i < 4; ++i) {
            TBitmap b;
            b.SetSize(16, 16);
            TCanvas& c = *b.Canvas();
            c.Brush()->SetColor(clWhite);
            c.FillRect({0, 0, 16, 16});
            c.Brush()->SetColor(colours[i]);
            c.Pen()->SetColor(clBlack);
            if (i % 2 == 0) c.Rectangle({2, 2, 14, 14});
            else c.Ellipse({2, 2, 14, 14});
            made->AddMasked(&b, clWhite);
        }
        return made;
    }();
    return *list;
}

// Fills an editor's list the first time it opens.
void Prepare(TWinControl* Editor)
{
    if (auto* detail = dynamic_cast<controls::TQuillDetailDropDown*>(Editor); detail && detail->Items().Count() == 0) {
        const char* fruits[][2] = {{"Apple", "crisp"}, {"Banana", "soft"}, {"Cherry", "small"}, {"Plum", "sweet"}};
        for (const auto& f : fruits) {
            controls::TDetailItem* item = detail->Items().Add();
            item->SetCaption(f[0]);
            item->SetNotes(f[1]);
        }
    } else if (auto* image = dynamic_cast<controls::TQuillImagePickerDropDown*>(Editor);
               image && image->Items().Count() == 0) {
        image->SetImages(&Shapes());
        image->AddImagesFromImageList();
        image->SetColumns(2);
    } else if (auto* list = dynamic_cast<grideditors::TCustomQuillGridDropDown*>(Editor);
               list && list->Items().Count() == 0) {
        list->Columns().Add()->SetHeader("City");
        list->Columns().Add()->SetHeader("Country");
        const char* cities[][2] = {{"Lisbon", "Portugal"}, {"Oslo", "Norway"}, {"Porto", "Portugal"}, {"Turin", "Italy"}};
        for (const auto& c : cities) {
            grideditors::TDropDownItem* item = list->Items().Add();
            item->Text().Add(c[0]);
            item->Text().Add(c[1]);
        }
        list->EndUpdate();
    }
}

} // namespace

void UseDropDownEditors(TQuillStringGrid& Grid)
{
    grideditors::RegisterGridDropDownEditors();
    Grid.OnGetEditorType = [&Grid](TObject*, int ACol, int, TEditorType& Kind) {
        const std::string& header = Grid.Cells(ACol, 0);
        if (header == "Fruit") Kind = edDetailDropDown;
        else if (header == "Colour") Kind = edColorPickerDropDown;
        else if (header == "Shape") Kind = edImagePickerDropDown;
        else if (header == "City") Kind = edQuillGridDropDown;
    };
    Grid.OnGetEditorProp = [&Grid](TObject*, int, int, TEditLink*) { Prepare(Grid.EditCtrl()); };
}

} // namespace gridview
