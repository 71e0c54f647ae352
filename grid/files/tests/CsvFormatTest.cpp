// CSV fields, delimiter detection and record splitting, without a grid.
#include "grid/files/CsvFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace grid::files;

namespace {

std::vector<std::vector<std::string>> ReadAll(std::string_view Text, char Delimiter, bool Java = false)
{
    TCsvReader reader(Text, Delimiter, Java);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    while (reader.NextRecord(fields))
        records.push_back(fields);
    return records;
}

std::string Field(std::string_view Text, TCsvWriteOptions Options = {})
{
    std::string out;
    AppendCsvField(out, Text, Options);
    return out;
}

} // namespace

TEST(CsvFormat, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    TCsvWriteOptions java;
    java.JavaCSV = true;
    TCsvWriteOptions always;
    always.AlwaysQuotes = true;
    TCsvWriteOptions emptyQuoted;
    emptyQuoted.QuoteEmptyCells = true;
    struct Case {
        const char* Name;
        std::string Text;
        TCsvWriteOptions Options;
        std::string Expected;
    } cases[] = {
        {"plain", "a", {}, "a"},
        {"quote doubled", "b\"c", {}, "\"b\"\"c\""},
        {"delimiter", "x,y", {}, "\"x,y\""},
        {"two lines become a vertical tab", "a\r\nb", {}, "\"a\vb\""},
        {"lone line feed kept inside quotes", "a\nb", {}, "\"a\nb\""},
        {"empty", "", {}, ""},
        {"empty quoted", "", emptyQuoted, "\"\""},
        {"always", "a", always, "\"a\""},
        {"always, two lines and a quote", "a\"\r\nb", always, "\"a\"\"\vb\""},
        {"java empty", "", java, "^"},
        {"java two lines", "a\r\nb", java, "\"a~b\""},
        {"java delimiter stays quoted", "x,y", java, "\"x,y\""},
        {"java caret kept", "^", java, "\"^\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Field(c.Text, c.Options), c.Expected) << c.Name;
}

TEST(CsvFormat, DetectsTheDelimiterInThreePasses)
{
    EXPECT_EQ(DetectCsvDelimiter("a;b;c", "d;e;f"), ';');        // pass 1
    EXPECT_EQ(DetectCsvDelimiter("a,,b", "c,,d"), ',');          // pass 2: a run of two counts nothing in pass 1
    EXPECT_EQ(DetectCsvDelimiter("a|b|c", ""), '|');             // pass 3
    EXPECT_EQ(DetectCsvDelimiter("a\tb", "c\td"), '\t');
    EXPECT_EQ(DetectCsvDelimiter("a,b;c", "d,e;f"), ',');        // a tie keeps the earlier candidate
    EXPECT_EQ(DetectCsvDelimiter("abc", "def"), '\0');
}

TEST(CsvFormat, DetectionKeepsDatesNumbersAndQuotedTextsWhole)
{
    struct Case {
        const char* Name;
        std::string Text;
        char Expected;
    };
    const Case cases[] = {
        {"ISO dates", "2024-01-05,2024-02-06\r\n2024-03-07,2024-04-08\r\n", ','},
        {"phone numbers alone", "+1-555-0100\r\n+1-555-0199\r\n", '\0'},
        {"phone numbers and names", "+1-555-0100,Ann\r\n+44-20-7946-0000,Bob\r\n", ','},
        {"amount and note", "5+3,R&D\r\n7+1,A&B\r\n", ','},
        {"semicolons inside quotes", "\"a;b;c\",d\r\n\"e;f;g\",h\r\n", ','},
        {"the grid's unquoted semicolons", "a;b;c,x\r\nd;e;f,y\r\n", ','},
        {"decimal commas between semicolons", "1,5;2,5;x\r\n3,25;4,0;y\r\n", ';'},
        {"one word with an ampersand", "AT&T\r\n", '\0'},
        {"ampersand table", "a&b&c\r\nd&e&f\r\n", '&'},
        {"a line break in the first cell", "\"one\ntwo\nthree\",b,c\r\nd,e,f\r\n", ','},
        {"an unclosed quote", "\"a;b\r\nc;d\r\n", ';'},
    };
    for (const Case& c : cases) {
        std::string_view line1, line2;
        FirstTwoRecords(c.Text, line1, line2);
        EXPECT_EQ(DetectCsvDelimiter(line1, line2), c.Expected) << c.Name;
    }
}

TEST(CsvFormat, EveryFileTheWriterMakesIsDetectedAsComma)
{
    // Texts full of the other candidates, in every position, one or two rows.
    const std::vector<std::vector<std::string>> tables = {
        {"2024-01-05", "+1-555-0100", "a;b", "x|y"},
        {"R&D", "#1", "a@b.c", "2*3"},
        {"one\r\ntwo", "t\tab", "q\"uote", "-"},
    };
    for (std::size_t rows = 1; rows <= 2; ++rows) {
        for (const auto& first : tables) {
            std::string text;
            for (std::size_t r = 0; r < rows; ++r) {
                for (std::size_t i = 0; i < first.size(); ++i) {
                    if (i) text += ',';
                    AppendCsvField(text, first[(i + r) % first.size()], {});
                }
                text += "\r\n";
            }
            std::string_view line1, line2;
            FirstTwoRecords(text, line1, line2);
            EXPECT_EQ(DetectCsvDelimiter(line1, line2), ',') << text;
        }
    }
}

TEST(CsvFormat, ReadsRecordsAsOtherProgramsWriteThem)
{
    using Records = std::vector<std::vector<std::string>>;
    struct Case {
        const char* Name;
        std::string Text;
        Records Expected;
    } cases[] = {
        {"CR LF, LF and CR lines", "a,b\r\nc,d\ne,f\rg", {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g"}}},
        {"quoted delimiter and quote", "\"x,y\",\"b\"\"c\"", {{"x,y", "b\"c"}}},
        {"vertical tab is a line break", "\"a\vb\",c", {{"a\r\nb", "c"}}},
        {"quoted line breaks go on over lines", "\"a\r\nb\",c\r\nd", {{"a\r\nb", "c"}, {"d"}}},
        {"trailing empty field", "a,b,\r\n", {{"a", "b", ""}}},
        {"empty line has no fields", "a\r\n\r\nb", {{"a"}, {}, {"b"}}},
        {"empty quoted field", "\"\",x", {{"", "x"}}},
        {"unclosed quote reads empty, line goes on", "\"abc,d,e", {{"", "d", "e"}}},
        {"unclosed last field keeps its text", "a,\"bc", {{"a", "bc"}}},
        {"text after a closing quote is dropped", "\"ab\"cd,e", {{"ab", "e"}}},
        {"a quote left open closes on the next line", "\"a,b\n\"c,d", {{"a,b\n", "d"}}},
        {"no delimiter: one field a line", "\"a,b\"\r\nc", {{"a,b"}, {"c"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadAll(c.Text, c.Name[0] == 'n' ? '\0' : ','), c.Expected) << c.Name;
}

TEST(CsvFormat, JavaConventionRestoresLineBreaksAndEmptyFields)
{
    const auto records = ReadAll("^,a~b,\"^\"", ',', true);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], (std::vector<std::string>{"", "a\r\nb", "^"}));
}
