// Times a Pellanor run on a generated order of 200 lines, with the office already started:
// the scratch quote sheet and the covering letter.
#include "bench/bench_run.h"
#include "mezzanine_letter/pellanor_builder.h"

namespace {

constexpr int kOrderLines = 200;

double timedRun(zuvo::sheet::Office& office, const QString& folder, int round)
{
    zuvo::bench::writeGeneratedOrder(folder + QStringLiteral("/codord.txt"),
                                     {{"F0284010", 3000}, {"F0284030", 5000}, {"F0284032", 4000},
                                      {"F0284054", 120000}, {"F0284018", 12500}, {"F0281805", 0},
                                      {"SCALA1000", 414}, {"CVV00000", 0}},
                                     kOrderLines);
    const QString dtec = folder + QStringLiteral("/dtec.txt");
    QFile::remove(dtec);
    QFile::copy(QStringLiteral(ZUVO_SAMPLE_ORDERS_DIR "/dtec.txt"), dtec);
    return zuvo::bench::millisecondsOfRun<zuvo::letter::PellanorBuilder>(office, folder, round);
}

} // namespace

int main(int argc, char** argv)
{
    return zuvo::bench::runBench(argc, argv, [](zuvo::sheet::Office& office, const QString& folder) {
        timedRun(office, folder, 0);  // warms the office up
        const double ms = timedRun(office, folder, 1);
        std::printf("pellanor run of %d order lines: %.0f ms\n", kOrderLines, ms);
    });
}
