#pragma once

#include "common/file_stamp.h"
#include "spreadsheet/office.h"

#include <QList>
#include <array>
#include <cstdint>
#include <optional>

namespace zuvo::racking {

// One line of the seismic data file and the single cell of the seismic sheet it goes to.
struct SeismicCell {
    int row = 0;
    int column = 0;
    sheet::CellInput value;
};

// What the seismic data file puts on the seismic sheet: its lines, and the two numbers
// derived from the E25 line (from 0 when the file does not reach it).
struct SeismicData {
    // E18:E21, E24, E25 and E44, as far as the file reaches.
    QList<SeismicCell> cells;
    // Rows 22 and 23 from column E on, one pair to a column; row 22 is one longer when the
    // file ends inside a pair.
    std::array<sheet::CellRow, 2> pairRows;
    // How many pairs line 2 asks for, whether or not the file holds them.
    double statedPairs = 0;
    std::int16_t e48 = 0;
    double e49 = 0;
};

// Reads the seismic data file "dscheda.txt" when it is in the data folder, before the quote
// number is raised; then "SchedaSism.xlsx" must be there too. Nothing when there is no
// seismic data. Throws zuvo::Failure when the template is missing, the file cannot be read
// or its E25 value gives E48 out of range.
std::optional<Stamped<SeismicData>> readSeismicData();

// Before the quote number is raised: opens "SchedaSism.xlsx" and checks that its sheet is
// there and has a column for every pair the data ask for. Throws zuvo::Failure otherwise.
void checkSeismicTemplate(sheet::Office& office, const SeismicData& data);

// Adds the seismic sheet "Scheda" right after the workbook's first sheet: the sheet of
// "SchedaSism.xlsx" with links to the quote's number and customer and the data in their
// cells, left as the sheet the quotation shows.
void addSeismicSheet(sheet::Office& office, sheet::Workbook& quotation,
                     const sheet::Sheet& quoteSheet, const SeismicData& data);

} // namespace zuvo::racking
