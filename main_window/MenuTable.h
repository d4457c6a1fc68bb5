// The main window's menu tree, its picture buttons and its lamps as data: the
// window side builds them from these tables, and every command comes back as
// an event that CommandOf names.
#pragma once

#include "platform/MenuTree.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnix {

inline constexpr const char* ProgramTitle = "Varnix Chess v1.16";
inline constexpr const char* AboutPanel = "aboutPanel";
inline constexpr const char* AboutOkButton = "ctrl_SkinableButton1";

// The Game menu (SubFileMenu) by index; 2 is the separator.
inline constexpr std::array<const char*, 5> FileMenuCaptions = {
    "New Game as White", "New Game as Black", "-", "Save Game at current positon", "Load Game"};
// The Moves menu (SubMovesMenu) by index; 4 is the separator.
inline constexpr std::array<const char*, 7> MovesMenuCaptions = {
    "Back up one move", "Forward one move", "Back to start", "Forward to end", "-", "Move now", "Stop thinking"};
inline constexpr std::array<char, 7> MovesMenuKeys = {'b', 'f', 's', 'e', 0, 'm', 'h'};
// "Promote next pawn to" (pprom) by index; the piece code is index + 2.
inline constexpr std::array<const char*, 4> PromotionCaptions = {"Knight", "Bishop", "Rook", "Queen"};
inline constexpr const char* HelpCaption = "Help";
inline constexpr const char* HomePageCaption = "HomePage";

MenuTree BuildMenuTree();

// A menu command by its control array and index.
enum class MenuGroup { None, File, Moves, Strength, Promotion, Help, HomePage };
struct MenuCommand {
    MenuGroup group = MenuGroup::None;
    int index = 0;
};
MenuCommand CommandOf(std::string_view caption);

// The picture buttons: names "poke0" to "poke5"; the Moves item each one runs.
inline constexpr std::array<int, 6> PokeMovesItem = {2, 0, 1, 3, 5, 6};
// The poke index of a control name, -1 for any other name.
int PokeIndex(std::string_view name);

// A control the window side creates on the client area (pixels).
struct ControlSpec {
    enum class Kind { Lamp, PictureButton };
    Kind kind = Kind::Lamp;
    std::string name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t colour = 0; // lamps: 0xRRGGBB
    std::string tooltip;      // picture buttons
    bool visible = true;
};
// The two lamps (the user's lit) and the six picture buttons.
std::vector<ControlSpec> BuildControlSpecs();

} // namespace varnix
