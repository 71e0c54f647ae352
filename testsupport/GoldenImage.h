// Compares a rendered bitmap with a reference PNG in the test program's tests/data/golden.
#pragma once

#include <string>

class TBitmap;

namespace testsupport {

// Why Rendered does not match Golden, or empty when it does. Both are compared as PNG stores
// them, alpha included, tile by tile: a pixel may differ a little where the golden is flat
// and more where the golden itself has an edge (anti-aliasing rounds differently), and a tile
// may hold only a couple of edge pixels that differ more than that. So a one-pixel line, a
// missing underline or a shifted border fails, while anti-aliasing noise passes.
std::string GoldenMismatch(const TBitmap& Golden, const TBitmap& Rendered);

// Compares Rendered with <Folder>/<Name>.png. On a mismatch the rendering is written as
// <Name>-FAILED.png beside the reference; with VISTRA_UPDATE_GOLDEN=1 the reference is
// (re)written instead.
void ExpectMatchesGoldenIn(const std::string& Folder, const TBitmap& Rendered, const std::string& Name);

#ifdef VISTRA_TEST_DATA
// Every test program knows its own data folder; its references live in "golden" there.
inline void ExpectMatchesGolden(const TBitmap& Rendered, const std::string& Name)
{
    ExpectMatchesGoldenIn(VISTRA_TEST_DATA "/golden", Rendered, Name);
}
#endif

} // namespace testsupport
