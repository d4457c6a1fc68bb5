// Shows one message box layout in a real window until it is answered or the
// given seconds have passed, for screenshots:
//   skin_window_preview ok|yesno|yesnocancel|input [SECONDS]
#include "RealWindowPlatform.h"
#include "skin/ClsMain.h"

#include <FL/Fl.H>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace varnix;

int main(int argc, char** argv) {
    const std::string layout = argc > 1 ? argv[1] : "";
    const double seconds = argc > 2 ? std::atof(argv[2]) : 30;
    if (layout != "ok" && layout != "yesno" && layout != "yesnocancel" && layout != "input") {
        std::fprintf(stderr, "usage: %s ok|yesno|yesnocancel|input [SECONDS]\n", argv[0]);
        return 2;
    }
    RealWindowPlatform platform;
    MsgBoxContext context(platform);
    Fl::add_timeout(seconds, [](void* p) {
        auto* real = static_cast<RealWindowPlatform*>(p);
        if (real->last) real->last->Close();
    }, &platform);
    ClsMain box(context);
    if (layout == "ok") std::printf("%d\n", box.MsgBoxXP("Checkmate. White wins the game.", "", 0, 2));
    if (layout == "yesno") std::printf("%d\n", box.MsgBoxXP("Do you want to save the game before starting a new one?", "", 1, 4));
    if (layout == "yesnocancel") std::printf("%d\n", box.MsgBoxXP("The game has changed.\rSave it now?", "", 2, 1));
    if (layout == "input") std::printf("\"%s\"\n", box.InputBoxXP("Enter your move:", "", 3).c_str());
    return 0;
}
