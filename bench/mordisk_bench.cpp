// Times a Mordisk run on a generated order of 200 lines, with the office already started.
#include "common/failure.h"
#include "database/database.h"
#include "mezzanine_costs/mordisk_builder.h"
#include "sample_data/sample_data.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kOrderLines = 200;

void writeOrder(const QString& path)
{
    static const char* const codes[] = {"F0284010", "F0284030", "F0284032", "F0284054",
                                        "F0290121", "F0284044", "XBENCH01", "F0284045"};
    QByteArray bytes = "ORDINE GENERATO\r\nCODICE    MISURA  QTA\r\n";
    for (int i = 0; i < kOrderLines; ++i) {
        const QByteArray code = codes[i % std::size(codes)];
        bytes += code.leftJustified(10, ' ') + QByteArray::number(1000 + i * 10).rightJustified(8, '0')
                 + ' ' + QByteArray::number(1 + i % 7) + "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw zuvo::Failure(QStringLiteral("Impossibile scrivere %1").arg(path));
}

double timedRun(zuvo::sheet::Office& office, const QString& folder, int round)
{
    writeOrder(folder + QStringLiteral("/codord.txt"));
    zuvo::quote::AnsweredHandOver handOver(
        folder + QStringLiteral("/bench-%1.xlsx").arg(round));
    zuvo::mezzanine::MordiskBuilder builder([&]() -> zuvo::sheet::Office& { return office; },
                                            handOver);
    zuvo::db::Database conn = zuvo::db::Database::open(folder + QStringLiteral("/dbzuvo.sqlite"));
    zuvo::quote::QuoteRequest request;
    request.sconto = QStringLiteral("10");
    QElapsedTimer timer;
    timer.start();
    builder.build(request, conn);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        zuvo::sample::prepareDataFolder(folder);
        qputenv("ZUVO_DATA", folder.toLocal8Bit());

        QElapsedTimer start;
        start.start();
        auto office = zuvo::sheet::Office::start(zuvo::sheet::Office::Kind::Isolated);
        std::printf("office start: %.0f ms\n", double(start.nsecsElapsed()) / 1e6);

        timedRun(*office, folder, 0);  // warms the office up
        const double ms = timedRun(*office, folder, 1);
        std::printf("mordisk run of %d order lines: %.0f ms, %.2f ms per line\n", kOrderLines, ms,
                    ms / kOrderLines);
    } catch (const zuvo::Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
