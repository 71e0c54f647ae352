// Helpers of the section, string table and workbook tests.
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"

#include "platform/classes/Streams.h"

namespace xlstest {

std::string Fixture(const std::string& name)
{
    return std::string(VISTRA_TEST_DATA "/") + name;
}

ByteArray WrittenBytes(const std::function<void(TOle2File&)>& Write)
{
    TMemoryStream source;
    source.LoadFromFile(Fixture("libreoffice.xls"));
    source.SetPosition(0);
    TMemoryStream file;
    std::int64_t written = 0;
    {
        TOle2File container(source);
        container.PrepareForWrite(file, u"Workbook");
        Write(container);
        written = container.Position();
        container.FinishWrite();
    }
    file.SetPosition(0);
    TOle2File container(file);
    container.SelectStream(u"Workbook");
    // The container pads short streams; only what was written counts.
    ByteArray bytes(static_cast<std::size_t>(written));
    container.ReadMem(bytes.data(), written);
    return bytes;
}

} // namespace xlstest
