// gridconv: reads a file into a string grid and writes it in another format, each by extension.
#include "grid/QuillGrid.h"
#include "grid/files/GridFileFormats.h"
#include "platform/backend/headless/HeadlessBackend.h"

#include <cstring>
#include <iostream>
#include <string>

namespace {

int Usage()
{
    std::cerr << "usage: gridconv [--delimiter C] IN OUT\n"
                 "Reads IN into a string grid and writes OUT, each in the format its extension names ("
              << grid::files::GridFileMask() << ").\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    char delimiter = '\0';
    std::string files[2];
    int fileCount = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--delimiter") == 0) {
            if (i + 1 >= argc) return Usage();
            const std::string value = argv[++i];
            if (value.size() != 1 && value != "\\t" && value != "tab") return Usage();
            delimiter = value.size() == 1 ? value[0] : '\t';
        } else if (fileCount < 2) {
            files[fileCount++] = argv[i];
        } else {
            return Usage();
        }
    }
    if (fileCount != 2) return Usage();

    backend::InstallHeadlessBackend();
    try {
        TQuillStringGrid grid(nullptr);
        grid.SetFixedRows(0);
        grid.SetFixedCols(0);
        grid.SetColCount(1);
        grid.SetRowCount(1);
        grid.SetDelimiter(delimiter);
        // Files keep every line of a cell; a converter must not cut them.
        grid.SetMultiLineCells(true);
        grid::files::LoadGridFile(grid, files[0]);
        grid::files::SaveGridFile(grid, files[1]);
    } catch (const std::exception& e) {
        std::cerr << "gridconv: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
