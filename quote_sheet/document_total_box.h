#pragma once

#include "spreadsheet/sheet.h"

#include <QString>

namespace zuvo::quote {

// The currency format of the document total.
inline const QString kDocumentTotalFormat = QStringLiteral("$ #,##0.00");

// The document-total box: "TOTALE DOCUMENTO" in the amount column of `labelRow` (bold,
// right-aligned), the total under it (an R1C1 sum, bold, in currency format), and columns E
// to G of the two rows in the grey box.
void writeDocumentTotalBox(sheet::Sheet& sheet, int labelRow, const QString& sumR1C1);
// The same box holding a fixed number rather than a sum.
void writeDocumentTotalBox(sheet::Sheet& sheet, int labelRow, double total);

} // namespace zuvo::quote
