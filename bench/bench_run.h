#pragma once

// What the builder benchmarks share: a sample data folder and a timed quotation run.
#include "database/database.h"
#include "quote_sheet/hand_over.h"
#include "sample_data/sample_data.h"
#include "spreadsheet/office.h"
#include "window/quote_builder.h"

#include "common/failure.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

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

// The milliseconds of one "Genera preventivo" of a `Builder` on the folder's database, with
// 10 % discount, the quotation saved as "bench-<round>.xlsx" in the folder.
template <typename Builder>
double millisecondsOfRun(sheet::Office& office, const QString& folder, int round)
{
    quote::AnsweredHandOver handOver(folder + QStringLiteral("/bench-%1.xlsx").arg(round));
    Builder builder([&]() -> sheet::Office& { return office; }, handOver);
    db::Database conn = db::Database::open(folder + QStringLiteral("/dbzuvo.sqlite"));
    window::GroupFlags flags;
    window::QuoteRequest request;
    request.sconto = QStringLiteral("10");
    QElapsedTimer timer;
    timer.start();
    builder.GeneraPreventivo(request, conn, flags);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace zuvo::bench
