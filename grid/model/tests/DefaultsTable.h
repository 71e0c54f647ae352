// Checks a table of property values against the values the settings are meant to have.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

struct TExpectedValue {
    const char* Name;
    long long Actual;
    long long Expected;
};

inline void ExpectValues(std::initializer_list<TExpectedValue> Table)
{
    for (const TExpectedValue& row : Table)
        EXPECT_EQ(row.Actual, row.Expected) << row.Name;
}
