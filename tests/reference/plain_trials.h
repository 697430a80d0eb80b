#pragma once

#include "rules/targets.h"

namespace plain {

// The promotion flags a search tries for a destination code, in order, until one trial returns
// true: plain first. Codes 0 and -1 give no trial.
template <typename Trial> inline bool AnyTrial(int code, Trial&& trial)
{
    if ((code == TargetMove || code == TargetPromoteOptional) && trial(0))
        return true;
    return (code == TargetPromoteOptional || code == TargetPromoteForced) && trial(1);
}

} // namespace plain
