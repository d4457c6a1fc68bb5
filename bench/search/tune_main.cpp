// varnix-tune DATA OUT [--start PARAMS] [--limit N] [--steps N] [--rate CP] [--squares free|mirrored|fixed]
//             [--king-passes N] [--lambda L]
// Tunes the evaluation weights on positions labelled with game results (lines "FEN;result", White's score) or
// with the score of the search that played the game's move as well ("FEN;score;result"; the target is then
// L times the score as a win chance plus 1 - L times the result, L = 1 by default) by
// gradient steps on traced evaluations. A tenth of the positions is held out; the weights with the lowest held-out
// error are written to OUT as they improve, and to OUT.cpp as code for eval_params.cpp at the end. --squares
// mirrored ties each square weight to its mirror across the middle file; fixed keeps the square tables.
// --king-passes then fits the king-danger integers by at most N passes of local search.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/evaluate.h"
#include "local_search.h"
#include "params_file.h"
#include "trace_tuner.h"

using namespace varnix;
using engine::Board;
using engine::EvalParams;

namespace {

// A search score as White's chance to win, on the logistic a fit to game results finds for the weights in use.
double WinChance(double whiteScore) { return 1 / (1 + std::pow(10.0, -0.875 * whiteScore / 400)); }

// The target of one line, or nothing when the line is not a labelled position.
std::optional<double> Target(const std::string& fields, double lambda) {
    char* end = nullptr;
    const double first = std::strtod(fields.c_str(), &end);
    if (end == fields.c_str()) return std::nullopt;
    if (*end != ';') return first >= 0 && first <= 1 ? std::optional(first) : std::nullopt;
    const double result = std::atof(end + 1);
    // Scores past a few pawns say only that the game is decided; the result says that as well.
    if (result < 0 || result > 1 || std::abs(first) > 2500) return std::nullopt;
    return lambda * WinChance(first) + (1 - lambda) * result;
}

size_t Load(const std::string& path, size_t limit, double lambda, bench::TraceTuner& tuner, bench::LocalSearch* local) {
    std::ifstream in(path);
    size_t read = 0;
    for (std::string line; read < limit && std::getline(in, line);) {
        const size_t semi = line.find(';');
        if (semi == std::string::npos) continue;
        const auto target = Target(line.substr(semi + 1), lambda);
        if (!target) continue;
        if (const auto board = Board::FromFen(line.substr(0, semi))) {
            tuner.Add(*board, *target);
            if (local) local->Add(*board, *target);
            ++read;
        }
    }
    return read;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: varnix-tune DATA OUT [--start PARAMS] [--limit N] [--steps N] [--rate CP] [--squares free|mirrored|fixed] "
                             "[--king-passes N] [--lambda L]\n");
        return 2;
    }
    const std::string dataPath = argv[1], outPath = argv[2];
    EvalParams params = engine::DefaultEvalParams();
    size_t limit = 4'000'000;
    int steps = 2000, kingPasses = 0;
    double rate = 1, lambda = 1;
    auto squares = bench::TraceTuner::Squares::Free;
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--start") {
            const auto start = bench::ReadParams(argv[i + 1]);
            if (!start) {
                std::fprintf(stderr, "cannot read %s\n", argv[i + 1]);
                return 1;
            }
            params = *start;
        } else if (key == "--limit") {
            limit = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (key == "--steps") {
            steps = std::atoi(argv[i + 1]);
        } else if (key == "--rate") {
            rate = std::atof(argv[i + 1]);
        } else if (key == "--lambda") {
            lambda = std::atof(argv[i + 1]);
        } else if (key == "--king-passes") {
            kingPasses = std::atoi(argv[i + 1]);
        } else if (key == "--squares") {
            const std::string value = argv[i + 1];
            squares = value == "mirrored" ? bench::TraceTuner::Squares::Mirrored
                      : value == "fixed"  ? bench::TraceTuner::Squares::Fixed
                                          : bench::TraceTuner::Squares::Free;
        }
    }
    bench::TraceTuner tuner(params, squares);
    bench::LocalSearch local(bench::LocalSearch::KingDangerWeights(params));
    const size_t read = Load(dataPath, limit, lambda, tuner, kingPasses > 0 ? &local : nullptr);
    std::printf("%zu positions read, %zu training, %zu held out\n", read, tuner.Size(false), tuner.Size(true));
    const double k = tuner.FitScale();
    double best = tuner.Error(k, true);
    std::printf("scale %.3f  training error %.6f  held-out error %.6f\n", k, tuner.Error(k, false), best);
    std::fflush(stdout);
    EvalParams bestParams = params;
    // Stops once the held-out error has not improved for this many steps: the fit has begun to learn noise.
    constexpr int kPatience = 100;
    for (int step = 1, bestStep = 0; step <= steps && step - bestStep <= kPatience; ++step) {
        tuner.Step(k, rate);
        if (step % 10 != 0 && step != steps) continue;
        const double heldOut = tuner.Error(k, true);
        std::printf("step %d: training error %.6f  held-out error %.6f\n", step, tuner.Error(k, false), heldOut);
        std::fflush(stdout);
        if (heldOut < best) {
            best = heldOut;
            bestStep = step;
            bestParams = tuner.Params();
            bench::WriteParams(outPath, bestParams);
        }
    }
    for (int pass = 1; pass <= kingPasses; ++pass) {
        const bool moved = local.Pass(bestParams, k);
        std::printf("king pass %d: training error %.6f  held-out error %.6f\n", pass, local.Error(bestParams, k, false),
                    local.Error(bestParams, k, true));
        std::fflush(stdout);
        bench::WriteParams(outPath, bestParams);
        if (!moved) break;
    }
    std::ofstream code(outPath + ".cpp");
    code << bench::ParamsAsCode(bestParams);
    return 0;
}
