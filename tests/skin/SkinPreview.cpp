// Renders the three message box layouts and the input box to PNG files, for
// looking at the skin: skin_preview OUTPUT_FOLDER
#include "platform/PngImage.h"
#include "platform/headless/HeadlessPlatform.h"
#include "skin/ClsMain.h"

#include <cstdio>
#include <string>

using namespace varnix;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    HeadlessPlatform platform;
    MsgBoxContext context(platform);
    std::string name;
    bool ok = true;
    platform.SetModalIdleHook([&](HeadlessModalWindow& window) {
        // What the outline cuts away shows as white.
        Surface shown(window.Content().Width(), window.Content().Height(), Rgb(255, 255, 255));
        for (const RowSpan& span : window.Shape())
            Blit(shown, span.x0, span.y, span.x1 - span.x0, 1, window.Content(), span.x0, span.y, RasterOp::Copy);
        ok = SavePng(shown, folder + "/" + name + ".png") && ok;
    });
    name = "ok";
    ClsMain(context).MsgBoxXP("Checkmate. White wins the game.", "Varnix Chess", 0, 2);
    name = "yes_no";
    ClsMain(context).MsgBoxXP("Do you want to save the game before starting a new one?", "", 1, 4);
    name = "yes_no_cancel";
    ClsMain(context).MsgBoxXP("The game has changed.\rSave it now?", "", 2, 1);
    name = "input";
    platform.QueueEvent({InputEvent::Kind::KeyDown, "", 0, 0, 0, 0, 'e'});
    platform.QueueEvent({InputEvent::Kind::KeyDown, "", 0, 0, 0, 0, '4'});
    ClsMain(context).InputBoxXP("Enter your move:", "", 3);
    name = "long";
    ClsMain(context).MsgBoxXP(std::string(40, 'x') + " " + std::string(300, 'y') + " a few more words here to wrap", "", 2, 3);
    return ok ? 0 : 1;
}
