// varnix-tune DATA OUT [--start PARAMS] [--limit N] [--steps N] [--rate CP]
// Tunes the evaluation weights on positions labelled with game results (lines "FEN;result", White's score) by
// Adam steps on traced evaluations. A tenth of the positions is held out; the weights with the lowest held-out
// error are written to OUT as they improve, and to OUT.cpp as code for eval_params.cpp at the end.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/board.h"
#include "engine/evaluate.h"
#include "params_file.h"
#include "trace_tuner.h"

using namespace varnix;
using engine::Board;
using engine::EvalParams;

namespace {

size_t Load(const std::string& path, size_t limit, bench::TraceTuner& tuner) {
    std::ifstream in(path);
    size_t read = 0;
    for (std::string line; read < limit && std::getline(in, line);) {
        const size_t semi = line.find(';');
        if (semi == std::string::npos) continue;
        if (const auto board = Board::FromFen(line.substr(0, semi))) {
            tuner.Add(*board, std::atof(line.c_str() + semi + 1));
            ++read;
        }
    }
    return read;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: varnix-tune DATA OUT [--start PARAMS] [--limit N] [--steps N] [--rate CP]\n");
        return 2;
    }
    const std::string dataPath = argv[1], outPath = argv[2];
    EvalParams params = engine::DefaultEvalParams();
    size_t limit = 4'000'000;
    int steps = 2000;
    double rate = 1;
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
        }
    }
    bench::TraceTuner tuner(params);
    const size_t read = Load(dataPath, limit, tuner);
    std::printf("%zu positions read, %zu training, %zu held out\n", read, tuner.Size(false), tuner.Size(true));
    const double k = tuner.FitScale();
    double best = tuner.Error(k, true);
    std::printf("scale %.3f  training error %.6f  held-out error %.6f\n", k, tuner.Error(k, false), best);
    std::fflush(stdout);
    EvalParams bestParams = params;
    for (int step = 1; step <= steps; ++step) {
        tuner.Step(k, rate);
        if (step % 50 != 0 && step != steps) continue;
        const double heldOut = tuner.Error(k, true);
        std::printf("step %d: training error %.6f  held-out error %.6f\n", step, tuner.Error(k, false), heldOut);
        std::fflush(stdout);
        if (heldOut < best) {
            best = heldOut;
            bestParams = tuner.Params();
            bench::WriteParams(outPath, bestParams);
        }
    }
    std::ofstream code(outPath + ".cpp");
    code << bench::ParamsAsCode(bestParams);
    return 0;
}
