#include "platform/rtl/ByteCursor.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::string FailureOf(auto&& read)
{
    try {
        read();
    } catch (const EReadError& e) {
        return e.Message();
    }
    return "no failure";
}

TEST(ByteCursor, ReadsLittleEndianValuesAndNamesFormatRecordAndOffsetOnOverrun)
{
    const std::array<std::uint8_t, 7> bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    rtl::TByteCursor cursor(bytes, {"BIFF8", "record 0x0208", 5120});
    EXPECT_EQ(cursor.U16(), 0x0201);
    EXPECT_EQ(cursor.U32(), 0x06050403u);
    EXPECT_EQ(FailureOf([&] { cursor.U16(); }), "BIFF8: record 0x0208 at offset 5126: needs 2 bytes, has 1");
    EXPECT_EQ(cursor.U8(), 0x07);
    EXPECT_TRUE(cursor.AtEnd());
}

TEST(ByteCursor, SubCursorKeepsTheFileOffsetAndCannotReachPastItsEnd)
{
    const std::array<std::uint8_t, 6> bytes{1, 2, 3, 4, 5, 6};
    rtl::TByteCursor cursor(bytes, {"GIF", "", 100});
    cursor.Skip(2);
    auto frame = cursor.Sub(3, "frame 1");
    EXPECT_EQ(frame.U16(), 0x0403);
    EXPECT_EQ(FailureOf([&] { frame.U16(); }), "GIF: frame 1 at offset 104: needs 2 bytes, has 1");
    EXPECT_EQ(FailureOf([&] { cursor.Sub(2, "frame 2"); }), "GIF at offset 105: needs 2 bytes, has 1");
    EXPECT_EQ(FailureOf([&] { cursor.Seek(7); }), "GIF at offset 105: offset 107 is past the end (6 bytes)");
}

TEST(ScopeGuards, ExitRunsUnlessReleasedAndFailRunsOnlyOnException)
{
    int undone = 0;
    {
        rtl::ScopeExit guard([&] { ++undone; });
    }
    {
        rtl::ScopeExit guard([&] { ++undone; });
        guard.Release();
    }
    EXPECT_EQ(undone, 1);
    {
        rtl::ScopeFail guard([&] { undone += 10; });
    }
    EXPECT_EQ(undone, 1);
    EXPECT_THROW(([&] {
                     rtl::ScopeFail guard([&] { undone += 10; });
                     throw EReadError("x");
                 }()),
                 EReadError);
    EXPECT_EQ(undone, 11);
}

} // namespace
