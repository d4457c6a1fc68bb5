// varnix-bench-pump: how often the engine loop calls the pump while it
// searches for three seconds (interval p50, p99, max), and how much CPU the
// loop uses while it idles for three seconds. Uses the real library.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/api/varnix_engine.h"

namespace {

using Clock = std::chrono::steady_clock;

enum class Phase { Start, Searching, Idle, Done };

struct Bench {
    Phase phase = Phase::Start;
    std::vector<double> searchGapsMs;
    Clock::time_point lastPump{};
    Clock::time_point idleSince{};
    double idleCpuSeconds = 0;
    bool moved = false;
    std::vector<const char*> queue = {"ponder off", "new", "whitetime 30000", "go"};
    size_t queued = 0;
};

Bench bench;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void Pump() {
    const Clock::time_point now = Clock::now();
    if (bench.phase == Phase::Searching)
        bench.searchGapsMs.push_back(std::chrono::duration<double, std::milli>(now - bench.lastPump).count());
    bench.lastPump = now;
    if (bench.queued < bench.queue.size()) {
        varnix_ReceiveTxt(bench.queue[bench.queued++]);
        if (bench.queued == bench.queue.size()) bench.phase = Phase::Searching;
        return;
    }
    if (bench.phase == Phase::Searching && bench.moved) {
        bench.phase = Phase::Idle;
        bench.idleSince = now;
        bench.idleCpuSeconds = CpuSeconds();
    } else if (bench.phase == Phase::Idle && now - bench.idleSince >= std::chrono::seconds(3)) {
        const double wall = std::chrono::duration<double>(now - bench.idleSince).count();
        bench.idleCpuSeconds = (CpuSeconds() - bench.idleCpuSeconds) / wall;
        bench.phase = Phase::Done;
        varnix_ReceiveTxt("quit");
    }
}

void Output(int32_t length) {
    std::string text(size_t(length) + 1, '\0');
    varnix_GetTxt(text.data());
    if (text.starts_with("move (")) bench.moved = true;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

}  // namespace

int main() {
    varnix_EngineStart(Pump, Output);
    const std::vector<double>& gaps = bench.searchGapsMs;
    std::printf("pump calls during the 3 s search: %zu\n", gaps.size());
    std::printf("pump interval while searching: p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", Percentile(gaps, 0.5),
                Percentile(gaps, 0.99), gaps.empty() ? 0.0 : *std::max_element(gaps.begin(), gaps.end()));
    std::printf("idle CPU of the loop: %.2f%% of a core\n", bench.idleCpuSeconds * 100);
    return 0;
}
