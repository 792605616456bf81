#pragma once

#include <QStringList>

namespace zuvo::quote {

// Checks, before anything is consumed, that the named files are in the data folder; throws
// zuvo::Failure naming the missing ones.
void requireDataFiles(const QStringList& names);

} // namespace zuvo::quote
