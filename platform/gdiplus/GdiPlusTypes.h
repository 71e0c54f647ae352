// Status codes, enumerations, records and handle types of the vector drawing API.
#pragma once

#include <cstdint>

// A colour as alpha, red, green and blue bytes, alpha in the top byte.
using ARGB = std::uint32_t;

enum Status {
    Ok,
    GenericError,
    InvalidParameter,
    OutOfMemory,
    ObjectBusy,
    InsufficientBuffer,
    NotImplemented,
    Win32Error,
    WrongState,
    Aborted,
    FileNotFound,
    ValueOverflow,
    AccessDenied,
    UnknownImageFormat,
    FontFamilyNotFound,
    FontStyleNotFound,
    NotTrueTypeFont,
    UnsupportedGdiplusVersion,
    GdiplusNotInitialized,
    PropertyNotFound,
    PropertyNotSupported,
};

enum FillMode { FillModeAlternate, FillModeWinding };

enum Unit_ { UnitWorld, UnitDisplay, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter };

enum DashStyle { DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot, DashStyleCustom };

enum WrapMode { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };

enum LinearGradientMode {
    LinearGradientModeHorizontal,
    LinearGradientModeVertical,
    LinearGradientModeForwardDiagonal,
    LinearGradientModeBackwardDiagonal,
};

enum CombineMode {
    CombineModeReplace,
    CombineModeIntersect,
    CombineModeUnion,
    CombineModeXor,
    CombineModeExclude,
    CombineModeComplement,
};

enum MatrixOrder { MatrixOrderPrepend, MatrixOrderAppend };

enum SmoothingMode {
    SmoothingModeInvalid = -1,
    SmoothingModeDefault,
    SmoothingModeHighSpeed,
    SmoothingModeHighQuality,
    SmoothingModeNone,
    SmoothingModeAntiAlias,
};

enum CompositingQuality {
    CompositingQualityInvalid = -1,
    CompositingQualityDefault,
    CompositingQualityHighSpeed,
    CompositingQualityHighQuality,
    CompositingQualityGammaCorrected,
    CompositingQualityAssumeLinear,
};

enum TextRenderingHint {
    TextRenderingHintSystemDefault,
    TextRenderingHintSingleBitPerPixelGridFit,
    TextRenderingHintSingleBitPerPixel,
    TextRenderingHintAntiAliasGridFit,
    TextRenderingHintAntiAlias,
    TextRenderingHintClearTypeGridFit,
};

enum StringAlignment { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };

enum StringTrimming {
    StringTrimmingNone,
    StringTrimmingCharacter,
    StringTrimmingWord,
    StringTrimmingEllipsisCharacter,
    StringTrimmingEllipsisWord,
    StringTrimmingEllipsisPath,
};

enum HotkeyPrefix { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };

enum FlushIntention { FlushIntentionFlush, FlushIntentionSync };

enum ColorMatrixFlags { ColorMatrixFlagsDefault, ColorMatrixFlagsSkipGrays, ColorMatrixFlagsAltGray };

enum ColorChannelFlags { ColorChannelFlagsC, ColorChannelFlagsM, ColorChannelFlagsY, ColorChannelFlagsK, ColorChannelFlagsLast };

enum ColorAdjustType {
    ColorAdjustTypeDefault,
    ColorAdjustTypeBitmap,
    ColorAdjustTypeBrush,
    ColorAdjustTypePen,
    ColorAdjustTypeText,
    ColorAdjustTypeCount,
    ColorAdjustTypeAny,
};

enum RotateFlipType {
    RotateNoneFlipNone,
    Rotate90FlipNone,
    Rotate180FlipNone,
    Rotate270FlipNone,
    RotateNoneFlipX,
    Rotate90FlipX,
    Rotate180FlipX,
    Rotate270FlipX,
    RotateNoneFlipY = Rotate180FlipX,
    Rotate90FlipY = Rotate270FlipX,
    Rotate180FlipY = RotateNoneFlipX,
    Rotate270FlipY = Rotate90FlipX,
    RotateNoneFlipXY = Rotate180FlipNone,
    Rotate90FlipXY = Rotate270FlipNone,
    Rotate180FlipXY = RotateNoneFlipNone,
    Rotate270FlipXY = Rotate90FlipNone,
};

enum LineCap {
    LineCapFlat = 0,
    LineCapSquare = 1,
    LineCapRound = 2,
    LineCapTriangle = 3,
    LineCapNoAnchor = 0x10,
    LineCapSquareAnchor = 0x11,
    LineCapRoundAnchor = 0x12,
    LineCapDiamondAnchor = 0x13,
    LineCapArrowAnchor = 0x14,
};

