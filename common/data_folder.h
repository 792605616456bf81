#pragma once

#include <QString>

namespace zuvo {

// The data folder: $ZUVO_DATA when set, else ~/ZuvoData.
QString dataFolder();

// A file of the data folder, by its exact name ("codord.txt", "SchedaScaff.xlsx").
QString dataFile(const QString& name);

} // namespace zuvo
