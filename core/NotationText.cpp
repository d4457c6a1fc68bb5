#include "core/NotationText.h"

#include <array>

namespace varnix {

bool IsResultOrPlaceholder(std::string_view text) {
    static constexpr std::array<std::string_view, 6> Texts = {"1-0", "0-1", "1/2-1/2", "-", "1/2", DrawSign};
    for (const std::string_view t : Texts)
        if (text == t) return true;
    return false;
}

} // namespace varnix
