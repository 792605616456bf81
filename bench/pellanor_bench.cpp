// Times a Pellanor run on a generated order of 200 lines, with the office already started:
// the scratch quote sheet and the covering letter.
#include "bench/quotation_bench.h"
#include "mezzanine_letter/pellanor_builder.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kOrderLines = 200;
    const QByteArray technicalData = [] {
        QFile sample(QStringLiteral(ZUVO_SAMPLE_ORDERS_DIR "/dtec.txt"));
        return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
    }();
    return zuvo::bench::timeQuotationRuns(
        "pellanor", kOrderLines,
        [&](const QString& folder) {
            zuvo::bench::writeGeneratedOrder(folder + QStringLiteral("/codord.txt"),
                                             {"F0284010", "F0284030", "F0284032", "F0284054",
                                              "F0284018", "F0281805", "SCALA1000", "CVV00000"},
                                             kOrderLines);
            QFile dtec(folder + QStringLiteral("/dtec.txt"));
            if (dtec.open(QIODevice::WriteOnly))
                dtec.write(technicalData);
        },
        [](const zuvo::quote::OfficeSource& office, zuvo::quote::HandOver& handOver) {
            return std::make_unique<zuvo::letter::PellanorBuilder>(office, handOver);
        });
}
