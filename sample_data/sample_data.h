#pragma once

#include <QString>

namespace zuvo::sample {

// Fills the folder `target` (created with its parents when missing) with the sample data
// folder: the database "dbzuvo.sqlite" built from the sample SQL, the sample order-code and
// data files byte for byte, and the four templates. A folder that already holds a database is
// refused, so that real customers are never overwritten; other sample files are replaced.
// Throws zuvo::Failure.
void prepareDataFolder(const QString& target);

} // namespace zuvo::sample
