#include "common/number_parse.h"

#include <gtest/gtest.h>

#include <QString>
#include <cmath>

namespace {

using zuvo::lenientNumber;

TEST(LenientNumber, ReadsPlainNumbersAroundBlanks)
{
    EXPECT_DOUBLE_EQ(lenientNumber(u"  12.5 "), 12.5);
    EXPECT_DOUBLE_EQ(lenientNumber(u"00012500"), 12500);
    EXPECT_DOUBLE_EQ(lenientNumber(u"\t7\t"), 7);
    EXPECT_DOUBLE_EQ(lenientNumber(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(lenientNumber(u"3."), 3);
}

TEST(LenientNumber, IgnoresBlanksInsideTheNumber)
{
    EXPECT_DOUBLE_EQ(lenientNumber(u"1 2 3"), 123);
    EXPECT_DOUBLE_EQ(lenientNumber(u"- 3"), -3);
    EXPECT_DOUBLE_EQ(lenientNumber(u"1 . 5"), 1.5);
}

TEST(LenientNumber, ReadsSigns)
{
    EXPECT_DOUBLE_EQ(lenientNumber(u"-3"), -3);
    EXPECT_DOUBLE_EQ(lenientNumber(u"+4.25"), 4.25);
    EXPECT_FALSE(std::signbit(lenientNumber(u"-0")));
}

TEST(LenientNumber, StopsAtTheFirstCharacterThatCannotContinue)
{
    EXPECT_DOUBLE_EQ(lenientNumber(u"12,5"), 12);
    EXPECT_DOUBLE_EQ(lenientNumber(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(lenientNumber(u"25 pezzi"), 25);
    EXPECT_DOUBLE_EQ(lenientNumber(u"--3"), 0);
}

TEST(LenientNumber, GivesZeroWithoutANumber)
{
    EXPECT_EQ(lenientNumber(u""), 0);
    EXPECT_EQ(lenientNumber(u"   "), 0);
    EXPECT_EQ(lenientNumber(u"abc"), 0);
    EXPECT_EQ(lenientNumber(u"-"), 0);
    EXPECT_EQ(lenientNumber(u"."), 0);
}

TEST(LenientNumber, ReadsAnExponentOnlyWhenDigitsFollowIt)
{
    EXPECT_DOUBLE_EQ(lenientNumber(u"1.5E3"), 1500);
    EXPECT_DOUBLE_EQ(lenientNumber(u"25e-1"), 2.5);
    EXPECT_DOUBLE_EQ(lenientNumber(u"2E+2"), 200);
    EXPECT_DOUBLE_EQ(lenientNumber(u"12E"), 12);
    EXPECT_DOUBLE_EQ(lenientNumber(u"12E+"), 12);
    EXPECT_DOUBLE_EQ(lenientNumber(u"12EX"), 12);
    EXPECT_DOUBLE_EQ(lenientNumber(u"1 e 2"), 100);
}

// Beyond a double, the number's size tells overflow from underflow, not how it is written.
TEST(LenientNumber, OverflowAndUnderflow)
{
    EXPECT_EQ(lenientNumber(u"1e999"), HUGE_VAL);
    EXPECT_EQ(lenientNumber(u"-1e999"), -HUGE_VAL);
    EXPECT_EQ(lenientNumber(u"1e-999"), 0);
    EXPECT_EQ(lenientNumber(QString(400, u'9')), HUGE_VAL);
    EXPECT_EQ(lenientNumber(QString(400, u'9') + QStringLiteral("e-5")), HUGE_VAL);
    EXPECT_EQ(lenientNumber(QStringLiteral("0.") + QString(329, u'0') + QStringLiteral("1")), 0);
    EXPECT_EQ(lenientNumber(u"0.1e-400"), 0);
}

} // namespace
