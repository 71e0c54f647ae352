// A window with the source-code memo holding one file, for developers and tests.
#include "memo/QuillMemo.h"
#include "memo/QuillmWS.h"
#include "platform/graphics/PngImage.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/Printers.h"
#include "tools/common/PrintMenu.h"

#include <cctype>
#include <cstdio>
#include <set>
#include <exception>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: memoview FILE [--styler html] [--shared] [--screenshot OUT.png] [--print OUT.pdf]\n");
    return 2;
}

// File > Print: the print dialog chooses the printer or a PDF file, and the pages or the selection.
void AddPrintMenu(TForm& Form, TQuillMemo& Memo)
{
    tools::AddPrintMenu(Form, "memoview", "document", [&Memo](TPrintDialog& dialog) {
        TPrinter* printer = Printer();
        dialog.SetMaxPage(Memo.NumberOfPages(*printer->Canvas(), printer->PageWidth(), printer->PageHeight()));
        dialog.SetToPage(dialog.MaxPage());
        dialog.SetSelectionAllowed(Memo.SelLength() > 0);
        if (!dialog.Execute()) return false;
        if (dialog.PrintRange() == prSelection) Memo.PrintSelection();
        else if (dialog.PrintRange() == prPageNums) Memo.PrintPages(dialog.FromPage(), dialog.ToPage());
        else Memo.Print();
        return true;
    });
}

// Ctrl+Space offers the words of the text that begin like the word at the caret.
void CompleteFromTheText(TQuillMemo& Memo)
{
    Memo.OnGetAutoCompletionList = [&Memo](TObject*, const std::string& Token, TStringList& List) {
        std::set<std::string> seen;
        for (int i = 0; i < Memo.EffectiveLines().Count(); ++i) {
            const std::string& line = Memo.EffectiveLines().Strings(i);
            size_t at = 0;
            while (at < line.size()) {
                size_t end = at;
                while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_' || (line[end] & 0x80))) ++end;
                if (end == at) {
                    ++at;
                    continue;
                }
                std::string word = line.substr(at, end - at);
                at = end;
                if (word.size() > Token.size() && AnsiUpperCase(word).starts_with(Token) && seen.insert(word).second) List.Add(word);
            }
        }
    };
}

} // namespace

int main(int argc, char** argv)
{
    std::string file, screenshot, styler, pdf;
    bool shared = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--styler" && i + 1 < argc) styler = argv[++i];
        else if (arg == "--screenshot" && i + 1 < argc) screenshot = argv[++i];
        else if (arg == "--print" && i + 1 < argc) pdf = argv[++i];
        else if (arg == "--shared") shared = true;
        else if (file.empty() && !arg.starts_with("--")) file = arg;
        else return Usage();
    }
    if (file.empty() || (!styler.empty() && styler != "html")) return Usage();

    Application->Initialize();
    Application->SetTitle("memoview");
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("memoview - " + file);
    form->SetBounds(40, 40, 640, 480);
    auto* memo = new TQuillMemo(form);
    memo->SetParent(form);
    memo->SetAlign(alClient);
    if (styler == "html") memo->SetSyntaxStyles(new TQuillHTMLMemoStyler(form));
    // Ctrl+F finds the next match from the caret; Ctrl+H replaces every match
    // in the text, which one Ctrl+Z takes back.
    std::string lastFind;
    memo->OnFind = [&](TObject*) {
        if (InputQuery("Find", "Find what:", lastFind) && memo->FindText(lastFind, {frDown}) < 0)
            ShowMessage("\"" + lastFind + "\" was not found.");
    };
    memo->OnReplace = [&](TObject*) {
        std::string with;
        if (!InputQuery("Replace", "Find what:", lastFind) || lastFind.empty()) return;
        if (!InputQuery("Replace", "Replace with:", with)) return;
        memo->SetCursor(0, 0);
        memo->ClearSelection();
        memo->FindAndReplace(lastFind, with, {frDown});
    };
    CompleteFromTheText(*memo);
    try {
        memo->Lines().LoadFromFile(file);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "memoview: cannot read %s: %s\n", file.c_str(), e.what());
        return 1;
    }
    // Printed pages keep half an inch of paper around the text and carry their numbers.
    TPrintOptions& print = memo->PrintOptions();
    print.MarginLeft = print.MarginRight = print.MarginTop = print.MarginBottom = TPrinter::Resolution / 2;
    print.PageNr = true;
    print.PagePrefix = "Page";
    print.JobName = "memoview - " + file;
    if (!pdf.empty()) {
        Printer()->SetFileName(pdf);
        try {
            memo->Print();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "memoview: cannot print to %s: %s\n", pdf.c_str(), e.what());
            return 1;
        }
        return 0;
    }
    // --shared: a second memo below shows the same document; the memo with the
    // focus is bound to it, and the other repaints as the text changes.
    if (shared) {
        auto* source = new TQuillMemoSource(form);
        source->SetLines(memo->Lines());
        auto* lower = new TQuillMemo(form);
        lower->SetParent(form);
        lower->SetAlign(alBottom);
        lower->SetHeight(form->ClientHeight() / 2);
        for (auto [self, other] : {std::pair{memo, lower}, std::pair{lower, memo}}) {
            self->SetSyntaxStyles(memo->SyntaxStyles());
            self->SetMemoSource(source);
            self->OnEnter = [source, self](TObject*) { source->AttachMemo(self); };
            self->OnChange = [other](TObject*) { other->Invalidate(); };
        }
        CompleteFromTheText(*lower);
        source->AttachMemo(memo);
    }
    AddPrintMenu(*form, *memo);
    form->Show();
    memo->SetFocus();
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
