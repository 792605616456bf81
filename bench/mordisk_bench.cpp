// Times a Mordisk run on a generated order of 200 lines, with the office already started.
#include "bench/bench_run.h"
#include "mezzanine_costs/mordisk_builder.h"

namespace {

constexpr int kOrderLines = 200;

double timedRun(zuvo::sheet::Office& office, const QString& folder, int round)
{
    zuvo::bench::writeGeneratedOrder(folder + QStringLiteral("/codord.txt"),
                                     {{"F0284010", 3000}, {"F0284030", 5000}, {"F0284032", 4000},
                                      {"F0284054", 120000}, {"F0290121", 2000}, {"F0284044", 0},
                                      {"XBENCH01", 1500}, {"F0284045", 0}},
                                     kOrderLines);
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
