// Times a Mordisk run on a generated order of 200 lines, with the office already started.
#include "bench/quotation_bench.h"
#include "mezzanine_costs/mordisk_builder.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kOrderLines = 200;
    return zuvo::bench::timeQuotationRuns(
        "mordisk", kOrderLines,
        [](const QString& folder) {
            zuvo::bench::writeGeneratedOrder(folder + QStringLiteral("/codord.txt"),
                                             {"F0284010", "F0284030", "F0284032", "F0284054",
                                              "F0290121", "F0284044", "XBENCH01", "F0284045"},
                                             kOrderLines);
        },
        [](const zuvo::quote::OfficeSource& office, zuvo::quote::HandOver& handOver) {
            return std::make_unique<zuvo::mezzanine::MordiskBuilder>(office, handOver);
        });
}
