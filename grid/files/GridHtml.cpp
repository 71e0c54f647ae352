// The grid's HTML tables: a style block of the cells' looks and one table row per grid row.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"

#include "grid/base/AuxLists.h"
#include "grid/model/BehaviourSettings.h"

#include "grid/files/FileBytes.h"
#include "grid/files/HtmlImages.h"
#include "platform/graphics/Picture.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Clipboard.h"
#include "render/HTMLUtils.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string HexColor(TColor Color)
{
    const std::uint32_t rgb = static_cast<std::uint32_t>(ColorToRGB(Color));
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    return hex;
}

std::string Quoted(std::string_view Value) { return "\"" + std::string(Value) + "\""; }

// The markup characters as entities, so that a cell's text never becomes markup.
std::string EscapeMarkup(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (char c : Text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Every line break of a cell (CR LF, CR or LF) as "<br>".
std::string LineBreaksToHTML(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' || Text[i] == '\n') {
            out += "<br>";
            if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        } else {
            out += Text[i];
        }
    }
    return out;
}

// Characters beyond ASCII as character references, for files written in ASCII.
std::string AsciiWithReferences(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (std::size_t offset = 0; offset < Text.size();) {
        const char32_t ch = rtl::Utf8Decode(Text, offset);
        if (ch < 0x80)
            out += static_cast<char>(ch);
        else
            out += "&#" + std::to_string(static_cast<std::uint32_t>(ch)) + ";";
    }
    return out;
}

// A cell's content with its graphic: pictures as image files after the text,
// a node as "+" before it. A data image shows no text, only its image.
std::string HTMLGraphicContent(const TCellGraphic& Graphic, const std::string& Content,
                               grid::files::THtmlImageWriter& Images)
{
    switch (Graphic.CellType()) {
    case ctNode: return "+" + Content;
    case ctDataImage: return "&nbsp;"; // the grid has no image list to show its index from
    case ctBitmap:
        if (const auto* bitmap = dynamic_cast<const TGraphic*>(Graphic.CellBitmap()); bitmap && !bitmap->Empty() &&
                                                                                       Images.Active())
            return Content + Images.Write(*bitmap);
        return Content;
    case ctPicture:
        if (const auto* picture = dynamic_cast<const TPicture*>(Graphic.CellBitmap());
            picture && picture->Graphic() && !picture->Graphic()->Empty() && Images.Active())
            return Content + Images.Write(*picture->Graphic());
        return Content;
    default: return Content;
    }
}

// The length of the scheme a text opens with when a browser may follow it as a
// link ("http://", "https://", "ftp://", "mailto:"), else 0: any other text,
// "javascript:" above all, is written as text.
std::size_t SafeLinkSchemeEnd(std::string_view Text)
{
    for (const std::string_view scheme : {"http://", "https://", "ftp://", "mailto:"})
        if (Text.size() > scheme.size() && SameText(Text.substr(0, scheme.size()), scheme)) return scheme.size();
    return 0;
}

} // namespace

