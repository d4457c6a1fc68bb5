#pragma once

#include "platform/Surface.h"

namespace varnix {

// Copies a rectangle of dest's own size from the top-left of src to the top-left of dest.
inline void CopyPicture(Surface& dest, const Surface& src) {
    Blit(dest, 0, 0, dest.Width(), dest.Height(), src, 0, 0, RasterOp::Copy);
}

} // namespace varnix
