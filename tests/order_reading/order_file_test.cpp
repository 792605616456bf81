#include "order_reading/order_file.h"

#include "common/failure.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zuvo::quote {
namespace {

TEST(OrderLine, FixedColumns)
{
    const auto line = parseOrderLine(QStringLiteral("F0284018  00012500 4"));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->codice, QStringLiteral("F0284018"));
    EXPECT_EQ(line->campoMisura, QStringLiteral("00012500"));
    EXPECT_DOUBLE_EQ(line->misura, 12.5);
    EXPECT_DOUBLE_EQ(line->quantita, 4);
}

TEST(OrderLine, ShortAndOddLines)
{
    EXPECT_FALSE(parseOrderLine(QString()));

    const auto noBlank = parseOrderLine(QStringLiteral("SCALA800"));
    ASSERT_TRUE(noBlank);
    EXPECT_EQ(noBlank->codice, QStringLiteral("SCALA800"));
    EXPECT_EQ(noBlank->misura, 0);
    EXPECT_EQ(noBlank->quantita, 0);

    // Exactly 18 characters: a measure but no quantity.
    const auto eighteen = parseOrderLine(QStringLiteral("AB        00002000"));
    ASSERT_TRUE(eighteen);
    EXPECT_DOUBLE_EQ(eighteen->misura, 2);
    EXPECT_EQ(eighteen->quantita, 0);

    const auto decimals = parseOrderLine(QStringLiteral("AB        00000000 2.5 PZ"));
    ASSERT_TRUE(decimals);
    EXPECT_DOUBLE_EQ(decimals->quantita, 2.5);
}

TEST(OrderFile, DropsHeadersAndEmptyLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("codord.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("F0284018  00001000 1\r\nHEADER 2\r\nCVV00000  00000000 3\r\n\r\nSCALA800  00000414 1");
    file.close();

    const auto orders = readOrderFile(path).content;
    ASSERT_EQ(orders.size(), 2);
    EXPECT_EQ(orders[0].codice, QStringLiteral("CVV00000"));
    EXPECT_EQ(orders[1].codice, QStringLiteral("SCALA800"));
    EXPECT_EQ(orders[1].campoMisura, QStringLiteral("00000414"));
}

TEST(OrderLine, NumbersStayWithinTheirFieldsDigits)
{
    const auto largest = parseOrderLine(QStringLiteral("AB        99999999 999"));
    ASSERT_TRUE(largest);
    EXPECT_DOUBLE_EQ(largest->misura, 99999.999);
    EXPECT_DOUBLE_EQ(largest->quantita, 999);

    // The quantity " 1E4" has four characters: 10000 needs five digits.
    for (const char* beyond : {"AB        1E8      1", "AB        -1E300   1",
                               "AB        9E999999 1", "AB        00001000 1E4",
                               "AB        00001000 1E999"})
        EXPECT_THROW(parseOrderLine(QString::fromLatin1(beyond)), Failure) << beyond;
}

} // namespace
} // namespace zuvo::quote
