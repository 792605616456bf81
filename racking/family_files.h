#pragma once

#include "order_reading/order_file.h"
#include "quote_run/consumed_files.h"
#include "racking/family.h"

#include <QList>
#include <array>
#include <optional>

namespace zuvo::racking {

// The order lines of each family whose order-code file is in the data folder, by family.
using FamilyOrders = std::array<std::optional<QList<quote::OrderLine>>, kFamilyCount>;

// Reads every family file present and notes what the run consumes, in family order: each
// family's description file as it is now, then its family file as read. Throws
// zuvo::Failure when no family file is present (nothing to quote) or one cannot be read.
FamilyOrders readFamilyFiles(quote::ConsumedFiles& consumed);

} // namespace zuvo::racking
