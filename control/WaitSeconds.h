#pragma once

#include "platform/Platform.h"

namespace varnix {

// Processes pending events until more than seconds have passed on the platform's clock.
void WaitSeconds(Platform& platform, double seconds);

} // namespace varnix
