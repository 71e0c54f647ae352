// CSV fields: writing one field, detecting the delimiter, and splitting a text into records.
#include "grid/files/CsvFormat.h"

#include "grid/base/QuillUtilCsv.h"
#include "grid/base/QuillUtilLineBreaks.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace grid::files {

namespace {

constexpr std::array<char, 10> kDelimiterCandidates = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};

std::string ReplaceCRLF(std::string_view Text, std::string_view Code)
{
    std::string out;
    out.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') {
            out += Code;
            ++i;
        } else {
            out += Text[i];
        }
    }
    return out;
}

std::size_t CountOccurrences(char Ch, std::string_view Text)
{
    return static_cast<std::size_t>(std::count(Text.begin(), Text.end(), Ch));
}

} // namespace

void AppendCsvField(std::string& Out, std::string_view Text, const TCsvWriteOptions& Options)
{
    if (Text.empty()) {
        if (Options.AlwaysQuotes || (Options.QuoteEmptyCells && !Options.JavaCSV))
            Out += "\"\"";
        else if (Options.JavaCSV)
            Out += '^';
        return;
    }
    const std::string encoded = ReplaceCRLF(Text, Options.JavaCSV ? "~" : "\v");
    // Multi-line texts are quoted as well, as other readers of the format expect;
    // an unquoted "^" would read back as an empty JavaCSV field.
    const bool quoted = Options.AlwaysQuotes || (Options.JavaCSV && encoded == "^") ||
                        Text.find_first_of(std::string{'"', '\r', '\n', Options.Delimiter}) != std::string::npos;
    if (!quoted) {
        Out += encoded;
        return;
    }
    Out += '"';
    Out += DoubleEmbeddedQuotes(encoded);
    Out += '"';
}

namespace {

// Candidates that also occur inside ordinary texts: dates, phone numbers,
// sums, addresses. They are taken only when no other candidate occurs and
// only where they do not touch a digit.
bool IsTextLikeCandidate(char Ch) { return std::string_view("#@*-+&").find(Ch) != std::string_view::npos; }

bool IsDigit(char Ch) { return Ch >= '0' && Ch <= '9'; }

// A line without its quoted parts: a delimiter inside quotes separates nothing.
// A text-like candidate next to a digit becomes a blank, being part of a number.
std::string SeparatingChars(std::string_view Line)
{
    std::string out;
    out.reserve(Line.size());
    bool quoted = false;
    for (std::size_t i = 0; i < Line.size(); ++i) {
        const char c = Line[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted) continue;
        const bool byDigit = (i > 0 && IsDigit(Line[i - 1])) || (i + 1 < Line.size() && IsDigit(Line[i + 1]));
        out += IsTextLikeCandidate(c) && byDigit ? ' ' : c;
    }
    return out;
}

// Every comma of the lines stands between two digits: decimal commas of a
// file separated by something else.
bool OnlyDecimalCommas(std::string_view Line)
{
    for (std::size_t i = Line.find(','); i != std::string_view::npos; i = Line.find(',', i + 1))
        if (i == 0 || i + 1 >= Line.size() || !IsDigit(Line[i - 1]) || !IsDigit(Line[i + 1])) return false;
    return true;
}

// The three counting passes over the candidates that Take admits; ties keep
// the earlier candidate. Consistent tells whether the counts agreed in both lines.
template <typename Admit>
char CountingPasses(std::string_view Line1, std::string_view Line2, Admit Take, bool& Consistent)
{
    char chosen = '\0';
    std::size_t best = 0;
    Consistent = true;
    for (char c : kDelimiterCandidates) {
        const std::size_t n1 = CountUnpairedChars(c, Line1), n2 = CountUnpairedChars(c, Line2);
        if (Take(c) && n1 == n2 && n1 > best) {
            chosen = c;
            best = n1;
        }
    }
    if (best == 0) {
        for (char c : kDelimiterCandidates) {
            const std::size_t n1 = CountOccurrences(c, Line1), n2 = CountOccurrences(c, Line2);
            if (Take(c) && n1 == n2 && n1 > best) {
                chosen = c;
                best = n1;
            }
        }
    }
    if (best == 0) {
        Consistent = false;
        for (char c : kDelimiterCandidates) {
            const std::size_t n1 = CountOccurrences(c, Line1), n2 = CountOccurrences(c, Line2);
            if (Take(c) && (n1 > best || n2 > best)) {
                chosen = c;
                best = std::max(n1, n2);
            }
        }
    }
    return chosen;
}

} // namespace

char DetectCsvDelimiter(std::string_view Line1, std::string_view Line2)
{
    const std::string line1 = SeparatingChars(Line1), line2 = SeparatingChars(Line2);
    bool consistent = true;
    // The grid writes "," and quotes every text holding one, so a comma that
    // separates means ","; another separator wins only over decimal commas.
    const bool hasComma = line1.find(',') != std::string::npos || line2.find(',') != std::string::npos;
    if (hasComma) {
        if (OnlyDecimalCommas(line1) && OnlyDecimalCommas(line2)) {
            const char other = CountingPasses(line1, line2, [](char c) { return c != ',' && !IsTextLikeCandidate(c); },
                                              consistent);
            if (other != '\0' && consistent) return other;
        }
        return ',';
    }
    const char chosen = CountingPasses(line1, line2, [](char c) { return !IsTextLikeCandidate(c); }, consistent);
    if (chosen != '\0') return chosen;
    // Text-like candidates need the same count in two lines; one line saying
    // "AT&T" or "a-b" is no table.
    const char textLike = CountingPasses(line1, line2, IsTextLikeCandidate, consistent);
    return consistent ? textLike : '\0';
}

