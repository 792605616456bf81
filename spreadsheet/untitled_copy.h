#pragma once

#include "spreadsheet/office.h"

#include <QString>

namespace zuvo::sheet {

// Works on an untitled copy of a file, so the file itself is never locked nor written, and
// closes the copy afterwards whatever happens. Returns what `use` returns.
template <typename Use>
auto withUntitledCopy(Office& office, const QString& path, Use&& use)
{
    Workbook copy = office.openCopyOf(path);
    try {
        auto result = use(copy);
        copy.close();
        return result;
    } catch (...) {
        copy.closeAfterFailure();
        throw;
    }
}

} // namespace zuvo::sheet
