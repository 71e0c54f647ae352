// CSV quoting and quote scanning, checked against Python's csv module.
#include "grid/base/QuillUtilCsv.h"

#include "grid/base/tests/PythonPeer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using grid::test::RunPython;

namespace {

// Splits one CSV line the way the grid's CSV reader does: a field that starts with a
// quote runs to the unpaired quote and has its doubled quotes collapsed.
std::vector<std::string> SplitLine(std::string line, char delimiter)
{
    std::vector<std::string> fields;
    while (true) {
        std::string field;
        if (!line.empty() && line[0] == '"') {
            line.erase(0, 1);
            size_t closing = 0;
            if (FindUnpairedChar('"', line, closing) != 0) {
                field = CollapseDoubledChars('"', line.substr(0, closing - 1));
                line.erase(0, closing);
            }
        }
        const size_t at = line.find(delimiter);
        if (at == std::string::npos) {
            fields.push_back(field.empty() ? line : field);
            return fields;
        }
        fields.push_back(field.empty() ? line.substr(0, at) : field);
        line.erase(0, at + 1);
    }
}

const std::vector<std::string> AwkwardFields = {
    "plain", "", "with,comma", "say \"hi\"", "\"", "\"\"", "\"lead", "trail\"", " spaced ", "a;b", "ü€",
    "\"a,\"\"b\"", "ends with quote\"",
};

std::string JoinLines(const std::vector<std::string>& fields)
{
    std::string joined;
    for (const auto& field : fields)
        joined += field + '\n';
    return joined;
}

} // namespace

TEST(QuillUtilCsv, FindUnpairedChar)
{
    struct Case {
        const char* text;
        size_t position;
    };
    const Case cases[] = {
        {"a\"\"b\"c", 5}, {"ab\"\"", 4}, {"ab\"", 3}, {"a\"\"b", 0}, {"", 0}, {"\"\"\",", 3}, {"x", 0},
    };
    for (const auto& c : cases) {
        size_t stored = 77;
        EXPECT_EQ(FindUnpairedChar('"', c.text, stored), c.position) << c.text;
        EXPECT_EQ(stored, c.position) << c.text;
    }
    EXPECT_EQ(CountUnpairedChars('"', "\"a\",\"b\"\"c\",d"), 4u) << "opening and closing quotes, not the doubled pair";
    EXPECT_EQ(CountUnpairedChars(',', "a,,b,,,c"), 1u) << "runs of even length are passed over";
}

TEST(QuillUtilCsv, DoublingAndCollapsing)
{
    EXPECT_EQ(DoubleEmbeddedQuotes("a\"b"), "a\"\"b");
    EXPECT_EQ(CollapseDoubledChars('"', DoubleEmbeddedQuotes("a\"b\"\"")), "a\"b\"\"");
    EXPECT_EQ(CollapseDoubledChars('"', "\"\"\""), "\"\"");
    EXPECT_EQ(CollapseDoubledChars('"', "none"), "none");
}

TEST(QuillUtilCsv, PythonReadsTheQuotedFieldsWeWrite)
{
    std::string line;
    for (const auto& field : AwkwardFields)
        line += (line.empty() ? "" : ",") + ("\"" + DoubleEmbeddedQuotes(field) + "\"");
    const std::string script = R"(
import csv, sys
for row in csv.reader(sys.stdin.read().splitlines()):
    for field in row:
        print(field)
)";
    EXPECT_EQ(RunPython(script, line + "\n"), JoinLines(AwkwardFields));
}

TEST(QuillUtilCsv, WeSplitTheLinesPythonWrites)
{
    const std::string script = R"(
import csv, sys
fields = sys.stdin.read().split('\n')[:-1]
for delimiter in ',;':
    for quoting in (csv.QUOTE_MINIMAL, csv.QUOTE_ALL):
        csv.writer(sys.stdout, delimiter=delimiter, quoting=quoting, lineterminator='\n').writerow(fields)
)";
    std::istringstream lines(RunPython(script, JoinLines(AwkwardFields)));
    const char delimiters[] = {',', ',', ';', ';'};
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_EQ(SplitLine(line, delimiters[count]), AwkwardFields) << line;
    EXPECT_EQ(count, 4);
}
