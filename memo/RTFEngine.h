// Builds an RTF document from a sequence of styled text runs, tables, lists, links and pictures.
#pragma once

#include "memo/RTFTables.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/ExtCtrls.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TFont;
class TImageList;
class TPicture;
class TStream;

// Each Add operation appends to the document body and remembers the value it
// was given, so callers can skip calls that would change nothing. Open tables,
// rows and lists are closed only by their End operations.
class TRTFEngine : public TObject {
    VISTRA_CLASS(TRTFEngine, TObject)

    TRTFEngine();
    ~TRTFEngine() override;

    // The whole document: header, body and the closing "\par}".
    std::string GetText() const;
    // The document followed by CR LF; raises EFCreateError "Cannot Create <name>".
    void SaveToFile(const std::string& FileName) const;
    // The document's bytes at the stream's position; nothing without a stream.
    void SaveToStream(TStream* Stream) const;

    // Character formatting.
    void AddFont(const TFont& Font);
    void AddFontName(std::string_view FontName);
    void AddFontSize(int HalfPoints);
    void AddForeColor(TColor Color);
    // clNone ends highlighting.
    void AddHighLightColor(TColor Color);
    void AddBold(bool Value);
    void AddItalic(bool Value);
    void AddUnderLine(bool Value);
    void AddStrikeOut(bool Value);
    void AddSubScript();
    void AddSuperScript();
    void AddNormalScript();
    // Accepted for callers' sake: the document has no background colour.
    void AddBackGroundColor(TColor Color);

    // Paragraphs and text. A CR in the text starts a new paragraph; LF is dropped.
    void AddText(std::string_view Text);
    // Inside a bulleted list this starts the next item.
    void AddNewLine();
    void AddTab();
    // Only the left indent (twips) is written.
    void AddParagraph(int LeftIndent, int RightIndent);
    void AddHAlignment(TAlignment Alignment);
    void AddPageBreak();

    // Tables: StartTable, AddColumn per column, then per row StartRow, the
    // cells separated by NextCell (AddCellColor shades the current cell),
    // EndRow (or AddRow between rows), finally EndTable.
    void StartTable(TAlignment Alignment);
    void AddColumn(int WidthTwips);
    void StartRow();
    void NextCell();
    void AddCellColor(TColor Color);
    void EndRow();
    void AddRow();
    void EndTable();
    // Starts a new row definition with the same alignment; columns are added anew.
    void ReDefColWidth();

    // Bulleted lists; CharNo n is the bullet character 0xB0 + n of the font (7 for a dot in Symbol).
    void StartBullet(std::string_view FontName, int CharNo);
    void NextBullet();
    void EndBullet();

    // A HYPERLINK field showing Text underlined in the font's colour.
    void AddHyperLink(std::string_view Link, std::string_view Text, const TFont& Font);
    // Embeds the picture (at most 150 pixels each way) as a metafile and
    // returns the text written; empty for no or an empty picture.
    std::string AddPicture(TPicture* Picture);
    // Merges another RTF document's body, with its fonts and colours mapped onto this document's tables.
    void AddRTF(std::string_view RTFText);
    // Converts mini-HTML markup into this document, starting from the default font.
    void AddHTML(std::string_view HTMLText);

    bool Bold() const noexcept { return FBold; }
    bool Italic() const noexcept { return FItalic; }
    bool UnderLine() const noexcept { return FUnderLine; }
    bool StrikeOut() const noexcept { return FStrikeOut; }
    int FonSize() const noexcept { return FFontSize; }
    TAlignment HAlignment() const noexcept { return FHAlignment; }
    TColor ForeColor() const noexcept { return FForeColor; }
    TColor HighLightColor() const noexcept { return FHighLightColor; }
    TImageList* Images() const noexcept { return FImages; }
    void SetImages(TImageList* Value) noexcept { FImages = Value; }

private:
    enum class TPartKind { Text, LineBreak, Alignment, NextBullet, Other };
    struct TColumn {
        TColor Shading;
        int RightEdge;
    };

    // The single writer of the body: escapes text, separates control words
    // from the text after them and starts a paragraph before an alignment.
    void AppendPart(std::string_view S, TPartKind Kind);
    // Appends finished RTF (a field, a picture, a merged document); text
    // after it needs a separator only when it ends in a control word.
    void AppendRTF(std::string_view RTF, bool EndsInWord);
    void AppendText(std::string_view Text);
    std::string RowAlignmentWord() const;

    std::unique_ptr<TRTFHeader> FRTFHeader;
    bool FNewLine = true;
    bool FIsPreviouseKW = true;
    std::string FText;
    bool FStartTable = false;
    int FTableWidth = 0;
    bool FStartRow = false;
    bool FBold = false;
    bool FItalic = false;
    bool FUnderLine = false;
    bool FStrikeOut = false;
    TAlignment FHAlignment = taLeftJustify;
    int FFontSize = 12;
    TColor FForeColor = 0;
    bool FStartBullet = false;
    int FBulletChar = 0;
    std::string FBulletFont;
    TAlignment FTableAlignment = taLeftJustify;
    TImageList* FImages = nullptr;
    int FCurrentCol = -1;
    int FTotalCol = 0;
    std::vector<TColumn> FColumns;
    TColor FHighLightColor = clNone;
};
