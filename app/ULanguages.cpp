// The languages window.
#include "app/ULanguages.h"

#include "app/UMain.h"
#include "map/UGeolith.h"
#include "platform/ui/Menus.h"
#include "platform/ui/grids/StringGrid.h"

TFrmLanguages* FrmLanguages = nullptr;

const std::array<std::string_view, 54> LanguageNames = {
    "Default", "Arabic", "Basque", "Bulgarian", "Bengali", "Catalan", "Czech", "Danish", "German", "Greek",
    "English", "English_Australian", "English_GreatBritain", "Spanish", "Farsi", "Finnish", "Filipino", "French",
    "Galician", "Gujarati", "Hindi", "Croatian", "Hungarian", "Indonesian", "Italian", "Hebrew", "Japanese",
    "Kannada", "Korean", "Lithuanian", "Latvian", "Malayalam", "Marathi", "Dutch", "Norwegian", "Polish",
    "Portuguese", "Portuguese_Brazil", "Portuguese_Portugal", "Romanian", "Russian", "Slovak", "Slovenian",
    "Serbian", "Swedish", "Tagalog", "Tamil", "Telugu", "Thai", "Turkish", "Ukrainian", "Vietnamese",
    "Chinese_Simplified", "Chinese_Tradtional"};
static_assert(LanguageNames.size() == LanguageCount);

TFrmLanguages::TFrmLanguages(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Languages");
    SetBorderStyle(bsSizeToolWin);
    SetClientWidth(200);
    SetClientHeight(430);
    SGLanguages = new TStringGrid(this);
    SGLanguages->SetParent(this);
    SGLanguages->SetAlign(alClient);
    SGLanguages->SetColCount(1);
    SGLanguages->SetFixedRows(0);
    SGLanguages->SetFixedCols(0);
    SGLanguages->SetScrollBars(ssVertical);
    SGLanguages->OnClick = [this](TObject* sender) { SGLanguagesClick(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFrmLanguages::~TFrmLanguages()
{
    if (FrmLanguages == this) FrmLanguages = nullptr;
}

void TFrmLanguages::FormCreate(TObject*)
{
    // The width stays fixed while the height may change.
    Constraints().SetMinWidth(Width());
    Constraints().SetMaxWidth(Width());
    if (FrmMain) FrmMain->Geolith1->MapOptions()->SetLanguage(lnEnglish);
    SGLanguages->SetColWidths(0, Width() - 30);
    SGLanguages->SetRowCount(LanguageCount);
    for (int i = 0; i < LanguageCount; ++i) SGLanguages->SetCells(0, i, std::string(LanguageNames[i]));
}

void TFrmLanguages::FormClose(TObject*, TCloseAction&)
{
    if (FrmMain) FrmMain->ShowLanguages1->SetChecked(false);
}

void TFrmLanguages::SGLanguagesClick(TObject*)
{
    const int row = SGLanguages->Row();
    if (row >= 0 && row < LanguageCount) FrmMain->Geolith1->MapOptions()->SetLanguage(static_cast<TLanguageName>(row));
}
