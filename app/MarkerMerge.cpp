// Merging marker files.
#include "app/MarkerMerge.h"

#include "app/vrutils.h"
#include "platform/rtl/Exceptions.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace app {

namespace {

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

std::string ReadWhole(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) throw EInOutError("Cannot read " + name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text's lines, each ended by CR LF; a UTF-8 mark at the start is dropped
// so it does not land inside the merged file.
std::string NormalizedLines(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::string result;
    result.reserve(text.size() + 2);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        result.append(text.substr(start, end - start)).append("\r\n");
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return result;
}

}  // namespace

TMergeResult MergeMarkerFiles(const std::vector<std::string>& Files, const std::string& Output)
{
    if (Files.empty() || Files[0].empty()) return {false, "No base file given. Exiting merge; no changes made."};
    if (FileInUse(Output)) return {false, Output + " in use. Close and restart; no changes made."};
    for (const std::string& file : Files)
        if (FileInUse(file)) return {false, file + " in use. Close and restart; no changes made."};
    for (const std::string& file : Files)
        if (!FileExistsShort(file)) return {false, file + " not found. Exiting merge; no changes made."};
    for (const std::string& file : Files)
        if (SameFile(file, Output))
            return {false, Output + " is one of the files to merge. Choose another output file; no changes made."};

    try {
        // Read everything first, so a failure leaves the output untouched.
        std::string appended;
        for (size_t i = 1; i < Files.size(); ++i) appended += NormalizedLines(ReadWhole(Files[i]));
        // The copy ends the program on any failure, so it only gets an output it can write.
        if (!std::ofstream(Output, std::ios::app | std::ios::binary))
            return {false, "Cannot write " + Output + ". Exiting merge; no changes made."};
        CopyFileTo(Files[0], Output);
        std::fstream out(Output, std::ios::in | std::ios::out | std::ios::binary | std::ios::ate);
        if (!out) throw EInOutError("Cannot write " + Output);
        // A base file without a final line break must not swallow the first appended line.
        if (!appended.empty() && out.tellp() > 0) {
            out.seekg(-1, std::ios::end);
            const char last = static_cast<char>(out.get());
            out.seekp(0, std::ios::end);
            if (last != '\n' && last != '\r') out << "\r\n";
        }
        out << appended;
        out.flush();
        if (!out) throw EInOutError("Cannot write " + Output);
    } catch (const Exception& e) {
        return {false, e.Message()};
    }
    return {true, "Merge complete."};
}

}  // namespace app
