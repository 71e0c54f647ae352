// The languages window: the map's 54 languages; clicking one switches the map to it.
#pragma once

#include "platform/ui/Forms.h"

#include <array>
#include <string_view>

class TStringGrid;

// The names shown, in the order of TLanguageName.
extern const std::array<std::string_view, 54> LanguageNames;

class TFrmLanguages : public TForm {
    VISTRA_CLASS(TFrmLanguages, TForm)

    explicit TFrmLanguages(TComponent* AOwner);
    ~TFrmLanguages() override;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void SGLanguagesClick(TObject* Sender);

    TStringGrid* SGLanguages = nullptr;
};

extern TFrmLanguages* FrmLanguages;
