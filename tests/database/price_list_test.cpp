#include "database/database.h"

#include "common/failure.h"
#include "database_file.h"

#include <gtest/gtest.h>

namespace {

using zuvo::Failure;
using zuvo::db::Database;
using zuvo::db::PriceList;
using zuvo::db::PriceRecord;
using zuvo::db::PriceTable;
using zuvo::test::DatabaseFile;

TEST(PriceListLookup, ReadsEveryFieldOfAListinoRow)
{
    const DatabaseFile file(R"(
INSERT INTO Listino VALUES ('TR100', 'TRAVE 100', 10.5, 12.75, 'BU10', 'PI20', '', '', '', '', 4, 2, 0, 0, 0, 0);
)");
    const PriceList list = Database::open(file.path()).priceList(PriceTable::Listino);
    const std::optional<PriceRecord> trave = list.find("TR100");
    ASSERT_TRUE(trave.has_value());
    EXPECT_EQ(trave->descrizione, "TRAVE 100");
    EXPECT_DOUBLE_EQ(trave->prezzo, 10.5);
    EXPECT_DOUBLE_EQ(trave->prList, 12.75);
    EXPECT_EQ(trave->peso, 0);
    EXPECT_EQ(trave->cacc[0], "BU10");
    EXPECT_EQ(trave->cacc[1], "PI20");
    EXPECT_EQ(trave->n[0], 4);
    EXPECT_EQ(trave->n[1], 2);
}

TEST(PriceListLookup, ListinoScaffCarriesTheWeightAndTheSortKey)
{
    const DatabaseFile file(R"(
INSERT INTO ListinoScaff VALUES ('SP1', 'SPALLA', 80, 23.4, NULL, NULL, NULL, NULL, NULL, NULL, 0, 0, 0, 0, 0, 120);
)");
    const std::optional<PriceRecord> spalla =
        Database::open(file.path()).priceList(PriceTable::ListinoScaff).find("SP1");
    ASSERT_TRUE(spalla.has_value());
    EXPECT_DOUBLE_EQ(spalla->peso, 23.4);
    EXPECT_EQ(spalla->prList, 0);
    EXPECT_EQ(spalla->n[5], 120);
}

TEST(PriceListLookup, FindsTheFirstInTableOrderAndMatchesCodesExactly)
{
    const DatabaseFile file(R"(
INSERT INTO Listino (Codice, Descrizione, PrList) VALUES ('B2', 'SECONDA IN ORDINE ALFABETICO', 2);
INSERT INTO Listino (Codice, Descrizione, PrList) VALUES ('A1', 'PRIMA', 1);
INSERT INTO Listino (Codice, Descrizione, PrList) VALUES ('B2', 'DOPPIONE', 99);
)");
    const PriceList list = Database::open(file.path()).priceList(PriceTable::Listino);
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(list.find("B2")->descrizione, "SECONDA IN ORDINE ALFABETICO");
    EXPECT_EQ(list.find("A1")->prList, 1);
    EXPECT_FALSE(list.find("b2").has_value());
    EXPECT_FALSE(list.find("B2 ").has_value());
    EXPECT_FALSE(list.find("").has_value());
}

TEST(PriceListLookup, ReadsNullsAsEmptyTextAndZero)
{
    const DatabaseFile file(R"(INSERT INTO Listino (Codice) VALUES ('NUDO');)");
    const std::optional<PriceRecord> nudo = Database::open(file.path()).priceList(PriceTable::Listino).find("NUDO");
    ASSERT_TRUE(nudo.has_value());
    EXPECT_EQ(nudo->descrizione, "");
    EXPECT_EQ(nudo->prezzo, 0);
    EXPECT_EQ(nudo->prList, 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(nudo->cacc[i], "");
        EXPECT_EQ(nudo->n[i], 0);
    }
}

TEST(PriceListLookup, RoundsCountsHalfToEven)
{
    const DatabaseFile file(R"(
INSERT INTO Listino (Codice, N1, N2, N3, N4) VALUES ('C', 2.5, 3.5, -2.5, 32767);
)");
    const std::optional<PriceRecord> record = Database::open(file.path()).priceList(PriceTable::Listino).find("C");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->n[0], 2);
    EXPECT_EQ(record->n[1], 4);
    EXPECT_EQ(record->n[2], -2);
    EXPECT_EQ(record->n[3], 32767);
}

TEST(PriceListLookup, CountOutOfRangeIsKeptWithThatCountNamingTheCode)
{
    const DatabaseFile file(R"(
INSERT INTO ListinoScaff (Codice, N3, N6) VALUES ('GRANDE', 40000, 7);
INSERT INTO ListinoScaff (Codice, N3) VALUES ('PICCOLO', 4);
)");
    const PriceList list = Database::open(file.path()).priceList(PriceTable::ListinoScaff);
    const std::optional<PriceRecord> bad = list.find("GRANDE");
    ASSERT_TRUE(bad.has_value());
    const QString& problem = bad->countProblems[2];
    EXPECT_TRUE(problem.contains("\"GRANDE\"")) << problem.toStdString();
    EXPECT_TRUE(problem.contains("N3")) << problem.toStdString();
    EXPECT_EQ(bad->firstCountProblem(), problem);
    EXPECT_TRUE(bad->countProblems[5].isEmpty());
    EXPECT_EQ(bad->n[5], 7);
    EXPECT_TRUE(list.find("PICCOLO")->firstCountProblem().isEmpty());
}

} // namespace
