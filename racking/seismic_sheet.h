#pragma once

#include "common/file_stamp.h"
#include "spreadsheet/office.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace zuvo::racking {

// One line of the seismic data file and the cell of the seismic sheet it goes to.
struct SeismicCell {
    int row = 0;
    int column = 0;
    QString text;
};

// What the seismic data file puts on the seismic sheet: its lines, and the two numbers
// derived from the E25 line (from 0 when the file does not reach it).
struct SeismicData {
    QList<SeismicCell> cells;
    std::int16_t e48 = 0;
    double e49 = 0;
};

// Reads the seismic data file "dscheda.txt" when it is in the data folder, before the quote number is raised; then
// "SchedaSism.xlsx" must be there too. Nothing when there is no seismic data. Throws
// zuvo::Failure when the template is missing, the file cannot be read or its E25 value
// gives E48 out of range.
std::optional<Stamped<SeismicData>> readSeismicData();

// Adds the seismic sheet "Scheda" right after the workbook's first sheet: the sheet of
// "SchedaSism.xlsx" with links to the quote's number and customer and the data in their
// cells, left as the sheet the quotation shows.
void addSeismicSheet(sheet::Office& office, sheet::Workbook& quotation,
                     const sheet::Sheet& quoteSheet, const SeismicData& data);

} // namespace zuvo::racking
