// The viewer's CSV writer.
#include "tools/gridview/GridSave.h"

#include <cstdio>

#include "grid/QuillGrid.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"

namespace gridview {

namespace {

void AppendField(std::string& Out, const std::string& Field)
{
    if (Field.find_first_of(",\"\r\n") == std::string::npos) {
        Out += Field;
        return;
    }
    Out += '"';
    for (char ch : Field) {
        if (ch == '"') Out += '"';
        Out += ch;
    }
    Out += '"';
}

} // namespace

std::string GridAsCsv(TQuillStringGrid& Grid)
{
    std::string out;
    for (int r = 0; r < Grid.RowCount(); ++r) {
        for (int c = 0; c < Grid.ColCount(); ++c) {
            if (c > 0) out += ',';
            AppendField(out, Grid.Cells(Grid.RealColIndex(c), r));
        }
        out += '\n';
    }
    return out;
}

void SaveGridAsCsv(TQuillStringGrid& Grid, const std::string& FileName)
{
    const std::string text = GridAsCsv(Grid);
    const std::string temporary = FileName + ".saving";
    {
        TFileStream stream(temporary, fmCreate);
        stream.WriteString(text);
    }
    if (std::rename(temporary.c_str(), FileName.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw EWriteError("Cannot replace " + FileName);
    }
}

} // namespace gridview
