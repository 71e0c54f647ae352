#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

TEST(Exceptions, MessageTravelsWithTheHierarchy)
{
    try {
        throw EFOpenError("Cannot open file \"x\"");
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"x\"");
        EXPECT_STREQ(e.what(), "Cannot open file \"x\"");
    }
    EXPECT_THROW(Abort(), EAbort);
}
