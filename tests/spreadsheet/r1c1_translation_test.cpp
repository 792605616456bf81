#include "spreadsheet/r1c1_translation.h"

#include <gtest/gtest.h>

namespace zuvo::sheet {
namespace {

std::string a1(const char* formula, int row, int column)
{
    const auto translated = translateR1C1(QString::fromUtf8(formula), row, column);
    return translated ? translated->toStdString() : "<parser>";
}

TEST(R1C1TranslationTest, ReferencesBecomeA1)
{
    EXPECT_EQ(a1("=RC3*RC5-RC3*RC5*RC6/100", 10, 7), "=$C10*$E10-$C10*$E10*$F10/100");
    EXPECT_EQ(a1("=SUM(R10C:R[-2]C)", 20, 7), "=SUM(G$10:G18)");
    EXPECT_EQ(a1("=R[1]C[-1]+R2C27+RC", 5, 3), "=B6+$AA$2+C5");
    EXPECT_EQ(a1("=rc3", 4, 1), "=$C4");
}

TEST(R1C1TranslationTest, SeparatorsBecomeSemicolonsOutsideTexts)
{
    EXPECT_EQ(a1("=SUM(R10C,R11C)", 12, 7), "=SUM(G$10;G$11)");
    EXPECT_EQ(a1("=IF(RC1>1,\"RC1, \"\"R2C2\"\"\",1.5E+3)", 3, 2), "=IF($A3>1;\"RC1, \"\"R2C2\"\"\";1.5E+3)");
}

TEST(R1C1TranslationTest, NamesAndFunctionsStayAsTheyAre)
{
    EXPECT_EQ(a1("=ROUND(RC1,2)+RCOUNT+R1C1x", 2, 2), "=ROUND($A2;2)+RCOUNT+R1C1x");
}

TEST(R1C1TranslationTest, WhatItCannotTranslateGoesToTheParser)
{
    EXPECT_EQ(a1("=SUM(R1:R3)", 5, 1), "<parser>");
    EXPECT_EQ(a1("=SUM(C2)", 5, 1), "<parser>");
    EXPECT_EQ(a1("=Foglio2!R1C1", 5, 1), "<parser>");
    EXPECT_EQ(a1("=R[-5]C", 5, 1), "<parser>");
    EXPECT_EQ(a1("=\"open", 5, 1), "<parser>");
    EXPECT_EQ(a1("=SUM(RC1;RC2)", 5, 1), "<parser>");
}

} // namespace
} // namespace zuvo::sheet
