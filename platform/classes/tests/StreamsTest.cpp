#include "platform/classes/Streams.h"

#include "platform/rtl/Exceptions.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(MemoryStream, WritingPastTheEndZeroFillsTheGap)
{
    TMemoryStream s;
    s.WriteString("ab");
    s.Seek(5, soBeginning);
    s.WriteString("z");
    ASSERT_EQ(s.Size(), 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Memory()), 6), std::string("ab\0\0\0z", 6));
}

TEST(MemoryStream, ShortReadsAtTheEndAndReadBufferFails)
{
    TStringStream s("abc");
    char buf[8] = {};
    s.SetPosition(1);
    EXPECT_EQ(s.Read(buf, 8), 2);
    s.SetPosition(2);
    EXPECT_THROW(s.ReadBuffer(buf, 2), EReadError);
    EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
}

TEST(FileStream, RoundTripAndOpenErrors)
{
    const testsupport::TempFolder folder("stream");
    const std::filesystem::path path = folder / "file.bin";
    {
        TFileStream f(path.string(), fmCreate);
        f.WriteString("hello world");
    }
    TMemoryStream m;
    m.LoadFromFile(path.string());
    EXPECT_EQ(m.Size(), 11);
    TStringStream copy;
    m.SetPosition(6);
    copy.CopyFrom(m, 5);
    EXPECT_EQ(copy.DataString(), "world");
    std::filesystem::remove(path);
    EXPECT_THROW(TFileStream(path.string(), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream("/nonexistent-dir/x", fmCreate), EFCreateError);
}
