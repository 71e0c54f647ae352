// Points, sizes and rectangles in device pixels, as the drawing routines take them.
#pragma once

#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle whose right and bottom edges are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const noexcept { return Right - Left; }
    int Height() const noexcept { return Bottom - Top; }
    bool IsEmpty() const noexcept { return Right <= Left || Bottom <= Top; }
    TPoint TopLeft() const noexcept { return {Left, Top}; }
    TPoint BottomRight() const noexcept { return {Right, Bottom}; }
    bool Contains(TPoint P) const noexcept { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int X, int Y) noexcept { return {X, Y}; }
constexpr TRect Rect(int Left, int Top, int Right, int Bottom) noexcept { return {Left, Top, Right, Bottom}; }
constexpr TRect Bounds(int Left, int Top, int Width, int Height) noexcept
{
    return {Left, Top, Left + Width, Top + Height};
}

// The common part of two rectangles; an empty rectangle when they do not meet.
inline TRect IntersectRect(const TRect& A, const TRect& B) noexcept
{
    TRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
            std::min(A.Bottom, B.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

inline TRect UnionRect(const TRect& A, const TRect& B) noexcept
{
    if (A.IsEmpty()) return B;
    if (B.IsEmpty()) return A;
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
            std::max(A.Bottom, B.Bottom)};
}

inline void OffsetRect(TRect& R, int DX, int DY) noexcept
{
    R.Left += DX;
    R.Right += DX;
    R.Top += DY;
    R.Bottom += DY;
}

inline void InflateRect(TRect& R, int DX, int DY) noexcept
{
    R.Left -= DX;
    R.Right += DX;
    R.Top -= DY;
    R.Bottom += DY;
}
