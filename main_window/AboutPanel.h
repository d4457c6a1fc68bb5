// The about panel's picture: its background, the about text wrapped into the
// label's box, and the skinned "OK" button.
#pragma once

#include "platform/Surface.h"

#include <string>

namespace varnix {

Surface ComposeAboutPanel(const std::string& aboutText);

} // namespace varnix
