#pragma once

#include "spreadsheet/office.h"

#include <QString>
#include <functional>

namespace zuvo::quote {

// Raises the running quote number in B2 of the template, opens the quotation as an untitled
// copy of the template and runs `build` on it. A failure closes the unfinished quotation,
// so no hidden document is left in the office, and goes on to the caller.
void buildNumberedQuotation(sheet::Office& office, const QString& templatePath,
                            const std::function<void(sheet::Workbook&)>& build);

} // namespace zuvo::quote
