// Builds an RTF document from a sequence of styled text runs, tables, lists and links.
#include "memo/RTFEngine.h"

#include "memo/RTFEscape.h"
#include "platform/classes/FileSave.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <cctype>
#include <cstdio>
#include <memory>

TRTFEngine::TRTFEngine() : FRTFHeader(std::make_unique<TRTFHeader>()) {}
TRTFEngine::~TRTFEngine() = default;

std::string TRTFEngine::GetText() const { return FRTFHeader->GetText() + FText + "\\par}"; }

void TRTFEngine::SaveToFile(const std::string& FileName) const
{
    classes::SaveFileBytes(FileName, GetText() + "\r\n");
}

void TRTFEngine::SaveToStream(TStream* Stream) const
{
    if (Stream) Stream->WriteString(GetText());
}

void TRTFEngine::AppendText(std::string_view Text)
{
    for (size_t i = 0; i < Text.size();) {
        const char32_t ch = rtl::Utf8Decode(Text, i);
        if (ch == '\n') continue;
        if (ch == '\r') {
            FText += "\\par ";
            FNewLine = true;
            continue;
        }
        memo::AppendRTFChar(FText, ch);
        FNewLine = false;
    }
}

void TRTFEngine::AppendPart(std::string_view S, TPartKind Kind)
{
    if (Kind == TPartKind::Alignment && FNewLine) FText += "\\pard";
    if (Kind == TPartKind::Text) {
        if (FIsPreviouseKW) FText += ' ';
        AppendText(S);
    } else {
        FText += S;
    }
    // Parts that end in a space or a brace need no separator before text;
    // one added there would show as a leading space.
    FIsPreviouseKW = Kind != TPartKind::Text && Kind != TPartKind::NextBullet && !S.empty() &&
                     std::isalnum(static_cast<unsigned char>(S.back()));
    // A text's own line breaks decide whether it leaves a paragraph start behind.
    if (Kind != TPartKind::LineBreak && Kind != TPartKind::Text) FNewLine = false;
}

void TRTFEngine::AppendRTF(std::string_view RTF, bool EndsInWord)
{
    FText += RTF;
    FIsPreviouseKW = EndsInWord;
}

void TRTFEngine::AddFont(const TFont& Font) { AppendPart(FRTFHeader->FontTable()->AddFont(Font), TPartKind::Other); }

void TRTFEngine::AddFontName(std::string_view FontName)
{
    AppendPart(FRTFHeader->FontTable()->AddFont(FontName), TPartKind::Other);
}

void TRTFEngine::AddFontSize(int HalfPoints)
{
    FFontSize = HalfPoints;
    AppendPart("\\fs" + std::to_string(HalfPoints), TPartKind::Other);
}

void TRTFEngine::AddForeColor(TColor Color)
{
    FForeColor = Color;
    AppendPart("\\cf" + std::to_string(FRTFHeader->ColorTable()->AddColor(Color)), TPartKind::Other);
}

void TRTFEngine::AddHighLightColor(TColor Color)
{
    FHighLightColor = Color;
    AppendPart(Color == clNone ? std::string("\\highlight0")
                               : "\\highlight" + std::to_string(FRTFHeader->ColorTable()->AddColor(Color)),
               TPartKind::Other);
}

void TRTFEngine::AddBold(bool Value)
{
    FBold = Value;
    AppendPart(Value ? "\\b" : "\\b0", TPartKind::Other);
}

void TRTFEngine::AddItalic(bool Value)
{
    FItalic = Value;
    AppendPart(Value ? "\\i" : "\\i0", TPartKind::Other);
}

void TRTFEngine::AddUnderLine(bool Value)
{
    FUnderLine = Value;
    AppendPart(Value ? "\\ul" : "\\ulnone", TPartKind::Other);
}

void TRTFEngine::AddStrikeOut(bool Value)
{
    FStrikeOut = Value;
    AppendPart(Value ? "\\strike" : "\\strike0", TPartKind::Other);
}

void TRTFEngine::AddSubScript() { AppendPart("\\sub\\dn4", TPartKind::Other); }
void TRTFEngine::AddSuperScript() { AppendPart("\\super\\up4", TPartKind::Other); }
void TRTFEngine::AddNormalScript() { AppendPart("\\up0\\nosupersub", TPartKind::Other); }
void TRTFEngine::AddBackGroundColor(TColor /*Color*/) {}

void TRTFEngine::AddText(std::string_view Text) { AppendPart(Text, TPartKind::Text); }

void TRTFEngine::AddNewLine()
{
    if (FStartBullet) {
        NextBullet();
        return;
    }
    FNewLine = true;
    AppendPart("\\par", TPartKind::LineBreak);
}

void TRTFEngine::AddTab() { AppendPart("\\tab", TPartKind::Other); }

void TRTFEngine::AddParagraph(int LeftIndent, int /*RightIndent*/)
{
    AppendPart("\\li" + std::to_string(LeftIndent), TPartKind::Other);
}

void TRTFEngine::AddHAlignment(TAlignment Alignment)
{
    FHAlignment = Alignment;
    const char* word = Alignment == taRightJustify ? "\\qr" : Alignment == taCenter ? "\\qc" : "\\ql";
    AppendPart(word, TPartKind::Alignment);
}

