// GDI-style device-context routines: objects, state, clipping, regions, lines, fills and copies.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"

#include <functional>
#include <string>
#include <string_view>

struct _cairo;

class TBitmap;

// A device context drawing into a bitmap; free it with DeleteDC. The bitmap
// must outlive the context and keep its size while the context exists.
HDC CreateBitmapDC(TBitmap& Bitmap);
void DeleteDC(HDC DC);

// Lets a host renderer that draws with Cairo itself (the desktop theme) draw
// into a device context: Draw gets the context's Cairo context with the
// origin and clip of the device context in force; what it changes of that
// Cairo state is undone afterwards.
void DrawWithCairo(HDC DC, const std::function<void(_cairo*)>& Draw);

// A device context drawing the pages of a PDF document, each Width x Height dots at
// PixelsPerInch; nullptr when the file cannot be made. The pages are complete in the
// file after EndDocumentDC; DeleteDC frees the context.
HDC CreatePdfDocumentDC(const std::string& FileName, int Width, int Height, int PixelsPerInch);
// Ends the current page and starts a blank one of the same size.
bool NextPageDC(HDC DC);
// Finishes the document: the failure's text, or empty when every page was written.
std::string EndDocumentDC(HDC DC);

// Objects. SelectObject copies the object's attributes into the context and
// returns the handle selected before (nullptr when the default was in use).
HFONT CreateFontIndirect(const LOGFONT& LogFont);
HPEN CreatePen(TPenStyle Style, int Width, TColorRef Color);
HBRUSH CreateSolidBrush(TColorRef Color);
HBRUSH CreateHatchBrush(TBrushStyle Style, TColorRef Color);
HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object);
bool DeleteObject(HGDIOBJ Object);
// Copies a font's logical description; false for any other kind of object.
bool GetObject(HGDIOBJ Object, LOGFONT& LogFont);

// Saved states: SaveDC returns a level; RestoreDC(-1) restores the last one.
int SaveDC(HDC DC);
bool RestoreDC(HDC DC, int SavedDC);

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
int SetBkMode(HDC DC, int Mode);
int GetBkMode(HDC DC);
TColorRef SetBkColor(HDC DC, TColorRef Color);
TColorRef GetBkColor(HDC DC);
TColorRef SetTextColor(HDC DC, TColorRef Color);
TColorRef GetTextColor(HDC DC);

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
int GetDeviceCaps(HDC DC, int Index);

// The device position of logical (0, 0) is the viewport origin minus the window origin.
bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Previous = nullptr);
bool GetViewportOrgEx(HDC DC, TPoint& Origin);
bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Previous = nullptr);
bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Previous = nullptr);
bool GetWindowOrgEx(HDC DC, TPoint& Origin);
// Right-to-left layout mirrors x across the context's width.
constexpr unsigned LAYOUT_RTL = 1;
unsigned SetLayout(HDC DC, unsigned Layout);
unsigned GetLayout(HDC DC);

// Regions and clipping. Region coordinates are logical when selected.
constexpr int ERROR_REGION = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRectRgnIndirect(const TRect& R);
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;
// The pixels whose centres lie inside the polygon, by the alternate (even-odd) or winding rule.
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode);
int CombineRgn(HRGN Dest, HRGN Source1, HRGN Source2, int Mode);
int OffsetRgn(HRGN Region, int DX, int DY);
bool PtInRegion(HRGN Region, int X, int Y);
int GetRgnBox(HRGN Region, TRect& Box);
bool EqualRgn(HRGN A, HRGN B);
// Selects a copy of the region as the clip (nullptr removes the clip).
int SelectClipRgn(HDC DC, HRGN Region);
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
// The clip's bounding box in logical coordinates.
int GetClipBox(HDC DC, TRect& Box);
// Copies the current clip into Region; 0 when there is none, 1 otherwise.
int GetClipRgn(HDC DC, HRGN Region);
bool FillRgn(HDC DC, HRGN Region, HBRUSH Brush);

// Lines and shapes with the selected pen and brush. LineTo leaves out the end point.
bool MoveToEx(HDC DC, int X, int Y, TPoint* Previous = nullptr);
bool LineTo(HDC DC, int X, int Y);
bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom);
bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom);
bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height);
// Polygons are filled with the alternate (even-odd) rule.
bool Polygon(HDC DC, const TPoint* Points, int Count);
bool Polyline(HDC DC, const TPoint* Points, int Count);
// One start point and three points per curve.
bool PolyBezier(HDC DC, const TPoint* Points, int Count);
// Elliptic arcs in the box, counter-clockwise from the ray through (XStart, YStart)
// to the ray through (XEnd, YEnd); Pie closes through the centre, Chord directly.
bool Arc(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
bool Pie(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
bool Chord(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
constexpr unsigned FLOODFILLBORDER = 0;
constexpr unsigned FLOODFILLSURFACE = 1;
// Fills with the brush from (X, Y): up to the border colour, or over the area of that colour.
bool ExtFloodFill(HDC DC, int X, int Y, TColorRef Color, unsigned Type);
int FillRect(HDC DC, const TRect& R, HBRUSH Brush);
int FrameRect(HDC DC, const TRect& R, HBRUSH Brush);
bool InvertRect(HDC DC, const TRect& R);
// The dotted focus rectangle, XOR-ed so that drawing it again erases it.
bool DrawFocusRect(HDC DC, const TRect& R);
constexpr TColorRef CLR_INVALID = 0xFFFFFFFF;
TColorRef GetPixel(HDC DC, int X, int Y);
TColorRef SetPixel(HDC DC, int X, int Y, TColorRef Color);

// Raster operations of block copies.
constexpr unsigned SRCCOPY = 0x00CC0020;
constexpr unsigned SRCPAINT = 0x00EE0086;
constexpr unsigned SRCAND = 0x008800C6;
constexpr unsigned SRCINVERT = 0x00660046;
constexpr unsigned DSTINVERT = 0x00550009;
constexpr unsigned BLACKNESS = 0x00000042;
constexpr unsigned WHITENESS = 0x00FF0062;
constexpr unsigned PATCOPY = 0x00F00021;
bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SourceX, int SourceY, unsigned Rop);
bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SourceX, int SourceY,
                int SourceWidth, int SourceHeight, unsigned Rop);
