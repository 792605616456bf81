#pragma once

#include <QString>

namespace zuvo {

// Moves `newFile` over `target` in one step: a reader sees the old file or the new one,
// never neither and never half of one. On failure `newFile` is removed and zuvo::Failure
// names the target.
void replaceFile(const QString& newFile, const QString& target);

} // namespace zuvo