void TRTFEngine::AddPageBreak() { AppendPart("\\par\\page ", TPartKind::Other); }

std::string TRTFEngine::RowAlignmentWord() const
{
    return FTableAlignment == taRightJustify ? "\\trqr" : FTableAlignment == taCenter ? "\\trqc" : "\\trql";
}

void TRTFEngine::StartTable(TAlignment Alignment)
{
    FStartTable = true;
    FTableWidth = 0;
    FTotalCol = 0;
    FColumns.clear();
    FTableAlignment = Alignment;
    AppendPart("\\trowd\\trgaph108\\trleft-108" + RowAlignmentWord(), TPartKind::Other);
}

void TRTFEngine::AddColumn(int WidthTwips)
{
    ++FTotalCol;
    FTableWidth += WidthTwips;
    FColumns.push_back({clWhite, FTableWidth});
    AppendPart("\\cellx" + std::to_string(FTableWidth), TPartKind::Other);
}

void TRTFEngine::StartRow()
{
    FStartRow = true;
    FCurrentCol = 0;
    for (TColumn& column : FColumns)
        column.Shading = clWhite;
    AppendPart("\\pard\\intbl ", TPartKind::Other);
}

void TRTFEngine::NextCell()
{
    ++FCurrentCol;
    AppendPart("\\cell ", TPartKind::Other);
}

void TRTFEngine::AddCellColor(TColor Color)
{
    if (!FStartRow || FCurrentCol < 0 || FCurrentCol >= static_cast<int>(FColumns.size())) return;
    FColumns[static_cast<size_t>(FCurrentCol)].Shading = Color;
}

void TRTFEngine::EndRow()
{
    if (!FStartRow) return;
    std::string row;
    for (int cell = FCurrentCol; cell < FTotalCol; ++cell)
        row += " \\cell";
    row += "\\pard \\intbl {\\rtlch \\af0 \\ltrch \\trowd \\ltrrow \\ts15\\trgaph108\\trleft-108" + RowAlignmentWord();
    for (const TColumn& column : FColumns) {
        if ((ColorToRGB(column.Shading) & 0xFFFFFF) != 0xFFFFFF) {
            const std::string index = std::to_string(FRTFHeader->ColorTable()->AddColor(column.Shading));
            row += "\\clcfpat" + index + "\\clshdng10000\\clcfpatraw" + index + "\\clshdngraw10000 ";
        }
        row += " \\cellx" + std::to_string(column.RightEdge);
    }
    FStartRow = false;
    FCurrentCol = -1;
    AppendPart(row + "\\row }", TPartKind::Other);
}

void TRTFEngine::AddRow()
{
    EndRow();
    StartRow();
}

void TRTFEngine::EndTable()
{
    if (!FStartTable) return;
    AppendPart("\\pard\\par", TPartKind::Other);
    FStartTable = false;
}

void TRTFEngine::ReDefColWidth()
{
    if (FStartTable) StartTable(FTableAlignment);
}

void TRTFEngine::StartBullet(std::string_view FontName, int CharNo)
{
    if (FStartBullet || FontName.empty()) return;
    TFontTable& fonts = *FRTFHeader->FontTable();
    FBulletFont = fonts.AddFont(FontName);
    FBulletChar = CharNo;
    FStartBullet = true;
    const std::string charNo = std::to_string(CharNo);
    AppendPart("\\pard{\\pntext" + FBulletFont + "\\'B" + charNo + "\\tab}{\\*\\pn\\pnlvlblt\\pnf" +
                   std::to_string(fonts.IndexOf(FontName)) + "\\pnindent0{\\pntxtb\\'B" + charNo +
                   "}}\\ltrpar\\fi-720\\li720",
               TPartKind::Other);
}

void TRTFEngine::NextBullet()
{
    if (!FStartBullet) return;
    AppendPart("\\par {\\pntext" + FBulletFont + "\\'B" + std::to_string(FBulletChar) + "\\tab}",
               TPartKind::NextBullet);
}

void TRTFEngine::EndBullet()
{
    if (!FStartBullet) return;
    AppendPart("\\par\\pard\\ltrpar", TPartKind::Other);
    FStartBullet = false;
}

void TRTFEngine::AddHyperLink(std::string_view Link, std::string_view Text, const TFont& Font)
{
    TFontTable& fonts = *FRTFHeader->FontTable();
    fonts.AddFont(Font);
    const std::string f = std::to_string(fonts.IndexOf(Font.Name()));
    const std::string c = std::to_string(FRTFHeader->ColorTable()->AddColor(Font.Color()));
    const std::string s = std::to_string(Font.Size() * 2);
    // A quote would end the field's argument early; "%22" is the same character in a link.
    const std::string link = StringReplace(memo::EscapeRTFText(Link), "\"", "%22", rfReplaceAll);
    AppendRTF("{\\field{\\*\\fldinst {\\rtlch \\af" + f + "\\afs" + s + "\\ltrch \\f" + f + "\\fs" + s +
             "  HYPERLINK \"" + link + "\" }}{\\fldrslt {\\rtlch \\af" + f + "\\afs" + s + " \\ltrch \\f" + f +
             "\\fs" + s + "\\ul\\cf" + c + " " + memo::EscapeRTFText(Text) + "}}}",
              false);
}
