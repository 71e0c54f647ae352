// Highlighting and marking text in cells, and the column and row headers.
#include "grid/QuillGrid.h"

#include "grid/base/QuillUtilLineBreaks.h"
#include "platform/classes/StringList.h"
#include "render/HTMLUtils.h"

namespace {

constexpr std::string_view HilightTag = "hi";
constexpr std::string_view MarkTag = "e";

} // namespace

std::string TQuillStringGrid::HilightText(bool DoCase, std::string_view S, std::string_view Text)
{
    return InsertMatchTags(S, Text, HilightTag, DoCase);
}

std::string TQuillStringGrid::UnHilightText(std::string_view S) { return RemoveMatchTags(S, HilightTag); }

std::string TQuillStringGrid::MarkText(bool DoCase, std::string_view S, std::string_view Text)
{
    return InsertMatchTags(S, Text, MarkTag, DoCase);
}

std::string TQuillStringGrid::UnMarkText(std::string_view S) { return RemoveMatchTags(S, MarkTag); }

void TQuillStringGrid::TagRange(int FromCol, int FromRow, int ToCol, int ToRow, std::string_view Tag,
                                std::string_view Match, bool DoCase, bool Untag)
{
    for (int r = std::max(FromRow, 0); r <= ToRow; ++r)
        for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            const std::string& text = GetGridCell(c, r);
            std::string tagged = Untag ? RemoveMatchTags(text, Tag) : InsertMatchTags(text, Match, Tag, DoCase);
            if (tagged != text) WriteCellText(c, r, tagged);
        }
}

void TQuillStringGrid::HilightInCell(bool DoCase, int Col, int Row, std::string_view HiText)
{
    TagRange(Col, Row, Col, Row, HilightTag, HiText, DoCase, false);
}

void TQuillStringGrid::MarkInCell(bool DoCase, int Col, int Row, std::string_view HiText)
{
    TagRange(Col, Row, Col, Row, MarkTag, HiText, DoCase, false);
}

void TQuillStringGrid::UnHilightInCell(int Col, int Row) { TagRange(Col, Row, Col, Row, HilightTag, {}, false, true); }

void TQuillStringGrid::UnMarkInCell(int Col, int Row) { TagRange(Col, Row, Col, Row, MarkTag, {}, false, true); }

void TQuillStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, std::string_view HiText)
{
    TagRange(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : LastNormalRow(), HilightTag, HiText,
             DoCase, false);
}

void TQuillStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, std::string_view HiText)
{
    TagRange(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : LastNormalRow(), MarkTag, HiText,
             DoCase, false);
}

void TQuillStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    TagRange(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : LastNormalRow(), HilightTag, {}, false,
             true);
}

void TQuillStringGrid::UnMarkInCol(bool DoFixed, int Col)
{
    TagRange(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : LastNormalRow(), MarkTag, {}, false,
             true);
}

void TQuillStringGrid::HilightInGrid(bool DoFixed, bool DoCase, std::string_view HiText)
{
    if (DoFixed) TagRange(0, 0, ColCount() - 1, RowCount() - 1, HilightTag, HiText, DoCase, false);
    else TagRange(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, LastNormalRow(), HilightTag, HiText,
                  DoCase, false);
}

void TQuillStringGrid::MarkInGrid(bool DoFixed, bool DoCase, std::string_view HiText)
{
    if (DoFixed) TagRange(0, 0, ColCount() - 1, RowCount() - 1, MarkTag, HiText, DoCase, false);
    else TagRange(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, LastNormalRow(), MarkTag, HiText, DoCase,
                  false);
}

void TQuillStringGrid::UnHilightInGrid(bool DoFixed)
{
    if (DoFixed) TagRange(0, 0, TotalColCount() - 1, RowCount() - 1, HilightTag, {}, false, true);
    else TagRange(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, LastNormalRow(), HilightTag, {},
                  false, true);
}

void TQuillStringGrid::UnMarkInGrid(bool DoFixed)
{
    if (DoFixed) TagRange(0, 0, TotalColCount() - 1, RowCount() - 1, MarkTag, {}, false, true);
    else TagRange(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, LastNormalRow(), MarkTag, {},
                  false, true);
}

// Headers.

void TQuillStringGrid::SetColumnHeaders(const TStrings& Value)
{
    FColumnHeaders->Assign(&Value);
    if (FixedRows() > 0) ClearColumnHeaders();
    ShowColumnHeaders();
}

void TQuillStringGrid::ShowColumnHeaders()
{
    if (FixedRows() <= 0) return;
    for (int i = 0; i < FColumnHeaders->Count() && i < TotalColCount(); ++i)
        SetCells(i, 0, BackslashNToCR(FColumnHeaders->Strings(i)));
}

void TQuillStringGrid::ClearColumnHeaders()
{
    for (int c = 0; c < ColCount(); ++c) SetCells(c, 0, "");
}

void TQuillStringGrid::SetRowHeaders(const TStrings& Value)
{
    FRowHeaders->Assign(&Value);
    ShowRowHeaders();
}

void TQuillStringGrid::ShowRowHeaders()
{
    if (FixedCols() <= 0) return;
    for (int i = 0; i < FRowHeaders->Count() && i < RowCount(); ++i)
        SetCells(0, i, BackslashNToCR(FRowHeaders->Strings(i)));
}

void TQuillStringGrid::ClearRowHeaders()
{
    for (int r = 0; r < RowCount(); ++r) SetCells(0, r, "");
}

void TQuillStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, std::string_view HiText)
{
    TagRange(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1, Row,
             HilightTag, HiText, DoCase, false);
}

void TQuillStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, std::string_view HiText)
{
    TagRange(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1, Row,
             MarkTag, HiText, DoCase, false);
}

// Untagging reaches the hidden columns too, so nothing tagged stays behind.
void TQuillStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    TagRange(DoFixed ? 0 : FixedCols(), Row, DoFixed ? TotalColCount() - 1 : TotalColCount() - FFixedRightCols - 1,
             Row, HilightTag, {}, false, true);
}

void TQuillStringGrid::UnMarkInRow(bool DoFixed, int Row)
{
    TagRange(DoFixed ? 0 : FixedCols(), Row, DoFixed ? TotalColCount() - 1 : TotalColCount() - FFixedRightCols - 1,
             Row, MarkTag, {}, false, true);
}
