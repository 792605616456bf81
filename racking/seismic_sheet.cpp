#include "racking/seismic_sheet.h"

#include "common/data_files.h"
#include "common/data_folder.h"
#include "common/failure.h"
#include "common/number_parse.h"
#include "common/rounding.h"
#include "common/text_lines.h"
#include "quote_sheet/preflight.h"
#include "quote_sheet/untitled_copy.h"

#include <QFileInfo>

namespace zuvo::racking {

namespace {

const QString kTemplateSheet = QStringLiteral("Foglio1");
const QString kSeismicSheet = QStringLiteral("Scheda");
constexpr int kColumnE = 5;

// Hands out the file's lines one by one; a missing line leaves its cell alone.
class LineReader {
public:
    LineReader(const QStringList& lines, SeismicData& data) : lines_(lines), data_(data) {}

    bool atEnd() const { return next_ >= lines_.size(); }

    std::optional<QString> readInto(int row, int column)
    {
        if (atEnd())
            return std::nullopt;
        const QString text = lines_[next_++];
        data_.cells.append({row, column, text});
        return text;
    }

private:
    const QStringList& lines_;
    SeismicData& data_;
    qsizetype next_ = 0;
};

void deriveFrom(const QString& e25Line, SeismicData& data)
{
    const double valoreE25 = lenientNumber(e25Line);
    data.e49 = valoreE25 / 50;
    try {
        data.e48 = toInt16HalfEven(valoreE25 / 65);
    } catch (const Failure&) {
        throw Failure(QStringLiteral("Il valore \"%1\" che \"%2\" dà per la cella E25, "
                                     "diviso per 65, non è compreso fra -32768 e 32767. Nessun "
                                     "preventivo è stato generato e nessun file è stato consumato.")
                          .arg(e25Line, files::kSeismicData));
    }
}

// Lines 1 to 4 go to E18:E21, then pairs of lines to rows 22 and 23 from column E on, one
// pair fewer than the number on line 2, then E24, E25 and E44.
SeismicData parseSeismicLines(const QStringList& lines)
{
    SeismicData data;
    LineReader reader(lines, data);
    reader.readInto(18, kColumnE);
    const double valoreE19 = lenientNumber(reader.readInto(19, kColumnE).value_or(QString()));
    reader.readInto(20, kColumnE);
    reader.readInto(21, kColumnE);
    for (int i = 1; i <= valoreE19 - 1 && !reader.atEnd(); ++i) {
        reader.readInto(22, 4 + i);
        reader.readInto(23, 4 + i);
    }
    reader.readInto(24, kColumnE);
    const std::optional<QString> e25 = reader.readInto(25, kColumnE);
    reader.readInto(44, kColumnE);
    deriveFrom(e25.value_or(QString()), data);
    return data;
}

sheet::Sheet importTemplateSheet(sheet::Office& office, sheet::Workbook& quotation)
{
    return quote::withUntitledCopy(office, dataFile(files::kSeismicTemplate),
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

void addSeismicSheet(sheet::Office& office, sheet::Workbook& quotation,
                     const sheet::Sheet& quoteSheet, const SeismicData& data)
{
    sheet::Sheet seismic = importTemplateSheet(office, quotation);
    writeHeaderLinks(seismic, quoteSheet.name());
    // Each line as the text it is, never read as a formula.
    for (const SeismicCell& cell : data.cells)
        seismic.write(cell.row, cell.column, sheet::CellInput::of(cell.text));
    seismic.write(48, kColumnE, sheet::CellInput::of(double(data.e48)));
    seismic.write(49, kColumnE, sheet::CellInput::of(data.e49));
    quotation.activate(seismic);
}

} // namespace zuvo::racking
