// The main window's menu tree as data: the window side builds its menu bar
// from it, and every command comes back as a MenuCommand event carrying the
// item's caption.
#pragma once

#include <string>
#include <vector>

namespace varnix {

struct MenuItemDef {
    std::string path;     // "Moves/Back up one move"; a top-level command has no slash
    char ctrlKey = 0;     // Ctrl+letter shortcut, 0 for none
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool dividerAfter = false;
};

using MenuTree = std::vector<MenuItemDef>;

// The caption of an item: the last part of its path.
inline std::string MenuCaption(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace varnix
