#include "main_window/MenuTable.h"

#include "board_view/ControlNames.h"
#include "control/Levels.h"

namespace varnix {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int StripLeftTwips = 840, StripTopTwips = 5205, ButtonTopTwips = -15, ButtonTwips = 240;
constexpr std::array<int, 6> PokeLeftTwips = {0, 240, 600, 840, 1440, 1680};
constexpr std::uint32_t LampColour = 0x80FF80;
constexpr int LampSize = 9;

template <std::size_t N>
int IndexIn(const std::array<const char*, N>& captions, std::string_view caption) {
    for (std::size_t i = 0; i < N; ++i) {
        if (caption == captions[i] && caption != "-") return int(i);
    }
    return -1;
}

} // namespace

MenuTree BuildMenuTree() {
    MenuTree menu;
    for (std::size_t i = 0; i < FileMenuCaptions.size(); ++i) {
        if (std::string_view(FileMenuCaptions[i]) == "-") {
            menu.back().dividerAfter = true;
            continue;
        }
        menu.push_back({std::string("Game/") + FileMenuCaptions[i]});
    }
    for (std::size_t i = 0; i < MovesMenuCaptions.size(); ++i) {
        if (std::string_view(MovesMenuCaptions[i]) == "-") {
            menu.back().dividerAfter = true;
            continue;
        }
        MenuItemDef item{std::string("Moves/") + MovesMenuCaptions[i], MovesMenuKeys[i], true};
        item.enabled = i != 6; // "Stop thinking" until the engine thinks
        menu.push_back(item);
    }
    for (std::size_t i = 0; i < LevelTable.size(); ++i) {
        MenuItemDef item{std::string("Options/Computer strength/") + LevelTable[i].Caption, 0, true};
        item.checked = i == std::size_t(DefaultLevel);
        menu.push_back(item);
    }
    for (std::size_t i = 0; i < PromotionCaptions.size(); ++i) {
        MenuItemDef item{std::string("Options/Promote next pawn to/") + PromotionCaptions[i], 0, true};
        item.checked = i == 3;
        menu.push_back(item);
    }
    menu.push_back({HelpCaption});
    menu.push_back({HomePageCaption});
    return menu;
}

MenuCommand CommandOf(std::string_view caption) {
    if (int i = IndexIn(FileMenuCaptions, caption); i >= 0) return {MenuGroup::File, i};
    if (int i = IndexIn(MovesMenuCaptions, caption); i >= 0) return {MenuGroup::Moves, i};
    if (int i = IndexIn(PromotionCaptions, caption); i >= 0) return {MenuGroup::Promotion, i};
    for (std::size_t i = 0; i < LevelTable.size(); ++i) {
        if (caption == LevelTable[i].Caption) return {MenuGroup::Strength, int(i)};
    }
    if (caption == HelpCaption) return {MenuGroup::Help, 0};
    if (caption == HomePageCaption) return {MenuGroup::HomePage, 0};
    return {};
}

int PokeIndex(std::string_view name) {
    constexpr std::string_view prefix = "poke";
    if (name.size() != prefix.size() + 1 || name.substr(0, prefix.size()) != prefix) return -1;
    const int index = name.back() - '0';
    return index >= 0 && index < int(PokeMovesItem.size()) ? index : -1;
}

std::vector<ControlSpec> BuildControlSpecs() {
    std::vector<ControlSpec> controls;
    controls.push_back({ControlSpec::Kind::Lamp, LampUserTurn, 350, 328, LampSize, LampSize, LampColour, "", true});
    controls.push_back({ControlSpec::Kind::Lamp, LampEngineTurn, 350, 32, LampSize, LampSize, LampColour, "", false});
    for (std::size_t i = 0; i < PokeLeftTwips.size(); ++i) {
        ControlSpec button;
        button.kind = ControlSpec::Kind::PictureButton;
        button.name = "poke" + std::to_string(i);
        button.x = (StripLeftTwips + PokeLeftTwips[i]) / TwipsPerPixel;
        button.y = (StripTopTwips + ButtonTopTwips) / TwipsPerPixel;
        button.width = button.height = ButtonTwips / TwipsPerPixel;
        button.tooltip = MovesMenuCaptions[std::size_t(PokeMovesItem[i])];
        controls.push_back(button);
    }
    return controls;
}

} // namespace varnix