std::string TQuillStringGrid::HTMLCellLine(int ACol, int ARow, bool Header, bool Widths,
                                           std::vector<std::string>& Classes, grid::files::THtmlImageWriter& Images)
{
    if (IsMergedNonBaseCell(ACol, ARow)) return {};
    THTMLSettings& settings = *FHTMLSettings;
    std::string text;
    GetSaveCellText(RealColIndex(ACol), ARow, text);
    const bool empty = Trim(text).empty();
    std::string content;
    const std::size_t schemeEnd = SafeLinkSchemeEnd(text);
    if (URLShow() && schemeEnd > 0 && text.find("</") == std::string::npos) {
        std::string shown = text;
        if (!URLFull()) shown = text.substr(schemeEnd, 255);
        content = "<a href=" + Quoted(EscapeMarkup(text)) + ">" + LineBreaksToHTML(EscapeMarkup(shown)) + "</a>";
    } else {
        content = settings.ConvertSpecialChars() ? EscapeHTMLChars(text) : EscapeMarkup(text);
        if (settings.NonBreakingText() && !Header) content = SpacesToNbsp(content);
        content = LineBreaksToHTML(content);
    }
    if (empty) content = "&nbsp;";
    if (settings.ExportImages())
        if (const TCellGraphic* graphic = GetCellGraphic(ACol, ARow)) content = HTMLGraphicContent(*graphic, content, Images);

    TGridDrawState state;
    if (ACol < FixedCols() || ARow < FixedRows()) state.Include(gdFixed);
    TBrush brush;
    TFont font;
    if (!state.Contains(gdFixed) || Header) brush.SetColor(clNone);
    font.SetColor(clNone);
    font.SetStyle({});
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool wordWrap = false;
    TCellGradientDirection direction = GradientVertical;
    GetVisualProperties(ACol, ARow, state, true, false, false, brush, colorTo, mirror, mirrorTo, font, ha, va, wordWrap,
                        direction);
    const TColor background = Header ? FixedColor() : brush.Color();
    std::vector<std::string> declarations;
    if (settings.SaveColor() && background != clNone) declarations.push_back("background-color: #" + HexColor(background));
    if (settings.SaveColor() && font.Color() != clNone) declarations.push_back("color: #" + HexColor(font.Color()));
    declarations.push_back("font-size:" + IntToStr(font.Size()) + "pt");
    if (font.Style().Contains(fsItalic)) declarations.push_back("font-style: italic");
    if (font.Style().Contains(fsBold)) declarations.push_back("font-weight: bold");
    declarations.push_back("font-family: " + font.Name());
    if (ha == taRightJustify) declarations.push_back("text-align: right");
    if (ha == taCenter) declarations.push_back("text-align: center");
    declarations.push_back(va == vtaTop ? "vertical-align: top" : va == vtaCenter ? "vertical-align: middle" : "vertical-align: bottom");
    std::string css;
    for (const std::string& d : declarations)
        css += (css.empty() ? "" : ";") + d;
    auto found = std::find(Classes.begin(), Classes.end(), css);
    if (found == Classes.end()) found = Classes.insert(Classes.end(), css);

    std::string line = "<TD class=" + Quoted("c" + IntToStr(found - Classes.begin()));
    const TPoint span = CellSpan(ACol, ARow);
    if (span.X > 0) line += " COLSPAN=" + Quoted(IntToStr(span.X + 1));
    if (span.Y > 0) line += " ROWSPAN=" + Quoted(IntToStr(span.Y + 1));
    if (!wordWrap) line += " nowrap";
    if (Widths) {
        const int firstCol = SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols();
        const std::size_t index = static_cast<std::size_t>(Header ? ACol : ACol - firstCol);
        TIntList& widths = *FHTMLSettings->ColWidths();
        if (index < static_cast<std::size_t>(widths.Count()))
            line += (Header ? " WIDTH=" : " width=") + IntToStr(widths.GetInteger(static_cast<int>(index)));
    }
    return line + ">" + content + "</td>";
}

std::string TQuillStringGrid::SaveToHTMLString()
{
    // Only a file has a folder to put images beside.
    grid::files::THtmlImageWriter none({});
    return HTMLTable(none);
}

