#include "common/failure.h"
#include "database/database.h"
#include "sample_data/sample_data.h"
#include "tests/support/temp_data_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using zuvo::db::Database;
using zuvo::db::PriceTable;
using zuvo::test::TempDataFolder;

const QStringList orderFiles = {"codord.txt", "fppord.txt", "fleord.txt",
                                "fdrord.txt", "fsdord.txt", "fclord.txt"};
const QStringList valueFiles = {"dtec.txt", "dscheda.txt"};
const QStringList templates = {"SchedaScaff.xlsx", "Condizioni.xlsx", "MemSopp.xlsx",
                               "SchedaSism.xlsx"};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a file whose every line ends in CR LF; a stray CR or LF fails the test.
QList<QByteArray> crLfLines(const QString& path)
{
    const QByteArray bytes = contents(path);
    EXPECT_TRUE(bytes.endsWith("\r\n")) << path.toStdString();
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << path.toStdString();
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n")) << path.toStdString();
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    return lines;
}

TEST(SampleDataFolder, HoldsEveryFileWhileZuvoDataPointsAtIt)
{
    qputenv("ZUVO_DATA", "/cartella/precedente");
    {
        TempDataFolder folder;
        EXPECT_EQ(qgetenv("ZUVO_DATA"), QFile::encodeName(folder.path()));
        for (const QString& name : orderFiles + valueFiles + templates + QStringList{"dbzuvo.sqlite"})
            EXPECT_GT(QFileInfo(folder.file(name)).size(), 0) << name.toStdString();
        EXPECT_TRUE(QFileInfo(folder.file("SchedaScaff.xlsx")).isWritable());
    }
    EXPECT_EQ(qgetenv("ZUVO_DATA"), "/cartella/precedente");
    qunsetenv("ZUVO_DATA");
}

TEST(SampleDataFolder, RefusesAFolderThatAlreadyHoldsADatabase)
{
    TempDataFolder folder;
    EXPECT_THROW(zuvo::sample::prepareDataFolder(folder.path()), zuvo::Failure);
}

TEST(SampleDataFolder, OrderFilesKeepCrLfAndTheirFixedColumns)
{
    TempDataFolder folder;
    // The code and its blanks in characters 1 to 10, the measure in 11 to 18, then the quantity.
    const QRegularExpression articleLine(
        QStringLiteral("^(?=.{10}\\d{8} +\\d+(\\.\\d+)?\r$)[^ ]{1,9} +\\d{8}"));
    for (const QString& name : orderFiles) {
        const QList<QByteArray> lines = crLfLines(folder.file(name));
        ASSERT_GT(lines.size(), 2) << name.toStdString();
        for (qsizetype i = 2; i < lines.size(); ++i) {
            const QString line = QString::fromLatin1(lines.at(i));
            EXPECT_TRUE(articleLine.match(line).hasMatch())
                << name.toStdString() << ": " << line.toStdString();
        }
    }
    for (const QString& name : valueFiles)
        EXPECT_GT(crLfLines(folder.file(name)).size(), 5) << name.toStdString();
}

TEST(SampleDatabase, HoldsTheCustomersWithTheirOddities)
{
    TempDataFolder folder;
    const Database db = Database::open(folder.file("dbzuvo.sqlite"));
    const auto customers = db.customers();
    ASSERT_EQ(customers.size(), 12);
    EXPECT_EQ(customers.at(3).localita, QStringLiteral("Forlì"));
    const auto dAngelo = db.customerNamed(QStringLiteral("D'Angelo Scaffalature S.r.l."));
    ASSERT_TRUE(dAngelo.has_value());
    EXPECT_EQ(dAngelo->cap, QStringLiteral("00178"));
    const auto nameOnly = db.customerNamed(QStringLiteral("Officine Meccaniche Ferraresi S.p.A."));
    ASSERT_TRUE(nameOnly.has_value());
    EXPECT_TRUE(nameOnly->indirizzo.isEmpty() && nameOnly->cap.isEmpty() &&
                nameOnly->localita.isEmpty() && nameOnly->prov.isEmpty());
}

TEST(SampleDatabase, PriceListsHoldTheCodesTheRulesName)
{
    TempDataFolder folder;
    const Database db = Database::open(folder.file("dbzuvo.sqlite"));
    const auto listino = db.priceList(PriceTable::Listino);
    for (const char* code : {"0SISM", "AREATOT", "00000000", "00000001", "F0281714", "F0284054",
                             "F0284060", "F0290045", "F0290121", "F0290125", "GR9012B", "GR9015B",
                             "GR9020B", "SCALA800", "SCALA1000", "SCALA1200", "70000010",
                             "F0284018", "F0284020", "F0284040", "F0284044", "F0284047",
                             "F0284049", "F0281805", "F0281810", "F0281815", "F0281820",
                             "CVV00000", "F02841XX", "F0284112", "F0284123"})
        EXPECT_TRUE(listino.find(QString::fromLatin1(code)).has_value()) << code;
    EXPECT_EQ(listino.find(QStringLiteral("F0284010"))->cacc[0], QStringLiteral("F02841XX"));

    const auto scaff = db.priceList(PriceTable::ListinoScaff);
    for (const char* code : {"PASS", "PARAP", "F0281805", "F0281810", "SCALA800", "SCALA1000",
                             "SCALA1200", "F0802580", "F0271010", "F0271016", "F0271017",
                             "FM024197", "SPTAGLIO", "F0802022", "FM018014", "F1020045",
                             "F0284039", "F0300070", "F0300071", "F0802560", "F0802570",
                             "POMEGA", "COLMTT", "LAMTTCL", "ZINC"}) {
        const auto record = scaff.find(QString::fromLatin1(code));
        ASSERT_TRUE(record.has_value()) << code;
        EXPECT_GT(record->n[5], 0) << code << " has no sort key";
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
