#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Variant.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Variant, KindsFollowTheStoredType)
{
    EXPECT_EQ(Variant().VarType(), varEmpty);
    EXPECT_EQ(Variant::Null().VarType(), varNull);
    EXPECT_EQ(Variant(true).VarType(), varBoolean);
    EXPECT_EQ(Variant(5).VarType(), varInteger);
    EXPECT_EQ(Variant(5u).VarType(), varLongWord);
    EXPECT_EQ(Variant(int64_t{5}).VarType(), varInt64);
    EXPECT_EQ(Variant(uint64_t{5}).VarType(), varUInt64);
    EXPECT_EQ(Variant(5.0).VarType(), varDouble);
    EXPECT_EQ(Variant(Currency::FromDouble(1.5)).VarType(), varCurrency);
    EXPECT_EQ(Variant::FromDate(1).VarType(), varDate);
    EXPECT_EQ(Variant("x").VarType(), varString);
    EXPECT_EQ(Variant::FromError(7).VarType(), varError);
    EXPECT_EQ(Variant::FromError(7).AsError(), 7);
}

TEST(Variant, ConversionsToText)
{
    EXPECT_EQ(Variant().AsString(), "");
    EXPECT_EQ(Variant(true).AsString(), "True");
    EXPECT_EQ(Variant(-12).AsString(), "-12");
    EXPECT_EQ(Variant(std::numeric_limits<uint64_t>::max()).AsString(), "18446744073709551615");
    EXPECT_EQ(Variant(1.0 / 3).AsString(), "0.333333333333333");
    EXPECT_EQ(Variant(Currency::FromDouble(2.50005)).AsString(), "2.5");   // four decimals, half to even
    EXPECT_EQ(Variant(Currency::FromDouble(2.50015)).AsString(), "2.5002");
    EXPECT_EQ(Variant::FromDate(EncodeDateTime(2026, 3, 7, 14, 5, 9, 0)).AsString(), "3/7/2026 2:05:09 PM");
    EXPECT_THROW(Variant::Null().AsString(), EInvalidCast);
    EXPECT_THROW(Variant::FromError(1).AsString(), EInvalidCast);
}

TEST(Variant, ConversionsToNumbersAndBooleans)
{
    EXPECT_DOUBLE_EQ(Variant("2.5").AsDouble(), 2.5);
    EXPECT_DOUBLE_EQ(Variant(true).AsDouble(), -1);
    EXPECT_DOUBLE_EQ(Variant().AsDouble(), 0);
    EXPECT_EQ(Variant(2.5).AsInteger(), 2); // halves to even
    EXPECT_EQ(Variant(3.5).AsInteger(), 4);
    EXPECT_EQ(Variant("42").AsInteger(), 42);
    EXPECT_EQ(Variant("$10").AsInteger(), 16);
    EXPECT_EQ(Variant("2.5").AsInt64(), 2);
    EXPECT_EQ(Variant(uint64_t{7}).AsInt64(), 7);
    EXPECT_TRUE(Variant("true").AsBoolean());
    EXPECT_TRUE(Variant(0.1).AsBoolean());
    EXPECT_FALSE(Variant(0).AsBoolean());
    EXPECT_FALSE(Variant().AsBoolean());
    EXPECT_EQ(Variant(1.5).AsCurrency().Scaled, 15000);

    EXPECT_THROW(Variant("abc").AsDouble(), EConvertError);
    EXPECT_THROW(Variant("1,5").AsInteger(), EConvertError);
    EXPECT_THROW(Variant("maybe").AsBoolean(), EConvertError);
    EXPECT_THROW(Variant(3e9).AsInteger(), EConvertError);
    EXPECT_THROW(Variant(std::numeric_limits<uint64_t>::max()).AsInt64(), EConvertError);
    EXPECT_THROW(Variant(-1).AsUInt64(), EConvertError);
    EXPECT_THROW(Variant(std::numeric_limits<double>::quiet_NaN()).AsInt64(), EConvertError);
    EXPECT_THROW(Variant(1e300).AsCurrency(), EConvertError);
    EXPECT_THROW(Variant::Null().AsDouble(), EInvalidCast);
    EXPECT_THROW(Variant::Null().AsBoolean(), EInvalidCast);
    EXPECT_THROW(Variant(5).AsError(), EInvalidCast);
}

TEST(Variant, EqualityComparesNumbersByValue)
{
    EXPECT_EQ(Variant(), Variant());
    EXPECT_EQ(Variant::Null(), Variant::Null());
    EXPECT_NE(Variant(), Variant::Null());
    EXPECT_EQ(Variant(2), Variant(2.0));
    EXPECT_EQ(Variant(int64_t{-1}), Variant(-1));
    EXPECT_NE(Variant(std::numeric_limits<uint64_t>::max()), Variant(int64_t{-1}));
    EXPECT_EQ(Variant(Currency::FromDouble(1.25)), Variant(1.25));
    EXPECT_EQ(Variant("a"), Variant(std::string("a")));
    EXPECT_NE(Variant("1"), Variant(1));
    EXPECT_NE(Variant(true), Variant(-1));
    EXPECT_EQ(Variant::FromError(3), Variant::FromError(3));
    EXPECT_NE(Variant::FromError(3), Variant(3));
}
