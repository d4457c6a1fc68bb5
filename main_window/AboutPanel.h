// The about panel's pictures: its background with the about text wrapped into
// the label's box, and the two looks of its skinned "OK" button.
#pragma once

#include "platform/Surface.h"

#include <string>

namespace varnix {

struct AboutPanelPictures {
    Surface panel;
    Surface okNormal;
    Surface okPressed;
    int okX; // the button's place on the panel, in pixels
    int okY;
};

AboutPanelPictures ComposeAboutPanel(const std::string& aboutText);

} // namespace varnix