std::string TQuillStringGrid::HTMLTable(grid::files::THtmlImageWriter& Images)
{
    THTMLSettings& settings = *FHTMLSettings;
    const int firstCol = SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols();
    const bool header = FixedRows() > 0 && (SaveFixedCells() || SaveFixedRows());
    const int firstRow = header ? 1 : SaveFixedCells() || SaveFixedRows() ? 0 : FixedRows();
    std::vector<std::string> classes;
    std::string rows;
    auto writeRow = [&](int row, bool isHeader) {
        rows += "<TR>\r\n";
        for (int col = firstCol; col < ColCount(); ++col) {
            const std::string line = HTMLCellLine(col, row, isHeader, isHeader || !header, classes, Images);
            if (!line.empty()) rows += line + "\r\n";
        }
        rows += "</TR>\r\n";
    };
    if (header) writeRow(0, true);
    ExportNotification(esExportStart, firstRow);
    int progress = -1;
    for (int row = firstRow; row < RowCount(); ++row) {
        ExportNotification(esExportNextRow, row);
        writeRow(row, false);
        ReportFileProgress(progress, double(row - firstRow) / std::max(1, RowCount() - 1 - firstRow));
    }
    ExportNotification(esExportDone, -1);

    std::string out;
    if (settings.XHTML()) {
        out += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
               "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
               "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
               "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n";
    }
    out += settings.PrefixTag();
    out += "<style>\r\n";
    for (std::size_t i = 0; i < classes.size(); ++i)
        out += ".c" + std::to_string(i) + " {" + classes[i] + "}\r\n";
    out += "</style>\r\n";
    out += "<TABLE BORDER=" + Quoted(IntToStr(settings.BorderSize())) + " CELLSPACING=" + Quoted(IntToStr(settings.CellSpacing())) +
           " CELLPADDING=" + Quoted(IntToStr(settings.CellPadding())) + " ";
    if (!settings.Summary().empty()) out += "SUMMARY=" + Quoted(EscapeMarkup(settings.Summary())) + " ";
    if (!settings.TableStyle().empty()) out += " " + settings.TableStyle() + " ";
    out += " WIDTH=" + Quoted(IntToStr(settings.Width()) + "%") + ">\r\n";
    out += rows;
    out += "</TABLE>\r\n";
    if (!settings.SuffixTag().empty()) out += settings.SuffixTag() + "\r\n";
    if (settings.XHTML()) out += "</HTML>\r\n";
    return out;
}

void TQuillStringGrid::SaveHTMLFile(const std::string& FileName, bool Unicode, std::string Earlier)
{
    THTMLSettings& settings = *FHTMLSettings;
    auto fileText = [](const std::string& Name) {
        std::string text = DecodeTextBytes(grid::files::ReadFileBytes(Name));
        if (!text.empty() && text.back() != '\n') text += "\r\n";
        return text;
    };
    std::string text = std::move(Earlier);
    if (!settings.HeaderFile().empty()) text += fileText(settings.HeaderFile());
    grid::files::THtmlImageWriter images(ExtractFilePath(ExpandFileName(FileName)));
    std::string table = HTMLTable(images);
    if (Unicode && settings.XHTML()) table.replace(table.find("utf-8"), 5, "utf-16");
    text += table;
    if (!settings.FooterFile().empty()) text += fileText(settings.FooterFile());
    grid::files::SaveFileBytes(FileName,
                               Unicode ? EncodeTextBytes(text, TEncoding::Unicode, true) : AsciiWithReferences(text));
}

void TQuillStringGrid::SaveToHTML(const std::string& FileName, bool Unicode) { SaveHTMLFile(FileName, Unicode, {}); }

void TQuillStringGrid::AppendToHTML(const std::string& FileName, bool Unicode)
{
    std::string earlier;
    try {
        earlier = DecodeTextBytes(grid::files::ReadFileBytes(FileName));
    } catch (const EFOpenError&) {
        // A file that cannot be read is appended to as an empty one.
    }
    if (!earlier.empty() && earlier.back() != '\n') earlier += "\r\n";
    SaveHTMLFile(FileName, Unicode, std::move(earlier));
}

void TQuillStringGrid::CopyToClipBoardAsHTML()
{
    const std::string table = SaveToHTMLString();
    std::string document = "<html>\r\n<head><meta charset=\"utf-8\"></head>\r\n<body>\r\n";
    document += table + "</body>\r\n</html>\r\n";
    Clipboard()->Open();
    const auto close = rtl::ScopeExit([] { Clipboard()->Close(); });
    Clipboard()->SetAsText(table);
    Clipboard()->SetAsBytes(RegisterClipboardFormat("HTML Format"), document);
}
