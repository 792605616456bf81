#include "bench/quotation_bench.h"

#include "common/failure.h"
#include "database/database.h"
#include "sample_data/sample_data.h"
#include "spreadsheet/office.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace zuvo::bench {

namespace {

double timedRun(sheet::Office& office, const QString& folder, int round,
                const InputWriter& writeInputs, const BuilderFactory& makeBuilder)
{
    writeInputs(folder);
    quote::AnsweredHandOver handOver(folder + QStringLiteral("/bench-%1.xlsx").arg(round));
    const auto builder =
        makeBuilder([&]() -> sheet::Office& { return office; }, handOver);
    db::Database database = db::Database::open(folder + QStringLiteral("/dbzuvo.sqlite"));
    quote::QuoteRequest request;
    request.sconto = QStringLiteral("10");
    QElapsedTimer timer;
    timer.start();
    builder->build(request, database);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

void writeGeneratedOrder(const QString& path, const QByteArrayList& codes, int lines)
{
    QByteArray bytes = "ORDINE GENERATO\r\nCODICE    MISURA  QTA\r\n";
    for (int i = 0; i < lines; ++i) {
        bytes += codes[i % codes.size()].leftJustified(10, ' ')
                 + QByteArray::number(1000 + i * 10).rightJustified(8, '0') + ' '
                 + QByteArray::number(1 + i % 7) + "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw Failure(QStringLiteral("Impossibile scrivere %1").arg(path));
}

int timeQuotationRuns(const char* name, int orderLines, const InputWriter& writeInputs,
                      const BuilderFactory& makeBuilder)
{
    try {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        sample::prepareDataFolder(folder);
        qputenv("ZUVO_DATA", folder.toLocal8Bit());

        QElapsedTimer start;
        start.start();
        auto office = sheet::Office::start(sheet::Office::Kind::Isolated);
        std::printf("office start: %.0f ms\n", double(start.nsecsElapsed()) / 1e6);

        timedRun(*office, folder, 0, writeInputs, makeBuilder);
        const double ms = timedRun(*office, folder, 1, writeInputs, makeBuilder);
        std::printf("%s run of %d order lines: %.0f ms, %.2f ms per line\n", name, orderLines, ms,
                    ms / orderLines);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace zuvo::bench
