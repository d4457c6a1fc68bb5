// varnix-tune DATA OUT [--start PARAMS] [--limit N] [--steps 8,4,2,1] [--terms-only 1]
// Tunes the evaluation weights on positions labelled with game results (lines "FEN;result"): coordinate
// descent on the mean squared error between the result and a logistic of the evaluation. Writes the weights
// to OUT after every pass, and OUT.cpp as code for eval_params.cpp at the end.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/board.h"
#include "engine/evaluate.h"
#include "params_file.h"

using namespace varnix;
using engine::Board;
using engine::EvalParams;

namespace {

struct Sample {
    Board board;
    double result;  // White's score
};

std::vector<Sample> Load(const std::string& path, size_t limit) {
    std::vector<Sample> samples;
    std::ifstream in(path);
    for (std::string line; samples.size() < limit && std::getline(in, line);) {
        const size_t semi = line.find(';');
        if (semi == std::string::npos) continue;
        auto board = Board::FromFen(line.substr(0, semi));
        if (board) samples.push_back({*board, std::atof(line.c_str() + semi + 1)});
    }
    return samples;
}

// Mean squared error of the logistic of White's evaluation against the results, on two threads.
double Error(const std::vector<Sample>& samples, const EvalParams& params, double k) {
    constexpr int kThreads = 2;
    double sums[kThreads] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            engine::Evaluator evaluator(params);
            double sum = 0;
            for (size_t i = size_t(t); i < samples.size(); i += kThreads) {
                const Sample& s = samples[i];
                const int eval = evaluator.Evaluate(s.board);
                const double white = s.board.SideToMove() == engine::White ? eval : -eval;
                const double predicted = 1 / (1 + std::pow(10.0, -k * white / 400));
                sum += (s.result - predicted) * (s.result - predicted);
            }
            sums[t] = sum;
        });
    }
    for (auto& th : threads) th.join();
    return (sums[0] + sums[1]) / double(samples.size());
}

// The scale that makes the current evaluation fit the results best.
double FitScale(const std::vector<Sample>& samples, const EvalParams& params) {
    double best = 1, bestError = Error(samples, params, best);
    for (double step = 0.5; step > 0.01; step /= 2) {
        for (const double k : {best - step, best + step}) {
            if (k <= 0) continue;
            const double e = Error(samples, params, k);
            if (e < bestError) {
                bestError = e;
                best = k;
            }
        }
    }
    return best;
}

// The weights the tuner may change: all of them, or only the single terms (no square or mobility tables),
// which noisy data cannot push into fitting chance.
std::vector<std::span<int>> TunableParts(EvalParams& p, bool termsOnly) {
    if (!termsOnly) return {p.Numbers()};
    auto part = [](auto& field) { return std::span<int>(reinterpret_cast<int*>(&field), sizeof(field) / sizeof(int)); };
    return {part(p.pieceValue),   part(p.doubled),       part(p.isolated),         part(p.backward),
            part(p.passed),       part(p.connected),     part(p.passedEnemyKingDistance),
            part(p.passedOwnKingDistance), part(p.passedBlocked), part(p.bishopPair), part(p.rookOpenFile),
            part(p.rookHalfOpenFile), part(p.pawnThreat), part(p.minorThreat), part(p.hanging), part(p.tempo),
            part(p.shelter),      part(p.storm),         part(p.kingAttackUnits), part(p.safeCheck), part(p.kingZoneWeak),
            part(p.kingDangerDivisor)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: varnix-tune DATA OUT [--start PARAMS] [--limit N] [--steps 8,4,2,1] [--terms-only 1]\n");
        return 2;
    }
    const std::string dataPath = argv[1], outPath = argv[2];
    EvalParams params = engine::DefaultEvalParams();
    size_t limit = 2'000'000;
    std::vector<int> steps = {8, 4, 2, 1};
    bool termsOnly = false;
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--start") {
            const auto start = bench::ReadParams(argv[i + 1]);
            if (!start) return 1;
            params = *start;
        } else if (key == "--limit") {
            limit = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (key == "--terms-only") {
            termsOnly = std::string(argv[i + 1]) == "1";
        } else if (key == "--steps") {
            steps.clear();
            std::stringstream list(argv[i + 1]);
            for (std::string s; std::getline(list, s, ',');) steps.push_back(std::atoi(s.c_str()));
        }
    }
    const std::vector<Sample> samples = Load(dataPath, limit);
    std::printf("%zu positions\n", samples.size());
    const double k = FitScale(samples, params);
    double error = Error(samples, params, k);
    std::printf("scale %.3f error %.6f\n", k, error);
    std::fflush(stdout);

    std::vector<int*> numbers;
    for (const std::span<int> part : TunableParts(params, termsOnly))
        for (int& n : part) numbers.push_back(&n);
    for (const int step : steps) {
        for (bool improved = true; improved;) {
            improved = false;
            for (size_t i = 0; i < numbers.size(); ++i) {
                for (const int direction : {+1, -1}) {
                    bool moved = false;
                    for (;;) {
                        *numbers[i] += direction * step;
                        const double e = Error(samples, params, k);
                        if (e < error) {
                            error = e;
                            moved = improved = true;
                        } else {
                            *numbers[i] -= direction * step;
                            break;
                        }
                    }
                    if (moved) break;
                }
            }
            std::printf("step %d: error %.6f\n", step, error);
            std::fflush(stdout);
            bench::WriteParams(outPath, params);
        }
    }
    std::ofstream code(outPath + ".cpp");
    code << bench::ParamsAsCode(params);
    return 0;
}
