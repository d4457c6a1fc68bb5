#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole suite through CTest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-test"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNIX_SANITIZE=ON
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$build"
ctest --output-on-failure --timeout 900 -j "$(nproc 2>/dev/null || echo 2)"

# The engine's search runs on a worker thread beside the loop on the user-interface
# thread; AddressSanitizer cannot see data races, so the threaded parts also run
# once under ThreadSanitizer. Only their three test programs are built (a few
# minutes on two cores); the whole-program tests stay under the build above.
tsan="$root/build-tsan"
cmake -S "$root" -B "$tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNIX_TSAN=ON >/dev/null
cmake --build "$tsan" -j "$(nproc 2>/dev/null || echo 2)" --target engine_tests engine_protocol_tests engine_link_tests
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}
"$tsan/bin/engine_tests" --gtest_brief=1
"$tsan/bin/engine_link_tests" --gtest_brief=1
# The UCI front end's tests take minutes each under TSan; its session is the same one the loop uses.
"$tsan/bin/engine_protocol_tests" --gtest_brief=1 --gtest_filter='-UciSession.*'

# A short libFuzzer run of every fuzz target once the suite has passed.
"$root/scripts/fuzz-smoke.sh"
