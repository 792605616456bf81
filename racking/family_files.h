#pragma once

#include "quote_sheet/order_file.h"
#include "racking/family.h"

#include <QList>
#include <QStringList>
#include <array>
#include <optional>

namespace zuvo::racking {

// The order lines of each family whose order-code file is in the data folder, by family.
using FamilyOrders = std::array<std::optional<QList<quote::OrderLine>>, 5>;

// Reads every family file present. Throws zuvo::Failure when none is present (nothing to
// quote) or one cannot be read.
FamilyOrders readFamilyFiles();

// The files a run consumes, description file before order-code file, in family order.
QStringList consumedFiles();

} // namespace zuvo::racking
