// The HTML styler's keyword lists, spans, symbols and comments.
#include "memo/QuillmWS.h"

#include <initializer_list>

namespace {

// As the styler has always listed them, "ABREV" and "BLOCQUOTE" included.
constexpr std::initializer_list<const char*> StandardKeywords = {
    "&lt", "ABREV", "ACRONYM", "ADDRESS", "APPLET", "AREA", "AU", "AUTHOR", "B", "BANNER", "BASE", "BASEFONT",
    "BGSOUND", "BIG", "BLINK", "BLOCQUOTE", "BODY", "BQ", "BR", "CAPTION", "CENTER", "CITE", "CODE", "COL",
    "COLGROUP", "COMMENT", "CREDIT", "DEL", "DFN", "DIR", "DIV", "DL", "DT", "DD", "EM", "EMBED", "FIG", "FN",
    "FONT", "FORM", "FRAME", "FRAMESET", "HEAD", "H1", "H2", "H3", "H4", "H5", "H6", "HR", "HTML", "I", "IFRAME",
    "IMG", "INPUT", "INS", "ISINDEX", "KBD", "LANG", "LH", "LI", "LINK", "LISTING", "MAP", "MARQUEE", "MATH",
    "MENU", "META", "MULTICOL", "NOBR", "NOFRAMES", "NOTE", "OL", "OVERLAY", "P", "PARAM", "PERSON", "PLAINTEXT",
    "PRE", "Q", "RANGE", "SAMP", "SCRIPT", "SELECT", "SMALL", "SPACER", "SPOT", "STRIKE", "STRONG", "SUB", "SUP",
    "TAB", "TBODY", "TEXTAREA", "TEXTFLOW", "TFOOT", "TH", "THEAD", "TITLE", "TT", "U", "UL", "VAR", "WBR", "XMP",
    "DOCTYPE", "PUBLIC"};
constexpr std::initializer_list<const char*> TableKeywords = {
    "TABLE", "BORDER", "TD", "TR", "STYLE", "BORDERCOLOR", "WIDTH", "ID", "BORDERCOLORLIGHT", "BORDERCOLORDARK"};
constexpr std::initializer_list<const char*> LinkKeywords = {"A", "HREF"};

TElementStyle& AddStyle(TElementStyles& styles, TStyleType type, const char* info, TColor color)
{
    TElementStyle& item = *styles.Add();
    item.SetStyleType(type);
    item.SetInfo(info);
    item.Font().SetColor(color);
    return item;
}

void AddKeywords(TElementStyles& styles, const char* info, TColor color, std::initializer_list<const char*> words)
{
    TElementStyle& item = AddStyle(styles, stKeyword, info, color);
    for (const char* word : words) item.KeyWords().Add(word);
}

void AddBracket(TElementStyles& styles, const char* info, TColor color, char32_t quote)
{
    TElementStyle& item = AddStyle(styles, stBracket, info, color);
    item.SetBracketStart(quote);
    item.SetBracketEnd(quote);
}

} // namespace

TQuillHTMLMemoStyler::TQuillHTMLMemoStyler(TComponent* AOwner) : TQuillCustomMemoStyler(AOwner)
{
    SetDescription("Web pages");
    SetFilter("HTML Document (*.htm,*.html)|*.htm;*.html");
    SetDefaultExtension(".html");
    SetStylerName("HTML document");
    SetExtensions("htm;html");
    SetLineComment("//");
    SetMultiCommentLeft("<!--");
    SetMultiCommentRight("-->");
    SetCommentStyle(TCharStyle(clSilver, clWhite, TFontStyles{fsItalic}));
    SetNumberStyle(TCharStyle(clBlack, clWhite, TFontStyles{}));

    TElementStyles& styles = AllStyles();
    AddKeywords(styles, "HTML Standard Default", clNavy, StandardKeywords);
    AddKeywords(styles, "HTML Table Keywords", clOlive, TableKeywords);
    AddKeywords(styles, "HTML Link Keywords", clRed, LinkKeywords);
    AddBracket(styles, "Simple Bracket", clBackground, U'\'');
    AddBracket(styles, "Double Bracket", clBlue, U'"');
    AddStyle(styles, stSymbol, "Symbols Delimiters", clTeal).SetSymbols(U" ,;:.()[]=-*/^%<>#\r\n");
}
