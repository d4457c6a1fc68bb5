// Varnix Chess: the real window on FLTK, the program object, and the engine
// library's loop, which runs until the window is closed.
#include "main_window/AboutPanel.h"
#include "main_window/FrmBoard.h"
#include "main_window/GameFileBridge.h"
#include "main_window/MenuTable.h"
#include "main_window/files/GameFiles.h"
#include "resources/ButtonPictures.h"
#include "platform/fltk/FltkPlatform.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int ClientWidth = 362;
constexpr int ClientHeight = 363;

// The home page ships beside the program.
std::string HomePageAddress() { return "file://" + varnix::EngineLibrary::ExecutableFolder() + "/home.html"; }

void AddControls(varnix::FltkPlatform& platform) {
    for (const varnix::ControlSpec& control : varnix::BuildControlSpecs()) {
        if (control.kind == varnix::ControlSpec::Kind::Lamp) {
            platform.AddColourBox(control.name, control.x, control.y, control.width, control.height, control.colour);
        } else {
            const int index = varnix::PokeIndex(control.name);
            platform.AddPictureButton(control.name, control.x, control.y, varnix::KeyPicture(index), control.tooltip);
        }
        platform.SetControlVisible(control.name, control.visible);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Varnix Chess %s\n", VARNIX_VERSION);
        return 0;
    }
    varnix::FltkPlatform platform(varnix::ProgramTitle, ClientWidth, ClientHeight, varnix::BuildMenuTree());
    AddControls(platform);

    varnix::FrmBoard board(platform);
    // The about panel lies over the board; its "OK" closes it.
    const varnix::AboutPanelPictures about = varnix::ComposeAboutPanel(varnix::AboutText());
    platform.AddPanel(varnix::AboutPanel, 0, 0, about.panel);
    platform.AddHeldButton(varnix::AboutOkButton, varnix::AboutPanel, about.okX, about.okY, about.okNormal,
                           about.okPressed);
    platform.SetControlVisible(varnix::AboutPanel, false);

    varnix::GameFileBridge bridge(board);
    varnix::GameFiles files(bridge, platform, board.Record(), board.Calls());
    varnix::EngineLibrary engine;
    varnix::FrmBoardHooks hooks;
    hooks.SaveGame = [&] { files.SaveGame(); };
    hooks.LoadGame = [&] { files.LoadGame(); };
    hooks.OpenHomePage = [&] { platform.OpenUrl(HomePageAddress()); };
    board.SetHooks(hooks);

    board.Load(engine);
    return 0;
}
