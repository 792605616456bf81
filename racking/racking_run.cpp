#include "racking/racking_run.h"

namespace zuvo::racking {

bool RackingRun::hasOtherFamilies(Family family) const
{
    for (Family other : kFamilyOrder) {
        if (other != family && isPresent(other))
            return true;
    }
    return false;
}

} // namespace zuvo::racking
