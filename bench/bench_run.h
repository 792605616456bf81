#pragma once

// What the builder benchmarks share: a sample data folder, generated orders and a timed
// quotation run.
#include "common/failure.h"
#include "database/database.h"
#include "quote_run/hand_over.h"
#include "quote_run/quote_request.h"
#include "sample_data/sample_data.h"
#include "spreadsheet/office.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

namespace zuvo::bench {

// A benchmark's main: a sample data folder made this process's data folder, an isolated
// office started (its start time printed), then `measure` on both. A failure is printed and
// ends the program with 1.
inline int runBench(int argc, char** argv,
                    const std::function<void(sheet::Office&, const QString& folder)>& measure)
{
    QCoreApplication app(argc, argv);
    try {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        sample::prepareDataFolder(folder);
        qputenv("ZUVO_DATA", folder.toLocal8Bit());
        QElapsedTimer start;
        start.start();
        auto office = sheet::Office::start(sheet::Office::Kind::Isolated);
        std::printf("office start: %.0f ms\n", double(start.nsecsElapsed()) / 1e6);
        measure(*office, folder);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// An order line's code and its measure field: millimetres, or a stair's packed data.
struct BenchLine {
    const char* code;
    int measure;
};

// Writes an order-code file of `lineCount` lines over `lines` in turn, quantities 1 to 7.
inline void writeGeneratedOrder(const QString& path, const std::vector<BenchLine>& lines,
                                int lineCount)
{
    QByteArray bytes = "ORDINE GENERATO\r\nCODICE    MISURA   QUANTITA\r\n";
    for (int i = 0; i < lineCount; ++i) {
        const BenchLine& line = lines[size_t(i) % lines.size()];
        bytes += QByteArray(line.code).leftJustified(10, ' ')
                 + QByteArray::number(line.measure).rightJustified(8, '0') + ' '
                 + QByteArray::number(1 + i % 7) + "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw Failure(QStringLiteral("Impossibile scrivere %1").arg(path));
}

// The milliseconds of one quotation of a `Builder` on the folder's database, with 10 %
// discount, the quotation saved as "bench-<round>.xlsx" in the folder and closed.
template <typename Builder>
double millisecondsOfRun(sheet::Office& office, const QString& folder, int round)
{
    quote::AnsweredHandOver handOver(folder + QStringLiteral("/bench-%1.xlsx").arg(round));
    Builder builder([&]() -> sheet::Office& { return office; }, handOver);
    db::Database database = db::Database::open(folder + QStringLiteral("/dbzuvo.sqlite"));
    quote::QuoteRequest request;
    request.sconto = QStringLiteral("10");
    QElapsedTimer timer;
    timer.start();
    builder.build(request, database);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace zuvo::bench
