// The grid's file formats by file-name extension, for programs that open and save any of them.
#include "grid/files/GridFileFormats.h"

#include "grid/QuillGrid.h"
#include "grid/base/AuxLists.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

#include <array>

namespace grid::files {

namespace {

struct TFormat {
    const char* Extension;
    void (*Load)(TQuillStringGrid&, const std::string&);
    void (*Save)(TQuillStringGrid&, const std::string&);
};

const std::array kFormats = {
    TFormat{".csv", [](TQuillStringGrid& g, const std::string& f) { g.LoadFromCSV(f); },
            [](TQuillStringGrid& g, const std::string& f) { g.SaveToCSV(f, true); }},
    TFormat{".txt", [](TQuillStringGrid& g, const std::string& f) { g.LoadFromFile(f); },
            [](TQuillStringGrid& g, const std::string& f) { g.SaveToFile(f, true); }},
    TFormat{".xml", [](TQuillStringGrid& g, const std::string& f) { g.LoadFromXML(f); },
            [](TQuillStringGrid& g, const std::string& f) {
                g.SetXMLEncoding("UTF-8");
                g.SaveToXML(f, "grid", "row");
            }},
    TFormat{".grid", [](TQuillStringGrid& g, const std::string& f) { g.LoadFromBinFile(f); },
            [](TQuillStringGrid& g, const std::string& f) { g.SaveToBinFile(f); }},
    TFormat{".html", nullptr, [](TQuillStringGrid& g, const std::string& f) { g.SaveToHTML(f, false); }},
    // Reading fixed-width text needs the field positions, which the file does not hold.
    TFormat{".fixed", nullptr,
            [](TQuillStringGrid& g, const std::string& f) {
                TIntList widths(0, 0);
                g.SaveToFixed(f, widths);
            }},
};

const TFormat& FormatOf(std::string_view FileName)
{
    const std::string extension = LowerCase(ExtractFileExt(FileName));
    for (const TFormat& format : kFormats)
        if (extension == format.Extension) return format;
    throw EQuillGridError("Unknown file type \"" + extension + "\" of " + std::string(FileName));
}

} // namespace

void LoadGridFile(TQuillStringGrid& Grid, const std::string& FileName)
{
    const TFormat& format = FormatOf(FileName);
    if (!format.Load) throw EQuillGridError("Files of type \"" + std::string(format.Extension) + "\" are only written");
    format.Load(Grid, FileName);
}

void SaveGridFile(TQuillStringGrid& Grid, const std::string& FileName) { FormatOf(FileName).Save(Grid, FileName); }

std::string GridFileMask()
{
    std::string mask;
    for (const TFormat& format : kFormats)
        mask += (mask.empty() ? "*" : ";*") + std::string(format.Extension);
    return mask;
}

} // namespace grid::files
