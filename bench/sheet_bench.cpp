// Measures what a quotation costs in the office: the start, and the writing of quote rows
// (texts, numbers, a measure in "0.00" and the amount formula), then the save as .xlsx.
//
// Usage: zuvo-bench-sheet [template.xlsx]

#include "common/failure.h"
#include "quote_sheet/pricing.h"
#include "spreadsheet/office.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using zuvo::sheet::CellInput;
using zuvo::sheet::CellRow;
using zuvo::sheet::RangeAddress;

constexpr int rowCount = 300;
constexpr int firstRow = 10;

CellRow quoteRow(int index)
{
    return {CellInput::of(QStringLiteral("7%1").arg(index, 7, 10, QLatin1Char('0'))),
            CellInput::of(QStringLiteral("Montante %1 mm").arg(2000 + index)),
            CellInput::of(1.0 + index % 7),
            CellInput::of(1.25 + index % 3),
            CellInput::of(12.5 + index),
            CellInput::nothing(),
            CellInput::formula(zuvo::quote::amountFormula(true, true))};
}

zuvo::sheet::Workbook openWorkbook(zuvo::sheet::Office& office, int argc, char** argv)
{
    return argc > 1 ? office.openCopyOf(QString::fromLocal8Bit(argv[1])) : office.create();
}

// Writes the rows one call per row, as a builder that decides row by row does.
double millisecondsPerRowOneByOne(zuvo::sheet::Sheet& sheet, int startRow)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rowCount; ++i)
        sheet.writeRow(startRow + i, 1, quoteRow(i));
    sheet.setNumberFormat(RangeAddress::rows(startRow, startRow + rowCount - 1, 4, 4), QStringLiteral("0.00"));
    return timer.nsecsElapsed() / 1e6 / rowCount;
}

// Writes all rows as one block.
double millisecondsPerRowAsBlock(zuvo::sheet::Sheet& sheet, int startRow)
{
    QList<CellRow> rows;
    for (int i = 0; i < rowCount; ++i)
        rows.append(quoteRow(i));
    QElapsedTimer timer;
    timer.start();
    sheet.writeBlock(startRow, 1, rows);
    sheet.setNumberFormat(RangeAddress::rows(startRow, startRow + rowCount - 1, 4, 4), QStringLiteral("0.00"));
    return timer.nsecsElapsed() / 1e6 / rowCount;
}

int run(int argc, char** argv)
{
    QElapsedTimer timer;
    timer.start();
    auto office = zuvo::sheet::Office::start(zuvo::sheet::Office::Kind::Isolated);
    const double startSeconds = timer.nsecsElapsed() / 1e9;

    auto book = openWorkbook(*office, argc, argv);
    auto sheet = book.activeSheet();
    const double rowByRow = millisecondsPerRowOneByOne(sheet, firstRow);
    const double block = millisecondsPerRowAsBlock(sheet, firstRow + rowCount + 5);

    QTemporaryDir folder;
    timer.restart();
    book.saveAs(folder.filePath(QStringLiteral("bench.xlsx")));
    const double saveMilliseconds = timer.nsecsElapsed() / 1e6;
    const double check = sheet.cell(firstRow + 1, 7).number;
    book.close();

    std::printf("office start:        %.2f s\n", startSeconds);
    std::printf("rows written:        %d, twice\n", rowCount);
    std::printf("row by row:          %.3f ms per row\n", rowByRow);
    std::printf("one block:           %.3f ms per row\n", block);
    std::printf("save as .xlsx:       %.0f ms\n", saveMilliseconds);
    std::printf("G%d computed:        %.2f\n", firstRow + 1, check);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const zuvo::Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
}
