// Reading the picture fixtures of the render object tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace render::testing {

std::string FixturePath(const std::string& Name);
std::vector<std::uint8_t> ReadFixture(const std::string& Name);

} // namespace render::testing
