// What the window side hands to the program: mouse, keys, menu commands,
// clicks on named controls, and the close request.
#pragma once

#include <string>

namespace varnix {

enum class MouseButton : int { None = 0, Left = 1, Right = 2, Middle = 4 };

struct InputEvent {
    enum class Kind {
        MouseDown,
        MouseMove,
        MouseUp,
        KeyDown,     // key holds the key's character or code
        MenuCommand, // target holds the menu item's caption
        Click,       // target holds the control's name
        Close,       // the user closed the window
    };

    Kind kind = Kind::MouseMove;
    std::string target; // control the event belongs to ("board", "poke3", a menu caption, ...)
    int button = 0;     // MouseButton bits
    int shift = 0;      // 1 Shift, 2 Ctrl, 4 Alt
    int x = 0;          // pixels, relative to the target
    int y = 0;
    int key = 0;
};

} // namespace varnix
