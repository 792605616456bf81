#include "quote_sheet/pricing.h"

#include <gtest/gtest.h>

namespace zuvo::quote {
namespace {

TEST(Pricing, DiscountFromWindowText)
{
    EXPECT_FALSE(Discount::fromText(QStringLiteral(" ")).given);
    EXPECT_TRUE(Discount::fromText(QString()).given);
    EXPECT_EQ(Discount::fromText(QString()).percent, 0);
    EXPECT_EQ(Discount::fromText(QStringLiteral("12,5")).percent, 12);
    EXPECT_TRUE(Discount::fromText(QStringLiteral("  ")).given);
}

TEST(Pricing, AmountFormulas)
{
    EXPECT_EQ(amountFormula(true, false), QStringLiteral("=RC3*RC4*RC5"));
    EXPECT_EQ(amountFormula(true, true), QStringLiteral("=RC3*RC4*RC5-RC3*RC4*RC5*RC6/100"));
    EXPECT_EQ(amountFormula(false, false), QStringLiteral("=RC3*RC5"));
    EXPECT_EQ(amountFormula(false, true), QStringLiteral("=RC3*RC5-RC3*RC5*RC6/100"));
}

} // namespace
} // namespace zuvo::quote
