#include "tests/mezzanine_letter/scratch_fixture.h"

#include "database/database.h"
#include "tests/support/office_environment.h"

namespace zuvo::test {

void ScratchSheetTest::SetUp()
{
    priceList_ = db::Database::open(folder.file(QStringLiteral("dbzuvo.sqlite")))
                     .priceList(db::PriceTable::Listino);
    scratch_ = office().openCopyOf(folder.file(QStringLiteral("SchedaScaff.xlsx")));
}

void ScratchSheetTest::TearDown()
{
    if (scratch_)
        scratch_->close();
}

quote::OrderLine ScratchSheetTest::orderLine(const QString& code, const QString& field, double quantity)
{
    return *quote::parseOrderLine(code.leftJustified(10) + field + QLatin1Char(' ')
                                  + QString::number(quantity));
}

quote::QuoteRequest ScratchSheetTest::request(const QString& sconto, const QString& trasporto,
                                              const QString& montaggio)
{
    const quote::Customer customer{QStringLiteral("=ROSSI & FIGLI"), QStringLiteral("VIA ROMA 12"),
                                   QStringLiteral("20100"), QStringLiteral("MILANO"),
                                   QStringLiteral("MI")};
    return {customer, sconto, trasporto, montaggio};
}

letter::LetterValues ScratchSheetTest::fill(const QList<quote::OrderLine>& orders,
                                            const quote::QuoteRequest& request)
{
    return letter::fillScratchQuoteSheet(scratch(), priceList_, orders, request);
}

void ScratchSheetTest::expectTotal(int row, const QString& label, double amount) const
{
    const sheet::Sheet sheet = scratch();
    EXPECT_EQ(text(row, 2), label) << "row " << row;
    EXPECT_TRUE(sheet.isBold(row, 2)) << "row " << row;
    EXPECT_TRUE(sheet.isBold(row, 7)) << "row " << row;
    EXPECT_EQ(sheet.formula(row, 7), QString()) << "row " << row;
    EXPECT_NEAR(number(row, 7), amount, 1e-9) << "row " << row;
}

} // namespace zuvo::test
