#include "tools/dropdowndemo/DropDownDemoForm.h"

#include <cstdio>

#include "controls/QuillDateTimePicker.h"
#include "controls/QuillDirectoryEdit.h"
#include "controls/dropdown/QuillListDropDown.h"
#include "controls/pickers/QuillColorPickerDropDown.h"
#include "controls/pickers/QuillDetailDropDown.h"
#include "controls/pickers/QuillImagePickerDropDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"

namespace {
// Six shapes of 16 x 16 pixels for the image picker.
std::unique_ptr<TImageList> MakeShapes()
{
    auto list = std::make_unique<TImageList>(16, 16);
    const TColor colours[] = {clRed, clGreen, clBlue, clOlive, clPurple, clTeal};
    for (int i = 0; i < 6; ++i) {
        TBitmap b;
        b.SetSize(16, 16);
        TCanvas& c = *b.Canvas();
        c.Brush()->SetColor(clWhite);
        c.FillRect({0, 0, 16, 16});
        c.Brush()->SetColor(colours[i]);
        c.Pen()->SetColor(clBlack);
        if (i % 2 == 0) c.Rectangle({2, 2, 14, 14});
        else c.Ellipse({2, 2, 14, 14});
        list->AddMasked(&b, clWhite);
    }
    return list;
}

constexpr const char* Cities[] = {"Aachen", "Bergen", "Cork", "Dresden", "Evora", "Faro", "Gdansk", "Haarlem",
                                  "Hamburg", "Hannover", "Innsbruck"};
}

TDropDownDemoForm::TDropDownDemoForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Drop-down");
    SetBounds(40, 40, 960, 340);
    LblCity = new TLabel(this);
    LblCity->SetParent(this);
    LblCity->SetBounds(16, 16, 200, 16);
    LblCity->SetCaption("City");
    DrpCity = new controls::TQuillListDropDown(this);
    DrpCity->SetParent(this);
    DrpCity->SetBounds(16, 36, 180, 21);
    for (const char* city : Cities) DrpCity->Items().Add(city);
    DrpCity->SetText("Cork");
    DrpCity->DropDownHeader().Caption = "Choose a city";
    EdtNote = new TEdit(this);
    EdtNote->SetParent(this);
    EdtNote->SetBounds(216, 36, 120, 21);

    EdtTown = new TQuillEdit(this);
    EdtTown->SetParent(this);
    EdtTown->SetBounds(16, 96, 180, 21);
    EdtTown->SetLabelCaption("Town (type two letters)");
    EdtTown->SetLabelPosition(lpTopLeft);
    EdtTown->SetLabelMargin(2);
    EdtTown->Lookup().SetEnabled(true);
    for (const char* city : Cities) EdtTown->Lookup().DisplayList().Add(city);

    DirFolder = new TQuillDirectoryEdit(this);
    DirFolder->SetParent(this);
    DirFolder->SetBounds(16, 150, 250, 21);
    DirFolder->SetLabelCaption("Folder");
    DirFolder->SetLabelPosition(lpTopLeft);
    DirFolder->SetLabelMargin(2);

    DtpWhen = new TQuillDateTimePicker(this);
    DtpWhen->SetParent(this);
    DtpWhen->SetBounds(16, 204, 250, 21);
    DtpWhen->SetFormat("dd/MM/yyyy");
    DtpWhen->SetTimeFormat("hh:mm tt");
    DtpWhen->SetDateTime(EncodeDateTime(2026, 12, 11, 9, 30, 0, 0));
    DtpWhen->SetAutoTab(true);
    DtpWhen->SetLabelCaption("When");
    DtpWhen->SetLabelPosition(lpTopLeft);
    DtpWhen->SetLabelMargin(2);

    // ---- The pickers, each with its value to its right.
    auto valueLabel = [this](int Index, int Top) {
        TLabel* label = new TLabel(this);
        label->SetParent(this);
        label->SetBounds(556, Top + 3, 150, 16);
        LblValues[Index] = label;
        return label;
    };
    auto place = [this](controls::TQuillCustomDropDown& Drop, const char* Caption, int Top) {
        Drop.SetParent(this);
        Drop.SetBounds(376, Top, 170, 21);
        Drop.SetLabelCaption(Caption);
        Drop.SetLabelPosition(lpTopLeft);
        Drop.SetLabelMargin(2);
    };

    DrpFruit = new controls::TQuillDetailDropDown(this);
    place(*DrpFruit, "Fruit", 36);
    const char* fruits[][2] = {{"Apple", "Round, <b>crisp</b>"},  {"Apricot", "Small and <i>soft</i>"},
                               {"Banana", "Long and yellow"},     {"Cherry", "Red, with a stone"},
                               {"Grape", "In bunches"},           {"Lemon", "Sour"}};
    for (const auto& f : fruits) {
        controls::TDetailItem& item = *DrpFruit->Items().Add();
        item.SetCaption(f[0]);
        item.SetNotes(f[1]);
    }
    DrpFruit->SetItemHeight(34);
    TLabel* fruit = valueLabel(0, 36);
    DrpFruit->OnSelect = [this, fruit](TObject*) {
        fruit->SetCaption(DrpFruit->ItemIndex() < 0 ? "none" : DrpFruit->Items().Items(DrpFruit->ItemIndex())->Caption());
    };
    DrpFruit->SetItemIndex(0);

    FShapes = MakeShapes();
    DrpShape = new controls::TQuillImagePickerDropDown(this);
    place(*DrpShape, "Shape", 84);
    DrpShape->SetImages(FShapes.get());
    DrpShape->AddImagesFromImageList();
    const char* shapes[] = {"Red box", "Green disc", "Blue box", "Olive disc", "Purple box", "Teal disc"};
    for (int i = 0; i < 6; ++i) DrpShape->Items().Items(i)->SetCaption(shapes[i]);
    DrpShape->SetColumns(3);
    TLabel* shape = valueLabel(1, 84);
    DrpShape->OnSelect = [this, shape](TObject*) {
        shape->SetCaption(DrpShape->ItemIndex() < 0 ? "none" : DrpShape->Items().Items(DrpShape->ItemIndex())->Caption());
    };
    DrpShape->SetItemIndex(0);

    const char* colourCaptions[] = {"Colour (list)", "Colour (palette)", "Colour (honeycomb)", "Colour (spectrum)"};
    const controls::TColorSelectionStyle styles[] = {controls::csList, controls::csDiscrete, controls::csColorCube,
                                                     controls::csSpectrum};
    for (int i = 0; i < 4; ++i) {
        auto* colour = new controls::TQuillColorPickerDropDown(this);
        DrpColors[i] = colour;
        place(*colour, colourCaptions[i], 132 + 48 * i);
        colour->AddDefaultColors();
        colour->SetColorSelectionStyle(styles[i]);
        colour->SetColorValueText(controls::cvtHTML);
        if (i == 0) colour->SetColumns(2);
        TLabel* value = valueLabel(2 + i, 132 + 48 * i);
        colour->OnSelect = [colour, value](TObject*) {
            char text[16];
            const TColor rgb = ColorToRGB(colour->SelectedColor());
            std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
            value->SetCaption(colour->SelectedColor() == clNone ? "none" : text);
        };
        colour->SetSelectedColor(clRed);
    }
    CreateValueEditors();
}

TDropDownDemoForm::~TDropDownDemoForm() = default;
