// The exchange records and enumerations of pictures, comment boxes and
// hyperlinks: how callers describe them to the file interface.
#pragma once

#include <cstdint>
#include <string>

// Picture data kinds.
enum TXlsImgTypes : std::uint8_t { xli_Emf, xli_Wmf, xli_Jpeg, xli_Png, xli_Bmp, xli_Unknown };

// How a picture follows its cells: the stored anchor flags 0, 2 and 3.
enum TVyxAnchorType : std::uint8_t { at_MoveAndResize, at_MoveAndDontResize, at_DontMoveAndDontResize };

// Where a picture or comment box lies: the cells of its top-left and
// bottom-right corners with offsets in 1/1024 of the column's width (dx)
// and 1/255 of the row's height (dy).
struct TImageProperties {
    std::int32_t Col1 = 0, dx1 = 0, Row1 = 0, dy1 = 0;
    std::int32_t Col2 = 0, dx2 = 0, Row2 = 0, dy2 = 0;
    std::string FileName;
};

// The stored anchor of a shape (the 18-byte client anchor body). Flag bits
// 0-1: 0 moves and sizes with its cells, 1 and 2 move only, 3 neither.
struct TClientAnchor {
    std::uint16_t Flag = 0;
    std::uint16_t Col1 = 0, Dx1 = 0, Row1 = 0, Dy1 = 0;
    std::uint16_t Col2 = 0, Dx2 = 0, Row2 = 0, Dy2 = 0;

    bool operator==(const TClientAnchor&) const = default;
};

enum THyperLinkType : std::uint8_t { hl_URL, hl_LocalFile, hl_UNC, hl_CurrentWorkbook };

// A hyperlink: its target (Text) of LinkType, the place inside the target
// (TextMark), the text shown, the frame to open it in and the tip.
struct THyperLink {
    THyperLinkType LinkType = hl_URL;
    std::string Description;
    std::string TargetFrame;
    std::string TextMark;
    std::string Text;
    std::string Hint;

    bool operator==(const THyperLink&) const = default;
};
