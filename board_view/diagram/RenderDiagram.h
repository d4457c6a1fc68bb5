// Draws a diagram through the program's own board view, on a headless window.
#pragma once

#include "board_view/diagram/DiagramOptions.h"
#include "platform/Surface.h"

namespace varnix {

// The board exactly as the main window would show it.
Surface RenderDiagram(const DiagramOptions& options);

} // namespace varnix
