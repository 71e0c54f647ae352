// CSV fields: writing one field, detecting the delimiter, and splitting a text into records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grid::files {

struct TCsvWriteOptions {
    char Delimiter = ',';
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = false;
    bool JavaCSV = false;
};

// Appends Text as one field. A CR LF becomes the convention's line-break code
// (vertical tab, or "~" with JavaCSV); a field that holds the delimiter, a
// quote or any other line break is quoted with its quotes doubled, so every
// text reads back as it was (except the codes themselves).
void AppendCsvField(std::string& Out, std::string_view Text, const TCsvWriteOptions& Options);

// The delimiter of a file from its first two records among the ten candidates
// (",", ";", "#", tab, "|", "@", "*", "-", "+", "&"); '\0' when none occurs.
// Only characters outside quotes count. "," wins wherever it separates, so a
// file the grid wrote reads back as written; the candidates that occur inside
// ordinary texts ("#", "@", "*", "-", "+", "&") are taken only when no other
// occurs, with the same count in both records and never next to a digit, so
// dates and phone numbers stay whole.
char DetectCsvDelimiter(std::string_view Line1, std::string_view Line2);

// The first two records of a text (the second empty when there is one): a
// line break inside quotes belongs to its record.
void FirstTwoRecords(std::string_view Text, std::string_view& Record1, std::string_view& Record2);
// The number of physical lines (a final line break ends the last line).
std::size_t CountLines(std::string_view Text);

// Splits a CSV text into records. Lines end at CR LF, CR or LF; a quoted
// field may hold line breaks and then goes on over the following lines. A
// quoted field that no quote closes up to the end of the text is read as
// empty and the line goes on after the next delimiter. Fields come back
// converted: the line-break codes become CR LF, an unquoted "^" with JavaCSV
// empty. Delimiter '\0' makes each line one field.
class TCsvReader {
public:
    TCsvReader(std::string_view Text, char Delimiter, bool JavaCSV);

    // The next record's fields; false when the text is used up. An empty line
    // is a record without fields.
    bool NextRecord(std::vector<std::string>& Fields);

private:
    // The index of the quote that closes a field whose text begins at From, or npos.
    std::size_t ClosingQuote(std::size_t From);
    std::size_t LineEnd(std::size_t From) const;
    std::size_t DelimiterIn(std::size_t From, std::size_t To) const;
    void AddField(std::vector<std::string>& Fields, std::size_t& Count, std::string_view Raw, bool Quoted) const;

    std::string_view FText;
    char FDelimiter;
    bool FJavaCSV;
    std::size_t FPos = 0;
    // A scan from here found no closing quote: later scans need only look at
    // their first run of quotes, which keeps hostile files linear.
    std::size_t FNoCloseFrom = std::string_view::npos;
};

} // namespace grid::files
