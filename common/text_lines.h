#pragma once

#include "common/file_stamp.h"

#include <QString>
#include <QStringList>

namespace zuvo {

// Reads a text file whole as Latin-1 and splits it into lines ending in CR LF, CR or LF.
// A final line without its line end still counts; a file ending in a line end has no empty
// last line. The stamp is of the bytes read. Throws zuvo::Failure (Italian text naming the
// file) when it cannot be read.
Stamped<QStringList> readTextFile(const QString& path);

} // namespace zuvo
