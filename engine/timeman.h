// How long one search may think.
#pragma once

#include <cstdint>

#include "engine/types.h"

namespace varnix::engine {

struct SearchLimits;

struct TimeBudget {
    int64_t softMs = 0;  // no new iteration starts after this (0: no limit)
    int64_t hardMs = 0;  // the search stops at this (0: no limit)
};

// The budget for `us` under the limits; pondering and infinite searches get none until told otherwise.
TimeBudget PlanTime(const SearchLimits& limits, Color us);

}  // namespace varnix::engine
