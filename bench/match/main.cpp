// varnix-match: plays two UCI engines against each other from the built-in
// openings, each with colours swapped, and prints W/D/L, score and Elo. --first starts at that game of the
// sequence, so that one long match can run as several processes on different openings. With --nodes, every
// round of the openings after the first varies the budget a little, so that repeats are new games.
//
//   varnix-match --engine1 CMD --engine2 CMD [--games N] [--first I] [--movetime MS] [--nodes N]
//                [--clock MS --increment MS]
//                [--option1 Name=Value]... [--option2 Name=Value]... [--show-moves 1]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <signal.h>

#include "elo.h"
#include "match_game.h"
#include "openings.h"

namespace {

struct Settings {
    std::string commands[2];
    std::vector<std::string> options[2];
    int games = 20;
    int first = 0;  // index of the first game, so that one match can be split across processes
    varnix::match::MoveLimit limit;  // with --nodes, --movetime is the deadline for each answer
    bool showMoves = false;  // print each game's start position and moves, to see how games are lost
};

bool ReadArguments(int argc, char** argv, Settings& settings) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--engine1") settings.commands[0] = value;
        else if (key == "--engine2") settings.commands[1] = value;
        else if (key == "--option1") settings.options[0].push_back(value);
        else if (key == "--option2") settings.options[1].push_back(value);
        else if (key == "--games") settings.games = std::atoi(value.c_str());
        else if (key == "--first") settings.first = std::atoi(value.c_str());
        else if (key == "--movetime") settings.limit.moveTimeMs = std::atoi(value.c_str());
        else if (key == "--nodes") settings.limit.nodes = std::atoll(value.c_str());
        else if (key == "--clock") settings.limit.clockMs = std::atoi(value.c_str());
        else if (key == "--increment") settings.limit.incrementMs = std::atoi(value.c_str());
        else if (key == "--show-moves") settings.showMoves = value == "1";
        else return false;
    }
    return argc % 2 == 1 && !settings.commands[0].empty() && !settings.commands[1].empty() && settings.games > 0 &&
           settings.first >= 0 && settings.limit.moveTimeMs > 0 && settings.limit.nodes >= 0 &&
           settings.limit.clockMs >= 0 && settings.limit.incrementMs >= 0;
}

const char* ResultText(varnix::match::Outcome outcome) {
    switch (outcome) {
        case varnix::match::Outcome::WhiteWins: return "1-0";
        case varnix::match::Outcome::BlackWins: return "0-1";
        case varnix::match::Outcome::Draw: break;
    }
    return "1/2-1/2";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace varnix::match;
    Settings settings;
    if (!ReadArguments(argc, argv, settings)) {
        std::fprintf(stderr, "usage: %s --engine1 CMD --engine2 CMD [--games N] [--first I] [--movetime MS] "
                             "[--nodes N] [--clock MS --increment MS] [--option1 Name=Value]... [--option2 Name=Value]... [--show-moves 1]\n", argv[0]);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);  // a dying engine loses its game; it does not end the match
    UciEngine engines[2];
    for (int i = 0; i < 2; ++i) {
        if (!engines[i].Start(settings.commands[i], settings.options[i])) {
            std::fprintf(stderr, "cannot start %s\n", settings.commands[i].c_str());
            return 1;
        }
    }
    const std::vector<std::string> openings = OpeningFens();
    int wins = 0, draws = 0, losses = 0;  // of engine 1
    for (int game = settings.first; game < settings.first + settings.games; ++game) {
        const bool firstIsWhite = game % 2 == 0;
        const std::string& fen = openings[size_t(game / 2) % openings.size()];
        UciEngine& white = engines[firstIsWhite ? 0 : 1];
        UciEngine& black = engines[firstIsWhite ? 1 : 0];
        const int round = game / int(2 * openings.size());
        const GameRecord record = PlayGame(white, black, fen, settings.limit, round);
        const bool whiteWon = record.outcome == Outcome::WhiteWins;
        if (record.outcome == Outcome::Draw) ++draws;
        else if (whiteWon == firstIsWhite) ++wins;
        else ++losses;
        std::printf("game %d: %s - %s  %s (%s, %d plies)\n", game + 1, white.Name().c_str(), black.Name().c_str(),
                    ResultText(record.outcome), record.reason.c_str(), record.plies);
        if (settings.showMoves) std::printf("  fen %s moves%s\n", fen.c_str(), record.moves.c_str());
        std::fflush(stdout);
    }
    const EloEstimate elo = EstimateElo(wins, draws, losses);
    std::printf("%s vs %s: +%d =%d -%d, score %.1f%%, Elo %+.0f +/- %.0f (95%%)\n", engines[0].Name().c_str(),
                engines[1].Name().c_str(), wins, draws, losses, elo.score * 100, elo.elo, elo.margin);
    return 0;
}
