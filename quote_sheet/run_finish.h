#pragma once

#include "quote_sheet/hand_over.h"

#include <QStringList>

namespace zuvo::quote {

// The end of a quotation run: the workbook is handed to the user, and only then are the
// consumed files of the data folder deleted (a missing one is no error). Returns whether the
// quotation reached the user. Closing the database and ending the program are the window's.
bool finishRun(sheet::Workbook& quotation, HandOver& handOver, const QStringList& consumedFiles);

} // namespace zuvo::quote
