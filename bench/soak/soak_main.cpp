// varnix-soak: plays many games of the whole program headless against the real
// engine library and stops at the first broken rule.
#include "bench/soak/SoakDriver.h"

#include <cstdio>

int main(int argc, char** argv) {
    varnix::soak::SoakOptions options;
    if (const std::string error = varnix::soak::ParseSoakOptions(argc, argv, options); !error.empty()) {
        std::fprintf(stderr, "varnix-soak: %s\nusage: varnix-soak [--games N] [--seed S] [--engine-ms M] [--verbose]"
                             " [--engine-dir DIR]\n", error.c_str());
        return 2;
    }
    // The log and the violation report interleave in the order they happened.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    varnix::soak::SoakDriver driver(options);
    return driver.Run();
}
