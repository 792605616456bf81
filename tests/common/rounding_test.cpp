#include "common/rounding.h"

#include "common/failure.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace zuvo;

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
}

TEST(RoundHalfEven, RoundsOtherValuesToTheNearest)
{
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(-1.6), -2);
    EXPECT_EQ(roundHalfEven(7), 7);
}

TEST(RoundHalfEven2, SendsDecimalHalvesToTheEvenNeighbour)
{
    EXPECT_DOUBLE_EQ(roundHalfEven2(1.125), 1.12);
    EXPECT_DOUBLE_EQ(roundHalfEven2(1.135), 1.14);
    EXPECT_DOUBLE_EQ(roundHalfEven2(0.285), 0.28);
    EXPECT_DOUBLE_EQ(roundHalfEven2(2.675), 2.68);
    EXPECT_DOUBLE_EQ(roundHalfEven2(-1.125), -1.12);
}

TEST(RoundHalfEven2, RoundsOtherValuesToTheNearest)
{
    EXPECT_DOUBLE_EQ(roundHalfEven2(1.1251), 1.13);
    EXPECT_DOUBLE_EQ(roundHalfEven2(1.124), 1.12);
    EXPECT_DOUBLE_EQ(roundHalfEven2(9.995), 10);
    EXPECT_DOUBLE_EQ(roundHalfEven2(1.2), 1.2);
    EXPECT_DOUBLE_EQ(roundHalfEven2(12500 / 1000.0), 12.5);
    EXPECT_DOUBLE_EQ(roundHalfEven2(0.0001), 0);
    EXPECT_DOUBLE_EQ(roundHalfEven2(1e20), 1e20);
}

TEST(ToInt16HalfEven, RoundsHalvesToEven)
{
    EXPECT_EQ(toInt16HalfEven(2.5), 2);
    EXPECT_EQ(toInt16HalfEven(3.5), 4);
    EXPECT_EQ(toInt16HalfEven(-32768.4), -32768);
    EXPECT_EQ(toInt16HalfEven(32766.5), 32766);
}

TEST(ToInt16HalfEven, RefusesValuesOutsideTheRange)
{
    EXPECT_THROW(toInt16HalfEven(32767.5), Failure);
    EXPECT_THROW(toInt16HalfEven(-32769), Failure);
    EXPECT_THROW(toInt16HalfEven(40000), Failure);
    EXPECT_THROW(toInt16HalfEven(std::numeric_limits<double>::quiet_NaN()), Failure);
    EXPECT_THROW(toInt16HalfEven(std::numeric_limits<double>::infinity()), Failure);
}

} // namespace
