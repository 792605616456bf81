#include "tests/mezzanine_costs/mordisk_fixture.h"
#include "tests/support/office_environment.h"
#include "tests/support/restricted_permissions.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QFileInfo>
#include <optional>

namespace zuvo::test {
namespace {

using sheet::Sheet;

// Codes of our own with plain prices and no accessories, so rows stay predictable.
const QStringList kTestPrices = {
    QStringLiteral("INSERT INTO Listino (Codice, Descrizione, Prezzo, PrList, N1) VALUES "
                   "('ZT100', 'ARTICOLO DI PROVA A METRO', 80, 100, 0)"),
    QStringLiteral("INSERT INTO Listino (Codice, Descrizione, Prezzo, PrList, N1) VALUES "
                   "('ZT350', 'ARTICOLO DI PROVA A PEZZO', 3, 3.5, 0)"),
    QStringLiteral("INSERT INTO Listino (Codice, Descrizione, Prezzo, PrList, N1) VALUES "
                   "('b01', 'ARTICOLO MINUSCOLO', 1, 1, 0)"),
    QStringLiteral("INSERT INTO Listino (Codice, Descrizione, Prezzo, PrList, N1) VALUES "
                   "('A02', 'ARTICOLO MAIUSCOLO', 1, 2, 0)"),
};

// Leaves the lock file of the running number as this live process holds it, written by Qt
// and last touched a minute ago: older than Qt's default stale time, but not abandoned.
void leaveOldLockOfThisProcess(const QString& path)
{
    QByteArray contents;
    {
        QLockFile lock(path);
        ASSERT_TRUE(lock.tryLock());
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        contents = written.readAll();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.flush();
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
}

class MordiskBasics : public MordiskRun {
protected:
    void SetUp() override { addPriceRows(kTestPrices); }
};

TEST_F(MordiskBasics, RaisesQuoteNumberAndWritesHeader)
{
    setTemplateNumber(41);
    writeOrders({QStringLiteral("ZT350      00000000 8")});
    run(request());

    EXPECT_EQ(templateNumber(), 42);
    Sheet quote = saved();
    EXPECT_EQ(quote.cell(QStringLiteral("B2")).toNumber(), 42);
    EXPECT_EQ(quote.cell(QStringLiteral("C3")).text, QStringLiteral("ROSSI SCAFFALATURE S.R.L."));
    EXPECT_EQ(quote.cell(QStringLiteral("C4")).text, QStringLiteral("VIA ROMA 12"));
    EXPECT_EQ(quote.cell(QStringLiteral("C5")).text, QStringLiteral("20100 MILANO"));
}

TEST_F(MordiskBasics, EmptyNumberStartsAtOneAndBlankCustomerGivesThreeBlanks)
{
    setTemplateNumber(std::nullopt);
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    quote::QuoteRequest blank = request();
    blank.customer.nome = blank.customer.indirizzo = blank.customer.cap = blank.customer.localita =
        QStringLiteral(" ");
    run(blank);

    EXPECT_EQ(templateNumber(), 1);
    EXPECT_EQ(saved().cell(QStringLiteral("C5")).text, QStringLiteral("   "));
}

TEST_F(MordiskBasics, QuoteRowWithMeasureAndDiscount)
{
    writeOrders({QStringLiteral("ZT100     00012500 2")});
    run(request(QStringLiteral("10")));

    Sheet quote = saved();
    EXPECT_EQ(quote.cell(10, 1).text, QStringLiteral("ZT100"));
    EXPECT_EQ(quote.cell(10, 2).text, QStringLiteral("ARTICOLO DI PROVA A METRO"));
    EXPECT_EQ(quote.cell(10, 3).number, 2);
    EXPECT_EQ(quote.cell(10, 4).number, 12.5);
    EXPECT_EQ(quote.numberFormat(10, 4), QStringLiteral("0.00"));
    EXPECT_EQ(quote.cell(10, 5).number, 100);
    EXPECT_EQ(quote.cell(10, 6).number, 10);
    EXPECT_EQ(quote.formula(10, 7), QStringLiteral("=$C10*$D10*$E10-$C10*$D10*$E10*$F10/100"));
    EXPECT_DOUBLE_EQ(quote.cell(10, 7).number, 2250);
}

TEST_F(MordiskBasics, SingleBlankDiscountMeansNoDiscount)
{
    writeOrders({QStringLiteral("ZT100     00012500 2"), QStringLiteral("ZT350      00000000 8")});
    run(request(QStringLiteral(" ")));

    Sheet quote = saved();
    EXPECT_TRUE(quote.cell(10, 6).isEmpty());
    EXPECT_EQ(quote.formula(10, 7), QStringLiteral("=$C10*$D10*$E10"));
    EXPECT_DOUBLE_EQ(quote.cell(10, 7).number, 2500);
    EXPECT_EQ(quote.cell(11, 4).text, QStringLiteral(" "));
    EXPECT_EQ(quote.formula(11, 7), QStringLiteral("=$C11*$E11"));
    EXPECT_DOUBLE_EQ(quote.cell(11, 7).number, 28);
}

TEST_F(MordiskBasics, DiscountTextIsReadLeniently)
{
    writeOrders({QStringLiteral("ZT350      00000000 8"), QStringLiteral("ZT100     00001000 1")});
    run(request(QStringLiteral("12,5")));
    EXPECT_EQ(saved().cell(10, 6).number, 12);
}

TEST_F(MordiskBasics, EmptyDiscountIsZeroPercent)
{
    writeOrders({QStringLiteral("ZT350      00000000 8")});
    run(request(QString()));
    Sheet quote = saved();
    EXPECT_EQ(quote.cell(10, 6).number, 0);
    EXPECT_EQ(quote.formula(10, 7), QStringLiteral("=$C10*$E10-$C10*$E10*$F10/100"));
}

TEST_F(MordiskBasics, SortsByCodeIgnoringCase)
{
    writeOrders({QStringLiteral("ZT350      00000000 1"), QStringLiteral("b01        00000000 2"),
                 QStringLiteral("A02        00000000 3")});
    run(request());

    Sheet quote = saved();
    EXPECT_EQ(quote.cell(10, 1).text, QStringLiteral("A02"));
    EXPECT_EQ(quote.cell(11, 1).text, QStringLiteral("b01"));
    EXPECT_EQ(quote.cell(12, 1).text, QStringLiteral("ZT350"));
    // Each amount still multiplies its own row after the sort.
    EXPECT_DOUBLE_EQ(quote.cell(10, 7).number, 6);
    EXPECT_DOUBLE_EQ(quote.cell(11, 7).number, 2);
    EXPECT_DOUBLE_EQ(quote.cell(12, 7).number, 3.5);
}

TEST_F(MordiskBasics, OrderLinesReadSoundly)
{
    // An empty line is skipped, a line without a blank is all code, a short line has no
    // quantity, a code missing from the price list is priced 0.
    writeOrders({QStringLiteral("ZT350"), QString(), QStringLiteral("ZT100     0000"),
                 QStringLiteral("NONESISTE  00000000 5")});
    run(request(QStringLiteral(" ")));

    Sheet quote = saved();
    EXPECT_EQ(quote.cell(10, 1).text, QStringLiteral("NONESISTE"));
    EXPECT_EQ(quote.cell(10, 2).text, QStringLiteral("Codice non trovato a listino"));
    EXPECT_EQ(quote.cell(10, 5).number, 0);
    EXPECT_EQ(quote.cell(11, 1).text, QStringLiteral("ZT100"));
    EXPECT_EQ(quote.cell(11, 3).number, 0);
    EXPECT_EQ(quote.cell(12, 1).text, QStringLiteral("ZT350"));
    EXPECT_EQ(quote.cell(12, 3).number, 0);
    EXPECT_TRUE(quote.cell(13, 1).isEmpty());
}

// A cancelled Save As leaves the quotation with the user all the same: the files go.
TEST_F(MordiskBasics, ConsumedFilesGoOnlyAfterTheHandOver)
{
    QFile(folder.file(QStringLiteral("cod.txt"))).open(QIODevice::WriteOnly);
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    duringHandOver = [&] {
        EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
        EXPECT_TRUE(dataFileExists(QStringLiteral("cod.txt")));
    };
    run(request(), /*cancelSaveAs=*/true);
    EXPECT_FALSE(dataFileExists(QStringLiteral("codord.txt")));
    EXPECT_FALSE(dataFileExists(QStringLiteral("cod.txt")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("SchedaScaff.xlsx")));
}

// The next order, written while the Save As dialog is open, stays for the next quotation:
// also one of the same size that keeps the modification time of the order read.
TEST_F(MordiskBasics, FilesRewrittenDuringTheHandOverStay)
{
    QFile(folder.file(QStringLiteral("cod.txt"))).open(QIODevice::WriteOnly);
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    const QString orders = folder.file(QStringLiteral("codord.txt"));
    duringHandOver = [&] {
        const QDateTime readTime = QFileInfo(orders).lastModified();
        const qint64 readSize = QFileInfo(orders).size();
        writeOrders({QStringLiteral("ZT100      00000000 2")});
        QFile next(orders);
        ASSERT_TRUE(next.open(QIODevice::ReadWrite));
        ASSERT_TRUE(next.setFileTime(readTime, QFileDevice::FileModificationTime));
        ASSERT_EQ(next.size(), readSize);
        QFile codes(folder.file(QStringLiteral("cod.txt")));
        ASSERT_TRUE(codes.open(QIODevice::WriteOnly));
        codes.write("ORDINE SUCCESSIVO\r\n");
    };
    run(request());

    QFile next(orders);
    ASSERT_TRUE(next.open(QIODevice::ReadOnly));
    EXPECT_TRUE(next.readAll().contains("ZT100"));
    EXPECT_TRUE(dataFileExists(QStringLiteral("cod.txt")));
}

// The quotation is with the user when a file cannot be deleted: the run ends naming it.
TEST_F(MordiskBasics, AFileThatCannotBeDeletedIsReported)
{
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    std::optional<RestrictedPermissions> readOnly;
    duringHandOver = [&] {
        readOnly.emplace(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    };
    try {
        run(request(), /*cancelSaveAs=*/true);
        ADD_FAILURE() << "the run passed over the file it could not delete";
    } catch (const quote::FailureAfterHandOver& failure) {
        EXPECT_TRUE(failure.message().contains(QStringLiteral("\"codord.txt\"")));
        EXPECT_TRUE(failure.message().contains(QStringLiteral("prima del prossimo preventivo")));
    }
    readOnly.reset();
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
}

TEST_F(MordiskBasics, MissingInputStopsBeforeTheNumberIsRaised)
{
    setTemplateNumber(7);
    QFile::remove(folder.file(QStringLiteral("codord.txt")));
    EXPECT_TRUE(runExpectingFailure(request()).contains(QStringLiteral("codord.txt")));
    EXPECT_EQ(templateNumber(), 7);

    writeOrders({QStringLiteral("ZT350      00000000 1")});
    QFile::rename(folder.file(QStringLiteral("SchedaScaff.xlsx")),
                  folder.file(QStringLiteral("altro.xlsx")));
    EXPECT_TRUE(runExpectingFailure(request()).contains(QStringLiteral("SchedaScaff.xlsx")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
}

TEST_F(MordiskBasics, MeasureOrQuantityBeyondItsFieldStopsBeforeTheNumberIsRaised)
{
    setTemplateNumber(7);
    for (const QString& broken : {QStringLiteral("ZT100     1E300    1"),
                                  QStringLiteral("ZT350      00000000 1E999")}) {
        writeOrders({QStringLiteral("ZT350      00000000 1"), broken});
        const QString refusal = runExpectingFailure(request());
        EXPECT_TRUE(refusal.contains(QStringLiteral("\"codord.txt\", riga 4")))
            << refusal.toStdString();
        EXPECT_EQ(templateNumber(), 7);
        EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
    }
}

TEST_F(MordiskBasics, ANumberLockHeldForOverHalfAMinuteIsNotTaken)
{
    setTemplateNumber(7);
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    leaveOldLockOfThisProcess(folder.file(QStringLiteral("SchedaScaff.xlsx.lock")));
    EXPECT_TRUE(runExpectingFailure(request()).contains(QStringLiteral("in uso")));
    EXPECT_EQ(templateNumber(), 7);
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
}

// A power loss can leave the lock file empty: an hour later it is nobody's.
TEST_F(MordiskBasics, AnEmptyNumberLockAnHourOldIsBroken)
{
    setTemplateNumber(7);
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    QFile lock(folder.file(QStringLiteral("SchedaScaff.xlsx.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    lock.close();
    run(request());
    EXPECT_EQ(templateNumber(), 8);
    EXPECT_FALSE(dataFileExists(QStringLiteral("SchedaScaff.xlsx.lock")));
}

TEST_F(MordiskBasics, ARecordWithACountOutOfRangeStopsOnlyTheOrdersThatUseIt)
{
    addPriceRows(kTestPrices
                 + QStringList{QStringLiteral("INSERT INTO Listino (Codice, Descrizione, Prezzo, N2) "
                                              "VALUES ('ZBAD', 'CONTEGGIO ERRATO', 1, 40000)")});
    setTemplateNumber(7);
    writeOrders({QStringLiteral("ZT350      00000000 1"), QStringLiteral("ZBAD       00000000 1")});
    EXPECT_TRUE(runExpectingFailure(request()).contains(QStringLiteral("\"ZBAD\"")));
    EXPECT_EQ(templateNumber(), 7);
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));

    writeOrders({QStringLiteral("ZT350      00000000 1")});
    run(request());
    EXPECT_EQ(templateNumber(), 8);
    EXPECT_EQ(saved().cell(10, 1).text, QStringLiteral("ZT350"));
}

TEST_F(MordiskBasics, TextQuoteNumberStopsTheRun)
{
    {
        sheet::Workbook workbook = office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));
        workbook.activeSheet().write(QStringLiteral("B2"), sheet::CellInput::of(QStringLiteral("N/D")));
        workbook.save();
        workbook.close();
    }
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    EXPECT_TRUE(runExpectingFailure(request()).contains(QStringLiteral("B2")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
}

TEST_F(MordiskBasics, TheTemplateNeverReceivesTheQuotation)
{
    writeOrders({QStringLiteral("ZT350      00000000 1")});
    run(request());
    sheet::Workbook original = office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));
    EXPECT_TRUE(original.activeSheet().cell(10, 1).text != QStringLiteral("ZT350"));
    EXPECT_TRUE(original.activeSheet().cell(QStringLiteral("C3")).text
                != QStringLiteral("ROSSI SCAFFALATURE S.R.L."));
    original.close();
}

} // namespace
} // namespace zuvo::test
