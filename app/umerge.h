// The merge window: marker files listed one per line, merged into an output file.
#pragma once

#include "platform/ui/Forms.h"

class TLabel;
class TMemo;
class TQuillEdit;
class TButton;
class TOpenDialog;
class TSaveDialog;

class Tfrmmerge : public TForm {
    VISTRA_CLASS(Tfrmmerge, TForm)

    explicit Tfrmmerge(TComponent* AOwner);
    ~Tfrmmerge() override;

    void FormShow(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);

    TLabel* Label1 = nullptr;
    TMemo* Memo1 = nullptr;
    TQuillEdit* QuillEdit1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button3 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
};

extern Tfrmmerge* frmmerge;