namespace {

std::size_t PhysicalLineEnd(std::string_view Text, std::size_t From)
{
    const std::size_t end = Text.find_first_of("\r\n", From);
    return end == std::string_view::npos ? Text.size() : end;
}

std::size_t AfterLineBreak(std::string_view Text, std::size_t End)
{
    if (End >= Text.size()) return Text.size();
    if (Text[End] == '\r' && End + 1 < Text.size() && Text[End + 1] == '\n') return End + 2;
    return End + 1;
}

} // namespace

namespace {

// The end of the record that starts at From: its first line break outside quotes.
std::size_t RecordEnd(std::string_view Text, std::size_t From)
{
    bool quoted = false;
    for (std::size_t i = From; i < Text.size(); ++i) {
        if (Text[i] == '"')
            quoted = !quoted;
        else if (!quoted && (Text[i] == '\r' || Text[i] == '\n'))
            return i;
    }
    // A quote that never closes: its record is only its first line.
    return quoted ? PhysicalLineEnd(Text, From) : Text.size();
}

} // namespace

void FirstTwoRecords(std::string_view Text, std::string_view& Record1, std::string_view& Record2)
{
    const std::size_t end1 = RecordEnd(Text, 0);
    Record1 = Text.substr(0, end1);
    const std::size_t start2 = AfterLineBreak(Text, end1);
    Record2 = Text.substr(start2, RecordEnd(Text, start2) - start2);
}

std::size_t CountLines(std::string_view Text)
{
    std::size_t lines = 0;
    for (std::size_t pos = 0; pos < Text.size(); pos = AfterLineBreak(Text, PhysicalLineEnd(Text, pos)))
        ++lines;
    return lines;
}

TCsvReader::TCsvReader(std::string_view Text, char Delimiter, bool JavaCSV)
    : FText(Text), FDelimiter(Delimiter), FJavaCSV(JavaCSV)
{
}

std::size_t TCsvReader::LineEnd(std::size_t From) const { return PhysicalLineEnd(FText, From); }

std::size_t TCsvReader::DelimiterIn(std::size_t From, std::size_t To) const
{
    if (FDelimiter == '\0' || From >= To) return std::string_view::npos;
    const void* hit = std::memchr(FText.data() + From, FDelimiter, To - From);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - FText.data()) : std::string_view::npos;
}

std::size_t TCsvReader::ClosingQuote(std::size_t From)
{
    const std::size_t size = FText.size();
    // The first run of quotes that is odd (or reaches the end of the text) closes.
    const bool firstRunOnly = FNoCloseFrom != std::string_view::npos && From >= FNoCloseFrom;
    std::size_t i = From;
    while (i < size) {
        if (FText[i] != '"') {
            if (firstRunOnly && i == From) break;
            const std::size_t next = FText.find('"', i);
            if (next == std::string_view::npos) break;
            i = next;
        }
        const std::size_t start = i;
        while (i < size && FText[i] == '"')
            ++i;
        if (i == size || (i - start) % 2 == 1) return i - 1;
        if (firstRunOnly) break;
    }
    if (!firstRunOnly) FNoCloseFrom = From;
    return std::string_view::npos;
}

void TCsvReader::AddField(std::vector<std::string>& Fields, std::size_t& Count, std::string_view Raw,
                          bool Quoted) const
{
    if (Count == Fields.size()) Fields.emplace_back();
    std::string& field = Fields[Count++];
    if (!Quoted && !FJavaCSV && Raw.find('\v') == std::string_view::npos) {
        field.assign(Raw);
        return;
    }
    std::string text = Quoted ? CollapseDoubledChars('"', Raw) : std::string(Raw);
    if (!FJavaCSV)
        field = VTToCRLF(text);
    else if (Quoted && text == "^")
        field = std::move(text);
    else
        field = TildeToCRLF(text);
}

bool TCsvReader::NextRecord(std::vector<std::string>& Fields)
{
    if (FPos >= FText.size()) {
        Fields.clear();
        return false;
    }
    std::size_t count = 0;
    std::size_t lineEnd = LineEnd(FPos);
    std::size_t p = FPos;
    if (p == lineEnd) { // an empty line
        Fields.clear();
        FPos = AfterLineBreak(FText, lineEnd);
        return true;
    }
    for (;;) {
        if (p < lineEnd && FText[p] == '"') {
            const std::size_t close = ClosingQuote(p + 1);
            if (close != std::string_view::npos) {
                AddField(Fields, count, FText.substr(p + 1, close - p - 1), true);
                if (close >= lineEnd) lineEnd = LineEnd(close);
                // Anything between the closing quote and the delimiter is dropped.
                const std::size_t d = DelimiterIn(close + 1, lineEnd);
                if (d == std::string_view::npos) break;
                p = d + 1;
            } else {
                const std::size_t d = DelimiterIn(p + 1, lineEnd);
                if (d == std::string_view::npos) {
                    // The last field of the line: the text after the quote.
                    AddField(Fields, count, FText.substr(p + 1, lineEnd - p - 1), true);
                    break;
                }
                AddField(Fields, count, {}, false);
                p = d + 1;
            }
        } else {
            const std::size_t d = DelimiterIn(p, lineEnd);
            if (d == std::string_view::npos) {
                AddField(Fields, count, FText.substr(p, lineEnd - p), false);
                break;
            }
            AddField(Fields, count, FText.substr(p, d - p), false);
            p = d + 1;
        }
        if (p == lineEnd) { // a line that ends with the delimiter has an empty last field
            AddField(Fields, count, {}, false);
            break;
        }
    }
    Fields.resize(count);
    FPos = AfterLineBreak(FText, lineEnd);
    return true;
}

} // namespace grid::files
