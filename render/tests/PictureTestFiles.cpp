// Reading the picture fixtures of the render object tests.
#include "PictureTestFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace render::testing {

std::string FixturePath(const std::string& Name) { return std::string(VISTRA_TEST_DATA) + "/" + Name; }

std::vector<std::uint8_t> ReadFixture(const std::string& Name)
{
    std::ifstream file(FixturePath(Name), std::ios::binary);
    if (!file) throw std::runtime_error("missing fixture " + Name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace render::testing
