// Times a Tavrelo run over the five families, each a generated order of the same number of
// lines that calls on every family's rules, with the office already started; two sizes show
// whether the time grows in step with the lines.
#include "bench/bench_run.h"
#include "racking/family.h"
#include "racking/tavrelo_builder.h"

#include <vector>

namespace {

using zuvo::bench::BenchLine;
using zuvo::racking::Family;

std::vector<BenchLine> linesOf(Family family)
{
    switch (family) {
    case Family::Pallet:
        return {{"P2C1100", 0},     {"F0802012", 0},    {"PZE0900", 0}, {"PRT400", 0},
                {"RZN0100", 13500}, {"F0802580", 2700}, {"PASS", 4000}, {"PARAP", 2500},
                {"F0281810", 2500}, {"SCALA1000", 300412}, {"ANTSISM", 0}, {"F0802112", 0}};
    case Family::LightShelving:
        return {{"P2C0400", 0}, {"RPL1000", 0}, {"CRL1000", 0}, {"SCALA800", 210}, {"MLZ2000", 1800}};
    case Family::DriveIn:
        return {{"MDR6000", 0},     {"MNS0150", 0},  {"F0271010", 12000}, {"F0271016", 6000},
                {"F0271017", 1200}, {"F0801100", 2600}, {"SPTAGLIO", 1000}, {"F0802022", 0},
                {"FM018014", 0},    {"FM024197", 3000}, {"FM028410", 0},    {"FM025160", 0}};
    case Family::SatDrive:
        return {{"SATNAV12", 0},    {"F0300070", 24000}, {"F0300071", 3600}, {"F0802560", 24000},
                {"F0802570", 3600}, {"F0802580", 2700},  {"F0802012", 0},    {"F0801100", 2400},
                {"SPTAGLIO", 1000}, {"FM025160", 0}};
    case Family::Cantilever:
        return {{"CM3000", 0},     {"CB3000", 0},     {"BR1000", 0},      {"BTZN10", 0},
                {"POMEGA", 3000},  {"COLMTT", 3000},  {"LAMTTCL", 3000}, {"PIA1000", 3000},
                {"TF3000", 0},     {"PAC3000", 0}};
    }
    return {};
}

void writeFamily(const QString& folder, Family family, int lineCount)
{
    zuvo::bench::writeGeneratedOrder(folder + QLatin1Char('/') + zuvo::racking::orderFileOf(family),
                                     linesOf(family), lineCount);
}

double timedRun(zuvo::sheet::Office& office, const QString& folder, int linesPerFamily, int round)
{
    for (Family family : zuvo::racking::kFamilyOrder)
        writeFamily(folder, family, linesPerFamily);
    return zuvo::bench::millisecondsOfRun<zuvo::racking::TavreloBuilder>(office, folder, round);
}

} // namespace

int main(int argc, char** argv)
{
    return zuvo::bench::runBench(argc, argv, [](zuvo::sheet::Office& office, const QString& folder) {
        timedRun(office, folder, 200, 0);  // warms the office up
        int round = 1;
        for (int linesPerFamily : {100, 200}) {
            const double ms = timedRun(office, folder, linesPerFamily, round++);
            std::printf("tavrelo run of 5 families x %d order lines: %.0f ms, %.2f ms per line\n",
                        linesPerFamily, ms, ms / (5 * linesPerFamily));
        }
    });
}
