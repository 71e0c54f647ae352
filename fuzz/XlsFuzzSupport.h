// Pieces the workbook engine's fuzz targets share: a real container to copy
// and putting the fuzz input into a copy of it as its Workbook stream.
#pragma once

#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace xlsfuzz {

// A container written by a spreadsheet program, loaded once.
inline TMemoryStream& Template()
{
    static const auto stream = [] {
        auto s = std::make_unique<TMemoryStream>();
        s->LoadFromFile(VISTRA_SOURCE_DIR "/xlsAdapter/tests/data/libreoffice.xls");
        return s;
    }();
    return *stream;
}

// A copy of the template in File with Stream as its Workbook stream; File is
// left at its start.
inline void WrapAsWorkbook(const std::uint8_t* Stream, std::size_t Size, TMemoryStream& File)
{
    Template().SetPosition(0);
    TOle2File container(Template());
    container.PrepareForWrite(File, u"Workbook");
    container.WriteMem(Stream, static_cast<std::int64_t>(Size));
    container.FinishWrite();
    File.SetPosition(0);
}

} // namespace xlsfuzz
