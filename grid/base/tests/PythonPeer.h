// Runs a small script in the system's Python, the independent reader and writer that
// the text formats are checked against.
#pragma once

#include <string>

namespace grid::test {

// Runs Script with Input on its standard input and returns what it printed. Fails the
// calling test (and returns empty) when Python is missing or the script fails.
std::string RunPython(const std::string& Script, const std::string& Input);

} // namespace grid::test
