// Compares a rendered bitmap with a reference PNG in tests/data/golden.
#pragma once

#include <string>

class TBitmap;

namespace graphics::testing {

// Passes when at most a few pixels differ by more than a small tolerance per
// channel. On a mismatch the rendering is written as <name>-FAILED.png beside
// the reference. With VISTRA_UPDATE_GOLDEN=1 the reference is (re)written.
void ExpectMatchesGolden(const TBitmap& Rendered, const std::string& Name);

} // namespace graphics::testing
