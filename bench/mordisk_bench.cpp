// Times a Mordisk run on a generated order of 200 lines, with the office already started.
#include "bench/bench_run.h"
#include "mezzanine_costs/mordisk_builder.h"

#include <QFile>

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
    return zuvo::bench::millisecondsOfRun<zuvo::mezzanine::MordiskBuilder>(office, folder, round);
}

} // namespace

int main(int argc, char** argv)
{
    return zuvo::bench::runBench(argc, argv, [](zuvo::sheet::Office& office, const QString& folder) {
        timedRun(office, folder, 0);  // warms the office up
        const double ms = timedRun(office, folder, 1);
        std::printf("mordisk run of %d order lines: %.0f ms, %.2f ms per line\n", kOrderLines, ms,
                    ms / kOrderLines);
    });
}
