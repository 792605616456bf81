#include "racking/seismic_sheet.h"

#include "common/data_files.h"
#include "common/data_folder.h"
#include "common/failure.h"
#include "common/number_parse.h"
#include "common/rounding.h"
#include "common/text_lines.h"
#include "quote_run/preflight.h"
#include "spreadsheet/untitled_copy.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace zuvo::racking {

namespace {

const QString kTemplateSheet = QStringLiteral("Foglio1");
const QString kSeismicSheet = QStringLiteral("Scheda");
constexpr int kColumnE = 5;
constexpr int kFirstPairRow = 22;

// Hands out the file's lines one by one; past its end there are none, and the cells they
// would fill stay as the template has them.
class LineReader {
public:
    explicit LineReader(const QStringList& lines) : lines_(lines) {}

    bool atEnd() const { return next_ >= lines_.size(); }

    std::optional<QString> next()
    {
        if (atEnd())
            return std::nullopt;
        return lines_[next_++];
    }

private:
    const QStringList& lines_;
    qsizetype next_ = 0;
};

// A line that is wholly a number goes in as that number, as a cell's value takes it; any
// other line as its text, never read as a formula.
sheet::CellInput seismicValue(const QString& line)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    if (wholeNumber.match(line).hasMatch()) {
        const double number = line.toDouble();
        if (std::isfinite(number))
            return sheet::CellInput::of(number);
    }
    return sheet::CellInput::of(line);
}

void deriveFrom(const QString& e25Line, SeismicData& data)
{
    const double valoreE25 = lenientNumber(e25Line);
    data.e49 = valoreE25 / 50;
    try {
        data.e48 = toInt16HalfEven(valoreE25 / 65);
    } catch (const Failure&) {
        throw failureBeforeAnythingUsed(
            QStringLiteral("Il valore \"%1\" che \"%2\" dà per la cella E25, diviso per 65, "
                           "non è compreso fra -32768 e 32767.")
                .arg(e25Line, files::kSeismicData));
    }
}

// Lines 1 to 4 go to E18:E21, then pairs of lines to rows 22 and 23 from column E on, one
// pair fewer than the number on line 2, then E24, E25 and E44.
SeismicData parseSeismicLines(const QStringList& fileLines)
{
    SeismicData data;
    LineReader lines(fileLines);
    const auto toCell = [&](int row) {
        const std::optional<QString> line = lines.next();
        if (line)
            data.cells.append({row, kColumnE, seismicValue(*line)});
        return line.value_or(QString());
    };
    toCell(18);
    data.statedPairs = std::max(0.0, std::floor(lenientNumber(toCell(19)) - 1));
    toCell(20);
    toCell(21);
    for (int pair = 1; pair <= data.statedPairs && !lines.atEnd(); ++pair) {
        for (sheet::CellRow& row : data.pairRows) {
            if (const std::optional<QString> line = lines.next())
                row.append(seismicValue(*line));
        }
    }
    toCell(24);
    const QString e25 = toCell(25);
    toCell(44);
    deriveFrom(e25, data);
    return data;
}

// The number of columns of the template's sheet, which the seismic sheet keeps.
int templateColumns(sheet::Office& office)
{
    return sheet::withUntitledCopy(office, dataFile(files::kSeismicTemplate),
                                   [](sheet::Workbook& source) {
        if (!source.sheetNames().contains(kTemplateSheet))
            throw failureBeforeAnythingUsed(
                QStringLiteral("\"%1\" non contiene il foglio \"%2\" della scheda sismica.")
                    .arg(files::kSeismicTemplate, kTemplateSheet));
        return source.sheet(kTemplateSheet).columnCount();
    });
}

sheet::Sheet importTemplateSheet(sheet::Office& office, sheet::Workbook& quotation)
{
    return sheet::withUntitledCopy(office, dataFile(files::kSeismicTemplate),
                                   [&](sheet::Workbook& source) {
        return quotation.importSheet(source, kTemplateSheet, quotation.sheetNames().first(),
                                     kSeismicSheet);
    });
}

void writeHeaderLinks(sheet::Sheet& seismic, const QString& quoteSheetName)
{
    // Customer (C3:C5) and quote number and revision (B2:B3) of the quote sheet.
    const QString customer = QStringLiteral("=%1!R[-4]C[-2]").arg(quoteSheetName);
    const QString number = QStringLiteral("=%1!R[-11]C[-3]").arg(quoteSheetName);
    for (int row : {7, 8, 9})
        seismic.write(row, kColumnE, sheet::CellInput::formula(customer));
    for (int row : {13, 14})
        seismic.write(row, kColumnE, sheet::CellInput::formula(number));
}

void writeData(sheet::Sheet& seismic, const SeismicData& data)
{
    for (const SeismicCell& cell : data.cells)
        seismic.write(cell.row, cell.column, cell.value);
    for (int row = 0; row < int(data.pairRows.size()); ++row)
        seismic.writeRow(kFirstPairRow + row, kColumnE, data.pairRows[row]);
    seismic.write(48, kColumnE, sheet::CellInput::of(double(data.e48)));
    seismic.write(49, kColumnE, sheet::CellInput::of(data.e49));
}

} // namespace

std::optional<Stamped<SeismicData>> readSeismicData()
{
    const QString path = dataFile(files::kSeismicData);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    quote::requireDataFiles({files::kSeismicTemplate});
    const Stamped<QStringList> file = readTextFile(path);
    return Stamped<SeismicData>{parseSeismicLines(file.content), file.stamp};
}

void checkSeismicTemplate(sheet::Office& office, const SeismicData& data)
{
    // One column to a pair, from E to the sheet's last.
    const int pairColumns = templateColumns(office) - (kColumnE - 1);
    if (data.statedPairs <= pairColumns)
        return;
    const QString pairs = std::isfinite(data.statedPairs)
                              ? QString::number(data.statedPairs, 'g', 15)
                              : QStringLiteral("infinite");
    throw failureBeforeAnythingUsed(
        QStringLiteral("\"%1\" chiede alla riga 2 %2 coppie di valori, ma la scheda sismica "
                       "ne può contenere al massimo %3 (una per colonna, dalla E all'ultima).")
            .arg(files::kSeismicData, pairs)
            .arg(pairColumns));
}

void addSeismicSheet(sheet::Office& office, sheet::Workbook& quotation,
                     const sheet::Sheet& quoteSheet, const SeismicData& data)
{
    sheet::Sheet seismic = importTemplateSheet(office, quotation);
    writeHeaderLinks(seismic, quoteSheet.name());
    writeData(seismic, data);
    quotation.activate(seismic);
}

} // namespace zuvo::racking
