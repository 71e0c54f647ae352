// Writes a coloured C++ source through the memo: its own picture (PNG), its HTML export and
// its RTF export, for the peer programs (a browser, an office suite) to read back.
// Usage: memo_export_peer OUTDIR
#include "memo/MemoStyler.h"
#include "memo/QuillMemo.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/graphics/PngImage.h"
#include "platform/ui/Forms.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

// A small C++ styler: keywords, strings, characters, comments and numbers in their own colours.
class TCppStyler : public TQuillCustomMemoStyler {
public:
    explicit TCppStyler(TComponent* AOwner) : TQuillCustomMemoStyler(AOwner)
    {
        SetLineComment("//");
        SetMultiCommentLeft("/*");
        SetMultiCommentRight("*/");
        SetCommentStyle(TCharStyle(0x008000, clWhite, TFontStyles{fsItalic}));
        SetNumberStyle(TCharStyle(0x0000C0, clWhite, TFontStyles{}));
        TElementStyle& keywords = *AllStyles().Add();
        keywords.SetStyleType(stKeyword);
        keywords.Font().SetColor(0x800000);
        keywords.Font().SetStyle({fsBold});
        for (const char* word : {"int", "return", "for", "if", "const", "char", "void", "include", "namespace", "std"})
            keywords.KeyWords().Add(word);
        TElementStyle& strings = *AllStyles().Add();
        strings.SetStyleType(stBracket);
        strings.Font().SetColor(0x0080FF);
        strings.SetBracketStart(U'"');
        strings.SetBracketEnd(U'"');
        TElementStyle& symbols = *AllStyles().Add();
        symbols.SetStyleType(stSymbol);
        symbols.Font().SetColor(0x808000);
        symbols.SetSymbols(U" ,;:.()[]{}=+-*/<>#&");
    }
};

const char* const Source[] = {
    "#include <cstdio>",
    "/* Counts the words of a line. */",
    "int count(const char* line)",
    "{",
    "    int words = 0;",
    "    for (int i = 0; line[i] != 0; ++i)",
    "        if (line[i] == ' ') ++words;   // a blank ends a word",
    "    return words + 1;",
    "}",
    "int main() { return count(\"one two <three> & four\") == 4 ? 0 : 42; }",
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: memo_export_peer OUTDIR\n");
        return 2;
    }
    const std::string out = argv[1];
    backend::InstallHeadlessBackend();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 720, 260);
    auto* memo = new TQuillMemo(form.get());
    memo->SetParent(form.get());
    memo->SetAlign(alClient);
    memo->Gutter().SetVisible(false);
    memo->SetSyntaxStyles(new TCppStyler(form.get()));
    for (const char* line : Source) memo->Lines().Add(line);
    form->Show();
    form->Update();
    TPngImage png;
    png.Assign(&form->Surface());
    png.SaveToFile(out + "/memo-export-memo.png");
    if (!memo->SaveToHTML(out + "/memo-export.html", true) || !memo->SaveToRTF(out + "/memo-export.rtf", true)) {
        std::fprintf(stderr, "memo_export_peer: the exports could not be written to %s\n", out.c_str());
        return 1;
    }
    return 0;
}
