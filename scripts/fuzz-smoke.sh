#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for a short while
# on its seed corpus. Any crash, hang, leak or sanitizer report fails the run.
# Usage: scripts/fuzz-smoke.sh [seconds per target, default 30]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-30}
targets=(fen_to_position_fuzz notation_fuzz long_text_fuzz fuzz_fen fuzz_record_calls fuzz_protocol load_game_fuzz)

VARNIX_WITH_CLANG=1 VARNIX_BUILD_TARGETS="${targets[*]}" CC=clang CXX=clang++ \
  "$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNIX_FUZZ=ON -DVARNIX_SANITIZE=ON -DVARNIX_BUILD_TESTS=OFF

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
for target in "${targets[@]}"; do
  # The seeds stay as they are in the tree; what the run finds goes to a scratch folder.
  corpus=$(mktemp -d)
  log="$build/fuzz-smoke-$target.log"
  dict=()
  if [ -f "$root/tests/data/fuzz/$target.dict" ]; then dict=(-dict="$root/tests/data/fuzz/$target.dict"); fi
  if (cd "$build" && nice -n 5 "bin/$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 "${dict[@]}" \
      "$corpus" "$root/tests/data/fuzz/$target" >"$log" 2>&1); then
    echo "fuzz $target: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$') executions, no findings"
  else
    echo "fuzz $target: FAILED (see $log)"
    tail -n 30 "$log"
    failed=1
  fi
  rm -rf "$corpus"
done
exit $failed
