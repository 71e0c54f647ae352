#include "platform/web/ScriptValue.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using web::ScriptValue;

TEST(ScriptValue, ConvertsAsAnAutomationCallerExpects)
{
    EXPECT_DOUBLE_EQ(ScriptValue(48.85904).ToDouble(), 48.85904);
    EXPECT_DOUBLE_EQ(ScriptValue("2.294297").ToDouble(), 2.294297);
    EXPECT_DOUBLE_EQ(ScriptValue(true).ToDouble(), 1.0);
    EXPECT_EQ(ScriptValue(2.5).ToInteger(), 2);  // half to even
    EXPECT_EQ(ScriptValue(3.5).ToInteger(), 4);
    EXPECT_EQ(ScriptValue(-1).ToInteger(), -1);
    EXPECT_EQ(ScriptValue("17").ToInteger(), 17);
    EXPECT_TRUE(ScriptValue(1).ToBoolean());
    EXPECT_FALSE(ScriptValue("false").ToBoolean());
    EXPECT_EQ(ScriptValue(48.85904).ToString(), "48.85904");
    EXPECT_EQ(ScriptValue(10).ToString(), "10");
    EXPECT_EQ(ScriptValue(false).ToString(), "false");
    EXPECT_EQ(ScriptValue().ToString(), "");
}

TEST(ScriptValue, RefusesWhatItCannotConvert)
{
    EXPECT_THROW(ScriptValue().ToDouble(), EConvertError);
    EXPECT_THROW(ScriptValue("").ToDouble(), EConvertError);
    EXPECT_THROW(ScriptValue("12abc").ToDouble(), EConvertError);
    EXPECT_THROW(ScriptValue("1,5").ToDouble(), EConvertError);
    EXPECT_THROW(ScriptValue(3e10).ToInteger(), EConvertError);
    EXPECT_THROW(ScriptValue(std::nan("")).ToInteger(), EConvertError);
    EXPECT_THROW(ScriptValue("yes").ToBoolean(), EConvertError);
    try {
        (void)ScriptValue("abc").ToInteger();
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_NE(e.Message().find("\"abc\""), std::string::npos) << e.Message();
    }
}

}  // namespace
