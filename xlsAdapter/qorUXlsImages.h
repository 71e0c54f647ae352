// Pictures between cell anchors and screen pixels, and stored picture bytes
// turned back into files and graphics. Everything goes through the file
// interface, so any TExcelFile serves.
#pragma once

#include "xlsAdapter/qorUVyxDrawingTypes.h"

#include <cstdint>

class TExcelFile;
class TPicture;
class TStream;

namespace xlsAdapter {

// Column c and row r (from 1) in pixels: width x 7 / 256 (hidden columns
// 0), and height / 15 (the default height for empty rows).
long double ColumnWidthInPixels(TExcelFile& File, int c);
long double RowHeightInPixels(TExcelFile& File, int r);

// The anchor of a Width x Height pixel rectangle whose top-left corner lies
// XOffset pixels right of column Col's left edge and YOffset pixels below
// row Row's top (1-based).
void ImageAnchorFromPixels(TExcelFile* File, int Row, int Col, int YOffset, int XOffset, long double Height,
                           long double Width, TImageProperties& Properties);
// The size of an anchored rectangle (1-based cells) and the top-left
// corner's place inside its cell, in pixels.
void ImageExtentFromAnchor(TExcelFile& File, const TClientAnchor& Anchor, long double& XOffset, long double& YOffset,
                           long double& Width, long double& Height);
void ImageSizeFromAnchor(TExcelFile& File, const TClientAnchor& Anchor, int& Width, int& Height);

// The checksum of a placeable metafile header: the exclusive or of its
// first ten words.
std::uint16_t MetafileHeaderChecksum(const std::uint8_t* Header);
// A stored metafile (its 34-byte header, then deflated data) as a file: a
// WMF gets its placeable header back. The inflated size is held to the
// size the header announces.
void InflateXlsMetafile(TStream& Dest, TStream& Source, TXlsImgTypes ImgType, bool& Handled);
// Loads picture bytes as GetPicture gives them into Picture. Metafiles have
// no graphic class here: they report not handled.
void LoadXlsMetafileIntoPicture(TPicture& Picture, TStream& Stream, TXlsImgTypes ImgType, bool& Handled);
void LoadXlsImageIntoPicture(TStream& Stream, TXlsImgTypes ImgType, TPicture& Picture, bool& Handled);

} // namespace xlsAdapter