enum HatchStyle {
    HatchStyleHorizontal,
    HatchStyleVertical,
    HatchStyleForwardDiagonal,
    HatchStyleBackwardDiagonal,
    HatchStyleCross,
    HatchStyleDiagonalCross,
    HatchStyle05Percent,
    HatchStyle10Percent,
    HatchStyle20Percent,
    HatchStyle25Percent,
    HatchStyle30Percent,
    HatchStyle40Percent,
    HatchStyle50Percent,
    HatchStyle60Percent,
    HatchStyle70Percent,
    HatchStyle75Percent,
    HatchStyle80Percent,
    HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal,
    HatchStyleLightUpwardDiagonal,
    HatchStyleDarkDownwardDiagonal,
    HatchStyleDarkUpwardDiagonal,
    HatchStyleWideDownwardDiagonal,
    HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical,
    HatchStyleLightHorizontal,
    HatchStyleNarrowVertical,
    HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical,
    HatchStyleDarkHorizontal,
    HatchStyleDashedDownwardDiagonal,
    HatchStyleDashedUpwardDiagonal,
    HatchStyleDashedHorizontal,
    HatchStyleDashedVertical,
    HatchStyleSmallConfetti,
    HatchStyleLargeConfetti,
    HatchStyleZigZag,
    HatchStyleWave,
    HatchStyleDiagonalBrick,
    HatchStyleHorizontalBrick,
    HatchStyleWeave,
    HatchStylePlaid,
    HatchStyleDivot,
    HatchStyleDottedGrid,
    HatchStyleDottedDiamond,
    HatchStyleShingle,
    HatchStyleTrellis,
    HatchStyleSphere,
    HatchStyleSmallGrid,
    HatchStyleSmallCheckerBoard,
    HatchStyleLargeCheckerBoard,
    HatchStyleOutlinedDiamond,
    HatchStyleSolidDiamond,
    HatchStyleTotal,
    HatchStyleLargeGrid = HatchStyleCross,
};

enum BrushType { BrushTypeSolidColor, BrushTypeHatchFill, BrushTypeTextureFill, BrushTypePathGradient, BrushTypeLinearGradient };

enum PenType { PenTypeSolidColor, PenTypeHatchFill, PenTypeTextureFill, PenTypePathGradient, PenTypeLinearGradient, PenTypeUnknown = -1 };

// Font style bits; strike-out is 8.
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

// String format flags.
constexpr int StringFormatFlagsDirectionRightToLeft = 0x0001;
constexpr int StringFormatFlagsNoFitBlackBox = 0x0004;
constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x0800;
constexpr int StringFormatFlagsNoWrap = 0x1000;
constexpr int StringFormatFlagsLineLimit = 0x2000;
constexpr int StringFormatFlagsNoClip = 0x4000;

// Pixel formats: bits 8-15 hold the bits per pixel, bit 16 marks a palette,
// bit 18 an alpha channel, bit 19 premultiplied alpha.
using PixelFormat = int;
constexpr PixelFormat PixelFormatIndexed = 0x00010000;
constexpr PixelFormat PixelFormatGDI = 0x00020000;
constexpr PixelFormat PixelFormatAlpha = 0x00040000;
constexpr PixelFormat PixelFormatPAlpha = 0x00080000;
constexpr PixelFormat PixelFormat1bppIndexed = 1 | (1 << 8) | PixelFormatIndexed | PixelFormatGDI;
constexpr PixelFormat PixelFormat4bppIndexed = 2 | (4 << 8) | PixelFormatIndexed | PixelFormatGDI;
constexpr PixelFormat PixelFormat8bppIndexed = 3 | (8 << 8) | PixelFormatIndexed | PixelFormatGDI;
constexpr PixelFormat PixelFormat24bppRGB = 8 | (24 << 8) | PixelFormatGDI;
constexpr PixelFormat PixelFormat32bppRGB = 9 | (32 << 8) | PixelFormatGDI;
constexpr PixelFormat PixelFormat32bppARGB = 10 | (32 << 8) | PixelFormatAlpha | PixelFormatGDI;
constexpr PixelFormat PixelFormat32bppPARGB = 11 | (32 << 8) | PixelFormatAlpha | PixelFormatPAlpha | PixelFormatGDI;

// The encoded form an image was read from.
enum class ImageFormatId { Undefined, MemoryBMP, BMP, EMF, WMF, JPEG, PNG, GIF, TIFF, EXIF, Icon };

struct TGPPointF {
    float X = 0;
    float Y = 0;
};

struct TGPPoint {
    int X = 0;
    int Y = 0;
};

struct TGPRectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
};

struct TGPRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// A 5 x 5 matrix applied to (red, green, blue, alpha, 1) row vectors of 0..1 channels.
struct ColorMatrix {
    float m[5][5] = {};
};

struct ColorMap {
    ARGB oldColor = 0;
    ARGB newColor = 0;
};

// The start-up records; background work is never done on a thread of our own,
// so the hooks stay empty.
using NotificationHookProc = Status (*)(std::uintptr_t* token);
using NotificationUnhookProc = void (*)(std::uintptr_t token);

struct GdiplusStartupInput {
    std::uint32_t GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    bool SuppressBackgroundThread = false;
    bool SuppressExternalCodecs = false;
};

struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook = nullptr;
    NotificationUnhookProc NotificationUnhook = nullptr;
};

// Opaque handles; the drawing library owns what they point to.
struct GpMatrix;
struct GpPath;
struct GpRegion;
struct GpBrush;
struct GpSolidFill;
struct GpLineGradient;
struct GpPathGradient;
struct GpTexture;
struct GpHatch;
struct GpPen;
struct GpFontFamily;
struct GpFont;
struct GpStringFormat;
struct GpImage;
struct GpBitmap;
struct GpImageAttributes;
struct GpGraphics;
