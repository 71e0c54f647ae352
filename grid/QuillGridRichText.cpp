// Cell texts as the values of their HTML form controls and as rich text.
#include "grid/QuillGrid.h"
#include "grid/paint/RichText.h"

#include <algorithm>

#include "memo/RTFEngine.h"
#include "platform/rtl/Exceptions.h"
#include "render/HTMLControls.h"

std::string TQuillStringGrid::ControlValues(int ACol, int ARow, const std::string& ID)
{
    std::string value;
    return ReadControlValue(GetCellEx(ACol, ARow), ID, value) ? value : std::string();
}

void TQuillStringGrid::SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value)
{
    // The stored text is rewritten: the shown one may carry anchors or counts
    // that are decoration, not data.
    int baseCol = ACol, baseRow = ARow;
    ResolveBaseCell(ACol, ARow, baseCol, baseRow);
    std::string text = GetGridCell(baseCol, baseRow);
    if (WriteControlValue(text, ID, Value)) SetCellEx(ACol, ARow, text);
}

void TQuillStringGrid::CellToRich(int Col, int Row, std::vector<grid::TRichRun>& RichEditor)
{
    RichEditor.clear();
    const std::string text = GetCellEx(Col, Row);
    if (text.empty()) return;
    if (text.starts_with("{\\rtf")) {
        try {
            RichEditor = grid::ReadRichText(text);
            return;
        } catch (const EReadError&) {
            // Text that only looks like RTF loads as it is.
            RichEditor.clear();
        }
    }
    RichEditor.emplace_back().Text = text;
}

std::string TQuillStringGrid::RichToString(const std::vector<grid::TRichRun>& RichEditor)
{
    if (FDestroying) return {};
    TRTFEngine rtf;
    // Each setting is written where it changes.
    for (const grid::TRichRun& run : RichEditor) {
        if (!run.FontName.empty()) rtf.AddFontName(run.FontName);
        if (run.HalfPoints > 0 && run.HalfPoints != rtf.FonSize()) rtf.AddFontSize(run.HalfPoints);
        const TColor color = run.Color == clNone ? clBlack : run.Color;
        if (color != rtf.ForeColor()) rtf.AddForeColor(color);
        if (run.Highlight != rtf.HighLightColor()) rtf.AddHighLightColor(run.Highlight);
        if (run.Bold != rtf.Bold()) rtf.AddBold(run.Bold);
        if (run.Italic != rtf.Italic()) rtf.AddItalic(run.Italic);
        if (run.Underline != rtf.UnderLine()) rtf.AddUnderLine(run.Underline);
        if (run.StrikeOut != rtf.StrikeOut()) rtf.AddStrikeOut(run.StrikeOut);
        // The document starts a paragraph at each CR.
        std::string text = run.Text;
        std::replace(text.begin(), text.end(), '\n', '\r');
        rtf.AddText(text);
    }
    return rtf.GetText();
}

void TQuillStringGrid::RichToCell(int Col, int Row, const std::vector<grid::TRichRun>& RichEditor)
{
    SetCellEx(Col, Row, RichToString(RichEditor));
}
