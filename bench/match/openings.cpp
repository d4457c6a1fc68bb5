#include "openings.h"

#include <sstream>

#include "engine/game_line.h"
#include "engine/san.h"

namespace varnix::match {
namespace {

// Sound, varied lines of four to eight half-moves in SAN.
constexpr const char* kLines[] = {
    "e4 e5 Nf3 Nc6 Bc4 Bc5",
    "e4 c5 Nf3 d6 d4 cxd4 Nxd4 Nf6",
    "d4 d5 c4 e6 Nc3 Nf6",
    "d4 Nf6 c4 g6 Nc3 Bg7 e4 d6",
    "e4 e6 d4 d5 Nc3 Bb4",
    "e4 c6 d4 d5 e5 Bf5",
    "c4 e5 Nc3 Nf6 g3 d5",
    "Nf3 d5 g3 Nf6 Bg2 c6",
    "e4 e5 Nf3 Nc6 Bb5 a6 Ba4 Nf6",
    "d4 d5 Bf4 Nf6 e3 c5",
    "e4 d5 exd5 Qxd5 Nc3 Qa5",
    "d4 f5 g3 Nf6 Bg2 e6",
    "e4 Nf6 e5 Nd5 d4 d6",
    "c4 c5 Nc3 Nc6 g3 g6 Bg2 Bg7",
    "e4 e5 Nf3 d6 d4 exd4 Nxd4 Nf6",
    "d4 Nf6 c4 e6 Nf3 b6 g3 Bb7",
    "e4 c5 Nc3 Nc6 g3 g6 Bg2 Bg7",
    "e4 c5 Nf3 e6 d4 cxd4 Nxd4 a6",
    "e4 c5 Nf3 Nc6 d4 cxd4 Nxd4 g6",
    "e4 c5 c3 Nf6 e5 Nd5",
    "e4 e5 Nf3 Nf6 Nxe5 d6 Nf3 Nxe4",
    "e4 e5 Nc3 Nf6 f4 d5",
    "e4 e5 f4 exf4 Nf3 g5",
    "e4 e5 Nf3 Nc6 d4 exd4 Nxd4 Nf6",
    "e4 e6 d4 d5 e5 c5 c3 Nc6",
    "e4 e6 d4 d5 Nd2 Nf6",
    "e4 c6 d4 d5 Nc3 dxe4 Nxe4 Bf5",
    "e4 d6 d4 Nf6 Nc3 g6",
    "e4 g6 d4 Bg7 Nc3 d6",
    "d4 d5 c4 c6 Nf3 Nf6 Nc3 dxc4",
    "d4 d5 c4 dxc4 Nf3 Nf6 e3 e6",
    "d4 Nf6 c4 e6 Nc3 Bb4",
    "d4 Nf6 c4 g6 Nc3 d5",
    "d4 Nf6 c4 c5 d5 b5",
    "d4 Nf6 c4 c5 d5 e6 Nc3 exd5",
    "d4 Nf6 Nf3 e6 Bg5 c5",
    "d4 Nf6 c4 e6 g3 d5 Bg2 Be7",
    "d4 d5 c4 e6 Nc3 c5",
    "c4 e6 Nc3 d5 d4 Be7",
    "c4 Nf6 g3 e6 Bg2 d5 Nf3 Be7",
    "Nf3 Nf6 c4 b6 g3 Bb7 Bg2 e6",
    "Nf3 d5 d4 Nf6 e3 e6 Bd3 c5",
    "f4 d5 Nf3 Nf6 e3 g6",
    "b3 e5 Bb2 Nc6 e3 d5",
    "g3 d5 Bg2 Nf6 Nf3 c6",
    "e4 e5 Nf3 Nc6 Bb5 Nf6 O-O Nxe4",
    "e4 c5 Nf3 Nc6 Bb5 g6",
    "d4 Nf6 c4 e6 Nf3 Bb4+ Bd2 Be7",
};

}  // namespace

std::vector<std::string> OpeningFens() {
    std::vector<std::string> fens;
    for (const char* text : kLines) {
        engine::GameLine line;
        std::istringstream moves(text);
        for (std::string san; moves >> san;) line.Play(*engine::ReadMove(line.Current(), san));
        fens.push_back(line.Current().Fen());
    }
    return fens;
}

}  // namespace varnix::match
