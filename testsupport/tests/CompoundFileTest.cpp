// Compound files made by our container writer read back through our reader and a peer's.
#include "testsupport/CompoundFile.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

std::vector<std::uint8_t> StreamOf(const std::vector<std::uint8_t>& file, std::u16string_view name)
{
    TMemoryStream input;
    input.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
    input.SetPosition(0);
    TOle2File container(input);
    container.SelectStream(name);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(container.Length()));
    container.ReadMem(bytes.data(), container.Length());
    return bytes;
}

} // namespace

TEST(CompoundFile, StreamsReadBackWithShortOnesPaddedToTheCutoff)
{
    for (const std::size_t size : {0, 1, 4095, 4096, 4097, 70000}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> stream = Pattern(size);
        std::vector<std::uint8_t> expected = stream;
        expected.resize(std::max<std::size_t>(size, 4096));
        EXPECT_EQ(expected, StreamOf(testsupport::CompoundFile(stream), u"Workbook"));
    }
    EXPECT_EQ(Pattern(5000), StreamOf(testsupport::CompoundFile(Pattern(5000), u"Book"), u"Book"));
}

TEST(CompoundFile, APeerReadsTheStream)
{
    REQUIRE_PEER("python3-olefile");
    testsupport::TempFolder folder("compound");
    const std::vector<std::uint8_t> file = testsupport::CompoundFile(Pattern(5000));
    testsupport::WriteFile(folder / "c.xls", std::string(file.begin(), file.end()));
    std::string output;
    EXPECT_EQ(0, testsupport::RunCommand("/usr/bin/python3 -c \"import olefile; f = olefile.OleFileIO('" +
                                             (folder / "c.xls") +
                                             "'); d = f.openstream('Workbook').read(); print(len(d), d[:3].hex())\"",
                                         &output))
        << output;
    EXPECT_EQ("5000 01080f\n", output);
}
