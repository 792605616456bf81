#pragma once

#include "spreadsheet/office.h"

#include <functional>

namespace zuvo::quote {

// Gives the office a run works in, starting it on first use; throws zuvo::Failure when
// LibreOffice cannot be started.
using OfficeSource = std::function<sheet::Office&()>;

} // namespace zuvo::quote
