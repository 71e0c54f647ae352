// Runs a small script in the system's Python, the independent reader and writer that
// the text formats are checked against.
#include "grid/base/tests/PythonPeer.h"

#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

namespace grid::test {

std::string RunPython(const std::string& Script, const std::string& Input)
{
    const testsupport::TempFolder folder("grid-python");
    testsupport::WriteFile(folder / "script.py", Script);
    testsupport::WriteFile(folder / "input.bin", Input);
    std::string output;
    const std::string command = "/usr/bin/python3 " + (folder / "script.py") + " < " + (folder / "input.bin") + " 2>/dev/null";
    EXPECT_EQ(testsupport::RunCommand(command, &output), 0) << "python failed on:\n" << Script;
    return output;
}

} // namespace grid::test
