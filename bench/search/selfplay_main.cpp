// varnix-selfplay [--games N] [--nodes K] [--a PARAMS] [--b PARAMS] [--skill-a S] [--skill-b S]
//                 [--record FILE] [--random-plies N]
// Plays settings A against B at K nodes a move over the opening lines (then N random plies, the same for
// both games of a pair unless recording), colours alternating, and prints A's score with an Elo estimate. --record appends
// the quiet positions of every game as "FEN;score;result" (the search's score and the game's result, White's view),
// for the tuner.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "params_file.h"
#include "selfplay.h"

using namespace varnix;

int main(int argc, char** argv) {
    int games = 64, first = 0, skill[2] = {100, 100}, randomPlies = 0;
    uint64_t nodes = 5000;
    std::string paramFiles[2], recordPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const char* value = argv[i + 1];
        if (key == "--games") games = std::atoi(value);
        else if (key == "--first") first = std::atoi(value);
        else if (key == "--nodes") nodes = std::strtoull(value, nullptr, 10);
        else if (key == "--a") paramFiles[0] = value;
        else if (key == "--b") paramFiles[1] = value;
        else if (key == "--skill-a") skill[0] = std::atoi(value);
        else if (key == "--skill-b") skill[1] = std::atoi(value);
        else if (key == "--record") recordPath = value;
        else if (key == "--random-plies") randomPlies = std::atoi(value);
        else {
            std::fprintf(stderr, "usage: varnix-selfplay [--games N] [--nodes K] [--a PARAMS] [--b PARAMS] "
                                 "[--skill-a S] [--skill-b S] [--record FILE] [--random-plies N] [--first G]\n");
            return 2;
        }
    }
    engine::Searcher searchers[2] = {engine::Searcher(16, 1), engine::Searcher(16, 1)};
    bench::Player players[2];
    for (int i = 0; i < 2; ++i) {
        if (!paramFiles[i].empty()) {
            const auto params = bench::ReadParams(paramFiles[i]);
            if (!params) {
                std::fprintf(stderr, "cannot read %s\n", paramFiles[i].c_str());
                return 1;
            }
            searchers[i].SetEvalParams(*params);
        }
        players[i].searcher = &searchers[i];
        players[i].limits.nodes = nodes;
        players[i].limits.skill = skill[i];
    }
    std::ofstream record;
    if (!recordPath.empty()) record.open(recordPath, std::ios::app);

    double scoreA = 0;
    int wins = 0, draws = 0, losses = 0;
    const auto& lines = bench::OpeningLines();
    // Games are numbered from `first`, so that several runs side by side record different games.
    for (int g = first; g < first + games; ++g) {
        const bool aWhite = g % 2 == 0;
        const bench::GameResult r = bench::PlayGame(players[aWhite ? 0 : 1], players[aWhite ? 1 : 0],
                                                    lines[size_t(g / 2) % lines.size()], randomPlies,
                                                    uint64_t(recordPath.empty() ? g / 2 : g));
        const double a = aWhite ? r.whiteScore : 1 - r.whiteScore;
        scoreA += a;
        (a == 1 ? wins : a == 0 ? losses : draws)++;
        for (const bench::QuietPosition& q : r.quiet) record << q.fen << ';' << q.whiteScore << ';' << r.whiteScore << '\n';
        std::printf("game %d: A %s  %.1f (%s)\n", g + 1, aWhite ? "white" : "black", a, r.reason.c_str());
        std::fflush(stdout);
    }
    const double p = scoreA / games;
    const double clamped = std::fmin(std::fmax(p, 0.001), 0.999);
    const double elo = -400 * std::log10(1 / clamped - 1);
    // Standard error of the mean score per game, turned into Elo near p.
    const double var = (wins * std::pow(1 - p, 2) + draws * std::pow(0.5 - p, 2) + losses * std::pow(p, 2)) / games;
    const double se = std::sqrt(var / games);
    const double margin = 1.96 * se * 400 / std::log(10) / (clamped * (1 - clamped));
    std::printf("A: +%d =%d -%d  score %.1f%%  Elo %+.0f +/- %.0f\n", wins, draws, losses, 100 * p, elo, margin);
    return 0;
}
