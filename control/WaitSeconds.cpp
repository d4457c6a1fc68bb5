#include "control/WaitSeconds.h"

#include <cmath>
#include <cstdint>

namespace varnix {

void WaitSeconds(Platform& platform, double seconds) {
    const std::int64_t limit = std::llround(seconds * 1000.0);
    const std::uint32_t start = platform.TickMs();
    // Unsigned difference, so that a wrap of the tick counter does not end the wait early.
    while (std::int64_t(std::uint32_t(platform.TickMs() - start)) <= limit) platform.ProcessPendingEvents();
}

} // namespace varnix
